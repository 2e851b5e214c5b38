#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The communicator's general device block: the clock settings the date and time page edits
// and the device options (closed-case configuration, repeated events).
class DeviceSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    static constexpr int NtpServerSize = 32;

    explicit DeviceSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Device"); }

    // The held record; the date and time object edits its clock fields in place.
    s_ExtMemDataDevice *data() { return &m_data; }
    const s_ExtMemDataDevice &record() const { return m_data; }

    QString ntpServer() const;
    // Device times are stored as UTC and shown at this offset (seconds).
    int tzOffset() const;
    void setTzOffset(int seconds);
    bool useGsmTime() const;
    bool useNtpTime() const;
    bool useManualTime() const;
    void setUseGsmTime(bool on);
    void setUseNtpTime(bool on);
    void setUseManualTime(bool on);
    quint8 timeSource() const;
    bool useNetworkTz() const;
    void setUseNetworkTz(bool on);
    bool useNetworkDaylight() const;
    void setUseNetworkDaylight(bool on);
    bool lowPowerMode() const;
    void setLowPowerMode(bool on);
    bool allowConfigWithClosedCase() const;
    void setAllowConfigWithClosedCase(bool on);
    bool duplicateTakeEvt() const;
    void setDuplicateTakeEvt(bool on);
    bool duplicateTakeEvtForOutDev() const;
    void setDuplicateTakeEvtForOutDev(bool on);
    bool duplicateAlarmFromSameSensEvt() const;
    void setDuplicateAlarmFromSameSensEvt(bool on);
    bool duplicateAlarmFromSamePartEvt() const;
    void setDuplicateAlarmFromSamePartEvt(bool on);
    bool duplicateFireFromSameSensEvt() const;
    void setDuplicateFireFromSameSensEvt(bool on);
    bool duplicateFireFromSamePartEvt() const;
    void setDuplicateFireFromSamePartEvt(bool on);
    bool asyncOutputsMode() const;

    void resetToDefault();

signals:
    void settingsUpdated();
    void readSettings();

public slots:
    void settings(const s_ExtMemDataDevice &block);
    // As the receiver of a signal (a file's server), the record is written at once.
    void setNtpServer(const QString &text);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }

    s_ExtMemDataDevice m_data;
};
