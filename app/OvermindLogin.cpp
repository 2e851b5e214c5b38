#include "app/Overmind.h"

#include "app/Intervals.h"
#include "app/Loader.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/SelectKorvel.h"
#include "app/WaitForm.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/settings/DateTimeSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

void Overmind::onConnect()
{
    logDebug(this, QStringLiteral("Connected"));
    if (!m_viewingMode)
        showLoginWidget();
}

void Overmind::showLoginWidget()
{
    if (!m_hid || !m_hid->isAvailable())
        return;
    if (m_loginWidget && m_loginWidget->isVisible())
        return;
    showLoginAgain();
}

bool Overmind::connectDevice()
{
    if (m_chooserOpen)
        return false;
    if (!m_hid || !m_hid->hasDevices()) {
        MessageBoxU::warning(tr("There is no connected device"), tr("Connect device"));
        return false;
    }
    const QList<connect_info> devices = m_hid->deviceList();
    if (devices.size() >= 2) {
        if (m_loginWidget && m_loginWidget->isVisible())
            m_loginWidget->hide();
        emit multipleDevicesFound();
        QCoreApplication::processEvents();
        if (!chooseDevice(devices))
            return false;
    }
    if (!m_hid->isAvailable()) {
        MessageBoxU::critical(
            tr("The device is already connected. You can't connect to the device twice."),
            MessageBoxU::tr("Critical"));
        return false;
    }
    return true;
}

void Overmind::onFindAnyDevices()
{
    if (m_loggedIn || m_viewingMode)
        return;
    if (m_loginWidget && m_loginWidget->isVisible())
        m_loginWidget->hide();
    connectDevice();
}

bool Overmind::onAuthorize()
{
    if (!connectDevice())
        return false;
    if (!m_hid)
        return true;
    if (!m_hid->hasDevices())
        return false;
    showLoginWidget();
    m_hid->deactivate();
    m_reloginSuppressed = false;
    return true;
}

void Overmind::onSuccesfullLogin(quint8 user)
{
    m_currentUser = user;
    emit loginSuccessful();
    m_loggedIn = true;
    m_firmwareRetries = 0;
    if (m_mainWindow) {
        m_mainWindow->showNormal();
        m_mainWindow->raise();
    }
    if (m_protocol)
        m_protocol->readFirmwareVersion(16);
}

void Overmind::onFirmwareVersion(quint16 id, const s_fw_info &info)
{
    if (id == 16) {
        applyFirmwareInfo(info);
        const quint32 word72 = quint32(info.modification) | quint32(info.byte73) << 8 |
                               quint32(info.execution) << 16 | quint32(info.byte75) << 24;
        if (word72 == 0xFFFFFFFFu && info.version == 0xFFFF) {
            // An unprogrammed answer: ask again, a few times only.
            if (m_firmwareRetries++ < Intervals::firmwareRetryLimit) {
                if (m_protocol)
                    m_protocol->readFirmwareVersion(16);
            } else {
                logError(this, QStringLiteral("The device reports no firmware information"));
            }
        }
    } else if (id == 15) {
        m_deviceInfo.setVersion(info.version);
        if (m_mainWindow) {
            m_mainWindow->buildSettingsList();
            m_mainWindow->updateSurGardVisibility();
            m_mainWindow->setDebugHidden(true);
        }
    }
}

void Overmind::onParseFirmwareVersion(const s_fw_info &info)
{
    applyFirmwareInfo(info);
}

void Overmind::applyFirmwareInfo(const s_fw_info &info)
{
    m_deviceInfo.setFirmwareInfo(&info);
    m_deviceInfo.init(info.execution, info.modification, info.hardwareVersion, info.version);
    if (m_configWriteRunning)
        return;
    emit setKorvelType();
    createSettingsObjects(true);
    emit endInitSettings();
    if (m_loginWidget && !m_viewingMode) {
        connectLoader(Loader::create(Intervals::loaderDelayMs, m_protocol));
        m_keepAliveTimer.start(Intervals::keepAliveMs);
    }
}

