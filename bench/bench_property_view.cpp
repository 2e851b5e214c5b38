// The property view of one radio device: how long building a device's parameter tree
// takes, how long switching to a device of each type with groups takes (building all its
// rows), and how long a settings or status refresh of a shown device takes until the view
// shows it. Devices carry the simulated installation's settings and live values.
#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "radio/Sensor.h"
#include "sim/SimRadioConfiguration.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>
#include <memory>
#include <vector>

namespace {
// Every device type whose tree has groups of its own.
const int types[] = {2,  3,  4,  5,  6,  7,  10, 11, 13, 14, 15, 16, 18, 19, 20, 22, 23, 24, 25,
                     26, 27, 28, 29, 30, 31, 32, 34, 49, 50, 53, 55, 56, 57, 66, 67, 69, 73};
constexpr int Rounds = 5;

Sensor::SPtr makeDevice(int id, int type)
{
    const SimRadioConfiguration::Device description{id, type, type == 14 ? 0 : 1, 2,
                                                    QStringLiteral("Bench %1").arg(type)};
    const s_FullSensorData report = SimRadioConfiguration::sensorReport(description);
    return std::make_shared<Sensor>(quint8(id), &report);
}

// Shows the device and waits until the view has taken it.
qint64 switchTo(SensorPropertiesWidget &view, const Sensor::SPtr &device)
{
    QElapsedTimer timer;
    timer.start();
    view.setSensor(device);
    while (view.sensor() != device)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed();
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    Logger logger;
    initDeviceTypeNames();
    Overmind overmind;
    overmind.deviceInfo().init(0, 0, 0, 0);

    // Building a device builds its parameter tree.
    std::vector<Sensor::SPtr> devices;
    qint64 buildTotal = 0;
    int builds = 0;
    for (int round = 0; round < Rounds; ++round) {
        devices.clear();
        int id = 0;
        for (int type : types) {
            QElapsedTimer timer;
            timer.start();
            devices.push_back(makeDevice(id++, type));
            buildTotal += timer.nsecsElapsed();
            ++builds;
        }
    }

    SensorPropertiesWidget view;
    view.resize(460, 900);
    view.show();

    qint64 longest = 0;
    int longestType = 0;
    qint64 total = 0;
    int switches = 0;
    qint64 refreshLongest = 0;
    qint64 refreshTotal = 0;
    int refreshes = 0;
    for (int round = 0; round < Rounds; ++round) {
        for (const Sensor::SPtr &device : devices) {
            const qint64 elapsed = switchTo(view, device);
            total += elapsed;
            ++switches;
            if (elapsed > longest) {
                longest = elapsed;
                longestType = device->type();
            }
            QElapsedTimer timer;
            timer.start();
            const s_ExtMemDataSensor settings = *device->settingsData();
            device->updateData(&settings);
            QCoreApplication::processEvents();
            refreshTotal += timer.nsecsElapsed();
            ++refreshes;
            timer.restart();
            const s_SensorIntData status = device->status();
            device->updateStatus(&status);
            QCoreApplication::processEvents();
            const qint64 statusRefresh = timer.nsecsElapsed();
            refreshTotal += statusRefresh;
            ++refreshes;
            refreshLongest = qMax(refreshLongest, statusRefresh);
        }
    }
    view.setSensor(nullptr);

    QTextStream out(stdout);
    out << "device types: " << int(sizeof(types) / sizeof(types[0])) << '\n';
    out << "ms per tree build: " << QString::number(buildTotal / 1e6 / builds, 'f', 3) << '\n';
    out << "ms per refresh: " << QString::number(refreshTotal / 1e6 / refreshes, 'f', 3) << '\n';
    out << "mean switch ms: " << QString::number(total / 1e6 / switches, 'f', 2) << '\n';
    out << "longest switch ms: " << QString::number(longest / 1e6, 'f', 2) << '\n';
    out << "longest switch type: " << longestType << '\n';
    out << "longest status refresh ms: " << QString::number(refreshLongest / 1e6, 'f', 2) << '\n';
    return 0;
}
