#pragma once

#include <QListView>
#include <QModelIndexList>
#include <QPoint>

// The card list of radio devices; it remembers where a drag began and which rows it
// carries, so that the card delegate can paint a compact drag preview.
class SensorListView : public QListView
{
    Q_OBJECT
public:
    explicit SensorListView(QWidget *parent = nullptr);

    QPoint dragStartPosition() const { return m_dragStartPosition; }
    QModelIndexList draggedIndexes() const { return m_draggedIndexes; }
    QRect rectForIndex(const QModelIndex &index) const { return QListView::rectForIndex(index); }
    void clearDraggedIndexes() { m_draggedIndexes.clear(); }
    // What startDrag keeps of a starting drag; position in view coordinates.
    void noteDragStart(const QPoint &position, const QModelIndexList &indexes);

protected:
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QPoint m_dragStartPosition;
    QModelIndexList m_draggedIndexes;
};
