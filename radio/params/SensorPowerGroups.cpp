#include "radio/params/SensorPowerGroups.h"

#include "radio/Sensor.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

#include <QCoreApplication>

namespace {
using R = SensorValueRoutines;

QString zeroVolts()
{
    return Sensor::tr("0 V");
}

QColor warningWhen(Sensor &device, bool warn)
{
    return R::noted(device, warn ? R::WarningColour : R::NoColour);
}
} // namespace

SensorProperty SensorPowerGroups::build(Sensor &device)
{
    switch (device.type()) {
    case 11:
        return keyFobGroup(device);
    case 14:
        return relayModuleGroup(device);
    case 15:
        return mainsRelayGroup(device);
    case 49:
    case 50:
        return accumulatorGroup(device);
    case 30:
        return repeaterAccumulatorGroup(device);
    default:
        return defaultGroup(device);
    }
}

SensorProperty SensorPowerGroups::group(std::vector<SensorProperty> children)
{
    return SensorProperty::group(QStringLiteral("pwrGroup"), Sensor::tr("Power"),
                                 std::move(children));
}

SensorProperty SensorPowerGroups::mainVoltage(Sensor &device, const char *disambiguation)
{
    Sensor *self = &device;
    return SensorProperty::readOnlyString(
        QStringLiteral("main_voltage"), Sensor::tr("Main voltage", disambiguation), [self] {
            const bool absent = R::isLost(*self) || R::isVoltageLow(*self);
            return QVariant(absent ? zeroVolts() : self->voltageText());
        });
}

SensorProperty SensorPowerGroups::defaultGroup(Sensor &device)
{
    Sensor *self = &device;
    // Repeats the group's tag, so a lookup by tag always finds the group first.
    SensorProperty state =
        SensorProperty::readOnlyString(QStringLiteral("pwrGroup"), Sensor::tr("Power"), [self] {
            if (R::isLost(*self) || R::isVoltageLow(*self))
                return QVariant(Sensor::tr("Absence"));
            return QVariant(R::isMainSupplyFault(*self) ? Sensor::tr("Fail") : Sensor::tr("Ok"));
        });
    state.colourGetter = [self] {
        return warningWhen(*self, R::isVoltageLow(*self) || R::isMainSupplyFault(*self));
    };
    std::vector<SensorProperty> children{state, mainVoltage(device)};
    if (device.reservePowerState() != Sensor::ReservePowerState::NOT_SUPPORTED) {
        SensorProperty reserve = SensorProperty::readOnlyEnumeration(
            QStringLiteral("reserve_power_state"), Sensor::tr("Reserve power state"),
            [self] { return QVariant(int(self->reservePowerState())); },
            &SensorOptionLists::reservePowerStates);
        reserve.colourGetter = [self] {
            return warningWhen(*self, self->reservePowerState() == Sensor::ReservePowerState::FAIL);
        };
        children.push_back(reserve);
    }
    return group(std::move(children));
}

SensorProperty SensorPowerGroups::keyFobGroup(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty state =
        SensorProperty::readOnlyString(QStringLiteral("pwrGroup"), Sensor::tr("Power"), [self] {
            if (R::isVoltageLow(*self))
                return QVariant(Sensor::tr("Absent"));
            return QVariant(R::isMainSupplyFault(*self) ? Sensor::tr("Fail") : Sensor::tr("Ok"));
        });
    state.colourGetter = [self] {
        return warningWhen(*self, R::isVoltageLow(*self) || R::isMainSupplyFault(*self));
    };
    SensorProperty voltage =
        SensorProperty::readOnlyString(QStringLiteral("main_voltage"), Sensor::tr("Main voltage"),
                                       [self] { return QVariant(self->voltageText()); });
    return group({state, voltage});
}

SensorProperty::Getter SensorPowerGroups::relayMainStateGetter(Sensor &device)
{
    Sensor *self = &device;
    if (R::settingsByte(device, 112) == 1)
        return [self] { return QVariant(int(self->mainPowerState())); };
    return [self] { return QVariant(int(self->reservePowerState())); };
}

SensorProperty::Getter SensorPowerGroups::relayReserveStateGetter(Sensor &device)
{
    Sensor *self = &device;
    if (R::settingsByte(device, 112) == 1)
        return [self] { return QVariant(int(self->reservePowerState())); };
    return [self] { return QVariant(int(self->mainPowerState())); };
}