void Overmind::connectLoader(Loader *loader)
{
    if (m_mainWindow) {
        connect(loader, &Loader::started, m_mainWindow, &MainWindow::loadingStarted);
        connect(loader, &Loader::finished, m_mainWindow, &MainWindow::loadingFinished);
        connect(loader, &Loader::progress, m_mainWindow, &MainWindow::loadingProgress);
    }
    connect(loader, &Loader::finished, this, &Overmind::ready);
    connect(loader, &Loader::finished, this, [this] { m_settingsLoaded = true; });
    connect(this, &Overmind::breakLoader, loader, &Loader::stop);
}

void Overmind::sendKeepAlive()
{
    if (m_protocol)
        m_protocol->sendToDevice(_SendRequestExtendLogout);
}

void Overmind::onDisconnect()
{
    m_firmwareUpdateRunning = false;
    m_loggedIn = false;
    // An unplugged device will never finish the read: no retry question afterwards.
    emit breakLoader();
    emit disconnected();
    m_keepAliveTimer.stop();
    m_currentUser = -1;
    m_settingsLoaded = false;
}

void Overmind::onDisconnectfromMainwindow()
{
    m_loggedIn = false;
    m_keepAliveTimer.stop();
    m_currentUser = -1;
    m_settingsLoaded = false;
    emit breakLoader();
    emit disconnected();
}

void Overmind::releaseDevice(bool suppress)
{
    if (m_hid)
        m_hid->deactivate();
    m_reloginSuppressed = suppress;
}

bool Overmind::userMatches(int user) const
{
    return user == m_currentUser || user == -1 || m_currentUser == -1;
}

void Overmind::onLoginRequired(int user)
{
    if (!m_hid || !m_hid->isActive() || m_reloginSuppressed || m_viewingMode || !userMatches(user))
        return;
    if (m_mainWindow)
        m_mainWindow->onDisconnect();
    QTimer::singleShot(Intervals::reloginDelayMs, this, [this, user] {
        m_hid->deactivate();
        m_reloginSuppressed = false;
        if (!m_viewingMode && userMatches(user) && m_hid->isAvailable() && connectDevice())
            showLoginAgain();
    });
}

void Overmind::showLoginAgain()
{
    // The one login dialog of the run, created on first need.
    if (!m_loginWidget) {
        m_loginWidget = new LoginWidget();
        connect(this, &Overmind::disconnected, m_loginWidget, &QWidget::hide);
        connect(m_loginWidget, &LoginWidget::loginSuccess, this, &Overmind::onSuccesfullLogin,
                Qt::UniqueConnection);
    }
    LoginWidget::centreOver(m_loginWidget, m_mainWindow);
    if (!m_loginWidget->isVisible()) {
        m_loginWidget->show();
        m_loginWidget->setEnabled(true);
    }
}

bool Overmind::skipRelogin(int user)
{
    return m_reloginSuppressed || m_viewingMode ||
           (m_currentUser != -1 && user != m_currentUser && user != -1);
}

void Overmind::relogin(int user)
{
    if (m_reloginSuppressed || m_viewingMode)
        return;
    if (userMatches(user) && m_hid && m_hid->isAvailable() && connectDevice())
        showLoginAgain();
}

void Overmind::onLoginResult(quint8 status, quint8 user, int accessLevel)
{
    Q_UNUSED(user)
    if (m_configWriteRunning && status == LOGIN_FAILED && m_writeInReloginSent) {
        logWarning(this, QStringLiteral("Login as the current user failed while writing the "
                                        "configuration"));
        endConfigWrite();
        MessageBoxU::critical(tr("Could not log in again while writing the configuration. "
                                 "Log in and check the settings."),
                              MessageBoxU::tr("Critical"));
        return;
    }
    if (!m_waitForm || !m_waitForm->isVisible())
        return;
    if (status == LOGIN_FAILED) {
        m_waitForm->hide();
        m_writeInReloginSent = m_configWriteRunning;
        // The write-in changed the users: log in again as the current one.
        const QString login = currentUserLogin();
        qDebug() << "Overmind::onLoginResult onLoginResult is LOGIN_FAILED relogin as" << login;
        if (m_protocol)
            m_protocol->login(login, LoginWidget::defaultPassword());
        return;
    }
    if (accessLevel != 2)
        MessageBoxU::warning(tr("No write permissions."), MessageBoxU::tr("Warning"));
}

