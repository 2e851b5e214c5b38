#include "app/LogHighlighter.h"
#include "app/Logger.h"
#include "app/LoggerFilter.h"

#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>
#include <QThreadPool>
#include <QTime>

namespace {
const QList<logLevel_t> allLevels{LogDebug, LogError, LogInfo, LogTrace, LogWarning};

// Holds every thread of the global pool until released, so a rebuild can only be queued.
class PoolBlocker
{
public:
    PoolBlocker() : m_threads(QThreadPool::globalInstance()->maxThreadCount())
    {
        for (int i = 0; i < m_threads; ++i) {
            QThreadPool::globalInstance()->start([this] {
                m_started.release();
                m_release.acquire();
            });
        }
        m_started.acquire(m_threads);
    }
    ~PoolBlocker() { release(); }
    void release()
    {
        m_release.release(m_threads - m_released);
        m_released = m_threads;
        QThreadPool::globalInstance()->waitForDone();
    }

private:
    int m_threads;
    int m_released = 0;
    QSemaphore m_started;
    QSemaphore m_release;
};

void fill(LoggerFilter &filter, int count, const QString &module = QStringLiteral("Loader"))
{
    for (int i = 1; i <= count; ++i)
        filter.onMessage(module, LogInfo, QStringLiteral("[I]: line %1").arg(i));
}
} // namespace

