#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/UnshownValues.h"

class QCheckBox;
class QComboBox;

// Panel of the infrared detectors with a near and a far zone (device types 27, 28); at least
// one zone stays on.
class SensorDraskSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorDraskSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    QCheckBox *cbNearZone = nullptr;
    QComboBox *cbNearSensitivity = nullptr;
    QCheckBox *cbFarZone = nullptr;
    QComboBox *cbFarSensitivity = nullptr;
    QCheckBox *cbPowersave = nullptr;
    QCheckBox *cbTest = nullptr;
    UnshownValues m_unshown;
};
