#pragma once

#include <QtGlobal>

// Turning counter readings shown in cubic metres back into impulse counts.
class CounterConversion
{
public:
    // Cubic metres a count of impulses stands for.
    static double cubicMetres(double count, double litresPerImpulse);
    // The count to send for a box: an untouched box or a weight of 0 keeps the count it
    // stood for; an edited box converts from whole litres, rounded to the nearest impulse.
    static quint32 impulses(double cubicMetres, double litresPerImpulse, bool edited,
                            quint32 unchangedCount);
};
