#include "journal/PowerStatusIsp0.h"

// No synchronisation time; the sources are the battery, the power supply and the mains.
PowerStatusIsp0::PowerStatusIsp0(QObject *parent)
    : PowerStatusRecords(
          {24, 16, 40, -1, -1, {{32, 16, 24, {0, 4, 8, 12}}, {38, 5, 8, {16}}, {36, 1, 4, {20}}}},
          &Protocol::supplyStatusIsp0, parent)
{
}
