#include "journal/PowerStatusIsp0.h"

namespace {
PowerStatus::Layout variantLayout()
{
    PowerStatus::Layout layout;
    layout.temperatureAt = 24;
    layout.mainVoltageAt = 16;
    layout.mainSourceAt = 40;
    layout.sources = {{32, 16, 24, {0, 4, 8, 12}}, {38, 5, 8, {16}}, {36, 1, 4, {20}}};
    return layout;
}
} // namespace

PowerStatusIsp0::PowerStatusIsp0(QObject *parent)
    : PowerStatusRecords(variantLayout(), &Protocol::supplyStatusIsp0, parent)
{
}
