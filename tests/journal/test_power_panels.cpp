#include "JournalFixtures.h"

#include "app/EventNames.h"
#include "app/Overmind.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerStatusIsp2.h"
#include "journal/PowerStatusWidgetIsp0.h"
#include "journal/PowerStatusWidgetIsp1.h"
#include "journal/PowerStatusWidgetIsp2.h"

#include <QDir>
#include <QLabel>

#include <limits>

using namespace journaltest;

namespace {
template <typename Record>
Record build(std::initializer_list<std::pair<int, float>> floats,
             std::initializer_list<std::pair<int, quint16>> codes)
{
    Record record{};
    for (const auto &[at, value] : floats)
        std::memcpy(record.bytes + at, &value, sizeof value);
    for (const auto &[at, value] : codes)
        qToLittleEndian(value, record.bytes + at);
    return record;
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral("screenshots"));
    widget->show();
    QVERIFY(widget->grab().save(QStringLiteral("screenshots/%1.png").arg(name)));
}

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
} // namespace

class TestPowerPanels : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;

private slots:
    void init()
    {
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createSettingsObjects(true);
    }
    void cleanup() { overmind.reset(); }

    void execution0_data()
    {
        QTest::addColumn<float>("charge");
        QTest::addColumn<float>("temperature");
        QTest::addColumn<QString>("chargeText");
        QTest::addColumn<QString>("temperatureText");
        QTest::newRow("99.9") << 99.9f << 23.5f << "99%"
                              << "23.5 C";
        QTest::newRow("hot but valid") << 50.0f << 100.99f << "50%"
                                       << "100.99 C";
        QTest::newRow("101 is invalid") << 50.0f << 101.0f << "50%"
                                        << "Invalid";
        QTest::newRow("negative charge") << -12.0f << NaN << "0%"
                                         << "Invalid";
        QTest::newRow("charge not a number") << NaN << 0.0f << "0%"
                                             << "0 C";
    }
    void execution0()
    {
        QFETCH(float, charge);
        QFETCH(float, temperature);
        PowerStatusIsp0 model;
        PowerStatusWidgetIsp0 panel;
        panel.setPowerStatus(&model);
        model.statusReceived(build<s_SupplyAndChargerIsp0>({{0, charge},
                                                            {4, 0.0421f},
                                                            {8, 0.35f},
                                                            {12, 4.12f},
                                                            {16, 12.5f},
                                                            {20, 229.7f},
                                                            {24, temperature}},
                                                           {{32, 19}, {36, 4}, {38, 8}, {40, 3}}));
        QTEST(panel.label("lblBatteryChargeLevel")->text(), "chargeText");
        QTEST(panel.label("lblTemperature")->text(), "temperatureText");
        QCOMPARE(panel.label("lblBatteryInternalResistance")->text(), QStringLiteral("42 mOhm"));
        QCOMPARE(panel.label("lblBatteryCurrent")->text(), QStringLiteral("350 mA"));
        QCOMPARE(panel.label("lblBatteryVoltage")->text(), QStringLiteral("4.12 V"));
        QCOMPARE(panel.label("lblGridVoltage")->text(), QStringLiteral("229.70 V"));
        QCOMPARE(panel.label("lblGridStatus")->text(), powerEventName(4));
        QCOMPARE(panel.label("lblBatteryStatus")->text(), powerEventName(19));
        QCOMPARE(panel.label("lblMainPowerSource")->text(),
                 QStringLiteral("Устройство использует для питания внешний сетевой источник "
                                "(12.50 V)"));
        if (QTest::currentDataTag() == QLatin1String("99.9"))
            saveScreenshot(&panel, QStringLiteral("power_panel_isp0"));
    }

    void deviceStatus_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("caseText");
        QTest::addColumn<QString>("ethernet");
        QTest::addColumn<QString>("cloud");
        QTest::newRow("0x31") << 0x31 << "Opened"
                              << "Connected"
                              << "Unconnected in the device settings";
        QTest::newRow("0x00") << 0x00 << "Closed"
                              << "Unconnected"
                              << "Unconnected";
    }
    void deviceStatus()
    {
        QFETCH(int, flags);
        PowerStatusWidgetIsp0 panel;
        s_DeviceStatus status{};
        status.modeFlags = quint8(flags);
        qToLittleEndian(SimJournal::timeWord(QTime(12, 34, 56)), status.head + 4);
        qToLittleEndian(SimJournal::dateWord(QDate(2024, 3, 15)), status.head + 8);
        panel.onDeviceStatus(status);
        QTEST(panel.label("lblCaseValue")->text(), "caseText");
        QTEST(panel.label("lblEthernetConnectionStatus")->text(), "ethernet");
        QTEST(panel.label("lblCloudServerStatus")->text(), "cloud");
        QCOMPARE(panel.label("lblTimeSync")->text(), QStringLiteral("15.03.2024   12:34:56"));
    }

    void executions1And2()
    {
        PowerStatusIsp1 one;
        PowerStatusWidgetIsp1 panelOne;
        panelOne.setPowerStatus(&one);
        one.statusReceived(build<s_SupplyAndChargerIsp1>(
            {{0, 87.0f}, {4, 2.26f}, {44, 13.1f}, {48, 13.1f}, {52, 12.7f}, {56, 31.0f}},
            {{76, 18}, {82, 13}, {84, 8}, {86, 3}}));
        QCOMPARE(panelOne.label("lblBatteryUnbalance")->text(), QStringLiteral("2.3%"));
        QCOMPARE(panelOne.label("lblTimeSync")->text(), QStringLiteral("---"));
        QCOMPARE(panelOne.label("lblExternalBatteryVoltage")->text(), QStringLiteral("12.70 V"));
        saveScreenshot(&panelOne, QStringLiteral("power_panel_isp1"));

        PowerStatusIsp2 two;
        PowerStatusWidgetIsp2 panelTwo;
        panelTwo.setPowerStatus(&two);
        two.statusReceived(build<s_SupplyAndChargerIsp2>({{0, 64.0f},
                                                          {4, 2.9f},
                                                          {12, 4.11f},
                                                          {16, 0.051f},
                                                          {20, 66.0f},
                                                          {24, 4.02f},
                                                          {28, 0.049f},
                                                          {32, 62.0f},
                                                          {44, 12.2f},
                                                          {56, 27.5f}},
                                                         {{76, 19}, {82, 8}, {84, 1}}));
        QCOMPARE(panelTwo.label("lblBatteryUnbalance")->text(), QStringLiteral("2%"));
        QCOMPARE(panelTwo.label("lblHighBatteryInternalResistance")->text(),
                 QStringLiteral("51 mOhm"));
        QCOMPARE(panelTwo.label("lblLowBatteryChargeLvl")->text(), QStringLiteral("62 %"));
        saveScreenshot(&panelTwo, QStringLiteral("power_panel_isp2"));
    }

    void viewingModeBlanks()
    {
        PowerStatusIsp0 model;
        PowerStatusWidgetIsp0 panel;
        PowerStatusWidgetIsp1 panelOne;
        panel.setPowerStatus(&model);
        model.statusReceived(build<s_SupplyAndChargerIsp0>({{0, 50.0f}}, {{32, 19}}));
        QCOMPARE(panel.label("lblBatteryChargeLevel")->text(), QStringLiteral("50%"));
        overmind->setViewingMode(true);
        emit overmind->connected();
        QCOMPARE(panel.label("lblBatteryChargeLevel")->text(), QString());
        QCOMPARE(panel.label("lblTimeSync")->text(), QStringLiteral("Unknown"));
        QCOMPARE(panelOne.label("lblTimeSync")->text(), QStringLiteral("---"));
        QCOMPARE(panelOne.label("lblBatteryVoltage")->text(), QString());
    }
};

JOURNAL_TEST_MAIN(TestPowerPanels)
#include "test_power_panels.moc"
