#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "radio/params/SensorValueRoutines.h"

#include <QSignalSpy>
#include <QTest>
#include <cstddef>
#include <cstring>
#include <memory>

using Node = Sensor::SensorProperty;
using R = SensorValueRoutines;

namespace {
using Bytes = QMap<int, int>;

struct Build
{
    Build(int type = 4, quint16 zone = 2) : type(type), zone(zone) {}

    int type;
    quint16 zone;
    quint32 flags = 0;
    quint16 millivolts = 3300;
    QVector<int> firmware{1, 10}; // major, minor
    QVector<int> hardware{1, 0};
    Bytes statusBytes;
    Bytes settingsBytes; // by settings offset, 72 to 311: the part a report carries
};

s_FullSensorData report(const Build &build)
{
    SensorReportFields fields;
    fields.type = build.type;
    fields.zoneType = build.zone;
    fields.flags = build.flags;
    fields.supplyMillivolts = build.millivolts;
    s_FullSensorData data = makeSensorReport(fields);
    data.status.firmwareMajor = quint8(build.firmware.at(0));
    data.status.firmwareMinor = quint8(build.firmware.at(1));
    data.status.hardwareMajor = quint8(build.hardware.at(0));
    data.status.hardwareMinor = quint8(build.hardware.at(1));
    auto *status = reinterpret_cast<quint8 *>(&data.status);
    for (auto it = build.statusBytes.cbegin(); it != build.statusBytes.cend(); ++it)
        status[it.key()] = quint8(it.value());
    auto *settings = reinterpret_cast<quint8 *>(&data.settings);
    for (auto it = build.settingsBytes.cbegin(); it != build.settingsBytes.cend(); ++it)
        settings[it.key() - 72] = quint8(it.value());
    data.crc32 = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    return data;
}

Sensor::SPtr make(const Build &build)
{
    const s_FullSensorData data = report(build);
    return std::make_shared<Sensor>(3, &data);
}

QStringList childTags(const Node &group)
{
    QStringList tags;
    for (const Node &child : group.children)
        tags << child.tag;
    return tags;
}

Node *find(Sensor &device, const QString &tag)
{
    return Sensor::findProperty(device.propertyTree(), tag);
}

// A node's value as the view shows it: enumerations by caption.
QString shown(const Node &node)
{
    if (node.kind == Node::Enumeration)
        return node.captionsGetter().value(node.getter().toInt());
    return node.getter().toString();
}

QColor colourOf(const Node &node)
{
    return node.colourGetter ? node.colourGetter() : QColor(Qt::transparent);
}
} // namespace

