#include "app/KorvelConfigWidget.h"

#include "app/DeviceTexts.h"
#include "app/DeviceTypeNames.h"
#include "app/FileNumber.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"

#include <QDateTime>
#include <QDebug>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QStringList HeaderKeys = {QStringLiteral("Timestamp"), QStringLiteral("Version"),
                                QStringLiteral("Execution"), QStringLiteral("Modification"),
                                QStringLiteral("SerialNumber")};
// Sections the older format does not have in the current shape: their items go.
const QStringList KeysMissingInOldFormat = {QStringLiteral("iButtonConfig"),
                                            QStringLiteral("Sensors"), QStringLiteral("Output"),
                                            QStringLiteral("Loop")};
const QStringList PartitionSections = {QStringLiteral("Partition"), QStringLiteral("Sensors"),
                                       QStringLiteral("Output"), QStringLiteral("Loop")};

QString valueText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'f', 0);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

int decimalOrZero(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

QLabel *smallLabel(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setPointSize(10);
    label->setFont(font);
    return label;
}
} // namespace

KorvelConfigWidget::KorvelConfigWidget(QWidget *parent) : QDialog(parent)
{
    buildForm();
    fillCaptions();
    connect(m_pbApply, &QPushButton::clicked, this, &KorvelConfigWidget::onApply);
    connect(m_pbCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pbSelectAll, &QPushButton::clicked, this, [this] { setAllChecked(Qt::Checked); });
    connect(m_pbDeselectAll, &QPushButton::clicked, this, [this] { setAllChecked(Qt::Unchecked); });
    connect(m_tree, &QTreeWidget::itemClicked, this, &KorvelConfigWidget::onItemClicked);
    m_partitionNote.setSingleShot(true);
    m_partitionNote.setInterval(0);
    connect(&m_partitionNote, &QTimer::timeout, this, &KorvelConfigWidget::showPartitionNote);
    if (QTreeWidgetItem *settings = findSectionItem(QStringLiteral("Settings")))
        settings->setCheckState(0, Qt::Checked);
}

