#pragma once

#include "app/SettingsBlock.h"

class WirelessSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit WirelessSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Wireless"); }
    // The period within which a radio device must report, bytes 36-37 of the block.
    quint16 connectionInterval() const
    {
        return quint16(quint8(record().at(36)) | quint8(record().at(37)) << 8);
    }
signals:
    void takeDelayUpdated(quint16 value);
};
