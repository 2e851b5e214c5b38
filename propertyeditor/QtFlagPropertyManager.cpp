#include "propertyeditor/QtFlagPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>

namespace {
struct FlagData
{
    int value = -1;
    QStringList flagNames;
};

// Bits beyond the width of the value cannot be represented and are left alone.
const int usableBits = 31;

bool bitSet(int value, int bit)
{
    return bit < usableBits && (value & (1 << bit));
}
} // namespace

class QtFlagPropertyManagerPrivate
{
public:
    QtFlagPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, FlagData> values;
    QtBoolPropertyManager *boolManager = nullptr;
    QMap<const QtProperty *, QList<QtProperty *>> propertyToFlags;
    QMap<const QtProperty *, QtProperty *> flagToProperty;
};

QtFlagPropertyManager::QtFlagPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtFlagPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->boolManager = new QtBoolPropertyManager(this);
    connect(d_ptr->boolManager, SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotBoolChanged(QtProperty *, bool)));
    connect(d_ptr->boolManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtFlagPropertyManager::~QtFlagPropertyManager()
{
    clear();
    delete d_ptr;
}

QtBoolPropertyManager *QtFlagPropertyManager::subBoolPropertyManager() const
{
    return d_ptr->boolManager;
}

int QtFlagPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->value;
}

QStringList QtFlagPropertyManager::flagNames(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QStringList() : it->flagNames;
}

QString QtFlagPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    QStringList set;
    for (int bit = 0; bit < it->flagNames.size(); ++bit) {
        if (it->value >= 0 && bitSet(it->value, bit))
            set << it->flagNames.at(bit);
    }
    return set.join(QLatin1Char('|'));
}

void QtFlagPropertyManager::setValue(QtProperty *property, int val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    const int bits = qMin(it->flagNames.size(), usableBits);
    const qint64 largest = (qint64(1) << bits) - 1;
    if (val < 0 || val > largest)
        return;
    it->value = val;
    const QList<QtProperty *> flags = d_ptr->propertyToFlags.value(property);
    for (int bit = 0; bit < flags.size(); ++bit) {
        if (QtProperty *flag = flags.at(bit))
            d_ptr->boolManager->setValue(flag, bitSet(val, bit));
    }
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtFlagPropertyManager::setFlagNames(QtProperty *property, const QStringList &names)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->flagNames == names)
        return;
    it->flagNames = names;
    it->value = 0;
    deleteFlags(property);

    QList<QtProperty *> flags;
    for (const QString &name : names) {
        QtProperty *flag = d_ptr->boolManager->addProperty();
        flag->setPropertyName(name);
        property->addSubProperty(flag);
        flags << flag;
        d_ptr->flagToProperty[flag] = property;
    }
    d_ptr->propertyToFlags[property] = flags;
    emit flagNamesChanged(property, names);
    emit propertyChanged(property);
    emit valueChanged(property, 0);
}

void QtFlagPropertyManager::deleteFlags(QtProperty *property)
{
    const QList<QtProperty *> flags = d_ptr->propertyToFlags.take(property);
    for (QtProperty *flag : flags) {
        if (flag) {
            d_ptr->flagToProperty.remove(flag);
            delete flag;
        }
    }
}

void QtFlagPropertyManager::slotBoolChanged(QtProperty *sub, bool value)
{
    QtProperty *property = d_ptr->flagToProperty.value(sub);
    if (!property)
        return;
    const int bit = d_ptr->propertyToFlags.value(property).indexOf(sub);
    if (bit < 0 || bit >= usableBits)
        return;
    int flags = d_ptr->values.value(property).value;
    if (value)
        flags |= (1 << bit);
    else
        flags &= ~(1 << bit);
    setValue(property, flags);
}

void QtFlagPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    QtProperty *property = d_ptr->flagToProperty.take(sub);
    if (!property)
        return;
    // The slot stays empty so later flags keep their bit positions.
    QList<QtProperty *> &flags = d_ptr->propertyToFlags[property];
    const int bit = flags.indexOf(sub);
    if (bit >= 0)
        flags[bit] = nullptr;
}

void QtFlagPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = FlagData();
    d_ptr->propertyToFlags[property] = QList<QtProperty *>();
}

void QtFlagPropertyManager::uninitializeProperty(QtProperty *property)
{
    deleteFlags(property);
    d_ptr->values.remove(property);
}
