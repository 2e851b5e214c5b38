// Groups of the devices that drive outputs: siren, relay modules, two-output device,
// annunciators and socket, and the relay module's controlled circuit.
#include "app/DeviceInfo.h"
#include "app/EventNames.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "radio/DeviceTypes.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "radio/params/SensorControlEnums.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

#include <QDebug>
#include <QVersionNumber>

namespace {
using R = SensorValueRoutines;
using Node = SensorProperty;

// Both configure buttons open the device's settings dialog, where output modes are edited.
void openOutputSettings(const QVariant &)
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || overmind->isViewingMode())
        return;
    MainWindow *window = overmind->mainWindow();
    if (PartitionWidget *page = window ? window->currentPartitionPage() : nullptr)
        page->openCurrentSensorSettings();
}

QString onOffText(bool on)
{
    return on ? Sensor::tr("On") : Sensor::tr("Off");
}

QStringList sirenModeCaptions()
{
    return {Sensor::tr("Disable", "siren alarm"),
            Sensor::tr("Standard Events Handle", "siren alarm"),
            Sensor::tr("Ext Control", "siren alarm"), Sensor::tr("Temp Control", "siren alarm")};
}

QVector<int> relayPartitionValues(const Sensor &device)
{
    QVector<int> values;
    if (Overmind *overmind = Overmind::instance()) {
        for (int index : overmind->deviceInfo().partitionIndices())
            values << index;
    }
    if (!values.isEmpty() && R::settingsByte(device, 113) == RmInputControlledCircuit)
        values.removeFirst();
    return values;
}

// Moves the module among the partitions its input mode allows and stores the record once.
// The model must not take the move for a deletion, which is what moveToPartition keeps apart.
void moveRelayModule(Sensor &device, uchar target)
{
    device.moveToPartition(target);
    device.store();
}

QString socketStateText(quint8 state)
{
    // The device's own state texts; they are shown as the device names them.
    static const char *const states[] = {
        "Нагрузка отключена",
        "Нет связи с МК на силовой плате",
        "Неоткалибрована силовая часть",
        "Отключена по верхнему порогу тока",
        "Отключена по нижнему порогу напряжения",
        "Отключена по верхнему порогу напряжения",
        "Включена кнопкой",
        "Отключена кнопкой",
        "Включена по маске",
        "Отключена по маске",
    };
    if (state < sizeof(states) / sizeof(states[0]))
        return QString::fromUtf8(states[state]);
    return Sensor::tr("Load is disabled");
}
} // namespace

Sensor::SensorProperty Sensor::sirenGroup()
{
    Sensor *self = this;
    return Node::group(
        QStringLiteral("siren_group"), tr("Siren"),
        {Node::actionButton(QStringLiteral("output_settings"), tr("Output"), tr("To configure"),
                            &openOutputSettings),
         Node::readOnlyEnumeration(
             QStringLiteral("Light"), tr("Light"),
             [self] { return QVariant(int(R::settingsWord(*self, 208))); }, &sirenModeCaptions),
         Node::readOnlyString(QStringLiteral("outState"), tr("Out state 1"),
                              [self] { return QVariant(onOffText(R::statusByte(*self, 8) != 0)); }),
         Node::readOnlyEnumeration(
             QStringLiteral("Sound"), tr("Sound"),
             [self] { return QVariant(int(R::settingsWord(*self, 304))); }, &sirenModeCaptions),
         Node::readOnlyString(QStringLiteral("outState"), tr("Out state 2"), [self] {
             return QVariant(onOffText(R::statusByte(*self, 24) != 0));
         })});
}

Sensor::SensorProperty Sensor::rmOutGroup()
{
    Sensor *self = this;
    return Node::group(
        QStringLiteral("RM_out"), tr("Outs"),
        {Node::actionButton(QStringLiteral("output_settings"), tr("Output"), tr("To configure"),
                            &openOutputSettings),
         Node::readOnlyString(QStringLiteral("mode1"), tr("Mode 1"),
                              [self] { return QVariant(R::outputModeText(*self, 0)); }),
         Node::readOnlyString(QStringLiteral("outState1"), tr("Out state 1"),
                              [self] { return QVariant(onOffText(R::statusByte(*self, 8) == 1)); }),
         Node::readOnlyString(QStringLiteral("mode2"), tr("Mode 2"),
                              [self] { return QVariant(R::outputModeText(*self, 1)); }),
         Node::readOnlyString(QStringLiteral("outState2"), tr("Out state 2"), [self] {
             return QVariant(onOffText(R::statusByte(*self, 24) == 1));
         })});
}

