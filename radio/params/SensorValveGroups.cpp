#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/radio/SetKPValvesServiceTime.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "radio/params/SensorFields.h"
#include "radio/params/SensorValueRoutines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QMessageBox>
#include <QPointer>

namespace {
using R = SensorValueRoutines;
namespace F = SensorFields;

constexpr quint32 ExternalPowerFailFlag = 1u << 2;
constexpr quint32 LostFlag = 1u << 6;
constexpr int ValveDisabled = 9;

QString tr(const char *text, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate("Sensor", text, disambiguation);
}

bool isLost(const Sensor &device)
{
    return R::statusFlags(device) & LostFlag;
}

// Volts of a millivolt field, computed in single precision as the device's own display does.
float volts(const Sensor &device, int offset)
{
    return float(F::status<quint16>(device, offset)) / 1000.0f;
}

double supplyVolts(const Sensor &device)
{
    return F::status<quint16>(device, 92) / 1000.0;
}

QString voltsText(const Sensor &device, int offset, double threshold)
{
    if (isLost(device))
        return tr("0 V");
    const float value = volts(device, offset);
    // The single-precision value against a double threshold: 2100 mV stays below 2.1.
    if (double(value) < threshold)
        return tr("0 V");
    return QStringLiteral("%1 V").arg(double(value), 0, 'f', 2);
}

QStringList meterStates()
{
    return {QStringLiteral(" "),       tr("ShortCircuit"), tr("LowResistanceNamur"),
            tr("HighResistanceNamur"), tr("BreakCircuit"), tr("Normal", "KP"),
            QStringLiteral(" ")};
}

QStringList valveStates()
{
    return {tr("None", "KPValveState"),
            tr("Closed", "KPValveState"),
            tr("Open", "KPValveState"),
            tr("Closing", "KPValveState"),
            tr("Opening", "KPValveState"),
            tr("BreakOnOpening", "KPValveState"),
            tr("BreakOnClosing", "KPValveState"),
            tr("JammingOnOpening", "KPValveState"),
            tr("JammingOnClosing", "KPValveState"),
            tr("Disable", "KPValveState")};
}

bool valveActionEnabled(int state)
{
    return state == 1 || state == 2 || (state >= 5 && state <= 8);
}

QString valveActionText(int state)
{
    if (state == ValveDisabled)
        return QStringLiteral("...");
    const bool close = state == 2 || state == 6 || state == 8;
    return close ? tr("Close", "KPButtons") : tr("Open", "KPButtons");
}

QString enableText(bool enable)
{
    return enable ? tr("Enable", "kp") : tr("Disable", "kp");
}

QString leakControlText(const Sensor &device)
{
    const bool suspended = F::status<quint8>(device, 34) & 1;
    return suspended ? tr("Enable", "KP") : tr("Temporary disable");
}

void sendCommand(Sensor &device, quint8 kind, quint8 item)
{
    const quint8 payload[8] = {kind, item, 0, 0, 0, 0, 0, 0};
    if (Overmind *overmind = Overmind::instance())
        if (Protocol *link = overmind->protocol())
            link->sendToDevice(_MenuDataSensorCommand8, device.id(), payload, int(sizeof(payload)));
}

QString serialText(const Sensor &device, int offset)
{
    return QStringLiteral("%1").arg(F::settings<quint64>(device, offset), 13, 10, QLatin1Char('0'));
}

Sensor::SensorProperty byteEnumeration(Sensor &device, const QString &tag, const QString &caption,
                                       int offset, const QStringList &captions,
                                       const QVector<int> &codes)
{
    Sensor *self = &device;
    return Sensor::SensorProperty::enumeration(
        tag, caption,
        [self, offset, codes] {
            return QVariant(qMax(0, codes.indexOf(F::settings<quint8>(*self, offset))));
        },
        [self, offset](const QVariant &value) {
            F::setSettings<quint8>(*self, offset, quint8(value.toInt()));
            self->writeToDevice();
        },
        [captions] { return captions; }, [codes] { return codes; });
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

Sensor::SensorProperty::Setter unlessViewing(std::function<void()> action)
{
    return [action](const QVariant &) {
        Overmind *overmind = Overmind::instance();
        if (overmind && overmind->isViewingMode())
            return;
        action();
    };
}
} // namespace

Sensor::SPtr Sensor::listedSelf() const
{
    PartitionModel *partitions = model();
    if (!partitions)
        return nullptr;
    Sensor::SPtr listed = partitions->sensor(m_id);
    return listed.get() == this ? listed : nullptr;
}

Sensor::SensorProperty Sensor::kpPowerGroup()
{
    Sensor *self = this;
    SensorProperty mainVoltage =
        SensorProperty::readOnlyString(QStringLiteral("mainVoltage"), tr("External voltage"),
                                       [self] { return QVariant(voltsText(*self, 92, 2.1)); });
    SensorProperty extPower =
        SensorProperty::readOnlyString(QStringLiteral("extPower"), tr("External power"), [self] {
            if (isLost(*self) || supplyVolts(*self) < 2.1)
                return QVariant(tr("Absence"));
            return QVariant(R::statusFlags(*self) & ExternalPowerFailFlag ? tr("Fail") : tr("Ok"));
        });
    extPower.colourGetter = [self] {
        if (supplyVolts(*self) < 2.1)
            return R::noted(*self, R::WarningColour);
        return R::noted(*self, R::statusFlags(*self) & ExternalPowerFailFlag ? R::AlarmColour
                                                                             : R::NoColour);
    };
    SensorProperty accState = SensorProperty::readOnlyEnumeration(
        QStringLiteral("AccState"), tr("AccState"),
        [self] { return QVariant(int(F::status<quint8>(*self, 32))); },
        QStringList{tr("NoAcc"), tr("LowVoltage"), tr("Charging"), tr("Norm"), tr("NormCharging")});
    accState.colourGetter = [self] {
        return R::noted(*self, F::status<quint8>(*self, 32) <= 2 ? R::WarningColour : R::NoColour);
    };
    SensorProperty accVoltage =
        SensorProperty::readOnlyString(QStringLiteral("AccVoltage_mV"), tr("AccVoltage_mV"),
                                       [self] { return QVariant(voltsText(*self, 30, 0.2)); });
    return SensorProperty::group(QStringLiteral("KPPower_group"), tr("KP power"),
                                 {mainVoltage, extPower, accState, accVoltage});
}

Sensor::SensorProperty Sensor::kpCountersGroup()
{
    Sensor *self = this;
    SensorProperty type =
        byteEnumeration(*this, QStringLiteral("WaterCountersType"), tr("Water counters type"), 144,
                        {tr("Relay"), tr("NAMUR")}, {1, 2});
    SensorProperty poll = byteEnumeration(
        *this, QStringLiteral("WaterCounterPollPeriod"), tr("Water counter poll period"), 145,
        {tr("300 pulse/hour"), tr("500 pulse/hour"), tr("3000 pulse/hour"), tr("5000 pulse/hour")},
        {0, 1, 2, 3});
    const QVector<int> litresValues{1, 10, 100, 1000};
    SensorProperty litres = SensorProperty::enumeration(
        QStringLiteral("waterInVolumeLToPulse"), tr("Water sensor liter per impulse"),
        [self, litresValues] {
            const quint32 stored = F::settings<quint32>(*self, 140);
            return QVariant(stored > 1000 ? 0 : qMax(0, litresValues.indexOf(int(stored))));
        },
        [self](const QVariant &value) {
            const quint32 old = F::settings<quint32>(*self, 140);
            const quint32 chosen = quint32(value.toInt());
            F::setSettings<quint32>(*self, 140, chosen);
            if (chosen == old)
                return;
            QPointer<Sensor> alive(self);
            const QMessageBox::StandardButton answer = MessageBoxU::question(
                tr("The counter's values will be reset."), tr("Changing the setting"),
                QMessageBox::Ok | QMessageBox::Cancel);
            if (!alive)
                return;
            if (answer == QMessageBox::Ok)
                self->writeToDevice();
            else
                F::setSettings<quint32>(*self, 140, old);
        },
        [] {
            return QStringList{tr("1 l/pulse"), tr("10 l/pulse"), tr("100 l/pulse"),
                               tr("1000 l/pulse")};
        },
        [litresValues] { return litresValues; });

    auto meter = [this, self](int n) {
        const int volumeAt = n == 1 ? 0 : 8;
        const int stateAt = n == 1 ? 24 : 25;
        SensorProperty serial = SensorProperty::readOnlyString(
            n == 1 ? QStringLiteral("serialCntr1") : QStringLiteral("serialCntr2"),
            n == 1 ? tr("Serial number 1") : tr("Serial number 2"),
            [self, n] { return QVariant(serialText(*self, n == 1 ? 152 : 160)); });
        SensorProperty volume = SensorProperty::readOnlyReal(
            n == 1 ? QStringLiteral("waterCounter1Imp") : QStringLiteral("waterCounter2Imp"),
            n == 1 ? tr("Water counter 1 m³") : tr("Water counter 2 m³"), QStringLiteral(" m³"),
            [self, volumeAt] {
                return QVariant(double(F::status<quint64>(*self, volumeAt)) / 1000.0);
            });
        volume.decimals = 3;
        volume.singleStep = 0.001;
        const QString stateTag =
            n == 1 ? QStringLiteral("WaterCounter1State") : QStringLiteral("WaterCounter2State");
        SensorProperty state = SensorProperty::readOnlyEnumeration(
            stateTag, stateTag,
            [self, stateAt] { return QVariant(int(F::status<quint8>(*self, stateAt))); },
            &meterStates);
        state.caption = n == 1 ? tr("WaterCounter1State") : tr("WaterCounter2State");
        state.enabled = F::settings<quint8>(*this, 144) == 2 ? 1 : 0;
        state.colourGetter = [self, stateAt] {
            if (F::settings<quint8>(*self, 144) == 1)
                return R::noted(*self, R::NoColour);
            const int code = F::status<quint8>(*self, stateAt);
            return R::noted(*self, code == 1 || code == 4 ? R::WarningColour : R::NoColour);
        };
        return std::vector<SensorProperty>{serial, volume, state};
    };

    SensorProperty setCounters = SensorProperty::actionButton(
        QStringLiteral("setKpCounter"), tr("Set counters numbers and values"),
        tr("Install", "KPButtonSetKpCounter"),
        unlessViewing([self] { self->sendValveCounterValues(); }));

    auto control = [self](int n) {
        const int stateAt = n == 1 ? 24 : 25;
        const QString tag =
            n == 1 ? QStringLiteral("setKpControlCntr1") : QStringLiteral("setKpControlCntr2");
        SensorProperty button = SensorProperty::actionButton(
            tag, n == 1 ? tr("Counter 1 control") : tr("Counter 2 control"), QString(),
            unlessViewing([self, tag, n] {
                emit self->updateState(false, tag);
                qDebug() << (n == 1 ? "Send command to KP counter 1"
                                    : "Send command to KP counter 2");
                sendCommand(*self, 4, quint8(n));
            }));
        button.buttonTextGetter = [self, stateAt] {
            return enableText(F::status<quint8>(*self, stateAt) == 6);
        };
        button.captions = QStringList{button.buttonTextGetter()};
        return button;
    };

    std::vector<SensorProperty> children{type, poll, litres};
    for (SensorProperty &node : meter(1))
        children.push_back(node);
    for (SensorProperty &node : meter(2))
        children.push_back(node);
    children.push_back(setCounters);
    children.push_back(control(1));
    children.push_back(control(2));
    return SensorProperty::group(QStringLiteral("KPCounters_group"), tr("KP counters"),
                                 std::move(children));
}

void Sensor::sendValveCounterValues()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return;
    // The dialog runs its own event loop: the device may leave while it is open.
    const Sensor::SPtr keep = listedSelf();
    QPointer<Sensor> alive(this);
    QByteArray block(16, '\0');
    const quint32 volume1 = quint32(F::status<quint64>(*this, 0));
    const quint32 volume2 = quint32(F::status<quint64>(*this, 8));
    std::memcpy(block.data(), &volume1, 4);
    std::memcpy(block.data() + 4, &volume2, 4);
    const QByteArray result = overmind->showValveCountersDialog(
        m_id, *settingsData(), block, double(F::settings<quint32>(*this, 140)),
        serialText(*this, 152), serialText(*this, 160));
    if (!alive || result.size() != 16 || quint8(result.at(8)) == 0xFF)
        return;
    if (Protocol *link = overmind->protocol())
        link->sendToDevice(_MenuDataSensorCommand16B, m_id,
                           reinterpret_cast<const quint8 *>(result.constData()), result.size());
}

