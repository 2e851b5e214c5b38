#include "radio/PartitionModel.h"

#include "app/ConfigFile.h"
#include "app/DeviceInfo.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/DeviceTypes.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/NameField.h"
#include "radio/Partition.h"
#include "radio/SensorFileObject.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonArray>
#include <QTimer>
#include <QtEndian>
#include <cstring>

namespace {
constexpr int ExecutiveDevicesFileId = 17;
constexpr int ValveControllerType = DeviceType::ValveController;
constexpr int SelectionResetDelayMs = 100;
constexpr int PulseCounterType = 13;
constexpr int PulsePriceAt = 8;

bool signalsEnergySaving(int type)
{
    return type == 6 || type == 16 || type == 18 || type == 24 || type == 26;
}

int maxSensors()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->deviceInfo().maxSensors() : 0;
}

s_ExtMemDataPartition partitionRecord(const QJsonObject &object, bool v1)
{
    s_ExtMemDataPartition record;
    std::memset(&record, 0, sizeof(record));
    SensorFileObject::putRadioName(record.name,
                                   object.value(QLatin1String(v1 ? "Name" : "name")).toString());
    record.nameCrc = crc32Stm(record.name, NameFieldSize);
    const auto bit = [&object](const char *key, quint8 flag) {
        return SensorFileObject::flag(object.value(QLatin1String(key))) ? flag : quint8(0);
    };
    record.settings.flags =
        quint8(bit(v1 ? "AutoTake" : "AutoTakeFromNotTakeEn", PartitionFlag::AutoTakeFromNotTaken) |
               bit(v1 ? "AutoTakeAlarm" : "AutoTakeFromAlarmEn", PartitionFlag::AutoTakeFromAlarm) |
               bit(v1 ? "TakeDelay" : "TakeDelayEn", PartitionFlag::TakeDelay));
    record.settings.ControlPartitions =
        quint32(SensorFileObject::wholeNumber(object.value(QLatin1String("ControlPartitions"))));
    record.settings.num = quint16(object.value(QLatin1String(v1 ? "Number" : "num")).toInt());
    const quint16 version = settingsVersionFromJson(object.value(QLatin1String("settingsVersion")));
    record.compatibleVersion = quint8(version & 0xFF);
    record.criticalVersion = quint8(version >> 8);
    return record;
}
} // namespace

PartitionModel::PartitionModel(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    Overmind *overmind = Overmind::instance();
    m_partitionCount = overmind ? overmind->deviceInfo().partitionCount() : 0;
    connectProtocol(protocol);
    connectController();
    for (int i = 0; i < m_partitionCount; ++i)
        m_partitions.push_back(makePartition(i, i == 0 ? 0 : 1, 0, true));
    m_allDevices = makePartition(m_partitionCount, 0, 1, true);
    // The integrated security system's devices: nothing fills them.
    m_halvorDevices = makePartition(m_partitionCount + 1, 0, 1, false);
}

PartitionModel::~PartitionModel()
{
    // The partitions outlive this model in the hands of pages; they must not call back.
    for (const auto &partition : m_partitions)
        disconnect(partition.get(), nullptr, this, nullptr);
    disconnect(m_allDevices.get(), nullptr, this, nullptr);
}

std::shared_ptr<Partition> PartitionModel::makePartition(int index, int kind, int aggregate,
                                                         bool watched)
{
    auto partition = std::make_shared<Partition>(protocol(), index, kind, aggregate);
    if (watched)
        connect(partition.get(), &Partition::sensorRemoved, this, &PartitionModel::removeSensor);
    return partition;
}

