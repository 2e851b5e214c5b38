#pragma once

#include "app/SettingsBlock.h"

class DebugSettings : public SettingsBlock
{
    Q_OBJECT
public:
    explicit DebugSettings(Protocol *protocol, QObject *parent = nullptr)
        : SettingsBlock(protocol, 256, parent)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Debug"); }
public slots:
    void setMacAddressText(const QString &text) { m_macAddressText = text; }

private:
    QString m_macAddressText;
};
