#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The internal beeper: on or off, the two volumes, the alarm sound time and the events it
// sounds for.
class BeeperSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit BeeperSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Beeper"); }

    quint32 enabledEvents() const;
    void setEnabledEvents(quint32 mask);
    quint16 beepEventVolume() const;
    void setBeepEventVolume(quint16 volume);
    quint16 beepAlarmVolume() const;
    void setBeepAlarmVolume(quint16 volume);
    quint16 alarmEventTimeSec() const;
    void setAlarmEventTimeSec(quint16 seconds);
    bool enableIntBeeper() const;
    void setEnableIntBeeper(bool on);
    void resetToDefault();

    const s_ExtMemDataBeeper &data() const { return m_data; }

signals:
    void settingsUpdated();
    void readSettings();

public slots:
    void settings(const s_ExtMemDataBeeper &block);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }

    s_ExtMemDataBeeper m_data;
};
