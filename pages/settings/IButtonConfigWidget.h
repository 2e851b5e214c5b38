#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class IButtonConfig;

// The page of the iButton reader. It shows its settings object again whenever the object changes.
class IButtonConfigWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit IButtonConfigWidget(QWidget *parent = nullptr);

    void setSettings(IButtonConfig *settings);
    IButtonConfig *settings() const;

private:
    QPointer<IButtonConfig> m_settings;
};
