#include "pages/radio/OutputHints.h"

#include <QLabel>
#include <QPixmap>
#include <QVariant>

namespace {
QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const char *const Inversion =
    "<strong>Инверсия выхода</strong> <p>Обычно выход включается, когда контролируемое "
    "значение опускается ниже заданного (температура, влажность или уровень CO). При "
    "инверсии выход включается, когда значение поднимается выше заданного.</p>";
const char *const Reference =
    "<strong>Заданное значение</strong> <p>Значение, которое поддерживает выход. Если "
    "контрольным датчиком выбран Tarvo-T10, заданное значение меняется в самом датчике и, "
    "значит, для всех выходов, которые его используют.</p>";
const char *const Current = "<strong>Текущее значение</strong> <p>Текущее значение "
                            "температуры, влажности или уровня CO контрольного датчика.</p>";
} // namespace

namespace OutputHints {
QString journal()
{
    static const QString hint =
        text("<strong>Запись событий управления выходом в журнал</strong> <p>Каждое событие "
             "управления выходом записывается в журнал событий. Без необходимости включать не "
             "рекомендуется: журнал быстро заполняется.</p>");
    return hint;
}

QString maskTime()
{
    static const QString hint =
        text("<strong>Время управления выходом</strong> <p>Сколько времени выход управляется "
             "по маске при наступлении события: от 1 до 8160 секунд (2 ч 16 мин).</p>");
    return hint;
}

QString maskBits()
{
    static const QString hint =
        text("<strong>Маска управления выходом</strong> <p>Последовательность включений и "
             "выключений выхода шагами по 250 мс, всего 4 секунды; повторяется, пока не истечёт "
             "время управления.</p>");
    return hint;
}

QString endState()
{
    static const QString hint =
        text("<strong>Конечное состояние выхода</strong> <p>Состояние, в котором остаётся "
             "выход после того, как маска отработала заданное время.</p>");
    return hint;
}

QString modulation()
{
    static const QString hint =
        text("<strong>Модуляция звука</strong> <p>Тон сирены плавно меняется, а не остаётся "
             "монотонным.</p>");
    return hint;
}

QString outGroupNumber()
{
    static const QString hint =
        text("<strong>Номер группы для этого выхода</strong> <p>Группа выходов, в которую входит "
             "этот выход. Можно задать до 16 независимых групп, каждая управляется брелоком, СМС "
             "или звонком.</p>");
    return hint;
}

QString allowSmsControl()
{
    static const QString hint =
        text("<strong>Разрешение управления через СМС и WEB</strong> <p>Разрешает управление "
             "выходом командами \"PxxxxOE\" и \"PxxxxOD\".</p>");
    return hint;
}

QString allowCallControl()
{
    static const QString hint = text(
        "<strong>Разрешение управления звонком</strong> <p>Разрешает управление входящим "
        "звонком пользователя, которому разрешено управлять этой группой выходов звонком.</p>");
    return hint;
}

QString allowKeychainControl()
{
    static const QString hint =
        text("<strong>Разрешение управления брелоком</strong> <p>Разрешает управление "
             "дополнительными комбинациями кнопок брелока, настроенного на эту группу "
             "выходов.</p>");
    return hint;
}

QStringList temperature()
{
    static const QStringList hints{
        text(Inversion),
        text("<strong>Гистерезис</strong> <p>Гистерезис поддержания температуры, в градусах "
             "Цельсия.</p>"),
        text(Reference),
        text("<strong>Контрольный датчик</strong> <p>Источник контролируемой температуры: "
             "встроенный датчик температуры прибора или датчик температуры радиоустройства. "
             "Допустимые устройства: Tarvo-T10 и Tarvo-T02.</p>"),
        text(Current)};
    return hints;
}

QStringList humidity()
{
    static const QStringList hints{
        text(Inversion),
        text("<strong>Гистерезис</strong> <p>Гистерезис поддержания относительной влажности, "
             "в процентах.</p>"),
        text(Reference),
        text("<strong>Контрольный датчик</strong> <p>Только датчик влажности "
             "радиоустройства. Допустимое устройство: Tarvo-T10.</p>"),
        text(Current)};
    return hints;
}

QStringList co()
{
    static const QStringList hints{
        text(Inversion),
        text("<strong>Гистерезис</strong> <p>Гистерезис управления по уровню CO, в ppm.</p>"),
        text(Reference),
        text("<strong>Контрольный датчик</strong> <p>Только датчик CO радиоустройства. "
             "Допустимое устройство: Tarvo-T10.</p>"),
        text(Current)};
    return hints;
}

QLabel *makeIcon(QWidget *parent, const QString &objectName, const QString &hint)
{
    auto *icon = new QLabel(parent);
    icon->setObjectName(objectName);
    icon->setFixedSize(16, 16);
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap(QStringLiteral(":/images/hint.png")));
    icon->setMouseTracking(true);
    if (!hint.isEmpty())
        icon->setProperty("Hint", hint);
    return icon;
}
} // namespace OutputHints
