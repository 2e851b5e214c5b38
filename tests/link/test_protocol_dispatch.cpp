#include "AnswerBuilder.h"
#include "SignalLog.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace AnswerBuilder;

namespace {
// Old channel layout (firmware before 1.2) turned into the 136-byte record by hand.
QByteArray oldChannelStatus()
{
    QByteArray payload = pattern(88, 4);
    payload.replace(80, 6, QByteArray::fromHex("010002000304"));
    return payload;
}

QByteArray convertedOldChannelStatus()
{
    const QByteArray old = oldChannelStatus();
    QByteArray record(136, '\0');
    for (int i = 0; i < 10; ++i)
        record.replace(i * 12, 8, old.mid(i * 8, 8));
    record.replace(128, 6, QByteArray::fromHex("010002000304"));
    return record;
}

QByteArray wideChannelStatus()
{
    QByteArray payload = pattern(208, 6);
    payload.replace(192, 14,
                    QByteArray::fromHex("11223344"
                                        "55667788"
                                        "9900"
                                        "aabb"
                                        "cc"
                                        "dd"));
    return payload;
}

QByteArray convertedWideChannelStatus()
{
    QByteArray record(136, '\0');
    record.replace(0, 120, wideChannelStatus().left(120));
    record.replace(120, 14,
                   QByteArray::fromHex("11223344"
                                       "55667788"
                                       "9900"
                                       "aabb"
                                       "cc"
                                       "dd"));
    return record;
}

QByteArray wirelessStatus(quint8 flags)
{
    QByteArray payload = pattern(36, 2);
    payload[24] = char(flags);
    return payload;
}
} // namespace

class TestProtocolDispatch : public QObject
{
    Q_OBJECT
private:
    Logger *m_logger = nullptr;
    Protocol *m_protocol = nullptr;
    DeviceLayout m_layout;

    QStringList linesAt(const QSignalSpy &spy, logLevel_t level) const
    {
        QStringList lines;
        for (const QList<QVariant> &args : spy)
            if (args.at(1).value<logLevel_t>() == level)
                lines << args.at(2).toString();
        return lines;
    }

