#include "pages/users/UserSettings.h"

#include "app/DeviceInfo.h"
#include "app/FileNumber.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/users/IButtonModel.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <QDebug>
#include <QJsonArray>
#include <QtEndian>
#include <cstring>

namespace {
constexpr int KeyFobType = 11;
constexpr int KeyFobOwnerByte = 7;
constexpr int MaxCallGroup = 16;

// The longest prefix of the UTF-8 bytes that fits and does not end inside a character.
int utf8Cut(const QByteArray &utf8, int limit)
{
    if (utf8.size() <= limit)
        return utf8.size();
    int cut = limit;
    while (cut > 0 && (quint8(utf8.at(cut)) & 0xC0) == 0x80)
        --cut;
    return cut;
}

// A word of the user record from the file; users' words were never written signed, so a
// negative or rounded-up number reads as 0.
quint64 wordFromJson(const QJsonValue &value)
{
    const double number = value.toDouble();
    if (value.isDouble() && !(number >= 0 && number < 18446744073709551616.0))
        return 0;
    return FileNumber::word(value);
}
} // namespace

UserSettings::UserSettings(Protocol *protocol, quint8 id, const s_ExtMemDataUser &record,
                           QObject *parent)
    : QObject(parent), Storable(protocol), m_id(id), m_record(record)
{
    setSettingsVersion(1);
}

