#include "pages/users/UserModel.h"

#include "app/DeviceInfo.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/users/IButtonModel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFont>
#include <QJsonArray>
#include <QSet>
#include <QtEndian>
#include <algorithm>

namespace {
int loggedInUser()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->currentUserId() : -1;
}

bool isViewing()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

QString elementName(const QJsonObject &object, int formatVersion)
{
    return object.value(QLatin1String(formatVersion == 1 ? "Name" : "userName")).toString();
}
} // namespace

UserModel::UserModel(Protocol *protocol, QObject *parent)
    : QAbstractTableModel(parent), Storable(protocol)
{
    logInfo(this, QStringLiteral("Created"));
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_writeTimer, &QTimer::timeout, this, &UserModel::writeNextQueued);
    if (protocol)
        connect(protocol, &Protocol::userSettings, this,
                [this](quint16 id, const s_ExtMemDataUser &record) {
                    userSettings(quint8(id & 0xFF), record);
                });
}

UserModel::~UserModel()
{
    qDeleteAll(m_users);
}

int UserModel::maxUsers() const
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->deviceInfo().maxUsers() : 0;
}

int UserModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_users.size();
}

int UserModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant UserModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_users.size())
        return QVariant();
    const UserSettings *user = m_users.at(index.row());
    const bool loggedIn = user->id() == loggedInUser();
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case IndexColumn:
            return int(user->id()) + 1;
        case NameColumn:
            return user->jsonKey();
        case LoginColumn:
            return user->login();
        case PhoneColumn:
            return user->phoneText();
        case KeychainsColumn:
            return user->keychainsText();
        case KeysColumn:
            return user->keysText();
        default:
            return QVariant();
        }
    }
    if (index.column() != NameColumn)
        return QVariant();
    if (role == Qt::FontRole && loggedIn) {
        QFont font;
        font.setBold(true);
        return font;
    }
    if (role == Qt::UserRole)
        return loggedIn || user->id() == 0;
    return QVariant();
}

bool UserModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (value == data(index, role))
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

QVariant UserModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case IndexColumn:
        return tr("Index");
    case NameColumn:
        return tr("Username");
    case LoginColumn:
        return tr("Login");
    case PhoneColumn:
        return tr("Phone");
    case KeychainsColumn:
        return tr("Keychains");
    case KeysColumn:
        return tr("Keys");
    default:
        return QVariant();
    }
}

bool UserModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                              int role)
{
    if (value == headerData(section, orientation, role))
        return false;
    emit headerDataChanged(orientation, section, section);
    return true;
}

// Rows come and go only with users; announcing rows the list does not have would leave
// views counting rows that are not there.
bool UserModel::insertRows(int, int, const QModelIndex &)
{
    return false;
}

bool UserModel::removeRows(int, int, const QModelIndex &)
{
    return false;
}

Qt::ItemFlags UserModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

void UserModel::writeToDevice() {}

UserSettings *UserModel::userById(quint8 id) const
{
    for (UserSettings *user : m_users)
        if (user->id() == id)
            return user;
    return nullptr;
}

int UserModel::adminCount() const
{
    return int(std::count_if(m_users.cbegin(), m_users.cend(),
                             [](const UserSettings *user) { return user->isAdmin(); }));
}

int UserModel::firstFreeId() const
{
    for (int id = 0; id < maxUsers(); ++id)
        if (!userById(quint8(id)))
            return id;
    return -1;
}

UserSettings *UserModel::addUser(UserSettings *user)
{
    const int id = firstFreeId();
    if (id < 0)
        return nullptr;
    const int row = qMin(id, m_users.size());
    beginInsertRows(QModelIndex(), row, row);
    user->setParent(nullptr);
    m_users.insert(row, user);
    user->setId(quint8(id));
    endInsertRows();
    storeIfViewing();
    emit signalUpdateUserList();
    return user;
}

