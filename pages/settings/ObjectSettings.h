#pragma once

#include "app/SettingsBlock.h"

class ObjectSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit ObjectSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Object"); }
};
