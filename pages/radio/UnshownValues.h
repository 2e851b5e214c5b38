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

    // The same rule for pages that refill their combos from a record: a stored value without
    // an entry gets an entry of its own showing the number, which stays current until the
    // user picks another entry, so saving writes the value back as it was.
    static constexpr int StoredRole = Qt::UserRole + 0x5e;
    // Entry index is the stored value; ownText names an entry of its own when the other
    // entries do not show the plain number.
    static void showIndex(QComboBox *combo, quint32 stored, const QString &ownText = QString())
    {
        removeOwnEntries(combo);
        if (stored < quint32(combo->count()))
            combo->setCurrentIndex(int(stored));
        else
            addOwnEntry(combo, stored, ownText);
    }
    // Entry data (Qt::UserRole) is the stored value.
    static void showData(QComboBox *combo, quint32 stored, const QString &ownText = QString())
    {
        removeOwnEntries(combo);
        const int index = combo->findData(stored);
        if (index >= 0)
            combo->setCurrentIndex(index);
        else
            addOwnEntry(combo, stored, ownText);
    }
    static quint32 pickedIndex(const QComboBox *combo)
    {
        const QVariant own = combo->currentData(StoredRole);
        return own.isValid() ? own.toUInt() : quint32(combo->currentIndex());
    }
    static quint32 pickedData(const QComboBox *combo)
    {
        const QVariant own = combo->currentData(StoredRole);
        return own.isValid() ? own.toUInt() : combo->currentData().toUInt();
    }
    // A mask shown through the first shownBits entries keeps the bits it cannot show.
    static quint32 mergedMask(quint32 stored, quint32 shown, int shownBits)
    {
        const quint32 visible = shownBits >= 32 ? ~0u : (1u << qMax(shownBits, 0)) - 1u;
        return (stored & ~visible) | (shown & visible);
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
    static void addOwnEntry(QComboBox *combo, quint32 stored, const QString &text = QString())
    {
        combo->addItem(text.isEmpty() ? QString::number(stored) : text);
        combo->setItemData(combo->count() - 1, stored, StoredRole);
        combo->setCurrentIndex(combo->count() - 1);
    }
    static void removeOwnEntries(QComboBox *combo)
    {
        for (int i = combo->count() - 1; i >= 0; --i)
            if (combo->itemData(i, StoredRole).isValid())
                combo->removeItem(i);
    }

    QHash<QComboBox *, quint32> m_values;
    QHash<QAbstractButton *, quint32> m_buttons;
};
