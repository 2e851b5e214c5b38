#include "propertyeditor/QtDateTimePropertyManager.h"

#include <QLocale>
#include <QMap>

class QtDateTimePropertyManagerPrivate
{
public:
    QtDateTimePropertyManager *q_ptr = nullptr;
    QString format;
    QMap<const QtProperty *, QDateTime> values;
};

QtDateTimePropertyManager::QtDateTimePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtDateTimePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    const QLocale locale;
    d_ptr->format = locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                    locale.timeFormat(QLocale::ShortFormat);
}

QtDateTimePropertyManager::~QtDateTimePropertyManager()
{
    clear();
    delete d_ptr;
}

QDateTime QtDateTimePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QDateTime());
}

QString QtDateTimePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return it->toString(d_ptr->format);
}

void QtDateTimePropertyManager::setValue(QtProperty *property, const QDateTime &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtDateTimePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QDateTime::currentDateTime();
}

void QtDateTimePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
