#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>

// A write the device refused: its error answer and what the user knows it as.
struct WriteRefusal
{
    quint8 operation = 0;
    quint16 code = 0;
    quint16 id = 0;
    QString deviceText;
    QString subject;
    // The object that sent the write still waited for it and was told.
    bool senderTold = false;
};

// The writes whose refusal goes back to the object that sent them, by operation and
// identifier. Nothing waits for an answer: a later write of the same block takes the
// entry over, and a sender that is gone is no longer told.
class PendingWrites
{
    Q_DECLARE_TR_FUNCTIONS(PendingWrites)
public:
    using Handler = std::function<void(const WriteRefusal &)>;
    struct Sender
    {
        QPointer<QObject> object;
        QString name; // the page's or the record's name, empty for a whole block
        Handler onRefused;
    };

    // Writes and deletions the device may answer with a refusal.
    static bool isRefusable(quint8 operation);
    // What the operation changes, as the user knows it.
    static QString describe(quint8 operation);

    void add(quint8 operation, quint16 id, const Sender &sender);
    // The sender of the refused write, taken out; an empty one when none waits.
    Sender take(quint8 operation, quint16 id);
    int size() const { return m_pending.size(); }

private:
    QHash<QPair<quint8, quint16>, Sender> m_pending;
};
