#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class GSMSettings;
class QPushButton;

// The page of the GSM settings. It refuses to be left while its settings are invalid,
// which it shows by disabling its Save button.
class GSMSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit GSMSettingsWidget(QWidget *parent = nullptr);

    void setSettings(GSMSettings *settings);
    GSMSettings *settings() const;
    bool isLocked() override;

private:
    QPointer<GSMSettings> m_settings;
    QPushButton *m_save;
};
