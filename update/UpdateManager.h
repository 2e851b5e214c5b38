#pragma once

#include "link/Records.h"
#include "radio/Sensor.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QVersionNumber>

class SenderHolder;

// Updates radio devices one after another from the firmware the communicator holds: starts
// each, follows its reports, retries while the communicator is busy and checks the version.
class UpdateManager : public QObject
{
    Q_OBJECT
public:
    // Results reported as the value of updateStatus.
    enum Result : uint
    {
        Aborted = 101,
        Failed = 102,
        Succeeded = 103,
    };
    static constexpr quint16 BusyCode = 31;
    // Pause between a device's last report and the check of its version.
    static constexpr int CheckDelayMs = 5000;

    explicit UpdateManager(const s_fw_info &loaded, QObject *parent = nullptr);

    void setLoadedFirmware(const s_fw_info &loaded);
    void setSender(SenderHolder *sender) { m_sender = sender; }
    bool start(const QList<Sensor::SPtr> &devices);
    void startNext();
    void finish(const Sensor::SPtr &device);
    void stop();

    QVersionNumber expectedVersion() const { return m_expectedVersion; }
    QList<Sensor::SPtr> queue() const { return m_queue; }

signals:
    void updateStarted(uint device);
    void updateStatus(uint device, uint value);
    void resetSensor(uint device);
    void sensorErrorCode(int device, quint16 code);
    void updateFinished();

public slots:
    void onUpdateStatus(const s_FW_UPDATE_STATUS &status);
    void onFirmwareUpdateError(quint16 code);
    void onRetryTimerTimeout();
    void waitSensorStatus();
    void checkSensorStatus();

private:
    void send(const QString &text) const;
    void abortBusy();
    void startHeadAfterPause();

    QList<Sensor::SPtr> m_queue;
    QVersionNumber m_expectedVersion;
    uint m_result = Succeeded;
    int m_retriesLeft = 0;
    QTimer m_retryTimer;
    // Runs between the head's last report and its version check.
    QTimer m_checkTimer;
    SenderHolder *m_sender = nullptr;
};
