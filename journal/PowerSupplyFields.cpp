#include "journal/PowerSupplyFields.h"

#include <QStringList>

QString PowerSupplyFields::mainSourceText(quint16 code)
{
    static const char *const texts[] = {
        "<strong>Ошибка определения</strong> <p>Ошибка определения основного источника "
        "питания.</p>",
        "<strong>Внутренняя батарея</strong> <p>Устройство использует для питания внутренние "
        "аккумуляторные батареи.</p>",
        "<strong>Внешняя батарея</strong> <p>Устройство использует для питания внешнюю "
        "аккумуляторную батарею.</p>",
        "<strong>Внешний источник питания</strong> <p>Устройство использует для питания "
        "внешний сетевой источник.</p>",
        "<strong>Шина USB</strong> <p>Устройство использует для питания шину USB.</p>",
    };
    if (code >= std::size(texts))
        return QString();
    return QString::fromUtf8(texts[code]).split(QLatin1Char('.')).first();
}
