// Groups of the fire detectors: smoke, call point, heat and flame.
#include "radio/Sensor.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

#include <QVersionNumber>
#include <limits>

namespace {
using R = SensorValueRoutines;
using Node = Sensor::SensorProperty;

const QVector<int> FireClassCodes{0, 1, 2, 3, 9, 10, 11, 12, 13, 19};
const QVector<int> TemperatureModes{0, 1, 2, 3};
constexpr int HysteresisOffset = 120;
constexpr int MinThresholdOffset = 122;
constexpr int MaxThresholdOffset = 124;
constexpr int TemperatureModeOffset = 126;
constexpr int FireClassOffset = 129;
constexpr int FireTemperatureOffset = 130;
constexpr int FlameBitsOffset = 120;

bool hasFireClass(const Sensor &device)
{
    return device.firmwareVersion() >= QVersionNumber(1, 31);
}

// The fire-alarm temperature a fixed class prescribes; 0 for a custom class or no class.
int classTemperature(int code)
{
    switch (code % 10) {
    case 0:
        return code > 13 ? 0 : 60;
    case 1:
        return code > 13 ? 0 : 65;
    case 2:
        return code > 13 ? 0 : 70;
    case 3:
        return code > 13 ? 0 : 80;
    default:
        return 0;
    }
}

int wholeDegrees(const Sensor &device, int offset)
{
    return qint16(R::settingsWord(device, offset)) / 100;
}

// The view keeps edits within the row's limits; anything else must not overflow the field.
quint16 hundredths(const QVariant &value)
{
    const qint64 scaled = qint64(value.toInt()) * 100;
    return quint16(qint16(qBound<qint64>(std::numeric_limits<qint16>::min(), scaled,
                                         std::numeric_limits<qint16>::max())));
}

bool mode(const Sensor &device, int a, int b)
{
    const int m = R::settingsWord(device, TemperatureModeOffset);
    return m == a || m == b;
}

bool flameBit(const Sensor &device, int bit)
{
    return (R::settingsByte(device, FlameBitsOffset) >> bit) & 1;
}

void setFlameBit(Sensor &device, int bit, bool on)
{
    const quint8 byte = R::settingsByte(device, FlameBitsOffset);
    R::setSettingsByte(device, FlameBitsOffset,
                       on ? quint8(byte | (1u << bit)) : quint8(byte & ~(1u << bit)));
    device.writeToDevice();
}
} // namespace

Sensor::SensorProperty Sensor::dipGroup()
{
    Sensor *self = this;
    Node fire = Node::readOnlyEnumeration(
        QStringLiteral("Fire"), tr("Fire", "dip sensor"),
        [self] { return QVariant(R::statusFlags(*self) & SensorFlag::Fire ? 1 : 0); },
        &SensorOptionLists::fireStates);
    fire.colourGetter = [self] {
        return R::noted(*self,
                        R::statusFlags(*self) & SensorFlag::Fire ? R::AlarmColour : R::NoColour);
    };
    Node dust = Node::readOnlyInteger(QStringLiteral("Dust"), tr("Dust"), QStringLiteral(" %"),
                                      [self] { return QVariant(int(R::statusWord(*self, 0))); });
    Node smoke = Node::readOnlyReal(QStringLiteral("Smoke"), tr("Smoke"), QStringLiteral(" dBm"),
                                    [self] { return QVariant(R::statusWord(*self, 2) / 1000.0); });
    smoke.decimals = 1;
    Node error = Node::readOnlyEnumeration(
        QStringLiteral("dipError"), tr("Sensor error", "dip sensor"),
        [self] {
            const quint32 code =
                quint32(R::statusWord(*self, 4)) | (quint32(R::statusWord(*self, 6)) << 16);
            // A code beyond every caption shows no text.
            return QVariant(code > quint32(std::numeric_limits<int>::max()) ? -1 : int(code));
        },
        &SensorOptionLists::smokeChamberErrors);
    return Node::group(QStringLiteral("dip_group"), tr("DIP"), {fire, dust, smoke, error});
}