s_ExtMemDataUser UserSettings::zeroRecord()
{
    s_ExtMemDataUser record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void UserSettings::copyToCharField(const QString &text, quint8 *field, int size)
{
    std::memset(field, 0, size_t(size));
    const QByteArray utf8 = text.toUtf8();
    std::memcpy(field, utf8.constData(), size_t(utf8Cut(utf8, size - 1)));
}

void UserSettings::setSettingsVersion(quint8 version)
{
    bytes()[CompatibleAt] = version;
    bytes()[CriticalAt] = version;
}

QString UserSettings::fieldText(int at, int size) const
{
    const char *field = reinterpret_cast<const char *>(bytes() + at);
    return QString::fromUtf8(field, int(qstrnlen(field, uint(size))));
}

quint64 UserSettings::word64(int at) const
{
    return qFromLittleEndian<quint64>(bytes() + at);
}

void UserSettings::setWord64(int at, quint64 value)
{
    qToLittleEndian(value, bytes() + at);
}

void UserSettings::setFlag(quint8 bit, bool on)
{
    if (on)
        bytes()[FlagsAt] |= bit;
    else
        bytes()[FlagsAt] &= quint8(~bit);
}

QString UserSettings::name() const
{
    return fieldText(NameAt, NameSize);
}

QString UserSettings::login() const
{
    return fieldText(LoginAt, LoginSize);
}

QString UserSettings::password() const
{
    return fieldText(PasswordAt, PasswordSize);
}

bool UserSettings::hasPassword() const
{
    return bytes()[PasswordAt] != 0;
}

QString UserSettings::phoneText() const
{
    const quint64 phone = word64(PhoneAt);
    if (phone < 100)
        return QString();
    const QString digits = QString::number(phone);
    return digits.size() >= 5 ? QLatin1Char('+') + digits : digits;
}

QString UserSettings::smsPasswordText() const
{
    return hasSmsPassword() ? QString::number(word64(SmsPasswordAt)) : QString();
}

bool UserSettings::hasSmsPassword() const
{
    return word64(SmsPasswordAt) != NoSmsPassword;
}

quint16 UserSettings::smsControlGroups() const
{
    return qFromLittleEndian<quint16>(bytes() + SmsGroupsAt);
}

quint32 UserSettings::partitions() const
{
    return qFromLittleEndian<quint32>(bytes() + PartitionsAt);
}

QString UserSettings::keysText() const
{
    Overmind *overmind = Overmind::instance();
    const IButtonModel *keys = overmind ? overmind->iButtonModel() : nullptr;
    QStringList rows;
    for (int row = 0; keys && row < keys->rowCount(); ++row)
        if (keys->index(row, IButtonModel::UserColumn).data(Qt::UserRole).toUInt() == m_id)
            rows << QString::number(row + 1);
    if (rows.isEmpty())
        return tr("No keys assigned");
    return tr("Keys ##: %1").arg(rows.join(QStringLiteral(", ")));
}

QString UserSettings::keychainsText() const
{
    Overmind *overmind = Overmind::instance();
    PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr;
    if (!partitions)
        return QString();
    QString numbers;
    for (int index = 0; index < overmind->deviceInfo().maxSensors(); ++index) {
        const Sensor::SPtr device = partitions->sensor(index);
        if (device && device->type() == KeyFobType &&
            device->privateSettings().raw[KeyFobOwnerByte] == m_id)
            numbers += QLatin1Char(' ') + QString::number(index + 1);
    }
    if (numbers.isEmpty())
        return tr("No keychains assigned");
    return tr("Keychains ##: ") + numbers;
}

void UserSettings::setCallControlGroup(int group)
{
    if (group == NoCallGroup || (group >= 0 && group <= MaxCallGroup))
        bytes()[CallGroupAt] = quint8(group);
}

void UserSettings::setSmsControlGroups(quint16 mask)
{
    qToLittleEndian(mask, bytes() + SmsGroupsAt);
}

void UserSettings::setPartitions(quint32 mask)
{
    qToLittleEndian(mask, bytes() + PartitionsAt);
}

int UserSettings::setTextField(const QString &text, int at, int size)
{
    copyToCharField(text, bytes() + at, size);
    return qMax(0, size - text.toUtf8().size());
}

int UserSettings::setName(const QString &name)
{
    const int used = name.toUtf8().size();
    copyToCharField(name, bytes() + NameAt, NameSize);
    if (used == NameSize - 1)
        return 1;
    return qMax(0, NameSize - 1 - used);
}

int UserSettings::setLogin(const QString &login)
{
    return setTextField(login, LoginAt, LoginSize);
}

int UserSettings::setPasswordText(const QString &password)
{
    return setTextField(password, PasswordAt, PasswordSize);
}

bool UserSettings::setPassword(const QString &password)
{
    if (password.size() < PasswordSize) {
        setPasswordText(password);
        return false;
    }
    const QByteArray decoded = QByteArray::fromHex(password.toLatin1()).left(PasswordSize);
    std::memset(bytes() + PasswordAt, 0, PasswordSize);
    std::memcpy(bytes() + PasswordAt, decoded.constData(), size_t(decoded.size()));
    return true;
}

bool UserSettings::setPhone(const QString &phone)
{
    bool ok = false;
    const qint64 value = phone.trimmed().toLongLong(&ok);
    setWord64(PhoneAt, ok ? quint64(value) : 0);
    return ok;
}

bool UserSettings::setSmsPassword(const QString &smsPassword)
{
    if (smsPassword.isEmpty()) {
        setWord64(SmsPasswordAt, NoSmsPassword);
        return true;
    }
    bool ok = false;
    const quint64 value = smsPassword.toULongLong(&ok);
    if (ok)
        setWord64(SmsPasswordAt, value);
    return ok;
}

void UserSettings::writeToDevice()
{
    logDebug(this,
             QStringLiteral("Saving user settings user id: %1 login: %2").arg(m_id).arg(login()));
    setSettingsVersion(1);
    std::memset(bytes() + 244, 0, 4);
    std::memset(bytes() + 252, 0, 4);
    std::memset(bytes() + 272, 0, 4);
    m_record.crc32 = crc32Stm(bytes(), CrcAt);
    const Protocol::SenderScope scope = refusalsComeHere();
    if (protocol())
        protocol()->writeUserSettings(m_id, m_record, m_writeFlag);
}

void UserSettings::deleteFromDevice()
{
    logTrace(this, QStringLiteral("Deleting user"));
    if (protocol())
        protocol()->deleteUser(m_id);
}

QJsonValue UserSettings::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), int(m_id));
    object.insert(QStringLiteral("used"), 1);
    object.insert(QStringLiteral("userName"), jsonKey());
    object.insert(QStringLiteral("userLogin"), login());
    object.insert(QStringLiteral("userPhonePassword"), smsPasswordText());
    // Numbers below 100 are no phone: written as 0, as the text form shows nothing.
    const quint64 phone = word64(PhoneAt);
    object.insert(QStringLiteral("phone"), FileNumber::of(phone < 100 ? quint64(0) : phone));
    object.insert(QStringLiteral("userPartitionTakeOn"), canTakeOn() ? 1 : 0);
    object.insert(QStringLiteral("userPartitionTakeOff"), canTakeOff() ? 1 : 0);
    object.insert(QStringLiteral("partitions"), FileNumber::of(quint64(partitions())));
    object.insert(QStringLiteral("settings"), FileNumber::of(word64(FlagsAt)));
    const QByteArray passwordField(reinterpret_cast<const char *>(bytes() + PasswordAt),
                                   PasswordSize);
    object.insert(QStringLiteral("userPassword"),
                  hasPassword() ? QString::fromLatin1(passwordField.toHex()) : QString());
    object.insert(QStringLiteral("settingsVersion"),
                  settingsVersionToJson(quint16(bytes()[CompatibleAt] | bytes()[CriticalAt] << 8)));
    return object;
}

