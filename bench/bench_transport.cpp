// Transport figures against the simulated communicator: the writer's pace for a long
// message with immediate acknowledgement, and the CPU an active, idle connection uses.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include "app/Logger.h"
#include "link/HIDInterface.h"
#include "sim/SimBus.h"
#include "sim/SimDevice.h"

namespace {
double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Logger logger;
    Logger::registerMetaType();
    SimBus bus;
    SimDevice device(QStringLiteral("00BE0C11"), QStringLiteral("Korvel-GSM R"));
    bus.plug(&device);

    HIDInterface hid;
    if (!QTest::qWaitFor([&] { return hid.currentConnection() != nullptr; }, 10000))
        return 1;
    hid.activate();
    if (!hid.isActive())
        return 1;

    constexpr int Reports = 3000;
    QSignalSpy progress(&hid, &HIDInterface::partTransmitted);
    QElapsedTimer timer;
    timer.start();
    hid.send(QByteArray(Reports * 60 - 2, 'f'));
    const bool done = QTest::qWaitFor(
        [&] { return !progress.isEmpty() && progress.last().at(0).toInt() == Reports; }, 60000);
    if (!done)
        return 1;
    std::printf("ms per report: %.3f\n", double(timer.nsecsElapsed()) / 1e6 / Reports);

    // Let the queued log lines of the upload drain before measuring the idle state.
    QTest::qWait(500);
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer idle;
    idle.start();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuUsed = processCpuSeconds() - cpuBefore;
    std::printf("idle cpu percent: %.3f\n", 100.0 * cpuUsed / (double(idle.nsecsElapsed()) / 1e9));
    return 0;
}
