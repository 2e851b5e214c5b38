#pragma once

#include "app/Storable.h"
#include "radio/PartitionRecords.h"
#include "radio/Sensor.h"

#include <QList>
#include <QObject>
#include <QTimer>

// One security area of the communicator, or one of the groupings shown like one: the
// executive devices, all devices and the devices of the integrated security system.
class Partition : public QObject, public Storable
{
    Q_OBJECT
public:
    Partition(Protocol *writer, int index, int kind, int aggregate, QObject *parent = nullptr);
    ~Partition() override;

    int index() const { return m_index; }
    int kind() const { return m_kind; }
    bool isAggregate() const { return m_aggregate != 0; }
    bool isExecutiveDevices() const { return m_kind != 1 && !isAggregate(); }
    bool isConfigurable() const;

    quint16 number() const;
    void setNumber(quint16 number);
    quint32 controlPartitions() const;
    void setControlPartitions(quint32 mask);
    bool autoTakeFromNotTaken() const;
    void setAutoTakeFromNotTaken(bool on);
    bool autoTakeFromAlarm() const;
    void setAutoTakeFromAlarm(bool on);
    bool takeDelayEnabled() const;
    void setTakeDelayEnabled(bool on);

    quint16 mainState() const { return m_status.mainState; }
    quint16 state() const;
    QString stateText() const;

    bool setName(const QString &name);
    void setData(const s_ExtMemDataPartition *block);
    void setStatus(const s_PartitionStatus *status);
    void setLocked(bool lock);
    void resetSettings();

    const s_ExtMemDataPartition &data() const { return m_settings; }
    const s_PartitionStatus &status() const { return m_status; }

    void addSensor(Sensor::SPtr device);
    Sensor::SPtr removeSensor(Sensor *device, bool silent);
    Sensor::SPtr removeSensor(const Sensor::SPtr &device, bool silent);
    QList<Sensor::SPtr> sensors() const { return m_devices; }
    int sensorCount() const { return m_devices.size(); }

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override;
    QString refusalName() const override { return jsonKey(); }
    void onWriteRefused(const WriteRefusal &refusal) override;
    // Viewing a file, the partition is an entry of the partition section, never a section
    // named after it: that section is stored instead.
    bool store();
    void resetInFile();
    // The name field as stored, without a default in its place.
    QString storedName() const;
    // Whether the text is the executive devices' caption in either language of the program.
    static bool isExecutiveDevicesCaption(const QString &name);

signals:
    void updated();
    void statusUpdated();
    void updateConfigData();
    void writePartitionData(s_ExtMemDataPartition s);
    void sensorAdded(Sensor::SPtr device);
    void sensorRemoved(Sensor::SPtr device);

private:
    QString defaultName() const;
    void applyDefaultName();
    void setFlag(quint8 flag, bool on);
    static int partitionCount();
    static bool isViewingMode();

    int m_index;
    s_ExtMemDataPartition m_settings;
    s_PartitionStatus m_status;
    QList<Sensor::SPtr> m_devices;
    int m_kind;
    int m_aggregate;
    // A child of the partition, so it can never fire on a deleted one.
    QTimer m_defaultNameTimer;
};
