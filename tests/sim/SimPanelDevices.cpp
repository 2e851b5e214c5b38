#include "sim/SimPanelDevices.h"

#include "sim/SimCommunicator.h"
#include "sim/SimRadioStates.h"

#include <QTimer>
#include <cstring>
#include <memory>

QList<SimRadioConfiguration::Device> SimPanelDevices::devices()
{
    return {
        {DualZoneId, 28, 5, 2, QStringLiteral("Dual zone yard")},
    };
}

void SimPanelDevices::pushClimate(SimCommunicator &device, quint16 id, qint16 temperature,
                                  qint16 humidity, qint16 co)
{
    s_SensorIntData status = SimRadioStates::heldStatus(device, id);
    std::memcpy(status.privateData.raw + 0, &temperature, sizeof(temperature));
    std::memcpy(status.privateData.raw + 4, &humidity, sizeof(humidity));
    std::memcpy(status.privateData.raw + 16, &co, sizeof(co));
    SimRadioStates::pushStatus(device, id, status);
}

QTimer *SimPanelDevices::startClimateDrift(SimCommunicator &device, int intervalMs, QObject *parent)
{
    auto *timer = new QTimer(parent);
    auto step = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [&device, step] {
        // A porch cooling at night, a living room warming up with CO creeping up.
        const int k = (*step)++ % 20;
        pushClimate(device, OutdoorClimateId, qint16(-550 - 10 * k), qint16(8100 + 15 * k), 0);
        pushClimate(device, IndoorClimateId, qint16(2240 + 5 * k), qint16(4370 - 10 * k),
                    qint16(1200 + 25 * k));
    });
    timer->start(intervalMs);
    return timer;
}
