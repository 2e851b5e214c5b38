#include "app/Logger.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {
class Derived : public QObject
{
    Q_OBJECT
};
class DerivedNoMeta : public Derived
{
};
} // namespace

class TestLogger : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Logger::registerMetaType(); }

    void levelsAndTags_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("line");
        QTest::newRow("error") << 0 << "boom" << 0 << "[E]: boom";
        QTest::newRow("warning empty") << 1 << "" << 1 << "[W]: ";
        QTest::newRow("debug unchanged") << 2 << "plain %1" << 2 << "plain %1";
        QTest::newRow("trace keeps placeholders") << 3 << "a %1 %2" << 3 << "[T]: a %1 %2";
        QTest::newRow("info") << 4 << "hi" << 4 << "[I]: hi";
    }
    void levelsAndTags()
    {
        QFETCH(int, call);
        QFETCH(QString, text);
        QFETCH(int, level);
        QFETCH(QString, line);
        Logger logger;
        QSignalSpy spy(&logger, &Logger::message);
        Derived sender;
        switch (call) {
        case 0:
            logger.logError(&sender, text);
            break;
        case 1:
            logger.logWarning(&sender, text);
            break;
        case 2:
            logger.logDebug(&sender, text);
            break;
        case 3:
            logger.logTrace(&sender, text);
            break;
        default:
            logger.logInfo(&sender, text);
            break;
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("Derived"));
        QCOMPARE(int(spy.at(0).at(1).value<logLevel_t>()), level);
        QCOMPARE(spy.at(0).at(2).toString(), line);
    }

    void nameOfSubclassWithoutMetaObject()
    {
        Logger logger;
        QSignalSpy spy(&logger, &Logger::message);
        DerivedNoMeta sender;
        logger.logInfo(&sender, "x");
        QCOMPARE(spy.at(0).at(0).toString(), QString("Derived"));
    }

    void setLevelStoresOnlyUpToThree()
    {
        Logger logger;
        QCOMPARE(logger.level(), 3);
        logger.setLevel(4);
        QCOMPARE(logger.level(), 3);
        logger.setLevel(0);
        QCOMPARE(logger.level(), 0);
        logger.setLevel(-2);
        QCOMPARE(logger.level(), -2);
        QSignalSpy spy(&logger, &Logger::message);
        QObject sender;
        logger.logInfo(&sender, "still emitted");
        QCOMPARE(spy.count(), 1);
    }

    void messageFromAnotherThreadArrivesQueued()
    {
        Logger logger;
        QStringList received;
        QObject receiver;
        connect(&logger, &Logger::message, &receiver,
                [&](const QString &, logLevel_t, const QString &text) { received << text; });
        QThread *thread = QThread::create([&] {
            QObject sender;
            logger.logWarning(&sender, "from worker");
        });
        thread->start();
        thread->wait();
        delete thread;
        QVERIFY(received.isEmpty());
        QTRY_COMPARE(received, QStringList{"[W]: from worker"});
    }
};

QTEST_MAIN(TestLogger)
#include "test_logger.moc"
