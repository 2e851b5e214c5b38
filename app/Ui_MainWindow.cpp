#include "app/Ui_MainWindow.h"

#include "app/ComboBox.h"
#include "journal/AssertLogView.h"
#include "journal/JournalWidget.h"
#include "journal/PowerStatusWidgetIsp0.h"
#include "journal/PowerStatusWidgetIsp1.h"
#include "journal/PowerStatusWidgetIsp2.h"
#include "journal/RealTime22bViewForm.h"
#include "pages/comms/EthernetSettingsWidget.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/comms/GSMStatusWidget.h"
#include "pages/comms/WirelessSettingsWidget.h"
#include "pages/radio/PartitionsStatusWidget.h"
#include "pages/reporting/DirectionsWidget.h"
#include "pages/settings/BeeperSettingsWidget.h"
#include "pages/settings/DateTimeSettingsWidget.h"
#include "pages/settings/DebugSettingsWidget.h"
#include "pages/settings/DeviceSettingsWidget.h"
#include "pages/settings/IButtonConfigWidget.h"
#include "pages/settings/LedsSettingsWidget.h"
#include "pages/settings/ObjectSettingsWidget.h"
#include "pages/settings/OutputGroupsSettingsWidget.h"
#include "pages/users/IButtonsWidget.h"
#include "pages/users/UsersWidget.h"
#include "update/OnlineUpdateWidget.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const char *const MainTabsStyle =
    "QTabBar::tab { font: 12pt \"Segoe UI Light\"; background: white; border: 1px solid white;"
    " min-width: 110px; min-height: 40px; padding-bottom: 5px; }"
    "QTabBar::tab:selected { background: rgb(210, 230, 255); color: black;"
    " border: 1px solid rgb(0, 114, 188); border-radius: 0px; border-bottom-color: white; }"
    "QTabBar::tab:hover { background: rgb(230, 245, 255); border: 1px solid rgb(0, 114, 188); }"
    "QTabBar::tab:!selected { border-bottom-color: rgb(150, 150, 150); margin-top: 2px; }"
    "QTabBar { border: 5px solid rgb(4, 107, 174); }";

const char *const DebugTabsStyle =
    "QTabBar::tab { font: 10pt \"Segoe UI Light\"; background: white; border: 1px solid white;"
    " min-width: 200px; min-height: 20px; padding-bottom: 5px; }"
    "QTabBar::tab:selected { background: rgb(210, 230, 255); color: black;"
    " border: 1px solid rgb(0, 114, 188); border-radius: 0px; border-bottom-color: white; }"
    "QTabBar::tab:hover { background: rgb(230, 245, 255); border: 1px solid rgb(0, 114, 188); }"
    "QTabBar::tab:!selected { border-bottom-color: rgb(150, 150, 150); margin-top: 2px; }"
    "QTabBar { border: 5px solid rgb(4, 107, 174); }";

const char *const PartitionButtonsStyle =
    "QCommandLinkButton { font: 16pt \"Segoe UI Light\"; background: white;"
    " border: 1px solid white; color: rgb(66, 66, 66); padding: 3px; padding-left: 8px;"
    " text-align: left; }"
    "QCommandLinkButton:hover { background: rgb(230, 245, 255);"
    " border: 1px solid rgb(0, 114, 188); border-top-left-radius: 3px;"
    " border-bottom-left-radius: 3px; border-right-color: white; }"
    "QCommandLinkButton:checked { background: rgb(210, 230, 255); color: black;"
    " border: 1px solid rgb(0, 114, 188); border-top-left-radius: 3px;"
    " border-bottom-left-radius: 3px; border-right-color: white; }"
    "QFrame#frmPartitionButtons { padding: 10px; padding-right: 0px; font: 16pt;"
    " background: white; }";

