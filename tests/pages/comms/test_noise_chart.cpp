#include "CommsLink.h"

#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/ChannelLoadAnalysis.h"
#include "sim/LogCapture.h"

#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>

#include <memory>

using namespace QtCharts;

namespace {
constexpr qint64 Start = 1700000000000;

s_rssiTestAnswer answer(const QList<int> &samples, int count = -1, quint8 mode = 2,
                        quint8 address = 255)
{
    s_rssiTestAnswer record;
    std::memset(&record, 0, sizeof(record));
    record.bytes[0] = mode;
    const int n = count < 0 ? samples.size() : count;
    record.bytes[3] = quint8(n & 0xFF);
    record.bytes[4] = quint8(n >> 8);
    record.bytes[5] = address;
    for (int i = 0; i < samples.size() && i < 55; ++i)
        record.bytes[6 + i] = quint8(qint8(samples[i]));
    return record;
}

QList<QPointF> offsets(QLineSeries *series)
{
    QList<QPointF> points;
    for (const QPointF &point : series->points())
        points << QPointF(point.x() - Start, point.y());
    return points;
}
} // namespace

// The noise window on its real chart series, with a clock the test moves.
class TestNoiseChart : public QObject
{
    Q_OBJECT

    std::unique_ptr<ControllerFixture> m_controller;
    qint64 m_now = Start;

    SimCommunicator &device() { return m_controller->communicator(); }

    // Stop commands the device received: operation 0xCC with the start bit clear.
    int stops()
    {
        int count = 0;
        for (const QByteArray &command : device().commandsOf(0xCC))
            count += command.size() >= 5 && command.at(3) == 2 && command.at(4) == 0 ? 1 : 0;
        return count;
    }

private slots:
    void initTestCase()
    {
        m_controller = std::make_unique<ControllerFixture>();
        QVERIFY(m_controller->connect());
        ChannelLoadAnalysis::setClock([this] { return m_now; });
    }

    void cleanupTestCase()
    {
        ChannelLoadAnalysis::setClock({});
        m_controller.reset();
    }

    void init() { m_now = Start; }

    void samplesBecomePoints_data()
    {
        QTest::addColumn<QList<int>>("samples");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("quiet: the average, truncated")
            << QList<int>{-95, -94, -96} << 3000 << QList<QPointF>{{0, -95}, {2000, -95}};
        QTest::newRow("average toward zero")
            << QList<int>{-95, -94} << 1000 << QList<QPointF>{{0, -95}, {500, -94}};
        QTest::newRow("a spike draws its neighbours")
            << QList<int>{-95, -80, -95} << 3000
            << QList<QPointF>{{0, -95}, {0, -95}, {1000, -80}, {2000, -95}};
        QTest::newRow("a spike at the end")
            << QList<int>{-95, -95, -70} << 300 << QList<QPointF>{{0, -95}, {100, -95}, {200, -70}};
        QTest::newRow("one sample twice")
            << QList<int>{-101} << 1000 << QList<QPointF>{{0, -101}, {0, -101}};
    }

    void samplesBecomePoints()
    {
        QFETCH(QList<int>, samples);
        QFETCH(int, elapsed);
        QFETCH(QList<QPointF>, points);
        ChannelLoadAnalysis window;
        m_now += elapsed;
        window.sensorRadioAnalysis(answer(samples));
        QCOMPARE(offsets(window.series()), points);
    }

    void answersThatAreNotDrawn()
    {
        ChannelLoadAnalysis window;
        m_now += 1000;
        window.sensorRadioAnalysis(answer({-90, -91}, -1, 1));
        window.sensorRadioAnalysis(answer({-90, -91}, 0));
        window.sensorRadioAnalysis(answer({-90, -91}, -1, 2, 7));
        QCOMPARE(window.series()->count(), 0);
        QCOMPARE(window.findChild<QLabel *>("lblSkipped")->text(),
                 ChannelLoadAnalysis::tr("Wrong addr = %1").arg(7));
        window.findChild<QPushButton *>("pbStop")->click();
        window.sensorRadioAnalysis(answer({-90, -91}));
        QCOMPARE(window.series()->count(), 0);
    }

    // The record holds 55 samples; a larger count must not read past it.
    void countAboveTheRecordIsCut()
    {
        LogCapture log;
        ChannelLoadAnalysis window;
        m_now += 5500;
        QList<int> samples;
        for (int i = 0; i < 55; ++i)
            samples << -90;
        window.sensorRadioAnalysis(answer(samples, 4000));
        QCOMPARE(offsets(window.series()), (QList<QPointF>{{0, -90}, {5400, -90}}));
        QTRY_VERIFY(log.contains(QStringLiteral("4000")));
    }

    void runAfterStopClearsTheChart()
    {
        ChannelLoadAnalysis window;
        m_now += 70000;
        window.sensorRadioAnalysis(answer({-90}));
        QCOMPARE(window.timeAxis()->max().toMSecsSinceEpoch(), Start + 120000);
        window.findChild<QPushButton *>("pbStop")->click();
        m_now += 5000;
        window.findChild<QPushButton *>("pbRun")->click();
        QCOMPARE(window.series()->count(), 0);
        QCOMPARE(window.timeAxis()->min().toMSecsSinceEpoch(), Start + 75000);
        QCOMPARE(window.timeAxis()->max().toMSecsSinceEpoch(), Start + 135000);
        m_now += 1000;
        window.sensorRadioAnalysis(answer({-88}));
        QCOMPARE(offsets(window.series()).first(), QPointF(75000, -88));
    }

    void theEndOfTheTimeAndClosingSendTheStop()
    {
        // Earlier windows' commands are still on their way: wait for a later marker.
        const int markers = device().commandsOf(0x0F).size();
        m_controller->overmind().protocol()->sendToDevice(_MenuDataReadDeviceStatus);
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x0F).size(), markers + 1, 30000);
        device().clearCommands();
        auto *window = new ChannelLoadAnalysis();
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0xCC).size(), 1, 30000);
        QCOMPARE(lastPayload(device(), 0xCC), QByteArray::fromHex("0201"));
        QCOMPARE(quint16(quint8(device().commandsOf(0xCC).first().at(1))), quint16(255));
        window->progressTimer().setInterval(1);
        QTRY_VERIFY_WITH_TIMEOUT(
            window->findChild<QLabel *>("lblStatus")
                ->text()
                .startsWith(ChannelLoadAnalysis::tr("Finished at %1").arg(QString())),
            30000);
        QCOMPARE(window->findChild<QProgressBar *>("pbProgress")->value(), 100);
        QTRY_COMPARE_WITH_TIMEOUT(stops(), 1, 30000);

        window->findChild<QPushButton *>("pbRun")->click();
        QVERIFY(window->close());
        QTRY_COMPARE_WITH_TIMEOUT(stops(), 2, 30000);
    }
};

QTEST_MAIN(TestNoiseChart)
#include "test_noise_chart.moc"