Sensor::SensorProperty Sensor::spOutGroup()
{
    Sensor *self = this;
    return Node::group(
        QStringLiteral("SP_out"), tr("Outs"),
        {Node::readOnlyString(QStringLiteral("mode1"), tr("Mode 1"),
                              [self] { return QVariant(R::outputModeText(*self, 0)); }),
         Node::readOnlyString(QStringLiteral("outStatus"), tr("Out status 1"),
                              [self] { return QVariant(onOffText(R::statusByte(*self, 8) == 1)); }),
         Node::readOnlyString(QStringLiteral("outState"), tr("Out state 1"),
                              [self] { return QVariant(R::outputFaultText(*self, 0)); }),
         Node::readOnlyString(QStringLiteral("mode2"), tr("Mode 2"),
                              [self] { return QVariant(R::outputModeText(*self, 1)); }),
         Node::readOnlyString(
             QStringLiteral("outStatus2"), tr("Out status 2"),
             [self] { return QVariant(onOffText(R::statusByte(*self, 24) == 1)); }),
         Node::readOnlyString(QStringLiteral("outState2"), tr("Out state 2"),
                              [self] { return QVariant(R::outputFaultText(*self, 1)); })});
}

Sensor::SensorProperty Sensor::ostGroup()
{
    Sensor *self = this;
    const Node::Getter faultText = [self] {
        switch (R::statusWord(*self, 4)) {
        case 0:
            return QVariant(tr("Fault none"));
        case 1:
            return QVariant(tr("No fault"));
        case 2:
            return QVariant(tr("Fault overload"));
        case 3:
            return QVariant(tr("Fault short circuit"));
        case 4:
            return QVariant(tr("Fault low voltage"));
        case 5:
            return QVariant(tr("Fault open circuit"));
        default:
            return QVariant(tr("Fault unknown"));
        }
    };
    return Node::group(
        QStringLiteral("ost_group"), tr("Ost"),
        {Node::actionButton(QStringLiteral("output_setting"), tr("Outputs setting"),
                            tr("To configure"), &openOutputSettings),
         Node::readOnlyString(
             QStringLiteral("current_output_event"), tr("Current output event"),
             [self] { return QVariant(partitionEventName(R::statusWord(*self, 0))); }),
         Node::readOnlyString(QStringLiteral("Fault_state"), tr("Fault state"), faultText)});
}

Sensor::SensorProperty Sensor::ost24Group()
{
    Sensor *self = this;
    Node brightness = Node::enumeration(
        QStringLiteral("Brightness"), tr("Brightness"),
        [self] { return QVariant(int(R::settingsByte(*self, 217))); },
        [self](const QVariant &value) {
            const int level = value.toInt();
            if (level < 0 || level > 2)
                return;
            R::setSettingsByte(*self, 217, quint8(level));
            self->writeToDevice();
        },
        &SensorOptionLists::brightnesses,
        [] {
            return QVector<int>{0, 1, 2};
        });
    Node liftOff = Node::boolean(
        QStringLiteral("lift_off_state"), tr("Lift off state"),
        [self] { return QVariant(int(R::settingsByte(*self, 216))); },
        [self](const QVariant &value) {
            R::setSettingsByte(*self, 216, value.toBool() ? 1 : 0);
            self->writeToDevice();
        },
        {tr("Off", "wall sense"), tr("On", "wall sense")});
    return Node::group(QStringLiteral("ost24_group"), tr("Ost 24 220"), {brightness, liftOff});
}

Sensor::SensorProperty Sensor::rozetkaGroup()
{
    Sensor *self = this;
    Node current = Node::readOnlyReal(
        QStringLiteral("current"), tr("Current", "Rozetka"), QStringLiteral(" A"),
        [self] { return QVariant(R::statusWord(*self, 18) / 100.0); });
    current.decimals = 2;
    Node power =
        Node::readOnlyReal(QStringLiteral("active_power"), tr("Active power"), QStringLiteral(" W"),
                           [self] { return QVariant(R::statusWord(*self, 20) / 10.0); });
    power.decimals = 1;
    return Node::group(
        QStringLiteral("rozetka_group"), tr("Rosetka"),
        {Node::readOnlyInteger(QStringLiteral("voltage"), tr("Voltage"), QStringLiteral(" V"),
                               [self] { return QVariant(R::statusWord(*self, 16) / 100.0); }),
         current, power,
         Node::readOnlyString(QStringLiteral("rozetka_state"), tr("Rozetka state"), [self] {
             return QVariant(socketStateText(R::statusByte(*self, 22)));
         })});
}