bool UserSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    const QJsonObject object = value.toObject();
    if (formatVersion == 2)
        readFormat2(object);
    else if (formatVersion == 1)
        readFormat1(object);
    return true;
}

void UserSettings::readFormat2(const QJsonObject &object)
{
    m_record = zeroRecord();
    m_id = quint8(object.value(QStringLiteral("id")).toInt());
    setName(object.value(QStringLiteral("userName")).toString());
    const QString login = object.value(QStringLiteral("userLogin")).toString();
    if (!login.isEmpty())
        setLogin(login);
    setPhone(QString::number(wordFromJson(object.value(QStringLiteral("phone")))));
    setSmsPassword(object.value(QStringLiteral("userPhonePassword")).toString());
    setPartitions(quint32(wordFromJson(object.value(QStringLiteral("partitions")))));
    if (object.contains(QStringLiteral("userPassword")))
        setPassword(object.value(QStringLiteral("userPassword")).toString());
    else
        setPasswordText(QString());
    setWord64(FlagsAt, wordFromJson(object.value(QStringLiteral("settings"))));
    const quint16 version =
        settingsVersionFromJson(object.value(QStringLiteral("settingsVersion")));
    bytes()[CompatibleAt] = quint8(version & 0xFF);
    bytes()[CriticalAt] = quint8(version >> 8);
}

void UserSettings::setFlagFromJson(const QJsonObject &object, const char *key, quint8 bit)
{
    setFlag(bit, object.value(QLatin1String(key)).toBool());
}

void UserSettings::readFormat1(const QJsonObject &object)
{
    m_record = zeroRecord();
    m_id = quint8(object.value(QStringLiteral("Id")).toInt());
    setName(object.value(QStringLiteral("Name")).toString());
    const QString login = object.value(QStringLiteral("Login")).toString();
    if (!login.isEmpty())
        setLogin(login);
    const QString phone = object.value(QStringLiteral("Phone")).toString();
    setPhone(phone);
    if (phone.isEmpty())
        setSmsPassword(QString());
    else
        setSmsPassword(object.value(QStringLiteral("smsPassword")).toString());
    setPartitions(quint32(object.value(QStringLiteral("Partitions")).toInt()));
    setFlagFromJson(object, "IsAdmin", AdminFlag);
    setFlagFromJson(object, "IsQuenor3", Quenor3Flag);
    if (object.contains(QStringLiteral("Password")))
        setPassword(object.value(QStringLiteral("Password")).toString());
    else
        setPasswordText(QString());
    setFlagFromJson(object, "TakeOff", TakeOffFlag);
    setFlagFromJson(object, "TakeOn", TakeOnFlag);
    setFlagFromJson(object, "DTMFPasswordRequired", DtmfPasswordFlag);
    setFlagFromJson(object, "operatorMessRedirect", RedirectFlag);
    setFlagFromJson(object, "extraNotifications", ExtraNotificationsFlag);
    setSmsControlGroups(quint16(object.value(QStringLiteral("smsControlGroups")).toInt()));
    setCallControlGroup(object.value(QStringLiteral("callControlGroup")).toInt());
    setFlagFromJson(object, "allowRemoteControl", RemoteControlFlag);
    // A format-1 user carries his own keys.
    Overmind *overmind = Overmind::instance();
    const QJsonValue keys = object.value(QStringLiteral("Keys"));
    if (keys.isArray() && overmind && overmind->iButtonModel()) {
        for (const QJsonValue &key : keys.toArray())
            overmind->iButtonModel()->fromJson(key.toObject(), 1);
    }
    qDebug().noquote() << jsonKey() << "add from JSON";
}

QString UserSettings::jsonKey() const
{
    const QString text = name();
    return text.isEmpty() ? tr("User #%1").arg(m_id + 1) : text;
}
