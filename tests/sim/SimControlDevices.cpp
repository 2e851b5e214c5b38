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
    case 10:
    case 31:
        // Events bands an installer would set: 10 to 28 °C, 30 to 70 % and 50 ppm of CO.
        put<qint16>(b, 120 - Private, 2800);
        put<qint16>(b, 122 - Private, 1000);
        put<qint16>(b, 124 - Private, 200);
        put<qint16>(b, 128 - Private, 7000);
        put<qint16>(b, 130 - Private, 3000);
        put<qint16>(b, 132 - Private, 500);
        put<qint16>(b, 136 - Private, 5000);
        put<qint16>(b, 138 - Private, 500);
        b[142 - Private] = type == 31 ? 0x1F : 0x0D;
        break;
    default:
        // The 24 V annunciator's brightness and the radio keypad's settings stay at the
        // factory zeros, as a configuration file does not carry them.
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