const char *const SettingsListStyle =
    "QListWidget { font: 16pt \"Segoe UI Light\"; padding: 10px; outline: none;"
    " background: white; }"
    "QListWidget::item { padding: 3px; padding-left: 8px; color: rgb(66, 66, 66);"
    " background: white; border: 1px solid white; }"
    "QListWidget::item:hover { background: rgb(230, 245, 255);"
    " border: 1px solid rgb(0, 114, 188); border-radius: 3px; }"
    "QListWidget::item:selected { background: rgb(210, 230, 255); color: black;"
    " border: 1px solid rgb(0, 114, 188); border-radius: 3px; }";

QGridLayout *pageGrid(QWidget *page, const char *name)
{
    auto *grid = new QGridLayout(page);
    grid->setObjectName(QLatin1String(name));
    return grid;
}

QWidget *newPage(const char *name)
{
    auto *page = new QWidget();
    page->setObjectName(QLatin1String(name));
    return page;
}

// A scroll area filling the page: contents that need more room than a laptop screen gives
// scroll instead of making the window larger than the screen.
QScrollArea *pageScrollArea(QWidget *page, const char *name)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *area = new QScrollArea(page);
    area->setObjectName(QLatin1String(name));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    layout->addWidget(area);
    return area;
}

// The page's contents go into the returned widget, held by a scroll area.
QWidget *scrolledContents(QWidget *page, const char *name)
{
    QScrollArea *area = pageScrollArea(page, name);
    auto *contents = new QWidget;
    contents->setObjectName(QLatin1String(name) + QLatin1String("Contents"));
    area->setWidget(contents);
    return contents;
}
} // namespace

void Ui_MainWindow::setupUi(QMainWindow *MainWindow)
{
    if (MainWindow->objectName().isEmpty())
        MainWindow->setObjectName(QStringLiteral("MainWindow"));
    MainWindow->resize(1024, 650);
    setupActions(MainWindow);

    centralWidget = new QWidget(MainWindow);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    centralWidget->setStyleSheet(QStringLiteral("QWidget#centralWidget { background: white; }"));
    gridLayout = new QGridLayout(centralWidget);
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(11, 11, 11, 11);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    twMain = new QTabWidget(centralWidget);
    twMain->setObjectName(QStringLiteral("twMain"));
    twMain->setTabShape(QTabWidget::Rounded);
    twMain->setUsesScrollButtons(true);
    // A tab too narrow for its caption scrolls the bar; a cut caption cannot be read.
    twMain->setElideMode(Qt::ElideNone);
    twMain->setDocumentMode(false);

    setupStatusTab();
    setupSimpleTabs();
    setupDebugTab();

    gridLayout->addWidget(twMain, 0, 0, 1, 1);
    MainWindow->setCentralWidget(centralWidget);
    setupMenus(MainWindow);
    statusBar = new QStatusBar(MainWindow);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    MainWindow->setStatusBar(statusBar);

    QWidget::setTabOrder(twMain, lwPartitions);
    QWidget::setTabOrder(lwPartitions, settingsList);
    QWidget::setTabOrder(settingsList, tabWidget);
    QWidget::setTabOrder(tabWidget, cbLogLevel);
    QWidget::setTabOrder(cbLogLevel, cbLoggerModules);
    QWidget::setTabOrder(cbLoggerModules, pbClear);
    QWidget::setTabOrder(pbClear, ptLog);
    QWidget::setTabOrder(ptLog, ptShell);
    QWidget::setTabOrder(ptShell, cbCommand);

    setupStyles();
    retranslateUi(MainWindow);

    twMain->setCurrentIndex(0);
    stWPowerStatus->setCurrentIndex(1);
    settingsList->setCurrentRow(-1);
    swSettings->setCurrentIndex(10);
    tabWidget->setCurrentIndex(3);
}

