#include "app/ConfigFile.h"
#include "app/DeviceTypeNames.h"
#include "app/Overmind.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/SensorFileObject.h"
#include "sim/LogCapture.h"
#include "sim/SimRadioConfiguration.h"
#include "support/ModalRecorder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
using Config = SimRadioConfiguration;

template <typename Record> QByteArray bytesOf(const Record &record, int from, int to)
{
    return QByteArray(reinterpret_cast<const char *>(&record) + from, to - from);
}

// The bytes of a device's block that a configuration file carries: the name and the
// settings; the name check and everything from byte 312 on are the device's own.
QByteArray carriedBytes(const s_ExtMemDataSensor &block)
{
    return bytesOf(block, 0, 64) + bytesOf(block, 72, 312);
}

// JSON written with single quotes, which read better inside C++ strings.
QByteArray json(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

QJsonObject parse(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// Fills a model the way the device's answers do.
void feedSimulatedConfiguration(PartitionModel &model)
{
    for (int i = 0; i < Config::PartitionCount; ++i) {
        model.setPartitionStatus(quint16(i), Config::partitionStatus(i));
        model.setPartitionData(quint16(i), Config::partitionBlock(i));
    }
    for (const Config::Device &device : Config::devices()) {
        model.setFullSensorData(quint16(device.id), Config::sensorReport(device));
        model.setSensorData(quint16(device.id), Config::sensorBlock(device));
    }
    model.setFullLoopData(Config::loopReport());
    model.setLoopData(Config::loopBlock());
    for (int index = 0; index < 2; ++index)
        model.setOutData(quint16(index), Config::outputBlock(index));
}

void readFormat2(PartitionModel &model, const QJsonObject &document)
{
    model.fromJson(document.value("Partition"), 2);
    model.loadSensorsFromJson(document.value("Sensors"));
    model.loadLoopFromJson(document.value("Loop"));
    model.loadLocalOutsFromJson(document.value("Output"));
}
} // namespace

class TestRadioFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initDeviceTypeNames(); }

    void init()
    {
        m_overmind = std::make_unique<Overmind>();
        m_overmind->deviceInfo().init(0, 0, 0, 0);
        m_overmind->createSettingsObjects(true);
    }

    void cleanup() { m_overmind.reset(); }

    // A model built from the simulated device, saved as a format-2 file and viewed in a
    // fresh model, holds the same records.
    void savedFileViewsAsTheDevice()
    {
        ModalRecorder boxes;
        PartitionModel *device = m_overmind->partitionModel();
        feedSimulatedConfiguration(*device);
        QCOMPARE(device->sensors().size(), Config::devices().size());

        QHash<int, QByteArray> blocks;
        QSet<int> types;
        for (const Sensor::SPtr &sensor : device->sensors()) {
            blocks.insert(sensor->id(), carriedBytes(*sensor->settingsData()));
            types.insert(sensor->type());
        }
        const auto *loop = static_cast<Loop *>(device->loop().get());
        const QByteArray loopName = bytesOf(loop->loopData(), 0, 64);
        const QByteArray loopSettings = bytesOf(loop->loopData().settings, 0, 72);
        QByteArray outputs[2];
        for (int i = 0; i < 2; ++i) {
            const s_ExtMemDataOutput &block = *device->localOut(i)->outputData();
            outputs[i] = bytesOf(block, 0, 64) + bytesOf(block, 72, 168);
        }
        QStringList partitionNames = device->partitionNames(true);

        QTemporaryDir dir;
        const QString path = dir.filePath("radio.json");
        ConfigFile saved;
        QJsonObject document = device->toJson().toObject();
        document.insert("Version", "2.0");
        saved.setObject(document);
        QVERIFY(saved.save(path));

        ConfigFile file;
        QCOMPARE(file.load(path), int(ConfigFile::Loaded));
        m_overmind->setViewingMode(true);
        PartitionModel viewed(nullptr);
        readFormat2(viewed, file.object());

        QCOMPARE(viewed.sensors().size(), blocks.size());
        for (const Sensor::SPtr &sensor : viewed.sensors()) {
            const QByteArray expected = blocks.value(sensor->id());
            const QByteArray actual = carriedBytes(*sensor->settingsData());
            if (actual != expected)
                qWarning() << "device" << sensor->id() << "type" << sensor->type() << "\n"
                           << expected.toHex() << "\n"
                           << actual.toHex();
            QCOMPARE(actual, expected);
            QVERIFY(!sensor->isInTouch());
        }
        QVERIFY(types.contains(65) && types.contains(66) && types.contains(19));

        const auto *viewedLoop = static_cast<Loop *>(viewed.loop().get());
        QVERIFY(viewedLoop);
        QCOMPARE(bytesOf(viewedLoop->loopData(), 0, 64), loopName);
        QCOMPARE(bytesOf(viewedLoop->loopData().settings, 0, 72), loopSettings);
        for (int i = 0; i < 2; ++i) {
            const s_ExtMemDataOutput &block = *viewed.localOut(i)->outputData();
            QCOMPARE(bytesOf(block, 0, 64) + bytesOf(block, 72, 168), outputs[i]);
        }
        QCOMPARE(viewed.partitionNames(true), partitionNames);
        QCOMPARE(viewed.partition(3)->takeDelayEnabled(), device->partition(3)->takeDelayEnabled());
        QCOMPARE(viewed.partition(1)->controlPartitions(), quint32(0x06));
    }

    void deviceObjectsReadAsWritten_data()
    {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<int>("offset"); // in the block; -1: no device
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty slot")
            << (json("{'id':1,'bType':0,'dwSerial':5}")) << -1 << QByteArray();
        QTest::newRow("no serial") << (json("{'id':1,'bType':4}")) << -1 << QByteArray();
        QTest::newRow("id beyond the device")
            << (json("{'id':100,'bType':4,'dwSerial':5}")) << -1 << QByteArray();
        QTest::newRow("hardware 0 reads as 1")
            << (json("{'id':1,'bType':4,'dwSerial':5,'HardwareVersion':0}")) << 76
            << QByteArray::fromHex("0100");
        QTest::newRow("unsigned serial") << (json("{'id':1,'bType':4,'dwSerial':4000000000}")) << 72
                                         << QByteArray::fromHex("00286bee");
        QTest::newRow("fire temperature default")
            << (json("{'id':1,'bType':2,'dwSerial':5,'sensor':{}}")) << 120 + 9
            << QByteArray::fromHex("003c");
        QTest::newRow("water meter in litres")
            << (json("{'id':1,'bType':13,'dwSerial':5,'sensor':{'ColdWaterVolumeM3ToPulse':5000}}"))
            << 120 << QByteArray::fromHex("05000000");
        QTest::newRow("unsigned mask")
            << (json(
                   "{'id':1,'bType':11,'dwSerial':5,'sensor':{'ControlledPartitions':4294967295}}"))
            << 120 << QByteArray::fromHex("ffffffff");
        QTest::newRow("fractional pulse volume")
            << (json("{'id':1,'bType':19,'dwSerial':5,'sensor':{'WaterVolumeM3ToPulse':0.5}}"))
            << 120 << QByteArray::fromHex("0000003f");
        QTest::newRow("messages")
            << (json("{'id':1,'bType':65,'dwSerial':5,'sensor':{'messages':[258,65535]}}"))
            << 120 + 8 << QByteArray::fromHex("0201ffff");
        QTest::newRow("large leak mask")
            << (json("{'id':1,'bType':66,'dwSerial':5,'sensor':{'usedDzSensors':[0,8589934592]}}"))
            << 120 + 8 << QByteArray::fromHex("0000000002000000");
        // Output 0 was absent when written: the element names output 1.
        QTest::newRow("output placed by its id")
            << (json("{'id':1,'bType':7,'dwSerial':5,'sensor':{'outs':[{'id':1,'Mode':2}]}}"))
            << 120 + 88 << QByteArray::fromHex("ffff");
        QTest::newRow("output 1 mode")
            << (json("{'id':1,'bType':7,'dwSerial':5,'sensor':{'outs':[{'id':1,'Mode':2}]}}"))
            << 120 + 96 + 88 << QByteArray::fromHex("0200");
        QTest::newRow("name kept escaped")
            << (json("{'id':1,'bType':4,'dwSerial':5,'name':'A\\'\\\\'}")) << 0
            << QByteArray("A\\\"\\\\\0\xff", 7);
    }

    void deviceObjectsReadAsWritten()
    {
        QFETCH(QByteArray, object);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        LogCapture log;
        m_overmind->setViewingMode(true);
        PartitionModel model(nullptr);
        const QJsonObject parsed = QJsonDocument::fromJson(object).object();
        QVERIFY(!parsed.isEmpty());
        QVERIFY(model.loadSensorsFromJson(QJsonArray{parsed}));
        const Sensor::SPtr sensor = model.sensor(1);
        if (offset < 0) {
            QVERIFY(model.sensors().isEmpty());
            return;
        }
        QVERIFY(sensor);
        const auto *block = reinterpret_cast<const char *>(sensor->settingsData());
        QCOMPARE(QByteArray(block + offset, bytes.size()).toHex(), bytes.toHex());
        // What is read writes back the same way.
        PartitionModel again(nullptr);
        QVERIFY(again.loadSensorsFromJson(QJsonArray{sensor->toJson()}));
        QCOMPARE(carriedBytes(*again.sensor(1)->settingsData()),
                 carriedBytes(*sensor->settingsData()));
    }

    void zeroSerialIsRefusedWithAWarning()
    {
        LogCapture log;
        m_overmind->setViewingMode(true);
        PartitionModel model(nullptr);
        model.parseSensorJsonObj(parse(json("{'id':1,'bType':4,'dwSerial':0}")));
        QVERIFY(model.sensors().isEmpty());
        QTRY_VERIFY(log.contains("Sensor CRC is broken"));
    }

    void partitionTargets()
    {
        m_overmind->setViewingMode(true);
        PartitionModel model(nullptr);
        model.fromJson(QJsonArray{parse(json("{'id':17,'name':'Exec','num':3}")),
                                  parse(json("{'name':'By number','num':4}")),
                                  parse(json("{'id':20,'name':'Too far'}")),
                                  parse(json("{'id':257,'name':'Folded'}")),
                                  parse(json("{'id':1,'name':'Office','TakeDelayEn':1}"))},
                       2);
        QCOMPARE(model.partition(0)->number(), quint16(3));
        QCOMPARE(model.partition(4)->jsonKey(), QStringLiteral("By number"));
        QCOMPARE(model.partition(1)->jsonKey(), QStringLiteral("Office"));
        QVERIFY(model.partition(1)->takeDelayEnabled());
        for (int i = 2; i < model.partitionCount(); ++i)
            QVERIFY(model.partition(i)->jsonKey() != QStringLiteral("Too far") &&
                    model.partition(i)->jsonKey() != QStringLiteral("Folded"));
    }

    void loopAndOutputSections()
    {
        m_overmind->setViewingMode(true);
        PartitionModel model(nullptr);
        QVERIFY(!model.loadLoopFromJson(parse(json("{'name':'Loop'}"))));
        QVERIFY(!model.loadLoopFromJson(QJsonArray()));
        QVERIFY(!model.loop());
        QVERIFY(!model.loadLocalOutsFromJson(parse(json("{'id':0}"))));

        QVERIFY(model.loadLoopFromJson(QJsonArray{
            parse(json("{'id':125,'name':'Door','Enable':1,'Partition':3,'ZoneType':2}"))}));
        QVERIFY(model.loop());
        QCOMPARE(model.loop()->jsonKey(), QStringLiteral("Door"));
        QVERIFY(model.partition(3)->sensors().contains(model.loop()));

        // The only element names output 1; output 0 stays away.
        QVERIFY(model.loadLocalOutsFromJson(
            QJsonArray{parse(json("{'id':1,'name':'Pump','Mode':3,'IntTempRef':-7,'Ref':9}"))}));
        QVERIFY(!model.localOut(0));
        QVERIFY(model.localOut(1));
        QCOMPARE(model.localOut(1)->outputData()->mode.IntTempRef, qint16(-7));
        QCOMPARE(model.localOut(1)->jsonKey(), QStringLiteral("Pump"));
        QVERIFY(model.loadLocalOutsFromJson(QJsonArray{parse(json("{'id':0,'Ref':9}"))}));
        QCOMPARE(model.localOut(0)->outputData()->mode.IntTempRef, qint16(9));
    }

    void energySavingInTheFile()
    {
        const auto with = [](int mode) {
            return QJsonArray{parse(json("{'sensor':{}}")),
                              QJsonObject{{"sensor", QJsonObject{{"EnergySaveMode", mode}}}}};
        };
        QVERIFY(PartitionModel::jsonHasEnergySaveSensor(with(1)));
        QVERIFY(!PartitionModel::jsonHasEnergySaveSensor(with(2)));
        QVERIFY(!PartitionModel::jsonHasEnergySaveSensor(with(0)));
        QVERIFY(!PartitionModel::jsonHasEnergySaveSensor(QJsonValue()));
    }

    void format1FileViewsWithDevicesLoopAndOutputs()
    {
        ModalRecorder boxes;
        m_overmind->setViewingMode(true);
        PartitionModel model(nullptr);
        const QJsonObject document = parse(json(
            "{'Partition':["
            "{'Name':'Executive','Number':0,'id':0,'Sensors':["
            "{'Type':1,'Id':7,'Label':'Relay','Partition':0,'ZoneType':1,"
            "'CoordDatabType':7,'CoordDatabdwSerial':70,'CoordDatabSWVer':258,"
            "'ExtraData':'AQAAAAIAAAA='},"
            "{'Type':0,'Outs':[{'index':0,'Name':'Siren','Mode':1,'OutMaskFireMask':-1,'Ref':4},"
            "{'index':1,'Name':'Pump','Mode':3}]}]},"
            "{'Name':'Office','Number':1,'AutoTake':true,'TakeDelay':true,'Sensors':["
            "{'Type':1,'Id':2,'Label':'Door','Bell':true,'Enabled':true,'Partition':1,"
            "'ZoneType':2,'CoordDatabType':4,'CoordDatabdwSerial':20},"
            "{'Type':9,'Name':'Loop','Bell':true,'Enabled':true,'Partition':1,'ZoneType':2}]}]}"));
        QVERIFY(model.fromJson(document, 1));

        QCOMPARE(model.sensors().size(), 2);
        const Sensor::SPtr door = model.sensor(2);
        QVERIFY(door);
        QCOMPARE(door->jsonKey(), QStringLiteral("Door"));
        QVERIFY(door->bellEnabled() && door->isEnabled());
        QVERIFY(model.partition(1)->sensors().contains(door));
        const Sensor::SPtr relay = model.sensor(7);
        QCOMPARE(relay->type(), 7);
        QCOMPARE(relay->settingsData()->settings.privateSettings.raw[4], quint8(2));
        QCOMPARE(relay->settingsData()->settings.firmwareMajor, quint8(1));
        QVERIFY(model.partition(0)->sensors().contains(relay));

        QVERIFY(model.loop());
        QCOMPARE(model.loop()->jsonKey(), QStringLiteral("Loop"));
        QVERIFY(model.loop()->bellEnabled());
        QVERIFY(model.localOut(0) && model.localOut(1));
        QCOMPARE(model.localOut(0)->outputData()->mode.FireMask, 0xFFFFFFFFu);
        QCOMPARE(model.localOut(0)->outputData()->mode.IntTempRef, qint16(4));
        QCOMPARE(model.localOut(1)->jsonKey(), QStringLiteral("Pump"));

        QCOMPARE(model.partition(1)->jsonKey(), QStringLiteral("Office"));
        QVERIFY(model.partition(1)->autoTakeFromNotTaken());
        QVERIFY(model.partition(1)->takeDelayEnabled());
    }

private:
    std::unique_ptr<Overmind> m_overmind;
};

QTEST_MAIN(TestRadioFile)
#include "test_radio_file.moc"
