#include "JournalFixtures.h"

#include "app/FileChooser.h"
#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "journal/AssertLogView.h"
#include "journal/JournalWidget.h"
#include "journal/PowerStatusWidgetIsp0.h"
#include "journal/RealTime22bViewForm.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"
#include "update/OnlineUpdateWidget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeView>

using namespace journaltest;

namespace {
constexpr int DeviceTimeout = 60000;
constexpr int ReadTimeout = 240000;

void saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral("screenshots"));
    QVERIFY(widget->grab().save(QStringLiteral("screenshots/%1.png").arg(name)));
}

struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    SimJournal *ring() { return SimJournal::of(sim.communicator()); }
    JournalWidget *page() { return ui()->journalWidget; }
    QPushButton *readAll() { return page()->findChild<QPushButton *>(QStringLiteral("pbReadAll")); }
    QProgressBar *progress()
    {
        return page()->findChild<QProgressBar *>(QStringLiteral("pbLoadingProgress"));
    }
    bool updateBlocked()
    {
        return !ui()->onlineUpdateWidget->findChild<QPushButton *>(QStringLiteral("pbSelectAll"))
                    ->isEnabled();
    }

    // Logged in with the journal page shown and ready to read.
    bool logInAndLoad()
    {
        if (!logIn())
            return false;
        ui()->twMain->setCurrentWidget(ui()->tabJournal);
        return QTest::qWaitFor([this] { return readAll()->isEnabled(); }, DeviceTimeout);
    }

    // Numbers of the sealed events in the ring, newest first, and their reports.
    QStringList expectedNumbers(int *reports)
    {
        QList<quint32> numbers;
        *reports = 0;
        for (const SimJournal::Cell &cell : ring()->cells()) {
            if (cell.entry.isEmpty())
                continue;
            const s_FullJournalEventIsp2 entry = record(cell.entry);
            if (crc32Stm(entry.body, 244) != entry.crc32)
                continue;
            if (Journal::sourceCode(entry) == 12)
                ++*reports;
            else
                numbers.append(Journal::eventNumber(entry));
        }
        std::sort(numbers.begin(), numbers.end(), std::greater<quint32>());
        QStringList texts;
        for (quint32 number : numbers)
            texts.append(QString::number(number + 1));
        return texts;
    }
};
} // namespace

class TestJournalDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

    static QStringList shownNumbers(const QAbstractItemModel *model, int *children)
    {
        QStringList shown;
        *children = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            shown.append(model->index(row, 0).data().toString());
            *children += model->rowCount(model->index(row, 0));
        }
        return shown;
    }

