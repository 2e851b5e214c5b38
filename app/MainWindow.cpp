#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/BaseSettingsWidget.h"
#include "app/ComboBox.h"
#include "app/FileChooser.h"
#include "app/LogHighlighter.h"
#include "app/MessageBoxU.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "app/SavedGeometry.h"
#include "app/Ui_MainWindow.h"
#include "journal/AssertLogView.h"
#include "journal/JournalWidget.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerStatusIsp2.h"
#include "journal/PowerStatusWidgetIsp0.h"
#include "journal/PowerStatusWidgetIsp1.h"
#include "journal/PowerStatusWidgetIsp2.h"
#include "journal/RealTime22bViewForm.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/comms/EthernetSettingsWidget.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/comms/GSMStatusWidget.h"
#include "pages/comms/WirelessSettingsWidget.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/reporting/DirectionsWidget.h"
#include "pages/settings/BeeperSettingsWidget.h"
#include "pages/settings/DateTimeSettingsWidget.h"
#include "pages/settings/DebugSettingsWidget.h"
#include "pages/settings/DeviceSettingsWidget.h"
#include "pages/settings/IButtonConfigWidget.h"
#include "pages/settings/LedsSettingsWidget.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/ObjectSettingsWidget.h"
#include "pages/settings/OutputGroupsSettingsWidget.h"
#include "pages/users/IButtonsWidget.h"
#include "pages/users/UserModel.h"
#include "pages/users/UsersWidget.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "update/OnlineUpdateWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QDataStream>
#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

