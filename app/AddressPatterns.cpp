#include "app/AddressPatterns.h"

namespace {
const QString octet = QStringLiteral("(\\d{1,2})|(1\\d{2})|(2[0-4]\\d)|(25[0-5])");
const QString partialOctet = QStringLiteral("|(\\d{1,2})|(1\\d{2})|(2[0-4]\\d)|(25[0-5])");

QString dotted(const QString &part)
{
    return QStringLiteral("^((%1)\\.){3}(%1)$").arg(part);
}
} // namespace

namespace AddressPatterns {

const QRegularExpression &host()
{
    static const QRegularExpression expression(
        QStringLiteral("^([hHtTpPfFsSuUdDpP]{0,5}:?/{0,2})?"
                       "(([a-zA-Z0-9][a-zA-Z0-9_-]*)(\\.[a-zA-Z0-9][a-zA-Z0-9_-]*)+)"));
    return expression;
}

const QRegularExpression &ipv4()
{
    static const QRegularExpression expression(dotted(octet));
    return expression;
}

const QRegularExpression &ipv4Partial()
{
    static const QRegularExpression expression(dotted(partialOctet));
    return expression;
}

const QRegularExpression &ipv4Edit()
{
    static const QRegularExpression expression(
        QStringLiteral("^(([1-9]?|([1-9]\\d{1})|(1\\d{2})|(2[0-4]\\d)|(25[0-5]))\\.)"
                       "(([0-9]?|([1-9]\\d{1})|(1\\d{2})|(2[0-4]\\d)|(25[0-5]))\\.){2}"
                       "([0-9]?|([1-9]\\d{1})|(1\\d{2})|(2[0-4]\\d)|(25[0-5]))$"));
    return expression;
}

QString ipv6Pattern()
{
    const QString v4 = QStringLiteral("((25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])\\.){3,3}"
                                      "(25[0-5]|(2[0-4]|1{0,1}[0-9]){0,1}[0-9])");
    return QStringLiteral("(([0-9a-f]{1,4}:){7,7}[0-9a-f]{1,4}|"
                          "([0-9a-f]{1,4}:){1,7}:|"
                          "([0-9a-f]{1,4}:){1,6}:[0-9a-f]{1,4}|"
                          "([0-9a-f]{1,4}:){1,5}(:[0-9a-f]{1,4}){1,2}|"
                          "([0-9a-f]{1,4}:){1,4}(:[0-9a-f]{1,4}){1,3}|"
                          "([0-9a-f]{1,4}:){1,3}(:[0-9a-f]{1,4}){1,4}|"
                          "([0-9a-f]{1,4}:){1,2}(:[0-9a-f]{1,4}){1,5}|"
                          "[0-9a-f]{1,4}:((:[0-9a-f]{1,4}){1,6})|"
                          ":((:[0-9a-f]{1,4}){1,7}|:)|"
                          "fe80:(:[0-9a-f]{0,4}){0,4}%[0-9a-zA-Z]{1,}|"
                          "::(ffff(:0{1,4}){0,1}:){0,1}") +
           v4 + QStringLiteral("|([0-9a-f]{1,4}:){1,4}:") + v4 + QStringLiteral(")");
}

} // namespace AddressPatterns
