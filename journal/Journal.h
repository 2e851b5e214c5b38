#pragma once

#include <QAbstractTableModel>

// The communicator's event journal.
class Journal : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit Journal(QObject *parent = nullptr) : QAbstractTableModel(parent) {}
    int rowCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    int columnCount(const QModelIndex & = QModelIndex()) const override { return 0; }
    QVariant data(const QModelIndex &, int = Qt::DisplayRole) const override { return {}; }

signals:
    // A journal read runs between these two; the update page waits meanwhile.
    void loadingStarted();
    void loadingFinished();
};
