#include "pages/radio/NamePattern.h"

const QString NamePattern =
    QStringLiteral("^[0-9a-zA-Zа-яА-ЯёЁ№_ ~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,\\.\\?\\/"
                   "\\-]{0,%1}$")
        .arg(63);
