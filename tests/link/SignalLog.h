#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>

// Records every signal of one object, in the order they were emitted, with their
// arguments; device records are kept as their bytes.
class SignalLog : public QObject
{
public:
    struct Entry
    {
        QByteArray name;
        QVariantList args;
    };

    explicit SignalLog(QObject *source);

    QList<Entry> entries;

    // "name(arg, arg)" per signal; records show as "rec".
    QStringList summary() const;
    // The bytes of the first argument of the first signal that is a device record.
    QByteArray firstRecord() const;
    void clear() { entries.clear(); }

    int qt_metacall(QMetaObject::Call call, int id, void **arguments) override;

    static bool isRecord(int typeId);
    static QByteArray bytesOf(const QVariant &value);

private:
    QObject *m_source;
    QList<int> m_signalIndices;
};
