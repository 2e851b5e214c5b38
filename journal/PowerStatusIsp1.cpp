#include "journal/PowerStatusIsp1.h"

// The sources are the battery, the external battery and the external power.
PowerStatusIsp1::PowerStatusIsp1(QObject *parent)
    : PowerStatusRecords({56,
                          44,
                          86,
                          64,
                          68,
                          {{76, 16, 24, {0, 4, 8, 36, 40}}, {82, 9, 13, {52}}, {84, 5, 8, {48}}}},
                         &Protocol::supplyStatusIsp1, parent)
{
}