void Ui_MainWindow::setupActions(QMainWindow *MainWindow)
{
    auto action = [MainWindow](const char *name) {
        auto *created = new QAction(MainWindow);
        created->setObjectName(QLatin1String(name));
        return created;
    };
    acToggleConfig = action("acToggleConfig");
    acToggleConfig->setCheckable(true);
    actionLoadSettings = action("actionLoadSettings");
    actionSaveSettings = action("actionSaveSettings");
    actionexit = action("actionexit");
    actionabout = action("actionabout");
    actionConnect = action("actionConnect");
    actionDisconnect = action("actionDisconnect");
    actionViewconfig = action("actionViewconfig");
    actionRestart = action("actionRestart");
    actionResetToDefault = action("actionResetToDefault");
    actionReadDebugLog = action("actionReadDebugLog");
    actionReadDebugLog->setIcon(QIcon(QStringLiteral(":/images/debug.png")));
}

void Ui_MainWindow::setupStatusTab()
{
    tabStatus = newPage("tabStatus");
    QWidget *status = scrolledContents(tabStatus, "statusScroll");
    gridLayout_6 = pageGrid(status, "gridLayout_6");
    gridLayout_6->setSpacing(6);
    gridLayout_6->setVerticalSpacing(2);
    gridLayout_6->setContentsMargins(-1, 2, -1, 2);
    partitionStatusWidget = new PartitionsStatusWidget(status);
    partitionStatusWidget->setObjectName(QStringLiteral("partitionStatusWidget"));
    gridLayout_6->addWidget(partitionStatusWidget, 0, 0, 6, 1);
    gsmStatusWidget = new GSMStatusWidget(status);
    gsmStatusWidget->setObjectName(QStringLiteral("gsmStatusWidget"));
    // No smaller than its contents: squeezed, its columns overlap; the page scrolls instead.
    gridLayout_6->addWidget(gsmStatusWidget, 1, 1, 1, 2);

    stWPowerStatus = new QStackedWidget(status);
    stWPowerStatus->setObjectName(QStringLiteral("stWPowerStatus"));
    page_isp2 = newPage("page_isp2");
    gridLayout_isp2 = pageGrid(page_isp2, "gridLayout_isp2");
    powerStatusWidgetIsp2 = new PowerStatusWidgetIsp2(page_isp2);
    powerStatusWidgetIsp2->setObjectName(QStringLiteral("powerStatusWidgetIsp2"));
    gridLayout_isp2->addWidget(powerStatusWidgetIsp2, 0, 0, 1, 1);
    stWPowerStatus->addWidget(page_isp2);
    page_isp0 = newPage("page_isp0");
    gridLayout_isp0 = pageGrid(page_isp0, "gridLayout_isp0");
    powerStatusWidgetIsp0 = new PowerStatusWidgetIsp0(page_isp0);
    powerStatusWidgetIsp0->setObjectName(QStringLiteral("powerStatusWidgetIsp0"));
    gridLayout_isp0->addWidget(powerStatusWidgetIsp0, 0, 0, 1, 1);
    stWPowerStatus->addWidget(page_isp0);
    page_isp1 = newPage("page_isp1");
    gridLayout_isp1 = pageGrid(page_isp1, "gridLayout_isp1");
    powerStatusWidgetIsp1 = new PowerStatusWidgetIsp1(page_isp1);
    powerStatusWidgetIsp1->setObjectName(QStringLiteral("powerStatusWidgetIsp1"));
    gridLayout_isp1->addWidget(powerStatusWidgetIsp1, 0, 0, 1, 1);
    stWPowerStatus->addWidget(page_isp1);
    gridLayout_6->addWidget(stWPowerStatus, 3, 1, 1, 2);

    verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    gridLayout_6->addItem(verticalSpacer, 4, 2, 1, 1);
    twMain->addTab(tabStatus, QString());
}

