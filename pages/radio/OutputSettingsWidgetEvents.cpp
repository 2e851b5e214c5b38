#include "pages/radio/OutputSettingsWidgetEvents.h"

#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/PartitionSelectionWidget.h"

#include <QGridLayout>
#include <QListWidget>
#include <QSpacerItem>
#include <cstring>

namespace {
const char *const ListStyle =
    "QListWidget { background: rgb(241, 241, 241); font-size: 10pt; padding: 10px; "
    "padding-right: 0px; outline: 0; }"
    "QListWidget::item { background: rgb(241, 241, 241); border: 1px solid rgb(241, 241, 241); "
    "color: rgb(66, 66, 66); padding: 3px; padding-left: 8px; }"
    "QListWidget::item:hover { background: rgb(249, 249, 249); border: 1px solid grey; }"
    "QListWidget::item:selected { background: white; color: black; border: 1px solid grey; }";
} // namespace

OutputSettingsWidgetEvents::OutputSettingsWidgetEvents(QWidget *parent) : QWidget(parent)
{
    std::memset(&m_settings, 0, sizeof(m_settings));
    buildForm();
    connect(m_partitions, &PartitionSelectionWidget::changed, this,
            &OutputSettingsWidgetEvents::takeSelectedPartitions);
}

void OutputSettingsWidgetEvents::buildForm()
{
    setObjectName(QStringLiteral("EventsMode"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_partitions = new PartitionSelectionWidget(this);
    m_partitions->setObjectName(QStringLiteral("partition"));
    m_partitions->setLabelText(tr("Partitions:"));
    m_events = new QListWidget(this);
    m_events->setObjectName(QStringLiteral("lwEvents"));
    m_events->setFrameShape(QFrame::NoFrame);
    m_events->setStyleSheet(QString::fromLatin1(ListStyle));
    m_mask = new MaskEditWidget(this);
    m_mask->setObjectName(QStringLiteral("maskWidget"));
    grid->addWidget(m_partitions, 0, 0, 1, 2);
    grid->addWidget(m_events, 1, 0, 2, 1);
    grid->addWidget(m_mask, 1, 1);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 1);
    grid->setColumnStretch(1, 1);

    const QStringList rows{tr("Take on"), tr("Take off"), tr("Not taken"),
                           tr("Fire"),    tr("Alarm"),    tr("Leak")};
    for (const QString &text : rows) {
        auto *item = new QListWidgetItem(text, m_events);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Checked);
    }
}

quint32 &OutputSettingsWidgetEvents::pattern(int row)
{
    quint32 *patterns[EventCount] = {&m_settings.TakeOnMask,  &m_settings.TakeOffMask,
                                     &m_settings.NotTakeMask, &m_settings.FireMask,
                                     &m_settings.AlarmMask,   &m_settings.WaterLeakage};
    return *patterns[qBound(0, row, EventCount - 1)];
}

void OutputSettingsWidgetEvents::takeSelectedPartitions()
{
    m_settings.SelectedPartitions = m_partitions->partitionsMask();
}

void OutputSettingsWidgetEvents::connectList()
{
    connect(m_events, &QListWidget::itemChanged, this, &OutputSettingsWidgetEvents::enableToggled,
            Qt::UniqueConnection);
    connect(m_events, &QListWidget::currentItemChanged, this,
            QOverload<QListWidgetItem *, QListWidgetItem *>::of(
                &OutputSettingsWidgetEvents::updateWidget),
            Qt::UniqueConnection);
}

void OutputSettingsWidgetEvents::disconnectList()
{
    disconnect(m_events, &QListWidget::itemChanged, this,
               &OutputSettingsWidgetEvents::enableToggled);
    disconnect(m_events, &QListWidget::currentItemChanged, this,
               QOverload<QListWidgetItem *, QListWidgetItem *>::of(
                   &OutputSettingsWidgetEvents::updateWidget));
}

void OutputSettingsWidgetEvents::setModeSettings(const s_OutputModeSett &settings)
{
    m_settings = settings;
    s_EventsOutMode events;
    std::memcpy(&events, &settings, sizeof(events));
    setEventsOutMode(events);
}

void OutputSettingsWidgetEvents::setEventsOutMode(const s_EventsOutMode &events)
{
    std::memcpy(&m_settings, &events, sizeof(events));
    m_partitions->setPartitionsMask(m_settings.SelectedPartitions);
    // The rows change below without any handler storing the editor's stale pattern.
    disconnectList();
    for (int row = 0; row < EventCount; ++row)
        m_events->item(row)->setCheckState(m_settings.EnableEvents & (1u << row) ? Qt::Checked
                                                                                 : Qt::Unchecked);
    m_events->setCurrentRow(0);
    m_mask->setEnabled(m_events->item(0)->checkState() == Qt::Checked);
    m_mask->setMask(pattern(0));
    takeSelectedPartitions();
    connectList();
}

s_OutputModeSett OutputSettingsWidgetEvents::eventsOutMode()
{
    if (m_events->currentRow() >= 0)
        pattern(m_events->currentRow()) = m_mask->mask();
    return m_settings;
}

void OutputSettingsWidgetEvents::setVolumeVisible(bool visible)
{
    m_mask->setVolumeVisible(visible);
}

void OutputSettingsWidgetEvents::updateWidget(QListWidgetItem *current, QListWidgetItem *previous)
{
    if (previous)
        pattern(m_events->row(previous)) = m_mask->mask();
    if (current) {
        m_mask->setEnabled(current->checkState() == Qt::Checked);
        m_mask->setMask(pattern(m_events->row(current)));
    }
    takeSelectedPartitions();
}

void OutputSettingsWidgetEvents::updateWidget(QListWidgetItem *current)
{
    updateWidget(current, nullptr);
}

void OutputSettingsWidgetEvents::enableToggled(QListWidgetItem *item)
{
    const int row = m_events->row(item);
    if (row < 0 || row >= EventCount)
        return;
    if (item->checkState() == Qt::Checked)
        m_settings.EnableEvents |= 1u << row;
    else
        m_settings.EnableEvents &= ~(1u << row);
    if (item != m_events->currentItem()) {
        m_events->setCurrentItem(item);
        return;
    }
    m_mask->setEnabled(item->checkState() == Qt::Checked);
    m_mask->setMask(pattern(row));
    takeSelectedPartitions();
}
