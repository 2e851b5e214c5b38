#pragma once

#include "propertyeditor/QtTreePropertyBrowser.h"

#include <QIcon>
#include <QMap>

class QtPropertyEditorView;
class QtPropertyEditorDelegate;
class QPalette;
class QStyle;

// State of a tree browser, shared with its view and delegate.
class QtTreePropertyBrowserPrivate
{
public:
    explicit QtTreePropertyBrowserPrivate(QtTreePropertyBrowser *browser);

    void init(QWidget *parent);
    void propertyInserted(QtBrowserItem *item, QtBrowserItem *afterItem);
    void propertyRemoved(QtBrowserItem *item);
    void propertyChanged(QtBrowserItem *item);
    void updateItem(QTreeWidgetItem *item);
    void enableItem(QTreeWidgetItem *item) const;
    void disableItem(QTreeWidgetItem *item) const;
    void refreshValuelessRows();

    QtProperty *indexToProperty(const QModelIndex &index) const;
    QtBrowserItem *indexToBrowserItem(const QModelIndex &index) const;
    QTreeWidgetItem *indexToItem(const QModelIndex &index) const;
    QtProperty *itemToProperty(QTreeWidgetItem *item) const;
    QColor effectiveBackgroundColor(QtBrowserItem *item) const;
    bool lastColumn(int column) const;
    bool markPropertiesWithoutValue() const { return markWithoutValue; }
    QTreeWidgetItem *editedItem() const;
    bool hasValue(QTreeWidgetItem *item) const;
    QWidget *createEditor(QtProperty *property, QWidget *parent) const;

    void slotCurrentBrowserItemChanged(QtBrowserItem *item);
    void slotCurrentTreeItemChanged(QTreeWidgetItem *current);

    static QIcon branchIndicatorIcon(const QPalette &palette, QStyle *style);

    QtTreePropertyBrowser *q_ptr;
    QMap<QtBrowserItem *, QTreeWidgetItem *> indexToTreeItem;
    QMap<QTreeWidgetItem *, QtBrowserItem *> treeItemToIndex;
    QMap<QtBrowserItem *, QColor> backgroundColors;
    QtPropertyEditorView *treeWidget = nullptr;
    bool headerVisible = true;
    QtTreePropertyBrowser::ResizeMode resizeMode = QtTreePropertyBrowser::Stretch;
    QtPropertyEditorDelegate *delegate = nullptr;
    bool markWithoutValue = false;
    bool browserChangedBlocked = false;
    QIcon expandIcon;
    QIcon helpIcon;
};
