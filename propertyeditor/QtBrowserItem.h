#pragma once

#include <QList>

class QtAbstractPropertyBrowser;
class QtProperty;
class QtBrowserItemPrivate;

// One appearance of a property in one browser; made and deleted by the browser only.
class QtBrowserItem
{
public:
    QtProperty *property() const;
    QtBrowserItem *parent() const;
    QList<QtBrowserItem *> children() const;
    QtAbstractPropertyBrowser *browser() const;

private:
    QtBrowserItem(QtAbstractPropertyBrowser *browser, QtProperty *property, QtBrowserItem *parent);
    ~QtBrowserItem();
    void insertChild(int index, QtBrowserItem *child);
    void takeChild(QtBrowserItem *child);

    friend class QtAbstractPropertyBrowserPrivate;
    friend class QtAbstractPropertyBrowser;
    QtBrowserItemPrivate *d_ptr;
    Q_DISABLE_COPY(QtBrowserItem)
};
