#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QVector>

class SimCommunicator;

// The device's own settings blocks in a realistic state: object, device options and clock,
// LEDs, beeper, card reader, debug, and the 16 output groups, which the device serves one
// by one on request and never in the full read.
class SimDeviceSettings : public QObject
{
    Q_OBJECT
public:
    static constexpr int GroupCount = 16;

    static SimDeviceSettings *install(SimCommunicator &device);
    static SimDeviceSettings *of(SimCommunicator &device);

    static QByteArray objectBlock();
    static QByteArray deviceBlock();
    static QByteArray ledsBlock();
    static QByteArray beeperBlock();
    static QByteArray cardReaderBlock();
    static QByteArray debugBlock();
    static QByteArray groupBlock(int group);
    static QString groupName(int group);

    QByteArray group(int index) const { return m_groups.value(index); }
    // The next group read answers "settings memory empty" instead.
    void failNextGroupRead() { m_failGroupRead = true; }
    QDateTime clock() const;

private:
    explicit SimDeviceSettings(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    void restore(quint16 parameter);
    void refreshClock();

    SimCommunicator &m_device;
    QVector<QByteArray> m_groups;
    qint64 m_clockShift = 0; // seconds the device clock runs ahead of the PC
    bool m_failGroupRead = false;
};
