#include "propertyeditor/QtTreePropertyBrowser.h"

#include "propertyeditor/QtPropertyEditorDelegate.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtTreePropertyBrowserPrivate.h"

#include <QHeaderView>

QtTreePropertyBrowser::QtTreePropertyBrowser(QWidget *parent)
    : QtAbstractPropertyBrowser(parent), d_ptr(new QtTreePropertyBrowserPrivate(this))
{
    d_ptr->init(this);
    connect(this, SIGNAL(currentItemChanged(QtBrowserItem *)), this,
            SLOT(slotCurrentBrowserItemChanged(QtBrowserItem *)));
}

QtTreePropertyBrowser::~QtTreePropertyBrowser()
{
    // The view and delegate outlive this object a little (they are children): nothing
    // they do while being torn down may reach the state deleted here.
    QObject::disconnect(d_ptr->treeWidget, nullptr, this, nullptr);
    d_ptr->treeWidget->setEditorPrivate(nullptr);
    d_ptr->delegate->setEditorPrivate(nullptr);
    delete d_ptr;
}

int QtTreePropertyBrowser::indentation() const
{
    return d_ptr->treeWidget->indentation();
}
void QtTreePropertyBrowser::setIndentation(int i)
{
    d_ptr->treeWidget->setIndentation(i);
}
bool QtTreePropertyBrowser::rootIsDecorated() const
{
    return d_ptr->treeWidget->rootIsDecorated();
}

void QtTreePropertyBrowser::setRootIsDecorated(bool show)
{
    d_ptr->treeWidget->setRootIsDecorated(show);
    d_ptr->refreshValuelessRows();
}

bool QtTreePropertyBrowser::alternatingRowColors() const
{
    return d_ptr->treeWidget->alternatingRowColors();
}

void QtTreePropertyBrowser::setAlternatingRowColors(bool enable)
{
    d_ptr->treeWidget->setAlternatingRowColors(enable);
}

bool QtTreePropertyBrowser::isHeaderVisible() const
{
    return d_ptr->headerVisible;
}

void QtTreePropertyBrowser::setHeaderVisible(bool visible)
{
    if (d_ptr->headerVisible == visible)
        return;
    d_ptr->headerVisible = visible;
    d_ptr->treeWidget->header()->setVisible(visible);
}

QtTreePropertyBrowser::ResizeMode QtTreePropertyBrowser::resizeMode() const
{
    return d_ptr->resizeMode;
}

void QtTreePropertyBrowser::setResizeMode(ResizeMode mode)
{
    if (d_ptr->resizeMode == mode)
        return;
    d_ptr->resizeMode = mode;
    QHeaderView::ResizeMode headerMode = QHeaderView::Stretch;
    switch (mode) {
    case Interactive:
        headerMode = QHeaderView::Interactive;
        break;
    case Fixed:
        headerMode = QHeaderView::Fixed;
        break;
    case ResizeToContents:
        headerMode = QHeaderView::ResizeToContents;
        break;
    case Stretch:
        break;
    }
    d_ptr->treeWidget->header()->setSectionResizeMode(headerMode);
}

int QtTreePropertyBrowser::splitterPosition() const
{
    return d_ptr->treeWidget->header()->sectionSize(0);
}

void QtTreePropertyBrowser::setSplitterPosition(int position)
{
    d_ptr->treeWidget->header()->resizeSection(0, position);
}

bool QtTreePropertyBrowser::propertiesWithoutValueMarked() const
{
    return d_ptr->markWithoutValue;
}

void QtTreePropertyBrowser::setPropertiesWithoutValueMarked(bool mark)
{
    if (d_ptr->markWithoutValue == mark)
        return;
    d_ptr->markWithoutValue = mark;
    d_ptr->refreshValuelessRows();
    d_ptr->treeWidget->viewport()->update();
}

void QtTreePropertyBrowser::setBackgroundColor(QtBrowserItem *item, const QColor &color)
{
    if (!d_ptr->indexToTreeItem.contains(item))
        return;
    if (color.isValid())
        d_ptr->backgroundColors[item] = color;
    else
        d_ptr->backgroundColors.remove(item);
    d_ptr->treeWidget->viewport()->update();
}

QColor QtTreePropertyBrowser::backgroundColor(QtBrowserItem *item) const
{
    return d_ptr->backgroundColors.value(item);
}

void QtTreePropertyBrowser::setExpanded(QtBrowserItem *item, bool expanded)
{
    if (QTreeWidgetItem *treeItem = d_ptr->indexToTreeItem.value(item))
        treeItem->setExpanded(expanded);
}

bool QtTreePropertyBrowser::isExpanded(QtBrowserItem *item) const
{
    QTreeWidgetItem *treeItem = d_ptr->indexToTreeItem.value(item);
    return treeItem && treeItem->isExpanded();
}

void QtTreePropertyBrowser::itemInserted(QtBrowserItem *item, QtBrowserItem *afterItem)
{
    d_ptr->propertyInserted(item, afterItem);
}

void QtTreePropertyBrowser::itemRemoved(QtBrowserItem *item)
{
    d_ptr->propertyRemoved(item);
}
void QtTreePropertyBrowser::itemChanged(QtBrowserItem *item)
{
    d_ptr->propertyChanged(item);
}

void QtTreePropertyBrowser::slotCollapsed(const QModelIndex &index)
{
    if (QtBrowserItem *item = d_ptr->indexToBrowserItem(index))
        emit collapsed(item);
}

void QtTreePropertyBrowser::slotExpanded(const QModelIndex &index)
{
    if (QtBrowserItem *item = d_ptr->indexToBrowserItem(index))
        emit expanded(item);
}

void QtTreePropertyBrowser::slotCurrentBrowserItemChanged(QtBrowserItem *item)
{
    d_ptr->slotCurrentBrowserItemChanged(item);
}

void QtTreePropertyBrowser::slotCurrentTreeItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *)
{
    d_ptr->slotCurrentTreeItemChanged(current);
}
