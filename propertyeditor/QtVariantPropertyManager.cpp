#include "propertyeditor/QtVariantPropertyManager.h"

#include "propertyeditor/QtBoolPropertyManager.h"
#include "propertyeditor/QtCharPropertyManager.h"
#include "propertyeditor/QtColorPropertyManager.h"
#include "propertyeditor/QtCursorPropertyManager.h"
#include "propertyeditor/QtDatePropertyManager.h"
#include "propertyeditor/QtDateTimePropertyManager.h"
#include "propertyeditor/QtDoublePropertyManager.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtFlagPropertyManager.h"
#include "propertyeditor/QtFontPropertyManager.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtKeySequencePropertyManager.h"
#include "propertyeditor/QtLocalePropertyManager.h"
#include "propertyeditor/QtPointFPropertyManager.h"
#include "propertyeditor/QtPointPropertyManager.h"
#include "propertyeditor/QtRectFPropertyManager.h"
#include "propertyeditor/QtRectPropertyManager.h"
#include "propertyeditor/QtSizeFPropertyManager.h"
#include "propertyeditor/QtSizePolicyPropertyManager.h"
#include "propertyeditor/QtSizePropertyManager.h"
#include "propertyeditor/QtStringPropertyManager.h"
#include "propertyeditor/QtTimePropertyManager.h"

namespace {
class QtEnumPropertyType
{
};
class QtFlagPropertyType
{
};
class QtGroupPropertyType
{
};
} // namespace

Q_DECLARE_METATYPE(QtEnumPropertyType)
Q_DECLARE_METATYPE(QtFlagPropertyType)
Q_DECLARE_METATYPE(QtGroupPropertyType)

namespace {
const char *const constraintAttribute = "constraint";
const char *const singleStepAttribute = "singleStep";
const char *const decimalsAttribute = "decimals";
const char *const enumIconsAttribute = "enumIcons";
const char *const enumNamesAttribute = "enumNames";
const char *const flagNamesAttribute = "flagNames";
const char *const maximumAttribute = "maximum";
const char *const minimumAttribute = "minimum";
const char *const regExpAttribute = "regExp";
const char *const echoModeAttribute = "echoMode";
const char *const readOnlyAttribute = "readOnly";
const char *const textVisibleAttribute = "textVisible";
const char *const suffixAttribute = "suffix";
const char *const captionsAttribute = "captions";

// Every variant property of the process and the property it wraps.
using WrappedMap = QMap<const QtProperty *, QtProperty *>;
Q_GLOBAL_STATIC(WrappedMap, propertyToWrappedProperty)

template <class T> T converted(const QVariant &value)
{
    return qvariant_cast<T>(value);
}
} // namespace

class QtVariantPropertyManagerPrivate
{
public:
    explicit QtVariantPropertyManagerPrivate(QtVariantPropertyManager *manager) : q_ptr(manager) {}

    int internalPropertyToType(QtProperty *property) const;
    QtVariantProperty *createSubProperty(QtVariantProperty *parent, QtVariantProperty *after,
                                         QtProperty *internal);
    void removeSubProperty(QtVariantProperty *property);
    void valueChanged(QtProperty *property, const QVariant &val);
    void attributeChanged(QtProperty *property, const char *attribute, const QVariant &val);
    void addType(int type, QtAbstractPropertyManager *manager, int valueType,
                 const QList<QPair<const char *, int>> &attributes);

    QtVariantPropertyManager *q_ptr;
    bool inAddProperty = false;
    bool inCreateSubProperty = false;
    bool inRemoveSubProperty = false;
    int pendingType = 0;
    QMap<int, QtAbstractPropertyManager *> managerByType;
    QMap<int, QMap<QString, int>> attributeTypesByType;
    QMap<const QtProperty *, QPair<QtVariantProperty *, int>> typeByProperty;
    QMap<int, int> valueTypeByType;
    QMap<const QtProperty *, QtVariantProperty *> variantByInternal;
};

int QtVariantPropertyManagerPrivate::internalPropertyToType(QtProperty *property) const
{
    QtAbstractPropertyManager *manager = property->propertyManager();
    if (qobject_cast<QtIntPropertyManager *>(manager))
        return QMetaType::Int;
    if (qobject_cast<QtEnumPropertyManager *>(manager))
        return QtVariantPropertyManager::enumTypeId();
    if (qobject_cast<QtBoolPropertyManager *>(manager))
        return QMetaType::Bool;
    if (qobject_cast<QtDoublePropertyManager *>(manager))
        return QMetaType::Double;
    return 0;
}

QtVariantProperty *QtVariantPropertyManagerPrivate::createSubProperty(QtVariantProperty *parent,
                                                                      QtVariantProperty *after,
                                                                      QtProperty *internal)
{
    const int type = internalPropertyToType(internal);
    if (!type)
        return nullptr;

    const bool wasCreatingSubProperties = inCreateSubProperty;
    inCreateSubProperty = true;
    QtVariantProperty *wrapper = q_ptr->addProperty(type, internal->propertyName());
    inCreateSubProperty = wasCreatingSubProperties;
    if (!wrapper)
        return nullptr;

    wrapper->setPropertyName(internal->propertyName());
    wrapper->setToolTip(internal->toolTip());
    wrapper->setStatusTip(internal->statusTip());
    wrapper->setWhatsThis(internal->whatsThis());

    variantByInternal[internal] = wrapper;
    (*propertyToWrappedProperty())[wrapper] = internal;
    parent->insertSubProperty(wrapper, after);
    return wrapper;
}

void QtVariantPropertyManagerPrivate::removeSubProperty(QtVariantProperty *property)
{
    QtProperty *internal = propertyToWrappedProperty()->value(property);
    const bool wasRemoving = inRemoveSubProperty;
    inRemoveSubProperty = true;
    delete property;
    inRemoveSubProperty = wasRemoving;
    variantByInternal.remove(internal);
    propertyToWrappedProperty()->remove(property);
}

