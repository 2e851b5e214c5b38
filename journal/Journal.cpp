#include "journal/Journal.h"

#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "journal/JournalInfoDialog.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/settings/DeviceSettings.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
constexpr int CrcCovered = 244;
constexpr int UserNameAt = 16;
constexpr int UserNameSize = 96;
constexpr int BodyAt = 112;
constexpr int SourceAt = 239;

quint32 bcd(quint32 word, int shift, quint32 tensMask)
{
    return 10 * ((word >> (shift + 4)) & tensMask) + ((word >> shift) & 0xF);
}
} // namespace

QDate dateFromRtc(quint32 word)
{
    const int year = 2000 + int(bcd(word, 16, 0xF));
    const int month = int(bcd(word, 8, 0x1));
    const int day = int(bcd(word, 0, 0x3));
    return QDate(year, month, day);
}

QTime timeFromRtc(quint32 word)
{
    return QTime(int(bcd(word, 16, 0x3)), int(bcd(word, 8, 0x7)), int(bcd(word, 0, 0x7)), 0);
}

Journal::Journal(Protocol *protocol, QObject *parent) : QAbstractItemModel(parent)
{
    m_protocol = protocol;
    m_rows.reserve(65535);
    m_delivered.resize(65536);
    m_readTimer.setSingleShot(true);
    connect(&m_readTimer, &QTimer::timeout, this, &Journal::onReadTimeout);
    if (m_protocol) {
        connect(m_protocol, &Protocol::journalEntry, this, &Journal::eventLoaded,
                Qt::UniqueConnection);
        connect(m_protocol, &Protocol::journalTail, this, &Journal::journalTail,
                Qt::UniqueConnection);
        connect(m_protocol, &Protocol::journalReadComplete, this, &Journal::journalReadComplete,
                Qt::UniqueConnection);
    }
}

// ---- model shape ----

QModelIndex Journal::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    if (!parent.isValid())
        return createIndex(row, column, TopLevelId);
    if (parent.internalId() == TopLevelId && parent.row() < m_rows.size())
        return createIndex(row, column, quintptr(parent.row()));
    return QModelIndex();
}

QModelIndex Journal::parent(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() == TopLevelId)
        return QModelIndex();
    return createIndex(int(index.internalId()), 0, TopLevelId);
}

int Journal::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_rows.size();
    if (parent.internalId() != TopLevelId || parent.row() >= m_rows.size())
        return 0;
    const auto children = m_children.constFind(eventNumber(m_rows.at(parent.row()).entry));
    return children == m_children.constEnd() ? 0 : children->size();
}

int Journal::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

const Journal::Row *Journal::rowAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    if (index.internalId() == TopLevelId)
        return index.row() < m_rows.size() ? &m_rows.at(index.row()) : nullptr;
    const int parentRow = int(index.internalId());
    if (parentRow >= m_rows.size())
        return nullptr;
    const auto children = m_children.constFind(eventNumber(m_rows.at(parentRow).entry));
    if (children == m_children.constEnd() || index.row() >= children->size())
        return nullptr;
    return &children->at(index.row());
}

QVariant Journal::data(const QModelIndex &index, int role) const
{
    const Row *row = rowAt(index);
    if (!row)
        return QVariant();
    const s_FullJournalEventIsp2 &entry = row->entry;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return QString::number(quint32(eventNumber(entry) + 1));
        case 1:
            return dateText(entry);
        case 2:
            return timeText(entry);
        case 3:
            return sourceText(entry);
        case 4:
            return descriptionText(entry);
        default:
            return QVariant();
        }
    }
    if (role == Qt::ToolTipRole)
        return infoText(entry);
    if (role == Qt::UserRole)
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(eventNumber(entry))
            .arg(dateText(entry), timeText(entry), sourceText(entry), descriptionText(entry));
    return QVariant();
}

QVariant Journal::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
        case 0:
            return tr("Num");
        case 1:
            return tr("Date");
        case 2:
            return tr("Time");
        case 3:
            return tr("Source");
        case 4:
            return tr("Description");
        default:
            break;
        }
    }
    return QAbstractItemModel::headerData(section, orientation, role);
}

// ---- entry fields ----

quint32 Journal::eventNumber(const s_FullJournalEventIsp2 &entry)
{
    return qFromLittleEndian<quint32>(entry.body);
}

quint8 Journal::sourceCode(const s_FullJournalEventIsp2 &entry)
{
    return entry.body[SourceAt];
}

const quint8 *Journal::body(const s_FullJournalEventIsp2 &entry)
{
    return entry.body + BodyAt;
}

QString Journal::fieldText(const quint8 *field, int size)
{
    const auto *end = static_cast<const quint8 *>(std::memchr(field, 0, size_t(size)));
    const int length = end ? int(end - field) : size;
    return QString::fromUtf8(reinterpret_cast<const char *>(field), length);
}

