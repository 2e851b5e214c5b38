#pragma once

#include "app/Storable.h"
#include "radio/LoopRecords.h"
#include "radio/OutputRecords.h"
#include "radio/PartitionRecords.h"
#include "radio/Sensor.h"
#include "radio/SensorRecords.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class LocalOut;
class Partition;
struct s_FullHalvorDevData;

// Partitions, radio devices, the wired loop and the local outputs of the communicator,
// built from the device's answers and from configuration files alike.
class PartitionModel : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit PartitionModel(Protocol *protocol, QObject *parent = nullptr);
    ~PartitionModel() override;

    QString jsonKey() const override { return QStringLiteral("Partition"); }
    // Partitions and devices write themselves, one record at a time.
    void writeToDevice() override {}
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;

    // The partition with that number, null when number >= partitionCount().
    Partition *partition(int number) const;
    int partitionCount() const { return m_partitionCount; }
    Partition *allDevicesPartition() const { return m_allDevices.get(); }
    Partition *halvorDevicesPartition() const { return m_halvorDevices.get(); }
    Sensor::SPtr loop() const { return m_loop; }
    // Output 0 or 1; null for any other index.
    std::shared_ptr<LocalOut> localOut(int index) const;
    QList<Sensor::SPtr> sensors() const { return m_sensors; }
    int sensorCount() const;
    // A radio device below the device limit, the loop at or above it.
    Sensor::SPtr sensor(int id) const;
    Sensor::SPtr sensorBySerial(quint32 serial) const;
    QStringList partitionNames(bool skipFirst) const;
    // Files a listed device into a partition and All devices; it stays where it was too.
    void moveSensor(uchar partition, Sensor *device);
    // Takes a device out of a partition's list for a move: pages drop its row, the model
    // keeps the device (an announced removal is otherwise a deletion).
    void takeOutForMove(Partition *from, const Sensor::SPtr &device);
    // Files a radio device into the partition its record names and out of every other.
    void fileByRecord(const Sensor::SPtr &device);
    // Viewing mode: rewrites the file's partition section alone.
    bool storePartitionSection();
    // Viewing mode: rewrites the file's partition, radio device, loop and output sections.
    bool storeModelToFile();

    // Sections of a format-2 configuration file.
    bool loadSensorsFromJson(const QJsonValue &value);
    bool loadLoopFromJson(const QJsonValue &value);
    bool loadLocalOutsFromJson(const QJsonValue &value);
    static bool jsonHasEnergySaveSensor(const QJsonValue &value);

signals:
    void updatePartitionData();
    void newSensorConnected(Sensor::SPtr device);
    void sensorRemoved(Sensor::SPtr device);
    void sensorCountUpdate();
    void sensorWithEnergySaveFound();
    void sensorGotInTouch(Sensor::SPtr device);
    void sensorLost(Sensor::SPtr device);
    void updateControlPartitions(uint id, quint32 mask);
    void selectionReset();

public slots:
    void setPartitionData(quint16 id, const s_ExtMemDataPartition &data);
    void setPartitionStatus(quint16 id, const s_PartitionStatus &status);
    void setSensorData(quint16 id, const s_ExtMemDataSensor &data);
    void setFullSensorData(quint16 id, const s_FullSensorData &data);
    void setSensorStatus(quint16 id, const s_SensorIntData &status);
    void setFullLoopData(const s_FullLoopData &data);
    void setLoopData(const s_ExtMemDataLoop &data);
    void setLoopStatus(const s_LoopStatus &status);
    void setOutData(quint16 id, const s_ExtMemDataOutput &data);
    void setOutStatus(quint16 id, const s_OutputStatus &status);
    void setOutTactic(quint16 id, const s_EventsOutMode &tactic);
    void onSensorDeletedExternally(quint16 id);
    void setFullHalvorDevData(const s_FullHalvorDevData &data);
    void onDisconnect();
    void removeSensor(Sensor::SPtr device);
    void onResetSensor(uint id);

    void parseSensorJsonObj(const QJsonObject &object);
    void parseJsonObjV102(const QJsonObject &object);
    void parsePrivateSettings(int type, u_RFDevPrivateSettings *area,
                              const QJsonObject &sensorObject, quint16 firmwareVersion);
    void parseCommonSettings(int type, s_SensorCommonSettings *common,
                             const QJsonObject &sensorObject);
    s_OutputModeSett outputSett(const QJsonObject &output);

private:
    void connectProtocol(Protocol *protocol);
    void connectController();
    std::shared_ptr<Partition> makePartition(int index, int kind, int aggregate, bool watched);
    bool isKnownDeviceId(int id) const;
    bool isValidAnswerId(quint16 id, const char *what);
    LocalOut *ensureLocalOut(int index);
    void refreshSensor(const Sensor::SPtr &device, const s_FullSensorData &data);
    void dropDevicesForWriteIn();
    void writeDevicesDetectorsFirst();
    void readPartitionsV2(const QJsonArray &partitions);
    void readPartitionsV1(const QJsonArray &partitions);
    void readV102Sensors(const QJsonArray &objects);
    void readV102Loop(const QJsonObject &object);
    void readV102LocalOuts(const QJsonObject &object);
    int partitionTarget(const QJsonValue &id) const;
    void applyPartitionRecord(int target, const s_ExtMemDataPartition &record);
    QHash<int, quint32> pulsePrices() const;
    void keepPulsePrice(const QJsonObject &object, const QHash<int, quint32> &prices);
    static s_ExtMemDataPartition withoutExecutiveCaption(int target, s_ExtMemDataPartition record);
    static bool isViewingMode();

    int m_partitionCount = 0;
    std::vector<std::shared_ptr<Partition>> m_partitions;
    std::shared_ptr<Partition> m_allDevices;
    std::shared_ptr<Partition> m_halvorDevices;
    QList<Sensor::SPtr> m_sensors;
    Sensor::SPtr m_loop;
    std::array<std::shared_ptr<LocalOut>, 2> m_localOuts;
    // Ids whose deletion a write-in asked for; their answers find the new objects.
    QSet<int> m_pendingDeletions;
    bool m_takingOut = false;
};