void PartitionModel::connectProtocol(Protocol *link)
{
    if (!link)
        return;
    connect(link, &Protocol::partitionData, this, &PartitionModel::setPartitionData);
    connect(link, &Protocol::partitionStatus, this, &PartitionModel::setPartitionStatus);
    connect(link, &Protocol::sensorData, this, &PartitionModel::setSensorData);
    connect(link, &Protocol::sensorFullData, this, &PartitionModel::setFullSensorData);
    connect(link, &Protocol::sensorStatus, this, &PartitionModel::setSensorStatus);
    connect(link, &Protocol::loopFullData, this, &PartitionModel::setFullLoopData);
    connect(link, &Protocol::loopData, this, &PartitionModel::setLoopData);
    connect(link, &Protocol::loopStatus, this, &PartitionModel::setLoopStatus);
    connect(link, &Protocol::outputData, this, &PartitionModel::setOutData);
    connect(link, &Protocol::outputStatus, this, &PartitionModel::setOutStatus);
    connect(link, &Protocol::outputTactic, this, &PartitionModel::setOutTactic);
    connect(link, &Protocol::sensorDelete, this, &PartitionModel::onSensorDeletedExternally);
    connect(link, &Protocol::receivedFullHalvorDevData, this,
            &PartitionModel::setFullHalvorDevData);
}

void PartitionModel::connectController()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return;
    connect(overmind, &Overmind::disconnected, this, &PartitionModel::onDisconnect);
    // The controller re-emits the device signals the other parts of the program watch.
    connect(this, &PartitionModel::newSensorConnected, overmind, &Overmind::newSensorConnected);
    connect(this, &PartitionModel::sensorGotInTouch, overmind, &Overmind::sensorGotInTouch);
    connect(this, &PartitionModel::sensorLost, overmind, &Overmind::sensorLost);
}

bool PartitionModel::isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

// ---- accessors ----

Partition *PartitionModel::partition(int number) const
{
    return number >= 0 && number < int(m_partitions.size()) ? m_partitions[size_t(number)].get()
                                                            : nullptr;
}

std::shared_ptr<LocalOut> PartitionModel::localOut(int index) const
{
    if (index < 0 || index > 1) {
        logWarning(const_cast<PartitionModel *>(this),
                   QStringLiteral("Local out index out of range: %1").arg(index));
        return nullptr;
    }
    return m_localOuts[size_t(index)];
}

int PartitionModel::sensorCount() const
{
    int count = 0;
    for (const auto &partition : m_partitions)
        count += partition->sensorCount();
    return count;
}

Sensor::SPtr PartitionModel::sensor(int id) const
{
    if (id >= maxSensors())
        return m_loop;
    for (const Sensor::SPtr &device : m_sensors)
        if (device->id() == id)
            return device;
    return nullptr;
}

Sensor::SPtr PartitionModel::sensorBySerial(quint32 serial) const
{
    for (const Sensor::SPtr &device : m_sensors)
        if (device->serialNumber() == serial)
            return device;
    return nullptr;
}

QStringList PartitionModel::partitionNames(bool skipFirst) const
{
    QStringList names;
    for (int i = skipFirst ? 1 : 0; i < m_partitionCount; ++i)
        names << m_partitions[size_t(i)]->jsonKey();
    return names;
}

void PartitionModel::moveSensor(uchar partition, Sensor *device)
{
    Partition *target = this->partition(partition);
    if (!target) {
        logWarning(this, QStringLiteral("No partition %1 to move a device to").arg(int(partition)));
        return;
    }
    Sensor::SPtr listed;
    for (const Sensor::SPtr &candidate : qAsConst(m_sensors)) {
        if (candidate.get() == device) {
            listed = candidate;
            break;
        }
    }
    if (!listed)
        return;
    target->addSensor(listed);
    m_allDevices->addSensor(listed);
    if (isViewingMode())
        storeModelToFile();
}

// ---- answers of the device ----

bool PartitionModel::isKnownDeviceId(int id) const
{
    return id >= 0 && id < maxSensors();
}

bool PartitionModel::isValidAnswerId(quint16 id, const char *what)
{
    // Device ids are one byte; a wider one must not fold onto another device.
    if (id <= 0xFF)
        return true;
    logWarning(this, QStringLiteral("%1 for id %2 ignored").arg(QLatin1String(what)).arg(id));
    return false;
}