class TestLoggerFilter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Logger::registerMetaType(); }

    void lineFormatAndLogConnection()
    {
        Logger logger;
        LoggerFilter filter;
        filter.setFilter({"QObject"}, allLevels);
        QSignalSpy shown(&filter, &LoggerFilter::message);
        QObject sender;
        logger.logWarning(&sender, "low battery");
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), QString("QObject"));
        QCOMPARE(shown.at(0).at(1).value<logLevel_t>(), LogWarning);
        const QRegularExpression line(
            "^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d QObject: \\[W\\]: low battery$");
        QVERIFY2(line.match(shown.at(0).at(2).toString()).hasMatch(),
                 qPrintable(shown.at(0).at(2).toString()));
    }

    // The stamp is the local time of the line, also after the second it starts in is over.
    void stampsFollowTheClock()
    {
        LoggerFilter filter;
        filter.setFilter({"QObject"}, allLevels);
        QSignalSpy shown(&filter, &LoggerFilter::message);
        int firstSecond = -1;
        bool inOrder = true;
        const auto nextSecondSeen = [&] {
            const int before = QTime::currentTime().msecsSinceStartOfDay();
            filter.onMessage("QObject", LogInfo, "tick");
            const int after = QTime::currentTime().msecsSinceStartOfDay();
            const QTime stamp =
                QTime::fromString(shown.last().at(2).toString().left(12), "hh:mm:ss.zzz");
            const int at = stamp.msecsSinceStartOfDay();
            // Midnight between the readings leaves nothing to compare.
            if (before <= after && (at < before || at > after))
                inOrder = false;
            if (firstSecond < 0)
                firstSecond = stamp.second();
            return stamp.second() != firstSecond;
        };
        QTRY_VERIFY_WITH_TIMEOUT(nextSecondSeen(), 10000);
        QVERIFY(inOrder);
    }

    void capEvictsTheOldest()
    {
        LoggerFilter filter;
        filter.setFilter({"Loader"}, allLevels);
        fill(filter, LoggerFilter::MaxEntries + 1);
        QCOMPARE(filter.entryCount(), LoggerFilter::MaxEntries);
        const QVector<LoggerFilter::LogEntry> kept = filter.filteredEntries();
        QCOMPARE(kept.size(), LoggerFilter::MaxEntries);
        QVERIFY(kept.first().line.endsWith("[I]: line 2"));
        QVERIFY(
            kept.last().line.endsWith(QString("[I]: line %1").arg(LoggerFilter::MaxEntries + 1)));
    }

    void modulesAreLearnedCaseSensitively()
    {
        LoggerFilter filter;
        QSignalSpy learned(&filter, &LoggerFilter::newModule);
        filter.onMessage("Protocol", LogInfo, "[I]: a");
        filter.onMessage("protocol", LogInfo, "[I]: b");
        filter.onMessage("Protocol", LogInfo, "[I]: c");
        QCOMPARE(learned.count(), 2);
        QCOMPARE(filter.modules(), QStringList({"Protocol", "protocol"}));
    }

    void filterByModuleAndLevel_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("error");
        QTest::newRow("selected module and level") << "Loader" << int(LogWarning) << true << false;
        QTest::newRow("level not selected") << "Loader" << int(LogInfo) << false << false;
        QTest::newRow("module not selected") << "Protocol" << int(LogWarning) << false << false;
        QTest::newRow("module differs in case") << "loader" << int(LogWarning) << false << false;
        QTest::newRow("selected error") << "Loader" << int(LogError) << true << true;
        QTest::newRow("hidden error still raised") << "Protocol" << int(LogError) << false << true;
    }
    void filterByModuleAndLevel()
    {
        QFETCH(QString, module);
        QFETCH(int, level);
        QFETCH(bool, shown);
        QFETCH(bool, error);
        LoggerFilter filter;
        filter.setFilter({"Loader", "HIDReader"}, {LogWarning, LogError});
        QSignalSpy messages(&filter, &LoggerFilter::message);
        QSignalSpy errors(&filter, &LoggerFilter::errorReceived);
        filter.onMessage(module, logLevel_t(level), "[X]: text");
        QCOMPARE(messages.count(), shown ? 1 : 0);
        QCOMPARE(errors.count(), error ? 1 : 0);
        if (error)
            QCOMPARE(errors.at(0).at(0).toString(), QString("[X]: text"));
        QCOMPARE(filter.filteredEntries().size(), shown ? 1 : 0);
        QCOMPARE(filter.entryCount(), 1);
    }

    // Receivers connected directly may log and change the filter from the signal.
    void receiversMayLogAndRefilterFromTheSignals()
    {
        Logger logger;
        LoggerFilter filter;
        filter.setFilter({"QObject"}, allLevels);
        QObject sender;
        int echoes = 0;
        connect(&filter, &LoggerFilter::errorReceived, &filter, [&] {
            filter.setFilter({"QObject"}, {LogError, LogInfo});
            logger.logInfo(&sender, "error seen");
        });
        connect(&filter, &LoggerFilter::message, &filter, [&](QString, logLevel_t level) {
            if (level == LogInfo)
                ++echoes;
        });
        logger.logError(&sender, "boom");
        QCOMPARE(echoes, 1);
        QCOMPARE(filter.entryCount(), 2);
    }

    void linesFromAnotherThreadArrive()
    {
        Logger logger;
        LoggerFilter filter;
        QSignalSpy learned(&filter, &LoggerFilter::newModule);
        QThread *thread = QThread::create([&logger] {
            QObject sender;
            for (int i = 0; i < 100; ++i)
                logger.logTrace(&sender, QString::number(i));
        });
        thread->start();
        QVERIFY(thread->wait());
        delete thread;
        QTRY_COMPARE(filter.entryCount(), 100);
        QCOMPARE(learned.count(), 1);
    }

    void rebuildJoinsPassingLines()
    {
        LoggerFilter filter;
        filter.onMessage("Loader", LogInfo, "[I]: one");
        filter.onMessage("Protocol", LogInfo, "[I]: hidden");
        filter.onMessage("Loader", LogDebug, "two");
        QSignalSpy ready(&filter, &LoggerFilter::textLogReady);
        // The text is built on a pool thread and may be ready before a wait would begin.
        filter.refilter();
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 60000);
        QCOMPARE(ready.at(0).at(0).toString(), QString()); // nothing selected yet

        filter.setFilter({"Loader"}, allLevels);
        filter.refilter();
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 2, 60000);
        const QStringList lines = ready.at(1).at(0).toString().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.at(0).endsWith("Loader: [I]: one"));
        QVERIFY(lines.at(1).endsWith("Loader: two"));
        QCOMPARE(lines.at(2), QString());
    }

    // The rebuild of a full log is only queued by refilter: the GUI thread goes on
    // storing lines while it waits for a pool thread.
    void rebuildRunsOffTheGuiThread()
    {
        LoggerFilter filter;
        filter.setFilter({"Loader"}, allLevels);
        fill(filter, 100000);
        QThread *emittingThread = nullptr;
        connect(
            &filter, &LoggerFilter::textLogReady, &filter,
            [&](const QString &) { emittingThread = QThread::currentThread(); },
            Qt::DirectConnection);
        QSignalSpy ready(&filter, &LoggerFilter::textLogReady);
        {
            PoolBlocker blocker;
            filter.refilter();
            QCOMPARE(ready.count(), 0);
            filter.onMessage("Loader", LogInfo, "[I]: while rebuilding");
            QCOMPARE(filter.entryCount(), 100001);
        }
        QTRY_COMPARE(ready.count(), 1);
        QVERIFY(emittingThread && emittingThread != QThread::currentThread());
        QCOMPARE(ready.at(0).at(0).toString().count('\n'), 100001);
    }

    void destroyedWhileARebuildWaits()
    {
        PoolBlocker blocker;
        auto *filter = new LoggerFilter;
        filter->setFilter({"Loader"}, allLevels);
        fill(*filter, 1000);
        filter->refilter();
        filter->refilter();
        delete filter;
        blocker.release();
    }

    void highlighterColoursTheCallersText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("start");
        QTest::addColumn<QColor>("colour"); // invalid: no colour at all
        const QString head = "14:03:07.412 Loader: ";
        const int tagged = head.size() + 5;
        QTest::newRow("error") << head + "[E]: boom" << tagged << QColor(Qt::red);
        QTest::newRow("warning") << head + "[W]: low" << tagged << QColor(Qt::darkYellow);
        QTest::newRow("trace") << head + "[T]: step" << tagged << QColor(Qt::darkGray);
        QTest::newRow("info") << head + "[I]: hello" << tagged << QColor(Qt::darkBlue);
        QTest::newRow("debug") << head + "plain" << -1 << QColor();
        QTest::newRow("debug quoting a tag")
            << head + "saw [W]: x" << head.size() + 9 << QColor(Qt::darkYellow);
        QTest::newRow("trace tag wins over error tag")
            << head + "[E]: a [T]: b" << tagged << QColor(Qt::darkGray);
    }
    void highlighterColoursTheCallersText()
    {
        QFETCH(QString, line);
        QFETCH(int, start);
        QFETCH(QColor, colour);
        QTextDocument document;
        LogHighlighter highlighter(&document);
        document.setPlainText(line + "\n" + line);
        highlighter.rehighlight();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const QVector<QTextLayout::FormatRange> ranges = block.layout()->formats();
            if (!colour.isValid()) {
                QVERIFY(ranges.isEmpty());
                continue;
            }
            QCOMPARE(ranges.size(), 1);
            QCOMPARE(ranges.at(0).start, start);
            QCOMPARE(ranges.at(0).length, line.size() - start);
            QCOMPARE(ranges.at(0).format.foreground().color(), colour);
        }
    }
};

QTEST_MAIN(TestLoggerFilter)
#include "test_loggerfilter.moc"
