#include "journal/ToolTipFilter.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>

bool ToolTipFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto *view = qobject_cast<QAbstractItemView *>(watched ? watched->parent() : nullptr);
    if (!view || !view->model())
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = view->indexAt(help->pos());
    if (!index.isValid())
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString tip = index.data(Qt::ToolTipRole).toString();
    const QRect rect = view->visualRect(index);
    const int width = QFontMetrics(view->font()).horizontalAdvance(text);
    if (rect.width() < width && !tip.isEmpty())
        QToolTip::showText(help->globalPos(), tip, view, rect);
    else
        QToolTip::hideText();
    return true;
}
