#include "pages/radio/SensorItemModel.h"

#include "pages/radio/SensorListViewItem.h"
#include "radio/Partition.h"

#include <QDataStream>
#include <QMimeData>
#include <algorithm>

namespace {
const char *const ModelDragFormat = "application/x-qabstractitemmodeldatalist";
constexpr int ItemFlags =
    Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled | Qt::ItemIsEnabled;
constexpr int LoopType = 9;
constexpr int RadioModuleType = 0;
} // namespace

SensorItemModel::SensorItemModel(Partition *partition, QObject *parent)
    : QAbstractListModel(parent), m_partition(partition)
{
    if (!partition)
        return;
    connect(partition, &Partition::sensorAdded, this, &SensorItemModel::addSensor);
    connect(partition, &Partition::sensorRemoved, this, &SensorItemModel::removeSensor);
    for (const Sensor::SPtr &device : partition->sensors()) {
        if (!device)
            continue;
        m_rows.append(std::make_shared<SensorListViewItem>(device));
        // Cards of devices listed from the start must repaint on news as well.
        watch(device.get());
    }
}

SensorItemModel::~SensorItemModel() = default;

void SensorItemModel::watch(const Sensor *device)
{
    connect(device, &Sensor::statusUpdated, this, &SensorItemModel::sensorUpdated,
            Qt::UniqueConnection);
    connect(device, &Sensor::dataUpdated, this, &SensorItemModel::sensorUpdated,
            Qt::UniqueConnection);
}

int SensorItemModel::rowCount(const QModelIndex &) const
{
    return m_rows.size();
}

QVariant SensorItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    return m_rows.at(index.row())->data(role);
}

Qt::ItemFlags SensorItemModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return Qt::NoItemFlags;
    return Qt::ItemFlags(ItemFlags);
}

QMap<int, QVariant> SensorItemModel::itemData(const QModelIndex &index) const
{
    QMap<int, QVariant> roles = QAbstractListModel::itemData(index);
    const Sensor::SPtr device = sensorAt(index);
    roles.insert(SensorListViewItem::DeviceKeyRole, QVariant::fromValue(sensorKey(device.get())));
    return roles;
}

bool SensorItemModel::removeRows(int row, int count, const QModelIndex &)
{
    if (!m_partition || m_partition->isAggregate())
        return true;
    const int first = std::max(row, 0);
    const int last = std::min(row + count, int(m_rows.size())) - 1;
    // Gathered first: every removal takes a row away through the partition's notification.
    QList<Sensor::SPtr> leaving;
    for (int r = last; r >= first; --r)
        leaving.append(sensorAt(r));
    for (const Sensor::SPtr &device : leaving)
        if (m_partition)
            m_partition->removeSensor(device, false);
    return true;
}

QModelIndex SensorItemModel::indexOf(const Sensor *device) const
{
    const int row = rowOf(device);
    return row < 0 ? QModelIndex() : index(row, 0);
}

int SensorItemModel::rowOf(const Sensor *device) const
{
    if (!device)
        return -1;
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row)->sensor().get() == device)
            return row;
    return -1;
}

Sensor::SPtr SensorItemModel::sensorAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return Sensor::SPtr();
    return m_rows.at(row)->sensor();
}

Sensor::SPtr SensorItemModel::sensorAt(const QModelIndex &index) const
{
    return index.isValid() ? sensorAt(index.row()) : Sensor::SPtr();
}

Sensor::SPtr SensorItemModel::sensorByKey(quintptr key) const
{
    if (key == 0)
        return Sensor::SPtr();
    for (const Row &row : m_rows)
        if (sensorKey(row->sensor().get()) == key)
            return row->sensor();
    return Sensor::SPtr();
}

QList<quintptr> SensorItemModel::draggedKeys(const QMimeData *data)
{
    QList<quintptr> keys;
    if (!data || !data->hasFormat(QLatin1String(ModelDragFormat)))
        return keys;
    QByteArray encoded = data->data(QLatin1String(ModelDragFormat));
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    while (!stream.atEnd()) {
        int row = 0;
        int column = 0;
        QMap<int, QVariant> roles;
        stream >> row >> column >> roles;
        if (stream.status() != QDataStream::Ok)
            break;
        const QVariant key = roles.value(SensorListViewItem::DeviceKeyRole);
        if (key.canConvert<quintptr>() && key.value<quintptr>() != 0)
            keys.append(key.value<quintptr>());
    }
    return keys;
}

bool SensorItemModel::lessById(const Sensor &left, const Sensor &right)
{
    return left.id() < right.id();
}

bool SensorItemModel::lessByType(const Sensor &left, const Sensor &right)
{
    return left.type() < right.type();
}

bool SensorItemModel::isBefore(const Row &left, const Row &right) const
{
    return m_sortType == ById ? lessById(*left->sensor(), *right->sensor())
                              : lessByType(*left->sensor(), *right->sensor());
}

void SensorItemModel::sortRows()
{
    std::sort(m_rows.begin(), m_rows.end(),
              [this](const Row &left, const Row &right) { return isBefore(left, right); });
}

bool SensorItemModel::rowsSorted() const
{
    return std::is_sorted(m_rows.begin(), m_rows.end(), [this](const Row &left, const Row &right) {
        return isBefore(left, right);
    });
}

void SensorItemModel::addSensor(Sensor::SPtr device)
{
    if (!device)
        return;
    const int type = device->type();
    if (type != RadioModuleType && type != LoopType) {
        for (const Row &row : qAsConst(m_rows))
            if (row->sensor()->serialNumber() == device->serialNumber())
                return;
    }
    auto row = std::make_shared<SensorListViewItem>(device);
    if (rowsSorted()) {
        const auto at = std::upper_bound(
            m_rows.begin(), m_rows.end(), row,
            [this](const Row &left, const Row &right) { return isBefore(left, right); });
        const int position = int(at - m_rows.begin());
        beginInsertRows(QModelIndex(), position, position);
        m_rows.insert(position, row);
        endInsertRows();
    } else {
        beginResetModel();
        m_rows.append(row);
        sortRows();
        endResetModel();
    }
    watch(device.get());
}

void SensorItemModel::removeSensor(Sensor::SPtr device)
{
    if (!device)
        return;
    disconnect(device.get(), &Sensor::statusUpdated, this, &SensorItemModel::sensorUpdated);
    disconnect(device.get(), &Sensor::dataUpdated, this, &SensorItemModel::sensorUpdated);
    const int row = rowOf(device.get());
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void SensorItemModel::sensorUpdated()
{
    const auto *device = qobject_cast<const Sensor *>(sender());
    const int row = rowOf(device);
    if (row < 0)
        return;
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed);
}

void SensorItemModel::setSortType(int sortType)
{
    m_sortType = sortType;
    if (sortType != ById && sortType != ByName) {
        if (!m_rows.isEmpty())
            emit dataChanged(index(0, 0), index(m_rows.size() - 1, 0));
        return;
    }
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QVector<const Sensor *> devices;
    devices.reserve(before.size());
    for (const QModelIndex &index : before)
        devices.append(sensorAt(index).get());
    sortRows();
    for (int i = 0; i < before.size(); ++i)
        changePersistentIndex(before.at(i), indexOf(devices.at(i)));
    emit layoutChanged();
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, 0));
}
