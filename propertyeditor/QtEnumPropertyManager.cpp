#include "propertyeditor/QtEnumPropertyManager.h"

namespace {
struct EnumData
{
    int value = -1;
    QStringList enumNames;
    QMap<int, QIcon> enumIcons;
};
} // namespace

class QtEnumPropertyManagerPrivate
{
public:
    QtEnumPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, EnumData> values;
};

QtEnumPropertyManager::QtEnumPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtEnumPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtEnumPropertyManager::~QtEnumPropertyManager()
{
    clear();
    delete d_ptr;
}

int QtEnumPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? -1 : it->value;
}

QStringList QtEnumPropertyManager::enumNames(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QStringList() : it->enumNames;
}

QMap<int, QIcon> QtEnumPropertyManager::enumIcons(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QMap<int, QIcon>() : it->enumIcons;
}

QString QtEnumPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->value < 0)
        return QString();
    // A value without a name is named by its number, never by a caption it does not have.
    if (it->value >= it->enumNames.size())
        return tr("Unknown (%1)").arg(it->value);
    return it->enumNames.at(it->value);
}

QIcon QtEnumPropertyManager::valueIcon(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QIcon();
    return it->enumIcons.value(it->value);
}

void QtEnumPropertyManager::setValue(QtProperty *property, int val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    // Values beyond the names are kept and shown by number: the previous name must not stay.
    if (val < 0)
        val = -1;
    if (it->value == val)
        return;
    it->value = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtEnumPropertyManager::setEnumNames(QtProperty *property, const QStringList &names)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->enumNames == names)
        return;
    it->enumNames = names;
    const int index = names.isEmpty() ? -1 : 0;
    it->value = index;
    emit enumNamesChanged(property, names);
    emit propertyChanged(property);
    emit valueChanged(property, index);
}

void QtEnumPropertyManager::setEnumIcons(QtProperty *property, const QMap<int, QIcon> &icons)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    it->enumIcons = icons;
    emit enumIconsChanged(property, icons);
    emit propertyChanged(property);
}

void QtEnumPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = EnumData();
}

void QtEnumPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
