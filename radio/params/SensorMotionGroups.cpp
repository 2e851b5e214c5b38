// Groups of the battery-powered intrusion detectors: infrared, PIR with two zones, acoustic.
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "radio/Sensor.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

#include <QDebug>

namespace {
using R = SensorValueRoutines;
using Node = Sensor::SensorProperty;

const QVector<int> SensitivityCodes{1, 2, 3, 4};

// Infrared detectors.
constexpr int IkSavingOffset = 120;
constexpr int IkSensitivityOffset = 121;
constexpr int IkTestOffset = 122;
// PIR detectors.
constexpr int DraskTestOffset = 120;
constexpr int FarZoneOffset = 121;
constexpr int NearZoneOffset = 122;
constexpr int FarLevelOffset = 123;
constexpr int NearLevelOffset = 124;
constexpr int DraskSavingOffset = 125;
// Acoustic detector.
constexpr int StSavingOffset = 120;

QString testModeText(int state)
{
    switch (state) {
    case 0:
        return Sensor::tr("Enable", "St");
    case 1:
        return Sensor::tr("Disable", "St");
    case 2:
        return Sensor::tr("Wait", "St");
    default:
        return QString();
    }
}

// A settings-byte test mode; in viewing mode there is no device to test.
Node::Setter testModeToggle(Sensor *self, int offset)
{
    return [self, offset](const QVariant &) {
        Overmind *overmind = Overmind::instance();
        if (overmind && overmind->isViewingMode())
            return;
        R::setSettingsByte(*self, offset, R::settingsByte(*self, offset) == 0 ? 1 : 0);
        self->writeToDevice();
    };
}

Node testModeButton(Sensor *self, int offset)
{
    Node button =
        Node::actionButton(QStringLiteral("testModeSwitch"), Sensor::tr("test mode switch"),
                           Sensor::tr("Enable", "St"), testModeToggle(self, offset));
    button.buttonTextGetter = [self, offset] {
        const int state = R::settingsByte(*self, offset);
        return state < 2 ? testModeText(state) : QString();
    };
    return button;
}

// Switching energy saving on asks about the take delay; a refusal stores it off.
void storeEnergySaving(Sensor &device, bool on, const std::function<void(bool)> &store)
{
    if (on) {
        store(device.confirmEnergySaving());
    } else {
        store(false);
        if (Overmind *overmind = Overmind::instance())
            overmind->resetMinimumTakeDelay();
    }
    device.writeToDevice();
}

Node::Setter savingByteSetter(Sensor *self, int offset)
{
    return [self, offset](const QVariant &value) {
        storeEnergySaving(*self, value.toBool(), [self, offset](bool on) {
            R::setSettingsByte(*self, offset, on ? 1 : 0);
        });
    };
}

Node stateNode(Sensor *self, const QString &tag, const QString &caption,
               const std::function<int()> &state, const QStringList &captions)
{
    Node node = Node::readOnlyEnumeration(
        tag, caption, [state] { return QVariant(state()); }, captions);
    node.colourGetter = [self, state] { return R::channelStateColour(*self, state()); };
    return node;
}
} // namespace

Sensor::SensorProperty Sensor::ikGroup()
{
    Sensor *self = this;
    Node state = Node::readOnlyEnumeration(
        QStringLiteral("ik_state"), tr("State", "ik_sensor"),
        [self] { return QVariant(int(R::statusByte(*self, 2))); },
        &SensorOptionLists::infraredStates);
    state.colourGetter = [self] { return R::channelStateColour(*self, R::statusByte(*self, 2)); };
    Node test = testModeButton(self, IkTestOffset);
    test.enabled = R::settingsByte(*this, IkSavingOffset) == 0;
    Node saving =
        Node::boolean(QStringLiteral("energy_saving"), tr("Energy saving"),
                      [self] { return QVariant(int(R::settingsByte(*self, IkSavingOffset))); },
                      savingByteSetter(self, IkSavingOffset), {tr("Off"), tr("On")});
    saving.enabled = R::settingsByte(*this, IkTestOffset) == 0;
    Node sensitivity = Node::enumeration(
        QStringLiteral("sensitivity"), tr("Sensitivity"),
        [self] {
            return QVariant(
                R::lastPosition(SensitivityCodes, R::settingsByte(*self, IkSensitivityOffset)));
        },
        [self](const QVariant &value) {
            const int position = value.toInt();
            if (position < 0 || position >= SensitivityCodes.size())
                return;
            R::setSettingsByte(*self, IkSensitivityOffset, quint8(SensitivityCodes.at(position)));
            self->writeToDevice();
        },
        &SensorOptionLists::infraredSensitivities, [] { return R::positions(4); });
    return Node::group(QStringLiteral("ik_group"), tr("IR Sensor"),
                       {state, test, saving, sensitivity});
}

