// Which loaded container fits which part and device, and what the user ticks.
#include "app/DeviceTypeNames.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "update/OnlineUpdateWidget.h"
#include "update/Ui_OnlineUpdateWidget.h"

#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {
const QList<int> IgnoredKinds = {0, 1, 40, 41, 42, 43, 44, 45};
const QList<int> MainKinds = {36, 35, 8, 37, 38, 39, 46, 47, 48, 58, 61, 62, 59};

int segment(const QVersionNumber &version, int index)
{
    return version.segmentCount() > index ? version.segmentAt(index) : 0;
}

bool isDefaultBrush(const QBrush &brush)
{
    return brush.style() == Qt::NoBrush;
}

QVersionNumber versionOfWord(int word)
{
    return QVersionNumber((word >> 8) & 0xFF, word & 0xFF);
}
} // namespace

QString OnlineUpdateWidget::firmwareDescription(const pDMIA &container) const
{
    const QVersionNumber firmware = container->firmwareVersion();
    QString text = tr("fw %1.%2 (%3 %4)")
                       .arg(segment(firmware, 0))
                       .arg(segment(firmware, 1), 2, 10, QLatin1Char('0'))
                       .arg(QLocale::system().toString(container->buildDate(),
                                                       QStringLiteral("dd.MM.yyyy [dddd]")))
                       .arg(container->buildTime().toString(QStringLiteral("hh:mm:ss")));
    const QVersionNumber hardware = container->hardwareVersion();
    if (segment(hardware, 0) >= 1)
        text.prepend(tr("hw %1.%2, ")
                         .arg(segment(hardware, 0))
                         .arg(segment(hardware, 1), 2, 10, QLatin1Char('0')));
    return text;
}

void OnlineUpdateWidget::publishFirmwares(const QList<pDMIA> &containers)
{
    for (const pDMIA &container : containers) {
        const int kind = container->deviceType();
        if (IgnoredKinds.contains(kind))
            continue;
        if (MainKinds.contains(kind)) {
            if (acceptMainFirmware(container))
                publishMainFirmware(container);
        } else {
            publishDeviceFirmware(container);
        }
    }
    updateUpdateButtonState();
}

bool OnlineUpdateWidget::acceptMainFirmware(const pDMIA &container)
{
    Overmind *controller = Overmind::instance();
    const int type = controller ? controller->deviceInfo().deviceType() : 0;
    const int execution = controller ? controller->deviceInfo().execution() : 3;
    const bool updateOnly =
        controller && controller->mainWindow() && controller->mainWindow()->isUpdateOnlyMode();
    QList<int> accepted;
    if (type == 47 || type == 48)
        accepted = {39, 68, 36, 47, 48, 61, 59};
    else if (updateOnly && execution == 0)
        accepted = {8};
    else if (updateOnly && execution == 1)
        accepted = {35};
    else if (updateOnly && execution == 2)
        accepted = {36};
    else if (!updateOnly && execution == 0)
        accepted = {37, 8, 46, 58, 59};
    else if (!updateOnly && execution == 1)
        accepted = {38, 35, 62};
    else {
        MessageBoxU::critical(tr("Unknown execution."), tr("Warning"));
        return false;
    }
    return accepted.contains(container->deviceType());
}

