// The full configuration read of the large simulated configuration through the real
// transport, paced like a full-speed USB interrupt endpoint (one report per millisecond in
// each direction). Prints the time, the reports each way and the ratio to the link floor.
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "sim/SimulatedSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Logger::registerMetaType();
    QApplication app(argc, argv);
    SimulatedSetup sim;
    sim.bus().setReportInterval(std::chrono::milliseconds(1));
    StartUp startUp;
    startUp.begin({});
    Overmind *overmind = startUp.overmind();
    if (!QTest::qWaitFor(
            [&] { return overmind->loginWidget() && overmind->loginWidget()->isVisible(); },
            30000)) {
        std::puts("error: no login dialog");
        return 1;
    }
    Intervals::keepAliveMs = 600000; // keep-alives are not part of the read
    LoginWidget *dialog = overmind->loginWidget();
    dialog->findChild<QLineEdit *>("leLogin")->setText(SimulatedSetup::Login);
    dialog->findChild<QLineEdit *>("lePassword")->setText(SimulatedSetup::Password);

    bool started = false;
    QElapsedTimer clock;
    int hostReportsAtStart = 0;
    int deviceReportsAtStart = 0;
    QObject::connect(overmind, &Overmind::endInitSettings, [&] {
        // The read begins with command 0x23, sent right after the settings objects exist.
        started = true;
        clock.start();
        hostReportsAtStart = sim.device().hostReports().size();
        deviceReportsAtStart = sim.bus().reportsToHost();
    });
    Intervals::loaderDelayMs = 0;
    QTest::mouseClick(dialog->findChild<QPushButton *>("pbLogin"), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return started && overmind->isSettingsLoaded(); }, 600000)) {
        std::puts("error: the read did not finish");
        return 1;
    }
    const qint64 elapsed = clock.elapsed();
    const int hostReports = sim.device().hostReports().size() - hostReportsAtStart;
    const int deviceReports = sim.bus().reportsToHost() - deviceReportsAtStart;
    const int floorMs = qMax(hostReports, deviceReports);
    std::printf("full read ms: %lld\n", static_cast<long long>(elapsed));
    std::printf("reports to device: %d\n", hostReports);
    std::printf("reports from device: %d\n", deviceReports);
    std::printf("link floor ms: %d\n", floorMs);
    std::printf("floor ratio: %.3f\n", floorMs > 0 ? double(elapsed) / floorMs : 0.0);
    return 0;
}
