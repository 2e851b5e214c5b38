#pragma once

#include "app/SettingsBlock.h"

class GSMSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit GSMSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 1024, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("GSM"); }
};
