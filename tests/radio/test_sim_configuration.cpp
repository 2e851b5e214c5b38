#include "RadioLink.h"

#include "app/DeviceTypeNames.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/DeviceTypes.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/Sensor.h"
#include "sim/SimRadioConfiguration.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

namespace {
template <typename Record> Record recordFrom(const QByteArray &bytes)
{
    Record record;
    std::memset(&record, 0, sizeof(record));
    std::memcpy(&record, bytes.constData(), size_t(qMin(bytes.size(), int(sizeof(record)))));
    return record;
}

bool trailerIntact(const QByteArray &block)
{
    const int crcAt = block.size() - 4;
    quint32 crc = 0;
    std::memcpy(&crc, block.constData() + crcAt, sizeof(crc));
    return block.at(crcAt - 2) == 1 && block.at(crcAt - 1) == 1 &&
           crc == crc32Stm(block.constData(), quint32(crcAt));
}

using Config = SimRadioConfiguration;
} // namespace

class TestSimConfiguration : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initDeviceTypeNames();
        m_link = std::make_unique<ProtocolLink>();
        Config::install(m_link->communicator());
        QVERIFY(m_link->connect());
    }
    void cleanupTestCase() { m_link.reset(); }

    void everyRecordIsSealed()
    {
        SimCommunicator &device = m_link->communicator();
        QSet<int> types;
        for (const Config::Device &sensor : Config::devices()) {
            const QByteArray block = device.record(0x24, quint16(sensor.id));
            QCOMPARE(block.size(), 512);
            QVERIFY(trailerIntact(block));
            const auto settings = recordFrom<s_ExtMemDataSensor>(block);
            QCOMPARE(settings.nameCrc, crc32Stm(settings.name, 64));
            const auto report =
                recordFrom<s_FullSensorData>(device.record(0x11, quint16(sensor.id)));
            QCOMPARE(report.crc32, crc32Stm(&report, 420));
            QVERIFY(report.status.serialNumber != 0);
            // A type that allows no zone type at all (the radio keypad) keeps "Not set".
            bool anyAllowed = false;
            for (int zone = 0; zone < ZoneTypeCount; ++zone)
                anyAllowed = anyAllowed || isZoneTypeAllowed(sensor.type, zone);
            QVERIFY(isZoneTypeAllowed(sensor.type, sensor.zoneType) ||
                    (!anyAllowed && sensor.zoneType == 0));
            types.insert(sensor.type);
        }
        QVERIFY(types.size() >= 25);
        for (int i = 0; i < Config::PartitionCount; ++i)
            QVERIFY(trailerIntact(device.record(0x25, quint16(i))));
        QVERIFY(trailerIntact(device.record(0x2D, 0)));
        QVERIFY(trailerIntact(device.record(0x26, 0)));
        QVERIFY(trailerIntact(device.record(0x26, 1)));
        const auto loop = recordFrom<s_FullLoopData>(device.record(0x13, 0));
        QCOMPARE(loop.crc32, crc32Stm(&loop, 164));
    }

    void devicesArriveAsReported()
    {
        Protocol *protocol = m_link->protocol();
        QSignalSpy reports(protocol, &Protocol::sensorFullData);
        const QList<Config::Device> devices = Config::devices();
        for (const Config::Device &sensor : devices)
            protocol->readSensorFullData(quint16(sensor.id));
        QTRY_COMPARE(reports.count(), devices.size());
        for (int i = 0; i < devices.size(); ++i) {
            const Config::Device &expected = devices.at(i);
            const auto report = reports.at(i).at(1).value<s_FullSensorData>();
            Sensor sensor(uchar(reports.at(i).at(0).toUInt()), &report);
            QCOMPARE(int(sensor.id()), expected.id);
            QCOMPARE(sensor.type(), expected.type);
            QCOMPARE(int(sensor.partition()), expected.partition);
            QCOMPARE(sensor.jsonKey(), expected.name.left(63));
        }
    }

    void repeaterRelaysItsDevice()
    {
        const QList<Config::Device> devices = Config::devices();
        const s_FullSensorData relayed = Config::sensorReport(devices.at(13));
        const s_FullSensorData repeater = Config::sensorReport(devices.at(12));
        QCOMPARE(relayed.status.hierarchy, repeater.status.hierarchy);
        QVERIFY(isRepeaterType(repeater.settings.bType));
    }

    void partitionsLoopAndOutputs()
    {
        Protocol *protocol = m_link->protocol();
        QSignalSpy partitions(protocol, &Protocol::partitionData);
        QSignalSpy loops(protocol, &Protocol::loopFullData);
        QSignalSpy loopBlocks(protocol, &Protocol::loopData);
        QSignalSpy outputs(protocol, &Protocol::outputData);
        protocol->readPartitionData(4);
        protocol->readPartitionData(5);
        protocol->readLoopFullData();
        protocol->readOutputData(0);
        protocol->readOutputData(1);
        QTRY_COMPARE(outputs.count(), 2);
        QTRY_COMPARE(partitions.count(), 2);
        QTRY_COMPARE(loopBlocks.count(), 1);
        QCOMPARE(loops.count(), 1);

        Partition kitchen(nullptr, 4, 1, 0);
        const auto kitchenBlock = partitions.at(0).at(1).value<s_ExtMemDataPartition>();
        kitchen.setData(&kitchenBlock);
        QCOMPARE(kitchen.jsonKey(), QStringLiteral("Kitchen \"A\""));
        Partition lab(nullptr, 5, 1, 0);
        const auto labBlock = partitions.at(1).at(1).value<s_ExtMemDataPartition>();
        lab.setData(&labBlock);
        QCOMPARE(lab.jsonKey(), QStringLiteral("Lab\\2"));

        const auto loopReport = loops.first().first().value<s_FullLoopData>();
        Loop loop(&loopReport);
        QCOMPARE(loop.displayName(), QString::fromUtf8("126. Шлейф двери"));
        QCOMPARE(loop.resistanceText(), QStringLiteral("4.70 kOhm"));

        LocalOut siren(0);
        const auto sirenBlock = outputs.at(0).at(1).value<s_ExtMemDataOutput>();
        siren.setData(&sirenBlock);
        QCOMPARE(siren.displayName(), QString::fromUtf8("158. Сирена"));
        QVERIFY(siren.isEnabled());
    }

private:
    std::unique_ptr<ProtocolLink> m_link;
};

QTEST_MAIN(TestSimConfiguration)
#include "test_sim_configuration.moc"
