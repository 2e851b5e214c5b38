// Groups of the thermo-hygrometer and the CO sensor: current values, references and the
// event bands with their thresholds and hysteresis.
#include "radio/Sensor.h"
#include "radio/params/SensorValueRoutines.h"

#include <cmath>

namespace {
using R = SensorValueRoutines;
using Node = SensorProperty;

constexpr int EventFlagsByte = 142;

double hundredths(qint16 raw)
{
    return raw / 100.0;
}

double settingsValue(const Sensor &device, int offset)
{
    return hundredths(qint16(R::settingsWord(device, offset)));
}

double statusValue(const Sensor &device, int offset)
{
    return hundredths(qint16(R::statusWord(device, offset)));
}

bool eventBit(const Sensor &device, int bit)
{
    return R::settingsByte(device, EventFlagsByte) & (1u << bit);
}

// Stores hundredths of a unit; the editor keeps values within the row's limits, anything
// else (a value from elsewhere) is held to them rather than wrapped into the 16-bit field.
void storeHundredths(Sensor &device, int offset, double value, double minimum, double maximum)
{
    if (!std::isfinite(value))
        return;
    const double held = std::min(std::max(value, minimum), maximum);
    R::setSettingsWord(device, offset, quint16(qint16(std::lround(held * 100.0))));
    device.writeToDevice();
}

Node referenceNode(Sensor &device, const QString &tag, const QString &suffix, int offset,
                   double minimum, double maximum)
{
    Sensor *self = &device;
    return Node::real(
        tag, Sensor::tr("Reference"), suffix,
        [self, offset] { return QVariant(settingsValue(*self, offset)); },
        [self, offset, minimum, maximum](const QVariant &value) {
            storeHundredths(*self, offset, value.toDouble(), minimum, maximum);
        },
        minimum, maximum);
}

// Thresholds and hysteresis hold whole units only.
Node wholeUnitNode(Sensor &device, const QString &tag, const QString &caption,
                   const QString &suffix, int offset, double minimum, double maximum, bool enabled)
{
    Sensor *self = &device;
    Node node = Node::real(
        tag, caption, suffix, [self, offset] { return QVariant(settingsValue(*self, offset)); },
        [self, offset, minimum, maximum](const QVariant &value) {
            const double units = value.toDouble();
            if (std::isfinite(units))
                storeHundredths(*self, offset, std::round(units), minimum, maximum);
        },
        minimum, maximum);
    node.enabled = enabled;
    return node;
}

Node eventNode(Sensor &device, const QString &tag, const QString &caption, int bit)
{
    Sensor *self = &device;
    return Node::boolean(
        tag, caption, [self, bit] { return QVariant(eventBit(*self, bit)); },
        [self, bit](const QVariant &value) {
            quint8 flags = R::settingsByte(*self, EventFlagsByte);
            if (value.toBool())
                flags = quint8(flags | (1u << bit));
            else
                flags = quint8(flags & ~(1u << bit));
            R::setSettingsByte(*self, EventFlagsByte, flags);
            self->writeToDevice();
        },
        {Sensor::tr("Off"), Sensor::tr("On")});
}

Node currentNode(Sensor &device, const QString &tag, const QString &suffix, int offset)
{
    Sensor *self = &device;
    return Node::readOnlyReal(tag, Sensor::tr("Current"), suffix,
                              [self, offset] { return QVariant(statusValue(*self, offset)); });
}

Node eventsGroup(const QString &tag, const QString &caption, std::vector<Node> children)
{
    Node group = Node::group(tag, caption, std::move(children));
    group.expanded = 0;
    return group;
}

struct Band
{
    const char *group;
    const char *maxThreshold;
    const char *minThreshold;
    const char *hysteresis;
    int maxBit;
    int minBit;
    int maxOffset;
    int minOffset;
    int hysteresisOffset;
    int lowEnd;
    int highEnd;
};

const Band temperatureBand{"vti_temperature_group",
                           "max_temperature_threshold",
                           "min_temperature_threshold",
                           "tempHysteresis",
                           0,
                           1,
                           120,
                           122,
                           124,
                           -10,
                           55};
const Band humidityBand{"vti_humidity_group",
                        "max_humidity_threshold",
                        "min_humidity_threshold",
                        "humidityHysteresis",
                        2,
                        3,
                        128,
                        130,
                        132,
                        10,
                        90};
} // namespace

Sensor::SensorProperty Sensor::temperatureGroup()
{
    const QString suffix = tr(" ℃");
    return Node::group(
        QStringLiteral("temperature"), tr("Temperature"),
        {currentNode(*this, QStringLiteral("temperature_feedback"), suffix, 0),
         referenceNode(*this, QStringLiteral("temperature_reference"), suffix, 126, -10.0, 55.0)});
}

Sensor::SensorProperty Sensor::humidityGroup()
{
    const QString suffix = tr(" %");
    return Node::group(
        QStringLiteral("humidity"), tr("Humidity"),
        {currentNode(*this, QStringLiteral("humidity_feedback"), suffix, 4),
         referenceNode(*this, QStringLiteral("humidity_reference"), suffix, 134, 10.0, 90.0)});
}

Sensor::SensorProperty Sensor::coGroup()
{
    const QString suffix = tr(" ppm");
    return Node::group(
        QStringLiteral("co"), tr("CO"),
        {currentNode(*this, QStringLiteral("co_feedback"), suffix, 16),
         referenceNode(*this, QStringLiteral("co_reference"), suffix, 140, 5.0, 90.0)});
}

