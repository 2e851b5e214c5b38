// The texts of the journal's "Source" and "Description" columns, one routine per source.
#include "journal/Journal.h"

#include "app/DeviceInfo.h"
#include "app/DeviceTexts.h"
#include "app/DeviceTypeNames.h"
#include "app/EventNames.h"
#include "app/Overmind.h"
#include "link/DeviceErrorTexts.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/LocalOut.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/SensorEventText.h"

#include <QtEndian>

namespace {
constexpr int BodySize = 128;

quint16 u16At(const quint8 *body, int at)
{
    return qFromLittleEndian<quint16>(body + at);
}
quint32 u32At(const quint8 *body, int at)
{
    return qFromLittleEndian<quint32>(body + at);
}
quint64 u64At(const quint8 *body, int at)
{
    return qFromLittleEndian<quint64>(body + at);
}
qint16 i16At(const quint8 *body, int at)
{
    return qFromLittleEndian<qint16>(body + at);
}

PartitionModel *partitions()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->partitionModel() : nullptr;
}

Sensor::SPtr sensorById(int id)
{
    PartitionModel *model = partitions();
    return model ? model->sensor(id) : Sensor::SPtr();
}

UserSettings *userById(quint8 id)
{
    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    return users ? users->userById(id) : nullptr;
}

int deviceLimit(int (DeviceInfo::*limit)() const)
{
    Overmind *overmind = Overmind::instance();
    return overmind ? (overmind->deviceInfo().*limit)() : 0;
}

QString directionNameOf(int index)
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->directionName(index) : QString::number(index);
}

// Appends a part after ". " when both sides have text.
void join(QString &text, const QString &part)
{
    if (part.isEmpty())
        return;
    if (!text.isEmpty())
        text += QLatin1String(". ");
    text += part;
}

QString hundredths(double value)
{
    return QString::number(value / 100.0, 'g', 6);
}

QString thresholdStateName(quint8 state)
{
    switch (state) {
    case 0:
        return QStringLiteral("Переход в норму");
    case 1:
        return QStringLiteral("Ниже нормы");
    case 2:
        return QStringLiteral("Выше нормы");
    default:
        return QString();
    }
}

QString channelName(quint8 channel)
{
    switch (channel) {
    case 0:
        return Journal::tr("Main");
    case 1:
        return Journal::tr("Reserve 1");
    case 2:
        return Journal::tr("Reserve 2");
    default:
        // Beyond the three channels the number itself is the most honest text.
        return QString::number(channel);
    }
}

QString channelKindName(quint8 kind)
{
    switch (kind) {
    case 0:
        return Journal::tr("Disable");
    case 1:
        return Journal::tr("User SMS");
    case 2:
        return Journal::tr("Quenor SMS");
    case 3:
        return Journal::tr("Phone number");
    case 4:
        return Journal::tr("DC09");
    case 5:
        return Journal::tr("SurGard");
    default:
        return QString::number(kind);
    }
}

QString versionPairNew(const quint8 *bytes)
{
    return QStringLiteral("%1.%2").arg(bytes[3]).arg(bytes[2], 2, 10, QLatin1Char('0'));
}
QString versionPairOld(const quint8 *bytes)
{
    return QStringLiteral("%1.%2").arg(bytes[1]).arg(bytes[0], 2, 10, QLatin1Char('0'));
}

