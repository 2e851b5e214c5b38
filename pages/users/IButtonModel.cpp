#include "pages/users/IButtonModel.h"

#include "app/FileNumber.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/UserModel.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int DefaultMaxKeys = 64;
constexpr int DefaultPartitionCount = 17;
constexpr int AccessibleTextRole = Qt::AccessibleTextRole;

bool isViewing()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

QString trimmedZeros(QString text)
{
    int start = 0;
    while (start < text.size() - 1 && text.at(start) == QLatin1Char('0'))
        ++start;
    return text.mid(start);
}

QString blockIdHex(const s_ExtMemDataIButton &s)
{
    const char *field = reinterpret_cast<const char *>(s.body) + IButtonSettings::IdAt;
    return QString::fromLatin1(field, int(qstrnlen(field, IButtonSettings::IdSize)));
}
} // namespace

IButtonModel::IButtonModel(Protocol *protocol, QObject *parent)
    : Storable(protocol), QAbstractTableModel(parent)
{
    IButtonSettings::retranslateLawNames();
    if (protocol) {
        connect(protocol, &Protocol::iButtonData, this, &IButtonModel::onIButtonDataReceived);
        connect(protocol, &Protocol::iButtonDelete, this,
                &IButtonModel::onIButtonDeleteAcknowledge);
    }
}

IButtonModel::~IButtonModel()
{
    qDeleteAll(m_keys);
    m_keys.clear();
}

int IButtonModel::maxKeys()
{
    Overmind *overmind = Overmind::instance();
    const int keys = overmind ? overmind->deviceInfo().maxKeys() : 0;
    return keys > 0 ? keys : DefaultMaxKeys;
}

int IButtonModel::partitionCount()
{
    Overmind *overmind = Overmind::instance();
    const int count = overmind ? overmind->deviceInfo().partitionCount() : 0;
    return count > 0 ? count : DefaultPartitionCount;
}

int IButtonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_keys.size();
}

int IButtonModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString IButtonModel::partitionsText(quint32 mask) const
{
    Overmind *overmind = Overmind::instance();
    PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr;
    QStringList names;
    for (int number = 1; number < partitionCount() && number < 32; ++number) {
        if (!(mask & (quint32(1) << number)))
            continue;
        Partition *partition = partitions ? partitions->partition(number) : nullptr;
        names << (partition ? partition->jsonKey()
                            : QCoreApplication::translate("Partition", "Partition # %1")
                                  .arg(number, 2, 10, QLatin1Char('0')));
    }
    return names.isEmpty() ? tr("No partitions") : names.join(QStringLiteral(", "));
}

QVariant IButtonModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_keys.size() || index.column() >= ColumnCount)
        return QVariant();
    IButtonSettings *key = m_keys.at(index.row());
    const int column = index.column();
    if (role == AccessibleTextRole)
        return key->accessibleText(column);
    if (role == Qt::UserRole)
        return column == UserColumn ? int(key->userId()) : int(key->id());
    if (role == Qt::EditRole) {
        switch (column) {
        case IdColumn:
            return key->idHex();
        case PartitionsColumn:
            return uint(key->partitionsMask());
        case PermissionsColumn:
            return int(key->accessLaw());
        default:
            return int(key->userId());
        }
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case IdColumn:
        return key->idHex();
    case PartitionsColumn:
        return partitionsText(key->partitionsMask());
    case PermissionsColumn: {
        quint16 law = key->accessLaw();
        // Only memory changes; the device keeps its value until the key is written.
        if (IButtonSettings::correctLaw(law))
            key->setAccessLaw(law);
        return IButtonSettings::lawName(law);
    }
    default: {
        Overmind *overmind = Overmind::instance();
        UserModel *users = overmind ? overmind->userModel() : nullptr;
        UserSettings *user = users ? users->userById(key->userId()) : nullptr;
        return user ? user->jsonKey() : tr("Not set");
    }
    }
}

