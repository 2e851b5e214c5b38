#include "app/ConfigWriteTimes.h"
#include "app/FileChooser.h"
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "app/WaitForm.h"
#include "link/PendingWrites.h"
#include "link/Protocol.h"
#include "link/ProtocolTypes.h"
#include "sim/LogCapture.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr int DeviceTimeout = 30000;

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}

QString writeConfig(const QTemporaryDir &dir, const QString &name, const QJsonObject &object)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(object).toJson());
    return path;
}

QJsonObject currentFormatFile(int userId)
{
    const QJsonObject version{{"compatible", 1}, {"critical", 1}};
    return QJsonObject{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 0},
        {"Modification", 0},
        {"SerialNumber", "0"},
        {"Beeper", QJsonObject{{"settingsVersion", version}}},
        {"Object", QJsonObject{{"settingsVersion", version}}},
        {"Ethernet", QJsonObject{{"settingsVersion", version}}},
        {"Users", QJsonArray{QJsonObject{{"userName", "admin"}, {"settings", 1}, {"id", userId}}}},
    };
}

QJsonObject olderFormatFile(int userId = 0)
{
    return QJsonObject{
        {"Version", "1.02"},
        {"Datetime", "12.03.2019 10:00"},
        {"BeeperSettings", QJsonObject{{"Volume", 1}}},
        {"UserSettings",
         QJsonObject{{"Users", QJsonArray{QJsonObject{
                                   {"Name", "admin"}, {"Id", userId}, {"IsAdmin", true}}}}}},
    };
}

// The program logged in to a simulated communicator, with a folder for its files.
struct Session : RadioSession
{
    QTemporaryDir dir;

    // File choices the program asks for, each cancelled.
    QStringList fileDialogs;

    Session()
    {
        FileChooser::setHandler([this](const FileChooser::Request &request) {
            fileDialogs << request.caption;
            return QStringList();
        });
    }
    ~Session() { FileChooser::clearHandler(); }
};

// Times of the write-in's stages, from the moment the write-in starts.
struct StageClock
{
    QElapsedTimer clock;
    QMap<QString, qint64> stages;
    QObject context;

    StageClock()
    {
        clock.start();
        QObject::connect(Logger::instance(), &Logger::message, &context,
                         [this](const QString &, logLevel_t, const QString &text) {
                             if (text.startsWith("Configuration write: "))
                                 stages.insert(text.mid(21), clock.elapsed());
                         });
    }
};

void answerChooserWithApply(ModalRecorder &boxes)
{
    boxes.reply = [](const ModalAnswerer::Request &request) {
        return request.kind == "chooser" ? 0 : int(QMessageBox::Ok);
    };
}
} // namespace