void PartitionModel::setPartitionData(quint16 id, const s_ExtMemDataPartition &data)
{
    if (Partition *target = partition(id))
        target->setData(&data);
}

void PartitionModel::setPartitionStatus(quint16 id, const s_PartitionStatus &status)
{
    if (Partition *target = partition(id))
        target->setStatus(&status);
}

void PartitionModel::setSensorData(quint16 id, const s_ExtMemDataSensor &data)
{
    if (!isValidAnswerId(id, "Sensor data"))
        return;
    Sensor::SPtr device = sensor(id);
    if (!device)
        return;
    // A block that failed its check arrives zero-filled; it must not wipe the device.
    if (data.crc32 != crc32Stm(&data, s_ExtMemDataSensor::crcOffset)) {
        logWarning(this, QStringLiteral("Broken settings of sensor %1 ignored").arg(id));
        return;
    }
    device->updateData(&data);
    // A move confirmed by the device: the held record already named the new partition.
    fileByRecord(device);
}

void PartitionModel::refreshSensor(const Sensor::SPtr &device, const s_FullSensorData &data)
{
    // The report carries the name and bytes 72..311; everything else of the held
    // block stays as the device last sent it.
    s_ExtMemDataSensor block = *device->settingsData();
    std::memcpy(block.name, data.name, sizeof(block.name));
    block.nameCrc = crc32Stm(block.name, NameFieldSize);
    block.settings = data.settings;
    device->updateData(&block);
}

void PartitionModel::setFullSensorData(quint16 id, const s_FullSensorData &data)
{
    logTrace(this, QStringLiteral("Full sensor data received"));
    logTrace(this, QStringLiteral("Sensor id: %1 type: %2  part: %3")
                       .arg(id)
                       .arg(int(data.settings.bType))
                       .arg(int(data.settings.common.Partition)));
    const quint32 crc = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    if (crc != data.crc32 || data.status.serialNumber == 0) {
        logWarning(this, QStringLiteral("Sensor CRC is broken"));
        return;
    }
    if (!isKnownDeviceId(id)) {
        logWarning(this, QStringLiteral("Sensor id %1 out of range ignored").arg(id));
        return;
    }
    const quint16 partitionWord = data.settings.common.Partition;
    Sensor::SPtr device = sensor(id);
    if (device && device->settingsData()->settings.common.Partition != partitionWord) {
        removeSensor(device);
        logTrace(this, QStringLiteral("Sensor's partition changed. Removing"));
        device.reset();
    }
    if (device) {
        refreshSensor(device, data);
        fileByRecord(device);
        setSensorStatus(id, data.status);
        return;
    }
    if (data.settings.common.ZoneType == 7)
        return;
    logTrace(this, QStringLiteral("New sensor added"));
    device = std::make_shared<Sensor>(uchar(id), &data);
    emit newSensorConnected(device);
    if (Partition *target = partition(partitionWord)) {
        target->addSensor(device);
        m_allDevices->addSensor(device);
    }
    m_sensors.append(device);
    emit sensorCountUpdate();
    if (signalsEnergySaving(device->type()) && device->energySavingMode() != 0)
        emit sensorWithEnergySaveFound();
}

void PartitionModel::setSensorStatus(quint16 id, const s_SensorIntData &status)
{
    if (!isValidAnswerId(id, "Sensor status"))
        return;
    Sensor::SPtr device = sensor(id);
    if (!device)
        return;
    const bool lostNow = status.flags & SensorFlag::Lost;
    if (device->isInTouch() && lostNow) {
        logDebug(this, tr("%1. %2 lost").arg(id).arg(device->typeName()));
        emit sensorLost(device);
    } else if (!device->isInTouch() && !lostNow) {
        logDebug(this, tr("%1. %2 got in touch").arg(id).arg(device->typeName()));
        emit sensorGotInTouch(device);
    }
    device->updateStatus(&status);
}

