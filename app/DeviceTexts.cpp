#include "app/DeviceTexts.h"

QString serialNumberText(quint32 deviceNumber)
{
    return QString::number(80000000u + (deviceNumber & 0xFFFFFFu));
}

QString versionText(int major, int minor)
{
    return minor < 10 ? QStringLiteral("%1.0%2").arg(major).arg(minor)
                      : QStringLiteral("%1.%2").arg(major).arg(minor);
}

QString versionNumberText(const QVersionNumber &version)
{
    return QStringLiteral("%1.%2")
        .arg(version.majorVersion())
        .arg(version.minorVersion(), 2, 10, QLatin1Char('0'));
}

QString normalizePhoneNumber(const QString &text)
{
    if (text.size() < 5)
        return text;
    QString phone = text;
    if (phone.startsWith(QLatin1Char('8')))
        phone.replace(0, 1, QStringLiteral("+7"));
    if (!phone.startsWith(QLatin1Char('+')))
        phone.prepend(QLatin1Char('+'));
    return phone;
}
