#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>

// Block writes whose echo has not come back yet. The device answers each block write, in
// order, with the block it stored. While a newer write of the same block is on its way,
// the echo of an older one carries values the user has changed since: shown, it would put
// them back for a moment, and an edit made in that moment would be written over the old
// values.
class WriteEchoes
{
public:
    // A block write sent; other operations are ignored.
    void written(quint8 writeOperation, quint16 id, const QByteArray &payload);
    // The device refused a write: no echo follows it.
    void refused(quint8 writeOperation, quint16 id);
    // True for the echo of a write a newer write of the same block supersedes; every
    // answer of a block with writes on their way counts as the echo of the oldest.
    bool isSuperseded(quint8 readOperation, quint16 id, const QByteArray &payload);
    // A full read: what arrives now is the device's own.
    void clear() { m_awaiting.clear(); }

    // The read answer that echoes a block write, 0 for other operations.
    static quint8 echoOperation(quint8 writeOperation);

private:
    using Key = QPair<quint8, quint16>;
    // A device that stopped echoing must not make the lists grow without end.
    static constexpr int MaxAwaiting = 8;
    QHash<Key, QList<QByteArray>> m_awaiting;
};