void QtVariantPropertyManagerPrivate::valueChanged(QtProperty *property, const QVariant &val)
{
    QtVariantProperty *wrapper = variantByInternal.value(property);
    if (!wrapper)
        return;
    emit q_ptr->valueChanged(wrapper, val);
    emit q_ptr->propertyChanged(wrapper);
}

void QtVariantPropertyManagerPrivate::attributeChanged(QtProperty *property, const char *attribute,
                                                       const QVariant &val)
{
    if (QtVariantProperty *wrapper = variantByInternal.value(property))
        emit q_ptr->attributeChanged(wrapper, QLatin1String(attribute), val);
}

void QtVariantPropertyManagerPrivate::addType(int type, QtAbstractPropertyManager *manager,
                                              int valueType,
                                              const QList<QPair<const char *, int>> &attributes)
{
    managerByType[type] = manager;
    for (const auto &attribute : attributes)
        attributeTypesByType[type][QLatin1String(attribute.first)] = attribute.second;
    valueTypeByType[type] = valueType;
}

int QtVariantPropertyManager::enumTypeId()
{
    static const int id = qRegisterMetaType<QtEnumPropertyType>("QtEnumPropertyType");
    return id;
}

int QtVariantPropertyManager::flagTypeId()
{
    static const int id = qRegisterMetaType<QtFlagPropertyType>("QtFlagPropertyType");
    return id;
}

int QtVariantPropertyManager::groupTypeId()
{
    static const int id = qRegisterMetaType<QtGroupPropertyType>("QtGroupPropertyType");
    return id;
}

int QtVariantPropertyManager::iconMapTypeId()
{
    // The map type is iterable as an associative container through Qt's own converter.
    static const int id = qRegisterMetaType<QtIconMap>("QtIconMap");
    return id;
}

QtProperty *QtVariantPropertyManager::wrappedProperty(QtProperty *property)
{
    return propertyToWrappedProperty()->value(property, nullptr);
}