void KorvelConfigWidget::buildForm()
{
    setObjectName(QStringLiteral("KorvelConfigWidget"));
    setWindowTitle(tr("Configuration"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    resize(440, 660);

    auto *grid = new QGridLayout(this);
    auto *info = new QGridLayout;
    info->setColumnStretch(1, 1);
    const auto addInfoRow = [this, info](int row, const QString &caption, QLabel *value,
                                         bool smallCaption) {
        QLabel *label = smallCaption ? smallLabel(QString(), this) : new QLabel(this);
        label->setText(caption);
        info->addWidget(label, row, 0);
        info->addWidget(value, row, 1);
    };
    m_lblName = smallLabel(QStringLiteral("lblName"), this);
    m_lblDate = smallLabel(QStringLiteral("lblDate"), this);
    m_lblVersion = smallLabel(QStringLiteral("lblVersion"), this);
    m_lblExecution = smallLabel(QStringLiteral("lblExecutior"), this);
    m_lblModification = smallLabel(QStringLiteral("lblModification"), this);
    m_lblSerialNumber = smallLabel(QStringLiteral("lblSerialNumber"), this);
    addInfoRow(0, tr("Name:"), m_lblName, true);
    addInfoRow(1, tr("Date:"), m_lblDate, false);
    addInfoRow(2, tr("Version:"), m_lblVersion, true);
    addInfoRow(3, tr("Execution:"), m_lblExecution, true);
    addInfoRow(4, tr("Modification:"), m_lblModification, true);
    addInfoRow(5, tr("Serial number:"), m_lblSerialNumber, true);
    grid->addLayout(info, 0, 0, 1, 2);

    m_pbSelectAll = new QPushButton(tr("Select all"), this);
    m_pbSelectAll->setObjectName(QStringLiteral("pbSelectAll"));
    m_pbDeselectAll = new QPushButton(tr("Deselect all"), this);
    m_pbDeselectAll->setObjectName(QStringLiteral("pbDeselectAll"));
    grid->addWidget(m_pbSelectAll, 1, 0);
    grid->addWidget(m_pbDeselectAll, 1, 1);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("twContent"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({tr("Enable"), tr("Settings")});
    m_tree->setSortingEnabled(false);
    grid->addWidget(m_tree, 3, 0, 1, 2);

    m_pbApply = new QPushButton(QIcon(QStringLiteral(":/images/confirm.png")), tr("Apply"), this);
    m_pbApply->setObjectName(QStringLiteral("pbApply"));
    m_pbCancel = new QPushButton(QIcon(QStringLiteral(":/images/delete.png")), tr("Cancel"), this);
    m_pbCancel->setObjectName(QStringLiteral("pbCancel"));
    grid->addWidget(m_pbApply, 5, 0);
    grid->addWidget(m_pbCancel, 5, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_pbSelectAll, m_pbDeselectAll);
    setTabOrder(m_pbDeselectAll, m_tree);
    setTabOrder(m_tree, m_pbApply);
    setTabOrder(m_pbApply, m_pbCancel);

    addTopLevel(QStringLiteral("Settings"), tr("Settings"));
    QTreeWidgetItem *settings = m_tree->topLevelItem(0);
    const QList<QPair<QString, QString>> children = {
        {QStringLiteral("Object"), tr("Object")},
        {QStringLiteral("DateTime"), tr("DateTime")},
        {QStringLiteral("iButtonConfig"), tr("iButtonConfig")},
        {QStringLiteral("Device"), tr("Device")},
        {QStringLiteral("Leds"), tr("Leds")},
        {QStringLiteral("Beeper"), tr("Beeper")},
        {QStringLiteral("Ethernet"), tr("Ethernet")},
        {QStringLiteral("Wireless"), tr("Wireless")},
        {QStringLiteral("GSM"), tr("GSM")},
        {QStringLiteral("OutputGroups"), tr("OutputGroups")}};
    for (const auto &child : children) {
        auto *item = new QTreeWidgetItem(settings);
        item->setText(1, child.second);
        item->setData(1, SectionKeyRole, child.first);
    }
    addTopLevel(QStringLiteral("Partition"), tr("Partition"));
    addTopLevel(QStringLiteral("Sensors"), tr("Sensors"));
    addTopLevel(QStringLiteral("Output"), tr("Output"));
    addTopLevel(QStringLiteral("Loop"), tr("loop"));
    addTopLevel(QStringLiteral("Directions"), tr("Directions"));
    addTopLevel(QStringLiteral("Users"), tr("Users"));
    addTopLevel(QStringLiteral("iButton"), tr("IButtons"));
    m_tree->expandAll();
}

void KorvelConfigWidget::addTopLevel(const QString &key, const QString &caption)
{
    auto *item = new QTreeWidgetItem(m_tree);
    item->setText(1, caption);
    item->setData(1, SectionKeyRole, key);
}

void KorvelConfigWidget::fillCaptions()
{
    captions = {{QStringLiteral("Settings"), tr("Settings")},
                {QStringLiteral("iButton"), tr("Buttons")},
                {QStringLiteral("iButtonConfig"), tr("iButtonConfig")},
                {QStringLiteral("Device"), tr("Device")},
                {QStringLiteral("Beeper"), tr("Beeperes")},
                {QStringLiteral("GSM"), tr("GSM")},
                {QStringLiteral("Leds"), tr("Leds")},
                {QStringLiteral("Partition"), tr("Partition")},
                {QStringLiteral("Sensors"), tr("Sensors")},
                {QStringLiteral("Output"), tr("Output")},
                {QStringLiteral("Loop"), tr("Loop")},
                {QStringLiteral("Users"), tr("Users")},
                {QStringLiteral("Wireless"), tr("Wireless")},
                {QStringLiteral("Directions"), tr("Directions")},
                {QStringLiteral("Object"), tr("Object")},
                {QStringLiteral("Ethernet"), tr("Ethernet")},
                {QStringLiteral("DateTime"), tr("DateTime")},
                {QStringLiteral("Timestamp"), tr("Timestamp")},
                {QStringLiteral("Version"), tr("Version")},
                {QStringLiteral("Execution"), tr("Execution")},
                {QStringLiteral("Modification"), tr("Modification")},
                {QStringLiteral("SerialNumber"), tr("SerialNumber")},
                {QStringLiteral("OutputGroups"), tr("OutputGroups")}};
}

bool KorvelConfigWidget::isOldFormat(const QJsonObject &document)
{
    return document.value(QStringLiteral("Version")).toString() == QLatin1String("1.02");
}

QString KorvelConfigWidget::sectionKey(const QTreeWidgetItem *item) const
{
    const QString key = item->data(1, SectionKeyRole).toString();
    if (m_oldFormat && KeysMissingInOldFormat.contains(key))
        return QString();
    return key;
}

QTreeWidgetItem *KorvelConfigWidget::findSectionItem(const QString &key) const
{
    if (key.isEmpty())
        return nullptr;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = m_tree->topLevelItem(i);
        if (sectionKey(top) == key)
            return top;
        for (int c = 0; c < top->childCount(); ++c) {
            if (sectionKey(top->child(c)) == key)
                return top->child(c);
        }
    }
    return nullptr;
}

void KorvelConfigWidget::setConfiguration(const ConfigFile &document, int mode)
{
    setWindowTitle(tr("%1 configuration").arg(mode == Saving ? tr("Saving") : tr("Loading")));
    m_mode = mode;
    m_document = document;
    m_lblName->setText(document.fileName());
    const QJsonObject object = document.object();
    m_oldFormat = isOldFormat(object);
    if (m_oldFormat) {
        m_timestampText = object.value(QStringLiteral("Datetime")).toString();
        m_lblDate->setText(m_timestampText);
        for (const QString &key : KeysMissingInOldFormat)
            captions.remove(key);
    } else {
        const qint64 seconds = qint64(object.value(QStringLiteral("Timestamp")).toDouble());
        m_timestampText = QString::number(seconds);
        m_lblDate->setText(QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().toString(
            QStringLiteral("hh:mm:ss ddd dd.MM.yyyy")));
    }

    const QString version = object.value(QStringLiteral("Version")).toString();
    if (version != QLatin1String("1.02") && version != QLatin1String("2.0")) {
        Overmind *overmind = Overmind::instance();
        MessageBoxU::exec(overmind ? overmind->mainWindow() : nullptr, QMessageBox::Warning,
                          tr("Unknown format: %1.").arg(version), tr("Configuration"),
                          QMessageBox::NoButton);
        return;
    }
    m_lblVersion->setText(version);
    m_lblExecution->setText(
        QString::number(object.value(QStringLiteral("Execution")).toVariant().toInt()));
    m_lblModification->setText(
        QString::number(object.value(QStringLiteral("Modification")).toVariant().toInt()));
    const QJsonValue serial = object.value(QStringLiteral("SerialNumber"));
    m_lblSerialNumber->setText(serial.isString() ? serial.toString()
                                                 : QString::number(serial.toVariant().toInt()));

    const QStringList keys = m_oldFormat ? oldFormatKeyList() : keyList();
    prune(keys);
    QStringList notFound;
    for (const QString &key : keys) {
        if (HeaderKeys.contains(key))
            continue;
        QTreeWidgetItem *item = findSectionItem(key);
        if (!item) {
            notFound.append(key);
            continue;
        }
        item->setCheckState(0, Qt::Checked);
        addItemsFor(key);
    }
    if (!notFound.isEmpty())
        qDebug().noquote() << tr("In configuration not found keyes:\n%1").arg(notFound.join('\n'));
    finalPass();
    m_tree->expandAll();
}

QStringList KorvelConfigWidget::keyList() const
{
    const QJsonObject object = m_document.object();
    QStringList keys = object.keys();
    const QJsonValue partition = object.value(QStringLiteral("Partition"));
    if (m_mode == Saving && partition.isObject()) {
        keys.removeAll(QStringLiteral("Partition"));
        keys.append(partition.toObject().keys());
    }
    return keys;
}

QStringList KorvelConfigWidget::oldFormatKeyList() const
{
    QStringList keys = m_document.object().keys();
    if (keys.removeAll(QStringLiteral("Partitions")) > 0)
        keys.append(QStringLiteral("Partition"));
    for (QString &key : keys) {
        if (key == QLatin1String("DirectionSettings"))
            key = QStringLiteral("Directions");
        else if (key == QLatin1String("UserSettings"))
            key = QStringLiteral("Users");
        else if (key.endsWith(QLatin1String("Settings")))
            key.chop(8);
    }
    return keys;
}

bool KorvelConfigWidget::comesFromThisDevice() const
{
    const QString serial = m_lblSerialNumber->text();
    if (serial == QLatin1String("0"))
        return true;
    Overmind *overmind = Overmind::instance();
    return overmind && serial == serialNumberText(quint32(overmind->defaultMacAddress()));
}

void KorvelConfigWidget::prune(const QStringList &keys)
{
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        if (item->childCount() > 0) {
            for (int c = item->childCount() - 1; c >= 0; --c) {
                if (!keys.contains(sectionKey(item->child(c))))
                    delete item->child(c);
            }
            if (item->childCount() == 0)
                delete item;
            continue;
        }
        const QString key = sectionKey(item);
        if (!keys.contains(key)) {
            delete item;
            continue;
        }
        if (key == QLatin1String("Partition") && !comesFromThisDevice())
            m_partitionNote.start();
    }
}

QJsonValue KorvelConfigWidget::sourceOf(const QString &key) const
{
    const QJsonObject object = m_document.object();
    if (m_oldFormat) {
        if (key == QLatin1String("Directions"))
            return object.value(QStringLiteral("DirectionSettings"))
                .toObject()
                .value(QStringLiteral("Directions"));
        if (key == QLatin1String("Users"))
            return object.value(QStringLiteral("UserSettings"))
                .toObject()
                .value(QStringLiteral("Users"));
        return object.value(key);
    }
    if (m_mode == Saving && PartitionSections.contains(key))
        return object.value(QStringLiteral("Partition")).toObject().value(key);
    return object.value(key);
}

void KorvelConfigWidget::addItemsFor(const QString &key)
{
    if (m_oldFormat) {
        if (key == QLatin1String("Partition"))
            addOldPartitionItems(
                m_document.object().value(QStringLiteral("Partitions")).toObject());
        else if (key == QLatin1String("Directions"))
            addArrayItems(sourceOf(key), key, QStringLiteral("title"));
        else if (key == QLatin1String("Users"))
            addArrayItems(sourceOf(key), key, QStringLiteral("Name"));
        else if (key == QLatin1String("iButton"))
            addArrayItems(sourceOf(key), key, QStringLiteral("id_hex"));
        return;
    }
    static const QHash<QString, QString> captionKeys = {
        {QStringLiteral("Partition"), QStringLiteral("name")},
        {QStringLiteral("Sensors"), QStringLiteral("name")},
        {QStringLiteral("Output"), QStringLiteral("name")},
        {QStringLiteral("Directions"), QStringLiteral("directionName")},
        {QStringLiteral("Users"), QStringLiteral("userName")},
        {QStringLiteral("iButton"), QStringLiteral("id_hex")}};
    if (captionKeys.contains(key))
        addArrayItems(sourceOf(key), key, captionKeys.value(key));
}

void KorvelConfigWidget::addArrayItems(const QJsonValue &elements, const QString &key,
                                       const QString &captionKey)
{
    QTreeWidgetItem *section = findSectionItem(key);
    if (!section || !elements.isArray())
        return;
    const QJsonArray array = elements.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject element = array.at(i).toObject();
        if (element.value(QStringLiteral("used")) == QJsonValue(0))
            continue;
        QString caption = valueText(element.value(captionKey));
        if (caption.isEmpty() && key == QLatin1String("Output")) {
            caption = QStringLiteral("%1. %2")
                          .arg(element.value(QStringLiteral("id")).toInt() + 158)
                          .arg(tr("Local out"));
        } else if (caption.isEmpty() && key == QLatin1String("Sensors")) {
            const int type = element.value(QStringLiteral("bType")).toInt();
            caption = type >= 0 && type < DeviceTypeCount ? deviceTypeNames[size_t(type)]
                                                          : tr("Invalid type");
        }
        bool admin = false;
        if (key == QLatin1String("Users")) {
            if (element.value(QStringLiteral("IsAdmin")).toBool()) {
                caption = tr("%1 (admin)*").arg(caption);
                admin = true;
            }
            if (FileNumber::word(element.value(QStringLiteral("settings"))) & 1) {
                caption = tr("%1 (admin)*").arg(caption);
                admin = true;
            }
        }
        auto *item = new QTreeWidgetItem(section);
        item->setCheckState(0, Qt::Checked);
        item->setText(1, caption);
        item->setData(1, SectionKeyRole, key);
        item->setData(1, ElementIndexRole, i);
        item->setData(1, AdminRole, admin);
    }
}

