#include "JournalFixtures.h"

#include "app/FileChooser.h"
#include "app/Overmind.h"
#include "journal/JournalInfoDialog.h"
#include "journal/JournalWidget.h"
#include "journal/TreeSortFilterProxyModel.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>

using namespace journaltest;

namespace {
void saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral("screenshots"));
    QVERIFY(widget->grab().save(QStringLiteral("screenshots/%1.png").arg(name)));
}

QString jtr(const char *text)
{
    return JournalWidget::tr(text);
}

// Reads a CSV file with Python's own reader, as a spreadsheet user's script would.
QJsonArray readWithPython(const QString &path)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        return QJsonArray();
    QProcess process;
    process.start(python,
                  {QStringLiteral("-c"),
                   QStringLiteral("import csv, json, sys\n"
                                  "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                  "    rows = list(csv.reader(f, delimiter=';'))\n"
                                  "sys.stdout.write(json.dumps(rows))\n"),
                   path});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QJsonArray{QStringLiteral("python failed: ") +
                          QString::fromUtf8(process.readAllStandardError())};
    return QJsonDocument::fromJson(process.readAllStandardOutput()).array();
}
} // namespace

class TestJournalPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;
    std::unique_ptr<ModalRecorder> boxes;
    std::unique_ptr<JournalWidget> page;
    QTemporaryDir folder;

    Journal *journal() { return overmind->journal(); }
    QTreeView *view() { return page->findChild<QTreeView *>(QStringLiteral("journalView")); }
    QLineEdit *filterEdit() { return page->findChild<QLineEdit *>(QStringLiteral("leFilter")); }
    QComboBox *column() { return page->findChild<QComboBox *>(QStringLiteral("cbCurrentFilter")); }
    QCheckBox *caseSensitive()
    {
        return page->findChild<QCheckBox *>(QStringLiteral("cbCaseSensitivity"));
    }
    QStringList shownNumbers()
    {
        QStringList shown;
        const QAbstractItemModel *model = view()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown.append(model->index(row, 0).data().toString());
        return shown;
    }
    void fillSmall()
    {
        journal()->eventLoaded(1, entryOf(0, 7, Body().u8(0, 13)));
        journal()->eventLoaded(2, entryOf(1, 19, Body().text(0, "Door a.b open")));
        journal()->eventLoaded(3, entryOf(2, 19, Body().text(0, "door AXB")));
        journal()->eventLoaded(4, entryOf(3, 19, Body().text(0, "ABC star*")));
        journal()->eventLoaded(5, report(4, 0));
    }
    void fillLarge()
    {
        SimulatedSetup sim(false);
        const QVector<SimJournal::Cell> &cells = SimJournal::of(sim.communicator())->cells();
        for (int index = cells.size() - 1; index >= 0; --index) {
            const QByteArray &bytes = cells.at(index).entry;
            journal()->eventLoaded(EventIdx(index),
                                   bytes.isEmpty() ? s_FullJournalEventIsp2{} : record(bytes));
        }
    }
    QString exportAs(const QString &answer, FileChooser::Request *seen = nullptr)
    {
        FileChooser::setHandler([&](const FileChooser::Request &request) {
            if (seen)
                *seen = request;
            return QStringList{answer};
        });
        page->saveToFile();
        FileChooser::clearHandler();
        return QSettings().value(QStringLiteral("lastJournalPath")).toString();
    }

