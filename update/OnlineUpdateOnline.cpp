// Asking the online firmware service and loading what it offers.
#include "app/DeviceTypeNames.h"
#include "app/MessageBoxU.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "radio/PartitionModel.h"
#include "update/NetworkManager.h"
#include "update/OnlineUpdateSetup.h"
#include "update/OnlineUpdateWidget.h"
#include "update/Ui_OnlineUpdateWidget.h"

#include <QDebug>
#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QTextEdit>

namespace {
QString versionText(const QVersionNumber &version)
{
    const int major = version.segmentCount() > 0 ? version.segmentAt(0) : 0;
    const int minor = version.segmentCount() > 1 ? version.segmentAt(1) : 0;
    return QStringLiteral("%1.%2").arg(major).arg(minor);
}

QString serverAddress()
{
    return QSettings().value(QStringLiteral("server")).toString();
}
} // namespace

void OnlineUpdateWidget::checkOnline()
{
    ui->pbOnlyCompatible->setChecked(false);
    ui->pbOnlyCompatible->setEnabled(false);
    for (QPushButton *button : {ui->pbUpdate, ui->pbCheck, ui->pbOnlineCheckSetup, ui->pbOpen})
        button->setEnabled(false);
    ui->teNotify->clear();
    send(m_networkManager->applyProxy() ? tr("Proxy ON") : tr("No proxy"));
    if (m_networkManager->post(serverAddress() + QStringLiteral("/api/firmwares"),
                               buildFirmwareRequest())) {
        resetFirmwareTables();
        setStatus(tr("Request completed"));
    } else {
        setStatus(tr("Reply not running"));
    }
}

QJsonDocument OnlineUpdateWidget::buildFirmwareRequest() const
{
    QJsonArray firmwares;
    PartitionModel *model = Overmind::instance() ? Overmind::instance()->partitionModel() : nullptr;
    const QList<Sensor::SPtr> sensors = model ? model->sensors() : QList<Sensor::SPtr>();
    for (const Sensor::SPtr &sensor : sensors) {
        const QString name = firmwareTypeName(uint(sensor->type()));
        if (name == QLatin1String("Invalid type"))
            continue;
        QJsonObject entry;
        entry.insert(QStringLiteral("type"), name);
        entry.insert(QStringLiteral("hardware"), versionText(sensor->hardwareVersion()));
        entry.insert(QStringLiteral("firmware"), versionText(sensor->firmwareVersion()));
        firmwares.append(entry);
    }
    QJsonObject request;
    request.insert(QStringLiteral("firmwares"), firmwares);
    return QJsonDocument(request);
}

void OnlineUpdateWidget::onReplyReceived(bool silent)
{
    if (!silent)
        setStatus(tr("Reply recieved"));
    for (QPushButton *button : {ui->pbCheck, ui->pbOnlineCheckSetup, ui->pbOpen})
        button->setEnabled(true);
}

void OnlineUpdateWidget::onFirmwareListReceived(const QJsonArray &array)
{
    ui->teNotify->clear();
    setStatus(tr("%1 firmwares found in online").arg(array.size()));
    m_expectedDownloads = 0;
    m_finishedDownloads = 0;
    m_downloadFailures.clear();
    m_downloadedFirmwares.clear();
    for (const QJsonValue &value : array) {
        if (!value.isObject())
            continue;
        const QJsonObject entry = value.toObject();
        const QString address =
            serverAddress() + QLatin1Char('/') + entry.value(QStringLiteral("url")).toString();
        qDebug() << "GET host=" << address;
        if (!m_networkManager->get(address)) {
            ui->lblStatus->setText(tr("Reply not running"));
            continue;
        }
        // Only started downloads are waited for: each counts when it ends, failed or not.
        ++m_expectedDownloads;
        ui->lblStatus->setText(tr("Firmware request completed"));
        QString type = entry.value(QStringLiteral("type")).toString();
        if (type == QLatin1String("Tarvo-T03"))
            type = deviceTypeNames[3];
        else if (type == QLatin1String("Tarvo-T05"))
            type = deviceTypeNames[5];
        else if (type == QLatin1String("Tarvo-T18"))
            type = deviceTypeNames[18];
        const QString time = entry.value(QStringLiteral("time")).toString();
        const QString date =
            time.section(QLatin1Char('T'), 0, 0).replace(QLatin1Char('-'), QLatin1Char('.'));
        const QString clock =
            time.contains(QLatin1Char('T')) ? time.section(QLatin1Char('T'), 1) : QString();
        addFirmwareLine(tr("%1: hw: %2, fw: %3 (%4 %5)")
                            .arg(type, entry.value(QStringLiteral("hardware")).toString(),
                                 entry.value(QStringLiteral("firmware")).toString(), date, clock));
    }
}

