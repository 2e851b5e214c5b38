#include "AnswerBuilder.h"
#include "ProtocolFixture.h"
#include "SignalLog.h"

#include "link/Crc.h"

#include "sim/LogCapture.h"

#include <QMutex>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>

namespace {
QByteArray bytesOf(const QVariant &value)
{
    return SignalLog::bytesOf(value);
}

template <typename Record> Record recordFrom(const QByteArray &bytes)
{
    Record record;
    memcpy(&record, bytes.constData(), sizeof(Record));
    return record;
}
} // namespace

// The protocol against the simulated communicator through the real transport.
class TestProtocolDevice : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ProtocolFixture> m_link;

    Protocol &protocol() { return *m_link->protocol; }
    SimCommunicator &device() { return m_link->communicator; }

private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        Protocol::registerMetaTypes();
    }

    // One link for the whole run, as in the program; each test starts with a clean record
    // of commands.
    void init()
    {
        if (!m_link) {
            m_link = std::make_unique<ProtocolFixture>();
            QVERIFY(m_link->activate());
        }
        device().clearCommands();
    }

    void cleanupTestCase() { m_link.reset(); }

    void loginAnswer()
    {
        device().setCredentials("admin", QString::fromUtf8("пароль"), 4, 2);
        QSignalSpy status(&protocol(), &Protocol::loginStatus);

        protocol().login("admin", QString::fromUtf8("пароль"));
        QTRY_COMPARE_WITH_TIMEOUT(status.count(), 1, 30000);
        QCOMPARE(status.at(0).at(0).value<LoginStatus_t>(), LOGIN_OK);
        QCOMPARE(status.at(0).at(1).value<quint8>(), quint8(4));
        QCOMPARE(status.at(0).at(2).value<quint8>(), quint8(2));

        protocol().login("admin", "wrong");
        QTRY_COMPARE_WITH_TIMEOUT(status.count(), 2, 30000);
        QCOMPARE(status.at(1).at(0).value<LoginStatus_t>(), LOGIN_FAILED);
        QCOMPARE(status.at(1).at(1).value<quint8>(), quint8(255));
        QCOMPARE(status.at(1).at(2).value<quint8>(), quint8(0));
    }

    // The password never appears in the log or on the debug output.
    void passwordStaysOutOfTheLogs()
    {
        LogCapture log;
        QStringList debugOutput;
        static QStringList *sink = nullptr;
        static QMutex sinkLock;
        sink = &debugOutput;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
                QMutexLocker locker(&sinkLock);
                *sink << text;
            });
        QSignalSpy status(&protocol(), &Protocol::loginStatus);
        protocol().login("operator", "Secret-42");
        QTRY_COMPARE_WITH_TIMEOUT(status.count(), 1, 30000);
        qInstallMessageHandler(previous);

        QVERIFY(debugOutput.contains("User authorization operator (***)"));
        for (const QString &text : debugOutput)
            QVERIFY2(!text.contains("Secret-42"), qPrintable(text));
        bool inHex = false;
        for (const QString &text : log.lines()) {
            QVERIFY2(!text.contains("Secret-42"), qPrintable(text));
            inHex = inHex || text.contains(QByteArray("Secret-42").toHex());
        }
        // Nor in the transport's trace of the reports, as hexadecimal.
        QVERIFY(!inHex);
    }

    void firmwareInformation()
    {
        QSignalSpy info(&protocol(), &Protocol::firmwareVersion);
        protocol().readFirmwareVersion(16);
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 1, 30000);
        QCOMPARE(info.at(0).at(0).value<quint16>(), quint16(16));
        const s_fw_info record = info.at(0).at(1).value<s_fw_info>();
        QCOMPARE(bytesOf(info.at(0).at(1)), device().record(0x34, 16));
        QCOMPARE(record.version, quint16(0x0203));
        QCOMPARE(record.deviceType, quint16(40));
        QCOMPARE(device().commands().last().toHex(), QByteArray("341000"));
    }

    void firmwareInformationRefused()
    {
        device().failNext(0x34, 81);
        QSignalSpy info(&protocol(), &Protocol::firmwareVersion);
        protocol().readFirmwareVersion(16);
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 1, 30000);
        QCOMPARE(bytesOf(info.at(0).at(1)), QByteArray(88, '\0'));
    }

    void settingsBlocksWrittenAndEchoed()
    {
        SignalLog log(&protocol());
        const QByteArray deviceBlock = SimCommunicator::makeBlock(256, 1);
        const QByteArray user = SimCommunicator::makeBlock(512, 2);
        const QByteArray direction = SimCommunicator::makeBlock(1536, 3);

        protocol().writeDeviceData(recordFrom<s_ExtMemDataDevice>(deviceBlock));
        protocol().writeUserSettings(5, recordFrom<s_ExtMemDataUser>(user), true);
        protocol().writeDirection(0x0102, recordFrom<s_ExtMemDataGSMDirection>(direction), false);

        QTRY_COMPARE_WITH_TIMEOUT(log.entries.size(), 3, 30000);
        QCOMPARE(log.summary(), (QStringList{"deviceData(rec)", "userSettings(5,rec)",
                                             "directionSettings(2,rec)"}));
        QCOMPARE(bytesOf(log.entries.at(0).args.at(0)), deviceBlock);
        QCOMPARE(bytesOf(log.entries.at(1).args.at(1)), user);
        QCOMPARE(bytesOf(log.entries.at(2).args.at(1)), direction);
        QCOMPARE(device().record(0x2B, 0), deviceBlock);

        // Read back later, the device gives what it stored.
        log.clear();
        protocol().readDeviceData();
        QTRY_COMPARE_WITH_TIMEOUT(log.summary(), QStringList{"deviceData(rec)"}, 30000);
        QCOMPARE(bytesOf(log.entries.at(0).args.at(0)), deviceBlock);
    }

    // Echoes come back in order: while a newer write of a block is on its way, the echo of
    // an older one would put back values the user has changed since.
    void onlyTheNewestWriteIsEchoed_data()
    {
        QTest::addColumn<bool>("firstRefused");
        QTest::newRow("two writes") << false;
        QTest::newRow("refused, then two writes") << true;
    }
    void onlyTheNewestWriteIsEchoed()
    {
        QFETCH(bool, firstRefused);
        SignalLog log(&protocol());
        QByteArray broken = SimCommunicator::makeBlock(256, 5);
        broken[10] = char(broken.at(10) + 1);
        const QByteArray older = SimCommunicator::makeBlock(256, 6);
        const QByteArray newer = SimCommunicator::makeBlock(256, 7);
        if (firstRefused)
            protocol().writeDeviceData(recordFrom<s_ExtMemDataDevice>(broken));
        protocol().writeDeviceData(recordFrom<s_ExtMemDataDevice>(older));
        protocol().writeDeviceData(recordFrom<s_ExtMemDataDevice>(newer));
        const auto shown = [&log] {
            QList<QByteArray> blocks;
            for (const SignalLog::Entry &entry : qAsConst(log.entries))
                if (entry.name == "deviceData")
                    blocks << bytesOf(entry.args.at(0));
            return blocks;
        };
        QTRY_COMPARE_WITH_TIMEOUT(device().record(0x2B, 0), newer, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QList<QByteArray>{newer}, 30000);
        if (firstRefused)
            QVERIFY(log.summary().join(' ').contains("writeRefused(117,"));

        // Nothing waits any more: a read answer is shown as it comes.
        log.clear();
        protocol().readDeviceData();
        QTRY_COMPARE_WITH_TIMEOUT(log.summary(), QStringList{"deviceData(rec)"}, 30000);
        QCOMPARE(bytesOf(log.entries.at(0).args.at(0)), newer);
    }

    void brokenBlockRefusedByTheDevice()
    {
        QByteArray block = SimCommunicator::makeBlock(256, 4);
        block[10] = char(block.at(10) + 1);
        const QByteArray before = device().record(0x2B, 0);
        LogCapture log;
        protocol().writeDeviceData(recordFrom<s_ExtMemDataDevice>(block));
        const QString expected = "[E]: Error while operation 0x75: " +
                                 Protocol::firmwareUpdateErrorString(SimCommunicator::ErrCrc);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(expected), 30000);
        QCOMPARE(device().record(0x2B, 0), before);
    }

    void rebootLeavesAndReturns()
    {
        QSignalSpy gone(m_link->hid.get(), &HIDInterface::disconnected);
        QSignalSpy back(m_link->hid.get(), &HIDInterface::connected);
        protocol().reboot();
        QTRY_COMPARE_WITH_TIMEOUT(device().reboots(), 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(gone.count() >= 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(back.count() >= 1, 30000);
        QVERIFY(m_link->activate());

        // The device answers again once it is back.
        QSignalSpy info(&protocol(), &Protocol::firmwareVersion);
        protocol().readFirmwareVersion(16);
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 1, 30000);
    }

    // The full configuration read: blocks, a progress answer after each, completion.
    void fullConfigurationRead()
    {
        device().clearRecords();
        device().setRecord(0x28, 0, SimCommunicator::makeBlock(256, 5));
        device().setRecord(0x24, 3, SimCommunicator::makeBlock(512, 6));
        device().setRecord(0x31, 1, SimCommunicator::makeBlock(1536, 7));
        SignalLog log(&protocol());
        QSignalSpy complete(&protocol(), &Protocol::settingsReadComplete);

        protocol().readAllSettings();
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 1, 30000);

        QCOMPARE(log.summary(),
                 (QStringList{"beeperData(rec)", "settingsReadProgress(rec)", "sensorData(3,rec)",
                              "settingsReadProgress(rec)", "directionSettings(1,rec)",
                              "settingsReadProgress(rec)", "settingsReadComplete()",
                              "journalReadComplete(0)"}));
        const auto last = log.entries.at(5).args.at(0).value<s_DeviceLoadProgress>();
        QCOMPARE(last.sent, quint16(3));
        QCOMPARE(last.total, quint16(3));
        QCOMPARE(bytesOf(log.entries.at(2).args.at(1)), device().record(0x24, 3));
    }

    // After the full loop report the protocol asks for the loop's settings block itself.
    void fullLoopReportRequestsTheLoopBlock()
    {
        QByteArray report = SimCommunicator::makeBlock(168, 8);
        report[0] = char(report.at(0) ^ 1); // broken: still handed on unchanged
        device().setRecord(0x13, 0, report);
        device().setRecord(0x2D, 0, SimCommunicator::makeBlock(256, 9));
        SignalLog log(&protocol());

        protocol().readLoopFullData();
        QTRY_COMPARE_WITH_TIMEOUT(log.summary(),
                                  (QStringList{"loopFullData(rec)", "loopData(rec)"}), 30000);
        QCOMPARE(bytesOf(log.entries.at(0).args.at(0)), report);
        QCOMPARE(device().commands().size(), 2);
        QCOMPARE(device().commands().at(0).toHex(), QByteArray("130000"));
        QCOMPARE(device().commands().at(1).toHex(), QByteArray("2d0000"));
    }

    // A journal entry the device keeps failing is asked for a bounded number of times.
    void journalRetriesEnd()
    {
        device().failNext(0x32, 0x57, 100);
        QSignalSpy entries(&protocol(), &Protocol::journalEntry);
        protocol().readJournal(12);
        QTRY_COMPARE_WITH_TIMEOUT(entries.count(), 1, 30000);
        QCOMPARE(bytesOf(entries.at(0).at(1)), QByteArray(256, '\0'));
        QCOMPARE(device().commandsOf(0x32).size(), 1 + Protocol::journalRetryLimit);
        for (const QByteArray &command : device().commandsOf(0x32))
            QCOMPARE(command.toHex(), QByteArray("320c00"));
    }

    void journalRetrySucceeds()
    {
        // Journal entries are sealed at byte 244.
        const QByteArray entry = AnswerBuilder::sealed(256, 244, 10);
        device().setRecord(0x32, 12, entry);
        device().failNext(0x32, 0x53, 2);
        QSignalSpy entries(&protocol(), &Protocol::journalEntry);
        protocol().readJournal(12);
        QTRY_COMPARE_WITH_TIMEOUT(entries.count(), 1, 30000);
        QCOMPARE(bytesOf(entries.at(0).at(1)), entry);
        QCOMPARE(device().commandsOf(0x32).size(), 3);
    }

    // Stopping an update replaces the writer: what was still queued is dropped and the
    // stop command is the first message of the new writer.
    void stopUpdateDropsTheQueue()
    {
        // One message first, so the abandoned image does not carry the counter (0) of the
        // new writer's first message: the device would glue the two together.
        QSignalSpy keepAlive(m_link->hid.get(), &HIDInterface::messageReceived);
        protocol().sendToDevice(_SendRequestExtendLogout);
        QTRY_COMPARE_WITH_TIMEOUT(keepAlive.count(), 1, 30000);
        m_link->device.setAckPolls(50);
        const QByteArray image(60 * 200, '\x5a'); // 200 reports, slow to acknowledge
        for (int i = 0; i < 5; ++i)
            protocol().writeFirmware(quint16(i), image);
        protocol().stopSensorUpdate();
        m_link->device.setAckPolls(0);

        QTRY_VERIFY_WITH_TIMEOUT(!device().commandsOf(0xC1).isEmpty(), 30000);
        QCOMPARE(device().commands().last().toHex(), QByteArray("c10000"));
        QVERIFY(device().commandsOf(0xBF).size() < 5);
    }

    void sizeLogThenInterface()
    {
        // Only this thread's lines of the protocol: the transport's tasks log meanwhile.
        QStringList own;
        QObject::connect(&m_link->logger, &Logger::message, this,
                         [&own](const QString &name, logLevel_t, const QString &text) {
                             if (QThread::currentThread() == qApp->thread() &&
                                 name == QLatin1String("Protocol"))
                                 own << text;
                         });
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        Protocol second(m_link->hid.get());
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(own.size(), 93);
        QCOMPARE(own.at(0), QString("[I]: struct sizes:"));
        QCOMPARE(own.at(91), QString("[I]: s_ExtMemDataOutGroup: 256"));
        QCOMPARE(own.at(92), QString("[T]: Setting interface"));
    }
};

QTEST_MAIN(TestProtocolDevice)
#include "test_protocol_device.moc"
