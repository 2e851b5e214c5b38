// Groups of the contact detectors: magnetic contact, water leak, button and shift detectors.
#include "app/Overmind.h"
#include "radio/Sensor.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

namespace {
using R = SensorValueRoutines;
using Node = Sensor::SensorProperty;

constexpr int FlagsOffset = 120;
constexpr int SmkModeOffset = 122;
constexpr int MaxAngleOffset = 122;
constexpr int MaxAccelOffset = 123;

enum ShiftBit
{
    AccelerometerBit = 0,
    TiltBit = 1,
    FixWhenTakingBit = 2,
    EnergySavingBit = 3,
    FixateBit = 4,
    ReedContactBit = 5,
};

bool flag(const Sensor &device, int bit)
{
    return (R::settingsByte(device, FlagsOffset) >> bit) & 1;
}

void setFlag(Sensor &device, int bit, bool on)
{
    const quint8 byte = R::settingsByte(device, FlagsOffset);
    R::setSettingsByte(device, FlagsOffset,
                       on ? quint8(byte | (1u << bit)) : quint8(byte & ~(1u << bit)));
}

// A value that is no number stores 0, as the device's enumerations expect.
int codeOf(const QVariant &value)
{
    bool ok = false;
    const int code = value.toInt(&ok);
    return ok ? code : 0;
}

Node flagSwitch(Sensor *self, const QString &tag, const QString &caption, int bit)
{
    return Node::boolean(
        tag, caption, [self, bit] { return QVariant(flag(*self, bit) ? 1 : 0); },
        [self, bit](const QVariant &value) {
            setFlag(*self, bit, value.toBool());
            self->writeToDevice();
        },
        {Sensor::tr("Off"), Sensor::tr("On")});
}

Node::Setter indexSetter(Sensor *self, int offset)
{
    return [self, offset](const QVariant &value) {
        R::setSettingsByte(*self, offset, quint8(codeOf(value)));
        self->writeToDevice();
    };
}

int smkMode(const Sensor &device)
{
    return R::settingsWord(device, SmkModeOffset);
}
} // namespace

Sensor::SensorProperty Sensor::dzGroup()
{
    Sensor *self = this;
    const auto leaking = [self] { return bool(R::statusFlags(*self) & SensorFlag::WaterLeak); };
    Node leak = Node::readOnlyEnumeration(
        QStringLiteral("water_leakage"), tr("Water leakage"),
        [leaking] { return QVariant(leaking() ? 1 : 0); },
        QStringList{tr("No", "no water leak"), tr("Detected")});
    leak.colourGetter = [self, leaking] {
        return R::noted(*self, leaking() ? R::AlarmColour : R::NoColour);
    };
    return Node::group(QStringLiteral("dz_group"), tr("DZ"), {leak});
}

Sensor::SensorProperty Sensor::ktGroup()
{
    Sensor *self = this;
    const auto pressed = [self] {
        return QVariant(R::statusFlags(*self) & SensorFlag::Alarm ? 1 : 0);
    };
    Node status = Node::readOnlyEnumeration(QStringLiteral("status"), tr("Status", "kt"), pressed,
                                            QStringList{tr("Normal", "kt"), tr("Alarm", "kt")});
    status.colourGetter = [self] {
        return R::noted(*self,
                        R::statusFlags(*self) & SensorFlag::Alarm ? R::AlarmColour : R::NoColour);
    };
    Node button = Node::readOnlyEnumeration(QStringLiteral("button"), tr("Button"), pressed,
                                            &SensorOptionLists::buttonStates);
    return Node::group(QStringLiteral("kt_group"), tr("Button", "kt"), {status, button});
}

