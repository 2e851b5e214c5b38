#pragma once

#include "journal/PowerStatusRecords.h"
#include "link/Records.h"

// Power-supply status of hardware variant 2: the last answer and its per-source copies.
class PowerStatusIsp2 : public PowerStatusRecords<s_SupplyAndChargerIsp2>
{
    Q_OBJECT
public:
    explicit PowerStatusIsp2(QObject *parent = nullptr);

    const s_SupplyAndChargerIsp2 &battery() const { return source(0); }
    const s_SupplyAndChargerIsp2 &supply() const { return source(1); }

public slots:
    void statusReceived(s_SupplyAndChargerIsp2 record) { receive(record); }
};
