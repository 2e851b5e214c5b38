#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QHash>

// Stored values a combo cannot show. Until the user picks an entry, saving writes the stored
// value back instead of whatever the combo happens to show.
class UnshownValues
{
public:
    void clear()
    {
        m_values.clear();
        m_buttons.clear();
    }
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

    // A check box over a byte that may hold more than on and off: until the box is toggled,
    // saving writes the stored byte back.
    void keep(QAbstractButton *box, quint32 value) { m_buttons.insert(box, value); }
    void forget(QAbstractButton *box) { m_buttons.remove(box); }
    bool holds(QAbstractButton *box) const { return m_buttons.contains(box); }
    quint32 value(QAbstractButton *box, quint32 fallback) const
    {
        return m_buttons.value(box, fallback);
    }
    // Any toggle, the user's or one a linked box makes, replaces the stored value.
    template <typename Owner> void watch(Owner *owner, QAbstractButton *box)
    {
        QObject::connect(box, &QAbstractButton::toggled, owner, [this, box](bool) { forget(box); });
    }

private:
    QHash<QComboBox *, quint32> m_values;
    QHash<QAbstractButton *, quint32> m_buttons;
};
