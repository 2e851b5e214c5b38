#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class EthernetSettings;

// The page of the Ethernet settings. It shows its settings object again whenever the object
// changes.
class EthernetSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit EthernetSettingsWidget(QWidget *parent = nullptr);

    void setSettings(EthernetSettings *settings);
    EthernetSettings *settings() const;

private:
    QPointer<EthernetSettings> m_settings;
};
