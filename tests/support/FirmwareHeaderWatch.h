#pragma once

#include <QObject>

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
    FirmwareHeaderWatch(Protocol *protocol, SimCommunicator &device);

    // Every header asked so far has come back.
    bool settled() const;

private:
    SimCommunicator &m_device;
    int m_answers = 0;
};
