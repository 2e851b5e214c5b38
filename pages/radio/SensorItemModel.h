#pragma once

#include "radio/Partition.h"
#include "radio/Sensor.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QVector>
#include <memory>

class QMimeData;
class SensorListViewItem;

// The radio devices of one partition as the rows of its device list, in the order the
// user chose. Rows keep their devices alive.
class SensorItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum SortType
    {
        ById = 0,
        ByName = 1
    };

    explicit SensorItemModel(Partition *partition, QObject *parent = nullptr);
    ~SensorItemModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QMap<int, QVariant> itemData(const QModelIndex &index) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    QModelIndex indexOf(const Sensor *device) const;
    int sortType() const { return m_sortType; }
    void setSortType(int sortType);
    Sensor::SPtr sensorAt(int row) const;
    Sensor::SPtr sensorAt(const QModelIndex &index) const;
    Partition *partition() const { return m_partition; }

    // Dragged rows carry their device as this key, never as a pointer to follow: a drop
    // turns it back into a device only through a model that still lists it.
    static quintptr sensorKey(const Sensor *device) { return quintptr(device); }
    Sensor::SPtr sensorByKey(quintptr key) const;
    // The device keys of the rows in drag data of this model's format.
    static QList<quintptr> draggedKeys(const QMimeData *data);

    static bool lessById(const Sensor &left, const Sensor &right);
    static bool lessByType(const Sensor &left, const Sensor &right);

public slots:
    void addSensor(Sensor::SPtr device);
    void removeSensor(Sensor::SPtr device);
    void sensorUpdated();

private:
    using Row = std::shared_ptr<SensorListViewItem>;

    void watch(const Sensor *device);
    void sortRows();
    bool rowsSorted() const;
    int rowOf(const Sensor *device) const;
    bool isBefore(const Row &left, const Row &right) const;

    int m_sortType = ById;
    QPointer<Partition> m_partition;
    QVector<Row> m_rows;
};