SensorProperty SensorPowerGroups::relayModuleGroup(Sensor &device)
{
    Sensor *self = &device;
    const QVector<int> supplies{0, 1};
    SensorProperty supply = SensorProperty::enumeration(
        QStringLiteral("main_power_supply"), Sensor::tr("Main power supply"),
        [self, supplies] {
            return QVariant(R::lastPosition(supplies, R::settingsByte(*self, 112)));
        },
        [self](const QVariant &value) {
            R::setSettingsByte(*self, 112, quint8(value.toInt()));
            self->writeToDevice();
        },
        &SensorOptionLists::powerSupplies, [supplies] { return supplies; });
    SensorProperty mainState = SensorProperty::readOnlyEnumeration(
        QStringLiteral("main_power_stat"), Sensor::tr("Main power state", "RM"),
        relayMainStateGetter(device), &SensorOptionLists::relayMainPowerStates);
    mainState.colourGetter = [self] { return R::relayMainPowerColour(*self); };
    SensorProperty reserve = SensorProperty::readOnlyEnumeration(
        QStringLiteral("reserve_power_state"), Sensor::tr("Reserve power state", "RM"),
        relayReserveStateGetter(device), &SensorOptionLists::relayReservePowerStates);
    return group({supply, mainState, mainVoltage(device, "RM"), reserve});
}

SensorProperty SensorPowerGroups::mainsRelayGroup(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty mainState = SensorProperty::readOnlyEnumeration(
        QStringLiteral("main_power_stat"), Sensor::tr("Main power state", "RM220"),
        [self] { return QVariant(int(self->mainPowerState())); },
        &SensorOptionLists::mainPowerStates);
    mainState.colourGetter = [self] {
        return warningWhen(*self, R::isVoltageLow(*self) || R::isMainSupplyFault(*self));
    };
    SensorProperty reserve = SensorProperty::readOnlyEnumeration(
        QStringLiteral("reserve_power_state"), Sensor::tr("Reserve power state", "RM220"),
        [self] { return QVariant(int(self->reservePowerState())); },
        &SensorOptionLists::reservePowerStates);
    return group({mainState, mainVoltage(device, "RM220"), reserve});
}

SensorProperty SensorPowerGroups::accumulatorGroup(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty accum = SensorProperty::readOnlyEnumeration(
        QStringLiteral("accum_state"), Sensor::tr("Accum state"),
        [self] { return QVariant(int(R::statusByte(*self, 16))); },
        &SensorOptionLists::accumStates);
    SensorProperty reserve = SensorProperty::readOnlyEnumeration(
        QStringLiteral("reserve_power_state"), Sensor::tr("Reserve power state"),
        [self] { return QVariant(int(R::statusByte(*self, 17))); },
        &SensorOptionLists::accumPowerStates);
    return group({accum, mainVoltage(device), reserve});
}

SensorProperty SensorPowerGroups::repeaterAccumulatorGroup(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty reserve = SensorProperty::readOnlyEnumeration(
        QStringLiteral("reserve_power_state"), Sensor::tr("Reserve power state", "rr"),
        [self] { return QVariant(int(R::statusByte(*self, 5))); },
        &SensorOptionLists::accumPowerStates);
    reserve.colourGetter = [self] { return warningWhen(*self, R::statusByte(*self, 5) != 1); };
    SensorProperty accum = SensorProperty::readOnlyEnumeration(
        QStringLiteral("accum_state"), Sensor::tr("Accum state"),
        [self] { return QVariant(int(R::statusByte(*self, 4))); }, &SensorOptionLists::accumStates);
    accum.colourGetter = [self] {
        const int state = R::statusByte(*self, 4);
        return warningWhen(*self, state == 0 || state == 1);
    };
    SensorProperty accumVoltage = SensorProperty::readOnlyString(
        QStringLiteral("accum_voltage"), Sensor::tr("Accum voltage"), [self] {
            const int millivolts = R::statusWord(*self, 2);
            if (millivolts > 1000)
                return QVariant(Sensor::tr("%1 V").arg(millivolts / 1000.0, 0, 'f', 2));
            return QVariant(zeroVolts());
        });
    return group({reserve, mainVoltage(device, "rr"), accum, accumVoltage});
}
