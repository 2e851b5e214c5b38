#include "sim/SimFirmware.h"

#include "sim/DmiaWriter.h"
#include "sim/SimCommunicator.h"
#include "sim/SimRadioStates.h"

#include <QDir>
#include <QTimer>
#include <QtEndian>

namespace {
constexpr quint8 OpReadFwHeader = 0x34;
constexpr quint8 OpWrite = 0xBF;
constexpr quint8 OpUpdate = 0xC0;
constexpr quint8 OpStop = 0xC1;
constexpr quint8 OpErase = 0xC2;
constexpr quint8 OpStatus = 0xC3;
constexpr int FwInfoSize = 88;

void putWord(QByteArray &bytes, int at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

quint16 wordAt(const QByteArray &bytes, int at)
{
    return bytes.size() >= at + 2 ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}

// Readout identifier of the part an install command puts in place.
quint16 readIdOfInstall(quint16 updateId)
{
    switch (updateId) {
    case 4:
        return 15;
    case 6:
        return 16;
    case 8:
        return 17;
    default:
        return 23;
    }
}
} // namespace

SimFirmware::SimFirmware(SimCommunicator &communicator, QObject *parent)
    : QObject(parent), m_communicator(communicator)
{
    communicator.setRecord(OpReadFwHeader, 15, partInfo(CoreType, Hardware, CoreVersion, 310));
    communicator.setRecord(OpReadFwHeader, 17, partInfo(RadioType, Hardware, 0x0203, 41));
    communicator.setRecord(OpReadFwHeader, 23, partInfo(0, Hardware, 0x0101, 7));
    communicator.setRecord(OpReadFwHeader, 14, partInfo(CoreType, Hardware, 0x0100, 1));
    communicator.setRecord(OpReadFwHeader, 11, partInfo(RadioType, Hardware, 0x0100, 1));
    // The main board record the login reads doubles as the bootloader's.
    QByteArray board = communicator.record(OpReadFwHeader, 16);
    if (board.size() == FwInfoSize) {
        board.replace(0, 4, "DMIA");
        putWord(board, 58, BootloaderType, 2);
        putWord(board, 60, Hardware, 2);
        communicator.setRecord(OpReadFwHeader, 16, board);
    }
    communicator.setExtraHandler([this](quint8 operation, quint16 id, const QByteArray &payload) {
        return handle(operation, id, payload);
    });
}

SimFirmware::~SimFirmware()
{
    m_communicator.setExtraHandler(nullptr);
}

QByteArray SimFirmware::partInfo(quint16 deviceType, quint16 hardware, quint16 version,
                                 quint16 build, quint32 buildTime)
{
    QByteArray info(FwInfoSize, '\0');
    info.replace(0, 4, "DMIA");
    const QByteArray date = "Jan  5 2026";
    const QByteArray time = "10:20:30";
    info.replace(28, date.size(), date);
    info.replace(42, time.size(), time);
    putWord(info, 58, deviceType, 2);
    putWord(info, 60, hardware, 2);
    putWord(info, 62, version, 2);
    putWord(info, 64, build, 2);
    putWord(info, 68, buildTime, 4);
    return info;
}

QStringList SimFirmware::writeFittingContainers(const QString &folder)
{
    QDir().mkpath(folder);
    DmiaWriter core;
    core.deviceType = CoreType;
    core.hardwareVersion = Hardware;
    core.firmwareVersion = 0x0105;
    core.blocks = DmiaWriter::image(0x08000000, 16 * 1024, 64, 1);
    core.wideAddresses = true;
    DmiaWriter bootloader = core;
    bootloader.deviceType = BootloaderType;
    bootloader.blocks = DmiaWriter::image(0x08000000, 8 * 1024, 64, 2);
    DmiaWriter radio;
    radio.deviceType = RadioDeviceType;
    radio.hardwareVersion = RadioDeviceHardware;
    radio.firmwareVersion = 0x0115;
    radio.deviceLine = QStringLiteral("Device: Tarvo-T24, HW: 1.2");
    radio.blocks = DmiaWriter::image(0x2000, 4 * 1024, 48, 3);
    return {
        DmiaWriter::write(folder + QStringLiteral("/core.dmia"), {core.container()}),
        DmiaWriter::write(folder + QStringLiteral("/bootloader.DMIA"), {bootloader.container()}),
        DmiaWriter::write(folder + QStringLiteral("/vibration.dmia"), {radio.container()})};
}

bool SimFirmware::handle(quint8 operation, quint16 id, const QByteArray &payload)
{
    switch (operation) {
    case OpErase:
        erase(id);
        return true;
    case OpWrite:
        write(id, payload);
        return true;
    case OpUpdate:
        install(id, payload);
        return true;
    case OpStop:
        m_stopped = true;
        return true;
    default:
        return false;
    }
}

void SimFirmware::erase(quint16 id)
{
    ++m_erases[id];
    m_written.remove(id);
    QByteArray code(2, '\0');
    putWord(code, 0, m_eraseCode, 2);
    m_communicator.send(SimCommunicator::message(OpErase, id, code));
}

// Radio-device firmware (identifier 3) is kept with its header, which the device then reports
// as identifier 13.
void SimFirmware::write(quint16 id, const QByteArray &payload)
{
    m_written[id] = payload;
    if (id != 3 || payload.size() < 24 || m_keepsHeldFirmware)
        return;
    m_communicator.setRecord(OpReadFwHeader, 13,
                             partInfo(wordAt(payload, 0), wordAt(payload, 2), wordAt(payload, 4), 1,
                                      qFromLittleEndian<quint32>(payload.constData() + 18)));
}

void SimFirmware::install(quint16 id, const QByteArray &payload)
{
    ++m_installs[id];
    m_stopped = false;
    if (id == 9) {
        ++m_radioUpdates[wordAt(payload, 0)];
        updateRadioDevice(wordAt(payload, 0));
        return;
    }
    report(1, 0, 255);
    if (m_installFails) {
        report(3, 0, 255);
        return;
    }
    if (id == 0x16 && payload.size() >= 6)
        m_nextVersions[23] = wordAt(payload, 4);
    bumpVersion(readIdOfInstall(id));
    report(4, 100, 255);
}

void SimFirmware::bumpVersion(quint16 readId)
{
    QByteArray info = m_communicator.record(OpReadFwHeader, readId);
    if (info.size() != FwInfoSize)
        return;
    const quint16 next = m_nextVersions.value(readId, quint16(wordAt(info, 62) + 1));
    putWord(info, 62, next, 2);
    m_communicator.setRecord(OpReadFwHeader, readId, info);
}

// The device takes the held firmware over the air in a few steps; a stop ends it.
void SimFirmware::updateRadioDevice(quint16 number)
{
    report(1, 0, number);
    for (int step = 1; step <= 4; ++step) {
        QTimer::singleShot(20 * step, this, [this, number, step] {
            if (m_stopped)
                return;
            if (step < 4) {
                report(0, quint16(step * 30), number);
                return;
            }
            const QByteArray held = m_communicator.record(OpReadFwHeader, 13);
            s_SensorIntData status = SimRadioStates::heldStatus(m_communicator, number);
            status.firmwareMajor = quint8(wordAt(held, 62) >> 8);
            status.firmwareMinor = quint8(wordAt(held, 62) & 0xFF);
            SimRadioStates::pushStatus(m_communicator, number, status);
            report(4, 100, number);
            if (m_repeatsFinalReport)
                report(4, 100, number);
        });
    }
}

void SimFirmware::report(quint8 state, quint16 progress, quint16 device)
{
    QByteArray status(8, '\0');
    status[0] = char(state);
    putWord(status, 2, progress, 2);
    putWord(status, 4, device, 2);
    m_communicator.send(SimCommunicator::message(OpStatus, 0, status));
}
