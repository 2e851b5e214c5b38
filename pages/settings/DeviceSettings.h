#pragma once

#include "app/SettingsBlock.h"

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
};
