#pragma once

#include "app/BaseSettingsWidget.h"
#include "radio/OutputRecords.h"
#include "radio/Sensor.h"

class OutputSettingsWidgetGeneral;

// Form of the temperature control mode; the humidity and CO forms are the same form with
// their own sensor kind, range, help texts and sources of live values.
class OutputSettingsWidgetTemperature : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit OutputSettingsWidgetTemperature(QWidget *parent = nullptr);

    virtual void setModeSettings(const s_OutputModeSett &settings);
    s_OutputModeSett modeSettings();
    virtual void refreshLiveValues();
    void setVolumeVisible(bool visible);
    OutputSettingsWidgetGeneral *general() const { return m_general; }

public slots:
    void onFeedbackSensorChanged(int device);

protected:
    struct Kind
    {
        int sensorKind;
        double referenceMinimum;
        double referenceMaximum;
        QStringList hints;
    };
    OutputSettingsWidgetTemperature(const Kind &kind, QWidget *parent);

    // Loads everything but the values shown from the feedback device.
    void loadControls(const s_OutputModeSett &settings);
    // The device of the current feedback entry when it is a radio device of one of the types.
    Sensor::SPtr feedbackDevice(std::initializer_list<int> types) const;
    // Communicator temperature and the stored reference, or the device's own at load.
    void showValuesAtLoad(int feedbackAt, int referenceAt);
    void showLiveValues(std::initializer_list<int> types, int feedbackAt, int referenceAt);
    static double statusValue(const Sensor &device, int offset);
    static double privateValue(const Sensor &device, int offset);

    s_OutputModeSett m_settings;
    OutputSettingsWidgetGeneral *m_general;
    int m_kind;
};

class OutputSettingsWidgetHumidity : public OutputSettingsWidgetTemperature
{
    Q_OBJECT
public:
    explicit OutputSettingsWidgetHumidity(QWidget *parent = nullptr);
    void setModeSettings(const s_OutputModeSett &settings) override;
    void refreshLiveValues() override;
};

class OutputSettingsWidgetCO : public OutputSettingsWidgetTemperature
{
    Q_OBJECT
public:
    explicit OutputSettingsWidgetCO(QWidget *parent = nullptr);
    void setModeSettings(const s_OutputModeSett &settings) override;
    void refreshLiveValues() override;
};
