// Re-filtering a log of 100 000 lines: how long the rebuild takes, how long the GUI
// thread is held by refilter() itself and the longest pause of the GUI event loop
// while the rebuild runs.
#include "app/Logger.h"
#include "app/LoggerFilter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int Lines = 100000;
const char *const modules[] = {"Loader", "Protocol", "HIDReader", "PartitionModel"};

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    Logger::registerMetaType();
    QCoreApplication app(argc, argv);
    LoggerFilter filter;

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Lines; ++i) {
        filter.onMessage(QLatin1String(modules[i % 4]), logLevel_t(i % 5),
                         QStringLiteral("[I]: line %1 of the benchmark log").arg(i));
    }
    const qint64 appendNs = clock.nsecsElapsed();
    filter.setFilter({"Loader", "Protocol", "HIDReader"}, {LogError, LogWarning, LogInfo});

    // A GUI-thread timer measures how long the event loop goes without a turn.
    qint64 lastTick = 0;
    qint64 longestPause = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestPause = qMax(longestPause, now - lastTick);
        lastTick = now;
    });

    QEventLoop loop;
    int readyLines = 0;
    QObject::connect(&filter, &LoggerFilter::textLogReady, &loop, [&](const QString &text) {
        readyLines = text.count(QLatin1Char('\n'));
        loop.quit();
    });

    clock.restart();
    filter.refilter();
    const qint64 callNs = clock.nsecsElapsed();
    lastTick = clock.nsecsElapsed();
    ticker.start();
    loop.exec();
    const qint64 rebuildNs = clock.nsecsElapsed();
    ticker.stop();

    std::printf("append_100000_lines_ms: %.2f\n", ms(appendNs));
    std::printf("refilter_call_ms: %.3f\n", ms(callNs));
    std::printf("refilter_100000_lines_ms: %.2f\n", ms(rebuildNs));
    std::printf("refilter_lines_kept: %d\n", readyLines);
    std::printf("gui_longest_pause_during_refilter_ms: %.3f\n", ms(longestPause));
    return readyLines > 0 ? 0 : 1;
}
