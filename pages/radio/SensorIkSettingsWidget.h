#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

class QCheckBox;
class QSlider;

// Panel of the infrared detectors (device types 6, 18, 26): test mode, energy saving and
// sensitivity.
class SensorIkSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorIkSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    QCheckBox *chbTestIK = nullptr;
    QCheckBox *chbEnergySavingMode = nullptr;
    QSlider *hsSensitivity = nullptr;
};