void Ui_MainWindow::setupSimpleTabs()
{
    tabJournal = newPage("tabJournal");
    gridLayout_3 = pageGrid(tabJournal, "gridLayout_3");
    gridLayout_3->setSpacing(0);
    gridLayout_3->setContentsMargins(0, 0, 0, 0);
    journalWidget = new JournalWidget(tabJournal);
    journalWidget->setObjectName(QStringLiteral("journalWidget"));
    gridLayout_3->addWidget(journalWidget, 0, 0, 1, 1);
    twMain->addTab(tabJournal, QString());

    setupPartitionsTab();

    tabChannels = newPage("tabChannels");
    QWidget *channels = scrolledContents(tabChannels, "channelsScroll");
    verticalLayout = new QVBoxLayout(channels);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    directionsWidget = new DirectionsWidget(channels);
    directionsWidget->setObjectName(QStringLiteral("directionsWidget"));
    verticalLayout->addWidget(directionsWidget);
    twMain->addTab(tabChannels, QString());

    tabUsers = newPage("tabUsers");
    gridLayout_8 = pageGrid(tabUsers, "gridLayout_8");
    usersWidget = new UsersWidget(tabUsers);
    usersWidget->setObjectName(QStringLiteral("usersWidget"));
    gridLayout_8->addWidget(usersWidget, 0, 0, 1, 1);
    twMain->addTab(tabUsers, QString());

    tabIButtons = newPage("tabIButtons");
    gridLayout_4 = pageGrid(tabIButtons, "gridLayout_4");
    ibuttonsWidget = new IButtonsWidget(tabIButtons);
    ibuttonsWidget->setObjectName(QStringLiteral("ibuttonsWidget"));
    gridLayout_4->addWidget(ibuttonsWidget, 0, 0, 1, 1);
    twMain->addTab(tabIButtons, QString());

    setupSettingsTab();

    tabUpdate = newPage("tabUpdate");
    QWidget *update = scrolledContents(tabUpdate, "updateScroll");
    gridLayout_7 = pageGrid(update, "gridLayout_7");
    onlineUpdateWidget = new OnlineUpdateWidget(update);
    onlineUpdateWidget->setObjectName(QStringLiteral("onlineUpdateWidget"));
    gridLayout_7->addWidget(onlineUpdateWidget, 0, 0, 1, 1);
    twMain->addTab(tabUpdate, QString());
}

void Ui_MainWindow::setupPartitionsTab()
{
    tabPartitions = newPage("tabPartitions");
    horizontalLayout_3 = new QHBoxLayout(tabPartitions);
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    horizontalLayout_3->setContentsMargins(0, 0, 0, 0);
    splitter = new QSplitter(tabPartitions);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setOrientation(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);

    frmPartitionButtons = new QFrame(splitter);
    frmPartitionButtons->setObjectName(QStringLiteral("frmPartitionButtons"));
    frmPartitionButtons->setMinimumWidth(300);
    frmPartitionButtons->setMaximumWidth(430);
    QFont buttonsFont;
    buttonsFont.setPointSize(16);
    frmPartitionButtons->setFont(buttonsFont);
    frmPartitionButtons->setFrameShape(QFrame::StyledPanel);
    frmPartitionButtons->setFrameShadow(QFrame::Raised);
    verticalLayout_3 = new QVBoxLayout(frmPartitionButtons);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    lwPartitions = new QListWidget(frmPartitionButtons);
    lwPartitions->setObjectName(QStringLiteral("lwPartitions"));
    verticalLayout_3->addWidget(lwPartitions);
    splitter->addWidget(frmPartitionButtons);

    frmPartitionWidgets = new QFrame(splitter);
    frmPartitionWidgets->setObjectName(QStringLiteral("frmPartitionWidgets"));
    frmPartitionWidgets->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    frmPartitionWidgets->setFrameShape(QFrame::StyledPanel);
    frmPartitionWidgets->setFrameShadow(QFrame::Raised);
    verticalLayout_4 = new QVBoxLayout(frmPartitionWidgets);
    verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
    verticalLayout_4->setContentsMargins(-1, -1, -1, 10);
    // The pages go in before this last item.
    verticalLayout_4->addStretch();
    splitter->addWidget(frmPartitionWidgets);

    horizontalLayout_3->addWidget(splitter);
    twMain->addTab(tabPartitions, QString());
}

