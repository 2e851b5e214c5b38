#include "pages/reporting/DirectionsWidget.h"

#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "journal/Journal.h"
#include "link/Protocol.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/DirectionSettingsWidget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>

namespace {
constexpr int StateRole = Qt::UserRole;
constexpr quint8 NoDirection = 255;
constexpr quint16 NoEvent = 0xFFFF;
constexpr int StatusDirections = 10;

Overmind *overmind()
{
    return Overmind::instance();
}

QString lampPicture(int state)
{
    switch (state) {
    case 0:
        return QStringLiteral("://images/circle_green.png");
    case 2:
        return QStringLiteral("://images/circle_red.png");
    case 3:
    case 4:
        return QStringLiteral("://images/circle_orange.png");
    default:
        return QStringLiteral("://images/circle_gray.png");
    }
}

QTableWidgetItem *cell(QTableWidget *table, int row, int column, bool centred)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (centred) {
            item->setTextAlignment(Qt::AlignCenter);
            item->setData(StateRole, -1);
        }
        table->setItem(row, column, item);
    }
    return item;
}
} // namespace

DirectionsWidget::DirectionsWidget(QWidget *parent) : QWidget(parent)
{
    buildWidgets();
    if (Overmind *controller = overmind()) {
        connect(controller, &Overmind::loginSuccessful, this, &DirectionsWidget::onLoginSuccessful);
        connect(controller, &Overmind::disconnected, this, &DirectionsWidget::onDisconnected);
        connect(controller, &Overmind::ready, this, &DirectionsWidget::onReady);
        connect(controller, &Overmind::lockSettingsChanged, this,
                &DirectionsWidget::onLockSettingsChanged);
    }
    connect(m_table, &QTableWidget::cellPressed, this, &DirectionsWidget::confirmLeave);
    connect(m_pbResetTranslations, &QPushButton::clicked, this,
            &DirectionsWidget::onResetTranslations);
}

DirectionsWidget::~DirectionsWidget() = default;

void DirectionsWidget::buildWidgets()
{
    setObjectName(QStringLiteral("DirectionsWidget"));
    setWindowTitle(tr("Form"));
    resize(800, 546);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    auto *line = new QHBoxLayout;
    line->setObjectName(QStringLiteral("horizontalLayout"));
    auto *caption = new QLabel(tr("Handled event:"), this);
    caption->setObjectName(QStringLiteral("label"));
    QFont font = caption->font();
    font.setPointSize(10);
    caption->setFont(font);
    m_leHandledEvent = new QLineEdit(this);
    m_leHandledEvent->setObjectName(QStringLiteral("leHandeledEvent"));
    m_leHandledEvent->setReadOnly(true);
    m_leHandledEvent->setMinimumHeight(30);
    line->addWidget(caption);
    line->addWidget(m_leHandledEvent);
    grid->addLayout(line, 0, 0);
    m_pbResetTranslations = new QPushButton(QIcon(QStringLiteral(":/images/reset.png")),
                                            tr("Reset translations"), this);
    m_pbResetTranslations->setObjectName(QStringLiteral("pbResetTranslations"));
    m_pbResetTranslations->setMinimumSize(200, 30);
    grid->addWidget(m_pbResetTranslations, 0, 1);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_table = new QTableWidget(0, 5, m_splitter);
    m_table->setObjectName(QStringLiteral("twDirections"));
    m_table->setHorizontalHeaderLabels(
        {tr("Direction name"), tr("Main"), tr("Reserve 1"), tr("Reserve 2"), tr("Event")});
    m_table->setMinimumSize(450, 490);
    m_table->setMaximumWidth(600);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setAutoScroll(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setShowGrid(false);
    m_table->verticalHeader()->hide();
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 5; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        m_table->setColumnWidth(column, column < 4 ? 60 : 80);
    }
    m_form = new DirectionSettingsWidget(m_splitter);
    m_form->setObjectName(QStringLiteral("settingsWidget"));
    m_splitter->addWidget(m_table);
    m_splitter->addWidget(m_form);
    grid->addWidget(m_splitter, 1, 0, 1, 2);
}

DirectionSettings *DirectionsWidget::settings() const
{
    return m_settings;
}

void DirectionsWidget::clearCells()
{
    for (int row = 0; row < m_table->rowCount(); ++row)
        for (int column = 0; column < m_table->columnCount(); ++column)
            delete m_table->takeItem(row, column);
}