void KorvelConfigWidget::addOldPartitionItems(const QJsonObject &partitions)
{
    QTreeWidgetItem *section = findSectionItem(QStringLiteral("Partition"));
    const QJsonValue list = partitions.value(QStringLiteral("Partitions"));
    if (!section || !list.isArray())
        return;
    const QJsonArray array = list.toArray();
    int executive = 0;
    for (const QJsonValue &value : array) {
        const QJsonObject partition = value.toObject();
        if (partition.value(QStringLiteral("name")).toString() == tr("Executive devices")) {
            executive = partition.value(QStringLiteral("num")).toInt();
            break;
        }
    }
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject partition = array.at(i).toObject();
        auto *item = new QTreeWidgetItem(section);
        item->setCheckState(0, Qt::Checked);
        item->setText(1, valueText(partition.value(QStringLiteral("Name"))));
        item->setData(1, SectionKeyRole, QStringLiteral("Partition"));
        item->setData(1, ElementIndexRole, i);
        const QJsonValue devices = partition.contains(QStringLiteral("Sensors"))
                                       ? partition.value(QStringLiteral("Sensors"))
                                       : partitions.value(QStringLiteral("Sensors"));
        if (!devices.isArray())
            continue;
        const QJsonArray deviceArray = devices.toArray();
        const bool isExecutive = partition.value(QStringLiteral("num")).toInt() == executive;
        for (int d = 0; d < deviceArray.size(); ++d) {
            const QJsonObject device = deviceArray.at(d).toObject();
            const QJsonValue owner = device.value(QStringLiteral("Partition"));
            const bool belongs = (isExecutive && owner.toInt() == 0) ||
                                 (partition.contains(QStringLiteral("id")) &&
                                  device.contains(QStringLiteral("Partition")) &&
                                  owner.toInt() == partition.value(QStringLiteral("id")).toInt());
            if (!belongs)
                continue;
            QString caption = valueText(device.value(QStringLiteral("Name")));
            if (caption.isEmpty())
                caption = valueText(device.value(QStringLiteral("Label")));
            auto *deviceItem = new QTreeWidgetItem(item);
            deviceItem->setCheckState(0, Qt::Checked);
            deviceItem->setText(1, caption);
            deviceItem->setData(1, DeviceIdRole, device.value(QStringLiteral("Id")).toInt());
            deviceItem->setData(1, SectionKeyRole, QStringLiteral("Sensors"));
            deviceItem->setData(1, ElementIndexRole, d);
        }
    }
}

