#pragma once

#include "journal/PowerStatusRecords.h"
#include "link/Records.h"

// Power-supply status of hardware variant 1: the last answer and its per-source copies.
class PowerStatusIsp1 : public PowerStatusRecords<s_SupplyAndChargerIsp1>
{
    Q_OBJECT
public:
    explicit PowerStatusIsp1(QObject *parent = nullptr);

    const s_SupplyAndChargerIsp1 &battery() const { return source(0); }
    const s_SupplyAndChargerIsp1 &externalBattery() const { return source(1); }
    const s_SupplyAndChargerIsp1 &externalPower() const { return source(2); }

public slots:
    void statusReceived(s_SupplyAndChargerIsp1 record) { receive(record); }
};
