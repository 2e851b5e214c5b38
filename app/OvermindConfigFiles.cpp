#include "app/Overmind.h"

#include "app/KorvelConfigWidget.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/MessageDialog.h"
#include "link/HIDInterface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

bool Overmind::loadConfigFile(const QString &path)
{
    m_configPath = path;
    ConfigFile document;
    if (!loadViewableFile(path, document))
        return false;
    m_configFile = document;
    return true;
}

// Loads a file for viewing into its own document, so a failure leaves the open file as it
// is; the command line and the menu both come through here for the same checks.
bool Overmind::loadViewableFile(const QString &path, ConfigFile &document)
{
    const bool exists = QFileInfo::exists(path);
    if (!reportConfigLoadError(document.load(path)) || !exists)
        return false;
    if (isOldConfigVersion(document)) {
        MessageBoxU::warning(
            tr("<p>The selected configuration file has an outdated format and cannot be "
               "opened. To view the configuration from this file, install the configurator "
               "version 1.03.4167.</p>"
               "<p>The configurator version 1.03.4167 can be downloaded from the "
               "<a href=\"https://ardanet.example/downloads\">manufacturer's website</a>.</p>"),
            tr("Configuration loading"));
        return false;
    }
    return true;
}

bool Overmind::reportConfigLoadError(int code)
{
    if (code == ConfigFile::CannotOpen) {
        MessageBoxU::warning(tr("Failed to open the file."), MessageBoxU::tr("Warning"));
        return false;
    }
    if (code == ConfigFile::NotJson) {
        MessageBoxU::warning(tr("The configuration file contains errors in Json format."),
                             MessageBoxU::tr("Warning"));
        return false;
    }
    return true;
}

bool Overmind::isOldConfigVersion(ConfigFile document)
{
    if (!document.contains(QStringLiteral("Version")))
        return true;
    return document.value(QStringLiteral("Version")).toString().toDouble() < 2;
}

void Overmind::setViewingMode(bool on)
{
    m_viewingMode = on;
    if (m_mainWindow) {
        m_mainWindow->setJournalHidden(on);
        m_mainWindow->setUpdateHidden(on);
    }
}

void Overmind::openLoadedConfig()
{
    const QJsonObject document = m_configFile.object();
    m_deviceInfo.initForExecution(document.value(QStringLiteral("Execution")).toInt(),
                                  document.value(QStringLiteral("Modification")).toInt(), 256, 256);
    emit setKorvelType();
    createSettingsObjects(true);
    emit endInitSettings();
    if (!writeConfigToDevice(m_configFile))
        return;
    writeConfigSecondPass(m_configFile);
    emit connected();
    emit loginSuccessful();
    m_loggedIn = true;
    emit ready();
    m_settingsLocked = false;
    emit lockSettingsChanged();
    if (m_mainWindow) {
        m_mainWindow->setDebugHidden(true);
        m_mainWindow->setUpdateHidden(true);
        m_mainWindow->setJournalHidden(true);
        m_mainWindow->enableAllTabs();
    }
}

void Overmind::initViewingMode(const QString &path)
{
    ConfigFile document;
    if (!loadViewableFile(path, document))
        return;
    applyViewedFile(document, path);
}

void Overmind::applyViewedFile(const ConfigFile &document, const QString &path)
{
    m_configFile = document;
    m_configPath = path;
    if (m_hid)
        m_hid->deactivate();
    m_keepAliveTimer.stop();
    emit breakLoader();
    if (m_mainWindow)
        m_mainWindow->onDisconnect();
    detachModelsFromPages();
    deleteModels();
    m_loggedIn = false;
    onInitOvermid();
    m_viewingMode = true;
    openLoadedConfig();
}

// Pages must not keep showing a model that is about to be deleted.
void Overmind::detachModelsFromPages()
{
    if (!m_mainWindow)
        return;
    m_mainWindow->setJournal(nullptr);
    m_mainWindow->setIButtonModel(nullptr);
    m_mainWindow->setUserModel(nullptr);
    m_mainWindow->setPartitionModel(nullptr);
}

void Overmind::viewConfigFile(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (paths.size() >= 2) {
        if (m_loggedIn && !m_viewingMode) {
            for (const QString &path : paths)
                ctreateNewProcess(path);
            return;
        }
        initViewingMode(paths.first());
        for (int i = 1; i < paths.size(); ++i)
            ctreateNewProcess(paths.at(i));
        return;
    }
    const QString path = paths.first();
    ConfigFile document;
    if (!loadViewableFile(path, document))
        return;
    if (!m_loggedIn) {
        m_configFile = document;
        m_configPath = path;
        setViewingMode(true);
        openLoadedConfig();
        return;
    }
    MessageDialog dialog;
    dialog.setTitle(tr("Viewing cofiguration file"));
    dialog.setText(tr("Do you want to continue in this window and disconnect from the device?"));
    dialog.addButton(tr("In the current window"));
    dialog.addButton(tr("In a new window"));
    dialog.addButton(tr("Cancel"));
    registerDialog(&dialog);
    const int answer = dialog.exec();
    if (answer == 0)
        applyViewedFile(document, path);
    else if (answer == 1)
        ctreateNewProcess(path);
}

void Overmind::ctreateNewProcess(const QString &path)
{
    const QString program = QCoreApplication::applicationFilePath();
    if (m_processStarter) {
        m_processStarter(program, {path});
        return;
    }
    QProcess::startDetached(program, {path}, QString());
}

bool Overmind::onSaveSettings(const QString &path)
{
    ConfigFile document;
    document.writeHeader();
    document.setPath(path);
    KorvelConfigWidget chooser;
    chooser.setConfiguration(document, KorvelConfigWidget::Saving);
    connect(this, &Overmind::disconnected, &chooser, &QWidget::close);
    if (chooser.exec() != QDialog::Accepted)
        return false;
    const ConfigFile chosen = chooser.configuration();
    if (!chosen.save(chosen.path())) {
        MessageBoxU::critical(tr("Can not write file."), MessageBoxU::tr("Critical"));
        return false;
    }
    return true;
}
