#pragma once

#include "link/Records.h"

#include <QDateTime>
#include <QObject>

// Power-supply status of hardware variant 0: the last answer and its per-source copies.
class PowerStatusIsp0 : public QObject
{
    Q_OBJECT
public:
    explicit PowerStatusIsp0(QObject *parent = nullptr);

    double temperature() const;
    double mainSourceVoltage() const;
    QString mainSourceText() const;
    const s_SupplyAndChargerIsp0 &battery() const { return m_battery; }
    const s_SupplyAndChargerIsp0 &supply() const { return m_supply; }
    const s_SupplyAndChargerIsp0 &mains() const { return m_mains; }
    const s_SupplyAndChargerIsp0 &last() const { return m_last; }

signals:
    void statusUpdated();

public slots:
    void statusReceived(s_SupplyAndChargerIsp0 record);

private:
    s_SupplyAndChargerIsp0 m_battery{};
    s_SupplyAndChargerIsp0 m_supply{};
    s_SupplyAndChargerIsp0 m_mains{};
    s_SupplyAndChargerIsp0 m_last{};
};
