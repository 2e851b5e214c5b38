#include "app/BaseSettingsWidget.h"
#include "app/FactoryResetWidget.h"
#include "app/FileChooser.h"
#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/SelectKorvel.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "link/ProtocolTypes.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/users/UserModel.h"
#include "pages/users/UsersWidget.h"
#include "radio/Partition.h"
#include "sim/LogCapture.h"
#include "sim/SimCommunicator.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {
// Pictures for a reviewer to look at; nothing compares their pixels.
QString screenshotPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

void saveScreenshot(QWidget *window, const QString &name)
{
    const QString path = screenshotPath(name);
    QFile::remove(path);
    QVERIFY(window->grab().save(path, "PNG"));
    QVERIFY(QFile::exists(path));
}

QString writeSampleConfig(const QTemporaryDir &dir)
{
    const QJsonObject version{{"compatible", 1}, {"critical", 1}};
    const QJsonObject config{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 0},
        {"Modification", 3},
        {"SerialNumber", "80000001"},
        {"Beeper", QJsonObject{{"settingsVersion", version}}},
        {"Object", QJsonObject{{"settingsVersion", version}}},
        {"Ethernet", QJsonObject{{"settingsVersion", version}}},
        {"Users", QJsonArray()},
    };
    const QString path = dir.filePath("site.cfg");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(config).toJson());
    return path;
}
constexpr int DeviceTimeout = 60000;

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}

// A settings page with unsaved changes.
class EditedPage : public BaseSettingsWidget
{
public:
    bool hasChanges() override { return true; }
};

// The program logged in to the simulated communicator.
struct Session : RadioSession
{
    // What the login set going has been asked and answered: two rounds in turn in which
    // the device heard nothing but a keep-alive sent through the link, each ended by a
    // device text the program logged after every answer sent before it.
    bool settleLogin()
    {
        LogCapture log;
        int quietRounds = 0;
        for (int round = 0; quietRounds < 2 && round < 200; ++round) {
            device().clearCommands();
            overmind()->protocol()->sendToDevice(_SendRequestExtendLogout);
            if (!QTest::qWaitFor([this] { return !device().commandsOf(0x50).isEmpty(); },
                                 DeviceTimeout))
                return false;
            const QString mark = QStringLiteral("<settled %1>").arg(round);
            device().send(SimCommunicator::message(0xC8, 0, mark.toLatin1() + '\0'));
            if (!QTest::qWaitFor([&] { return log.contains(mark); }, DeviceTimeout))
                return false;
            quietRounds = requestsBesidesKeepAlive().isEmpty() ? quietRounds + 1 : 0;
        }
        return quietRounds == 2;
    }

    // Operation and identifier of every command but the keep-alive.
    QStringList requestsBesidesKeepAlive()
    {
        QStringList requests;
        for (const QByteArray &command : device().commands())
            if (quint8(command.at(0)) != quint8(_SendRequestExtendLogout))
                requests << QString::fromLatin1(command.left(3).toHex());
        return requests;
    }
};

QStringList rowTexts(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text() + (list->item(i)->isHidden() ? "(hidden)" : "");
    return texts;
}

QStringList tabTitles(QTabWidget *tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

QString mwText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}
} // namespace