void Sensor::refreshInfraredProperties(SensorProperty &root)
{
    const int test = R::settingsByte(*this, IkTestOffset);
    const QString group = QStringLiteral("ik_group");
    setPropertyEnabled(root, QStringLiteral("energy_saving"), group, test == 0);
    setPropertyEnabled(root, QStringLiteral("testModeSwitch"), group,
                       R::settingsByte(*this, IkSavingOffset) == 0);
    applyToProperty(root, QStringLiteral("testModeSwitch"), group,
                    [this, test](SensorProperty &node) {
                        emit buttonTextUpdate(node.caption,
                                              test == 1 ? tr("Disable", "St") : tr("Enable", "St"));
                    });
}

Sensor::SensorProperty Sensor::draskGroup()
{
    Sensor *self = this;
    const QStringList zoneStates{tr("Off"), tr("OK"), tr("Alarm", "Drask"), tr("Failure")};
    const auto zoneState = [self](int shift) {
        return [self, shift] { return (R::statusByte(*self, 1) >> shift) & 3; };
    };
    Node sensors = Node::group(
        QStringLiteral("drask_sensors"), tr("Sensors state"),
        {stateNode(self, QStringLiteral("near_state"), tr("Near"), zoneState(0), zoneStates),
         stateNode(self, QStringLiteral("far1_state"), tr("Far 1"), zoneState(2), zoneStates),
         stateNode(self, QStringLiteral("far2_state"), tr("Far 2"), zoneState(4), zoneStates)});
    sensors.expanded = 0;

    // One zone always stays on: switching the last one off turns the other on.
    const auto zoneSetter = [self](int own, int other) {
        return [self, own, other](const QVariant &value) {
            const quint8 on = value.toBool() ? 1 : 0;
            R::setSettingsByte(*self, own, on);
            if (on == 0 && R::settingsByte(*self, other) == 0)
                R::setSettingsByte(*self, other, 1);
            self->writeToDevice();
        };
    };
    const auto zoneSwitch = [self, &zoneSetter](const QString &tag, const QString &caption, int own,
                                                int other) {
        return Node::boolean(tag, caption,
                             [self, own] { return QVariant(int(R::settingsByte(*self, own))); },
                             zoneSetter(own, other), {tr("Off"), tr("On")});
    };
    const auto level = [self](const QString &tag, const QString &caption, int offset,
                              int zoneOffset) {
        Node node = Node::enumeration(
            tag, caption,
            [self, offset] {
                return QVariant(R::lastPosition(SensitivityCodes, R::settingsByte(*self, offset)));
            },
            [self, offset](const QVariant &value) {
                R::setSettingsByte(*self, offset, quint8(value.toInt()));
                self->writeToDevice();
            },
            &SensorOptionLists::zoneSensitivities, [] { return SensitivityCodes; });
        node.enabled = R::settingsByte(*self, zoneOffset) == 1;
        return node;
    };
    Node saving = Node::boolean(
        QStringLiteral("energy_saving"), tr("Powersave mode"),
        [self] { return QVariant(int(R::settingsByte(*self, DraskSavingOffset) & 1)); },
        [self](const QVariant &value) {
            storeEnergySaving(*self, value.toBool(), [self](bool on) {
                const quint8 byte = R::settingsByte(*self, DraskSavingOffset);
                R::setSettingsByte(*self, DraskSavingOffset,
                                   on ? quint8(byte | 1u) : quint8(byte & ~1u));
            });
        },
        {tr("Off"), tr("On")});
    saving.enabled = R::settingsByte(*this, DraskTestOffset) == 0;
    Node test = testModeButton(self, DraskTestOffset);
    test.enabled = (R::settingsByte(*this, DraskSavingOffset) & 1) == 0;
    return Node::group(
        QStringLiteral("Drask_group"), tr("Drask sensor"),
        {sensors,
         zoneSwitch(QStringLiteral("near_zone"), tr("Near zone"), NearZoneOffset, FarZoneOffset),
         level(QStringLiteral("near_sensitivity"), tr("Near sensitivity"), NearLevelOffset,
               NearZoneOffset),
         zoneSwitch(QStringLiteral("far_zone"), tr("Far zone"), FarZoneOffset, NearZoneOffset),
         level(QStringLiteral("far_sensitivity"), tr("Far sensitivity"), FarLevelOffset,
               FarZoneOffset),
         saving, test});
}

