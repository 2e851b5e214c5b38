#include "radio/Sensor.h"

#include "app/DeviceInfo.h"
#include "app/DeviceTexts.h"
#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/DeviceTypes.h"
#include "radio/NameField.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/SensorEventText.h"
#include "radio/SensorFileObject.h"
#include "radio/params/SensorPowerGroups.h"
#include "radio/params/SensorRootTree.h"

#include <QDebug>
#include <QJsonObject>
#include <cstring>

const QColor Sensor::RedColour = QColor(249, 183, 189);
const QColor Sensor::YellowColour = QColor(255, 234, 173);
const QColor Sensor::GreyColour = QColor(210, 210, 210);

namespace {
constexpr int MissingVoltageMillivolts = 2100;
// States of a valve in which the next command closes it.
bool valveWantsClosing(int valveState)
{
    return valveState == 2 || valveState == 6 || valveState == 8;
}

// The tilt detectors' one-shot request to fix the current position (private byte 0 bit 4).
void dropFixRequest(s_ExtMemDataSensor &record)
{
    const int type = record.settings.bType;
    if (type == 16 || type == 24)
        record.settings.privateSettings.raw[0] &= quint8(~0x10);
}

Protocol *currentProtocol()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->protocol() : nullptr;
}
} // namespace

Sensor::Sensor() : QObject(nullptr), Storable(currentProtocol())
{
    zeroRecords(m_settings, m_status);
}

Sensor::Sensor(uchar id, const s_FullSensorData *report, QObject *parent)
    : QObject(parent), Storable(currentProtocol()), m_id(id)
{
    zeroRecords(m_settings, m_status);
    m_status = report->status;
    m_settings.settings = report->settings;
    std::memcpy(m_settings.name, report->name, sizeof(m_settings.name));
    if (m_settings.settings.bType >= DeviceType::Count)
        m_settings.settings.bType = DeviceType::Fallback;

    buildPropertyTree();
    // The device's partition is only looked at here; a move or a write would reach the
    // device before the user asked for anything.
    if (Partition *owner = ownPartition())
        connect(owner, &Partition::statusUpdated, this, &Sensor::partitionStatusChange);
    logDebug(this, QStringLiteral("New device created: ") + statusToolTip());
    connect(this, &Sensor::updateState, this, &Sensor::onUpdateState);
}

Sensor::~Sensor() = default;

void Sensor::zeroRecords(s_ExtMemDataSensor &settings, s_SensorIntData &status)
{
    std::memset(&settings, 0, sizeof(settings));
    std::memset(&status, 0, sizeof(status));
    settings.compatibleVersion = 1;
    settings.criticalVersion = 1;
}

void Sensor::buildPropertyTree()
{
    m_root = SensorProperty::group(
        QString(), QStringLiteral("root"),
        {SensorRootTree::generalGroup(*this), SensorRootTree::mainGroup(*this)});
    // The socket has no supply to show; the valve controller brings its own power group.
    const int code = type();
    if (code != 57 && code != DeviceType::ValveController)
        m_root.children.push_back(SensorPowerGroups::build(*this));
    if (code == DeviceType::ValveController)
        m_root.children.push_back(kpPowerGroup());
    for (SensorProperty &group : buildTypeGroups())
        m_root.children.push_back(std::move(group));
}

std::vector<Sensor::SensorProperty> Sensor::buildTypeGroups()
{
    switch (type()) {
    case 7:
        return {sirenGroup()};
    case 10:
        return {temperatureGroup(), humidityGroup(), temperatureEventsGroup(),
                humidityEventsGroup()};
    case 11:
        return {keychainPartitionGroup(), keychainGroup()};
    case 14:
        return {rmOutGroup(), rmKcGroup()};
    case 15:
        return {rmOutGroup()};
    case 20:
    case 69:
        return {ostGroup()};
    case 23:
        return {spOutGroup()};
    case 31:
        return {temperatureGroup(),       humidityGroup(),       coGroup(),
                temperatureEventsGroup(), humidityEventsGroup(), coEventsGroup()};
    case 49:
    case 50:
        return {ostGroup(), ost24Group()};
    case 57:
        return {rozetkaGroup()};
    case 73:
        return {keyboardPartitionGroup(), keyboardGroup()};
    case 13:
        return {asrGroup(), asrInput1Group(), asrInput2Group(), asrInput3Group()};
    case 19:
        return {asr1Group()};
    case 56:
        return {asrIsp1Group()};
    case DeviceType::ValveController:
        return {kpCountersGroup(), kpGroup(), kpTapsGroup()};
    case 2:
        return {ipGroup()};
    case 3:
    case 67:
        return {iprGroup()};
    case 4:
        return {smkGroup()};
    case 5:
        return {dipGroup()};
    case 6:
    case 18:
    case 26:
        return {ikGroup()};
    case 16:
        return {shiftAccelerometerGroup(), shiftGerconGroup()};
    case 22:
        return {flarexGroup()};
    case 24:
        return {shiftIsp1AccelerometerGroup()};
    case 25:
        return {shiftGerconGroup()};
    case 27:
    case 28:
        return {draskGroup()};
    case 29:
    case 53:
    case 55:
        return {dzGroup()};
    case 32:
        return {ktGroup()};
    case 34:
        return {stGroup()};
    default:
        // The groups of the other device types come with those types.
        return {};
    }
}

