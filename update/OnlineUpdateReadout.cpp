// The versions of the communicator's firmware parts and of the radio-device firmware it holds.
#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "journal/Journal.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "update/OnlineUpdateWidget.h"
#include "update/Ui_OnlineUpdateWidget.h"
#include "update/UpdateManager.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>

namespace {
struct PartStep
{
    quint16 id;
    const char *trace;
    const char *name;
};

const PartStep PartSteps[] = {
    {15, "Main firmware", QT_TRANSLATE_NOOP("OnlineUpdateWidget", "Core")},
    {17, "Radio firmware", QT_TRANSLATE_NOOP("OnlineUpdateWidget", "Radio")},
    {23, "Web firmware", QT_TRANSLATE_NOOP("OnlineUpdateWidget", "Web")},
    {14, "Base main firmware", QT_TRANSLATE_NOOP("OnlineUpdateWidget", "Core base")},
    {11, "Base radio firmware", QT_TRANSLATE_NOOP("OnlineUpdateWidget", "Radio base")},
    {16, "Bootloader firmware", QT_TRANSLATE_NOOP("OnlineUpdateWidget", "Bootloader")},
};

const PartStep *stepFor(quint16 id)
{
    for (const PartStep &step : PartSteps)
        if (step.id == id)
            return &step;
    return nullptr;
}

QString fieldText(const quint8 *bytes, int size)
{
    int length = 0;
    while (length < size && bytes[length])
        ++length;
    return QString::fromLatin1(reinterpret_cast<const char *>(bytes), length);
}

bool hasMagic(const s_fw_info &info, bool lowerToo)
{
    const QByteArray magic(reinterpret_cast<const char *>(info.description), 4);
    return magic == "DMIA" || (lowerToo && magic == "dmia");
}

QString dayText(const QDateTime &time)
{
    return QLocale::system().toString(time.date(), QStringLiteral("dd.MM.yyyy [dddd]"));
}
} // namespace

void OnlineUpdateWidget::requestVersion(quint16 id)
{
    Overmind *controller = Overmind::instance();
    if (controller && controller->protocol())
        controller->protocol()->readFirmwareVersion(id, 255);
}

void OnlineUpdateWidget::onFwVersionUpdated(quint16 id, const s_fw_info &info)
{
    logTrace(this, QStringLiteral("Firmware info received, id: %1").arg(id));
    if (id == 13) {
        if (m_updateManager)
            handleLoadedFirmware(info);
        return;
    }
    const PartStep *step = stepFor(id);
    if (!step)
        return;
    logTrace(this, QLatin1String(step->trace));
    const QString name = tr(step->name);
    updatePartRow(id, info, name);
    if (id == 17 || id == 23)
        markPartResult(info, name);
    Overmind *controller = Overmind::instance();
    const int deviceType = controller ? controller->deviceInfo().deviceType() : 0;
    const int execution = controller ? controller->deviceInfo().execution() : 0;
    switch (id) {
    case 15:
        requestVersion(17);
        break;
    case 17:
        if (deviceType != 47)
            requestVersion(23);
        break;
    case 23:
        requestVersion(14);
        break;
    case 14:
        requestVersion(11);
        break;
    case 11:
        if (execution == 3)
            requestVersion(16);
        break;
    default:
        break;
    }
}

void OnlineUpdateWidget::handleLoadedFirmware(const s_fw_info &info)
{
    m_loadedFirmwareInfo = info;
    Overmind *controller = Overmind::instance();
    const bool updating = controller && controller->isUpdating();
    if (!hasMagic(info, false) || info.deviceType >= DeviceTypeCount) {
        if (updating)
            send(tr("Firmware not loaded"));
        return;
    }
    m_updateManager->setLoadedFirmware(info);
    const QString version = QStringLiteral("%1.%2")
                                .arg(info.version >> 8)
                                .arg(info.version & 0xFF, 2, 10, QLatin1Char('0'));
    QString text = tr("%1 - %2").arg(deviceTypeNames[info.deviceType], version);
    const QDateTime built = QDateTime::fromSecsSinceEpoch(info.buildTime);
    if (built.isValid())
        text += QStringLiteral(" (%1)").arg(
            QLocale::system().toString(built, QStringLiteral("dd.MM.yyyy [dddd] hh:mm")));
    ui->lblLoadedFirm->setText(text);
    ui->lblLoadedFirm->setProperty("swVer", version);
    // The held firmware decides the next step; with nothing left to start the update ends.
    if (updating)
        onUpdateFinished();
}

int OnlineUpdateWidget::partRow(const QString &name) const
{
    for (int row = 0; row < m_partsModel->rowCount(); ++row)
        if (partName(row) == name)
            return row;
    return -1;
}