void KorvelConfigWidget::finalPass()
{
    const bool sameDevice = comesFromThisDevice();
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        const QString key = sectionKey(item);
        if (key == QLatin1String("Partition")) {
            if (!sameDevice)
                item->setText(1, tr("Partitions (Sensors need to be reconnected)"));
            for (int c = 0; c < item->childCount(); ++c) {
                QTreeWidgetItem *child = item->child(c);
                if (child->childCount() > 0)
                    child->setText(1, child->text(1) + tr(", %1 devices").arg(child->childCount()));
            }
        } else if (key == QLatin1String("iButton") && item->childCount() == 0) {
            delete item;
        }
    }
}

void KorvelConfigWidget::showPartitionNote()
{
    MessageBoxU::exec(this, QMessageBox::Warning,
                      tr("Note!!! After loading sensors that were connected to another device, "
                         "the sensor settings will be loaded, but in order for them to "
                         "communicate, they will need to be reconnected to the device again."),
                      windowTitle(), QMessageBox::Ok);
}

int KorvelConfigWidget::exec()
{
    if (!ModalAnswerer::isActive())
        return QDialog::exec();
    if (m_partitionNote.isActive()) {
        m_partitionNote.stop();
        showPartitionNote();
    }
    setResult(Rejected);
    ModalAnswerer::Request request;
    request.kind = QStringLiteral("chooser");
    request.title = windowTitle();
    request.text = m_lblName->text();
    request.buttons = QStringList{m_pbApply->text(), m_pbCancel->text()};
    if (ModalAnswerer::answer(request) == 0)
        onApply();
    return result();
}

