#include "app/Overmind.h"
#include "link/Protocol.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "radio/params/SensorFields.h"
#include "radio/params/SensorValueRoutines.h"

#include <QCoreApplication>
#include <QPointer>
#include <cmath>

namespace {
using R = SensorValueRoutines;
namespace F = SensorFields;

constexpr int InputConfig = 132;
constexpr quint32 WaterLeakFlag = 1u << 16;

QString tr(const char *text, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate("Sensor", text, disambiguation);
}

int inputConfig(const Sensor &device)
{
    return F::settings<quint8>(device, InputConfig);
}

QStringList lineStates(int sensorType)
{
    if (sensorType == 0)
        return {tr("None"), tr("Short circuit"), tr("Low res"), tr("High res"), tr("Open circuit")};
    if (sensorType == 1)
        return {tr("None"), tr("Closed"), tr("Low res"), tr("High res"), tr("Unclosed")};
    return {};
}

QStringList litresCaptions()
{
    return {tr("1 l/pulse"), tr("10 l/pulse"), tr("100 l/pulse"), tr("1000 l/pulse")};
}

const QVector<int> &litresValues()
{
    static const QVector<int> values{1, 10, 100, 1000};
    return values;
}

int positionOf(const QVector<int> &values, qint64 value)
{
    const int at = values.indexOf(int(value));
    return at < 0 || qint64(values.at(at)) != value ? 0 : at;
}

// A byte-wide enumeration stored as its code.
Sensor::SensorProperty byteEnumeration(Sensor &device, const QString &tag, const QString &caption,
                                       int offset, const QStringList &captions,
                                       const QVector<int> &codes)
{
    Sensor *self = &device;
    return Sensor::SensorProperty::enumeration(
        tag, caption,
        [self, offset, codes] {
            return QVariant(positionOf(codes, F::settings<quint8>(*self, offset)));
        },
        [self, offset](const QVariant &value) {
            F::setSettings<quint8>(*self, offset, quint8(value.toInt()));
            self->writeToDevice();
        },
        [captions] { return captions; }, [codes] { return codes; });
}

Sensor::SensorProperty litresPerPulse(Sensor &device, const QString &caption, int offset)
{
    Sensor *self = &device;
    return Sensor::SensorProperty::enumeration(
        offset == 120 ? QStringLiteral("WaterIn1VolumeLToPulse")
                      : QStringLiteral("WaterIn2VolumeLToPulse"),
        caption,
        [self, offset] {
            return QVariant(positionOf(litresValues(), F::settings<quint32>(*self, offset)));
        },
        [self, offset](const QVariant &value) {
            F::setSettings<quint32>(*self, offset, quint32(value.toInt()));
            self->writeToDevice();
        },
        &litresCaptions, [] { return litresValues(); });
}

QString volumeText(quint64 litres)
{
    return QString::number(double(litres) / 1000.0, 'f', 3) + QStringLiteral(" m³");
}

Sensor::SensorProperty *childByTag(Sensor::SensorProperty *group, const QString &tag)
{
    if (!group)
        return nullptr;
    for (Sensor::SensorProperty &child : group->children)
        if (child.tag == tag)
            return &child;
    return nullptr;
}

void enableNode(Sensor::SensorProperty *node, bool enabled)
{
    if (node)
        node->enabled = enabled ? 1 : 0;
}

struct InputFields
{
    int sensorType; // settings offset
    int impulses;   // status offsets
    int volume;
    int lineState;
};

InputFields inputFields(int input)
{
    return input == 1 ? InputFields{133, 24, 0, 36} : InputFields{134, 28, 8, 37};
}

QString inputCaption(int input, bool disabled)
{
    if (input == 1)
        return disabled ? tr("Input 1 (Disabled)") : tr("Input 1 (Low frequency)");
    return disabled ? tr("Input 2 (Disabled)") : tr("Input 2 (Low frequency)");
}

void makeHighFrequencyNode(Sensor &device, Sensor::SensorProperty &node)
{
    Sensor *self = &device;
    node.caption = tr("High frequency counter");
    node.getter = [self] {
        if (inputConfig(*self) != 3)
            return QVariant(QString());
        return QVariant(QStringLiteral("%1 %2").arg(QString::number(F::status<quint32>(*self, 32)),
                                                    tr("pulses")));
    };
    node.colourGetter = nullptr;
}

void makeLeakNode(Sensor &device, Sensor::SensorProperty &node)
{
    Sensor *self = &device;
    node.caption = tr("Water leakage sensor");
    node.getter = [self] {
        const bool leak = R::statusFlags(*self) & WaterLeakFlag;
        return QVariant(leak ? tr("Water leakage") : tr("No water leakage"));
    };
    node.colourGetter = [self] {
        const bool leak = R::statusFlags(*self) & WaterLeakFlag;
        return R::noted(*self, leak ? R::AlarmColour : R::NoColour);
    };
}
} // namespace

