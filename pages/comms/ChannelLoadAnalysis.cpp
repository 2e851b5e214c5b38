#include "pages/comms/ChannelLoadAnalysis.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/RecordBytes.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <cstdlib>

using namespace QtCharts;

namespace {
constexpr int ProgressIntervalMs = 12000;
constexpr int ProgressEnd = 100;
constexpr qint64 AxisStepMs = 60000;
constexpr int ModeByte = 0;
constexpr int CountOffset = 3;
constexpr int AddressByte = 5;
constexpr int SamplesOffset = 6;
constexpr int SpikeDb = 10;

ChannelLoadAnalysis::Clock &clockHolder()
{
    static ChannelLoadAnalysis::Clock clock;
    return clock;
}

Protocol *protocol()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->protocol() : nullptr;
}
} // namespace

ChannelLoadAnalysis::ChannelLoadAnalysis(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setupUi();
    setupChart();
    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(m_run, &QPushButton::clicked, this, &ChannelLoadAnalysis::runTest);
    connect(m_stop, &QPushButton::clicked, this, &ChannelLoadAnalysis::stopTest);
    if (Protocol *link = protocol())
        connect(link, &Protocol::sensorRadioAnalysis, this,
                &ChannelLoadAnalysis::sensorRadioAnalysis);
    connect(&m_progressTimer, &QTimer::timeout, this, &ChannelLoadAnalysis::progressStep);
    runTest();
}

ChannelLoadAnalysis::~ChannelLoadAnalysis() = default;

void ChannelLoadAnalysis::setClock(Clock clock)
{
    clockHolder() = std::move(clock);
}

qint64 ChannelLoadAnalysis::now()
{
    const Clock &clock = clockHolder();
    return clock ? clock() : QDateTime::currentMSecsSinceEpoch();
}

void ChannelLoadAnalysis::setupUi()
{
    setObjectName(QStringLiteral("ChannelLoadAnalysis"));
    resize(1024, 600);
    setMinimumHeight(400);
    setWindowTitle(tr("Radio channel load analysis"));
    auto *grid = new QGridLayout(this);
    m_chartView = new QChartView(this);
    m_chartView->setObjectName(QStringLiteral("chartView"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    grid->addWidget(m_chartView, 0, 0, 1, 8);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pbProgress"));
    m_progress->setRange(0, ProgressEnd);
    m_progress->setValue(0);
    grid->addWidget(m_progress, 1, 0, 1, 8);
    m_run = new QPushButton(QIcon(QStringLiteral(":/images/rssi.png")), tr("Run"), this);
    m_run->setObjectName(QStringLiteral("pbRun"));
    m_run->setMinimumSize(120, 40);
    grid->addWidget(m_run, 2, 0);
    m_stop = new QPushButton(QIcon(QStringLiteral(":/images/stop.png")), tr("Stop"), this);
    m_stop->setObjectName(QStringLiteral("pbStop"));
    m_stop->setMinimumSize(120, 40);
    grid->addWidget(m_stop, 2, 1);
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 2, 2);
    m_gif = new QLabel(this);
    m_gif->setObjectName(QStringLiteral("lblGif"));
    m_gif->setFixedSize(40, 40);
    grid->addWidget(m_gif, 2, 3);
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 2, 4);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    grid->addWidget(m_status, 2, 5, 1, 2);
    m_skipped = new QLabel(this);
    m_skipped->setObjectName(QStringLiteral("lblSkipped"));
    m_skipped->setMinimumWidth(60);
    grid->addWidget(m_skipped, 2, 7);
    m_movie = new QMovie(QStringLiteral(":/images/wait.gif"), QByteArray(), this);
}

void ChannelLoadAnalysis::setupChart()
{
    auto *chart = new QChart();
    chart->setTitle(windowTitle());
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    m_levelAxis = new QValueAxis(chart);
    m_levelAxis->setRange(-130, 0);
    m_levelAxis->setTickCount(13);
    m_levelAxis->setLabelFormat(QStringLiteral("%i"));
    m_timeAxis = new QDateTimeAxis(chart);
    m_timeAxis->setTickCount(10);
    m_timeAxis->setFormat(QStringLiteral("hh:mm:ss"));
    chart->addAxis(m_levelAxis, Qt::AlignLeft);
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    m_series = new QLineSeries(chart);
    m_series->setName(tr("Radio channel load analysis"));
    QPen pen(QColor(0, 170, 255));
    pen.setWidth(4);
    m_series->setPen(pen);
    chart->addSeries(m_series);
    m_series->attachAxis(m_timeAxis);
    m_series->attachAxis(m_levelAxis);
    m_chartView->setChart(chart);
    restartTimeAxis(now());
}

