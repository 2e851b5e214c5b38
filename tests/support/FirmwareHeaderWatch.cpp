#include "support/FirmwareHeaderWatch.h"

#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"

#include <algorithm>

namespace {
constexpr quint8 ReadFirmwareHeader = 0x34;
}

FirmwareHeaderWatch::FirmwareHeaderWatch(Protocol *protocol, HIDInterface *link,
                                         SimCommunicator &device)
    : m_link(link), m_device(device)
{
    connect(protocol, &Protocol::firmwareVersion, this, [this] { ++m_answers; });
}

bool FirmwareHeaderWatch::settled() const
{
    // The device's own count of what arrived: the communicator counts a command only once
    // the event loop has handed it over, and a request the writer has just sent would be
    // missed. Answers a harness feeds the program itself count too, so more may have come
    // than were asked.
    if (!m_link->isWriterIdle())
        return false;
    const QList<QByteArray> received = m_device.device()->receivedMessages();
    const auto asked = std::count_if(received.cbegin(), received.cend(), [](const QByteArray &m) {
        return !m.isEmpty() && quint8(m.at(0)) == ReadFirmwareHeader;
    });
    return m_answers >= asked;
}

int FirmwareHeaderWatch::asked(quint16 part) const
{
    int count = 0;
    for (const QByteArray &command : m_device.commandsOf(ReadFirmwareHeader))
        if (command.size() >= 3 && quint8(command.at(1)) == (part & 0xFF) &&
            quint8(command.at(2)) == (part >> 8))
            ++count;
    return count;
}
