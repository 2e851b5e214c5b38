#pragma once

#include "app/Storable.h"

#include <QAbstractTableModel>
#include <QJsonArray>

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
};
