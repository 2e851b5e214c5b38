#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the magnetic contact (device type 4).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorSMKSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorSMKSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
