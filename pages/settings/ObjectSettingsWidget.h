#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class ContentAwareLineEdit;
class ObjectSettings;
class QCheckBox;
class QPushButton;
class QRegularExpressionValidator;
class QSpinBox;
class SpinBoxWithValidator;
class WirelessSettings;

// The page of the protected object: name, number, delays and arming rules; the take delay
// follows the controller and never goes below the minimum it pushes.
class ObjectSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit ObjectSettingsWidget(QWidget *parent = nullptr);

    void setSettings(ObjectSettings *settings);
    void setSettingsObject(ObjectSettings *settings) { setSettings(settings); }
    ObjectSettings *settingsObject() const;
    void setWirelessSettings(WirelessSettings *settings);

    bool hasChanges() override;
    void updateWidget() override;

    QSpinBox *takeDelayBox() const;
    QPushButton *resetButton() const { return m_reset; }

public slots:
    void objectSettingsUpdated();
    void wirelessSettingsUpdated();
    void saveSettings() override;
    void connected();
    void disconnected();
    void onTakeDelayUpdated(quint16 seconds);
    void onMinimumTakeDelayUpdated(int seconds);

private:
    void showFlags();

    QPointer<ObjectSettings> m_settings;
    QPointer<WirelessSettings> m_wirelessSettings;
    QRegularExpressionValidator *m_delayValidator;
    ContentAwareLineEdit *m_name;
    SpinBoxWithValidator *m_number;
    SpinBoxWithValidator *m_takeDelay;
    SpinBoxWithValidator *m_alarmDelay;
    SpinBoxWithValidator *m_autoTakeDelay;
    QCheckBox *m_alarmOnLost;
    QCheckBox *m_takeWithLost;
    QCheckBox *m_takeWithAlarm;
    QCheckBox *m_takeWhenFailed;
    QCheckBox *m_forceTakeWithAlarm;
    QPushButton *m_save;
    QPushButton *m_reset;
};
