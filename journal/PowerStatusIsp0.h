#pragma once

#include "journal/PowerStatusRecords.h"
#include "link/Records.h"

// Power-supply status of hardware variant 0: the last answer and its per-source copies.
class PowerStatusIsp0 : public PowerStatusRecords<s_SupplyAndChargerIsp0>
{
    Q_OBJECT
public:
    explicit PowerStatusIsp0(QObject *parent = nullptr);

    const s_SupplyAndChargerIsp0 &battery() const { return source(0); }
    const s_SupplyAndChargerIsp0 &supply() const { return source(1); }
    const s_SupplyAndChargerIsp0 &mains() const { return source(2); }

public slots:
    void statusReceived(s_SupplyAndChargerIsp0 record) { receive(record); }
};
