#include "radio/Loop.h"

#include "app/DeviceInfo.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/DeviceTypes.h"
#include "radio/NameField.h"
#include "radio/SensorEventText.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <cstring>

namespace {
constexpr double OpenLoopOhms = 50000.0;

int jsonInt(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toInt();
}
} // namespace

Loop::Loop(const s_FullLoopData *report, QObject *parent) : Sensor()
{
    setParent(parent);
    Overmind *overmind = Overmind::instance();
    m_id = uchar((overmind ? overmind->deviceInfo().maxSensors() : 0) + 1);
    std::memset(&m_loopSettings, 0, sizeof(m_loopSettings));
    std::memset(&m_loopStatus, 0, sizeof(m_loopStatus));
    takeReport(report);
    emit dataUpdated();
    emit statusUpdated();
    buildPropertyTree();
}

Loop::~Loop() = default;

void Loop::takeReport(const s_FullLoopData *report)
{
    logInfo(this, QStringLiteral("Full data received"));
    logInfo(this, QStringLiteral("Status: %1").arg(report->loop.status.state));
    m_loopSettings.settings = report->loop.settings;
    m_loopStatus = report->loop.status;
    m_loopSettings.compatibleVersion = 1;
    m_loopSettings.criticalVersion = 1;
    std::memcpy(m_loopSettings.name, report->name, sizeof(m_loopSettings.name));
}

void Loop::setFullData(const s_FullLoopData *report)
{
    takeReport(report);
    emit dataUpdated();
    emit statusUpdated();
}

void Loop::setData(const s_ExtMemDataLoop *block)
{
    logInfo(this, QStringLiteral("Data received"));
    m_loopSettings = *block;
    refreshBellNode();
    emit dataUpdated();
}

void Loop::setStatus(const s_LoopStatus *status)
{
    logInfo(this, QStringLiteral("Status received"));
    m_loopStatus = *status;
    emit statusUpdated();
}

QString Loop::resistanceText() const
{
    const double ohms = m_loopStatus.resistance;
    if (ohms > OpenLoopOhms)
        return QString::fromUtf8("∞");
    if (ohms < 1.0)
        return tr("0 kOhm");
    return tr("%1 kOhm").arg(ohms / 1000.0, 0, 'f', 2);
}

int Loop::type() const
{
    return DeviceType::Loop;
}

QString Loop::typeName() const
{
    return tr("Loop");
}

void Loop::setFlag(quint8 flag, bool on)
{
    quint8 &flags = m_loopSettings.settings.flags;
    flags = on ? (flags | flag) : (flags & ~flag);
}

bool Loop::bellEnabled() const
{
    return m_loopSettings.settings.flags & SensorSettingFlag::BellEnable;
}

void Loop::setBellEnabled(bool enabled)
{
    setFlag(SensorSettingFlag::BellEnable, enabled);
}

QString Loop::displayName() const
{
    const QString name = jsonKey();
    return QStringLiteral("%1. %2").arg(DisplayNumber).arg(name.isEmpty() ? tr("Loop") : name);
}

void Loop::storeName(const QByteArray &utf8)
{
    fillNameField(m_loopSettings.name, utf8, 0);
    m_loopSettings.nameCrc = crc32Stm(m_loopSettings.name, NameFieldSize);
}

bool Loop::setName(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    if (utf8.size() > NameFieldTextBytes)
        return false;
    storeName(utf8);
    return true;
}

quint16 Loop::zoneType() const
{
    return m_loopSettings.settings.ZoneType;
}

void Loop::setZoneType(quint16 zoneType)
{
    m_loopSettings.settings.ZoneType = zoneType;
}

bool Loop::isInTouch() const
{
    return true;
}

uchar Loop::partition() const
{
    return uchar(m_loopSettings.settings.Partition & 0xFF);
}

void Loop::setPartition(uchar partition)
{
    if (partition == m_loopSettings.settings.Partition)
        return;
    logDebug(this, QStringLiteral("Moving to partition: %1").arg(int(partition)));
    m_loopSettings.settings.Partition = partition;
    store();
}

bool Loop::isEnabled() const
{
    return m_loopSettings.settings.flags & SensorSettingFlag::Enable;
}

void Loop::setEnabled(bool enabled)
{
    setFlag(SensorSettingFlag::Enable, enabled);
}

bool Loop::isAlarm() const
{
    return m_loopStatus.flags & LoopFlag::Alarm;
}

QString Loop::toolTip() const
{
    return tr("\n\n\n%1").arg(stateText());
}

quint16 Loop::stateCode() const
{
    return m_loopStatus.state;
}

QString Loop::stateText() const
{
    return sensorEventText(stateCode());
}

void Loop::writeToDevice()
{
    logInfo(this, QStringLiteral("Saving loop settigns"));
    m_loopSettings.crc32 = crc32Stm(&m_loopSettings, s_ExtMemDataLoop::crcOffset);
    const Protocol::SenderScope scope = refusalsComeHere();
    if (Protocol *link = protocol())
        link->writeLoopData(m_loopSettings);
}

