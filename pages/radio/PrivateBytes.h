#pragma once

#include "radio/Sensor.h"

#include <cstring>

// Little-endian fields of a device's 192-byte private settings; an access outside the
// record reads zero and writes nothing.
namespace PrivateBytes {
template <typename T> T get(const u_RFDevPrivateSettings &area, int offset)
{
    static_assert(sizeof(T) <= sizeof(area.raw), "field too wide");
    T value{};
    if (offset >= 0 && offset + int(sizeof(T)) <= int(sizeof(area.raw)))
        std::memcpy(&value, area.raw + offset, sizeof(T));
    return value;
}

template <typename T> void put(u_RFDevPrivateSettings &area, int offset, T value)
{
    if (offset >= 0 && offset + int(sizeof(T)) <= int(sizeof(area.raw)))
        std::memcpy(area.raw + offset, &value, sizeof(T));
}

// Energy saving needs the partition's take delay; true when there is no partition to ask.
bool partitionHasTakeDelay(const Sensor &device);

inline u_RFDevPrivateSettings zeros()
{
    u_RFDevPrivateSettings area;
    std::memset(&area, 0, sizeof(area));
    return area;
}

// Hundredths of a unit from a spin-box value: tenths kept, the rest cut toward zero.
inline qint16 hundredths(double value)
{
    return qint16(qint32(value * 10.0) * 10);
}
} // namespace PrivateBytes