Sensor::SensorProperty Sensor::kpGroup()
{
    Sensor *self = this;
    SensorProperty loopBreak = byteEnumeration(
        *this, QStringLiteral("dzLoopBreakControl"), tr("Loop break control"), 146,
        {tr("Disable", "LoopBreakControl"), tr("Enable", "LoopBreakControl")}, {0, 1});
    auto leakState = [self](int n) {
        const int at = n == 1 ? 26 : 27;
        const QString tag = n == 1 ? QStringLiteral("WaterLeakageStatusSensor1")
                                   : QStringLiteral("WaterLeakageStatusSensor2");
        SensorProperty node = SensorProperty::readOnlyEnumeration(
            tag, n == 1 ? tr("WaterLeakageStatusSensor1") : tr("WaterLeakageStatusSensor2"),
            [self, at] { return QVariant(int(F::status<quint8>(*self, at))); },
            [] {
                return QStringList{tr("Disable", "KP"), tr("Normal", "KP"), tr("Alarm", "KP"),
                                   tr("OpenCircuit", "KP")};
            });
        node.colourGetter = [self, at] {
            const int code = F::status<quint8>(*self, at);
            return R::noted(*self, code == 2   ? R::AlarmColour
                                   : code == 3 ? R::WarningColour
                                               : R::NoColour);
        };
        return node;
    };
    SensorProperty leakControl =
        SensorProperty::actionButton(QStringLiteral("disableLeakageControl"), tr("DZ control"),
                                     leakControlText(*this), unlessViewing([self] {
                                         qDebug() << "disableLeakageControl clicked";
                                         sendCommand(*self, 2, 0);
                                     }));
    leakControl.buttonTextGetter = [self] { return leakControlText(*self); };
    SensorProperty alarm = SensorProperty::actionButton(
        QStringLiteral("disableAlarm"), tr("DZ alarm"), tr("Disable alarm", "KPButtonAlarmDisable"),
        unlessViewing([self] {
            qDebug() << "KP_ControlLeakageSoundDisable";
            sendCommand(*self, 1, 0);
        }));
    alarm.enabled = F::status<quint8>(*this, 26) == 2 || F::status<quint8>(*this, 27) == 2;
    auto control = [self](int n) {
        const int at = n == 1 ? 26 : 27;
        const QString tag =
            n == 1 ? QStringLiteral("setKpControlSens1") : QStringLiteral("setKpControlSens2");
        SensorProperty button = SensorProperty::actionButton(
            tag, n == 1 ? tr("Sensor 1 control") : tr("Sensor 2 control"), QString(),
            unlessViewing([self, tag, n] {
                emit self->updateState(false, tag);
                qDebug() << (n == 1 ? "Send command to KP sensor 1"
                                    : "Send command to KP sensor 2");
                sendCommand(*self, 4, quint8(n + 2));
            }));
        button.buttonTextGetter = [self, at] {
            return enableText(F::status<quint8>(*self, at) == 0);
        };
        button.captions = QStringList{button.buttonTextGetter()};
        return button;
    };
    return SensorProperty::group(
        QStringLiteral("KP_group"), tr("Sensors", "KP"),
        {loopBreak, leakState(1), leakState(2), leakControl, alarm, control(1), control(2)});
}

