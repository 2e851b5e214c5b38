#include "radio/Partition.h"

#include "app/DeviceInfo.h"
#include "app/EventNames.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/NameField.h"
#include "radio/PartitionModel.h"

#include <QJsonObject>
#include <cstring>

namespace {
// States in which the main state tells more than the current one.
bool currentStateDefersToMain(quint16 current)
{
    return current == 0 || current == 5 || current == 8 || current == 22;
}
} // namespace

Partition::Partition(Protocol *writer, int index, int kind, int aggregate, QObject *parent)
    : QObject(parent), Storable(writer), m_index(index), m_kind(kind), m_aggregate(aggregate),
      m_defaultNameTimer(this)
{
    std::memset(&m_settings, 0, sizeof(m_settings));
    std::memset(&m_status, 0, sizeof(m_status));
    m_settings.compatibleVersion = 1;
    m_settings.criticalVersion = 1;
    qRegisterMetaType<s_ExtMemDataPartition>("s_ExtMemDataPartition");
    qRegisterMetaType<Sensor::SPtr>("Sensor::SPtr");
    m_defaultNameTimer.setSingleShot(true);
    connect(&m_defaultNameTimer, &QTimer::timeout, this, &Partition::applyDefaultName);
}

Partition::~Partition()
{
    m_devices.clear();
}

int Partition::partitionCount()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->deviceInfo().partitionCount() : 0;
}

bool Partition::isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

bool Partition::isConfigurable() const
{
    return isAggregate() || m_status.configurationAllowed != 0;
}

quint16 Partition::number() const
{
    const quint16 value = m_settings.settings.num;
    return value == 0xFFFF ? 0 : value;
}

void Partition::setNumber(quint16 number)
{
    m_settings.settings.num = number;
}

quint32 Partition::controlPartitions() const
{
    const quint32 mask = m_settings.settings.ControlPartitions;
    const int count = partitionCount();
    const quint64 limit = count >= 0 && count < 64 ? (quint64(1) << count) : ~quint64(0);
    return quint64(mask) > limit ? 0 : mask;
}

void Partition::setControlPartitions(quint32 mask)
{
    m_settings.settings.ControlPartitions = mask;
}

void Partition::setFlag(quint8 flag, bool on)
{
    quint8 &flags = m_settings.settings.flags;
    flags = on ? (flags | flag) : (flags & ~flag);
}

bool Partition::autoTakeFromNotTaken() const
{
    return m_settings.settings.flags & PartitionFlag::AutoTakeFromNotTaken;
}

void Partition::setAutoTakeFromNotTaken(bool on)
{
    setFlag(PartitionFlag::AutoTakeFromNotTaken, on);
}

bool Partition::autoTakeFromAlarm() const
{
    return m_settings.settings.flags & PartitionFlag::AutoTakeFromAlarm;
}

void Partition::setAutoTakeFromAlarm(bool on)
{
    setFlag(PartitionFlag::AutoTakeFromAlarm, on);
}

bool Partition::takeDelayEnabled() const
{
    return m_settings.settings.flags & PartitionFlag::TakeDelay;
}

void Partition::setTakeDelayEnabled(bool on)
{
    setFlag(PartitionFlag::TakeDelay, on);
}

quint16 Partition::state() const
{
    const quint16 current = m_status.currentState;
    return currentStateDefersToMain(current) ? m_status.mainState : current;
}

QString Partition::stateText() const
{
    quint16 code = m_status.currentState;
    if (currentStateDefersToMain(code)) {
        code = m_status.mainState;
        if (code == 8 && (m_status.qualifier & 0x03))
            code = 1;
    }
    return partitionEventName(code);
}

bool Partition::setName(const QString &name)
{
    if (m_kind != 1)
        return false;
    // A name that fills the field is kept one byte shorter than the device allows, as
    // the device's own menus expect.
    const int fullLength = escapeName(name).toUtf8().size();
    const int limit =
        fullLength >= NameFieldTextBytes ? NameFieldTextBytes - 1 : NameFieldTextBytes;
    fillNameField(m_settings.name, escapedUtf8Prefix(name, limit), 0xFF);
    m_settings.nameCrc = crc32Stm(m_settings.name, NameFieldSize);
    return true;
}

QString Partition::defaultName() const
{
    return tr("Partition # %1").arg(m_index, 2, 10, QLatin1Char('0'));
}

void Partition::setData(const s_ExtMemDataPartition *block)
{
    m_settings = *block;
    // Only a security area takes a name: for the others the default name would be refused
    // and the unnamed record written again with every answer.
    if (m_settings.name[0] == 0 && m_kind == 1)
        m_defaultNameTimer.start((m_index + 10) * 100);
    emit updated();
}

void Partition::applyDefaultName()
{
    // A name that arrived while the timer ran is the device's and stays.
    if (m_settings.name[0] != 0 || !setName(defaultName()))
        return;
    setNumber(quint16(m_index));
    store();
}

