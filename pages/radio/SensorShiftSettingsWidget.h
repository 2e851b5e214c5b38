#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/UnshownValues.h"

class QCheckBox;
class QComboBox;
class QPushButton;

// Panel of the tilt and acceleration detectors (device types 16, 24). "Fix now" makes the
// detector take its current position as the reference at once.
class SensorShiftSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorShiftSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;
    void fixNow();

private:
    void buildForm();
    u_RFDevPrivateSettings fromControls() const;

    QCheckBox *cbEnableAccel = nullptr;
    QComboBox *cbAccelSensitivity = nullptr;
    QCheckBox *cbEnableTilt = nullptr;
    QComboBox *cbTiltSensitivity = nullptr;
    QCheckBox *cbEnableFix = nullptr;
    QPushButton *pbFixNow = nullptr;
    QCheckBox *cbEnergySavingMode = nullptr;
    QCheckBox *cbEnableDryReed = nullptr;
    UnshownValues m_unshown;
};
