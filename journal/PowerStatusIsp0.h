#pragma once

#include <QObject>

// Power-supply status of hardware variant 0.
class PowerStatusIsp0 : public QObject
{
    Q_OBJECT
public:
    explicit PowerStatusIsp0(QObject *parent = nullptr) : QObject(parent) {}
    double temperature() const { return m_temperature; }

signals:
    void statusUpdated();

private:
    double m_temperature = 0.0;
};
