#include "pages/radio/CounterConversion.h"

#include <cmath>

double CounterConversion::cubicMetres(double count, double litresPerImpulse)
{
    return count * litresPerImpulse / 1000.0;
}

quint32 CounterConversion::impulses(double cubicMetres, double litresPerImpulse, bool edited,
                                    quint32 unchangedCount)
{
    if (!edited || !(litresPerImpulse > 0) || !std::isfinite(litresPerImpulse) ||
        !std::isfinite(cubicMetres))
        return unchangedCount;
    const double litres = std::round(cubicMetres * 1000.0);
    const double count = std::round(litres / litresPerImpulse);
    if (count <= 0)
        return 0;
    if (count >= 4294967295.0)
        return 4294967295u;
    return quint32(count);
}