private slots:
    void init()
    {
        Intervals::keepAliveMs = 600000;
        QSettings().clear();
        boxes = std::make_unique<ModalRecorder>();
    }
    void cleanup() { boxes.reset(); }

    void readsTheWholeJournal()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Journal *journal = session.overmind()->journal();
        QSignalSpy progress(journal, &Journal::loadingProgress);
        QSignalSpy finished(journal, &Journal::loadingFinished);
        QSignalSpy configDone(session.overmind()->protocol(), &Protocol::settingsReadComplete);
        bool blockedDuringRead = false;
        bool barShown = false;
        QMetaObject::Connection watch =
            QObject::connect(journal, &Journal::loadingProgress, [&](int percent) {
                if (percent == 50) {
                    blockedDuringRead = session.updateBlocked() && !session.readAll()->isEnabled();
                    barShown = session.progress()->isVisible();
                }
            });
        QTest::mouseClick(session.readAll(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, ReadTimeout);
        QObject::disconnect(watch);
        QCOMPARE(configDone.count(), 0);
        QVERIFY(blockedDuringRead);
        QVERIFY(barShown);
        bool hundred = false;
        for (const QList<QVariant> &signal : progress)
            hundred = hundred || signal.at(0).toInt() == 100;
        QVERIFY(hundred);
        QVERIFY(progress.count() >= SimJournal::RingSize);

        int reports = 0;
        const QStringList expected = session.expectedNumbers(&reports);
        QVERIFY(expected.size() > 2000);
        QVERIFY(reports > 200);
        QTreeView *view = session.page()->findChild<QTreeView *>(QStringLiteral("journalView"));
        int children = 0;
        QCOMPARE(shownNumbers(view->model(), &children), expected);
        QCOMPARE(children, reports);
        QTRY_VERIFY(session.readAll()->isEnabled());
        QVERIFY(!session.progress()->isVisible());
        QCOMPARE(boxes->seen.size(), 0);
        view->expand(view->model()->index(1, 0));
        saveScreenshot(session.startUp.window(), QStringLiteral("journal_read"));
    }

    // The diagnostics the device sends by itself, and its debug journal.
    void diagnostics()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *ui = session.ui();
        session.ring()->startDiagnostics(100);
        QTRY_COMPARE_WITH_TIMEOUT(ui->powerStatusWidgetIsp0->label("lblCaseValue")->text(),
                                  PowerStatusWidgetIsp0::tr("Closed"), DeviceTimeout);
        QTRY_VERIFY(ui->powerStatusWidgetIsp0->label("lblBatteryChargeLevel")->text() != "0%");
        QCOMPARE(ui->powerStatusWidgetIsp0->label("lblBatteryVoltage")->text(),
                 PowerStatusWidgetIsp0::tr("%1 V").arg("4.11"));
        QVERIFY(ui->powerStatusWidgetIsp0->label("lblTimeSync")->text().startsWith("04.11.2026"));
        auto *params = ui->RealTime22bViewForm1->findChild<QTableWidget *>("twParams");
        QTRY_COMPARE_WITH_TIMEOUT(params->item(0, 0)->text(), QStringLiteral("Uin, V"),
                                  DeviceTimeout);
        QTRY_VERIFY(!params->item(0, 1)->text().isEmpty());
        saveScreenshot(ui->powerStatusWidgetIsp0, QStringLiteral("power_panel_device"));

        // The debug journal, exported through the dialog hook (its tab is for debug mode
        // only, so the window's command starts it), then erased.
        auto *debugView = ui->assertLogView;
        auto *pane = debugView->findChild<QPlainTextEdit *>("ptLog");
        const int entries = session.ring()->debugEntries().size();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("debug.txt"));
        FileChooser::setHandler([&](const FileChooser::Request &) { return QStringList{path}; });
        ui->actionReadDebugLog->trigger();
        FileChooser::clearHandler();
        QCOMPARE(boxes->count(QStringLiteral("information")), 1);
        QTRY_COMPARE_WITH_TIMEOUT(pane->blockCount(), entries, DeviceTimeout);
        QVERIFY(pane->toPlainText().contains(QStringLiteral("Сбой модема")));
        debugView->resize(700, 400);
        saveScreenshot(debugView, QStringLiteral("debug_journal"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), entries);
        debugView->eraseLog();
        QVERIFY(pane->toPlainText().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(session.ring()->debugEntries().isEmpty(), DeviceTimeout);
    }

    void stalledStreams_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("stalls once, asked again") << false;
        QTest::newRow("stays silent") << true;
    }
    void stalledStreams()
    {
        QFETCH(bool, silent);
        Session session;
        QVERIFY(session.logInAndLoad());
        Journal *journal = session.overmind()->journal();
        journal->setStallTimeoutMs(500);
        QSignalSpy finished(journal, &Journal::loadingFinished);
        QSignalSpy failed(journal, &Journal::loadingFailed);
        session.ring()->stallAfter(3000, silent);
        QTest::mouseClick(session.readAll(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, ReadTimeout);
        QCOMPARE(failed.count(), silent ? 1 : 0);
        QCOMPARE(boxes->count(QStringLiteral("warning")), silent ? 1 : 0);
        QTRY_VERIFY(session.readAll()->isEnabled());
        QVERIFY(!session.progress()->isVisible());
        if (!silent) {
            int reports = 0;
            int children = 0;
            const QStringList expected = session.expectedNumbers(&reports);
            QCOMPARE(shownNumbers(journal, &children), expected);
            return;
        }
        // The next read works once the device talks again. It must not fail for a pause of a
        // loaded machine: it waits as long as the program does.
        session.ring()->resume();
        journal->setStallTimeoutMs(Journal::TailWaitMs);
        QTest::mouseClick(session.readAll(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 1, ReadTimeout);
        QCOMPARE(failed.count(), 1);
        int reports = 0;
        int children = 0;
        QCOMPARE(shownNumbers(journal, &children), session.expectedNumbers(&reports));
    }

    void unplugMidRead()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Journal *journal = session.overmind()->journal();
        QSignalSpy finished(journal, &Journal::loadingFinished);
        QObject::connect(journal, &Journal::loadingProgress, &session.sim.communicator(),
                         [&session](int percent) {
                             if (percent == 20 && session.sim.device().isPlugged())
                                 session.sim.unplug();
                         });
        QTest::mouseClick(session.readAll(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, ReadTimeout);
        QCOMPARE(boxes->count(QStringLiteral("warning")), 1);
        QVERIFY(!session.progress()->isVisible());

        session.sim.plug();
        QVERIFY(session.logInAndLoad());
        Journal *again = session.overmind()->journal();
        QSignalSpy done(again, &Journal::loadingFinished);
        QTest::mouseClick(session.readAll(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(done.count() > 0, ReadTimeout);
        int reports = 0;
        int children = 0;
        QCOMPARE(shownNumbers(again, &children), session.expectedNumbers(&reports));
        QCOMPARE(children, reports);
    }
};

JOURNAL_TEST_MAIN(TestJournalDevice)
#include "test_journal_device.moc"
