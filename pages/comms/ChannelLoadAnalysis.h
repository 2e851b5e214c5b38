#pragma once

#include "link/Records.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QMovie;
class QProgressBar;
class QPushButton;
namespace QtCharts {
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;
} // namespace QtCharts

// The radio-noise measurement window: starts the device's channel load analysis, draws the
// reported noise levels over time and stops the measurement after about twenty minutes,
// on "Stop" or when closed.
class ChannelLoadAnalysis : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxSamples = 55;
    static constexpr quint8 LoadAnalysisMode = 2;
    static constexpr quint16 OwnAddress = 255;
    using Clock = std::function<qint64()>;

    explicit ChannelLoadAnalysis(QWidget *parent = nullptr);
    ~ChannelLoadAnalysis() override;

    // Milliseconds since the epoch; tests replace it. An empty clock restores the real one.
    static void setClock(Clock clock);

    QtCharts::QLineSeries *series() const { return m_series; }
    QtCharts::QDateTimeAxis *timeAxis() const { return m_timeAxis; }
    QTimer &progressTimer() { return m_progressTimer; }

public slots:
    void runTest();
    void stopTest();
    void sensorRadioAnalysis(const s_rssiTestAnswer &answer);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    static qint64 now();
    void setupUi();
    void setupChart();
    void progressStep();
    void showStatus(const QString &text, const QString &style);
    void restartTimeAxis(qint64 start);

    QtCharts::QChartView *m_chartView = nullptr;
    QtCharts::QLineSeries *m_series = nullptr;
    QtCharts::QDateTimeAxis *m_timeAxis = nullptr;
    QtCharts::QValueAxis *m_levelAxis = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_run = nullptr;
    QPushButton *m_stop = nullptr;
    QLabel *m_gif = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_skipped = nullptr;
    QMovie *m_movie = nullptr;
    QTimer m_progressTimer;
    qint64 m_intervalStart = 0;
    qint64 m_axisEnd = 0;
};
