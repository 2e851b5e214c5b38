#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class DateTimeSettings;
class DeviceSettings;

// The page of the device clock and time zone; it edits the time fields of the device block.
class DateTimeSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit DateTimeSettingsWidget(QWidget *parent = nullptr);

    void setDateTimeSettings(DateTimeSettings *settings);
    void setDeviceSettings(DeviceSettings *settings);
    DateTimeSettings *dateTimeSettings() const;
    DeviceSettings *deviceSettings() const;

private:
    QPointer<DateTimeSettings> m_dateTime;
    QPointer<DeviceSettings> m_device;
};