QtVariantPropertyManager::QtVariantPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtVariantPropertyManagerPrivate(this))
{
    using Attributes = QList<QPair<const char *, int>>;
    QtVariantPropertyManagerPrivate *d = d_ptr;

    auto *intManager = new QtIntPropertyManager(this);
    d->addType(QMetaType::Int, intManager, QMetaType::Int,
               Attributes{{minimumAttribute, QMetaType::Int},
                          {maximumAttribute, QMetaType::Int},
                          {singleStepAttribute, QMetaType::Int},
                          {readOnlyAttribute, QMetaType::Bool},
                          {suffixAttribute, QMetaType::QString}});
    connect(intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(intManager, SIGNAL(rangeChanged(QtProperty *, int, int)), this,
            SLOT(slotRangeChanged(QtProperty *, int, int)));
    connect(intManager, SIGNAL(singleStepChanged(QtProperty *, int)), this,
            SLOT(slotSingleStepChanged(QtProperty *, int)));
    connect(intManager, SIGNAL(suffixChanged(QtProperty *, QString)), this,
            SLOT(slotSuffixChanged(QtProperty *, QString)));

    auto *doubleManager = new QtDoublePropertyManager(this);
    d->addType(QMetaType::Double, doubleManager, QMetaType::Double,
               Attributes{{minimumAttribute, QMetaType::Double},
                          {maximumAttribute, QMetaType::Double},
                          {singleStepAttribute, QMetaType::Double},
                          {decimalsAttribute, QMetaType::Int},
                          {readOnlyAttribute, QMetaType::Bool},
                          {suffixAttribute, QMetaType::QString}});
    connect(doubleManager, SIGNAL(valueChanged(QtProperty *, double)), this,
            SLOT(slotValueChanged(QtProperty *, double)));
    connect(doubleManager, SIGNAL(rangeChanged(QtProperty *, double, double)), this,
            SLOT(slotRangeChanged(QtProperty *, double, double)));
    connect(doubleManager, SIGNAL(singleStepChanged(QtProperty *, double)), this,
            SLOT(slotSingleStepChanged(QtProperty *, double)));
    connect(doubleManager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
            SLOT(slotDecimalsChanged(QtProperty *, int)));
    connect(doubleManager, SIGNAL(suffixChanged(QtProperty *, QString)), this,
            SLOT(slotSuffixChanged(QtProperty *, QString)));

    auto *boolManager = new QtBoolPropertyManager(this);
    d->addType(QMetaType::Bool, boolManager, QMetaType::Bool,
               Attributes{{textVisibleAttribute, QMetaType::Bool},
                          {captionsAttribute, QMetaType::QStringList}});
    connect(boolManager, SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotValueChanged(QtProperty *, bool)));
    connect(boolManager, SIGNAL(textVisibleChanged(QtProperty *, bool)), this,
            SLOT(slotTextVisibleChanged(QtProperty *, bool)));
    connect(boolManager, SIGNAL(captionsChanged(QtProperty *, QStringList)), this,
            SLOT(slotCaptionsChanged(QtProperty *, QStringList)));

    auto *stringManager = new QtStringPropertyManager(this);
    d->addType(QMetaType::QString, stringManager, QMetaType::QString,
               Attributes{{regExpAttribute, QMetaType::QRegExp},
                          {echoModeAttribute, QMetaType::Int},
                          {readOnlyAttribute, QMetaType::Bool}});
    connect(stringManager, SIGNAL(valueChanged(QtProperty *, QString)), this,
            SLOT(slotValueChanged(QtProperty *, QString)));
    connect(stringManager, SIGNAL(regExpChanged(QtProperty *, QRegExp)), this,
            SLOT(slotRegExpChanged(QtProperty *, QRegExp)));
    connect(stringManager, SIGNAL(echoModeChanged(QtProperty *, int)), this,
            SLOT(slotEchoModeChanged(QtProperty *, int)));
    connect(stringManager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
            SLOT(slotReadOnlyChanged(QtProperty *, bool)));

    auto *dateManager = new QtDatePropertyManager(this);
    d->addType(
        QMetaType::QDate, dateManager, QMetaType::QDate,
        Attributes{{minimumAttribute, QMetaType::QDate}, {maximumAttribute, QMetaType::QDate}});
    connect(dateManager, SIGNAL(valueChanged(QtProperty *, QDate)), this,
            SLOT(slotValueChanged(QtProperty *, QDate)));
    connect(dateManager, SIGNAL(rangeChanged(QtProperty *, QDate, QDate)), this,
            SLOT(slotRangeChanged(QtProperty *, QDate, QDate)));

    auto *timeManager = new QtTimePropertyManager(this);
    d->addType(QMetaType::QTime, timeManager, QMetaType::QTime, Attributes());
    connect(timeManager, SIGNAL(valueChanged(QtProperty *, QTime)), this,
            SLOT(slotValueChanged(QtProperty *, QTime)));

    auto *dateTimeManager = new QtDateTimePropertyManager(this);
    d->addType(QMetaType::QDateTime, dateTimeManager, QMetaType::QDateTime, Attributes());
    connect(dateTimeManager, SIGNAL(valueChanged(QtProperty *, QDateTime)), this,
            SLOT(slotValueChanged(QtProperty *, QDateTime)));

    auto *keySequenceManager = new QtKeySequencePropertyManager(this);
    d->addType(QMetaType::QKeySequence, keySequenceManager, QMetaType::QKeySequence, Attributes());
    connect(keySequenceManager, SIGNAL(valueChanged(QtProperty *, QKeySequence)), this,
            SLOT(slotValueChanged(QtProperty *, QKeySequence)));

    auto *charManager = new QtCharPropertyManager(this);
    d->addType(QMetaType::QChar, charManager, QMetaType::QChar, Attributes());
    connect(charManager, SIGNAL(valueChanged(QtProperty *, QChar)), this,
            SLOT(slotValueChanged(QtProperty *, QChar)));

    auto *localeManager = new QtLocalePropertyManager(this);
    d->addType(QMetaType::QLocale, localeManager, QMetaType::QLocale, Attributes());
    connect(localeManager, SIGNAL(valueChanged(QtProperty *, QLocale)), this,
            SLOT(slotValueChanged(QtProperty *, QLocale)));
    connect(localeManager->subEnumPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));

    auto *pointManager = new QtPointPropertyManager(this);
    d->addType(QMetaType::QPoint, pointManager, QMetaType::QPoint, Attributes());
    connect(pointManager, SIGNAL(valueChanged(QtProperty *, QPoint)), this,
            SLOT(slotValueChanged(QtProperty *, QPoint)));
    connect(pointManager->subIntPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));

    auto *pointFManager = new QtPointFPropertyManager(this);
    d->addType(QMetaType::QPointF, pointFManager, QMetaType::QPointF,
               Attributes{{decimalsAttribute, QMetaType::Int}});
    connect(pointFManager, SIGNAL(valueChanged(QtProperty *, QPointF)), this,
            SLOT(slotValueChanged(QtProperty *, QPointF)));
    connect(pointFManager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
            SLOT(slotDecimalsChanged(QtProperty *, int)));
    connect(pointFManager->subDoublePropertyManager(), SIGNAL(valueChanged(QtProperty *, double)),
            this, SLOT(slotValueChanged(QtProperty *, double)));

    auto *sizeManager = new QtSizePropertyManager(this);
    d->addType(
        QMetaType::QSize, sizeManager, QMetaType::QSize,
        Attributes{{minimumAttribute, QMetaType::QSize}, {maximumAttribute, QMetaType::QSize}});
    connect(sizeManager, SIGNAL(valueChanged(QtProperty *, QSize)), this,
            SLOT(slotValueChanged(QtProperty *, QSize)));
    connect(sizeManager, SIGNAL(rangeChanged(QtProperty *, QSize, QSize)), this,
            SLOT(slotRangeChanged(QtProperty *, QSize, QSize)));
    connect(sizeManager->subIntPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(sizeManager->subIntPropertyManager(), SIGNAL(rangeChanged(QtProperty *, int, int)),
            this, SLOT(slotRangeChanged(QtProperty *, int, int)));

    auto *sizeFManager = new QtSizeFPropertyManager(this);
    d->addType(QMetaType::QSizeF, sizeFManager, QMetaType::QSizeF,
               Attributes{{minimumAttribute, QMetaType::QSizeF},
                          {maximumAttribute, QMetaType::QSizeF},
                          {decimalsAttribute, QMetaType::Int}});
    connect(sizeFManager, SIGNAL(valueChanged(QtProperty *, QSizeF)), this,
            SLOT(slotValueChanged(QtProperty *, QSizeF)));
    connect(sizeFManager, SIGNAL(rangeChanged(QtProperty *, QSizeF, QSizeF)), this,
            SLOT(slotRangeChanged(QtProperty *, QSizeF, QSizeF)));
    connect(sizeFManager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
            SLOT(slotDecimalsChanged(QtProperty *, int)));
    connect(sizeFManager->subDoublePropertyManager(), SIGNAL(valueChanged(QtProperty *, double)),
            this, SLOT(slotValueChanged(QtProperty *, double)));
    connect(sizeFManager->subDoublePropertyManager(),
            SIGNAL(rangeChanged(QtProperty *, double, double)), this,
            SLOT(slotRangeChanged(QtProperty *, double, double)));

    auto *rectManager = new QtRectPropertyManager(this);
    d->addType(QMetaType::QRect, rectManager, QMetaType::QRect,
               Attributes{{constraintAttribute, QMetaType::QRect}});
    connect(rectManager, SIGNAL(valueChanged(QtProperty *, QRect)), this,
            SLOT(slotValueChanged(QtProperty *, QRect)));
    connect(rectManager, SIGNAL(constraintChanged(QtProperty *, QRect)), this,
            SLOT(slotConstraintChanged(QtProperty *, QRect)));
    connect(rectManager->subIntPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(rectManager->subIntPropertyManager(), SIGNAL(rangeChanged(QtProperty *, int, int)),
            this, SLOT(slotRangeChanged(QtProperty *, int, int)));

    auto *rectFManager = new QtRectFPropertyManager(this);
    d->addType(
        QMetaType::QRectF, rectFManager, QMetaType::QRectF,
        Attributes{{constraintAttribute, QMetaType::QRectF}, {decimalsAttribute, QMetaType::Int}});
    connect(rectFManager, SIGNAL(valueChanged(QtProperty *, QRectF)), this,
            SLOT(slotValueChanged(QtProperty *, QRectF)));
    connect(rectFManager, SIGNAL(constraintChanged(QtProperty *, QRectF)), this,
            SLOT(slotConstraintChanged(QtProperty *, QRectF)));
    connect(rectFManager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
            SLOT(slotDecimalsChanged(QtProperty *, int)));
    connect(rectFManager->subDoublePropertyManager(), SIGNAL(valueChanged(QtProperty *, double)),
            this, SLOT(slotValueChanged(QtProperty *, double)));
    connect(rectFManager->subDoublePropertyManager(),
            SIGNAL(rangeChanged(QtProperty *, double, double)), this,
            SLOT(slotRangeChanged(QtProperty *, double, double)));

    auto *colorManager = new QtColorPropertyManager(this);
    d->addType(QMetaType::QColor, colorManager, QMetaType::QColor, Attributes());
    connect(colorManager, SIGNAL(valueChanged(QtProperty *, QColor)), this,
            SLOT(slotValueChanged(QtProperty *, QColor)));
    connect(colorManager->subIntPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));

    auto *enumManager = new QtEnumPropertyManager(this);
    d->addType(enumTypeId(), enumManager, QMetaType::Int,
               Attributes{{enumNamesAttribute, QMetaType::QStringList},
                          {enumIconsAttribute, iconMapTypeId()}});
    connect(enumManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(enumManager, SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
            SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));
    connect(enumManager, SIGNAL(enumIconsChanged(QtProperty *, QMap<int, QIcon>)), this,
            SLOT(slotEnumIconsChanged(QtProperty *, QMap<int, QIcon>)));

    auto *sizePolicyManager = new QtSizePolicyPropertyManager(this);
    d->addType(QMetaType::QSizePolicy, sizePolicyManager, QMetaType::QSizePolicy, Attributes());
    connect(sizePolicyManager, SIGNAL(valueChanged(QtProperty *, QSizePolicy)), this,
            SLOT(slotValueChanged(QtProperty *, QSizePolicy)));
    connect(sizePolicyManager->subIntPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)),
            this, SLOT(slotValueChanged(QtProperty *, int)));
    connect(sizePolicyManager->subIntPropertyManager(),
            SIGNAL(rangeChanged(QtProperty *, int, int)), this,
            SLOT(slotRangeChanged(QtProperty *, int, int)));
    connect(sizePolicyManager->subEnumPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)),
            this, SLOT(slotValueChanged(QtProperty *, int)));
    connect(sizePolicyManager->subEnumPropertyManager(),
            SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
            SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));

    auto *fontManager = new QtFontPropertyManager(this);
    d->addType(QMetaType::QFont, fontManager, QMetaType::QFont, Attributes());
    connect(fontManager, SIGNAL(valueChanged(QtProperty *, QFont)), this,
            SLOT(slotValueChanged(QtProperty *, QFont)));
    connect(fontManager->subIntPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(fontManager->subIntPropertyManager(), SIGNAL(rangeChanged(QtProperty *, int, int)),
            this, SLOT(slotRangeChanged(QtProperty *, int, int)));
    connect(fontManager->subEnumPropertyManager(), SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(fontManager->subEnumPropertyManager(),
            SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
            SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));
    connect(fontManager->subBoolPropertyManager(), SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotValueChanged(QtProperty *, bool)));

    auto *cursorManager = new QtCursorPropertyManager(this);
    d->addType(QMetaType::QCursor, cursorManager, QMetaType::QCursor, Attributes());
    connect(cursorManager, SIGNAL(valueChanged(QtProperty *, QCursor)), this,
            SLOT(slotValueChanged(QtProperty *, QCursor)));

    auto *flagManager = new QtFlagPropertyManager(this);
    d->addType(flagTypeId(), flagManager, QMetaType::Int,
               Attributes{{flagNamesAttribute, QMetaType::QStringList}});
    connect(flagManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotValueChanged(QtProperty *, int)));
    connect(flagManager, SIGNAL(flagNamesChanged(QtProperty *, QStringList)), this,
            SLOT(slotFlagNamesChanged(QtProperty *, QStringList)));
    connect(flagManager->subBoolPropertyManager(), SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotValueChanged(QtProperty *, bool)));

    auto *groupManager = new QtGroupPropertyManager(this);
    d->addType(groupTypeId(), groupManager, QMetaType::UnknownType, Attributes());

    // Compound managers add and drop sub-properties that need wrappers of their own.
    for (QtAbstractPropertyManager *compound : std::initializer_list<QtAbstractPropertyManager *>{
             localeManager, pointManager, pointFManager, sizeManager, sizeFManager, rectManager,
             rectFManager, colorManager, sizePolicyManager, fontManager, flagManager}) {
        connect(compound, SIGNAL(propertyInserted(QtProperty *, QtProperty *, QtProperty *)), this,
                SLOT(slotPropertyInserted(QtProperty *, QtProperty *, QtProperty *)));
        connect(compound, SIGNAL(propertyRemoved(QtProperty *, QtProperty *)), this,
                SLOT(slotPropertyRemoved(QtProperty *, QtProperty *)));
    }
}