QString smsCommandName(quint8 code)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("Journal", "Request partitions status"),
        QT_TRANSLATE_NOOP("Journal", "Take on"),
        QT_TRANSLATE_NOOP("Journal", "Forced take on"),
        QT_TRANSLATE_NOOP("Journal", "Take off"),
        QT_TRANSLATE_NOOP("Journal", "Time set"),
        QT_TRANSLATE_NOOP("Journal", "Date time set"),
        QT_TRANSLATE_NOOP("Journal", "User USSD request"),
        QT_TRANSLATE_NOOP("Journal", "SIM Card balance request"),
        QT_TRANSLATE_NOOP("Journal", "Object num set"),
        QT_TRANSLATE_NOOP("Journal", "Change phone number"),
        QT_TRANSLATE_NOOP("Journal", "Change user phone number"),
        QT_TRANSLATE_NOOP("Journal", "Enable new sensor add"),
        QT_TRANSLATE_NOOP("Journal", "Remove sensor"),
        QT_TRANSLATE_NOOP("Journal", "Move sensor"),
        QT_TRANSLATE_NOOP("Journal", "Request device state"),
        QT_TRANSLATE_NOOP("Journal", "Request command list"),
        QT_TRANSLATE_NOOP("Journal", "Request number partitions"),
        QT_TRANSLATE_NOOP("Journal", "Disable new sensor add"),
        QT_TRANSLATE_NOOP("Journal", "Enable output"),
        QT_TRANSLATE_NOOP("Journal", "Disable output"),
        QT_TRANSLATE_NOOP("Journal", "Unknown command"),
    };
    if (code >= std::size(names))
        return QString();
    return Journal::tr(names[code]);
}

// Names of the radio devices of a 128-bit mask.
QStringList failedSensorNames(const quint8 *body, bool substituteMain, const char *unknown)
{
    QList<int> ids = bitNumbers(u64At(body, 8), u64At(body, 16));
    if (ids.isEmpty() && substituteMain)
        ids.append(125);
    QStringList names;
    for (int id : qAsConst(ids)) {
        const Sensor::SPtr sensor = sensorById(id);
        names.append(sensor ? sensor->displayName() : Journal::tr(unknown).arg(id + 1));
    }
    return names;
}

QString keyHex(quint64 code, bool upper)
{
    const QString hex = QStringLiteral("%1").arg(code, 8, 16, QLatin1Char(' '));
    return upper ? hex.toUpper() : hex;
}
} // namespace

QString Journal::sourceText(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *payload = body(entry);
    const quint8 source = sourceCode(entry);
    switch (source) {
    case 1:
        return u16At(payload, 4) == 9 ? tr("Auto take") : QStringLiteral("Датчик");
    case 2: {
        const Sensor::SPtr sensor = sensorById(payload[6]);
        return sensor ? sensor->displayName() : tr("Deleted keychain");
    }
    case 3:
        return QStringLiteral("Ключ");
    case 4:
        return QStringLiteral("Управление по SMS");
    case 5:
        return QStringLiteral("Выход");
    case 6:
        return QStringLiteral("Электропитание");
    case 7:
        return QStringLiteral("Система");
    case 8:
        return QStringLiteral("События модуля GSM");
    case 9:
        return QStringLiteral("Загрузчик");
    case 10:
        return QStringLiteral("Аутентификация");
    case 11:
        return QStringLiteral("Изменение версии ПО");
    case 12:
        return QStringLiteral("Передача оповещения");
    case 13:
        return QStringLiteral("Команды по SMS");
    case 14:
        return QStringLiteral("Автовзятие");
    case 15:
        return QStringLiteral("Синхронизация времени");
    case 16:
        return QStringLiteral("Тестирование направления");
    case 17:
        return QStringLiteral("Локальный веб интерфейс");
    case 18:
        return QStringLiteral("Halvor");
    case 19:
        return QStringLiteral("Текстовая строка");
    case 21:
        return QStringLiteral("Управление по USB");
    case 22:
        return QStringLiteral("Удаленный веб интерфейс");
    case 23:
        return QStringLiteral("Мобильное приложение");
    case 24:
        return QStringLiteral("Отправщик событий");
    default:
        return tr("Unknown event source: %1").arg(source);
    }
}

QString Journal::descriptionText(const s_FullJournalEventIsp2 &entry)
{
    switch (sourceCode(entry)) {
    case 1:
    case 23:
        return describeSensorEvent(entry);
    case 2:
    case 4:
    case 14:
    case 17:
    case 21:
    case 22:
        return describePartitionEvent(entry);
    case 3:
        return describeKeyEvent(entry);
    case 5:
        return describeOutputEvent(entry);
    case 6:
        return powerEventName(u16At(body(entry), 0));
    case 7:
        return describeSystemEvent(entry);
    case 8:
        return describeGsmEvent(entry);
    case 9:
        return describeBootEvent(entry);
    case 10:
        return describeAuthEvent(entry);
    case 11:
        return describeFirmwareChange(entry);
    case 12:
        return describeSendReport(entry);
    case 13:
        return describeSmsCommand(entry);
    case 15:
        return describeTimeSync(entry);
    case 16:
        return describeDirectionTest(entry);
    case 18:
        return describeHalvorKeyEvent(entry);
    case 19:
        // The last body byte is the source code, so the text ends before it.
        return fieldText(body(entry), BodySize - 1);
    case 24:
        return describeSenderStatus(entry);
    default:
        return QString();
    }
}

