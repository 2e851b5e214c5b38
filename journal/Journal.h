#pragma once

#include <QAbstractTableModel>

// Position of an entry in the device's journal ring.
using EventIdx = quint16;

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

public:
    // The journal line of an event: its number, then what the journal knows of it.
    static QString eventText(EventIdx idx, int number)
    {
        Q_UNUSED(idx)
        return QString::number(number + 1);
    }
};