void Overmind::onDeviceError(const QString &text)
{
    if (text.endsWith(QLatin1String("bc1")) && m_waitForm)
        m_waitForm->hide();
    MessageBoxU::critical(text, MessageBoxU::tr("Error"));
}

void Overmind::onDeviceStatus(const s_DeviceStatus &status)
{
    const bool updateOnly = status.modeFlags & 0x08;
    if (m_protocol)
        m_protocol->setBlockStatusReading(updateOnly);
    if (m_mainWindow)
        m_mainWindow->setUpdateOnlyMode(updateOnly);
}

void Overmind::checkSettingsVersions(const s_SettingsVersions &versions)
{
    const QStringList kinds = {tr("sensor"),   tr("partition"), tr("output"), tr("iButton"),
                               tr("beeper"),   tr("leds"),      tr("object"), tr("device"),
                               tr("wireless"), tr("gsm"),       tr("loop"),   tr("ethernet"),
                               tr("user"),     tr("direction")};
    QStringList incompatible;
    for (int kind = 0; kind < kinds.size(); ++kind) {
        if (versions.versions[kind][1] != 1)
            incompatible.append(kinds.at(kind));
    }
    if (incompatible.isEmpty()) {
        qDebug() << "Compatibility errors not found";
        return;
    }
    MessageBoxU::warning(tr("Compatibility errors found in:\n%1").arg(incompatible.join('\n')),
                         MessageBoxU::tr("Warning"));
}

void Overmind::checkDeviceTime(const u_DateSTM32F4xx &date, const u_TimeSTM32F4xx &time)
{
    if (!m_dateTimeSettings || m_dateTimeSettings->holdsWords(date.value, time.value))
        return;
    m_dateTimeSettings->updateDateTime(date.value, time.value);
    // Both clocks in UTC, whole date and time: no false alarm around midnight.
    const qint64 difference =
        m_dateTimeSettings->dateTime().secsTo(QDateTime::currentDateTimeUtc());
    if (qAbs(difference) <= 60)
        return;
    if (m_valveServiceTimeDialog && m_valveServiceTimeDialog->isVisible())
        m_valveServiceTimeDialog->close();
    MessageBoxU::warning(tr("It is necessary to set the correct time in the device. The "
                            "difference with the system time is more than a minute (%1 seconds)")
                             .arg(difference),
                         MessageBoxU::tr("Warning"));
}

bool Overmind::chooseDevice(const QList<connect_info> &devices)
{
    if (!m_deviceChooser)
        m_deviceChooser = new SelectKorvel();
    m_chooserOpen = true;
    m_deviceChooser->showDevices(devices);
    // Devices unplugged meanwhile leave the list; with fewer than two the choice is moot.
    const QMetaObject::Connection follow =
        connect(m_hid, &HIDInterface::listUpdated, this, [this](const QList<connect_info> &list) {
            if (!m_chooserOpen)
                return;
            m_deviceChooser->setDevices(list);
            if (list.size() < 2) {
                m_deviceChooser->close();
                if (m_loginWidget)
                    m_loginWidget->show();
                m_chooserOpen = false;
            }
        });
    const int result = m_deviceChooser->exec();
    disconnect(follow);
    m_chooserOpen = false;
    if (result != QDialog::Accepted)
        return false;
    return m_hid->selectDevice(m_deviceChooser->selectedSerial());
}

QString Overmind::currentUserLogin() const
{
    // The user model knows the logins once users are read from the device.
    return QString();
}
