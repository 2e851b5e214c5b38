#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

class QComboBox;

// Panel of the flame detectors (device types 21, 22): detection range and speed.
class SensorFlarexSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorFlarexSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    QComboBox *cbRange = nullptr;
    QComboBox *cbSpeed = nullptr;
};