Sensor::SensorProperty Sensor::kpTapsGroup()
{
    Sensor *self = this;
    auto valve = [self](int n) {
        const int at = n == 1 ? 28 : 29;
        const QString stateTag =
            n == 1 ? QStringLiteral("Valve1State") : QStringLiteral("Valve2State");
        SensorProperty state = SensorProperty::readOnlyEnumeration(
            stateTag, n == 1 ? tr("Valve1State") : tr("Valve2State"),
            [self, at] { return QVariant(int(F::status<quint8>(*self, at))); }, &valveStates);
        state.colourGetter = [self, at] {
            const int code = F::status<quint8>(*self, at);
            return R::noted(*self, code >= 5 && code <= 8 ? R::WarningColour : R::NoColour);
        };
        SensorProperty action = SensorProperty::actionButton(
            n == 1 ? QStringLiteral("actionValve1") : QStringLiteral("actionValve2"),
            n == 1 ? tr("Action valve 1") : tr("Action valve 2"),
            valveActionText(F::status<quint8>(*self, at)), unlessViewing([self, at, n] {
                self->sendValveCommand(uchar(n - 1), F::status<quint8>(*self, at));
            }));
        action.buttonTextGetter = [self, at] {
            return valveActionText(F::status<quint8>(*self, at));
        };
        action.enabled = valveActionEnabled(F::status<quint8>(*self, at)) ? 1 : 0;
        return std::vector<SensorProperty>{state, action};
    };
    SensorProperty controlDz = SensorProperty::actionButton(
        QStringLiteral("control_dz"), tr("Control DZ"), tr("To configure"), unlessViewing([self] {
            QByteArray mask(16, '\0');
            std::memcpy(
                mask.data(),
                self->settingsData()->settings.privateSettings.valveController.leakSensorMask, 16);
            Overmind::instance()->showValveSubscriptionDialog(self->listedSelf(), mask);
        }));
    SensorProperty serviceTime =
        SensorProperty::readOnlyString(QStringLiteral("serviceTime"), tr("Service time"), [self] {
            const quint32 word = F::settings<quint32>(*self, 136);
            const QDate date = nextServiceDate(word);
            if (!date.isValid())
                return QVariant(QString());
            return QVariant(QDateTime(date, serviceTimeOfDay(word))
                                .toString(QStringLiteral("hh:mm dd.MM.yyyy")));
        });
    SensorProperty setServiceTime =
        SensorProperty::actionButton(QStringLiteral("setServiceTime"), tr("Set service time"),
                                     tr("Change"), unlessViewing([self] {
                                         Overmind *overmind = Overmind::instance();
                                         overmind->readDeviceTime();
                                         overmind->showValveServiceTimeDialog(
                                             self->listedSelf(), F::settings<quint32>(*self, 136));
                                     }));
    auto stateButton = [self](int n) {
        const int at = n == 1 ? 28 : 29;
        const QString tag =
            n == 1 ? QStringLiteral("setStateToValve1") : QStringLiteral("setStateToValve2");
        SensorProperty button = SensorProperty::actionButton(
            tag, n == 1 ? tr("Set state valve 1") : tr("Set state valve 2"), QString(),
            unlessViewing([self, tag, n] {
                emit self->updateState(false, tag);
                sendCommand(*self, 4, quint8(n + 4));
            }));
        button.buttonTextGetter = [self, at] {
            return enableText(F::status<quint8>(*self, at) == ValveDisabled);
        };
        button.captions = QStringList{button.buttonTextGetter()};
        return button;
    };
    std::vector<SensorProperty> children = valve(1);
    for (SensorProperty &node : valve(2))
        children.push_back(node);
    children.push_back(controlDz);
    children.push_back(serviceTime);
    children.push_back(setServiceTime);
    children.push_back(stateButton(1));
    children.push_back(stateButton(2));
    return SensorProperty::group(QStringLiteral("KPTaps_group"), tr("KP taps"),
                                 std::move(children));
}

