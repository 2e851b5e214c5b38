#pragma once

#include <QObject>

class HIDInterface;
class Protocol;
class SimCommunicator;

// Counts the firmware headers the device answered against those the program asked for.
// After the login the update page reads the parts' headers, and on a slow machine asks for
// them a second time; a late answer moves the page's rows and sets the device's version
// again, over what a test has set up itself.
class FirmwareHeaderWatch : public QObject
{
public:
    // Made before the program asks for anything.
    FirmwareHeaderWatch(Protocol *protocol, HIDInterface *link, SimCommunicator &device);

    // Every header asked so far has come back, and no request waits for the writer or is
    // being sent.
    bool settled() const;
    // How many headers of the part the program has asked for.
    int asked(quint16 part) const;

private:
    HIDInterface *m_link;
    SimCommunicator &m_device;
    int m_answers = 0;
};
