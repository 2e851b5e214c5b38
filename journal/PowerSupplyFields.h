#pragma once

#include <QString>
#include <QVector>
#include <QtEndian>

#include <cstring>

// Field access and the absent-source rule shared by the three supply-status layouts.
namespace PowerSupplyFields {

inline float floatAt(const quint8 *bytes, int at)
{
    float value;
    std::memcpy(&value, bytes + at, sizeof value);
    return value;
}

inline quint16 codeAt(const quint8 *bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes + at);
}

// A source reported absent, or with a code past its group, reads as absent with no values.
inline void clearAbsent(quint8 *bytes, int stateAt, quint16 absent, quint16 upper,
                        const QVector<int> &floats)
{
    const quint16 state = codeAt(bytes, stateAt);
    if (state != absent && state <= upper)
        return;
    const float zero = 0.0f;
    for (int at : floats)
        std::memcpy(bytes + at, &zero, sizeof zero);
    qToLittleEndian(absent, bytes + stateAt);
}

// The main power source's name: its text up to the first full stop.
QString mainSourceText(quint16 code);

} // namespace PowerSupplyFields
