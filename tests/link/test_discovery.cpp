#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "link/HIDConnection.h"
#include "link/HIDInterface.h"
#include "sim/LogCapture.h"
#include "sim/SimBus.h"
#include "sim/SimDevice.h"

Q_DECLARE_METATYPE(QList<connect_info>)

namespace {
const QString ProductA = QStringLiteral("Korvel-GSM R");
const QString ProductB = QStringLiteral("Korvel-GSM R LTE");

// Two whole scans after now: anything a scan would announce has been announced.
void waitForScans(const SimBus &bus)
{
    const int target = bus.enumerationCount() + 4;
    QTRY_VERIFY_WITH_TIMEOUT(bus.enumerationCount() >= target, 10000);
    QTest::qWait(50); // let the queued announcement arrive
}

HIDConnection *connectionOf(const HIDInterface &hid, const QString &serial)
{
    for (HIDConnection *connection : hid.connections()) {
        if (connection->serialNumber() == serial)
            return connection;
    }
    return nullptr;
}

struct Discovery
{
    Discovery()
        : a(QStringLiteral("0000A001"), ProductA, 0x5710),
          b(QStringLiteral("0000B002"), ProductB, 0x9005)
    {
    }
    void start()
    {
        hid = std::make_unique<HIDInterface>();
        connected = std::make_unique<QSignalSpy>(hid.get(), &HIDInterface::connected);
        disconnected = std::make_unique<QSignalSpy>(hid.get(), &HIDInterface::disconnected);
        findAny = std::make_unique<QSignalSpy>(hid.get(), &HIDInterface::findAnyDevices);
        lost = std::make_unique<QSignalSpy>(hid.get(), &HIDInterface::lostDeviceConnect);
        listUpdated = std::make_unique<QSignalSpy>(hid.get(), &HIDInterface::listUpdated);
    }
    // Plugs a, then b, and waits until both have connections.
    bool startWithTwo()
    {
        bus.plug(&a);
        start();
        if (!QTest::qWaitFor([this] { return connected->size() == 1; }, 10000))
            return false;
        bus.plug(&b);
        return QTest::qWaitFor([this] { return hid->connections().size() == 2; }, 10000);
    }
    ~Discovery()
    {
        connected.reset();
        disconnected.reset();
        findAny.reset();
        lost.reset();
        listUpdated.reset();
        hid.reset();
    }