Sensor::SensorProperty Sensor::asrGroup()
{
    Sensor *self = this;
    const int config = inputConfig(*this);
    const bool highFrequency = config == 3;

    const QStringList configCaptions{tr("Low frequency (water meters)"),
                                     tr("Low frequency meter and leak detector"),
                                     tr("High frequency")};
    SensorProperty sensorsConfig = SensorProperty::enumeration(
        QStringLiteral("sensors_config"), tr("Sensors config"),
        [self] {
            const int stored = inputConfig(*self);
            return QVariant(stored >= 1 && stored <= 3 ? stored - 1 : 0);
        },
        [self](const QVariant &value) {
            // Only the three captions' positions mean anything to the device.
            const int position = value.toInt();
            if (position < 0 || position > 2)
                return;
            F::setSettings<quint8>(*self, InputConfig, quint8(position + 1));
            self->writeToDevice();
        },
        [configCaptions] { return configCaptions; },
        [] {
            return QVector<int>{0, 1, 2, 3};
        });

    const QStringList sensorTypes{tr("Relay"), tr("NAMUR")};
    SensorProperty type1 = byteEnumeration(*this, QStringLiteral("Water_sensor_type_1"),
                                           tr("Water sensor 1 type"), 133, sensorTypes, {0, 1});
    SensorProperty type2 = byteEnumeration(*this, QStringLiteral("Water_sensor_type_2"),
                                           tr("Water sensor 2 type"), 134, sensorTypes, {0, 1});
    SensorProperty poll = byteEnumeration(*this, QStringLiteral("Water_sensor_poll_period"),
                                          tr("Measure frequency"), 136,
                                          {tr("300 pulses/hour"), tr("500 pulses/hour"),
                                           tr("3000 pulses/hour"), tr("5000 pulses/hour")},
                                          {0, 1, 2, 3});
    poll.colourGetter = [self] {
        const int period = F::settings<quint8>(*self, 136);
        return R::noted(*self, period == 2 || period == 3 ? R::WarningColour : R::NoColour);
    };
    SensorProperty litres1 = litresPerPulse(*this, tr("Water sensor 1 liter per impulse"), 120);
    SensorProperty litres2 = litresPerPulse(*this, tr("Water sensor 2 liter per impulse"), 124);

    const QVector<int> priceValues{1000, 100, 10, 1};
    SensorProperty price = SensorProperty::enumeration(
        QStringLiteral("highFreqPulsePrice"), tr("High frequency pulse price"),
        [self, priceValues] {
            return QVariant(positionOf(priceValues, F::settings<quint32>(*self, 128)));
        },
        [self](const QVariant &value) {
            const double price = value.toDouble();
            if (!std::isfinite(price) || price < 0 || price > 4294967295.0)
                return;
            F::setSettings<quint32>(*self, 128, quint32(price));
            self->writeToDevice();
        },
        [] {
            return QStringList{QStringLiteral("1"), QStringLiteral("0.1"), QStringLiteral("0.01"),
                               QStringLiteral("0.001")};
        },
        [priceValues] { return priceValues; });

    SensorProperty setCounters = SensorProperty::actionButton(
        QStringLiteral("setAsrCounter"), tr("Set counters values"),
        tr("Install", "ASRButtonSetAsrCounter"), [self](const QVariant &) {
            if (isViewingMode())
                return;
            self->sendPulseCounterValues();
        });

    for (SensorProperty *node : {&type1, &type2, &poll, &litres1, &litres2})
        node->enabled = highFrequency ? 0 : 1;
    price.enabled = highFrequency ? 1 : 0;

    return SensorProperty::group(
        QStringLiteral("ASR_group"), tr("ASR"),
        {sensorsConfig, type1, type2, poll, litres1, litres2, price, setCounters});
}