void PartitionModel::takeOutForMove(Partition *from, const Sensor::SPtr &device)
{
    if (!from || !device)
        return;
    m_takingOut = true;
    from->removeSensor(device, false);
    m_takingOut = false;
}

void PartitionModel::fileByRecord(const Sensor::SPtr &device)
{
    if (!device || !m_sensors.contains(device))
        return;
    Partition *target = partition(device->partition());
    for (const auto &other : m_partitions)
        if (other.get() != target && other->sensors().contains(device))
            takeOutForMove(other.get(), device);
    if (target && !target->sensors().contains(device)) {
        target->addSensor(device);
        m_allDevices->addSensor(device);
    }
}

void PartitionModel::removeSensor(Sensor::SPtr device)
{
    if (!device || m_takingOut)
        return;
    m_allDevices->removeSensor(device, false);
    Partition *owner = partition(device->partition());
    if (device == m_loop) {
        if (owner)
            owner->removeSensor(device, false);
        m_loop.reset();
    } else {
        if (owner)
            owner->removeSensor(device, false);
        m_sensors.removeAll(device);
    }
    emit sensorRemoved(device);
    emit sensorCountUpdate();
}

void PartitionModel::onSensorDeletedExternally(quint16 id)
{
    if (!isValidAnswerId(id, "Sensor deletion"))
        return;
    // The answer to a deletion a write-in asked for: the old object is gone already
    // and the id may name the device the file brought.
    if (m_pendingDeletions.remove(id))
        return;
    Sensor::SPtr device = isKnownDeviceId(id) ? sensor(id) : nullptr;
    if (device) {
        for (const auto &owner : m_partitions)
            owner->removeSensor(device, false);
        // A device filed in no partition is only in the list.
        if (m_sensors.contains(device))
            removeSensor(device);
    }
    emit sensorCountUpdate();
    if (isViewingMode())
        storeModelToFile();
}

void PartitionModel::onResetSensor(uint id)
{
    if (id > 0xFF)
        return;
    onSensorDeletedExternally(quint16(id));
    QTimer::singleShot(0, this, [this, id] {
        if (Protocol *link = protocol())
            link->readSensorFullData(quint16(id));
    });
    QTimer::singleShot(SelectionResetDelayMs, this, &PartitionModel::selectionReset);
}

void PartitionModel::onDisconnect()
{
    const QList<Sensor::SPtr> devices = m_sensors;
    for (const Sensor::SPtr &device : devices) {
        if (Partition *owner = partition(device->partition()))
            owner->removeSensor(device, false);
        // Devices outside every partition leave as well.
        if (m_sensors.contains(device))
            removeSensor(device);
    }
    if (Sensor::SPtr loop = m_loop) {
        if (Partition *owner = partition(loop->partition()))
            owner->removeSensor(loop, false);
        if (m_loop)
            removeSensor(loop);
    }
    emit sensorCountUpdate();
}

void PartitionModel::setFullLoopData(const s_FullLoopData &data)
{
    const quint16 partitionWord = data.loop.settings.Partition;
    if (m_loop && static_cast<Loop *>(m_loop.get())->loopData().settings.Partition != partitionWord)
        removeSensor(m_loop);
    if (m_loop) {
        static_cast<Loop *>(m_loop.get())->setFullData(&data);
    } else {
        m_loop = std::make_shared<Loop>(&data);
        Sensor::SPtr loop = m_loop;
        Partition *target = partition(partitionWord);
        if (!target)
            target = partition(1);
        if (target)
            target->addSensor(loop);
        m_allDevices->addSensor(loop);
    }
    emit sensorCountUpdate();
}

void PartitionModel::setLoopData(const s_ExtMemDataLoop &data)
{
    if (m_loop)
        static_cast<Loop *>(m_loop.get())->setData(&data);
}