Sensor::SensorProperty Sensor::smkGroup()
{
    Sensor *self = this;
    const QStringList texts{tr("Sabotage"), tr("Alarm", "smk"), tr("Normal", "smk")};
    const auto statusIndex = [self] {
        const int reeds = R::statusByte(*self, 6);
        if (flag(*self, 0) && reeds == 3)
            return 0;
        if (smkMode(*self) != 0 && R::statusWord(*self, 4) != 3)
            return 1;
        return reeds == 0 ? 1 : 2;
    };
    Node status =
        Node::readOnlyString(QStringLiteral("status"), tr("Status", "smk"),
                             [texts, statusIndex] { return QVariant(texts.at(statusIndex())); });
    status.colourGetter = [self, statusIndex] {
        return R::noted(*self, statusIndex() < 2 ? R::AlarmColour : R::NoColour);
    };

    Node reeds = Node::readOnlyEnumeration(
        QStringLiteral("smkStatus"), tr("Status smk", "smk"),
        [self] {
            const int state = R::statusByte(*self, 6);
            return QVariant(state <= 3 ? state : 0);
        },
        &SensorOptionLists::magnetStates);
    reeds.colourGetter = [self] {
        const int state = R::statusByte(*self, 6);
        const bool condition = R::statusFlags(*self) & SensorFlag::Condition;
        return R::noted(*self,
                        state == 0 || (condition && state == 3) ? R::AlarmColour : R::NoColour);
    };

    Node sabotage = Node::boolean(
        QStringLiteral("sabotage_detection"), tr("Sabotage detection"),
        [self] { return QVariant(flag(*self, 0) ? 1 : 0); },
        [self](const QVariant &value) {
            setFlag(*self, 0, value.toBool());
            self->writeToDevice();
        },
        {tr("Disabled", "SMK Sabotage"), tr("Enabled", "SMK Sabotage")});

    // Hardware before 2.0 has no external circuit of its own.
    const bool withExt = hardwareVersion() >= QVersionNumber(2, 0);
    const QVector<int> modes = withExt ? QVector<int>{0, 1, 2} : QVector<int>{0, 2};
    Node mode = Node::enumeration(
        QStringLiteral("smkMode"), tr("Mode"),
        [self, modes] { return QVariant(R::lastPosition(modes, smkMode(*self))); },
        [self](const QVariant &value) {
            R::setSettingsWord(*self, SmkModeOffset, quint16(codeOf(value)));
            self->writeToDevice();
        },
        withExt ? &SensorOptionLists::magnetModes : &SensorOptionLists::magnetModesWithoutExt,
        [modes] { return modes; });

    Node circuit = Node::readOnlyString(QStringLiteral("kc_status"), tr("KC status"),
                                        [self] { return QVariant(R::magnetLoopStateText(*self)); });
    circuit.colourGetter = [self] {
        if (smkMode(*self) == 0)
            return R::noted(*self, R::NoColour);
        switch (R::statusWord(*self, 4)) {
        case 1:
        case 2:
        case 4:
            return R::noted(*self, R::WarningColour);
        case 5:
            return R::noted(*self, R::AlarmColour);
        default:
            return R::noted(*self, R::NoColour);
        }
    };
    circuit.enabled = smkMode(*this) != 0;
    return Node::group(QStringLiteral("smkGroup"), tr("Sensor", "smk"),
                       {status, reeds, sabotage, mode, circuit});
}

Sensor::SensorProperty Sensor::shiftAccelerometerGroup()
{
    return shiftAccelerometerNodes(QStringLiteral("shift_group_accelerometer"));
}

Sensor::SensorProperty Sensor::shiftIsp1AccelerometerGroup()
{
    return shiftAccelerometerNodes(QStringLiteral("shift_isp1_group_accelerometer"));
}

