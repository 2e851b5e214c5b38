#pragma once

#include "app/Storable.h"

#include <QAbstractTableModel>
#include <QJsonArray>

// The iButton key table.
class IButtonModel : public QAbstractTableModel, public virtual Storable
{
    Q_OBJECT
public:
    IButtonModel(Protocol *protocol, QObject *parent = nullptr, int mode = 1)
        : Storable(protocol), QAbstractTableModel(parent), m_mode(mode)
    {
    }
    int rowCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    int columnCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    QVariant data(const QModelIndex &, int = Qt::DisplayRole) const override { return {}; }

    QString jsonKey() const override { return QStringLiteral("iButton"); }
    void writeToDevice() override {}
    QJsonValue toJson() const override { return QJsonArray(); }
    bool fromJson(const QJsonValue &value, int) override { return value.isArray(); }
    void clear() {}

private:
    int m_mode;
};
