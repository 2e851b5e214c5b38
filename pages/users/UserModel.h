#pragma once

#include "app/Storable.h"
#include "pages/users/UserSettings.h"

#include <QAbstractTableModel>
#include <QJsonArray>
#include <QList>

// The communicator's users.
class UserModel : public QAbstractTableModel, public Storable
{
    Q_OBJECT
public:
    explicit UserModel(Protocol *protocol, QObject *parent = nullptr)
        : QAbstractTableModel(parent), Storable(protocol)
    {
    }
    int rowCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    int columnCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    QVariant data(const QModelIndex &, int = Qt::DisplayRole) const override { return {}; }

    QString jsonKey() const override { return QStringLiteral("Users"); }
    void writeToDevice() override {}
    QJsonValue toJson() const override { return QJsonArray(); }
    bool fromJson(const QJsonValue &value, int) override { return value.isArray(); }

    // Writes every user, the others first and user 0 last; empties the model and deletes
    // from the device every user but the logged-in one. The users page fills these in.
    void writeAllToDevice() {}
    void deleteAllUsers() {}

    QList<UserSettings *> users() const { return m_users; }
    UserSettings *userById(quint8 id) const
    {
        for (UserSettings *user : m_users)
            if (user->id() == id)
                return user;
        return nullptr;
    }
    // Takes ownership.
    void addUser(UserSettings *user)
    {
        user->setParent(this);
        m_users.append(user);
    }

signals:
    // The list of users changed.
    void signalUpdateUserList();

private:
    QList<UserSettings *> m_users;
};
