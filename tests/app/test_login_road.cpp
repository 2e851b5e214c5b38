#include "app/Intervals.h"
#include "app/Loader.h"
#include "app/LoginWidget.h"
#include "app/Overmind.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
constexpr int DeviceTimeout = 30000;

// The controller's own firmware-information reads; the update page's carry a device number.
int controllerFirmwareReads(SimCommunicator &device)
{
    int count = 0;
    for (const QByteArray &command : device.commandsOf(0x34))
        if (command.size() == 3)
            ++count;
    return count;
}

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}
} // namespace

class TestLoginRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Intervals::keepAliveMs = 300;
        Intervals::loaderWatchdogMs = 180000;
    }

    void rightPasswordLogsInAndReadsTheConfiguration()
    {
        ModalRecorder boxes; // the radio devices may ask about energy saving
        RadioSession session;
        QVERIFY(session.waitForLoginDialog());
        QSignalSpy ready(session.overmind(), &Overmind::ready);
        session.enterCredentials("admin", "vorte");

        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0x34).isEmpty(), DeviceTimeout);
        QCOMPARE(session.device().commandsOf(0x01).size(), 1);
        QCOMPARE(idOf(session.device().commandsOf(0x34).first()), quint16(16));
        QTRY_VERIFY_WITH_TIMEOUT(!session.overmind()->registry().isEmpty(), DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x23).size(), 1, DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 60000);
        QVERIFY(session.overmind()->isSettingsLoaded());
        QCOMPARE(session.overmind()->currentUserId(), 0);
        QVERIFY(session.overmind()->canEdit());
        QCOMPARE(session.overmind()->deviceInfo().version(), 0x0104);
        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0x50).isEmpty(), DeviceTimeout);
        QVERIFY(!session.overmind()->loginWidget()->isVisible());
    }

    void wrongPasswordKeepsTheDialog()
    {
        ModalRecorder boxes; // the radio devices may ask about energy saving
        RadioSession session;
        QVERIFY(session.waitForLoginDialog());
        session.enterCredentials("admin", "wrong");
        auto *password = session.overmind()->loginWidget()->findChild<QLineEdit *>("lePassword");
        QTRY_COMPARE_WITH_TIMEOUT(password->placeholderText(),
                                  QCoreApplication::translate("LoginWidget", "Wrong password"),
                                  DeviceTimeout);
        QVERIFY(password->text().isEmpty());
        QVERIFY(session.overmind()->loginWidget()->isVisible());
        QVERIFY(session.device().commandsOf(0x34).isEmpty());
    }

    void stalledLoadAsksAndRetrySendsTheReadAgain()
    {
        Intervals::loaderWatchdogMs = 400;
        ModalRecorder boxes;
        int questions = 0;
        boxes.reply = [&questions](const ModalAnswerer::Request &request) {
            // Translated when asked: the translation is installed by the program's start.
            if (request.text !=
                QCoreApplication::translate("Loader", "Failed to load configuration"))
                return int(QMessageBox::Ok);
            return ++questions == 1 ? int(QMessageBox::Retry) : int(QMessageBox::Cancel);
        };
        RadioSession session;
        session.device().script(0x23, {}); // the device never streams the configuration
        QVERIFY(session.waitForLoginDialog());
        session.enterCredentials("admin", "vorte");
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x23).size(), 2, DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(questions, 2, DeviceTimeout);

        QTRY_VERIFY(!Loader::current());
        QVERIFY(!session.overmind()->isSettingsLoaded());
    }

    void unplugDuringTheLoadLeavesNoQuestion()
    {
        // Long enough that a loaded machine notices the unplug before the loader would give
        // up on the silent device.
        Intervals::loaderWatchdogMs = 3000;
        ModalRecorder boxes;
        RadioSession session;
        session.device().script(0x23, {});
        QVERIFY(session.waitForLoginDialog());
        QSignalSpy disconnected(session.overmind(), &Overmind::disconnected);
        session.enterCredentials("admin", "vorte");
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x23).size(), 1, DeviceTimeout);
        session.sim.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(disconnected.count() >= 1, DeviceTimeout);
        QTest::qWait(3 * Intervals::loaderWatchdogMs);
        // The window's start-up offer may come up once the device is gone; the loader
        // must not ask.
        QVERIFY(
            !boxes.sawText(QCoreApplication::translate("Loader", "Failed to load configuration")));
        QVERIFY(!session.overmind()->isLoggedIn());
        QCOMPARE(session.overmind()->currentUserId(), -1);
    }

    void unprogrammedFirmwareAnswerIsAskedForAFewTimes()
    {
        ModalRecorder boxes; // the radio devices may ask about energy saving
        RadioSession session;
        QByteArray blank = SimulatedSetup::firmwareInfo();
        for (int i = 62; i < 64; ++i)
            blank[i] = char(0xFF);
        for (int i = 72; i < 76; ++i)
            blank[i] = char(0xFF);
        session.device().setRecord(0x34, 16, blank);
        QVERIFY(session.waitForLoginDialog());
        session.enterCredentials("admin", "vorte");
        const int expected = 1 + Intervals::firmwareRetryLimit;
        QTRY_COMPARE_WITH_TIMEOUT(controllerFirmwareReads(session.device()), expected,
                                  DeviceTimeout);
        QTest::qWait(500);
        QCOMPARE(controllerFirmwareReads(session.device()), expected);
    }

    void oneLoginDialogAndOneHandlerPerLogin()
    {
        ModalRecorder boxes; // the radio devices may ask about energy saving
        RadioSession session;
        QVERIFY(session.waitForLoginDialog());
        LoginWidget *dialog = session.overmind()->loginWidget();
        session.overmind()->onConnect();
        session.overmind()->showLoginWidget();
        QCOMPARE(session.overmind()->loginWidget(), dialog);
        QCOMPARE(session.overmind()->findChildren<LoginWidget *>().size(), 0);
        QSignalSpy loggedIn(session.overmind(), &Overmind::loginSuccessful);
        session.enterCredentials("admin", "vorte");
        QTRY_COMPARE_WITH_TIMEOUT(loggedIn.count(), 1, DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(controllerFirmwareReads(session.device()), 1, DeviceTimeout);
        QTest::qWait(300);
        QCOMPARE(loggedIn.count(), 1);
        QCOMPARE(controllerFirmwareReads(session.device()), 1);
    }

    void deviceHeldByAnotherProcess()
    {
        QProcess holder;
        holder.start(QStringLiteral(LOCK_HOLDER_PATH),
                     {QString::fromLatin1(SimulatedSetup::Serial)});
        QVERIFY(holder.waitForStarted());
        QVERIFY(holder.waitForReadyRead(30000));

        ModalRecorder boxes;
        RadioSession session;
        QTRY_VERIFY_WITH_TIMEOUT(session.overmind()->hasDevices(), DeviceTimeout);
        QVERIFY(!session.overmind()->onAuthorize());
        QVERIFY(boxes.sawText(QCoreApplication::translate(
            "Overmind",
            "The device is already connected. You can't connect to the device twice.")));
        QVERIFY(!session.overmind()->loginWidget() ||
                !session.overmind()->loginWidget()->isVisible());

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(30000));
        QVERIFY(session.overmind()->onAuthorize());
        QVERIFY(session.waitForLoginDialog());
        session.enterCredentials("admin", "vorte");
        QTRY_VERIFY_WITH_TIMEOUT(session.overmind()->isLoggedIn(), DeviceTimeout);
    }
};

QTEST_MAIN(TestLoginRoad)
#include "test_login_road.moc"