void Ui_MainWindow::setupSettingsTab()
{
    tabSettings = newPage("tabSettings");
    horizontalLayout_2 = new QHBoxLayout(tabSettings);
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setContentsMargins(0, 0, 0, 0);
    settingsList = new QListWidget(tabSettings);
    settingsList->setObjectName(QStringLiteral("settingsList"));
    settingsList->setFixedWidth(364);
    settingsList->setFrameShape(QFrame::NoFrame);
    settingsList->setIconSize(QSize(32, 64));
    QFont listFont(QStringLiteral("Segoe UI Light"), 16);
    listFont.setBold(false);
    listFont.setItalic(false);
    settingsList->setFont(listFont);
    settingsList->setFocusPolicy(Qt::StrongFocus);
    horizontalLayout_2->addWidget(settingsList);

    line_2 = new QFrame(tabSettings);
    line_2->setObjectName(QStringLiteral("line_2"));
    line_2->setFrameShape(QFrame::VLine);
    line_2->setFrameShadow(QFrame::Sunken);
    horizontalLayout_2->addWidget(line_2);

    verticalLayout_6 = new QVBoxLayout();
    verticalLayout_6->setSpacing(6);
    verticalLayout_6->setObjectName(QStringLiteral("verticalLayout_6"));
    swSettings = new QStackedWidget(tabSettings);
    swSettings->setObjectName(QStringLiteral("swSettings"));

    objectSettingsWidget = new ObjectSettingsWidget();
    objectSettingsWidget->setObjectName(QStringLiteral("objectSettingsWidget"));
    objectSettingsWidget->setSizePolicy(QSizePolicy::MinimumExpanding,
                                        QSizePolicy::MinimumExpanding);
    swSettings->addWidget(objectSettingsWidget);
    dateTimeSettingsWidget = new DateTimeSettingsWidget();
    dateTimeSettingsWidget->setObjectName(QStringLiteral("dateTimeSettingsWidget"));
    swSettings->addWidget(dateTimeSettingsWidget);
    deviceSettingsWidget = new DeviceSettingsWidget();
    deviceSettingsWidget->setObjectName(QStringLiteral("deviceSettingsWidget"));
    swSettings->addWidget(deviceSettingsWidget);
    ledsSettingsWidget = new LedsSettingsWidget();
    ledsSettingsWidget->setObjectName(QStringLiteral("ledsSettingsWidget"));
    swSettings->addWidget(ledsSettingsWidget);
    beeperSettingsWidget = new BeeperSettingsWidget();
    beeperSettingsWidget->setObjectName(QStringLiteral("beeperSettingsWidget"));
    swSettings->addWidget(beeperSettingsWidget);
    ethernetSettingsWidget = new EthernetSettingsWidget();
    ethernetSettingsWidget->setObjectName(QStringLiteral("ethernetSettingsWidget"));
    swSettings->addWidget(ethernetSettingsWidget);
    wirelessSettingsWidget = new WirelessSettingsWidget();
    wirelessSettingsWidget->setObjectName(QStringLiteral("wirelessSettingsWidget"));
    swSettings->addWidget(wirelessSettingsWidget);
    ibuttonConfigWidget = new IButtonConfigWidget();
    ibuttonConfigWidget->setObjectName(QStringLiteral("ibuttonConfigWidget"));
    swSettings->addWidget(ibuttonConfigWidget);
    gsmSettingsWidget = new GSMSettingsWidget();
    gsmSettingsWidget->setObjectName(QStringLiteral("gsmSettingsWidget"));
    swSettings->addWidget(gsmSettingsWidget);
    debugSettingsWidget = new DebugSettingsWidget();
    debugSettingsWidget->setObjectName(QStringLiteral("debugSettingsWidget"));
    swSettings->addWidget(debugSettingsWidget);
    outputGroupsWidget = new OutputGroupsSettingsWidget();
    outputGroupsWidget->setObjectName(QStringLiteral("outputGroupsWidget"));
    swSettings->addWidget(outputGroupsWidget);
    auto *settingsScroll = new QScrollArea(tabSettings);
    settingsScroll->setObjectName(QStringLiteral("settingsScroll"));
    settingsScroll->setWidgetResizable(true);
    settingsScroll->setFrameShape(QFrame::NoFrame);
    settingsScroll->setWidget(swSettings);
    verticalLayout_6->addWidget(settingsScroll);

    lblSettingsStatus = new QLabel(tabSettings);
    lblSettingsStatus->setObjectName(QStringLiteral("lblSettingsStatus"));
    verticalLayout_6->addWidget(lblSettingsStatus);
    line_3 = new QFrame(tabSettings);
    line_3->setObjectName(QStringLiteral("line_3"));
    line_3->setFrameShape(QFrame::HLine);
    line_3->setFrameShadow(QFrame::Sunken);
    line_3->setLineWidth(1);
    verticalLayout_6->addWidget(line_3);
    lblSettingsHint = new QLabel(tabSettings);
    lblSettingsHint->setObjectName(QStringLiteral("lblSettingsHint"));
    lblSettingsHint->setMinimumHeight(80);
    lblSettingsHint->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    lblSettingsHint->setWordWrap(true);
    verticalLayout_6->addWidget(lblSettingsHint);
    horizontalLayout_2->addLayout(verticalLayout_6);
    twMain->addTab(tabSettings, QString());
}

