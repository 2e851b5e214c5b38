#include "RadioLink.h"
#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/radio/ASRCountersValues.h"
#include "pages/radio/KPCountersValues.h"
#include "pages/radio/SelectRetranslator.h"
#include "pages/radio/SensorDipSettingsWidget.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "pages/radio/SetKPValvesServiceTime.h"
#include "pages/radio/SubscriptionDZtoKPWidget.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

quint32 serviceWord(int day, int minute)
{
    return quint32(day) << 16 | quint32(minute);
}

s_FullSensorData report(int type, QByteArray name, int major = 1, int minor = 30)
{
    SensorReportFields fields;
    fields.type = type;
    fields.name = name;
    s_FullSensorData data = makeSensorReport(fields);
    data.status.firmwareMajor = quint8(major);
    data.status.firmwareMinor = quint8(minor);
    data.crc32 = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    return data;
}

quint8 settingsByte(const Sensor &device, int offset)
{
    return reinterpret_cast<const quint8 *>(device.settingsData())[offset];
}

quint32 settingsWord(const Sensor &device, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, reinterpret_cast<const char *>(device.settingsData()) + offset, 4);
    return value;
}

// The controller with a model of a few enrolled devices on the simulated device.
struct Enrolled
{
    ControllerFixture controller;

    bool start()
    {
        if (!controller.connect())
            return false;
        controller.overmind().deviceInfo().init(0, 0, 0, 0);
        controller.overmind().createSettingsObjects(true);
        return model() != nullptr;
    }
    PartitionModel *model() { return controller.overmind().partitionModel(); }
    Sensor::SPtr add(quint16 id, int type, const QByteArray &name)
    {
        model()->setFullSensorData(id, report(type, name));
        return model()->sensor(id);
    }
};
} // namespace

class TestDeviceDialogs : public QObject
{
    Q_OBJECT
    std::unique_ptr<Logger> logger;

private slots:
    void initTestCase()
    {
        initDeviceTypeNames();
        if (!Logger::instance())
            logger = std::make_unique<Logger>();
    }

    void cleanup() { SetKPValvesServiceTime::setClock(nullptr); }

