#include <QSignalSpy>
#include <QTest>

#include "link/Crc.h"
#include "link/HIDWriter.h"
#include "tests/link/LinkFixture.h"

namespace {
QByteArray withCrc(QByteArray message)
{
    crc16Append(message);
    return message;
}

quint16 partIndex(const QByteArray &report)
{
    return quint16(quint8(report.at(2)) | (quint8(report.at(3)) << 8));
}
} // namespace

class TestTransportFraming : public QObject
{
    Q_OBJECT
private slots:
    void oneReportLayout()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        const QByteArray message("\x01\x02\x03", 3);
        link.hid->send(message);
        QTRY_COMPARE(link.device.receivedMessages().size(), 1);

        const QList<QByteArray> reports = link.hostReports();
        QCOMPARE(reports.size(), 1);
        QByteArray expected = report(0, 0xFFFF, withCrc(message));
        expected.append(QByteArray(55, '\0'));
        QCOMPARE(reports.first(), expected);
        QCOMPARE(link.device.receivedMessages().first(), message);
    }

    void splitting_data()
    {
        QTest::addColumn<int>("messageSize");
        QTest::addColumn<int>("payloadSize");
        QTest::addColumn<QList<int>>("lengths");
        QTest::newRow("58 bytes fill one report") << 58 << 60 << QList<int>{60};
        QTest::newRow("60 bytes need a second report") << 60 << 60 << QList<int>{60, 2};
        QTest::newRow("118 bytes: a full last part") << 118 << 60 << QList<int>{60, 60};
        QTest::newRow("payload 59") << 120 << 59 << QList<int>{59, 59, 4};
        QTest::newRow("payload 59, one report") << 57 << 59 << QList<int>{59};
    }
    void splitting()
    {
        QFETCH(int, messageSize);
        QFETCH(int, payloadSize);
        QFETCH(QList<int>, lengths);
        LinkFixture link;
        QVERIFY(link.activate());
        link.hid->setPayloadSize(payloadSize);
        const QByteArray message = patterned(messageSize);
        link.hid->send(message);
        QTRY_COMPARE(link.device.receivedMessages().size(), 1);
        QCOMPARE(link.device.receivedMessages().first(), message);

        const QList<QByteArray> reports = link.hostReports();
        QCOMPARE(reports.size(), lengths.size());
        QByteArray payloads;
        for (int i = 0; i < reports.size(); ++i) {
            const QByteArray &r = reports.at(i);
            QCOMPARE(r.size(), 65);
            QCOMPARE(int(quint8(r.at(0))), 3);
            QCOMPARE(partIndex(r), i + 1 == reports.size() ? quint16(0xFFFF) : quint16(i));
            QCOMPARE(int(quint8(r.at(4))), lengths.at(i));
            QCOMPARE(r.mid(5 + lengths.at(i)), QByteArray(60 - lengths.at(i), '\0'));
            payloads.append(r.mid(5, lengths.at(i)));
        }
        QCOMPARE(payloads, withCrc(message));
    }

    void payloadSizeOutsideRangeIsRefused_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("0") << 0;
        QTest::newRow("61") << 61;
        QTest::newRow("256 would wrap to 0") << 256;
        QTest::newRow("negative") << -1;
    }
    void payloadSizeOutsideRangeIsRefused()
    {
        QFETCH(int, size);
        LinkFixture link;
        QVERIFY(link.activate());
        link.hid->setPayloadSize(size);
        link.hid->send(patterned(100));
        QTRY_COMPARE(link.device.receivedMessages().size(), 1);
        QCOMPARE(int(quint8(link.hostReports().first().at(4))), 60);
        QTRY_VERIFY(link.log.contains(QStringLiteral("Payload size %1 refused").arg(size)));
    }

    void counterWraps()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        for (int i = 0; i < 257; ++i)
            link.hid->send(QByteArray(1, char(i)));
        QTRY_COMPARE_WITH_TIMEOUT(link.device.receivedMessages().size(), 257, 20000);
        const QList<QByteArray> reports = link.hostReports();
        QCOMPARE(reports.size(), 257);
        for (int i = 0; i < 257; ++i)
            QCOMPARE(int(quint8(reports.at(i).at(1))), i % 256);
    }

    void tooManyPartsIsRefused()
    {
        // 65535 parts plus the last one is the most a message can take.
        QCOMPARE(HIDWriter::split(QByteArray(60 * 65536, 'x'), 7, 60).size(), 65536);
        QCOMPARE(partIndex(HIDWriter::split(QByteArray(60 * 65536, 'x'), 7, 60).at(65534)),
                 quint16(0xFFFE));
        QVERIFY(HIDWriter::split(QByteArray(60 * 65536 + 1, 'x'), 7, 60).isEmpty());

        LinkFixture link;
        QVERIFY(link.activate());
        link.hid->send(QByteArray(60 * 65536 - 1, 'x')); // 65537 parts with its CRC
        link.hid->send(QByteArray("next"));
        QTRY_COMPARE(link.device.receivedMessages().size(), 1);
        QCOMPARE(link.device.receivedMessages().first(), QByteArray("next"));
        QCOMPARE(link.hostReports().size(), 1);
        QCOMPARE(int(quint8(link.hostReports().first().at(1))), 0); // no counter spent
        QTRY_VERIFY(link.log.contains(QStringLiteral("refused: it needs more than 65536")));
    }

    void receivedMessages_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("1 byte") << 1;
        QTest::newRow("58 bytes, one report") << 58;
        QTest::newRow("60 bytes, CRC alone in the last part") << 60;
        QTest::newRow("300 bytes") << 300;
        QTest::newRow("4000 bytes") << 4000;
    }
    void receivedMessages()
    {
        QFETCH(int, size);
        LinkFixture link;
        QVERIFY(link.activate());
        const QByteArray first = patterned(size, 1);
        const QByteArray second = patterned(size, 2);
        link.device.sendMessage(first);
        link.device.sendMessage(second);
        QTRY_COMPARE(link.received->size(), 2);
        QCOMPARE(link.received->at(0).at(0).toByteArray(), first);
        QCOMPARE(link.received->at(1).at(0).toByteArray(), second);
        if (size >= 256) {
            QTRY_VERIFY(link.log.contains(QStringLiteral("message received: too long to display")));
            QTRY_VERIFY(link.log.contains(QString::fromLatin1(first.left(10).toHex())));
        } else {
            QTRY_VERIFY(link.log.contains(QStringLiteral("message received: ") +
                                          QString::fromLatin1(first.toHex())));
        }
    }

    void partsOutOfOrder()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        const QByteArray framed = withCrc(patterned(200));
        link.device.sendReport(report(9, 0, framed.mid(0, 60)));
        link.device.sendReport(report(9, 1, framed.mid(60, 60)));
        link.device.sendReport(report(9, 3, framed.mid(120, 60)));
        QTRY_VERIFY(link.log.contains(QStringLiteral("wrong message part received")));
        // Taken on its own, the last part fails its check.
        link.device.sendReport(report(9, 0xFFFF, framed.mid(180)));
        QTRY_VERIFY(link.log.contains(QStringLiteral("broken crc. Expected: ")));

        link.device.sendMessage(QByteArray("after"));
        QTRY_COMPARE(link.received->size(), 1);
        QCOMPARE(link.received->first().first().toByteArray(), QByteArray("after"));
    }

    void counterChangeAtLastPart()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        const QByteArray framed = withCrc(patterned(150));
        link.device.sendReport(report(4, 0, framed.mid(0, 60)));
        link.device.sendReport(report(4, 1, framed.mid(60, 60)));
        // A complete one-part message of another counter replaces what was collected.
        link.device.sendReport(report(5, 0xFFFF, withCrc("solo")));
        QTRY_COMPARE(link.received->size(), 1);
        QCOMPARE(link.received->first().first().toByteArray(), QByteArray("solo"));
    }

    void lastPartWithTheSameCounterAfterAMessage()
    {
        // The buffer is emptied after each checked message, so a one-part message that
        // repeats the counter stands on its own.
        LinkFixture link;
        QVERIFY(link.activate());
        link.device.sendReport(report(2, 0xFFFF, withCrc("one")));
        link.device.sendReport(report(2, 0xFFFF, withCrc("two")));
        QTRY_COMPARE(link.received->size(), 2);
        QCOMPARE(link.received->at(1).first().toByteArray(), QByteArray("two"));
    }

    void shorterThanItsCrc_data()
    {
        QTest::addColumn<QByteArray>("lastPayload");
        QTest::addColumn<int>("declaredLength");
        QTest::newRow("empty last part") << QByteArray() << 0;
        QTest::newRow("one byte") << QByteArray("\x7f", 1) << 1;
        QTest::newRow("length beyond the report") << QByteArray("\x01", 1) << 255;
    }
    void shorterThanItsCrc()
    {
        QFETCH(QByteArray, lastPayload);
        QFETCH(int, declaredLength);
        LinkFixture link;
        QVERIFY(link.activate());
        QByteArray bad = report(1, 0xFFFF, lastPayload);
        bad[4] = char(declaredLength);
        link.device.sendReport(bad);
        if (declaredLength <= 1)
            QTRY_VERIFY(link.log.contains(QStringLiteral("shorter than its CRC")));
        link.device.sendMessage(QByteArray("fine"));
        QTRY_COMPARE(link.received->size(), 1);
        QCOMPARE(link.received->first().first().toByteArray(), QByteArray("fine"));
    }

    void brokenCrcIsDropped()
    {
        LinkFixture link;
        QVERIFY(link.activate());
        QByteArray framed = withCrc("abc");
        link.device.sendReport(report(1, 0xFFFF, framed.left(3) + QByteArray("\x00\x00", 2)));
        QTRY_VERIFY(link.log.contains(QStringLiteral("broken crc. Expected: 5b86 received: 0")));
        link.device.sendMessage(QByteArray("abc"));
        QTRY_COMPARE(link.received->size(), 1);
    }
};

QTEST_MAIN(TestTransportFraming)
#include "test_transport_framing.moc"