void DirectionsWidget::setSettings(DirectionSettings *settings)
{
    if (settings != m_settings) {
        if (m_settings)
            disconnect(m_settings, nullptr, this, nullptr);
        clearCells();
    }
    m_table->clearSelection();
    m_settings = settings;
    m_form->setSettings(settings);
    if (!settings)
        return;
    connect(settings, &DirectionSettings::settingsUpdated, this, &DirectionsWidget::settingsUpdated,
            Qt::UniqueConnection);
    connect(settings, &DirectionSettings::loadingStarted, this, &DirectionsWidget::onLoadingStarted,
            Qt::UniqueConnection);
    connect(settings, &DirectionSettings::loadingFinished, this,
            &DirectionsWidget::onLoadingFinished, Qt::UniqueConnection);
    m_table->resize(400, m_table->height());
}

void DirectionsWidget::onLoadingStarted()
{
    m_loading = true;
    setEnabled(false);
}

void DirectionsWidget::onLoadingFinished()
{
    if (m_loading)
        confirmLeave(0, 0);
    m_loading = false;
    setEnabled(true);
    // The import made its last direction current: show the row the table has selected.
    if (m_settings && m_table->rowCount() > 0)
        showDirection(qBound(0, m_currentRow, m_table->rowCount() - 1));
}

void DirectionsWidget::setSurGardHidden(bool hidden)
{
    m_surGardHidden = hidden;
    m_form->setSurGardHidden(hidden);
}

void DirectionsWidget::onLoginSuccessful()
{
    Overmind *controller = overmind();
    if (!controller)
        return;
    if (Protocol *link = controller->protocol())
        connect(link, &Protocol::channelStatus, this, &DirectionsWidget::statusUpdated,
                Qt::UniqueConnection);
    if (controller->canEdit())
        setEnabled(true);
}

void DirectionsWidget::onDisconnected()
{
    m_loading = true;
    clearCells();
}

void DirectionsWidget::onReady()
{
    m_loading = false;
    m_table->setCurrentCell(0, 0);
    m_currentRow = 0;
    // The login was just made: the first direction needs no keep-alive.
    m_keepAlive = false;
    confirmLeave(0, 0);
    m_keepAlive = true;
}

void DirectionsWidget::settingsUpdated(quint8 index, const s_ExtMemDataGSMDirection &record)
{
    Overmind *controller = overmind();
    if (!m_settings || !controller || index >= controller->deviceInfo().directionCount())
        return;
    if (m_currentRow < 0 || index == m_currentRow || m_loading) {
        m_settings->setDataPointer(index);
        m_form->setSettings(m_settings);
        if (m_table->rowCount() < index + 1)
            m_table->setRowCount(index + 1);
        cell(m_table, index, 0, false)->setText(m_settings->directionName(index));
        return;
    }
    if (index < m_table->rowCount() && m_table->item(index, 0)) {
        const QString name = DirectionSettings::nameOf(record);
        m_table->item(index, 0)->setText(
            name.isEmpty() ? DirectionSettings::defaultName(index, false) : name);
    }
}

void DirectionsWidget::refuseLeave()
{
    m_table->setCurrentCell(m_currentRow, 0);
}

bool DirectionsWidget::confirmLeave(int row, int column)
{
    Q_UNUSED(column)
    Overmind *controller = overmind();
    MainWindow *window = controller ? controller->mainWindow() : nullptr;
    if (!m_settings || !controller || (window && window->isUpdateOnlyMode()))
        return true;
    const bool editable =
        !m_loading && controller->canEdit() && controller->isSettingsUnlocked() && isEnabled();
    const bool viewing = controller->isViewingMode();
    const QString title = tr("Direction was modified");
    if (editable && !viewing && !m_form->isSaveable()) {
        MessageBoxU::warning(tr("Direction \"%1\" was modified.\nIllegal settings can't be saved.")
                                 .arg(m_settings->currentName()),
                             title);
        refuseLeave();
        return false;
    }
    m_settings->pruneEventFilter();
    if (m_loading)
        return true;
    if (editable && m_settings->isModified()) {
        const auto answer =
            MessageBoxU::question(tr("Direction \"%1\" was modified.\nDo you want to save changes?")
                                      .arg(m_settings->currentName()),
                                  title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Yes) {
            if (!m_settings->isValid()) {
                MessageBoxU::warning(
                    tr("The phone number field is empty!\nSettings \"%1\" cannot be saved.")
                        .arg(m_settings->currentName()),
                    title);
                refuseLeave();
                return false;
            }
            m_settings->storeCurrent();
        } else if (answer == QMessageBox::No) {
            m_settings->cancelSettings();
        } else {
            refuseLeave();
            return false;
        }
    }
    if (row < 0 || row > m_table->rowCount()) {
        m_table->clearSelection();
        return true;
    }
    showDirection(row);
    if (!viewing && m_keepAlive && controller->protocol())
        controller->protocol()->sendToDevice(_SendRequestExtendLogout);
    return true;
}

