#pragma once

#include "app/BaseSettingsWidget.h"
#include "radio/OutputRecords.h"

class MaskEditWidget;
class QCheckBox;
class QComboBox;

// Form of the external control mode: the on and off patterns, the output group and who may
// switch the output.
class OutputSettingsWidgetControlled : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit OutputSettingsWidgetControlled(QWidget *parent = nullptr);

    void setModeSettings(const s_OutputModeSett &settings);
    s_OutputModeSett modeSettings();
    void setVolumeVisible(bool visible);

private:
    void buildForm();

    s_OutputModeSett m_settings;
    MaskEditWidget *m_enableMask;
    MaskEditWidget *m_disableMask;
    QComboBox *m_group;
    QCheckBox *m_allowSms;
    QCheckBox *m_allowCall;
    QCheckBox *m_allowKeychain;
};
