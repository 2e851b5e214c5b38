#include "DeviceFixtures.h"

#include "pages/radio/SensorItemModel.h"
#include "radio/Partition.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
// A regular partition (1) or an all-devices one holding devices of the given types,
// ids 0, 1, 2, ... in that order, serials from the ids.
std::unique_ptr<Partition> partitionWith(const QList<Sensor::SPtr> &devices, bool aggregate = false)
{
    auto partition = std::make_unique<Partition>(nullptr, aggregate ? -1 : 1, aggregate ? 0 : 1,
                                                 aggregate ? 1 : 0);
    for (const Sensor::SPtr &device : devices)
        partition->addSensor(device);
    return partition;
}

QList<int> rowIds(const SensorItemModel &model)
{
    QList<int> ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << model.sensorAt(row)->id();
    return ids;
}

QList<int> rowTypes(const SensorItemModel &model)
{
    QList<int> types;
    for (int row = 0; row < model.rowCount(); ++row)
        types << model.sensorAt(row)->type();
    return types;
}
} // namespace

class TestSensorItemModel : public QObject
{
    Q_OBJECT
private slots:
    // A device of a serial already listed gets no row, unless it is the radio module (0)
    // or the loop (9).
    void duplicateSerials_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("listed");
        QTest::newRow("detector") << 4 << false;
        QTest::newRow("siren") << 15 << false;
        QTest::newRow("radio module") << 0 << true;
        QTest::newRow("loop") << 9 << true;
    }
    void duplicateSerials()
    {
        QFETCH(int, type);
        QFETCH(bool, listed);
        auto partition = partitionWith({makeDevice(0, 4, 777)});
        SensorItemModel model(partition.get());
        partition->addSensor(makeDevice(1, type, 777));
        QCOMPARE(model.rowCount(), listed ? 2 : 1);
        partition->addSensor(makeDevice(2, 6, 778));
        QCOMPARE(model.rowCount(), listed ? 3 : 2);
    }

    // The constructor keeps the partition's order; an insertion or a sort type sorts.
    void rowOrder()
    {
        auto partition = partitionWith({makeDevice(5, 6), makeDevice(1, 2), makeDevice(3, 6)});
        SensorItemModel model(partition.get());
        QCOMPARE(rowIds(model), QList<int>({5, 1, 3}));

        model.setSortType(SensorItemModel::ByName);
        QCOMPARE(rowTypes(model), QList<int>({2, 6, 6}));
        QCOMPARE(model.sensorAt(0)->id(), uchar(1));

        model.setSortType(SensorItemModel::ById);
        QCOMPARE(rowIds(model), QList<int>({1, 3, 5}));

        // Ids compare as unsigned bytes.
        partition->addSensor(makeDevice(200, 4));
        partition->addSensor(makeDevice(0, 4));
        QCOMPARE(rowIds(model), QList<int>({0, 1, 3, 5, 200}));
    }

    void insertionSortsRowsListedInPartitionOrder()
    {
        auto partition = partitionWith({makeDevice(5, 6), makeDevice(1, 2)});
        SensorItemModel model(partition.get());
        partition->addSensor(makeDevice(3, 4));
        QCOMPARE(rowIds(model), QList<int>({1, 3, 5}));
        // Any other sort type sorts later insertions by type.
        model.setSortType(7);
        QCOMPARE(rowIds(model), QList<int>({1, 3, 5}));
        partition->addSensor(makeDevice(0, 30));
        QCOMPARE(rowTypes(model), QList<int>({2, 4, 6, 30}));
    }

    // Indexes beyond the rows: nothing, no flags, and a key of 0 in the drag data.
    void outOfRangeIndexes()
    {
        auto partition = partitionWith({makeDevice(0, 4)});
        SensorItemModel model(partition.get());
        QVERIFY(!model.sensorAt(1));
        QVERIFY(!model.sensorAt(-1));
        QVERIFY(!model.sensorAt(QModelIndex()));
        QCOMPARE(int(model.flags(model.index(0, 0))), 45);
        for (const QModelIndex &index : {model.index(1, 0), QModelIndex()}) {
            QVERIFY(!model.data(index, Qt::DisplayRole).isValid());
            QVERIFY(!model.data(index, Qt::UserRole).isValid());
            QCOMPARE(int(model.flags(index)), 0);
            const QMap<int, QVariant> roles = model.itemData(index);
            QCOMPARE(roles.value(Qt::UserRole).value<quintptr>(), quintptr(0));
        }
    }

    // The key of a row is the device's full address, and drag data of two rows turns
    // back into those two devices through the model that lists them.
    void dragDataDecodesToTheDevices()
    {
        const Sensor::SPtr first = makeDevice(0, 4);
        const Sensor::SPtr second = makeDevice(1, 6);
        auto partition = partitionWith({first, second, makeDevice(2, 2)});
        SensorItemModel model(partition.get());
        const QMap<int, QVariant> roles = model.itemData(model.index(1, 0));
        // A full-width number: an address cut to 32 bits would name another object.
        QCOMPARE(roles.value(Qt::UserRole).userType(), qMetaTypeId<quintptr>());
        QCOMPARE(QMetaType::sizeOf(roles.value(Qt::UserRole).userType()), int(sizeof(void *)));
        QCOMPARE(roles.value(Qt::UserRole).value<quintptr>(), quintptr(second.get()));
        QCOMPARE(roles.value(Qt::DisplayRole), model.data(model.index(1, 0), Qt::DisplayRole));

        std::unique_ptr<QMimeData> drag(model.mimeData({model.index(0, 0), model.index(1, 0)}));
        QVERIFY(drag->hasFormat("application/x-qabstractitemmodeldatalist"));
        const QList<quintptr> keys = SensorItemModel::draggedKeys(drag.get());
        QCOMPARE(keys.size(), 2);
        QCOMPARE(model.sensorByKey(keys.at(0)), first);
        QCOMPARE(model.sensorByKey(keys.at(1)), second);

        // A key the model does not list is no device, whatever its value.
        partition->removeSensor(first, false);
        QVERIFY(!model.sensorByKey(keys.at(0)));
        QVERIFY(!model.sensorByKey(0));
        QVERIFY(SensorItemModel::draggedKeys(nullptr).isEmpty());
    }

    void removeRowsGoesThroughThePartition()
    {
        const QList<Sensor::SPtr> devices = {makeDevice(0, 4), makeDevice(1, 6), makeDevice(2, 2)};
        auto partition = partitionWith(devices);
        SensorItemModel model(partition.get());
        QSignalSpy removed(partition.get(), &Partition::sensorRemoved);
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(removed.count(), 2);
        // Last row first.
        QCOMPARE(removed.at(0).at(0).value<Sensor::SPtr>(), devices.at(1));
        QCOMPARE(partition->sensors(), QList<Sensor::SPtr>({devices.at(2)}));
        QCOMPARE(rowIds(model), QList<int>({2}));
        QVERIFY(model.removeRows(5, 3));
        QCOMPARE(model.rowCount(), 1);
    }

    void removeRowsLeavesAllDevicesAlone()
    {
        auto partition = partitionWith({makeDevice(0, 4), makeDevice(1, 6)}, true);
        SensorItemModel model(partition.get());
        QSignalSpy removed(partition.get(), &Partition::sensorRemoved);
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(removed.count(), 0);
        QCOMPARE(partition->sensorCount(), 2);
        QCOMPARE(model.rowCount(), 2);
    }

    // Rows present when the model is built repaint on news exactly like added ones.
    void everyRowFollowsItsDevice()
    {
        const Sensor::SPtr early = makeDevice(0, 4);
        auto partition = partitionWith({early});
        SensorItemModel model(partition.get());
        const Sensor::SPtr late = makeDevice(1, 6);
        partition->addSensor(late);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        s_SensorIntData status = early->status();
        status.flags |= SensorFlag::Alarm;
        early->updateStatus(&status);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.indexOf(early.get()));
        QCOMPARE(model.data(model.indexOf(early.get()), Qt::BackgroundRole).value<QColor>(),
                 Sensor::RedColour);

        late->updateData(late->settingsData());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).toModelIndex(), model.indexOf(late.get()));

        // A removed device no longer reaches the model.
        partition->removeSensor(early, false);
        early->updateStatus(&status);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(model.indexOf(early.get()), QModelIndex());
    }

    void sortTypeChangeKeepsSelectionOnTheDevices()
    {
        auto partition = partitionWith({makeDevice(5, 2), makeDevice(1, 6)});
        SensorItemModel model(partition.get());
        const QPersistentModelIndex held(model.index(0, 0));
        const Sensor *device = model.sensorAt(held).get();
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        model.setSortType(SensorItemModel::ById);
        QCOMPARE(layout.count(), 1);
        QCOMPARE(model.sortType(), int(SensorItemModel::ById));
        QCOMPARE(model.sensorAt(held).get(), device);
        QCOMPARE(held.row(), 1);
    }
};

QTEST_MAIN(TestSensorItemModel)
#include "test_sensor_item_model.moc"
