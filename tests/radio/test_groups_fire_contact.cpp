#include "RadioLink.h"
#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/Sensor.h"
#include "radio/params/SensorValueRoutines.h"
#include "support/ModalRecorder.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <cstring>
#include <memory>

using Node = Sensor::SensorProperty;
using R = SensorValueRoutines;
using Bytes = QMap<int, int>;

namespace {
struct Build
{
    Build(int type = 2) : type(type) {}
    int type;
    QVector<int> firmware{1, 10};
    QVector<int> hardware{1, 0};
    quint32 flags = 0;
    Bytes settings; // by settings offset
    Bytes status;   // by status offset
};

Sensor::SPtr make(const Build &build, uchar id = 3)
{
    SensorReportFields fields;
    fields.type = build.type;
    fields.flags = build.flags;
    s_FullSensorData data = makeSensorReport(fields);
    data.status.firmwareMajor = quint8(build.firmware.at(0));
    data.status.firmwareMinor = quint8(build.firmware.at(1));
    data.status.hardwareMajor = quint8(build.hardware.at(0));
    data.status.hardwareMinor = quint8(build.hardware.at(1));
    auto *status = reinterpret_cast<quint8 *>(&data.status);
    for (auto it = build.status.cbegin(); it != build.status.cend(); ++it)
        status[it.key()] = quint8(it.value());
    auto *settings = reinterpret_cast<quint8 *>(&data.settings);
    for (auto it = build.settings.cbegin(); it != build.settings.cend(); ++it)
        settings[it.key() - 72] = quint8(it.value());
    data.crc32 = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    return std::make_shared<Sensor>(id, &data);
}

// The device sends a settings record: its own with some bytes changed.
void receive(Sensor &device, const Bytes &changes)
{
    s_ExtMemDataSensor record = *device.settingsData();
    auto *bytes = reinterpret_cast<quint8 *>(&record);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        bytes[it.key()] = quint8(it.value());
    device.updateData(&record);
}

void receiveStatus(Sensor &device, const Bytes &changes)
{
    s_SensorIntData status = device.status();
    auto *bytes = reinterpret_cast<quint8 *>(&status);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        bytes[it.key()] = quint8(it.value());
    device.updateStatus(&status);
}

Node *find(Sensor &device, const QString &tag)
{
    return Sensor::findProperty(device.propertyTree(), tag);
}

Node *findIn(Sensor &device, const QString &group, const QString &tag)
{
    Node *parent = find(device, group);
    return parent ? Sensor::findProperty(*parent, tag) : nullptr;
}

QStringList childTags(const Node &group)
{
    QStringList tags;
    for (const Node &child : group.children)
        tags << child.tag;
    return tags;
}

// A value as the view shows it: enumerations by caption, reals with their decimals.
QString shown(const Node &node)
{
    const QVariant value = node.getter();
    if (node.kind == Node::Enumeration)
        return node.captionsGetter().value(value.toInt());
    if (node.kind == Node::Double)
        return QString::number(value.toDouble(), 'f', node.decimals);
    return value.toString();
}

// Counts the settings records the device would send, by the line every write logs.
class WriteCounter : public QObject
{
public:
    WriteCounter()
    {
        connect(Logger::instance(), &Logger::message, this,
                [this](const QString &, logLevel_t, const QString &text) {
                    if (text.startsWith(QLatin1String("Writing settings id:")))
                        ++count;
                });
    }
    int count = 0;
};

// The controller an energy-saving question needs: a take delay shorter than the minimum.
struct Controller
{
    Controller()
    {
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.storeMinimumTakeDelay(30);
        overmind.setTakeDelay(10);
    }
    Overmind overmind;
};
} // namespace

Q_DECLARE_METATYPE(Bytes)

