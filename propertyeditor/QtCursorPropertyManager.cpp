#include "propertyeditor/QtCursorPropertyManager.h"

#include "propertyeditor/QtCursorDatabase.h"

#include <QMap>

Q_GLOBAL_STATIC(QtCursorDatabase, cursorDatabase)

class QtCursorPropertyManagerPrivate
{
public:
    QtCursorPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QCursor> values;
};

QtCursorPropertyManager::QtCursorPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtCursorPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtCursorPropertyManager::~QtCursorPropertyManager()
{
    clear();
    delete d_ptr;
}

QCursor QtCursorPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QCursor());
}

QString QtCursorPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : cursorDatabase()->nameOf(*it);
}

QIcon QtCursorPropertyManager::valueIcon(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QIcon() : cursorDatabase()->iconOf(*it);
}

void QtCursorPropertyManager::setValue(QtProperty *property, const QCursor &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    // Bitmap cursors cannot be compared by shape, so they always count as new.
    if (it->shape() == val.shape() && val.shape() != Qt::BitmapCursor)
        return;
    *it = val;
    const QCursor cursor = val;
    emit propertyChanged(property);
    emit valueChanged(property, cursor);
}

void QtCursorPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QCursor();
}

void QtCursorPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
