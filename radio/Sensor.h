#pragma once

#include "app/Storable.h"
#include "radio/OutputRecords.h"
#include "radio/SensorRecords.h"
#include "radio/params/SensorProperty.h"

#include <QColor>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVersionNumber>
#include <functional>
#include <memory>
#include <vector>

class Partition;
class PartitionModel;

// One radio device enrolled in the communicator: its settings block and status record,
// every question the pages ask about it, and the write-back of its settings.
class Sensor : public QObject, public Storable
{
    Q_OBJECT
public:
    using SPtr = std::shared_ptr<Sensor>;
    using SensorProperty = ::SensorProperty;

    enum class MainPowerState
    {
        FAIL = 0,
        OK = 1,
        ABSENCE = 2
    };
    Q_ENUM(MainPowerState)
    enum class ReservePowerState
    {
        FAIL = 0,
        OK = 1,
        NOT_SUPPORTED = -1
    };
    Q_ENUM(ReservePowerState)

    struct ColourFlags
    {
        bool red = false;
        bool yellow = false;
        bool grey = false;
    };

    // Colours the parameter tree marks values with.
    static const QColor RedColour;
    static const QColor YellowColour;
    static const QColor GreyColour;

    // Builds a device from its full report; nothing is written to the device.
    Sensor(uchar id, const s_FullSensorData *report, QObject *parent = nullptr);
    ~Sensor() override;

    uchar id() const { return m_id; }

    virtual int type() const;
    virtual QString typeName() const;
    virtual bool bellEnabled() const;
    virtual void setBellEnabled(bool enabled);
    virtual QString displayName() const;
    virtual bool setName(const QString &name);
    virtual quint16 zoneType() const;
    virtual void setZoneType(quint16 zoneType);
    virtual bool isReadOnly() const;
    virtual bool isInTouch() const;
    virtual uchar partition() const;
    virtual void setPartition(uchar partition);
    virtual bool isEnabled() const;
    virtual void setEnabled(bool enabled);
    virtual bool isAlarm() const;
    virtual bool isFault() const;
    virtual bool isFire() const;
    virtual bool isManualFireAlarm() const;
    virtual bool isCaseOpen() const;
    virtual bool isWaterLeak() const;
    virtual QString toolTip() const;
    virtual quint16 stateCode() const;
    virtual QString stateText() const;
    virtual SensorProperty properties() const;
    // The device's own tree, for a view that keeps its rows mapped to the nodes while it
    // holds the device; nodes are never added or removed after construction.
    virtual SensorProperty &propertyTree() { return m_root; }

    void writeToDevice() override;
    // Once the device is told to forget this device, nothing is written for it any more.
    void markDeleted() { m_deleted = true; }
    bool isDeleted() const { return m_deleted; }
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override;
    QString refusalName() const override { return jsonKey(); }
    // Viewing a file, the device is an entry of the radio sections, never a section named
    // after it: those sections are stored instead.
    bool store();
    // The per-type "sensor" member of the device's file object.
    QJsonObject privateSettingsToJson() const;

    // Plain accessors.
    s_ExtMemDataSensor *settingsData() { return &m_settings; }
    const s_ExtMemDataSensor *settingsData() const { return &m_settings; }
    s_SensorIntData *statusData() { return &m_status; }
    const s_SensorIntData *statusData() const { return &m_status; }
    s_SensorIntData status() const { return m_status; }
    s_SensorCommonSettings commonSettings() const { return m_settings.settings.common; }
    u_RFDevPrivateSettings privateSettings() const { return m_settings.settings.privateSettings; }
    void setPrivateSettings(const u_RFDevPrivateSettings &settings);
    void setLeakSensorMask(const quint8 (&mask)[16]);
    void setServiceTime(quint32 serviceTime);
    quint16 ledMode() const;
    void setLedMode(quint16 mode);
    // The whole byte for the byte types, 0 or 1 for the bit types, 255 without one.
    int energySavingMode() const;
    quint32 serialNumber() const;
    QString serialNumberText() const;
    int rssi() const;
    QString rssiText() const;
    quint16 supplyVoltage() const;
    QString voltageText() const;
    bool isCableBroken() const;
    ColourFlags colourFlags() const { return m_colours; }
    static SensorProperty *findProperty(SensorProperty &node, const QString &tag);

    QVersionNumber firmwareVersion() const;
    QString firmwareVersionText() const;
    QVersionNumber hardwareVersion() const;
    QString hardwareVersionText() const;
    MainPowerState mainPowerState() const;
    ReservePowerState reservePowerState() const;
    QString reservePowerStateText() const;
    QString statusToolTip() const;
    QString parentName() const;
    void sendValveCommand(uchar valve, int valveState);
    bool confirmEnergySaving();
    void updateKcPartition();
    static void setPropertyEnabled(SensorProperty &root, const QString &tag,
                                   const QString &groupTag, bool enabled);
    static void applyToProperty(SensorProperty &root, const QString &tag, const QString &groupTag,
                                const std::function<void(SensorProperty &)> &apply);
    void refreshCaseOpenCheck(SensorProperty &root);
    void noteColour(const QColor &colour);
    void setTactic(const s_EventsOutMode &tactic);

