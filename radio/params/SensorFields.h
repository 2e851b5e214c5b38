#pragma once

#include "radio/Sensor.h"

#include <cstring>
#include <type_traits>

// Little-endian fields of a device's records by their wire offsets. A field that would
// reach past the record reads as 0 and is not written.
namespace SensorFields {

template <typename T> T read(const void *record, std::size_t size, int offset)
{
    static_assert(std::is_trivially_copyable<T>::value, "plain field");
    T value{};
    if (offset >= 0 && std::size_t(offset) + sizeof(T) <= size)
        std::memcpy(&value, static_cast<const char *>(record) + offset, sizeof(T));
    return value;
}

template <typename T> T settings(const Sensor &device, int offset)
{
    return read<T>(device.settingsData(), sizeof(s_ExtMemDataSensor), offset);
}

template <typename T> T status(const Sensor &device, int offset)
{
    return read<T>(device.statusData(), sizeof(s_SensorIntData), offset);
}

template <typename T> void setSettings(Sensor &device, int offset, T value)
{
    static_assert(std::is_trivially_copyable<T>::value, "plain field");
    if (offset >= 0 && std::size_t(offset) + sizeof(T) <= sizeof(s_ExtMemDataSensor))
        std::memcpy(reinterpret_cast<char *>(device.settingsData()) + offset, &value, sizeof(T));
}

} // namespace SensorFields