void PartitionModel::setLoopStatus(const s_LoopStatus &status)
{
    if (!m_loop)
        return;
    Sensor::SPtr loop = m_loop;
    Partition *owner = partition(loop->partition());
    if (!owner)
        owner = partition(0);
    if (owner && !owner->sensors().contains(loop))
        owner->addSensor(loop);
    static_cast<Loop *>(loop.get())->setStatus(&status);
}

LocalOut *PartitionModel::ensureLocalOut(int index)
{
    std::shared_ptr<LocalOut> &slot = m_localOuts[size_t(index)];
    if (slot)
        return slot.get();
    slot = std::make_shared<LocalOut>(index);
    std::shared_ptr<LocalOut> created = slot;
    if (Partition *executive = partition(0))
        executive->addSensor(created);
    m_allDevices->addSensor(created);
    return created.get();
}

void PartitionModel::setOutData(quint16 id, const s_ExtMemDataOutput &data)
{
    if (id > 1) {
        logWarning(this, QStringLiteral("Output data for id %1 ignored").arg(id));
        return;
    }
    const bool existed = m_localOuts[id] != nullptr;
    if (existed) {
        m_localOuts[id]->setData(&data);
    } else {
        // The record goes in before the output is filed, so pages see it complete.
        std::shared_ptr<LocalOut> created = std::make_shared<LocalOut>(int(id));
        created->setData(&data);
        m_localOuts[id] = created;
        if (Partition *executive = partition(0))
            executive->addSensor(created);
        m_allDevices->addSensor(created);
    }
    emit sensorCountUpdate();
}

void PartitionModel::setOutStatus(quint16 id, const s_OutputStatus &status)
{
    if (id > 1)
        return;
    ensureLocalOut(id)->setStatus(&status);
}

void PartitionModel::setOutTactic(quint16 id, const s_EventsOutMode &tactic)
{
    if (id > 1) {
        qDebug() << "Illigal local out id =" << id;
        return;
    }
    ensureLocalOut(id)->setTactic(tactic);
}

void PartitionModel::setFullHalvorDevData(const s_FullHalvorDevData &) {}

// ---- configuration file ----

QJsonValue PartitionModel::toJson() const
{
    QJsonArray partitions;
    for (const auto &partition : m_partitions)
        partitions.append(partition->toJson());
    QJsonArray devices;
    for (const Sensor::SPtr &device : m_sensors)
        devices.append(device->toJson());
    QJsonObject object{{QStringLiteral("Partition"), partitions},
                       {QStringLiteral("Sensors"), devices}};
    if (m_loop)
        object.insert(QStringLiteral("Loop"), m_loop->toJson());
    QJsonArray outputs;
    for (const auto &output : m_localOuts)
        if (output)
            outputs.append(output->toJson());
    if (!outputs.isEmpty())
        object.insert(QStringLiteral("Output"), outputs);
    return object;
}

bool PartitionModel::storePartitionSection()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return false;
    QJsonArray partitions;
    for (const auto &partition : m_partitions)
        partitions.append(partition->toJson());
    ConfigFile &document = overmind->configDocument();
    document.setIfPresent(jsonKey(), partitions);
    return document.save(document.path());
}

bool PartitionModel::storeModelToFile()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return false;
    // The file holds the four members as top-level sections, as every saved file does.
    ConfigFile &document = overmind->configDocument();
    const QJsonObject sections = toJson().toObject();
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it)
        document.setIfPresent(it.key(), it.value());
    if (document.save(document.path()))
        return true;
    logWarning(this,
               QStringLiteral("Could not write the configuration file %1").arg(document.path()));
    return false;
}

bool PartitionModel::fromJson(const QJsonValue &value, int formatVersion)
{
    if (formatVersion == 1) {
        const QJsonValue partitions = value.toObject().value(QLatin1String("Partition"));
        if (partitions.isArray())
            readPartitionsV1(partitions.toArray());
        return true;
    }
    // A file rewritten by an older viewer nests the sections under "Partition".
    QJsonValue partitions = value;
    if (value.isObject())
        partitions = value.toObject().value(QLatin1String("Partition"));
    if (partitions.isArray())
        readPartitionsV2(partitions.toArray());
    return true;
}