// ---- lookups ----

QString Journal::partitionMaskText(quint32 mask)
{
    PartitionModel *model = partitions();
    const int count = qMin(deviceLimit(&DeviceInfo::partitionCount), 32);
    QStringList names;
    for (int slot = 0; slot < count; ++slot) {
        if (!(mask & (1u << slot)))
            continue;
        Partition *partition = model ? model->partition(slot) : nullptr;
        const QString name = partition ? partition->jsonKey() : QString();
        if (!name.isEmpty())
            names.append(name);
        else if (partition && slot == 17)
            names.append(tr("Executive devices"));
        else
            names.append(tr("Partition #%1").arg(slot));
    }
    return names.join(QLatin1String(", "));
}

QString Journal::deviceNameText(quint8 id)
{
    const Sensor::SPtr sensor = sensorById(id);
    return sensor ? sensor->displayName() : tr("Unknown or deleted sensor #%1").arg(id);
}

QString Journal::deviceNameBySerial(quint32 serial)
{
    PartitionModel *model = partitions();
    const Sensor::SPtr sensor = model ? model->sensorBySerial(serial) : Sensor::SPtr();
    return sensor ? sensor->displayName()
                  : tr("Unknown or deleted sensor. Serial number #%1")
                        .arg(serial, 10, 10, QLatin1Char('0'));
}

QString Journal::userText(quint8 id)
{
    UserSettings *user = userById(id);
    return user ? user->jsonKey() : tr("User #%1").arg(id);
}

QString Journal::systemEventText(quint8 code)
{
    const QStringList &table = systemEventTable();
    if (code < table.size())
        return table.at(code);
    return tr("Unknown system event: %1").arg(code);
}

// ---- radio devices, partitions, keys, outputs ----

QString Journal::describeSensorEvent(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const quint16 eventCode = u16At(p, 24);
    const quint8 deviceId = p[6];
    const quint8 state = p[8];
    const int input = p[9] + 1;
    const bool ownDevice = deviceId < deviceLimit(&DeviceInfo::maxSensors);
    QString pe = partitionEventName(u16At(p, 4));
    QString se = sensorEventText(eventCode);
    switch (eventCode) {
    case 2:
        se = tr("Sensor/Counter %1. Normal").arg(input);
        break;
    case 23:
        se = tr("Counter %1. ").arg(input) + se;
        if (state == 0)
            se += QLatin1Char(' ') + tr("eliminated", "jornal");
        break;
    case 24:
        pe.clear();
        se = state != 0 ? tr("Leak") : tr("Leak has been eliminated");
        if (ownDevice)
            se = tr("Sensor %1. ").arg(input) + se;
        break;
    case 31:
        se = tr("%1. %2. %3 %4℃")
                 .arg(sensorEventText(31), thresholdStateName(state), tr("Temperature: "),
                      hundredths(i16At(p, 10)));
        break;
    case 32:
        se = tr("%1. %2. %3 %4%")
                 .arg(sensorEventText(32), thresholdStateName(state), tr("Humidity: "),
                      hundredths(u16At(p, 10)));
        break;
    case 33:
        se = tr("%1. %2. %3 %4 ppm")
                 .arg(sensorEventText(33), thresholdStateName(state), QStringLiteral("CO: "),
                      hundredths(u16At(p, 10)));
        break;
    case 36:
    case 37:
    case 38:
    case 39:
    case 40:
    case 41:
        se = tr("Valve %1. ").arg(p[10] + 1) + se;
        break;
    case 42:
        se = tr("Sensor %1. ").arg(input) + se;
        if (state == 0)
            se += QLatin1Char(' ') + tr("eliminated", "jornal");
        break;
    case 43:
        se = tr("Wet cleaning mode is %1").arg(state != 0 ? tr("enabled") : tr("disabled"));
        break;
    default:
        break;
    }
    UserSettings *user = userById(p[7]);
    const QString userPart = user ? tr("User: %1").arg(user->jsonKey()) : QString();
    QString dev;
    if (deviceId != 255) {
        const quint32 serial = u32At(p, 36);
        dev = tr("Sensor: %1")
                  .arg(ownDevice && serial != 0 ? deviceNameBySerial(serial)
                                                : deviceNameText(deviceId));
    }
    QString result;
    if (pe.isEmpty()) {
        result = partitionMaskText(u32At(p, 0));
        join(result, dev);
        result += QLatin1String(": ") + se;
    } else {
        result = pe;
        join(result, partitionMaskText(u32At(p, 0)));
        join(result, dev);
        join(result, userPart);
        if (eventCode == 13)
            result += QLatin1String(": ") + se;
    }
    return result;
}

