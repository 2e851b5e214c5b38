#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

// One node of a radio device's parameter tree: what the property view shows in a row
// and how it reads and changes the device's records.
class SensorProperty
{
public:
    enum Kind
    {
        Group,
        String,
        Enumeration,
        Integer,
        Boolean,
        Double,
        ActionButton
    };

    using Getter = std::function<QVariant()>;
    using Setter = std::function<void(const QVariant &)>;
    using CaptionsGetter = std::function<QStringList()>;
    using ValuesGetter = std::function<QList<int>()>;

    SensorProperty() = default;

    static SensorProperty group(const QString &tag, const QString &caption,
                                std::vector<SensorProperty> children);
    static SensorProperty readOnlyString(const QString &tag, const QString &caption, Getter getter);
    static SensorProperty string(const QString &tag, const QString &caption, Getter getter,
                                 Setter setter);
    static SensorProperty readOnlyEnumeration(const QString &tag, const QString &caption,
                                              Getter getter, const QStringList &captions);
    static SensorProperty enumeration(const QString &tag, const QString &caption, Getter getter,
                                      Setter setter, CaptionsGetter captions, ValuesGetter values);
    static SensorProperty readOnlyInteger(const QString &tag, const QString &caption,
                                          const QString &suffix, Getter getter);
    // A null setter makes the node read-only.
    static SensorProperty boolean(const QString &tag, const QString &caption, Getter getter,
                                  Setter setter, const QStringList &captions);
    static SensorProperty actionButton(const QString &tag, const QString &caption,
                                       const QString &buttonText, Setter action);

    Kind kind = Group;
    QString tag;
    QString caption;
    Getter getter;
    Setter setter;
    CaptionsGetter captionsGetter;
    ValuesGetter valuesGetter;
    std::vector<SensorProperty> children;
    bool enabled = true;
    QString regularExpression;
    QString suffix;
    QStringList booleanCaptions;
    QString buttonText;

    bool isReadOnly() const { return !setter; }
    QVariant value() const { return getter ? getter() : QVariant(); }
    // Calls the setter when there is one; false for a read-only node.
    bool setValue(const QVariant &value) const;

    // First node of the subtree, the node itself included, whose tag equals tag; the
    // subtree is searched node before children, children in order.
    SensorProperty *find(const QString &tag);
};
