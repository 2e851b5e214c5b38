#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QDateTime>
#include <QObject>

// The device clock (BCD calendar words, UTC) and, in the file, the clock settings that live
// in the device block.
class DateTimeSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit DateTimeSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("DateTime"); }

    void setDeviceData(s_ExtMemDataDevice *record) { m_device = record; }
    s_ExtMemDataDevice *deviceData() const { return m_device; }

    QDateTime dateTime() const { return m_dateTime; }
    void setDateTime(const QDateTime &dateTime) { m_dateTime = dateTime.toUTC(); }
    bool holdsWords(quint32 dateWord, quint32 timeWord) const
    {
        return dateWord == m_dateWord && timeWord == m_timeWord;
    }
    void resetToDefault();

    // The calendar words; the weekday bits are ignored on reading.
    static QDateTime decode(quint32 dateWord, quint32 timeWord);
    static quint32 encodeDate(const QDate &date);
    static quint32 encodeTime(const QTime &time);

signals:
    void dateTimeUpdated();
    void updateNtpServer(const QString &server);
    void readDateTime();

public slots:
    void updateDateTime(quint32 dateWord, quint32 timeWord);

private:
    quint8 *device() const { return reinterpret_cast<quint8 *>(m_device); }

    s_ExtMemDataDevice *m_device = nullptr; // held by the device settings
    quint32 m_dateWord = 0;
    quint32 m_timeWord = 0;
    QDateTime m_dateTime;
};
