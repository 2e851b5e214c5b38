#pragma once

#include "app/Storable.h"
#include "pages/users/UserSettings.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QTimer>

// The communicator's users: the one list every page looks users up in, the table of the
// users page and the "Users" section of the configuration file.
class UserModel : public QAbstractTableModel, public Storable
{
    Q_OBJECT
public:
    enum Column
    {
        IndexColumn,
        NameColumn,
        LoginColumn,
        PhoneColumn,
        KeychainsColumn,
        KeysColumn,
        ColumnCount
    };
    // Gap between two users of a whole-configuration write, so the device keeps up.
    static constexpr int WritePaceMs = 100;

    explicit UserModel(Protocol *protocol, QObject *parent = nullptr);
    ~UserModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Users"); }

    QList<UserSettings *> users() const { return m_users; }
    UserSettings *userById(quint8 id) const;
    int adminCount() const;
    int firstFreeId() const;
    UserSettings *addUser(UserSettings *user);
    bool removeUsers(const QModelIndexList &indexes);
    void deleteAllUsers();
    // Writes every user, user 0 last, one per WritePaceMs; returns at once.
    void writeAllToDevice();
    bool isWritingAll() const { return !m_writeQueue.isEmpty(); }
    // The ids of a "Users" section this model would take: elements with a bad, repeated
    // or surplus id are skipped.
    QList<int> acceptedIds(const QJsonValue &value, int formatVersion) const;

public slots:
    void userSettings(quint8 id, const s_ExtMemDataUser &record);

signals:
    void maxCount();
    void signalUpdateUserList();
    void signalUpdateSettings();
    void userPhoneUpdate(int id, const QString &phone);
    // The paced write of writeAllToDevice has sent its last user.
    void writeAllFinished();

private:
    int maxUsers() const;
    void writeNextQueued();
    void storeIfViewing();
    // Index of each element the model takes, with a warning for each it skips.
    QList<int> takenElements(const QJsonArray &array, int formatVersion, bool warn) const;

    QList<UserSettings *> m_users;
    QList<QPointer<UserSettings>> m_writeQueue;
    QTimer m_writeTimer;
};
