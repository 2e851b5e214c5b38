// The cost of the program doing nothing: logged in to the simulated communicator with its
// large configuration, the full read done, then ten seconds without input while the
// device now and then sends an unchanged status record of one radio device. Prints the
// CPU the whole process used and how often the GUI thread woke; then the same after a
// tour of every tab.
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimRadioStates.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {
constexpr int IdleMs = 10000;
constexpr int StatusPushMs = 1000;

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Times the calling thread gave up the processor to wait for something.
long threadWakeups()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Cost
{
    double cpuPercent;
    double wakeupsPerSecond;
};

// Ten seconds without input while the device sends a calm status record now and then.
Cost measureIdle(RadioSession &session)
{
    const QList<SimRadioConfiguration::Device> devices = SimRadioConfiguration::devices();
    int next = 0;
    QTimer pushes;
    QObject::connect(&pushes, &QTimer::timeout, [&] {
        const quint16 id = quint16(devices.at(next++ % devices.size()).id);
        SimRadioStates::pushStatus(session.device(), id,
                                   SimRadioStates::heldStatus(session.device(), id));
    });
    const double cpuBefore = processCpuSeconds();
    const long wakeupsBefore = threadWakeups();
    QElapsedTimer clock;
    clock.start();
    pushes.start(StatusPushMs);
    runEventLoop(IdleMs);
    pushes.stop();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    return {100.0 * (processCpuSeconds() - cpuBefore) / seconds,
            double(threadWakeups() - wakeupsBefore) / seconds};
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Logger::registerMetaType();
    QApplication app(argc, argv);
    ModalRecorder boxes; // questions raised by the loaded devices are declined
    RadioSession session(true);
    session.window()->resize(1280, 800);
    if (!session.logInAndLoad()) {
        std::puts("error: the log-in or the full read did not finish");
        return 1;
    }
    // Let what the read left queued settle before measuring.
    runEventLoop(2000);
    const Cost idle = measureIdle(session);

    QTabWidget *tabs = session.window()->form()->twMain;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        runEventLoop(500);
    }
    tabs->setCurrentIndex(0);
    runEventLoop(2000);
    const Cost toured = measureIdle(session);

    std::printf("idle cpu percent: %.2f\n", idle.cpuPercent);
    std::printf("wakeups per second: %.1f\n", idle.wakeupsPerSecond);
    std::printf("idle cpu percent after a tour of every tab: %.2f\n", toured.cpuPercent);
    std::printf("wakeups per second after a tour of every tab: %.1f\n", toured.wakeupsPerSecond);
    return 0;
}
