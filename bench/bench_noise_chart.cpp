// A twenty-minute noise measurement replayed: 1200 answers of 55 samples (one in ten with a
// spike) go through Protocol, one every 10 ms, into the noise window shown offscreen. Prints
// the longest stall of the event loop, the time per answer and the points drawn.
#include "app/Logger.h"
#include "link/Protocol.h"
#include "pages/comms/ChannelLoadAnalysis.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>
#include <QtCharts/QLineSeries>
#include <QtMath>

namespace {
constexpr int Answers = 1200;
constexpr int IntervalMs = 10;
constexpr qint64 DeviceSecondMs = 1000;

QByteArray noiseAnswer(int index)
{
    QByteArray message(3 + 61, '\0');
    message[0] = char(0xCC);
    message[1] = char(0xFF);
    message[3] = 2;
    message[6] = 55;
    message[8] = char(0xFF);
    for (int i = 0; i < 55; ++i) {
        int level = -100 + int(3 * qSin((index * 55 + i) * 0.31));
        if (index % 10 == 0 && i == 30)
            level = -55;
        message[9 + i] = char(qint8(level));
    }
    return message;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QApplication app(argc, argv);
    Logger logger;
    logger.setLevel(0);
    qint64 deviceClock = 1700000000000;
    ChannelLoadAnalysis::setClock([&deviceClock] { return deviceClock; });
    Protocol protocol(nullptr);
    auto *window = new ChannelLoadAnalysis();
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QObject::connect(&protocol, &Protocol::sensorRadioAnalysis, window,
                     &ChannelLoadAnalysis::sensorRadioAnalysis);
    window->show();

    int sent = 0;
    qint64 handlingNs = 0;
    qint64 longestPauseNs = 0;
    QElapsedTimer sinceLastTick;
    QElapsedTimer handling;
    QTimer feeder;
    feeder.setInterval(IntervalMs);
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        if (sent > 0)
            longestPauseNs =
                qMax(longestPauseNs, sinceLastTick.nsecsElapsed() - qint64(IntervalMs) * 1000000);
        if (sent == Answers) {
            feeder.stop();
            app.quit();
            return;
        }
        deviceClock += DeviceSecondMs;
        handling.start();
        protocol.onMessageReceived(noiseAnswer(sent++));
        handlingNs += handling.nsecsElapsed();
        sinceLastTick.start();
    });
    sinceLastTick.start();
    feeder.start();
    app.exec();

    QTextStream out(stdout);
    out << "longest GUI pause ms: " << QString::number(longestPauseNs / 1e6, 'f', 2) << '\n';
    out << "ms per answer: " << QString::number(handlingNs / 1e6 / Answers, 'f', 3) << '\n';
    out << "points: " << window->series()->count() << '\n';
    delete window;
    return 0;
}