void Sensor::onUpdateState(bool state, const QString &tag)
{
    SensorProperty *valves = findProperty(m_root, QStringLiteral("KPTaps_group"));
    if (!valves)
        return;
    if (SensorProperty *node = findProperty(*valves, tag))
        node->enabled = state;
    else
        logDebug(this, QStringLiteral("sensor.cpp 50: Property not found"));
}

PartitionModel *Sensor::model()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->partitionModel() : nullptr;
}

bool Sensor::isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

Partition *Sensor::ownPartition() const
{
    PartitionModel *partitions = model();
    return partitions ? partitions->partition(partition()) : nullptr;
}

int Sensor::type() const
{
    return m_settings.settings.bType;
}

QString Sensor::typeName() const
{
    const int code = type();
    if (code >= 0 && code < DeviceTypeCount)
        return deviceTypeNames[size_t(code)];
    return tr("Invalid type");
}

bool Sensor::bellEnabled() const
{
    return m_settings.settings.common.flags & SensorSettingFlag::BellEnable;
}

void Sensor::setBellEnabled(bool enabled)
{
    quint8 &flags = m_settings.settings.common.flags;
    flags = enabled ? (flags | SensorSettingFlag::BellEnable)
                    : (flags & ~SensorSettingFlag::BellEnable);
}

QString Sensor::displayName() const
{
    const QString name = jsonKey();
    return QStringLiteral("%1. %2").arg(int(m_id) + 1).arg(name.isEmpty() ? typeName() : name);
}

bool Sensor::setName(const QString &name)
{
    fillNameField(m_settings.name, escapedUtf8Prefix(name, NameFieldTextBytes), 0xFF);
    m_settings.nameCrc = crc32Stm(m_settings.name, NameFieldSize);
    return true;
}

quint16 Sensor::zoneType() const
{
    return m_settings.settings.common.ZoneType;
}

void Sensor::setZoneType(quint16 zoneType)
{
    m_settings.settings.common.ZoneType = zoneType;
}

bool Sensor::isReadOnly() const
{
    if (isViewingMode())
        return false;
    Partition *owner = ownPartition();
    return owner ? !owner->isConfigurable() : false;
}

bool Sensor::isInTouch() const
{
    return !(m_status.flags & SensorFlag::Lost);
}

uchar Sensor::partition() const
{
    return uchar(m_settings.settings.common.Partition & 0xFF);
}

void Sensor::setPartition(uchar partition)
{
    Overmind *overmind = Overmind::instance();
    if (isEnergySavingType(type())) {
        SensorProperty *energySaving = findProperty(m_root, QStringLiteral("energy_saving"));
        const bool savingOn = !energySaving || energySaving->value().toBool();
        const bool questionOpen = overmind && overmind->isEnergySaveQuestionOpen();
        if (savingOn && !isViewingMode() && !questionOpen && !confirmEnergySaving() && energySaving)
            energySaving->setValue(0);
    }
    if (partition != this->partition()) {
        const QString text =
            QStringLiteral("Sensor %2. Moving to partition: %1").arg(int(partition)).arg(int(m_id));
        logDebug(this, text);
        qDebug().noquote() << text;
        m_settings.settings.common.Partition = partition;
        store();
    }
    if (isViewingMode()) {
        if (PartitionModel *partitions = model())
            partitions->moveSensor(partition, this);
    }
}

bool Sensor::isEnabled() const
{
    return m_settings.settings.common.flags & SensorSettingFlag::Enable;
}