void Sensor::sendPulseCounterValues()
{
    // The dialog runs its own event loop; the device may leave meanwhile.
    const Sensor::SPtr keep = listedSelf();
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return;
    QPointer<Sensor> alive(this);
    const QByteArray block = overmind->showPulseCountersDialog(
        type(), F::status<quint32>(*this, 24), F::status<quint32>(*this, 28),
        F::status<quint32>(*this, 32), F::settings<quint32>(*this, 120),
        F::settings<quint32>(*this, 124), F::settings<quint32>(*this, 128),
        F::settings<quint8>(*this, InputConfig));
    if (!alive || block.size() != 16 || quint8(block.at(12)) == 0xFF)
        return;
    if (Protocol *link = overmind->protocol())
        link->sendToDevice(_MenuDataSensorCommand16A, m_id,
                           reinterpret_cast<const quint8 *>(block.constData()), block.size());
}

Sensor::SensorProperty Sensor::asrInputGroup(int input)
{
    Sensor *self = this;
    const InputFields fields = inputFields(input);
    const int sensorType = F::settings<quint8>(*this, fields.sensorType);
    const int config = inputConfig(*this);

    SensorProperty counter = SensorProperty::readOnlyInteger(
        QStringLiteral("counter"), tr("Impulses"), QString(),
        [self, fields] { return QVariant(F::status<quint32>(*self, fields.impulses)); });
    SensorProperty value =
        SensorProperty::readOnlyString(QStringLiteral("value"), tr("Value"), [self, fields] {
            return QVariant(volumeText(F::status<quint64>(*self, fields.volume)));
        });
    SensorProperty state = SensorProperty::readOnlyEnumeration(
        QStringLiteral("status"), tr("Status"),
        [self, fields] { return QVariant(int(F::status<quint8>(*self, fields.lineState))); },
        lineStates(sensorType));
    state.colourGetter = [self, fields] {
        const bool fault = F::status<quint8>(*self, fields.lineState) != 0;
        return R::noted(*self, fault ? R::WarningColour : R::NoColour);
    };

    QString caption = inputCaption(input, false);
    if (sensorType == 0) {
        state.enabled = 0;
    } else if (sensorType == 1) {
        counter.enabled = 0;
        value.enabled = 0;
        state.enabled = config != 3 ? 1 : 0;
    }
    if (config == 1 || config == 2) {
        counter.enabled = 1;
        value.enabled = 1;
    } else if (config == 3) {
        counter.enabled = 0;
        value.enabled = 0;
        caption = inputCaption(input, true);
    }
    return SensorProperty::group(input == 1 ? QStringLiteral("ASR_input_1")
                                            : QStringLiteral("ASR_input_2"),
                                 caption, {counter, value, state});
}

Sensor::SensorProperty Sensor::asrInput1Group()
{
    return asrInputGroup(1);
}

Sensor::SensorProperty Sensor::asrInput2Group()
{
    return asrInputGroup(2);
}

Sensor::SensorProperty Sensor::asrInput3Group()
{
    Sensor *self = this;
    const int config = inputConfig(*this);
    SensorProperty input3 =
        SensorProperty::readOnlyString(QStringLiteral("Input_3"), QString(), nullptr);
    SensorProperty value =
        SensorProperty::readOnlyString(QStringLiteral("Input_3_value"), tr("Value"), [self] {
            if (inputConfig(*self) != 3)
                return QVariant(QString());
            const double amount = double(F::status<quint32>(*self, 32)) *
                                  double(F::settings<quint32>(*self, 128)) / 1000.0;
            return QVariant(QString::number(amount, 'g', 6));
        });
    QString suffix;
    switch (config) {
    case 3:
        makeHighFrequencyNode(*this, input3);
        suffix = tr("(High Frequency)");
        break;
    case 2:
        makeLeakNode(*this, input3);
        value.enabled = 0;
        suffix = tr("(Water leakage sensor)");
        break;
    case 1:
        makeLeakNode(*this, input3);
        input3.enabled = 0;
        value.enabled = 0;
        suffix = tr("(Disabled)");
        break;
    default:
        // Without a known configuration the group stays empty for the device's life.
        return SensorProperty::group(QStringLiteral("ASR_input_3"), tr("Input 3 "), {});
    }
    return SensorProperty::group(QStringLiteral("ASR_input_3"), tr("Input 3 ") + suffix,
                                 {input3, value});
}

Sensor::SensorProperty Sensor::asr1Group()
{
    Sensor *self = this;
    SensorProperty litres = SensorProperty::enumeration(
        QStringLiteral("WaterIn1VolumeLToPulse"), tr("Water sensor liter per impulse"),
        [self] {
            const float stored = F::settings<float>(*self, 120);
            // A value the device should never hold matches no option; converting it
            // to an integer would be undefined.
            if (!std::isfinite(stored) || stored < 0.0f || stored > 1.0e6f)
                return QVariant(0);
            return QVariant(positionOf(litresValues(), qint64(stored)));
        },
        [self](const QVariant &value) {
            F::setSettings<float>(*self, 120, float(value.toInt()));
            self->writeToDevice();
        },
        &litresCaptions, [] { return litresValues(); });
    SensorProperty impulses =
        SensorProperty::readOnlyInteger(QStringLiteral("input1"), tr("Impulses"), QString(),
                                        [self] { return QVariant(F::status<quint32>(*self, 8)); });
    return SensorProperty::group(QStringLiteral("ASR1_group"), tr("Input 1"), {litres, impulses});
}

