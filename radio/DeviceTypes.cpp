#include "radio/DeviceTypes.h"

#include <QtGlobal>
#include <algorithm>

namespace {
bool isOneOf(int deviceType, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), deviceType) != codes.end();
}
} // namespace

// clang-format off
const quint8 zoneTypePermissions[DeviceType::Count][ZoneTypeCount] = {
  // not set, not sensor, security, alarm, enter, fire, water
    {0, 0, 0, 0, 0, 0, 0}, // 0
    {0, 0, 0, 0, 0, 0, 0}, // 1
    {0, 0, 0, 0, 0, 1, 0}, // 2
    {0, 0, 0, 0, 0, 1, 0}, // 3
    {0, 0, 1, 1, 1, 0, 0}, // 4
    {0, 0, 0, 0, 0, 1, 0}, // 5
    {0, 0, 1, 1, 1, 0, 0}, // 6
    {0, 1, 0, 0, 0, 0, 0}, // 7
    {0, 1, 0, 0, 0, 0, 0}, // 8
    {0, 0, 1, 1, 1, 1, 1}, // 9
    {0, 1, 0, 0, 0, 0, 0}, // 10
    {0, 1, 0, 0, 0, 0, 0}, // 11
    {0, 1, 1, 1, 1, 1, 0}, // 12
    {0, 0, 0, 0, 0, 0, 1}, // 13
    {0, 1, 0, 0, 0, 0, 0}, // 14
    {0, 1, 0, 0, 0, 0, 0}, // 15
    {0, 0, 1, 1, 1, 0, 0}, // 16
    {0, 0, 1, 1, 0, 0, 0}, // 17
    {0, 0, 1, 1, 1, 0, 0}, // 18
    {0, 0, 0, 0, 0, 0, 1}, // 19
    {0, 1, 0, 0, 0, 0, 0}, // 20
    {0, 0, 0, 1, 0, 1, 0}, // 21
    {0, 0, 0, 1, 0, 1, 0}, // 22
    {0, 1, 0, 0, 0, 0, 0}, // 23
    {0, 0, 1, 1, 1, 0, 0}, // 24
    {0, 0, 1, 1, 1, 0, 0}, // 25
    {0, 0, 1, 1, 1, 0, 0}, // 26
    {0, 0, 1, 1, 1, 0, 0}, // 27
    {0, 0, 1, 1, 1, 0, 0}, // 28
    {0, 0, 0, 0, 0, 0, 1}, // 29
    {0, 1, 0, 0, 0, 0, 0}, // 30
    {0, 1, 0, 0, 0, 0, 0}, // 31
    {0, 0, 1, 1, 0, 0, 0}, // 32
    {0, 0, 1, 1, 1, 0, 0}, // 33
    {0, 0, 1, 1, 0, 0, 0}, // 34
    {0, 1, 0, 0, 0, 0, 0}, // 35
    {0, 1, 0, 0, 0, 0, 0}, // 36
    {0, 1, 0, 0, 0, 0, 0}, // 37
    {0, 1, 0, 0, 0, 0, 0}, // 38
    {0, 1, 0, 0, 0, 0, 0}, // 39
    {0, 1, 0, 0, 0, 0, 0}, // 40
    {0, 1, 0, 0, 0, 0, 0}, // 41
    {0, 1, 0, 0, 0, 0, 0}, // 42
    {0, 1, 0, 0, 0, 0, 0}, // 43
    {0, 1, 0, 0, 0, 0, 0}, // 44
    {0, 1, 0, 0, 0, 0, 0}, // 45
    {0, 1, 0, 0, 0, 0, 0}, // 46
    {0, 1, 0, 0, 0, 0, 0}, // 47
    {0, 1, 0, 0, 0, 0, 0}, // 48
    {0, 1, 0, 0, 0, 0, 0}, // 49
    {0, 1, 0, 0, 0, 0, 0}, // 50
    {0, 1, 0, 0, 0, 0, 0}, // 51
    {0, 0, 1, 1, 1, 0, 0}, // 52
    {0, 0, 0, 0, 0, 0, 1}, // 53
    {0, 1, 0, 0, 0, 0, 0}, // 54
    {0, 0, 0, 0, 0, 0, 1}, // 55
    {0, 0, 0, 0, 0, 0, 0}, // 56
    {0, 1, 0, 0, 0, 0, 0}, // 57
    {0, 1, 0, 0, 0, 0, 0}, // 58
    {0, 1, 0, 0, 0, 0, 0}, // 59
    {0, 1, 0, 0, 0, 0, 0}, // 60
    {0, 1, 0, 0, 0, 0, 0}, // 61
    {0, 1, 0, 0, 0, 0, 0}, // 62
    {0, 0, 0, 0, 0, 1, 0}, // 63
    {0, 0, 0, 0, 0, 1, 0}, // 64
    {0, 1, 0, 0, 0, 0, 0}, // 65
    {0, 0, 0, 0, 0, 0, 1}, // 66
    {0, 0, 0, 0, 0, 1, 0}, // 67
    {0, 1, 0, 0, 0, 0, 0}, // 68
    {0, 1, 0, 0, 0, 0, 0}, // 69
    {0, 0, 0, 0, 0, 0, 0}, // 70
    {0, 0, 0, 0, 0, 0, 0}, // 71
    {0, 0, 0, 0, 0, 0, 0}, // 72
    {0, 0, 0, 0, 0, 0, 0}, // 73
};
// clang-format on

const char *const zoneTypeCaptions[ZoneTypeCount] = {
    QT_TRANSLATE_NOOP("ZoneType", "Not set"),  QT_TRANSLATE_NOOP("ZoneType", "Not sensor"),
    QT_TRANSLATE_NOOP("ZoneType", "Security"), QT_TRANSLATE_NOOP("ZoneType", "Alarm"),
    QT_TRANSLATE_NOOP("ZoneType", "Enter"),    QT_TRANSLATE_NOOP("ZoneType", "Fire"),
    QT_TRANSLATE_NOOP("ZoneType", "Water"),
};

bool isEnergySavingType(int deviceType)
{
    return isOneOf(deviceType, {6, 16, 17, 18, 24, 26, 27, 28, 33, 34, 52});
}

bool hasReservePowerSource(int deviceType)
{
    return isOneOf(deviceType, {2, 3, 5, 14, 15, 20, 23, 27, 28, 29, 49, 50, 57, 67, 69});
}

bool isLeakAlarmType(int deviceType)
{
    return isOneOf(deviceType, {29, 53, 55});
}

bool isRepeaterType(int deviceType)
{
    return std::find(repeaterTypes.begin(), repeaterTypes.end(), deviceType) != repeaterTypes.end();
}

bool isZoneTypeAllowed(int deviceType, int zoneType)
{
    if (deviceType < 0 || deviceType >= DeviceType::Count || zoneType < 0 ||
        zoneType >= ZoneTypeCount)
        return false;
    return zoneTypePermissions[deviceType][zoneType] != 0;
}

QList<int> selectableZoneTypes(int deviceType)
{
    QList<int> zones;
    for (int zone = ZoneSecurity; zone < ZoneTypeCount; ++zone) {
        if (isZoneTypeAllowed(deviceType, zone))
            zones.append(zone);
    }
    return zones;
}

bool isBellSelectable(int deviceType)
{
    return isZoneTypeAllowed(deviceType, ZoneSecurity) || isZoneTypeAllowed(deviceType, ZoneEnter);
}
