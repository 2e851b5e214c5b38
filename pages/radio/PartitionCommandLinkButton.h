#pragma once

#include "radio/Sensor.h"

#include <QList>
#include <QPointer>
#include <QPushButton>

#include "radio/Partition.h"
class PartitionModel;
class QMimeData;

// The button of one partition in the partition list of the devices tab; at most one
// of them is on. Radio devices dragged from a partition's card list onto the button of a
// regular partition move there.
class PartitionCommandLinkButton : public QPushButton
{
    Q_OBJECT
public:
    PartitionCommandLinkButton(Partition *partition, PartitionModel *model,
                               QWidget *parent = nullptr);

    Partition *partition() const { return m_partition; }
    PartitionModel *model() const;

    static QString partitionStateIconPath(quint16 state);
    // The live devices a drop payload names; keys of no listed device are left out.
    static QList<Sensor::SPtr> droppedDevices(const QMimeData *data, const PartitionModel *model);
    // Moves the devices a payload of our own device lists names into this button's
    // partition; how many moved.
    int dropDevices(const QMimeData *data);
    // Whether a drag of that payload from that list view would be taken here.
    bool acceptsDragFrom(const QMimeData *data, const QObject *source) const;

public slots:
    void statusUpdated();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool isMoveTarget() const;

    QPointer<Partition> m_partition;
    QPointer<PartitionModel> m_model;
};
