#include "propertyeditor/QtTimePropertyManager.h"

#include <QLocale>
#include <QMap>

class QtTimePropertyManagerPrivate
{
public:
    QtTimePropertyManager *q_ptr = nullptr;
    QString format;
    QMap<const QtProperty *, QTime> values;
};

QtTimePropertyManager::QtTimePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtTimePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->format = QLocale().timeFormat(QLocale::ShortFormat);
}

QtTimePropertyManager::~QtTimePropertyManager()
{
    clear();
    delete d_ptr;
}

QTime QtTimePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QTime());
}

QString QtTimePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return it->toString(d_ptr->format);
}

void QtTimePropertyManager::setValue(QtProperty *property, const QTime &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtTimePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QTime::currentTime();
}

void QtTimePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
