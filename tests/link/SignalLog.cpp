#include "SignalLog.h"

#include <QMetaMethod>

SignalLog::SignalLog(QObject *source) : m_source(source)
{
    const QMetaObject *meta = source->metaObject();
    const int base = QObject::staticMetaObject.methodCount();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() != QMetaMethod::Signal)
            continue;
        QMetaObject::connect(source, i, this, base + m_signalIndices.size(), Qt::DirectConnection);
        m_signalIndices.append(i);
    }
}

int SignalLog::qt_metacall(QMetaObject::Call call, int id, void **arguments)
{
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < m_signalIndices.size()) {
        const QMetaMethod method = m_source->metaObject()->method(m_signalIndices.at(id));
        Entry entry;
        entry.name = method.name();
        for (int j = 0; j < method.parameterCount(); ++j)
            entry.args.append(QVariant(method.parameterType(j), arguments[j + 1]));
        entries.append(entry);
    }
    return -1;
}

bool SignalLog::isRecord(int typeId)
{
    return typeId >= QMetaType::User && QMetaType::sizeOf(typeId) > 1;
}

QByteArray SignalLog::bytesOf(const QVariant &value)
{
    return QByteArray(static_cast<const char *>(value.constData()),
                      QMetaType::sizeOf(value.userType()));
}

QStringList SignalLog::summary() const
{
    QStringList lines;
    for (const Entry &entry : entries) {
        QStringList args;
        for (const QVariant &arg : entry.args) {
            const int type = arg.userType();
            if (isRecord(type))
                args << QStringLiteral("rec");
            else if (type == QMetaType::QString)
                args << QLatin1Char('"') + arg.toString() + QLatin1Char('"');
            else if (type == QMetaType::Bool)
                args << arg.toString();
            else if (type >= QMetaType::User) // one-byte enumerations
                args << QString::number(quint8(bytesOf(arg).at(0)));
            else
                args << QString::number(arg.toLongLong());
        }
        lines << QString::fromLatin1(entry.name) + QLatin1Char('(') + args.join(QLatin1Char(',')) +
                     QLatin1Char(')');
    }
    return lines;
}

QByteArray SignalLog::firstRecord() const
{
    for (const Entry &entry : entries)
        for (const QVariant &arg : entry.args)
            if (isRecord(arg.userType()))
                return bytesOf(arg);
    return QByteArray();
}
