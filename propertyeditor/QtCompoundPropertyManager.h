#pragma once

#include "propertyeditor/QtDoublePropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtProperty.h"

#include <QMap>
#include <QStringList>
#include <QVector>
#include <type_traits>

// Values made of parts (x and y, width and height), each edited through a sub-property of a
// whole-number or floating-point manager; floating-point values also keep their decimals.
// Manager declares the signals, as moc takes no templates.
template <class Manager, class Scalar>
class QtCompoundPropertyManager : public QtAbstractPropertyManager
{
public:
    static constexpr bool floating = std::is_floating_point_v<Scalar>;
    using SubManager = std::conditional_t<floating, QtDoublePropertyManager, QtIntPropertyManager>;

protected:
    explicit QtCompoundPropertyManager(QObject *parent)
        : QtAbstractPropertyManager(parent), m_subManager(new SubManager(this))
    {
        connect(m_subManager, &SubManager::valueChanged, this,
                [this](QtProperty *sub, Scalar value) { partEdited(sub, value); });
        connect(m_subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
                [this](QtProperty *sub) { partDestroyed(sub); });
    }

    // A part's sub-property was edited: Manager folds the value into its own.
    virtual void changePart(QtProperty *property, int part, Scalar value) = 0;

    SubManager *subManager() const { return m_subManager; }
    Manager *manager() { return static_cast<Manager *>(this); }

    // The sub-property of a part; null once it is gone.
    QtProperty *part(const QtProperty *property, int index) const
    {
        return m_parts.value(property).value(index);
    }

    void setPart(const QtProperty *property, int index, Scalar value)
    {
        m_subManager->setValue(part(property, index), value);
    }

    // Parts from firstLength on are lengths and never go below zero.
    void addParts(QtProperty *property, const QStringList &names, int firstLength)
    {
        if constexpr (floating)
            m_decimals[property] = 2;
        for (int index = 0; index < names.size(); ++index) {
            QtProperty *sub = m_subManager->addProperty();
            sub->setPropertyName(names.at(index));
            if constexpr (floating)
                m_subManager->setDecimals(sub, 2);
            m_subManager->setValue(sub, 0);
            if (index >= firstLength)
                m_subManager->setMinimum(sub, 0);
            m_parts[property].append(sub);
            m_owners.insert(sub, Owner{property, index});
            property->addSubProperty(sub);
        }
    }

    void removeParts(QtProperty *property)
    {
        const QVector<QtProperty *> parts = m_parts.take(property);
        for (QtProperty *sub : parts) {
            if (!sub)
                continue;
            m_owners.remove(sub);
            delete sub;
        }
        m_decimals.remove(property);
    }

    // A part as the value's text shows it.
    QString number(Scalar value, const QtProperty *property) const
    {
        if constexpr (floating)
            return QString::number(value, 'f', decimalsOf(property));
        else
            return QString::number(value);
    }

    int decimalsOf(const QtProperty *property) const { return m_decimals.value(property, 0); }

    void setDecimalsOf(QtProperty *property, int prec)
    {
        auto it = m_decimals.find(property);
        prec = qBound(0, prec, 13);
        if (it == m_decimals.end() || *it == prec)
            return;
        for (QtProperty *sub : m_parts.value(property))
            m_subManager->setDecimals(sub, prec);
        *it = prec;
        emit manager()->decimalsChanged(property, prec);
    }

private:
    struct Owner
    {
        QtProperty *property = nullptr;
        int index = 0;
    };

    void partEdited(QtProperty *sub, Scalar value)
    {
        const Owner owner = m_owners.value(sub);
        if (owner.property)
            changePart(owner.property, owner.index, value);
    }

    void partDestroyed(QtProperty *sub)
    {
        const Owner owner = m_owners.take(sub);
        if (owner.property)
            m_parts[owner.property][owner.index] = nullptr;
    }

    SubManager *m_subManager;
    QMap<const QtProperty *, QVector<QtProperty *>> m_parts;
    QMap<const QtProperty *, Owner> m_owners;
    QMap<const QtProperty *, int> m_decimals;
};
