#include "sim/SimFireContactDevices.h"

#include "sim/SimCommunicator.h"
#include "sim/SimRadioStates.h"

#include <QTimer>
#include <cstring>

namespace {
constexpr quint8 OpAcousticTestMode = 0xDC;

template <typename T> void put(quint8 *area, int offset, T value)
{
    std::memcpy(area + offset, &value, sizeof(T));
}
} // namespace

QList<SimRadioConfiguration::Device> SimFireContactDevices::devices()
{
    return {
        {DoorShiftId, 25, 5, 2, QStringLiteral("Door shift")},
        {YardPirId, 28, 6, 2, QStringLiteral("Двор PIR")},
        {BoilerHeatId, 2, 13, 5, QStringLiteral("Boiler heat")},
        {ArchiveSmokeId, 5, 15, 5, QStringLiteral("Smoke archive")},
    };
}

void SimFireContactDevices::applySettings(int id, int type, s_SensorSettings &settings)
{
    quint8 *b = settings.privateSettings.raw;
    switch (type) {
    case 22:
        b[0] = 0x2A; // 5 s detection, active mode, infrared attention
        break;
    case 25:
        b[0] = 0x20; // reed contact on
        break;
    case 34:
        b[0] = 0; // energy saving off, so the test mode can be tried
        break;
    default:
        break;
    }
    if (id == BoilerHeatId) {
        // A newer heat detector with a fixed class: both thresholds and a 2 degree hysteresis.
        settings.firmwareMajor = 1;
        settings.firmwareMinor = 32;
        put<qint16>(b, 0, 200);
        put<qint16>(b, 2, 500);
        put<qint16>(b, 4, 5000);
        put<quint16>(b, 6, 3);
        b[8] = 1;
        b[9] = 11;
        b[10] = 65;
    } else if (id == YardPirId) {
        b[0] = 0; // test mode off
        b[1] = 0; // far zone off
        b[2] = 1;
        b[3] = 2;
        b[4] = 1;
        b[5] = 0; // energy saving off
    }
}

void SimFireContactDevices::applyStatus(int id, int type, s_SensorIntData &status)
{
    quint8 *b = status.privateData.raw;
    switch (type) {
    case 2:
        b[3] = 0xC4; // no errors
        break;
    case 5:
        put<quint16>(b, 0, quint16(4 + id % 7));
        put<quint16>(b, 2, 1234);
        break;
    case 6:
    case 18:
    case 26:
        b[2] = 1;
        break;
    case 16:
    case 25:
        b[0] = 2; // reed contact closed
        break;
    case 27:
    case 28:
        b[1] = 0x15; // every zone OK
        break;
    case 34:
        b[0] = 1;
        break;
    default:
        break;
    }
    if (id == BoilerHeatId) {
        status.firmwareMajor = 1;
        status.firmwareMinor = 32;
        put<qint16>(b, 0, qint16(4725));
    } else if (id == YardPirId) {
        b[1] = 0x16; // the near zone in alarm
        status.flags |= SensorFlag::Alarm;
    } else if (id == ArchiveSmokeId) {
        put<quint16>(b, 2, 2870);
        b[4] = 6; // average illuminance exceeded
        status.flags |= SensorFlag::Fire;
    } else if (id == DoorShiftId) {
        b[0] = 1; // open
        status.flags |= SensorFlag::Alarm;
    }
}

void SimFireContactDevices::attach(SimCommunicator &device)
{
    if (!device.findChild<SimFireContactDevices *>())
        new SimFireContactDevices(device);
}

SimFireContactDevices::SimFireContactDevices(SimCommunicator &device)
    : QObject(&device), m_device(device)
{
    connect(&device, &SimCommunicator::commandReceived, this, &SimFireContactDevices::onCommand);
}

void SimFireContactDevices::onCommand(const QByteArray &command)
{
    if (command.size() < 3 || quint8(command.at(0)) != OpAcousticTestMode)
        return;
    switchTestMode(quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8)));
}

void SimFireContactDevices::switchTestMode(quint16 id)
{
    s_SensorIntData status = SimRadioStates::heldStatus(m_device, id);
    const quint8 state = status.privateData.raw[1];
    if (state > 1)
        return; // already on its way
    status.privateData.raw[1] = 2;
    SimRadioStates::pushStatus(m_device, id, status);
    const quint8 next = state == 0 ? 1 : 0;
    QTimer::singleShot(TestModeWaitMs, this, [this, id, next] {
        s_SensorIntData now = SimRadioStates::heldStatus(m_device, id);
        now.privateData.raw[1] = next;
        SimRadioStates::pushStatus(m_device, id, now);
    });
}
