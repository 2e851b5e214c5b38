#include "ProtocolFixture.h"

#include <QTest>

#include <functional>

using Command = std::function<void(Protocol &)>;
Q_DECLARE_METATYPE(Command)

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray loginBlock(const QByteArray &login, const QByteArray &password, char flag)
{
    QByteArray block(136, '\0');
    block.replace(0, login.size(), login);
    block.replace(64, password.size(), password);
    block[128] = flag;
    return block;
}

template <typename Record> Record recordFrom(const QByteArray &bytes)
{
    Record record;
    memcpy(&record, bytes.constData(), sizeof(Record));
    return record;
}
} // namespace

// Every command as the device receives it, through the real transport.
class TestProtocolCommands : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ProtocolFixture> m_link;

private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        m_link = std::make_unique<ProtocolFixture>();
        QVERIFY(m_link->activate());
        // Keep the device in place and quiet for commands whose answers would interfere.
        m_link->communicator.script(0xD3, {});
        m_link->communicator.script(0x23, {});
    }

    void cleanupTestCase() { m_link.reset(); }

    void commands_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray user = SimCommunicator::makeBlock(512, 4);
        const QByteArray direction = SimCommunicator::makeBlock(1536, 5);
        const QByteArray sensor = SimCommunicator::makeBlock(512, 6);
        const QByteArray loop = SimCommunicator::makeBlock(256, 7);
        const QByteArray output = SimCommunicator::makeBlock(1024, 8);
        QByteArray simControl(26, '\x11');
        simControl[0] = 3;

        // Worked examples.
        QTest::newRow("sendToDevice 0x28")
            << Command([](Protocol &p) { p.sendToDevice(e_ID_OPER(0x28)); }) << hex("280000");
        QTest::newRow("reboot") << Command([](Protocol &p) { p.reboot(); }) << hex("d3cdab");
        QTest::newRow("reset direction 3")
            << Command([](Protocol &p) { p.resetSettings(ResetDirection, 3); })
            << hex("020a000300");
        QTest::newRow("arm partition 5")
            << Command([](Protocol &p) { p.lockPartition(5); }) << hex("51000020000000");
        QTest::newRow("disarm partition 0")
            << Command([](Protocol &p) { p.unlockPartition(0); }) << hex("52000001000000");
        QTest::newRow("arm partition 37 wraps to bit 5")
            << Command([](Protocol &p) { p.lockPartition(37); }) << hex("51000020000000");
        QTest::newRow("disarm partition 31")
            << Command([](Protocol &p) { p.unlockPartition(31); }) << hex("52000000000080");
        QTest::newRow("radio test 2 on the channel")
            << Command([](Protocol &p) { p.rssiTestStart(2, 255); }) << hex("ccff000201");
        QTest::newRow("radio test stop")
            << Command([](Protocol &p) { p.rssiTestStart(1, 4, false); }) << hex("cc04000100");
        QTest::newRow("test SMS") << Command([](Protocol &p) {
            p.sendTestSMS("123456", "Hi");
        }) << hex("c90000") + "123456" + QByteArray(10, '\0') + "Hi" + QByteArray(1, '\0');
        QTest::newRow("test SMS, longest number keeps the text at byte 16")
            << Command([](Protocol &p) { p.sendTestSMS("+123456789012345", "A"); })
            << hex("c90000") + "+123456789012345" + "A" + QByteArray(1, '\0');

        // Login block.
        QTest::newRow("login") << Command([](Protocol &p) { p.login("admin", "s3cret"); })
                               << hex("010000") + loginBlock("admin", "s3cret", 0);
        QTest::newRow("login of 70 bytes cut to 64")
            << Command([](Protocol &p) { p.login(QString(70, 'L'), "pw"); })
            << hex("010000") + loginBlock(QByteArray(64, 'L'), "pw", 0);
        QTest::newRow("login, Cyrillic")
            << Command([](Protocol &p) { p.login(QString::fromUtf8("Иван"), "pw"); })
            << hex("010000") + loginBlock(QString::fromUtf8("Иван").toUtf8(), "pw", 0);
        QTest::newRow("forgotten password")
            << Command([](Protocol &p) { p.forgotPassword("admin"); })
            << hex("010000") + loginBlock("admin", "", 1);

        // Record writes.
        QTest::newRow("user from file") << Command([user](Protocol &p) {
            p.writeUserSettings(2, recordFrom<s_ExtMemDataUser>(user), true);
        }) << hex("790200") + user + hex("0100000000000000");
        QTest::newRow("user from a page") << Command([user](Protocol &p) {
            p.writeUserSettings(2, recordFrom<s_ExtMemDataUser>(user), false);
        }) << hex("790200") + user + QByteArray(8, '\0');
        QTest::newRow("direction") << Command([direction](Protocol &p) {
            p.writeDirection(9, recordFrom<s_ExtMemDataGSMDirection>(direction), true);
        }) << hex("7c0900") + direction + hex("0100000000000000");
        QTest::newRow("sensor") << Command([sensor](Protocol &p) {
            p.writeSensorData(3, recordFrom<s_ExtMemDataSensor>(sensor));
        }) << hex("6e0300") + sensor;
        QTest::newRow("sensor forced") << Command([sensor](Protocol &p) {
            p.writeSensorDataForced(3, recordFrom<s_ExtMemDataSensor>(sensor));
        }) << hex("7f0300") + sensor;
        QTest::newRow("loop") << Command([loop](Protocol &p) {
            p.writeLoopData(recordFrom<s_ExtMemDataLoop>(loop));
        }) << hex("770000") + loop;
        QTest::newRow("output") << Command([output](Protocol &p) {
            p.writeOutputData(1, recordFrom<s_ExtMemDataOutput>(output));
        }) << hex("700100") + output;
        QTest::newRow("date and time") << Command([](Protocol &p) {
            u_DateSTM32F4xx d;
            d.value = 0x26120401;
            u_TimeSTM32F4xx t;
            t.value = 0x00153000;
            p.writeDateTime(d, t);
        })
                                       << hex("640000"
                                              "01041226"
                                              "00301500");
        QTest::newRow("SIM control") << Command([simControl](Protocol &p) {
            p.sendSimControl(recordFrom<s_SimcardControl>(simControl));
        }) << hex("d40000") + simControl;

        // Firmware.
        QTest::newRow("read firmware part 16")
            << Command([](Protocol &p) { p.readFirmwareVersion(16); }) << hex("341000");
        QTest::newRow("read firmware part 16 for a sensor")
            << Command([](Protocol &p) { p.readFirmwareVersion(16, 255); }) << hex("341000ff00");
        QTest::newRow("erase flash")
            << Command([](Protocol &p) { p.eraseFlash(3); }) << hex("c20300");
        QTest::newRow("write firmware")
            << Command([](Protocol &p) { p.writeFirmware(4, "abc"); }) << hex("bf0400616263");
        QTest::newRow("write firmware, empty Web start")
            << Command([](Protocol &p) { p.writeFirmware(20, QByteArray()); }) << hex("bf1400");
        QTest::newRow("update core")
            << Command([](Protocol &p) { p.updateCore(); }) << hex("c00400");
        QTest::newRow("update boot loader")
            << Command([](Protocol &p) { p.updateBootLoader(); }) << hex("c00600");
        QTest::newRow("update radio")
            << Command([](Protocol &p) { p.updateRadio(); }) << hex("c00800");
        QTest::newRow("update sensor 7")
            << Command([](Protocol &p) { p.updateSensor(7); }) << hex("c009000700");
        QTest::newRow("update Web")
            << Command([](Protocol &p) { p.updateWeb("xy"); }) << hex("c016007879");
        QTest::newRow("stop update")
            << Command([](Protocol &p) { p.stopSensorUpdate(); }) << hex("c10000");
        QTest::newRow("read firmware back")
            << Command([](Protocol &p) { p.readFirmware(2); }) << hex("be0200");

        // Other families.
        QTest::newRow("logout") << Command([](Protocol &p) { p.logout(); }) << hex("050000");
        QTest::newRow("factory reset")
            << Command([](Protocol &p) { p.factoryReset(); }) << hex("020000");
        QTest::newRow("reset GSM")
            << Command([](Protocol &p) { p.resetSettings(ResetGSM); }) << hex("020800");
        QTest::newRow("read all settings")
            << Command([](Protocol &p) { p.readAllSettings(); }) << hex("230000");
        QTest::newRow("read sensor 0x1234")
            << Command([](Protocol &p) { p.readSensorData(0x1234); }) << hex("243412");
        QTest::newRow("delete key 63")
            << Command([](Protocol &p) { p.deleteIButton(63); }) << hex("963f00");
        QTest::newRow("enrolment on")
            << Command([](Protocol &p) { p.enableConfig(true); }) << hex("b40100");
        QTest::newRow("enrolment off")
            << Command([](Protocol &p) { p.enableConfig(false); }) << hex("b40000");
        QTest::newRow("repeater for sensor 4")
            << Command([](Protocol &p) { p.setRetranslatorForSensor(4, 9); }) << hex("5304000900");
        QTest::newRow("journal from 300")
            << Command([](Protocol &p) { p.readJournalFromIndex(300); }) << hex("362c01");
        QTest::newRow("balance of SIM 1")
            << Command([](Protocol &p) { p.balanceRequest(1); }) << hex("150100");
    }

    void commands()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, expected);
        SimCommunicator &device = m_link->communicator;
        device.clearCommands();

        command(*m_link->protocol);

        QTRY_COMPARE(device.commands().size(), 1);
        QCOMPARE(device.commands().first().toHex(), expected.toHex());
    }

    void blockedStatusReadingSkipsOnlyEthernet()
    {
        SimCommunicator &device = m_link->communicator;
        device.clearCommands();
        m_link->protocol->setBlockStatusReading(true);
        m_link->protocol->readEthernetData();
        m_link->protocol->readDeviceData();
        m_link->protocol->setBlockStatusReading(false);
        m_link->protocol->readEthernetData();
        QTRY_COMPARE(device.commands().size(), 2);
        QCOMPARE(device.commands().at(0).toHex(), QByteArray("2b0000"));
        QCOMPARE(device.commands().at(1).toHex(), QByteArray("3d0000"));
    }

    // Commands reach the device in the order they were given.
    void orderIsKept()
    {
        SimCommunicator &device = m_link->communicator;
        device.clearCommands();
        for (quint16 id = 0; id < 20; ++id)
            m_link->protocol->readPartitionStatus(id);
        QTRY_COMPARE(device.commands().size(), 20);
        for (quint16 id = 0; id < 20; ++id)
            QCOMPARE(quint8(device.commands().at(id).at(1)), quint8(id));
    }
};

QTEST_MAIN(TestProtocolCommands)
#include "test_protocol_commands.moc"
