#pragma once

#include <QString>
#include <QStringList>

// Help texts of the climate sensor panel's hint icons, keyed by the icon's object name.
// Built once when the program starts; every panel shares the one copy.
namespace ClimateHints {
// The help text of a hint icon, empty for an unknown name.
const QString &text(const QString &iconName);
// The object names of every hint icon that has a text.
const QStringList &iconNames();
} // namespace ClimateHints
