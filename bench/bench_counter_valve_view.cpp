// Switches the radio device property view between a pulse counter, a single-input
// counter, a radio water meter and a valve controller, then refreshes the valve
// controller's status; prints the longest and the mean wall time of each step.
#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "radio/Sensor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const int rounds = 20;

Sensor::SPtr makeDevice(int type, quint8 id)
{
    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    report.settings.bType = quint8(type);
    report.settings.privateSettings.raw[12] = 2; // pulse counter: meters and a leak detector
    report.status.firmwareMajor = 1;
    report.status.firmwareMinor = 30;
    report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
    return std::make_shared<Sensor>(id, &report);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QApplication app(argc, argv);
    Logger logger;
    initDeviceTypeNames();
    Overmind overmind;
    overmind.deviceInfo().init(0, 0, 0, 0);

    const QList<Sensor::SPtr> devices{makeDevice(13, 1), makeDevice(19, 2), makeDevice(56, 3),
                                      makeDevice(66, 4)};
    SensorPropertiesWidget view;
    view.resize(500, 900);
    view.show();
    QTest::qWait(20);

    qint64 longestSwitch = 0;
    qint64 totalSwitch = 0;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        for (const Sensor::SPtr &device : devices) {
            timer.start();
            view.setSensor(device);
            QCoreApplication::sendPostedEvents();
            const qint64 elapsed = timer.nsecsElapsed();
            longestSwitch = qMax(longestSwitch, elapsed);
            totalSwitch += elapsed;
        }
    }

    const Sensor::SPtr valve = devices.last();
    view.setSensor(valve);
    QCoreApplication::sendPostedEvents();
    qint64 longestRefresh = 0;
    qint64 totalRefresh = 0;
    for (int round = 0; round < rounds; ++round) {
        s_SensorIntData status = *valve->statusData();
        reinterpret_cast<quint8 *>(&status)[28] = quint8(1 + round % 2);
        timer.start();
        valve->updateStatus(&status);
        QCoreApplication::sendPostedEvents();
        const qint64 elapsed = timer.nsecsElapsed();
        longestRefresh = qMax(longestRefresh, elapsed);
        totalRefresh += elapsed;
    }

    const int switches = rounds * devices.size();
    std::printf("longest switch ms: %.3f\n", double(longestSwitch) / 1e6);
    std::printf("mean switch ms: %.3f\n", double(totalSwitch) / 1e6 / switches);
    std::printf("longest valve status refresh ms: %.3f\n", double(longestRefresh) / 1e6);
    std::printf("mean valve status refresh ms: %.3f\n", double(totalRefresh) / 1e6 / rounds);
    return 0;
}
