#include "sim/SimulatedSetup.h"

#include "sim/SimComms.h"
#include "sim/SimDeviceSettings.h"
#include "sim/SimDirections.h"
#include "sim/SimJournal.h"
#include "sim/SimKeys.h"
#include "sim/SimUsers.h"

namespace {
void putWord(QByteArray &bytes, int at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

struct BlockSet
{
    quint8 readOperation;
    int size;
    int count;
};

// Read answers of the settings blocks the full read streams, with how many of each. The
// radio part (partitions, devices, loop, outputs) is added by SimRadioConfiguration::install.
const BlockSet LargeConfiguration[] = {
    {0x28, 256, 1},   // beeper
    {0x29, 256, 1},   // front-panel LEDs
    {0x2A, 256, 1},   // object
    {0x2B, 256, 1},   // device
    {0x2C, 256, 1},   // radio channel
    {0x2E, 1024, 1},  // GSM
    {0x3D, 1024, 1},  // Ethernet
    {0x3E, 256, 1},   // debug
    {0x33, 256, 1},   // card-reader indication
    {0x25, 512, 17},  // partitions
    {0x24, 512, 100}, // radio devices
    {0x2D, 256, 1},   // wired loop
    {0x26, 1024, 2},  // local outputs
    {0x2F, 512, 8},   // users (keys: SimKeys)
};
} // namespace

SimulatedSetup::SimulatedSetup(bool plugged)
    : m_bus(std::make_unique<SimBus>()),
      m_device(
          std::make_unique<SimDevice>(QString::fromLatin1(Serial), QStringLiteral("Korvel-GSM R"))),
      m_communicator(std::make_unique<SimCommunicator>(m_bus.get(), m_device.get()))
{
    m_communicator->setCredentials(QString::fromLatin1(Login), QString::fromLatin1(Password), 0, 2);
    fillLargeConfiguration(*m_communicator);
    m_firmware = std::make_unique<SimFirmware>(*m_communicator);
    if (plugged)
        plug();
}

SimulatedSetup::~SimulatedSetup()
{
    if (m_device->isPlugged())
        m_bus->unplug(m_device.get());
    m_firmware.reset();
    m_communicator.reset();
    m_device.reset();
    m_bus.reset();
}

void SimulatedSetup::plug()
{
    m_bus->plug(m_device.get());
}

void SimulatedSetup::unplug()
{
    m_bus->unplug(m_device.get());
}

QByteArray SimulatedSetup::firmwareInfo()
{
    QByteArray info(88, '\0');
    const QByteArray description = "Korvel-GSM R main board";
    info.replace(0, description.size(), description);
    putWord(info, 58, 8, 2);      // device type
    putWord(info, 60, 0x0201, 2); // hardware version
    putWord(info, 62, 0x0104, 2); // firmware 1.4
    info[72] = 1;                 // modification
    info[74] = 0;                 // execution
    return info;
}

void SimulatedSetup::fillLargeConfiguration(SimCommunicator &communicator)
{
    communicator.setRecord(0x34, 16, firmwareInfo());
    int seed = 1;
    for (const BlockSet &set : LargeConfiguration) {
        for (int id = 0; id < set.count; ++id)
            communicator.setRecord(set.readOperation, quint16(id),
                                   SimCommunicator::makeBlock(set.size, seed++));
    }
    SimUsers::install(communicator);
    SimKeys::install(communicator);
    SimComms::install(communicator);
    SimDirections::install(communicator);
    SimDeviceSettings::install(communicator);
    SimJournal::install(communicator);
}
