#pragma once

#include "app/BaseSettingsWidget.h"
#include "radio/OutputRecords.h"

class OutputSettingsWidgetCO;
class OutputSettingsWidgetControlled;
class OutputSettingsWidgetEvents;
class OutputSettingsWidgetHumidity;
class OutputSettingsWidgetTemperature;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

// Editor of the mode block of one controlled output: the mode, its form, the journal flag
// and, in the standard mode, the presets the device fills in on request.
class OutputSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    // Device number of an editor whose address was never set.
    static constexpr quint8 NoDevice = 0xFF;

    explicit OutputSettingsWidget(QWidget *parent = nullptr);

    void setModeSettings(const s_OutputModeSett &settings);
    s_OutputModeSett modeSettings();
    void setTactic(const s_EventsOutMode &tactic);
    void setOutputAddress(quint8 device, quint8 output);
    void setOutputId(quint8 id);
    void addTempMode();
    void addTempHumidityModes();
    void addTempHumidityCOModes();
    void setVolumeVisible(bool visible);
    QComboBox *modeCombo() const { return m_mode; }
    OutputSettingsWidgetEvents *eventsForm() const { return m_events; }

signals:
    void saveWidgetSettings();

public slots:
    void onModeChanged(int index);
    void requestTactic(int type);

private:
    void buildForm();
    void addModeEntry(const QString &text);
    void ensureModeEntries(quint16 mode);
    void checkTacticButton(quint8 type);
    static QString modeText(int mode);

    s_OutputModeSett m_loaded;
    quint8 m_outputNumber = 0;
    quint8 m_deviceNumber = NoDevice;
    quint8 m_request[4] = {0, 0, 0, 0};
    QComboBox *m_mode;
    QCheckBox *m_journal;
    QGroupBox *m_presets;
    QLabel *m_hint;
    OutputSettingsWidgetEvents *m_events;
    OutputSettingsWidgetControlled *m_controlled;
    OutputSettingsWidgetTemperature *m_temperature;
    OutputSettingsWidgetHumidity *m_humidity;
    OutputSettingsWidgetCO *m_co;
};
