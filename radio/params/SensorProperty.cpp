#include "radio/params/SensorProperty.h"

#include <utility>

namespace {
SensorProperty node(SensorProperty::Kind kind, const QString &tag, const QString &caption)
{
    SensorProperty property;
    property.kind = kind;
    property.tag = tag;
    property.caption = caption;
    return property;
}
} // namespace

SensorProperty SensorProperty::group(const QString &tag, const QString &caption,
                                     std::vector<SensorProperty> children)
{
    SensorProperty property = node(Group, tag, caption);
    property.children = std::move(children);
    return property;
}

SensorProperty SensorProperty::readOnlyString(const QString &tag, const QString &caption,
                                              Getter getter)
{
    SensorProperty property = node(String, tag, caption);
    property.getter = std::move(getter);
    return property;
}

SensorProperty SensorProperty::string(const QString &tag, const QString &caption, Getter getter,
                                      Setter setter)
{
    SensorProperty property = readOnlyString(tag, caption, std::move(getter));
    property.setter = std::move(setter);
    return property;
}

SensorProperty SensorProperty::readOnlyEnumeration(const QString &tag, const QString &caption,
                                                   Getter getter, const QStringList &captions)
{
    SensorProperty property = node(Enumeration, tag, caption);
    property.getter = std::move(getter);
    property.captionsGetter = [captions] { return captions; };
    return property;
}

SensorProperty SensorProperty::enumeration(const QString &tag, const QString &caption,
                                           Getter getter, Setter setter, CaptionsGetter captions,
                                           ValuesGetter values)
{
    SensorProperty property = node(Enumeration, tag, caption);
    property.getter = std::move(getter);
    property.setter = std::move(setter);
    property.captionsGetter = std::move(captions);
    property.valuesGetter = std::move(values);
    return property;
}

SensorProperty SensorProperty::readOnlyInteger(const QString &tag, const QString &caption,
                                               const QString &suffix, Getter getter)
{
    SensorProperty property = node(Integer, tag, caption);
    property.suffix = suffix;
    property.getter = std::move(getter);
    return property;
}

SensorProperty SensorProperty::boolean(const QString &tag, const QString &caption, Getter getter,
                                       Setter setter, const QStringList &captions)
{
    SensorProperty property = node(Boolean, tag, caption);
    property.getter = std::move(getter);
    property.setter = std::move(setter);
    property.booleanCaptions = captions;
    return property;
}

SensorProperty SensorProperty::actionButton(const QString &tag, const QString &caption,
                                            const QString &buttonText, Setter action)
{
    SensorProperty property = node(ActionButton, tag, caption);
    property.buttonText = buttonText;
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
