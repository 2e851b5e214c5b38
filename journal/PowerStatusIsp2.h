#pragma once

#include "link/Records.h"

#include <QDateTime>
#include <QObject>

// Power-supply status of hardware variant 2: the last answer and its per-source copies.
class PowerStatusIsp2 : public QObject
{
    Q_OBJECT
public:
    explicit PowerStatusIsp2(QObject *parent = nullptr);

    double temperature() const;
    double mainSourceVoltage() const;
    QString mainSourceText() const;
    const s_SupplyAndChargerIsp2 &battery() const { return m_battery; }
    const s_SupplyAndChargerIsp2 &supply() const { return m_supply; }
    QDateTime syncDateTime() const;
    const s_SupplyAndChargerIsp2 &last() const { return m_last; }

signals:
    void statusUpdated();

public slots:
    void statusReceived(s_SupplyAndChargerIsp2 record);

private:
    s_SupplyAndChargerIsp2 m_battery{};
    s_SupplyAndChargerIsp2 m_supply{};
    s_SupplyAndChargerIsp2 m_last{};
};
