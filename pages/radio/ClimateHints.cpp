#include "pages/radio/ClimateHints.h"

#include <QHash>
#include <QStringList>

namespace {
QString hint(const char *heading, const char *body)
{
    return QStringLiteral("<strong>%1</strong> <p>%2</p>")
        .arg(QString::fromUtf8(heading), QString::fromUtf8(body));
}

struct Texts
{
    QStringList names;
    QHash<QString, QString> byName;

    void add(const char *name, const QString &text)
    {
        names << QLatin1String(name);
        byName.insert(QLatin1String(name), text);
    }

    Texts()
    {
        const char *const event = ", в журнал будет записано событие об этом";
        add("lblTempBasicHint", hint("Текущее значение температуры",
                                     "Текущее значение температуры воздуха, в градусах Цельсия."));
        add("lblTempSupportingHint",
            hint("Сигнал задания температуры",
                 "Заданная температура для выходов, управляемых «по температуре». Её можно "
                 "установить на самом датчике или в конфигураторе. Единица: °С."));
        add("lblHumidityBasicHint",
            hint("Текущее значение влажности", "Текущее значение влажности воздуха, в процентах."));
        add("lblHumiditySupportingHint",
            hint("Сигнал задания влажности",
                 "Заданная влажность для выходов, управляемых «по влажности». Её можно "
                 "установить на самом датчике или в конфигураторе. Единица: %."));
        add("lblCOBasicHint",
            hint("Текущее значение CO", "Текущее значение содержания СО, в ppm."));
        add("lblCOSupportingHint",
            hint("Сигнал задания CO",
                 "Заданный уровень CO для выходов, управляемых «по уровню CO». Его можно "
                 "установить на самом датчике или в конфигураторе. Единица: ppm."));
        const auto eventText = [event](const char *start, const char *quantity,
                                       const char *threshold) {
            return QString::fromUtf8(start) + QLatin1Char(' ') + QString::fromUtf8(quantity) +
                   QLatin1Char(' ') + QString::fromUtf8(threshold) + QString::fromUtf8(event);
        };
        const auto eventHint = [](const char *heading, const QString &body) {
            return QStringLiteral("<strong>%1</strong> <p>%2</p>")
                .arg(QString::fromUtf8(heading), body);
        };
        add("lblMaxTempEventHint",
            eventHint("Событие превышения температуры",
                      eventText("При повышении", "температуры", "выше заданного порога")));
        add("lblMinTempEventHint",
            eventHint("Событие понижения температуры",
                      eventText("При понижении", "температуры", "ниже заданного порога")));
        add("lblTempEventHysteresisHint",
            hint("Гистерезис температуры", "Гистерезис переключения событий по температуре"));
        add("lblMaxHumidityEventHint",
            eventHint("Событие превышения влажности",
                      eventText("При повышении", "влажности", "выше заданного порога")));
        add("lblMinHumidityEventHint",
            eventHint("Событие понижения влажности",
                      eventText("При понижении", "влажности", "ниже заданного порога")));
        add("lblHumidityEventHysteresisHint",
            hint("Гистерезис влажности", "Гистерезис переключения событий по влажности"));
        add("lblMaxCOEventHint",
            eventHint("Событие превышения уровня CO",
                      eventText("При повышении", "уровня CO", "выше заданного порога")));
        add("lblCOEventHysteresisHint",
            hint("Гистерезис CO", "Гистерезис переключения событий по уровню CO"));
    }
};

// Made during static initialisation, before main runs.
const Texts texts;
} // namespace

namespace ClimateHints {
const QString &text(const QString &iconName)
{
    static const QString none;
    const auto found = texts.byName.constFind(iconName);
    return found == texts.byName.constEnd() ? none : *found;
}

const QStringList &iconNames()
{
    return texts.names;
}
} // namespace ClimateHints