QtVariantPropertyManager::~QtVariantPropertyManager()
{
    clear();
    delete d_ptr;
    d_ptr = nullptr;
}

QtVariantProperty *QtVariantPropertyManager::addProperty(int propertyType, const QString &name)
{
    if (!isPropertyTypeSupported(propertyType))
        return nullptr;
    const bool wasInAddProperty = d_ptr->inAddProperty;
    const int previousType = d_ptr->pendingType;
    d_ptr->inAddProperty = true;
    d_ptr->pendingType = propertyType;
    QtProperty *property = QtAbstractPropertyManager::addProperty(name);
    d_ptr->inAddProperty = wasInAddProperty;
    d_ptr->pendingType = previousType;
    return property ? d_ptr->typeByProperty.value(property).first : nullptr;
}

QtProperty *QtVariantPropertyManager::createProperty()
{
    // Only addProperty with a type may make properties here.
    if (!d_ptr->inAddProperty)
        return nullptr;
    auto *property = new QtVariantProperty(this);
    d_ptr->typeByProperty.insert(property, qMakePair(property, d_ptr->pendingType));
    return property;
}

void QtVariantPropertyManager::initializeProperty(QtProperty *property)
{
    auto entry = d_ptr->typeByProperty.constFind(property);
    if (entry == d_ptr->typeByProperty.constEnd())
        return;
    QtVariantProperty *variant = entry->first;
    QtAbstractPropertyManager *manager = d_ptr->managerByType.value(entry->second);
    if (!manager)
        return;

    QtProperty *internal = nullptr;
    if (!d_ptr->inCreateSubProperty) {
        internal = manager->addProperty();
        d_ptr->variantByInternal[internal] = variant;
    }
    (*propertyToWrappedProperty())[variant] = internal;
    if (!internal)
        return;

    QtVariantProperty *last = nullptr;
    const QList<QtProperty *> children = internal->subProperties();
    for (QtProperty *child : children) {
        if (QtVariantProperty *wrapper = d_ptr->createSubProperty(variant, last, child))
            last = wrapper;
    }
}

