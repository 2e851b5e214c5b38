#include "journal/JournalWidget.h"

#include "app/FileChooser.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/ToolTipFilter.h"
#include "journal/TreeSortFilterProxyModel.h"
#include "link/Protocol.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QShortcut>
#include <QSpacerItem>
#include <QStyle>
#include <QTreeView>

namespace {
constexpr int FilterDelayMs = 200;
const char *const LastPathKey = "lastJournalPath";
const int CsvWidths[Journal::ColumnCount] = {6, 14, 11, 30, 0};
} // namespace

JournalWidget::JournalWidget(QWidget *parent)
    : QWidget(parent), m_currentFilter(new QComboBox(this)), m_filter(new QLineEdit(this)),
      m_caseSensitivity(new QCheckBox(tr("Case sensitivity"), this)),
      m_readAll(new QPushButton(QIcon(QStringLiteral(":/images/open_configuration.png")),
                                tr("ReadlAll"), this)),
      m_saveToFile(
          new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save to file"), this)),
      m_clear(new QPushButton(QIcon(QStringLiteral(":/images/clear.png")), tr("Clear"), this)),
      m_progress(new QProgressBar(this)), m_view(new QTreeView(this))
{
    setObjectName(QStringLiteral("JournalWidget"));
    resize(1024, 640);
    m_currentFilter->setObjectName(QStringLiteral("cbCurrentFilter"));
    m_currentFilter->setMinimumHeight(30);
    m_filter->setObjectName(QStringLiteral("leFilter"));
    m_filter->setMinimumHeight(30);
    QAction *clearAction = m_filter->addAction(
        style()->standardIcon(QStyle::SP_LineEditClearButton), QLineEdit::TrailingPosition);
    clearAction->setText(tr("Clear filter"));
    clearAction->setObjectName(QStringLiteral("actionClearFilter"));
    m_caseSensitivity->setObjectName(QStringLiteral("cbCaseSensitivity"));
    m_caseSensitivity->setMinimumHeight(30);
    m_readAll->setObjectName(QStringLiteral("pbReadAll"));
    m_saveToFile->setObjectName(QStringLiteral("pbSaveToFile"));
    m_clear->setObjectName(QStringLiteral("pbClear"));
    for (QPushButton *button : {m_readAll, m_saveToFile, m_clear})
        button->setMinimumSize(180, 30);
    m_progress->setObjectName(QStringLiteral("pbLoadingProgress"));
    m_progress->setValue(0);
    m_view->setObjectName(QStringLiteral("journalView"));
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setUniformRowHeights(true);

    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(grid->contentsMargins().left(), 6, grid->contentsMargins().right(),
                             grid->contentsMargins().bottom());
    auto *label = new QLabel(tr("Filter:"), this);
    label->setObjectName(QStringLiteral("label"));
    grid->addWidget(m_currentFilter, 0, 0, 1, 2);
    grid->addWidget(label, 0, 2);
    grid->addWidget(m_filter, 0, 3);
    grid->addWidget(m_caseSensitivity, 0, 4);
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 5);
    grid->addWidget(m_readAll, 0, 6);
    grid->addWidget(m_saveToFile, 0, 7);
    grid->addWidget(m_clear, 0, 8);
    grid->addWidget(m_progress, 2, 0, 1, 5);
    grid->addWidget(m_view, 3, 0, 1, 9);
    setTabOrder(m_currentFilter, m_filter);
    setTabOrder(m_filter, m_caseSensitivity);
    setTabOrder(m_caseSensitivity, m_readAll);
    setTabOrder(m_readAll, m_saveToFile);
    setTabOrder(m_saveToFile, m_clear);
    setTabOrder(m_clear, m_view);

    QFont bold = m_view->header()->font();
    bold.setBold(true);
    m_view->header()->setFont(bold);
    m_view->viewport()->installEventFilter(new ToolTipFilter(m_view));
    m_clear->hide();
    m_progress->hide();

    auto *copy = new QShortcut(QKeySequence(QStringLiteral("Ctrl+C")), m_view);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &JournalWidget::copyShortcut);

    connect(m_readAll, &QPushButton::clicked, this, &JournalWidget::onReadAllJournal);
    connect(m_saveToFile, &QPushButton::clicked, this, &JournalWidget::saveToFile);
    connect(clearAction, &QAction::triggered, m_filter, &QLineEdit::clear);
    m_filterTimer.setSingleShot(true);
    connect(m_filter, &QLineEdit::textChanged, this,
            [this] { m_filterTimer.start(FilterDelayMs); });
    connect(&m_filterTimer, &QTimer::timeout, this, &JournalWidget::onFilter);
    connect(m_currentFilter, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &JournalWidget::onFilter);
    connect(m_caseSensitivity, &QCheckBox::toggled, this, &JournalWidget::onFilter);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::connected, this, &JournalWidget::onConnected);
        connect(overmind, &Overmind::disconnected, this, [this] {
            if (m_journal)
                m_journal->abortReading(
                    tr("The device was disconnected; the journal read was not completed."));
        });
    }
    connect(m_view, &QTreeView::doubleClicked, this, &JournalWidget::onDoubleClicked);

    m_proxy = new TreeSortFilterProxyModel(nullptr);
    m_view->setModel(m_proxy);
    m_readAll->setEnabled(false);
}

