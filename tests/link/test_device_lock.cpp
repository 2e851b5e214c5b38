#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "link/DeviceLock.h"
#include "link/HIDConnection.h"
#include "link/HIDInterface.h"
#include "sim/LogCapture.h"
#include "sim/SimBus.h"
#include "sim/SimDevice.h"

namespace {
const QString Serial = QStringLiteral("00C0FFEE");

// Another copy of the program: a separate process holding the lock of Serial.
bool startHolder(QProcess &holder)
{
    holder.start(QStringLiteral(LOCK_HOLDER_PATH), {Serial});
    if (!holder.waitForStarted())
        return false;
    if (!holder.waitForReadyRead(30000))
        return false;
    return holder.readLine().trimmed() == "held";
}
} // namespace

class TestDeviceLock : public QObject
{
    Q_OBJECT
private slots:
    void heldByAnotherProcess_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("holder exits") << false;
        QTest::newRow("holder is killed") << true;
    }
    void heldByAnotherProcess()
    {
        QFETCH(bool, killed);
        LogCapture log;
        SimBus bus;
        SimDevice device(Serial, QStringLiteral("Korvel-GSM R"));
        bus.plug(&device);
        QProcess holder;
        QVERIFY(startHolder(holder));

        auto hid = std::make_unique<HIDInterface>();
        QTRY_VERIFY(hid->currentConnection());
        QVERIFY(!hid->isAvailable());
        hid->activate();
        QVERIFY(!hid->isActive());
        QCOMPARE(hid->currentConnection()->stateCode(), int(HIDConnection::Opened));
        hid->send(QByteArray("not sent"));

        if (killed) {
            holder.kill();
        } else {
            holder.closeWriteChannel();
        }
        QVERIFY(holder.waitForFinished(30000));

        QVERIFY(hid->isAvailable());
        hid->activate();
        QVERIFY(hid->isActive());
        hid->send(QByteArray("sent"));
        QTRY_COMPARE(device.receivedMessages().size(), 1);
        QCOMPARE(device.receivedMessages().first(), QByteArray("sent"));

        // While we hold it, a second copy cannot take it.
        QProcess second;
        second.start(QStringLiteral(LOCK_HOLDER_PATH), {Serial});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 1);

        hid->deactivate();
        QVERIFY(!DeviceLock(Serial).isHeldElsewhere());
    }

    void lockFollowsItsOwner()
    {
        DeviceLock first(Serial);
        DeviceLock second(Serial);
        QVERIFY(!first.isHeldElsewhere());
        QVERIFY(first.acquire());
        QVERIFY(second.isHeldElsewhere());
        QVERIFY(!second.acquire());
        first.release();
        QVERIFY(!second.isHeldElsewhere());
        QVERIFY(second.acquire());
    }

    void serialNumberMustNameAFile_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::newRow("empty") << QString();
        QTest::newRow("path") << QStringLiteral("../../etc/x");
        QTest::newRow("64 digits") << QString(64, QLatin1Char('A'));
    }
    void serialNumberMustNameAFile()
    {
        QFETCH(QString, serial);
        DeviceLock lock(serial);
        QVERIFY(lock.isHeldElsewhere());
        QVERIFY(!lock.acquire());
    }
};

QTEST_MAIN(TestDeviceLock)
#include "test_device_lock.moc"