QString Journal::describePartitionEvent(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const quint16 code = u16At(p, 4);
    const QString ev = partitionEventName(code);
    const QString parts = partitionMaskText(u32At(p, 0));
    if (code == 29) {
        const Sensor::SPtr sensor = sensorById(p[6]);
        if (sensor && sensor->type() == 73)
            return tr("%1: %2. Sensor: %3", "Zentia").arg(ev, parts, sensor->displayName());
    }
    const QString name = userName(entry);
    const QString user = name.isEmpty() ? QString() : tr("User: %1").arg(name);
    if (code == 6)
        return tr("%1: %2. %3. Failed sensors: %4")
            .arg(ev, parts, user,
                 failedSensorNames(p, true, QT_TRANSLATE_NOOP("Journal", "Sensor #%1"))
                     .join(QLatin1String(", ")));
    return tr("%1: %2. %3").arg(ev, parts, user);
}

namespace {
QString keyEvent(const s_FullJournalEventIsp2 &entry, bool halvor)
{
    const quint8 *p = Journal::body(entry);
    const quint16 code = u16At(p, 4);
    const QString ev = partitionEventName(code);
    const QString n = QString::number(p[6] + 1);
    QString user = Journal::userName(entry);
    if (halvor && user.isEmpty())
        user = Journal::tr("Unknown user");
    const QString parts = Journal::partitionMaskText(u32At(p, 0));
    const QString key = keyHex(u64At(p, 24), !halvor);
    if (code == 6) {
        QStringList names = failedSensorNames(p, false, QT_TRANSLATE_NOOP("Journal", "Sensor №%1"));
        const QString list =
            names.isEmpty() ? Journal::tr("No sensors") : names.join(QLatin1String(", "));
        return Journal::tr("%4 Key #%1 (%3) : %2 %5. Failed sensors: %6")
            .arg(n, ev, key, user, parts, list);
    }
    if (halvor) {
        if (code == 32)
            return Journal::tr("%4 Key #%1 (%3) : %2").arg(n, ev, key, user);
        return Journal::tr("%4 Key #%1 (%3) : %2 %5").arg(n, ev, key, user, parts);
    }
    if (code == 32)
        return Journal::tr("%1 Key #%2 (%3) : %4").arg(user, n, key, ev);
    return Journal::tr("%1 Key #%2 (%3) : %4 %5").arg(user, n, key, ev, parts);
}
} // namespace

QString Journal::describeKeyEvent(const s_FullJournalEventIsp2 &entry)
{
    return keyEvent(entry, false);
}

QString Journal::describeHalvorKeyEvent(const s_FullJournalEventIsp2 &entry)
{
    return keyEvent(entry, true);
}

