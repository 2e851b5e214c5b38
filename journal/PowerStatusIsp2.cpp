#include "journal/PowerStatusIsp2.h"

namespace {
PowerStatus::Layout variantLayout()
{
    PowerStatus::Layout layout;
    layout.temperatureAt = 56;
    layout.mainVoltageAt = 44;
    layout.mainSourceAt = 84;
    layout.syncTimeAt = 64;
    layout.syncDateAt = 68;
    // The unbalance at offset 4 stays: it belongs to the two halves, not the group.
    layout.sources = {{76, 16, 24, {0, 8, 36, 40}}, {82, 5, 8, {44}}};
    return layout;
}
} // namespace

PowerStatusIsp2::PowerStatusIsp2(QObject *parent)
    : PowerStatusRecords(variantLayout(), &Protocol::supplyStatusIsp2, parent)
{
}