QJsonValue Loop::toJson() const
{
    const quint16 version =
        quint16(m_loopSettings.compatibleVersion | (m_loopSettings.criticalVersion << 8));
    return QJsonArray{QJsonObject{
        {QStringLiteral("id"), JsonId},
        {QStringLiteral("Enable"), isEnabled() ? 1 : 0},
        {QStringLiteral("BellEnable"), bellEnabled() ? 1 : 0},
        {QStringLiteral("name"), jsonKey()},
        {QStringLiteral("ZoneType"), int(zoneType())},
        {QStringLiteral("Partition"), int(m_loopSettings.settings.Partition)},
        {QStringLiteral("settingsVersion"), settingsVersionToJson(version)},
    }};
}

bool Loop::fromJson(const QJsonValue &value, int formatVersion)
{
    QString name;
    if (formatVersion == 1) {
        const QJsonObject object = value.toObject();
        name = object.value(QLatin1String("Name")).toString();
        setBellEnabled(object.value(QLatin1String("Bell")).toBool());
        setEnabled(object.value(QLatin1String("Enabled")).toBool());
        m_loopSettings.settings.Partition = quint16(jsonInt(object, "Partition"));
        setZoneType(quint16(jsonInt(object, "ZoneType")));
    } else {
        const QJsonArray loops = value.toArray();
        if (loops.isEmpty())
            return false;
        const QJsonObject object = loops.first().toObject();
        name = object.value(QLatin1String("name")).toString();
        setBellEnabled(jsonInt(object, "BellEnable") != 0);
        setEnabled(jsonInt(object, "Enable") != 0);
        m_loopSettings.settings.Partition = quint16(jsonInt(object, "Partition"));
        setZoneType(quint16(jsonInt(object, "ZoneType")));
    }
    // A name from a file is cut to the field, at a character boundary.
    storeName(utf8Prefix(name, NameFieldTextBytes));
    qDebug().noquote() << (isEnabled() ? tr("Loop is enabled") : tr("Loop is disabled"));
    return true;
}

QString Loop::jsonKey() const
{
    return nameFieldText(m_loopSettings.name);
}

QList<int> Loop::zoneChoices()
{
    return selectableZoneTypes(DeviceType::Loop);
}

void Loop::buildPropertyTree()
{
    const auto write = [this] { writeToDevice(); };
    const QStringList captionsByCode = {tr("Not set"), tr("Not sensor"), tr("Security"),
                                        tr("Alarm"),   tr("Enter"),      tr("Fire"),
                                        tr("Water")};
    QStringList zoneCaptions;
    for (int zone : zoneChoices())
        zoneCaptions << captionsByCode.value(zone);

    SensorProperty nameNode = SensorProperty::string(
        QStringLiteral("name"), tr("Name"), [this] { return QVariant(jsonKey()); },
        [this, write](const QVariant &value) {
            const QString text = value.toString();
            if (!text.isEmpty() && text.size() <= NameFieldTextBytes)
                setName(text);
            write();
        });
    nameNode.regExp = namePattern(NameFieldTextBytes);

    SensorProperty zoneNode = SensorProperty::enumeration(
        QStringLiteral("zone_type"), tr("Zone type"),
        [this] { return QVariant(zoneChoices().indexOf(zoneType())); },
        [this, write](const QVariant &value) {
            const QList<int> zones = zoneChoices();
            const int position = value.toInt();
            if (position < 0 || position >= zones.size())
                return;
            setZoneType(quint16(zones.at(position)));
            write();
        },
        [zoneCaptions] { return zoneCaptions; },
        [] {
            QVector<int> positions;
            for (int i = 0; i < zoneChoices().size(); ++i)
                positions << i;
            return positions;
        });

    SensorProperty::Setter bellSetter;
    if (zoneType() == ZoneSecurity || zoneType() == ZoneEnter) {
        bellSetter = [this, write](const QVariant &value) {
            setBellEnabled(value.toBool());
            write();
        };
    }

    m_root = SensorProperty::group(
        QStringLiteral("root"), QString(),
        {SensorProperty::group(
             QStringLiteral("general"), tr("General"),
             {SensorProperty::readOnlyInteger(QStringLiteral("partition"), tr("Partition"),
                                              QString(),
                                              [this] { return QVariant(int(partition())); }),
              SensorProperty::readOnlyString(QStringLiteral("type"), tr("Type"),
                                             [this] { return QVariant(typeName()); }),
              nameNode}),
         SensorProperty::group(
             QStringLiteral("main"), tr("Main"),
             {SensorProperty::boolean(
                  QStringLiteral("sensor_enabled"), tr("Enabled"),
                  [this] { return QVariant(isEnabled()); },
                  [this, write](const QVariant &value) {
                      setEnabled(value.toBool());
                      write();
                  },
                  {tr("No"), tr("Yes")}),
              zoneNode,
              SensorProperty::boolean(QStringLiteral("bell_mode"), tr("Bell"),
                                      [this] { return QVariant(bellEnabled()); }, bellSetter,
                                      {tr("Disabled"), tr("Enabled")}),
              SensorProperty::readOnlyString(QStringLiteral("resistance"), tr("Resistance"),
                                             [this] { return QVariant(resistanceText()); })})});
}