QString Journal::describeOutputEvent(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const quint8 kind = p[0];
    const QString onOff = p[8] == 1 ? QStringLiteral("Включен") : QStringLiteral("Выключен");
    QString state;
    switch (kind) {
    case 0:
        state = onOff + QLatin1String(". ") + tr("External management");
        break;
    case 2:
        state = onOff + QLatin1String(". ") + tr("Event by temperature");
        break;
    case 4:
        state = onOff + QLatin1String(". ") + tr("Event by humidity");
        break;
    case 5:
        state = onOff + QLatin1String(". ") + tr("Event by CO level");
        break;
    case 1:
        state = partitionEventName(u16At(p, 8));
        break;
    case 3: {
        static const char *const states[] = {"Восстановление выхода", "Перегрузка выхода",
                                             "КЗ выхода", "Низкое напряжение выхода",
                                             "Обрыв выхода"};
        const quint16 code = u16At(p, 8);
        state = code >= 1 && code <= 5 ? QString::fromUtf8(states[code - 1]) : tr("Unknown event");
        break;
    }
    default:
        state = tr("Unknown event");
        break;
    }
    QString result = tr("%1. Executive devices. ").arg(state);
    const quint32 deviceId = u32At(p, 24);
    PartitionModel *model = partitions();
    if (deviceId == 125 || deviceId == 157 || deviceId == 158 || deviceId == 255) {
        if (model) {
            const auto out = model->localOut(deviceId == 158 ? 1 : 0);
            if (out)
                result += tr("Out: %1").arg(out->displayName());
        } else {
            result += tr("Out #%1").arg(deviceId == 158 ? 2 : 1);
        }
    } else if (model) {
        if (const Sensor::SPtr sensor = model->sensor(int(deviceId & 0xFF)))
            result += tr("Device: %1. Out #%2")
                          .arg(sensor->displayName(), QString::number(quint64(u32At(p, 28)) + 1));
    } else {
        result += tr("Device #%1").arg(deviceId);
    }
    if (p[1] != 255) {
        UserSettings *user = userById(p[1]);
        result += tr(". User: ") + (user ? user->jsonKey() : tr("User #%1").arg(p[1]));
    }
    return result;
}

// ---- the communicator itself ----

QString Journal::describeSystemEvent(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const quint8 code = p[0];
    const QString ev = systemEventText(code);
    const QString user = userText(p[2]);
    switch (code) {
    case 1:
    case 2: {
        quint16 type = u16At(p, 8);
        if (type >= 74)
            type = 8;
        return tr("%1 #%2 (%3)").arg(ev, QString::number(p[1] + 1), deviceTypeNames.at(type));
    }
    case 3:
    case 4:
    case 5:
        return tr("%1 id: %2")
            .arg(ev, QStringLiteral("%1").arg(u64At(p, 8), 8, 16, QLatin1Char('0')).toUpper());
    case 6:
    case 7:
        return describeUserChange(code, p, user);
    case 8:
        return tr("%1: Changing direction settings %2, Main: %3, Reserve 1: %4, Reserve 2: %5")
            .arg(user, QString::number(p[1] + 1), channelKindName(p[8]), channelKindName(p[9]),
                 channelKindName(p[10]));
    case 11:
        return u16At(p, 10) == 21 ? tr("Case opened. Alarm") : tr("Case opened");
    case 12:
        return u16At(p, 8) == 0 ? tr("Case closed") : ev;
    case 14:
        return tr("Reducing the balance on the SIM card %1. Balance: %2")
            .arg(QString::number(p[1] + 1), fieldText(p + 8, 104));
    default:
        return ev;
    }
}

QString Journal::describeUserChange(quint8 code, const quint8 *payload, const QString &actorText)
{
    QString actor = actorText;
    const int nul = actor.indexOf(QChar(0));
    if (nul >= 0)
        actor.truncate(nul);
    if (actor == QLatin1String("Read user name fail!"))
        actor = tr("Unknown user");
    const QString target = fieldText(payload + 10, 102);
    if (code == 6) {
        const quint16 flags = u16At(payload, 8);
        if (flags == 0)
            return tr("User: %1. User added: %2").arg(actor, target);
        struct Flag
        {
            int bit;
            const char *name;
        };
        static const Flag order[] = {
            {1, QT_TRANSLATE_NOOP("Journal", "login")},
            {0, QT_TRANSLATE_NOOP("Journal", "name")},
            {4, QT_TRANSLATE_NOOP("Journal", "partitions")},
            {2, QT_TRANSLATE_NOOP("Journal", "password")},
            {3, QT_TRANSLATE_NOOP("Journal", "phone number")},
            {6, QT_TRANSLATE_NOOP("Journal", "sms password")},
            {5, QT_TRANSLATE_NOOP("Journal", "settings")},
        };
        QStringList names;
        for (const Flag &flag : order)
            if (flags & (1u << flag.bit))
                names.append(tr(flag.name));
        return tr("User: %1. User data changed: %2: %3")
            .arg(actor, target, names.join(QLatin1String(", ")));
    }
    return tr("User: %1. Deleted user: %2").arg(actor, target);
}

