#include "radio/params/SensorProperty.h"

#include <utility>

namespace {
SensorProperty node(SensorProperty::Kind kind, int editable, const QString &tag,
                    const QString &caption)
{
    SensorProperty property;
    property.kind = kind;
    property.editable = editable;
    property.tag = tag;
    property.caption = caption;
    return property;
}
} // namespace

SensorProperty SensorProperty::group(const QString &tag, const QString &caption,
                                     std::vector<SensorProperty> children)
{
    SensorProperty property = node(Group, 0, tag, caption);
    property.children = std::move(children);
    return property;
}

SensorProperty SensorProperty::readOnlyString(const QString &tag, const QString &caption,
                                              Getter getter)
{
    SensorProperty property = node(String, 0, tag, caption);
    property.getter = std::move(getter);
    return property;
}

SensorProperty SensorProperty::string(const QString &tag, const QString &caption, Getter getter,
                                      Setter setter)
{
    SensorProperty property = node(String, 1, tag, caption);
    property.getter = std::move(getter);
    property.setter = std::move(setter);
    return property;
}

SensorProperty SensorProperty::readOnlyEnumeration(const QString &tag, const QString &caption,
                                                   Getter getter, CaptionsGetter captionsGetter)
{
    SensorProperty property = node(Enumeration, 0, tag, caption);
    property.getter = std::move(getter);
    property.captionsGetter = std::move(captionsGetter);
    return property;
}

SensorProperty SensorProperty::readOnlyEnumeration(const QString &tag, const QString &caption,
                                                   Getter getter, const QStringList &captions)
{
    return readOnlyEnumeration(tag, caption, std::move(getter), [captions] { return captions; });
}

SensorProperty SensorProperty::enumeration(const QString &tag, const QString &caption,
                                           Getter getter, Setter setter,
                                           CaptionsGetter captionsGetter, ValuesGetter valuesGetter)
{
    SensorProperty property = node(Enumeration, 1, tag, caption);
    property.getter = std::move(getter);
    property.setter = std::move(setter);
    property.captionsGetter = std::move(captionsGetter);
    property.valuesGetter = std::move(valuesGetter);
    return property;
}

SensorProperty SensorProperty::readOnlyInteger(const QString &tag, const QString &caption,
                                               const QString &suffix, Getter getter)
{
    SensorProperty property = node(Integer, 0, tag, caption);
    property.suffix = suffix;
    property.getter = std::move(getter);
    return property;
}

SensorProperty SensorProperty::integer(const QString &tag, const QString &caption,
                                       const QString &suffix, Getter getter, Setter setter,
                                       double minimum, double maximum)
{
    SensorProperty property = readOnlyInteger(tag, caption, suffix, std::move(getter));
    property.editable = 1;
    property.setter = std::move(setter);
    property.minimum = minimum;
    property.maximum = maximum;
    return property;
}

SensorProperty SensorProperty::boolean(const QString &tag, const QString &caption, Getter getter,
                                       Setter setter, const QStringList &captions)
{
    SensorProperty property = node(Boolean, 1, tag, caption);
    property.getter = std::move(getter);
    property.setter = std::move(setter);
    property.captions = captions;
    return property;
}

SensorProperty SensorProperty::readOnlyReal(const QString &tag, const QString &caption,
                                            const QString &suffix, Getter getter)
{
    SensorProperty property = node(Double, 0, tag, caption);
    property.suffix = suffix;
    property.getter = std::move(getter);
    return property;
}

SensorProperty SensorProperty::real(const QString &tag, const QString &caption,
                                    const QString &suffix, Getter getter, Setter setter,
                                    double minimum, double maximum)
{
    SensorProperty property = readOnlyReal(tag, caption, suffix, std::move(getter));
    property.editable = 1;
    property.setter = std::move(setter);
    property.minimum = minimum;
    property.maximum = maximum;
    return property;
}

SensorProperty SensorProperty::actionButton(const QString &tag, const QString &caption,
                                            const QString &buttonText, Setter action)
{
    SensorProperty property = node(ActionButton, 1, tag, caption);
    property.captions = QStringList{buttonText};
    property.expanded = 0;
    property.setter = std::move(action);
    return property;
}

bool SensorProperty::setValue(const QVariant &value) const
{
    if (!setter)
        return false;
    setter(value);
    return true;
}

SensorProperty *SensorProperty::find(const QString &wanted)
{
    if (tag == wanted)
        return this;
    for (SensorProperty &child : children) {
        if (SensorProperty *found = child.find(wanted))
            return found;
    }
    return nullptr;
}
