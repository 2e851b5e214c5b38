#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/UnshownValues.h"

class QComboBox;

// Panel of the pulse-counter adapter (device type 13): work mode, measuring frequency, the
// meters' output types and litres per pulse, and the price of a high-frequency pulse.
class SensorASRSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorASRSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override;
    void updateWidget() override;
    void onModeChanged(int mode);

private:
    void buildForm();
    void selectText(QComboBox *combo, const QString &text, quint32 stored);

    QComboBox *cbMode = nullptr;
    QComboBox *cbFreq = nullptr;
    QComboBox *cbType1 = nullptr;
    QComboBox *cbType2 = nullptr;
    QComboBox *cbScaleFactor1 = nullptr;
    QComboBox *cbScaleFactor2 = nullptr;
    QComboBox *cbScaleFactor3 = nullptr;
    UnshownValues m_unshown;
};
