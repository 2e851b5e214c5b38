#pragma once

#include "app/SettingsBlock.h"

#include <QtEndian>

class DeviceSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit DeviceSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Device"); }
    // The 256-byte device record; the date and time page edits its time fields.
    quint8 *data() { return reinterpret_cast<quint8 *>(record().data()); }
    // Device times are stored as UTC and shown at this offset (seconds).
    int tzOffset() const
    {
        const QByteArray &bytes = record();
        if (bytes.size() < 36)
            return 0;
        return qFromLittleEndian<qint32>(bytes.constData() + 32);
    }
};