void OnlineUpdateWidget::onNetworkError(const QString &text)
{
    setStatus(tr("SSL error: %1").arg(text));
    for (QPushButton *button : {ui->pbCheck, ui->pbOnlineCheckSetup, ui->pbOpen})
        button->setEnabled(true);
}

void OnlineUpdateWidget::onParsingError(int code)
{
    QString text;
    switch (code) {
    case 0:
        text = tr("Reply parsing error: NOT_DOCUMENT");
        break;
    case 1:
        text = tr("Reply parsing error: NOT_ARRAY");
        break;
    case 2:
        text = tr("Reply parsing error: NO_FIRMWARES");
        break;
    default:
        text = tr("Reply error: ERROR_OCURRED");
        break;
    }
    setStatus(text);
    MessageBoxU::warning(text, tr("Parsing error"));
}

void OnlineUpdateWidget::onDmiaReceived(const QString &name, const QByteArray &data)
{
    const QString folder = downloadFolder();
    const QString file =
        folder + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("download.dmia") : name);
    QSettings settings;
    settings.setValue(QStringLiteral("downloadedPath"), folder);
    settings.sync();
    QSaveFile out(file);
    if (!QDir().mkpath(folder) || !out.open(QIODevice::WriteOnly) ||
        out.write(data) != data.size() || !out.commit()) {
        m_downloadFailures.append(tr("%1: %2").arg(name, tr("Failed to open file")));
    } else {
        setStatus(tr("File downloaded"));
        try {
            m_downloadedFirmwares += DMIA::readAll(file, false);
        } catch (const dmia_exception &error) {
            m_downloadFailures.append(tr("%1: %2").arg(name, error.message));
        }
    }
    countFinishedDownload();
}

void OnlineUpdateWidget::countFinishedDownload()
{
    ++m_finishedDownloads;
    if (m_finishedDownloads == m_expectedDownloads)
        QTimer::singleShot(0, this, &OnlineUpdateWidget::onDownloadsComplete);
}

void OnlineUpdateWidget::onDownloadsComplete()
{
    ui->pbOnlyCompatible->setChecked(false);
    ui->pbOnlyCompatible->setEnabled(false);
    for (QPushButton *button : {ui->pbUpdate, ui->pbCheck, ui->pbOnlineCheckSetup, ui->pbOpen})
        button->setEnabled(false);
    resetFirmwareTables();
    ui->lblStatus->setText(tr("File loading..."));
    publishFirmwares(m_downloadedFirmwares);
    ui->teNotify->clear();
    setStatus(tr("%1 firmwares downloaded from online service").arg(m_downloadedFirmwares.size()));
    for (const QString &failure : qAsConst(m_downloadFailures))
        send(failure);
    resetUpdateControls();
    if (!m_downloadFailures.isEmpty())
        MessageBoxU::critical(m_downloadFailures.join(QLatin1Char('\n')),
                              tr("Failed to read dmia file"));
}

void OnlineUpdateWidget::openOnlineSetup()
{
    OnlineUpdateSetup dialog;
    int result = QDialog::Rejected;
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("dialog");
        request.title = dialog.windowTitle();
        result = ModalAnswerer::answer(request) == QDialog::Accepted ? QDialog::Accepted
                                                                     : QDialog::Rejected;
    } else {
        result = dialog.exec();
    }
    if (result != QDialog::Accepted)
        return;
    setStatus(m_networkManager->applyProxy() ? tr("Proxy installed. Try again") : tr("No proxy"));
}
