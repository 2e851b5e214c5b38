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
    // Least form until the Ethernet page exists: hands the text on unchanged.
    void setMacAddress(const QString &text) { emit macAddressUpdated(text); }
signals:
    void macAddressUpdated(QString text);
};
