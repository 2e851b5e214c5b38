#pragma once

#include "journal/PowerStatusPanel.h"
#include "link/Records.h"

// The power panel of hardware variant 0, with the device's case, links and serial number.
class PowerStatusWidgetIsp0 : public PowerStatusPanel
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp0(QWidget *parent = nullptr);

public slots:
    void onDeviceStatus(const s_DeviceStatus &status);
    void setSerialNumber(int number);

private:
    void build();
};