QString Journal::describeGsmEvent(const s_FullJournalEventIsp2 &entry)
{
    static const char *const texts[] = {
        "Связь востановлена",
        "GSM включен",
        "GSM выключен",
        "Низкий уровень сигнала",
        "Уровень сигнала перешёл в норму",
        "Зарегистрирован в домашней сети",
        "Отсутствует регистрация в домашней сети",
        "SIM-карта отсутствует или неизвестная сеть",
        "Поиск сети",
        nullptr,
        "Зарегистрирован в роуминге",
        nullptr,
        "Ошибка ввода PIN",
        "Ошибка ввода PUK",
        "PIN введен успешно",
        "PUK введен успешно",
        "Отключение по причине перехода основного питания на USB",
        "Модуль перезагружен",
        "PIN успешно изменён",
        "Ошибка изменения PIN кода",
        "Включена защита доступа к GSM по PIN коду",
        "Ошибка включения защиты доступа к GSM по PIN коду",
        "Выключена защита доступа к GSM по PIN коду",
        "Ошибка выключения защиты доступа к GSM по PIN коду",
        "Ошибка. Симкарта не готова",
        "Ошибка. Симкарта отсутствует",
        "Симкарта готова",
    };
    const quint8 *p = body(entry);
    const quint8 code = p[0];
    const QString prefix = QStringLiteral("%1 %2. ").arg(tr("SIM-card")).arg(p[1] + 1);
    if (code == 9)
        return QStringLiteral("SIM-карта изменена") + QLatin1String(". ") +
               (p[1] != 0 ? tr("Used SIM2") : tr("Used SIM1"));
    if (code == 11)
        return prefix + tr("%1: %2").arg(QStringLiteral("Имя оператора"), fieldText(p + 8, 16));
    if (code >= std::size(texts))
        return tr("Unknown event");
    return prefix + QString::fromUtf8(texts[code]);
}

QString Journal::describeBootCode(const quint8 *p)
{
    const QString user = userText(p[8]);
    const quint16 result = u16At(p, 6);
    const QString base = deviceErrorText(result);
    const char *pattern = nullptr;
    switch (result) {
    case 40:
        pattern =
            QT_TRANSLATE_NOOP("Journal", "Manual firmware restoring to a backup successfully "
                                         "completed. Version changed from %1 to %2. User: %3.");
        break;
    case 41:
        pattern =
            QT_TRANSLATE_NOOP("Journal", "Manual firmware restoring to a base version successfully "
                                         "completed. Version changed from %1 to %2. User: %3.");
        break;
    case 42:
        pattern = QT_TRANSLATE_NOOP("Journal", "Firmware updated successfully completed. Version "
                                               "changed from %1 to %2. User: %3.");
        break;
    case 43:
        return QStringLiteral("Firmware rollback to the base successfully completed. Version "
                              "changed from %1 to %2. User: %3.")
            .arg(versionPairOld(p), versionPairNew(p), user);
    case 44:
        pattern =
            QT_TRANSLATE_NOOP("Journal", "Firmware restoring to a backup successfully "
                                         "completed. Version changed from %1 to %2. User: %3.");
        break;
    case 45:
        pattern = QT_TRANSLATE_NOOP("Journal",
                                    "Firmware restoring to a base version successfully completed. "
                                    "Version changed from %1 to %2. User: %3.");
        break;
    case 47:
        pattern =
            QT_TRANSLATE_NOOP("Journal", "Bootloader firmware updated successfully "
                                         "completed. Version changed from %1 to %2. User: %3.");
        break;
    case 59:
        pattern =
            QT_TRANSLATE_NOOP("Journal", "Downloader firmware updated successfully "
                                         "completed. Version changed from %1 to %2. User: %3.");
        break;
    default:
        return base;
    }
    return tr(pattern).arg(versionPairOld(p), versionPairNew(p), user);
}

