#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class ObjectSettings;
class QPushButton;
class QSpinBox;
class WirelessSettings;

// The page of the object block: the arming delay and the reset of the block.
class ObjectSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit ObjectSettingsWidget(QWidget *parent = nullptr);

    void setSettingsObject(ObjectSettings *settings);
    ObjectSettings *settingsObject() const;
    QSpinBox *takeDelayBox() const { return m_takeDelay; }
    QPushButton *resetButton() const { return m_reset; }
    void setWirelessSettings(WirelessSettings *settings);

public slots:
    void objectSettingsUpdated();
    void onMinimumTakeDelay(int seconds);
    void onTakeDelay(int seconds);

private:
    QPointer<ObjectSettings> m_settings;
    QPointer<WirelessSettings> m_wirelessSettings;
    QSpinBox *m_takeDelay;
    QPushButton *m_reset;
};
