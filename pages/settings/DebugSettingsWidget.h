#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class DebugSettings;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The debug page: the test-server switch and the MAC address.
class DebugSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit DebugSettingsWidget(QWidget *parent = nullptr);

    void setSettings(DebugSettings *settings);
    DebugSettings *settings() const;

    bool hasChanges() override;
    void updateWidget() override;
    void saveSettings() override;

private:
    void connected();
    void askReset();
    void resetMac();
    void storeMacAddress();

    QPointer<DebugSettings> m_settings;
    QCheckBox *m_testServer;
    QLineEdit *m_mac;
    QPushButton *m_resetMac;
    QPushButton *m_save;
    QPushButton *m_reset;
    QString m_shownMac;
};