class TestGroupsFireContact : public QObject
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

    void groupsOfEachType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVector<int>>("firmware");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("firstGroupTags");
        const QVector<int> fw{1, 10};
        const QStringList shift{"status_accel",    "Enable_accel", "Max_accel",
                                "Enable_tilt",     "Max_angle",    "Fixate_current_state",
                                "Fix_when_taking", "energy_saving"};
        QTest::newRow("heat 1.30: six rows") << 2 << QVector<int>{1, 30} << QStringList{"ip_group"}
                                             << QStringList{"Temperature",
                                                            "temperature_event_mode",
                                                            "max_temperature_threshold",
                                                            "min_temperature_threshold",
                                                            "tempHysteresis",
                                                            "ipError"};
        QTest::newRow("heat 1.31: class second")
            << 2 << QVector<int>{1, 31} << QStringList{"ip_group"}
            << QStringList{"Temperature",
                           "classFireAlarm",
                           "fireAlarmTemperature",
                           "temperature_event_mode",
                           "max_temperature_threshold",
                           "min_temperature_threshold",
                           "tempHysteresis",
                           "ipError"};
        QTest::newRow("call point")
            << 3 << fw << QStringList{"ipr_group"} << QStringList{"status", "button"};
        QTest::newRow("call point 67")
            << 67 << fw << QStringList{"ipr_group"} << QStringList{"status", "button"};
        QTest::newRow("smoke") << 5 << fw << QStringList{"dip_group"}
                               << QStringList{"Fire", "Dust", "Smoke", "dipError"};
        QTest::newRow("flame") << 22 << fw << QStringList{"flarex_group"}
                               << QStringList{"detection_range",       "detection_time",
                                              "black_body_mod_filter", "active_mode",
                                              "Attention_1",           "Attention_2"};
        for (int type : {6, 18, 26})
            QTest::addRow("infrared %d", type)
                << type << fw << QStringList{"ik_group"}
                << QStringList{"ik_state", "testModeSwitch", "energy_saving", "sensitivity"};
        for (int type : {27, 28})
            QTest::addRow("pir %d", type)
                << type << fw << QStringList{"Drask_group"}
                << QStringList{"drask_sensors",   "near_zone",     "near_sensitivity", "far_zone",
                               "far_sensitivity", "energy_saving", "testModeSwitch"};
        QTest::newRow("acoustic") << 34 << fw << QStringList{"St_group"}
                                  << QStringList{"acoustic_state", "sensitivity", "energy_saving",
                                                 "testModeSwitch"};
        QTest::newRow("magnetic contact")
            << 4 << fw << QStringList{"smkGroup"}
            << QStringList{"status", "smkStatus", "sabotage_detection", "smkMode", "kc_status"};
        QTest::newRow("shift 16") << 16 << fw
                                  << QStringList{"shift_group_accelerometer", "shift_group_gercon"}
                                  << shift;
        QTest::newRow("shift 24") << 24 << fw << QStringList{"shift_isp1_group_accelerometer"}
                                  << shift;
        QTest::newRow("shift 25") << 25 << fw << QStringList{"shift_group_gercon"}
                                  << QStringList{"gercon_status", "Enable_dry_reed"};
        for (int type : {29, 53, 55})
            QTest::addRow("leak %d", type)
                << type << fw << QStringList{"dz_group"} << QStringList{"water_leakage"};
        QTest::newRow("button") << 32 << fw << QStringList{"kt_group"}
                                << QStringList{"status", "button"};
    }
    void groupsOfEachType()
    {
        QFETCH(int, type);
        QFETCH(QVector<int>, firmware);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, firstGroupTags);
        Build build{type};
        build.firmware = firmware;
        Sensor::SPtr device = make(build);
        const Node root = device->properties();
        QCOMPARE(childTags(root).mid(3), groups);
        QCOMPARE(childTags(root.children.at(3)), firstGroupTags);
        // Every enumeration can be shown, every editable one can be chosen.
        for (size_t g = 3; g < root.children.size(); ++g) {
            const Node &group = root.children.at(g);
            std::vector<const Node *> nodes;
            for (const Node &child : group.children) {
                nodes.push_back(&child);
                for (const Node &inner : child.children)
                    nodes.push_back(&inner);
            }
            for (const Node *node : nodes) {
                if (node->kind == Node::Group || node->kind == Node::ActionButton)
                    continue;
                QVERIFY2(node->getter, qPrintable(node->tag));
                if (node->kind == Node::Enumeration)
                    QVERIFY2(node->captionsGetter, qPrintable(node->tag));
                if (node->kind == Node::Enumeration && node->editable)
                    QVERIFY2(node->valuesGetter, qPrintable(node->tag));
            }
        }
    }

    // Values, captions and colours of the rows that only show what the device reports.
    void reportedValues_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<Bytes>("status");
        QTest::addColumn<Bytes>("settings");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor none(Qt::transparent);
        const QColor alarm = R::AlarmColour;
        const QColor warning = R::WarningColour;
        const QColor blue = R::BlueColour;
        const quint32 fire = SensorFlag::Fire;
        const quint32 manual = SensorFlag::ManualFireAlarm;
        const Bytes noBytes;
        QTest::newRow("smoke: fire") << 5 << fire << noBytes << noBytes << "Fire"
                                     << "Fire" << alarm;
        QTest::newRow("smoke: normal") << 5 << 0u << noBytes << noBytes << "Fire"
                                       << "Normal" << none;
        QTest::newRow("smoke: dust") << 5 << 0u << Bytes{{0, 42}} << noBytes << "Dust"
                                     << "42" << QColor();
        QTest::newRow("smoke: density 1234")
            << 5 << 0u << Bytes{{2, 0xD2}, {3, 0x04}} << noBytes << "Smoke"
            << "1.2" << QColor();
        QTest::newRow("smoke: error 10") << 5 << 0u << Bytes{{4, 10}} << noBytes << "dipError"
                                         << "ADC capture failure" << QColor();
        QTest::newRow("smoke: error beyond the texts")
            << 5 << 0u << Bytes{{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}} << noBytes << "dipError"
            << "" << QColor();
        QTest::newRow("call point pressed: status") << 3 << manual << noBytes << noBytes << "status"
                                                    << "Fire" << alarm;
        QTest::newRow("call point pressed: button")
            << 67 << manual << noBytes << noBytes << "button"
            << "Pressed" << QColor();
        QTest::newRow("call point at rest") << 3 << 0u << noBytes << noBytes << "status"
                                            << "Normal" << none;
        QTest::newRow("heat: -15.50 truncates toward zero")
            << 2 << 0u << Bytes{{0, 0xF2}, {1, 0xF9}} << noBytes << "Temperature"
            << "-15" << QColor();
        QTest::newRow("heat: code -60") << 2 << 0u << Bytes{{3, 0xC4}} << noBytes << "ipError"
                                        << "No errors" << QColor();
        QTest::newRow("heat: code -65") << 2 << 0u << Bytes{{3, 0xBF}} << noBytes << "ipError"
                                        << "Temperature measurement timeout" << QColor();
        QTest::newRow("heat: code 0 has no text") << 2 << 0u << noBytes << noBytes << "ipError"
                                                  << "" << QColor();
        QTest::newRow("infrared: alarm") << 6 << 0u << Bytes{{2, 2}} << noBytes << "ik_state"
                                         << "Alarm" << alarm;
        QTest::newRow("infrared: disabled") << 18 << 0u << Bytes{{2, 0}} << noBytes << "ik_state"
                                            << "Disabled" << blue;
        QTest::newRow("infrared: failure") << 26 << 0u << Bytes{{2, 3}} << noBytes << "ik_state"
                                           << "Fail" << warning;
        QTest::newRow("infrared: ok") << 6 << 0u << Bytes{{2, 1}} << noBytes << "ik_state"
                                      << "OK" << none;
        QTest::newRow("pir: near off") << 27 << 0u << Bytes{{1, 0x24}} << noBytes << "near_state"
                                       << "Off" << blue;
        QTest::newRow("pir: far 1 ok") << 27 << 0u << Bytes{{1, 0x24}} << noBytes << "far1_state"
                                       << "OK" << none;
        QTest::newRow("pir: far 2 alarm") << 28 << 0u << Bytes{{1, 0x24}} << noBytes << "far2_state"
                                          << "Alarm" << alarm;
        QTest::newRow("acoustic: alarm") << 34 << 0u << Bytes{{2, 1}} << noBytes << "acoustic_state"
                                         << "Alarm" << alarm;
        QTest::newRow("acoustic: disabled")
            << 34 << 0u << Bytes{{2, 2}} << noBytes << "acoustic_state"
            << "Disable" << none;
        QTest::newRow("acoustic: unknown state")
            << 34 << 0u << Bytes{{2, 7}} << noBytes << "acoustic_state"
            << "" << none;
        QTest::newRow("acoustic: sensitivity")
            << 34 << 0u << Bytes{{0, 2}} << noBytes << "sensitivity"
            << "-6 dB" << QColor();
        QTest::newRow("leak") << 53 << quint32(SensorFlag::WaterLeak) << noBytes << noBytes
                              << "water_leakage"
                              << "Detected" << alarm;
        QTest::newRow("no leak") << 29 << 0u << noBytes << noBytes << "water_leakage"
                                 << "No" << none;
        QTest::newRow("button: alarm")
            << 32 << quint32(SensorFlag::Alarm) << noBytes << noBytes << "status"
            << "Alarm" << alarm;
        QTest::newRow("button: pressed")
            << 32 << quint32(SensorFlag::Alarm) << noBytes << noBytes << "button"
            << "Pressed" << QColor();
        QTest::newRow("contact: sabotage")
            << 4 << 0u << Bytes{{4, 3}, {6, 3}} << Bytes{{120, 1}} << "status"
            << "Sabotage" << alarm;
        QTest::newRow("contact: both closed without sabotage detection")
            << 4 << 0u << Bytes{{4, 3}, {6, 3}} << noBytes << "status"
            << "Normal" << none;
        QTest::newRow("contact: circuit broken")
            << 4 << 0u << Bytes{{4, 5}, {6, 1}} << Bytes{{122, 2}} << "status"
            << "Alarm" << alarm;
        QTest::newRow("contact mode 0 ignores the circuit")
            << 4 << 0u << Bytes{{4, 5}, {6, 1}} << noBytes << "status"
            << "Normal" << none;
        QTest::newRow("contact: no magnet")
            << 4 << 0u << Bytes{{4, 3}, {6, 0}} << noBytes << "status"
            << "Alarm" << alarm;
        QTest::newRow("contact: reeds beyond the list")
            << 4 << 0u << Bytes{{6, 9}} << noBytes << "smkStatus"
            << "No magnet" << none;
        QTest::newRow("contact: both closed with bit 17")
            << 4 << quint32(SensorFlag::Condition) << Bytes{{6, 3}} << noBytes << "smkStatus"
            << "1 and 2 gercon are closed" << alarm;
        QTest::newRow("contact: circuit off in mode 0")
            << 4 << 0u << Bytes{{4, 5}} << noBytes << "kc_status"
            << "Off" << none;
        QTest::newRow("contact: circuit broken in mode 2")
            << 4 << 0u << Bytes{{4, 5}} << Bytes{{122, 2}} << "kc_status"
            << "Break cable" << alarm;
        QTest::newRow("contact: small resistance")
            << 4 << 0u << Bytes{{4, 2}} << Bytes{{122, 1}} << "kc_status"
            << "Small resistance" << warning;
        QTest::newRow("contact: circuit code unknown")
            << 4 << 0u << Bytes{{4, 9}} << Bytes{{122, 2}} << "kc_status"
            << "Unknown" << none;
        QTest::newRow("reed open") << 25 << 0u << Bytes{{0, 1}} << noBytes << "gercon_status"
                                   << "Open" << alarm;
        QTest::newRow("reed closed") << 16 << 0u << Bytes{{0, 2}} << noBytes << "gercon_status"
                                     << "Close" << none;
        QTest::newRow("shift asleep")
            << 16 << 0u << Bytes{{1, 2}} << Bytes{{120, 0x08}} << "status_accel"
            << "Disable" << blue;
        QTest::newRow("shift moved") << 24 << 0u << Bytes{{1, 2}} << noBytes << "status_accel"
                                     << "Shift" << alarm;
        QTest::newRow("shift state beyond the list")
            << 16 << 0u << Bytes{{1, 7}} << noBytes << "status_accel"
            << "" << none;
    }
    void reportedValues()
    {
        QFETCH(int, type);
        QFETCH(quint32, flags);
        QFETCH(Bytes, status);
        QFETCH(Bytes, settings);
        QFETCH(QString, tag);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        Build build{type};
        build.flags = flags;
        build.status = status;
        build.settings = settings;
        Sensor::SPtr device = make(build);
        Node root = device->properties();
        Node *node = nullptr;
        for (size_t g = 3; g < root.children.size() && !node; ++g)
            node = Sensor::findProperty(root.children.at(g), tag);
        QVERIFY(node);
        QCOMPARE(shown(*node), text);
        if (!colour.isValid()) {
            QVERIFY(!node->colourGetter);
            return;
        }
        QVERIFY(node->colourGetter);
        QCOMPARE(node->colourGetter(), colour);
        // The list marks the device by the same colour; blue marks nothing.
        QCOMPARE(device->colourFlags().red, colour == R::AlarmColour);
        QCOMPARE(device->colourFlags().yellow, colour == R::WarningColour);
        QVERIFY(!device->colourFlags().grey);
    }

    void heatEditabilityFollowsTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("maximum");
        QTest::addColumn<bool>("minimum");
        QTest::addColumn<bool>("hysteresis");
        QTest::newRow("no events") << 0 << false << false << false;
        QTest::newRow("high") << 1 << true << false << true;
        QTest::newRow("low") << 2 << false << true << true;
        QTest::newRow("both") << 3 << true << true << true;
    }
    void heatEditabilityFollowsTheMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, maximum);
        QFETCH(bool, minimum);
        QFETCH(bool, hysteresis);
        const auto check = [&](Sensor &device) {
            QCOMPARE(bool(find(device, "max_temperature_threshold")->setter), maximum);
            QCOMPARE(bool(find(device, "min_temperature_threshold")->setter), minimum);
            QCOMPARE(bool(find(device, "tempHysteresis")->enabled), hysteresis);
            QVERIFY(find(device, "tempHysteresis")->setter);
        };
        Build build{2};
        build.settings = {{126, mode}};
        Sensor::SPtr built = make(build);
        check(*built);
        // The same mode reached by a record from the device.
        Build other{2};
        other.settings = {{126, 3 - mode}};
        Sensor::SPtr changed = make(other);
        receive(*changed, {{126, mode}});
        check(*changed);
    }

    void heatThresholdRangesNarrow_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("hysteresis");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::newRow("50/20/3") << 5000 << 2000 << 300 << 23 << 47;
        QTest::newRow("lower clamped up") << 5000 << -2500 << 100 << -10 << 49;
        QTest::newRow("upper clamped up") << -500 << -2500 << 500 << -10 << -9;
        QTest::newRow("upper clamped down") << 5500 << 0 << 0 << 0 << 55;
        QTest::newRow("lower clamped down") << 5500 << 5400 << 100 << 54 << 54;
        QTest::newRow("hundredths truncate") << 4999 << 2099 << 199 << 21 << 48;
    }
    void heatThresholdRangesNarrow()
    {
        QFETCH(int, maximum);
        QFETCH(int, minimum);
        QFETCH(int, hysteresis);
        QFETCH(int, lower);
        QFETCH(int, upper);
        Sensor::SPtr device = make({2});
        QSignalSpy ranges(device.get(), &Sensor::rangesUpdated);
        receive(*device, {{120, hysteresis & 0xFF},
                          {121, (hysteresis >> 8) & 0xFF},
                          {122, minimum & 0xFF},
                          {123, (minimum >> 8) & 0xFF},
                          {124, maximum & 0xFF},
                          {125, (maximum >> 8) & 0xFF}});
        QCOMPARE(ranges.count(), 1);
        QCOMPARE(ranges.first().at(0).toDouble(), double(lower));
        QCOMPARE(ranges.first().at(1).toDouble(), double(upper));
        QCOMPARE(ranges.first().at(2).toString(), QStringLiteral("ip_group"));
        QCOMPARE(find(*device, "min_temperature_threshold")->maximum, double(upper));
        QCOMPARE(find(*device, "max_temperature_threshold")->minimum, double(lower));
        // Status records narrow the same way.
        receiveStatus(*device, {});
        QCOMPARE(ranges.count(), 2);
    }

    void heatThresholdEdits()
    {
        WriteCounter writes;
        Build build{2};
        build.settings = {{126, 3}};
        Sensor::SPtr device = make(build);
        Node *maximum = find(*device, "max_temperature_threshold");
        maximum->setter(45);
        QCOMPARE(int(R::settingsWord(*device, 124)), 4500);
        QCOMPARE(maximum->getter().toInt(), 45);
        find(*device, "min_temperature_threshold")->setter(-25);
        QCOMPARE(int(qint16(R::settingsWord(*device, 122))), -2500);
        find(*device, "tempHysteresis")->setter(3);
        QCOMPARE(int(R::settingsWord(*device, 120)), 300);
        QCOMPARE(writes.count, 3);
        // A value no row offers must not overflow the 16-bit field.
        maximum->setter(100000000);
        QCOMPARE(int(qint16(R::settingsWord(*device, 124))), 32767);
    }

    void fireClassCorrection_data()
    {
        QTest::addColumn<QVector<int>>("firmware");
        QTest::addColumn<int>("fireClass");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("shownClass");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("writes");
        QTest::addColumn<bool>("editable");
        const QVector<int> fw{1, 31};
        QTest::newRow("A2 at 70 is put right") << fw << 11 << 70 << 6 << 65 << 1 << false;
        QTest::newRow("BR at 80 is right") << fw << 3 << 80 << 3 << 80 << 0 << false;
        QTest::newRow("A1R at 0") << fw << 0 << 0 << 0 << 60 << 1 << false;
        QTest::newRow("custom is never overwritten") << fw << 19 << 77 << 9 << 77 << 0 << true;
        QTest::newRow("custom diff") << fw << 9 << 51 << 4 << 51 << 0 << true;
        QTest::newRow("no class code") << fw << 5 << 70 << 0 << 70 << 0 << false;
        QTest::newRow("older firmware has no class")
            << QVector<int>{1, 30} << 11 << 70 << -1 << 70 << 0 << false;
    }
    void fireClassCorrection()
    {
        QFETCH(QVector<int>, firmware);
        QFETCH(int, fireClass);
        QFETCH(int, temperature);
        QFETCH(int, shownClass);
        QFETCH(int, after);
        QFETCH(int, writes);
        QFETCH(bool, editable);
        Build build{2};
        build.firmware = firmware;
        build.settings = {{129, fireClass}, {130, temperature}};
        Sensor::SPtr device = make(build);
        Node *classNode = find(*device, "classFireAlarm");
        Node *temperatureNode = find(*device, "fireAlarmTemperature");
        QCOMPARE(classNode != nullptr, shownClass >= 0);
        if (classNode) {
            QCOMPARE(classNode->getter().toInt(), shownClass);
            QCOMPARE(temperatureNode->minimum, 51.0);
            QCOMPARE(temperatureNode->maximum, 85.0);
        }
        // Building writes nothing; the next record corrects, the one after finds it right.
        WriteCounter counter;
        receive(*device, {});
        QCOMPARE(int(R::settingsByte(*device, 130)), after);
        QCOMPARE(counter.count, writes);
        if (temperatureNode)
            QCOMPARE(bool(temperatureNode->enabled), editable);
        receiveStatus(*device, {});
        receive(*device, {});
        QCOMPARE(counter.count, writes);
    }

    void flameSwitchesKeepTheOtherBits_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("bit");
        QTest::newRow("range 12m") << "detection_range" << QVariant(1) << 0;
        QTest::newRow("time 5 s, bit 0 of the value") << "detection_time" << QVariant(3) << 1;
        QTest::newRow("black body") << "black_body_mod_filter" << QVariant(true) << 2;
        QTest::newRow("active") << "active_mode" << QVariant(true) << 3;
        QTest::newRow("UV") << "Attention_1" << QVariant(true) << 4;
        QTest::newRow("IK") << "Attention_2" << QVariant(true) << 5;
    }
    void flameSwitchesKeepTheOtherBits()
    {
        QFETCH(QString, tag);
        QFETCH(QVariant, value);
        QFETCH(int, bit);
        Build build{22};
        build.settings = {{120, 0xC0}};
        Sensor::SPtr device = make(build);
        Node *node = find(*device, tag);
        QCOMPARE(node->getter().toInt(), 0);
        WriteCounter writes;
        node->setter(value);
        QCOMPARE(int(R::settingsByte(*device, 120)), 0xC0 | (1 << bit));
        QCOMPARE(node->getter().toInt(), 1);
        node->setter(node->kind == Node::Boolean ? QVariant(false) : QVariant(0));
        QCOMPARE(int(R::settingsByte(*device, 120)), 0xC0);
        QCOMPARE(writes.count, 2);
    }

    // Energy saving and test mode keep each other off, after the build and after every record.
    void savingAndTestModeExclusive_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("savingOffset");
        QTest::addColumn<int>("testOffset");
        QTest::addColumn<int>("saving");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("buttonText");
        QTest::newRow("infrared: saving on") << 6 << 120 << 122 << 1 << 0 << "Enable";
        QTest::newRow("infrared: test on") << 18 << 120 << 122 << 0 << 1 << "Disable";
        QTest::newRow("infrared: both off") << 26 << 120 << 122 << 0 << 0 << "Enable";
        QTest::newRow("pir: saving on") << 27 << 125 << 120 << 1 << 0 << "Enable";
        QTest::newRow("pir: test on") << 28 << 125 << 120 << 0 << 1 << "Disable";
        QTest::newRow("pir: test code 5") << 28 << 125 << 120 << 0 << 5 << "";
    }
    void savingAndTestModeExclusive()
    {
        QFETCH(int, type);
        QFETCH(int, savingOffset);
        QFETCH(int, testOffset);
        QFETCH(int, saving);
        QFETCH(int, test);
        QFETCH(QString, buttonText);
        const QString group = type == 27 || type == 28 ? "Drask_group" : "ik_group";
        const auto check = [&](Sensor &device) {
            QCOMPARE(bool(findIn(device, group, "testModeSwitch")->enabled), saving == 0);
            QCOMPARE(bool(findIn(device, group, "energy_saving")->enabled), test == 0);
        };
        Build build{type};
        build.settings = {{savingOffset, saving}, {testOffset, test}};
        Sensor::SPtr built = make(build);
        check(*built);
        QCOMPARE(findIn(*built, group, "testModeSwitch")->buttonTextGetter(), buttonText);

        Sensor::SPtr device = make({type});
        QSignalSpy texts(device.get(), &Sensor::buttonTextUpdate);
        receive(*device, build.settings);
        check(*device);
        QCOMPARE(texts.count(), 1);
        QCOMPARE(texts.first().at(0).toString(), QStringLiteral("test mode switch"));
        // The infrared detector calls anything but 1 "Enable".
        QCOMPARE(texts.first().at(1).toString(),
                 type < 27 && buttonText.isEmpty() ? QStringLiteral("Enable") : buttonText);

        // The button switches test mode in the record at once.
        WriteCounter writes;
        findIn(*device, group, "testModeSwitch")->setter(true);
        QCOMPARE(int(R::settingsByte(*device, testOffset)), test == 0 ? 1 : 0);
        QCOMPARE(writes.count, 1);
    }

    void sensitivitiesAndZones()
    {
        WriteCounter writes;
        Build infrared{6};
        infrared.settings = {{121, 7}};
        Sensor::SPtr ik = make(infrared);
        Node *sensitivity = find(*ik, "sensitivity");
        QCOMPARE(shown(*sensitivity), QStringLiteral("Max."));
        QCOMPARE(sensitivity->valuesGetter(), (QVector<int>{0, 1, 2, 3}));
        sensitivity->setter(3);
        QCOMPARE(int(R::settingsByte(*ik, 121)), 4);
        QCOMPARE(shown(*sensitivity), QStringLiteral("Min."));
        sensitivity->setter(4); // no such position
        QCOMPARE(int(R::settingsByte(*ik, 121)), 4);
        QCOMPARE(writes.count, 1);

        // Switching off the only zone turns the other one on, in one record.
        Build pir{27};
        pir.settings = {{121, 0}, {122, 1}, {123, 2}};
        Sensor::SPtr drask = make(pir);
        QVERIFY(!find(*drask, "far_sensitivity")->enabled);
        QVERIFY(find(*drask, "near_sensitivity")->enabled);
        QCOMPARE(find(*drask, "drask_sensors")->expanded, 0);
        writes.count = 0;
        find(*drask, "near_zone")->setter(false);
        QCOMPARE(int(R::settingsByte(*drask, 122)), 0);
        QCOMPARE(int(R::settingsByte(*drask, 121)), 1);
        QCOMPARE(writes.count, 1);
        receive(*drask, {});
        QVERIFY(find(*drask, "far_sensitivity")->enabled);
        QVERIFY(!find(*drask, "near_sensitivity")->enabled);
        Node *far = find(*drask, "far_sensitivity");
        QCOMPARE(far->valuesGetter(), (QVector<int>{1, 2, 3, 4}));
        far->setter(4);
        QCOMPARE(int(R::settingsByte(*drask, 123)), 4);
        QCOMPARE(shown(*far), QStringLiteral("Min"));
        receive(*drask, {{121, 0}});
        QVERIFY(!find(*drask, "far_sensitivity")->enabled);
    }

    void energySavingAsksFirst_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stored");
        const int yes = int(QMessageBox::Yes);
        const int no = int(QMessageBox::No);
        QTest::newRow("infrared yes") << 6 << 120 << 0xFF << true << yes << true;
        QTest::newRow("infrared no") << 6 << 120 << 0xFF << true << no << false;
        QTest::newRow("infrared off") << 6 << 120 << 0xFF << false << -1 << false;
        QTest::newRow("pir yes") << 27 << 125 << 0x01 << true << yes << true;
        QTest::newRow("pir no") << 28 << 125 << 0x01 << true << no << false;
        QTest::newRow("acoustic no") << 34 << 120 << 0xFF << true << no << false;
        QTest::newRow("acoustic yes") << 34 << 120 << 0xFF << true << yes << true;
        QTest::newRow("shift no") << 16 << 120 << 0x08 << true << no << false;
        QTest::newRow("shift yes") << 24 << 120 << 0x08 << true << yes << true;
        QTest::newRow("shift off") << 16 << 120 << 0x08 << false << -1 << false;
    }
    void energySavingAsksFirst()
    {
        QFETCH(int, type);
        QFETCH(int, offset);
        QFETCH(int, mask);
        QFETCH(bool, on);
        QFETCH(int, answer);
        QFETCH(bool, stored);
        Controller controller;
        Build build{type};
        // Bits the switch does not own stay as they are.
        const int others = mask == 0xFF ? 0 : 0xF0 & ~mask;
        build.settings = {{offset, others | (on ? 0 : mask)}};
        Sensor::SPtr device = make(build);
        ModalRecorder boxes;
        boxes.reply = [answer](const ModalAnswerer::Request &) { return answer; };
        WriteCounter writes;
        find(*device, "energy_saving")->setter(on);
        QCOMPARE(boxes.count(QStringLiteral("question")), answer < 0 ? 0 : 1);
        if (answer >= 0)
            QCOMPARE(boxes.seen.first().title, QStringLiteral("Take delay"));
        const int byte = R::settingsByte(*device, offset);
        QCOMPARE(byte & ~mask, others);
        QCOMPARE(bool(byte & mask), stored);
        QCOMPARE(writes.count, 1);
    }

    void testButtonsDoNothingInViewingMode()
    {
        Overmind overmind;
        overmind.setViewingMode(true);
        WriteCounter writes;
        for (int type : {6, 27, 16, 34}) {
            Sensor::SPtr device = make({type});
            const s_ExtMemDataSensor before = *device->settingsData();
            const QString tag = type == 16 ? "Fixate_current_state" : "testModeSwitch";
            find(*device, tag)->setter(true);
            QVERIFY(std::memcmp(&before, device->settingsData(), sizeof(before)) == 0);
        }
        QCOMPARE(writes.count, 0);

        // Mend: connected, "Fix" asks the device once to take its state; neither the object
        // nor a later write keeps the request, even when the device echoes it.
        overmind.setViewingMode(false);
        for (int type : {16, 24}) {
            Build build{type};
            build.settings = {{120, 0x01}};
            Sensor::SPtr shift = make(build);
            find(*shift, "Fixate_current_state")->setter(true);
            QCOMPARE(int(R::settingsByte(*shift, 120)), 0x01);
            s_ExtMemDataSensor echoed = *shift->settingsData();
            echoed.settings.privateSettings.raw[0] = 0xD1;
            shift->updateData(&echoed);
            QCOMPARE(int(R::settingsByte(*shift, 120)), 0xC1);
            find(*shift, "Enable_tilt")->setter(true);
            QCOMPARE(int(R::settingsByte(*shift, 120)), 0xC3);
        }
        QCOMPARE(writes.count, 4);
    }

    void acousticFollowsItsStatus_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("applied");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("savingText");
        QTest::addColumn<QString>("buttonText");
        QTest::addColumn<bool>("buttonEnabled");
        QTest::addColumn<bool>("savingEnabled");
        QTest::newRow("setting on, device off") << 1 << 0 << 0 << "Wait"
                                                << "Enable" << true << true;
        QTest::newRow("both on") << 1 << 1 << 0 << "Enable"
                                 << "Enable" << false << true;
        QTest::newRow("both off, testing") << 0 << 0 << 1 << "Disable"
                                           << "Disable" << true << false;
        QTest::newRow("waiting") << 0 << 0 << 2 << "Disable"
                                 << "Wait" << true << false;
        QTest::newRow("odd test state") << 0 << 0 << 9 << "Disable"
                                        << "" << true << false;
    }
    void acousticFollowsItsStatus()
    {
        QFETCH(int, setting);
        QFETCH(int, applied);
        QFETCH(int, test);
        QFETCH(QString, savingText);
        QFETCH(QString, buttonText);
        QFETCH(bool, buttonEnabled);
        QFETCH(bool, savingEnabled);
        Build build{34};
        build.settings = {{120, setting}};
        Sensor::SPtr device = make(build);
        QSignalSpy texts(device.get(), &Sensor::buttonTextUpdate);
        receiveStatus(*device, {{1, test}, {3, applied}});
        QCOMPARE(texts.count(), 2);
        QCOMPARE(texts.at(0).at(0).toString(), QStringLiteral("Energy saving"));
        QCOMPARE(texts.at(0).at(1).toString(), savingText);
        QCOMPARE(texts.at(1).at(1).toString(), buttonText);
        Node *button = find(*device, "testModeSwitch");
        QCOMPARE(button->buttonTextGetter(), buttonText);
        QCOMPARE(bool(button->enabled), buttonEnabled);
        QCOMPARE(bool(find(*device, "energy_saving")->enabled), savingEnabled);
        QCOMPARE(find(*device, "energy_saving")->getter().toBool(), setting != 0);
        // Settings records refresh the same way.
        receive(*device, {});
        QCOMPARE(texts.count(), 4);
    }

    void acousticButtonSendsItsCommandOnly()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        controller.overmind().deviceInfo().init(0, 0, 0, 0);
        Sensor::SPtr device = make({34}, 0x41);
        controller.clear();
        find(*device, "testModeSwitch")->setter(true);
        QTRY_COMPARE(controller.communicator().commandsOf(0xDC).size(), 1);
        QCOMPARE(controller.communicator().commandsOf(0xDC).first(), QByteArray::fromHex("dc4100"));
        QVERIFY(controller.communicator().commandsOf(0x6E).isEmpty());
        QCOMPARE(device->status().privateData.raw[1], quint8(0));
    }

    void magneticContactModes_data()
    {
        QTest::addColumn<QVector<int>>("hardware");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QVector<int>>("values");
        QTest::newRow("1.9") << QVector<int>{1, 9} << QStringList{"Dry reed", "Dry reed & ext"}
                             << QVector<int>{0, 2};
        QTest::newRow("2.0") << QVector<int>{2, 0}
                             << QStringList{"Dry reed", "ext", "Dry reed & ext"}
                             << QVector<int>{0, 1, 2};
    }
    void magneticContactModes()
    {
        QFETCH(QVector<int>, hardware);
        QFETCH(QStringList, captions);
        QFETCH(QVector<int>, values);
        Build build{4};
        build.hardware = hardware;
        Sensor::SPtr device = make(build);
        Node *mode = find(*device, "smkMode");
        QCOMPARE(mode->captionsGetter(), captions);
        QCOMPARE(mode->valuesGetter(), values);
        QVERIFY(!find(*device, "kc_status")->enabled);
        WriteCounter writes;
        mode->setter(values.last());
        QCOMPARE(int(R::settingsWord(*device, 122)), 2);
        QCOMPARE(mode->getter().toInt(), values.size() - 1);
        receive(*device, {});
        QVERIFY(find(*device, "kc_status")->enabled);
        mode->setter(QStringLiteral("junk"));
        QCOMPARE(int(R::settingsWord(*device, 122)), 0);
        receive(*device, {});
        QVERIFY(!find(*device, "kc_status")->enabled);
        find(*device, "sabotage_detection")->setter(true);
        QCOMPARE(int(R::settingsByte(*device, 120)) & 1, 1);
        QCOMPARE(writes.count, 3);
    }

    void shiftLimitsFollowRecords_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("group");
        QTest::newRow("16") << 16 << "shift_group_accelerometer";
        QTest::newRow("24") << 24 << "shift_isp1_group_accelerometer";
    }
    void shiftLimitsFollowRecords()
    {
        QFETCH(int, type);
        QFETCH(QString, group);
        Build build{type};
        build.settings = {{120, 0x00}, {122, 7}, {123, 9}};
        Sensor::SPtr device = make(build);
        Node *accel = findIn(*device, group, "Max_accel");
        Node *angle = findIn(*device, group, "Max_angle");
        QVERIFY(!accel->setter && !angle->setter);
        QCOMPARE(shown(*angle), QStringLiteral("45°"));
        QCOMPARE(shown(*accel), QStringLiteral("50 mg")); // 9 is no index
        receive(*device, {{120, 0x01}});
        QVERIFY(accel->setter && !angle->setter);
        receive(*device, {{120, 0x02}});
        QVERIFY(!accel->setter && angle->setter);
        WriteCounter writes;
        angle->setter(3);
        QCOMPARE(int(R::settingsByte(*device, 122)), 3);
        QCOMPARE(shown(*angle), QStringLiteral("15°"));
        QCOMPARE(writes.count, 1);
    }

    // The same English text gets the translation its disambiguation asks for.
    void russianCaptions()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/tr/translations/velmis.qm")));
        QCoreApplication::installTranslator(&translator);
        Build build{34};
        build.status = {{1, 2}, {2, 2}};
        Sensor::SPtr acoustic = make(build);
        Sensor::SPtr smoke = make({5});
        Sensor::SPtr contact = make({4});
        QCoreApplication::removeTranslator(&translator);
        Node *button = find(*acoustic, "testModeSwitch");
        QCOMPARE(button->caption, QStringLiteral("Режим теста"));
        QCOMPARE(find(*acoustic, "energy_saving")->captions,
                 (QStringList{"Выключено", "Включено"}));
        QCOMPARE(find(*acoustic, "acoustic_state")->getter().toString(), QStringLiteral("Disable"));
        QCOMPARE(find(*smoke, "dip_group")->caption, QStringLiteral("ДИП"));
        QCOMPARE(find(*contact, "sabotage_detection")->captions,
                 (QStringList{"Выключено", "Включено"}));
    }

    void dryReedWritesOnlyChanges()
    {
        Sensor::SPtr device = make({25});
        Node *reed = find(*device, "Enable_dry_reed");
        WriteCounter writes;
        reed->setter(false);
        QCOMPARE(writes.count, 0);
        reed->setter(true);
        QCOMPARE(int(R::settingsByte(*device, 120)), 0x20);
        QCOMPARE(writes.count, 1);
        reed->setter(true);
        QCOMPARE(writes.count, 1);
    }
};

QTEST_MAIN(TestGroupsFireContact)
#include "test_groups_fire_contact.moc"
