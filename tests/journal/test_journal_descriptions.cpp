#include "JournalFixtures.h"

#include "app/DeviceTypeNames.h"
#include "app/EventNames.h"
#include "app/Overmind.h"
#include "link/DeviceErrorTexts.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

using namespace journaltest;

namespace {
QString jtr(const char *text, const char *disambiguation = nullptr)
{
    return Journal::tr(text, disambiguation);
}
} // namespace

class TestJournalDescriptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;

    void start(bool withRadioModel)
    {
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createSettingsObjects(withRadioModel);
    }

private slots:
    void initTestCase() { initDeviceTypeNames(); }
    void init() { start(true); }
    void cleanup() { overmind.reset(); }

    void entries_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("sourceText");
        QTest::addColumn<QString>("description");

        const QByteArray none;
        const QString system = QStringLiteral("Система");
        const QString unknownSensor3 =
            jtr("Sensor: %1").arg(jtr("Unknown or deleted sensor #%1").arg(3));

        // Radio devices.
        QTest::newRow("1 auto take") << 1 << QByteArray(Body().u16(4, 9).u8(6, 255)) << none
                                     << jtr("Auto take") << partitionEventName(9);
        QTest::newRow("1 leak, own device, input 1")
            << 1 << QByteArray(Body().u16(4, 8).u8(6, 3).u8(8, 1).u16(24, 24)) << none << "Датчик"
            << unknownSensor3 + ": " + jtr("Sensor %1. ").arg(1) + jtr("Leak");
        QTest::newRow("1 leak gone, device 120")
            << 1 << QByteArray(Body().u8(6, 120).u16(24, 24)) << none << "Датчик"
            << jtr("Sensor: %1").arg(jtr("Unknown or deleted sensor #%1").arg(120)) + ": " +
                   jtr("Leak has been eliminated");
        QTest::newRow("1 temperature -3.25")
            << 1 << QByteArray(Body().u8(6, 255).u8(8, 2).u16(10, quint16(-325)).u16(24, 31))
            << none << "Датчик"
            << ": Событие по температуре. Выше нормы. " + jtr("Temperature: ") + " -3.25℃";
        QTest::newRow("23 humidity 7")
            << 23 << QByteArray(Body().u8(6, 255).u16(10, 700).u16(24, 32)) << none
            << "Мобильное приложение"
            << ": Событие по влажности. Переход в норму. " + jtr("Humidity: ") + " 7%";
        QTest::newRow("1 CO 21.5, threshold 9")
            << 1 << QByteArray(Body().u8(6, 255).u8(8, 9).u16(10, 2150).u16(24, 33)) << none
            << "Датчик"
            << ": Событие по датчику CO. . CO:  21.5 ppm";
        QTest::newRow("1 valve 2")
            << 1 << QByteArray(Body().u8(6, 255).u8(10, 1).u16(24, 36)) << none << "Датчик"
            << ": " + jtr("Valve %1. ").arg(2) + "Кран открыт";
        QTest::newRow("1 counter eliminated")
            << 1 << QByteArray(Body().u8(6, 255).u8(9, 1).u16(24, 23)) << none << "Датчик"
            << ": " + jtr("Counter %1. ").arg(2) + "Повреждение шлейфа счётчика " +
                   jtr("eliminated", "jornal");
        QTest::newRow("1 serial of a device not enrolled")
            << 1 << QByteArray(Body().u32(0, 0).u8(6, 3).u32(36, 4242).u16(24, 3)) << none
            << "Датчик"
            << jtr("Sensor: %1")
                       .arg(jtr("Unknown or deleted sensor. Serial number #%1").arg("0000004242")) +
                   ": Тревога";

        // Partitions and keys.
        QTest::newRow("2 keychain gone")
            << 2 << QByteArray(Body().u16(4, 1).u8(6, 7)) << none << jtr("Deleted keychain")
            << jtr("%1: %2. %3").arg(partitionEventName(1), "", "");
        QTest::newRow("4 failed sensors, empty mask names 125")
            << 4 << QByteArray(Body().u16(4, 6)) << QByteArray("Ирина") << "Управление по SMS"
            << jtr("%1: %2. %3. Failed sensors: %4")
                   .arg(partitionEventName(6), "", jtr("User: %1").arg("Ирина"),
                        jtr("Sensor #%1").arg(126));
        QTest::newRow("3 key 32") << 3 << QByteArray(Body().u16(4, 32).u8(6, 2).u64(24, 0x1A2B))
                                  << QByteArray("installer") << "Ключ"
                                  << "installer Key #3 (    1A2B) : " + partitionEventName(32);
        QTest::newRow("18 key 32 lower case, no user")
            << 18 << QByteArray(Body().u16(4, 32).u8(6, 2).u64(24, 0x1A2B)) << none << "Halvor"
            << jtr("Unknown user") + " Key #3 (    1a2b) : " + partitionEventName(32);
        QTest::newRow("3 key, failed sensors none")
            << 3 << QByteArray(Body().u16(4, 6).u8(6, 19).u64(24, 0xFEDCBA98)) << none << "Ключ"
            << jtr("%4 Key #%1 (%3) : %2 %5. Failed sensors: %6")
                   .arg("20", partitionEventName(6), "FEDCBA98", "", "", jtr("No sensors"));
        QTest::newRow("10 user name filling its field")
            << 10 << QByteArray(Body().u8(0, 1)) << QByteArray(120, 'w') << "Аутентификация"
            << jtr("User logged in: %1").arg(QString(96, 'w'));

        // Outputs.
        QTest::newRow("5 unknown radio device, user 255")
            << 5 << QByteArray(Body().u8(0, 3).u8(1, 255).u16(8, 3).u32(24, 40)) << none << "Выход"
            << jtr("%1. Executive devices. ").arg("КЗ выхода");
        QTest::newRow("5 kind 9") << 5 << QByteArray(Body().u8(0, 9).u8(1, 255)) << none << "Выход"
                                  << jtr("%1. Executive devices. ").arg(jtr("Unknown event"));

        // Power, system, GSM.
        QTest::newRow("6 power") << 6 << QByteArray(Body().u16(0, 2)) << none << "Электропитание"
                                 << powerEventName(2);
        QTest::newRow("7 deleted direction")
            << 7 << QByteArray(Body().u8(0, 9)) << none << system << "Удалено направление";
        QTest::newRow("7 code 18") << 7 << QByteArray(Body().u8(0, 18)) << none << system
                                   << jtr("Unknown system event: %1").arg(18);
        QTest::newRow("7 device type 200 named as 8")
            << 7 << QByteArray(Body().u8(0, 1).u8(1, 4).u16(8, 200)) << none << system
            << "Добавлен датчик #5 (" + deviceTypeNames.at(8) + ")";
        QTest::newRow("7 key id") << 7 << QByteArray(Body().u8(0, 3).u64(8, 0xab12)) << none
                                  << system << "Добавлен ключ id: 0000AB12";
        QTest::newRow("7 user changed")
            << 7 << QByteArray(Body().u8(0, 6).u8(2, 77).u16(8, 0x13).text(10, "Охрана")) << none
            << system
            << jtr("User: %1. User data changed: %2: %3")
                   .arg(jtr("User #%1").arg(77), "Охрана",
                        jtr("login") + ", " + jtr("name") + ", " + jtr("partitions"));
        QTest::newRow("7 direction kinds beyond the table")
            << 7 << QByteArray(Body().u8(0, 8).u8(1, 0).u8(2, 77).u8(8, 4).u8(9, 1).u8(10, 9))
            << none << system
            << jtr("%1: Changing direction settings %2, Main: %3, Reserve 1: %4, Reserve 2: %5")
                   .arg(jtr("User #%1").arg(77), "1", jtr("DC09"), jtr("User SMS"), "9");
        QTest::newRow("7 case opened in alarm") << 7 << QByteArray(Body().u8(0, 11).u16(10, 21))
                                                << none << system << jtr("Case opened. Alarm");
        QTest::newRow("7 balance")
            << 7 << QByteArray(Body().u8(0, 14).u8(1, 1).text(8, "12.50")) << none << system
            << jtr("Reducing the balance on the SIM card %1. Balance: %2").arg("2", "12.50");
        QTest::newRow("8 SIM changed")
            << 8 << QByteArray(Body().u8(0, 9).u8(1, 1)) << none << "События модуля GSM"
            << "SIM-карта изменена. " + jtr("Used SIM2");
        QTest::newRow("8 code 27") << 8 << QByteArray(Body().u8(0, 27)) << none
                                   << "События модуля GSM" << jtr("Unknown event");
        QTest::newRow("8 operator")
            << 8 << QByteArray(Body().u8(0, 11).text(8, "Northwave")) << none
            << "События модуля GSM"
            << jtr("SIM-card") + " 1. " + jtr("%1: %2").arg("Имя оператора", "Northwave");

        // Bootloader, login, firmware.
        QTest::newRow("9 code 46")
            << 9 << QByteArray(Body().u16(6, 46)) << none << "Загрузчик" << deviceErrorText(46);
        QTest::newRow("9 kind 9 without text") << 9 << QByteArray(Body().u16(4, 9).u16(6, 84))
                                               << none << "Загрузчик" << jtr("Unknown: %1").arg(9);
        QTest::newRow("9 versions")
            << 9 << QByteArray(Body().u8(0, 5).u8(1, 1).u8(2, 10).u8(3, 2).u16(4, 1).u8(8, 200))
            << none << "Загрузчик"
            << jtr("Downloader firmware updated successfully completed. "
                   "Version changed from %1 to %2. User: %3.")
                   .arg("1.05", "2.10", jtr("User #%1").arg(200));
        QTest::newRow("10 login failed")
            << 10 << QByteArray(Body().u8(0, 4).text(8, "mallory")) << none << "Аутентификация"
            << jtr("Login failed. Login: %1").arg("mallory");
        QTest::newRow("10 logged in, name unreadable")
            << 10 << QByteArray(Body().u8(0, 1)) << QByteArray("Read user name fail!")
            << "Аутентификация" << jtr("User logged in: %1").arg(jtr("Unknown user"));
        QTest::newRow("11 unknown")
            << 11 << QByteArray(Body().u16(4, 11)) << none << "Изменение версии ПО"
            << jtr("Unknown FW event e_FW_event = %1").arg(11);

        // Reports, SMS commands, time, direction tests, the sender.
        QTest::newRow("12 managing user")
            << 12 << QByteArray(Body().u32(0, 41).u16(6, 1).u8(8, 10)) << QByteArray("installer")
            << "Передача оповещения"
            << jtr("Transmitting event #%1 to managing user: %2 (retry %3). %4")
                   .arg("42", "installer", "1", jtr("Success"));
        QTest::newRow("13 date time set") << 13
                                          << QByteArray(Body()
                                                            .u64(8, 79161234567ull)
                                                            .u8(16, 5)
                                                            .text(18, "DT 50%")
                                                            .u8(102, 7)
                                                            .u8(103, 3)
                                                            .u8(104, 24))
                                          << QByteArray("installer") << "Команды по SMS"
                                          << "installer( 79161234567 ): " + jtr("Date time set") +
                                                 "( DT 50% ) : 07.03.24 . " + jtr("Ok");
        QTest::newRow("15 NITZ") << 15 << QByteArray(Body()) << none << "Синхронизация времени"
                                 << jtr("NITZ synchronization succeeded", "sync");
        QTest::newRow("16 managing index, channel 7")
            << 16 << QByteArray(Body().u8(9, 10).u8(10, 7).u8(11, 1)) << none
            << "Тестирование направления"
            << jtr("Test event. Direction: %1, channel: %2. Result: %3")
                   .arg("10", "7", jtr("Fail"));
        QTest::newRow("24 state 9")
            << 24 << QByteArray(Body().u8(4, 9).u8(5, 10).u8(6, 1)) << none << "Отправщик событий"
            << Overmind::tr("Managing user") + ". " + jtr("Reserve 1") + ". 9";
        QTest::newRow("24 other type")
            << 24 << QByteArray(Body().u8(0, 1)) << none << "Отправщик событий"
            << jtr("Event type is not esetChannelStatus");

        // Text entries and unknown sources.
        QTest::newRow("19 text ends at its field")
            << 19 << QByteArray(127, 'x') << none << "Текстовая строка" << QString(127, 'x');
        QTest::newRow("20") << 20 << QByteArray() << none << jtr("Unknown event source: %1").arg(20)
                            << QString();
        QTest::newRow("0") << 0 << QByteArray() << none << jtr("Unknown event source: %1").arg(0)
                           << QString();
        QTest::newRow("25") << 25 << QByteArray() << none << jtr("Unknown event source: %1").arg(25)
                            << QString();
    }
    void entries()
    {
        QFETCH(int, source);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, user);
        const s_FullJournalEventIsp2 entry = entryOf(7, quint8(source), body, user);
        QTEST(Journal::sourceText(entry), "sourceText");
        QTEST(Journal::descriptionText(entry), "description");
    }

    // Named partitions by their names; bits past the device's slots are not partitions.
    void partitionNames()
    {
        PartitionModel *model = overmind->partitionModel();
        QVERIFY(model && model->partition(2) && model->partition(5));
        const auto entry = entryOf(1, 14, Body().u32(0, 1u << 2 | 1u << 5 | 1u << 20).u16(4, 1));
        QCOMPARE(Journal::descriptionText(entry),
                 jtr("%1: %2. %3")
                     .arg(partitionEventName(1),
                          model->partition(2)->jsonKey() + ", " + model->partition(5)->jsonKey(),
                          ""));
        QCOMPARE(Journal::partitionMaskText(0), QString());
    }

    void outputsWithoutRadioModel()
    {
        start(false);
        QVERIFY(!overmind->partitionModel());
        const auto entry = entryOf(1, 5, Body().u8(0, 0).u8(1, 255).u8(8, 1).u32(24, 158));
        QCOMPARE(Journal::descriptionText(entry),
                 jtr("%1. Executive devices. ").arg("Включен. " + jtr("External management")) +
                     jtr("Out #%1").arg(2));
        const auto other = entryOf(1, 5, Body().u8(0, 2).u8(1, 4).u32(24, 40));
        QCOMPARE(Journal::descriptionText(other),
                 jtr("%1. Executive devices. ").arg("Выключен. " + jtr("Event by temperature")) +
                     jtr("Device #%1").arg(40) + jtr(". User: ") + jtr("User #%1").arg(4));
    }
};

JOURNAL_TEST_MAIN(TestJournalDescriptions)
#include "test_journal_descriptions.moc"
