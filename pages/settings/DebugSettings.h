#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The debug block (the test-server switch) and the communicator's MAC address as text.
class DebugSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit DebugSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Debug"); }

    bool testServer() const;
    void setTestServer(bool on);
    QString macAddress() const { return m_macAddress; }
    void resetToDefault();

    const s_ExtMemDataDebug &data() const { return m_data; }

signals:
    void settingsUpdated();
    void writeMacAddress(const QString &mac);

public slots:
    void settings(const s_ExtMemDataDebug &block);
    void setMacAddress(const QString &mac);
    void setMacAddressText(const QString &mac) { setMacAddress(mac); }

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }

    s_ExtMemDataDebug m_data;
    QString m_macAddress;
};
