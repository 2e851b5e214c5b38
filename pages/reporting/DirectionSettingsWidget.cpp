#include "pages/reporting/DirectionSettingsWidget.h"

#include "app/ContentAwareLineEdit.h"
#include "app/DeviceInfo.h"
#include "app/EventNames.h"
#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/reporting/ChannelSettingsWidget.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/EventSupportTables.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/SensorEventText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>

namespace {
constexpr int CodeRole = Qt::UserRole;
const char *const EnabledHeader =
    "QHeaderView::section { background-color:white;border: 0px solid #000000;}";
const char *const DisabledHeader =
    "QHeaderView::section { background-color:#f0f0f0;border: 0px solid #f0f0f0;}";

int screenWidthOverride = 0;

Overmind *overmind()
{
    return Overmind::instance();
}

QString eventText(int group, int code)
{
    switch (group) {
    case EventSupportTables::PartitionGroup:
        return partitionEventName(quint16(code));
    case EventSupportTables::ZoneGroup:
        return sensorEventText(quint16(code));
    case EventSupportTables::PowerGroup:
        return powerEventName(quint16(code));
    case EventSupportTables::SystemGroup:
        return systemEventName(quint8(code));
    default:
        return outputControlModeName(quint8(code));
    }
}

quint64 groupMask(const eventFilter_t &filter, int group)
{
    switch (group) {
    case EventSupportTables::PartitionGroup:
        return filter.partitionEvents;
    case EventSupportTables::ZoneGroup:
        return filter.zoneEvents;
    case EventSupportTables::PowerGroup:
        return filter.powerEvents;
    case EventSupportTables::SystemGroup:
        return filter.systemEvents;
    default:
        return filter.outEvents;
    }
}

void setGroupBit(eventFilter_t &filter, int group, int bit, bool on)
{
    const quint64 one = quint64(1) << bit;
    const quint64 mask = on ? (groupMask(filter, group) | one) : (groupMask(filter, group) & ~one);
    switch (group) {
    case EventSupportTables::PartitionGroup:
        filter.partitionEvents = mask;
        break;
    case EventSupportTables::ZoneGroup:
        filter.zoneEvents = mask;
        break;
    case EventSupportTables::PowerGroup:
        filter.powerEvents = quint32(mask);
        break;
    case EventSupportTables::SystemGroup:
        filter.systemEvents = quint32(mask);
        break;
    default:
        filter.outEvents = quint16(mask);
        break;
    }
}

const QString &namePattern()
{
    static const QString pattern =
        QStringLiteral("^[0-9a-zA-Zа-яА-ЯёЁ№_ "
                       "~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,\\.\\?\\/\\-]{0,%1}$")
            .arg(63);
    return pattern;
}
} // namespace

DirectionSettingsWidget::DirectionSettingsWidget(QWidget *parent) : QWidget(parent)
{
    buildWidgets();
    if (Overmind *controller = overmind())
        connect(controller, &Overmind::setKorvelType, this, &DirectionSettingsWidget::onInitWidget);
    connect(m_twEvents, &QTreeWidget::itemChanged, this, &DirectionSettingsWidget::filterChanged);
    connect(m_lwPartitions, &QListWidget::itemChanged, this,
            &DirectionSettingsWidget::partitionsChanged);
    connect(m_pbSave, &QPushButton::clicked, this, &DirectionSettingsWidget::saveSettings);
    connect(m_channelForms[0], &ChannelSettingsWidget::typeChanged, this,
            &DirectionSettingsWidget::gsmChannelTypeChanged);
    connect(m_channelForms[1], &ChannelSettingsWidget::typeChanged, this,
            &DirectionSettingsWidget::gsmReserve1ChannelTypeChanged);
    connect(m_channelForms[2], &ChannelSettingsWidget::typeChanged, this,
            &DirectionSettingsWidget::updateEventItems);
    connect(m_channelForms[0], &ChannelSettingsWidget::blockDC09Items, this,
            &DirectionSettingsWidget::onBlockDC09ItemsInBothReserves);
    connect(m_channelForms[1], &ChannelSettingsWidget::blockDC09Items, this,
            &DirectionSettingsWidget::onBlockDC09ItemsInOtherReserves);
    connect(m_pbSettings, &QPushButton::toggled, this, &DirectionSettingsWidget::onSettingsToggled);
    connect(m_pbEvents, &QPushButton::toggled, this, &DirectionSettingsWidget::onEventsToggled);
    connect(m_pbReset, &QPushButton::clicked, this, &DirectionSettingsWidget::onReset);
    m_channelForms[0]->setTypeEnabled(true);
    m_leDirName->setValidator(
        new QRegularExpressionValidator(QRegularExpression(namePattern()), this));
    m_leDirName->setChecker([this](const QString &text) { return checkName(text); });
    m_narrowScreen = availableScreenWidth() < NarrowScreenWidth;
    if (m_narrowScreen)
        m_pbEvents->setChecked(false);
}

