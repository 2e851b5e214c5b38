// Feeds arbitrary device messages into the Protocol while the journal model and its page
// are connected, then builds every row's texts: display, tool tip, filter text and CSV line.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/JournalWidget.h"
#include "link/Crc.h"
#include "link/Protocol.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        static int argc = 1;
        static char name[] = "fuzz_journal_answers";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        app = new QApplication(argc, argv);
        logger = new Logger;
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
        overmind = new Overmind;
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createSettingsObjects(true);
        protocol = new Protocol(nullptr);
        journal = new Journal(protocol);
        page = new JournalWidget;
        page->setJournal(journal);
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
    Overmind *overmind = nullptr;
    Protocol *protocol = nullptr;
    Journal *journal = nullptr;
    JournalWidget *page = nullptr;
};

void touchRow(Journal *journal, const QModelIndex &index)
{
    for (int column = 0; column < Journal::ColumnCount; ++column) {
        const QModelIndex cell = journal->index(index.row(), column, index.parent());
        (void)cell.data(Qt::DisplayRole);
        (void)cell.data(Qt::ToolTipRole);
        (void)cell.data(Qt::UserRole);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 3)
        return 0;
    // First byte: the answer type, with bit 7 asking for a valid seal on a journal entry.
    static const quint8 types[] = {0x32, 0x35, 0x37, 0x38, 0xAA, 0xF0};
    const quint8 type = types[(data[0] & 0x7F) % std::size(types)];
    QByteArray message;
    message.append(char(type));
    message.append(reinterpret_cast<const char *>(data + 1), 2);
    QByteArray payload(reinterpret_cast<const char *>(data + 3), int(size - 3));
    if (type == 0x32 && (data[0] & 0x80)) {
        payload = payload.leftJustified(256, '\0', true);
        const quint32 crc = crc32Stm(payload.constData(), 244);
        payload.replace(244, 4, reinterpret_cast<const char *>(&crc), 4);
    }
    message.append(payload);
    harness.protocol->onMessageReceived(message);

    Journal *journal = harness.journal;
    for (int row = 0; row < journal->rowCount(); ++row) {
        const QModelIndex parent = journal->index(row, 0);
        touchRow(journal, parent);
        for (int child = 0; child < journal->rowCount(parent); ++child)
            touchRow(journal, journal->index(child, 0, parent));
    }
    (void)harness.page->csvText();
    if (journal->rowCount() > 200)
        journal->clearList();
    return 0;
}
