#pragma once

#include "radio/Sensor.h"

#include <QComboBox>
#include <QHash>
#include <cstring>

// Little-endian fields of a device's 192-byte private settings, read and written with bounds
// fixed at compile time by the callers' offsets.
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

// Stored values a combo cannot show. Until the user picks an entry, saving writes the stored
// value back instead of whatever the combo happens to show.
class UnshownValues
{
public:
    void clear() { m_values.clear(); }
    void keep(QComboBox *combo, quint32 value) { m_values.insert(combo, value); }
    void forget(QComboBox *combo) { m_values.remove(combo); }
    bool holds(QComboBox *combo) const { return m_values.contains(combo); }
    // The stored value while the combo has not been picked, otherwise fallback.
    quint32 value(QComboBox *combo, quint32 fallback) const
    {
        return m_values.value(combo, fallback);
    }
    // A user's pick replaces the stored value.
    template <typename Owner> void watch(Owner *owner, QComboBox *combo)
    {
        QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), owner,
                         [this, combo](int) { forget(combo); });
    }

private:
    QHash<QComboBox *, quint32> m_values;
};