int OnlineUpdateWidget::addPartRow(const QString &name, const s_fw_info &info)
{
    QList<QStandardItem *> items;
    auto *check = new QStandardItem();
    if (!name.contains(tr("base"))) {
        check->setCheckState(Qt::Unchecked);
        check->setFlags(Qt::ItemIsSelectable);
    }
    auto *type = new QStandardItem(name);
    type->setData(QVariant::fromValue(info), Qt::UserRole);
    auto *version = new QStandardItem(tr("No information"));
    auto *build = new QStandardItem(QString::number(info.word64 & 0xFFFF));
    auto *loaded = new QStandardItem();
    items << check << type << version << build << loaded;
    for (QStandardItem *item : {type, version, build, loaded})
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    const int row = name == tr("Core") ? 0 : m_partsModel->rowCount();
    m_partsModel->insertRow(row, items);
    return row;
}

void OnlineUpdateWidget::updatePartRow(quint16 id, const s_fw_info &info, const QString &name)
{
    int row = partRow(name);
    if (row < 0)
        row = addPartRow(name, info);
    QStandardItem *version = m_partsModel->item(row, VersionColumn);
    if (!hasMagic(info, true)) {
        version->setText(tr("No information"));
        logWarning(this, QStringLiteral("Broken"));
        if (m_readoutRetries > 0) {
            --m_readoutRetries;
            QTimer::singleShot(1000, m_pendingSteps, [this, id] { requestVersion(id); });
        }
        return;
    }
    version->setData(int(info.version), Qt::UserRole + 1);
    if (info.version == 0) {
        version->setText(tr("No information"));
        logWarning(this, QStringLiteral("Broken"));
    } else {
        QString date;
        if (id == 14 || id == 15 || id == 16 || id == 17) {
            date = buildDateText(info);
        } else {
            const QDateTime built = QDateTime::fromSecsSinceEpoch(info.buildTime);
            date = tr("%1 %2").arg(dayText(built), built.time().toString(Qt::TextDate));
        }
        version->setText(QStringLiteral("%1 (%2)").arg(fwVersionText(info), date));
    }
    m_partsModel->item(row, BuildColumn)->setText(QString::number(info.word64 & 0xFFFF));
    logTrace(this, QStringLiteral("Firmware read"));
}

void OnlineUpdateWidget::markPartResult(const s_fw_info &info, const QString &name)
{
    const int row = partRow(name);
    if (row < 0 || m_partsModel->item(row, TypeColumn)->isEnabled())
        return;
    const bool same =
        m_partsModel->item(row, VersionColumn)->data(Qt::UserRole + 1).toInt() == info.version &&
        m_partsModel->item(row, BuildColumn)->text().toInt() == int(info.word64 & 0xFFFF);
    for (int column = 0; column < m_partsModel->columnCount(); ++column)
        if (QStandardItem *item = m_partsModel->item(row, column))
            item->setBackground(same ? SucceededColor : FailedColor);
}

QString OnlineUpdateWidget::fwVersionText(const s_fw_info &info)
{
    return QStringLiteral("%1.%2")
        .arg(info.version >> 8)
        .arg(info.version & 0xFF, 2, 10, QLatin1Char('0'));
}

QString OnlineUpdateWidget::buildDateText(const s_fw_info &info) const
{
    const QLocale english(QStringLiteral("en_EN"));
    QString dateText = fieldText(info.description + 28, 14);
    dateText.replace(QStringLiteral("  "), QStringLiteral(" 0"));
    const QDate date = english.toDate(dateText, QStringLiteral("MMM dd yyyy"));
    const QTime time =
        english.toTime(fieldText(info.description + 42, 16), QStringLiteral("hh:mm:ss"));
    return tr("%1 %2").arg(QLocale::system().toString(date, QStringLiteral("dd.MM.yyyy [dddd]")),
                           time.toString(Qt::TextDate));
}

void OnlineUpdateWidget::showDeviceInfo()
{
    Overmind *controller = Overmind::instance();
    if (!controller || controller->isViewingMode())
        return;
    const DeviceInfo &info = controller->deviceInfo();
    if (info.deviceType() == 47 || info.deviceType() == 48) {
        ui->lblType->setText(tr("Korvel LTE"));
        if (controller->hidInterface())
            controller->hidInterface()->setPayloadSize(59);
    } else {
        ui->lblType->setText(tr("Korvel GSM"));
    }
    const int hardware = info.hardwareVersion();
    ui->lblVersion->setText(tr("Version: <b>%1.%2</b>")
                                .arg((hardware >> 8) & 0xFF, 16)
                                .arg(hardware & 0xFF, 2, 16, QLatin1Char('0')));
    ui->lblExecution->setText(tr("Execution: <b>%1</b>").arg(info.execution()));
    ui->lblModification->setText(tr("Modification: <b>%1</b>").arg(info.modification()));
    if (Journal *journal = controller->journal()) {
        connect(journal, &Journal::loadingStarted, this, [this] {
            ui->tvUpdate->setEnabled(false);
            ui->tvMasters->setEnabled(false);
        });
        connect(journal, &Journal::loadingFinished, this, [this] {
            ui->tvUpdate->setEnabled(true);
            ui->tvMasters->setEnabled(true);
        });
    }
}
