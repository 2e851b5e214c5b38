#include "app/SettingsBlock.h"

#include "app/Logger.h"

SettingsBlock::SettingsBlock(Protocol *protocol, int size, QObject *parent)
    : QObject(parent), Storable(protocol), m_record(size, '\0')
{
}

quint16 SettingsBlock::versionBytes() const
{
    const int at = m_record.size() - 6;
    return quint16(quint8(m_record[at]) | (quint8(m_record[at + 1]) << 8));
}

void SettingsBlock::writeToDevice()
{
    const int at = m_record.size() - 6;
    m_record[at] = 1;
    m_record[at + 1] = 1;
    logTrace(this, QStringLiteral("Sending settings to device"));
}

QJsonValue SettingsBlock::toJson() const
{
    return QJsonObject{{QStringLiteral("settingsVersion"), settingsVersionToJson(versionBytes())}};
}

bool SettingsBlock::fromJson(const QJsonValue &value, int /*formatVersion*/)
{
    return value.isObject();
}

void SettingsBlock::setRecord(const QByteArray &block)
{
    if (block.size() != m_record.size())
        return;
    m_record = block;
    logTrace(this, QStringLiteral("Settings updated"));
    emit settingsUpdated();
}
