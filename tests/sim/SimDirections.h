#pragma once

#include "pages/reporting/DirectionRecords.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class SimCommunicator;

// The communicator's event-reporting side: eleven directions of a lived-in installation
// (the last one the managing user's), their reset to defaults, and the delivery state
// answer 0x17 moving as events go out.
class SimDirections : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = 11;

    // Puts the direction blocks into the device and answers resets; once per communicator.
    static SimDirections *install(SimCommunicator &device);
    static SimDirections *of(SimCommunicator &device);

    static s_ExtMemDataGSMDirection direction(int index);
    static s_ExtMemDataGSMDirection defaultDirection(int index);
    static QByteArray bytesOf(const s_ExtMemDataGSMDirection &record);
    static QString directionName(int index);

    // Firmware before 1.2 sends 88 bytes; execution 2 sends 208.
    enum Layout
    {
        OldLayout,
        PlainLayout,
        WideLayout
    };
    void setLayout(Layout layout) { m_layout = layout; }
    QByteArray statusRecord() const;
    // One delivery step, then the state is sent.
    void pushStatus();
    void startDelivery(int intervalMs);
    // The status sent again without a step: the same event still being delivered.
    void repeatStatus();
    // The journal index of the event being delivered, 0xFFFF when none is.
    quint16 currentEventIndex() const;
    quint32 currentEventNumber() const { return m_eventNumber; }

private:
    explicit SimDirections(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    void step();

    SimCommunicator &m_device;
    QTimer m_timer;
    Layout m_layout = PlainLayout;
    quint32 m_head = 120;
    quint32 m_eventNumber = 118;
    quint16 m_positions[10] = {};
    int m_active = -1;
    int m_activeChannel = 0;
    int m_steps = 0;
};
