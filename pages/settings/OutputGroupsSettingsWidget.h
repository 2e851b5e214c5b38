#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class OutputGroupsSettings;

// The page of the output groups. It shows its settings object again whenever the object changes.
class OutputGroupsSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit OutputGroupsSettingsWidget(QWidget *parent = nullptr);

    void setSettings(OutputGroupsSettings *settings);
    OutputGroupsSettings *settings() const;

private:
    QPointer<OutputGroupsSettings> m_settings;
};
