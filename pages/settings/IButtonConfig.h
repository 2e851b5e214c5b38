#pragma once

#include "app/SettingsBlock.h"

class IButtonConfig : public SettingsBlock
{
    Q_OBJECT
public:
    explicit IButtonConfig(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("iButtonConfig"); }
};
