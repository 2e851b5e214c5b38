#include "journal/PowerStatusIsp2.h"

// The sources are the battery and the power supply. The unbalance at offset 4 stays when the
// battery is absent: it belongs to the two halves, not the group.
PowerStatusIsp2::PowerStatusIsp2(QObject *parent)
    : PowerStatusRecords({56, 44, 84, 64, 68, {{76, 16, 24, {0, 8, 36, 40}}, {82, 5, 8, {44}}}},
                         &Protocol::supplyStatusIsp2, parent)
{
}