private slots:
    void init()
    {
        QSettings().clear();
        boxes = std::make_unique<ModalRecorder>();
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createSettingsObjects(true);
        page = std::make_unique<JournalWidget>();
        page->resize(1024, 640);
        page->setJournal(journal());
    }
    void cleanup()
    {
        page.reset();
        overmind.reset();
        boxes.reset();
    }

    void filter_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("children");
        QTest::newRow("no pattern") << "" << 0 << false << QStringList{"4", "3", "2", "1"} << 1;
        QTest::newRow("dot is a dot") << "a.b" << 0 << false << QStringList{"2"} << 0;
        QTest::newRow("star is a star") << "*" << 0 << false << QStringList{"4"} << 0;
        QTest::newRow("any case") << "abc" << 0 << false << QStringList{"4"} << 0;
        QTest::newRow("exact case") << "abc" << 0 << true << QStringList{} << 0;
        QTest::newRow("All ignores reports") << "Transmitting" << 0 << false << QStringList{} << 0;
        QTest::newRow("Description keeps the reported event")
            << "Transmitting" << 5 << false << QStringList{"1"} << 1;
        QTest::newRow("Source column")
            << "Текстовая" << 4 << false << QStringList{"4", "3", "2"} << 0;
    }
    void filter()
    {
        QFETCH(QString, pattern);
        QFETCH(int, column);
        QFETCH(bool, caseSensitive);
        fillSmall();
        this->column()->setCurrentIndex(column);
        this->caseSensitive()->setChecked(caseSensitive);
        filterEdit()->setText(pattern);
        QFETCH(QStringList, shown);
        QFETCH(int, children);
        QTRY_COMPARE(shownNumbers(), shown);
        const QModelIndex first = view()->model()->index(shown.isEmpty() ? 0 : shown.size() - 1, 0);
        QCOMPARE(view()->model()->rowCount(first), shown.isEmpty() ? 0 : children);
    }

    void filterRefreshDeletesThePreviousModel()
    {
        fillSmall();
        QPointer<QAbstractItemModel> first = view()->model();
        QVERIFY(qobject_cast<TreeSortFilterProxyModel *>(first.data()));
        page->onFilter();
        QVERIFY(first.isNull());
        QVERIFY(view()->model());
        QCOMPARE(view()->model()->rowCount(), 4);
    }

    void copyTwoRows()
    {
        fillSmall();
        view()->selectionModel()->select(view()->model()->index(1, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view()->selectionModel()->select(view()->model()->index(2, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        page->copyShortcut();
        const QString header =
            QStringLiteral(" №\tДата\t    Время\t\tТип события\t\t\t \tСобытие\n");
        QString expected = header;
        for (int row : {1, 2}) {
            if (row == 2)
                expected += QLatin1Char('\n');
            for (int column = 0; column < 5; ++column)
                expected += view()->model()->index(row, column).data().toString() + '\t';
        }
        QCOMPARE(QApplication::clipboard()->text(), expected);
        view()->clearSelection();
        page->copyShortcut();
        QCOMPARE(QApplication::clipboard()->text(), header);
    }

    // A report opens its own text, not the event that stands in the same row number.
    void doubleClickOnAReport()
    {
        fillSmall();
        const QModelIndex event = view()->model()->index(3, 0);
        const QModelIndex child = view()->model()->index(0, 4, event);
        QVERIFY(child.isValid());
        page->onDoubleClicked(child);
        QCOMPARE(boxes->count(QStringLiteral("dialog")), 1);
        const QString text = boxes->seen.last().text;
        QVERIFY2(text.startsWith(QStringLiteral("Передача оповещения\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Transmitting event #1")));

        page->onDoubleClicked(view()->model()->index(0, 2));
        QVERIFY(boxes->seen.last().text.endsWith(QStringLiteral("ABC star*")));

        JournalInfoDialog dialog(text);
        dialog.show();
        saveScreenshot(&dialog, QStringLiteral("journal_event_dialog"));
    }

    void exportNames_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << "report"
                                   << "report.csv";
        QTest::newRow("upper-case suffix kept") << "report.CSV"
                                                << "report.CSV";
    }
    void exportNames()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        fillSmall();
        FileChooser::Request request;
        const QString last = exportAs(folder.filePath(answer), &request);
        QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
        QCOMPARE(request.caption, jtr("Save journal as"));
        QCOMPARE(last, folder.filePath(written));
        QVERIFY(QFile::exists(folder.filePath(written)));
        QCOMPARE(boxes->seen.size(), 0);
    }

    void exportFailureIsShown()
    {
        fillSmall();
        QSettings().setValue(QStringLiteral("lastJournalPath"), QStringLiteral("/kept.csv"));
        const QString last = exportAs(folder.filePath(QStringLiteral("missing/dir/j.csv")));
        QCOMPARE(last, QStringLiteral("/kept.csv"));
        QCOMPARE(boxes->count(QStringLiteral("critical")), 1);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("missing/dir/j.csv"))));
    }

    void csvLines()
    {
        QCOMPARE(JournalWidget::csvLine({"123", "a", "b", QString(40, 's'), "say \"hi\""}),
                 QStringLiteral("\"123   \";\"a             \";\"b          \";\"%1\";"
                                "\"say \"\"hi\"\"\"\r\n")
                     .arg(QString(40, 's')));
    }

    // The whole simulated journal, read back by Python's csv reader.
    void largeExportReadByPython()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            QSKIP("python3 is not installed");
        fillLarge();
        QVERIFY(journal()->rowCount() > 2000);
        for (const auto &[pattern, columnIndex, name] :
             {std::make_tuple(QString(), 0, QStringLiteral("all.csv")),
              std::make_tuple(QStringLiteral("Ключ"), 4, QStringLiteral("keys.csv"))}) {
            column()->setCurrentIndex(columnIndex);
            filterEdit()->setText(pattern);
            page->onFilter();
            const QString path = folder.filePath(name);
            exportAs(path);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.read(3) == QByteArray("\xEF\xBB\xBF"));
            const QJsonArray rows = readWithPython(path);
            const QAbstractItemModel *shown = view()->model();
            QCOMPARE(rows.size(), shown->rowCount() + 1);
            QCOMPARE(rows.at(0).toArray().at(1).toString(),
                     QStringLiteral(" Date").leftJustified(14));
            int quoted = 0;
            for (int row = 0; row < shown->rowCount(); ++row) {
                const QJsonArray fields = rows.at(row + 1).toArray();
                QCOMPARE(fields.size(), 5);
                for (int col = 0; col < 5; ++col) {
                    const QString text = shown->index(row, col).data().toString();
                    QString field = fields.at(col).toString();
                    while (field.size() > text.size() && field.endsWith(' '))
                        field.chop(1);
                    if (field != text)
                        QFAIL(qPrintable(QStringLiteral("row %1 column %2: %3 != %4")
                                             .arg(row)
                                             .arg(col)
                                             .arg(field, text)));
                    quoted += text.contains('"') ? 1 : 0;
                }
            }
            if (pattern.isEmpty()) {
                QVERIFY(quoted > 0);
            } else {
                QVERIFY(shown->rowCount() > 0);
                QVERIFY(shown->rowCount() < journal()->rowCount());
                for (int row = 0; row < shown->rowCount(); ++row)
                    QCOMPARE(shown->index(row, 3).data().toString(), QStringLiteral("Ключ"));
            }
        }
        saveScreenshot(page.get(), QStringLiteral("journal_filtered"));
    }
};

JOURNAL_TEST_MAIN(TestJournalPage)
#include "test_journal_page.moc"
