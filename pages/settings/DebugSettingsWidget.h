#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class DebugSettings;

// The page of the device's debug block. It shows its settings object again whenever the object
// changes.
class DebugSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit DebugSettingsWidget(QWidget *parent = nullptr);

    void setSettings(DebugSettings *settings);
    DebugSettings *settings() const;

private:
    QPointer<DebugSettings> m_settings;
};