void Sensor::setEnabled(bool enabled)
{
    quint8 &flags = m_settings.settings.common.flags;
    flags = enabled ? (flags | SensorSettingFlag::Enable) : (flags & ~SensorSettingFlag::Enable);
}

bool Sensor::isAlarm() const
{
    if (isLeakAlarmType(type()))
        return m_status.flags & SensorFlag::WaterLeak;
    return m_status.flags & SensorFlag::Alarm;
}

bool Sensor::isFault() const
{
    return m_status.flags & SensorFlag::Fault;
}

bool Sensor::isFire() const
{
    return m_status.flags & SensorFlag::Fire;
}

bool Sensor::isManualFireAlarm() const
{
    return m_status.flags & SensorFlag::ManualFireAlarm;
}

bool Sensor::isCaseOpen() const
{
    return m_status.flags & SensorFlag::CaseOpen;
}

bool Sensor::isWaterLeak() const
{
    return m_status.flags & SensorFlag::WaterLeak;
}

QString Sensor::toolTip() const
{
    return tr("id: %1\nsw: %2  hw: %3\n\n%4")
        .arg(serialNumberText(), firmwareVersionText(), hardwareVersionText(), stateText());
}

quint16 Sensor::stateCode() const
{
    return m_status.state;
}

QString Sensor::stateText() const
{
    switch (stateCode()) {
    case 6:
    case 7:
        return tr("Fire!");
    case 10:
        return tr("Loop low res.");
    case 11:
        return tr("Loop high res.");
    case 23:
        return tr("Break in the water sensor loop");
    default:
        return sensorEventText(stateCode());
    }
}

Sensor::SensorProperty Sensor::properties() const
{
    return m_root;
}

void Sensor::writeToDevice()
{
    if (m_deleted) {
        logWarning(this, QStringLiteral("Not writing deleted sensor id: %1").arg(int(m_id)));
        return;
    }
    logDebug(this, QStringLiteral("Writing settings id: %1").arg(int(m_id)));
    // The name may have come from a report or a file, which carry no name check.
    m_settings.nameCrc = crc32Stm(m_settings.name, NameFieldSize);
    m_settings.reserved68 = 0;
    m_settings.reserved312 = 0;
    m_settings.compatibleVersion = 1;
    m_settings.criticalVersion = 1;
    m_settings.crc32 = crc32Stm(&m_settings, s_ExtMemDataSensor::crcOffset);
    const Protocol::SenderScope scope = refusalsComeHere();
    if (Protocol *link = protocol())
        link->writeSensorData(m_id, m_settings);
}

QJsonValue Sensor::toJson() const
{
    const s_SensorSettings &s = m_settings.settings;
    const auto orOne = [](quint8 major, quint8 minor) {
        const int version = (major << 8) | minor;
        return version == 0 ? 1 : version;
    };
    return QJsonObject{
        {QStringLiteral("settingsVersion"), settingsVersionToJson(0x0101)},
        {QStringLiteral("id"), int(m_id)},
        {QStringLiteral("name"), jsonKey()},
        {QStringLiteral("used"), s.bType != 0 ? 1 : 0},
        {QStringLiteral("HardwareVersion"), orOne(s.hardwareMajor, s.hardwareMinor)},
        {QStringLiteral("FirmwareVersion"), orOne(s.firmwareMajor, s.firmwareMinor)},
        {QStringLiteral("Partition"), int(s.common.Partition)},
        {QStringLiteral("ZoneType"), int(s.common.ZoneType)},
        {QStringLiteral("LedMode"), int(s.common.LedMode)},
        {QStringLiteral("BellEnable"), bellEnabled() ? 1 : 0},
        {QStringLiteral("Enable"), Sensor::isEnabled() ? 1 : 0},
        {QStringLiteral("dwSerial"), qint64(s.dwSerial)},
        {QStringLiteral("bType"), int(s.bType)},
        {QStringLiteral("networkDeviceType"), int(s.networkDeviceType)},
        {QStringLiteral("sensor"), privateSettingsToJson()},
    };
}

QJsonObject Sensor::privateSettingsToJson() const
{
    return SensorFileObject::privateSettingsToJson(*this, model());
}

bool Sensor::fromJson(const QJsonValue &, int)
{
    return true;
}

bool Sensor::store()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        return Storable::store();
    PartitionModel *model = overmind->partitionModel();
    return model && model->storeModelToFile();
}

QString Sensor::jsonKey() const
{
    return unescapeName(nameFieldText(m_settings.name));
}