int PartitionModel::partitionTarget(const QJsonValue &id) const
{
    const qint64 number = SensorFileObject::wholeNumber(id);
    if (number == ExecutiveDevicesFileId)
        return 0;
    if (number >= 0 && number < m_partitionCount)
        return int(number);
    return -1;
}

// Older files carry the executive devices' caption as that partition's name.
s_ExtMemDataPartition PartitionModel::withoutExecutiveCaption(int target,
                                                              s_ExtMemDataPartition record)
{
    if (target != 0 ||
        !Partition::isExecutiveDevicesCaption(unescapeName(nameFieldText(record.name))))
        return record;
    SensorFileObject::putRadioName(record.name, QString());
    record.nameCrc = crc32Stm(record.name, NameFieldSize);
    return record;
}

void PartitionModel::applyPartitionRecord(int target, const s_ExtMemDataPartition &record)
{
    Partition *destination = partition(target);
    if (!destination)
        return;
    destination->setData(&record);
    if (!isViewingMode()) {
        destination->store();
        emit destination->updated();
    }
}

void PartitionModel::readPartitionsV2(const QJsonArray &partitions)
{
    for (const QJsonValue &element : partitions) {
        const QJsonObject object = element.toObject();
        const s_ExtMemDataPartition record = partitionRecord(object, false);
        const QJsonValue id = object.contains(QLatin1String("id"))
                                  ? object.value(QLatin1String("id"))
                                  : object.value(QLatin1String("num"));
        const int target = partitionTarget(id);
        if (target < 0) {
            logWarning(this, QStringLiteral("Partition of the file out of range ignored"));
            continue;
        }
        applyPartitionRecord(target, withoutExecutiveCaption(target, record));
    }
}

void PartitionModel::readPartitionsV1(const QJsonArray &partitions)
{
    dropDevicesForWriteIn();
    for (const QJsonValue &element : partitions) {
        const QJsonObject object = element.toObject();
        const s_ExtMemDataPartition record = partitionRecord(object, true);
        const QJsonValue id = object.contains(QLatin1String("id"))
                                  ? object.value(QLatin1String("id"))
                                  : object.value(QLatin1String("Number"));
        const QJsonArray devices = object.value(QLatin1String("Sensors")).toArray();
        if (!devices.isEmpty())
            logDebug(this, tr("%1 devices from JSON file in partition %2")
                               .arg(devices.size())
                               .arg(SensorFileObject::wholeNumber(id)));
        readV102Sensors(devices);
        const int target = partitionTarget(id);
        if (target < 0) {
            logWarning(this, QStringLiteral("Partition of the file out of range ignored"));
            continue;
        }
        applyPartitionRecord(target, record);
    }
    if (isViewingMode())
        return;
    logTrace(this, QStringLiteral("Saving sensors"));
    const QList<Sensor::SPtr> devices = m_sensors;
    for (const Sensor::SPtr &device : devices) {
        logTrace(this, QStringLiteral("Saving sensor: %1").arg(device->displayName()));
        device->writeToDevice();
    }
}

void PartitionModel::readV102Sensors(const QJsonArray &objects)
{
    for (const QJsonValue &element : objects) {
        const QJsonObject object = element.toObject();
        const int type = object.value(QLatin1String("Type")).toInt();
        if (type == DeviceType::Loop)
            readV102Loop(object);
        else if (type == 0)
            readV102LocalOuts(object);
        else
            parseJsonObjV102(object);
    }
}

void PartitionModel::readV102Loop(const QJsonObject &object)
{
    if (isViewingMode()) {
        logDebug(this, QStringLiteral("Loop creating"));
        setFullLoopData(SensorFileObject::loopReportFromJson(object, 1));
        return;
    }
    if (!m_loop)
        return;
    logDebug(this, QStringLiteral("Loop updating"));
    if (m_loop->fromJson(object, 1)) {
        m_loop->store();
        emit m_loop->dataUpdated();
    }
}