void Ui_MainWindow::setupDebugTab()
{
    tabDebug = newPage("tabDebug");
    horizontalLayout_5 = new QHBoxLayout(tabDebug);
    horizontalLayout_5->setObjectName(QStringLiteral("horizontalLayout_5"));
    tabWidget = new QTabWidget(tabDebug);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));

    tab = newPage("tab");
    gridLayout_2 = pageGrid(tab, "gridLayout_2");
    assertLogView = new AssertLogView(tab);
    assertLogView->setObjectName(QStringLiteral("assertLogView"));
    gridLayout_2->addWidget(assertLogView, 0, 0, 1, 1);
    tabWidget->addTab(tab, QString());

    tab_2 = newPage("tab_2");
    gridLayout_5 = pageGrid(tab_2, "gridLayout_5");
    RealTime22bViewForm1 = new RealTime22bViewForm(tab_2);
    RealTime22bViewForm1->setObjectName(QStringLiteral("RealTime22bViewForm1"));
    gridLayout_5->addWidget(RealTime22bViewForm1, 0, 0, 1, 1);
    tabWidget->addTab(tab_2, QString());

    tab_3 = newPage("tab_3");
    gridLayout_10 = pageGrid(tab_3, "gridLayout_10");
    ptShell = new QPlainTextEdit(tab_3);
    ptShell->setObjectName(QStringLiteral("ptShell"));
    gridLayout_10->addWidget(ptShell, 0, 0, 1, 1);
    cbCommand = new QComboBox(tab_3);
    cbCommand->setObjectName(QStringLiteral("cbCommand"));
    cbCommand->setEditable(true);
    gridLayout_10->addWidget(cbCommand, 1, 0, 1, 1);
    tabWidget->addTab(tab_3, QString());

    tab_4 = newPage("tab_4");
    gridLayout_11 = pageGrid(tab_4, "gridLayout_11");
    lblLogLevel = new QLabel(tab_4);
    lblLogLevel->setObjectName(QStringLiteral("lblLogLevel"));
    gridLayout_11->addWidget(lblLogLevel, 0, 0, 1, 1);
    cbLogLevel = new ComboBox(tab_4);
    for (int i = 0; i < 5; ++i)
        cbLogLevel->addItem(QString());
    cbLogLevel->setObjectName(QStringLiteral("cbLogLevel"));
    cbLogLevel->setMinimumWidth(140);
    gridLayout_11->addWidget(cbLogLevel, 0, 1, 1, 1);
    label_2 = new QLabel(tab_4);
    label_2->setObjectName(QStringLiteral("label_2"));
    gridLayout_11->addWidget(label_2, 0, 2, 1, 1);
    cbLoggerModules = new ComboBox(tab_4);
    cbLoggerModules->setObjectName(QStringLiteral("cbLoggerModules"));
    cbLoggerModules->setMinimumWidth(200);
    cbLoggerModules->setMaxVisibleItems(50);
    gridLayout_11->addWidget(cbLoggerModules, 0, 3, 1, 1);
    horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    gridLayout_11->addItem(horizontalSpacer, 0, 4, 1, 1);
    pbClear = new QPushButton(tab_4);
    pbClear->setObjectName(QStringLiteral("pbClear"));
    pbClear->setMinimumWidth(140);
    gridLayout_11->addWidget(pbClear, 0, 5, 1, 1);
    ptLog = new QPlainTextEdit(tab_4);
    ptLog->setObjectName(QStringLiteral("ptLog"));
    QFont logFont;
    logFont.setPointSize(10);
    ptLog->setFont(logFont);
    ptLog->setReadOnly(true);
    gridLayout_11->addWidget(ptLog, 1, 0, 1, 6);
    tabWidget->addTab(tab_4, QString());

    horizontalLayout_5->addWidget(tabWidget);
    twMain->addTab(tabDebug, QString());
}

