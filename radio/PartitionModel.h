#pragma once

#include "app/Storable.h"
#include "radio/Sensor.h"

#include <QAbstractListModel>
#include <QJsonObject>
#include <QList>
#include <memory>
#include <vector>

class Partition;

// Partitions, radio devices, the wired loop and the local outputs of the communicator.
class PartitionModel : public QAbstractListModel, public Storable
{
    Q_OBJECT
public:
    explicit PartitionModel(Protocol *protocol, QObject *parent = nullptr);
    ~PartitionModel() override;

    int rowCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    QVariant data(const QModelIndex &, int = Qt::DisplayRole) const override { return {}; }

    QString jsonKey() const override { return QStringLiteral("Partition"); }
    void writeToDevice() override {}
    QJsonValue toJson() const override { return QJsonObject(); }
    bool fromJson(const QJsonValue &value, int) override { return value.isObject(); }

    // The partition with that number, null when number >= partitionCount().
    Partition *partition(uchar number) const;
    int partitionCount() const { return m_partitionCount; }
    Partition *allDevicesPartition() const { return m_allDevices.get(); }
    QList<Sensor::SPtr> sensors() const { return m_sensors; }
    // Files a listed device into a partition and All devices; it stays where it was too.
    void moveSensor(uchar partition, Sensor *device);

private:
    int m_partitionCount = 0;
    std::vector<std::shared_ptr<Partition>> m_partitions;
    std::shared_ptr<Partition> m_allDevices;
    std::shared_ptr<Partition> m_halvorDevices;
    QList<Sensor::SPtr> m_sensors;
};
