#pragma once

#include "link/Records.h"

#include <QDateTime>
#include <QObject>

// Power-supply status of hardware variant 1: the last answer and its per-source copies.
class PowerStatusIsp1 : public QObject
{
    Q_OBJECT
public:
    explicit PowerStatusIsp1(QObject *parent = nullptr);

    double temperature() const;
    double mainSourceVoltage() const;
    QString mainSourceText() const;
    const s_SupplyAndChargerIsp1 &battery() const { return m_battery; }
    const s_SupplyAndChargerIsp1 &externalBattery() const { return m_externalBattery; }
    const s_SupplyAndChargerIsp1 &externalPower() const { return m_externalPower; }
    QDateTime syncDateTime() const;
    const s_SupplyAndChargerIsp1 &last() const { return m_last; }

signals:
    void statusUpdated();

public slots:
    void statusReceived(s_SupplyAndChargerIsp1 record);

private:
    s_SupplyAndChargerIsp1 m_battery{};
    s_SupplyAndChargerIsp1 m_externalBattery{};
    s_SupplyAndChargerIsp1 m_externalPower{};
    s_SupplyAndChargerIsp1 m_last{};
};