void QtVariantPropertyManager::uninitializeProperty(QtProperty *property)
{
    // The property is being torn down: only its address is used here.
    auto entry = d_ptr->typeByProperty.find(property);
    if (entry == d_ptr->typeByProperty.end())
        return;
    WrappedMap *wrapped = propertyToWrappedProperty();
    auto it = wrapped->find(property);
    if (it != wrapped->end()) {
        QtProperty *internal = it.value();
        wrapped->erase(it);
        if (internal) {
            d_ptr->variantByInternal.remove(internal);
            if (!d_ptr->inRemoveSubProperty)
                delete internal;
        }
    }
    d_ptr->typeByProperty.remove(property);
}

int QtVariantPropertyManager::valueType(int propertyType) const
{
    return d_ptr->valueTypeByType.value(propertyType, 0);
}

int QtVariantPropertyManager::valueType(const QtProperty *property) const
{
    return valueType(propertyType(property));
}

bool QtVariantPropertyManager::isPropertyTypeSupported(int propertyType) const
{
    return d_ptr->valueTypeByType.contains(propertyType);
}

int QtVariantPropertyManager::propertyType(const QtProperty *property) const
{
    return d_ptr->typeByProperty.value(property, qMakePair(nullptr, 0)).second;
}

QtVariantProperty *QtVariantPropertyManager::variantProperty(const QtProperty *property) const
{
    return d_ptr->typeByProperty.value(property, qMakePair(nullptr, 0)).first;
}

QStringList QtVariantPropertyManager::attributes(int propertyType) const
{
    return d_ptr->attributeTypesByType.value(propertyType).keys();
}

int QtVariantPropertyManager::attributeType(int propertyType, const QString &attribute) const
{
    return d_ptr->attributeTypesByType.value(propertyType).value(attribute, 0);
}

QVariant QtVariantPropertyManager::value(const QtProperty *property) const
{
    QtProperty *internal = propertyToWrappedProperty()->value(property, nullptr);
    if (!internal)
        return QVariant();
    QtAbstractPropertyManager *manager = internal->propertyManager();
    if (auto *m = qobject_cast<QtIntPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtDoublePropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtBoolPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtStringPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtDatePropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtTimePropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtDateTimePropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtKeySequencePropertyManager *>(manager))
        return QVariant::fromValue(m->value(internal));
    if (auto *m = qobject_cast<QtCharPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtLocalePropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtPointPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtPointFPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtSizePropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtSizeFPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtRectPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtRectFPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtColorPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtEnumPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtSizePolicyPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtFontPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtCursorPropertyManager *>(manager))
        return m->value(internal);
    if (auto *m = qobject_cast<QtFlagPropertyManager *>(manager))
        return m->value(internal);
    return QVariant();
}

