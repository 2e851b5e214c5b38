#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class SimCommunicator;

// The iButton keys of the simulated installation and the device's key commands: a write
// (0x71) is stored and echoed as 0x27 (built in), a deletion (0x96) forgets the key and is
// acknowledged with 0x96, 0xB5 switches the reader; while it is on, a presented key takes
// the first free slot and arrives as 0x27.
class SimKeys : public QObject
{
    Q_OBJECT
public:
    struct Key
    {
        int slot;
        QString idHex;
        quint32 partitions;
        quint16 law;
        quint8 owner; // 0xFF: none
    };

    static constexpr quint8 ReadOperation = 0x27;
    static constexpr quint8 WriteOperation = 0x71;
    static constexpr quint8 DeleteOperation = 0x96;
    static constexpr quint8 ReaderOperation = 0xB5;
    static constexpr int Slots = 64;

    static const QList<Key> &keys();
    // A sealed 256-byte block of the key; the reserved bytes hold what a device leaves there.
    static QByteArray record(const Key &key);
    static SimKeys *install(SimCommunicator &device);
    static SimKeys *of(SimCommunicator &device);

    bool readerOn() const { return m_readerOn; }
    // A key touched to the reader: stored in the first free slot and sent when the reader is
    // on. Returns the slot, or -1 when the reader is off or the table is full.
    int present(const QString &idHex);
    // A key presented this long after the reader is switched on (0: never).
    void setPresentAfter(int milliseconds) { m_presentAfterMs = milliseconds; }
    // Deletions are acknowledged unless switched off.
    void setAcknowledgeDeletes(bool on) { m_acknowledgeDeletes = on; }
    // Sends the key's block with a CRC that does not match.
    void sendBroken(int slot);

private:
    explicit SimKeys(SimCommunicator &device);
    void onCommand(const QByteArray &command);

    SimCommunicator &m_device;
    bool m_readerOn = false;
    bool m_acknowledgeDeletes = true;
    int m_presentAfterMs = 0;
    int m_presented = 0;
    QTimer m_presentTimer;
};