bool KorvelConfigWidget::isMarked(const QTreeWidgetItem *item)
{
    return item->checkState(0) != Qt::Unchecked;
}

void KorvelConfigWidget::setAllChecked(Qt::CheckState state)
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        item->setCheckState(0, state);
        setChildrenChecked(item, state);
    }
}

void KorvelConfigWidget::onItemClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (!item)
        return;
    setChildrenChecked(item, item->checkState(0));
    updateParentsChecked(item);
}

void KorvelConfigWidget::setChildrenChecked(QTreeWidgetItem *item, Qt::CheckState state)
{
    for (int i = 0; i < item->childCount(); ++i) {
        item->child(i)->setCheckState(0, state);
        setChildrenChecked(item->child(i), state);
    }
}

void KorvelConfigWidget::updateParentsChecked(QTreeWidgetItem *item)
{
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent()) {
        int marked = 0;
        for (int i = 0; i < parent->childCount(); ++i)
            marked += isMarked(parent->child(i)) ? 1 : 0;
        if (marked == 0)
            parent->setCheckState(0, Qt::Unchecked);
        else if (marked == parent->childCount())
            parent->setCheckState(0, Qt::Checked);
        else
            parent->setCheckState(0, Qt::PartiallyChecked);
    }
}

int KorvelConfigWidget::markedAdministrators(const QTreeWidgetItem *users) const
{
    int count = 0;
    for (int i = 0; i < users->childCount(); ++i) {
        const QTreeWidgetItem *user = users->child(i);
        if (isMarked(user) && user->data(1, AdminRole).toBool())
            ++count;
    }
    return count;
}