class TestParameterTree : public QObject
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

    void rootGroupsFollowTheType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("rootTags");
        QTest::addColumn<QStringList>("powerTags");
        const QStringList base{"general", "main", "pwrGroup"};
        QTest::newRow("no reserve source")
            << 6 << base + QStringList{"ik_group"} << QStringList{"pwrGroup", "main_voltage"};
        QTest::newRow("with reserve source")
            << 2 << base + QStringList{"ip_group"}
            << QStringList{"pwrGroup", "main_voltage", "reserve_power_state"};
        QTest::newRow("unknown code falls back")
            << 12 << base << QStringList{"pwrGroup", "main_voltage"};
        QTest::newRow("key fob") << 11
                                 << (base +
                                     QStringList{"Keychain_Partition_group", "Keychain_group"})
                                 << QStringList{"pwrGroup", "main_voltage"};
        QTest::newRow("relay module") << 14 << (base + QStringList{"RM_out", "RM_kc"})
                                      << QStringList{"main_power_supply", "main_power_stat",
                                                     "main_voltage", "reserve_power_state"};
        QTest::newRow("mains relay")
            << 15 << (base + QStringList{"RM_out"})
            << QStringList{"main_power_stat", "main_voltage", "reserve_power_state"};
        QTest::newRow("accumulator")
            << 49 << (base + QStringList{"ost_group", "ost24_group"})
            << QStringList{"accum_state", "main_voltage", "reserve_power_state"};
        QTest::newRow("repeater accumulator")
            << 30 << base
            << QStringList{"reserve_power_state", "main_voltage", "accum_state", "accum_voltage"};
        QTest::newRow("socket has no power group")
            << 57 << QStringList{"general", "main", "rozetka_group"} << QStringList();
        QTest::newRow("valve controller brings its own")
            << 66 << QStringList{"general",          "main",     "KPPower_group",
                                 "KPCounters_group", "KP_group", "KPTaps_group"}
            << QStringList{"mainVoltage", "extPower", "AccState", "AccVoltage_mV"};
    }
    void rootGroupsFollowTheType()
    {
        QFETCH(int, type);
        QFETCH(QStringList, rootTags);
        QFETCH(QStringList, powerTags);
        Sensor::SPtr device = make({type});
        const Node root = device->properties();
        QCOMPARE(root.tag, QString());
        QCOMPARE(root.caption, QStringLiteral("root"));
        QCOMPARE(childTags(root), rootTags);
        QCOMPARE(childTags(root.children.at(0)),
                 (QStringList{"partition", "parent", "setRetranslator", "serial", "type", "name",
                              "rssi"}));
        if (!powerTags.isEmpty())
            QCOMPARE(childTags(root.children.at(2)), powerTags);
        // The group is found by its tag, never its first child of the same tag.
        if (Node *power = find(*device, QStringLiteral("pwrGroup")))
            QCOMPARE(power->kind, Node::Group);
    }

    void mainGroupFollowsTypeAndVersions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVector<int>>("hardware");
        QTest::addColumn<QStringList>("tags");
        const QVector<int> hw1{1, 0};
        QTest::newRow("contact") << 4 << hw1
                                 << QStringList{"sensorEnabled", "zone_type", "Hull_status",
                                                "indication", "bell_mode"};
        QTest::newRow("one zone type, no choice")
            << 13 << hw1 << QStringList{"sensorEnabled", "Hull_status", "indication"};
        QTest::newRow("heat detector, case check")
            << 2 << hw1
            << QStringList{"sensorEnabled", "min_case_Open_Check", "Hull_status", "indication"};
        QTest::newRow("display below 3.0")
            << 20 << QVector<int>{2, 9} << QStringList{"sensorEnabled"};
        QTest::newRow("display from 3.0")
            << 20 << QVector<int>{3, 0}
            << QStringList{"sensorEnabled", "wallControl", "wallCase_status"};
        QTest::newRow("outdoor siren")
            << 69 << hw1 << QStringList{"sensorEnabled", "wallControl", "wallCase_status"};
        QTest::newRow("glass break: no indication, no bell")
            << 32 << hw1 << QStringList{"sensorEnabled", "zone_type", "Hull_status"};
        QTest::newRow("valve controller: no indication")
            << 66 << hw1 << QStringList{"sensorEnabled", "Hull_status"};
        QTest::newRow("key fob") << 11 << hw1 << QStringList{"sensorEnabled"};
        QTest::newRow("alarm and fire")
            << 21 << hw1 << QStringList{"sensorEnabled", "zone_type", "Hull_status", "indication"};
    }
    void mainGroupFollowsTypeAndVersions()
    {
        QFETCH(int, type);
        QFETCH(QVector<int>, hardware);
        QFETCH(QStringList, tags);
        Build build{type};
        build.hardware = hardware;
        Sensor::SPtr device = make(build);
        QCOMPARE(childTags(*find(*device, QStringLiteral("main"))), tags);
    }

    void zoneTypeChoiceStoresTheCode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QVector<int>>("codes");
        QTest::newRow("alarm and fire") << 21 << QStringList{"Alarm", "Fire"} << QVector<int>{3, 5};
        QTest::newRow("security types")
            << 4 << QStringList{"Security", "Alarm", "Enter"} << QVector<int>{2, 3, 4};
        QTest::newRow("every kind")
            << 9 << QStringList{"Security", "Alarm", "Enter", "Fire", "Water"}
            << QVector<int>{2, 3, 4, 5, 6};
    }
    void zoneTypeChoiceStoresTheCode()
    {
        QFETCH(int, type);
        QFETCH(QStringList, captions);
        QFETCH(QVector<int>, codes);
        Sensor::SPtr device = make({type, 0});
        Node *zone = find(*device, QStringLiteral("zone_type"));
        QVERIFY(zone);
        QCOMPARE(zone->captionsGetter(), captions);
        QCOMPARE(zone->valuesGetter().size(), codes.size());
        // A stored code the list lacks shows the first caption.
        QCOMPARE(zone->getter().toInt(), 0);
        for (int position = codes.size() - 1; position >= 0; --position) {
            zone->setter(zone->valuesGetter().at(position));
            QCOMPARE(int(device->zoneType()), codes.at(position));
            QCOMPARE(zone->getter().toInt(), position);
        }
        zone->setter(codes.size());
        QCOMPARE(int(device->zoneType()), codes.first());
    }

    void indicationMapsCodesToPositions_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("caption");
        QTest::newRow("0 unknown") << 0 << "Global";
        QTest::newRow("1") << 1 << "Global";
        QTest::newRow("2") << 2 << "On";
        QTest::newRow("3") << 3 << "Off";
        QTest::newRow("4 unknown") << 4 << "Global";
    }
    void indicationMapsCodesToPositions()
    {
        QFETCH(int, stored);
        QFETCH(QString, caption);
        Sensor::SPtr device = make({4});
        device->setLedMode(quint16(stored));
        Node *indication = find(*device, QStringLiteral("indication"));
        QCOMPARE(shown(*indication), caption);
        indication->setter(2);
        QCOMPARE(int(device->ledMode()), 3);
        indication->setter(3); // a value without a caption stores nothing
        QCOMPARE(int(device->ledMode()), 3);
    }

    void caseOpenCheckFollowsFirmware_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QVector<int>>("firmware");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("5 at 1.28") << 5 << 120 << QVector<int>{1, 28} << false;
        QTest::newRow("5 at 1.29") << 5 << 120 << QVector<int>{1, 29} << true;
        QTest::newRow("2 at 2.0") << 2 << 128 << QVector<int>{2, 0} << true;
        QTest::newRow("2 at 1.28") << 2 << 128 << QVector<int>{1, 28} << false;
    }
    void caseOpenCheckFollowsFirmware()
    {
        QFETCH(int, type);
        QFETCH(int, offset);
        QFETCH(QVector<int>, firmware);
        QFETCH(bool, enabled);
        Build build{type};
        build.firmware = firmware;
        build.settingsBytes[offset] = 0xF0;
        Sensor::SPtr device = make(build);
        Node *check = find(*device, QStringLiteral("min_case_Open_Check"));
        QCOMPARE(check->enabled, int(enabled));
        check->setter(true);
        QCOMPARE(int(R::settingsByte(*device, offset)), 0xF1); // only bit 0 changes
        QCOMPARE(check->getter().toBool(), true);

        // A new status re-reads the firmware.
        Build older = build;
        older.firmware = enabled ? QVector<int>{1, 28} : QVector<int>{1, 29};
        const s_FullSensorData next = report(older);
        device->updateStatus(&next.status);
        QCOMPARE(check->enabled, int(!enabled));
    }

    void powerGroupsAtTheirThresholds_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<Bytes>("statusBytes");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor none(Qt::transparent);
        const QColor warning = R::WarningColour;
        const quint32 lost = 1u << 6;
        const quint32 mainFault = 1u << 2;
        const quint32 reserveFault = 1u << 1;
        const Bytes noBytes;
        QTest::newRow("below 2.1 V") << 4 << 2050 << 0u << noBytes << "pwrGroup"
                                     << "Absence" << warning;
        QTest::newRow("below 2.1 V voltage") << 4 << 2050 << 0u << noBytes << "main_voltage"
                                             << "0 V" << none;
        QTest::newRow("at 2.1 V") << 4 << 2100 << 0u << noBytes << "pwrGroup"
                                  << "Ok" << none;
        QTest::newRow("at 2.1 V voltage") << 4 << 2100 << 0u << noBytes << "main_voltage"
                                          << "2.10 V" << none;
        QTest::newRow("lost") << 4 << 3300 << lost << noBytes << "pwrGroup"
                              << "Absence" << none;
        QTest::newRow("lost voltage") << 4 << 3300 << lost << noBytes << "main_voltage"
                                      << "0 V" << none;
        QTest::newRow("main fault") << 4 << 3300 << mainFault << noBytes << "pwrGroup"
                                    << "Fail" << warning;
        QTest::newRow("reserve ok") << 2 << 3300 << 0u << noBytes << "reserve_power_state"
                                    << "Ok" << none;
        QTest::newRow("reserve fault")
            << 2 << 3300 << reserveFault << noBytes << "reserve_power_state"
            << "Fail" << warning;
        QTest::newRow("key fob low") << 11 << 2050 << 0u << noBytes << "pwrGroup"
                                     << "Absent" << warning;
        QTest::newRow("key fob low voltage") << 11 << 2050 << 0u << noBytes << "main_voltage"
                                             << "2.05 V" << none;
        QTest::newRow("key fob lost") << 11 << 3300 << lost << noBytes << "pwrGroup"
                                      << "Ok" << none;
        QTest::newRow("mains relay absent has no caption")
            << 15 << 2000 << 0u << noBytes << "main_power_stat"
            << "" << warning;
        QTest::newRow("mains relay ok") << 15 << 3300 << 0u << noBytes << "main_power_stat"
                                        << "Ok" << none;
        QTest::newRow("accumulator charging") << 49 << 3300 << 0u << Bytes{{16, 2}} << "accum_state"
                                              << "Charging" << none;
        QTest::newRow("accumulator power high")
            << 50 << 3300 << 0u << Bytes{{17, 3}} << "reserve_power_state"
            << "Power high" << none;
        QTest::newRow("repeater charging") << 30 << 3300 << 0u << Bytes{{4, 2}} << "accum_state"
                                           << "Charging" << none;
        QTest::newRow("repeater low voltage") << 30 << 3300 << 0u << Bytes{{4, 1}} << "accum_state"
                                              << "Low voltage" << warning;
        QTest::newRow("repeater norm power")
            << 30 << 3300 << 0u << Bytes{{5, 1}} << "reserve_power_state"
            << "Power norm" << none;
        QTest::newRow("repeater low power")
            << 30 << 3300 << 0u << Bytes{{5, 2}} << "reserve_power_state"
            << "Power low" << warning;
        QTest::newRow("accumulator at 1000 mV")
            << 30 << 3300 << 0u << Bytes{{2, 0xE8}, {3, 0x03}} << "accum_voltage"
            << "0 V" << none;
        QTest::newRow("accumulator at 1001 mV")
            << 30 << 3300 << 0u << Bytes{{2, 0xE9}, {3, 0x03}} << "accum_voltage"
            << "1.00 V" << none;
    }
    void powerGroupsAtTheirThresholds()
    {
        QFETCH(int, type);
        QFETCH(int, millivolts);
        QFETCH(quint32, flags);
        QFETCH(Bytes, statusBytes);
        QFETCH(QString, tag);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        Build build{type};
        build.millivolts = quint16(millivolts);
        build.flags = flags;
        build.statusBytes = statusBytes;
        Sensor::SPtr device = make(build);
        Node *power = find(*device, QStringLiteral("pwrGroup"));
        QVERIFY(power);
        Node *node = nullptr;
        for (Node &child : power->children) {
            if (child.tag == tag && !node)
                node = &child;
        }
        QVERIFY(node);
        QCOMPARE(shown(*node), text);
        QCOMPARE(colourOf(*node), colour);
        QCOMPARE(device->colourFlags().yellow, colour == R::WarningColour);
    }

    void relayModuleSupplyChoice()
    {
        Build build{14};
        build.settingsBytes[112] = 0;
        build.flags = 1u << 1; // reserve fault: read as the main state on battery
        Sensor::SPtr device = make(build);
        Node *supply = find(*device, QStringLiteral("main_power_supply"));
        QCOMPARE(supply->captionsGetter(), (QStringList{"Power battery", "Power external"}));
        QCOMPARE(supply->getter().toInt(), 0);
        Node *state = find(*device, QStringLiteral("main_power_stat"));
        QCOMPARE(state->getter().toInt(), int(Sensor::ReservePowerState::FAIL));
        QCOMPARE(colourOf(*state), R::WarningColour);
        supply->setter(supply->valuesGetter().at(1));
        QCOMPARE(int(R::settingsByte(*device, 112)), 1);
        QCOMPARE(supply->getter().toInt(), 1);
        // The colour reads the byte at every call; the getters were chosen at build time.
        QCOMPARE(colourOf(*state), QColor(Qt::transparent));
    }

    void caseColourFollowsTheZoneTable_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("security type open") << 4 << true << R::AlarmColour;
        QTest::newRow("security type closed") << 4 << false << QColor(Qt::transparent);
        QTest::newRow("leak type open") << 29 << true << QColor(Qt::transparent);
        QTest::newRow("fire type open") << 3 << true << R::WarningColour;
    }
    void caseColourFollowsTheZoneTable()
    {
        QFETCH(int, type);
        QFETCH(bool, open);
        QFETCH(QColor, colour);
        Build build{type};
        build.flags = open ? (1u << 3) : 0;
        Sensor::SPtr device = make(build);
        Node *hull = find(*device, QStringLiteral("Hull_status"));
        QCOMPARE(shown(*hull),
                 open ? QStringLiteral("Case is open") : QStringLiteral("Case is close"));
        QCOMPARE(colourOf(*hull), colour);
        QCOMPARE(device->colourFlags().red, colour == R::AlarmColour);
        // Each new record forgets the flags until the colours are asked again.
        const s_SensorIntData status = device->status();
        device->updateStatus(&status);
        QVERIFY(!device->colourFlags().red && !device->colourFlags().yellow);
    }

    void wallAndCaseStates()
    {
        Build build{69};
        build.statusBytes[21] = 3;
        Sensor::SPtr device = make(build);
        Node *wall = find(*device, QStringLiteral("wallCase_status"));
        QCOMPARE(shown(*wall), QStringLiteral("Wall detached, case opened"));
        QCOMPARE(colourOf(*wall), R::WarningColour);
        Node *control = find(*device, QStringLiteral("wallControl"));
        R::setSettingsByte(*device, 216, 7);
        QCOMPARE(control->getter().toBool(), true);
        control->setter(false);
        QCOMPARE(int(R::settingsByte(*device, 216)), 0);
        control->setter(true);
        QCOMPARE(int(R::settingsByte(*device, 216)), 1);
    }

    // Without a connection a setter changes only the record in memory.
    void setterStampsTheRecord()
    {
        Sensor::SPtr device = make({4});
        find(*device, QStringLiteral("name"))->setter(QStringLiteral("Hall \"2\""));
        QCOMPARE(device->jsonKey(), QStringLiteral("Hall \"2\""));
        const s_ExtMemDataSensor *record = device->settingsData();
        QCOMPARE(int(record->compatibleVersion), 1);
        QCOMPARE(int(record->criticalVersion), 1);
        QCOMPARE(record->reserved68, 0u);
        find(*device, QStringLiteral("sensorEnabled"))->setter(false);
        QVERIFY(!device->isEnabled());
        QVERIFY(find(*device, QStringLiteral("name"))->regExp.endsWith(QStringLiteral("{0,63}$")));
    }

    void bellSetterFollowsZoneTypeOfNewRecords()
    {
        Sensor::SPtr device = make({4, 2});
        Node *bell = find(*device, QStringLiteral("bell_mode"));
        QVERIFY(bell->setter);
        bell->setter(true);
        QVERIFY(device->bellEnabled());

        s_ExtMemDataSensor record = *device->settingsData();
        record.settings.common.ZoneType = 3;
        device->updateData(&record);
        QVERIFY(!bell->setter);
        QVERIFY(!device->bellEnabled());
        // The record handed in keeps its bell; only the stored copy forgets it.
        QVERIFY(record.settings.common.flags & 1);

        record.settings.common.ZoneType = 4;
        record.settings.common.flags &= ~1u;
        device->updateData(&record);
        QVERIFY(bell->setter);
        QVERIFY(!device->bellEnabled());

        Sensor::SPtr alarm = make({4, 3});
        QVERIFY(!find(*alarm, QStringLiteral("bell_mode"))->setter);
    }

    void refreshSignalsAndLogOrder()
    {
        Sensor::SPtr device = make({5});
        QStringList order;
        QObject scope; // the log connection must end with this test
        connect(Logger::instance(), &Logger::message, &scope,
                [&order](const QString &, logLevel_t, const QString &text) {
                    if (text.contains(QLatin1String("updated id")))
                        order << text;
                });
        connect(device.get(), &Sensor::dataUpdated, this, [&order] { order << "dataUpdated"; });
        connect(device.get(), &Sensor::statusUpdated, this, [&order] { order << "statusUpdated"; });
        const s_ExtMemDataSensor record = *device->settingsData();
        device->updateData(&record);
        const s_SensorIntData status = device->status();
        device->updateStatus(&status);
        QCOMPARE(order, (QStringList{"dataUpdated", "Data updated id: 3", "Status updated id: 3",
                                     "statusUpdated"}));
    }

    void treeOperations()
    {
        Sensor::SPtr device = make({4});
        const Node before = device->properties();
        Sensor::setPropertyEnabled(device->propertyTree(), QStringLiteral("indication"),
                                   QStringLiteral("main"), false);
        QCOMPARE(find(*device, QStringLiteral("indication"))->enabled, 0);
        Node copy = before;
        QCOMPARE(Sensor::findProperty(copy, QStringLiteral("indication"))->enabled, 1);
        // A node outside the named group is left alone.
        Sensor::setPropertyEnabled(device->propertyTree(), QStringLiteral("name"),
                                   QStringLiteral("main"), false);
        QCOMPARE(find(*device, QStringLiteral("name"))->enabled, 1);
        int calls = 0;
        const auto count = [&calls](Node &) { ++calls; };
        Sensor::applyToProperty(device->propertyTree(), QStringLiteral("name"),
                                QStringLiteral("general"), count);
        Sensor::applyToProperty(device->propertyTree(), QStringLiteral("name"),
                                QStringLiteral("nothing"), count);
        Sensor::applyToProperty(device->propertyTree(), QStringLiteral("nothing"),
                                QStringLiteral("general"), count);
        QCOMPARE(calls, 1);
    }

    void coEventsEnableTheirRows()
    {
        Build build{31};
        build.settingsBytes[142] = 0;
        Sensor::SPtr device = make(build);
        QCOMPARE(find(*device, QStringLiteral("max_co_threshold"))->enabled, 0);
        s_ExtMemDataSensor record = *device->settingsData();
        record.settings.privateSettings.raw[142 - 120] = 1u << 4;
        device->updateData(&record);
        QCOMPARE(find(*device, QStringLiteral("max_co_threshold"))->enabled, 1);
        QCOMPARE(find(*device, QStringLiteral("COHysteresis"))->enabled, 1);
    }

    void statusTextsAndLists_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("fault");
        QTest::newRow("0") << 0 << "";
        QTest::newRow("1") << 1 << "No fault";
        QTest::newRow("5") << 5 << "Fault open circuit";
        QTest::newRow("6") << 6 << "";
    }
    void statusTextsAndLists()
    {
        QFETCH(int, code);
        QFETCH(QString, fault);
        Build build{14};
        build.statusBytes[4 + 16] = code;
        build.settingsBytes[208 + 96] = quint8(code);
        Sensor::SPtr device = make(build);
        QCOMPARE(R::outputFaultText(*device, 1), fault);
        QCOMPARE(R::outputFaultText(*device, 0), QString());
        QCOMPARE(R::outputModeText(*device, 1).isEmpty(), code > 5);
    }

    void relayPartitionList()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        const int slotCount = overmind.deviceInfo().partitionIndices().size();
        QVERIFY(slotCount > 1);
        Build build{14};
        build.settingsBytes[113] = 2;
        Sensor::SPtr device = make(build);
        QStringList captions = R::relayPartitionCaptions(*device);
        QCOMPARE(captions.size(), slotCount);
        QCOMPARE(captions.first(), QStringLiteral("Executive devices"));
        R::setSettingsByte(*device, 113, 3);
        captions = R::relayPartitionCaptions(*device);
        QCOMPARE(captions.size(), slotCount - 1);
        QCOMPARE(captions.first(), QStringLiteral("1"));
    }

    // The old partition's pages learn of the move; the model keeps the device.
    void moveToPartitionAnnouncesAndKeepsTheDevice()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        PartitionModel *model = overmind.partitionModel();
        const s_FullSensorData data = report({4});
        model->setFullSensorData(3, data);
        Sensor::SPtr device = model->sensor(3);
        QVERIFY(device);
        Partition *from = model->partition(device->partition());
        QSignalSpy removed(from, &Partition::sensorRemoved);
        QSignalSpy deleted(model, &PartitionModel::sensorRemoved);

        device->moveToPartition(device->partition());
        QCOMPARE(removed.count(), 0);

        device->moveToPartition(4);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(deleted.count(), 0);
        QCOMPARE(int(device->partition()), 4);
        QCOMPARE(model->sensor(3), device);
        QVERIFY(model->partition(4)->sensors().contains(device));
        QVERIFY(!from->sensors().contains(device));
        // The model still deletes a device its partition drops on its own.
        from = model->partition(4);
        from->removeSensor(device, false);
        QVERIFY(deleted.count() > 0);
        QVERIFY(!model->sensor(3));
    }
};

QTEST_MAIN(TestParameterTree)
#include "test_parameter_tree.moc"
