#include "propertyeditor/QtFontPropertyManager.h"

#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMap>
#include <QTimer>

Q_GLOBAL_STATIC(QFontDatabase, fontDatabase)

namespace {
enum Part
{
    Family,
    PointSize,
    Bold,
    Italic,
    Underline,
    Strikeout,
    Kerning,
    PartCount
};

bool styleOf(const QFont &font, int part)
{
    switch (part) {
    case Bold:
        return font.bold();
    case Italic:
        return font.italic();
    case Underline:
        return font.underline();
    case Strikeout:
        return font.strikeOut();
    default:
        return font.kerning();
    }
}

void setStyle(QFont &font, int part, bool on)
{
    switch (part) {
    case Bold:
        font.setBold(on);
        break;
    case Italic:
        font.setItalic(on);
        break;
    case Underline:
        font.setUnderline(on);
        break;
    case Strikeout:
        font.setStrikeOut(on);
        break;
    default:
        font.setKerning(on);
        break;
    }
}
} // namespace

class QtFontPropertyManagerPrivate
{
public:
    QtFontPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QFont> values;
    QtIntPropertyManager *intManager = nullptr;
    QtEnumPropertyManager *enumManager = nullptr;
    QtBoolPropertyManager *boolManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToPart[PartCount];
    QMap<const QtProperty *, QtProperty *> partToProperty[PartCount];
    QStringList familyNames;
    bool settingValue = false;
    QTimer *fontDatabaseChangeTimer = nullptr;

    QtProperty *ownerOf(int part, const QtProperty *sub) const
    {
        return partToProperty[part].value(sub);
    }
    QtProperty *part(const QtProperty *property, int which) const
    {
        return propertyToPart[which].value(property);
    }
};

QtFontPropertyManager::QtFontPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtFontPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), SIGNAL(fontDatabaseChanged()), this,
                SLOT(slotFontDatabaseChanged()));
    d_ptr->intManager = new QtIntPropertyManager(this);
    d_ptr->enumManager = new QtEnumPropertyManager(this);
    d_ptr->boolManager = new QtBoolPropertyManager(this);
    connect(d_ptr->intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotIntChanged(QtProperty *, int)));
    connect(d_ptr->enumManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotEnumChanged(QtProperty *, int)));
    connect(d_ptr->boolManager, SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotBoolChanged(QtProperty *, bool)));
    for (QtAbstractPropertyManager *inner :
         {static_cast<QtAbstractPropertyManager *>(d_ptr->intManager),
          static_cast<QtAbstractPropertyManager *>(d_ptr->enumManager),
          static_cast<QtAbstractPropertyManager *>(d_ptr->boolManager)})
        connect(inner, SIGNAL(propertyDestroyed(QtProperty *)), this,
                SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtFontPropertyManager::~QtFontPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtFontPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intManager;
}

QtEnumPropertyManager *QtFontPropertyManager::subEnumPropertyManager() const
{
    return d_ptr->enumManager;
}

QtBoolPropertyManager *QtFontPropertyManager::subBoolPropertyManager() const
{
    return d_ptr->boolManager;
}

QFont QtFontPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QFont());
}

QString QtFontPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : QtPropertyBrowserUtils::fontText(*it);
}

QIcon QtFontPropertyManager::valueIcon(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QIcon() : QtPropertyBrowserUtils::fontIcon(*it);
}

void QtFontPropertyManager::setValue(QtProperty *property, const QFont &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    if (*it == val && it->resolve() == val.resolve())
        return;
    *it = val;
    const QFont font = val;
    const int familyIndex = qMax(0, d_ptr->familyNames.indexOf(font.family()));

    const bool wasSetting = d_ptr->settingValue;
    d_ptr->settingValue = true;
    d_ptr->enumManager->setValue(d_ptr->part(property, Family), familyIndex);
    d_ptr->intManager->setValue(d_ptr->part(property, PointSize), font.pointSize());
    for (int part = Bold; part < PartCount; ++part)
        d_ptr->boolManager->setValue(d_ptr->part(property, part), styleOf(font, part));
    d_ptr->settingValue = wasSetting;

    emit propertyChanged(property);
    emit valueChanged(property, font);
}

void QtFontPropertyManager::slotIntChanged(QtProperty *sub, int value)
{
    if (d_ptr->settingValue)
        return;
    if (QtProperty *property = d_ptr->ownerOf(PointSize, sub)) {
        QFont font = d_ptr->values.value(property);
        font.setPointSize(value);
        setValue(property, font);
    }
}

