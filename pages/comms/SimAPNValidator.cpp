#include "pages/comms/SimAPNValidator.h"

#include <QRegularExpression>

QValidator::State SimAPNValidator::validate(QString &input, int & /*pos*/) const
{
    if (input.isEmpty())
        return Acceptable;
    for (const char *pair : {"..", "--", "-.", ".-"})
        if (input.contains(QLatin1String(pair)))
            return Invalid;
    if (input.startsWith(QLatin1Char('.')) || input.startsWith(QLatin1Char('-')))
        return Invalid;
    if (input.endsWith(QLatin1Char('.')) || input.endsWith(QLatin1Char('-')))
        return Intermediate;
    if (input.size() > 50)
        return Invalid;
    static const QRegularExpression allowed(QStringLiteral("^[a-zA-Z0-9.-]*$"));
    return allowed.match(input).hasMatch() ? Acceptable : Invalid;
}