void OnlineUpdateWidget::publishMainFirmware(const pDMIA &container)
{
    const int kind = container->deviceType();
    const QVersionNumber hardware = container->hardwareVersion();
    const QString description = firmwareDescription(container);
    int matches = 0;
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        if (isBasePart(row))
            continue;
        const s_fw_info info =
            m_partsModel->item(row, TypeColumn)->data(Qt::UserRole).value<s_fw_info>();
        const int part = info.deviceType;
        const int h = info.hardwareVersion;
        const bool sameHardware =
            segment(hardware, 0) == ((h >> 8) & 0xFF) && segment(hardware, 1) == (h & 0xFF);
        const bool match = part == 36 || (part == 47 && kind == 8) ||
                           ((part == kind || (part == 0 && kind == 59)) && sameHardware);
        if (!match)
            continue;
        ++matches;
        QStandardItem *check = m_partsModel->item(row, CheckColumn);
        check->setFlags(check->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        for (int column = TypeColumn; column < m_partsModel->columnCount(); ++column)
            m_partsModel->item(row, column)->setEnabled(true);
        QStandardItem *loaded = m_partsModel->item(row, LoadedColumn);
        loaded->setData(QVariant::fromValue(container), Qt::UserRole + 1);
        loaded->setText(description);
    }
    ui->tvMasters->viewport()->update();
    QString line;
    if (kind == 8 || kind == 35 || kind == 36)
        line = tr("Core: %1");
    else if (kind == 37 || kind == 38 || kind == 39)
        line = tr("Radio: %1");
    else if (kind == 46 || kind == 47 || kind == 48)
        line = tr("Bootloader: %1");
    else if (kind == 58 || kind == 61 || kind == 62)
        line = tr("Flash: %1");
    else if (kind == 59)
        line = tr("Web: %1");
    if (line.isEmpty())
        return;
    if (QStandardItem *item = addFirmwareLine(line.arg(description)))
        item->setEnabled(matches > 0);
}

void OnlineUpdateWidget::publishDeviceFirmware(const pDMIA &container)
{
    const QString description = firmwareDescription(container);
    int matches = 0;
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        const Sensor::SPtr sensor = sensorOfRow(row);
        if (sensor && sensor->isInTouch() && matchDeviceFirmware(row, container))
            ++matches;
    }
    ui->tvUpdate->viewport()->update();
    const int kind = container->deviceType();
    const QString name = kind < DeviceTypeCount ? deviceTypeNames[size_t(kind)] : QString();
    if (name.isEmpty())
        return;
    if (QStandardItem *item = addFirmwareLine(name + QStringLiteral(": ") + description))
        item->setEnabled(matches > 0);
}

// One rule for the list of fitting containers and for the firmware the communicator holds.
bool OnlineUpdateWidget::deviceTakesFirmware(int deviceType, const QVersionNumber &deviceHardware,
                                             int firmwareType,
                                             const QVersionNumber &firmwareHardware,
                                             const QVersionNumber &firmwareVersion)
{
    if (deviceType != firmwareType)
        return false;
    const bool majorsEqual = segment(deviceHardware, 0) == segment(firmwareHardware, 0);
    if (deviceType == 13) {
        const QVersionNumber v26(2, 6);
        const bool deviceIs26 = deviceHardware == v26;
        return deviceIs26 == (firmwareHardware == v26) && (deviceIs26 || majorsEqual);
    }
    if (deviceType == 30 && deviceHardware >= QVersionNumber(1, 2))
        return firmwareVersion >= QVersionNumber(1, 3);
    return majorsEqual;
}

