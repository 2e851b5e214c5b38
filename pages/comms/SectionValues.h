#pragma once

#include "app/FileNumber.h"

#include <QJsonValue>
#include <QtGlobal>

#include <cmath>
#include <limits>

// Numbers read from configuration-file sections.
namespace SectionValues {

// A whole number of the file, 0 for anything else (missing keys, other texts, fractions),
// saturated to the 64-bit range so huge values cannot overflow later checks.
inline qint64 wholeNumber(const QJsonValue &value)
{
    qint64 number = 0;
    if (FileNumber::read(value, number))
        return number;
    if (!value.isDouble())
        return 0;
    const double real = value.toDouble();
    if (std::trunc(real) != real)
        return 0;
    return real > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

inline qint64 clamped(qint64 value, qint64 low, qint64 high)
{
    return value < low ? low : (value > high ? high : value);
}

} // namespace SectionValues
