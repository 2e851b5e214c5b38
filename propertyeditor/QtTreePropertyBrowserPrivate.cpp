#include "propertyeditor/QtTreePropertyBrowserPrivate.h"

#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtPropertyEditorDelegate.h"
#include "propertyeditor/QtPropertyEditorView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOption>

QtTreePropertyBrowserPrivate::QtTreePropertyBrowserPrivate(QtTreePropertyBrowser *browser)
    : q_ptr(browser)
{
}

void QtTreePropertyBrowserPrivate::init(QWidget *parent)
{
    auto *layout = new QHBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    treeWidget = new QtPropertyEditorView(parent);
    treeWidget->setEditorPrivate(this);
    treeWidget->setIconSize(QSize(18, 18));
    layout->addWidget(treeWidget);
    parent->setFocusProxy(treeWidget);

    treeWidget->setColumnCount(3);
    treeWidget->setHeaderLabels({QtTreePropertyBrowser::tr("Property"),
                                 QtTreePropertyBrowser::tr("Value"),
                                 QtTreePropertyBrowser::tr("Help")});
    treeWidget->setAlternatingRowColors(false);
    treeWidget->setEditTriggers(QAbstractItemView::EditKeyPressed);

    delegate = new QtPropertyEditorDelegate(parent);
    delegate->setEditorPrivate(this);
    treeWidget->setItemDelegate(delegate);

    QHeaderView *header = treeWidget->header();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    header->resizeSection(2, 10);
    header->setStretchLastSection(false);

    expandIcon = branchIndicatorIcon(q_ptr->palette(), q_ptr->style());
    helpIcon = QIcon(QStringLiteral(":/images/help.png"));

    QObject::connect(treeWidget, SIGNAL(collapsed(const QModelIndex &)), q_ptr,
                     SLOT(slotCollapsed(const QModelIndex &)));
    QObject::connect(treeWidget, SIGNAL(expanded(const QModelIndex &)), q_ptr,
                     SLOT(slotExpanded(const QModelIndex &)));
    QObject::connect(treeWidget, SIGNAL(currentItemChanged(QTreeWidgetItem *, QTreeWidgetItem *)),
                     q_ptr, SLOT(slotCurrentTreeItemChanged(QTreeWidgetItem *, QTreeWidgetItem *)));
}

QIcon QtTreePropertyBrowserPrivate::branchIndicatorIcon(const QPalette &palette, QStyle *style)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QStyleOption option;
    option.rect = QRect(2, 2, 9, 9);
    option.palette = palette;
    option.state = QStyle::State_Children;

    QPainter painter(&pixmap);
    style->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter);
    painter.end();
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal, QIcon::Off);
    icon.addPixmap(pixmap, QIcon::Selected, QIcon::Off);

    pixmap.fill(Qt::transparent);
    option.state |= QStyle::State_Open;
    painter.begin(&pixmap);
    style->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter);
    painter.end();
    icon.addPixmap(pixmap, QIcon::Normal, QIcon::On);
    icon.addPixmap(pixmap, QIcon::Selected, QIcon::On);
    return icon;
}

QtProperty *QtTreePropertyBrowserPrivate::indexToProperty(const QModelIndex &index) const
{
    QtBrowserItem *item = indexToBrowserItem(index);
    return item ? item->property() : nullptr;
}

QtBrowserItem *QtTreePropertyBrowserPrivate::indexToBrowserItem(const QModelIndex &index) const
{
    return treeItemToIndex.value(indexToItem(index));
}

QTreeWidgetItem *QtTreePropertyBrowserPrivate::indexToItem(const QModelIndex &index) const
{
    return index.isValid() ? treeWidget->indexToItem(index) : nullptr;
}

QtProperty *QtTreePropertyBrowserPrivate::itemToProperty(QTreeWidgetItem *item) const
{
    QtBrowserItem *browserItem = treeItemToIndex.value(item);
    return browserItem ? browserItem->property() : nullptr;
}

bool QtTreePropertyBrowserPrivate::lastColumn(int column) const
{
    return treeWidget->header()->visualIndex(column) == treeWidget->columnCount() - 1;
}

QTreeWidgetItem *QtTreePropertyBrowserPrivate::editedItem() const
{
    return delegate ? delegate->editedItem() : nullptr;
}

bool QtTreePropertyBrowserPrivate::hasValue(QTreeWidgetItem *item) const
{
    QtProperty *property = itemToProperty(item);
    return property && property->hasValue();
}

QWidget *QtTreePropertyBrowserPrivate::createEditor(QtProperty *property, QWidget *parent) const
{
    return q_ptr->createEditor(property, parent);
}

QColor QtTreePropertyBrowserPrivate::effectiveBackgroundColor(QtBrowserItem *item) const
{
    for (QtBrowserItem *i = item; i; i = i->parent()) {
        auto it = backgroundColors.constFind(i);
        if (it != backgroundColors.constEnd())
            return it.value();
    }
    return QColor();
}

