#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

class QComboBox;

// Panel of the motion detector of device type 33. Its sensitivity choice has no field in the
// device record, so it is neither loaded nor saved.
class SensorMirelSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorMirelSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}

private:
    QComboBox *cbSensitivity = nullptr;
};