void QtFontPropertyManager::slotEnumChanged(QtProperty *sub, int value)
{
    if (d_ptr->settingValue)
        return;
    QtProperty *property = d_ptr->ownerOf(Family, sub);
    if (!property || value < 0 || value >= d_ptr->familyNames.size())
        return;
    QFont font = d_ptr->values.value(property);
    font.setFamily(d_ptr->familyNames.at(value));
    setValue(property, font);
}

void QtFontPropertyManager::slotBoolChanged(QtProperty *sub, bool value)
{
    if (d_ptr->settingValue)
        return;
    for (int part = Bold; part < PartCount; ++part) {
        if (QtProperty *property = d_ptr->ownerOf(part, sub)) {
            QFont font = d_ptr->values.value(property);
            setStyle(font, part, value);
            setValue(property, font);
            return;
        }
    }
}

void QtFontPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    for (int part = Family; part < PartCount; ++part) {
        if (QtProperty *property = d_ptr->partToProperty[part].take(sub)) {
            d_ptr->propertyToPart[part][property] = nullptr;
            return;
        }
    }
}

void QtFontPropertyManager::slotFontDatabaseChanged()
{
    // A burst of notifications gives one refresh once control returns to the event loop.
    if (!d_ptr->fontDatabaseChangeTimer) {
        d_ptr->fontDatabaseChangeTimer = new QTimer(this);
        d_ptr->fontDatabaseChangeTimer->setInterval(0);
        d_ptr->fontDatabaseChangeTimer->setSingleShot(true);
        connect(d_ptr->fontDatabaseChangeTimer, SIGNAL(timeout()), this,
                SLOT(slotFontDatabaseDelayedChange()));
    }
    if (!d_ptr->fontDatabaseChangeTimer->isActive())
        d_ptr->fontDatabaseChangeTimer->start();
}

void QtFontPropertyManager::slotFontDatabaseDelayedChange()
{
    const QStringList oldFamilies = d_ptr->familyNames;
    d_ptr->familyNames = fontDatabase()->families();
    const auto families = d_ptr->propertyToPart[Family];
    for (auto it = families.cbegin(); it != families.cend(); ++it) {
        QtProperty *familySub = it.value();
        if (!familySub)
            continue;
        const QString shown = oldFamilies.value(d_ptr->enumManager->value(familySub));
        const int newIndex = qMax(0, d_ptr->familyNames.indexOf(shown));
        d_ptr->enumManager->setEnumNames(familySub, d_ptr->familyNames);
        d_ptr->enumManager->setValue(familySub, newIndex);
    }
}

void QtFontPropertyManager::initializeProperty(QtProperty *property)
{
    const QFont font;
    d_ptr->values[property] = font;
    if (d_ptr->familyNames.isEmpty())
        d_ptr->familyNames = fontDatabase()->families();

    auto attach = [this, property](int part, QtProperty *sub) {
        d_ptr->propertyToPart[part][property] = sub;
        d_ptr->partToProperty[part][sub] = property;
        property->addSubProperty(sub);
    };

    QtProperty *family = d_ptr->enumManager->addProperty();
    family->setPropertyName(tr("Family"));
    d_ptr->enumManager->setEnumNames(family, d_ptr->familyNames);
    d_ptr->enumManager->setValue(family, qMax(0, d_ptr->familyNames.indexOf(font.family())));
    attach(Family, family);

    QtProperty *pointSize = d_ptr->intManager->addProperty();
    pointSize->setPropertyName(tr("Point Size"));
    d_ptr->intManager->setValue(pointSize, font.pointSize());
    d_ptr->intManager->setMinimum(pointSize, 1);
    attach(PointSize, pointSize);

    const QString styleNames[PartCount] = {QString(),    QString(),       tr("Bold"),
                                           tr("Italic"), tr("Underline"), tr("Strikeout"),
                                           tr("Kerning")};
    for (int part = Bold; part < PartCount; ++part) {
        QtProperty *style = d_ptr->boolManager->addProperty();
        style->setPropertyName(styleNames[part]);
        d_ptr->boolManager->setValue(style, styleOf(font, part));
        attach(part, style);
    }
}

void QtFontPropertyManager::uninitializeProperty(QtProperty *property)
{
    for (int part = Family; part < PartCount; ++part) {
        if (QtProperty *sub = d_ptr->propertyToPart[part].take(property)) {
            d_ptr->partToProperty[part].remove(sub);
            delete sub;
        }
    }
    d_ptr->values.remove(property);
}