void Sensor::refreshKpProperties(SensorProperty &root)
{
    SensorProperty *sensors = findProperty(root, QStringLiteral("KP_group"));
    if (!sensors)
        return;
    const int leak1 = F::status<quint8>(*this, 26);
    const int leak2 = F::status<quint8>(*this, 27);
    if (SensorProperty *alarm = childByTag(sensors, QStringLiteral("disableAlarm")))
        alarm->enabled = leak1 == 2 || leak2 == 2 ? 1 : 0;

    if (SensorProperty *control = childByTag(sensors, QStringLiteral("disableLeakageControl"))) {
        const bool suspended = F::status<quint8>(*this, 34) & 1;
        control->captions = QStringList{leakControlText(*this)};
        emit buttonTextUpdate(control->caption, leakControlText(*this));
        Sensor *self = this;
        control->setter =
            unlessViewing([self, suspended] { sendCommand(*self, suspended ? 3 : 2, 0); });
    }

    SensorProperty *taps = findProperty(root, QStringLiteral("KPTaps_group"));
    for (int n : {1, 2}) {
        const int state = F::status<quint8>(*this, n == 1 ? 28 : 29);
        SensorProperty *stateButton = childByTag(taps, n == 1 ? QStringLiteral("setStateToValve1")
                                                              : QStringLiteral("setStateToValve2"));
        SensorProperty *action = childByTag(taps, n == 1 ? QStringLiteral("actionValve1")
                                                         : QStringLiteral("actionValve2"));
        if (stateButton) {
            stateButton->captions = QStringList{enableText(state == ValveDisabled)};
            emit buttonTextUpdate(stateButton->caption, enableText(state == ValveDisabled));
        }
        if (action) {
            action->enabled = valveActionEnabled(state) ? 1 : 0;
            action->captions = QStringList{valveActionText(state)};
            emit buttonTextUpdate(action->caption, valveActionText(state));
        }
    }
    emit updateState(true, QStringLiteral("setStateToValve1"));
    emit updateState(true, QStringLiteral("setStateToValve2"));

    SensorProperty *counters = findProperty(root, QStringLiteral("KPCounters_group"));
    if (counters && childByTag(counters, QStringLiteral("WaterCountersType"))) {
        const bool namur = F::settings<quint8>(*this, 144) == 2;
        setPropertyEnabled(root, QStringLiteral("WaterCounter1State"),
                           QStringLiteral("KPCounters_group"), namur);
        setPropertyEnabled(root, QStringLiteral("WaterCounter2State"),
                           QStringLiteral("KPCounters_group"), namur);
        SensorProperty *c1 = childByTag(counters, QStringLiteral("setKpControlCntr1"));
        SensorProperty *c2 = childByTag(counters, QStringLiteral("setKpControlCntr2"));
        if (c1 && c2) {
            for (SensorProperty *button : {c1, c2}) {
                const int at = button == c1 ? 24 : 25;
                const QString text = enableText(F::status<quint8>(*this, at) == 6);
                button->captions = QStringList{text};
                emit buttonTextUpdate(button->caption, text);
            }
        }
        SensorProperty *s1 = childByTag(sensors, QStringLiteral("setKpControlSens1"));
        SensorProperty *s2 = childByTag(sensors, QStringLiteral("setKpControlSens2"));
        if (s1 && s2) {
            for (SensorProperty *button : {s1, s2}) {
                const QString text = enableText((button == s1 ? leak1 : leak2) == 0);
                button->captions = QStringList{text};
                emit buttonTextUpdate(button->caption, text);
            }
        }
    }
}