bool IButtonModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_keys.size() || index.column() >= ColumnCount)
        return false;
    IButtonSettings *key = m_keys.at(index.row());
    if (role == AccessibleTextRole) {
        key->addAccessibleText(value.toString());
        return true;
    }
    if (role != Qt::EditRole || data(index, role) == value)
        return false;
    switch (index.column()) {
    case IdColumn:
        key->setIdHex(value.toString());
        break;
    case PartitionsColumn:
        key->setPartitionsMask(value.toUInt());
        break;
    case PermissionsColumn:
        key->setAccessLaw(quint16(value.toUInt()));
        break;
    default:
        key->setUserId(quint8(value.toUInt()));
        break;
    }
    emit dataChanged(index, index, {role});
    // In viewing mode the whole section is rewritten; one key object must not replace it.
    if (isViewing())
        storeToFile();
    else
        key->store();
    return true;
}

QVariant IButtonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case IdColumn:
        return tr("ID");
    case PartitionsColumn:
        return tr("Partitions");
    case PermissionsColumn:
        return tr("Permissions");
    case UserColumn:
        return tr("User");
    default:
        return QVariant();
    }
}

Qt::ItemFlags IButtonModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (isViewing())
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.row() >= m_keys.size())
        return Qt::NoItemFlags;
    if (index.column() == IdColumn)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

void IButtonModel::deleteOnDevice(const IButtonSettings *key)
{
    if (!protocol())
        return;
    qDebug() << "Will be deleted ibutton id =" << key->id();
    const Protocol::SenderScope scope = refusalsComeHere();
    protocol()->deleteIButton(key->id());
}

bool IButtonModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (count == 0)
        return true;
    if (parent.isValid() || row < 0 || row >= m_keys.size())
        return false;
    deleteOnDevice(m_keys.at(row));
    return true;
}

void IButtonModel::onIButtonDeleteAcknowledge(quint16 id)
{
    const quint8 number = quint8(id & 0xFF);
    for (int row = 0; row < m_keys.size(); ++row) {
        if (m_keys.at(row)->id() != number)
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        IButtonSettings *key = m_keys.takeAt(row);
        endRemoveRows();
        key->deleteLater();
        emit maxCount();
        return;
    }
}

int IButtonModel::firstFreeIndex() const
{
    for (int i = 0; i < m_keys.size(); ++i)
        if (m_keys.at(i)->id() != i)
            return i;
    return m_keys.size();
}

IButtonSettings *IButtonModel::keyAt(quint8 position) const
{
    return position < m_keys.size() ? m_keys.at(position) : nullptr;
}

IButtonSettings *IButtonModel::addKey(const QString &idHex, quint16 accessLaw,
                                      quint32 partitionsMask, quint8 number, quint8 position)
{
    int place = position;
    if (number != Auto && position == Auto) {
        place = 0;
        while (place < m_keys.size() && m_keys.at(place)->id() < number)
            ++place;
    } else if (position == Auto) {
        place = firstFreeIndex();
    }
    const int keyNumber = number == Auto ? place : number;
    // A number beyond the device's slots, or one already taken, has no place either.
    bool taken = false;
    for (const IButtonSettings *key : qAsConst(m_keys))
        taken = taken || key->id() == keyNumber;
    if (place >= maxKeys() || keyNumber >= maxKeys() || taken || m_keys.size() >= maxKeys()) {
        logError(this, QStringLiteral("Can not add key. Table is full"));
        return nullptr;
    }
    place = qMin(place, m_keys.size());
    beginInsertRows(QModelIndex(), place, place);
    auto *key = new IButtonSettings(protocol(), quint8(keyNumber), this);
    m_keys.insert(place, key);
    if (protocol())
        connect(key, &IButtonSettings::writeSettings, protocol(), &Protocol::writeIButtonData);
    key->setIdHex(idHex);
    key->setPartitionsMask(partitionsMask);
    key->setAccessLaw(accessLaw);
    endInsertRows();
    return key;
}

