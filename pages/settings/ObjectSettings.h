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
    // The object page offers no arming delay below this (seconds, low 16 bits).
    void setMinimumTakeDelay(int delay) { emit updateMinimumTakeDelay(delay & 0xFFFF); }

signals:
    void updateMinimumTakeDelay(int delay);
    void updateTakeDelay(int delay);

public slots:
    void resetToDefault() {}
};