Sensor::SensorProperty Sensor::temperatureEventsGroup()
{
    const QString suffix = tr(" ℃");
    const bool maxOn = eventBit(*this, 0);
    const bool minOn = eventBit(*this, 1);
    return eventsGroup(
        QStringLiteral("vti_temperature_group"), tr("▶ Temperature events"),
        {eventNode(*this, QStringLiteral("max_temperature_event_enable"), tr("Max temp event"), 0),
         wholeUnitNode(*this, QStringLiteral("max_temperature_threshold"), tr("Max temp threshold"),
                       suffix, 120, -10.0, 55.0, maxOn),
         eventNode(*this, QStringLiteral("min_temperature_event_enable"), tr("Min temp event"), 1),
         wholeUnitNode(*this, QStringLiteral("min_temperature_threshold"), tr("Min temp threshold"),
                       suffix, 122, -10.0, 55.0, minOn),
         wholeUnitNode(*this, QStringLiteral("tempHysteresis"), tr("Temperature hysteresis"),
                       suffix, 124, 1.0, 20.0, maxOn || minOn)});
}

Sensor::SensorProperty Sensor::humidityEventsGroup()
{
    const QString suffix = tr(" %");
    const bool maxOn = eventBit(*this, 2);
    const bool minOn = eventBit(*this, 3);
    return eventsGroup(
        QStringLiteral("vti_humidity_group"), tr("▶ Humidity events"),
        {eventNode(*this, QStringLiteral("max_humidity_event_enable"), tr("Max humidity event"), 2),
         wholeUnitNode(*this, QStringLiteral("max_humidity_threshold"),
                       tr("Max humidity threshold"), suffix, 128, 10.0, 90.0, maxOn),
         eventNode(*this, QStringLiteral("min_humidity_event_enable"), tr("Min humidity event"), 3),
         wholeUnitNode(*this, QStringLiteral("min_humidity_threshold"),
                       tr("Min humidity threshold"), suffix, 130, 10.0, 90.0, minOn),
         wholeUnitNode(*this, QStringLiteral("humidityHysteresis"), tr("Humidity hysteresis"),
                       suffix, 132, 1.0, 20.0, maxOn || minOn)});
}

Sensor::SensorProperty Sensor::coEventsGroup()
{
    const QString suffix = tr(" ppm");
    const bool on = eventBit(*this, 4);
    return eventsGroup(
        QStringLiteral("vti_co_group"), tr("▶ CO events"),
        {eventNode(*this, QStringLiteral("max_co_event_enable"), tr("MaxCO event"), 4),
         wholeUnitNode(*this, QStringLiteral("max_co_threshold"), tr("Max CO threshold"), suffix,
                       136, 5.0, 90.0, on),
         wholeUnitNode(*this, QStringLiteral("COHysteresis"), tr("CO hysteresis"), suffix, 138, 1.0,
                       20.0, on)});
}

namespace {
// Keeps the band at least one hysteresis wide while both edges are on; otherwise both
// thresholds get the full range back, so a view built later from the nodes is not left
// with limits of a band that no longer exists.
void refreshBand(Sensor &device, SensorProperty &root, const s_ExtMemDataSensor &record,
                 const Band &band)
{
    const QString groupTag = QString::fromLatin1(band.group);
    SensorProperty *group = Sensor::findProperty(root, groupTag);
    if (!group)
        return;
    SensorProperty *maxNode = Sensor::findProperty(*group, QString::fromLatin1(band.maxThreshold));
    SensorProperty *minNode = Sensor::findProperty(*group, QString::fromLatin1(band.minThreshold));
    if (!maxNode || !minNode)
        return;

    const auto *bytes = reinterpret_cast<const quint8 *>(&record);
    const auto field = [bytes](int offset) {
        return int(qint16(quint16(bytes[offset] | (bytes[offset + 1] << 8))));
    };
    const quint8 flags = bytes[EventFlagsByte];
    const bool maxOn = flags & (1u << band.maxBit);
    const bool minOn = flags & (1u << band.minBit);
    maxNode->enabled = maxOn;
    minNode->enabled = minOn;
    Sensor::setPropertyEnabled(root, QString::fromLatin1(band.hysteresis), groupTag,
                               maxOn || minOn);

    if (!(maxOn && minOn)) {
        minNode->maximum = band.highEnd;
        maxNode->minimum = band.lowEnd;
        emit device.rangesUpdated(band.lowEnd, band.highEnd, groupTag);
        return;
    }
    const int hysteresis = field(band.hysteresisOffset) / 100;
    int upper = field(band.maxOffset) / 100 - hysteresis;
    int lower = field(band.minOffset) / 100 + hysteresis;
    if (upper <= band.lowEnd)
        upper = band.lowEnd + 1;
    else if (upper >= band.highEnd)
        upper = band.highEnd;
    if (lower >= band.highEnd)
        lower = band.highEnd - 1;
    else if (lower <= band.lowEnd)
        lower = band.lowEnd;
    minNode->maximum = upper;
    maxNode->minimum = lower;
    emit device.rangesUpdated(lower, upper, groupTag);
}
} // namespace

void Sensor::refreshTemperatureEvents(SensorProperty &root, const s_ExtMemDataSensor &record)
{
    refreshBand(*this, root, record, temperatureBand);
}

void Sensor::refreshHumidityEvents(SensorProperty &root, const s_ExtMemDataSensor &record)
{
    refreshBand(*this, root, record, humidityBand);
}
