#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class WirelessSettings;

// The page of the radio channel. It shows its settings object again whenever the object changes.
class WirelessSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit WirelessSettingsWidget(QWidget *parent = nullptr);

    void setSettings(WirelessSettings *settings);
    WirelessSettings *settings() const;

private:
    QPointer<WirelessSettings> m_settings;
};
