#include "propertyeditor/ConstrainedEnumPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>

class ConstrainedEnumPropertyManagerPrivate
{
public:
    QMap<const QtProperty *, QVector<int>> shownIndexes;
    QMap<const QtProperty *, QVector<int>> enumValues;
};

ConstrainedEnumPropertyManager::ConstrainedEnumPropertyManager(QObject *parent)
    : QtEnumPropertyManager(parent), d_ptr(new ConstrainedEnumPropertyManagerPrivate)
{
    // Lists of deleted properties are dropped so a new property at the same address
    // starts without them.
    connect(this, &QtAbstractPropertyManager::propertyDestroyed, this, [this](QtProperty *p) {
        d_ptr->shownIndexes.remove(p);
        d_ptr->enumValues.remove(p);
    });
}

ConstrainedEnumPropertyManager::~ConstrainedEnumPropertyManager()
{
    clear();
    delete d_ptr;
    d_ptr = nullptr;
}

void ConstrainedEnumPropertyManager::setEnumValues(QtProperty *property, const QVector<int> &values)
{
    QVector<int> offered(values.size());
    for (int i = 0; i < offered.size(); ++i)
        offered[i] = i;
    d_ptr->enumValues[property] = values;
    d_ptr->shownIndexes[property] = offered;
}

QVector<int> &ConstrainedEnumPropertyManager::enumValues(QtProperty *property)
{
    return d_ptr->enumValues[property];
}

QVector<int> ConstrainedEnumPropertyManager::shownIndexes(QtProperty *property) const
{
    return d_ptr->shownIndexes.value(property);
}