QString Journal::userName(const s_FullJournalEventIsp2 &entry)
{
    return fieldText(entry.body + UserNameAt, UserNameSize);
}

QDateTime Journal::eventDateTime(const s_FullJournalEventIsp2 &entry)
{
    const QDate date = dateFromRtc(qFromLittleEndian<quint32>(entry.body + 12));
    const QTime time = timeFromRtc(qFromLittleEndian<quint32>(entry.body + 8));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    int offset = 0;
    if (Overmind *overmind = Overmind::instance())
        if (DeviceSettings *settings = overmind->deviceSettings())
            offset = settings->tzOffset();
    return QDateTime(date, time, Qt::UTC).toOffsetFromUtc(offset);
}

QString Journal::dateText(const s_FullJournalEventIsp2 &entry)
{
    return eventDateTime(entry).toString(QStringLiteral("dd.MM.yyyy"));
}

QString Journal::timeText(const s_FullJournalEventIsp2 &entry)
{
    return eventDateTime(entry).toString(QStringLiteral("hh:mm:ss"));
}

QString Journal::infoText(const s_FullJournalEventIsp2 &entry)
{
    return sourceText(entry) + QLatin1Char('\n') + tr("Data ") + dateText(entry) +
           QLatin1Char(' ') + timeText(entry) + QLatin1Char('\n') +
           QStringLiteral("____________________________\n\n") + descriptionText(entry);
}

QString Journal::eventInfoText(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    return infoText(m_rows.at(row).entry);
}

namespace {
void runInfoDialog(const QString &text)
{
    JournalInfoDialog dialog(text);
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("dialog");
        request.title = dialog.windowTitle();
        request.text = text;
        ModalAnswerer::answer(request);
        return;
    }
    if (Overmind *overmind = Overmind::instance())
        overmind->registerDialog(&dialog);
    dialog.exec();
}
} // namespace

void Journal::showEventInfo(int row)
{
    const QString text = eventInfoText(row);
    if (!text.isEmpty())
        runInfoDialog(text);
}

void Journal::showEventInfo(const QModelIndex &index)
{
    if (const Row *row = rowAt(index))
        runInfoDialog(infoText(row->entry));
}

QString Journal::eventText(EventIdx idx, int number)
{
    Overmind *overmind = Overmind::instance();
    const Journal *journal = overmind ? overmind->journal() : nullptr;
    if (!journal)
        return QString();
    for (const Row &row : journal->m_rows) {
        if (row.idx != idx)
            continue;
        return QStringLiteral("№%1 [%2 %3]   %4   %5")
            .arg(number + 1)
            .arg(dateText(row.entry), timeText(row.entry), sourceText(row.entry),
                 descriptionText(row.entry));
    }
    return QString();
}

// ---- reading ----

void Journal::readAllJournal()
{
    m_ringSize = FullRingSize;
    clearList();
}

void Journal::journalTail(EventIdx tail)
{
    m_lastIndex = EventIdx(tail - 1);
    logDebug(this, QStringLiteral("Journal tail received"));
    m_tail = tail;
    m_delivered.fill(false);
    if (tail != 0)
        m_cursor = quint32(tail) - 1;
    m_stallRetries = 0;
    if (!m_reading) {
        m_reading = true;
        emit loadingStarted();
    }
    m_readTimer.start(m_stallTimeoutMs);
    if (m_protocol)
        m_protocol->readJournalFromIndex(tail);
}

void Journal::load()
{
    if (!m_readTimer.isActive())
        m_readTimer.start(LoadWaitMs);
    m_reading = true;
    emit loadingStarted();
}

void Journal::journalReadComplete(EventIdx)
{
    logDebug(this, QStringLiteral("Journal read complete"));
    finishReading();
}

void Journal::eventLoaded(EventIdx idx, const s_FullJournalEventIsp2 &entry)
{
    // A cell asked for again after a stall may come twice: it counts and shows once.
    if (m_delivered.testBit(idx)) {
        logError(this, QStringLiteral("The message is duplicated id = %1").arg(idx));
        return;
    }
    m_delivered.setBit(idx);
    const quint32 crc = crc32Stm(entry.body, CrcCovered);
    if (crc == entry.crc32) {
        logDebug(this, QStringLiteral("Journal event loaded.  idx=%1  EventId=%2")
                           .arg(idx)
                           .arg(eventNumber(entry)));
        if (sourceCode(entry) == SourceReport)
            insertChild(idx, entry);
        else
            insertTopLevel(idx, entry);
    } else {
        logDebug(this, QStringLiteral("Journal event CRC wrong: idx=%1").arg(idx));
    }

    m_cursor = (m_cursor == 0 ? m_ringSize : m_cursor) - 1;
    const quint32 n = m_cursor < m_tail ? m_tail - m_cursor : m_tail - m_cursor + m_ringSize;
    const int percent = int(double(n) / double(m_ringSize) * 100.0);
    emit loadingProgress(percent);
    if (m_reading) {
        m_stallRetries = 0;
        m_readTimer.start(m_stallTimeoutMs);
    }
    if (percent == 100) {
        logDebug(this, QStringLiteral("Journal read 100%"));
        finishReading();
    }
}