    void nextServiceDate_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QDate>("expected");
        const QTime noon(12, 0);
        QTest::newRow("later this month")
            << QDateTime(QDate(2026, 3, 10), noon) << 20 << 0 << QDate(2026, 3, 20);
        QTest::newRow("today before the minute")
            << QDateTime(QDate(2026, 3, 10), QTime(7, 59)) << 10 << 480 << QDate(2026, 3, 10);
        QTest::newRow("today at the minute")
            << QDateTime(QDate(2026, 3, 10), QTime(8, 0)) << 10 << 480 << QDate(2026, 3, 10);
        QTest::newRow("today after the minute")
            << QDateTime(QDate(2026, 3, 10), QTime(8, 1)) << 10 << 480 << QDate(2026, 4, 10);
        QTest::newRow("December to January")
            << QDateTime(QDate(2026, 12, 20), noon) << 5 << 0 << QDate(2027, 1, 5);
        QTest::newRow("31st this April")
            << QDateTime(QDate(2026, 4, 10), noon) << 31 << 0 << QDate();
        QTest::newRow("31st before April")
            << QDateTime(QDate(2026, 3, 31), QTime(23, 0)) << 30 << 0 << QDate(2026, 4, 30);
        QTest::newRow("30th after January")
            << QDateTime(QDate(2026, 1, 31), noon) << 30 << 0 << QDate();
        QTest::newRow("29th leap February")
            << QDateTime(QDate(2028, 1, 30), noon) << 29 << 0 << QDate(2028, 2, 29);
        QTest::newRow("day 0") << QDateTime(QDate(2026, 3, 10), noon) << 0 << 0 << QDate();
        QTest::newRow("day 45") << QDateTime(QDate(2026, 3, 10), noon) << 45 << 0 << QDate();
    }

    void nextServiceDate()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, day);
        QFETCH(int, minute);
        QFETCH(QDate, expected);
        QCOMPARE(::nextServiceDate(serviceWord(day, minute), now), expected);
        SetKPValvesServiceTime::setClock([now] { return now; });
        QCOMPARE(::nextServiceDate(serviceWord(day, minute)), expected);
        QCOMPARE(serviceTimeOfDay(serviceWord(day, 870)), QTime(14, 30));
    }

    void serviceTimeWindowStoresTheChosenMoment()
    {
        Enrolled setup;
        QVERIFY(setup.start());
        SetKPValvesServiceTime::setClock([] { return QDateTime(QDate(2026, 3, 1), QTime(10, 0)); });
        const Sensor::SPtr valve = setup.add(4, 66, "Valves");
        valve->setServiceTime(serviceWord(15, 180));
        auto *window = new SetKPValvesServiceTime(valve, serviceWord(15, 180));
        QCOMPARE(window->findChild<QSpinBox *>("sbDay")->value(), 15);
        QCOMPARE(window->findChild<QSpinBox *>("sbMinutes")->value(), 180);
        QCOMPARE(window->editor()->dateTime(), QDateTime(QDate(2026, 3, 15), QTime(3, 0)));
        window->show();
        saveScreenshot(window, QStringLiteral("valve-service-time.png"));
        window->editor()->setDateTime(QDateTime(QDate(2026, 3, 3), QTime(14, 30)));
        QTest::mouseClick(window->findChild<QPushButton *>("pbApply"), Qt::LeftButton);
        QCOMPARE(settingsWord(*valve, 136), serviceWord(3, 870));
        QTRY_COMPARE(setup.controller.communicator().commandsOf(0x6E).size(), 1);
        const SentMessage sent =
            splitMessage(setup.controller.communicator().commandsOf(0x6E).first());
        QCOMPARE(sent.payload.mid(136, 4), QByteArray::fromHex("66030300"));
    }

    void untouchedServiceTimeKeepsTheStoredDay_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("minute");
        QTest::newRow("31st on the 10th of April") << 31 << 600;
        QTest::newRow("day 45") << 45 << 0;
        QTest::newRow("minute 2000") << 12 << 2000;
        QTest::newRow("day 0") << 0 << 30;
    }

    void untouchedServiceTimeKeepsTheStoredDay()
    {
        QFETCH(int, day);
        QFETCH(int, minute);
        SetKPValvesServiceTime::setClock([] { return QDateTime(QDate(2026, 4, 10), QTime(9, 0)); });
        const s_FullSensorData data = report(66, "Valves");
        const auto valve = std::make_shared<Sensor>(4, &data);
        valve->setServiceTime(serviceWord(day, minute));
        auto *window = new SetKPValvesServiceTime(valve, serviceWord(day, minute));
        QTest::mouseClick(window->findChild<QPushButton *>("pbApply"), Qt::LeftButton);
        QCOMPARE(settingsWord(*valve, 136), serviceWord(day, minute));
    }

    void pulseCounterBoxes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<bool>>("visible");
        QTest::newRow("single input") << 19 << 0 << QList<bool>{true, false, false};
        QTest::newRow("water meter") << 56 << 3 << QList<bool>{true, false, false};
        QTest::newRow("low frequency") << 13 << 1 << QList<bool>{true, true, false};
        QTest::newRow("high frequency") << 13 << 3 << QList<bool>{false, false, true};
    }

    void pulseCounterBoxes()
    {
        QFETCH(int, type);
        QFETCH(int, mode);
        QFETCH(QList<bool>, visible);
        ASRCountersValues dialog(type, 12345, 1001, 250, 0, 10, 1, 10, mode);
        dialog.show();
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(dialog.box(k)->isVisible(), visible.at(k - 1));
        QCOMPARE(dialog.box(1)->value(), 123.45);
        if (type == 13)
            saveScreenshot(&dialog, QStringLiteral("pulse-counters-mode%1.png").arg(mode));
    }

    void pulseCounterReadingsConvertBack_data()
    {
        QTest::addColumn<quint32>("count");
        QTest::addColumn<quint32>("weight");
        QTest::addColumn<double>("typed"); // negative: left untouched
        QTest::addColumn<quint32>("sent");
        QTest::newRow("untouched at weight 10") << 12345u << 10u << -1.0 << 12345u;
        QTest::newRow("untouched at weight 1") << 1001u << 1u << -1.0 << 1001u;
        QTest::newRow("clamped at the maximum") << 4000000000u << 1000u << -1.0 << 4000000000u;
        QTest::newRow("weight 0 keeps its count") << 77u << 0u << -1.0 << 77u;
        QTest::newRow("edited, nearest impulse") << 0u << 10u << 0.126 << 13u;
        QTest::newRow("edited at weight 1") << 0u << 1u << 1.005 << 1005u;
        QTest::newRow("edited to zero") << 5u << 10u << 0.0 << 0u;
    }

    void pulseCounterReadingsConvertBack()
    {
        QFETCH(quint32, count);
        QFETCH(quint32, weight);
        QFETCH(double, typed);
        QFETCH(quint32, sent);
        ASRCountersValues dialog(19, count, 9, 8, 0, weight, 0, weight, 0);
        QCOMPARE(dialog.box(1)->isEnabled(), weight != 0);
        if (typed >= 0)
            dialog.box(1)->setValue(typed);
        QSignalSpy values(&dialog, &ASRCountersValues::updateValues);
        dialog.accept();
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.first().at(0).toUInt(), sent);
        // The hidden boxes send what they stood for.
        QCOMPARE(values.first().at(1).toUInt(), 9u);
        QCOMPARE(values.first().at(2).toUInt(), 8u);
    }

    void valveCounterReadingsConvertBack_data()
    {
        QTest::addColumn<quint32>("litres");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("typed");
        QTest::addColumn<quint32>("sent");
        QTest::newRow("untouched 1005 litres") << 1005u << 1.0 << -1.0 << 1005u;
        QTest::newRow("untouched at weight 10") << 1005u << 10.0 << -1.0 << 101u;
        QTest::newRow("weight 0 keeps its count") << 1005u << 0.0 << -1.0 << 1005u;
        QTest::newRow("edited") << 0u << 10.0 << 2.0 << 200u;
    }

    void valveCounterReadingsConvertBack()
    {
        QFETCH(quint32, litres);
        QFETCH(double, weight);
        QFETCH(double, typed);
        QFETCH(quint32, sent);
        KPCountersValues dialog(litres, 2000, 0, 0, weight, "0000000000042", "");
        QCOMPARE(dialog.box(1)->value(), litres / 1000.0);
        QCOMPARE(dialog.box(1)->isEnabled(), weight > 0);
        if (typed >= 0)
            dialog.box(1)->setValue(typed);
        QSignalSpy values(&dialog, &KPCountersValues::updateValues);
        dialog.accept();
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.first().at(0).toUInt(), sent);
        QCOMPARE(values.first().at(2).toString(), QString("0000000000042"));
    }

    void serialFieldsTakeDigitsOnly()
    {
        KPCountersValues dialog(1000, 2000, 0, 0, 1.0, "0000000000042", "0000000000000");
        QLineEdit *serial = dialog.serial(1);
        serial->clear();
        QTest::keyClicks(serial, "12a34567890123456");
        QCOMPARE(serial->text(), QString("1234567890123"));
        dialog.show();
        saveScreenshot(&dialog, QStringLiteral("valve-counters.png"));
    }

    void caseOpenPanel_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("checked");
        QTest::newRow("1.28 hides the option") << 28 << 1 << false << false;
        QTest::newRow("1.29 set") << 29 << 1 << true << true;
        QTest::newRow("1.30 clear") << 30 << 0xFE << true << false;
    }

    void caseOpenPanel()
    {
        QFETCH(int, minor);
        QFETCH(int, stored);
        QFETCH(bool, shown);
        QFETCH(bool, checked);
        const s_FullSensorData data = report(5, "Smoke", 1, minor);
        const auto smoke = std::make_shared<Sensor>(2, &data);
        u_RFDevPrivateSettings settings;
        std::memset(&settings, 0x5A, sizeof(settings));
        reinterpret_cast<quint8 *>(&settings)[0] = quint8(stored);
        smoke->setPrivateSettings(settings);
        SensorDipSettingsWidget panel;
        panel.setSensor(smoke);
        panel.updateWidget();
        panel.show();
        QCOMPARE(panel.caseOpenCheck()->isVisible(), shown);
        QCOMPARE(panel.caseOpenCheck()->isChecked(), checked);
        if (minor == 29)
            saveScreenshot(&panel, QStringLiteral("case-open-panel.png"));
        panel.saveSettings();
        // Mend: only the shown bit changes; a hidden check and the other bits and bytes keep
        // their stored values.
        QCOMPARE(int(settingsByte(*smoke, 120)),
                 shown ? (stored & ~1) | (checked ? 1 : 0) : stored);
        for (int offset = 121; offset < 312; ++offset)
            QCOMPARE(int(settingsByte(*smoke, offset)), 0x5A);
    }

    // The settings dialog writes the panel's choice and keeps the rest of the private area.
    void caseOpenPanelSavedInTheSettingsDialog()
    {
        Enrolled setup;
        QVERIFY(setup.start());
        setup.model()->setFullSensorData(2, report(5, "Smoke hall", 1, 29));
        const Sensor::SPtr smoke = setup.model()->sensor(2);
        u_RFDevPrivateSettings junk;
        std::memset(&junk, 0x5A, sizeof(junk));
        reinterpret_cast<quint8 *>(&junk)[0] = 0;
        smoke->setPrivateSettings(junk);
        QPointer<SensorSettingsWidget> dialog = new SensorSettingsWidget();
        dialog->setSensor(smoke);
        dialog->show();
        auto *box = dialog->findChild<QCheckBox *>("cbCaseOpenCheck");
        QVERIFY(box && box->isVisible() && !box->isChecked());
        box->setChecked(true);
        saveScreenshot(dialog, QStringLiteral("settings-dialog-case-open.png"));
        dialog->saveSettings();
        QTRY_COMPARE(setup.controller.communicator().commandsOf(0x6E).size(), 1);
        const QByteArray record =
            splitMessage(setup.controller.communicator().commandsOf(0x6E).first()).payload;
        QCOMPARE(int(quint8(record.at(120))), 1);
        // The bytes the panel does not show go back as stored.
        QCOMPARE(record.mid(121, 191), QByteArray(191, '\x5a'));
        delete dialog;
    }

    void repeaterRowsByType()
    {
        Enrolled setup;
        QVERIFY(setup.start());
        setup.add(0, 4, "Hall");
        setup.add(1, 30, "Repeater");
        setup.add(6, 49, "Outdoor repeater");
        setup.add(7, 66, "Valves");
        setup.add(8, 13, "Meter");
        auto *window = new SelectRetranslator(6);
        QStringList rows;
        for (int i = 0; i < window->list()->count(); ++i)
            rows << window->list()->item(i)->text();
        QCOMPARE(rows, (QStringList{"Reset priority", "0. Korvel GSMR",
                                    setup.model()->sensor(1)->displayName(),
                                    setup.model()->sensor(7)->displayName()}));
        QCOMPARE(window->targets(), (QList<quint16>{255, 254, 1, 7}));
        window->show();
        saveScreenshot(window, QStringLiteral("repeater-selection.png"));
        QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
        QVERIFY(window->isVisible());
        QPointer<SelectRetranslator> alive(window);
        window->list()->setCurrentRow(3);
        QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
        QTRY_COMPARE(setup.controller.communicator().commandsOf(0x53).size(), 1);
        const SentMessage sent =
            splitMessage(setup.controller.communicator().commandsOf(0x53).first());
        QCOMPARE(sent.identifier, quint16(6));
        QCOMPARE(sent.payload.left(2), QByteArray::fromHex("0700"));
        QTRY_VERIFY(!alive);
    }

    void subscriptionBoxesByZoneType()
    {
        Enrolled setup;
        QVERIFY(setup.start());
        setup.add(0, 29, "Kitchen leak");
        setup.add(2, 4, "Hall");
        setup.add(9, 55, "Bath leak");
        const Sensor::SPtr valve = setup.add(10, 66, "Valves");
        s_FullLoopData loop = makeLoopReport(1, 6, "Basement loop");
        setup.model()->setFullLoopData(loop);
        QByteArray mask(16, '\0');
        mask[0] = char(0x01 | 0x08); // the kitchen and a deleted detector 3
        mask[1] = char(0x02);        // bath, id 9
        auto *window = new SubscriptionDZtoKPWidget(valve, mask);
        QStringList names;
        QList<bool> checks;
        for (QCheckBox *box : window->boxes()) {
            names << box->text();
            checks << box->isChecked();
        }
        QCOMPARE(names, (QStringList{setup.model()->sensor(0)->displayName(),
                                     setup.model()->sensor(9)->displayName(),
                                     setup.model()->loop()->displayName()}));
        QCOMPARE(checks, (QList<bool>{true, true, false}));
        window->show();
        saveScreenshot(window, QStringLiteral("valve-subscription.png"));
        window->boxes().at(2)->setChecked(true);
        window->boxes().at(1)->setChecked(false);
        QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
        QTRY_COMPARE(setup.controller.communicator().commandsOf(0x6E).size(), 1);
        const SentMessage sent =
            splitMessage(setup.controller.communicator().commandsOf(0x6E).first());
        QCOMPARE(sent.identifier, quint16(10));
        QByteArray expected(16, '\0');
        expected[0] = 0x01;
        expected[15] = 0x20; // bit 125
        QCOMPARE(sent.payload.mid(120, 16), expected);
        quint32 crc = 0;
        std::memcpy(&crc, sent.payload.constData() + 508, 4);
        QCOMPARE(crc, crc32Stm(sent.payload.constData(), 508));

        // A loop outside a water zone is not offered.
        loop = makeLoopReport(1, 2, "Basement loop");
        setup.model()->setFullLoopData(loop);
        SubscriptionDZtoKPWidget other(valve, mask);
        QCOMPARE(other.boxes().size(), 2);
    }

    // The windows hold their device: after unplugging, nothing reaches a freed device.
    void valveWindowsCloseWhenTheLinkGoes()
    {
        Enrolled setup;
        QVERIFY(setup.start());
        Overmind &overmind = setup.controller.overmind();
        Sensor::SPtr valve = setup.add(10, 66, "Valves");
        overmind.showValveServiceTimeDialog(valve, serviceWord(15, 180));
        overmind.showValveSubscriptionDialog(valve, QByteArray(16, '\0'));
        QWidget *service = nullptr;
        QWidget *subscription = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "SetKPValvesServiceTime" && w->isVisible())
                service = w;
            if (w->objectName() == "SubscriptionDZtoKPWidget" && w->isVisible())
                subscription = w;
        }
        QVERIFY(service && subscription);
        // A second request opens nothing more.
        overmind.showValveServiceTimeDialog(valve, 0);
        int windows = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows += w->objectName() == "SetKPValvesServiceTime" && w->isVisible();
        QCOMPARE(windows, 1);
        QPointer<QWidget> serviceAlive(service);
        QPointer<QWidget> subscriptionAlive(subscription);
        QPointer<Sensor> device(valve.get());
        valve.reset();
        setup.model()->onDisconnect();
        QVERIFY(device); // held by the open windows
        emit overmind.disconnected();
        QTRY_VERIFY(!serviceAlive && !subscriptionAlive);
        // Nothing else holds the device once the link is gone: not the pages that showed it.
        QTRY_VERIFY_WITH_TIMEOUT(!device, 1000);
        QVERIFY(setup.controller.communicator().commandsOf(0x6E).isEmpty());
        // Viewing mode opens nothing.
        overmind.setViewingMode(true);
        const Sensor::SPtr other = setup.add(11, 66, "Other");
        overmind.showValveSubscriptionDialog(other, QByteArray(16, '\0'));
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != "SubscriptionDZtoKPWidget" || !w->isVisible());
        overmind.setViewingMode(false);
    }
};

QTEST_MAIN(TestDeviceDialogs)
#include "test_device_dialogs.moc"
