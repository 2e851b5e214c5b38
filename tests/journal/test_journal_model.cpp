#include "JournalFixtures.h"

#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/settings/DeviceSettings.h"
#include "sim/LogCapture.h"

#include <QSignalSpy>

using namespace journaltest;

namespace {
QStringList numbers(const Journal &journal, const QModelIndex &parent = QModelIndex())
{
    QStringList shown;
    for (int row = 0; row < journal.rowCount(parent); ++row)
        shown.append(journal.index(row, 0, parent).data().toString());
    return shown;
}

void setOffset(Overmind &overmind, qint32 seconds)
{
    overmind.deviceSettings()->setTzOffset(seconds);
}
} // namespace

class TestJournalModel : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;

private slots:
    void init()
    {
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createSettingsObjects(true);
    }
    void cleanup() { overmind.reset(); }

    void rowsNewestFirstWithEqualNumbersLaterAbove()
    {
        Journal journal;
        journal.eventLoaded(10, entryOf(1000));
        journal.eventLoaded(9, entryOf(999));
        journal.eventLoaded(8, entryOf(998));
        QCOMPARE(numbers(journal), (QStringList{"1001", "1000", "999"}));
        journal.eventLoaded(11, entryOf(1001));
        QCOMPARE(numbers(journal), (QStringList{"1002", "1001", "1000", "999"}));

        // The same number from another cell: the later one stands above.
        journal.eventLoaded(40, entryOf(999, 7, Body().u8(0, 9)));
        QCOMPARE(journal.index(2, 4).data().toString(), QStringLiteral("Удалено направление"));
        QCOMPARE(journal.index(3, 0).data().toString(), QStringLiteral("1000"));
        QCOMPARE(journal.index(3, 4).data().toString(), QStringLiteral("Нет события"));
    }

    void reportsAreChildRowsOfTheirEvent()
    {
        Journal journal;
        for (quint32 number = 100; number < 110; ++number)
            journal.eventLoaded(EventIdx(number), entryOf(number));
        // Row 5 holds event 104; its report arrives with its own time.
        auto rep = record(SimJournal::entry(200, 12, Body().u32(0, 104).u16(6, 2).u8(8, 3),
                                            utc(2026, 3, 15, 1, 2, 3)));
        QSignalSpy inserted(&journal, &QAbstractItemModel::rowsInserted);
        journal.eventLoaded(300, rep);
        QCOMPARE(inserted.count(), 1);
        const QModelIndex parent = journal.index(5, 0);
        QCOMPARE(journal.rowCount(parent), 1);
        QCOMPARE(journal.rowCount(), 10);
        const QModelIndex child = journal.index(0, 0, parent);
        QCOMPARE(journal.parent(child), parent);
        QCOMPARE(child.data().toString(), QStringLiteral("201"));
        QCOMPARE(journal.index(0, 1, parent).data().toString(), QStringLiteral("15.03.2026"));
        QCOMPARE(journal.index(0, 2, parent).data().toString(), QStringLiteral("01:02:03"));
        QCOMPARE(journal.index(0, 3, parent).data().toString(),
                 QStringLiteral("Передача оповещения"));
        QVERIFY(journal.index(0, 4, parent)
                    .data()
                    .toString()
                    .startsWith(QStringLiteral("Transmitting event #105")));
        QCOMPARE(journal.rowCount(child), 0);

        // A report read before its event waits for it.
        journal.eventLoaded(301, report(400, 500));
        QCOMPARE(journal.rowCount(), 10);
        journal.eventLoaded(302, entryOf(500));
        QCOMPARE(journal.rowCount(journal.index(0, 0)), 1);
    }

    void duplicatesAreDroppedAndLogged()
    {
        LogCapture log;
        Journal journal;
        journal.eventLoaded(17, entryOf(5));
        journal.eventLoaded(17, entryOf(5));
        QCOMPARE(journal.rowCount(), 1);
        QTRY_COMPARE(log.count(QStringLiteral("[E]: The message is duplicated id = 17")), 1);
    }

    // Cells asked for again after a stall may arrive a second time, not in a row.
    void repeatedCellsCountOnce()
    {
        Journal journal;
        QSignalSpy progress(&journal, &Journal::loadingProgress);
        journal.readAllJournal();
        journal.journalTail(500);
        journal.eventLoaded(499, entryOf(10));
        journal.eventLoaded(498, report(11, 10));
        journal.eventLoaded(497, entryOf(9));
        journal.eventLoaded(498, report(11, 10));
        journal.eventLoaded(499, entryOf(10));
        QCOMPARE(journal.rowCount(), 2);
        QCOMPARE(journal.rowCount(journal.index(0, 0)), 1);
        QCOMPARE(progress.count(), 3);
        QCOMPARE(journal.cursor(), 496u);
    }

    void progressAndCrc()
    {
        LogCapture log;
        Journal journal;
        QSignalSpy progress(&journal, &Journal::loadingProgress);
        QSignalSpy finished(&journal, &Journal::loadingFinished);
        journal.readAllJournal();
        journal.journalTail(300);
        journal.eventLoaded(299, entryOf(1));
        QCOMPARE(progress.last().at(0).toInt(), 0);
        // An empty cell comes as zeros: counted, not shown.
        journal.eventLoaded(298, s_FullJournalEventIsp2{});
        QCOMPARE(journal.rowCount(), 1);
        QTRY_COMPARE(log.count(QStringLiteral("Journal event CRC wrong: idx=298")), 1);
        for (int cell = 2; cell < 16382; ++cell)
            journal.eventLoaded(EventIdx(1000 + cell), s_FullJournalEventIsp2{});
        QCOMPARE(progress.last().at(0).toInt(), 99);
        QCOMPARE(finished.count(), 0);
        journal.eventLoaded(1, s_FullJournalEventIsp2{});
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!journal.isReading());
    }

    void tailZeroStartsAtTheTopOfTheRing()
    {
        Journal journal;
        QSignalSpy progress(&journal, &Journal::loadingProgress);
        journal.readAllJournal();
        journal.journalTail(0);
        journal.eventLoaded(16383, entryOf(9));
        QCOMPARE(journal.cursor(), 16383u);
        QCOMPARE(progress.last().at(0).toInt(), 0);
        QCOMPARE(journal.tail() - journal.cursor() + journal.ringSize(), 1u);
    }

    void texts_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("UTC") << 0 << utc(2020, 12, 31, 23, 30, 0) << "31.12.2020"
                             << "23:30:00";
        QTest::newRow("+3 h crosses the year")
            << 10800 << utc(2020, 12, 31, 23, 30, 0) << "01.01.2021"
            << "02:30:00";
        QTest::newRow("-5 h") << -18000 << utc(2024, 3, 1, 2, 0, 0) << "29.02.2024"
                              << "21:00:00";
    }
    void texts()
    {
        QFETCH(int, offset);
        QFETCH(QDateTime, at);
        setOffset(*overmind, offset);
        Journal journal;
        journal.eventLoaded(3, entryOf(41, 7, Body().u8(0, 13), QByteArray(), at));
        QCOMPARE(journal.index(0, 0).data().toString(), QStringLiteral("42"));
        QTEST(journal.index(0, 1).data().toString(), "date");
        QTEST(journal.index(0, 2).data().toString(), "time");
        QFETCH(QString, date);
        QFETCH(QString, time);
        QCOMPARE(journal.index(0, 0).data(Qt::UserRole).toString(),
                 QStringLiteral("41 %1 %2 Система Устройство было перезагружено").arg(date, time));
        QCOMPARE(journal.index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Система\nData %1 %2\n____________________________\n\n"
                                "Устройство было перезагружено")
                     .arg(date, time));
        QVERIFY(!journal.index(0, 5).isValid());
        QCOMPARE(journal.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Source"));
    }

    void badCalendarWordsShowNoDate_data()
    {
        QTest::addColumn<quint32>("date");
        QTest::addColumn<quint32>("time");
        QTest::newRow("month 0") << 0x00260015u << 0x00123000u;
        QTest::newRow("month 13") << 0x00261315u << 0x00123000u;
        QTest::newRow("hour 25") << 0x00260115u << 0x00250000u;
    }
    void badCalendarWordsShowNoDate()
    {
        QFETCH(quint32, date);
        QFETCH(quint32, time);
        QByteArray bytes = SimJournal::entry(7, 7, QByteArray(), utc(2026, 1, 1, 0, 0, 0));
        qToLittleEndian(time, bytes.data() + 8);
        qToLittleEndian(date, bytes.data() + 12);
        qToLittleEndian(crc32Stm(bytes.constData(), 244), bytes.data() + 244);
        Journal journal;
        journal.eventLoaded(1, record(bytes));
        QCOMPARE(journal.rowCount(), 1);
        QCOMPARE(journal.index(0, 1).data().toString(), QString());
        QCOMPARE(journal.index(0, 2).data().toString(), QString());
    }

    void eventTextOfTheDirectionsPage()
    {
        Journal *journal = overmind->journal();
        QVERIFY(journal);
        QCOMPARE(Journal::eventText(12, 5), QString());
        journal->eventLoaded(12, entryOf(5, 7, Body().u8(0, 13)));
        QCOMPARE(
            Journal::eventText(12, 5),
            QStringLiteral("№6 [14.03.2026 09:26:53]   Система   Устройство было перезагружено"));
    }

    // A failed login is written to the log once, however often its row is drawn.
    void failedLoginLoggedOnce()
    {
        LogCapture log;
        Journal journal;
        journal.eventLoaded(4, entryOf(70, 10, Body().u8(0, 4).text(8, "mallory")));
        for (int pass = 0; pass < 5; ++pass) {
            (void)journal.index(0, 4).data();
            (void)journal.index(0, 0).data(Qt::UserRole);
            (void)journal.index(0, 0).data(Qt::ToolTipRole);
        }
        QTRY_COMPARE(log.count(QStringLiteral("Login failed. Login: mallory")), 1);
        QTest::qWait(50);
        QCOMPARE(log.count(QStringLiteral("Login failed. Login: mallory")), 1);
    }

    // A read that falls silent asks again from where it stopped, then gives up with a message.
    void stalledReadAsksAgainThenEnds()
    {
        LogCapture log;
        Protocol protocol(nullptr);
        Journal journal(&protocol);
        journal.setStallTimeoutMs(30);
        QSignalSpy started(&journal, &Journal::loadingStarted);
        QSignalSpy finished(&journal, &Journal::loadingFinished);
        QSignalSpy failed(&journal, &Journal::loadingFailed);
        journal.readAllJournal();
        journal.journalTail(500);
        QCOMPARE(started.count(), 1);
        journal.eventLoaded(499, entryOf(10));
        journal.eventLoaded(498, entryOf(9));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QCOMPARE(failed.count(), 1);
        QTRY_COMPARE(log.count(QStringLiteral("Journal read stalled, asking again from idx=498")),
                     Journal::StallRetries);
        QVERIFY(!journal.isReading());
        QCOMPARE(journal.rowCount(), 2);
        // Nothing more comes after the end.
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
    }

    void clearListEmptiesRowsAndChildren()
    {
        Journal journal;
        journal.eventLoaded(1, entryOf(1));
        journal.eventLoaded(2, report(2, 1));
        journal.clearList();
        QCOMPARE(journal.rowCount(), 0);
        journal.eventLoaded(3, entryOf(1));
        QCOMPARE(journal.rowCount(journal.index(0, 0)), 0);
    }
};

JOURNAL_TEST_MAIN(TestJournalModel)
#include "test_journal_model.moc"
