#include "journal/PowerStatusIsp1.h"

namespace {
PowerStatus::Layout variantLayout()
{
    PowerStatus::Layout layout;
    layout.temperatureAt = 56;
    layout.mainVoltageAt = 44;
    layout.mainSourceAt = 86;
    layout.syncTimeAt = 64;
    layout.syncDateAt = 68;
    layout.sources = {{76, 16, 24, {0, 4, 8, 36, 40}}, {82, 9, 13, {52}}, {84, 5, 8, {48}}};
    return layout;
}
} // namespace

PowerStatusIsp1::PowerStatusIsp1(QObject *parent)
    : PowerStatusRecords(variantLayout(), &Protocol::supplyStatusIsp1, parent)
{
}
