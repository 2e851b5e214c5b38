#pragma once

#include <QComboBox>
#include <QHash>

// Stored values a combo cannot show. Until the user picks an entry, saving writes the stored
// value back instead of whatever the combo happens to show.
class UnshownValues
{
public:
    void clear() { m_values.clear(); }
    void keep(QComboBox *combo, quint32 value) { m_values.insert(combo, value); }
    void forget(QComboBox *combo) { m_values.remove(combo); }
    bool holds(QComboBox *combo) const { return m_values.contains(combo); }
    // The stored value while the combo has not been picked, otherwise fallback.
    quint32 value(QComboBox *combo, quint32 fallback) const
    {
        return m_values.value(combo, fallback);
    }
    // A user's pick replaces the stored value.
    template <typename Owner> void watch(Owner *owner, QComboBox *combo)
    {
        QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), owner,
                         [this, combo](int) { forget(combo); });
    }

private:
    QHash<QComboBox *, quint32> m_values;
};