void QtVariantPropertyManager::setValue(QtProperty *property, const QVariant &val)
{
    const int valType = valueType(property);
    if (val.userType() == QMetaType::UnknownType)
        return;
    if (val.userType() != valType && !val.canConvert(valType))
        return;
    QtProperty *internal = propertyToWrappedProperty()->value(property, nullptr);
    if (!internal)
        return;
    QtAbstractPropertyManager *manager = internal->propertyManager();
    if (auto *m = qobject_cast<QtIntPropertyManager *>(manager))
        m->setValue(internal, converted<int>(val));
    else if (auto *m = qobject_cast<QtDoublePropertyManager *>(manager))
        m->setValue(internal, converted<double>(val));
    else if (auto *m = qobject_cast<QtBoolPropertyManager *>(manager))
        m->setValue(internal, converted<bool>(val));
    else if (auto *m = qobject_cast<QtStringPropertyManager *>(manager))
        m->setValue(internal, converted<QString>(val));
    else if (auto *m = qobject_cast<QtDatePropertyManager *>(manager))
        m->setValue(internal, converted<QDate>(val));
    else if (auto *m = qobject_cast<QtTimePropertyManager *>(manager))
        m->setValue(internal, converted<QTime>(val));
    else if (auto *m = qobject_cast<QtDateTimePropertyManager *>(manager))
        m->setValue(internal, converted<QDateTime>(val));
    else if (auto *m = qobject_cast<QtKeySequencePropertyManager *>(manager))
        m->setValue(internal, converted<QKeySequence>(val));
    else if (auto *m = qobject_cast<QtCharPropertyManager *>(manager))
        m->setValue(internal, converted<QChar>(val));
    else if (auto *m = qobject_cast<QtLocalePropertyManager *>(manager))
        m->setValue(internal, converted<QLocale>(val));
    else if (auto *m = qobject_cast<QtPointPropertyManager *>(manager))
        m->setValue(internal, converted<QPoint>(val));
    else if (auto *m = qobject_cast<QtPointFPropertyManager *>(manager))
        m->setValue(internal, converted<QPointF>(val));
    else if (auto *m = qobject_cast<QtSizePropertyManager *>(manager))
        m->setValue(internal, converted<QSize>(val));
    else if (auto *m = qobject_cast<QtSizeFPropertyManager *>(manager))
        m->setValue(internal, converted<QSizeF>(val));
    else if (auto *m = qobject_cast<QtRectPropertyManager *>(manager))
        m->setValue(internal, converted<QRect>(val));
    else if (auto *m = qobject_cast<QtRectFPropertyManager *>(manager))
        m->setValue(internal, converted<QRectF>(val));
    else if (auto *m = qobject_cast<QtColorPropertyManager *>(manager))
        m->setValue(internal, converted<QColor>(val));
    else if (auto *m = qobject_cast<QtEnumPropertyManager *>(manager))
        m->setValue(internal, converted<int>(val));
    else if (auto *m = qobject_cast<QtSizePolicyPropertyManager *>(manager))
        m->setValue(internal, converted<QSizePolicy>(val));
    else if (auto *m = qobject_cast<QtFontPropertyManager *>(manager))
        m->setValue(internal, converted<QFont>(val));
    else if (auto *m = qobject_cast<QtCursorPropertyManager *>(manager))
        m->setValue(internal, converted<QCursor>(val));
    else if (auto *m = qobject_cast<QtFlagPropertyManager *>(manager))
        m->setValue(internal, converted<int>(val));
}

QVariant QtVariantPropertyManager::attributeValue(const QtProperty *property,
                                                  const QString &attribute) const
{
    const QMap<QString, int> known = d_ptr->attributeTypesByType.value(propertyType(property));
    if (!known.contains(attribute))
        return QVariant();
    QtProperty *internal = propertyToWrappedProperty()->value(property, nullptr);
    if (!internal)
        return QVariant();
    QtAbstractPropertyManager *manager = internal->propertyManager();
    const QString &a = attribute;
    if (auto *m = qobject_cast<QtIntPropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            return m->maximum(internal);
        if (a == QLatin1String(minimumAttribute))
            return m->minimum(internal);
        if (a == QLatin1String(singleStepAttribute))
            return m->singleStep(internal);
        if (a == QLatin1String(readOnlyAttribute))
            return m->isReadOnly(internal);
        if (a == QLatin1String(suffixAttribute))
            return m->suffix(internal);
    } else if (auto *m = qobject_cast<QtDoublePropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            return m->maximum(internal);
        if (a == QLatin1String(minimumAttribute))
            return m->minimum(internal);
        if (a == QLatin1String(singleStepAttribute))
            return m->singleStep(internal);
        if (a == QLatin1String(decimalsAttribute))
            return m->decimals(internal);
        if (a == QLatin1String(readOnlyAttribute))
            return m->isReadOnly(internal);
        if (a == QLatin1String(suffixAttribute))
            return m->suffix(internal);
    } else if (auto *m = qobject_cast<QtBoolPropertyManager *>(manager)) {
        if (a == QLatin1String(textVisibleAttribute))
            return m->textVisible(internal);
        if (a == QLatin1String(captionsAttribute))
            return m->captions(internal);
    } else if (auto *m = qobject_cast<QtStringPropertyManager *>(manager)) {
        if (a == QLatin1String(regExpAttribute))
            return m->regExp(internal);
        if (a == QLatin1String(echoModeAttribute))
            return m->echoMode(internal);
        if (a == QLatin1String(readOnlyAttribute))
            return m->isReadOnly(internal);
    } else if (auto *m = qobject_cast<QtDatePropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            return m->maximum(internal);
        if (a == QLatin1String(minimumAttribute))
            return m->minimum(internal);
    } else if (auto *m = qobject_cast<QtPointFPropertyManager *>(manager)) {
        if (a == QLatin1String(decimalsAttribute))
            return m->decimals(internal);
    } else if (auto *m = qobject_cast<QtSizePropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            return m->maximum(internal);
        if (a == QLatin1String(minimumAttribute))
            return m->minimum(internal);
    } else if (auto *m = qobject_cast<QtSizeFPropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            return m->maximum(internal);
        if (a == QLatin1String(minimumAttribute))
            return m->minimum(internal);
        if (a == QLatin1String(decimalsAttribute))
            return m->decimals(internal);
    } else if (auto *m = qobject_cast<QtRectPropertyManager *>(manager)) {
        if (a == QLatin1String(constraintAttribute))
            return m->constraint(internal);
    } else if (auto *m = qobject_cast<QtRectFPropertyManager *>(manager)) {
        if (a == QLatin1String(constraintAttribute))
            return m->constraint(internal);
        if (a == QLatin1String(decimalsAttribute))
            return m->decimals(internal);
    } else if (auto *m = qobject_cast<QtEnumPropertyManager *>(manager)) {
        if (a == QLatin1String(enumNamesAttribute))
            return m->enumNames(internal);
        if (a == QLatin1String(enumIconsAttribute))
            return QVariant::fromValue<QtIconMap>(m->enumIcons(internal));
    } else if (auto *m = qobject_cast<QtFlagPropertyManager *>(manager)) {
        if (a == QLatin1String(flagNamesAttribute))
            return m->flagNames(internal);
    }
    return QVariant();
}

