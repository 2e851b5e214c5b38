#include "propertyeditor/QtCharPropertyManager.h"

#include <QMap>

class QtCharPropertyManagerPrivate
{
public:
    QtCharPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QChar> values;
};

QtCharPropertyManager::QtCharPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtCharPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtCharPropertyManager::~QtCharPropertyManager()
{
    clear();
    delete d_ptr;
}

QChar QtCharPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QChar());
}

QString QtCharPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return it->isNull() ? QString() : QString(*it);
}

void QtCharPropertyManager::setValue(QtProperty *property, const QChar &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtCharPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QChar();
}

void QtCharPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