void PartitionModel::readV102LocalOuts(const QJsonObject &object)
{
    const QJsonValue outs = object.value(QLatin1String("Outs"));
    if (isViewingMode()) {
        logDebug(this, QStringLiteral("Local outs creating"));
        for (const QJsonValue &element : outs.toArray()) {
            const QJsonObject output = element.toObject();
            const qint64 index =
                SensorFileObject::wholeNumber(output.value(QLatin1String("index")));
            if (index == 0 || index == 1)
                setOutData(quint16(index), SensorFileObject::outputBlockFromJson(output, 1));
        }
        return;
    }
    logDebug(this, QStringLiteral("Local outs updating"));
    // Each output takes its own element of the list; both are written.
    for (const auto &output : m_localOuts) {
        if (output && output->fromJson(object, 1)) {
            output->store();
            emit output->dataUpdated();
        }
    }
}

void PartitionModel::dropDevicesForWriteIn()
{
    // The old objects leave before the file's devices arrive under the same ids.
    const QList<Sensor::SPtr> devices = m_sensors;
    for (const Sensor::SPtr &device : devices) {
        if (!isViewingMode()) {
            if (Protocol *link = protocol()) {
                device->markDeleted();
                link->deleteSensor(device->id());
                m_pendingDeletions.insert(device->id());
            }
        }
        removeSensor(device);
    }
    m_sensors.clear();
}

void PartitionModel::parseSensorJsonObj(const QJsonObject &object)
{
    s_FullSensorData report;
    int id = 0;
    if (!SensorFileObject::reportFromJson(object, report, id))
        return;
    if (!isKnownDeviceId(id)) {
        logWarning(this, QStringLiteral("Sensor id %1 of the file out of range ignored").arg(id));
        return;
    }
    setFullSensorData(quint16(id), report);
}

void PartitionModel::parseJsonObjV102(const QJsonObject &object)
{
    s_FullSensorData report;
    int id = 0;
    SensorFileObject::reportFromJsonV102(object, report, id);
    if (!isKnownDeviceId(id)) {
        logWarning(this, QStringLiteral("Sensor id %1 of the file out of range ignored").arg(id));
        return;
    }
    setFullSensorData(quint16(id), report);
}

void PartitionModel::parsePrivateSettings(int type, u_RFDevPrivateSettings *area,
                                          const QJsonObject &sensorObject, quint16)
{
    if (area)
        SensorFileObject::readPrivateSettings(type, *area, sensorObject);
}

void PartitionModel::parseCommonSettings(int type, s_SensorCommonSettings *common,
                                         const QJsonObject &sensorObject)
{
    if (common)
        SensorFileObject::readCommonSettings(type, *common, sensorObject);
}

s_OutputModeSett PartitionModel::outputSett(const QJsonObject &output)
{
    return SensorFileObject::readOutput(output);
}

bool PartitionModel::loadSensorsFromJson(const QJsonValue &value)
{
    if (!value.isArray())
        return false;
    const QHash<int, quint32> prices = pulsePrices();
    dropDevicesForWriteIn();
    for (const QJsonValue &element : value.toArray()) {
        parseSensorJsonObj(element.toObject());
        keepPulsePrice(element.toObject(), prices);
    }
    if (!isViewingMode())
        writeDevicesDetectorsFirst();
    return true;
}

QHash<int, quint32> PartitionModel::pulsePrices() const
{
    QHash<int, quint32> prices;
    for (const Sensor::SPtr &device : m_sensors)
        if (device->type() == PulseCounterType)
            prices.insert(device->id(),
                          qFromLittleEndian<quint32>(device->privateSettings().raw + PulsePriceAt));
    return prices;
}

