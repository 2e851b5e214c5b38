#include "SettingsBytes.h"
#include "app/Overmind.h"
#include "pages/settings/BeeperSettings.h"
#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DebugSettings.h"
#include "pages/settings/DeviceSettings.h"
#include "pages/settings/IButtonConfig.h"
#include "pages/settings/LedsSettings.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/OutputGroupsSettings.h"
#include "sim/LogCapture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {
QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}
} // namespace

class TestDeviceSettings : public QObject
{
    Q_OBJECT

private slots:
    // What every write sends: named fields kept, reserved bytes cleared, sealed.
    void writtenBlocks_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QList<int>>("zeroed");
        QTest::addColumn<QList<int>>("kept");
        auto range = [](int from, int to) {
            QList<int> bytes;
            for (int i = from; i <= to; ++i)
                bytes.append(i);
            return bytes;
        };
        QTest::newRow("object") << "Object" << range(68, 71) + range(144, 147)
                                << range(0, 67) + range(72, 143) + range(148, 249);
        QTest::newRow("device") << "Device" << range(36, 75) + range(79, 99)
                                << range(0, 35) + range(76, 78) + range(100, 249);
        QTest::newRow("leds") << "Leds"
                              << range(0, 23) + QList<int>{25, 27, 29, 31, 33} + range(38, 46) +
                                     range(48, 51)
                              << QList<int>{24, 26, 28, 30, 32, 34, 35, 36, 37, 47} +
                                     range(52, 249);
        QTest::newRow("beeper") << "Beeper"
                                << range(4, 19) + range(26, 33) + range(36, 37) + range(40, 43)
                                << range(0, 3) + range(20, 25) + range(34, 35) + range(38, 39) +
                                       range(44, 249);
        QTest::newRow("card reader")
            << "iButtonConfig" << range(8, 11) << range(0, 4) + range(6, 7) + range(12, 249);
        QTest::newRow("debug") << "Debug" << range(1, 11) << range(12, 249);
    }

    void writtenBlocks()
    {
        QFETCH(QString, block);
        QFETCH(QList<int>, zeroed);
        QFETCH(QList<int>, kept);
        const QByteArray received = patterned();
        QByteArray written;
        if (block == "Object") {
            ObjectSettings s(nullptr);
            QByteArray in = received;
            in[251] = 1;
            s.objectDataReceived(recordOf<s_ExtMemDataObject>(in));
            s.writeToDevice();
            written = bytesOf(s.data());
        } else if (block == "Device") {
            DeviceSettings s(nullptr);
            s.settings(recordOf<s_ExtMemDataDevice>(received));
            s.writeToDevice();
            written = bytesOf(s.record());
        } else if (block == "Leds") {
            LedsSettings s(nullptr);
            s.settings(recordOf<s_ExtMemDataLeds>(received));
            s.writeToDevice();
            written = bytesOf(s.data());
        } else if (block == "Beeper") {
            BeeperSettings s(nullptr);
            s.settings(recordOf<s_ExtMemDataBeeper>(received));
            s.writeToDevice();
            written = bytesOf(s.data());
        } else if (block == "iButtonConfig") {
            IButtonConfig s(nullptr);
            s.settings(recordOf<s_ExtMemDataIButtonConfig>(received));
            s.writeToDevice();
            written = bytesOf(s.data());
            QCOMPARE(quint8(written.at(5)), quint8(received.at(5) & 1));
        } else {
            DebugSettings s(nullptr);
            s.settings(recordOf<s_ExtMemDataDebug>(received));
            s.writeToDevice();
            written = bytesOf(s.data());
            QCOMPARE(quint8(written.at(0)), quint8(received.at(0) & 1));
        }
        for (int at : zeroed)
            QVERIFY2(written.at(at) == 0, qPrintable(QString("byte %1").arg(at)));
        for (int at : kept)
            QVERIFY2(written.at(at) == received.at(at), qPrintable(QString("byte %1").arg(at)));
        QVERIFY(sealedAsWritten(written));
    }

    void ledsBlockOfAllOnes()
    {
        LedsSettings s(nullptr);
        s.settings(recordOf<s_ExtMemDataLeds>(QByteArray(256, char(0xFF))));
        s.writeToDevice();
        const QByteArray written = bytesOf(s.data());
        QCOMPARE(quint8(written.at(24)), quint8(0xFF));
        QCOMPARE(quint8(written.at(34)), quint8(0xFF));
        QCOMPARE(quint8(written.at(47)), quint8(0xFF));
        QCOMPARE(written.mid(52, 198), QByteArray(198, char(0xFF)));
        QCOMPARE(written.mid(0, 24), QByteArray(24, '\0'));
        QVERIFY(sealedAsWritten(written));
    }

    void objectRefusesABlockOfAnotherVersion()
    {
        ObjectSettings s(nullptr);
        QSignalSpy updated(&s, &ObjectSettings::settingsUpdated);
        LogCapture log;
        QByteArray block = patterned();
        block[251] = 2;
        s.objectDataReceived(recordOf<s_ExtMemDataObject>(block));
        QCOMPARE(updated.count(), 0);
        QCOMPARE(s.number(), 0u);
        QTRY_VERIFY(log.contains("Wrong object settings received"));
    }

    void objectNames()
    {
        ObjectSettings s(nullptr);
        const QString ascii(63, QLatin1Char('a'));
        QCOMPARE(s.setName(ascii), 2);
        QCOMPARE(s.name(), ascii);
        QCOMPARE(s.data().body[63], quint8(0));
        const QByteArray before = bytesOf(s.data()).left(68);
        QCOMPARE(s.setName(QString(32, QChar(0x0416))), 0); // 64 bytes do not fit
        QCOMPARE(bytesOf(s.data()).left(68), before);
        QCOMPARE(qFromLittleEndian<quint32>(s.data().body + 64), crc32Stm(s.data().body, 64));
    }

    void deviceNtpServerIsCutAtACharacter_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("stored");
        QTest::newRow("40 ASCII") << QString(40, 'n') << QString(32, 'n');
        // 31 ASCII then a two-byte letter: the letter would split, so it goes whole.
        QTest::newRow("split letter")
            << QString(31, 'n') + QString(QChar(0x0416)) << QString(31, 'n');
    }

    void deviceNtpServerIsCutAtACharacter()
    {
        QFETCH(QString, server);
        QFETCH(QString, stored);
        DeviceSettings s(nullptr);
        s.setNtpServer(server);
        QCOMPARE(s.ntpServer(), stored);
        QVERIFY(!s.ntpServer().contains(QChar::ReplacementCharacter));
    }

    // Fault mended: a file's NTP server made the device block go to the device even when
    // the file was only being viewed.
    void viewedFileNeverWritesTheDevice_data()
    {
        QTest::addColumn<bool>("viewing");
        QTest::newRow("viewing") << true;
        QTest::newRow("connected") << false;
    }

    void viewedFileNeverWritesTheDevice()
    {
        QFETCH(bool, viewing);
        Overmind overmind;
        overmind.setViewingMode(viewing);
        DeviceSettings device(nullptr);
        DateTimeSettings dateTime(nullptr);
        dateTime.setDeviceData(device.data());
        connect(&dateTime, &DateTimeSettings::updateNtpServer, &device,
                &DeviceSettings::setNtpServer);
        LogCapture log;
        QVERIFY(dateTime.fromJson(json(R"({"NTPServer":"ntp.example","timeSource":1})"), 2));
        QCOMPARE(device.ntpServer(), QString("ntp.example"));
        if (viewing) {
            QTest::qWait(50);
            QCOMPARE(log.count("DeviceSettings: Saving settings"), 0);
            QCOMPARE(log.count("DateTimeSettings: Saving settings"), 0);
        } else {
            QTRY_COMPARE(log.count("DeviceSettings: Saving settings"), 1);
        }
    }

    void clockWords_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<quint32>("dateWord");
        QTest::addColumn<quint32>("timeWord");
        QTest::newRow("saturday") << QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7), Qt::UTC)
                                  << 0x0024C309u << 0x00140507u;
        QTest::newRow("wednesday") << QDateTime(QDate(2031, 12, 31), QTime(23, 59, 58), Qt::UTC)
                                   << 0x00317231u << 0x00235958u;
    }

    void clockWords()
    {
        QFETCH(QDateTime, time);
        QFETCH(quint32, dateWord);
        QFETCH(quint32, timeWord);
        QCOMPARE(DateTimeSettings::encodeDate(time.date()), dateWord);
        QCOMPARE(DateTimeSettings::encodeTime(time.time()), timeWord);
        QCOMPARE(DateTimeSettings::decode(dateWord, timeWord), time);
        // The weekday is not part of the date.
        QCOMPARE(DateTimeSettings::decode(dateWord & ~0xE000u, timeWord), time);
    }

    void clockWordsAnnouncedOnce()
    {
        DateTimeSettings s(nullptr);
        QSignalSpy updated(&s, &DateTimeSettings::dateTimeUpdated);
        s.updateDateTime(0x0024C309u, 0x00140507u);
        s.updateDateTime(0x0024C309u, 0x00140507u);
        QCOMPARE(updated.count(), 1);
        s.updateDateTime(0x00241399u, 0x00140507u); // month 13, day 99
        QCOMPARE(updated.count(), 2);
        QVERIFY(!s.dateTime().isValid());
    }

    // File readers per version: numbers against booleans, only bit 0 of numbers.
    void fileReaders_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("check");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("object v2 flag 2") << "Object" << 2 << R"({"TakeIfSensorLostEn":2})"
                                          << "takeWithLost" << qint64(0);
        QTest::newRow("object v2 flag 3") << "Object" << 2 << R"({"TakeIfSensorLostEn":3})"
                                          << "takeWithLost" << qint64(1);
        QTest::newRow("object v1 number") << "Object" << 1 << R"({"takeWithLostSensors":1})"
                                          << "takeWithLost" << qint64(0);
        QTest::newRow("object v1 true") << "Object" << 1 << R"({"takeWithLostSensors":true})"
                                        << "takeWithLost" << qint64(1);
        QTest::newRow("object num fraction") << "Object" << 2 << R"({"num":123456.9})"
                                             << "number" << qint64(123456);
        QTest::newRow("device v1 number") << "Device" << 1 << R"({"LowPowerMode":1})"
                                          << "lowPower" << qint64(0);
        QTest::newRow("device v2 case 2")
            << "Device" << 2 << R"({"AllowConfigurationWithCloseCase":2})"
            << "closedCase" << qint64(1);
        QTest::newRow("device v2 take 2") << "Device" << 2 << R"({"EnDuplicateTakeEvt":2})"
                                          << "takeEvents" << qint64(0);
        QTest::newRow("leds v1 true") << "Leds" << 1 << R"({"LedsEnable":true})"
                                      << "leds" << qint64(1);
        QTest::newRow("leds v1 number") << "Leds" << 1 << R"({"LedsEnable":1})"
                                        << "leds" << qint64(0);
        QTest::newRow("leds v2 3") << "Leds" << 2 << R"({"LedsEnable":3})"
                                   << "leds" << qint64(1);
        QTest::newRow("leds v2 2") << "Leds" << 2 << R"({"LedsEnable":2})"
                                   << "leds" << qint64(0);
        QTest::newRow("beeper v2 2") << "Beeper" << 2 << R"({"EnableIntBeeper":2})"
                                     << "beeper" << qint64(0);
        QTest::newRow("beeper v1 number") << "Beeper" << 1 << R"({"EnableIntBeeper":1})"
                                          << "beeper" << qint64(0);
        QTest::newRow("beeper v1 true") << "Beeper" << 1 << R"({"EnableIntBeeper":true})"
                                        << "beeper" << qint64(1);
        QTest::newRow("card reader 1.9")
            << "iButtonConfig" << 2 << R"({"IndicationPartitions":1.9})"
            << "mask" << qint64(1);
        QTest::newRow("card reader all")
            << "iButtonConfig" << 2 << R"({"IndicationPartitions":4294967295})"
            << "mask" << qint64(4294967295LL);
        QTest::newRow("card reader inversion 2")
            << "iButtonConfig" << 1 << R"({"iButtLedInversion":2})"
            << "invert" << qint64(0);
        QTest::newRow("card reader inversion 3")
            << "iButtonConfig" << 1 << R"({"iButtLedInversion":3})"
            << "invert" << qint64(1);
        QTest::newRow("debug 3") << "Debug" << 2 << R"({"testServer":3})"
                                 << "test" << qint64(1);
        QTest::newRow("debug 2") << "Debug" << 2 << R"({"testServer":2})"
                                 << "test" << qint64(0);
    }

    void fileReaders()
    {
        QFETCH(QString, key);
        QFETCH(int, version);
        QFETCH(QString, section);
        QFETCH(QString, check);
        QFETCH(qint64, expected);
        const QJsonObject value = json(section.toUtf8().constData());
        qint64 actual = -1;
        if (key == "Object") {
            ObjectSettings s(nullptr);
            s.setTakeWithLostSensors(true);
            QVERIFY(s.fromJson(value, version));
            actual = check == "number" ? qint64(s.number()) : s.takeWithLostSensors();
        } else if (key == "Device") {
            DeviceSettings s(nullptr);
            s.setLowPowerMode(true);
            s.setDuplicateTakeEvt(true);
            QVERIFY(s.fromJson(value, version));
            actual = check == "lowPower"     ? s.lowPowerMode()
                     : check == "closedCase" ? s.allowConfigWithClosedCase()
                                             : s.duplicateTakeEvt();
        } else if (key == "Leds") {
            LedsSettings s(nullptr);
            s.setLedsEnabled(true);
            QVERIFY(s.fromJson(value, version));
            actual = s.ledsEnabled();
        } else if (key == "Beeper") {
            BeeperSettings s(nullptr);
            s.setEnableIntBeeper(true);
            QVERIFY(s.fromJson(value, version));
            actual = s.enableIntBeeper();
        } else if (key == "iButtonConfig") {
            IButtonConfig s(nullptr);
            s.setLedInversion(true);
            QVERIFY(s.fromJson(value, version));
            actual = check == "mask" ? qint64(qFromLittleEndian<quint32>(s.data().body))
                                     : s.ledInversion();
        } else {
            DebugSettings s(nullptr);
            QVERIFY(s.fromJson(value, version));
            actual = s.testServer();
        }
        QCOMPARE(actual, expected);
    }

    void dateTimeSections_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("offset");
        QTest::newRow("network time false")
            << R"({"UseNetworkTime":false,"timeSource":1})" << 2 << 0 << 0;
        QTest::newRow("source 7") << R"({"timeSource":7,"tzOffset":3600})" << 2 << 2 << 3600;
        QTest::newRow("source 258") << R"({"timeSource":258})" << 2 << 2 << 0;
        QTest::newRow("source 3") << R"({"timeSource":3,"tzOffset":-18000})" << 2 << 3 << -18000;
        QTest::newRow("version 1") << R"({"TimeSource":1,"timezone":10800})" << 1 << 1 << 10800;
    }

    void dateTimeSections()
    {
        QFETCH(QString, section);
        QFETCH(int, version);
        QFETCH(int, source);
        QFETCH(int, offset);
        DeviceSettings device(nullptr);
        device.setUseManualTime(true);
        device.setTzOffset(7200);
        DateTimeSettings dateTime(nullptr);
        QVERIFY(!dateTime.fromJson(json(section.toUtf8().constData()), version));
        dateTime.setDeviceData(device.data());
        QVERIFY(dateTime.fromJson(json(section.toUtf8().constData()), version));
        QCOMPARE(int(device.timeSource()), source);
        QCOMPARE(device.tzOffset(), offset);
    }

    void dateTimeNtpServerFollowsTheVersion()
    {
        DeviceSettings device(nullptr);
        DateTimeSettings dateTime(nullptr);
        dateTime.setDeviceData(device.data());
        QSignalSpy servers(&dateTime, &DateTimeSettings::updateNtpServer);
        dateTime.fromJson(json(R"({"TimeSource":2,"NTP":"a.b"})"), 1);
        QCOMPARE(servers.count(), 0);
        dateTime.fromJson(json(R"({"UseNetworkTz":2,"UseNetworkDaylight":1})"), 2);
        QCOMPARE(servers.count(), 1);
        QCOMPARE(servers.at(0).at(0).toString(), QString());
        QVERIFY(!device.useNetworkTz());
        QVERIFY(device.useNetworkDaylight());
    }

    // Fault mended: file values too large for their field wrapped (70000 became 4464).
    void oversizedFileValuesAreClamped_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("named");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("take delay") << "Object"
                                    << R"({"TimeForExitSec":70000})"
                                    << "TimeForExitSec" << qint64(65535);
        QTest::newRow("negative delay") << "Object"
                                        << R"({"TimeForEnterSec":-5})"
                                        << "TimeForEnterSec" << qint64(0);
        QTest::newRow("num huge") << "Object"
                                  << R"({"num":1e300})"
                                  << "num" << qint64(4294967295LL);
        QTest::newRow("volume") << "Beeper"
                                << R"({"BeepAlarmVolume":70000})"
                                << "BeepAlarmVolume" << qint64(65535);
        QTest::newRow("beep time") << "Beeper"
                                   << R"({"AlarmEventTimeSec":70000})"
                                   << "AlarmEventTimeSec" << qint64(65535);
        QTest::newRow("partitions huge") << "iButtonConfig"
                                         << R"({"IndicationPartitions":1e30})"
                                         << "IndicationPartitions" << qint64(4294967295LL);
        QTest::newRow("partitions negative") << "iButtonConfig"
                                             << R"({"IndicationPartitions":-1e30})"
                                             << "IndicationPartitions" << qint64(0);
    }

    void oversizedFileValuesAreClamped()
    {
        QFETCH(QString, key);
        QFETCH(QString, section);
        QFETCH(QString, named);
        QFETCH(qint64, stored);
        LogCapture log;
        const QJsonObject value = json(section.toUtf8().constData());
        qint64 actual = -1;
        if (key == "Object") {
            ObjectSettings s(nullptr);
            s.fromJson(value, 2);
            actual = named == "num"              ? qint64(s.number())
                     : named == "TimeForExitSec" ? s.takeDelay()
                                                 : s.alarmDelay();
        } else if (key == "Beeper") {
            BeeperSettings s(nullptr);
            s.fromJson(value, 2);
            actual = named == "BeepAlarmVolume" ? s.beepAlarmVolume() : s.alarmEventTimeSec();
        } else {
            IButtonConfig s(nullptr);
            s.fromJson(value, 2);
            actual = qFromLittleEndian<quint32>(s.data().body);
        }
        QCOMPARE(actual, stored);
        QTRY_VERIFY(log.contains(named));
    }

    // Fault mended: written with 32 bits, read back with 16.
    void beeperEventsKeepAll32Bits()
    {
        BeeperSettings first(nullptr);
        first.setEnabledEvents(0x80021806u);
        BeeperSettings second(nullptr);
        second.fromJson(first.toJson(), 2);
        QCOMPARE(second.enabledEvents(), 0x80021806u);
        second.fromJson(json(R"({"EnabledEvents":131074})"), 2);
        QCOMPARE(second.enabledEvents(), 131074u);
    }

    // Fault mended: names from a file beyond the field were dropped or split.
    void longTextsFromFilesAreCutAtACharacter()
    {
        LogCapture log;
        ObjectSettings object(nullptr);
        const QString name = QString(40, QChar(0x0416)); // 80 UTF-8 bytes
        object.fromJson(QJsonObject{{"name", name}}, 2);
        QCOMPARE(object.name(), QString(31, QChar(0x0416)));
        QTRY_VERIFY(log.contains("Object name"));

        OutputGroupsSettings groups(nullptr);
        groups.setName(4, QString(30, 'x') + QString(20, QChar(0x0416)));
        const QString stored = groups.name(4);
        QVERIFY(stored.toUtf8().size() <= 63);
        QVERIFY(!stored.contains(QChar::ReplacementCharacter));
        QCOMPARE(stored, QString(30, 'x') + QString(16, QChar(0x0416)));
    }

    void outputGroupRecords()
    {
        OutputGroupsSettings groups(nullptr);
        const QString name = QStringLiteral("Ворот");
        groups.setName(3, name);
        const QByteArray record = bytesOf(groups.record(3));
        QCOMPARE(record.left(10), name.toUtf8());
        QCOMPARE(record.mid(10, 54), QByteArray(54, '\0'));
        QCOMPARE(qFromLittleEndian<quint32>(record.constData() + 64),
                 crc32Stm(record.constData(), 64));
        QVERIFY(sealedAsWritten(record));
        groups.setName(16, "ignored");
        groups.setName(-1, "ignored");

        OutputGroupsSettings fromFile(nullptr);
        QJsonArray section;
        section.append(QJsonObject{{"id", 2}, {"name", "first"}});
        section.append(QJsonObject{{"id", 2}, {"name", "second"}});
        section.append(QJsonObject{{"id", 20}, {"name", "stray"}});
        QVERIFY(fromFile.fromJson(section, 2));
        QCOMPARE(fromFile.name(2), QString("second"));
        for (int g = 0; g < 16; ++g)
            if (g != 2)
                QCOMPARE(fromFile.name(g), QString());
    }

    // Every section but "Debug" round-trips through a format-2 file.
    void sectionsRoundTrip_data()
    {
        QTest::addColumn<QString>("key");
        for (const char *key :
             {"Object", "Device", "DateTime", "Leds", "Beeper", "iButtonConfig", "OutputGroups"})
            QTest::newRow(key) << key;
    }

    void sectionsRoundTrip()
    {
        QFETCH(QString, key);
        const QByteArray source = patterned();
        auto make = [&key](std::unique_ptr<DeviceSettings> &device) -> std::unique_ptr<Storable> {
            device = std::make_unique<DeviceSettings>(nullptr);
            if (key == "Object")
                return std::make_unique<ObjectSettings>(nullptr);
            if (key == "Device")
                return nullptr;
            if (key == "DateTime") {
                auto dateTime = std::make_unique<DateTimeSettings>(nullptr);
                dateTime->setDeviceData(device->data());
                return dateTime;
            }
            if (key == "Leds")
                return std::make_unique<LedsSettings>(nullptr);
            if (key == "Beeper")
                return std::make_unique<BeeperSettings>(nullptr);
            if (key == "iButtonConfig")
                return std::make_unique<IButtonConfig>(nullptr);
            return std::make_unique<OutputGroupsSettings>(nullptr);
        };
        std::unique_ptr<DeviceSettings> firstDevice, secondDevice;
        std::unique_ptr<Storable> first = make(firstDevice);
        std::unique_ptr<Storable> second = make(secondDevice);
        Storable *a = first ? first.get() : firstDevice.get();
        Storable *b = second ? second.get() : secondDevice.get();
        // Fill the first from a device block with values in every carried field.
        QByteArray block = source;
        block[250] = 1;
        block[251] = 1;
        block.replace(0, 12, "time.example");
        block[12] = 0;
        block[76] = 1;
        qToLittleEndian<qint32>(-16200, block.data() + 32); // UTC−04:30
        if (auto *o = dynamic_cast<ObjectSettings *>(a)) {
            o->objectDataReceived(recordOf<s_ExtMemDataObject>(block));
            o->setName(QStringLiteral("Склад №3"));
        } else if (key == "Device" || key == "DateTime") {
            firstDevice->settings(recordOf<s_ExtMemDataDevice>(block));
        } else if (auto *l = dynamic_cast<LedsSettings *>(a)) {
            l->settings(recordOf<s_ExtMemDataLeds>(block));
        } else if (auto *be = dynamic_cast<BeeperSettings *>(a)) {
            be->settings(recordOf<s_ExtMemDataBeeper>(block));
        } else if (auto *i = dynamic_cast<IButtonConfig *>(a)) {
            i->settings(recordOf<s_ExtMemDataIButtonConfig>(block));
        } else if (auto *g = dynamic_cast<OutputGroupsSettings *>(a)) {
            for (int n = 0; n < 16; ++n)
                g->setName(n, QStringLiteral("Группа %1").arg(n));
        }
        const QJsonValue saved = a->toJson();
        const QJsonDocument document =
            saved.isArray() ? QJsonDocument(saved.toArray()) : QJsonDocument(saved.toObject());
        const QJsonDocument back = QJsonDocument::fromJson(document.toJson());
        const QJsonValue reread =
            back.isArray() ? QJsonValue(back.array()) : QJsonValue(back.object());
        if (key == "DateTime")
            connect(static_cast<DateTimeSettings *>(b), &DateTimeSettings::updateNtpServer,
                    secondDevice.get(), &DeviceSettings::setNtpServer);
        QVERIFY(b->fromJson(reread, 2));
        QCOMPARE(b->toJson(), saved);
    }

    void wrongShapedSectionsChangeNothing_data()
    {
        QTest::addColumn<QString>("key");
        for (const char *key : {"Object", "Device", "DateTime", "Leds", "Beeper", "iButtonConfig",
                                "Debug", "OutputGroups"})
            QTest::newRow(key) << key;
    }

    void wrongShapedSectionsChangeNothing()
    {
        QFETCH(QString, key);
        DeviceSettings device(nullptr);
        DateTimeSettings dateTime(nullptr);
        dateTime.setDeviceData(device.data());
        ObjectSettings object(nullptr);
        LedsSettings leds(nullptr);
        BeeperSettings beeper(nullptr);
        IButtonConfig reader(nullptr);
        DebugSettings debug(nullptr);
        OutputGroupsSettings groups(nullptr);
        const QList<Storable *> all = {&object, &device, &dateTime, &leds,
                                       &beeper, &reader, &debug,    &groups};
        Storable *target = nullptr;
        for (Storable *s : all)
            if (s->jsonKey() == key)
                target = s;
        QVERIFY(target);
        const QJsonValue before = target->toJson();
        LogCapture log;
        const QJsonValue wrong = key == "OutputGroups" ? QJsonValue(QJsonObject{{"id", 1}})
                                                       : QJsonValue(QJsonArray{1, 2});
        QVERIFY(!target->fromJson(wrong, 2));
        QCOMPARE(target->toJson(), before);
        QTRY_VERIFY(log.contains(key));
    }
};

QTEST_MAIN(TestDeviceSettings)
#include "test_device_settings.moc"