DirectionSettingsWidget::~DirectionSettingsWidget() = default;

int DirectionSettingsWidget::availableScreenWidth()
{
    if (screenWidthOverride > 0)
        return screenWidthOverride;
    int narrowest = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const int width = screen->availableGeometry().width();
        narrowest = narrowest == 0 ? width : qMin(narrowest, width);
    }
    return narrowest;
}

void DirectionSettingsWidget::setAvailableScreenWidth(int width)
{
    screenWidthOverride = width;
}

void DirectionSettingsWidget::buildWidgets()
{
    setObjectName(QStringLiteral("DirectionSettingsWidget"));
    setWindowTitle(tr("Direction settings"));
    resize(1022, 500);
    auto *grid = new QGridLayout(this);

    auto *topLine = new QWidget(this);
    topLine->setObjectName(QStringLiteral("topLine"));
    auto *top = new QHBoxLayout(topLine);
    top->setSpacing(6);
    top->setContentsMargins(0, 0, 0, 0);
    auto *nameLabel = new QLabel(tr("Direction name:"), topLine);
    nameLabel->setObjectName(QStringLiteral("labDirName"));
    nameLabel->setMinimumWidth(160);
    m_leDirName = new ContentAwareLineEdit(topLine);
    m_leDirName->setObjectName(QStringLiteral("leDirName"));
    m_leDirName->setMinimumSize(120, 30);
    m_leDirName->setMaxLength(63);
    auto toggle = [topLine](const QString &name, const QString &text, int width) {
        auto *button =
            new QPushButton(QIcon(QStringLiteral(":/images/eye_open.png")), text, topLine);
        button->setObjectName(name);
        button->setMinimumSize(width, 30);
        button->setCheckable(true);
        button->setChecked(true);
        button->setFlat(true);
        return button;
    };
    m_pbSettings = toggle(QStringLiteral("pbSettings"), tr("Settings"), 120);
    m_pbEvents = toggle(QStringLiteral("pbEvents"), tr("Partitions and events"), 200);
    top->addWidget(nameLabel);
    top->addWidget(m_leDirName);
    top->addWidget(m_pbSettings);
    top->addWidget(m_pbEvents);
    grid->addWidget(topLine, 0, 0);

    auto *mid = new QWidget(this);
    mid->setObjectName(QStringLiteral("mid"));
    auto *middle = new QHBoxLayout(mid);
    middle->setContentsMargins(0, 6, 0, 6);
    m_twSettings = new QTabWidget(mid);
    m_twSettings->setObjectName(QStringLiteral("twSettings"));
    m_twSettings->setFixedWidth(410);
    const QStringList tabNames{QStringLiteral("tabMain"), QStringLiteral("tabReserve1"),
                               QStringLiteral("tabReserve2")};
    const QStringList formNames{QStringLiteral("mainTab"), QStringLiteral("reserve1Tab"),
                                QStringLiteral("reserve2Tab")};
    const QStringList titles{tr("Main"), tr("Reserve 1"), tr("Reserve 2")};
    for (int i = 0; i < 3; ++i) {
        auto *tab = new QWidget(m_twSettings);
        tab->setObjectName(tabNames.at(i));
        auto *column = new QVBoxLayout(tab);
        m_channelForms[i] = new ChannelSettingsWidget(tab);
        m_channelForms[i]->setObjectName(formNames.at(i));
        column->addWidget(m_channelForms[i]);
        column->addStretch(1);
        m_twSettings->addTab(tab, titles.at(i));
    }
    m_gbPartitions = new QGroupBox(tr("Partitions"), mid);
    m_gbPartitions->setObjectName(QStringLiteral("gbPartitions"));
    m_lwPartitions = new QListWidget(m_gbPartitions);
    m_lwPartitions->setObjectName(QStringLiteral("lwPartitions"));
    m_lwPartitions->setMinimumWidth(200);
    m_lwPartitions->setContextMenuPolicy(Qt::CustomContextMenu);
    (new QVBoxLayout(m_gbPartitions))->addWidget(m_lwPartitions);
    m_gbEventList = new QGroupBox(tr("Events that would be sent through this Notifier"), mid);
    m_gbEventList->setObjectName(QStringLiteral("gbEventList"));
    m_twEvents = new QTreeWidget(m_gbEventList);
    m_twEvents->setObjectName(QStringLiteral("twEvents"));
    m_twEvents->setMinimumWidth(380);
    m_twEvents->setColumnCount(1);
    m_twEvents->setHeaderLabels({tr("New Column")});
    (new QVBoxLayout(m_gbEventList))->addWidget(m_twEvents);
    middle->addWidget(m_twSettings);
    middle->addWidget(m_gbPartitions);
    middle->addWidget(m_gbEventList);
    middle->addStretch(1);
    grid->addWidget(mid, 1, 0);

    auto *bottom = new QHBoxLayout;
    bottom->setObjectName(QStringLiteral("bottomLine"));
    bottom->setSpacing(9);
    m_pbSave = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_pbSave->setObjectName(QStringLiteral("pbSaveSettings"));
    m_pbSave->setFixedSize(200, 30);
    m_pbReset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_pbReset->setObjectName(QStringLiteral("pbReset"));
    m_pbReset->setFixedSize(200, 30);
    m_lblMessage = new QLabel(this);
    m_lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_lblMessage->setMargin(6);
    bottom->addWidget(m_pbSave);
    bottom->addWidget(m_pbReset);
    bottom->addWidget(m_lblMessage);
    bottom->addStretch(1);
    grid->addLayout(bottom, 2, 0);
    setTabOrder(m_leDirName, m_pbSettings);
    setTabOrder(m_pbSettings, m_pbEvents);
    setTabOrder(m_pbEvents, m_twSettings);
    setTabOrder(m_twSettings, m_lwPartitions);
    setTabOrder(m_lwPartitions, m_twEvents);
    setTabOrder(m_twEvents, m_pbSave);
    setTabOrder(m_pbSave, m_pbReset);
}

