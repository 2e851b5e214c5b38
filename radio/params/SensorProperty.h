#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <vector>

// One node of a radio device's parameter tree: a group, or one typed value with the
// functions that read it from the device's records, write it back and describe how it
// is shown. A plain value: copies own their children and their functions; the functions
// capture the device, so a node is valid exactly as long as its device is.
class SensorProperty
{
public:
    enum Kind
    {
        Group = 0,
        String = 1,
        Enumeration = 2,
        Integer = 3,
        Boolean = 4,
        Double = 5,
        ActionButton = 6
    };

    using Getter = std::function<QVariant()>;
    using Setter = std::function<void(const QVariant &)>;
    using ColourGetter = std::function<QColor()>;
    using CaptionsGetter = std::function<QStringList()>;
    using ValuesGetter = std::function<QVector<int>()>;
    using TextGetter = std::function<QString()>;

    // A placeholder, always assigned a built node before it is read.
    SensorProperty() = default;

    static SensorProperty group(const QString &tag, const QString &caption,
                                std::vector<SensorProperty> children);
    static SensorProperty readOnlyString(const QString &tag, const QString &caption, Getter getter);
    static SensorProperty string(const QString &tag, const QString &caption, Getter getter,
                                 Setter setter);
    static SensorProperty readOnlyEnumeration(const QString &tag, const QString &caption,
                                              Getter getter, CaptionsGetter captionsGetter);
    static SensorProperty readOnlyEnumeration(const QString &tag, const QString &caption,
                                              Getter getter, const QStringList &captions);
    static SensorProperty enumeration(const QString &tag, const QString &caption, Getter getter,
                                      Setter setter, CaptionsGetter captionsGetter,
                                      ValuesGetter valuesGetter);
    static SensorProperty readOnlyInteger(const QString &tag, const QString &caption,
                                          const QString &suffix, Getter getter);
    static SensorProperty integer(const QString &tag, const QString &caption, const QString &suffix,
                                  Getter getter, Setter setter, double minimum, double maximum);
    // There is no read-only boolean: an empty setter shows the row disabled.
    static SensorProperty boolean(const QString &tag, const QString &caption, Getter getter,
                                  Setter setter, const QStringList &captions);
    static SensorProperty readOnlyReal(const QString &tag, const QString &caption,
                                       const QString &suffix, Getter getter);
    static SensorProperty real(const QString &tag, const QString &caption, const QString &suffix,
                               Getter getter, Setter setter, double minimum, double maximum);
    static SensorProperty actionButton(const QString &tag, const QString &caption,
                                       const QString &buttonText, Setter action);

    QString tag;
    QString caption;
    QString suffix;
    int editable = 0;
    Kind kind = Group;
    Getter getter;
    Setter setter;
    ColourGetter colourGetter;
    CaptionsGetter captionsGetter;
    ValuesGetter valuesGetter;
    std::vector<SensorProperty> children;
    int expanded = 1;
    double minimum = 0;
    double maximum = 0;
    QStringList captions;
    int enabled = 1;
    QColor colour = QColor(210, 210, 210);
    QString regExp;
    int decimals = 1;
    double singleStep = 1.0;
    TextGetter buttonTextGetter;

    QVariant value() const { return getter ? getter() : QVariant(); }
    // Calls the setter when there is one; false for a node without.
    bool setValue(const QVariant &value) const;

    // First node in pre-order (the node itself, then each child's subtree) with the tag.
    SensorProperty *find(const QString &wanted);
};
