#include "sim/SimControlDevices.h"

#include <cstring>

namespace {
template <typename T> void put(quint8 *area, int offset, T value)
{
    std::memcpy(area + offset, &value, sizeof(T));
}

// Settings byte n lives at n - 120 of the private area, status byte n at n.
constexpr int Private = 120;
} // namespace

void SimControlDevices::applySettings(int id, s_SensorSettings &settings)
{
    if (id != CircuitRelayId)
        return;
    settings.hardwareMajor = 2;
    settings.hardwareMinor = 0;
    settings.common.inputOperatingMode = 3;
    settings.common.ZoneType = 2;
    settings.common.mainPowerSupply = 0;
}

void SimControlDevices::applyPrivateSettings(int type, u_RFDevPrivateSettings &area)
{
    quint8 *b = area.raw;
    switch (type) {
    case 23:
        put<quint16>(b, 208 - Private, 1); // standard events
        put<quint16>(b, 304 - Private, 2); // external control
        break;
    case 50:
        b[216 - Private] = 1; // lift-off detection on
        b[217 - Private] = 2; // full brightness
        break;
    case 73:
        put<quint32>(b, 0, 0x0000002Eu); // partitions 1, 2, 3 and 5
        b[4] = 0xFF;                     // button 1 off
        b[5] = 2;                        // button 2: output group 3
        b[6] = 1;                        // silent alarm on one click
        break;
    default:
        break;
    }
}

void SimControlDevices::applyStatus(int id, int type, s_SensorIntData &status)
{
    quint8 *s = reinterpret_cast<quint8 *>(&status);
    switch (type) {
    case 7:
        s[8] = 1; // light on, sound off
        break;
    case 14:
        s[8] = 1;
        put<quint16>(s, 36, id == CircuitRelayId ? 4 : 3); // high resistance on the circuit
        break;
    case 15:
        s[24] = 1;
        break;
    case 23:
        s[8] = 1;
        put<quint16>(s, 4, 1);
        put<quint16>(s, 20, 3); // second output shorted
        break;
    case 20:
    case 49:
    case 50:
    case 69:
        put<quint16>(s, 0, 8);                  // the partition is off
        put<quint16>(s, 4, type == 69 ? 4 : 1); // the outdoor siren is on low voltage
        break;
    case 57:
        put<quint16>(s, 16, 22980); // 229.80 V
        put<quint16>(s, 18, 1234);  // 12.34 A
        put<quint16>(s, 20, 995);   // 99.5 W
        s[22] = 6;                  // switched on by its button
        break;
    default:
        break;
    }
    if (id == CircuitRelayId) {
        status.hardwareMajor = 2;
        status.hardwareMinor = 0;
    }
}