void Ui_MainWindow::setupMenus(QMainWindow *MainWindow)
{
    menuBar = new QMenuBar(MainWindow);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setGeometry(QRect(0, 0, 1024, 22));
    menufile = new QMenu(menuBar);
    menufile->setObjectName(QStringLiteral("menufile"));
    menuDevice = new QMenu(menuBar);
    menuDevice->setObjectName(QStringLiteral("menuDevice"));
    menuabout = new QMenu(menuBar);
    menuabout->setObjectName(QStringLiteral("menuabout"));
    MainWindow->setMenuBar(menuBar);

    menuBar->addAction(menufile->menuAction());
    menuBar->addAction(menuDevice->menuAction());
    menuBar->addAction(menuabout->menuAction());
    menufile->addAction(actionLoadSettings);
    menufile->addAction(actionSaveSettings);
    menufile->addAction(actionReadDebugLog);
    menufile->addSeparator();
    menufile->addAction(actionViewconfig);
    menufile->addSeparator();
    menufile->addAction(actionexit);
    menuDevice->addAction(actionConnect);
    menuDevice->addAction(actionDisconnect);
    menuDevice->addAction(actionRestart);
    menuDevice->addSeparator();
    menuDevice->addAction(actionResetToDefault);
    menuabout->addAction(actionabout);
}

void Ui_MainWindow::setupStyles()
{
    twMain->setStyleSheet(QLatin1String(MainTabsStyle));
    tabWidget->setStyleSheet(QLatin1String(DebugTabsStyle));
    frmPartitionButtons->setStyleSheet(QLatin1String(PartitionButtonsStyle));
    settingsList->setStyleSheet(QLatin1String(SettingsListStyle));
}

