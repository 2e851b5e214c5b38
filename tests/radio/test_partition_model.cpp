#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/LogCapture.h"
#include "support/ModalRecorder.h"

#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
s_FullSensorData report(int type, quint16 partition, quint32 serial = 1234,
                        const QByteArray &name = "Hall")
{
    SensorReportFields fields;
    fields.type = type;
    fields.partition = partition;
    fields.serial = serial;
    fields.name = name;
    return makeSensorReport(fields);
}

s_SensorIntData status(bool lost)
{
    s_SensorIntData record;
    std::memset(&record, 0, sizeof(record));
    record.serialNumber = 1234;
    record.flags = lost ? quint32(SensorFlag::Lost) : 0u;
    return record;
}

bool lists(Partition *partition, const Sensor::SPtr &device)
{
    return partition && partition->sensors().contains(device);
}
} // namespace

class TestPartitionModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initDeviceTypeNames(); }

    void init()
    {
        m_overmind = std::make_unique<Overmind>();
        m_overmind->deviceInfo().init(0, 0, 0, 0);
        m_model = std::make_unique<PartitionModel>(nullptr);
    }

    void cleanup()
    {
        m_model.reset();
        m_overmind.reset();
    }

    void startsWithPartitionsOnly()
    {
        QCOMPARE(m_model->partitionCount(), 17);
        QVERIFY(m_model->partition(0)->isExecutiveDevices());
        QVERIFY(m_model->partition(16));
        QVERIFY(!m_model->partition(17));
        QVERIFY(m_model->allDevicesPartition()->isAggregate());
        QCOMPARE(m_model->allDevicesPartition()->index(), 17);
        QCOMPARE(m_model->halvorDevicesPartition()->index(), 18);
        const QStringList names = m_model->partitionNames(true);
        QCOMPARE(names.size(), 16);
        QCOMPARE(names.first(), m_model->partition(1)->jsonKey());
        QCOMPARE(m_model->sensorCount(), 0);
        QVERIFY(!m_model->loop());
    }

    void refusedReports_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("breakCrc");
        QTest::addColumn<quint32>("serial");
        QTest::addColumn<quint16>("zoneType");
        QTest::addColumn<QString>("warning");
        QTest::newRow("bad CRC") << 3 << true << 1234u << quint16(2) << "Sensor CRC is broken";
        QTest::newRow("serial 0") << 3 << false << 0u << quint16(2) << "Sensor CRC is broken";
        QTest::newRow("id at the device limit")
            << 100 << false << 1234u << quint16(2) << "out of range";
        QTest::newRow("16-bit id") << 259 << false << 1234u << quint16(2) << "out of range";
        QTest::newRow("zone type 7") << 3 << false << 1234u << quint16(7) << QString();
    }

    void refusedReports()
    {
        QFETCH(int, id);
        QFETCH(bool, breakCrc);
        QFETCH(quint32, serial);
        QFETCH(quint16, zoneType);
        QFETCH(QString, warning);
        LogCapture log;
        QSignalSpy created(m_model.get(), &PartitionModel::newSensorConnected);
        SensorReportFields fields;
        fields.serial = serial;
        fields.zoneType = zoneType;
        s_FullSensorData data = makeSensorReport(fields);
        if (breakCrc)
            data.crc32 ^= 1;
        m_model->setFullSensorData(quint16(id), data);
        QCOMPARE(created.count(), 0);
        QVERIFY(m_model->sensors().isEmpty());
        QCOMPARE(m_model->allDevicesPartition()->sensorCount(), 0);
        if (!warning.isEmpty())
            QTRY_VERIFY(log.contains(warning));
    }

    void newDeviceIsFiledWhereItsReportSays()
    {
        QSignalSpy created(m_model.get(), &PartitionModel::newSensorConnected);
        QSignalSpy energy(m_model.get(), &PartitionModel::sensorWithEnergySaveFound);
        s_FullSensorData motion = report(6, 3);
        motion.settings.privateSettings.raw[0] = 1;
        motion.crc32 = crc32Stm(&motion, 420);
        ModalRecorder boxes;
        m_model->setFullSensorData(5, motion);
        QCOMPARE(created.count(), 1);
        QCOMPARE(energy.count(), 1);
        const Sensor::SPtr device = m_model->sensor(5);
        QVERIFY(device);
        QVERIFY(lists(m_model->partition(3), device));
        QVERIFY(lists(m_model->allDevicesPartition(), device));
        QCOMPARE(m_model->sensorBySerial(1234), device);
        QCOMPARE(m_model->sensorCount(), 1);

        // A partition beyond the device's: only in the device list.
        m_model->setFullSensorData(6, report(4, 17, 99));
        const Sensor::SPtr outside = m_model->sensor(6);
        QVERIFY(outside);
        QVERIFY(!lists(m_model->allDevicesPartition(), outside));
        QCOMPARE(m_model->sensors().size(), 2);
        QCOMPARE(m_model->sensorCount(), 1);
    }

    void partitionChangeRecreatesTheDevice()
    {
        LogCapture log;
        m_model->setFullSensorData(4, report(4, 3));
        const Sensor::SPtr old = m_model->sensor(4);
        QSignalSpy removed(m_model.get(), &PartitionModel::sensorRemoved);
        QSignalSpy created(m_model.get(), &PartitionModel::newSensorConnected);
        m_model->setFullSensorData(4, report(4, 5));
        const Sensor::SPtr moved = m_model->sensor(4);
        QVERIFY(moved && moved != old);
        QVERIFY(!lists(m_model->partition(3), old));
        QVERIFY(!lists(m_model->allDevicesPartition(), old));
        QVERIFY(lists(m_model->partition(5), moved));
        QVERIFY(lists(m_model->allDevicesPartition(), moved));
        QCOMPARE(m_model->sensors().size(), 1);
        // The nested removals through All devices and the partition each report it.
        QCOMPARE(removed.count(), 3);
        QCOMPARE(created.count(), 1);
        QTRY_VERIFY(log.contains("New sensor added"));
        const QStringList lines = log.lines();
        int removing = -1;
        int added = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).contains("Sensor's partition changed. Removing"))
                removing = i;
            if (lines.at(i).contains("New sensor added"))
                added = i;
        }
        QVERIFY(removing >= 0);
        QVERIFY(added > removing);
    }

    // A refresh keeps the held block's bytes that a full report does not carry.
    void refreshKeepsTheHeldBlock()
    {
        m_model->setFullSensorData(2, report(4, 1, 1234, "Hall"));
        const Sensor::SPtr device = m_model->sensor(2);
        s_ExtMemDataSensor block = *device->settingsData();
        std::memset(block.reserved316, 0x5A, sizeof(block.reserved316));
        block.compatibleVersion = 1;
        block.criticalVersion = 1;
        block.crc32 = crc32Stm(&block, s_ExtMemDataSensor::crcOffset);
        m_model->setSensorData(2, block);
        QCOMPARE(device->settingsData()->reserved316[0], quint8(0x5A));

        m_model->setFullSensorData(2, report(4, 1, 1234, "Door"));
        QCOMPARE(m_model->sensor(2), device);
        const s_ExtMemDataSensor &held = *device->settingsData();
        QCOMPARE(device->jsonKey(), QStringLiteral("Door"));
        QCOMPARE(held.reserved316[189], quint8(0x5A));
        QCOMPARE(held.compatibleVersion, quint8(1));
        QCOMPARE(held.nameCrc, crc32Stm(held.name, 64));
    }

    void brokenBlockDoesNotWipeTheDevice()
    {
        m_model->setFullSensorData(2, report(4, 1));
        const Sensor::SPtr device = m_model->sensor(2);
        s_ExtMemDataSensor zeros;
        std::memset(&zeros, 0, sizeof(zeros));
        LogCapture log;
        m_model->setSensorData(2, zeros);
        QCOMPARE(device->type(), 4);
        QTRY_VERIFY(log.contains("Broken settings"));
    }

    void contactLostAndRegainedSignalOnce()
    {
        m_model->setFullSensorData(1, report(4, 1));
        QSignalSpy lost(m_model.get(), &PartitionModel::sensorLost);
        QSignalSpy back(m_model.get(), &PartitionModel::sensorGotInTouch);
        for (bool state : {true, true, false, false, true})
            m_model->setSensorStatus(1, status(state));
        QCOMPARE(lost.count(), 2);
        QCOMPARE(back.count(), 1);
        // A 16-bit id does not reach device 1.
        m_model->setSensorStatus(257, status(false));
        QCOMPARE(back.count(), 1);
        QVERIFY(!m_model->sensor(1)->isInTouch());
    }

    void deletionAndDisconnection()
    {
        m_model->setFullSensorData(1, report(4, 1, 11));
        m_model->setFullSensorData(2, report(4, 2, 12));
        m_model->setFullSensorData(3, report(4, 40, 13));
        s_OutputStatus outStatus;
        std::memset(&outStatus, 0, sizeof(outStatus));
        m_model->setOutStatus(1, outStatus);
        m_model->setFullLoopData(makeLoopReport(2, 2, "Loop"));

        m_model->onSensorDeletedExternally(1 + 256);
        QVERIFY(m_model->sensor(1));
        m_model->onSensorDeletedExternally(1);
        QVERIFY(!m_model->sensor(1));
        QVERIFY(!lists(m_model->partition(1), nullptr));
        m_model->onSensorDeletedExternally(3);
        QVERIFY(!m_model->sensor(3));

        m_model->onDisconnect();
        QVERIFY(m_model->sensors().isEmpty());
        QVERIFY(!m_model->loop());
        QCOMPARE(m_model->partition(2)->sensorCount(), 0);
        const std::shared_ptr<LocalOut> out = m_model->localOut(1);
        QVERIFY(out);
        QVERIFY(m_model->partition(0)->sensors().contains(out));
    }

    void loopIsFiledAndMoved()
    {
        m_model->setFullLoopData(makeLoopReport(30, 2, "Loop"));
        const Sensor::SPtr loop = m_model->loop();
        QVERIFY(loop);
        // A partition the device does not have puts the loop into partition 1.
        QVERIFY(lists(m_model->partition(1), loop));
        QCOMPARE(int(loop->partition()), 1);
        QCOMPARE(m_model->sensor(100), loop);
        QCOMPARE(m_model->sensor(99), Sensor::SPtr());

        m_model->setFullLoopData(makeLoopReport(4, 2, "Loop"));
        QVERIFY(m_model->loop() != loop);
        QVERIFY(lists(m_model->partition(4), m_model->loop()));
        QVERIFY(!lists(m_model->partition(1), loop));
        QVERIFY(!lists(m_model->allDevicesPartition(), loop));
    }

    void localOutputsAndRangeChecks()
    {
        QSignalSpy counts(m_model.get(), &PartitionModel::sensorCountUpdate);
        s_OutputStatus outStatus;
        std::memset(&outStatus, 0, sizeof(outStatus));
        outStatus.outputState = 1;
        m_model->setOutStatus(1, outStatus);
        QCOMPARE(counts.count(), 0);
        QVERIFY(m_model->localOut(1));
        QVERIFY(!m_model->localOut(0));
        QVERIFY(lists(m_model->partition(0), m_model->localOut(1)));
        QVERIFY(lists(m_model->allDevicesPartition(), m_model->localOut(1)));
        QCOMPARE(m_model->localOut(1)->outputStatus().outputState, quint8(1));

        LogCapture log;
        m_model->setOutData(2, s_ExtMemDataOutput());
        QVERIFY(!m_model->localOut(2));
        QTRY_VERIFY(log.contains("out of range"));

        m_model->setFullSensorData(4, report(4, 3));
        m_model->moveSensor(40, m_model->sensor(4).get());
        QCOMPARE(m_model->sensorCount(), 2);
        QTRY_VERIFY(log.contains("No partition 40"));
    }

    void deviceResetAsksForItsReportAgain()
    {
        m_model->setFullSensorData(4, report(4, 3));
        QSignalSpy reset(m_model.get(), &PartitionModel::selectionReset);
        m_model->onResetSensor(4);
        QVERIFY(!m_model->sensor(4));
        QVERIFY(reset.wait());
    }

private:
    std::unique_ptr<Overmind> m_overmind;
    std::unique_ptr<PartitionModel> m_model;
};

QTEST_MAIN(TestPartitionModel)
#include "test_partition_model.moc"