    static void row(const char *name, const QByteArray &message, const QStringList &expected,
                    const QByteArray &record = QByteArray(), int version = 0x0200,
                    int execution = 0)
    {
        QTest::newRow(name) << message << version << execution << expected << record;
    }

private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        Protocol::registerMetaTypes();
    }

    void init()
    {
        m_logger = new Logger(this);
        // The size log of every construction would drown the test output.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_protocol = new Protocol(nullptr, this);
        QLoggingCategory::setFilterRules(QString());
        m_layout = DeviceLayout();
        m_protocol->setDeviceLayoutSource([this] { return m_layout; });
    }

    void cleanup()
    {
        delete m_protocol;
        delete m_logger;
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("execution");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QByteArray>("record");

        row("login 01 00 00 05 02", QByteArray::fromHex("0100000502"), {"loginStatus(0,5,2)"});
        row("debug journal entry", message(0x04, 3, pattern(64)), {"debugJournalEntry(3,rec)"},
            pattern(64));
        row("login required", message(0x05, 9), {"loginRequired(9)"});
        row("sensor status", message(0x0A, 4, pattern(104)), {"sensorStatus(4,rec)"}, pattern(104));
        row("partition status", message(0x0B, 2, pattern(8)), {"partitionStatus(2,rec)"},
            pattern(8));
        row("output status", message(0x0C, 1, pattern(16)), {"outputStatus(1,rec)"}, pattern(16));
        row("wireless status, enrolment on", message(0x0D, 0, wirelessStatus(0x03)),
            {"wirelessStatus(rec)", "addSensorsStatus(true)"}, wirelessStatus(0x03));
        row("wireless status, enrolment off", message(0x0D, 0, wirelessStatus(0x02)),
            {"wirelessStatus(rec)", "addSensorsStatus(false)"});
        row("supply execution 0", message(0x0E, 0, pattern(48)), {"supplyStatusIsp0(rec)"},
            pattern(48), 0x0200, 0);
        row("supply execution 1", message(0x0E, 0, pattern(92)), {"supplyStatusIsp1(rec)"},
            pattern(92), 0x0200, 1);
        row("supply execution 2", message(0x0E, 0, pattern(92)), {"supplyStatusIsp2(rec)"},
            pattern(92), 0x0200, 2);
        row("supply unknown execution", message(0x0E, 0, pattern(92)), {}, {}, 0x0200, 3);
        row("device status", message(0x0F, 0, pattern(40)), {"deviceStatus(rec)"}, pattern(40));
        row("date and time", message(0x10, 0, QByteArray::fromHex("2601250912304500")),
            {"dateTimeData(rec,rec)"}, QByteArray::fromHex("26012509"));
        row("sensor full data", message(0x11, 6, pattern(424)), {"sensorFullData(6,rec)"},
            pattern(424));
        row("loop status", message(0x12, 0, pattern(24)), {"loopStatus(rec)"}, pattern(24));
        row("full loop data", message(0x13, 0, sealed(168, 164)), {"loopFullData(rec)"},
            sealed(168, 164));
        row("full loop data broken: handed on unchanged",
            message(0x13, 0, broken(sealed(168, 164))), {"loopFullData(rec)"},
            broken(sealed(168, 164)));
        row("GSM status, version 1.5", message(0x14, 0, pattern(48)), {"gsmStatusOld(rec)"},
            pattern(48), 0x0105);
        row("GSM status, version 2.0", message(0x14, 0, pattern(48)), {"gsmStatus(rec)"},
            pattern(48), 0x0200);
        row("SIM card, version 1", message(0x16, 1, pattern(72)), {"updateGSMSimCardOld(1,rec)"},
            pattern(72), 0x0101);
        row("SIM card, version 2", message(0x16, 1, pattern(96)), {"updateGSMSimCard(1,rec)"},
            pattern(96), 0x0200);
        row("SIM card, version 2 with the short layout", message(0x16, 1, pattern(72)), {}, {},
            0x0200);
        row("channel status, firmware 1.1", message(0x17, 0, oldChannelStatus()),
            {"channelStatus(rec)"}, convertedOldChannelStatus(), 0x0101, 0);
        row("channel status, execution 1", message(0x17, 0, pattern(136)), {"channelStatus(rec)"},
            pattern(136), 0x0102, 1);
        row("channel status, execution 2", message(0x17, 0, wideChannelStatus()),
            {"channelStatus(rec)"}, convertedWideChannelStatus(), 0x0300, 2);
        row("channel status, unknown execution", message(0x17, 0, pattern(208)), {}, {}, 0x0300, 4);
        row("Halvor full data", message(0x18, 0, pattern(1792)), {"receivedFullHalvorDevData(rec)"},
            pattern(1792));
        row("type 0x19 ignored", message(0x19, 0, pattern(10)), {});
        row("user settings are not checked here", message(0x2F, 5, broken(block(512))),
            {"userSettings(5,rec)"}, broken(block(512)));
        row("read channel not supported", message(0x30, 0, pattern(4)), {});
        row("direction", message(0x31, 0x0103, block(1536)), {"directionSettings(3,rec)"},
            block(1536));
        row("direction broken: nothing", message(0x31, 3, broken(block(1536))), {});
        row("journal entry", message(0x32, 12, sealed(256, 244)), {"journalEntry(12,rec)"},
            sealed(256, 244));
        row("journal entry broken: zeros", message(0x32, 12, broken(sealed(256, 244))),
            {"journalEntry(12,rec)"}, QByteArray(256, '\0'));
        row("firmware information", message(0x34, 16, pattern(88)), {"firmwareVersion(16,rec)"},
            pattern(88));
        row("journal tail", message(0x35, 812), {"journalTail(812)"});
        row("journal read complete", message(0x37, 99), {"journalReadComplete(99)"});
        row("settings read complete", message(0x38, 0),
            {"settingsReadComplete()", "journalReadComplete(0)"});
        row("read progress", message(0x39, 0, QByteArray::fromHex("05000c00")),
            {"settingsReadProgress(rec)"}, QByteArray::fromHex("05000c00"));
        row("realtime data", message(0x3A, 0, pattern(256)), {"RealtimeDataReceived(rec)"},
            pattern(256));
        row("realtime titles", message(0x3B, 62, pattern(33)), {"RealtimeTitleReceived(rec)"},
            pattern(33));
        row("realtime data types", message(0x3C, 0, pattern(64)),
            {"RealtimeDataTypesTableReceived(rec)"}, pattern(64));
        row("Ethernet, not checked", message(0x3D, 0, pattern(1024)), {"settingsEthernet(rec)"},
            pattern(1024));
        row("debug settings, not checked", message(0x3E, 0, pattern(256)), {"debugSettings(rec)"},
            pattern(256));
        row("output group settings", message(0x3F, 7, pattern(256)), {"outGroupSettings(7,rec)"},
            pattern(256));
        row("Halvor read", message(0x40, 0, pattern(3)), {});
        row("output group status", message(0x41, 2, pattern(8)), {"outGroupStatus(2,rec)"},
            pattern(8));
        row("commit number cut at zero", message(0x4D, 0, QByteArray("1a2b\0zzz", 8)),
            {"CurrentFwCommitNumReceived(\"1a2b\")"});
        row("commit number at most 8 bytes", message(0x4D, 0, "0123456789"),
            {"CurrentFwCommitNumReceived(\"01234567\")"});
        row("commit number cut at the message end", message(0x4D, 0, "12"),
            {"CurrentFwCommitNumReceived(\"12\")"});
        row("keep-alive echo", message(0x50, 0), {});
        row("take on echo", message(0x51, 0), {});
        row("take off echo", message(0x52, 0), {});
        row("settings versions", message(0x54, 0, pattern(64)), {"settingsVersionsReveived(rec)"},
            pattern(64));
        row("MAC address", message(0x55, 0, QByteArray::fromHex("0a1b2c3d4e5f")),
            {"defaultMACAddress(rec)"}, QByteArray::fromHex("0a1b2c3d4e5f"));
        row("write output group echo", message(0x81, 0), {});
        row("write Halvor echo", message(0x82, 0), {});
        row("key deleted", message(0x96, 11), {"iButtonDelete(11)"});
        row("sensor deleted", message(0x97, 12), {"sensorDelete(12)"});
        row("journal erased", message(0xAA, 0, le16(0x0104)), {"journalErased(260)"});
        row("debug journal erased", message(0xAB, 0, le16(0)), {"debugJournalErased(0)"});
        row("enrolment allowed", message(0xB4, 1), {"addSensorsStatus(true)"});
        row("enrolment stopped", message(0xB4, 0), {"addSensorsStatus(false)"});
        row("flash erased", message(0xC2, 0, le16(26)), {"flashErased(26)"});
        row("update status", message(0xC3, 0, QByteArray::fromHex("0400640000ff0000")),
            {"updateStatus(rec)"}, QByteArray::fromHex("0400640000ff0000"));
        row("device text line", message(0xC8, 0, QByteArray("boot ok\0", 8)), {});
        row("sensor EEPROM from message byte 2", message(0xCA, 0xAB00, pattern(9)),
            {"readSensorEeprom(rec)"}, QByteArray(1, char(0xAB)) + pattern(9));
        row("radio analysis", message(0xCC, 0, pattern(61)), {"sensorRadioAnalysis(rec)"},
            pattern(61));
        row("SIM control status", message(0xD4, 0, pattern(8)), {"simControlStatus(rec)"},
            pattern(8));
        row("verify code", message(0xD5, 0, le32(0x12345678)), {"configGetVerifyCode(305419896)"});
        row("output tactic", message(0xDA, 1, pattern(56)), {"outputTactic(1,rec)"}, pattern(56));
        row("broken packet report", message(0xF1, 0), {});
        row("unknown type 0x00", message(0x00, 0, pattern(10)), {});
        row("unknown type 0xF2", message(0xF2, 0, pattern(10)), {});

        row("short: login answer of 1 byte", message(0x01, 0, "\x05"), {});
        row("short: sensor block of 511 bytes", message(0x24, 1, block(512).left(511)), {});
        row("short: error answer of 5 bytes", message(0xF0, 0, pattern(5)), {});
        row("short: header only", QByteArray::fromHex("2400"), {});
        row("short: empty message", QByteArray(), {});
        row("short: sensor EEPROM", message(0xCA, 0, pattern(8)), {});
        row("short: firmware information", message(0x34, 16, pattern(87)), {});
        row("longer answers use their record's size", message(0x0B, 2, pattern(20)),
            {"partitionStatus(2,rec)"}, pattern(8));
    }

    void answers()
    {
        QFETCH(QByteArray, message);
        QFETCH(int, version);
        QFETCH(int, execution);
        QFETCH(QStringList, expected);
        QFETCH(QByteArray, record);
        m_layout.version = quint16(version);
        m_layout.execution = execution;
        SignalLog log(m_protocol);

        m_protocol->onMessageReceived(message);

        QCOMPARE(log.summary(), expected);
        if (!record.isEmpty())
            QCOMPARE(log.firstRecord().toHex(), record.toHex());
    }

    void settingsBlocks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QString>("brokenLine");

        QTest::newRow("sensor") << 0x24 << 512 << "sensorData(7,rec)"
                                << "Sensor data: #7 broken";
        QTest::newRow("partition") << 0x25 << 512 << "partitionData(7,rec)"
                                   << "Partition data: #7 broken";
        QTest::newRow("output") << 0x26 << 1024 << "outputData(7,rec)"
                                << "Output data broken";
        QTest::newRow("key") << 0x27 << 256 << "iButtonData(7,rec)"
                             << "IButton data broken";
        QTest::newRow("beeper") << 0x28 << 256 << "beeperData(rec)"
                                << "Beeper data broken";
        QTest::newRow("leds") << 0x29 << 256 << "ledsData(rec)"
                              << "Leds data broken";
        QTest::newRow("object") << 0x2A << 256 << "objectData(rec)"
                                << "Object data broken";
        QTest::newRow("device") << 0x2B << 256 << "deviceData(rec)"
                                << "Device data broken";
        QTest::newRow("wireless") << 0x2C << 256 << "wirelessData(rec)"
                                  << "Wireless data broken";
        QTest::newRow("loop") << 0x2D << 256 << "loopData(rec)"
                              << "Loop data broken";
        QTest::newRow("GSM") << 0x2E << 1024 << "gsmData(rec)"
                             << "GSM data broken";
        QTest::newRow("card reader") << 0x33 << 256 << "ibuttonConfigData(rec)"
                                     << "IButtonIndication data broken";
    }

    // A good block is handed on as it came; a broken one is logged and handed on as zeros.
    void settingsBlocks()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(QString, signal);
        QFETCH(QString, brokenLine);
        SignalLog log(m_protocol);
        QSignalSpy lines(m_logger, &Logger::message);

        m_protocol->onMessageReceived(message(quint8(type), 7, block(size)));
        QCOMPARE(log.summary(), QStringList{signal});
        QCOMPARE(log.firstRecord(), block(size));
        QVERIFY(linesAt(lines, LogWarning).isEmpty());

        log.clear();
        m_protocol->onMessageReceived(message(quint8(type), 7, broken(block(size))));
        QCOMPARE(log.summary(), QStringList{signal});
        QCOMPARE(log.firstRecord(), QByteArray(size, '\0'));
        QCOMPARE(linesAt(lines, LogWarning), QStringList{"[W]: " + brokenLine});
    }

    void logLines_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QStringList>("contains");
        QTest::addColumn<QStringList>("absent");

        QTest::newRow("unknown 0")
            << message(0x00, 0) << QStringList{"[T]: Unknown packet: 0"} << QStringList{};
        QTest::newRow("unknown 242")
            << message(0xF2, 0) << QStringList{"[T]: Packet type: 242", "[T]: Unknown packet: 242"}
            << QStringList{};
        QTest::newRow("hex dump") << QByteArray::fromHex("0100000502")
                                  << QStringList{"[T]: Packet type: 1", "[T]: 0100000502"}
                                  << QStringList{};
        QTest::newRow("300 bytes not dumped")
            << message(0x3D, 0, pattern(297)) << QStringList{"[T]: Message too big to display"}
            << QStringList{};
        QTest::newRow("supply status not dumped")
            << message(0x0E, 0, pattern(48)) << QStringList{"[T]: Packet type: 14"}
            << QStringList{"[T]: " + QString::fromLatin1(message(0x0E, 0, pattern(48)).toHex())};
        QTest::newRow("titles 62") << message(0x3B, 62, pattern(33)) << QStringList{}
                                   << QStringList{"[I]: Realtime titles received"};
        QTest::newRow("titles 63") << message(0x3B, 63, pattern(33))
                                   << QStringList{"[I]: Realtime titles received"} << QStringList{};
        QTest::newRow("progress") << message(0x39, 0, QByteArray::fromHex("05000c00"))
                                  << QStringList{"Loading status: 5 12"} << QStringList{};
        QTest::newRow("channel read")
            << message(0x30, 0)
            << QStringList{"[E]: Packet _MenuConfigReadChannel currently not support!"}
            << QStringList{};
        QTest::newRow("broken packet")
            << message(0xF1, 0) << QStringList{"[E]: Board received broken packet"}
            << QStringList{};
        QTest::newRow("device text bounded by the message")
            << message(0xC8, 0, "no terminator") << QStringList{"no terminator"} << QStringList{};
        QTest::newRow("direction broken")
            << message(0x31, 3, broken(block(1536)))
            << QStringList{"[W]: GSM Direction settings broken"} << QStringList{};
        QTest::newRow("firmware header")
            << message(0x34, 16, QByteArray(88, '\x0a'))
            << QStringList{"[I]: FW header received: " +
                           QString::fromLatin1(message(0x34, 16, QByteArray(88, '\x0a')).toHex())}
            << QStringList{};
        QTest::newRow("short answer names operation and sizes")
            << message(0x24, 1, pattern(100))
            << QStringList{"[W]: Answer 0x24 dropped: 100 bytes of payload, 512 expected"}
            << QStringList{};
        QTest::newRow("channel status of unknown execution")
            << message(0x17, 0, pattern(208))
            << QStringList{"[W]: Channel status ignored: no layout for execution 4"}
            << QStringList{};
    }

    void logLines()
    {
        QFETCH(QByteArray, message);
        QFETCH(QStringList, contains);
        QFETCH(QStringList, absent);
        m_layout = {0x0300, 4};
        QSignalSpy spy(m_logger, &Logger::message);

        m_protocol->onMessageReceived(message);

        QStringList lines;
        for (const QList<QVariant> &args : spy)
            lines << args.at(2).toString();
        for (const QString &line : contains)
            QVERIFY2(lines.contains(line), qPrintable(lines.join('\n')));
        for (const QString &line : absent)
            QVERIFY2(!lines.contains(line), qPrintable(lines.join('\n')));
    }

    void updateStatusDebugOutput()
    {
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression("^Update device 1 started \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$"));
        m_protocol->onMessageReceived(message(0xC3, 0, QByteArray::fromHex("0100000000000000")));
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^Update complete \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$"));
        m_protocol->onMessageReceived(message(0xC3, 0, QByteArray::fromHex("04006400ffff0000")));
    }

    // The read-back image lands in the program's own data location, written whole.
    void firmwareReadBack()
    {
        const QString path = Protocol::firmwareReadBackPath();
        QVERIFY(path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QFile::remove(path);
        QSignalSpy lines(m_logger, &Logger::message);
        const QByteArray image = pattern(5000, 3);

        m_protocol->onMessageReceived(message(0xBE, 2, image));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), image);
        QCOMPARE(lines.last().at(2).toString(), "[T]: Firmware had been written to " + path);
    }

    void firmwareReadBackFailureIsReported()
    {
        const QString path = Protocol::firmwareReadBackPath();
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path)); // a directory where the file should go
        QSignalSpy lines(m_logger, &Logger::message);

        m_protocol->onMessageReceived(message(0xBE, 2, pattern(100)));

        QVERIFY(QDir().rmdir(path));
        const QStringList errors = linesAt(lines, LogError);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith("[E]: Firmware could not be written to " + path),
                 qPrintable(errors.first()));
        for (const QList<QVariant> &line : lines)
            QVERIFY(!line.at(2).toString().contains("had been written"));
    }

    // Single bytes go to the debug output as numbers, not as characters.
    void debugOutputOfByteValues()
    {
        QTest::ignoreMessage(QtDebugMsg, "Unknown packet: 66");
        m_protocol->onMessageReceived(message(0x42, 0));
        QTest::ignoreMessage(QtDebugMsg, "_SimControlStatus s.event = 65");
        m_protocol->onMessageReceived(message(0xD4, 0, QByteArray("A234567", 8)));
    }

    // Without a layout source the controller's device description decides.
    void layoutFromTheDeviceDescription()
    {
        Overmind overmind;
        Protocol protocol(nullptr);
        SignalLog log(&protocol);
        overmind.deviceInfo().initForExecution(1, 0, 256, 0x0105);
        protocol.onMessageReceived(message(0x14, 0, pattern(48)));
        protocol.onMessageReceived(message(0x0E, 0, pattern(92)));
        overmind.deviceInfo().initForExecution(2, 0, 256, 0x0200);
        protocol.onMessageReceived(message(0x14, 0, pattern(48)));
        protocol.onMessageReceived(message(0x0E, 0, pattern(92)));
        QCOMPARE(log.summary(), (QStringList{"gsmStatusOld(rec)", "supplyStatusIsp1(rec)",
                                             "gsmStatus(rec)", "supplyStatusIsp2(rec)"}));
    }

    // Whatever the device sends, the layout choice is made per answer from the source.
    void layoutFollowsTheDeviceAtOnce()
    {
        SignalLog log(m_protocol);
        m_layout = {0x0105, 0};
        m_protocol->onMessageReceived(message(0x14, 0, pattern(48)));
        m_layout = {0x0200, 0};
        m_protocol->onMessageReceived(message(0x14, 0, pattern(48)));
        QCOMPARE(log.summary(), (QStringList{"gsmStatusOld(rec)", "gsmStatus(rec)"}));
    }
};

QTEST_MAIN(TestProtocolDispatch)
#include "test_protocol_dispatch.moc"