void Ui_MainWindow::retranslateUi(QMainWindow *MainWindow)
{
    MainWindow->setWindowTitle(QCoreApplication::translate("MainWindow", "MainWindow"));
    acToggleConfig->setText(QCoreApplication::translate("MainWindow", "Toggle config"));
    actionLoadSettings->setText(QCoreApplication::translate("MainWindow", "Load settings"));
    actionSaveSettings->setText(QCoreApplication::translate("MainWindow", "Save settings"));
    actionexit->setText(QCoreApplication::translate("MainWindow", "Exit"));
    actionabout->setText(QCoreApplication::translate("MainWindow", "About"));
    actionConnect->setText(QCoreApplication::translate("MainWindow", "Authorize"));
    actionDisconnect->setText(QCoreApplication::translate("MainWindow", "Disconnect"));
    actionViewconfig->setText(
        QCoreApplication::translate("MainWindow", "Viewing configuration from a file"));
    actionRestart->setText(QCoreApplication::translate("MainWindow", "Restart"));
    actionResetToDefault->setText(QCoreApplication::translate("MainWindow", "Reset to default"));
    actionResetToDefault->setToolTip(
        QCoreApplication::translate("MainWindow", "Reset to factory settings"));
    actionReadDebugLog->setText(QCoreApplication::translate("MainWindow", "Read debug log"));
    twMain->setTabText(twMain->indexOf(tabStatus),
                       QCoreApplication::translate("MainWindow", "Status"));
    twMain->setTabText(twMain->indexOf(tabJournal),
                       QCoreApplication::translate("MainWindow", "Journal"));
    twMain->setTabText(twMain->indexOf(tabPartitions),
                       QCoreApplication::translate("MainWindow", "Devices"));
    twMain->setTabText(twMain->indexOf(tabChannels),
                       QCoreApplication::translate("MainWindow", "Channels"));
    twMain->setTabText(twMain->indexOf(tabUsers),
                       QCoreApplication::translate("MainWindow", "Users"));
    twMain->setTabText(twMain->indexOf(tabIButtons),
                       QCoreApplication::translate("MainWindow", "IButtons"));
    tabSettings->setAccessibleName(QCoreApplication::translate("MainWindow", "Settings"));
    twMain->setTabText(twMain->indexOf(tabSettings),
                       QCoreApplication::translate("MainWindow", "Settings"));
    twMain->setTabText(twMain->indexOf(tabUpdate),
                       QCoreApplication::translate("MainWindow", "Update"));
    twMain->setTabText(twMain->indexOf(tabDebug),
                       QCoreApplication::translate("MainWindow", "Debug tools"));
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("MainWindow", "Debug journal"));
    tabWidget->setTabText(tabWidget->indexOf(tab_2),
                          QCoreApplication::translate("MainWindow", "Realtime view"));
    tabWidget->setTabText(tabWidget->indexOf(tab_3),
                          QCoreApplication::translate("MainWindow", "Console"));
    lblLogLevel->setText(QCoreApplication::translate("MainWindow", "Log level"));
    cbLogLevel->setItemText(0, QCoreApplication::translate("MainWindow", "Error"));
    cbLogLevel->setItemText(1, QCoreApplication::translate("MainWindow", "Warning"));
    cbLogLevel->setItemText(2, QCoreApplication::translate("MainWindow", "Debug"));
    cbLogLevel->setItemText(3, QCoreApplication::translate("MainWindow", "Trace"));
    cbLogLevel->setItemText(4, QCoreApplication::translate("MainWindow", "Message"));
    label_2->setText(QCoreApplication::translate("MainWindow", "Modules:"));
    pbClear->setText(QCoreApplication::translate("MainWindow", "Clear"));
    tabWidget->setTabText(tabWidget->indexOf(tab_4),
                          QCoreApplication::translate("MainWindow", "Logs"));
    menufile->setTitle(QCoreApplication::translate("MainWindow", "File"));
    menufile->setAccessibleName(QCoreApplication::translate("MainWindow", "menuFile"));
    menuDevice->setTitle(QCoreApplication::translate("MainWindow", "Device"));
    menuDevice->setAccessibleName(QCoreApplication::translate("MainWindow", "menuDevice"));
    menuabout->setTitle(QCoreApplication::translate("MainWindow", "Help"));
    menuabout->setAccessibleName(QCoreApplication::translate("MainWindow", "menuAbout"));
}
