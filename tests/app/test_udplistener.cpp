#include "app/Logger.h"
#include "app/UdpListener.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>
#include <memory>
#include <vector>

namespace {
// Sends one datagram to the listener from another process on loopback.
bool sendFromPeer(quint16 toPort, const QByteArray &payload, quint16 fromPort = 0)
{
    QProcess peer;
    peer.start(QStringLiteral(UDP_PEER_PATH), {QString::number(toPort), QString::number(fromPort),
                                               QString::fromLatin1(payload.toHex())});
    return peer.waitForFinished(60000) && peer.exitStatus() == QProcess::NormalExit &&
           peer.exitCode() == 0;
}

quint16 freeLoopbackPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.localPort();
}

bool portIsFree(quint16 port)
{
    QUdpSocket probe;
    return probe.bind(QHostAddress::Any, port);
}

// The answer of this program's listener. Other programs on the machine answer pings to the
// discovery port too, with their own names: theirs are passed over.
QNetworkDatagram ownPong(QUdpSocket &discovery)
{
    const QByteArray own = UdpListener::discoveryAnswer();
    QNetworkDatagram found;
    const bool arrived = QTest::qWaitFor(
        [&] {
            while (discovery.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = discovery.receiveDatagram();
                if (datagram.data() == own) {
                    found = datagram;
                    return true;
                }
            }
            return false;
        },
        60000);
    return arrived ? found : QNetworkDatagram();
}

// The first port of the listeners' range nobody holds, 0 when all are taken.
quint16 firstFreePort()
{
    for (int offset = 0; offset < UdpListener::PortCount; ++offset)
        if (portIsFree(quint16(UdpListener::FirstPort + offset)))
            return quint16(UdpListener::FirstPort + offset);
    return 0;
}
} // namespace

