#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace Bench {

inline double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The longest gap between turns of the event loop while `work` runs and the loop settles.
template <typename Work> double longestPause(QApplication &app, Work work, int settleMs = 300)
{
    double longest = 0;
    QElapsedTimer gap;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&gap, &longest] {
        longest = std::max(longest, ms(gap));
        gap.restart();
    });
    gap.start();
    ticker.start();
    QTimer::singleShot(0, [work] { work(); });
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < settleMs)
        app.processEvents(QEventLoop::AllEvents, 5);
    ticker.stop();
    return longest;
}

} // namespace Bench
