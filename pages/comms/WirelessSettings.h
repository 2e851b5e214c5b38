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
};
