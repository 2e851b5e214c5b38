#pragma once

#include "app/SettingsBlock.h"

class EthernetSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit EthernetSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 1024, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Ethernet"); }
signals:
    void macAddressUpdated(QString text);
};
