#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/UnshownValues.h"

class PartitionSelectionWidget;
class QCheckBox;
class QComboBox;

// Panel of the key fob (device type 11): its owner, partitions, silent-alarm mode, the output
// groups of its buttons and its access law. The dialog refuses to save without an owner.
class SensorKeychainSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorKeychainSettingsWidget(QWidget *parent = nullptr);

    bool isUserSelected() const;

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    void buildForm();

    PartitionSelectionWidget *partitions = nullptr;
    QComboBox *cbUser = nullptr;
    QComboBox *cbSilentAlarmMode = nullptr;
    QComboBox *cbButton1OutputGroup = nullptr;
    QComboBox *cbButton2OutputGroup = nullptr;
    QCheckBox *cbTakeOff = nullptr;
    QCheckBox *cbTakeOn = nullptr;
    QCheckBox *cbDisableSiren = nullptr;
    UnshownValues m_unshown;
};