Sensor::SensorProperty Sensor::iprGroup()
{
    Sensor *self = this;
    const auto pressed = [self] {
        return QVariant(R::statusFlags(*self) & SensorFlag::ManualFireAlarm ? 1 : 0);
    };
    Node status = Node::readOnlyEnumeration(QStringLiteral("status"), tr("Status", "IPR"), pressed,
                                            QStringList{tr("Normal", "IPR"), tr("Fire", "IPR")});
    status.colourGetter = [self] {
        return R::noted(*self, R::statusFlags(*self) & SensorFlag::ManualFireAlarm ? R::AlarmColour
                                                                                   : R::NoColour);
    };
    Node button = Node::readOnlyEnumeration(QStringLiteral("button"), tr("Button"), pressed,
                                            &SensorOptionLists::buttonStates);
    return Node::group(QStringLiteral("ipr_group"), tr("Button", "IPR"), {status, button});
}

Sensor::SensorProperty Sensor::ipGroup()
{
    Sensor *self = this;
    const QString degrees = QStringLiteral(" \u2103");
    std::vector<Node> children;
    children.push_back(
        Node::readOnlyInteger(QStringLiteral("Temperature"), tr("Temperature"), degrees,
                              [self] { return QVariant(qint16(R::statusWord(*self, 0)) / 100); }));

    const bool withClass = hasFireClass(*this);
    if (withClass) {
        children.push_back(Node::enumeration(
            QStringLiteral("classFireAlarm"), tr("Detector class"),
            [self] {
                return QVariant(
                    R::lastPosition(FireClassCodes, R::settingsByte(*self, FireClassOffset)));
            },
            [self](const QVariant &value) {
                R::setSettingsByte(*self, FireClassOffset, quint8(value.toInt()));
                self->writeToDevice();
            },
            &SensorOptionLists::fireClasses, [] { return FireClassCodes; }));
        children.push_back(Node::integer(
            QStringLiteral("fireAlarmTemperature"), tr("Fire Alarm threshold"), degrees,
            [self] { return QVariant(int(R::settingsByte(*self, FireTemperatureOffset))); },
            [self](const QVariant &value) {
                R::setSettingsByte(*self, FireTemperatureOffset, quint8(value.toInt()));
                self->writeToDevice();
            },
            51, 85));
    }

    children.push_back(Node::enumeration(
        QStringLiteral("temperature_event_mode"), tr("Notification mode"),
        [self] {
            return QVariant(
                R::lastPosition(TemperatureModes, R::settingsWord(*self, TemperatureModeOffset)));
        },
        [self](const QVariant &value) {
            R::setSettingsWord(*self, TemperatureModeOffset, quint16(value.toInt()));
            self->writeToDevice();
        },
        &SensorOptionLists::temperatureEventModes, [] { return TemperatureModes; }));

    Node maximum = Node::integer(
        QStringLiteral("max_temperature_threshold"), tr("Max temp threshold"), degrees,
        [self] { return QVariant(wholeDegrees(*self, MaxThresholdOffset)); },
        thresholdSetter(MaxThresholdOffset), -30, 55);
    if (!mode(*this, 1, 3))
        maximum.setter = nullptr;
    Node minimum = Node::integer(
        QStringLiteral("min_temperature_threshold"), tr("Min  temp threshold"), degrees,
        [self] { return QVariant(wholeDegrees(*self, MinThresholdOffset)); },
        thresholdSetter(MinThresholdOffset), -30, 55);
    if (!mode(*this, 2, 3))
        minimum.setter = nullptr;
    Node hysteresis = Node::integer(
        QStringLiteral("tempHysteresis"), tr("Temperature Hysteresis"), degrees,
        [self] { return QVariant(wholeDegrees(*self, HysteresisOffset)); },
        thresholdSetter(HysteresisOffset), 1, 20);
    hysteresis.enabled = R::settingsWord(*this, TemperatureModeOffset) != 0;
    children.push_back(maximum);
    children.push_back(minimum);
    children.push_back(hysteresis);

    children.push_back(Node::readOnlyEnumeration(
        QStringLiteral("ipError"), tr("Sensor error", "ip sensor"),
        [self] { return QVariant(int(qint8(R::statusByte(*self, 3))) + 65); },
        &SensorOptionLists::thermistorErrors));
    return Node::group(QStringLiteral("ip_group"), tr("IP"), std::move(children));
}

Sensor::SensorProperty::Setter Sensor::thresholdSetter(int offset)
{
    Sensor *self = this;
    return [self, offset](const QVariant &value) {
        R::setSettingsWord(*self, offset, hundredths(value));
        self->writeToDevice();
    };
}

