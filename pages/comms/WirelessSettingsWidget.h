#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>
#include <QTimer>

class WirelessSettings;
class QCheckBox;
class QComboBox;
class QLabel;
class QMovie;
class QPushButton;
class QRadioButton;
class SpinBoxWithValidator;

// The page of the radio channel: channel group, best or manual channel, automatic change,
// loss detection time and enrolment time, the best-channel scan and the noise measurement.
class WirelessSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    static constexpr int ScanTimeoutMs = 600000;

    explicit WirelessSettingsWidget(QWidget *parent = nullptr);

    void setSettings(WirelessSettings *settings);
    WirelessSettings *settings() const;

    bool hasChanges() override;
    void saveSettings() override;
    void updateWidget() override;

    bool isScanning() const { return m_scanTimer.isActive(); }
    QTimer &scanTimer() { return m_scanTimer; }
    // Seconds of connection interval to the "minutes" text of the loss detection time.
    static QString intervalText(int seconds);

public slots:
    void settingsUpdated();
    void onUseBestChannelOn();
    void onStatusUpdated();
    void connected();
    void disconnected();
    void onChannelGroupChanged(int index);
    void channelGroupChange(int group);
    void findBestChannel();
    void offBestChannel();
    void launchLoadAnalysis();

private:
    void setupUi();
    void setupHints();
    void setAccessibleNames();
    bool isChannelInList(int channel) const;
    void onScanTimeout();
    void followChannelMode();
    void askGroupChange(int index);
    static int intervalSeconds(const QString &text);
    void showStoredChannel();

    QPointer<WirelessSettings> m_settings;
    QTimer m_scanTimer;
    QMovie *m_movie = nullptr;
    QLabel *m_currentChannel = nullptr;
    QComboBox *m_group = nullptr;
    QCheckBox *m_autoSelect = nullptr;
    QRadioButton *m_bestSelect = nullptr;
    QLabel *m_bestChannelTitle = nullptr;
    QLabel *m_bestChannel = nullptr;
    QPushButton *m_chooseBest = nullptr;
    QRadioButton *m_manualSelect = nullptr;
    QComboBox *m_channel = nullptr;
    QComboBox *m_interval = nullptr;
    SpinBoxWithValidator *m_configTime = nullptr;
    QPushButton *m_launch = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_reset = nullptr;
};
