#pragma once

#include "radio/OutputRecords.h"
#include "radio/Sensor.h"

#include <QStringList>
#include <QWidget>

class ContentAwareLineEdit;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class SensorPrivateSettingsWidget;
class SensorRelaySettingsWidget;

// The settings dialog of one radio device: the settings every device has, and below them
// the panel of the device's type. Saving writes the device's whole settings record once.
class SensorSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SensorSettingsWidget(QWidget *parent = nullptr);
    ~SensorSettingsWidget() override;

    // Binds the dialog to its device, once, before it is shown.
    void setSensor(Sensor::SPtr sensor);
    Sensor::SPtr sensor() const { return device; }
    SensorPrivateSettingsWidget *panel() const { return currentPanel; }

public slots:
    void saveSettings();
    void onChangeZone(int index);
    void onSensorDataUpdated();
    void onOutputTactic(quint16 id, const s_EventsOutMode &tactic);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildForm();
    void hidePanels();
    void loadCommonSettings();
    SensorPrivateSettingsWidget *panelFor(int type) const;
    void shapeRelayPanel(int type);
    quint16 zoneTypeToSave() const;
    SensorRelaySettingsWidget *relayPanel() const;

    QLabel *lblSensorType = nullptr;
    QCheckBox *cbEnabled = nullptr;
    QLabel *lblName = nullptr;
    ContentAwareLineEdit *leName = nullptr;
    QLabel *lblLedMode = nullptr;
    QComboBox *cbLedMode = nullptr;
    QLabel *lblZoneType = nullptr;
    QComboBox *cbZoneType = nullptr;
    QCheckBox *cbBellMode = nullptr;
    QWidget *extraSettings = nullptr;
    QVBoxLayout *vboxLayout = nullptr;
    QPushButton *pbSave = nullptr;
    QPushButton *pbClose = nullptr;

    Sensor::SPtr device;
    SensorPrivateSettingsWidget *currentPanel = nullptr;
    QStringList zoneNames;
};
