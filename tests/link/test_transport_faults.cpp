#include <QSignalSpy>
#include <QTest>

#include "link/HIDWriter.h"
#include "tests/link/LinkFixture.h"

namespace {
enum Fault
{
    StartFails,
    CheckFails,
    NoAcknowledgement,
    BrokenCrc,
    PartsOutOfOrder,
};
} // namespace
Q_DECLARE_METATYPE(Fault)

class TestTransportFaults : public QObject
{
    Q_OBJECT
private slots:
    void faultIsLoggedAndTheNextMessagePasses_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("logLines");
        QTest::newRow("start call fails")
            << StartFails
            << QStringList{"write error: simulated start failure",
                           "Message abandoned: 2 of 3 reports not sent"};
        QTest::newRow("check fails") << CheckFails
                                     << QStringList{"write error: simulated write failure",
                                                    "Message abandoned: 2 of 3 reports not sent"};
        QTest::newRow("no acknowledgement")
            << NoAcknowledgement
            << QStringList{"hidFreeze wait timeout over",
                           "write error: simulated missing acknowledgement",
                           "Message abandoned: 2 of 3 reports not sent"};
        QTest::newRow("broken CRC from the device")
            << BrokenCrc << QStringList{"broken crc. Expected: "};
        QTest::newRow("parts out of order from the device")
            << PartsOutOfOrder << QStringList{"wrong message part received"};
    }
    void faultIsLoggedAndTheNextMessagePasses()
    {
        QFETCH(Fault, fault);
        QFETCH(QStringList, logLines);
        LinkFixture link;
        QVERIFY(link.activate());
        const QByteArray threeReports = patterned(150);

        switch (fault) {
        case StartFails:
            link.device.failStartCalls(1);
            break;
        case CheckFails:
            link.device.failChecks(1);
            break;
        case NoAcknowledgement:
            link.device.withholdAcks(1);
            break;
        case BrokenCrc:
            link.device.breakCrcOfNextMessages(1);
            break;
        case PartsOutOfOrder:
            link.device.reorderNextMessages(1);
            break;
        }
        if (fault == BrokenCrc || fault == PartsOutOfOrder) {
            link.device.sendMessage(threeReports);
            link.device.sendMessage(QByteArray("next"));
            QTRY_COMPARE(link.received->size(), 1);
            QCOMPARE(link.received->first().first().toByteArray(), QByteArray("next"));
        } else {
            link.hid->send(threeReports);
            link.hid->send(QByteArray("next"));
            QTRY_COMPARE_WITH_TIMEOUT(link.device.receivedMessages().size(), 1, 15000);
            QCOMPARE(link.device.receivedMessages().first(), QByteArray("next"));
            // Nothing of the failed message went out after its failed report.
            const int expectedReports = fault == StartFails ? 1 : 2;
            QCOMPARE(link.hostReports().size(), expectedReports);
        }
        for (const QString &line : logLines)
            QTRY_VERIFY2(link.log.contains(line), qPrintable(line));
        QVERIFY(link.hid->isActive());
    }

    void lateAcknowledgementIsWaitedFor()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        link.device.setAckPolls(20);
        link.hid->send(patterned(200));
        QTRY_COMPARE(link.device.receivedMessages().size(), 1);
        QCOMPARE(link.device.receivedMessages().first(), patterned(200));
        QVERIFY(!link.log.contains(QStringLiteral("write error")));
    }

    void progressIsReportedEveryHundredReports()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        QSignalSpy progress(link.hid.get(), &HIDInterface::partTransmitted);
        link.hid->send(patterned(250 * 60 - 2)); // 250 reports with the CRC
        QTRY_COMPARE_WITH_TIMEOUT(progress.size(), 3, 20000);
        QCOMPARE(progress.at(0), (QList<QVariant>{100, 250}));
        QCOMPARE(progress.at(1), (QList<QVariant>{200, 250}));
        QCOMPARE(progress.at(2), (QList<QVariant>{250, 250}));
    }

    void stoppedWriterDropsTheRestAndCanBeReplaced()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        link.device.setAckPolls(5);
        link.hid->send(QByteArray("counter 0"));
        link.hid->send(patterned(2000 * 60)); // counter 1, about 12 s of reports
        link.hid->send(QByteArray("queued behind"));
        QTRY_VERIFY(link.hostReports().size() >= 3);
        QVERIFY(link.hid->isWriterBusy());
        link.hid->stopWriter();
        const int written = link.hostReports().size();
        QVERIFY(written < 2000);
        QVERIFY(!link.hid->isWriterBusy());
        link.hid->send(QByteArray("dropped: no writer"));

        link.hid->restartWriter();
        link.hid->send(QByteArray("after restart"));
        QTRY_COMPARE(link.device.receivedMessages().size(), 2);
        QCOMPARE(link.device.receivedMessages().last(), QByteArray("after restart"));
        QCOMPARE(link.hostReports().size(), written + 1);
        QCOMPARE(int(quint8(link.hostReports().last().at(1))), 0); // a new counter
    }

    void unplugWhileTheHostSends()
    {
        LinkFixture link;
        QSignalSpy lost(link.hid.get(), &HIDInterface::lostDeviceConnect);
        QVERIFY(link.activate());
        link.device.unplugAfterHostReports(2);
        link.hid->send(patterned(300)); // 6 reports
        QTRY_COMPARE(lost.size(), 1);
        QTRY_VERIFY(link.log.contains(QStringLiteral("write error: device unplugged")));
        QVERIFY(link.log.contains(QStringLiteral("Read failed!")) ||
                link.log.contains(QStringLiteral("Message abandoned")));
        QCOMPARE(link.hostReports().size(), 2);

        link.bus.plug(&link.device);
        QVERIFY(link.activate());
        link.hid->send(QByteArray("again"));
        QTRY_COMPARE(link.device.receivedMessages().size(), 1);
        QCOMPARE(link.device.receivedMessages().first(), QByteArray("again"));
    }

    void unplugWhileTheDeviceAnswers()
    {
        LinkFixture link;
        QSignalSpy lost(link.hid.get(), &HIDInterface::lostDeviceConnect);
        QVERIFY(link.activate());
        link.device.unplugDuringNextMessage(2);
        link.device.sendMessage(patterned(300));
        QTRY_COMPARE(lost.size(), 1);
        QTRY_VERIFY(link.log.contains(QStringLiteral("Read failed!")));
        QCOMPARE(link.received->size(), 0);

        link.bus.plug(&link.device);
        QVERIFY(link.activate());
        link.device.sendMessage(QByteArray("again"));
        QTRY_COMPARE(link.received->size(), 1);
        QCOMPARE(link.received->first().first().toByteArray(), QByteArray("again"));
    }
};

QTEST_MAIN(TestTransportFaults)
#include "test_transport_faults.moc"
