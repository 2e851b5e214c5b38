#pragma once

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QString>

// Input patterns shared by the device settings pages.
namespace SettingsPatterns {

// Names of the object and of output groups: letters, digits and the harmless punctuation;
// no double quote or backslash.
inline QRegularExpression namePattern()
{
    return QRegularExpression(
        QStringLiteral("^[0-9a-zA-Zа-яА-ЯёЁ№_ ~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,\\."
                       "\\?\\/\\-]{0,%1}$")
            .arg(63));
}

// Every number 0..65535 can be typed (60000..60999 included); the boxes hold the range.
inline QRegularExpression delayPattern()
{
    return QRegularExpression(QStringLiteral(
        "^(6553[0-5]|655[0-2][0-9]|65[0-4][0-9]{2}|6[0-4][0-9]{3}|[1-5]?[0-9]{0,4})$"));
}

} // namespace SettingsPatterns
