#pragma once

#include "app/Storable.h"

#include <QByteArray>
#include <QObject>

// A settings object holding one fixed-size settings block of the device. The block ends
// with the two version bytes and the CRC-32 of everything before it.
class SettingsBlock : public QObject, public Storable
{
    Q_OBJECT
public:
    SettingsBlock(Protocol *protocol, int size, QObject *parent = nullptr);

    QByteArray &record() { return m_record; }
    const QByteArray &record() const { return m_record; }
    quint16 versionBytes() const;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;

    // Takes a block as the device sent it.
    void setRecord(const QByteArray &block);

signals:
    void settingsUpdated();

private:
    QByteArray m_record;
};