JournalWidget::~JournalWidget()
{
    m_view->setModel(nullptr);
    delete m_proxy;
    delete m_clearProgress;
}

void JournalWidget::setJournal(Journal *journal)
{
    m_journal = journal;
    if (m_proxy)
        m_proxy->setSourceModel(journal);
    if (journal) {
        connect(journal, &Journal::loadingFinished, this, &JournalWidget::loadingFinished,
                Qt::UniqueConnection);
        connect(journal, &Journal::loadingStarted, this, &JournalWidget::loadingStarted,
                Qt::UniqueConnection);
        connect(journal, &Journal::loadingProgress, this, &JournalWidget::loadingProgress,
                Qt::UniqueConnection);
        connect(journal, &Journal::loadingFailed, this, &JournalWidget::onLoadingFailed,
                Qt::UniqueConnection);
    }
    const QSignalBlocker blocker(m_currentFilter);
    m_currentFilter->clear();
    m_currentFilter->addItem(tr("All"));
    if (journal)
        for (int column = 0; column < journal->columnCount(); ++column)
            m_currentFilter->addItem(
                journal->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    m_currentFilter->setCurrentIndex(0);
    onFilter();
}

// Room for a number, a date, a time and a source name: a new filter model resets the widths.
void JournalWidget::sizeColumns()
{
    const QFontMetrics metrics(m_view->font());
    const QString samples[] = {QStringLiteral("0000000"), QStringLiteral("00.00.00000"),
                               QStringLiteral("00:00:000"),
                               QStringLiteral("Удаленный веб интерфейс")};
    for (int column = 0; column < 4; ++column)
        m_view->header()->resizeSection(column, metrics.horizontalAdvance(samples[column]) + 24);
}

// The source column fits its widest text over every shown row. A journal has thousands of
// rows but a few sources: each text is measured once, where the view measured a thousand
// rows at the end of every read.
void JournalWidget::fitSourceColumn()
{
    constexpr int SourceColumn = 3;
    int widest = m_view->header()->sectionSizeHint(SourceColumn);
    QSet<QString> measured;
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty()) {
        const QModelIndex parent = parents.takeLast();
        const int rows = m_view->model() ? m_view->model()->rowCount(parent) : 0;
        for (int row = 0; row < rows; ++row) {
            const QModelIndex cell = m_view->model()->index(row, SourceColumn, parent);
            const QModelIndex first = cell.siblingAtColumn(0);
            if (m_view->isExpanded(first))
                parents.append(first);
            const QString text = cell.data().toString();
            if (measured.contains(text))
                continue;
            measured.insert(text);
            widest = qMax(widest, m_view->sizeHintForIndex(cell).width());
        }
    }
    m_view->header()->resizeSection(SourceColumn, widest);
}

Journal *JournalWidget::journal() const
{
    return m_journal;
}

void JournalWidget::blockReading(bool blocked)
{
    m_readAll->setEnabled(!blocked);
}

void JournalWidget::clearList()
{
    if (!m_journal)
        return;
    m_journal->abortReading(tr("The device was disconnected; the journal read was not completed."));
    m_journal->clearList();
}

void JournalWidget::onBlockInterface()
{
    Overmind *overmind = Overmind::instance();
    m_readAll->setEnabled(!overmind || !overmind->isUpdating());
}

void JournalWidget::onReadAllJournal()
{
    Overmind *overmind = Overmind::instance();
    Journal *journal = overmind ? overmind->journal() : m_journal.data();
    if (!journal)
        return;
    journal->readAllJournal();
    if (overmind && overmind->protocol())
        overmind->protocol()->readJournalTail();
}

void JournalWidget::loadingStarted()
{
    m_readAll->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow())
        overmind->mainWindow()->setUpdateBlocked(true);
}

void JournalWidget::loadingProgress(int percent)
{
    m_progress->setValue(qBound(0, percent, 100));
}

void JournalWidget::loadingFinished()
{
    m_readAll->setEnabled(true);
    m_progress->hide();
    fitSourceColumn();
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow())
        overmind->mainWindow()->setUpdateBlocked(false);
}

void JournalWidget::onLoadingFailed(const QString &message)
{
    MessageBoxU::warning(message, tr("Journal"));
}

void JournalWidget::onConnected()
{
    Overmind *overmind = Overmind::instance();
    m_readAll->setEnabled(overmind && !overmind->isViewingMode());
}

