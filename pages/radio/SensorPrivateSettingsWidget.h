#pragma once

#include "radio/Sensor.h"

#include <QWidget>

// Base of the per-type panels of the radio device settings dialog. A panel copies its
// controls into the bound device object only; the dialog writes the device afterwards.
class SensorPrivateSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SensorPrivateSettingsWidget(QWidget *parent = nullptr);

    Sensor::SPtr sensor() const { return device; }

public slots:
    void setSensor(Sensor::SPtr sensor);
    virtual void saveSettings() = 0;
    // Fills the controls from the bound device; called again on every settings change.
    virtual void updateWidget() = 0;
    virtual void onSensorStatusUpdated() {}

protected:
    Sensor::SPtr device;
};
