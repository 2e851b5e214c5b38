#pragma once

#include <QList>
#include <QtGlobal>
#include <array>

// The 8-bit device type code shared by radio devices, the communicator's variants and
// firmware image kinds, and the zone types a radio device may take.
namespace DeviceType {
constexpr int Count = 74;
// Replaces a code the program does not know when a device is created.
constexpr int Fallback = 12;
constexpr int KeyContactModule = 14; // the type with its own partition mode
constexpr int Loop = 9;
constexpr int WiredContact = 4;
constexpr int ValveController = 66;
} // namespace DeviceType

enum ZoneType : quint16
{
    ZoneNotSet = 0,
    ZoneNotSensor = 1,
    ZoneSecurity = 2,
    ZoneAlarm = 3,
    ZoneEnter = 4,
    ZoneFire = 5,
    ZoneWater = 6,
};
constexpr int ZoneTypeCount = 7;

// Non-zero where a zone type (column) is allowed for a device type (row).
extern const quint8 zoneTypePermissions[DeviceType::Count][ZoneTypeCount];

// Source texts of the zone type captions; callers translate them in their own context.
extern const char *const zoneTypeCaptions[ZoneTypeCount];

// Devices that relay others, in the order the repeater search uses.
constexpr std::array<int, 6> repeaterTypes = {30, 51, 50, 49, 57, 66};

bool isEnergySavingType(int deviceType);
bool hasReservePowerSource(int deviceType);
// Water-leak detectors whose leak flag counts as an alarm.
bool isLeakAlarmType(int deviceType);
bool isRepeaterType(int deviceType);
bool isZoneTypeAllowed(int deviceType, int zoneType);
// Zone types a user may choose for the device type, in code order (never 0 or 1).
QList<int> selectableZoneTypes(int deviceType);
// The chime setting only makes sense for the security and entry zone types.
bool isBellSelectable(int deviceType);
