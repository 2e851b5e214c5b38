#include "sim/SimRadioStates.h"

#include "link/Crc.h"
#include "sim/SimCommunicator.h"

#include <cstring>

namespace {
constexpr quint8 OpSensorStatus = 0x0A;
constexpr quint8 OpSensorFull = 0x11;
constexpr int FullStatusOffset = 312;
constexpr int FullCrcOffset = 420;

void putWord(quint8 *bytes, int offset, quint16 value)
{
    std::memcpy(bytes + offset, &value, sizeof(value));
}
} // namespace

void SimRadioStates::apply(int id, int type, s_SensorIntData &status)
{
    quint8 *live = status.privateData.raw;
    // Devices whose live values say "at rest" only when filled in.
    if (type == 4) {
        putWord(live, 4, 3);
        live[6] = 1;
    } else if (type == 30) {
        live[4] = 2;
        live[5] = 1;
    } else if (type == 66) {
        live[32] = 3;
    }
    switch (id) {
    case AlarmId:
        status.flags |= 1u << 4;
        break;
    case FireId:
        status.flags |= 1u << 5;
        break;
    case CaseOpenId:
        status.flags |= 1u << 3;
        break;
    case FaultId:
        status.flags |= 1u << 7;
        break;
    case LowMainId:
        status.supplyVoltage = 2000;
        break;
    case ReserveFailId:
        status.flags |= 1u << 1;
        break;
    case LostId:
        status.flags |= 1u << 6;
        break;
    case CableBrokenId:
        putWord(live, 4, 5);
        status.state = 24;
        break;
    default:
        break;
    }
}

void SimRadioStates::pushStatus(SimCommunicator &device, quint16 id, const s_SensorIntData &status)
{
    const QByteArray record(reinterpret_cast<const char *>(&status), int(sizeof(status)));
    device.setRecord(OpSensorStatus, id, record);
    // A later full read reports the same state.
    QByteArray full = device.record(OpSensorFull, id);
    if (full.size() == int(sizeof(s_FullSensorData))) {
        full.replace(FullStatusOffset, record.size(), record);
        s_FullSensorData report;
        std::memcpy(&report, full.constData(), sizeof(report));
        report.crc32 = crc32Stm(&report, FullCrcOffset);
        device.setRecord(OpSensorFull, id,
                         QByteArray(reinterpret_cast<const char *>(&report), int(sizeof(report))));
    }
    device.send(SimCommunicator::message(OpSensorStatus, id, record));
}

s_SensorIntData SimRadioStates::heldStatus(const SimCommunicator &device, quint16 id)
{
    s_SensorIntData status;
    std::memset(&status, 0, sizeof(status));
    const QByteArray record = device.record(OpSensorStatus, id);
    if (record.size() == int(sizeof(status)))
        std::memcpy(&status, record.constData(), sizeof(status));
    return status;
}
