#include "app/BaseSettingsWidget.h"
#include "app/ComboBox.h"
#include "app/FileChooser.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/ObjectSettingsWidget.h"
#include "radio/PartitionModel.h"
#include "support/ModalRecorder.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
// A settings page that reports unsaved changes and counts what the window asks of it.
class EditedPage : public BaseSettingsWidget
{
public:
    bool changed = true;
    bool locked = false;
    int saves = 0;
    int reloads = 0;
    bool hasChanges() override { return changed; }
    bool isLocked() override { return locked; }
    void saveSettings() override
    {
        ++saves;
        changed = false;
    }
    void updateWidget() override
    {
        ++reloads;
        changed = false;
    }
};

QStringList visibleRowTexts(QListWidget *list)
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

QStringList actionTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}
} // namespace

// The main window without a device: its form, states, settings list, partition pages,
// leave checks, file actions, log page and console.
class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;
    std::unique_ptr<ModalRecorder> boxes;
    QList<FileChooser::Request> fileRequests;
    QStringList fileAnswer;
    std::unique_ptr<QTemporaryDir> folder;

    QString pathInFolder(const QString &name) const { return folder->filePath(name); }

    // A configuration file that opens for viewing.
    QString writeConfigFile(const QString &name) const
    {
        const QString path = pathInFolder(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(QJsonDocument(QJsonObject{{"Version", "2.0"}}).toJson());
        return path;
    }

    // Puts an edited page behind settings row `row` and shows it on the Settings tab.
    EditedPage *editedPageAt(MainWindow &window, int row)
    {
        Ui_MainWindow *ui = window.form();
        auto *page = new EditedPage;
        ui->swSettings->addWidget(page);
        ui->settingsList->item(row)->setData(Qt::UserRole, QVariant::fromValue<QWidget *>(page));
        ui->settingsList->setCurrentRow(row);
        return page;
    }

    // What the window asked, the start-up offer to open a file left out: it comes a second
    // after the window, so on a slow machine it lands among the questions a test counts.
    QList<ModalAnswerer::Request> questions() const
    {
        QList<ModalAnswerer::Request> asked;
        for (const ModalAnswerer::Request &request : qAsConst(boxes->seen))
            if (!request.text.startsWith(QLatin1String("No devices were detected")))
                asked.append(request);
        return asked;
    }

private slots:
    void init()
    {
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        overmind = std::make_unique<Overmind>();
        boxes = std::make_unique<ModalRecorder>();
        fileRequests.clear();
        fileAnswer.clear();
        FileChooser::setHandler([this](const FileChooser::Request &request) {
            fileRequests.append(request);
            return fileAnswer;
        });
    }

    void cleanup()
    {
        FileChooser::clearHandler();
        boxes.reset();
        overmind.reset();
        folder.reset();
    }

    void formHasTheTabsMenusAndPagesInOrder()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        QCOMPARE(tabTitles(ui->twMain),
                 QStringList({"Status", "Journal", "Devices", "Channels", "Users", "IButtons",
                              "Settings", "Update", "Debug tools"}));
        QCOMPARE(tabTitles(ui->tabWidget),
                 QStringList({"Debug journal", "Realtime view", "Console", "Logs"}));
        QCOMPARE(ui->tabWidget->currentIndex(), 3);
        QCOMPARE(ui->swSettings->count(), 11);
        // Restoring the window settings shows the object page.
        QCOMPARE(ui->swSettings->currentWidget(), ui->objectSettingsWidget);
        QCOMPARE(ui->stWPowerStatus->currentWidget(), ui->page_isp0);
        QCOMPARE(ui->twMain->tabBar()->objectName(), QString("tabBar"));
        QCOMPARE(actionTexts(ui->menufile),
                 QStringList({"Load settings", "Save settings", "Read debug log", "-",
                              "Viewing configuration from a file", "-", "Exit"}));
        QCOMPARE(actionTexts(ui->menuDevice),
                 QStringList({"Authorize", "Disconnect", "Restart", "-", "Reset to default"}));
        QCOMPARE(actionTexts(ui->menuabout), QStringList({"About"}));
        QCOMPARE(ui->cbLogLevel->count(), 5);
        QCOMPARE(ui->ptLog->document()->maximumBlockCount(), 131072);
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action == ui->acToggleConfig || action->isSeparator() || action->menu())
                continue;
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        }
    }

    void startsInTheNoDeviceState()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        QCOMPARE(window.windowTitle(), QString("The device not connected!"));
        QVERIFY(!ui->twMain->isEnabled());
        QCOMPARE(ui->twMain->currentIndex(), 0);
        for (int i = 0; i < ui->twMain->count(); ++i)
            QVERIFY(!ui->twMain->isTabEnabled(i));
        QVERIFY(ui->actionConnect->isEnabled());
        QVERIFY(ui->actionViewconfig->isEnabled());
        for (QAction *action :
             {ui->actionLoadSettings, ui->actionSaveSettings, ui->actionDisconnect,
              ui->actionRestart, ui->actionResetToDefault, ui->actionReadDebugLog})
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    }

    void offersToOpenAFileWhenNoDeviceIsPlugged()
    {
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        const QString path = writeConfigFile(QStringLiteral("a.cfg"));
        fileAnswer = QStringList{path};
        MainWindow window;
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 1, 5000);
        QCOMPARE(boxes->seen.first().kind, QString("question"));
        QCOMPARE(boxes->seen.first().text,
                 QString("No devices were detected. The Configurator is available in "
                         "configuration view mode. Do you want to open file?"));
        QCOMPARE(boxes->seen.first().standardButtons, int(QMessageBox::Yes | QMessageBox::Cancel));
        QTRY_COMPARE(fileRequests.size(), 1);
        QCOMPARE(fileRequests.first().kind, FileChooser::OpenFiles);
        QCOMPARE(fileRequests.first().filter, QString("Settings (*.cfg)"));
        QCOMPARE(QSettings("Ardanet", "Velmis").value("savefiledir").toString(), path);
        QTRY_VERIFY(overmind->isViewingMode());
        QCOMPARE(boxes->seen.size(), 1);
    }

    void offeredFileThatCannotBeOpenedIsReported()
    {
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        fileAnswer = QStringList{pathInFolder(QStringLiteral("missing.cfg"))};
        MainWindow window;
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 2, 5000);
        QCOMPARE(boxes->seen.first().kind, QString("question"));
        QCOMPARE(boxes->seen.last().kind, QString("warning"));
        QCOMPARE(boxes->seen.last().text, QString("Failed to open the file."));
        QVERIFY(!overmind->isViewingMode());
    }

    void cancelledOfferOpensNoFileDialog()
    {
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        MainWindow window;
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 1, 5000);
        // The offer has run to its end once the window width is back.
        QTRY_COMPARE(window.width(), 1024);
        QVERIFY(fileRequests.isEmpty());
    }

    void noOfferInViewingMode()
    {
        overmind->setViewingMode(true);
        MainWindow window;
        const int width = window.width();
        window.onSearchDevices();
        QTRY_COMPARE(window.width(), width);
        QVERIFY(boxes->seen.isEmpty());
    }

    void connectedAndDisconnectedStates()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        emit overmind->loginSuccessful();
        QCOMPARE(window.windowTitle(), QString("Device connected"));
        QVERIFY(ui->twMain->isEnabled());
        QVERIFY(!ui->actionConnect->isEnabled());
        QVERIFY(ui->actionDisconnect->isEnabled());
        QVERIFY(ui->actionRestart->isEnabled());
        QVERIFY(ui->actionResetToDefault->isEnabled());
        QVERIFY(ui->actionLoadSettings->isEnabled());
        QVERIFY(ui->actionReadDebugLog->isEnabled());

        emit overmind->disconnected();
        QCOMPARE(window.windowTitle(), QString("Device not connected!"));
        QVERIFY(!ui->twMain->isEnabled());
        QVERIFY(!ui->actionDisconnect->isEnabled());
        QVERIFY(!ui->actionLoadSettings->isEnabled());
        // No transport is left, so there is nothing to log in to.
        QVERIFY(!ui->actionConnect->isEnabled());

        emit overmind->deviceFound();
        QCOMPARE(window.windowTitle(), QString("The device is discovered!"));
        QVERIFY(ui->actionConnect->isEnabled());
        QVERIFY(!ui->actionRestart->isEnabled());
    }

    void viewingModeTitleNamesTheFile()
    {
        overmind->configDocument().setPath(QStringLiteral("/some/where/site.cfg"));
        overmind->setViewingMode(true);
        MainWindow window;
        window.showStatus(QStringLiteral("Device connected"));
        QCOMPARE(window.windowTitle(), QString("Configuration file site.cfg"));
    }

    void loadingShowsProgressAndUserWithoutRightsSeesTwoTabs()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        emit overmind->loginSuccessful();
        window.loadingStarted();
        QCOMPARE(window.statusBar()->currentMessage(), QString("Loading settings"));
        for (int i = 0; i < ui->twMain->count(); ++i)
            QVERIFY(!ui->twMain->isTabEnabled(i));
        window.loadingProgress(40);
        QCOMPARE(window.statusBar()->findChild<QProgressBar *>()->value(), 40);
        window.loadingFinished();
        QCOMPARE(window.statusBar()->currentMessage(), QString("Settings loaded"));
        // No login dialog has granted editing rights.
        QVERIFY(ui->twMain->isTabEnabled(0));
        QVERIFY(ui->twMain->isTabEnabled(1));
        for (int i = 2; i < ui->twMain->count(); ++i)
            QVERIFY(!ui->twMain->isTabEnabled(i));
        QVERIFY(!ui->actionRestart->isEnabled());
        QVERIFY(!ui->actionResetToDefault->isEnabled());
        QVERIFY(!ui->actionLoadSettings->isEnabled());
        QVERIFY(!ui->actionSaveSettings->isEnabled());
    }

    void updateOnlyModeLeavesTheUpdateTabs()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        emit overmind->loginSuccessful();
        window.setUpdateOnlyMode(true);
        QVERIFY(window.isUpdateOnlyMode());
        QCOMPARE(ui->twMain->currentWidget(), ui->tabUpdate);
        QVERIFY(!ui->twMain->tabBar()->isTabEnabled(0));
        for (int i : {1, 7, 8})
            QVERIFY(ui->twMain->isTabEnabled(i));
        for (int i = 2; i <= 6; ++i)
            QVERIFY(!ui->twMain->tabBar()->isTabEnabled(i));
        QVERIFY(!ui->actionLoadSettings->isEnabled());
        QVERIFY(!ui->actionRestart->isEnabled());
    }

    // The colour is set only when it changes; each line still shows in the colour of its kind.
    void statusColourFollowsTheLastLine_data()
    {
        QTest::addColumn<QString>("kinds"); // e: error line, m: message, s: loading started
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("one error") << "e"
                                   << "color: red"
                                   << "line 1";
        QTest::newRow("errors in a row") << "eee"
                                         << "color: red"
                                         << "line 3";
        QTest::newRow("message after errors") << "eem"
                                              << "color: black"
                                              << "line 3";
        QTest::newRow("error after messages") << "mme"
                                              << "color: red"
                                              << "line 3";
        QTest::newRow("alternating") << "emem"
                                     << "color: black"
                                     << "line 4";
        QTest::newRow("loading after an error") << "es"
                                                << "color: black"
                                                << "Loading settings";
        QTest::newRow("error after loading") << "se"
                                             << "color: red"
                                             << "line 2";
    }

    void statusColourFollowsTheLastLine()
    {
        QFETCH(QString, kinds);
        QFETCH(QString, colour);
        QFETCH(QString, text);
        MainWindow window;
        for (int i = 0; i < kinds.size(); ++i) {
            const QString line = QStringLiteral("line %1").arg(i + 1);
            if (kinds.at(i) == QLatin1Char('e'))
                window.onErrorReceived(line);
            else if (kinds.at(i) == QLatin1Char('m'))
                window.onMessageReceived(line);
            else
                window.loadingStarted();
        }
        QCOMPARE(window.statusBar()->styleSheet(), colour);
        QCOMPARE(window.statusBar()->currentMessage(), text);
    }

    void tabWidths_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("tabWidth");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("narrow is raised to 127") << 1000 << 127 << 12;
        QTest::newRow("wide") << 1600 << 175 << 16;
        QTest::newRow("exactly 160 keeps 12 pt") << 1458 << 160 << 12;
    }

    void tabWidths()
    {
        QFETCH(int, width);
        QFETCH(int, tabWidth);
        QFETCH(int, fontSize);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        ui->twMain->resize(width, 400);
        window.adjustTabWidths();
        const QString style = ui->twMain->tabBar()->styleSheet();
        QVERIFY2(style.contains(QString("font: %1pt").arg(fontSize)), qPrintable(style));
        QVERIFY2(style.contains(QString("min-width: %1px").arg(tabWidth)), qPrintable(style));
    }

    void settingsListFollowsTheDevice_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("viewing");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("firmware 1.1")
            << 0x0101 << false
            << QStringList({"Object", "Time", "Device", "Light Indication", "Sound Indication",
                            "Ethernet", "Radio", "GSM", "Debug(hidden)"});
        QTest::newRow("firmware 1.2")
            << 0x0102 << false
            << QStringList({"Object", "Time", "Device", "IButtons reader", "Light Indication",
                            "Sound Indication", "Ethernet", "Radio", "GSM", "Output groups",
                            "Debug(hidden)"});
        QTest::newRow("viewing an old file")
            << 0x0101 << true
            << QStringList({"Object", "Time", "Device", "Light Indication", "Sound Indication",
                            "Ethernet", "Radio", "GSM", "Output groups", "Debug(hidden)"});
    }

    void settingsListFollowsTheDevice()
    {
        QFETCH(int, version);
        QFETCH(bool, viewing);
        QFETCH(QStringList, rows);
        overmind->deviceInfo().init(0, 0, 0, version);
        overmind->setViewingMode(viewing);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        QCOMPARE(visibleRowTexts(ui->settingsList), rows);
        QListWidgetItem *debug = ui->settingsList->item(ui->settingsList->count() - 1);
        QCOMPARE(debug->data(Qt::AccessibleTextRole).toString(), QString("settingsItemDebug"));
        QCOMPARE(ui->settingsList->item(0)->data(Qt::AccessibleTextRole).toString(),
                 QString("settingsItemObject"));
        QCOMPARE(ui->settingsList->currentRow(), 0);
        QCOMPARE(ui->swSettings->currentWidget(), ui->objectSettingsWidget);
        for (int i = 0; i < ui->settingsList->count(); ++i) {
            QWidget *page = ui->settingsList->item(i)->data(Qt::UserRole).value<QWidget *>();
            QCOMPARE(ui->swSettings->indexOf(page) >= 0, true);
        }
    }

    void variantChoosesRealtimeTabAndPowerPanel_data()
    {
        QTest::addColumn<int>("execution");
        QTest::addColumn<int>("debugTabs");
        QTest::addColumn<QString>("powerPage");
        QTest::newRow("execution 0") << 0 << 4 << "page_isp0";
        QTest::newRow("execution 1") << 1 << 3 << "page_isp1";
        QTest::newRow("execution 2") << 2 << 4 << "page_isp2";
        QTest::newRow("execution 3") << 3 << 4 << "";
    }

    void variantChoosesRealtimeTabAndPowerPanel()
    {
        QFETCH(int, execution);
        QFETCH(int, debugTabs);
        QFETCH(QString, powerPage);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.show();
        // Removing the realtime view and adding it back both follow the variant.
        overmind->deviceInfo().initForExecution(1, 0, 0, 0x0104);
        emit overmind->setKorvelType();
        QCOMPARE(ui->tabWidget->count(), 3);
        overmind->deviceInfo().initForExecution(execution, 0, 0, 0x0104);
        emit overmind->setKorvelType();
        QCOMPARE(ui->tabWidget->count(), debugTabs);
        if (powerPage.isEmpty()) {
            QVERIFY(ui->stWPowerStatus->isHidden());
        } else {
            QVERIFY(!ui->stWPowerStatus->isHidden());
            QCOMPARE(ui->stWPowerStatus->currentWidget()->objectName(), powerPage);
        }
        QVERIFY(window.isDebugHidden());
        QVERIFY(ui->settingsList->item(ui->settingsList->count() - 1)->isHidden());
    }

    void debugJournalAndUpdateTabsHideAndComeBack()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.setJournalHidden(true);
        window.setUpdateHidden(true);
        window.setDebugHidden(true);
        QCOMPARE(tabTitles(ui->twMain),
                 QStringList({"Status", "Devices", "Channels", "Users", "IButtons", "Settings"}));
        QVERIFY(window.isJournalHidden() && window.isUpdateHidden() && window.isDebugHidden());
        window.setJournalHidden(false);
        window.setUpdateHidden(false);
        window.setDebugHidden(false);
        QCOMPARE(tabTitles(ui->twMain),
                 QStringList({"Status", "Journal", "Devices", "Channels", "Users", "IButtons",
                              "Settings", "Update", "Debug"}));
        QVERIFY(!ui->settingsList->item(ui->settingsList->count() - 1)->isHidden());
        // Showing twice adds nothing.
        window.setDebugHidden(false);
        window.setJournalHidden(false);
        QCOMPARE(ui->twMain->count(), 9);
    }

    void leavingAnEditedSettingsPage_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rowAfter");
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("reloads");
        QTest::newRow("Yes saves") << int(QMessageBox::Yes) << 2 << 1 << 0;
        QTest::newRow("No reloads") << int(QMessageBox::No) << 2 << 0 << 1;
        QTest::newRow("Cancel stays") << int(QMessageBox::Cancel) << 1 << 0 << 0;
    }

    void leavingAnEditedSettingsPage()
    {
        QFETCH(int, answer);
        QFETCH(int, rowAfter);
        QFETCH(int, saves);
        QFETCH(int, reloads);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.enableAllTabs();
        ui->twMain->setCurrentWidget(ui->tabSettings);
        EditedPage *page = editedPageAt(window, 1);
        QCOMPARE(ui->swSettings->currentWidget(), page);
        boxes->reply = [answer](const ModalAnswerer::Request &) { return answer; };

        ui->settingsList->setCurrentRow(2);
        QCOMPARE(questions().size(), 1);
        QCOMPARE(questions().first().title, QString("Settings was changed"));
        QCOMPARE(questions().first().text, QString("Do you want to save changes?"));
        QTRY_COMPARE(ui->settingsList->currentRow(), rowAfter);
        QCOMPARE(page->saves, saves);
        QCOMPARE(page->reloads, reloads);
        // Going back after Cancel asks nothing more.
        QCOMPARE(questions().size(), 1);
        QCOMPARE(ui->swSettings->currentWidget() == page, rowAfter == 1);
    }

    void invalidGsmSettingsCannotBeLeft()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.enableAllTabs();
        ui->twMain->setCurrentWidget(ui->tabSettings);
        EditedPage *page = editedPageAt(window, 1);
        page->locked = true;
        QVERIFY(!window.confirmLeave());
        QCOMPARE(questions().size(), 1);
        QCOMPARE(questions().first().kind, QString("warning"));
        QCOMPARE(questions().first().text,
                 QString("Invalid settings, please enter the correct APN"));
        // While a partition is taken the page is locked anyway; only the changes count.
        overmind->setSettingsLocked(true);
        page->changed = false;
        QVERIFY(window.confirmLeave());
    }

    void tabClickOnAnEditedSettingsPage_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("switches");
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("reloads");
        QTest::newRow("Yes saves then switches") << int(QMessageBox::Yes) << true << 1 << 0;
        QTest::newRow("No discards then switches") << int(QMessageBox::No) << true << 0 << 1;
        QTest::newRow("Cancel keeps tab and page") << int(QMessageBox::Cancel) << false << 0 << 0;
    }

    // The question comes before the tab bar acts: Cancel never shows another tab, not even
    // for a moment.
    void tabClickOnAnEditedSettingsPage()
    {
        QFETCH(int, answer);
        QFETCH(bool, switches);
        QFETCH(int, saves);
        QFETCH(int, reloads);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.enableAllTabs();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTabBar *bar = ui->twMain->tabBar();
        const int settingsTab = ui->twMain->indexOf(ui->tabSettings);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(settingsTab).center());
        QCOMPARE(ui->twMain->currentWidget(), ui->tabSettings);
        EditedPage *page = editedPageAt(window, 1);
        QSignalSpy tabChanges(ui->twMain, &QTabWidget::currentChanged);
        QSignalSpy pageChanges(ui->swSettings, &QStackedWidget::currentChanged);

        boxes->reply = [answer](const ModalAnswerer::Request &) { return answer; };
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(questions().size(), 1);
        QCOMPARE(questions().first().text, QString("Do you want to save changes?"));
        QCOMPARE(page->saves, saves);
        QCOMPARE(page->reloads, reloads);
        QCoreApplication::processEvents();
        QCOMPARE(ui->twMain->currentIndex(), switches ? 0 : settingsTab);
        QCOMPARE(tabChanges.count(), switches ? 1 : 0);
        QCOMPARE(pageChanges.count(), 0);
        QCOMPARE(ui->swSettings->currentWidget(), page);
        if (switches)
            return;
        // Kept with its edits, the page asks again on the next click.
        QVERIFY(page->hasChanges());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(questions().size(), 2);
    }

    void closingIsRefusedWhileAnEditedPageIsKept()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.enableAllTabs();
        window.show();
        ui->twMain->setCurrentWidget(ui->tabSettings);
        editedPageAt(window, 1);
        QSignalSpy closing(&window, &MainWindow::closeDialogs);
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(closing.count(), 0);
    }

    void remoteCloseIsIgnoredWhenTheWindowRefuses()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.enableAllTabs();
        window.show();
        ui->twMain->setCurrentWidget(ui->tabSettings);
        editedPageAt(window, 1);
        QSignalSpy closing(&window, &MainWindow::closeDialogs);
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        emit window.udpListener()->closeApplication();
        QCoreApplication::processEvents();
        QVERIFY(window.isVisible());
        QCOMPARE(closing.count(), 0);
        QCOMPARE(questions().size(), 1);
    }

    // Runs in a child process: the remote close may end the whole program.
    void remoteCloseChild()
    {
        const QString mode = qEnvironmentVariable("KORVEL_REMOTE_CLOSE_CHILD");
        if (mode.isEmpty())
            QSKIP("runs only as the child of remoteCloseEndsTheProgramOnlyWhenTheWindowCloses");
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.buildSettingsList();
        window.enableAllTabs();
        window.show();
        if (mode == "refused") {
            ui->twMain->setCurrentWidget(ui->tabSettings);
            editedPageAt(window, 1);
            boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        }
        emit window.udpListener()->closeApplication();
        QCOMPARE(window.isVisible(), mode == "refused");
        // An accepted close ends the program within this wait; a refused one must not.
        QTest::qWait(3000);
        QCOMPARE(mode, QString("refused"));
        QVERIFY(window.isVisible());
    }

    void remoteCloseEndsTheProgramOnlyWhenTheWindowCloses_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("endsEarly");
        QTest::newRow("accepted") << "accepted" << true;
        QTest::newRow("refused") << "refused" << false;
    }

    void remoteCloseEndsTheProgramOnlyWhenTheWindowCloses()
    {
        QFETCH(QString, mode);
        QFETCH(bool, endsEarly);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KORVEL_REMOTE_CLOSE_CHILD", mode);
        // The child may end in the middle of a test function, where the test library's own
        // objects are never freed.
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"remoteCloseChild"});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAllStandardOutput();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, output.constData());
        QVERIFY2(!output.contains("FAIL!"), output.constData());
        // A program that ended by itself never reached the test library's summary.
        QCOMPARE(!output.contains("Totals:"), endsEarly);
    }

    void udpMessageIsShownInAnInformationBox()
    {
        MainWindow window;
        emit window.udpListener()->showMessage(QStringLiteral("Hello from the desk"));
        QCOMPARE(questions().size(), 1);
        QCOMPARE(questions().first().kind, QString("information"));
        QCOMPARE(questions().first().title, QString("Information"));
        QCOMPARE(questions().first().text, QString("Hello from the desk"));
    }

    void partitionModelTwiceLeavesOneSetOfPages()
    {
        overmind->deviceInfo().initForExecution(0, 0, 0, 0x0104);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        PartitionModel first(nullptr);
        PartitionModel second(nullptr);
        window.setPartitionModel(&first);
        window.setPartitionModel(&second);
        // The list deletes the buttons it was given later.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(ui->lwPartitions->count(), 18);
        QCOMPARE(window.partitionPages().size(), 18);
        QCOMPARE(ui->frmPartitionWidgets->findChildren<PartitionWidget *>().size(), 18);
        QCOMPARE(ui->lwPartitions->findChildren<PartitionCommandLinkButton *>().size(), 18);
        QCOMPARE(window.currentPartitionPage(), window.partitionPages().first());
        for (int i = 0; i < ui->lwPartitions->count(); ++i) {
            auto *button = qobject_cast<PartitionCommandLinkButton *>(
                ui->lwPartitions->itemWidget(ui->lwPartitions->item(i)));
            QVERIFY(button);
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
    }

    void partitionButtonsSwitchThePages()
    {
        overmind->deviceInfo().initForExecution(0, 0, 0, 0x0104);
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        PartitionModel model(nullptr);
        window.setPartitionModel(&model);
        window.show();
        emit overmind->loginSuccessful();
        window.enableAllTabs();
        ui->twMain->setCurrentWidget(ui->tabPartitions);
        const QList<QWidget *> pages = window.partitionPages();
        auto *allDevices = qobject_cast<PartitionWidget *>(pages.first());
        auto *third = qobject_cast<PartitionWidget *>(pages.at(3));
        QVERIFY(allDevices->button()->isChecked());
        third->button()->click();
        QVERIFY(third->isVisible());
        QVERIFY(!allDevices->isVisible());
        QVERIFY(!allDevices->button()->isChecked());
        QCOMPARE(window.currentPartitionPage(), third);
    }

    void radioStateEnablesAddingOnEveryPartitionPage()
    {
        overmind->deviceInfo().initForExecution(0, 0, 0, 0x0104);
        MainWindow window;
        PartitionModel model(nullptr);
        // The loop and both outputs: the device count test passes with room for 100 more.
        s_ExtMemDataOutput output{};
        model.setOutData(0, output);
        model.setOutData(1, output);
        s_FullLoopData loop{};
        model.setFullLoopData(loop);
        window.setPartitionModel(&model);
        overmind->setRadioState(RadioReady);
        for (QWidget *page : window.partitionPages())
            QVERIFY(page->findChild<QPushButton *>("pbAllowAddSensors")->isEnabledTo(page));
        overmind->setRadioState(RadioUnknown);
        for (QWidget *page : window.partitionPages())
            QVERIFY(!page->findChild<QPushButton *>("pbAllowAddSensors")->isEnabledTo(page));
    }

    void objectSettingsBindCutsOtherListeners()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        ObjectSettings settings(nullptr);
        QObject stranger;
        int strangerCalls = 0;
        connect(&settings, &ObjectSettings::updateTakeDelay, &stranger,
                [&strangerCalls](int) { ++strangerCalls; });
        window.setObjectSettings(&settings);
        QCOMPARE(ui->objectSettingsWidget->settingsObject(), &settings);
        emit settings.updateTakeDelay(42);
        QCOMPARE(strangerCalls, 0);
        QCOMPARE(ui->objectSettingsWidget->takeDelayBox()->value(), 42);
        emit settings.updateMinimumTakeDelay(-1);
        QCOMPARE(ui->objectSettingsWidget->takeDelayBox()->minimum(), 5);
        settings.setMinimumTakeDelay(30);
        QCOMPARE(ui->objectSettingsWidget->takeDelayBox()->minimum(), 30);
    }

    void minimumTakeDelayIsShownInTheStatusBar()
    {
        MainWindow window;
        overmind->setMainWindow(&window);
        ObjectSettings settings(nullptr);
        window.setObjectSettings(&settings);
        settings.setMinimumTakeDelay(30);
        QCOMPARE(window.statusBar()->currentMessage(),
                 QString("Minimum take delay updated: 30 sec"));
    }

    void lockedSettingsDisableThePages()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        overmind->setSettingsLocked(true);
        QVERIFY(!ui->swSettings->isEnabledTo(ui->tabSettings));
        QCOMPARE(ui->lblSettingsStatus->text(),
                 QString("Changing settings is only available when all sections are untaken"));
        overmind->setSettingsLocked(false);
        QVERIFY(ui->swSettings->isEnabledTo(ui->tabSettings));
        QVERIFY(ui->lblSettingsStatus->text().isEmpty());
    }

    void settingHintsReachTheHintLabel()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        emit ui->gsmSettingsWidget->settingHint(QStringLiteral("The APN of the operator"));
        QCOMPARE(ui->lblSettingsHint->text(), QString("The APN of the operator"));
    }

    void fileActionsDoNothingWithoutEditingRights()
    {
        MainWindow window;
        window.saveDevSettingsToFile();
        window.loadDevSettingsFromFile();
        overmind->setViewingMode(true);
        window.saveDevSettingsToFile();
        window.loadDevSettingsFromFile();
        QVERIFY(fileRequests.isEmpty());
        QVERIFY(questions().isEmpty());
    }

    void viewingAskesForSeveralFiles()
    {
        MainWindow window;
        const QString one = pathInFolder(QStringLiteral("one.cfg"));
        fileAnswer = QStringList{one, pathInFolder(QStringLiteral("two.cfg"))};
        window.viewingConfigFile();
        QCOMPARE(fileRequests.size(), 1);
        QCOMPARE(fileRequests.first().kind, FileChooser::OpenFiles);
        // Several files leave no single starting place for the next dialog.
        QVERIFY(QSettings("Ardanet", "Velmis").value("savefiledir").toString().isEmpty());
        fileAnswer = QStringList{one};
        window.viewingConfigFile();
        window.viewingConfigFile();
        QCOMPARE(fileRequests.last().directory, one);
        // A cancelled dialog keeps the place.
        fileAnswer.clear();
        window.viewingConfigFile();
        QCOMPARE(QSettings("Ardanet", "Velmis").value("savefiledir").toString(), one);
    }

    void consoleKeepsAHistoryWithoutDuplicates()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.enableAllTabs();
        QSignalSpy commands(&window, &MainWindow::shellCommand);
        for (const char *command : {"status", "reboot", "status", ""}) {
            ui->cbCommand->setEditText(QLatin1String(command));
            QTest::keyClick(ui->cbCommand, Qt::Key_Return);
        }
        QCOMPARE(commands.count(), 4);
        QCOMPARE(window.commandHistory(), QStringList({"", "status", "reboot"}));
        QCOMPARE(ui->cbCommand->count(), 3);
        QCOMPARE(ui->ptShell->toPlainText(), QString(" > status\n > reboot\n > status\n > "));
        QVERIFY(ui->cbCommand->currentText().isEmpty());
    }

    void logFiltersAndHistorySurviveARestart()
    {
        {
            MainWindow window;
            Ui_MainWindow *ui = window.form();
            window.onLogFilterNewModule(QStringLiteral("Protocol"));
            window.onLogFilterNewModule(QStringLiteral("Loader"));
            window.onLogFilterNewModule(QStringLiteral("Protocol"));
            QCOMPARE(ui->cbLoggerModules->count(), 2);
            window.enableAllTabs();
            ui->cbLoggerModules->setItemData(0, Qt::Unchecked, Qt::CheckStateRole);
            ui->cbLogLevel->setItemData(0, Qt::Checked, Qt::CheckStateRole);
            ui->cbLogLevel->setItemData(3, Qt::Checked, Qt::CheckStateRole);
            ui->cbLogLevel->setCurrentIndex(3);
            ui->cbCommand->setEditText(QStringLiteral("first"));
            QTest::keyClick(ui->cbCommand, Qt::Key_Return);
            ui->cbCommand->setEditText(QStringLiteral("second"));
            QTest::keyClick(ui->cbCommand, Qt::Key_Return);
            window.saveWindowSettings();
        }
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        QCOMPARE(window.commandHistory(), QStringList({"second", "first"}));
        QCOMPARE(ui->cbCommand->count(), 2);
        QCOMPARE(ui->cbLogLevel->currentIndex(), 3);
        QList<int> levels;
        for (int i = 0; i < 5; ++i)
            levels << ui->cbLogLevel->itemData(i, Qt::CheckStateRole).toInt();
        QCOMPARE(levels, QList<int>({Qt::Checked, 0, 0, Qt::Checked, 0}));
        QCOMPARE(ui->cbLoggerModules->count(), 2);
        QMap<QString, int> modules;
        for (int i = 0; i < 2; ++i)
            modules.insert(ui->cbLoggerModules->itemText(i),
                           ui->cbLoggerModules->itemData(i, Qt::CheckStateRole).toInt());
        QCOMPARE(modules.value("Protocol"), int(Qt::Unchecked));
        QCOMPARE(modules.value("Loader"), int(Qt::Checked));
    }

    void damagedHistoryGivesAnEmptyConsole_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("entry cut short") << QStringLiteral("AAAAB3/+");
        // A count of 823 million entries in 14 bytes: once the stream reserved them all.
        QTest::newRow("count beyond the stored bytes") << QStringLiteral("MQwACQAxMjcuMC4wLjE=");
    }

    void damagedHistoryGivesAnEmptyConsole()
    {
        QFETCH(QString, stored);
        QSettings("Ardanet", "Velmis").setValue("commandHistory", stored);
        MainWindow window;
        QVERIFY(window.commandHistory().isEmpty());
        QCOMPARE(window.form()->cbCommand->count(), 0);
    }

    void logPageShowsFilteredLines()
    {
        Logger logger;
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        window.enableAllTabs();
        for (int i = 0; i < 5; ++i)
            ui->cbLogLevel->setItemData(i, Qt::Checked, Qt::CheckStateRole);
        logger.logError(&window, QStringLiteral("first failure"));
        // A new module is offered ticked and joins the filter at the next change.
        QCOMPARE(ui->cbLoggerModules->count(), 1);
        QCOMPARE(ui->cbLoggerModules->itemData(0, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(ui->ptLog->toPlainText().isEmpty());
        window.onLogFilterChange();
        QTRY_VERIFY(ui->ptLog->toPlainText().contains("first failure"));
        logger.logError(&window, QStringLiteral("second failure"));
        QVERIFY(ui->ptLog->toPlainText().contains("second failure"));

        // Unticking the only module empties the view once the rebuild is in.
        ui->cbLoggerModules->setItemData(0, Qt::Unchecked, Qt::CheckStateRole);
        window.onLogFilterChange();
        QTRY_VERIFY(ui->ptLog->toPlainText().isEmpty());
        ui->cbLoggerModules->setItemData(0, Qt::Checked, Qt::CheckStateRole);
        window.onLogFilterChange();
        QTRY_VERIFY(ui->ptLog->toPlainText().contains("first failure"));

        // Clear empties the view only; the next filter change brings the lines back.
        QTest::mouseClick(ui->pbClear, Qt::LeftButton);
        QVERIFY(ui->ptLog->toPlainText().isEmpty());
        window.onLogFilterChange();
        QTRY_VERIFY(ui->ptLog->toPlainText().contains("first failure"));
    }

    void partitionComboFillStopsAtTheLastItem_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint16>("readBack");
        QTest::newRow("every bit set") << 16 << 0xFFFFFFFFu
                                       << "01, 02, 03, 04, 05, 06, 07, 08, 09, 10, 11, 12, "
                                          "13, 14, 15, Hall"
                                       << quint16(0xFFFF);
        QTest::newRow("first and named last") << 16 << 0x8001u << "01, Hall" << quint16(0x8001);
        QTest::newRow("none") << 16 << 0u << "Not selected" << quint16(0);
        QTest::newRow("short box") << 3 << 0x0404u << "03" << quint16(0x0004);
    }

    void partitionComboFillStopsAtTheLastItem()
    {
        QFETCH(int, items);
        QFETCH(quint32, mask);
        QFETCH(QString, text);
        QFETCH(quint16, readBack);
        overmind->deviceInfo().initForExecution(0, 0, 0, 0x0104);
        QComboBox box;
        box.setEditable(true);
        for (int i = 0; i < items; ++i) {
            box.addItem(i == 15 ? QStringLiteral("Hall")
                                : QStringLiteral("Partition # %1").arg(i + 1, 2, 10, QChar('0')));
            box.setItemData(i, Qt::Unchecked, Qt::CheckStateRole);
        }
        overmind->fillPartitionsCombo(&box, mask);
        QCOMPARE(box.count(), items);
        QCOMPARE(box.currentText(), text);
        QCOMPARE(Overmind::checkedMask(&box), readBack);
    }

    void ctrlTabWrapsAroundTheTabs()
    {
        MainWindow window;
        Ui_MainWindow *ui = window.form();
        ui->twMain->setCurrentIndex(ui->twMain->count() - 1);
        QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(ui->twMain->currentIndex(), 0);
        QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(ui->twMain->currentIndex(), 1);
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ui->twMain->currentIndex(), 1);
        QVERIFY(fileRequests.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
