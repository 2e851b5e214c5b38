#include "RadioLink.h"
#include "RadioReports.h"

#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/Sensor.h"
#include "support/ModalRecorder.h"

#include <QMessageBox>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
template <typename Block> QByteArray bytesOf(const Block &block)
{
    return QByteArray(reinterpret_cast<const char *>(&block), int(sizeof(block)));
}

quint32 wordAt(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, bytes.constData() + offset, sizeof(value));
    return value;
}

// The trailer the device checks: both version bytes 1 and the CRC-32 of what precedes it.
void verifyTrailer(const QByteArray &block)
{
    const int crcAt = block.size() - 4;
    QCOMPARE(block.mid(crcAt - 2, 2), QByteArray::fromHex("0101"));
    QCOMPARE(wordAt(block, crcAt), crc32Stm(block.constData(), quint32(crcAt)));
}

s_FullSensorData junkReport(int type, quint16 partition)
{
    SensorReportFields fields;
    fields.type = type;
    fields.partition = partition;
    fields.name = "Hall";
    s_FullSensorData report = makeSensorReport(fields);
    std::memset(report.reserved64, 0x77, sizeof(report.reserved64));
    return report;
}
} // namespace

class TestWriteBack : public QObject
{
    Q_OBJECT
private slots:
    // Without a protocol the objects still seal their blocks; the simulated communicator
    // accepts exactly those blocks.
    void sealedBlocksAreAcceptedByTheDevice()
    {
        const s_FullSensorData report = junkReport(4, 1);
        Sensor sensor(7, &report);
        s_ExtMemDataSensor *block = sensor.settingsData();
        block->reserved68 = 0xDEADBEEF;
        block->reserved312 = 0xDEADBEEF;
        block->compatibleVersion = 3;
        std::memset(block->reserved316, 0x42, sizeof(block->reserved316));
        sensor.setZoneType(3);
        sensor.writeToDevice();
        const QByteArray sensorBytes = bytesOf(*block);
        QCOMPARE(wordAt(sensorBytes, 68), 0u);
        QCOMPARE(wordAt(sensorBytes, 312), 0u);
        QCOMPARE(sensorBytes.mid(316, 190), QByteArray(190, 0x42));
        QCOMPARE(sensorBytes.mid(98, 2), QByteArray::fromHex("0300"));
        verifyTrailer(sensorBytes);

        const s_FullLoopData loopReport = makeLoopReport(1, 2, "Porch");
        Loop loop(&loopReport);
        loop.writeToDevice();
        const QByteArray loopBytes = bytesOf(loop.loopData());
        verifyTrailer(loopBytes);

        LocalOut out(1);
        out.outputData()->reserved68 = 0xDEADBEEF;
        out.outputData()->reserved168 = 0xDEADBEEF;
        out.setName(QStringLiteral("Pump"));
        out.writeToDevice();
        const QByteArray outBytes = bytesOf(*out.outputData());
        QCOMPARE(wordAt(outBytes, 68), 0u);
        QCOMPARE(wordAt(outBytes, 168), 0u);
        verifyTrailer(outBytes);

        ProtocolLink link;
        QVERIFY(link.connect());
        link.protocol()->writeSensorData(7, *block);
        link.protocol()->writeLoopData(loop.loopData());
        link.protocol()->writeOutputData(1, *out.outputData());
        SimCommunicator &device = link.communicator();
        QTRY_VERIFY(device.hasRecord(0x26, 1));
        QCOMPARE(device.record(0x24, 7), sensorBytes);
        QCOMPARE(device.record(0x2D, 0), loopBytes);
        QCOMPARE(device.record(0x26, 1), outBytes);
    }

