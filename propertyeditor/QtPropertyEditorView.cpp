#include "propertyeditor/QtPropertyEditorView.h"

#include "propertyeditor/QtTreePropertyBrowserPrivate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

QtPropertyEditorView::QtPropertyEditorView(QWidget *parent) : QTreeWidget(parent)
{
    connect(header(), SIGNAL(sectionDoubleClicked(int)), this, SLOT(resizeColumnToContents(int)));
}

void QtPropertyEditorView::setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate)
{
    m_editorPrivate = editorPrivate;
}

bool QtPropertyEditorView::rowIsEditable(QTreeWidgetItem *item) const
{
    const Qt::ItemFlags needed = Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return item && (item->flags() & needed) == needed;
}

void QtPropertyEditorView::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    if (m_editorPrivate) {
        QTreeWidgetItem *item = m_editorPrivate->indexToItem(index);
        if (!m_editorPrivate->hasValue(item) && m_editorPrivate->markPropertiesWithoutValue()) {
            const QColor dark = option.palette.color(QPalette::Dark);
            painter->fillRect(option.rect, dark);
            opt.palette.setColor(QPalette::AlternateBase, dark);
        } else {
            const QColor color = m_editorPrivate->effectiveBackgroundColor(
                m_editorPrivate->indexToBrowserItem(index));
            if (color.isValid()) {
                painter->fillRect(option.rect, color);
                opt.palette.setColor(QPalette::AlternateBase, color.lighter(112));
            }
        }
    }
    QTreeWidget::drawRow(painter, opt, index);

    const QColor gridColor =
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &opt, this));
    painter->save();
    painter->setPen(QPen(gridColor));
    painter->drawLine(opt.rect.x(), opt.rect.bottom(), opt.rect.right(), opt.rect.bottom());
    painter->restore();
}

void QtPropertyEditorView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_editorPrivate && !m_editorPrivate->editedItem()) {
            QTreeWidgetItem *item = currentItem();
            if (item && item->columnCount() >= 2 && rowIsEditable(item)) {
                event->accept();
                QModelIndex index = currentIndex();
                if (index.column() == 0) {
                    index = index.sibling(index.row(), 1);
                    setCurrentIndex(index);
                }
                edit(index);
                return;
            }
        }
        break;
    default:
        break;
    }
    QTreeWidget::keyPressEvent(event);
}

void QtPropertyEditorView::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (!m_editorPrivate)
        return;
    QTreeWidgetItem *item = itemAt(event->pos());
    if (!item)
        return;
    if (item != m_editorPrivate->editedItem() && event->button() == Qt::LeftButton &&
        header()->logicalIndexAt(event->pos().x()) == 1 && rowIsEditable(item)) {
        editItem(item, 1);
    } else if (!m_editorPrivate->hasValue(item) && m_editorPrivate->markPropertiesWithoutValue() &&
               !rootIsDecorated()) {
        if (event->pos().x() + header()->offset() < 20)
            item->setExpanded(!item->isExpanded());
    }
}
