#pragma once

#include "link/Records.h"

#include <QAbstractItemModel>
#include <QBitArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QTime>
#include <QTimer>
#include <QVector>

class Protocol;

// Position of an entry in the device's journal ring.
using EventIdx = quint16;

QDate dateFromRtc(quint32 word);
QTime timeFromRtc(quint32 word);

// The communicator's event journal: top-level events newest first, the transmission
// reports of an event as its child rows.
class Journal : public QAbstractItemModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 5;
    static constexpr quint32 TopLevelId = 0xFFFFFFFF;
    static constexpr quint32 FullRingSize = 0x4000;
    static constexpr int TailWaitMs = 2000;
    static constexpr int LoadWaitMs = 6000;
    // Times the read asks again from its cursor before it gives up on a silent device.
    static constexpr int StallRetries = 3;
    static constexpr quint8 SourceReport = 12;

    struct Row
    {
        EventIdx idx = 0;
        s_FullJournalEventIsp2 entry{};
    };

    explicit Journal(Protocol *protocol = nullptr, QObject *parent = nullptr);

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The read timer's pace; tests shorten it.
    void setStallTimeoutMs(int milliseconds) { m_stallTimeoutMs = milliseconds; }
    bool isReading() const { return m_reading; }
    quint32 ringSize() const { return m_ringSize; }
    quint32 tail() const { return m_tail; }
    quint32 cursor() const { return m_cursor; }

    // The entry a model index addresses, child rows included; null when there is none.
    const Row *rowAt(const QModelIndex &index) const;

    static quint32 eventNumber(const s_FullJournalEventIsp2 &entry);
    static quint8 sourceCode(const s_FullJournalEventIsp2 &entry);
    static const quint8 *body(const s_FullJournalEventIsp2 &entry);
    static QString userName(const s_FullJournalEventIsp2 &entry);
    // A NUL-terminated UTF-8 text that never reads past its field.
    static QString fieldText(const quint8 *field, int size);

    static QDateTime eventDateTime(const s_FullJournalEventIsp2 &entry);
    static QString dateText(const s_FullJournalEventIsp2 &entry);
    static QString timeText(const s_FullJournalEventIsp2 &entry);
    static QString sourceText(const s_FullJournalEventIsp2 &entry);
    static QString descriptionText(const s_FullJournalEventIsp2 &entry);
    static QString infoText(const s_FullJournalEventIsp2 &entry);
    QString eventInfoText(int row) const;
    void showEventInfo(int row);
    // Opens the text of the entry under a model index, a transmission report included.
    void showEventInfo(const QModelIndex &index);
    static QString eventText(EventIdx idx, int number);

    // Lookups shared by the description routines.
    static QString partitionMaskText(quint32 mask);
    static QString deviceNameText(quint8 id);
    static QString deviceNameBySerial(quint32 serial);
    static QString userText(quint8 id);
    static QString systemEventText(quint8 code);
    static QString firmwareEventText(const quint8 *payload);
    static QString describeBootCode(const quint8 *payload);
    static QString describeUserChange(quint8 code, const quint8 *payload, const QString &actor);

    static QString describeSensorEvent(const s_FullJournalEventIsp2 &entry);
    static QString describePartitionEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeKeyEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeHalvorKeyEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeOutputEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeSystemEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeGsmEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeBootEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeAuthEvent(const s_FullJournalEventIsp2 &entry);
    static QString describeFirmwareChange(const s_FullJournalEventIsp2 &entry);
    static QString describeSendReport(const s_FullJournalEventIsp2 &entry);
    static QString describeSmsCommand(const s_FullJournalEventIsp2 &entry);
    static QString describeTimeSync(const s_FullJournalEventIsp2 &entry);
    static QString describeDirectionTest(const s_FullJournalEventIsp2 &entry);
    static QString describeSenderStatus(const s_FullJournalEventIsp2 &entry);

signals:
    // A journal read runs between these two; the update page waits meanwhile.
    void loadingStarted();
    void loadingFinished();
    void loadingProgress(int percent);
    // The read ended without the whole journal; shown to the user.
    void loadingFailed(const QString &message);

public slots:
    void eventLoaded(EventIdx idx, const s_FullJournalEventIsp2 &entry);
    void journalTail(EventIdx tail);
    void load();
    void journalReadComplete(EventIdx last);
    void clear();
    void clearList();
    void readAllJournal();
    // Ends a running read, as when the device goes away in the middle of it.
    void abortReading(const QString &message);

private:
    void insertTopLevel(EventIdx idx, const s_FullJournalEventIsp2 &entry);
    void insertChild(EventIdx idx, const s_FullJournalEventIsp2 &entry);
    void finishReading();
    void onReadTimeout();
    void logFailedLogin(const s_FullJournalEventIsp2 &entry);

    Protocol *m_protocol = nullptr;
    QVector<Row> m_rows;
    QMap<quint32, QVector<Row>> m_children;
    quint32 m_ringSize = 255;
    quint32 m_tail = 0;
    quint32 m_cursor = 0;
    EventIdx m_lastIndex = 0xFFFF;
    QTimer m_readTimer;
    // Ring cells delivered since the tail arrived.
    QBitArray m_delivered;
    bool m_reading = false;
    int m_stallTimeoutMs = TailWaitMs;
    int m_stallRetries = 0;
};