class TestUdpListener : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        QVERIFY(m_discovery.bind(QHostAddress::LocalHost, UdpListener::DiscoveryAnswerPort));
        m_listener = std::make_unique<UdpListener>();
        QVERIFY(m_listener->port() >= UdpListener::FirstPort);
    }
    void cleanupTestCase() { m_listener.reset(); }
    void cleanup()
    {
        while (m_discovery.hasPendingDatagrams())
            m_discovery.receiveDatagram();
    }

    void pingIsAnsweredOnTheDiscoveryPort()
    {
        const quint16 from = freeLoopbackPort();
        QVERIFY(sendFromPeer(m_listener->port(), "ping and more", from));
        const QNetworkDatagram answer = ownPong(m_discovery);
        QVERIFY(answer.isValid());
        QByteArray expected("pong");
        expected += '\0' + QCoreApplication::applicationName().toLocal8Bit();
        expected += '\0' + QHostInfo::localHostName().toUtf8();
        expected += '\0' + QCoreApplication::applicationFilePath().toLocal8Bit();
        QCOMPARE(answer.data(), expected);
        QCOMPARE(answer.data().count('\0'), 3);
        QVERIFY(!answer.data().endsWith('\0'));
        QCOMPARE(UdpListener::discoveryAnswer(), expected);
        // A socket of its own answers, not the listening one and not the asker's port.
        QVERIFY(answer.senderPort() != m_listener->port());
        QVERIFY(answer.senderPort() != from);
    }

    void commandsFromThisMachine_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<int>("closes");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("close") << QByteArray("close") << 1 << QStringList();
        QTest::newRow("close with more letters") << QByteArray("closeNow") << 1 << QStringList();
        QTest::newRow("message of one letter") << QByteArray("messages") << 0 << QStringList{"s"};
        QTest::newRow("empty message") << QByteArray("message") << 0 << QStringList{""};
        QTest::newRow("message text")
            << QByteArray("message Update finished") << 0 << QStringList{" Update finished"};
        QTest::newRow("capital Ping ignored") << QByteArray("Ping") << 0 << QStringList();
        QTest::newRow("capital Close ignored") << QByteArray("Close") << 0 << QStringList();
        QTest::newRow("unknown") << QByteArray("hello") << 0 << QStringList();
    }
    void commandsFromThisMachine()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(int, closes);
        QFETCH(QStringList, messages);
        QSignalSpy closed(m_listener.get(), &UdpListener::closeApplication);
        QSignalSpy shown(m_listener.get(), &UdpListener::showMessage);
        const auto received = [&] {
            QStringList texts;
            for (const QList<QVariant> &arguments : qAsConst(shown))
                texts << arguments.at(0).toString();
            return texts;
        };
        QVERIFY(sendFromPeer(m_listener->port(), datagram));
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), closes, 60000);
        QTRY_COMPARE_WITH_TIMEOUT(received(), messages, 60000);
        // Two senders' datagrams may pass each other on a busy machine (each processor
        // queues its own loopback traffic), so a ping behind the command is no barrier for
        // it. It still lets an ignored command show itself: whatever arrives late is
        // counted here or by the next row.
        QVERIFY(sendFromPeer(m_listener->port(), "ping"));
        QVERIFY(ownPong(m_discovery).isValid());
        QCOMPARE(closed.count(), closes);
        QCOMPARE(received(), messages);
    }

    void messageIsDecodedFromTheLocalCodePage()
    {
        const QString text = QString::fromUtf8("Настройки сохранены");
        if (QString::fromLocal8Bit(text.toLocal8Bit()) != text)
            QSKIP("the local code page has no Cyrillic letters");
        QSignalSpy shown(m_listener.get(), &UdpListener::showMessage);
        QVERIFY(sendFromPeer(m_listener->port(), "message" + text.toLocal8Bit()));
        QVERIFY(shown.wait());
        QCOMPARE(shown.at(0).at(0).toString(), text);
    }

    // Only programs on this computer may close the configurator or show it messages.
    void senderAddressDecides_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<bool>("obeyed");
        QTest::newRow("IPv4 loopback") << "127.0.0.1" << true;
        QTest::newRow("other loopback address") << "127.1.2.3" << true;
        QTest::newRow("IPv6 loopback") << "::1" << true;
        QTest::newRow("mapped IPv4 loopback") << "::ffff:127.0.0.1" << true;
        QTest::newRow("LAN host") << "192.168.1.10" << false;
        QTest::newRow("mapped LAN host") << "::ffff:10.0.0.7" << false;
        QTest::newRow("IPv6 host") << "2001:db8::5" << false;
        QTest::newRow("no address") << "" << false;
    }
    void senderAddressDecides()
    {
        QFETCH(QString, sender);
        QFETCH(bool, obeyed);
        Logger logger;
        QSignalSpy logged(&logger, &Logger::message);
        QSignalSpy closed(m_listener.get(), &UdpListener::closeApplication);
        QSignalSpy shown(m_listener.get(), &UdpListener::showMessage);
        m_listener->processCommand("close", QHostAddress(sender), 40000);
        m_listener->processCommand("message hi", QHostAddress(sender), 40000);
        QCOMPARE(closed.count(), obeyed ? 1 : 0);
        QCOMPARE(shown.count(), obeyed ? 1 : 0);
        QCOMPARE(logged.count(), obeyed ? 0 : 2);
        if (!obeyed)
            QCOMPARE(logged.at(0).at(1).value<logLevel_t>(), LogWarning);
    }

    void processCommandIsASlot()
    {
        QSignalSpy closed(m_listener.get(), &UdpListener::closeApplication);
        QVERIFY(QMetaObject::invokeMethod(
            m_listener.get(), "processCommand", Q_ARG(QByteArray, "close"),
            Q_ARG(QHostAddress, QHostAddress::LocalHost), Q_ARG(uint16_t, 1)));
        QCOMPARE(closed.count(), 1);
    }

    void nextListenersTakeTheNextPorts()
    {
        // Other programs on the machine take and free ports of the range too: what was free
        // is looked up just before, not assumed from the first listener's port.
        const quint16 firstFree = firstFreePort();
        std::vector<std::unique_ptr<UdpListener>> more;
        more.push_back(std::make_unique<UdpListener>());
        QVERIFY(more.back()->port() != m_listener->port());
        // Only another program taking that port in between may move the listener on.
        if (more.back()->port() != firstFree)
            QVERIFY(!portIsFree(firstFree));
        // Fill the range: the listener after the last free port binds nothing.
        while (more.back()->port() != 0 && more.size() <= size_t(UdpListener::PortCount))
            more.push_back(std::make_unique<UdpListener>());
        QCOMPARE(more.back()->port(), quint16(0));
        QVERIFY(more.size() <= size_t(UdpListener::PortCount));
        for (size_t i = 0; i + 1 < more.size(); ++i) {
            QVERIFY(more[i]->port() < UdpListener::FirstPort + UdpListener::PortCount);
            QCOMPARE(more[i]->port() == m_listener->port(), false);
        }
        // An unbound listener still handles direct commands and never crashes on reads.
        QSignalSpy closed(more.back().get(), &UdpListener::closeApplication);
        more.back()->processCommand("close", QHostAddress::LocalHost, 1);
        QCOMPARE(closed.count(), 1);
    }

private:
    QUdpSocket m_discovery;
    std::unique_ptr<UdpListener> m_listener;
};

QTEST_MAIN(TestUdpListener)
#include "test_udplistener.moc"
