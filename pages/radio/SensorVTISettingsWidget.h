#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

// Panel of the climate sensors (device types 10, 31): live values from the device's status,
// reference values, event thresholds and a help line for the hint icons.
class SensorVTISettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorVTISettingsWidget(QWidget *parent = nullptr);

    // A signed value in hundredths as text with one decimal and a decimal comma.
    static QString hundredthsText(qint16 value);

public slots:
    void saveSettings() override;
    void updateWidget() override;
    void onSensorStatusUpdated() override;
    void onEnDisChanged(int state);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Value
    {
        QDoubleSpinBox *box;
        int offset;
    };
    void buildForm();
    void refreshLiveValues();
    void showHintAt(const QPoint &position);
    QDoubleSpinBox *addSpin(const char *name, double minimum, double maximum, double step,
                            int offset);
    QLabel *addHint(const char *name);

    QLineEdit *leTemperature = nullptr;
    QLineEdit *leHumidity = nullptr;
    QLineEdit *leCO = nullptr;
    QCheckBox *cbMaxTempEvent = nullptr;
    QCheckBox *cbMinTempEvent = nullptr;
    QCheckBox *cbMaxHumidityEvent = nullptr;
    QCheckBox *cbMinHumidityEvent = nullptr;
    QCheckBox *cbMaxCOEvent = nullptr;
    QDoubleSpinBox *dsbMaxTempEvent = nullptr;
    QDoubleSpinBox *dsbMinTempEvent = nullptr;
    QDoubleSpinBox *dsbTempEventHysteresis = nullptr;
    QDoubleSpinBox *dsbMaxHumidityEvent = nullptr;
    QDoubleSpinBox *dsbMinHumidityEvent = nullptr;
    QDoubleSpinBox *dsbHumidityEventHysteresis = nullptr;
    QDoubleSpinBox *dsbMaxCOEvent = nullptr;
    QDoubleSpinBox *dsbCOEventHysteresis = nullptr;
    QLabel *lbContextHelp = nullptr;
    QList<Value> m_values;
    QList<QWidget *> m_coControls;
};