Sensor::SensorProperty Sensor::shiftAccelerometerNodes(const QString &tag)
{
    Sensor *self = this;
    Node status = Node::readOnlyEnumeration(
        QStringLiteral("status_accel"), tr("Status", "status_accel"),
        [self] {
            return QVariant(flag(*self, EnergySavingBit) ? 4 : int(R::statusByte(*self, 1)));
        },
        QStringList{tr("Normal", "status_accel"), tr("Tilt"), tr("Shift"), tr("Tilt and shift"),
                    tr("Disable")});
    status.colourGetter = [self] {
        // A sleeping detector reports nothing; its blue marks no device in the list.
        if (flag(*self, EnergySavingBit))
            return R::BlueColour;
        const int state = R::statusByte(*self, 1);
        return R::noted(*self, state >= 1 && state <= 3 ? R::AlarmColour : R::NoColour);
    };

    Node maxAccel = Node::enumeration(
        QStringLiteral("Max_accel"), tr("Max accel"),
        [self] {
            return QVariant(
                R::lastPosition(R::positions(8), R::settingsByte(*self, MaxAccelOffset)));
        },
        indexSetter(self, MaxAccelOffset), &SensorOptionLists::maximumAccelerations,
        [] { return R::positions(8); });
    if (!flag(*this, AccelerometerBit))
        maxAccel.setter = nullptr;
    Node maxAngle = Node::enumeration(
        QStringLiteral("Max_angle"), tr("Max angle"),
        [self] {
            return QVariant(
                R::lastPosition(R::positions(8), R::settingsByte(*self, MaxAngleOffset)));
        },
        indexSetter(self, MaxAngleOffset), &SensorOptionLists::maximumAngles,
        [] { return R::positions(8); });
    if (!flag(*this, TiltBit))
        maxAngle.setter = nullptr;

    // The request is one-shot: sent once, never kept for a later write.
    Node fixate =
        Node::actionButton(QStringLiteral("Fixate_current_state"), tr("Fixate current state"),
                           tr("Fix"), [self](const QVariant &) {
                               Overmind *overmind = Overmind::instance();
                               if (overmind && overmind->isViewingMode())
                                   return;
                               setFlag(*self, FixateBit, true);
                               self->writeToDevice();
                               setFlag(*self, FixateBit, false);
                           });

    Node saving = Node::boolean(
        QStringLiteral("energy_saving"), tr("Energy save mode"),
        [self] { return QVariant(flag(*self, EnergySavingBit) ? 1 : 0); },
        [self](const QVariant &value) {
            setFlag(*self, EnergySavingBit, value.toBool() && self->confirmEnergySaving());
            if (Overmind *overmind = Overmind::instance())
                overmind->resetMinimumTakeDelay();
            self->writeToDevice();
        },
        {tr("Off"), tr("On")});

    return Node::group(
        tag, tr("Shift isp1 accelerometer"),
        {status,
         flagSwitch(self, QStringLiteral("Enable_accel"), tr("Enable accel"), AccelerometerBit),
         maxAccel, flagSwitch(self, QStringLiteral("Enable_tilt"), tr("Enable tilt"), TiltBit),
         maxAngle, fixate,
         flagSwitch(self, QStringLiteral("Fix_when_taking"), tr("Fix when taking"),
                    FixWhenTakingBit),
         saving});
}

Sensor::SensorProperty Sensor::shiftGerconGroup()
{
    Sensor *self = this;
    Node status = Node::readOnlyEnumeration(
        QStringLiteral("gercon_status"), tr("Gercon status"),
        [self] { return QVariant(int(R::statusByte(*self, 0))); },
        QStringList{tr("Disabled", "ShiftGercon"), tr("Open", "ShiftGercon"),
                    tr("Close", "ShiftGercon")});
    status.colourGetter = [self] {
        return R::noted(*self, R::statusByte(*self, 0) == 1 ? R::AlarmColour : R::NoColour);
    };
    Node reed = Node::boolean(
        QStringLiteral("Enable_dry_reed"), tr("Enable dry reed"),
        [self] { return QVariant(flag(*self, ReedContactBit) ? 1 : 0); },
        [self](const QVariant &value) {
            const bool on = value.toBool();
            if (on == flag(*self, ReedContactBit))
                return;
            setFlag(*self, ReedContactBit, on);
            self->writeToDevice();
        },
        {tr("Off"), tr("On")});
    return Node::group(QStringLiteral("shift_group_gercon"), tr("Shift gercon"), {status, reed});
}

void Sensor::refreshSmkProperties(SensorProperty &root)
{
    const QString group = QStringLiteral("smkGroup");
    setPropertyEnabled(root, QStringLiteral("smkStatus"), group, true);
    setPropertyEnabled(root, QStringLiteral("sabotage_detection"), group, true);
    setPropertyEnabled(root, QStringLiteral("kc_status"), group, smkMode(*this) != 0);
}

void Sensor::refreshShiftAccelerometer(SensorProperty &root, const s_ExtMemDataSensor &record)
{
    refreshShiftLimits(root, QStringLiteral("shift_group_accelerometer"), record);
}

void Sensor::refreshShiftIsp1Accelerometer(SensorProperty &root, const s_ExtMemDataSensor &record)
{
    refreshShiftLimits(root, QStringLiteral("shift_isp1_group_accelerometer"), record);
}

void Sensor::refreshShiftLimits(SensorProperty &root, const QString &groupTag,
                                const s_ExtMemDataSensor &record)
{
    SensorProperty *group = findProperty(root, groupTag);
    if (!group)
        return;
    const quint8 flags = record.settings.privateSettings.raw[FlagsOffset - 120];
    if (SensorProperty *accel = findProperty(*group, QStringLiteral("Max_accel")))
        accel->setter =
            (flags >> AccelerometerBit) & 1 ? indexSetter(this, MaxAccelOffset) : nullptr;
    if (SensorProperty *angle = findProperty(*group, QStringLiteral("Max_angle")))
        angle->setter = (flags >> TiltBit) & 1 ? indexSetter(this, MaxAngleOffset) : nullptr;
}