QString Journal::describeBootEvent(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const quint16 kind = u16At(p, 4);
    switch (kind) {
    case 0:
        return describeBootCode(p);
    case 1:
    case 5:
        return tr("Downloader firmware updated successfully completed. Version changed from %1 "
                  "to %2. User: %3.")
            .arg(versionPairOld(p), versionPairNew(p), userText(p[8]));
    case 2:
    case 6:
        return QStringLiteral("upd fail");
    case 3:
        return QStringLiteral("revert complete");
    case 4:
        return QStringLiteral("revert fail");
    default: {
        const QString text = describeBootCode(p);
        return text.isEmpty() ? tr("Unknown: %1").arg(kind) : text;
    }
    }
}

QString Journal::describeAuthEvent(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const auto known = [](QString name) {
        if (name.isEmpty() || name == QLatin1String("Read user name fail!"))
            return tr("Unknown user");
        return name;
    };
    const QString user = known(userName(entry));
    switch (p[0]) {
    case 1:
        return tr("User logged in: %1").arg(user);
    case 2:
        return tr("User logged out: %1").arg(user);
    case 3:
        return tr("User auto log out due to inactivity: %1").arg(user);
    case 4:
        // The log warning is written once, when the entry arrives (Journal::eventLoaded).
        return tr("Login failed. Login: %1").arg(known(fieldText(p + 8, BodySize - 9)));
    default:
        return tr("Login status broken: event.LogInStatus=%1").arg(p[0]);
    }
}

QString Journal::firmwareEventText(const quint8 *p)
{
    const quint16 code = u16At(p, 4);
    switch (code) {
    case 1:
        return QStringLiteral("ПО радио успешно обновлено");
    case 2:
        return QStringLiteral("Ошибка обновления ПО радио");
    case 3:
        return QStringLiteral("ПО радио успешно восстановлено");
    case 4:
        return QStringLiteral("Ошибка восстановления ПО радио");
    case 5:
        return tr("Device firmware %1 successfully updated").arg(deviceNameText(p[9]));
    case 6:
        return QStringLiteral("%1. %2").arg(QStringLiteral("Ошибка обновления ПО РУ"),
                                            deviceNameText(p[9]));
    case 7:
        return QStringLiteral("%1. %2").arg(QStringLiteral("Отмена обновления ПО РУ"),
                                            deviceNameText(p[9]));
    case 8:
        return QStringLiteral("Веб интерфейс успешно обновлен");
    case 9:
        return QStringLiteral("Ошибка обновления веб интерфейса");
    case 10:
        return QStringLiteral("Отмена обновления веб интерфейса");
    default:
        return tr("Unknown FW event e_FW_event = %1").arg(code);
    }
}

QString Journal::describeFirmwareChange(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    QString text = firmwareEventText(p);
    const quint16 code = u16At(p, 4);
    if (code == 1 || code == 3 || code == 5) {
        const quint16 oldVersion = u16At(p, 0);
        const quint16 newVersion = u16At(p, 2);
        text += tr(". Version changed from %1 to %2. User: %3")
                    .arg(versionNumberText(QVersionNumber(oldVersion >> 8, oldVersion & 0xFF)),
                         versionNumberText(QVersionNumber(newVersion >> 8, newVersion & 0xFF)),
                         userText(p[8]));
    }
    return text;
}

QString Journal::describeSendReport(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const QString result = u16At(p, 10) == 0 ? tr("Success") : tr("Fail");
    const quint64 number = quint64(u32At(p, 0)) + 1;
    const quint16 attempt = u16At(p, 6);
    if (p[8] == deviceLimit(&DeviceInfo::directionCount))
        return tr("Transmitting event #%1 to managing user: %2 (retry %3). %4")
            .arg(QString::number(number), userName(entry), QString::number(attempt), result);
    return tr("Transmitting event #%1 using channel \"%2\" (direction: #%3, retry: %5). %4")
        .arg(QString::number(number), directionNameOf(p[8]), QString::number(p[9]), result,
             QString::number(attempt));
}