void DirectionsWidget::showDirection(int row)
{
    m_currentRow = row;
    m_settings->setDataPointer(quint8(row));
    m_form->setSettings(m_settings);
    if (m_table->currentRow() != row && row < m_table->rowCount())
        m_table->setCurrentCell(row, 0);
}

QString DirectionsWidget::deliveryLine(const EventSenderStatus &status) const
{
    Overmind *controller = overmind();
    const bool old = controller && controller->isFirmwareOlderThan12();
    const int number = old ? int(status.value128) + 1 : int(status.value124);
    if (status.value128 != NoEvent)
        return Journal::eventText(status.value128, number);
    const quint32 head = old ? status.value130 : status.value120;
    const int count =
        controller ? qMin(controller->deviceInfo().directionCount(), StatusDirections) : 0;
    for (int d = 0; d < count; ++d)
        if (status.channels[d].value16 != quint16(head & 0xFFFF))
            return tr("Waiting");
    return tr("All events have been sent. Waiting for new events");
}

void DirectionsWidget::statusUpdated(const EventSenderStatus &status)
{
    logDebug(this, QStringLiteral("Channel status processing"));
    Overmind *controller = overmind();
    if (!m_settings || !controller)
        return;
    const bool old = controller->isFirmwareOlderThan12();
    const qint64 number = old ? qint64(status.value128) + 1 : qint64(status.value124);
    const qint64 head = old ? qint64(status.value130) : qint64(status.value120);
    const quint8 active = status.value132;
    const int rows = qMin(qMin(controller->deviceInfo().directionCount(), StatusDirections),
                          m_table->rowCount());
    for (int r = 0; r < rows; ++r) {
        bool serving = false;
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem *lamp = cell(m_table, r, c + 1, true);
            const int state = status.channels[r].values[c];
            lamp->setIcon(QIcon(lampPicture(state)));
            if (active == NoDirection)
                continue;
            if (r == active && c == status.value133 && state == 0) {
                lamp->setIcon(QIcon(QStringLiteral("://images/circle_green_all.png")));
                serving = true;
            }
            const int kept = lamp->data(StateRole).toInt();
            if (kept != state) {
                logDebug(this, QStringLiteral("State changed for direction %1, channel %2. Prev "
                                              "state: %3, new state: %4")
                                   .arg(r)
                                   .arg(c)
                                   .arg(kept)
                                   .arg(state));
                lamp->setData(StateRole, state);
            }
        }
        if (QTableWidgetItem *name = m_table->item(r, 0)) {
            QFont font = name->font();
            font.setBold(serving);
            name->setFont(font);
        }
        QTableWidgetItem *event = cell(m_table, r, 4, true);
        if (r == active)
            event->setText(QString::number(quint32(number + 1)));
        else if (status.channels[r].values[0] == 1)
            event->setText(QStringLiteral("---"));
        else if (!(head == number && number != -1))
            event->setText(tr("Waiting"));
    }
    m_leHandledEvent->setText(rows > 0 || m_table->rowCount() > 0 ? deliveryLine(status)
                                                                  : QString());
}

void DirectionsWidget::onLockSettingsChanged()
{
    Overmind *controller = overmind();
    const bool unlocked = !controller || controller->isSettingsUnlocked();
    m_leHandledEvent->setEnabled(unlocked);
    m_pbResetTranslations->setEnabled(unlocked);
    m_form->setEnabled(unlocked);
    m_form->setMessage(unlocked ? QString()
                                : tr("Changing settings is only available when all sections are "
                                     "untaken"));
}

void DirectionsWidget::onResetTranslations()
{
    const auto answer =
        MessageBoxU::question(tr("Do you really want to clear all tranlations?"), tr("Attention"),
                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes && overmind() && overmind()->protocol())
        overmind()->protocol()->resetTranslations();
}