    // Taking new records from the device.
    void updateData(const s_ExtMemDataSensor *block);
    void updateStatus(const s_SensorIntData *status);
    void moveToPartition(uchar partition);

signals:
    void updateState(bool state, QString propTag);
    void readData();
    void writeData(s_ExtMemDataSensor data);
    void statusUpdated();
    void dataUpdated();
    void tacticUpdated(s_EventsOutMode s);
    void reloadProperties();
    void rangesUpdated(double minThreshold, double maxThreshold, QString tag);
    void buttonTextUpdate(QString tag, QString text);

public slots:
    void updateKeychainPropertyData();
    void updateKeyboardPropertyData();
    void partitionStatusChange();

protected:
    // Base of the loop and the local outputs, which fill their own records.
    Sensor();

    // The tree of the device type; the device-specific groups come with the type tables.
    virtual void buildPropertyTree();
    void clearColourFlags() { m_colours = ColourFlags(); }
    static PartitionModel *model();
    static bool isViewingMode();
    // The chime node is editable only for the zone types where a chime makes sense.
    void refreshBellNode();
    void runDataRefresh(const s_ExtMemDataSensor &record);
    void runStatusRefresh();
    // The groups of the device types, after the power group.
    std::vector<SensorProperty> buildTypeGroups();

    // Groups of the fire, intrusion and contact detectors.
    SensorProperty dipGroup();
    SensorProperty iprGroup();
    SensorProperty ipGroup();
    SensorProperty flarexGroup();
    SensorProperty ikGroup();
    SensorProperty draskGroup();
    SensorProperty stGroup();
    SensorProperty dzGroup();
    SensorProperty ktGroup();
    SensorProperty smkGroup();
    SensorProperty shiftAccelerometerGroup();
    SensorProperty shiftIsp1AccelerometerGroup();
    SensorProperty shiftGerconGroup();
    SensorProperty shiftAccelerometerNodes(const QString &tag);
    SensorProperty::Setter thresholdSetter(int offset);
    void refreshShiftLimits(SensorProperty &root, const QString &groupTag,
                            const s_ExtMemDataSensor &record);

    // Refreshers of the device types' groups.
    void refreshIpProperties(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshSmkProperties(SensorProperty &root);
    void refreshInfraredProperties(SensorProperty &root);
    void refreshTemperatureEvents(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshHumidityEvents(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshKeychainProperties(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshAsrProperties(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshRmProperties(SensorProperty &root);
    void refreshShiftAccelerometer(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshShiftIsp1Accelerometer(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshDraskProperties(SensorProperty &root, const s_ExtMemDataSensor &record);
    void refreshStProperties(SensorProperty &root);
    void refreshKeychainUsers(SensorProperty &root);
    void refreshKpProperties(SensorProperty &root);

    // Output, climate, keypad and key fob groups.
    SensorProperty sirenGroup();
    SensorProperty rmOutGroup();
    SensorProperty rmKcGroup();
    SensorProperty spOutGroup();
    SensorProperty ostGroup();
    SensorProperty ost24Group();
    SensorProperty rozetkaGroup();
    SensorProperty temperatureGroup();
    SensorProperty humidityGroup();
    SensorProperty coGroup();
    SensorProperty temperatureEventsGroup();
    SensorProperty humidityEventsGroup();
    SensorProperty coEventsGroup();
    SensorProperty keyboardPartitionGroup();
    SensorProperty keychainPartitionGroup();
    SensorProperty keyboardGroup();
    SensorProperty keychainGroup();
    void refreshKeyboardProperties(SensorProperty &root, const s_ExtMemDataSensor &record);
    void fillUserProperty(SensorProperty &node);
    void fillUserPropertyWithNone(SensorProperty &node);
    // Counter and valve controller groups (types 13, 19, 56 and 66).
    SensorProperty asrGroup();
    SensorProperty asrInput1Group();
    SensorProperty asrInput2Group();
    SensorProperty asrInput3Group();
    SensorProperty asrInputGroup(int input);
    SensorProperty asr1Group();
    SensorProperty asrIsp1Group();
    SensorProperty kpPowerGroup();
    SensorProperty kpCountersGroup();
    SensorProperty kpGroup();
    SensorProperty kpTapsGroup();
    void sendPulseCounterValues();
    void sendValveCounterValues();
    // The model's owning pointer to this device; null when the model does not hold it.
    SPtr listedSelf() const;

    uchar m_id = 0;
    SensorProperty m_root;

private:
    Partition *ownPartition() const;
    void onUpdateState(bool state, const QString &tag);
    static void zeroRecords(s_ExtMemDataSensor &settings, s_SensorIntData &status);

    s_SensorIntData m_status;
    s_ExtMemDataSensor m_settings;
    ColourFlags m_colours;
    bool m_deleted = false;
};

Q_DECLARE_METATYPE(Sensor::SPtr)
