#include "app/Overmind.h"

#include "app/ConfigWriteTimes.h"
#include "app/KorvelConfigWidget.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Storable.h"
#include "app/WaitForm.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/UserModel.h"
#include "radio/PartitionModel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QTimer>

namespace {
// The main window's disconnected look, once the window offers it.
template <typename W>
auto showDisconnectedState(W *window, int) -> decltype(window->showDisconnectedState(), void())
{
    window->showDisconnectedState();
}
template <typename W> void showDisconnectedState(W *window, long)
{
    window->onDisconnect();
}

// Waits without blocking the window: pending events run, and the wait ends when the
// condition holds, the device goes away or the limit passes. A wait the event loop could
// not run, or that the program's quit ended, is told apart from a limit that passed.
enum class WaitEnd
{
    Done,
    LimitPassed,
    DeviceLost,
    Cut
};

WaitEnd waitWithoutBlocking(QObject *owner, HIDInterface *hid, const std::function<bool()> &done,
                            int limitMs, const QString &what)
{
    if (done())
        return WaitEnd::Done;
    QEventLoop loop;
    QTimer poll;
    QTimer limit;
    WaitEnd end = WaitEnd::Cut;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        end = WaitEnd::LimitPassed;
        loop.quit();
    });
    QMetaObject::Connection gone;
    if (hid)
        gone = QObject::connect(hid, &HIDInterface::disconnected, &loop, [&] {
            end = WaitEnd::DeviceLost;
            loop.quit();
        });
    poll.start(10);
    limit.start(limitMs);
    loop.exec();
    QObject::disconnect(gone);
    if (done())
        return WaitEnd::Done;
    if (end == WaitEnd::LimitPassed)
        logWarning(owner, QStringLiteral("Gave up waiting for %1").arg(what));
    else if (end == WaitEnd::DeviceLost)
        logWarning(owner, QStringLiteral("Device disconnected while waiting for %1").arg(what));
    else
        logWarning(owner,
                   QStringLiteral("Could not wait for %1: the program is quitting").arg(what));
    return end;
}
} // namespace

void Overmind::onLoadSettings(const QString &path)
{
    ConfigFile document;
    if (!reportConfigLoadError(document.load(path)))
        return;
    if (document.formatVersion() == 0) {
        MessageBoxU::warning(tr("<p>The selected configuration file has an unknown format and "
                                "cannot be downloaded.</p>"),
                             tr("Configuration loading"));
        return;
    }
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document, KorvelConfigWidget::Loading);
        connect(this, &Overmind::disconnected, &chooser, &QWidget::close, Qt::UniqueConnection);
        if (chooser.exec() != QDialog::Accepted)
            return;
        m_writeInDocument = chooser.configuration();
    }
    // The device may have gone while the chooser was open.
    if (!m_hid || !m_hid->isActive()) {
        MessageBoxU::warning(tr("The device is disconnected. The configuration was not written."),
                             tr("Configuration loading"));
        return;
    }

    m_configWriteRunning = true;
    m_writeInFailed = false;
    m_writeInReloginSent = false;
    m_writeInProblems.clear();
    if (m_mainWindow)
        showDisconnectedState(m_mainWindow, 0);
    if (!m_waitForm)
        m_waitForm = new WaitForm();
    m_waitForm->show();
    if (m_hid)
        connect(m_hid, &HIDInterface::disconnected, this, &Overmind::onDisconnectDuringConfigWrite,
                Qt::UniqueConnection);
    QCoreApplication::processEvents();
    logTrace(this, QStringLiteral("Writing settings"));

    logDebug(this, QStringLiteral("Configuration write: stage 1"));
    if (!writeConfigToDevice(m_writeInDocument)) {
        finishConfigWrite();
        return;
    }
    if (m_writeInDocument.formatVersion() == 1)
        m_usersStageTimer.start(ConfigWriteTimes::usersStageMs);
    m_secondPassTimer.start(ConfigWriteTimes::secondPassMs);
}

void Overmind::runUsersStage()
{
    if (!m_configWriteRunning)
        return;
    logDebug(this, QStringLiteral("Configuration write: stage 2"));
    if (writeConfigUsers(m_writeInDocument))
        return;
    // The keys and directions still follow; the device is not restarted afterwards.
    m_writeInFailed = true;
    if (m_waitForm)
        m_waitForm->hide();
    emit reloadConfigFile();
}

void Overmind::runSecondPassStage()
{
    if (!m_configWriteRunning)
        return;
    // The keys and the restart follow the users, never overtake them.
    if (m_userModel && m_userModel->isWritingAll()) {
        connect(m_userModel, &UserModel::writeAllFinished, this, &Overmind::runSecondPassStage,
                Qt::UniqueConnection);
        return;
    }
    if (m_userModel)
        disconnect(m_userModel, &UserModel::writeAllFinished, this, &Overmind::runSecondPassStage);
    logDebug(this, QStringLiteral("Configuration write: stage 3"));
    writeConfigSecondPass(m_writeInDocument);
    finishConfigWrite();
}