void QtVariantPropertyManager::setAttribute(QtProperty *property, const QString &attribute,
                                            const QVariant &value)
{
    if (!attributeValue(property, attribute).isValid())
        return;
    if (value.userType() == QMetaType::UnknownType)
        return;
    const int attrType = attributeType(propertyType(property), attribute);
    if (value.userType() != attrType && !value.canConvert(attrType))
        return;
    QtProperty *internal = propertyToWrappedProperty()->value(property, nullptr);
    if (!internal)
        return;
    QtAbstractPropertyManager *manager = internal->propertyManager();
    const QString &a = attribute;
    if (auto *m = qobject_cast<QtIntPropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            m->setMaximum(internal, converted<int>(value));
        else if (a == QLatin1String(minimumAttribute))
            m->setMinimum(internal, converted<int>(value));
        else if (a == QLatin1String(singleStepAttribute))
            m->setSingleStep(internal, converted<int>(value));
        else if (a == QLatin1String(readOnlyAttribute))
            m->setReadOnly(internal, converted<bool>(value));
        else if (a == QLatin1String(suffixAttribute))
            m->setSuffix(internal, converted<QString>(value));
    } else if (auto *m = qobject_cast<QtDoublePropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            m->setMaximum(internal, converted<double>(value));
        else if (a == QLatin1String(minimumAttribute))
            m->setMinimum(internal, converted<double>(value));
        else if (a == QLatin1String(singleStepAttribute))
            m->setSingleStep(internal, converted<double>(value));
        else if (a == QLatin1String(decimalsAttribute))
            m->setDecimals(internal, converted<int>(value));
        else if (a == QLatin1String(readOnlyAttribute))
            m->setReadOnly(internal, converted<bool>(value));
        else if (a == QLatin1String(suffixAttribute))
            m->setSuffix(internal, converted<QString>(value));
    } else if (auto *m = qobject_cast<QtBoolPropertyManager *>(manager)) {
        if (a == QLatin1String(textVisibleAttribute))
            m->setTextVisible(internal, converted<bool>(value));
        else if (a == QLatin1String(captionsAttribute))
            m->setCaptions(internal, converted<QStringList>(value));
    } else if (auto *m = qobject_cast<QtStringPropertyManager *>(manager)) {
        if (a == QLatin1String(regExpAttribute))
            m->setRegExp(internal, converted<QRegExp>(value));
        else if (a == QLatin1String(echoModeAttribute))
            m->setEchoMode(internal, static_cast<QLineEdit::EchoMode>(converted<int>(value)));
        else if (a == QLatin1String(readOnlyAttribute))
            m->setReadOnly(internal, converted<bool>(value));
    } else if (auto *m = qobject_cast<QtDatePropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            m->setMaximum(internal, converted<QDate>(value));
        else if (a == QLatin1String(minimumAttribute))
            m->setMinimum(internal, converted<QDate>(value));
    } else if (auto *m = qobject_cast<QtPointFPropertyManager *>(manager)) {
        if (a == QLatin1String(decimalsAttribute))
            m->setDecimals(internal, converted<int>(value));
    } else if (auto *m = qobject_cast<QtSizePropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            m->setMaximum(internal, converted<QSize>(value));
        else if (a == QLatin1String(minimumAttribute))
            m->setMinimum(internal, converted<QSize>(value));
    } else if (auto *m = qobject_cast<QtSizeFPropertyManager *>(manager)) {
        if (a == QLatin1String(maximumAttribute))
            m->setMaximum(internal, converted<QSizeF>(value));
        else if (a == QLatin1String(minimumAttribute))
            m->setMinimum(internal, converted<QSizeF>(value));
        else if (a == QLatin1String(decimalsAttribute))
            m->setDecimals(internal, converted<int>(value));
    } else if (auto *m = qobject_cast<QtRectPropertyManager *>(manager)) {
        if (a == QLatin1String(constraintAttribute))
            m->setConstraint(internal, converted<QRect>(value));
    } else if (auto *m = qobject_cast<QtRectFPropertyManager *>(manager)) {
        if (a == QLatin1String(constraintAttribute))
            m->setConstraint(internal, converted<QRectF>(value));
        else if (a == QLatin1String(decimalsAttribute))
            m->setDecimals(internal, converted<int>(value));
    } else if (auto *m = qobject_cast<QtEnumPropertyManager *>(manager)) {
        if (a == QLatin1String(enumNamesAttribute)) {
            m->setEnumNames(internal, converted<QStringList>(value));
        } else if (a == QLatin1String(enumIconsAttribute)) {
            if (value.userType() == iconMapTypeId())
                m->setEnumIcons(internal, qvariant_cast<QtIconMap>(value));
            else
                m->setEnumIcons(internal, converted<QtIconMap>(value));
        }
    } else if (auto *m = qobject_cast<QtFlagPropertyManager *>(manager)) {
        if (a == QLatin1String(flagNamesAttribute))
            m->setFlagNames(internal, converted<QStringList>(value));
    }
}

bool QtVariantPropertyManager::hasValue(const QtProperty *property) const
{
    return propertyType(property) != groupTypeId();
}

QString QtVariantPropertyManager::valueText(const QtProperty *property) const
{
    const QtProperty *internal = propertyToWrappedProperty()->value(property, nullptr);
    if (!internal)
        return QString();
    const QString display = internal->displayText();
    return display.isEmpty() ? internal->valueText() : display;
}