namespace {
const int LogLineLimit = 131072;
const char *const SettingsFilter = "Settings (*.cfg)";

QSettings appSettings()
{
    return QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"));
}

// A new style sheet repolishes the bar and all its children; a read that meets thousands of
// empty journal cells logs an error for each, so an unchanged colour is left as it is.
void setStatusStyle(QStatusBar *bar, const QString &style)
{
    if (bar->styleSheet() != style)
        bar->setStyleSheet(style);
}

QString pageIdentifier(const Ui_MainWindow *ui, const QWidget *page)
{
    const QList<QPair<const QWidget *, const char *>> identifiers = {
        {ui->objectSettingsWidget, "settingsItemObject"},
        {ui->dateTimeSettingsWidget, "settingsItemTime"},
        {ui->deviceSettingsWidget, "settingsItemDevice"},
        {ui->ibuttonConfigWidget, "settingsItemIButtons"},
        {ui->ledsSettingsWidget, "settingsItemLight"},
        {ui->beeperSettingsWidget, "settingsItemSound"},
        {ui->ethernetSettingsWidget, "settingsItemEthernet"},
        {ui->wirelessSettingsWidget, "settingsItemRadio"},
        {ui->gsmSettingsWidget, "settingsItemGSM"},
        {ui->outputGroupsWidget, "settingsItemOutputGroups"},
        {ui->debugSettingsWidget, "settingsItemDebug"},
    };
    for (const auto &entry : identifiers)
        if (entry.first == page)
            return QLatin1String(entry.second);
    return QString();
}

// The all-devices pseudo-partition for a negative index.
Partition *partitionOf(PartitionModel *model, int index)
{
    if (!model)
        return nullptr;
    return index < 0 ? model->allDevicesPartition() : model->partition(uchar(index));
}
// The stored history, entry by entry: a damaged count would otherwise have the stream
// reserve room for it up front, far beyond what the settings hold.
QStringList readCommandHistory(const QByteArray &bytes)
{
    QDataStream stream(bytes);
    quint32 count = 0;
    stream >> count;
    // Every entry takes at least its 4-byte length.
    if (stream.status() != QDataStream::Ok || count > quint32(bytes.size() / 4))
        return {};
    QStringList history;
    for (quint32 i = 0; i < count; ++i) {
        QString command;
        stream >> command;
        if (stream.status() != QDataStream::Ok)
            return {};
        history.append(command);
    }
    return history;
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui_MainWindow), m_overmind(Overmind::instance()),
      m_logFilter(this)
{
    ui->setupUi(this);
    ui->ptLog->document()->setMaximumBlockCount(LogLineLimit);
    restoreWindowSettings();
    connectLogPage();
    connectReactions();
    m_progressBar.setRange(0, 100);
    m_progressBar.setValue(0);
    statusBar()->addWidget(&m_progressBar);
    m_progressBar.hide();
    new LogHighlighter(ui->ptLog->document());
    setActionIcons();
    connect(ui->twMain, &QTabWidget::tabBarClicked, this, &MainWindow::onTabBarClicked);
    showDisconnectedState();
    QTimer::singleShot(1000, this, &MainWindow::offerToOpenFile);
    connect(ui->menufile, &QMenu::aboutToShow, this, &MainWindow::confirmLeave);
    connect(ui->menuDevice, &QMenu::aboutToShow, this, &MainWindow::confirmLeave);
    ui->twMain->tabBar()->setObjectName(QStringLiteral("tabBar"));
    ui->twMain->tabBar()->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    if (m_overmind)
        disconnect(m_overmind, &Overmind::disconnected, this, nullptr);
    disconnect(&m_logFilter, &LoggerFilter::message, this, nullptr);
    delete ui;
    qDeleteAll(m_partitionPages);
    m_partitionPages.clear();
}

void MainWindow::connectLogPage()
{
    connect(&m_logFilter, &LoggerFilter::message, this, &MainWindow::onLoggerMessage);
    connect(&m_logFilter, &LoggerFilter::newModule, this, &MainWindow::onLogFilterNewModule);
    connect(ui->pbClear, &QPushButton::clicked, ui->ptLog, &QPlainTextEdit::clear);
    connect(ui->cbCommand->lineEdit(), &QLineEdit::returnPressed, this,
            &MainWindow::onShellCommand);
    connect(ui->acToggleConfig, &QAction::toggled, this, &MainWindow::toggleConfig);
    connect(ui->cbLoggerModules, &ComboBox::clicked, this, &MainWindow::onLogFilterChange);
    connect(ui->cbLogLevel, &ComboBox::clicked, this, &MainWindow::onLogFilterChange);
    // The rebuilt text comes from a pool thread.
    connect(&m_logFilter, &LoggerFilter::textLogReady, this, &MainWindow::onSetLogString,
            Qt::QueuedConnection);
}

void MainWindow::connectReactions()
{
    if (m_overmind) {
        connect(m_overmind, &Overmind::loginSuccessful, this, &MainWindow::connected);
        connect(m_overmind, &Overmind::disconnected, this, &MainWindow::disconnected);
        connect(m_overmind, &Overmind::deviceFound, this, &MainWindow::onDeviceFound);
    }
    const QList<BaseSettingsWidget *> pages = findChildren<BaseSettingsWidget *>();
    for (BaseSettingsWidget *page : pages)
        connect(page, &BaseSettingsWidget::settingHint, ui->lblSettingsHint, &QLabel::setText);
    connect(&m_udpListener, &UdpListener::closeApplication, this, &MainWindow::closeFromUdp);
    connect(&m_udpListener, &UdpListener::showMessage, this,
            [](const QString &text) { MessageBoxU::information(text, tr("Information")); });
    if (m_overmind) {
        connect(m_overmind, &Overmind::reloadConfigFile, this,
                &MainWindow::loadDevSettingsFromFile);
        connect(m_overmind, &Overmind::setKorvelType, this, &MainWindow::onInitWidget);
        connect(m_overmind, &Overmind::lockSettingsChanged, this,
                &MainWindow::onLockSettingsChanged);
    }
    connect(ui->actionLoadSettings, &QAction::triggered, this,
            &MainWindow::loadDevSettingsFromFile);
    connect(ui->actionSaveSettings, &QAction::triggered, this, &MainWindow::saveDevSettingsToFile);
    connect(ui->actionexit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionabout, &QAction::triggered, this, &MainWindow::showAbout);
    if (m_overmind) {
        connect(ui->actionConnect, &QAction::triggered, m_overmind, &Overmind::onAuthorize);
        connect(ui->actionResetToDefault, &QAction::triggered, m_overmind,
                &Overmind::showFactoryResetWidget);
    }
    connect(ui->actionDisconnect, &QAction::triggered, this, &MainWindow::onDisconnect);
    connect(ui->actionViewconfig, &QAction::triggered, this, &MainWindow::viewingConfigFile);
    connect(ui->actionRestart, &QAction::triggered, this, &MainWindow::restartDevice);
    connect(ui->actionReadDebugLog, &QAction::triggered, this, &MainWindow::readDebugLog);
    connect(ui->usersWidget, &UsersWidget::forceDisconnect, this, &MainWindow::onDisconnect);
}

void MainWindow::setActionIcons()
{
    ui->actionLoadSettings->setIcon(QIcon(QStringLiteral(":/images/load_config.png")));
    ui->actionSaveSettings->setIcon(QIcon(QStringLiteral(":/images/save2D.png")));
    ui->actionexit->setIcon(QIcon(QStringLiteral(":/images/exit.png")));
    ui->actionabout->setIcon(QIcon(QStringLiteral(":/images/help.png")));
    ui->actionConnect->setIcon(QIcon(QStringLiteral(":/images/connect.png")));
    ui->actionDisconnect->setIcon(QIcon(QStringLiteral(":/images/disconnect.png")));
    ui->actionViewconfig->setIcon(QIcon(QStringLiteral(":/images/open_configuration.png")));
    ui->actionRestart->setIcon(QIcon(QStringLiteral(":/images/reload.png")));
    ui->actionResetToDefault->setIcon(QIcon(QStringLiteral(":/images/reset.png")));
}

// ---- setters: the controller's objects go to their pages ----

void MainWindow::setIButtonModel(IButtonModel *model)
{
    ui->ibuttonsWidget->setModel(model);
}

void MainWindow::setUserModel(UserModel *model)
{
    ui->usersWidget->setModel(model);
}

void MainWindow::setBeeperSettings(BeeperSettings *settings)
{
    ui->beeperSettingsWidget->setSettings(settings);
}

void MainWindow::setObjectSettings(ObjectSettings *settings)
{
    ui->objectSettingsWidget->setSettings(settings);
}

void MainWindow::setEthernetSettings(EthernetSettings *settings)
{
    ui->ethernetSettingsWidget->setSettings(settings);
}

void MainWindow::setDeviceSettings(DeviceSettings *settings)
{
    ui->deviceSettingsWidget->setSettings(settings);
    ui->dateTimeSettingsWidget->setDeviceSettings(settings);
}

void MainWindow::setLedsSettings(LedsSettings *settings)
{
    ui->ledsSettingsWidget->setSettings(settings);
}

void MainWindow::setIButtonConfig(IButtonConfig *settings)
{
    ui->ibuttonConfigWidget->setSettings(settings);
}

void MainWindow::setWirelessSettings(WirelessSettings *settings)
{
    ui->objectSettingsWidget->setWirelessSettings(settings);
    ui->wirelessSettingsWidget->setSettings(settings);
}

void MainWindow::setDateTimeSettings(DateTimeSettings *settings)
{
    ui->dateTimeSettingsWidget->setDateTimeSettings(settings);
}

void MainWindow::setGSMSettings(GSMSettings *settings)
{
    ui->gsmSettingsWidget->setSettings(settings);
}

void MainWindow::setDebugSettings(DebugSettings *settings)
{
    ui->debugSettingsWidget->setSettings(settings);
}

void MainWindow::setOutputGroupsSettings(OutputGroupsSettings *settings)
{
    ui->outputGroupsWidget->setSettings(settings);
}

void MainWindow::setDirectionSettings(DirectionSettings *settings)
{
    ui->directionsWidget->setSettings(settings);
}

void MainWindow::setPowerStatusIsp0(PowerStatusIsp0 *model)
{
    ui->powerStatusWidgetIsp0->setPowerStatus(model);
}

void MainWindow::setPowerStatusIsp1(PowerStatusIsp1 *model)
{
    ui->powerStatusWidgetIsp1->setPowerStatus(model);
}

void MainWindow::setPowerStatusIsp2(PowerStatusIsp2 *model)
{
    ui->powerStatusWidgetIsp2->setPowerStatus(model);
}

void MainWindow::setRealtimeProtocol(Protocol *protocol)
{
    ui->RealTime22bViewForm1->setProtocol(protocol);
}

void MainWindow::setJournal(Journal *journal)
{
    ui->journalWidget->setJournal(journal);
}

DirectionSettings *MainWindow::directionSettings() const
{
    return ui->directionsWidget->settings();
}

EthernetSettings *MainWindow::ethernetSettings() const
{
    return ui->ethernetSettingsWidget->settings();
}

// ---- partition pages ----

void MainWindow::setPartitionModel(PartitionModel *model)
{
    removePartitionPages();
    addAllDevicesPage(model);
    addPartitionPages(model);
    m_currentPartitionPage = allDevicesPage();
    m_currentPartitionButton = m_currentPartitionPage ? m_currentPartitionPage->button() : nullptr;
    if (m_currentPartitionPage)
        m_currentPartitionPage->show();
}

void MainWindow::removePartitionPages()
{
    for (QWidget *page : qAsConst(m_partitionPages)) {
        ui->verticalLayout_4->removeWidget(page);
        delete page;
    }
    for (QListWidgetItem *row : qAsConst(m_partitionRows)) {
        ui->lwPartitions->removeItemWidget(row);
        delete row;
    }
    m_partitionPages.clear();
    m_partitionRows.clear();
    m_currentPartitionPage = nullptr;
    m_currentPartitionButton = nullptr;
}

PartitionWidget *MainWindow::addPartitionPage(Partition *partition, PartitionModel *model)
{
    auto *button = new PartitionCommandLinkButton(partition, model, this);
    button->setFocusPolicy(Qt::NoFocus);
    // Built inside the frame that shows it: moving a whole page there afterwards styles
    // every one of its widgets a second time.
    auto *page = new PartitionWidget(partition, button, ui->frmPartitionWidgets);
    if (m_overmind)
        connect(m_overmind, &Overmind::radioStateChanged, page,
                [page](RadioState state) { page->enableAllowAddButton(int(state)); });
    return page;
}

void MainWindow::addAllDevicesPage(PartitionModel *model)
{
    PartitionWidget *page = addPartitionPage(partitionOf(model, -1), model);
    PartitionCommandLinkButton *button = page->button();
    connect(button, &QAbstractButton::toggled, this, [this, page](bool on) {
        if (on)
            m_currentPartitionPage = page;
        else if (m_currentPartitionPage)
            m_currentPartitionPage->confirmLeave();
    });
    connect(button, &QAbstractButton::toggled, page, &QWidget::setVisible);
    page->hide();
    ui->verticalLayout_4->insertWidget(ui->verticalLayout_4->count() - 1, page);
    auto *row = new QListWidgetItem(ui->lwPartitions);
    row->setSizeHint(static_cast<QWidget *>(button)->sizeHint());
    ui->lwPartitions->setItemWidget(row, button);
    m_partitionPages.append(page);
    m_partitionRows.append(row);
}

void MainWindow::addPartitionPages(PartitionModel *model)
{
    const int count = m_overmind ? m_overmind->deviceInfo().partitionCount() : 0;
    PartitionWidget *allDevices = allDevicesPage();
    for (int i = 0; i < count; ++i) {
        PartitionWidget *page = addPartitionPage(partitionOf(model, i), model);
        PartitionCommandLinkButton *button = page->button();
        connect(page, &PartitionWidget::enableAllSensorsAllowAddButton, allDevices,
                [allDevices](bool enable) { allDevices->enableAllowAddButton(!enable); });
        connect(button, &QAbstractButton::toggled, this,
                [this, page](bool on) { onPartitionButtonToggled(page, on); });
        if (i == 1)
            connect(page, &PartitionWidget::allowConfig, allDevices,
                    &PartitionWidget::setAddButtonAllowed);
        page->hide();
        ui->verticalLayout_4->insertWidget(ui->verticalLayout_4->count() - 1, page);
        m_partitionPages.append(page);
        auto *row = new QListWidgetItem(ui->lwPartitions);
        row->setSizeHint(static_cast<QWidget *>(button)->sizeHint());
        ui->lwPartitions->setItemWidget(row, button);
        connect(button, &QAbstractButton::pressed, this, &MainWindow::sendKeepAlive);
        m_partitionRows.append(row);
    }
}

void MainWindow::onPartitionButtonToggled(PartitionWidget *page, bool on)
{
    if (!on) {
        if (m_currentPartitionPage) {
            m_currentPartitionPage->confirmLeave();
            m_currentPartitionButton = m_currentPartitionPage->button();
        }
        page->hide();
        return;
    }
    if (m_currentPartitionPage && m_currentPartitionPage->isLeaveRefused()) {
        // The page left behind holds an illegal name: go back to it.
        QPointer<PartitionCommandLinkButton> previous = m_currentPartitionButton;
        QTimer::singleShot(0, this, [previous] {
            if (previous)
                previous->setChecked(true);
        });
        page->show();
        return;
    }
    m_currentPartitionPage = page;
    page->show();
}

PartitionWidget *MainWindow::allDevicesPage() const
{
    return m_partitionPages.isEmpty() ? nullptr
                                      : qobject_cast<PartitionWidget *>(m_partitionPages.first());
}

void MainWindow::hideHalvorPartition()
{
    if (m_partitionRows.size() < 2)
        return;
    QListWidgetItem *row = m_partitionRows.takeAt(1);
    ui->lwPartitions->removeItemWidget(row);
    delete row;
}

// ---- settings list ----

void MainWindow::addSettingsItem(const QString &text, const QString &iconPath, QWidget *page)
{
    auto *item = new QListWidgetItem(QIcon(iconPath), text, ui->settingsList);
    item->setData(Qt::UserRole, QVariant::fromValue(page));
}

void MainWindow::buildSettingsList()
{
    disconnect(ui->settingsList, nullptr, this, nullptr);
    ui->settingsList->clear();
    const bool sorting = ui->settingsList->isSortingEnabled();
    ui->settingsList->setSortingEnabled(false);

    const bool viewing = m_overmind && m_overmind->isViewingMode();
    const bool firmware12 = m_overmind && !m_overmind->isFirmwareOlderThan12();
    const bool ethernet = m_overmind && m_overmind->deviceInfo().hasEthernet();
    addSettingsItem(tr("Object"), QStringLiteral(":/images/houses30.png"),
                    ui->objectSettingsWidget);
    addSettingsItem(tr("Time"), QStringLiteral(":/images/Clock.png"), ui->dateTimeSettingsWidget);
    addSettingsItem(tr("Device"), QStringLiteral(":/images/wireless17.png"),
                    ui->deviceSettingsWidget);
    if (firmware12)
        addSettingsItem(tr("IButtons reader"), QStringLiteral(":/images/key.png"),
                        ui->ibuttonConfigWidget);
    addSettingsItem(tr("Light Indication"), QStringLiteral(":/images/bright4.png"),
                    ui->ledsSettingsWidget);
    addSettingsItem(tr("Sound Indication"), QStringLiteral(":/images/sound53.png"),
                    ui->beeperSettingsWidget);
    if (ethernet)
        addSettingsItem(tr("Ethernet"), QStringLiteral(":/images/ethernet.png"),
                        ui->ethernetSettingsWidget);
    addSettingsItem(tr("Radio"), QStringLiteral(":/images/transmission4.png"),
                    ui->wirelessSettingsWidget);
    addSettingsItem(tr("GSM"), QStringLiteral(":/images/signal97.png"), ui->gsmSettingsWidget);
    if (firmware12 || viewing)
        addSettingsItem(tr("Output groups"), QStringLiteral(":/images/enter.png"),
                        ui->outputGroupsWidget);
    addSettingsItem(tr("Debug"), QStringLiteral(":/images/bug.png"), ui->debugSettingsWidget);

    for (int i = 0; i < ui->settingsList->count(); ++i) {
        QListWidgetItem *item = ui->settingsList->item(i);
        item->setData(Qt::AccessibleTextRole,
                      pageIdentifier(ui, item->data(Qt::UserRole).value<QWidget *>()));
    }
    ui->settingsList->item(ui->settingsList->count() - 1)->setHidden(true);

    ui->settingsList->setSortingEnabled(sorting);
    ui->settingsList->setCurrentRow(0);
    ui->swSettings->setCurrentWidget(ui->objectSettingsWidget);
    m_currentSettingsRow = 0;
    connectSettingsList();
}

void MainWindow::connectSettingsList()
{
    connect(ui->settingsList, &QListWidget::currentRowChanged, this,
            &MainWindow::onSettingsRowChanged, Qt::UniqueConnection);
}

void MainWindow::onSettingsRowChanged(int row)
{
    const int count = ui->settingsList->count();
    if (count == 0)
        return;
    if (row < 0 || row >= count)
        row = 0;
    if (confirmLeave()) {
        m_currentSettingsRow = row;
        ui->swSettings->setCurrentWidget(
            ui->settingsList->item(row)->data(Qt::UserRole).value<QWidget *>());
        sendKeepAlive();
        return;
    }
    // Going back must not ask again, so the list is quiet until it is back.
    disconnect(ui->settingsList, nullptr, this, nullptr);
    QTimer::singleShot(0, this, [this] {
        ui->settingsList->setCurrentRow(m_currentSettingsRow);
        connectSettingsList();
    });
}

void MainWindow::adjustTabWidths()
{
    const int tabs = ui->twMain->count();
    if (tabs == 0)
        return;
    int width = ui->twMain->width() / tabs - 2;
    if (width < 127)
        width = 127;
    const int fontSize = width > 160 ? 16 : 12;
    QTabBar *bar = ui->twMain->tabBar();
    bar->setStyleSheet(tabStyle(fontSize, width));
    // Long captions, as the Russian ones, would push the last tabs out of sight behind the
    // scroll buttons: the tabs then keep their own widths, which fit.
    if (bar->sizeHint().width() > ui->twMain->width())
        bar->setStyleSheet(tabStyle(fontSize, 0));
}

QString MainWindow::tabStyle(int fontSize, int minimumWidth)
{
    return QStringLiteral("QMainWindow > QWidget > QTabWidget > QTabBar::tab {"
                          "font: %1pt \"Segoe UI Light\";min-width: %2px;}")
        .arg(fontSize)
        .arg(minimumWidth);
}

// ---- window state ----

void MainWindow::showStatus(const QString &text)
{
    if (m_overmind && m_overmind->isViewingMode())
        setWindowTitle(tr("Configuration file ") + m_overmind->configDocument().fileName());
    else
        setWindowTitle(text);
}

void MainWindow::setDeviceActionsEnabled(bool enabled)
{
    ui->actionDisconnect->setEnabled(enabled);
    ui->actionRestart->setEnabled(enabled);
    ui->actionResetToDefault->setEnabled(enabled);
}

void MainWindow::setFileActionsEnabled(bool enabled)
{
    ui->actionLoadSettings->setEnabled(enabled);
    ui->actionSaveSettings->setEnabled(enabled);
}

void MainWindow::setTabsEnabled(int from, int to, bool enabled)
{
    for (int i = from; i <= to && i < ui->twMain->count(); ++i)
        ui->twMain->setTabEnabled(i, enabled);
}

void MainWindow::showDisconnectedState()
{
    ui->twMain->setEnabled(false);
    setTabsEnabled(0, ui->twMain->count() - 1, false);
    ui->twMain->setCurrentIndex(0);
    setFileActionsEnabled(false);
    setDeviceActionsEnabled(false);
    ui->actionReadDebugLog->setEnabled(false);
    ui->actionConnect->setEnabled(true);
    ui->actionViewconfig->setEnabled(true);
    showStatus(tr("The device not connected!"));
}

void MainWindow::connected()
{
    const bool viewing = m_overmind && m_overmind->isViewingMode();
    showStatus(tr("Device connected"));
    ui->twMain->setCurrentIndex(0);
    ui->twMain->setEnabled(true);
    ui->actionReadDebugLog->setEnabled(!viewing);
    if (viewing) {
        setFileActionsEnabled(false);
    } else {
        setFileActionsEnabled(!m_updateOnlyMode);
        ui->actionConnect->setEnabled(false);
        setDeviceActionsEnabled(true);
    }
    ui->settingsList->setCurrentRow(0);
    ui->swSettings->setCurrentWidget(ui->objectSettingsWidget);
    if (PartitionWidget *first = allDevicesPage())
        first->button()->setChecked(true);
}

void MainWindow::disconnected()
{
    setFileActionsEnabled(false);
    setDeviceActionsEnabled(false);
    ui->actionConnect->setEnabled(transportHasDevices());
    ui->twMain->setEnabled(false);
    ui->twMain->setCurrentIndex(0);
    m_progressBar.hide();
    showStatus(tr("Device not connected!"));
}

void MainWindow::onDeviceFound()
{
    ui->actionConnect->setEnabled(true);
    setDeviceActionsEnabled(false);
    showStatus(tr("The device is discovered!"));
    if (m_noDeviceBox.isVisible())
        m_noDeviceBox.done(QMessageBox::Cancel);
}

void MainWindow::onDisconnect()
{
    if (!confirmLeave())
        return;
    if (!ui->directionsWidget->confirmLeave(-1, 0))
        return;
    if (!confirmStopUpdate())
        return;
    if (!(m_overmind && m_overmind->isViewingMode()))
        ui->journalWidget->clearList();
    ui->twMain->setCurrentIndex(0);
    ui->onlineUpdateWidget->clear();
    logoutDevice();
    showDisconnectedState();
    if (m_overmind)
        m_overmind->releaseDevice(true);
    deactivateTransport();
    saveWindowSettings();
    if (m_overmind && m_overmind->hasDevices())
        onDeviceFound();
    if (m_overmind)
        m_overmind->onDisconnectfromMainwindow();
    disconnect(&m_logFilter, &LoggerFilter::errorReceived, this, &MainWindow::onErrorReceived);
}

bool MainWindow::confirmStopUpdate()
{
    if (!m_overmind || !m_overmind->isUpdating())
        return true;
    const auto answer = MessageBoxU::question(
        tr("The device is being updated. Stop updating and close the application?"),
        tr("Attention"), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    stopFirmwareUpdate();
    return true;
}

void MainWindow::loadingStarted()
{
    m_progressBar.show();
    setStatusStyle(statusBar(), QStringLiteral("color: black"));
    statusBar()->addWidget(&m_progressBar);
    statusBar()->showMessage(tr("Loading settings"));
    setTabsEnabled(0, ui->twMain->count() - 1, false);
}

void MainWindow::loadingProgress(int value)
{
    m_progressBar.setValue(value);
}

void MainWindow::loadingFinished()
{
    m_progressBar.hide();
    setStatusStyle(statusBar(), QStringLiteral("color: black"));
    if (m_overmind)
        m_overmind->resetMinimumTakeDelay();
    statusBar()->showMessage(tr("Settings loaded"), 5000);
    qDebug() << "Settings loaded";
    manageTabs();
    // Errors of the read itself are not news; later ones are shown in red.
    QTimer::singleShot(5000, this, [this] {
        connect(&m_logFilter, &LoggerFilter::errorReceived, this, &MainWindow::onErrorReceived,
                Qt::UniqueConnection);
    });
}

void MainWindow::manageTabs()
{
    const bool mayEdit = m_overmind && m_overmind->canEdit();
    if (mayEdit && !m_updateOnlyMode) {
        setTabsEnabled(0, ui->twMain->count() - 1, true);
    } else if (!m_updateOnlyMode) {
        setTabsEnabled(0, 1, true);
        ui->actionResetToDefault->setEnabled(false);
        ui->actionRestart->setEnabled(false);
        setTabsEnabled(2, ui->twMain->count() - 1, false);
    }
    if (m_overmind && m_overmind->isViewingMode()) {
        setFileActionsEnabled(false);
        return;
    }
    ui->gsmStatusWidget->setTestSmsEnabled(mayEdit);
    setFileActionsEnabled(mayEdit && !m_updateOnlyMode);
}

void MainWindow::onInitWidget()
{
    const int execution = m_overmind ? m_overmind->deviceInfo().execution() : 3;
    if (execution == 1) {
        if (ui->tabWidget->count() == 4)
            ui->tabWidget->removeTab(1);
    } else if (ui->tabWidget->count() == 3) {
        ui->tabWidget->insertTab(1, ui->tab_2, tr("Realtime view"));
    }
    QWidget *powerPages[] = {ui->page_isp0, ui->page_isp1, ui->page_isp2};
    if (execution >= 0 && execution <= 2) {
        ui->stWPowerStatus->setCurrentWidget(powerPages[execution]);
        ui->stWPowerStatus->show();
    } else {
        ui->stWPowerStatus->hide();
    }
    buildSettingsList();
    removeTabOfPage(ui->tabDebug);
    adjustTabWidths();
    ui->settingsList->item(ui->settingsList->count() - 1)->setHidden(true);
}

void MainWindow::removeTabOfPage(QWidget *page)
{
    const int index = ui->twMain->indexOf(page);
    if (index >= 0)
        ui->twMain->removeTab(index);
}

void MainWindow::setDebugHidden(bool hide)
{
    if (hide) {
        removeTabOfPage(ui->tabDebug);
    } else if (ui->twMain->indexOf(ui->tabDebug) < 0) {
        const int index =
            ui->twMain->insertTab(qMin(8, ui->twMain->count()), ui->tabDebug, tr("Debug"));
        ui->twMain->setTabEnabled(index, true);
    }
    adjustTabWidths();
    if (QListWidgetItem *last = ui->settingsList->item(ui->settingsList->count() - 1))
        last->setHidden(hide);
}

// The tabs are found by their pages: with the journal gone, "Update" is no longer tab 7.
void MainWindow::setJournalHidden(bool hide)
{
    if (hide)
        removeTabOfPage(ui->tabJournal);
    else if (ui->twMain->indexOf(ui->tabJournal) < 0)
        ui->twMain->insertTab(qMin(1, ui->twMain->count()), ui->tabJournal, tr("Journal"));
    adjustTabWidths();
}

void MainWindow::setUpdateHidden(bool hide)
{
    if (hide)
        removeTabOfPage(ui->tabUpdate);
    else if (ui->twMain->indexOf(ui->tabUpdate) < 0)
        ui->twMain->insertTab(qMin(7, ui->twMain->count()), ui->tabUpdate, tr("Update"));
    adjustTabWidths();
}

bool MainWindow::isJournalHidden() const
{
    return ui->twMain->indexOf(ui->tabJournal) < 0;
}

bool MainWindow::isUpdateHidden() const
{
    return ui->twMain->indexOf(ui->tabUpdate) < 0;
}

bool MainWindow::isDebugHidden() const
{
    return ui->twMain->indexOf(ui->tabDebug) < 0;
}

void MainWindow::enableAllTabs()
{
    ui->twMain->setEnabled(true);
    setTabsEnabled(0, ui->twMain->count() - 1, true);
}

void MainWindow::setUpdateOnlyMode(bool on)
{
    m_updateOnlyMode = on;
    if (!on)
        return;
    setFileActionsEnabled(false);
    ui->actionRestart->setEnabled(false);
    ui->actionResetToDefault->setEnabled(false);
    QTabBar *bar = ui->twMain->tabBar();
    bar->setTabEnabled(0, false);
    for (QWidget *page : {ui->tabJournal, ui->tabUpdate, ui->tabDebug}) {
        const int index = ui->twMain->indexOf(page);
        if (index >= 0)
            ui->twMain->setTabEnabled(index, true);
    }
    for (QWidget *page :
         {ui->tabPartitions, ui->tabChannels, ui->tabUsers, ui->tabIButtons, ui->tabSettings}) {
        const int index = ui->twMain->indexOf(page);
        if (index >= 0)
            bar->setTabEnabled(index, false);
    }
    ui->twMain->setCurrentWidget(ui->tabUpdate);
}

void MainWindow::setJournalBlocked(bool blocked)
{
    ui->journalWidget->blockReading(blocked);
}

void MainWindow::setUpdateBlocked(bool blocked)
{
    ui->onlineUpdateWidget->setBlocked(blocked);
}

void MainWindow::updateSurGardVisibility()
{
    ui->directionsWidget->setSurGardHidden(m_overmind && m_overmind->isFirmwareOlderThan14());
}

void MainWindow::onLockSettingsChanged()
{
    const bool unlocked = !m_overmind || m_overmind->isSettingsUnlocked();
    ui->swSettings->setEnabled(unlocked);
    ui->lblSettingsStatus->setText(
        unlocked ? QString()
                 : tr("Changing settings is only available when all sections are untaken"));
}

void MainWindow::onMessageReceived(const QString &text)
{
    setStatusStyle(statusBar(), QStringLiteral("color: black"));
    statusBar()->showMessage(text, 10000);
}

void MainWindow::onErrorReceived(const QString &text)
{
    setStatusStyle(statusBar(), QStringLiteral("color: red"));
    statusBar()->showMessage(text, 10000);
}

bool MainWindow::confirmLeave()
{
    if (m_overmind && m_overmind->isViewingMode())
        return true;
    if (m_updateOnlyMode || ui->twMain->currentIndex() == 0)
        return true;
    // A user who may not edit has nothing to save.
    if (m_overmind && m_overmind->isLoggedIn() && !m_overmind->canEdit())
        return true;
    QListWidgetItem *item = ui->settingsList->item(m_currentSettingsRow);
    if (!item)
        return true;
    auto *page = qobject_cast<BaseSettingsWidget *>(item->data(Qt::UserRole).value<QWidget *>());
    if (!page)
        return true;
    const bool unlocked = !m_overmind || m_overmind->isSettingsUnlocked();
    if (unlocked && page->isLocked()) {
        MessageBoxU::exec(this, QMessageBox::Warning,
                          tr("Invalid settings, please enter the correct APN"),
                          tr("Settings was changed"), QMessageBox::Ok);
        return false;
    }
    if (!page->hasChanges())
        return true;
    const auto answer =
        MessageBoxU::question(tr("Do you want to save changes?"), tr("Settings was changed"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        page->saveSettings();
        return true;
    }
    if (answer == QMessageBox::No) {
        page->updateWidget();
        return true;
    }
    return false;
}

// ---- tab clicks, keys, moves ----

void MainWindow::onTabBarClicked()
{
    if (!m_updateOnlyMode)
        sendKeepAlive();
}

// The leave question is asked before the tab bar acts on a press, so a refusal keeps the tab
// and its page instead of switching away and back.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->twMain->tabBar() || event->type() != QEvent::MouseButtonPress)
        return QMainWindow::eventFilter(watched, event);
    const auto *press = static_cast<QMouseEvent *>(event);
    const int index = ui->twMain->tabBar()->tabAt(press->pos());
    if (press->button() != Qt::LeftButton || index < 0 || index == ui->twMain->currentIndex() ||
        !ui->twMain->isTabEnabled(index))
        return false;
    if (mayLeaveShownTab())
        return false;
    if (!m_updateOnlyMode)
        sendKeepAlive();
    return true;
}

bool MainWindow::mayLeaveShownTab()
{
    QWidget *shown = ui->twMain->currentWidget();
    if (shown == ui->tabPartitions) {
        // The partition page keeps itself when it must; the tab changes anyway.
        if (m_currentPartitionPage)
            m_currentPartitionPage->confirmLeave();
        return true;
    }
    if (shown == ui->tabChannels)
        return ui->directionsWidget->confirmLeave(-1, 0);
    if (shown == ui->tabSettings)
        return confirmLeave();
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return;
    switch (event->key()) {
    case Qt::Key_Tab: {
        const int next = ui->twMain->currentIndex() + 1;
        ui->twMain->setCurrentIndex(next >= ui->twMain->count() ? 0 : next);
        break;
    }
    case Qt::Key_S:
        saveDevSettingsToFile();
        break;
    case Qt::Key_L:
        loadDevSettingsFromFile();
        break;
    default:
        break;
    }
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    emit sizeChange();
    placeMessageBox();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    adjustTabWidths();
    emit sizeChange();
    placeMessageBox();
}

void MainWindow::placeMessageBox()
{
    m_noDeviceBox.move(x() + width() / 2 - m_noDeviceBox.width() / 2,
                       y() + height() / 2 - m_noDeviceBox.height() / 2);
}

// ---- start-up offer ----

void MainWindow::offerToOpenFile()
{
    onSearchDevices();
    QCoreApplication::processEvents();
    // Lets the layout and the tab widths settle at the final size.
    if (!isMaximized() && !isFullScreen()) {
        resize(width() - 1, height());
        resize(width() + 1, height());
    }
}

void MainWindow::onSearchDevices()
{
    if ((m_overmind && m_overmind->isViewingMode()) || transportHasDevices())
        return;
    const QString text = tr("No devices were detected. The Configurator is available in "
                            "configuration view mode. Do you want to open file?");
    int answer = QMessageBox::Cancel;
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("question");
        request.text = text;
        request.standardButtons = int(QMessageBox::Yes | QMessageBox::Cancel);
        answer = ModalAnswerer::answer(request);
    } else {
        m_noDeviceBox.setIcon(QMessageBox::Question);
        m_noDeviceBox.setText(text);
        m_noDeviceBox.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
        placeMessageBox();
        if (m_overmind)
            m_overmind->registerDialog(&m_noDeviceBox);
        answer = m_noDeviceBox.exec();
    }
    if (answer != QMessageBox::Yes)
        return;
    const QStringList paths = askSettingsFiles();
    if (m_overmind)
        m_overmind->viewConfigFile(paths);
}

// ---- file actions ----

QString MainWindow::askSettingsFile()
{
    QSettings settings = appSettings();
    const QString path = FileChooser::openFileName(
        this, tr("Please select settings file"),
        settings.value(QStringLiteral("savefiledir")).toString(), QLatin1String(SettingsFilter));
    if (!path.isEmpty())
        settings.setValue(QStringLiteral("savefiledir"), path);
    return path;
}

QStringList MainWindow::askSettingsFiles()
{
    QSettings settings = appSettings();
    const QStringList paths = FileChooser::openFileNames(
        this, tr("Please select settings file"),
        settings.value(QStringLiteral("savefiledir")).toString(), QLatin1String(SettingsFilter));
    if (!paths.isEmpty())
        settings.setValue(QStringLiteral("savefiledir"), paths);
    return paths;
}

void MainWindow::loadDevSettingsFromFile()
{
    if (!m_overmind || m_overmind->isViewingMode() || !m_overmind->canEdit())
        return;
    if (m_overmind->currentUserId() != 0) {
        // Without a user 0 in the model the message still names the default administrator.
        UserModel *users = m_overmind->userModel();
        UserSettings *administrator = users ? users->userById(0) : nullptr;
        const QString name =
            administrator ? administrator->jsonKey() : UserSettings::tr("User #%1").arg(1);
        MessageBoxU::information(
            tr("To write settings, you must log in as default administrator (%1).").arg(name),
            tr("Settings load"));
        return;
    }
    if (!m_overmind->lockCheck())
        return;
    const QString path = askSettingsFile();
    if (!path.isEmpty())
        m_overmind->onLoadSettings(path);
}

void MainWindow::saveDevSettingsToFile()
{
    if (!m_overmind || m_overmind->isViewingMode() || !m_overmind->canEdit())
        return;
    if (UserModel *users = m_overmind->userModel()) {
        for (UserSettings *user : users->users()) {
            if (user->isAdmin() && user->phoneText().isEmpty()) {
                MessageBoxU::critical(tr("The configuration cannot be saved because the "
                                         "Administrator(s) does not have a phone number."),
                                      tr("Configuration loading"));
                return;
            }
        }
    }
    QSettings settings = appSettings();
    QString path = FileChooser::saveFileName(
        this, tr("Set the path to save the configuration to a file"),
        settings.value(QStringLiteral("savefiledir")).toString(), QLatin1String(SettingsFilter));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive))
        path += QLatin1String(".cfg");
    if (!m_overmind->onSaveSettings(path))
        return;
    settings.setValue(QStringLiteral("savefiledir"), path);
    MessageBoxU::information(tr("Settings has been saved"), tr("Settings save"));
}