void Journal::insertTopLevel(EventIdx idx, const s_FullJournalEventIsp2 &entry)
{
    if (m_rows.isEmpty() && idx != 0 && !m_reading) {
        if (!m_readTimer.isActive())
            m_readTimer.start(LoadWaitMs);
        m_reading = true;
        emit loadingStarted();
    }
    if (!m_rows.isEmpty()) {
        if (m_rows.constLast().idx == idx) {
            logError(this, QStringLiteral("The message is duplicated id = %1").arg(idx));
            return;
        }
        if (idx > m_lastIndex) {
            for (const Row &row : qAsConst(m_rows)) {
                if (row.idx == idx) {
                    logError(this,
                             QStringLiteral("The new message is duplicated id = %1").arg(idx));
                    return;
                }
            }
        }
    }
    const quint32 number = eventNumber(entry);
    // Rows run from the largest number down; an equal number goes in front of its peers.
    const auto at =
        std::lower_bound(m_rows.begin(), m_rows.end(), number, [](const Row &row, quint32 value) {
            return eventNumber(row.entry) > value;
        });
    const int position = int(at - m_rows.begin());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, Row{idx, entry});
    endInsertRows();
    emit dataChanged(index(position, 0), index(position, ColumnCount - 1));
    logFailedLogin(entry);
}

void Journal::insertChild(EventIdx idx, const s_FullJournalEventIsp2 &entry)
{
    const quint32 parentNumber = qFromLittleEndian<quint32>(body(entry));
    QVector<Row> &children = m_children[parentNumber];
    if (!children.isEmpty()) {
        if (children.constLast().idx == idx) {
            logError(this, QStringLiteral("The message is duplicated id = %1").arg(idx));
            return;
        }
        if (idx > m_lastIndex) {
            for (const Row &row : qAsConst(children)) {
                if (row.idx == idx) {
                    logError(this,
                             QStringLiteral("The new message is duplicated id = %1").arg(idx));
                    return;
                }
            }
        }
    }
    const int childRow = children.size();
    int parentRow = -1;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (eventNumber(m_rows.at(row).entry) == parentNumber) {
            parentRow = row;
            break;
        }
    }
    if (parentRow < 0) {
        children.append(Row{idx, entry});
        return;
    }
    beginInsertRows(index(parentRow, 0), childRow, childRow);
    children.append(Row{idx, entry});
    endInsertRows();
}

// The warning goes to the log once, when the entry arrives, not at every repaint.
void Journal::logFailedLogin(const s_FullJournalEventIsp2 &entry)
{
    constexpr quint8 SourceAuth = 10;
    constexpr quint8 LoginFailed = 4;
    if (sourceCode(entry) == SourceAuth && body(entry)[0] == LoginFailed)
        logWarning(this, describeAuthEvent(entry));
}

void Journal::finishReading()
{
    m_readTimer.stop();
    if (!m_reading)
        return;
    m_reading = false;
    emit loadingFinished();
}

void Journal::onReadTimeout()
{
    if (!m_reading)
        return;
    if (m_stallRetries < StallRetries && m_protocol) {
        ++m_stallRetries;
        const EventIdx from = EventIdx((m_cursor + 1) % m_ringSize);
        logWarning(this, QStringLiteral("Journal read stalled, asking again from idx=%1 (%2 of %3)")
                             .arg(from)
                             .arg(m_stallRetries)
                             .arg(StallRetries));
        m_readTimer.start(m_stallTimeoutMs);
        m_protocol->readJournalFromIndex(from == 0 ? EventIdx(m_ringSize) : from);
        return;
    }
    abortReading(tr("The device stopped sending the journal; the journal read was not completed. "
                    "Please read it again."));
}

void Journal::abortReading(const QString &message)
{
    if (!m_reading)
        return;
    logError(this, message);
    emit loadingFailed(message);
    finishReading();
}

void Journal::clearList()
{
    m_delivered.fill(false);
    if (!m_rows.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, m_rows.size() - 1);
        m_rows.clear();
        m_children.clear();
        endRemoveRows();
    } else {
        m_children.clear();
    }
}

void Journal::clear()
{
    if (m_protocol)
        m_protocol->clearJournal();
    clearList();
}