Sensor::SensorProperty Sensor::flarexGroup()
{
    Sensor *self = this;
    const auto bitEnumeration = [self](const QString &tag, const QString &caption, int bit,
                                       SensorProperty::CaptionsGetter captions) {
        return Node::enumeration(
            tag, caption, [self, bit] { return QVariant(flameBit(*self, bit) ? 1 : 0); },
            [self, bit](const QVariant &value) { setFlameBit(*self, bit, value.toInt() & 1); },
            std::move(captions),
            [] {
                return QVector<int>{0, 1};
            });
    };
    const auto bitSwitch = [self](const QString &tag, const QString &caption, int bit) {
        return Node::boolean(
            tag, caption, [self, bit] { return QVariant(flameBit(*self, bit) ? 1 : 0); },
            [self, bit](const QVariant &value) { setFlameBit(*self, bit, value.toBool()); },
            {tr("Off"), tr("On")});
    };
    return Node::group(
        QStringLiteral("flarex_group"), tr("Flarex609"),
        {bitEnumeration(QStringLiteral("detection_range"), tr("Detection range"), 0,
                        &SensorOptionLists::flameDetectionRanges),
         bitEnumeration(QStringLiteral("detection_time"), tr("Detection time "), 1,
                        &SensorOptionLists::flameDetectionTimes),
         bitSwitch(QStringLiteral("black_body_mod_filter"), tr("Black body mod filter"), 2),
         bitSwitch(QStringLiteral("active_mode"), tr("Active mode"), 3),
         bitSwitch(QStringLiteral("Attention_1"), tr("Attention UV"), 4),
         bitSwitch(QStringLiteral("Attention_2"), tr("Attention IK"), 5)});
}

void Sensor::refreshIpProperties(SensorProperty &root, const s_ExtMemDataSensor &)
{
    // The record is already the device's own, so its fields are read from the device.
    SensorProperty *group = findProperty(root, QStringLiteral("ip_group"));
    if (!group)
        return;
    SensorProperty *modeNode = findProperty(*group, QStringLiteral("temperature_event_mode"));
    SensorProperty *minimum = findProperty(*group, QStringLiteral("min_temperature_threshold"));
    SensorProperty *maximum = findProperty(*group, QStringLiteral("max_temperature_threshold"));
    if (modeNode && minimum && maximum) {
        minimum->setter = mode(*this, 2, 3) ? thresholdSetter(MinThresholdOffset) : nullptr;
        maximum->setter = mode(*this, 1, 3) ? thresholdSetter(MaxThresholdOffset) : nullptr;
        const qint16 h = qint16(wholeDegrees(*this, HysteresisOffset));
        qint16 upper = qint16(wholeDegrees(*this, MaxThresholdOffset) - h);
        qint16 lower = qint16(wholeDegrees(*this, MinThresholdOffset) + h);
        if (upper <= -10)
            upper = -9;
        if (upper >= 55)
            upper = 55;
        if (lower >= 55)
            lower = 54;
        else if (lower <= -10)
            lower = -10;
        minimum->maximum = upper;
        maximum->minimum = lower;
        emit rangesUpdated(lower, upper, QStringLiteral("ip_group"));
    }
    setPropertyEnabled(root, QStringLiteral("min_case_Open_Check"), QStringLiteral("main"),
                       firmwareVersion() > QVersionNumber(1, 28));
    setPropertyEnabled(root, QStringLiteral("tempHysteresis"), QStringLiteral("ip_group"),
                       R::settingsWord(*this, TemperatureModeOffset) != 0);

    SensorProperty *fireClass = findProperty(*group, QStringLiteral("classFireAlarm"));
    SensorProperty *temperature = findProperty(*group, QStringLiteral("fireAlarmTemperature"));
    if (!fireClass || !temperature || !hasFireClass(*this))
        return;
    const int code = R::settingsByte(*this, FireClassOffset);
    const bool custom = code == 9 || code == 19;
    temperature->enabled = custom;
    const int prescribed = FireClassCodes.contains(code) ? classTemperature(code) : 0;
    // A device whose temperature disagrees with its fixed class is put right, once.
    if (!custom && prescribed != 0 && temperature->value().toInt() != prescribed)
        temperature->setValue(prescribed);
}
