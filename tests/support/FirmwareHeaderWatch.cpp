#include "support/FirmwareHeaderWatch.h"

#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "sim/SimCommunicator.h"

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
    // Answers a harness feeds the program itself count too, so more may have come than
    // were asked.
    return !m_link->isWriterBusy() && m_answers >= m_device.commandsOf(ReadFirmwareHeader).size();
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