ChannelSettingsWidget *DirectionSettingsWidget::channelForm(int i) const
{
    return i >= 0 && i < 3 ? m_channelForms[i] : nullptr;
}

void DirectionSettingsWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_leDirName->setFocus();
}

int DirectionSettingsWidget::partitionCount() const
{
    Overmind *controller = overmind();
    return controller ? controller->deviceInfo().partitionCount() : 0;
}

void DirectionSettingsWidget::onInitWidget()
{
    Overmind *controller = overmind();
    if (controller && !m_initConnected) {
        // The type is announced at every login: connect once.
        m_initConnected = true;
        connect(controller, &Overmind::ready, this, &DirectionSettingsWidget::onReadyLoading);
        connect(controller, &Overmind::disconnected, this, [this] { m_settings = nullptr; });
    }
    createEventFilter();
}

void DirectionSettingsWidget::createEventFilter()
{
    const QSignalBlocker blocker(m_twEvents);
    m_twEvents->clear();
    const QStringList groups{tr("Partition events"), tr("Sensor events"), tr("Power"),
                             tr("System events"), tr("Out events")};
    for (int group = 0; group < EventSupportTables::GroupCount; ++group) {
        auto *top = new QTreeWidgetItem(m_twEvents, {groups.at(group)});
        top->setFlags(top->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        top->setCheckState(0, Qt::Checked);
        for (int code = 0; code < EventSupportTables::bitCount(group); ++code) {
            auto *child = new QTreeWidgetItem(top, {eventText(group, code)});
            child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
            child->setCheckState(0, Qt::Checked);
            child->setData(0, CodeRole, code);
        }
        top->sortChildren(0, Qt::AscendingOrder);
    }
    m_twEvents->clearSelection();
    const QSignalBlocker listBlocker(m_lwPartitions);
    m_lwPartitions->clear();
    for (int row = 0; row < partitionCount(); ++row) {
        auto *item = new QListWidgetItem(tr("Loading..."), m_lwPartitions);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        item->setData(CodeRole, row);
    }
}

QTreeWidgetItem *DirectionSettingsWidget::findItem(int group, int code) const
{
    QTreeWidgetItem *top = m_twEvents->topLevelItem(group);
    if (!top)
        return nullptr;
    for (int i = 0; i < top->childCount(); ++i)
        if (top->child(i)->data(0, CodeRole).toInt() == code)
            return top->child(i);
    return nullptr;
}

bool DirectionSettingsWidget::isSupported(int group, int code) const
{
    return m_settings && m_settings->isEventSupported(group, code);
}

void DirectionSettingsWidget::setFilterEnabled(bool enabled)
{
    m_lwPartitions->setEnabled(enabled);
    m_twEvents->setEnabled(enabled);
    m_twEvents->header()->setStyleSheet(QLatin1String(enabled ? EnabledHeader : DisabledHeader));
}

void DirectionSettingsWidget::setSettings(DirectionSettings *settings)
{
    logTrace(this, QStringLiteral("Channel settings updated"));
    m_settings = settings;
    if (!settings) {
        m_lwPartitions->setEnabled(false);
        m_twEvents->setEnabled(false);
        m_twEvents->header()->setStyleSheet(QLatin1String(DisabledHeader));
        m_twEvents->clearSelection();
        logWarning(this, QStringLiteral("Channel settings is nullptr"));
        return;
    }
    const quint8 index = settings->currentIndex();
    // Binding shows the record: nothing the forms do on the way is the user's change.
    const QScopedValueRollback<bool> binding(m_binding, true);
    settings->m_invalid = false;
    // A viewed file is saved only through the page's leave question.
    m_pbSave->setEnabled(!(overmind() && overmind()->isViewingMode()));
    auto isIp = [](const ChannelSettings *c) {
        return c && (c->type() == ChannelDc09 || c->type() == ChannelSurGard);
    };
    int ipChannels = 0;
    for (int i = 0; i < 3; ++i) {
        ChannelSettings *channel = settings->channel(i);
        m_channelForms[i]->setChannel(index, channel);
        ChannelSettings *previous = i > 0 ? settings->channel(i - 1) : nullptr;
        if (i > 0 && !(channel && previous))
            continue;
        if (i > 0 && previous->type() == ChannelDisabled)
            m_channelForms[i]->showTypeEnabled(false);
        if (isIp(channel))
            ++ipChannels;
        else if (channel)
            m_channelForms[i]->resetIpFields();
    }
    if (Overmind *controller = overmind())
        controller->ipChannelCounts()[index] = ipChannels;
    {
        const QSignalBlocker blocker(m_leDirName);
        m_leDirName->setText(settings->currentName());
    }
    const int count = partitionCount();
    const quint32 partitions = settings->eventFilter().partitions;
    for (int bit = 1; bit <= count && bit < 32; ++bit) {
        QListWidgetItem *row = m_lwPartitions->item(bit == count ? 0 : bit);
        if (row)
            row->setCheckState(partitions & (1u << bit) ? Qt::Checked : Qt::Unchecked);
    }
    for (int group = 0; group < EventSupportTables::GroupCount; ++group)
        loadGroup(group, groupMask(settings->eventFilter(), group));
    if (ChannelSettings *main = settings->channel(0)) {
        const auto type = channelGSMType_t(main->type());
        const bool on = type != ChannelDisabled;
        m_channelForms[1]->showTypeEnabled(on);
        setFilterEnabled(on);
        updateEventItems(type);
    }
}

void DirectionSettingsWidget::loadGroup(int group, quint64 mask)
{
    const int count = EventSupportTables::bitCount(group);
    bool anySet = false;
    bool visibleClear = false;
    for (int code = 0; code < count; ++code) {
        QTreeWidgetItem *item = findItem(group, code);
        if (!item)
            continue;
        if (mask & (quint64(1) << code)) {
            item->setCheckState(0, Qt::Checked);
            anySet = true;
        } else if (!item->isHidden()) {
            visibleClear = true;
        }
    }
    // Hidden items follow the group: checked exactly when every visible one is.
    const bool hiddenChecked = anySet && !visibleClear;
    for (int code = 0; code < count; ++code) {
        QTreeWidgetItem *item = findItem(group, code);
        if (item && !(mask & (quint64(1) << code)))
            item->setCheckState(0, hiddenChecked ? Qt::Checked : Qt::Unchecked);
    }
}

void DirectionSettingsWidget::filterChanged(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (!m_settings || !item || !item->parent())
        return;
    QTreeWidgetItem *top = item->parent();
    if (!m_binding) {
        const int group = m_twEvents->indexOfTopLevelItem(top);
        const int code = item->data(0, CodeRole).toInt();
        eventFilter_t filter = m_settings->eventFilter();
        setGroupBit(filter, group, code, item->checkState(0) == Qt::Checked);
        m_settings->setEventFilter(filter);
    }
    int visible = 0;
    int checked = 0;
    for (int i = 0; i < top->childCount(); ++i) {
        if (top->child(i)->isHidden())
            continue;
        ++visible;
        checked += top->child(i)->checkState(0) == Qt::Checked ? 1 : 0;
    }
    if (visible == 0 || checked == visible)
        top->setCheckState(0, Qt::Checked);
    else if (checked == 0)
        top->setCheckState(0, Qt::Unchecked);
}

void DirectionSettingsWidget::partitionsChanged(QListWidgetItem *item)
{
    if (!m_settings || !item || m_binding)
        return;
    const int row = m_lwPartitions->row(item);
    const int bit = row == 0 ? partitionCount() : row;
    if (bit >= 32)
        return;
    eventFilter_t filter = m_settings->eventFilter();
    if (item->checkState() == Qt::Checked)
        filter.partitions |= 1u << bit;
    else
        filter.partitions &= ~(1u << bit);
    m_settings->setEventFilter(filter);
}

void DirectionSettingsWidget::updateEventItems(channelGSMType_t type)
{
    if (type == ChannelDisabled)
        return;
    for (int group = 0; group < EventSupportTables::GroupCount; ++group) {
        QTreeWidgetItem *top = m_twEvents->topLevelItem(group);
        for (int code = 0; code < EventSupportTables::bitCount(group); ++code) {
            QTreeWidgetItem *item = findItem(group, code);
            if (!item)
                continue;
            if (isSupported(group, code)) {
                item->setHidden(false);
                continue;
            }
            item->setCheckState(0, top->checkState(0) == Qt::Checked ? Qt::Checked : Qt::Unchecked);
            item->setHidden(true);
        }
    }
}

void DirectionSettingsWidget::gsmChannelTypeChanged(channelGSMType_t type)
{
    const bool on = type != ChannelDisabled;
    // While binding, the next form still shows the previous direction.
    if (!m_binding)
        m_channelForms[1]->setTypeEnabled(on);
    setFilterEnabled(on);
    updateEventItems(type);
}

void DirectionSettingsWidget::gsmReserve1ChannelTypeChanged(channelGSMType_t type)
{
    updateEventItems(type);
    if (!m_binding)
        m_channelForms[2]->setTypeEnabled(m_channelForms[1]->typeIndex() != 0);
}

void DirectionSettingsWidget::onBlockDC09ItemsInBothReserves()
{
    m_channelForms[1]->updateIpTypeRows();
    m_channelForms[2]->updateIpTypeRows();
}

void DirectionSettingsWidget::onBlockDC09ItemsInOtherReserves()
{
    m_channelForms[0]->updateIpTypeRows();
    m_channelForms[2]->updateIpTypeRows();
}

bool DirectionSettingsWidget::checkName(const QString &text)
{
    const bool ok = Overmind::limitUtf8Length(text, m_leDirName);
    Overmind *controller = overmind();
    m_pbSave->setEnabled(ok && !(controller && controller->isViewingMode()));
    if (!m_settings)
        return ok;
    if (!m_pbSave->isEnabled()) {
        m_settings->m_invalid = true;
        return ok;
    }
    m_settings->m_invalid = false;
    const int count = controller ? controller->deviceInfo().directionCount() : 0;
    for (int i = 0; i < count; ++i) {
        if (i != m_settings->currentIndex() && controller->directionName(i) == text) {
            m_pbSave->setEnabled(false);
            m_settings->m_invalid = true;
            break;
        }
    }
    m_settings->setName(text);
    return ok;
}

bool DirectionSettingsWidget::isSaveable() const
{
    bool allDisabled = true;
    for (const ChannelSettingsWidget *form : m_channelForms)
        allDisabled = allDisabled && form->typeIndex() == 0;
    if (allDisabled && !(m_settings && m_settings->m_invalid))
        return true;
    return m_pbSave->isEnabled();
}

void DirectionSettingsWidget::setMessage(const QString &text)
{
    m_lblMessage->setText(text);
}

void DirectionSettingsWidget::setSurGardHidden(bool hidden)
{
    for (ChannelSettingsWidget *form : m_channelForms)
        form->setSurGardHidden(hidden);
}

void DirectionSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    for (int i = 0; i < 3; ++i) {
        ChannelSettings *channel = m_settings->channel(i);
        if (!channel)
            continue;
        switch (channel->type()) {
        case ChannelUserSms:
        case ChannelQuenorSms:
        case ChannelCall:
            if (!channel->hasPhoneNumber()) {
                MessageBoxU::warning(i == 0 ? tr("Phone number is empty.")
                                            : tr("Phone number is empty. (Reserve %1)").arg(i),
                                     tr("Settings saving"));
                return;
            }
            if (channel->testType() == 3)
                channel->setTestType(0);
            break;
        case ChannelDc09:
            channel->setTestType(3);
            break;
        case ChannelSurGard:
            channel->setTestType(4);
            break;
        default:
            break;
        }
    }
    m_settings->pruneEventFilter();
    m_settings->storeCurrent();
}