void QtTreePropertyBrowserPrivate::propertyInserted(QtBrowserItem *item, QtBrowserItem *afterItem)
{
    QTreeWidgetItem *afterTreeItem = indexToTreeItem.value(afterItem);
    QTreeWidgetItem *parentTreeItem = indexToTreeItem.value(item->parent());

    QTreeWidgetItem *treeItem = parentTreeItem ? new QTreeWidgetItem(parentTreeItem, afterTreeItem)
                                               : new QTreeWidgetItem(treeWidget, afterTreeItem);
    indexToTreeItem[item] = treeItem;
    treeItemToIndex[treeItem] = item;
    treeItem->setFlags(treeItem->flags() | Qt::ItemIsEditable);
    treeItem->setExpanded(true);
    updateItem(treeItem);
}

void QtTreePropertyBrowserPrivate::propertyRemoved(QtBrowserItem *item)
{
    QTreeWidgetItem *treeItem = indexToTreeItem.value(item);
    if (treeItem && treeWidget->currentItem() == treeItem)
        treeWidget->setCurrentItem(nullptr);
    if (treeItem && delegate->editedItem() == treeItem)
        delegate->forgetEditedItem();
    delete treeItem;
    indexToTreeItem.remove(item);
    treeItemToIndex.remove(treeItem);
    backgroundColors.remove(item);
}

void QtTreePropertyBrowserPrivate::propertyChanged(QtBrowserItem *item)
{
    if (QTreeWidgetItem *treeItem = indexToTreeItem.value(item))
        updateItem(treeItem);
}

void QtTreePropertyBrowserPrivate::refreshValuelessRows()
{
    for (auto it = treeItemToIndex.cbegin(); it != treeItemToIndex.cend(); ++it) {
        if (!it.value()->property()->hasValue())
            updateItem(it.key());
    }
}

void QtTreePropertyBrowserPrivate::updateItem(QTreeWidgetItem *item)
{
    QtProperty *property = itemToProperty(item);
    if (!property)
        return;
    const bool hasValue = property->hasValue();
    QIcon fallbackIcon;
    if (hasValue) {
        const QString displayText = property->displayText();
        item->setIcon(1, property->valueIcon());
        item->setText(1, displayText.isEmpty() ? property->valueText() : displayText);
    } else if (markWithoutValue && !treeWidget->rootIsDecorated()) {
        fallbackIcon = expandIcon;
    }
    const QIcon ownIcon = property->propertyIcon();
    item->setIcon(0, ownIcon.isNull() ? fallbackIcon : ownIcon);
    // Setting the span lays out the whole tree again; most rows never change it.
    if (item->isFirstColumnSpanned() == hasValue)
        item->setFirstColumnSpanned(!hasValue);
    item->setToolTip(0, property->propertyName());
    item->setStatusTip(0, property->statusTip());
    item->setWhatsThis(0, property->whatsThis());
    item->setText(0, property->propertyName());
    item->setToolTip(1, property->valueText());
    item->setIcon(2, helpIcon);
    item->setToolTip(2, property->helpText());

    const bool wasEnabled = item->flags() & Qt::ItemIsEnabled;
    QTreeWidgetItem *parent = item->parent();
    const bool shouldBeEnabled =
        property->isEnabled() && (!parent || (parent->flags() & Qt::ItemIsEnabled));
    if (wasEnabled != shouldBeEnabled) {
        if (shouldBeEnabled)
            enableItem(item);
        else
            disableItem(item);
    }
    treeWidget->viewport()->update();
}

void QtTreePropertyBrowserPrivate::disableItem(QTreeWidgetItem *item) const
{
    // The tree widget clears the enabled flag of children on its own, so walk the whole
    // branch regardless: an editor open anywhere below must close as well.
    if (item->flags() & Qt::ItemIsEnabled)
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    if (QtProperty *property = itemToProperty(item))
        delegate->closeEditor(property);
    for (int i = 0; i < item->childCount(); ++i)
        disableItem(item->child(i));
}

void QtTreePropertyBrowserPrivate::enableItem(QTreeWidgetItem *item) const
{
    item->setFlags(item->flags() | Qt::ItemIsEnabled);
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem *child = item->child(i);
        QtProperty *property = itemToProperty(child);
        if (property && property->isEnabled())
            enableItem(child);
        else if (child->flags() & Qt::ItemIsEnabled)
            child->setFlags(child->flags() & ~Qt::ItemIsEnabled);
    }
}

void QtTreePropertyBrowserPrivate::slotCurrentBrowserItemChanged(QtBrowserItem *item)
{
    if (browserChangedBlocked)
        return;
    if (item == treeItemToIndex.value(treeWidget->currentItem()))
        return;
    const bool blocked = treeWidget->blockSignals(true);
    treeWidget->setCurrentItem(indexToTreeItem.value(item));
    treeWidget->blockSignals(blocked);
}

void QtTreePropertyBrowserPrivate::slotCurrentTreeItemChanged(QTreeWidgetItem *current)
{
    browserChangedBlocked = true;
    q_ptr->setCurrentItem(treeItemToIndex.value(current));
    browserChangedBlocked = false;
}