void Partition::setStatus(const s_PartitionStatus *status)
{
    m_status = *status;
    emit statusUpdated();
}

void Partition::setLocked(bool lock)
{
    Protocol *link = protocol();
    if (!link)
        return;
    const quint16 current = state();
    const Protocol::SenderScope scope = refusalsComeHere();
    if (current == 17 || current == 21 || !lock)
        link->unlockPartition(quint8(m_index));
    else
        link->lockPartition(quint8(m_index));
}

void Partition::resetSettings()
{
    const Protocol::SenderScope scope = refusalsComeHere();
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        resetInFile();
        return;
    }
    if (Protocol *link = protocol())
        link->resetSettings(ResetPartition, quint16(m_index));
}

void Partition::onWriteRefused(const WriteRefusal &refusal)
{
    Protocol *link = protocol();
    if (!link)
        return;
    switch (refusal.operation) {
    case _UsbTakeOnPartition:
    case _UsbTakeOffPartition:
        // The lock shows the state last reported until the device tells it anew.
        emit statusUpdated();
        link->readPartitionStatus(quint16(m_index));
        break;
    case _MenuConfigResetSettings:
        link->readPartitionData(quint16(m_index));
        break;
    default:
        Storable::onWriteRefused(refusal);
        break;
    }
}

// Viewing a file, the factory settings go into the file: what the device would hold after
// its reset and the default name it then gets.
void Partition::resetInFile()
{
    std::memset(&m_settings, 0, sizeof(m_settings));
    m_settings.compatibleVersion = 1;
    m_settings.criticalVersion = 1;
    setName(defaultName());
    setNumber(quint16(m_index));
    store();
    emit updated();
}

void Partition::addSensor(Sensor::SPtr device)
{
    if (!device || m_devices.contains(device))
        return;
    m_devices.append(device);
    emit sensorAdded(device);
    if (!isAggregate())
        device->setPartition(uchar(m_index));
}

Sensor::SPtr Partition::removeSensor(Sensor *device, bool silent)
{
    Sensor::SPtr removed;
    for (int i = m_devices.size() - 1; i >= 0; --i) {
        if (m_devices.at(i).get() == device) {
            removed = m_devices.at(i);
            m_devices.removeAt(i);
        }
    }
    if (removed && !silent)
        emit sensorRemoved(removed);
    return removed;
}

Sensor::SPtr Partition::removeSensor(const Sensor::SPtr &device, bool silent)
{
    return removeSensor(device.get(), silent);
}

void Partition::writeToDevice()
{
    m_settings.reserved100 = 0;
    m_settings.settings.reserved32 = 0;
    m_settings.compatibleVersion = 1;
    m_settings.criticalVersion = 1;
    m_settings.crc32 = crc32Stm(&m_settings, s_ExtMemDataPartition::crcOffset);
    const Protocol::SenderScope scope = refusalsComeHere();
    if (Protocol *link = protocol())
        link->writePartitionData(quint16(m_index), m_settings);
    if (isViewingMode())
        emit updated();
}

QJsonValue Partition::toJson() const
{
    const quint16 version =
        quint16(m_settings.compatibleVersion | (m_settings.criticalVersion << 8));
    return QJsonObject{
        {QStringLiteral("id"), m_index},
        {QStringLiteral("used"), 1},
        // The executive devices' caption is the program's, in its language: never a name.
        {QStringLiteral("name"), isExecutiveDevices() ? storedName() : jsonKey()},
        {QStringLiteral("AutoTakeFromNotTakeEn"), autoTakeFromNotTaken() ? 1 : 0},
        {QStringLiteral("AutoTakeFromAlarmEn"), autoTakeFromAlarm() ? 1 : 0},
        {QStringLiteral("TakeDelayEn"), takeDelayEnabled() ? 1 : 0},
        {QStringLiteral("ControlPartitions"), qint32(controlPartitions())},
        {QStringLiteral("num"), int(number())},
        {QStringLiteral("settingsVersion"), settingsVersionToJson(version)},
    };
}

bool Partition::fromJson(const QJsonValue &, int)
{
    return true;
}

bool Partition::store()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        return Storable::store();
    PartitionModel *model = overmind->partitionModel();
    return model && model->storePartitionSection();
}

QString Partition::storedName() const
{
    QString name = nameFieldText(m_settings.name);
    if (name.size() == NameFieldSize)
        name.chop(1);
    return unescapeName(name);
}

bool Partition::isExecutiveDevicesCaption(const QString &name)
{
    return name == QLatin1String("Executive devices") || name == tr("Executive devices") ||
           name == QString::fromUtf8("Исполнительные устройства");
}

QString Partition::jsonKey() const
{
    if (m_kind == 1) {
        const QString name = storedName();
        return name.isEmpty() ? defaultName() : name;
    }
    if (!isAggregate())
        return tr("Executive devices");
    return m_index == partitionCount() ? tr("All Devices") : tr("Halvor devices");
}
