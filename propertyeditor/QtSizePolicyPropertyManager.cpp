#include "propertyeditor/QtSizePolicyPropertyManager.h"

#include "propertyeditor/QtEnumNameProvider.h"
#include "propertyeditor/QtProperty.h"

#include <QMap>

namespace {
enum Part
{
    HPolicy,
    VPolicy,
    HStretch,
    VStretch,
    PartCount
};
}

class QtSizePolicyPropertyManagerPrivate
{
public:
    QtSizePolicyPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QSizePolicy> values;
    QtIntPropertyManager *intManager = nullptr;
    QtEnumPropertyManager *enumManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToPart[PartCount];
    QMap<const QtProperty *, QtProperty *> partToProperty[PartCount];

    QtProperty *part(const QtProperty *property, int which) const
    {
        return propertyToPart[which].value(property);
    }
};

QtSizePolicyPropertyManager::QtSizePolicyPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtSizePolicyPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->intManager = new QtIntPropertyManager(this);
    d_ptr->enumManager = new QtEnumPropertyManager(this);
    connect(d_ptr->intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotIntChanged(QtProperty *, int)));
    connect(d_ptr->enumManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotEnumChanged(QtProperty *, int)));
    connect(d_ptr->intManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
    connect(d_ptr->enumManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtSizePolicyPropertyManager::~QtSizePolicyPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtSizePolicyPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intManager;
}

QtEnumPropertyManager *QtSizePolicyPropertyManager::subEnumPropertyManager() const
{
    return d_ptr->enumManager;
}

QSizePolicy QtSizePolicyPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QSizePolicy());
}

QString QtSizePolicyPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const QtEnumNameProvider *names = enumNameProvider();
    auto policyName = [this, names](QSizePolicy::Policy policy) {
        const int index = names->policyToIndex(policy);
        return index < 0 ? tr("<Invalid>") : names->policyNames().at(index);
    };
    return tr("[%1, %2, %3, %4]")
        .arg(policyName(it->horizontalPolicy()), policyName(it->verticalPolicy()),
             QString::number(it->horizontalStretch()), QString::number(it->verticalStretch()));
}

void QtSizePolicyPropertyManager::setValue(QtProperty *property, const QSizePolicy &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    const QSizePolicy policy = val;
    const QtEnumNameProvider *names = enumNameProvider();
    d_ptr->enumManager->setValue(d_ptr->part(property, HPolicy),
                                 names->policyToIndex(policy.horizontalPolicy()));
    d_ptr->enumManager->setValue(d_ptr->part(property, VPolicy),
                                 names->policyToIndex(policy.verticalPolicy()));
    d_ptr->intManager->setValue(d_ptr->part(property, HStretch), policy.horizontalStretch());
    d_ptr->intManager->setValue(d_ptr->part(property, VStretch), policy.verticalStretch());
    emit propertyChanged(property);
    emit valueChanged(property, policy);
}

void QtSizePolicyPropertyManager::slotIntChanged(QtProperty *sub, int value)
{
    if (QtProperty *property = d_ptr->partToProperty[HStretch].value(sub)) {
        QSizePolicy policy = d_ptr->values.value(property);
        policy.setHorizontalStretch(value);
        setValue(property, policy);
    } else if (QtProperty *property = d_ptr->partToProperty[VStretch].value(sub)) {
        QSizePolicy policy = d_ptr->values.value(property);
        policy.setVerticalStretch(value);
        setValue(property, policy);
    }
}

void QtSizePolicyPropertyManager::slotEnumChanged(QtProperty *sub, int value)
{
    const QtEnumNameProvider *names = enumNameProvider();
    if (QtProperty *property = d_ptr->partToProperty[HPolicy].value(sub)) {
        QSizePolicy policy = d_ptr->values.value(property);
        policy.setHorizontalPolicy(names->indexToPolicy(value));
        setValue(property, policy);
    } else if (QtProperty *property = d_ptr->partToProperty[VPolicy].value(sub)) {
        QSizePolicy policy = d_ptr->values.value(property);
        policy.setVerticalPolicy(names->indexToPolicy(value));
        setValue(property, policy);
    }
}

void QtSizePolicyPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    for (int part = HPolicy; part < PartCount; ++part) {
        if (QtProperty *property = d_ptr->partToProperty[part].take(sub)) {
            d_ptr->propertyToPart[part][property] = nullptr;
            return;
        }
    }
}

void QtSizePolicyPropertyManager::initializeProperty(QtProperty *property)
{
    const QSizePolicy policy;
    d_ptr->values[property] = policy;
    const QtEnumNameProvider *names = enumNameProvider();

    auto attach = [this, property](int part, QtProperty *sub) {
        d_ptr->propertyToPart[part][property] = sub;
        d_ptr->partToProperty[part][sub] = property;
        property->addSubProperty(sub);
    };

    QtProperty *horizontal = d_ptr->enumManager->addProperty();
    horizontal->setPropertyName(tr("Horizontal Policy"));
    d_ptr->enumManager->setEnumNames(horizontal, names->policyNames());
    d_ptr->enumManager->setValue(horizontal, names->policyToIndex(policy.horizontalPolicy()));
    attach(HPolicy, horizontal);

    QtProperty *vertical = d_ptr->enumManager->addProperty();
    vertical->setPropertyName(tr("Vertical Policy"));
    d_ptr->enumManager->setEnumNames(vertical, names->policyNames());
    d_ptr->enumManager->setValue(vertical, names->policyToIndex(policy.verticalPolicy()));
    attach(VPolicy, vertical);

    QtProperty *hStretch = d_ptr->intManager->addProperty();
    hStretch->setPropertyName(tr("Horizontal Stretch"));
    d_ptr->intManager->setValue(hStretch, policy.horizontalStretch());
    d_ptr->intManager->setRange(hStretch, 0, 0xff);
    attach(HStretch, hStretch);

    QtProperty *vStretch = d_ptr->intManager->addProperty();
    vStretch->setPropertyName(tr("Vertical Stretch"));
    d_ptr->intManager->setValue(vStretch, policy.verticalStretch());
    d_ptr->intManager->setRange(vStretch, 0, 0xff);
    attach(VStretch, vStretch);
}

void QtSizePolicyPropertyManager::uninitializeProperty(QtProperty *property)
{
    for (int part = HPolicy; part < PartCount; ++part) {
        if (QtProperty *sub = d_ptr->propertyToPart[part].take(property)) {
            d_ptr->partToProperty[part].remove(sub);
            delete sub;
        }
    }
    d_ptr->values.remove(property);
}
