#include "support/FirmwareHeaderWatch.h"

#include "link/Protocol.h"
#include "sim/SimCommunicator.h"

namespace {
constexpr quint8 ReadFirmwareHeader = 0x34;
}

FirmwareHeaderWatch::FirmwareHeaderWatch(Protocol *protocol, SimCommunicator &device)
    : m_device(device)
{
    connect(protocol, &Protocol::firmwareVersion, this, [this] { ++m_answers; });
}

bool FirmwareHeaderWatch::settled() const
{
    return m_answers == m_device.commandsOf(ReadFirmwareHeader).size();
}
