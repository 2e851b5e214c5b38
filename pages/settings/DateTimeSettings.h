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

signals:
    void settingsUpdated();

private:
    quint8 *m_deviceRecord = nullptr;
};
