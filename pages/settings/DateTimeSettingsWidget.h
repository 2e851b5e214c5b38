#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>
#include <QTimer>

class DateTimeSettings;
class DeviceSettings;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// The page of the device clock: running device time, time source, NTP server, time zone and
// a manual time to set.
class DateTimeSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit DateTimeSettingsWidget(QWidget *parent = nullptr);

    void setDateTimeSettings(DateTimeSettings *settings);
    void setDeviceSettings(DeviceSettings *settings);
    DateTimeSettings *dateTimeSettings() const;
    DeviceSettings *deviceSettings() const;

    bool hasChanges() override;
    void updateWidget() override { settingsUpdated(); }

    // Seconds east of UTC named by a time-zone text ("UTC+03:00 (...)", "UTC−05:00").
    static int offsetOfText(const QString &text);

public slots:
    void settingsUpdated();
    void deviceSettingsUpdated();
    void saveSettings() override;
    void incTime();
    void connected();
    void disconnected();
    void settingsReset();

private:
    // What the page holds at Save, to be written whatever record arrives before the store.
    struct TimeChoices
    {
        int tzOffset = 0;
        bool useNetworkTz = false;
        bool useNetworkDaylight = false;
        QString ntpServer;
        bool useNtp = false;
        bool useGsm = false;
        bool useManual = false;
        void applyTo(DeviceSettings &device) const;
    };

    TimeChoices choices() const;
    void selectZone(int offset);
    int selectedOffset() const;

    QPointer<DateTimeSettings> m_dateTime;
    QPointer<DeviceSettings> m_device;
    QTimer m_clock;
    QDateTimeEdit *m_current;
    QRadioButton *m_useGsm;
    QCheckBox *m_networkTz;
    QCheckBox *m_networkDst;
    QRadioButton *m_useNtp;
    QLineEdit *m_ntpServer;
    QRadioButton *m_useManual;
    QDateTimeEdit *m_manual;
    QToolButton *m_setCurrent;
    QComboBox *m_timezone;
    QPushButton *m_save;
    QPushButton *m_reset;
    int m_zoneEntries = 0;
};
