#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QVector>

class SimCommunicator;

// The event journal of the simulated communicator: a ring of 16384 cells holding a large
// realistic journal (every event source, transmission reports after their events, a few
// entries with a broken seal, never-written cells). It answers the tail (0x35), the read
// from an index (0x36: the ring from that index down, then 0x37), single cells (0x32) and
// the erase (0xAA). A read can be made to stall.
class SimJournal : public QObject
{
    Q_OBJECT
public:
    static constexpr int RingSize = 0x4000;
    static constexpr quint16 ErrEmptyCell = 0x4F;

    struct Cell
    {
        QByteArray entry; // empty: never written
    };

    static SimJournal *install(SimCommunicator &device);
    static SimJournal *of(SimCommunicator &device);

    // A 256-byte entry sealed with its CRC.
    static QByteArray entry(quint32 number, quint8 source, const QByteArray &body,
                            const QDateTime &utc, const QByteArray &user = QByteArray());
    static quint32 dateWord(const QDate &date);
    static quint32 timeWord(const QTime &time);

    // Fills the ring with `events` entries (reports included) from cell 0 up.
    void fill(int events);
    void setCell(int index, const QByteArray &entry);
    const QVector<Cell> &cells() const { return m_cells; }
    quint16 tail() const { return m_tail; }
    void setTail(quint16 tail) { m_tail = tail; }
    // Sealed entries in the ring, reports included, and the reports alone.
    int sealedCount() const;
    int reportCount() const;

    // A sealed 64-byte debug journal entry.
    static QByteArray debugEntry(quint16 number, quint16 fault, quint8 type, quint8 count,
                                 const QByteArray &payload, const QDateTime &utc);
    // The debug journal (answers of 0x04 from entry 0; erased by 0xAB).
    const QList<QByteArray> &debugEntries() const { return m_debug; }
    void setDebugEntries(const QList<QByteArray> &entries) { m_debug = entries; }

    // The realtime parameters the device reports on its own: titles (0x3B), display types
    // (0x3C) and values (0x3A), as messages.
    static QList<QByteArray> realtimeTitles();
    static QByteArray realtimeTypes();
    static QByteArray realtimeValues(int tick);
    // Pushes the titles and types once, then the values every `intervalMs`.
    void startRealtime(int intervalMs);

    // Supply status of execution 0 (0x0E) and device status (0x0F) as the device pushes them.
    static QByteArray supplyStatus(int tick);
    static QByteArray deviceStatus(int tick);
    // Every `intervalMs`: realtime values, supply and device status; titles and types now
    // and then, so a program that logs in later gets them too.
    void startDiagnostics(int intervalMs);

    // Cells sent per millisecond tick of a read.
    void setPace(int cellsPerTick) { m_pace = qMax(1, cellsPerTick); }
    // The next read sends this many cells and then falls silent; for good when `permanently`,
    // until resume().
    void stallAfter(int cells, bool permanently = false)
    {
        m_stallAfter = cells;
        m_stallForever = permanently;
    }
    void resume()
    {
        m_stallAfter = -1;
        m_stallForever = false;
        m_silent = false;
    }
    bool isReading() const { return m_timer.isActive(); }
    int reads() const { return m_reads; }

private:
    explicit SimJournal(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    void startRead(quint16 from);
    void sendSome();
    void sendCell(int index);
    void fillDebug();
    void sendDebug();

    SimCommunicator &m_device;
    QVector<Cell> m_cells;
    quint16 m_tail = 0;
    QTimer m_timer;
    int m_next = 0;
    int m_left = 0;
    int m_pace = 48;
    int m_stallAfter = -1;
    bool m_stallForever = false;
    bool m_silent = false;
    int m_reads = 0;
    QList<QByteArray> m_debug;
    QTimer m_realtime;
    int m_realtimeTick = 0;
};