void Sensor::setPrivateSettings(const u_RFDevPrivateSettings &settings)
{
    m_settings.settings.privateSettings = settings;
}

void Sensor::setLeakSensorMask(const quint8 (&mask)[16])
{
    std::memcpy(m_settings.settings.privateSettings.valveController.leakSensorMask, mask,
                sizeof(mask));
}

void Sensor::setServiceTime(quint32 serviceTime)
{
    m_settings.settings.privateSettings.valveController.serviceTime = serviceTime;
}

quint16 Sensor::ledMode() const
{
    return m_settings.settings.common.LedMode;
}

void Sensor::setLedMode(quint16 mode)
{
    m_settings.settings.common.LedMode = mode;
}

int Sensor::energySavingMode() const
{
    const quint8 *privateBytes = m_settings.settings.privateSettings.raw;
    switch (type()) {
    case 6:
    case 17:
    case 18:
    case 26:
    case 33:
    case 34:
    case 52:
        return privateBytes[0];
    case 16:
    case 24:
        return (privateBytes[0] >> 3) & 1;
    case 27:
    case 28:
        return privateBytes[5] & 1;
    default:
        return 255;
    }
}

quint32 Sensor::serialNumber() const
{
    return m_status.serialNumber;
}

QString Sensor::serialNumberText() const
{
    return QStringLiteral("%1").arg(serialNumber(), 10, 10, QLatin1Char('0'));
}

int Sensor::rssi() const
{
    return m_status.rssi;
}

QString Sensor::rssiText() const
{
    return tr("%1 dBm").arg(rssi());
}

quint16 Sensor::supplyVoltage() const
{
    return m_status.supplyVoltage;
}

QString Sensor::voltageText() const
{
    return tr("%1 V").arg(supplyVoltage() / 1000.0, 0, 'f', 2);
}

bool Sensor::isCableBroken() const
{
    quint16 word = 0;
    std::memcpy(&word, m_status.privateData.raw + 4, sizeof(word));
    return word == 5;
}

Sensor::SensorProperty *Sensor::findProperty(SensorProperty &node, const QString &tag)
{
    return node.find(tag);
}

QVersionNumber Sensor::firmwareVersion() const
{
    if (isInTouch())
        return QVersionNumber(m_status.firmwareMajor, m_status.firmwareMinor);
    return QVersionNumber(m_settings.settings.firmwareMajor, m_settings.settings.firmwareMinor);
}

QString Sensor::firmwareVersionText() const
{
    const bool reported = m_status.firmwareMajor != 0 || m_status.firmwareMinor != 0;
    if (isInTouch() && reported)
        return versionText(m_status.firmwareMajor, m_status.firmwareMinor);
    return versionText(m_settings.settings.firmwareMajor, m_settings.settings.firmwareMinor);
}

QVersionNumber Sensor::hardwareVersion() const
{
    return QVersionNumber(m_status.hardwareMajor, m_status.hardwareMinor);
}

QString Sensor::hardwareVersionText() const
{
    if (m_status.hardwareMajor != 0 || m_status.hardwareMinor != 0)
        return versionText(m_status.hardwareMajor, m_status.hardwareMinor);
    return versionText(m_settings.settings.hardwareMajor, m_settings.settings.hardwareMinor);
}

Sensor::MainPowerState Sensor::mainPowerState() const
{
    if (supplyVoltage() < MissingVoltageMillivolts)
        return MainPowerState::ABSENCE;
    return (m_status.flags & SensorFlag::MainFailed) ? MainPowerState::FAIL : MainPowerState::OK;
}

Sensor::ReservePowerState Sensor::reservePowerState() const
{
    if (!hasReservePowerSource(type()))
        return ReservePowerState::NOT_SUPPORTED;
    return (m_status.flags & SensorFlag::ReserveFailed) ? ReservePowerState::FAIL
                                                        : ReservePowerState::OK;
}

QString Sensor::reservePowerStateText() const
{
    switch (reservePowerState()) {
    case ReservePowerState::FAIL:
        return tr("fail");
    case ReservePowerState::OK:
        return tr("good");
    case ReservePowerState::NOT_SUPPORTED:
        return tr("not supported");
    }
    return tr("unknown");
}

QString Sensor::statusToolTip() const
{
    const QString name = jsonKey();
    return tr("%1. %2\nСтатус: %3")
        .arg(QString::number(m_id), name.isEmpty() ? typeName() : name, stateText());
}