void Sensor::refreshDraskProperties(SensorProperty &root, const s_ExtMemDataSensor &)
{
    const QString groupTag = QStringLiteral("Drask_group");
    if (SensorProperty *group = findProperty(root, groupTag)) {
        if (SensorProperty *far = findProperty(*group, QStringLiteral("far_sensitivity")))
            far->enabled = R::settingsByte(*this, FarZoneOffset) == 1;
        if (SensorProperty *near = findProperty(*group, QStringLiteral("near_sensitivity")))
            near->enabled = R::settingsByte(*this, NearZoneOffset) == 1;
    }
    const int test = R::settingsByte(*this, DraskTestOffset);
    setPropertyEnabled(root, QStringLiteral("energy_saving"), groupTag, test == 0);
    setPropertyEnabled(root, QStringLiteral("testModeSwitch"), groupTag,
                       (R::settingsByte(*this, DraskSavingOffset) & 1) == 0);
    applyToProperty(
        root, QStringLiteral("testModeSwitch"), groupTag, [this, test](SensorProperty &node) {
            emit buttonTextUpdate(node.caption, test < 2 ? testModeText(test) : QString());
        });
}

Sensor::SensorProperty Sensor::stGroup()
{
    Sensor *self = this;
    Node acoustic =
        Node::readOnlyString(QStringLiteral("acoustic_state"), tr(" Acoustic state"), [self] {
            switch (R::statusByte(*self, 2)) {
            case 0:
                return QVariant(tr("Normal", "ST"));
            case 1:
                return QVariant(tr("Alarm", "ST"));
            case 2:
                return QVariant(tr("Disable", "ST"));
            default:
                return QVariant(QString());
            }
        });
    acoustic.colourGetter = [self] {
        return R::noted(*self, R::statusByte(*self, 2) == 1 ? R::AlarmColour : R::NoColour);
    };
    Node sensitivity = Node::readOnlyEnumeration(
        QStringLiteral("sensitivity"), tr("Sensitivity"),
        [self] { return QVariant(int(R::statusByte(*self, 0))); },
        QStringList{tr("Maximum", "St"), tr("-12 dB"), tr("-6 dB"), tr("Minimum")});
    Node saving =
        Node::boolean(QStringLiteral("energy_saving"), tr("Energy saving"),
                      [self] { return QVariant(R::settingsByte(*self, StSavingOffset) != 0); },
                      savingByteSetter(self, StSavingOffset),
                      {tr("Disable", "StSavemode"), tr("Enable", "StSavemode")});
    saving.enabled = R::statusByte(*this, 1) == 0;
    // The device switches its test mode itself and reports it in its status.
    Node test =
        Node::actionButton(QStringLiteral("testModeSwitch"), tr("test mode switch"),
                           tr("Enable", "St"), [self](const QVariant &) {
                               Overmind *overmind = Overmind::instance();
                               if (!overmind || overmind->isViewingMode())
                                   return;
                               qDebug() << "testModeSwitch id = " << self->id();
                               if (Protocol *link = overmind->protocol())
                                   link->sendToDevice(_MenuDataSensorCommand, quint16(self->id()));
                           });
    test.buttonTextGetter = [self] { return testModeText(R::statusByte(*self, 1)); };
    test.enabled = !(R::statusByte(*this, 1) == 2 && R::statusByte(*this, 3) != 0);
    return Node::group(QStringLiteral("St_group"), tr("Sensor", "St"),
                       {acoustic, sensitivity, saving, test});
}

void Sensor::refreshStProperties(SensorProperty &root)
{
    const QString groupTag = QStringLiteral("St_group");
    const int setting = R::settingsByte(*this, StSavingOffset);
    const int applied = R::statusByte(*this, 3);
    const int test = R::statusByte(*this, 1);
    applyToProperty(root, QStringLiteral("energy_saving"), groupTag,
                    [this, setting, applied](SensorProperty &node) {
                        QString text = tr("Wait", "St");
                        if (setting == 1 && applied == 1)
                            text = tr("Enable", "St");
                        else if (setting == 0 && applied == 0)
                            text = tr("Disable", "St");
                        emit buttonTextUpdate(node.caption, text);
                    });
    applyToProperty(root, QStringLiteral("testModeSwitch"), groupTag,
                    [this, test](SensorProperty &node) {
                        emit buttonTextUpdate(node.caption, testModeText(test));
                    });
    setPropertyEnabled(root, QStringLiteral("testModeSwitch"), groupTag, applied != 1);
    setPropertyEnabled(root, QStringLiteral("energy_saving"), groupTag, test == 0);
}
