#include "pages/radio/SensorListView.h"

#include <QCursor>
#include <QItemSelectionModel>

SensorListView::SensorListView(QWidget *parent) : QListView(parent) {}

void SensorListView::noteDragStart(const QPoint &position, const QModelIndexList &indexes)
{
    m_dragStartPosition = position;
    m_draggedIndexes = indexes;
}

void SensorListView::startDrag(Qt::DropActions supportedActions)
{
    noteDragStart(mapFromGlobal(QCursor::pos()),
                  selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList());
    QListView::startDrag(supportedActions);
}
