#pragma once

#include "app/SettingsBlock.h"

class OutputGroupsSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit OutputGroupsSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("OutputGroups"); }
};
