#pragma once

#include "app/SettingsBlock.h"

class BeeperSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit BeeperSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Beeper"); }
};
