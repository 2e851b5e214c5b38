#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/UnshownValues.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

// Panel of the heat detector (device type 2): its temperature events and case-open check.
class SensorIpSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorIpSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;
    void onEvtModeChanged(int mode);

private:
    QLineEdit *leTemp = nullptr;
    QComboBox *cbEvtMode = nullptr;
    QDoubleSpinBox *dsbMaxTempTh = nullptr;
    QDoubleSpinBox *dsbMinTempTh = nullptr;
    QDoubleSpinBox *dsbTempHyst = nullptr;
    QCheckBox *cbCaseOpenCheck = nullptr;
    UnshownValues m_unshown;
};
