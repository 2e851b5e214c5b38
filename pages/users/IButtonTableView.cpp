#include "pages/users/IButtonTableView.h"

#include <QItemSelectionModel>
#include <QMouseEvent>

IButtonTableView::IButtonTableView(QWidget *parent) : QTableView(parent) {}

void IButtonTableView::reportSelection()
{
    if (selectionModel() && !selectionModel()->selectedRows().isEmpty())
        emit selected();
}

void IButtonTableView::keyPressEvent(QKeyEvent *event)
{
    QTableView::keyPressEvent(event);
    reportSelection();
}

void IButtonTableView::mouseMoveEvent(QMouseEvent *event)
{
    QTableView::mouseMoveEvent(event);
    reportSelection();
}

void IButtonTableView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex cell = indexAt(event->pos());
    if (cell.isValid() && event->button() == Qt::LeftButton &&
        editTriggers() != QAbstractItemView::NoEditTriggers)
        edit(cell);
    QTableView::mousePressEvent(event);
}