// The main window as the program shows it, without a device and against the simulated
// communicator.
class TestMainWindowDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init()
    {
        Intervals::keepAliveMs = 600000;
        Intervals::loaderWatchdogMs = 180000;
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
    }

    void cleanup()
    {
        FileChooser::clearHandler();
        boxes.reset();
    }

    void afterLoginTheTabsAndSettingsFollowTheFirmware()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *ui = session.ui();
        QCOMPARE(session.window()->windowTitle(), mwText("Device connected"));
        QCOMPARE(tabTitles(ui->twMain),
                 QStringList({mwText("Status"), mwText("Journal"), mwText("Devices"),
                              mwText("Channels"), mwText("Users"), mwText("IButtons"),
                              mwText("Settings"), mwText("Update")}));
        QTRY_VERIFY_WITH_TIMEOUT(ui->twMain->isTabEnabled(ui->twMain->count() - 1), DeviceTimeout);
        for (int i = 0; i < ui->twMain->count(); ++i)
            QVERIFY(ui->twMain->isTabEnabled(i));
        // Firmware 1.4 with Ethernet: every row, the debug row hidden.
        QCOMPARE(
            rowTexts(ui->settingsList),
            QStringList({mwText("Object"), mwText("Time"), mwText("Device"),
                         mwText("IButtons reader"), mwText("Light Indication"),
                         mwText("Sound Indication"), mwText("Ethernet"), mwText("Radio"),
                         mwText("GSM"), mwText("Output groups"), mwText("Debug") + "(hidden)"}));
        QVERIFY(!ui->actionConnect->isEnabled());
        QVERIFY(ui->actionDisconnect->isEnabled());
        QVERIFY(ui->actionLoadSettings->isEnabled());
        QVERIFY(ui->actionSaveSettings->isEnabled());
        QVERIFY(ui->actionResetToDefault->isEnabled());
        QCOMPARE(session.window()->partitionPages().size(), 18);

        session.ui()->twMain->setCurrentWidget(ui->tabSettings);
        saveScreenshot(session.window(), QStringLiteral("mainwindow-after-login.png"));
        session.ui()->twMain->setCurrentIndex(0);
    }

    // What a person trying the program without hardware sees.
    void largeSimulatedConfigurationLogsInWithoutAQuestion()
    {
        Session session;
        SimRadioConfiguration::install(session.device());
        QVERIFY(session.logInAndLoad());
        QVERIFY(session.overmind()->isSettingsLoaded());
        QStringList captions;
        for (PartitionCommandLinkButton *button :
             session.window()->findChildren<PartitionCommandLinkButton *>())
            captions << button->text();
        for (int index = 1; index < SimRadioConfiguration::PartitionCount; ++index) {
            const QString name = SimRadioConfiguration::partitionName(index);
            QVERIFY2(
                std::any_of(captions.cbegin(), captions.cend(),
                            [&name](const QString &caption) { return caption.contains(name); }),
                qPrintable(name));
        }
        QVERIFY2(boxes->seen.isEmpty(), qPrintable(boxes->seen.value(0).text));
        session.ui()->twMain->setCurrentWidget(session.ui()->tabPartitions);
        saveScreenshot(session.window(), QStringLiteral("mainwindow-simulated-devices.png"));
        session.ui()->twMain->setCurrentIndex(0);
    }

    // Logged in and idle, the device hears nothing but the keep-alive: no record is
    // written or read again on its own.
    void idleSessionSendsOnlyTheKeepAlive()
    {
        Session session;
        SimRadioConfiguration::install(session.device());
        QVERIFY(session.logInAndLoad());
        QTRY_VERIFY_WITH_TIMEOUT(session.overmind()->isSettingsLoaded(), DeviceTimeout);
        // The GSM status is first asked for a few seconds after the login, the SIM card's after
        // its answer: both belong to the login.
        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0x16).isEmpty(), DeviceTimeout);
        QVERIFY(session.settleLogin());
        session.device().clearCommands();
        // Longer than the timers of the partitions' default names.
        QTest::qWait(5000);
        const QStringList requests = session.requestsBesidesKeepAlive();
        QVERIFY2(requests.isEmpty(), qPrintable(requests.join(QLatin1Char(' '))));
    }

    void userWhoMayNotEditSeesStatusAndJournalOnly()
    {
        Session session;
        session.device().setCredentials(SimulatedSetup::Login, SimulatedSetup::Password, 0, 1);
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *ui = session.ui();
        QTRY_VERIFY_WITH_TIMEOUT(ui->twMain->isTabEnabled(1), DeviceTimeout);
        for (int i = 2; i < ui->twMain->count(); ++i)
            QVERIFY2(!ui->twMain->isTabEnabled(i), qPrintable(ui->twMain->tabText(i)));
        for (QAction *action : {ui->actionLoadSettings, ui->actionSaveSettings, ui->actionRestart,
                                ui->actionResetToDefault})
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
        QVERIFY(ui->actionDisconnect->isEnabled());
    }

    void tabClickSendsTheKeepAlive()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *ui = session.ui();
        QTRY_VERIFY_WITH_TIMEOUT(ui->twMain->isTabEnabled(2), DeviceTimeout);
        session.device().clearCommands();
        session.clickTab(ui->tabUsers);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x50).size(), 1, DeviceTimeout);
        QCOMPARE(ui->twMain->currentWidget(), ui->tabUsers);
        // Changing the settings page sends it too.
        session.clickTab(ui->tabSettings);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x50).size(), 2, DeviceTimeout);
        ui->settingsList->setCurrentRow(2);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x50).size(), 3, DeviceTimeout);
    }

    void unsavedPageOnTabChangeCanBeKept()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *ui = session.ui();
        QTRY_VERIFY_WITH_TIMEOUT(ui->twMain->isTabEnabled(6), DeviceTimeout);
        session.clickTab(ui->tabSettings);
        auto *page = new EditedPage;
        ui->swSettings->addWidget(page);
        ui->settingsList->item(1)->setData(Qt::UserRole, QVariant::fromValue<QWidget *>(page));
        ui->settingsList->setCurrentRow(1);
        QCOMPARE(ui->swSettings->currentWidget(), page);

        boxes->seen.clear();
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        session.clickTab(ui->tabStatus);
        QTRY_COMPARE(ui->twMain->currentWidget(), ui->tabSettings);
        QCOMPARE(boxes->seen.size(), 1);
        QCOMPARE(boxes->seen.first().text, mwText("Do you want to save changes?"));
        QCOMPARE(ui->swSettings->currentWidget(), page);
    }

    void unplugReturnsToTheNoDeviceState()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *ui = session.ui();
        QSignalSpy disconnected(session.overmind(), &Overmind::disconnected);
        session.sim.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(disconnected.count() >= 1, DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!ui->twMain->isEnabled(), DeviceTimeout);
        QCOMPARE(ui->twMain->currentIndex(), 0);
        QVERIFY(!session.overmind()->isLoggedIn());
        for (QAction *action : {ui->actionLoadSettings, ui->actionSaveSettings,
                                ui->actionDisconnect, ui->actionRestart, ui->actionResetToDefault})
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
        QVERIFY(ui->actionViewconfig->isEnabled());
        QVERIFY(session.window()->windowTitle() == mwText("The device not connected!") ||
                session.window()->windowTitle() == mwText("Device not connected!"));
    }

    void factoryResetSendsTheResetAndKeepsItsWindow()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QSettings("Ardanet", "Velmis").setValue("lastlogin", "engineer");
        session.device().clearCommands();
        session.ui()->actionResetToDefault->trigger();
        FactoryResetWidget *window = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<FactoryResetWidget *>(widget))
                window = candidate;
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QTest::mouseClick(window->findChild<QPushButton *>("pbConfirm"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x02).size(), 1, DeviceTimeout);
        QCOMPARE(idOf(session.device().commandsOf(0x02).first()), quint16(0));
        QCOMPARE(QSettings("Ardanet", "Velmis").value("lastlogin").toString(), QString("admin"));
        QCOMPARE(QSettings("Ardanet", "Velmis").value("password").toString(), QString("vorte"));
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        window->hide();
        delete window;
    }

    void savingAppendsTheExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "site"
                                      << "site.cfg";
        QTest::newRow("capital extension") << "SITE.CFG"
                                           << "SITE.CFG";
        QTest::newRow("other extension") << "site.json"
                                         << "site.json.cfg";
    }

    void savingAppendsTheExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        Session session;
        QVERIFY(session.logInAndLoad());
        FileChooser::setHandler([&](const FileChooser::Request &request) {
            return request.kind == FileChooser::SaveFile ? QStringList{dir.filePath(typed)}
                                                         : QStringList();
        });
        QSettings("Ardanet", "Velmis").setValue("savefiledir", "/earlier/place.cfg");
        boxes->seen.clear();
        // The section chooser shows the file it will write; leaving it writes nothing.
        boxes->reply = [](const ModalAnswerer::Request &request) {
            return request.kind == "chooser" ? 1 : int(QMessageBox::Ok);
        };
        session.window()->saveDevSettingsToFile();
        QCOMPARE(boxes->count("chooser"), 1);
        QCOMPARE(boxes->seen.first().text, written);
        QVERIFY(!QFile::exists(dir.filePath(written)));
        QCOMPARE(QSettings("Ardanet", "Velmis").value("savefiledir").toString(),
                 QString("/earlier/place.cfg"));
        QVERIFY(!boxes->sawText(mwText("Settings has been saved")));
    }

    void savingIsRefusedWhileAnAdministratorHasNoPhone()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        UserModel *users = session.overmind()->userModel();
        auto *withPhone = new UserSettings(nullptr, 1);
        withPhone->setAdmin(true);
        withPhone->setPhone(QStringLiteral("79001234567"));
        auto *withoutPhone = new UserSettings(nullptr, 2);
        withoutPhone->setAdmin(true);
        users->addUser(withPhone);
        users->addUser(withoutPhone);
        int dialogs = 0;
        FileChooser::setHandler([&dialogs](const FileChooser::Request &) {
            ++dialogs;
            return QStringList();
        });
        boxes->seen.clear();
        session.window()->saveDevSettingsToFile();
        QCOMPARE(dialogs, 0);
        QCOMPARE(boxes->seen.size(), 1);
        QCOMPARE(boxes->seen.first().kind, QString("critical"));
        QCOMPARE(boxes->seen.first().text,
                 mwText("The configuration cannot be saved because the Administrator(s) does not "
                        "have a phone number."));
    }

    void loadingNeedsTheDefaultAdministrator_data()
    {
        QTest::addColumn<QString>("userZeroName");
        QTest::addColumn<QString>("named");
        // Without a user 0 in the model the message still names the default administrator.
        QTest::newRow("no user 0")
            << QString() << QCoreApplication::translate("UserSettings", "User #%1").arg(1);
        QTest::newRow("named user 0") << "Boss"
                                      << "Boss";
    }

    void loadingNeedsTheDefaultAdministrator()
    {
        QFETCH(QString, userZeroName);
        QFETCH(QString, named);
        Session session;
        session.device().setCredentials(SimulatedSetup::Login, SimulatedSetup::Password, 3, 2);
        QVERIFY(session.logInAndLoad());
        QCOMPARE(session.overmind()->currentUserId(), 3);
        UserModel *users = session.overmind()->userModel();
        UserSettings *administrator = users->userById(0);
        QVERIFY(administrator);
        if (userZeroName.isEmpty())
            users->removeUsers({users->index(users->users().indexOf(administrator), 0)});
        else
            administrator->setName(userZeroName);
        int dialogs = 0;
        FileChooser::setHandler([&dialogs](const FileChooser::Request &) {
            ++dialogs;
            return QStringList();
        });
        boxes->seen.clear();
        session.window()->loadDevSettingsFromFile();
        QCOMPARE(dialogs, 0);
        QCOMPARE(boxes->seen.size(), 1);
        QCOMPARE(boxes->seen.first().title, mwText("Settings load"));
        QCOMPARE(boxes->seen.first().text,
                 mwText("To write settings, you must log in as default administrator (%1).")
                     .arg(userZeroName.isEmpty() ? UserSettings::tr("User #%1").arg(1) : named));
    }

    void runningUpdateAnsweredNoKeepsEverything()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.overmind()->setUpdating(true);
        boxes->seen.clear();
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        session.device().clearCommands();
        session.window()->restartDevice();
        session.window()->onDisconnect();
        QCOMPARE(boxes->count("question"), 2);
        QCOMPARE(boxes->seen.first().text,
                 mwText("The device is being updated. Stop updating and close the application?"));
        QVERIFY(session.overmind()->isLoggedIn());
        QVERIFY(session.ui()->twMain->isEnabled());
        // Give stray commands time to arrive before looking for them.
        session.ui()->twMain->setCurrentWidget(session.ui()->tabStatus);
        QTest::qWait(300);
        for (quint8 operation : {quint8(0xD3), quint8(0xC1), quint8(0x05)})
            QVERIFY2(session.device().commandsOf(operation).isEmpty(),
                     qPrintable(QString::number(operation, 16)));
        session.overmind()->setUpdating(false);
    }

    void disconnectLogsOutAndShowsTheNoDeviceState_data()
    {
        QTest::addColumn<bool>("fromUsersPage");
        QTest::newRow("Disconnect action") << false;
        QTest::newRow("users page ends the connection") << true;
    }

    void disconnectLogsOutAndShowsTheNoDeviceState()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();
        QFETCH(bool, fromUsersPage);
        if (fromUsersPage)
            emit session.ui()->usersWidget->forceDisconnect();
        else
            session.ui()->actionDisconnect->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x05).size(), 1, DeviceTimeout);
        QVERIFY(!session.overmind()->isLoggedIn());
        QVERIFY(!session.ui()->twMain->isEnabled());
        QVERIFY(!session.ui()->actionDisconnect->isEnabled());
        // The device is still plugged, so it can be logged in to again.
        QVERIFY(session.ui()->actionConnect->isEnabled());
        // The controller's own disconnection comes last and has the last word.
        QCOMPARE(session.window()->windowTitle(), mwText("Device not connected!"));
    }

    void chooserListsTwoDevicesAndClosesWhenBothAreUnplugged()
    {
        Session session;
        SimDevice second(QStringLiteral("8001C4D5"), QStringLiteral("Korvel-GSM L"));
        SimCommunicator secondCommunicator(&session.sim.bus(), &second);
        session.sim.bus().plug(&second);
        HIDInterface *transport = session.overmind()->hidInterface();
        QVERIFY(transport);
        QTRY_COMPARE_WITH_TIMEOUT(transport->deviceList().size(), 2, DeviceTimeout);

        SelectKorvel chooser;
        chooser.showDevices(transport->deviceList());
        chooser.show();
        QStringList texts;
        for (QRadioButton *button : chooser.findChildren<QRadioButton *>())
            texts << button->text();
        texts.sort();
        QCOMPARE(texts, QStringList({QCoreApplication::translate("SelectKorvel", "%1, serial = %2")
                                         .arg("Korvel-GSM L", "8001C4D5"),
                                     QCoreApplication::translate("SelectKorvel", "%1, serial = %2")
                                         .arg("Korvel-GSM R", "8001A2B3")}));
        QVERIFY(!chooser.selectedSerial().isEmpty());

        session.sim.bus().unplug(&second);
        QTRY_COMPARE_WITH_TIMEOUT(transport->deviceList().size(), 1, DeviceTimeout);
        QVERIFY(chooser.isVisible());
        session.sim.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!chooser.isVisible(), DeviceTimeout);
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
    }

    void screenshotWithoutDevice()
    {
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(startUp.begin({}));
        MainWindow *window = startUp.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        saveScreenshot(window, QStringLiteral("mainwindow-no-device.png"));
    }

    void screenshotViewingAFile()
    {
        QTemporaryDir dir;
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(startUp.begin({writeSampleConfig(dir)}));
        MainWindow *window = startUp.window();
        Ui_MainWindow *ui = window->form();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->isJournalHidden() && window->isUpdateHidden() && window->isDebugHidden());
        QVERIFY(ui->twMain->isEnabled());
        QVERIFY(ui->settingsList->count() > 0);
        ui->twMain->setCurrentWidget(ui->tabSettings);
        saveScreenshot(window, QStringLiteral("mainwindow-viewing-settings.png"));
        ui->twMain->setCurrentWidget(ui->tabPartitions);
        saveScreenshot(window, QStringLiteral("mainwindow-viewing-devices.png"));
    }
};

QTEST_MAIN(TestMainWindowDevice)
#include "test_mainwindow_device.moc"
