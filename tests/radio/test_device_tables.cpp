#include "radio/DeviceTypes.h"
#include "radio/LoopRecords.h"
#include "radio/OutputRecords.h"
#include "radio/PartitionRecords.h"
#include "radio/SensorEventText.h"
#include "radio/SensorRecords.h"

#include <QTest>

using IntList = QList<int>;

class TestDeviceTables : public QObject
{
    Q_OBJECT
private slots:
    void selectableZones_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<IntList>("zones");
        QTest::addColumn<bool>("bell");
        QTest::newRow("0 none") << 0 << IntList{} << false;
        QTest::newRow("2 fire") << 2 << IntList{ZoneFire} << false;
        QTest::newRow("4 security") << 4 << IntList{ZoneSecurity, ZoneAlarm, ZoneEnter} << true;
        QTest::newRow("7 only not-sensor, never offered") << 7 << IntList{} << false;
        QTest::newRow("9 loop: all five")
            << 9 << IntList{ZoneSecurity, ZoneAlarm, ZoneEnter, ZoneFire, ZoneWater} << true;
        QTest::newRow("12 fallback type")
            << 12 << IntList{ZoneSecurity, ZoneAlarm, ZoneEnter, ZoneFire} << true;
        QTest::newRow("17 security, alarm") << 17 << IntList{ZoneSecurity, ZoneAlarm} << true;
        QTest::newRow("21 alarm, fire") << 21 << IntList{ZoneAlarm, ZoneFire} << false;
        QTest::newRow("29 water") << 29 << IntList{ZoneWater} << false;
        QTest::newRow("66 valve controller") << 66 << IntList{ZoneWater} << false;
        QTest::newRow("73 last") << 73 << IntList{} << false;
        QTest::newRow("74 beyond the table") << 74 << IntList{} << false;
        QTest::newRow("negative") << -1 << IntList{} << false;
    }
    void selectableZones()
    {
        QFETCH(int, type);
        QFETCH(IntList, zones);
        QFETCH(bool, bell);
        QCOMPARE(selectableZoneTypes(type), zones);
        QCOMPARE(isBellSelectable(type), bell);
    }

    void notSetIsNeverAllowedAndNotSensorOnlyAlone()
    {
        for (int type = 0; type < DeviceType::Count; ++type) {
            QVERIFY2(!zoneTypePermissions[type][ZoneNotSet], qPrintable(QString::number(type)));
            // Devices that are not sensors (relays, sirens, repeaters) take no zone, except
            // the fallback type 12 which must accept whatever a device reports.
            if (zoneTypePermissions[type][ZoneNotSensor] && type != 12)
                QVERIFY2(selectableZoneTypes(type).isEmpty(), qPrintable(QString::number(type)));
        }
    }

    void typeSets_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("energySaving");
        QTest::addColumn<bool>("reserve");
        QTest::addColumn<bool>("leakAlarm");
        QTest::addColumn<bool>("repeater");
        QTest::newRow("2") << 2 << false << true << false << false;
        QTest::newRow("6") << 6 << true << false << false << false;
        QTest::newRow("27 both") << 27 << true << true << false << false;
        QTest::newRow("29") << 29 << false << true << true << false;
        QTest::newRow("30") << 30 << false << false << false << true;
        QTest::newRow("49") << 49 << false << true << false << true;
        QTest::newRow("53") << 53 << false << false << true << false;
        QTest::newRow("66") << 66 << false << false << false << true;
        QTest::newRow("12") << 12 << false << false << false << false;
    }
    void typeSets()
    {
        QFETCH(int, type);
        QFETCH(bool, energySaving);
        QFETCH(bool, reserve);
        QFETCH(bool, leakAlarm);
        QFETCH(bool, repeater);
        QCOMPARE(isEnergySavingType(type), energySaving);
        QCOMPARE(hasReservePowerSource(type), reserve);
        QCOMPARE(isLeakAlarmType(type), leakAlarm);
        QCOMPARE(isRepeaterType(type), repeater);
    }

    void repeaterSearchOrder()
    {
        const std::array<int, 6> expected = {30, 51, 50, 49, 57, 66};
        QCOMPARE(repeaterTypes, expected);
    }

    void stateTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("Unknown");
        QTest::newRow("1") << 1 << QString::fromUtf8("Не присвоен раздел");
        QTest::newRow("23") << 23 << QString::fromUtf8("Повреждение шлейфа счётчика");
        QTest::newRow("35 with quotes")
            << 35 << QString::fromUtf8("Сработка датчика, режим \"Колокольчик\"");
        QTest::newRow("43") << 43 << QString::fromUtf8("Переключение контроля ДЗ");
        QTest::newRow("44") << 44 << QStringLiteral("Unknown");
        QTest::newRow("65535") << 65535 << QStringLiteral("Unknown");
    }
    void stateTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(sensorEventText(quint16(code)), text);
    }
};

QTEST_MAIN(TestDeviceTables)
#include "test_device_tables.moc"
