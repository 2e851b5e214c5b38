#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/UnshownValues.h"

class QCheckBox;
class QComboBox;

// Panel of the magnetic contact (device type 4): sabotage protection and which sensing
// modules are used; older hardware offers fewer modes.
class SensorSMKSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorSMKSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    bool hasLoopMode() const;

    QCheckBox *cbSabotage = nullptr;
    QComboBox *cbSMKMode = nullptr;
    UnshownValues m_unshown;
};