Sensor::SensorProperty Sensor::rmKcGroup()
{
    Sensor *self = this;
    const bool circuitMode = R::settingsByte(*this, 113) == RmInputControlledCircuit;

    Node mode;
    if (hardwareVersion() >= QVersionNumber(2, 0)) {
        mode = Node::enumeration(
            QStringLiteral("kcMode"), tr("Kc mode"),
            [self] {
                int stored = R::settingsByte(*self, 113);
                if (stored == RmInputControlledCircuit)
                    stored = 2;
                return QVariant(R::lastPosition({0, 1, 2}, stored));
            },
            [self](const QVariant &value) {
                int wanted = enumFromVariant<e_RM_InputOperatingMode>(value, {0, 1, 2, 3});
                if (wanted == 2)
                    wanted = RmInputControlledCircuit;
                if (wanted == R::settingsByte(*self, 113))
                    return;
                R::setSettingsByte(*self, 113, quint8(wanted));
                const bool circuit = wanted == RmInputControlledCircuit;
                if (circuit)
                    R::setSettingsWord(*self, 98, ZoneSecurity);
                const uchar target = circuit ? 1 : 0;
                if (self->partition() == target)
                    self->writeToDevice();
                else
                    moveRelayModule(*self, target);
            },
            [] {
                return QStringList{tr("Off", "RM_kc"), tr("Button mode", "RM_kc"),
                                   tr("Kc mode", "RM_kc")};
            },
            [] {
                return QVector<int>{0, 1, 2};
            });
    } else {
        mode = Node::readOnlyString(QStringLiteral("kcMode"), tr("Kc mode"),
                                    [self] { return QVariant(R::relayInputModeText(*self)); });
    }

    Node status = Node::readOnlyString(QStringLiteral("kc_status"), tr("KC status"),
                                       [self] { return QVariant(R::relayInputStateText(*self)); });
    status.colourGetter = [self] {
        const quint16 state = R::statusWord(*self, 36);
        const bool fault = state == 1 || state == 2 || state == 4 || state == 5;
        return fault ? R::AlarmColour : R::NoColour;
    };
    status.enabled = circuitMode;

    Node partitionNode = Node::enumeration(
        QStringLiteral("kcPartition"), tr("Kc partition"),
        [self] {
            return QVariant(
                R::lastPosition(relayPartitionValues(*self), R::settingsWord(*self, 96)));
        },
        [self](const QVariant &value) {
            if (R::settingsByte(*self, 113) != RmInputControlledCircuit)
                return;
            // Only the partitions the list offers; anything else would strand the module.
            const int wanted = value.toInt();
            if (!relayPartitionValues(*self).contains(wanted) || wanted == self->partition())
                return;
            moveRelayModule(*self, uchar(wanted));
        },
        [self] { return R::relayPartitionCaptions(*self); },
        [self] { return relayPartitionValues(*self); });
    partitionNode.enabled = circuitMode;

    const QVector<int> zoneCodes{2, 3, 4, 5, 6};
    Node zone = Node::enumeration(
        QStringLiteral("kcZoneType"), tr("Zone type"),
        [self, zoneCodes] {
            return QVariant(R::lastPosition(zoneCodes, R::settingsWord(*self, 98)));
        },
        [self](const QVariant &value) {
            const int code = value.toInt();
            if (R::settingsByte(*self, 113) != RmInputControlledCircuit || code < 2 || code > 6)
                return;
            R::setSettingsWord(*self, 98, quint16(code));
            self->writeToDevice();
        },
        [zoneCodes] { return R::relayZoneTypeCaptions(zoneCodes); },
        [zoneCodes] { return zoneCodes; });
    zone.enabled = circuitMode;

    return Node::group(QStringLiteral("RM_kc"), tr("Kc"), {mode, status, partitionNode, zone});
}

void Sensor::refreshRmProperties(SensorProperty &root)
{
    SensorProperty *power = findProperty(root, QStringLiteral("pwrGroup"));
    SensorProperty *mainState =
        power ? findProperty(*power, QStringLiteral("main_power_stat")) : nullptr;
    SensorProperty *reserveState =
        power ? findProperty(*power, QStringLiteral("reserve_power_state")) : nullptr;
    SensorProperty *circuit = findProperty(root, QStringLiteral("RM_kc"));
    SensorProperty *partitionNode =
        circuit ? findProperty(*circuit, QStringLiteral("kcPartition")) : nullptr;
    SensorProperty *mode = circuit ? findProperty(*circuit, QStringLiteral("kcMode")) : nullptr;

    if (partitionNode && mode && mode->value().toString() == tr("Kc mode", "RM_kc") &&
        partitionNode->value().toInt() == 0)
        updateKcPartition();

    Sensor *self = this;
    const Node::Getter mainGetter = [self] { return QVariant(int(self->mainPowerState())); };
    const Node::Getter reserveGetter = [self] { return QVariant(int(self->reservePowerState())); };
    const bool mainsFirst = R::settingsByte(*this, 112) == 1;
    if (mainState) {
        mainState->getter = mainsFirst ? mainGetter : reserveGetter;
        mainState->captionsGetter =
            mainsFirst ? Node::CaptionsGetter([] {
                return QStringList{tr("Fail"), tr("Ok"), tr("Absense")};
            })
                       : Node::CaptionsGetter([] {
                             return QStringList{tr("Fail"), tr("Not controlled"), tr("Absense")};
                         });
    }
    if (reserveState)
        reserveState->getter = mainsFirst ? reserveGetter : mainGetter;
    emit reloadProperties();
}
