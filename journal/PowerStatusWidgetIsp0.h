#pragma once

#include "link/Records.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class PowerStatusIsp0;
class QLabel;

// The power panel of hardware variant 0.
class PowerStatusWidgetIsp0 : public QWidget
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp0(QWidget *parent = nullptr);

    void setPowerStatus(PowerStatusIsp0 *status);
    PowerStatusIsp0 *powerStatus() const;
    // A value label by its object name.
    QLabel *label(const char *name) const;

public slots:
    void onConnected();
    void statusUpdated();
    void onDeviceStatus(const s_DeviceStatus &status);
    void setSerialNumber(int number);

private:
    void build();

    QPointer<PowerStatusIsp0> m_status;
    QHash<QString, QLabel *> m_labels;
};
