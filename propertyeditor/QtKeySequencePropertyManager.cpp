#include "propertyeditor/QtKeySequencePropertyManager.h"

#include <QMap>

class QtKeySequencePropertyManagerPrivate
{
public:
    QtKeySequencePropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QKeySequence> values;
};

QtKeySequencePropertyManager::QtKeySequencePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtKeySequencePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtKeySequencePropertyManager::~QtKeySequencePropertyManager()
{
    clear();
    delete d_ptr;
}

QKeySequence QtKeySequencePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QKeySequence());
}

QString QtKeySequencePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return it->toString(QKeySequence::NativeText);
}

void QtKeySequencePropertyManager::setValue(QtProperty *property, const QKeySequence &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtKeySequencePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QKeySequence();
}

void QtKeySequencePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