void KorvelConfigWidget::onApply()
{
    int marked = 0;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        marked += isMarked(m_tree->topLevelItem(i)) ? 1 : 0;
    if (marked == 0) {
        MessageBoxU::warning(tr("You must select at least one parameter to apply the settings."),
                             tr("Warning"));
        return;
    }
    const QTreeWidgetItem *users = findSectionItem(QStringLiteral("Users"));
    if (users && isMarked(users) && markedAdministrators(users) == 0) {
        MessageBoxU::warning(
            tr("You must select at least one administrator to apply the settings."), tr("Warning"));
        return;
    }

    QJsonObject result;
    bool ok = false;
    const double timestamp = m_timestampText.toDouble(&ok);
    result.insert(QStringLiteral("Timestamp"), ok ? timestamp : 0.0);
    result.insert(QStringLiteral("Version"), m_lblVersion->text());
    result.insert(QStringLiteral("Execution"), decimalOrZero(m_lblExecution->text()));
    result.insert(QStringLiteral("Modification"), decimalOrZero(m_lblModification->text()));
    result.insert(QStringLiteral("SerialNumber"), decimalOrZero(m_lblSerialNumber->text()));

    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_tree->topLevelItem(i);
        if (!isMarked(item))
            continue;
        const QString key = sectionKey(item);
        if (key == QLatin1String("Settings")) {
            const QJsonObject sections = settingsSections(item);
            for (auto it = sections.begin(); it != sections.end(); ++it)
                result.insert(it.key(), it.value());
        } else if (key == QLatin1String("Partition") && m_oldFormat) {
            result.insert(key, convertOldPartitions(item));
        } else if (PartitionSections.contains(key) || key == QLatin1String("Directions") ||
                   key == QLatin1String("Users") || key == QLatin1String("iButton")) {
            result.insert(key, selectedElements(sourceOf(key), item));
        }
    }
    m_document.setObject(result);
    accept();
}

