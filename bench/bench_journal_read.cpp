// The whole simulated journal read through the real transport, paced like a full-speed USB
// interrupt endpoint (one report per millisecond each way). Prints the time, the ratio to
// the link floor and the longest pause of the GUI thread during the read, with the most CPU
// time the GUI thread itself spent between two turns of its loop.
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "journal/Journal.h"
#include "journal/JournalWidget.h"
#include "sim/SimJournal.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {
// CPU time of the calling thread: tells the program's own work from time the scheduler of a
// busy machine gave to other processes.
qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Logger::registerMetaType();
    QApplication app(argc, argv);
    ModalRecorder boxes;
    SimulatedSetup sim;
    StartUp startUp;
    startUp.begin({});
    Overmind *overmind = startUp.overmind();
    if (!QTest::qWaitFor(
            [&] { return overmind->loginWidget() && overmind->loginWidget()->isVisible(); },
            30000)) {
        std::puts("error: no login dialog");
        return 1;
    }
    Intervals::keepAliveMs = 600000;
    LoginWidget *dialog = overmind->loginWidget();
    dialog->findChild<QLineEdit *>("leLogin")->setText(SimulatedSetup::Login);
    dialog->findChild<QLineEdit *>("lePassword")->setText(SimulatedSetup::Password);
    bool ready = false;
    QObject::connect(overmind, &Overmind::ready, [&] { ready = true; });
    QTest::mouseClick(dialog->findChild<QPushButton *>("pbLogin"), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return ready && overmind->isSettingsLoaded(); }, 600000)) {
        std::puts("error: no login");
        return 1;
    }
    // The device streams as fast as the link takes it; the link sets the pace.
    SimJournal::of(sim.communicator())->setPace(64);
    sim.bus().setReportInterval(std::chrono::milliseconds(1));

    Journal *journal = overmind->journal();
    bool finished = false;
    // The read is waited for in a plain event loop, as the program runs: a test wait sleeps
    // between its passes, and those sleeps would count as pauses of the GUI thread.
    QEventLoop reading;
    QObject::connect(journal, &Journal::loadingFinished, [&] {
        finished = true;
        reading.quit();
    });
    QTimer::singleShot(1200000, &reading, &QEventLoop::quit);
    // The GUI thread's pauses: gaps between ticks of a zero-interval timer.
    QElapsedTimer gap;
    qint64 longestPause = 0;
    qint64 longestPauseAt = 0;
    int longPauses = 0;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setInterval(0);
    qint64 cpuAtTick = 0;
    qint64 longestBusyNs = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 cpu = threadCpuNs();
        if (gap.isValid())
            longestBusyNs = qMax(longestBusyNs, cpu - cpuAtTick);
        cpuAtTick = cpu;
        if (gap.isValid()) {
            const qint64 pause = gap.restart();
            longPauses += pause > 16;
            if (pause > longestPause) {
                longestPause = pause;
                longestPauseAt = clock.elapsed();
            }
        } else
            gap.start();
    });
    const int hostAtStart = sim.device().hostReports().size();
    const int deviceAtStart = sim.bus().reportsToHost();
    clock.start();
    ticker.start();
    auto *button = startUp.window()->form()->journalWidget->findChild<QPushButton *>("pbReadAll");
    button->click();
    if (!finished)
        reading.exec();
    if (!finished) {
        std::puts("error: the read did not finish");
        return 1;
    }
    const qint64 elapsed = clock.elapsed();
    ticker.stop();
    const int hostReports = sim.device().hostReports().size() - hostAtStart;
    const int deviceReports = sim.bus().reportsToHost() - deviceAtStart;
    const int floorMs = qMax(hostReports, deviceReports);
    std::printf("journal rows: %d\n", journal->rowCount());
    std::printf("journal read ms: %lld\n", static_cast<long long>(elapsed));
    std::printf("reports from device: %d\n", deviceReports);
    std::printf("link floor ms: %d\n", floorMs);
    std::printf("floor ratio: %.3f\n", floorMs > 0 ? double(elapsed) / floorMs : 0.0);
    std::printf("longest GUI pause ms: %lld\n", static_cast<long long>(longestPause));
    std::printf("longest pause ended at ms: %lld\n", static_cast<long long>(longestPauseAt));
    std::printf("pauses over 16 ms: %d\n", longPauses);
    std::printf("longest GUI busy ms: %.1f\n", longestBusyNs / 1e6);
    return 0;
}
