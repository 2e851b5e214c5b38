#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class BeeperSettings;

// The page of the sound indication. It shows its settings object again whenever the object changes.
class BeeperSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit BeeperSettingsWidget(QWidget *parent = nullptr);

    void setSettings(BeeperSettings *settings);
    BeeperSettings *settings() const;

private:
    QPointer<BeeperSettings> m_settings;
};
