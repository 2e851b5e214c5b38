#pragma once

#include <QObject>
#include <QTimer>

class SimCommunicator;

// The communicator's partition and enrolment behaviour: arming and disarming answered
// with the partition's new status, a partition reset to its default block, the target
// partition of new radio devices, and enrolment that lets a new device join every few
// seconds while it is on.
class SimPartitions : public QObject
{
    Q_OBJECT
public:
    static constexpr int EnrolIntervalMs = 4000;
    static constexpr int NewDeviceType = 4;

    // Once per communicator; the communicator owns it.
    static SimPartitions *attach(SimCommunicator &device);
    static SimPartitions *of(SimCommunicator &device);

    bool isEnrolling() const { return m_enrolling; }
    int target() const { return m_target; }
    // The next arm or disarm command is refused with this device error code.
    void refuseNextArming(quint16 code) { m_refuseCode = code; }
    // A new device joins the target partition now (enrolment on or not); its id.
    int enrolNow();
    // The device reports a partition's state, as it does on any change.
    void pushStatus(int index, quint16 mainState, quint16 currentState = 0);
    // Every partition's status again, back to back.
    void pushAllStatuses();
    // The default partition block the device writes on a reset.
    static QByteArray defaultBlock(int index);
    // Statuses, names, numbers and flags that show every look of the partition pages.
    static void installShowcase(SimCommunicator &device);

private:
    explicit SimPartitions(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    void arm(bool on, quint32 mask);
    void setEnrolling(bool on);
    void patchRadioStatus();

    SimCommunicator &m_device;
    QTimer m_enrolTimer;
    bool m_enrolling = false;
    int m_target = 1;
    quint16 m_refuseCode = 0;
};
