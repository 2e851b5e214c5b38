#include "propertyeditor/QtLocalePropertyManager.h"

#include "propertyeditor/QtEnumNameProvider.h"
#include "propertyeditor/QtProperty.h"

#include <QMap>

class QtLocalePropertyManagerPrivate
{
public:
    QtLocalePropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QLocale> values;
    QtEnumPropertyManager *enumManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToLanguage;
    QMap<const QtProperty *, QtProperty *> propertyToCountry;
    QMap<const QtProperty *, QtProperty *> languageToProperty;
    QMap<const QtProperty *, QtProperty *> countryToProperty;
};

QtLocalePropertyManager::QtLocalePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtLocalePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->enumManager = new QtEnumPropertyManager(this);
    connect(d_ptr->enumManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotEnumChanged(QtProperty *, int)));
    connect(d_ptr->enumManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtLocalePropertyManager::~QtLocalePropertyManager()
{
    clear();
    delete d_ptr;
}

QtEnumPropertyManager *QtLocalePropertyManager::subEnumPropertyManager() const
{
    return d_ptr->enumManager;
}

QLocale QtLocalePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QLocale());
}

QString QtLocalePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const QtEnumNameProvider *names = enumNameProvider();
    int languageIndex = -1;
    int countryIndex = -1;
    names->localeToIndexes(it->language(), it->country(), &languageIndex, &countryIndex);
    // A locale outside the tables still gets readable names, never an index of -1.
    const QString language = languageIndex < 0 ? QLocale::languageToString(it->language())
                                               : names->languageNames().value(languageIndex);
    const QString country = countryIndex < 0
                                ? QLocale::countryToString(it->country())
                                : names->countryNames(it->language()).value(countryIndex);
    return tr("%1, %2").arg(language, country);
}

void QtLocalePropertyManager::setValue(QtProperty *property, const QLocale &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    const QLocale old = *it;
    *it = val;
    const QLocale locale = val;

    const QtEnumNameProvider *names = enumNameProvider();
    int languageIndex = -1;
    int countryIndex = -1;
    names->localeToIndexes(locale.language(), locale.country(), &languageIndex, &countryIndex);
    QtProperty *languageSub = d_ptr->propertyToLanguage.value(property);
    QtProperty *countrySub = d_ptr->propertyToCountry.value(property);
    if (old.language() != locale.language()) {
        d_ptr->enumManager->setValue(languageSub, languageIndex);
        d_ptr->enumManager->setEnumNames(countrySub, names->countryNames(locale.language()));
    }
    d_ptr->enumManager->setValue(countrySub, countryIndex);

    emit propertyChanged(property);
    emit valueChanged(property, locale);
}

void QtLocalePropertyManager::slotEnumChanged(QtProperty *sub, int value)
{
    const QtEnumNameProvider *names = enumNameProvider();
    if (QtProperty *property = d_ptr->languageToProperty.value(sub)) {
        const QLocale old = d_ptr->values.value(property);
        QLocale::Language language = QLocale::C;
        names->indexesToLocale(value, 0, &language, nullptr);
        setValue(property, QLocale(language, old.country()));
    } else if (QtProperty *property = d_ptr->countryToProperty.value(sub)) {
        const int languageIndex =
            d_ptr->enumManager->value(d_ptr->propertyToLanguage.value(property));
        QLocale::Language language = QLocale::C;
        QLocale::Country country = QLocale::AnyCountry;
        names->indexesToLocale(languageIndex, value, &language, &country);
        setValue(property, QLocale(language, country));
    }
}

void QtLocalePropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    if (QtProperty *property = d_ptr->languageToProperty.take(sub))
        d_ptr->propertyToLanguage[property] = nullptr;
    else if (QtProperty *property = d_ptr->countryToProperty.take(sub))
        d_ptr->propertyToCountry[property] = nullptr;
}

void QtLocalePropertyManager::initializeProperty(QtProperty *property)
{
    const QLocale locale;
    d_ptr->values[property] = locale;
    const QtEnumNameProvider *names = enumNameProvider();
    int languageIndex = -1;
    int countryIndex = -1;
    names->localeToIndexes(locale.language(), locale.country(), &languageIndex, &countryIndex);

    QtProperty *language = d_ptr->enumManager->addProperty();
    language->setPropertyName(tr("Language"));
    d_ptr->enumManager->setEnumNames(language, names->languageNames());
    d_ptr->enumManager->setValue(language, languageIndex);
    d_ptr->propertyToLanguage[property] = language;
    d_ptr->languageToProperty[language] = property;
    property->addSubProperty(language);

    QtProperty *country = d_ptr->enumManager->addProperty();
    country->setPropertyName(tr("Country"));
    d_ptr->enumManager->setEnumNames(country, names->countryNames(locale.language()));
    d_ptr->enumManager->setValue(country, countryIndex);
    d_ptr->propertyToCountry[property] = country;
    d_ptr->countryToProperty[country] = property;
    property->addSubProperty(country);
}

void QtLocalePropertyManager::uninitializeProperty(QtProperty *property)
{
    if (QtProperty *language = d_ptr->propertyToLanguage.take(property)) {
        d_ptr->languageToProperty.remove(language);
        delete language;
    }
    if (QtProperty *country = d_ptr->propertyToCountry.take(property)) {
        d_ptr->countryToProperty.remove(country);
        delete country;
    }
    d_ptr->values.remove(property);
}
