#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The protected object as a whole: name, number, the arming and alarm delays and the
// rules on arming partitions with lost, alarmed or faulty devices.
class ObjectSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit ObjectSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Object"); }

    QString name() const;
    // Returns 0 when the name does not fit the field (nothing changes), else bytes left + 1.
    int setName(const QString &text);
    quint32 number() const;
    void setNumber(quint32 number);
    quint16 takeDelay() const;
    void setTakeDelay(quint16 seconds);
    quint16 alarmDelay() const;
    void setAlarmDelay(quint16 seconds);
    quint16 autoTakeDelay() const;
    void setAutoTakeDelay(quint16 seconds);
    bool alarmOnLostSensor() const;
    void setAlarmOnLostSensor(bool on);
    bool takeWithLostSensors() const;
    void setTakeWithLostSensors(bool on);
    bool takeWithAlarmSensors() const;
    void setTakeWithAlarmSensors(bool on);
    bool takeWithFailedSensors() const;
    void setTakeWithFailedSensors(bool on);
    bool forceTakeWithAlarmSensors() const;
    void setForceTakeWithAlarmSensors(bool on);
    // The page offers no take delay below this (seconds).
    void setMinimumTakeDelay(int seconds);

    const s_ExtMemDataObject &data() const { return m_data; }

signals:
    void settingsUpdated();
    void updateMinimumTakeDelay(int seconds);
    void updateTakeDelay(int seconds);

public slots:
    void objectDataReceived(const s_ExtMemDataObject &block);
    void resetToDefaults();
    void resetToDefault() { resetToDefaults(); }

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }
    bool flag(int bitNumber) const;
    void setFlag(int bitNumber, bool on);

    s_ExtMemDataObject m_data;
};