QJsonObject KorvelConfigWidget::settingsSections(const QTreeWidgetItem *item) const
{
    const QJsonObject object = m_document.object();
    QJsonObject sections;
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem *child = item->child(i);
        const QString key = sectionKey(child);
        if (!isMarked(child) || key.isEmpty())
            continue;
        if (m_oldFormat) {
            sections.insert(key, object.value(key + QStringLiteral("Settings")).toObject());
            continue;
        }
        const QJsonValue value = object.value(key);
        if (value.isObject() || value.isArray())
            sections.insert(key, value);
    }
    return sections;
}

QJsonArray KorvelConfigWidget::selectedElements(const QJsonValue &value,
                                                const QTreeWidgetItem *item) const
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.isEmpty())
        return QJsonArray();
    if (item->childCount() == 0) {
        const QString key = sectionKey(item);
        if (key == QLatin1String("Loop"))
            return QJsonArray{array.first()};
        if (key == QLatin1String("Output"))
            return array;
        return QJsonArray();
    }
    QJsonArray chosen;
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem *child = item->child(i);
        if (child->checkState(0) != Qt::Checked || child->childCount() > 0)
            continue;
        const int index = child->data(1, ElementIndexRole).toInt();
        if (index >= 0 && index < array.size())
            chosen.append(array.at(index));
    }
    return chosen;
}

QJsonObject KorvelConfigWidget::convertOldPartitions(const QTreeWidgetItem *item) const
{
    if (item->childCount() == 0)
        return QJsonObject();
    const QJsonObject partitions =
        m_document.object().value(QStringLiteral("Partitions")).toObject();
    const QJsonValue list = partitions.value(QStringLiteral("Partitions"));
    if (!list.isArray())
        return QJsonObject();
    const QJsonArray array = list.toArray();
    const bool withModel = Overmind::instance() && Overmind::instance()->partitionModel();
    QJsonArray written;
    QList<QJsonObject> heldBack;
    for (int c = 0; c < item->childCount(); ++c) {
        const QTreeWidgetItem *child = item->child(c);
        const int index = child->data(1, ElementIndexRole).toInt();
        if (!isMarked(child) || index < 0 || index >= array.size())
            continue;
        const QJsonObject original = array.at(index).toObject();
        QJsonObject partition = original;
        if (child->childCount() == 0) {
            written.append(partition);
            continue;
        }
        // The devices come from the list the tree was built from, so a partition whose
        // devices sit in the shared list is written with them.
        const QJsonValue devices = partition.contains(QStringLiteral("Sensors"))
                                       ? partition.value(QStringLiteral("Sensors"))
                                       : partitions.value(QStringLiteral("Sensors"));
        if (!devices.isArray())
            continue;
        const QJsonArray deviceArray = devices.toArray();
        QJsonArray chosen;
        for (int d = 0; d < child->childCount(); ++d) {
            const QTreeWidgetItem *deviceItem = child->child(d);
            const int at = deviceItem->data(1, ElementIndexRole).toInt();
            if (deviceItem->checkState(0) != Qt::Checked || at < 0 || at >= deviceArray.size())
                continue;
            const QJsonValue device = deviceArray.at(at);
            if (device.toObject().value(QStringLiteral("Type")).toInt() < 1 ||
                chosen.contains(device))
                continue;
            chosen.append(device);
        }
        partition.insert(QStringLiteral("Sensors"), chosen);
        const QString name = original.value(QStringLiteral("Name")).toString();
        const int executive =
            name == tr("Executive devices") ? original.value(QStringLiteral("Number")).toInt() : 0;
        const QJsonArray ownDevices = original.value(QStringLiteral("Sensors")).toArray();
        if (withModel && original.value(QStringLiteral("Number")).toInt() == executive &&
            !ownDevices.isEmpty()) {
            chosen.append(ownDevices.last().toObject());
            partition.insert(QStringLiteral("Sensors"), chosen);
            heldBack.append(partition);
        } else {
            written.append(partition);
        }
    }
    for (int i = heldBack.size() - 1; i >= 0; --i)
        written.append(heldBack.at(i));
    if (written.isEmpty())
        return QJsonObject();
    return QJsonObject{{QStringLiteral("Partition"), written}};
}

ConfigFile KorvelConfigWidget::configuration() const
{
    return m_document;
}