void MainWindow::viewingConfigFile()
{
    const QStringList paths = askSettingsFiles();
    if (m_overmind)
        m_overmind->viewConfigFile(paths);
}

// ---- log page and console ----

void MainWindow::onLoggerMessage(const QString &module, logLevel_t level, const QString &line)
{
    Q_UNUSED(module)
    Q_UNUSED(level)
    ui->ptLog->appendPlainText(line);
}

void MainWindow::onLogFilterNewModule(const QString &module)
{
    if (m_logModules.contains(module))
        return;
    appendModuleRow(module, Qt::Checked);
}

void MainWindow::appendModuleRow(const QString &module, int checkState)
{
    m_logModules.append(module);
    ui->cbLoggerModules->addItem(module);
    auto *model = qobject_cast<QStandardItemModel *>(ui->cbLoggerModules->model());
    if (QStandardItem *item = model ? model->item(model->rowCount() - 1) : nullptr) {
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setData(checkState, Qt::CheckStateRole);
    }
}

void MainWindow::onLogFilterChange()
{
    QStringList modules;
    for (int i = 0; i < ui->cbLoggerModules->count(); ++i) {
        if (ui->cbLoggerModules->itemData(i, Qt::CheckStateRole).toInt() == Qt::Checked) {
            modules.append(ui->cbLoggerModules->itemText(i));
            ui->cbLoggerModules->setCurrentIndex(i);
        }
    }
    QList<logLevel_t> levels;
    for (int i = 0; i < ui->cbLogLevel->count(); ++i)
        if (ui->cbLogLevel->itemData(i, Qt::CheckStateRole).toInt() == Qt::Checked)
            levels.append(logLevel_t(i));
    m_logFilter.setFilter(modules, levels);
    ui->ptLog->clear();
    m_logFilter.refilter();
}