void ChannelLoadAnalysis::restartTimeAxis(qint64 start)
{
    m_axisEnd = start + AxisStepMs;
    m_timeAxis->setRange(QDateTime::fromMSecsSinceEpoch(start),
                         QDateTime::fromMSecsSinceEpoch(m_axisEnd));
}

void ChannelLoadAnalysis::showStatus(const QString &text, const QString &style)
{
    m_status->setText(text);
    if (!style.isEmpty())
        m_status->setStyleSheet(style);
}

void ChannelLoadAnalysis::runTest()
{
    m_run->setEnabled(false);
    m_stop->setEnabled(true);
    m_skipped->clear();
    showStatus(tr("Radio channel load analysis launched"), QStringLiteral("color: green"));
    const qint64 start = now();
    if (m_series->count() > 0) {
        m_series->clear();
        restartTimeAxis(start);
    }
    m_intervalStart = start;
    if (Protocol *link = protocol())
        link->rssiTestStart(LoadAnalysisMode, OwnAddress, true);
    m_gif->setMovie(m_movie);
    m_movie->start();
    m_progress->setValue(0);
    m_progressTimer.start();
}

void ChannelLoadAnalysis::stopTest()
{
    m_run->setEnabled(true);
    m_stop->setEnabled(false);
    showStatus(tr("Radio channel load analysis stopped"), QStringLiteral("color: red"));
    if (Protocol *link = protocol())
        link->rssiTestStart(LoadAnalysisMode, OwnAddress, false);
    m_movie->stop();
    m_gif->clear();
    m_progressTimer.stop();
}

void ChannelLoadAnalysis::progressStep()
{
    const int value = m_progress->value();
    if (value < ProgressEnd) {
        m_progress->setValue(value + 1);
        return;
    }
    stopTest();
    showStatus(tr("Finished at %1")
                   .arg(QDateTime::fromMSecsSinceEpoch(now()).toString(QStringLiteral("hh:mm:ss"))),
               QStringLiteral("color: green"));
}

void ChannelLoadAnalysis::closeEvent(QCloseEvent *event)
{
    if (m_stop->isEnabled())
        stopTest();
    event->accept();
}

void ChannelLoadAnalysis::sensorRadioAnalysis(const s_rssiTestAnswer &answer)
{
    const quint8 *bytes = answer.bytes;
    if (bytes[ModeByte] != LoadAnalysisMode || !m_stop->isEnabled())
        return;
    if (bytes[AddressByte] != OwnAddress) {
        m_skipped->setText(tr("Wrong addr = %1").arg(bytes[AddressByte]));
        return;
    }
    int count = RecordBytes::word(bytes, CountOffset);
    if (count == 0)
        return;
    if (count > MaxSamples) {
        // The record holds no more; reading on would run past it.
        logWarning(
            this,
            tr("A noise answer claims %1 samples; only %2 are read").arg(count).arg(MaxSamples));
        count = MaxSamples;
    }
    const auto sample = [bytes](int i) { return int(qint8(bytes[SamplesOffset + i])); };
    const qint64 start = m_intervalStart;
    const qint64 end = now();
    const qint64 step = (end - start) / count;
    const int first = sample(0);
    QList<QPointF> points{QPointF(start, first)};
    bool varying = false;
    int sum = first;
    for (int i = 1; i < count; ++i) {
        const int level = sample(i);
        if (std::abs(level - first) >= SpikeDb) {
            points.append(QPointF(start + (i - 1) * step, sample(i - 1)));
            points.append(QPointF(start + i * step, level));
            if (i < count - 1)
                points.append(QPointF(start + (i + 1) * step, sample(i + 1)));
            varying = true;
        } else {
            sum += level;
        }
    }
    if (!varying)
        points.append(QPointF(start + (count - 1) * step, sum / count));
    m_series->append(points);
    m_intervalStart = end;
    showStatus(tr("Noise measuring going on. Updated at %1")
                   .arg(QDateTime::fromMSecsSinceEpoch(end).toString(QStringLiteral("hh:mm:ss"))),
               QString());
    if (end > m_axisEnd) {
        m_axisEnd += AxisStepMs;
        m_timeAxis->setMax(QDateTime::fromMSecsSinceEpoch(m_axisEnd));
    }
}