void IButtonModel::onIButtonDataReceived(quint16 id, const s_ExtMemDataIButton &s)
{
    if (crc32Stm(&s, s_ExtMemDataIButton::crcOffset) != qFromLittleEndian(s.crc32))
        return;
    if (s.body[0] == 0)
        return;
    const quint8 number = quint8(id & 0xFF);
    IButtonSettings *key = nullptr;
    int row = 0;
    for (; row < m_keys.size(); ++row) {
        if (m_keys.at(row)->id() == number) {
            key = m_keys.at(row);
            break;
        }
    }
    if (!key) {
        quint32 mask = qFromLittleEndian<quint32>(s.body + IButtonSettings::PartitionsAt);
        quint16 law = qFromLittleEndian<quint16>(s.body + IButtonSettings::AccessLawAt);
        IButtonSettings::correctMask(mask, partitionCount());
        IButtonSettings::correctLaw(law);
        key = addKey(blockIdHex(s), law, mask, number, Auto);
        if (!key)
            return;
        row = m_keys.indexOf(key);
        emit newIButton(m_keys.size());
    }
    key->setSettings(s);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    if (number == maxKeys() - 1)
        emit maxCount();
}

bool IButtonModel::containsKeyId(const QString &idHex, int except) const
{
    const QString wanted = trimmedZeros(idHex);
    for (const IButtonSettings *key : m_keys)
        if (key->id() != except && trimmedZeros(key->idHex()) == wanted)
            return true;
    return false;
}

void IButtonModel::unbindUser(quint8 userId)
{
    for (IButtonSettings *key : qAsConst(m_keys))
        if (key->userId() == userId)
            key->setUserId(IButtonSettings::NoOwner);
}

void IButtonModel::clear()
{
    for (int row = m_keys.size() - 1; row >= 0; --row) {
        const quint8 owner = m_keys.at(row)->userId();
        if (owner == 0 || owner == IButtonSettings::NoOwner)
            deleteOnDevice(m_keys.at(row));
    }
    beginResetModel();
    const QList<IButtonSettings *> released = m_keys;
    m_keys.clear();
    endResetModel();
    // Deleted at once rather than deferred: nothing refers to a key after the reset, and
    // no events need to run here.
    qDeleteAll(released);
}

QJsonValue IButtonModel::toJson() const
{
    QJsonArray array;
    for (const IButtonSettings *key : m_keys)
        array.append(key->toJson());
    return array;
}

bool IButtonModel::hasSectionShape(const QJsonValue &value, int formatVersion)
{
    return formatVersion == 1 ? value.isObject() : value.isArray();
}

void IButtonModel::readKeyObject(const QJsonObject &object, int formatVersion, const char *idKey,
                                 const char *lawKey, const char *maskKey)
{
    const auto word = [&object](const char *name) {
        return quint32(FileNumber::word(object.value(QLatin1String(name))) & 0xFFFFFFFFu);
    };
    IButtonSettings *key = addKey(object.value(QLatin1String(idKey)).toString().toUpper(),
                                  quint16(word(lawKey)), word(maskKey), Auto, Auto);
    if (!key)
        return;
    key->fromJson(object, formatVersion);
    if (!isViewing())
        key->store();
}

bool IButtonModel::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!hasSectionShape(value, formatVersion)) {
        logWarning(this, QStringLiteral("The section \"iButton\" has the wrong shape: it was "
                                        "not read"));
        return false;
    }
    if (formatVersion == 1) {
        const QJsonObject object = value.toObject();
        if (object.contains(QStringLiteral("IButtons"))) {
            for (const QJsonValue &element : object.value(QStringLiteral("IButtons")).toArray())
                readKeyObject(element.toObject(), 1, "Id", "Permissions", "Partitions");
        } else if (object.contains(QStringLiteral("Id"))) {
            readKeyObject(object, 1, "Id", "Permissions", "Partitions");
        }
    } else {
        clear();
        for (const QJsonValue &element : value.toArray())
            readKeyObject(element.toObject(), formatVersion, "id_hex", "AccessLaw",
                          "control_p_mask");
    }
    qDebug().noquote() << QStringLiteral("%1 keys added from JSON").arg(m_keys.size());
    return true;
}
