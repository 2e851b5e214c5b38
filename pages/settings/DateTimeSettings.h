#pragma once

#include "app/Storable.h"

#include <QDateTime>
#include <QObject>

// The device clock; it writes the clock words, not a settings block.
class DateTimeSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit DateTimeSettings(Protocol *protocol, QObject *parent = nullptr)
        : QObject(parent), Storable(protocol)
    {
    }
    QString jsonKey() const override { return QStringLiteral("DateTime"); }
    void writeToDevice() override {}
    QJsonValue toJson() const override
    {
        return QJsonObject{{QStringLiteral("settingsVersion"), settingsVersionToJson(0x0101)}};
    }
    bool fromJson(const QJsonValue &value, int) override { return value.isObject(); }

    void setDeviceData(quint8 *deviceRecord) { m_deviceRecord = deviceRecord; }
    quint8 *deviceData() const { return m_deviceRecord; }

    // The device clock in its two calendar words (BCD, UTC).
    void updateDateTime(quint32 dateWord, quint32 timeWord);
    bool holdsWords(quint32 dateWord, quint32 timeWord) const
    {
        return dateWord == m_dateWord && timeWord == m_timeWord;
    }
    QDateTime dateTime() const { return m_dateTime; }
    static QDateTime decode(quint32 dateWord, quint32 timeWord);

signals:
    void settingsUpdated();
    void dateTimeUpdated();

private:
    quint8 *m_deviceRecord = nullptr;
    quint32 m_dateWord = 0;
    quint32 m_timeWord = 0;
    QDateTime m_dateTime;
};