QString Sensor::parentName() const
{
    const quint32 hierarchy = m_status.hierarchy;
    QString digits;
    for (int nibble = 0; nibble < 8; ++nibble)
        digits += QString::number((hierarchy >> (4 * nibble)) & 0xF, 16);
    logInfo(const_cast<Sensor *>(this),
            QStringLiteral("%1 %2 %3").arg(displayName(), QStringLiteral("hierarchy ="), digits));
    if (hierarchy != 0) {
        if (PartitionModel *partitions = model()) {
            for (const SPtr &device : partitions->sensors()) {
                if (device && isRepeaterType(device->type()) &&
                    device->m_status.hierarchy == hierarchy &&
                    device->serialNumber() != serialNumber())
                    return device->displayName();
            }
        }
    }
    return tr("0.KorvelGSMR");
}

void Sensor::sendValveCommand(uchar valve, int valveState)
{
    const bool close = valveWantsClosing(valveState);
    qDebug() << (close ? "CLOSE" : "OPEN") << " command to valve" << valve;
    const quint8 payload[8] = {0, valve, quint8(close ? 0 : 1), 0, 0, 0, 0, 0};
    if (Protocol *link = protocol())
        link->sendToDevice(_MenuDataSensorCommand8, m_id, payload, int(sizeof(payload)));
}

bool Sensor::confirmEnergySaving()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return true;
    const int take = overmind->takeDelay();
    const int minimum = overmind->minimumTakeDelay();
    const int shortfall = minimum - take;
    Partition *current = ownPartition();
    const bool turnTakeDelayOn = current && !current->takeDelayEnabled();

    QStringList lines;
    if (shortfall > 0)
        lines << tr("Take delay less than work interval. For correct device work need install "
                    "take delay bigger or equal work interval.\nDo you really want to enable "
                    "energy saving mode?\n");
    else if (turnTakeDelayOn)
        lines << tr("Do you really want to enable energy saving mode?\n");
    if (turnTakeDelayOn)
        lines << tr("Take delay will be turned on%1.")
                     .arg(shortfall > 0 ? tr(" and its value will be increased") : QString());
    if (lines.isEmpty())
        return true;

    overmind->setEnergySaveQuestionOpen(true);
    const QMessageBox::StandardButton answer = MessageBoxU::question(
        lines.join(QLatin1Char('\n')), tr("Take delay"), QMessageBox::Yes | QMessageBox::No);
    overmind->setEnergySaveQuestionOpen(false);
    if (answer != QMessageBox::Yes)
        return false;

    if (shortfall > 0)
        overmind->setTakeDelay(quint16(minimum));
    // The controller hands the radio work interval on to the object settings.
    QMetaObject::invokeMethod(overmind, "setMinimumTakeDelay");
    // The partition may have gone while the question was open.
    if (Partition *owner = ownPartition()) {
        owner->setTakeDelayEnabled(true);
        owner->store();
    }
    return true;
}

void Sensor::updateKcPartition()
{
    const bool needsPartition = m_settings.settings.common.inputOperatingMode == 3;
    if (needsPartition && partition() != 0)
        return;
    const uchar target = needsPartition ? 1 : 0;
    moveToPartition(target);
    m_settings.settings.common.Partition = target;
    store();
}

void Sensor::setPropertyEnabled(SensorProperty &root, const QString &tag, const QString &groupTag,
                                bool enabled)
{
    SensorProperty *group = findProperty(root, groupTag);
    if (!group)
        return;
    if (SensorProperty *node = findProperty(*group, tag))
        node->enabled = enabled;
}

void Sensor::applyToProperty(SensorProperty &root, const QString &tag, const QString &groupTag,
                             const std::function<void(SensorProperty &)> &apply)
{
    SensorProperty *group = findProperty(root, groupTag);
    if (!group)
        return;
    if (SensorProperty *node = findProperty(*group, tag))
        apply(*node);
}

void Sensor::noteColour(const QColor &colour)
{
    if (colour == RedColour)
        m_colours.red = true;
    else if (colour == YellowColour)
        m_colours.yellow = true;
    else if (colour == GreyColour)
        m_colours.grey = true;
}

void Sensor::setTactic(const s_EventsOutMode &tactic)
{
    emit tacticUpdated(tactic);
}

void Sensor::updateData(const s_ExtMemDataSensor *block)
{
    m_settings = *block;
    // A device may echo the request; kept, any later write would fix the position again.
    dropFixRequest(m_settings);
    clearColourFlags();
    refreshBellNode();
    runDataRefresh(*block);
    emit dataUpdated();
    logDebug(this, QStringLiteral("Data updated id: %1").arg(int(m_id)));
}

