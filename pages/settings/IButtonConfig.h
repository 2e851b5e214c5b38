#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The LEDs of the iButton reader: their mode, the inversion and the partitions shown.
class IButtonConfig : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit IButtonConfig(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("iButtonConfig"); }

    quint8 ledMode() const;
    void setLedMode(quint8 mode);
    bool ledInversion() const;
    void setLedInversion(bool on);
    // Bit i stands for partition i + 1 (the stored mask without its bit 0).
    quint32 indicationPartitions() const;
    void setIndicationPartitions(quint32 mask);

    const s_ExtMemDataIButtonConfig &data() const { return m_data; }

signals:
    void settingsUpdated();

public slots:
    void settings(const s_ExtMemDataIButtonConfig &block);
    void resetToDefault();

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }

    s_ExtMemDataIButtonConfig m_data;
};