class TestConfigWriteIn : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Logger::registerMetaType(); }

    void init()
    {
        Intervals::keepAliveMs = 300;
        Intervals::loaderWatchdogMs = 180000;
    }

    void stagesRunInTurnAndTheDeviceRestarts_data()
    {
        QTest::addColumn<bool>("olderFormat");
        QTest::newRow("current format") << false;
        QTest::newRow("older format") << true;
    }

    void stagesRunInTurnAndTheDeviceRestarts()
    {
        QFETCH(bool, olderFormat);
        Session session;
        QVERIFY(session.logIn());
        const QString path = writeConfig(session.dir, "site.cfg",
                                         olderFormat ? olderFormatFile() : currentFormatFile(0));
        ModalRecorder boxes;
        answerChooserWithApply(boxes);
        // The GSM page asks for its first status a while after the login; on a loaded
        // machine that could fall after the restart this test expects last.
        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0x16).isEmpty(), DeviceTimeout);
        QSignalSpy rebooted(&session.device(), &SimCommunicator::rebooted);
        session.device().clearCommands();
        StageClock clock;

        session.overmind()->onLoadSettings(path);
        QVERIFY(session.overmind()->isConfigWriteRunning());
        QVERIFY(session.overmind()->waitForm()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(rebooted.count(), 1, DeviceTimeout);

        QCOMPARE(clock.stages.contains("stage 2"), olderFormat);
        QVERIFY(clock.stages.contains("stage 3"));
        // Lower bounds only: a loaded machine may run the stages late, never early.
        const qint64 first = clock.stages.value("stage 1");
        if (olderFormat)
            QVERIFY(clock.stages.value("stage 2") - first >= ConfigWriteTimes::usersStageMs - 20);
        QVERIFY(clock.stages.value("stage 3") - first >= ConfigWriteTimes::secondPassMs - 20);

        const QList<QByteArray> reboots = session.device().commandsOf(0xD3);
        QCOMPARE(reboots.size(), 1);
        QCOMPARE(idOf(reboots.first()), quint16(0xABCD));
        QCOMPARE(session.device().commands().last(), reboots.first());
        QVERIFY(!session.overmind()->isConfigWriteRunning());
        QVERIFY(!session.overmind()->waitForm()->isVisible());
        QCOMPARE(boxes.count("critical"), 0);

        // The device comes back; the next login rebuilds every settings object.
        QSignalSpy rebuilt(session.overmind(), &Overmind::endInitSettings);
        QVERIFY(session.logIn());
        QVERIFY(rebuilt.count() >= 1);
        QVERIFY(session.overmind()->isSettingsLoaded());
    }

    // The device refuses one block of each kind written first: the write-in ends with one
    // summary naming each refused block with the device's text, and the device is not
    // restarted as after a write-in that went through.
    void refusedBlocksAreSummedUpAtTheEnd()
    {
        Session session;
        QVERIFY(session.logIn());
        QJsonObject file = currentFormatFile(0);
        file.insert("Users",
                    QJsonArray{QJsonObject{{"userName", "admin"}, {"settings", 1}, {"id", 0}},
                               QJsonObject{{"userName", "guard"}, {"settings", 1}, {"id", 3}}});
        const QString path = writeConfig(session.dir, "site.cfg", file);
        ModalRecorder boxes;
        answerChooserWithApply(boxes);
        const QList<QPair<quint8, quint16>> refused = {{_MenuConfigWriteBeeper, 78},
                                                       {_MenuConfigWriteObject, 102},
                                                       {_MenuConfigWriteUser, 3005}};
        for (const auto &block : refused)
            session.device().failNext(block.first, block.second);
        LogCapture log;

        session.overmind()->onLoadSettings(path);
        QTRY_VERIFY_WITH_TIMEOUT(!session.overmind()->isConfigWriteRunning(), DeviceTimeout);

        QCOMPARE(boxes.count("critical"), 1);
        QCOMPARE(boxes.count("warning"), 0);
        const QString summary = boxes.seen.last().text;
        for (const auto &block : refused) {
            QVERIFY2(summary.contains(PendingWrites::describe(block.first)), qPrintable(summary));
            QVERIFY2(summary.contains(Protocol::firmwareUpdateErrorString(block.second)),
                     qPrintable(summary));
        }
        QVERIFY(summary.contains(QStringLiteral("guard")));
        QVERIFY(!log.contains(QStringLiteral("Writing settings done. Restarting")));
        QCOMPARE(session.device().commandsOf(0xD3).size(), 0);
        QVERIFY(!session.overmind()->waitForm()->isVisible());
    }

    void unplugDuringTheWriteEndsItCleanly()
    {
        Session session;
        QVERIFY(session.logIn());
        const QString path = writeConfig(session.dir, "site.cfg", currentFormatFile(0));
        ModalRecorder boxes;
        answerChooserWithApply(boxes);
        StageClock clock;
        session.overmind()->onLoadSettings(path);
        QVERIFY(session.overmind()->isConfigWriteRunning());
        session.sim.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!session.overmind()->isConfigWriteRunning(), DeviceTimeout);
        QVERIFY(!session.overmind()->waitForm()->isVisible());
        QCOMPARE(boxes.count("critical"), 1);
        QCOMPARE(boxes.seen.last().text,
                 QCoreApplication::translate(
                     "Overmind", "The device was disconnected while the configuration was being "
                                 "written. Connect it again, log in and check the settings."));
        // The second stage never runs against the missing device.
        QTest::qWait(ConfigWriteTimes::secondPassMs + 200);
        QVERIFY(!clock.stages.contains("stage 3"));
        QCOMPARE(session.device().commandsOf(0xD3).size(), 0);

        session.sim.plug();
        QSignalSpy rebuilt(session.overmind(), &Overmind::endInitSettings);
        QVERIFY(session.logIn());
        QVERIFY(rebuilt.count() >= 1);
    }

    void fileWithoutTheCurrentUserRestartsAtOnce()
    {
        Session session;
        QVERIFY(session.logIn());
        const QString path = writeConfig(session.dir, "site.cfg", currentFormatFile(5));
        ModalRecorder boxes;
        answerChooserWithApply(boxes);
        QSignalSpy rebooted(&session.device(), &SimCommunicator::rebooted);
        StageClock clock;
        session.overmind()->onLoadSettings(path);
        QVERIFY(!session.overmind()->isConfigWriteRunning());
        QTRY_COMPARE_WITH_TIMEOUT(rebooted.count(), 1, DeviceTimeout);
        QTest::qWait(ConfigWriteTimes::secondPassMs + 200);
        QVERIFY(!clock.stages.contains("stage 3"));
    }

    void olderFileWithoutTheCurrentUserStopsBeforeTheRestart()
    {
        Session session;
        QVERIFY(session.logIn());
        const QString path = writeConfig(session.dir, "old.cfg", olderFormatFile(5));
        ModalRecorder boxes;
        answerChooserWithApply(boxes);
        QSignalSpy reload(session.overmind(), &Overmind::reloadConfigFile);
        StageClock clock;
        session.overmind()->onLoadSettings(path);
        QTRY_COMPARE_WITH_TIMEOUT(reload.count(), 1, DeviceTimeout);
        // The file is asked for again.
        QCOMPARE(session.fileDialogs.size(), 1);
        QVERIFY(!session.overmind()->waitForm()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(clock.stages.contains("stage 3"), DeviceTimeout);
        QVERIFY(!session.overmind()->isConfigWriteRunning());
        QTest::qWait(300);
        QCOMPARE(session.device().commandsOf(0xD3).size(), 0);
    }

    void failedLoginAgainEndsTheWrite()
    {
        Session session;
        QVERIFY(session.logIn());
        const QString path = writeConfig(session.dir, "site.cfg", currentFormatFile(0));
        ModalRecorder boxes;
        answerChooserWithApply(boxes);
        StageClock clock;
        session.overmind()->onLoadSettings(path);
        QVERIFY(session.overmind()->isConfigWriteRunning());
        // The device refuses the login, then refuses the login as the current user too.
        session.overmind()->onLoginResult(LOGIN_FAILED, 0, 0);
        QVERIFY(session.overmind()->isConfigWriteRunning());
        session.overmind()->onLoginResult(LOGIN_FAILED, 0, 0);
        QVERIFY(!session.overmind()->isConfigWriteRunning());
        QCOMPARE(boxes.count("critical"), 1);
        QTest::qWait(ConfigWriteTimes::secondPassMs + 200);
        QVERIFY(!clock.stages.contains("stage 3"));
        QCOMPARE(session.device().commandsOf(0xD3).size(), 0);
    }

    void waitForACommandThatNeverLeavesGivesUp()
    {
        LogCapture log;
        Overmind overmind;
        const int saved = ConfigWriteTimes::transmitLimitMs;
        ConfigWriteTimes::transmitLimitMs = 50;
        bool ran = false;
        overmind.waitFor([&ran] { ran = true; });
        ConfigWriteTimes::transmitLimitMs = saved;
        QVERIFY(ran);
        QTRY_VERIFY(log.contains("Gave up waiting for the command to be sent"));
    }

    void waitTheProgramsQuitEndedIsNoLimitPassed()
    {
        LogCapture log;
        Overmind overmind;
        // Outside the program's event loop a quit makes every event loop started
        // afterwards return at once.
        QCoreApplication::quit();
        overmind.waitFor([] {});
        QTRY_VERIFY(log.contains("Could not wait for the command to be sent: the program is "
                                 "quitting"));
        QVERIFY(!log.contains("Gave up waiting"));
        // The program's event loop clears the quit for the next test.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void chooserCancelledWritesNothing()
    {
        Session session;
        QVERIFY(session.logIn());
        const QString path = writeConfig(session.dir, "site.cfg", currentFormatFile(0));
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &) { return 1; };
        session.device().clearCommands();
        session.overmind()->onLoadSettings(path);
        QCOMPARE(boxes.count("chooser"), 1);
        QVERIFY(!session.overmind()->isConfigWriteRunning());
        QVERIFY(!session.overmind()->waitForm());
        QCOMPARE(session.device().commandsOf(0xD3).size(), 0);
    }
};

QTEST_MAIN(TestConfigWriteIn)
#include "test_config_writein.moc"
