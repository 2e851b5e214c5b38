#include "sim/SimOutputs.h"

#include "sim/SimCommunicator.h"

#include <cstring>

namespace {
constexpr quint8 OpOutputTactic = 0xDA;
constexpr int TacticTypes = 5;
constexpr quint32 AllEvents = 0x3F;
constexpr quint32 TwoPartitions = 0x06;

template <typename T> void put(quint8 *area, int offset, T value)
{
    std::memcpy(area + offset, &value, sizeof(T));
}

// Take on, take off, not taken, fire, alarm, leak.
struct Preset
{
    quint32 masks[6];
    quint32 enabledEvents;
};

Preset presetOf(quint8 type)
{
    using P = SimOutputs;
    switch (type) {
    case 1: // a lamp that stays lit while the partition is armed
        return {{P::pattern(0, 0xFFFF, 0, false, true), P::pattern(0, 0x0000),
                 P::pattern(10000, 0x00FF), P::pattern(180000, 0xFFFF), P::pattern(180000, 0xFFFF),
                 P::pattern(60000, 0xFFFF)},
                AllEvents};
    case 2: // a battery lamp: short flashes to save power
        return {{P::pattern(2000, 0x0001), P::pattern(2000, 0x0101), P::pattern(10000, 0x0101),
                 P::pattern(180000, 0x1111), P::pattern(180000, 0x0101), P::pattern(60000, 0x0001)},
                AllEvents};
    case 3: // a siren pulsing at full volume
        return {{P::pattern(250, 0x0001, 15), P::pattern(500, 0x0005, 15),
                 P::pattern(4000, 0x0F0F, 15), P::pattern(180000, 0x5555, 15, true),
                 P::pattern(180000, 0x0F0F, 15, true), P::pattern(60000, 0x00FF, 15)},
                AllEvents};
    case 4: // discrete short pulses for a relay input
        return {{P::pattern(1000, 0x0001), P::pattern(1000, 0x0001), P::pattern(1000, 0x0005),
                 P::pattern(1000, 0x0015), P::pattern(1000, 0x0003), P::pattern(1000, 0x0007)},
                AllEvents};
    default: // the device's default: alarms and fire only
        return {{0, 0, 0, P::pattern(120000, 0x3333), P::pattern(120000, 0xFFFF),
                 P::pattern(60000, 0x00FF)},
                0x38};
    }
}
} // namespace

void SimOutputs::attach(SimCommunicator &device)
{
    if (!device.findChild<SimOutputs *>())
        new SimOutputs(device);
}

SimOutputs::SimOutputs(SimCommunicator &device) : QObject(&device), m_device(device)
{
    connect(&device, &SimCommunicator::commandReceived, this, &SimOutputs::onCommand);
}

quint32 SimOutputs::pattern(int durationMs, quint16 sequence, int volume, bool modulation,
                            bool endState)
{
    static const int steps[4] = {125, 1000, 8000, 32000};
    int step = 0;
    while (step < 3 && durationMs / steps[step] > 255)
        ++step;
    quint32 value = quint32(durationMs / steps[step]) | quint32(step) << 8;
    value |= endState ? 1u << 10 : 0;
    value |= quint32(volume & 0xF) << 11;
    value |= modulation ? 1u << 15 : 0;
    return value | quint32(sequence) << 16;
}

s_EventsOutMode SimOutputs::preset(quint8 type)
{
    s_OutputModeSett mode;
    std::memset(&mode, 0, sizeof(mode));
    const Preset chosen = presetOf(type);
    mode.TakeOnMask = chosen.masks[0];
    mode.TakeOffMask = chosen.masks[1];
    mode.NotTakeMask = chosen.masks[2];
    mode.FireMask = chosen.masks[3];
    mode.AlarmMask = chosen.masks[4];
    mode.WaterLeakage = chosen.masks[5];
    mode.EnableEvents = chosen.enabledEvents;
    mode.SelectedPartitions = TwoPartitions;
    mode.tactic = type;
    mode.journalFlags = OutputFlag::OutEventsToJournal;
    s_EventsOutMode answer;
    std::memcpy(&answer, &mode, sizeof(answer));
    return answer;
}

void SimOutputs::onCommand(const QByteArray &command)
{
    if (command.size() < 3 + 4 || quint8(command.at(0)) != OpOutputTactic)
        return;
    const quint8 output = quint8(command.at(3));
    const quint8 type = quint8(command.at(4));
    if (type >= TacticTypes) {
        m_device.send(
            SimCommunicator::errorAnswer(OpOutputTactic, SimCommunicator::ErrParameter, output));
        return;
    }
    const s_EventsOutMode answer = preset(type);
    m_device.send(SimCommunicator::message(
        OpOutputTactic, output,
        QByteArray(reinterpret_cast<const char *>(&answer), int(sizeof(answer)))));
}

void SimOutputs::applyClimate(int type, s_SensorIntData &status)
{
    quint8 *data = status.privateData.raw;
    if (type == 2) {
        put<qint16>(data, 0, 1850); // 18.5 °C in a store room
        return;
    }
    if (type != 10 && type != 31)
        return;
    put<qint16>(data, 0, type == 10 ? -550 : 2240); // an outdoor porch, a living room
    put<qint16>(data, 2, 2150);
    put<qint16>(data, 4, type == 10 ? 8100 : 4370);
    put<qint16>(data, 6, 4500);
    if (type == 31)
        put<qint16>(data, 16, 1200); // CO, hundredths of ppm
}

void SimOutputs::applyClimateReferences(int type, u_RFDevPrivateSettings &settings)
{
    if (type != 10 && type != 31)
        return;
    put<qint16>(settings.raw, 6, 2150);
    put<qint16>(settings.raw, 14, 4500);
    put<qint16>(settings.raw, 20, 3000);
}

void SimOutputs::fillOutputMode(int index, s_OutputModeSett &m)
{
    std::memset(&m, 0, sizeof(m));
    if (index == 0) {
        const s_EventsOutMode siren = preset(3);
        std::memcpy(&m, &siren, sizeof(siren));
        m.Mode = OutModeStandardEvents;
        return;
    }
    m.Mode = OutModeTempControl;
    m.Hyst = 150;
    m.IntTempRef = 2150;
    m.FeedbackSensAddr = ClimateFeedbackId;
    m.RefSensAddr = ClimateFeedbackId;
    m.EnableMask = pattern(0, 0xFFFF);
    m.OutGroupNumber = 1;
    m.controlFlags = OutputFlag::AllowSmsControl;
}