void Sensor::refreshBellNode()
{
    SensorProperty *bell = findProperty(m_root, QStringLiteral("bell_mode"));
    if (!bell || bell->editable != 1)
        return;
    bell->setter = SensorRootTree::bellSetter(*this, zoneType());
    // Only the stored copy forgets the bell; the device learns it with the next write.
    if (!bell->setter)
        setBellEnabled(false);
}

void Sensor::runDataRefresh(const s_ExtMemDataSensor &record)
{
    switch (type()) {
    case 2:
        refreshIpProperties(m_root, record);
        break;
    case 4:
        refreshSmkProperties(m_root);
        break;
    case 5:
        refreshCaseOpenCheck(m_root);
        break;
    case 6:
    case 18:
    case 26:
        refreshInfraredProperties(m_root);
        break;
    case 31: {
        const bool coEvents = m_settings.settings.privateSettings.raw[142 - 120] & (1u << 4);
        setPropertyEnabled(m_root, QStringLiteral("COHysteresis"), QStringLiteral("vti_co_group"),
                           coEvents);
        setPropertyEnabled(m_root, QStringLiteral("max_co_threshold"),
                           QStringLiteral("vti_co_group"), coEvents);
        refreshTemperatureEvents(m_root, record);
        refreshHumidityEvents(m_root, record);
        break;
    }
    case 10:
        refreshTemperatureEvents(m_root, record);
        refreshHumidityEvents(m_root, record);
        break;
    case 11:
        refreshKeychainProperties(m_root, record);
        break;
    case 13:
    case 19:
    case 56:
        refreshAsrProperties(m_root, record);
        break;
    case 14:
        refreshRmProperties(m_root);
        break;
    case 16:
        refreshShiftAccelerometer(m_root, record);
        refreshShiftIsp1Accelerometer(m_root, record);
        break;
    case 24:
        refreshShiftIsp1Accelerometer(m_root, record);
        break;
    case 27:
    case 28:
        refreshDraskProperties(m_root, record);
        break;
    case 34:
        refreshStProperties(m_root);
        break;
    default:
        break;
    }
}

void Sensor::updateStatus(const s_SensorIntData *status)
{
    m_status = *status;
    clearColourFlags();
    logDebug(this, QStringLiteral("Status updated id: %1").arg(int(m_id)));
    runStatusRefresh();
    emit statusUpdated();
}

void Sensor::runStatusRefresh()
{
    switch (type()) {
    case 2:
        refreshIpProperties(m_root, m_settings);
        break;
    case 5:
        refreshCaseOpenCheck(m_root);
        break;
    case 11:
        refreshKeychainUsers(m_root);
        break;
    case 14:
        refreshRmProperties(m_root);
        break;
    case 34:
        refreshStProperties(m_root);
        break;
    case DeviceType::ValveController:
        refreshKpProperties(m_root);
        break;
    default:
        break;
    }
}

void Sensor::refreshCaseOpenCheck(SensorProperty &root)
{
    setPropertyEnabled(root, QStringLiteral("min_case_Open_Check"), QStringLiteral("main"),
                       firmwareVersion() > QVersionNumber(1, 28));
}

void Sensor::moveToPartition(uchar partition)
{
    if (partition == this->partition())
        return;
    if (PartitionModel *partitions = model()) {
        // The old partition announces the removal so that its pages drop the device; the
        // model, which takes an announced removal for a deletion, must not hear it.
        Sensor::SPtr keep;
        if (Partition *previous = partitions->partition(this->partition())) {
            const bool modelListens = disconnect(previous, &Partition::sensorRemoved, partitions,
                                                 &PartitionModel::removeSensor);
            keep = previous->removeSensor(this, false);
            if (modelListens)
                connect(previous, &Partition::sensorRemoved, partitions,
                        &PartitionModel::removeSensor);
        }
        // Set first, so the new partition's adoption finds nothing to write: the caller
        // writes the record once.
        m_settings.settings.common.Partition = partition;
        partitions->moveSensor(partition, this);
    }
    m_settings.settings.common.Partition = partition;
}

void Sensor::partitionStatusChange()
{
    PartitionModel *partitions = model();
    if (partitions && !partitions->partition(partition())) {
        Overmind *overmind = Overmind::instance();
        setPartition(uchar(overmind->deviceInfo().partitionCount() - 1));
    }
    emit statusUpdated();
}