bool Overmind::readSection(Storable *object, const ConfigFile &document, int format)
{
    return object->fromJson(document.value(object->jsonKey()), format);
}

// The users being written must still hold the logged-in user, or the write-in would lock
// the user out of the device.
bool Overmind::usersHoldCurrentUser(const QJsonValue &users, int format) const
{
    if (!users.isArray()) {
        logWarning(const_cast<Overmind *>(this),
                   QStringLiteral("The section \"Users\" is not a list: it was not written"));
        return false;
    }
    // Only the users the model takes count: a skipped element does not log anybody in.
    return m_userModel && m_userModel->acceptedIds(users, format).contains(m_currentUser);
}

void Overmind::reportMissingCurrentUser() const
{
    qDebug() << "The configuration cannot be loaded because current user does not found";
    qDebug() << "Configuration loading";
    logWarning(const_cast<Overmind *>(this),
               QStringLiteral("The configuration cannot be loaded because current user does not "
                              "found"));
}

bool Overmind::writeConfigToDevice(const ConfigFile &document)
{
    m_settingsLoaded = false;
    const int format = document.formatVersion();
    bool result = false;
    bool stopped = false;
    // Reading a section may store it, which in viewing mode rewrites the registry's
    // file; iterate over a copy so the registry can change underneath.
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend() && !stopped; ++it) {
        const QString &key = it.key();
        if (!document.contains(key))
            continue;
        if (format == 1 && key == QLatin1String("Users")) {
            result = true;
            continue;
        }
        if (format != 1 && (key == QLatin1String("iButton") || key == QLatin1String("Directions") ||
                            key == QLatin1String("Ethernet"))) {
            result = true;
            continue;
        }
        if (format != 1 && key == QLatin1String("Users") && !m_viewingMode) {
            if (!usersHoldCurrentUser(document.value(key), 2)) {
                reportMissingCurrentUser();
                result = false;
                stopped = true;
                continue;
            }
            // The file's users replace the device's, and their keys go with them.
            if (m_userModel)
                m_userModel->deleteAllUsers();
            if (m_iButtonModel)
                m_iButtonModel->clear();
            readSection(it.value(), document, 2);
            if (m_userModel)
                m_userModel->writeAllToDevice();
            result = true;
            continue;
        }
        if (!readSection(it.value(), document, format == 1 ? 1 : 2) &&
            key == QLatin1String("Users"))
            logWarning(this,
                       QStringLiteral("The section \"Users\" is not a list: it was not read"));
    }
    if (!stopped && format != 1)
        writeRadioSections(document);
    m_settingsLoaded = true;
    return result;
}

// Radio devices, the wired loop and the local outputs come from the four partition
// arrays of the document.
void Overmind::writeRadioSections(const ConfigFile &document)
{
    if (!m_partitionModel)
        return;
    if (document.contains(QStringLiteral("Sensors"))) {
        // The arming delay may not drop below the radio interval of an energy-saving device.
        if (m_partitionModel->jsonHasEnergySaveSensor(document.value(QStringLiteral("Sensors"))))
            setMinimumTakeDelay();
        else
            resetMinimumTakeDelay();
        QCoreApplication::processEvents();
        m_partitionModel->loadSensorsFromJson(document.value(QStringLiteral("Sensors")));
    }
    if (document.contains(QStringLiteral("Loop")))
        m_partitionModel->loadLoopFromJson(document.value(QStringLiteral("Loop")));
    if (document.contains(QStringLiteral("Output")))
        m_partitionModel->loadLocalOutsFromJson(document.value(QStringLiteral("Output")));
}

bool Overmind::writeConfigUsers(const ConfigFile &document)
{
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
        if (it.key() != QLatin1String("Users") || !document.contains(it.key()))
            continue;
        // Checked before anything is deleted: a file without the logged-in user leaves
        // the device's users and keys as they are.
        if (!m_viewingMode &&
            !usersHoldCurrentUser(document.value(it.key()), document.formatVersion())) {
            reportMissingCurrentUser();
            return false;
        }
        if (!document.value(it.key()).isArray()) {
            logWarning(this,
                       QStringLiteral("The section \"Users\" is not a list: it was not read"));
            continue;
        }
        if (m_userModel)
            m_userModel->deleteAllUsers();
        if (m_iButtonModel)
            m_iButtonModel->clear();
        readSection(it.value(), document, document.formatVersion());
        if (m_viewingMode)
            continue;
        if (m_userModel)
            m_userModel->writeAllToDevice();
        return true;
    }
    return true;
}