    LogCapture log;
    SimBus bus;
    SimDevice a;
    SimDevice b;
    std::unique_ptr<HIDInterface> hid;
    std::unique_ptr<QSignalSpy> connected, disconnected, findAny, lost, listUpdated;
};
} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QList<connect_info>>("QList<connect_info>"); }

    void oneDeviceIsAnnouncedOnce_data()
    {
        QTest::addColumn<int>("interfaces");
        QTest::newRow("one interface") << 1;
        QTest::newRow("three interfaces, one serial number") << 3;
    }
    void oneDeviceIsAnnouncedOnce()
    {
        QFETCH(int, interfaces);
        Discovery d;
        d.a.setInterfaceCount(interfaces);
        d.bus.plug(&d.a);
        d.start();
        QTRY_COMPARE(d.connected->size(), 1);
        waitForScans(d.bus);

        QCOMPARE(d.connected->size(), 1);
        QCOMPARE(d.findAny->size(), 0);
        QCOMPARE(d.hid->connections().size(), 1);
        QVERIFY(d.hid->hasDevices());
        const QList<connect_info> list = d.hid->deviceList();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().product, ProductA);
        QCOMPARE(list.first().serial, d.a.serial());
        QCOMPARE(d.hid->currentConnection()->stateCode(), int(HIDConnection::Opened));
        QCOMPARE(d.log.count(QStringLiteral("New device connected: 0000A001")), 1);
        QVERIFY(d.log.contains(QStringLiteral("VID: 1155  PID: 22288")));
    }

    void secondDeviceGivesFindAnyDevices()
    {
        Discovery d;
        QVERIFY(d.startWithTwo());
        QTRY_COMPARE(d.findAny->size(), 1);
        QCOMPARE(d.connected->size(), 1); // the second one's is not forwarded
        const QList<connect_info> list = d.hid->deviceList();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).serial, d.a.serial());
        QCOMPARE(list.at(1).serial, d.b.serial());
        QCOMPARE(list.at(1).product, ProductB);
        QCOMPARE(d.hid->currentConnection()->serialNumber(), d.a.serial());
        QCOMPARE(connectionOf(*d.hid, d.b.serial())->stateCode(), int(HIDConnection::Opened));
    }

    void brokenSerialNumberIsSkipped_data()
    {
        QTest::addColumn<bool>("hasSerial");
        QTest::addColumn<QString>("serial");
        QTest::newRow("no serial number") << false << QString();
        QTest::newRow("empty") << true << QString();
        QTest::newRow("not hexadecimal") << true << QStringLiteral("12G4");
        QTest::newRow("sign") << true << QStringLiteral("-1234");
        QTest::newRow("too big for 64 bits") << true << QStringLiteral("1FFFFFFFFFFFFFFFF");
    }
    void brokenSerialNumberIsSkipped()
    {
        QFETCH(bool, hasSerial);
        QFETCH(QString, serial);
        Discovery d;
        HidDeviceInfo stray;
        stray.vendorId = 0x0483;
        stray.productId = 0x5710;
        stray.hasSerialNumber = hasSerial;
        stray.serialNumber = serial;
        d.bus.addStrayRecord(stray);
        d.start();
        waitForScans(d.bus);
        QTRY_VERIFY(d.log.count(QStringLiteral("Device hang, please reconnect.")) >= 2);
        QVERIFY(!d.hid->hasDevices());
        QCOMPARE(d.connected->size(), 0);
    }

    void unplugCurrentOfTwo()
    {
        Discovery d;
        QVERIFY(d.startWithTwo());
        d.bus.unplug(&d.a);
        QTRY_COMPARE(d.lost->size(), 1);
        QCOMPARE(d.lost->first().first().toString(), d.a.serial());
        QCOMPARE(d.disconnected->size(), 1);
        QCOMPARE(d.listUpdated->size(), 1);
        const auto remaining = d.listUpdated->first().first().value<QList<connect_info>>();
        QCOMPARE(remaining.size(), 1);
        QCOMPARE(remaining.first().serial, d.b.serial());
        QVERIFY(!d.hid->currentConnection());

        // The remaining device becomes current when asked for, and is opened again.
        QVERIFY(d.hid->isAvailable());
        QCOMPARE(d.hid->currentConnection()->serialNumber(), d.b.serial());
        QCOMPARE(d.connected->size(), 2);

        // Plugged back, the lost device is announced anew.
        d.bus.plug(&d.a);
        QTRY_COMPARE(d.hid->connections().size(), 2);
        QTRY_COMPARE(d.findAny->size(), 2);
        QCOMPARE(d.hid->deviceList().at(1).serial, d.a.serial());
    }

    void unplugNonCurrent()
    {
        Discovery d;
        QVERIFY(d.startWithTwo());
        QPointer<HIDConnection> lostConnection = connectionOf(*d.hid, d.b.serial());
        d.bus.unplug(&d.b);
        QTRY_COMPARE(d.lost->size(), 1);
        QCOMPARE(d.lost->first().first().toString(), d.b.serial());
        QCOMPARE(d.listUpdated->size(), 1);
        QCOMPARE(d.disconnected->size(), 0);
        QCOMPARE(d.hid->currentConnection()->serialNumber(), d.a.serial());
        QTRY_VERIFY(lostConnection.isNull()); // deleted later, not inside its own signal
    }

    void unplugActiveDevice()
    {
        Discovery d;
        d.bus.plug(&d.a);
        d.start();
        QTRY_COMPARE(d.connected->size(), 1);
        d.hid->activate();
        QVERIFY(d.hid->isActive());
        d.bus.unplug(&d.a);
        QTRY_COMPARE(d.lost->size(), 1);
        QCOMPARE(d.disconnected->size(), 1);
        QVERIFY(!d.hid->hasDevices());
        QVERIFY(!d.hid->isActive());
        QVERIFY(!d.hid->isAvailable());
        QTRY_VERIFY(d.log.contains(QStringLiteral("Read failed!")));
        QCOMPARE(d.bus.openHandleCount(&d.a), 0);
    }

    void deviceThatCannotBeUsedStaysClosed_data()
    {
        QTest::addColumn<bool>("openFails");
        QTest::newRow("open fails") << true;
        QTest::newRow("product string unreadable") << false;
    }
    void deviceThatCannotBeUsedStaysClosed()
    {
        QFETCH(bool, openFails);
        Discovery d;
        if (openFails)
            d.a.failOpen(true);
        else
            d.a.failProductString(true);
        d.bus.plug(&d.a);
        d.start();
        QTRY_COMPARE(d.hid->connections().size(), 1);
        waitForScans(d.bus);
        QCOMPARE(d.hid->connections().size(), 1);
        QCOMPARE(d.hid->currentConnection()->stateCode(), int(HIDConnection::Closed));
        QCOMPARE(d.connected->size(), 0);
        QCOMPARE(d.bus.openHandleCount(&d.a), 0);
        d.hid->activate();
        QVERIFY(!d.hid->isActive());
    }

    void nothingIsSentUnlessActive()
    {
        Discovery d;
        d.bus.plug(&d.a);
        d.start();
        QTRY_COMPARE(d.connected->size(), 1);
        d.hid->setPayloadSize(59);
        d.hid->send(QByteArray("dropped"));
        QVERIFY(!d.hid->isWriterBusy());
        d.hid->activate();
        d.hid->send(QByteArray("sent"));
        QTRY_COMPARE(d.a.receivedMessages().size(), 1);
        QCOMPARE(d.a.receivedMessages().first(), QByteArray("sent"));
    }

    void reactivationStartsAFreshWriter()
    {
        Discovery d;
        d.bus.plug(&d.a);
        d.start();
        QTRY_COMPARE(d.connected->size(), 1);
        d.hid->activate();
        d.hid->setPayloadSize(59);
        d.hid->send(QByteArray(100, 'a'));
        d.hid->send(QByteArray(100, 'b'));
        QTRY_COMPARE(d.a.receivedMessages().size(), 2);
        d.hid->deactivate();
        QCOMPARE(d.hid->currentConnection()->stateCode(), int(HIDConnection::Deactivated));
        d.a.clearRecords();

        d.hid->activate();
        QVERIFY(d.hid->isActive());
        d.hid->send(QByteArray(100, 'c'));
        QTRY_COMPARE(d.a.receivedMessages().size(), 1);
        const QByteArray first = d.a.hostReports().first();
        QCOMPARE(int(quint8(first.at(1))), 0);  // counter starts again
        QCOMPARE(int(quint8(first.at(4))), 60); // payload size too
    }

    void selectingAnotherDeviceDeactivatesTheFirst()
    {
        Discovery d;
        QVERIFY(d.startWithTwo());
        d.hid->activate();
        QVERIFY(d.hid->isActive());
        HIDConnection *first = d.hid->currentConnection();

        QVERIFY(!d.hid->selectDevice(QStringLiteral("FFFF")));
        QCOMPARE(d.hid->currentConnection(), first);
        QVERIFY(d.hid->selectDevice(d.b.serial()));
        QCOMPARE(first->stateCode(), int(HIDConnection::Deactivated));
        QCOMPARE(d.hid->currentConnection()->serialNumber(), d.b.serial());
        QCOMPARE(d.connected->size(), 2); // reopening the new current one announces it

        d.hid->activate();
        QVERIFY(d.hid->isActive());
        QSignalSpy received(d.hid.get(), &HIDInterface::messageReceived);
        d.a.sendMessage(QByteArray("from a"));
        d.b.sendMessage(QByteArray("from b"));
        QTRY_COMPARE(received.size(), 1);
        QTest::qWait(100);
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toByteArray(), QByteArray("from b"));
    }
};

QTEST_MAIN(TestDiscovery)
#include "test_discovery.moc"
