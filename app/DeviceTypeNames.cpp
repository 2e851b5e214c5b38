#include "app/DeviceTypeNames.h"

std::array<QString, DeviceTypeCount> deviceTypeNames;

namespace {
bool isTarvoCode(int code)
{
    if ((code >= 2 && code <= 7) || (code >= 10 && code <= 16) || (code >= 18 && code <= 32))
        return true;
    switch (code) {
    case 34:
    case 49:
    case 50:
    case 53:
    case 55:
    case 56:
    case 57:
    case 63:
    case 64:
    case 65:
    case 66:
    case 67:
    case 69:
    case 70:
    case 71:
    case 72:
    case 73:
        return true;
    default:
        return false;
    }
}
} // namespace

void initDeviceTypeNames()
{
    for (int code = 0; code < DeviceTypeCount; ++code)
        deviceTypeNames[code] = isTarvoCode(code)
                                    ? QStringLiteral("Tarvo-T%1").arg(code, 2, 10, QLatin1Char('0'))
                                    : QString();
    deviceTypeNames[0] = QStringLiteral("Korvel GSM - радиоканальный модуль");
    deviceTypeNames[1] = QStringLiteral("Tarvo-H1 - модуль ДПЛС");
    deviceTypeNames[8] = QStringLiteral("Korvel GSM Р исп. 0 Основной модуль");
    deviceTypeNames[9] = QStringLiteral("Korvel GSM КЦ");
    deviceTypeNames[35] = QStringLiteral("Korvel GSM Р исп. 1 Основной модуль");
    deviceTypeNames[36] = QStringLiteral("Korvel LTE исп. 0 Основной модуль");
    deviceTypeNames[37] = QStringLiteral("Korvel GSM Р исп. 0 Радиомодуль");
    deviceTypeNames[38] = QStringLiteral("Korvel GSM Р исп. 1 Радиомодуль");
    deviceTypeNames[39] = QStringLiteral("Korvel LTE исп. 0 Радиоканальный модуль СС1310");
    deviceTypeNames[58] = QStringLiteral("Korvel GSM Р исп. 0 Flash память");
    deviceTypeNames[59] = QStringLiteral("Korvel GSM Р исп. 0 Данные WEB");
    deviceTypeNames[61] = QStringLiteral("Korvel LTE исп. 0 Полный образ Flash");
    deviceTypeNames[62] = QStringLiteral("Korvel LTE исп. 1 Полный образ Flash");
    deviceTypeNames[68] = QStringLiteral("Korvel LTE исп. 01 Радиоканальный модуль СС1310");
}
