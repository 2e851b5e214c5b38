// A full ring of 16384 journal entries in the journal page: the CSV export rate and the time
// of one filter pass over every row.
#include "app/FileChooser.h"
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/JournalWidget.h"
#include "sim/SimJournal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtEndian>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Logger::registerMetaType();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ModalAnswerer::setHandler([](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
    Logger logger;
    Overmind overmind;
    overmind.deviceInfo().initForExecution(0, 0, 256, 256);
    overmind.createSettingsObjects(true);
    Journal *journal = overmind.journal();
    JournalWidget page;
    page.setJournal(journal);

    // Every source in turn, as the simulated device fills its ring, but all 16384 cells.
    const QDateTime start(QDate(2026, 1, 5), QTime(8, 0, 0), Qt::UTC);
    for (int cell = 0; cell < SimJournal::RingSize; ++cell) {
        int source = 1 + cell % 24;
        QByteArray body(127, '\0');
        if (source == 12) {
            qToLittleEndian(quint32(100000 + cell - 1), body.data());
        } else if (source == 19) {
            body.replace(0, 24, "Перезапуск по питанию; ok");
        }
        body[4] = char(1 + cell % 30);
        const QByteArray bytes = SimJournal::entry(quint32(100000 + cell), quint8(source), body,
                                                   start.addSecs(cell * 17), "installer");
        s_FullJournalEventIsp2 entry;
        std::memcpy(&entry, bytes.constData(), sizeof entry);
        journal->eventLoaded(EventIdx(cell), entry);
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("journal.csv"));
    FileChooser::setHandler([&](const FileChooser::Request &) { return QStringList{path}; });
    QElapsedTimer clock;
    clock.start();
    page.saveToFile();
    const qint64 exportNs = clock.nsecsElapsed();
    const int rows = journal->rowCount();

    auto *filter = page.findChild<QLineEdit *>(QStringLiteral("leFilter"));
    filter->setText(QStringLiteral("installer"));
    clock.restart();
    page.onFilter();
    auto *view = page.findChild<QTreeView *>(QStringLiteral("journalView"));
    const int shown = view->model()->rowCount();
    const qint64 filterNs = clock.nsecsElapsed();

    std::printf("exported rows: %d\n", rows);
    std::printf("entries per second: %.0f\n", exportNs > 0 ? rows * 1e9 / double(exportNs) : 0.0);
    std::printf("filtered rows: %d\n", shown);
    std::printf("filter pass ms: %.1f\n", filterNs / 1e6);
    return 0;
}