void MainWindow::onSetLogString(const QString &text)
{
    QTextCursor cursor(ui->ptLog->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    ui->ptLog->moveCursor(QTextCursor::End);
}

void MainWindow::onShellCommand()
{
    const QString command = ui->cbCommand->currentText();
    ui->ptShell->appendPlainText(QStringLiteral(" > ") + command);
    emit shellCommand(command);
    m_commandHistory.removeAll(command);
    m_commandHistory.prepend(command);
    ui->cbCommand->clear();
    ui->cbCommand->clearEditText();
    ui->cbCommand->insertItems(0, m_commandHistory);
    ui->cbCommand->setCurrentIndex(-1);
    ui->cbCommand->clearEditText();
}

void MainWindow::onShellMessage(const QString &text)
{
    ui->ptShell->appendPlainText(text);
}

void MainWindow::setLogRowsCheckable(QAbstractItemModel *model)
{
    auto *items = qobject_cast<QStandardItemModel *>(model);
    if (!items)
        return;
    for (int i = 0; i < items->rowCount(); ++i) {
        items->item(i)->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        items->item(i)->setData(Qt::Unchecked, Qt::CheckStateRole);
    }
}

// A saved place comes back only where it still fits, as on a laptop after a larger monitor;
// otherwise the window takes the whole screen it opens on. Without one, the form's size stays.
void MainWindow::placeOnScreen(const QByteArray &savedGeometry)
{
    if (savedGeometry.isEmpty())
        return;
    if (SavedGeometry(savedGeometry).fitsAScreen())
        restoreGeometry(savedGeometry);
    else
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::restoreWindowSettings()
{
    QSettings settings = appSettings();
    const int level = settings.value(QStringLiteral("loglevel"), 0).toInt();
    ui->cbLogLevel->setCurrentIndex(-1);
    ui->cbLogLevel->setCurrentIndex(level);
    if (Logger *logger = Logger::instance())
        logger->setLevel(level);
    placeOnScreen(settings.value(QStringLiteral("geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("windowState")).toByteArray(), 0);

    m_commandHistory = readCommandHistory(
        QByteArray::fromBase64(settings.value(QStringLiteral("commandHistory")).toByteArray()));
    ui->cbCommand->insertItems(0, m_commandHistory);
    ui->cbCommand->setCurrentIndex(-1);

    setLogRowsCheckable(ui->cbLogLevel->model());
    // Entries beyond the five level rows are ignored.
    const int stored = settings.beginReadArray(QStringLiteral("loglevel"));
    for (int i = 0; i < stored && i < ui->cbLogLevel->count(); ++i) {
        settings.setArrayIndex(i);
        ui->cbLogLevel->setItemData(i, settings.value(QStringLiteral("checked")).toInt(),
                                    Qt::CheckStateRole);
    }
    settings.endArray();

    settings.beginGroup(QStringLiteral("logmodules"));
    const QStringList modules = settings.childKeys();
    for (const QString &module : modules) {
        if (!m_logModules.contains(module))
            appendModuleRow(module, settings.value(module).toInt());
    }
    settings.endGroup();

    onLogFilterChange();
    ui->settingsList->setCurrentRow(0);
    ui->swSettings->setCurrentWidget(ui->objectSettingsWidget);
}

void MainWindow::saveWindowSettings()
{
    QSettings settings = appSettings();
    settings.setValue(QStringLiteral("loglevel"), ui->cbLogLevel->currentIndex());
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("windowState"), saveState(0));
    QByteArray history;
    QDataStream stream(&history, QIODevice::WriteOnly);
    stream << m_commandHistory;
    settings.setValue(QStringLiteral("commandHistory"), QString::fromLatin1(history.toBase64()));
    settings.beginWriteArray(QStringLiteral("loglevel"), ui->cbLogLevel->count());
    for (int i = 0; i < ui->cbLogLevel->count(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("checked"),
                          ui->cbLogLevel->itemData(i, Qt::CheckStateRole).toInt());
    }
    settings.endArray();
    settings.beginGroup(QStringLiteral("logmodules"));
    settings.remove(QString());
    for (int i = 0; i < ui->cbLoggerModules->count(); ++i)
        settings.setValue(ui->cbLoggerModules->itemText(i),
                          ui->cbLoggerModules->itemData(i, Qt::CheckStateRole).toInt());
    settings.endGroup();
}

// ---- debug actions ----

void MainWindow::readDebugLog()
{
    const QString name = ui->assertLogView->saveDebugJournal();
    if (!name.isEmpty())
        MessageBoxU::information(tr("Debug log saved into %1").arg(name), tr("Info"));
}

void MainWindow::restartDevice()
{
    if (m_overmind && m_overmind->isUpdating()) {
        const auto answer = MessageBoxU::question(
            tr("The device is being updated. Stop updating and close the application?"),
            tr("Attention"), QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        stopFirmwareUpdate();
        // The device needs a moment to leave its update before it takes the reboot.
        QThread::msleep(1000);
    }
    rebootDevice();
    if (m_overmind)
        emit m_overmind->breakLoader();
    ui->twMain->setCurrentIndex(0);
}

void MainWindow::showAbout()
{
    auto *about = new AboutDialog(nullptr);
    about->setAttribute(Qt::WA_DeleteOnClose);
    if (m_overmind)
        m_overmind->registerDialog(about);
    connect(about, &AboutDialog::showDebugTab, this, [this] { setDebugHidden(false); });
    connect(about, &AboutDialog::hideDebugTab, this, [this] { setDebugHidden(true); });
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("dialog");
        request.title = about->windowTitle();
        ModalAnswerer::answer(request);
        delete about;
        return;
    }
    about->exec();
}

// ---- closing ----

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmLeave()) {
        event->ignore();
        return;
    }
    QWidget *shown = ui->twMain->currentWidget();
    if (shown == ui->tabChannels && !ui->directionsWidget->confirmLeave(-1, 0)) {
        event->ignore();
        return;
    }
    if (shown == ui->tabPartitions && m_currentPartitionPage &&
        !m_currentPartitionPage->confirmLeave()) {
        event->ignore();
        return;
    }
    if (!confirmStopUpdate()) {
        event->ignore();
        return;
    }
    if (transportIsActive())
        logoutDevice();
    if (m_overmind)
        m_overmind->releaseDevice(true);
    saveWindowSettings();
    emit closeDialogs();
    event->accept();
}

// Only a close the window accepted ends the program: unsaved pages or a running update
// keep it running.
void MainWindow::closeFromUdp()
{
    if (!close())
        return;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    QTimer::singleShot(1000, QCoreApplication::instance(), [] { std::exit(0); });
}

// ---- device link steps ----

void MainWindow::sendKeepAlive()
{
    if (m_overmind && m_overmind->protocol())
        m_overmind->protocol()->sendToDevice(_SendRequestExtendLogout);
}

void MainWindow::logoutDevice()
{
    if (m_overmind && m_overmind->protocol())
        m_overmind->protocol()->logout();
}

void MainWindow::rebootDevice()
{
    if (m_overmind && m_overmind->protocol())
        m_overmind->protocol()->reboot();
}

void MainWindow::stopFirmwareUpdate()
{
    if (m_overmind && m_overmind->protocol())
        m_overmind->protocol()->stopSensorUpdate();
}

void MainWindow::deactivateTransport()
{
    if (m_overmind && m_overmind->hidInterface())
        m_overmind->hidInterface()->deactivate();
}

bool MainWindow::transportHasDevices() const
{
    return m_overmind && m_overmind->hidInterface() &&
           !m_overmind->hidInterface()->deviceList().isEmpty();
}

bool MainWindow::transportIsActive() const
{
    return m_overmind && m_overmind->hidInterface() && m_overmind->hidInterface()->isActive();
}
