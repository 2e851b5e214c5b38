#pragma once

#include <QJsonValue>
#include <QtGlobal>

#include <cmath>
#include <limits>

// Numbers read from configuration-file sections.
namespace SectionValues {

// A whole JSON number, 0 for anything else (missing keys, texts, fractions), saturated to
// the 64-bit range so huge values cannot overflow later checks.
inline qint64 wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (std::trunc(number) != number)
        return 0;
    if (number >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (number <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return qint64(number);
}

inline qint64 clamped(qint64 value, qint64 low, qint64 high)
{
    return value < low ? low : (value > high ? high : value);
}

} // namespace SectionValues
