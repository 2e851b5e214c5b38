#pragma once

#include "app/Storable.h"

#include <QAbstractListModel>
#include <QJsonObject>

// Partitions, radio devices, the wired loop and the local outputs of the communicator.
class PartitionModel : public QAbstractListModel, public Storable
{
    Q_OBJECT
public:
    explicit PartitionModel(Protocol *protocol, QObject *parent = nullptr)
        : QAbstractListModel(parent), Storable(protocol)
    {
    }
    int rowCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    QVariant data(const QModelIndex &, int = Qt::DisplayRole) const override { return {}; }

    QString jsonKey() const override { return QStringLiteral("Partition"); }
    void writeToDevice() override {}
    QJsonValue toJson() const override { return QJsonObject(); }
    bool fromJson(const QJsonValue &value, int) override { return value.isObject(); }
};
