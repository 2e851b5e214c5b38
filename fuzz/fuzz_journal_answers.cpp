// Feeds journal answers through the running program's protocol into its journal and the
// journal page, then reads every cell the page shows and its export text.
#include "FuzzSupport.h"

#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/JournalWidget.h"

#include <cstddef>
#include <cstdint>

namespace {
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
    Fuzz::Program &program = Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("journal_answers")));
    Journal *journal = program.overmind()->journal();
    if (!journal)
        return 0;
    for (int row = 0; row < journal->rowCount(); ++row) {
        const QModelIndex parent = journal->index(row, 0);
        touchRow(journal, parent);
        for (int child = 0; child < journal->rowCount(parent); ++child)
            touchRow(journal, journal->index(child, 0, parent));
    }
    for (JournalWidget *page : program.window()->findChildren<JournalWidget *>())
        (void)page->csvText();
    if (journal->rowCount() > 200)
        journal->clearList();
    program.settle();
    return 0;
}
