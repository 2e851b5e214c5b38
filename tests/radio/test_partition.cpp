#include "RadioLink.h"
#include "RadioReports.h"

#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/Partition.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>

namespace {
s_PartitionStatus status(quint16 mainState, quint16 currentState, quint8 qualifier = 0,
                         quint8 configurable = 0)
{
    s_PartitionStatus s;
    std::memset(&s, 0, sizeof(s));
    s.mainState = mainState;
    s.currentState = currentState;
    s.qualifier = qualifier;
    s.configurationAllowed = configurable;
    return s;
}

quint32 wordAt(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, bytes.constData() + offset, sizeof(value));
    return value;
}

QTimer *defaultNameTimer(Partition &partition)
{
    return partition.findChild<QTimer *>();
}

QByteArray filledName(const QByteArray &utf8)
{
    QByteArray field = utf8 + '\0';
    return field + QByteArray(64 - field.size(), char(0xFF));
}
} // namespace

class TestPartition : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_overmind = std::make_unique<Overmind>();
        m_overmind->deviceInfo().init(0, 0, 0, 0);
        m_link = std::make_unique<ProtocolLink>();
        QVERIFY(m_link->connect());
    }
    void cleanupTestCase()
    {
        m_link.reset();
        m_overmind.reset();
    }
    void init() { m_link->clear(); }

    void stateText_data()
    {
        QTest::addColumn<int>("mainState");
        QTest::addColumn<int>("currentState");
        QTest::addColumn<int>("qualifier");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("qualified disarmed reads as fault")
            << 8 << 5 << 0x02 << 8 << QString::fromUtf8("Неисправность");
        QTest::newRow("qualifier bit 0")
            << 8 << 0 << 0x01 << 8 << QString::fromUtf8("Неисправность");
        QTest::newRow("qualifier ignored above bit 1")
            << 8 << 22 << 0x04 << 8 << QString::fromUtf8("Раздел снят");
        QTest::newRow("current state 7 stands")
            << 8 << 7 << 0x03 << 7 << QString::fromUtf8("Ожидание квитанции");
        QTest::newRow("armed") << 16 << 0 << 0 << 16 << QString::fromUtf8("Раздел взят");
        QTest::newRow("nothing yet") << 0 << 0 << 0 << 0 << QString();
        QTest::newRow("unknown main state")
            << 2 << 8 << 0 << 2 << QStringLiteral("Unknown partition event: 2");
    }
    void stateText()
    {
        QFETCH(int, mainState);
        QFETCH(int, currentState);
        QFETCH(int, qualifier);
        QFETCH(int, state);
        QFETCH(QString, text);
        Partition partition(nullptr, 1, 1, 0);
        const s_PartitionStatus s =
            status(quint16(mainState), quint16(currentState), quint8(qualifier));
        QSignalSpy updated(&partition, &Partition::statusUpdated);
        partition.setStatus(&s);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(int(partition.state()), state);
        QCOMPARE(partition.stateText(), text);
    }

    void armingCommands_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("mainState");
        QTest::addColumn<int>("currentState");
        QTest::addColumn<bool>("lock");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("arm 5") << 5 << 8 << 0 << true << QByteArray::fromHex("51000020000000");
        QTest::newRow("disarm 5") << 5 << 16 << 0 << false << QByteArray::fromHex("52000020000000");
        QTest::newRow("arm during alarm disarms")
            << 5 << 16 << 21 << true << QByteArray::fromHex("52000020000000");
        QTest::newRow("arm during entry alarm disarms")
            << 1 << 16 << 17 << true << QByteArray::fromHex("52000002000000");
        QTest::newRow("main alarm behind a deferring state")
            << 16 << 21 << 5 << true << QByteArray::fromHex("52000000000100");
    }
    void armingCommands()
    {
        QFETCH(int, index);
        QFETCH(int, mainState);
        QFETCH(int, currentState);
        QFETCH(bool, lock);
        QFETCH(QByteArray, message);
        ProtocolLink &link = *m_link;
        Partition partition(link.protocol(), index, 1, 0);
        const s_PartitionStatus s = status(quint16(mainState), quint16(currentState));
        partition.setStatus(&s);
        partition.setLocked(lock);
        QTRY_COMPARE(link.commands().size(), 1);
        QCOMPARE(link.commands().first(), message);
    }

    void resetAsksTheDeviceForDefaults()
    {
        ProtocolLink &link = *m_link;
        Partition partition(link.protocol(), 4, 1, 0);
        partition.resetSettings();
        QTRY_COMPARE(link.commands().size(), 1);
        QCOMPARE(link.commands().first(), QByteArray::fromHex("0209000400"));
    }

    void writeBack()
    {
        ProtocolLink &link = *m_link;
        Partition partition(link.protocol(), 3, 1, 0);
        s_ExtMemDataPartition block;
        std::memset(&block, 0x5A, sizeof(block));
        block.compatibleVersion = 7;
        block.criticalVersion = 9;
        partition.setData(&block);
        QVERIFY(partition.setName(QStringLiteral("Hall")));
        partition.setNumber(3);
        partition.setTakeDelayEnabled(true);
        partition.setAutoTakeFromAlarm(false);
        partition.writeToDevice();

        QTRY_COMPARE(link.commands().size(), 1);
        const SentMessage sent = splitMessage(link.commands().first());
        QCOMPARE(sent.operation, quint8(0x6F));
        QCOMPARE(sent.identifier, quint16(3));
        QCOMPARE(sent.payload.size(), 512);
        QCOMPARE(sent.payload.left(64), filledName("Hall"));
        QCOMPARE(wordAt(sent.payload, 96), crc32Stm(sent.payload.constData(), 64));
        QCOMPARE(wordAt(sent.payload, 100), quint32(0));
        QCOMPARE(wordAt(sent.payload, 152), quint32(0));
        QCOMPARE(sent.payload.mid(140, 2), QByteArray::fromHex("0300"));
        QCOMPARE(quint8(sent.payload.at(150)), quint8((0x5A & ~0x02) | 0x04));
        // Bytes the program does not know go back as they came.
        QCOMPARE(sent.payload.mid(104, 16), QByteArray(16, 0x5A));
        QCOMPARE(sent.payload.mid(168, 338), QByteArray(338, 0x5A));
        QCOMPARE(sent.payload.mid(506, 2), QByteArray::fromHex("0101"));
        QCOMPARE(wordAt(sent.payload, 508), crc32Stm(sent.payload.constData(), 508));
    }

    void unnamedPartitionGetsItsDefaultName()
    {
        ProtocolLink &link = *m_link;
        Partition partition(link.protocol(), 3, 1, 0);
        s_ExtMemDataPartition block;
        std::memset(&block, 0, sizeof(block));
        QSignalSpy updated(&partition, &Partition::updated);
        partition.setData(&block);
        QCOMPARE(updated.count(), 1);
        QVERIFY(link.commands().isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(link.commands().size(), 1, 10000);
        const SentMessage sent = splitMessage(link.commands().first());
        QCOMPARE(sent.operation, quint8(0x6F));
        QCOMPARE(sent.payload.left(64), filledName("Partition # 03"));
        QCOMPARE(sent.payload.mid(140, 2), QByteArray::fromHex("0300"));
        QCOMPARE(partition.jsonKey(), QStringLiteral("Partition # 03"));
        QCOMPARE(partition.number(), quint16(3));
    }

    void defaultNameTimerDiesWithThePartition()
    {
        ProtocolLink &link = *m_link;
        auto partition = std::make_unique<Partition>(link.protocol(), 0, 1, 0);
        s_ExtMemDataPartition block;
        std::memset(&block, 0, sizeof(block));
        partition->setData(&block);
        partition.reset();
        // Longer than the 1000 ms the timer of partition 0 would have run.
        QTest::qWait(1500);
        QVERIFY(link.commands().isEmpty());
    }

    void nameArrivingMeanwhileIsKept()
    {
        ProtocolLink &link = *m_link;
        Partition partition(link.protocol(), 0, 1, 0);
        s_ExtMemDataPartition block;
        std::memset(&block, 0, sizeof(block));
        partition.setData(&block);
        std::memcpy(block.name, "Garage", 7);
        partition.setData(&block);
        QTest::qWait(1500);
        QVERIFY(link.commands().isEmpty());
        QCOMPARE(partition.jsonKey(), QStringLiteral("Garage"));
    }

    void defaultNameOnlyWhereANameIsKept_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("aggregate");
        QTest::addColumn<bool>("named");
        QTest::newRow("partition") << 1 << 1 << 0 << true;
        QTest::newRow("executive devices") << 0 << 0 << 0 << false;
        QTest::newRow("all devices") << 17 << 0 << 1 << false;
    }
    void defaultNameOnlyWhereANameIsKept()
    {
        QFETCH(int, index);
        QFETCH(int, kind);
        QFETCH(int, aggregate);
        QFETCH(bool, named);
        Partition partition(m_link->protocol(), index, kind, aggregate);
        s_ExtMemDataPartition block;
        std::memset(&block, 0, sizeof(block));
        partition.setData(&block);
        QCOMPARE(defaultNameTimer(partition)->isActive(), named);
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("readBack");
        const QString cyrillic = QString::fromUtf8("Ж").repeated(40);
        const QString mixed = QLatin1Char('a') + cyrillic;
        QTest::newRow("short") << "Hall" << filledName("Hall") << "Hall";
        QTest::newRow("escaped") << "x\"y" << filledName("x\\\"y") << "x\"y";
        QTest::newRow("40 cyrillic to 62 bytes")
            << cyrillic << filledName(cyrillic.left(31).toUtf8()) << cyrillic.left(31);
        QTest::newRow("letter and 40 cyrillic to 61 bytes")
            << mixed << filledName(mixed.left(31).toUtf8()) << mixed.left(31);
        QTest::newRow("62 bytes fit")
            << QString(62, QLatin1Char('p')) << filledName(QByteArray(62, 'p'))
            << QString(62, QLatin1Char('p'));
        QTest::newRow("63 bytes keep 62")
            << QString(63, QLatin1Char('p')) << filledName(QByteArray(62, 'p'))
            << QString(62, QLatin1Char('p'));
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        QFETCH(QString, readBack);
        Partition partition(nullptr, 2, 1, 0);
        QVERIFY(partition.setName(name));
        QCOMPARE(fieldBytes(partition.data().name), field);
        QCOMPARE(partition.data().nameCrc, crc32Stm(partition.data().name, 64));
        QCOMPARE(partition.jsonKey(), readBack);
    }

    void onlyRealPartitionsTakeNames()
    {
        Partition executive(nullptr, 0, 0, 0);
        Partition all(nullptr, 17, 0, 1);
        Partition halvor(nullptr, 18, 0, 1);
        QVERIFY(!executive.setName(QStringLiteral("X")));
        QVERIFY(!all.setName(QStringLiteral("X")));
        QCOMPARE(fieldBytes(executive.data().name), QByteArray(64, '\0'));
        QCOMPARE(executive.jsonKey(), QStringLiteral("Executive devices"));
        QCOMPARE(all.jsonKey(), QStringLiteral("All Devices"));
        QCOMPARE(halvor.jsonKey(), QStringLiteral("Halvor devices"));
        QVERIFY(executive.isExecutiveDevices() && !all.isExecutiveDevices());
        QVERIFY(all.isConfigurable() && !executive.isConfigurable());
    }

    void fullFieldDropsItsLastCharacter()
    {
        Partition partition(nullptr, 4, 1, 0);
        s_ExtMemDataPartition block;
        std::memset(&block, 0, sizeof(block));
        std::memset(block.name, 'k', sizeof(block.name));
        partition.setData(&block);
        QCOMPARE(partition.jsonKey(), QString(63, QLatin1Char('k')));
    }

    void controlMaskLimit_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<quint32>("read");
        QTest::newRow("beyond the partitions") << quint32(0x40000) << quint32(0);
        QTest::newRow("at the limit") << quint32(0x20000) << quint32(0x20000);
        QTest::newRow("partitions 1 and 3") << quint32(0x0A) << quint32(0x0A);
    }
    void controlMaskLimit()
    {
        QFETCH(quint32, mask);
        QFETCH(quint32, read);
        Partition partition(nullptr, 1, 1, 0);
        partition.setControlPartitions(mask);
        QCOMPARE(partition.controlPartitions(), read);
    }

    void numberAndJson()
    {
        Partition partition(nullptr, 6, 1, 0);
        partition.setNumber(0xFFFF);
        QCOMPARE(partition.number(), quint16(0));
        partition.setNumber(12);
        partition.setAutoTakeFromNotTaken(true);
        partition.setControlPartitions(0x8000);
        const QJsonObject json = partition.toJson().toObject();
        QCOMPARE(json.value("id").toInt(), 6);
        QCOMPARE(json.value("used").toInt(), 1);
        QCOMPARE(json.value("name").toString(), QStringLiteral("Partition # 06"));
        QCOMPARE(json.value("AutoTakeFromNotTakeEn").toInt(), 1);
        QCOMPARE(json.value("AutoTakeFromAlarmEn").toInt(), 0);
        QCOMPARE(json.value("TakeDelayEn").toInt(), 0);
        QCOMPARE(json.value("ControlPartitions").toInt(), 0x8000);
        QCOMPARE(json.value("num").toInt(), 12);
        QCOMPARE(json.value("settingsVersion").toObject().value("compatible").toInt(), 1);
    }

    void devices()
    {
        Partition partition(nullptr, 2, 1, 0);
        Partition all(nullptr, 17, 0, 1);
        SensorReportFields fields;
        fields.partition = 7;
        const s_FullSensorData report = makeSensorReport(fields);
        auto device = std::make_shared<Sensor>(0, &report);
        QSignalSpy added(&partition, &Partition::sensorAdded);
        QSignalSpy removed(&partition, &Partition::sensorRemoved);

        all.addSensor(device);
        QCOMPARE(device->partition(), uchar(7)); // an aggregate owns nothing
        partition.addSensor(device);
        partition.addSensor(device);
        QCOMPARE(added.count(), 1);
        QCOMPARE(partition.sensorCount(), 1);
        QCOMPARE(device->partition(), uchar(2));

        Sensor other(1, &report);
        QVERIFY(!partition.removeSensor(&other, false));
        QCOMPARE(removed.count(), 0);
        QCOMPARE(partition.removeSensor(device.get(), true), device);
        QCOMPARE(removed.count(), 0);
        partition.addSensor(device);
        QCOMPARE(partition.removeSensor(device, false), device);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(partition.sensorCount(), 0);
    }

private:
    std::unique_ptr<Overmind> m_overmind;
    std::unique_ptr<ProtocolLink> m_link;
};

QTEST_MAIN(TestPartition)
#include "test_partition.moc"