QIcon QtVariantPropertyManager::valueIcon(const QtProperty *property) const
{
    const QtProperty *internal = propertyToWrappedProperty()->value(property, nullptr);
    return internal ? internal->valueIcon() : QIcon();
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, int val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, double val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, bool val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QString &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QDate &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QTime &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QDateTime &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QKeySequence &val)
{
    d_ptr->valueChanged(property, QVariant::fromValue(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QChar &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QLocale &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QPoint &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QPointF &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QSize &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QSizeF &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QRect &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QRectF &val)
{
    d_ptr->valueChanged(property, QVariant(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QColor &val)
{
    d_ptr->valueChanged(property, QVariant::fromValue(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QSizePolicy &val)
{
    d_ptr->valueChanged(property, QVariant::fromValue(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QFont &val)
{
    d_ptr->valueChanged(property, QVariant::fromValue(val));
}

void QtVariantPropertyManager::slotValueChanged(QtProperty *property, const QCursor &val)
{
    d_ptr->valueChanged(property, QVariant::fromValue(val));
}

void QtVariantPropertyManager::slotRangeChanged(QtProperty *property, int min, int max)
{
    d_ptr->attributeChanged(property, minimumAttribute, QVariant(min));
    d_ptr->attributeChanged(property, maximumAttribute, QVariant(max));
}

void QtVariantPropertyManager::slotRangeChanged(QtProperty *property, double min, double max)
{
    d_ptr->attributeChanged(property, minimumAttribute, QVariant(min));
    d_ptr->attributeChanged(property, maximumAttribute, QVariant(max));
}

void QtVariantPropertyManager::slotRangeChanged(QtProperty *property, const QDate &min,
                                                const QDate &max)
{
    d_ptr->attributeChanged(property, minimumAttribute, QVariant(min));
    d_ptr->attributeChanged(property, maximumAttribute, QVariant(max));
}

void QtVariantPropertyManager::slotRangeChanged(QtProperty *property, const QSize &min,
                                                const QSize &max)
{
    d_ptr->attributeChanged(property, minimumAttribute, QVariant(min));
    d_ptr->attributeChanged(property, maximumAttribute, QVariant(max));
}

void QtVariantPropertyManager::slotRangeChanged(QtProperty *property, const QSizeF &min,
                                                const QSizeF &max)
{
    d_ptr->attributeChanged(property, minimumAttribute, QVariant(min));
    d_ptr->attributeChanged(property, maximumAttribute, QVariant(max));
}

void QtVariantPropertyManager::slotSingleStepChanged(QtProperty *property, int step)
{
    d_ptr->attributeChanged(property, singleStepAttribute, QVariant(step));
}

void QtVariantPropertyManager::slotSingleStepChanged(QtProperty *property, double step)
{
    d_ptr->attributeChanged(property, singleStepAttribute, QVariant(step));
}

void QtVariantPropertyManager::slotDecimalsChanged(QtProperty *property, int prec)
{
    d_ptr->attributeChanged(property, decimalsAttribute, QVariant(prec));
}

void QtVariantPropertyManager::slotRegExpChanged(QtProperty *property, const QRegExp &regExp)
{
    d_ptr->attributeChanged(property, regExpAttribute, QVariant(regExp));
}

void QtVariantPropertyManager::slotEchoModeChanged(QtProperty *property, int mode)
{
    d_ptr->attributeChanged(property, echoModeAttribute, QVariant(mode));
}

void QtVariantPropertyManager::slotSuffixChanged(QtProperty *property, const QString &suffix)
{
    d_ptr->attributeChanged(property, suffixAttribute, QVariant(suffix));
}

void QtVariantPropertyManager::slotCaptionsChanged(QtProperty *property,
                                                   const QStringList &captions)
{
    d_ptr->attributeChanged(property, captionsAttribute, QVariant(captions));
}

void QtVariantPropertyManager::slotConstraintChanged(QtProperty *property, const QRect &constraint)
{
    d_ptr->attributeChanged(property, constraintAttribute, QVariant(constraint));
}

void QtVariantPropertyManager::slotConstraintChanged(QtProperty *property, const QRectF &constraint)
{
    d_ptr->attributeChanged(property, constraintAttribute, QVariant(constraint));
}

void QtVariantPropertyManager::slotEnumNamesChanged(QtProperty *property, const QStringList &names)
{
    d_ptr->attributeChanged(property, enumNamesAttribute, QVariant(names));
}

void QtVariantPropertyManager::slotEnumIconsChanged(QtProperty *property,
                                                    const QMap<int, QIcon> &icons)
{
    d_ptr->attributeChanged(property, enumIconsAttribute, QVariant::fromValue<QtIconMap>(icons));
}

void QtVariantPropertyManager::slotFlagNamesChanged(QtProperty *property, const QStringList &names)
{
    d_ptr->attributeChanged(property, flagNamesAttribute, QVariant(names));
}

void QtVariantPropertyManager::slotReadOnlyChanged(QtProperty *property, bool readOnly)
{
    d_ptr->attributeChanged(property, readOnlyAttribute, QVariant(readOnly));
}

void QtVariantPropertyManager::slotTextVisibleChanged(QtProperty *property, bool textVisible)
{
    d_ptr->attributeChanged(property, textVisibleAttribute, QVariant(textVisible));
}

void QtVariantPropertyManager::slotPropertyInserted(QtProperty *property, QtProperty *parent,
                                                    QtProperty *after)
{
    if (d_ptr->inAddProperty)
        return;
    QtVariantProperty *parentWrapper = d_ptr->variantByInternal.value(parent);
    if (!parentWrapper)
        return;
    QtVariantProperty *afterWrapper = nullptr;
    if (after) {
        afterWrapper = d_ptr->variantByInternal.value(after);
        if (!afterWrapper)
            return;
    }
    d_ptr->createSubProperty(parentWrapper, afterWrapper, property);
}

void QtVariantPropertyManager::slotPropertyRemoved(QtProperty *property, QtProperty *)
{
    QtVariantProperty *wrapper = d_ptr->variantByInternal.value(property);
    if (!wrapper)
        return;
    d_ptr->removeSubProperty(wrapper);
}
