#include "pages/users/IButtonSettings.h"

#include "app/FileNumber.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int DefaultPartitionCount = 17;
constexpr int VersionAt = 250;
constexpr int CrcAt = 252;

// Reserved ranges the device expects as zero in every written block.
struct Range
{
    int at;
    int size;
};
constexpr Range ZeroedOnWrite[] = {{13, 3}, {28, 8}, {38, 8}, {48, 4}};

QStringList &lawNameTable()
{
    static QStringList names;
    return names;
}

int currentPartitionCount()
{
    Overmind *overmind = Overmind::instance();
    const int count = overmind ? overmind->deviceInfo().partitionCount() : 0;
    return count > 0 ? count : DefaultPartitionCount;
}

// A file number as 32 bits; what no 64-bit integer holds (or no number at all) reads as 0.
quint32 word32FromJson(const QJsonValue &value)
{
    return quint32(FileNumber::word(value) & 0xFFFFFFFFu);
}
} // namespace

IButtonSettings::IButtonSettings(Protocol *protocol, quint8 id, QObject *parent)
    : QObject(parent), Storable(protocol), m_id(id), m_partitionCount(currentPartitionCount())
{
    std::memset(&m_record, 0, sizeof(m_record));
    m_record.compatibleVersion = 1;
    m_record.criticalVersion = 1;
}

IButtonSettings::~IButtonSettings() = default;

QString IButtonSettings::idHex() const
{
    const char *field = reinterpret_cast<const char *>(bytes() + IdAt);
    // A 12-digit identifier has no terminating zero inside the field.
    const int length = int(qstrnlen(field, IdSize));
    return QString::fromLatin1(field, length);
}

void IButtonSettings::setIdHex(const QString &idHex)
{
    const QByteArray latin = idHex.toLatin1().left(IdSize);
    std::memset(bytes() + IdAt, 0, IdSize);
    std::memcpy(bytes() + IdAt, latin.constData(), size_t(latin.size()));
}

quint32 IButtonSettings::partitionsMask() const
{
    return qFromLittleEndian<quint32>(bytes() + PartitionsAt);
}

void IButtonSettings::setPartitionsMask(quint32 mask)
{
    qToLittleEndian(mask, bytes() + PartitionsAt);
}

quint16 IButtonSettings::accessLaw() const
{
    return qFromLittleEndian<quint16>(bytes() + AccessLawAt);
}

void IButtonSettings::setAccessLaw(quint16 law)
{
    qToLittleEndian(law, bytes() + AccessLawAt);
}

quint8 IButtonSettings::userId() const
{
    return bytes()[OwnerAt];
}

void IButtonSettings::setUserId(quint8 userId)
{
    bytes()[OwnerAt] = userId;
}

QString IButtonSettings::accessibleText(int column) const
{
    if (column < 0 || column >= m_accessibleTexts.size())
        return QStringLiteral("item");
    return m_accessibleTexts.at(column);
}

void IButtonSettings::addAccessibleText(const QString &text)
{
    m_accessibleTexts.append(text);
}

const QStringList &IButtonSettings::lawNames()
{
    if (lawNameTable().isEmpty())
        retranslateLawNames();
    return lawNameTable();
}

void IButtonSettings::retranslateLawNames()
{
    lawNameTable() = QStringList{QString(),
                                 QCoreApplication::translate("QObject", "Not set"),
                                 QCoreApplication::translate("QObject", "Take on&off"),
                                 QCoreApplication::translate("QObject", "Take on"),
                                 QCoreApplication::translate("QObject", "Take off"),
                                 QCoreApplication::translate("QObject", "COP")};
}

QString IButtonSettings::lawName(int law)
{
    const QStringList &names = lawNames();
    return law >= 0 && law < names.size() ? names.at(law) : QString();
}

bool IButtonSettings::correctMask(quint32 &mask, int partitionCount)
{
    const quint64 bound = partitionCount >= 63 ? ~quint64(0) : (quint64(1) << partitionCount);
    if (quint64(mask) <= bound)
        return false;
    mask = 0;
    return true;
}

bool IButtonSettings::correctLaw(quint16 &law)
{
    if (law <= MaxLaw)
        return false;
    law = LawNotSet;
    return true;
}

void IButtonSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device. id: %1").arg(m_id));
    for (const Range &range : ZeroedOnWrite)
        std::memset(bytes() + range.at, 0, size_t(range.size));
    bytes()[VersionAt] = 1;
    bytes()[VersionAt + 1] = 1;
    qToLittleEndian(crc32Stm(bytes(), CrcAt), bytes() + CrcAt);
    const Protocol::SenderScope scope = refusalsComeHere();
    emit writeSettings(m_id, m_record);
}

void IButtonSettings::setSettings(const s_ExtMemDataIButton &s)
{
    logTrace(this, QStringLiteral("Settings updated. id: %1").arg(m_id));
    m_record = s;
    quint32 mask = partitionsMask();
    if (correctMask(mask, m_partitionCount)) {
        logError(this, QStringLiteral("Partitions set incorrectly. Dropping to no partitions"));
        setPartitionsMask(mask);
    }
    quint16 law = accessLaw();
    if (correctLaw(law)) {
        logError(this, QStringLiteral("Access law set incorrectly. Dropping to KeyLawNotSet"));
        setAccessLaw(law);
    }
    emit settingsUpdated(m_id);
}

QJsonValue IButtonSettings::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), int(m_id));
    object.insert(QStringLiteral("id_hex"), idHex());
    object.insert(QStringLiteral("AccessLaw"), int(accessLaw()));
    object.insert(QStringLiteral("control_p_mask"), qint64(partitionsMask()));
    object.insert(QStringLiteral("UserID"), int(userId()));
    object.insert(QStringLiteral("used"), 1);
    object.insert(QStringLiteral("settingsVersion"),
                  settingsVersionToJson(qFromLittleEndian<quint16>(bytes() + VersionAt)));
    return object;
}

bool IButtonSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    const char *keys[2][4] = {{"Id", "Partitions", "Permissions", "UserId"},
                              {"id_hex", "control_p_mask", "AccessLaw", "UserID"}};
    if (formatVersion != 1 && formatVersion != 2)
        return true;
    const char *const *names = keys[formatVersion - 1];
    const QJsonObject object = value.toObject();
    setIdHex(object.value(QLatin1String(names[0])).toString().toUpper());
    setPartitionsMask(word32FromJson(object.value(QLatin1String(names[1]))));
    setAccessLaw(quint16(word32FromJson(object.value(QLatin1String(names[2]))) & 0xFFFF));
    setUserId(quint8(word32FromJson(object.value(QLatin1String(names[3]))) & 0xFF));
    return true;
}