void JournalWidget::onFilter()
{
    m_filterTimer.stop();
    auto *proxy = new TreeSortFilterProxyModel(nullptr);
    proxy->setSourceModel(m_journal);
    const QString pattern = m_filter->text();
    if (!pattern.isEmpty()) {
        QRegularExpression expression(QRegularExpression::escape(pattern));
        if (!m_caseSensitivity->isChecked())
            expression.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
        proxy->setFilterKeyColumn(m_currentFilter->currentIndex() - 1);
        proxy->setFilterRegularExpression(expression);
    }
    m_view->setModel(proxy);
    // The view no longer shows the previous filter model; nothing else holds it.
    delete m_proxy;
    m_proxy = proxy;
    sizeColumns();
}

QString JournalWidget::csvLine(const QStringList &fields)
{
    QStringList padded;
    for (int column = 0; column < Journal::ColumnCount; ++column) {
        QString field = fields.value(column);
        field.replace(QLatin1Char('"'), QLatin1String("\"\""));
        padded.append(field.leftJustified(CsvWidths[column], QLatin1Char(' ')));
    }
    return tr("\"%1\";\"%2\";\"%3\";\"%4\";\"%5\"\r\n")
        .arg(padded[0], padded[1], padded[2], padded[3], padded[4]);
}

QString JournalWidget::csvText() const
{
    QString text = csvLine({tr(" #"), tr(" Date"), tr(" Time"), tr(" Source"), tr(" Event")});
    if (!m_proxy)
        return text;
    const int rows = m_proxy->rowCount();
    QStringList fields;
    for (int row = 0; row < rows; ++row) {
        fields.clear();
        for (int column = 0; column < Journal::ColumnCount; ++column)
            fields.append(m_proxy->index(row, column).data().toString());
        text += csvLine(fields);
    }
    return text;
}

void JournalWidget::saveToFile()
{
    QSettings settings;
    const QString last = settings.value(QLatin1String(LastPathKey)).toString();
    QString name = FileChooser::saveFileName(this, tr("Save journal as"), last,
                                             QStringLiteral("*.csv"), QStringLiteral("csv"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        name += QLatin1String(".csv");

    // UTF-8 with a byte-order mark: every name survives and spreadsheets detect the encoding.
    QSaveFile file(name);
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += csvText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        logError(this,
                 QStringLiteral("Journal export failed: %1: %2").arg(name, file.errorString()));
        MessageBoxU::critical(tr("The journal could not be saved to %1: %2")
                                  .arg(QDir::toNativeSeparators(name), file.errorString()),
                              tr("Error"));
        return;
    }
    settings.setValue(QLatin1String(LastPathKey), QFileInfo(name).absoluteFilePath());
}

void JournalWidget::copyShortcut()
{
    QString text = QStringLiteral(" №\tДата\t    Время\t\tТип события\t\t\t \tСобытие\n");
    const QModelIndexList cells =
        m_view->selectionModel() ? m_view->selectionModel()->selectedIndexes() : QModelIndexList();
    int previousRow = -1;
    bool first = true;
    for (const QModelIndex &cell : cells) {
        if (!first && cell.row() != previousRow)
            text += QLatin1Char('\n');
        first = false;
        previousRow = cell.row();
        text += cell.data().toString() + QLatin1Char('\t');
    }
    QApplication::clipboard()->setText(text);
}

void JournalWidget::onDoubleClicked(const QModelIndex &index)
{
    if (!m_journal || !m_proxy)
        return;
    // The mapped index keeps its parent, so a report opens its own text.
    m_journal->showEventInfo(m_proxy->mapToSource(index));
}

void JournalWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_filter->setFocus();
}

void JournalWidget::clearJournal()
{
    if (!m_journal)
        return;
    if (MessageBoxU::question(tr("Cleaning takes about 30 seconds, possible loss of events! Are "
                                 "you sure you want to clear the journal?"),
                              tr("Jornal clearing"),
                              QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    m_journal->clear();
    delete m_clearProgress;
    m_clearProgress = new QProgressDialog(tr("Clear journal process."), QString(), 0, 100);
    m_clearProgress->setFixedSize(300, 100);
    m_clearProgress->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    m_clearProgress->setCancelButton(nullptr);
    m_clearTimer = new QTimer(this);
    QProgressDialog *progress = m_clearProgress;
    connect(m_clearTimer, &QTimer::timeout, progress, [this, progress] {
        progress->setValue(progress->value() + 1);
        if (progress->value() >= 100) {
            m_clearTimer->stop();
            m_clearTimer->deleteLater();
            m_clearTimer = nullptr;
            progress->close();
        }
    });
    m_clearProgress->setValue(0);
    m_clearTimer->start(300);
    m_clearProgress->exec();
}

void JournalWidget::clearJournalAck(e_m_err)
{
    Overmind *overmind = Overmind::instance();
    m_clear->setText(tr("Clear"));
    m_clear->setEnabled(overmind && !overmind->isViewingMode());
}