QString Journal::describeSmsCommand(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    QString user = userName(entry);
    if (user.isEmpty())
        user = tr("Unknown user");
    const quint8 command = p[16];
    QString parameter;
    switch (command) {
    case 0:
    case 1:
    case 3:
        parameter = partitionMaskText(u32At(p, 100));
        break;
    case 4:
        parameter = QStringLiteral("%1%2:%3")
                        .arg(QString())
                        .arg(p[100], 2, 10, QLatin1Char('0'))
                        .arg(p[101], 2, 10, QLatin1Char('0'));
        break;
    case 5:
        parameter = QStringLiteral("%1.%2.%3 ")
                        .arg(p[102], 2, 10, QLatin1Char('0'))
                        .arg(p[103], 2, 10, QLatin1Char('0'))
                        .arg(p[104], 2, 10, QLatin1Char('0'));
        break;
    default:
        break;
    }
    if (!parameter.isEmpty())
        parameter.prepend(QLatin1String(": "));
    const quint16 code = u16At(p, 0);
    QString status;
    switch (code) {
    case 0:
        status = tr("Ok");
        break;
    case 4000:
        status = tr("Format error");
        break;
    case 4001:
        status = tr("Parameter error");
        break;
    case 4002:
        status = tr("Unsupported command");
        break;
    case 4003:
        status = tr("Command can't be executed");
        break;
    case 4004:
        status = tr("Wrong password");
        break;
    case 4005:
        status = tr("Control command help requested");
        break;
    case 4006:
        status = tr("Access denied");
        break;
    default:
        status = tr("Unknown state: %1").arg(code);
        break;
    }
    // Each value is put in on its own: a command text may hold "%" signs of its own.
    return QStringLiteral("%1( %2 ): %3( %4 ) %5. %6")
        .arg(user, QString::number(u64At(p, 8)), smsCommandName(command),
             fieldText(p + 18, 100 - 18), parameter, status);
}

QString Journal::describeTimeSync(const s_FullJournalEventIsp2 &entry)
{
    switch (body(entry)[0]) {
    case 0:
        return tr("NITZ synchronization succeeded", "sync");
    case 1:
        return tr("NTP synchronization succeeded");
    case 2:
        return tr("HTP synchronization succeeded");
    case 3:
        return tr("TZ synchronization succeeded");
    case 4:
        return tr("Daylight synchronization succeeded");
    case 5:
        return tr("Time synchronization failed");
    case 6:
        return tr("NITZ synchronization failed");
    case 7:
        return tr("NTP synchronization failed");
    case 8:
        return tr("HTP synchronization failed");
    case 9:
        return tr("TZ synchronization failed");
    case 10:
        return tr("Daylight synchronization failed");
    case 11:
        return tr("Time synchronization (PSUTTZ) succeeded");
    case 12:
        return tr("Time synchronization (PSUTTZ) failed");
    default:
        return tr("Unknown time synchronization error");
    }
}

QString Journal::describeDirectionTest(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    const quint8 index = p[9];
    const QString direction = index == deviceLimit(&DeviceInfo::directionCount)
                                  ? QString::number(index)
                                  : directionNameOf(index);
    return tr("Test event. Direction: %1, channel: %2. Result: %3")
        .arg(direction, channelName(p[10]), p[11] == 0 ? tr("Success") : tr("Fail"));
}

QString Journal::describeSenderStatus(const s_FullJournalEventIsp2 &entry)
{
    const quint8 *p = body(entry);
    if (p[0] != 0)
        return tr("Event type is not esetChannelStatus");
    static const char *const states[] = {"Канал в норме", "Канал выключен", "Неисправность канала",
                                         "Проверка канала", "Ожидание подключения"};
    const QString state =
        p[4] < std::size(states) ? QString::fromUtf8(states[p[4]]) : QString::number(p[4]);
    return QStringLiteral("%1. %2. %3").arg(directionNameOf(p[5]), channelName(p[6]), state);
}
