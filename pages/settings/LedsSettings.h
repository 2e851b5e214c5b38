#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The communicator's light indication: the master switch, the functions of the four
// front-panel indicators and the global LED modes of the radio detectors.
class LedsSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit LedsSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Leds"); }

    bool ledsEnabled() const;
    void setLedsEnabled(bool on);
    // Indicators 1..4.
    quint8 ledFunction(int led) const;
    void setLedFunction(int led, quint8 code);
    quint8 globalAlarmSensorsLedMode() const;
    void setGlobalAlarmSensorsLedMode(quint8 mode);
    quint8 globalFireSensorsLedMode() const;
    void setGlobalFireSensorsLedMode(quint8 mode);
    quint8 globalTechnologySensorsLedMode() const;
    void setGlobalTechnologySensorsLedMode(quint8 mode);
    void resetToDefaults();

    const s_ExtMemDataLeds &data() const { return m_data; }

signals:
    void settingsUpdated();

public slots:
    void settings(const s_ExtMemDataLeds &block);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }

    s_ExtMemDataLeds m_data;
};
