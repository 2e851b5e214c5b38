#pragma once

#include "app/SettingsBlock.h"

class LedsSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit LedsSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Leds"); }
};