Sensor::SensorProperty Sensor::asrIsp1Group()
{
    Sensor *self = this;
    SensorProperty number = SensorProperty::readOnlyString(
        QStringLiteral("CounterNumber"), tr("Counter number"),
        [self] { return QVariant(QString::number(F::status<quint64>(*self, 0))); });
    SensorProperty volume = SensorProperty::readOnlyReal(
        QStringLiteral("waterCounter"), tr("Water counter m³"), QStringLiteral(" m³"), [self] {
            const float cubic = float(F::status<quint32>(*self, 12)) / 1000.0f;
            return QVariant(double(cubic));
        });
    volume.decimals = 3;
    return SensorProperty::group(QStringLiteral("ASR_isp1_group"), tr("Water counter"),
                                 {number, volume});
}

void Sensor::refreshAsrProperties(SensorProperty &root, const s_ExtMemDataSensor &record)
{
    SensorProperty *input1 = findProperty(root, QStringLiteral("ASR_input_1"));
    SensorProperty *input2 = findProperty(root, QStringLiteral("ASR_input_2"));
    SensorProperty *input3 = findProperty(root, QStringLiteral("ASR_input_3"));
    if (!input1 || !input2 || !input3)
        return;
    const auto *bytes = reinterpret_cast<const quint8 *>(&record);
    const int config = bytes[InputConfig];

    if (config >= 1 && config <= 3) {
        input1->caption = inputCaption(1, config == 3);
        input2->caption = inputCaption(2, config == 3);
        input3->caption = tr("Input 3 ") + (config == 3   ? tr("(High Frequency)")
                                            : config == 2 ? tr("(Water leakage sensor)")
                                                          : tr("(Disabled)"));
    }

    if (SensorProperty *asr = findProperty(root, QStringLiteral("ASR_group"))) {
        for (const char *tag :
             {"Water_sensor_type_1", "Water_sensor_type_2", "Water_sensor_poll_period",
              "WaterIn1VolumeLToPulse", "WaterIn2VolumeLToPulse"})
            enableNode(childByTag(asr, QLatin1String(tag)), config != 3);
        enableNode(childByTag(asr, QStringLiteral("highFreqPulsePrice")), config == 3);
    }

    SensorProperty *counter1 = childByTag(input1, QStringLiteral("counter"));
    SensorProperty *counter2 = childByTag(input2, QStringLiteral("counter"));
    enableNode(childByTag(input1, QStringLiteral("value")), config != 3);
    enableNode(childByTag(input2, QStringLiteral("value")), config != 3);
    for (int input : {1, 2}) {
        SensorProperty *group = input == 1 ? input1 : input2;
        const int sensorType = bytes[inputFields(input).sensorType];
        SensorProperty *state = childByTag(group, QStringLiteral("status"));
        SensorProperty *counter = input == 1 ? counter1 : counter2;
        if (sensorType == 0) {
            enableNode(state, false);
            enableNode(counter, true);
        } else if (sensorType == 1) {
            enableNode(state, config != 3);
            enableNode(counter, false);
        }
        if (state) {
            const QStringList captions = lineStates(sensorType);
            state->captionsGetter = [captions] { return captions; };
        }
    }

    SensorProperty *third = childByTag(input3, QStringLiteral("Input_3"));
    SensorProperty *thirdValue = childByTag(input3, QStringLiteral("Input_3_value"));
    if (!third || !thirdValue)
        return;
    switch (config) {
    case 3:
        enableNode(third, true);
        enableNode(thirdValue, true);
        makeHighFrequencyNode(*this, *third);
        enableNode(counter1, false);
        enableNode(counter2, false);
        break;
    case 2:
        enableNode(thirdValue, false);
        enableNode(third, true);
        makeLeakNode(*this, *third);
        enableNode(counter1, true);
        enableNode(counter2, true);
        break;
    case 1:
        enableNode(third, false);
        enableNode(thirdValue, false);
        enableNode(counter1, true);
        enableNode(counter2, true);
        break;
    default:
        break;
    }
}
