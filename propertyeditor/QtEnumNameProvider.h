#pragma once

#include <QLocale>
#include <QMap>
#include <QMetaEnum>
#include <QSizePolicy>
#include <QStringList>

// The names behind the size-policy and locale enumerations, built once per process.
class QtEnumNameProvider
{
public:
    QtEnumNameProvider();

    QStringList policyNames() const { return m_policyNames; }
    QStringList languageNames() const { return m_languageNames; }
    QStringList countryNames(QLocale::Language language) const;

    int policyToIndex(QSizePolicy::Policy policy) const;
    QSizePolicy::Policy indexToPolicy(int index) const;
    void localeToIndexes(QLocale::Language language, QLocale::Country country, int *languageIndex,
                         int *countryIndex) const;
    void indexesToLocale(int languageIndex, int countryIndex, QLocale::Language *language,
                         QLocale::Country *country) const;

private:
    void addLanguages();

    QStringList m_policyNames;
    QStringList m_languageNames;
    QMap<QLocale::Language, QStringList> m_countryNames;
    QMap<int, QLocale::Language> m_indexToLanguage;
    QMap<QLocale::Language, int> m_languageToIndex;
    QMap<int, QMap<int, QLocale::Country>> m_indexToCountry;
    QMap<QLocale::Language, QMap<QLocale::Country, int>> m_countryToIndex;
    QMetaEnum m_policyEnum;
};

QtEnumNameProvider *enumNameProvider();