// Older files have no key for a pulse counter's price: the device keeps the one it has.
void PartitionModel::keepPulsePrice(const QJsonObject &object, const QHash<int, quint32> &prices)
{
    if (object.value(QLatin1String("sensor"))
            .toObject()
            .contains(QLatin1String("highFreqPulsePrice")))
        return;
    const int id = int(SensorFileObject::wholeNumber(object.value(QLatin1String("id"))));
    const Sensor::SPtr device = sensor(id);
    if (!device || device->type() != PulseCounterType || !prices.contains(id))
        return;
    u_RFDevPrivateSettings area = device->privateSettings();
    qToLittleEndian<quint32>(prices.value(id), area.raw + PulsePriceAt);
    device->setPrivateSettings(area);
}

void PartitionModel::writeDevicesDetectorsFirst()
{
    logTrace(this, QStringLiteral("Saving sensors"));
    QList<Sensor::SPtr> heldBack;
    for (const Sensor::SPtr &device : qAsConst(m_sensors)) {
        // Executive devices and valve controllers refer to detectors: they go last.
        if (device->partition() == 0 || device->type() == ValveControllerType) {
            heldBack.append(device);
            continue;
        }
        logTrace(this, QStringLiteral("Saving sensor: %1").arg(device->displayName()));
        device->writeToDevice();
    }
    if (!m_sensors.isEmpty())
        logDebug(this, tr("%1 devices from JSON file").arg(m_sensors.size()));
    for (const Sensor::SPtr &device : qAsConst(heldBack)) {
        logTrace(this, QStringLiteral("Saving Executable sensor: %1").arg(device->displayName()));
        qDebug() << "id" << device->id() << "radioAddress";
        device->writeToDevice();
    }
    logDebug(this, tr("%1 Executable devices from JSON file").arg(heldBack.size()));
}

bool PartitionModel::loadLoopFromJson(const QJsonValue &value)
{
    if (!value.isArray() || value.toArray().isEmpty())
        return false;
    if (isViewingMode()) {
        logDebug(this, QStringLiteral("Loop creating from JSON"));
        const QJsonValue first = value.toArray().first();
        if (!first.isObject())
            return false;
        setFullLoopData(SensorFileObject::loopReportFromJson(first.toObject(), 2));
        return true;
    }
    // The value's shape tells its format, whatever the firmware.
    if (m_loop && m_loop->fromJson(value, 2)) {
        m_loop->store();
        emit m_loop->dataUpdated();
    }
    return true;
}

bool PartitionModel::loadLocalOutsFromJson(const QJsonValue &value)
{
    if (!value.isArray())
        return false;
    const QJsonArray elements = value.toArray();
    if (isViewingMode()) {
        logDebug(this, QStringLiteral("Local outs creating from JSON"));
        for (const QJsonValue &element : elements) {
            const QJsonObject object = element.toObject();
            const qint64 id = SensorFileObject::wholeNumber(object.value(QLatin1String("id")));
            if (id != 0 && id != 1) {
                logWarning(this, QStringLiteral("Local out %1 of the file ignored").arg(id));
                continue;
            }
            setOutData(quint16(id), SensorFileObject::outputBlockFromJson(object, 2));
        }
        return true;
    }
    for (const QJsonValue &element : elements) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        const qint64 id = SensorFileObject::wholeNumber(object.value(QLatin1String("id")));
        if (id != 0 && id != 1)
            continue;
        const std::shared_ptr<LocalOut> output = m_localOuts[size_t(id)];
        const int format = object.value(QLatin1String("Outs")).isArray() ? 1 : 2;
        if (output && output->fromJson(object, format)) {
            output->store();
            emit output->dataUpdated();
        }
    }
    return true;
}

bool PartitionModel::jsonHasEnergySaveSensor(const QJsonValue &value)
{
    for (const QJsonValue &element : value.toArray()) {
        const QJsonObject sensorObject =
            element.toObject().value(QLatin1String("sensor")).toObject();
        if (sensorObject.value(QLatin1String("EnergySaveMode")).toInt() == 1)
            return true;
    }
    return false;
}
