#include "app/EventNames.h"

#include <QCoreApplication>
#include <QHash>

namespace {
QStringList fromUtf8List(std::initializer_list<const char *> texts)
{
    QStringList list;
    list.reserve(int(texts.size()));
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

const QStringList &outputControlModeTable()
{
    static const QStringList table = fromUtf8List({
        "Внешнее управление",
        "Событийный режим",
        "Управление по температуре",
        "Аварии выхода",
        "Управление по влажности",
        "Управление по СО",
    });
    return table;
}

const QHash<quint16, QString> &partitionEventTable()
{
    static const QHash<quint16, QString> table = [] {
        const std::pair<quint16, const char *> rows[] = {
            {1, "Неисправность"},
            {5, "Не используется"},
            {6, "Невзятие"},
            {7, "Ожидание квитанции"},
            {8, "Раздел снят"},
            {9, "Автовзятие"},
            {10, "Задержка взятия"},
            {11, "Принудительное взятие раздела"},
            {15, "Квитанция получена"},
            {16, "Раздел взят"},
            {17, "Тревога входа"},
            {21, "Тревога"},
            {22, "Пожарное оборудование в норме"},
            {23, "Пожарное оборудование в норме (ИПР)"},
            {24, "Пожар"},
            {25, "Пожар по ручному извещателю"},
            {29, "Тихая тревога"},
            {30, "Включение выхода"},
            {31, "Выключение выхода"},
            {32, "Отметка наряда"},
            {33, "Протечка воды"},
            {40, "Сброс оповещателей тревоги и пожара"},
            {41, "Переключение выхода"},
            {42, "Количество событий по разделу"},
        };
        QHash<quint16, QString> hash;
        for (const auto &row : rows)
            hash.insert(row.first, QString::fromUtf8(row.second));
        return hash;
    }();
    return table;
}

const QStringList &powerEventTable()
{
    // Code 1 is the first entry.
    static const QStringList table = fromUtf8List({
        "Сетевое питание отключено",
        "Слишком низкое напряжение сетевого питания",
        "Слишком высокое напряжение сетевого питания",
        "Сетевое питание в норме",
        "Внешний источник питания отключен",
        "Слишком низкое напряжение внешнего источника питания",
        "Слишком высокое напряжение внешнего источника питания",
        "Внешний источник питания в норме",
        "Внешняя батарея отключена",
        "Внешняя батарея разряжена",
        "Слишком низкое напряжение внешней батареи",
        "Слишком высокое напряжение внешней батареи",
        "Внешняя батарея в норме",
        "Аккумулятор разряжен",
        "Высокое внутреннее сопротивление аккумулятора",
        "Аккумулятор не подключен или подключен неверно",
        "Аккумулятор в норме",
        "Аккумулятор заряжен",
        "Аккумулятор заряжается",
        "Аккумулятор балансируется",
        "Питание от сети не предусмотренно в этом исполнении прибора",
        "Питание от внешнего источника не предусмотрено в этом исполнении прибора",
        "Питание от внешней батареи не предусмотрено в этом исполнении прибора",
    });
    return table;
}

QString unknownEvent()
{
    return QCoreApplication::translate("Journal", "Unknown event");
}
} // namespace

const QStringList &systemEventTable()
{
    static const QStringList table = fromUtf8List({
        "Нет события",
        "Добавлен датчик",
        "Удалён датчик",
        "Добавлен ключ",
        "Обновлён ключ",
        "Удалён ключ",
        "Добавлен или изменен пользователь",
        "Удалён пользователь",
        "Добавлено или изменено направление",
        "Удалено направление",
        "Событие от загрузчика",
        "Вскрытие корпуса прибора",
        "Закрытие корпуса прибора",
        "Устройство было перезагружено",
        "Баланс по сим-карте снижен",
        "Соединение с сервером установлено",
        "Соединение с сервером потеряно",
        "Соединение с сервером восстановлено",
    });
    return table;
}

QString outputControlModeName(const quint8 &code)
{
    const QStringList &table = outputControlModeTable();
    return code < table.size() ? table.at(code) : unknownEvent();
}

QString partitionEventName(const quint16 &code)
{
    if (code == 0)
        return QString();
    const auto &table = partitionEventTable();
    const auto found = table.constFind(code);
    if (found != table.constEnd())
        return found.value();
    return QCoreApplication::translate("Journal", "Unknown partition event: %1").arg(code);
}

QString systemEventName(const quint8 &code)
{
    // Index 0 is "no event": only the journal's formatter shows it.
    const QStringList &table = systemEventTable();
    return code >= 1 && code < table.size() ? table.at(code) : unknownEvent();
}

QString powerEventName(const quint16 &code)
{
    const QStringList &table = powerEventTable();
    if (code >= 1 && code <= table.size())
        return table.at(code - 1);
    return QCoreApplication::translate("Journal", "Unknown external power state");
}
