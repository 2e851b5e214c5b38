#include "propertyeditor/QtBrowserItem.h"

class QtBrowserItemPrivate
{
public:
    QtBrowserItemPrivate(QtAbstractPropertyBrowser *b, QtProperty *p, QtBrowserItem *up)
        : browser(b), property(p), parent(up)
    {
    }

    QtAbstractPropertyBrowser *browser;
    QtProperty *property;
    QtBrowserItem *parent;
    QtBrowserItem *q_ptr = nullptr;
    QList<QtBrowserItem *> children;
};

QtBrowserItem::QtBrowserItem(QtAbstractPropertyBrowser *browser, QtProperty *property,
                             QtBrowserItem *parent)
    : d_ptr(new QtBrowserItemPrivate(browser, property, parent))
{
    d_ptr->q_ptr = this;
}

QtBrowserItem::~QtBrowserItem()
{
    delete d_ptr;
}

QtProperty *QtBrowserItem::property() const
{
    return d_ptr->property;
}
QtBrowserItem *QtBrowserItem::parent() const
{
    return d_ptr->parent;
}
QList<QtBrowserItem *> QtBrowserItem::children() const
{
    return d_ptr->children;
}
QtAbstractPropertyBrowser *QtBrowserItem::browser() const
{
    return d_ptr->browser;
}

void QtBrowserItem::insertChild(int index, QtBrowserItem *child)
{
    d_ptr->children.insert(index, child);
}

void QtBrowserItem::takeChild(QtBrowserItem *child)
{
    d_ptr->children.removeAll(child);
}