    // The same objects writing through the controller's own protocol.
    void sensorWritesThroughTheController()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        controller.overmind().deviceInfo().init(0, 0, 0, 0);
        const s_FullSensorData report = junkReport(4, 1);
        Sensor sensor(7, &report);
        sensor.setName(QStringLiteral("a\"b"));
        sensor.writeToDevice();
        SimCommunicator &device = controller.communicator();
        QTRY_VERIFY(device.hasRecord(0x24, 7));
        const QList<QByteArray> writes = device.commandsOf(0x6E);
        QCOMPARE(writes.size(), 1);
        const SentMessage sent = splitMessage(writes.first());
        QCOMPARE(sent.identifier, quint16(7));
        QCOMPARE(sent.payload, bytesOf(*sensor.settingsData()));
        QCOMPARE(sent.payload.left(5), QByteArray("a\\\"b\0", 5));
        verifyTrailer(sent.payload);
    }

    void movingASensorWritesOnlyOnAChange()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        controller.overmind().deviceInfo().init(0, 0, 0, 0);
        const s_FullSensorData report = junkReport(4, 1);
        Sensor sensor(3, &report);
        sensor.setPartition(1);
        sensor.setPartition(5);
        SimCommunicator &device = controller.communicator();
        QTRY_VERIFY(device.hasRecord(0x24, 3));
        QCOMPARE(device.commandsOf(0x6E).size(), 1);
        QCOMPARE(device.record(0x24, 3).mid(96, 2), QByteArray::fromHex("0500"));
    }

    void loopOutputAndPartitionWriteThroughTheController()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        Overmind &overmind = controller.overmind();
        overmind.deviceInfo().init(0, 0, 0, 0);
        const s_FullLoopData loopReport = makeLoopReport(1, 2, "Porch");
        Loop loop(&loopReport);
        loop.setName(QStringLiteral("Gate"));
        loop.writeToDevice();
        LocalOut out(0);
        out.setName(QStringLiteral("Siren"));
        out.writeToDevice();
        Partition partition(overmind.protocol(), 4, 1, 0);
        partition.setName(QStringLiteral("Office"));
        partition.writeToDevice();

        SimCommunicator &device = controller.communicator();
        QTRY_VERIFY(device.hasRecord(0x25, 4));
        QTRY_VERIFY(device.hasRecord(0x2D, 0));
        QTRY_VERIFY(device.hasRecord(0x26, 0));
        QCOMPARE(device.record(0x2D, 0), bytesOf(loop.loopData()));
        QCOMPARE(device.record(0x26, 0), bytesOf(*out.outputData()));
        QCOMPARE(device.record(0x25, 4), bytesOf(partition.data()));
        QCOMPARE(splitMessage(device.commandsOf(0x77).first()).identifier, quint16(0));
        QCOMPARE(splitMessage(device.commandsOf(0x70).first()).identifier, quint16(0));
    }

    void energySavingYesStoresThePartitionThenTheDevice()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        Overmind &overmind = controller.overmind();
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        overmind.storeMinimumTakeDelay(30);
        overmind.setTakeDelay(10);
        s_FullSensorData report = junkReport(6, 2);
        report.settings.privateSettings.raw[0] = 1; // energy saving on
        Sensor sensor(5, &report);
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        sensor.setPartition(3);
        QCOMPARE(boxes.count(QStringLiteral("question")), 1);
        QCOMPARE(overmind.takeDelay(), quint16(30));

        SimCommunicator &device = controller.communicator();
        QTRY_VERIFY(device.hasRecord(0x24, 5));
        QList<quint8> order;
        for (const QByteArray &command : device.commands()) {
            const quint8 operation = quint8(command.at(0));
            if (operation == 0x6E || operation == 0x6F)
                order.append(operation);
        }
        QCOMPARE(order, QList<quint8>({0x6F, 0x6E}));
        const QByteArray partition = device.record(0x25, 2);
        QCOMPARE(quint8(partition.at(150)) & 0x04, 0x04);
        QCOMPARE(device.record(0x24, 5).mid(96, 2), QByteArray::fromHex("0300"));
    }

    void valveCommands_data()
    {
        QTest::addColumn<int>("valve");
        QTest::addColumn<int>("state");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("opening: open") << 0 << 4 << QByteArray::fromHex("0000010000000000");
        QTest::newRow("open: close") << 1 << 2 << QByteArray::fromHex("0001000000000000");
        QTest::newRow("break while closing: close")
            << 0 << 6 << QByteArray::fromHex("0000000000000000");
        QTest::newRow("jamming while closing: close")
            << 1 << 8 << QByteArray::fromHex("0001000000000000");
        QTest::newRow("disabled: open") << 1 << 9 << QByteArray::fromHex("0001010000000000");
    }
    void valveCommands()
    {
        QFETCH(int, valve);
        QFETCH(int, state);
        QFETCH(QByteArray, payload);
        ControllerFixture controller;
        QVERIFY(controller.connect());
        const s_FullSensorData report = junkReport(66, 1);
        Sensor sensor(9, &report);
        sensor.sendValveCommand(uchar(valve), state);
        SimCommunicator &device = controller.communicator();
        QTRY_COMPARE(device.commandsOf(0xD9).size(), 1);
        const SentMessage sent = splitMessage(device.commandsOf(0xD9).first());
        QCOMPARE(sent.identifier, quint16(9));
        QCOMPARE(sent.payload, payload);
    }
};

QTEST_MAIN(TestWriteBack)
#include "test_write_back.moc"
