// The settings dialog of a two-output relay (type 14): from the double click to the painted
// dialog with both output editors built, bound and shown, and the save of its panel.
#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "radio/Sensor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr int Rounds = 20;

Sensor::SPtr makeRelay()
{
    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    std::memset(report.name, 0xFF, sizeof(report.name));
    std::memcpy(report.name, "Relay", 6);
    report.settings.bType = 14;
    report.settings.common.flags = 0x02;
    report.settings.common.LedMode = 1;
    // Standard control on the first output, temperature control on the second.
    report.settings.privateSettings.raw[88] = 1;
    report.settings.privateSettings.raw[96 + 88] = 3;
    report.status.firmwareMajor = 1;
    report.status.firmwareMinor = 5;
    return std::make_shared<Sensor>(uchar(3), &report);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QApplication app(argc, argv);
    Logger logger;
    initDeviceTypeNames();
    Overmind overmind;
    overmind.deviceInfo().init(0, 0, 0, 0);
    const Sensor::SPtr device = makeRelay();

    std::vector<double> open;
    std::vector<double> save;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto *dialog = new SensorSettingsWidget();
        dialog->setSensor(device);
        dialog->show();
        dialog->repaint();
        QCoreApplication::processEvents();
        open.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        dialog->panel()->saveSettings();
        save.push_back(timer.nsecsElapsed() / 1e6);
        delete dialog;
    }
    QTextStream out(stdout);
    out << "dialog open ms: " << median(open) << '\n';
    out << "dialog save ms: " << median(save) << '\n';
    return 0;
}