bool Overmind::writeConfigSecondPass(const ConfigFile &document)
{
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
        const QString &key = it.key();
        if (!document.contains(key))
            continue;
        if (key == QLatin1String("iButton")) {
            // A section of the wrong shape would empty the device's keys and write none.
            const int format = document.formatVersion();
            if (!IButtonModel::hasSectionShape(document.value(key), format)) {
                logWarning(this, QStringLiteral("The section \"iButton\" has the wrong shape: "
                                                "it was not written."));
                reportWriteInProblem(tr("The section \"iButton\" has the wrong shape: it was "
                                        "not written."));
                continue;
            }
            if (m_iButtonModel)
                m_iButtonModel->clear();
            readSection(it.value(), document, format);
        } else if (key == QLatin1String("Directions") || key == QLatin1String("Ethernet")) {
            readSection(it.value(), document, document.formatVersion());
        }
    }
    return true;
}

bool Overmind::waitUntil(const std::function<bool()> &done, int limitMs, const QString &what)
{
    return waitWithoutBlocking(this, m_hid, done, limitMs, what) == WaitEnd::Done;
}

void Overmind::waitFor(const std::function<void()> &action)
{
    bool transmitted = false;
    QMetaObject::Connection sent;
    if (m_hid)
        sent = connect(m_hid, &HIDInterface::partTransmitted, this,
                       [&transmitted] { transmitted = true; });
    action();
    waitUntil([&transmitted] { return transmitted; }, ConfigWriteTimes::transmitLimitMs,
              QStringLiteral("the command to be sent"));
    disconnect(sent);
}

void Overmind::finishConfigWrite()
{
    if (!m_configWriteRunning)
        return;
    m_usersStageTimer.stop();
    m_secondPassTimer.stop();
    if (m_writeInFailed) {
        endConfigWrite();
        showWriteInSummary();
        return;
    }
    const WaitEnd drained = waitWithoutBlocking(
        this, m_hid, [this] { return !m_hid || !m_hid->isWriterBusy(); },
        ConfigWriteTimes::drainLimitMs, QStringLiteral("the settings to be written"));
    if (!m_configWriteRunning)
        return; // ended by a disconnection meanwhile
    if (drained == WaitEnd::Cut) {
        // The program is quitting: the device was neither restarted nor found at fault.
        m_writeInProblems.clear();
        endConfigWrite();
        return;
    }
    if (drained != WaitEnd::Done) {
        m_writeInProblems.clear();
        endConfigWrite();
        MessageBoxU::critical(tr("The device did not take the configuration. It was not "
                                 "restarted; check the settings after the next login."),
                              MessageBoxU::tr("Critical"));
        return;
    }
    endConfigWrite();
    if (showWriteInSummary())
        return;
    logTrace(this, QStringLiteral("Writing settings done. Restarting"));
    qDebug() << "Writing settings done. Restarting";
    if (!m_protocol || !m_hid || !m_hid->isActive()) {
        logWarning(this, QStringLiteral("The device is gone: it was not restarted"));
        return;
    }
    // The session ends with the restart: nothing more goes to the device.
    waitFor([this] {
        m_keepAliveTimer.stop();
        m_protocol->reboot();
    });
}

// Every way out of a write-in comes here: nothing stays disconnected or flagged, so the
// next login rebuilds the settings objects.
void Overmind::endConfigWrite()
{
    m_usersStageTimer.stop();
    m_secondPassTimer.stop();
    m_configWriteRunning = false;
    m_writeInReloginSent = false;
    m_writeInDocument = ConfigFile();
    if (m_hid)
        disconnect(m_hid, &HIDInterface::disconnected, this,
                   &Overmind::onDisconnectDuringConfigWrite);
    if (m_waitForm)
        m_waitForm->hide();
}

// The text is the user's; callers log their own English line.
void Overmind::reportWriteInProblem(const QString &text)
{
    if (m_configWriteRunning)
        m_writeInProblems.append(text);
}

void Overmind::onDisconnectDuringConfigWrite()
{
    if (!m_configWriteRunning)
        return;
    logWarning(this, QStringLiteral("Device disconnected while writing the configuration"));
    endConfigWrite();
    m_settingsLoaded = false;
    MessageBoxU::critical(tr("The device was disconnected while the configuration was being "
                             "written. Connect it again, log in and check the settings."),
                          MessageBoxU::tr("Critical"));
}

void Overmind::onWriteRefused(const QString &subject, const QString &deviceText)
{
    if (m_configWriteRunning) {
        reportWriteInProblem(QStringLiteral("%1: %2").arg(subject, deviceText));
        return;
    }
    MessageBoxU::warning(tr("%1: the device refused it.\n%2").arg(subject, deviceText),
                         MessageBoxU::tr("Error"));
}

// The summary of a write-in that did not go through whole; false when nothing went wrong.
bool Overmind::showWriteInSummary()
{
    if (m_writeInProblems.isEmpty())
        return false;
    const QString list = m_writeInProblems.join(QLatin1Char('\n'));
    m_writeInProblems.clear();
    logWarning(this, QStringLiteral("Configuration write: the device refused some settings"));
    MessageBoxU::critical(tr("The device did not take the whole configuration. It was not "
                             "restarted; check the settings after the next login.\n\n%1")
                              .arg(list),
                          MessageBoxU::tr("Critical"));
    return true;
}
