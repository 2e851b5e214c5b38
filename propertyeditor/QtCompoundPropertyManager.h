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
// Manager declares the signals, as moc takes no templates; Data is what a property holds, its
// value first.
template <class Manager, class Scalar, class Data>
class QtCompoundPropertyManager : public QtAbstractPropertyManager
{
public:
    static constexpr bool floating = std::is_floating_point_v<Scalar>;
    using SubManager = std::conditional_t<floating, QtDoublePropertyManager, QtIntPropertyManager>;
    using Value = decltype(Data::value);

protected:
    explicit QtCompoundPropertyManager(QObject *parent)
        : QtAbstractPropertyManager(parent), m_subManager(new SubManager(this))
    {
        connect(m_subManager, &SubManager::valueChanged, this,
                [this](QtProperty *sub, Scalar value) { partEdited(sub, value); });
        connect(m_subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
                [this](QtProperty *sub) { partDestroyed(sub); });
    }

    // A part's sub-property was edited: the value takes it in.
    virtual void changePart(QtProperty *property, int part, Scalar value) = 0;
    // The value's parts in the order of their sub-properties.
    virtual QVector<Scalar> partValues(const Value &value) const = 0;
    // Manager's texts: the value's text with %1.. for the parts, and the parts' names.
    virtual QString textPattern() const = 0;
    virtual QStringList partNames() const = 0;
    // Parts from this one on are lengths and never go below zero.
    virtual int firstLength() const = 0;

    QString valueText(const QtProperty *property) const override
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd())
            return QString();
        QString text = textPattern();
        const QVector<Scalar> parts = partValues(it->value);
        for (Scalar part : parts)
            text = text.arg(number(part, property));
        return text;
    }

    void initializeProperty(QtProperty *property) override
    {
        m_values[property] = Data();
        addParts(property, partNames(), firstLength());
    }

    void uninitializeProperty(QtProperty *property) override
    {
        removeParts(property);
        m_values.remove(property);
    }

    QMap<const QtProperty *, Data> &values() { return m_values; }
    const QMap<const QtProperty *, Data> &values() const { return m_values; }

    // A field of a property's data; a property this manager does not hold reads as empty.
    template <class Field> Field field(const QtProperty *property, Field Data::*member) const
    {
        auto it = m_values.constFind(property);
        return it == m_values.constEnd() ? Field() : (*it).*member;
    }

    void pushParts(const QtProperty *property, const Value &value)
    {
        const QVector<Scalar> parts = partValues(value);
        for (int index = 0; index < parts.size(); ++index)
            setPart(property, index, parts.at(index));
    }

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
    QMap<const QtProperty *, Data> m_values;
    QMap<const QtProperty *, QVector<QtProperty *>> m_parts;
    QMap<const QtProperty *, Owner> m_owners;
    QMap<const QtProperty *, int> m_decimals;
};