bool OnlineUpdateWidget::matchDeviceFirmware(int row, const pDMIA &container)
{
    const Sensor::SPtr sensor = sensorOfRow(row);
    if (!sensor)
        return false;
    const bool fits =
        deviceTakesFirmware(sensor->type(), sensor->hardwareVersion(), container->deviceType(),
                            container->hardwareVersion(), container->firmwareVersion());
    if (!fits)
        return false;
    QStandardItem *check = m_deviceModel->item(row, DeviceColumn);
    if (m_deviceModel->item(row, StateColumn)->text() != tr("Locked"))
        check->setFlags(check->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    for (int column = HwColumn; column <= StateColumn; ++column)
        m_deviceModel->item(row, column)->setFlags(check->flags() | Qt::ItemIsEnabled);
    QStandardItem *loaded = m_deviceModel->item(row, LoadedColumn);
    loaded->setEnabled(true);
    QList<pDMIA> containers = loaded->data(Qt::UserRole + 1).value<QList<pDMIA>>();
    QStringList texts = loaded->data(Qt::UserRole).toStringList();
    containers.append(container);
    texts.append(firmwareDescription(container));
    loaded->setData(QVariant::fromValue(containers), Qt::UserRole + 1);
    loaded->setData(texts, Qt::UserRole);
    loaded->setText(texts.first());
    return true;
}

QStandardItem *OnlineUpdateWidget::addFirmwareLine(const QString &text)
{
    const QString key = text + QLatin1Char('\n');
    if (m_publishedTexts.contains(key))
        return nullptr;
    m_publishedTexts.append(key);
    auto *item = new QStandardItem(key);
    m_firmwareListModel->appendRow(item);
    return item;
}

// ---- selection ----

void OnlineUpdateWidget::itemChanged(QStandardItem *item, QStandardItemModel *model)
{
    if (!item || item->column() != CheckColumn)
        return;
    QTableView *view = model == m_partsModel ? ui->tvMasters : ui->tvUpdate;
    view->setCurrentIndex(item->index());
    updateUpdateButtonState();
}

void OnlineUpdateWidget::onItemChanged(QStandardItem *item)
{
    itemChanged(item, m_deviceModel);
}

void OnlineUpdateWidget::onMasterItemChanged(QStandardItem *item)
{
    itemChanged(item, m_partsModel);
}

void OnlineUpdateWidget::updateUpdateButtonState()
{
    bool anyEnabled = false;
    bool anyChecked = false;
    const auto scan = [&](QTableView *view, QStandardItemModel *model) {
        if (!view->isEnabled())
            return;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QStandardItem *check = model->item(row, CheckColumn);
            if (!check || !check->isEnabled())
                continue;
            anyEnabled = true;
            if (check->checkState() == Qt::Checked) {
                anyChecked = true;
                return;
            }
        }
    };
    scan(ui->tvMasters, m_partsModel);
    scan(ui->tvUpdate, m_deviceModel);
    ui->pbUpdate->setEnabled(anyChecked);
    for (QPushButton *button : {ui->pbSelectAll, ui->pbDeselectAll, ui->pbOnlyDeprecated})
        button->setEnabled(anyEnabled);
}

void OnlineUpdateWidget::onSelectAll()
{
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        QStandardItem *check = m_deviceModel->item(row, DeviceColumn);
        if (check->isEnabled())
            check->setCheckState(Qt::Checked);
    }
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        QStandardItem *check = m_partsModel->item(row, CheckColumn);
        if (check && check->isEnabled() && !isBasePart(row))
            check->setCheckState(Qt::Checked);
    }
}

void OnlineUpdateWidget::onDeselectAll()
{
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        QStandardItem *check = m_deviceModel->item(row, DeviceColumn);
        check->setCheckState(Qt::Unchecked);
        if (!isDefaultBrush(check->background()))
            check->setEnabled(true);
    }
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        QStandardItem *check = m_partsModel->item(row, CheckColumn);
        if (!check || isBasePart(row))
            continue;
        check->setCheckState(Qt::Unchecked);
        if (!isDefaultBrush(check->background()))
            check->setEnabled(true);
    }
}

void OnlineUpdateWidget::onOnlyDeprecated()
{
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        QStandardItem *check = m_deviceModel->item(row, DeviceColumn);
        const Sensor::SPtr sensor = sensorOfRow(row);
        if (!check->isEnabled() || !sensor || !sensor->isInTouch())
            continue;
        const auto containers =
            m_deviceModel->item(row, LoadedColumn)->data(Qt::UserRole + 1).value<QList<pDMIA>>();
        for (const pDMIA &container : containers) {
            if (container->firmwareVersion() > sensor->firmwareVersion()) {
                check->setCheckState(Qt::Checked);
                break;
            }
            check->setCheckState(Qt::Unchecked);
        }
    }
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        const pDMIA container =
            m_partsModel->item(row, LoadedColumn)->data(Qt::UserRole + 1).value<pDMIA>();
        QStandardItem *check = m_partsModel->item(row, CheckColumn);
        if (!container || !check)
            continue;
        const int word = m_partsModel->item(row, VersionColumn)->data(Qt::UserRole + 1).toInt();
        check->setCheckState(container->firmwareVersion() > versionOfWord(word) ? Qt::Checked
                                                                                : Qt::Unchecked);
    }
}

void OnlineUpdateWidget::onOnlyCompatible(bool checked)
{
    for (int row = 0; row < m_firmwareListModel->rowCount() && row < m_publishedTexts.size();
         ++row) {
        const bool hide = checked && !m_firmwareListModel->item(row)->isEnabled();
        ui->lvFirmwares->setRowHidden(row, hide);
    }
}