bool UserModel::removeUsers(const QModelIndexList &indexes)
{
    QList<int> rows;
    for (const QModelIndex &index : indexes)
        if (index.isValid() && index.row() < m_users.size() && !rows.contains(index.row()))
            rows.append(index.row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    QList<UserSettings *> removed;
    for (int row : qAsConst(rows)) {
        beginRemoveRows(QModelIndex(), row, row);
        removed.append(m_users.takeAt(row));
        endRemoveRows();
    }
    Overmind *overmind = Overmind::instance();
    IButtonModel *keys = overmind ? overmind->iButtonModel() : nullptr;
    for (UserSettings *user : qAsConst(removed)) {
        if (keys)
            keys->unbindUser(user->id());
        // The user object goes now; a refusal brings the device's user back into the list.
        const Protocol::SenderScope scope = refusalsComeHere(user->jsonKey());
        user->deleteFromDevice();
        user->deleteLater();
    }
    storeIfViewing();
    emit signalUpdateUserList();
    return true;
}

void UserModel::deleteAllUsers()
{
    if (m_users.isEmpty())
        return;
    const int current = loggedInUser();
    // A reset: views never see a row count that disagrees with the list.
    beginResetModel();
    const QList<UserSettings *> users = m_users;
    m_users.clear();
    endResetModel();
    for (auto it = users.crbegin(); it != users.crend(); ++it) {
        UserSettings *user = *it;
        if (user->id() != current) {
            qDebug().noquote() << tr("User deleted %1").arg(user->jsonKey())
                               << QStringLiteral("#%1").arg(user->id(), 2, 10, QLatin1Char('0'));
            const Protocol::SenderScope scope = refusalsComeHere(user->jsonKey());
            user->deleteFromDevice();
        }
        user->deleteLater();
    }
}

void UserModel::writeAllToDevice()
{
    m_writeQueue.clear();
    for (UserSettings *user : qAsConst(m_users))
        if (user->id() != 0)
            m_writeQueue.append(user);
    for (UserSettings *user : qAsConst(m_users)) {
        if (user->id() == 0) {
            m_writeQueue.append(user);
            break;
        }
    }
    writeNextQueued();
}

// One user per call; the timer brings the next one, so the window keeps running
// between users.
void UserModel::writeNextQueued()
{
    while (!m_writeQueue.isEmpty()) {
        const QPointer<UserSettings> user = m_writeQueue.takeFirst();
        if (!user || !m_users.contains(user.data()))
            continue; // removed meanwhile
        user->setWriteFlag(true);
        user->writeToDevice();
        break;
    }
    if (!m_writeQueue.isEmpty()) {
        m_writeTimer.start(WritePaceMs);
        return;
    }
    if (m_users.size() == maxUsers())
        emit maxCount();
    emit writeAllFinished();
}

void UserModel::storeIfViewing()
{
    if (isViewing())
        storeToFile();
}

void UserModel::userSettings(quint8 id, const s_ExtMemDataUser &record)
{
    emit maxCount();
    const auto *bytes = reinterpret_cast<const quint8 *>(&record);
    const bool sealed = crc32Stm(bytes, UserSettings::CrcAt) ==
                        qFromLittleEndian<quint32>(bytes + UserSettings::CrcAt);
    if (!sealed) {
        logWarning(this, QStringLiteral("User settings broken"));
    } else if (UserSettings *user = userById(id)) {
        user->setRecord(record);
        emit dataChanged(index(0, 0), index(m_users.size() - 1, ColumnCount - 1));
        return;
    } else {
        logTrace(this, QStringLiteral("User added"));
        beginInsertRows(QModelIndex(), m_users.size(), m_users.size());
        m_users.append(new UserSettings(protocol(), id, record));
        endInsertRows();
    }
    if (id == maxUsers() - 1)
        emit maxCount();
}

QJsonValue UserModel::toJson() const
{
    QJsonArray array;
    for (const UserSettings *user : m_users)
        array.append(user->toJson());
    return array;
}

QList<int> UserModel::takenElements(const QJsonArray &array, int formatVersion, bool warn) const
{
    const QLatin1String idKey(formatVersion == 1 ? "Id" : "id");
    const int limit = maxUsers();
    QList<int> taken;
    QSet<int> ids;
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject object = array.at(i).toObject();
        const double id = object.value(idKey).toDouble();
        QString fault;
        if (taken.size() >= limit)
            fault = QStringLiteral("the limit of %1 users is reached").arg(limit);
        else if (!(id >= 0 && id < limit) || id != double(int(id)))
            fault = QStringLiteral("its id %1 is out of range").arg(id);
        else if (ids.contains(int(id)))
            fault = QStringLiteral("its id %1 is taken already").arg(int(id));
        if (fault.isEmpty()) {
            taken.append(i);
            ids.insert(int(id));
        } else if (warn) {
            logWarning(const_cast<UserModel *>(this),
                       QStringLiteral("User %1 \"%2\" skipped: %3")
                           .arg(i + 1)
                           .arg(elementName(object, formatVersion).left(100), fault));
        }
    }
    return taken;
}

QList<int> UserModel::acceptedIds(const QJsonValue &value, int formatVersion) const
{
    const QLatin1String idKey(formatVersion == 1 ? "Id" : "id");
    const QJsonArray array = value.toArray();
    QList<int> ids;
    for (int i : takenElements(array, formatVersion, false))
        ids.append(array.at(i).toObject().value(idKey).toInt());
    return ids;
}

bool UserModel::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isArray())
        return false;
    deleteAllUsers();
    Overmind *overmind = Overmind::instance();
    if (formatVersion == 1 && overmind && overmind->iButtonModel())
        overmind->iButtonModel()->clear();
    const QJsonArray array = value.toArray();
    for (int i : takenElements(array, formatVersion, true)) {
        auto *user = new UserSettings(protocol(), quint8(i & 0xFF));
        user->fromJson(array.at(i).toObject(), formatVersion);
        beginInsertRows(QModelIndex(), m_users.size(), m_users.size());
        m_users.append(user);
        endInsertRows();
    }
    qDebug().noquote() << tr("%1 users added from JSON").arg(m_users.size());
    return true;
}
