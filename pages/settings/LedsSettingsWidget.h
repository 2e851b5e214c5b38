#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class LedsSettings;

// The page of the light indication. It shows its settings object again whenever the object changes.
class LedsSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit LedsSettingsWidget(QWidget *parent = nullptr);

    void setSettings(LedsSettings *settings);
    LedsSettings *settings() const;

private:
    QPointer<LedsSettings> m_settings;
};
