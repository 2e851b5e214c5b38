#include "pages/radio/PartitionCommandLinkButton.h"

#include "pages/radio/SensorItemModel.h"
#include "radio/LocalOut.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QDragEnterEvent>
#include <QListView>
#include <QMimeData>
#include <QPixmap>

namespace {
const char *const ModelDragFormat = "application/x-qabstractitemmodeldatalist";
constexpr int IconSide = 16;
} // namespace

PartitionCommandLinkButton::PartitionCommandLinkButton(Partition *partition, PartitionModel *model,
                                                       QWidget *parent)
    : QPushButton(parent), m_partition(partition), m_model(model)
{
    setCheckable(true);
    setAutoExclusive(true);
    setAcceptDrops(partition && partition->kind() == 1);
    if (partition)
        setText(partition->jsonKey());
    if (partition)
        connect(partition, &Partition::statusUpdated, this,
                &PartitionCommandLinkButton::statusUpdated);
}

QString PartitionCommandLinkButton::partitionStateIconPath(quint16 state)
{
    switch (state) {
    case 6:
        return QStringLiteral(":/images/not_locked.png");
    case 8:
        return QStringLiteral(":/images/unlocked.png");
    case 16:
        return QStringLiteral(":/images/locked.png");
    case 21:
        return QStringLiteral(":/images/alarm.png");
    case 24:
    case 25:
        return QStringLiteral(":/images/fire.png");
    default:
        return QStringLiteral(":/images/Clock.png");
    }
}

bool PartitionCommandLinkButton::isMoveTarget() const
{
    // Executive devices and the aggregate lists take no moves: the menu never offers them.
    if (!m_partition || m_partition->kind() != 1)
        return false;
    const quint16 state = m_partition->state();
    return state == 8 || state == 5;
}

void PartitionCommandLinkButton::statusUpdated()
{
    if (!m_partition)
        return;
    const QString path = m_partition->index() == 0 ? QStringLiteral(":/images/siren.png")
                                                   : partitionStateIconPath(m_partition->state());
    setIcon(QPixmap(path).scaled(IconSide, IconSide, Qt::KeepAspectRatio, Qt::FastTransformation));
    setIconSize(QSize(IconSide, IconSide));
    setAcceptDrops(isMoveTarget());
}

void PartitionCommandLinkButton::dragEnterEvent(QDragEnterEvent *event)
{
    setStyleSheet(QString());
    if (event->mimeData()->hasFormat(QLatin1String(ModelDragFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

bool PartitionCommandLinkButton::acceptsDragFrom(const QMimeData *data, const QObject *source) const
{
    if (!data || !data->hasFormat(QLatin1String(ModelDragFormat)) || !isMoveTarget())
        return false;
    const auto *view = qobject_cast<const QListView *>(source);
    const auto *model = view ? qobject_cast<const SensorItemModel *>(view->model()) : nullptr;
    if (!model || !model->partition())
        return false;
    // By index: a caption's text after ". " may equal another partition's name.
    return model->partition()->index() != m_partition->index();
}

void PartitionCommandLinkButton::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDragFrom(event->mimeData(), event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PartitionCommandLinkButton::dragLeaveEvent(QDragLeaveEvent *event)
{
    setStyleSheet(QString());
    QPushButton::dragLeaveEvent(event);
}

QList<Sensor::SPtr> PartitionCommandLinkButton::droppedDevices(const QMimeData *data,
                                                               const PartitionModel *model)
{
    QList<Sensor::SPtr> found;
    if (!model)
        return found;
    // The payload is outside input: a key only names a device this process still lists.
    QList<Sensor::SPtr> live = model->sensors();
    if (Sensor::SPtr loop = model->loop())
        live.append(loop);
    for (int i = 0; i < 2; ++i)
        if (auto output = model->localOut(i))
            live.append(output);
    for (const quintptr key : SensorItemModel::draggedKeys(data)) {
        for (const Sensor::SPtr &device : qAsConst(live)) {
            if (SensorItemModel::sensorKey(device.get()) == key && !found.contains(device)) {
                found.append(device);
                break;
            }
        }
    }
    return found;
}

int PartitionCommandLinkButton::dropDevices(const QMimeData *data)
{
    if (!m_partition || !m_model || !isMoveTarget())
        return 0;
    const uchar target = uchar(m_partition->index());
    int moved = 0;
    for (const Sensor::SPtr &device : droppedDevices(data, m_model)) {
        // The loop, the local outputs and executive devices stay where they are, as in the menu.
        if (device->partition() == target || device->partition() == 0 || device->type() == 9 ||
            device == m_model->loop() || qobject_cast<LocalOut *>(device.get()))
            continue;
        Partition *from = m_model->partition(device->partition());
        if (!from)
            continue;
        m_model->takeOutForMove(from, device);
        device->setPartition(target);
        ++moved;
    }
    return moved;
}

void PartitionCommandLinkButton::dropEvent(QDropEvent *event)
{
    // Only our own device lists' payloads are decoded: another program's could make the
    // item-data decoder allocate without bound.
    if (!acceptsDragFrom(event->mimeData(), event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dropDevices(event->mimeData());
}

PartitionModel *PartitionCommandLinkButton::model() const
{
    return m_model;
}
