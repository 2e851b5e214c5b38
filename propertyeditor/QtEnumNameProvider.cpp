#include "propertyeditor/QtEnumNameProvider.h"

#include "propertyeditor/QtMetaEnumWrapper.h"

#include <QMetaProperty>

Q_GLOBAL_STATIC(QtEnumNameProvider, globalEnumNameProvider)

QtEnumNameProvider *enumNameProvider()
{
    return globalEnumNameProvider();
}

QtEnumNameProvider::QtEnumNameProvider()
{
    const QMetaObject &meta = QtMetaEnumWrapper::staticMetaObject;
    m_policyEnum = meta.property(meta.propertyOffset()).enumerator();
    for (int i = 0; i < m_policyEnum.keyCount(); ++i)
        m_policyNames.append(QLatin1String(m_policyEnum.key(i)));
    addLanguages();
}

void QtEnumNameProvider::addLanguages()
{
    // Ordered by name; among equal names the later code comes first.
    QMultiMap<QString, QLocale::Language> languagesByName;
    for (int code = QLocale::C; code <= QLocale::LastLanguage; ++code) {
        const auto language = static_cast<QLocale::Language>(code);
        if (QLocale(language).language() == language)
            languagesByName.insert(QLocale::languageToString(language), language);
    }
    const QLocale system = QLocale::system();
    const QString systemName = QLocale::languageToString(system.language());
    if (!languagesByName.contains(systemName))
        languagesByName.insert(systemName, system.language());

    for (auto it = languagesByName.cbegin(); it != languagesByName.cend(); ++it) {
        const QLocale::Language language = it.value();
        QList<QLocale::Country> countries = QLocale::countriesForLanguage(language);
        if (countries.isEmpty() && language == system.language())
            countries << system.country();
        if (countries.isEmpty() || m_languageToIndex.contains(language))
            continue;

        QMultiMap<QString, QLocale::Country> countriesByName;
        for (QLocale::Country country : qAsConst(countries))
            countriesByName.insert(QLocale::countryToString(country), country);

        const int languageIndex = m_languageNames.size();
        m_indexToLanguage[languageIndex] = language;
        m_languageToIndex[language] = languageIndex;
        QStringList names;
        int countryIndex = 0;
        for (auto c = countriesByName.cbegin(); c != countriesByName.cend(); ++c) {
            names << c.key();
            m_indexToCountry[languageIndex][countryIndex] = c.value();
            m_countryToIndex[language][c.value()] = countryIndex;
            ++countryIndex;
        }
        m_countryNames[language] = names;
        m_languageNames << it.key();
    }
}

QStringList QtEnumNameProvider::countryNames(QLocale::Language language) const
{
    return m_countryNames.value(language);
}

int QtEnumNameProvider::policyToIndex(QSizePolicy::Policy policy) const
{
    for (int i = 0; i < m_policyEnum.keyCount(); ++i) {
        if (m_policyEnum.value(i) == policy)
            return i;
    }
    return -1;
}

QSizePolicy::Policy QtEnumNameProvider::indexToPolicy(int index) const
{
    return static_cast<QSizePolicy::Policy>(m_policyEnum.value(index));
}

void QtEnumNameProvider::localeToIndexes(QLocale::Language language, QLocale::Country country,
                                         int *languageIndex, int *countryIndex) const
{
    int li = m_languageToIndex.value(language, -1);
    int ci = -1;
    if (li >= 0)
        ci = m_countryToIndex.value(language).value(country, -1);
    if (languageIndex)
        *languageIndex = li;
    if (countryIndex)
        *countryIndex = ci;
}

void QtEnumNameProvider::indexesToLocale(int languageIndex, int countryIndex,
                                         QLocale::Language *language,
                                         QLocale::Country *country) const
{
    if (language)
        *language = m_indexToLanguage.value(languageIndex, QLocale::C);
    if (country)
        *country = m_indexToCountry.value(languageIndex).value(countryIndex, QLocale::AnyCountry);
}
