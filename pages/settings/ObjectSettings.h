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
    // Only the low 16 bits of the delay count.
    void setMinimumTakeDelay(int delay) { emit updateMinimumTakeDelay(delay & 0xFFFF); }

signals:
    void updateMinimumTakeDelay(int seconds);
    void updateTakeDelay(int seconds);

public slots:
    void resetToDefault() {}
};
