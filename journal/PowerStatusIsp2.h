#pragma once

#include <QObject>

// Power-supply status of hardware variant 2.
class PowerStatusIsp2 : public QObject
{
    Q_OBJECT
public:
    explicit PowerStatusIsp2(QObject *parent = nullptr) : QObject(parent) {}
    double temperature() const { return m_temperature; }

signals:
    void statusUpdated();

private:
    double m_temperature = 0.0;
};