void DirectionSettingsWidget::onReset()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_settings)
        m_settings->resetSettings();
}

void DirectionSettingsWidget::onSettingsToggled(bool on)
{
    if (m_narrowScreen && on)
        m_pbEvents->setChecked(false);
    m_pbSettings->setIcon(QIcon(on ? QStringLiteral(":/images/eye_open.png")
                                   : QStringLiteral(":/images/eye_closed.png")));
    m_twSettings->setVisible(on);
}

void DirectionSettingsWidget::onEventsToggled(bool on)
{
    if (m_narrowScreen && on)
        m_pbSettings->setChecked(false);
    m_pbEvents->setIcon(QIcon(on ? QStringLiteral(":/images/eye_open.png")
                                 : QStringLiteral(":/images/eye_closed.png")));
    m_gbPartitions->setVisible(on);
    m_gbEventList->setVisible(on);
}

QString DirectionSettingsWidget::partitionRowText(int row) const
{
    if (row == 0)
        return tr("Executive devices");
    Partition *partition = m_partitionModel ? m_partitionModel->partition(row) : nullptr;
    if (!partition)
        return tr("Loading...");
    return QStringLiteral("%1. %2").arg(partition->number()).arg(partition->jsonKey());
}

void DirectionSettingsWidget::onReadyLoading()
{
    Overmind *controller = overmind();
    if (!controller)
        return;
    if (controller->partitionModel() != m_partitionModel) {
        m_partitionModel = controller->partitionModel();
        if (m_partitionModel)
            connect(m_partitionModel, &PartitionModel::updatePartitionData, this,
                    &DirectionSettingsWidget::onReadyLoading, Qt::UniqueConnection);
    }
    const QSignalBlocker blocker(m_lwPartitions);
    for (int row = 0; row < m_lwPartitions->count(); ++row)
        m_lwPartitions->item(row)->setText(partitionRowText(row));
    if (Protocol *link = controller->protocol())
        connect(link, &Protocol::partitionData, this, &DirectionSettingsWidget::onPartitionData,
                Qt::UniqueConnection);
}

void DirectionSettingsWidget::onPartitionData(quint16 index, const s_ExtMemDataPartition &)
{
    const int row = index & 0xFF;
    if (row < m_lwPartitions->count()) {
        const QSignalBlocker blocker(m_lwPartitions);
        m_lwPartitions->item(row)->setText(row == 0 && m_partitionModel &&
                                                   m_partitionModel->partition(0)
                                               ? QStringLiteral("%1. %2")
                                                     .arg(m_partitionModel->partition(0)->number())
                                                     .arg(m_partitionModel->partition(0)->jsonKey())
                                               : partitionRowText(row));
    }
}
