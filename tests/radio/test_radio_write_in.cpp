#include "RadioLink.h"

#include "app/DeviceTypeNames.h"
#include "app/Intervals.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/SensorFileObject.h"
#include "sim/LogCapture.h"
#include "sim/SimRadioConfiguration.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QHash>
#include <QJsonArray>
#include <QTest>
#include <cstring>

namespace {
using Config = SimRadioConfiguration;
constexpr int DeviceTimeout = 30000;

QString blockName(const QByteArray &block)
{
    return QString::fromUtf8(block.left(64).constData());
}

QJsonObject withName(QJsonObject object, const QString &name)
{
    object.insert("name", name);
    return object;
}

// The whole radio configuration of the simulated device in the controller's model.
bool waitForRadioModel(PartitionModel *model)
{
    return QTest::qWaitFor(
        [model] {
            return model && model->sensors().size() == Config::devices().size() && model->loop() &&
                   model->localOut(0) && model->localOut(1);
        },
        DeviceTimeout);
}
} // namespace

class TestRadioWriteIn : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initDeviceTypeNames(); }

    void loginFillsTheModelFromTheFullRead()
    {
        Intervals::keepAliveMs = 300;
        ModalRecorder boxes;
        RadioSession session(true);
        QVERIFY(session.logIn());
        Overmind *overmind = session.overmind();
        QTRY_VERIFY_WITH_TIMEOUT(overmind->isSettingsLoaded(), 60000);

        PartitionModel *model = overmind->partitionModel();
        QVERIFY(waitForRadioModel(model));
        for (int i = 1; i < Config::PartitionCount; ++i)
            QCOMPARE(model->partition(i)->jsonKey(), Config::partitionName(i));
        for (const Config::Device &expected : Config::devices()) {
            const Sensor::SPtr device = model->sensor(expected.id);
            QVERIFY(device);
            QCOMPARE(device->type(), expected.type);
            QCOMPARE(device->jsonKey(), expected.name.left(63));
            QVERIFY(model->partition(expected.partition)->sensors().contains(device));
            // The settings block followed the announcement.
            const s_ExtMemDataSensor block = Config::sensorBlock(expected);
            QCOMPARE(std::memcmp(device->settingsData(), &block, sizeof(block)), 0);
        }
        QCOMPARE(model->loop()->jsonKey(), QString::fromUtf8("Шлейф двери"));
        QCOMPARE(model->localOut(0)->jsonKey(), QString::fromUtf8("Сирена"));
        QCOMPARE(model->localOut(1)->outputStatus().faultState, quint16(3));
        QVERIFY(!model->sensor(4)->isInTouch());
    }

    // A file written into the device: the old devices are deleted first, then the file's
    // detectors are written before its executive devices, and the device ends up holding
    // exactly the file's radio configuration.
    void writeInDeletesFirstAndWritesDetectorsBeforeExecutiveDevices()
    {
        ModalRecorder boxes;
        LogCapture log;
        ControllerFixture controller;
        QVERIFY(controller.connect());
        Overmind &overmind = controller.overmind();
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        PartitionModel *model = overmind.partitionModel();
        SimCommunicator &device = controller.communicator();
        Config::install(device);
        overmind.protocol()->readAllSettings();
        QVERIFY(waitForRadioModel(model));

        const QJsonObject sections = model->toJson().toObject();
        QJsonArray sensors;
        QHash<int, QJsonObject> fileDevices;
        for (const QJsonValue &value : sections.value("Sensors").toArray()) {
            QJsonObject object = value.toObject();
            const int id = object.value("id").toInt();
            if (id == 4 || id == 5)
                continue;
            if (id == 0)
                object = withName(object, "Front door");
            sensors.append(object);
            fileDevices.insert(id, object);
        }
        QJsonObject added{{"id", 40},        {"name", "New"},          {"bType", 4},
                          {"dwSerial", 999}, {"Partition", 2},         {"ZoneType", 2},
                          {"Enable", 1},     {"sensor", QJsonObject()}};
        sensors.append(added);
        fileDevices.insert(40, added);
        QJsonArray partitions = sections.value("Partition").toArray();
        partitions[2] = withName(partitions[2].toObject(), "Stock");
        QJsonArray loops = sections.value("Loop").toArray();
        loops[0] = withName(loops[0].toObject(), "Gate");
        QJsonArray outputs = sections.value("Output").toArray();
        outputs[0] = withName(outputs[0].toObject(), "Horn");

        device.clearCommands();
        model->fromJson(partitions, 2);
        QVERIFY(model->loadSensorsFromJson(sensors));
        QVERIFY(model->loadLoopFromJson(loops));
        QVERIFY(model->loadLocalOutsFromJson(outputs));

        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0x6E).size(), fileDevices.size(),
                                  DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0x70).size(), 2, DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0x77).size(), 1, DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0x6F).size(), Config::PartitionCount,
                                  DeviceTimeout);

        // Deletions of every old device come before the first write.
        const QList<QByteArray> commands = device.commands();
        int lastDeletion = -1;
        int firstWrite = commands.size();
        QList<int> deleted;
        QList<int> writeOrder;
        for (int i = 0; i < commands.size(); ++i) {
            const SentMessage sent = splitMessage(commands.at(i));
            if (sent.operation == 0x97) {
                lastDeletion = i;
                deleted << sent.identifier;
            } else if (sent.operation == 0x6E) {
                firstWrite = qMin(firstWrite, i);
                writeOrder << sent.identifier;
            }
        }
        QVERIFY(lastDeletion < firstWrite);
        QCOMPARE(deleted.size(), Config::devices().size());

        bool executiveSeen = false;
        for (int id : writeOrder) {
            const QJsonObject object = fileDevices.value(id);
            const bool executive =
                object.value("Partition").toInt() == 0 || object.value("bType").toInt() == 66;
            QVERIFY2(!(executiveSeen && !executive), qPrintable(QString::number(id)));
            executiveSeen = executiveSeen || executive;
        }
        QVERIFY(executiveSeen);
        QTRY_VERIFY(log.contains("Saving Executable sensor"));
        const QStringList lines = log.lines();
        int lastDetector = -1;
        int firstExecutive = lines.size();
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).contains("Saving sensor: "))
                lastDetector = i;
            if (lines.at(i).contains("Saving Executable sensor: "))
                firstExecutive = qMin(firstExecutive, i);
        }
        QVERIFY(lastDetector < firstExecutive);

        // The device now holds the file's devices and nothing else.
        for (auto it = fileDevices.cbegin(); it != fileDevices.cend(); ++it) {
            QTRY_VERIFY(!device.record(0x24, quint16(it.key())).isEmpty());
            s_FullSensorData report;
            int id = 0;
            QVERIFY(SensorFileObject::reportFromJson(it.value(), report, id));
            const QByteArray held = device.record(0x24, quint16(it.key()));
            QCOMPARE(held.left(64), QByteArray(reinterpret_cast<const char *>(report.name), 64));
            QCOMPARE(held.mid(72, 240),
                     QByteArray(reinterpret_cast<const char *>(&report.settings), 240));
        }
        QVERIFY(device.record(0x24, 4).isEmpty());
        QVERIFY(device.record(0x24, 5).isEmpty());
        QCOMPARE(blockName(device.record(0x24, 0)), QStringLiteral("Front door"));
        QCOMPARE(blockName(device.record(0x2D, 0)), QStringLiteral("Gate"));
        QCOMPARE(blockName(device.record(0x26, 0)), QStringLiteral("Horn"));
        QCOMPARE(blockName(device.record(0x25, 2)), QStringLiteral("Stock"));

        // The device's deletion answers do not take the file's devices away again.
        QTRY_COMPARE_WITH_TIMEOUT(log.count("Sensor was deleted by external command"),
                                  Config::devices().size(), DeviceTimeout);
        QCOMPARE(model->sensors().size(), fileDevices.size());
        QCOMPARE(model->sensor(0)->jsonKey(), QStringLiteral("Front door"));
        QCOMPARE(model->allDevicesPartition()->sensorCount(), fileDevices.size() + 1 + 2);
    }
};

QTEST_MAIN(TestRadioWriteIn)
#include "test_radio_write_in.moc"
