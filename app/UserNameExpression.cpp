#include "app/UserNameExpression.h"

const QRegularExpression &userNameExpression()
{
    static const QRegularExpression expression(
        QStringLiteral(
            "^[0-9a-zA-Zа-яА-ЯёЁ№_ ~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,\\.\\?"
            "\\/\\-]{0,%1}$")
            .arg(95));
    return expression;
}
