#include "radio/SensorFileObject.h"

#include "app/FileNumber.h"
#include "app/Storable.h"
#include "link/Crc.h"
#include "radio/DeviceTypes.h"
#include "radio/NameField.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <QJsonArray>
#include <QVersionNumber>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>

namespace {
enum class Kind
{
    Byte,
    Bit,
    U16,
    S16,
    U32,    // written as an unsigned number
    Mask32, // written as a signed 32-bit number
    Milli,  // 32-bit, written times 1000
    Float,
    U64,
};

struct Field
{
    const char *key;
    int offset;
    Kind kind;
    int bit;
};

constexpr Field byteAt(const char *key, int offset)
{
    return {key, offset, Kind::Byte, 0};
}
constexpr Field bitOf(const char *key, int offset, int bit)
{
    return {key, offset, Kind::Bit, bit};
}
constexpr Field of(const char *key, int offset, Kind kind)
{
    return {key, offset, kind, 0};
}

const Field type2Fields[] = {
    of("tempHysteresis", 0, Kind::S16),   of("minTempThreshold", 2, Kind::S16),
    of("maxTempThreshold", 4, Kind::S16), of("tempEvtMode", 6, Kind::U16),
    bitOf("caseOpenCheck", 8, 0),         byteAt("classFireAlarm", 9),
    byteAt("fireAlarmTemperature", 10),
};
const Field type4Fields[] = {bitOf("EnableSabotage", 0, 0), bitOf("Legacy", 0, 1),
                             of("Mode", 2, Kind::U16)};
const Field type5Fields[] = {bitOf("caseOpenCheck", 0, 0)};
const Field motionFields[] = {byteAt("EnergySaveMode", 0), byteAt("Sensitivity", 1),
                              byteAt("Test", 2)};
const Field climateFields[] = {
    of("maxTempThreshold", 0, Kind::S16),
    of("minTempThreshold", 2, Kind::S16),
    of("tempHysteresis", 4, Kind::S16),
    of("TemperatureRef", 6, Kind::S16),
    of("maxHumidityThreshold", 8, Kind::S16),
    of("minHumidityThreshold", 10, Kind::S16),
    of("humidityHysteresis", 12, Kind::S16),
    of("HumidityRef", 14, Kind::S16),
    of("maxCOThreshold", 16, Kind::S16),
    of("COHysteresis", 18, Kind::S16),
    of("CORef", 20, Kind::S16),
    bitOf("maxTempEvtEn", 22, 0),
    bitOf("minTempEvtEn", 22, 1),
    bitOf("maxHumidityEvtEn", 22, 2),
    bitOf("minHumidityEvtEn", 22, 3),
    bitOf("maxCOEvtEn", 22, 4),
};
const Field keypadFields[] = {
    of("ControlledPartitions", 0, Kind::Mask32),
    byteAt("Button1SecondModeOutGroup", 4),
    byteAt("Button2SecondModeOutGroup", 5),
    bitOf("LawTakeOn", 6, 0),
    bitOf("LawTakeOff", 6, 1),
    bitOf("PermitDisSirenInUsedPart", 6, 2),
    byteAt("UserID", 7),
    byteAt("SilentAlarmMode", 8),
};
const Field meterFields[] = {
    of("ColdWaterVolumeM3ToPulse", 0, Kind::Milli),
    of("HotWaterVolumeM3ToPulse", 4, Kind::Milli),
    of("highFreqPulsePrice", 8, Kind::U32),
    byteAt("ASRSensorsConfig", 12),
    byteAt("WaterSensorType", 13),
    byteAt("WaterSensor2Type", 14),
    byteAt("StabilizatorMode", 15),
    byteAt("WaterSensorPollPeriod", 16),
};
const Field tiltFields[] = {
    bitOf("EnableAccel", 0, 0),
    bitOf("EnableTilt", 0, 1),
    bitOf("EnableFix", 0, 2),
    bitOf("EnergySaveMode", 0, 3),
    bitOf("FixateCurrentState", 0, 4),
    bitOf("EnableDryReed", 0, 5),
    byteAt("MaxAngle", 2),
    byteAt("MaxAccel", 3),
};
const Field pulseFields[] = {of("WaterVolumeM3ToPulse", 0, Kind::Float)};
const Field beamFields[] = {
    bitOf("DetectionRange", 0, 0), bitOf("DetectionTime", 0, 1), bitOf("BlackBodyModFilter", 0, 2),
    bitOf("ActiveMode", 0, 3),     bitOf("Attention_1", 0, 4),   bitOf("Attention_2", 0, 5),
};
const Field reedFields[] = {bitOf("EnableDryReed", 0, 5)};
const Field outdoorFields[] = {
    byteAt("TEST_IK", 0),        byteAt("FAR_ZONE_ENABLE", 1), byteAt("NEAR_ZONE_ENABLE", 2),
    byteAt("LEVEL_FAR_ZONE", 3), byteAt("LEVEL_NEAR_ZONE", 4), bitOf("EnergySaveMode", 5, 0),
};
const Field powerRelayFields[] = {byteAt("overcurrentThreshold", 96),
                                  byteAt("undervoltageThreshold", 97),
                                  byteAt("overvoltageThreshold", 98)};
const Field messengerFields[] = {byteAt("liftOffProtectEnable", 0),
                                 of("EnableEvents", 4, Kind::U32),
                                 byteAt("breakMessageByTakeOff", 136)};
const Field valveFields[] = {
    byteAt("dzLoopBreakControl", 26),   byteAt("valve1InitialState", 27),
    byteAt("valve2InitialState", 28),   byteAt("waterCounterPollPeriod", 25),
    byteAt("waterCounterType", 24),     of("waterInVolumeLToPulse", 20, Kind::U32),
    of("countr1Serial", 32, Kind::U64), of("countr2Serial", 40, Kind::U64),
};

const Field outputFields[] = {
    of("Mode", 88, Kind::U16),
    of("TakeOnMask", 0, Kind::Mask32),
    of("TakeOffMask", 4, Kind::Mask32),
    of("NotTakeMask", 8, Kind::Mask32),
    of("FireMask", 12, Kind::Mask32),
    of("AlarmMask", 16, Kind::Mask32),
    of("WaterLeakage", 20, Kind::Mask32),
    of("EnableEvents", 40, Kind::Mask32),
    of("SelectedPartitions", 44, Kind::Mask32),
    byteAt("tactic", 48),
    bitOf("OutEventsToJournal", 49, 0),
    of("Hyst", 56, Kind::U16),
    of("IntTempRef", 58, Kind::S16),
    of("RefSensAddr", 60, Kind::U16),
    of("FeedbackSensAddr", 62, Kind::U16),
    bitOf("InversionOut", 64, 0),
    of("EnableMask", 72, Kind::Mask32),
    of("DisableMask", 76, Kind::Mask32),
    byteAt("OutGroupNumber", 80),
    bitOf("AllowSmsControl", 81, 0),
    bitOf("AllowCallControl", 81, 1),
    bitOf("AllowKeychainControl", 81, 2),
};

struct FieldList
{
    const Field *begin;
    int count;
};

template <int N> FieldList listOf(const Field (&fields)[N])
{
    return {fields, N};
}

FieldList fieldsOf(int type)
{
    switch (type) {
    case 2:
        return listOf(type2Fields);
    case 4:
        return listOf(type4Fields);
    case 5:
        return listOf(type5Fields);
    case 6:
    case 18:
    case 26:
        return listOf(motionFields);
    case 10:
    case 31:
        return listOf(climateFields);
    case 11:
        return listOf(keypadFields);
    case 13:
        return listOf(meterFields);
    case 16:
    case 24:
        return listOf(tiltFields);
    case 19:
        return listOf(pulseFields);
    case 21:
    case 22:
        return listOf(beamFields);
    case 25:
        return listOf(reedFields);
    case 27:
    case 28:
        return listOf(outdoorFields);
    case 57:
        return listOf(powerRelayFields);
    case 65:
        return listOf(messengerFields);
    case DeviceType::ValveController:
        return listOf(valveFields);
    default:
        return {nullptr, 0};
    }
}

int outputCount(int type)
{
    switch (type) {
    case 7:
    case 14:
    case 15:
    case 23:
        return 2;
    case 20:
    case 49:
    case 50:
    case 57:
    case 69:
        return 1;
    default:
        return 0;
    }
}

constexpr int OutputSize = int(sizeof(s_OutputModeSett));
constexpr quint16 AbsentOutputMode = 0xFFFF;
constexpr int MessageCount = 64;
constexpr int MessagesOffset = 8;
constexpr int UsedDzSensorsCount = 2;

template <typename T> T load(const quint8 *area, int offset)
{
    T value;
    std::memcpy(&value, area + offset, sizeof(T));
    return value;
}

template <typename T> void put(quint8 *area, int offset, T value)
{
    std::memcpy(area + offset, &value, sizeof(T));
}

// A number of the file as a double that a 64-bit integer can take without overflow.
qint64 clampedWhole(double number)
{
    if (!std::isfinite(number))
        return 0;
    number = std::trunc(number);
    if (number >= 9.2e18 || number <= -9.2e18)
        return 0;
    return qint64(number);
}

QJsonValue fieldToJson(const quint8 *area, const Field &field)
{
    switch (field.kind) {
    case Kind::Byte:
        return int(area[field.offset]);
    case Kind::Bit:
        return (area[field.offset] >> field.bit) & 1;
    case Kind::U16:
        return int(load<quint16>(area, field.offset));
    case Kind::S16:
        return int(load<qint16>(area, field.offset));
    case Kind::U32:
        return qint64(load<quint32>(area, field.offset));
    case Kind::Mask32:
        return qint32(load<quint32>(area, field.offset));
    case Kind::Milli:
        return qint64(load<quint32>(area, field.offset)) * 1000;
    case Kind::Float:
        return double(load<float>(area, field.offset));
    case Kind::U64:
        return FileNumber::of(load<quint64>(area, field.offset));
    }
    return QJsonValue();
}

void fieldFromJson(quint8 *area, const Field &field, const QJsonValue &value)
{
    switch (field.kind) {
    case Kind::Byte:
        area[field.offset] = quint8(value.toInt());
        break;
    case Kind::Bit: {
        const quint8 mask = quint8(1u << field.bit);
        area[field.offset] = SensorFileObject::flag(value) ? (area[field.offset] | mask)
                                                           : (area[field.offset] & ~mask);
        break;
    }
    case Kind::U16:
    case Kind::S16:
        put(area, field.offset, quint16(value.toInt()));
        break;
    case Kind::U32:
    case Kind::Mask32:
        put(area, field.offset, quint32(SensorFileObject::wholeNumber(value)));
        break;
    case Kind::Milli:
        put(area, field.offset, quint32(clampedWhole(value.toDouble() / 1000.0)));
        break;
    case Kind::Float: {
        const double number = value.toDouble();
        const double limit = double(std::numeric_limits<float>::max());
        put(area, field.offset, float(std::isfinite(number) ? qBound(-limit, number, limit) : 0.0));
        break;
    }
    case Kind::U64:
        put(area, field.offset, FileNumber::word(value));
        break;
    }
}

void writeFields(QJsonObject &object, const quint8 *area, FieldList fields)
{
    for (int i = 0; i < fields.count; ++i)
        object.insert(QLatin1String(fields.begin[i].key), fieldToJson(area, fields.begin[i]));
}

void readFields(quint8 *area, FieldList fields, const QJsonObject &object)
{
    for (int i = 0; i < fields.count; ++i)
        fieldFromJson(area, fields.begin[i], object.value(QLatin1String(fields.begin[i].key)));
}

// The reference value a climate device holds for the output's control mode.
qint16 referenceFromDevice(const s_OutputModeSett &output, const PartitionModel *model)
{
    if (!model || output.RefSensAddr == 255 || output.Mode < 3 || output.Mode > 5)
        return output.IntTempRef;
    const Sensor::SPtr reference = model->sensor(output.RefSensAddr);
    if (!reference || reference->type() != 31)
        return output.IntTempRef;
    const quint8 *area = reference->settingsData()->settings.privateSettings.raw;
    const int offset = output.Mode == 3 ? 6 : output.Mode == 4 ? 14 : 20;
    return load<qint16>(area, offset);
}

QJsonArray outputsToJson(int type, const quint8 *area, const PartitionModel *model)
{
    QJsonArray outs;
    for (int index = 0; index < outputCount(type); ++index) {
        s_OutputModeSett output;
        std::memcpy(&output, area + index * OutputSize, sizeof(output));
        if (output.Mode == AbsentOutputMode)
            continue;
        QJsonObject object;
        writeFields(object, reinterpret_cast<const quint8 *>(&output), listOf(outputFields));
        object.insert(QStringLiteral("IntTempRef"), int(referenceFromDevice(output, model)));
        object.insert(QStringLiteral("id"), index);
        outs.append(object);
    }
    return outs;
}

void writeMessages(QJsonObject &object, const quint8 *area)
{
    QJsonArray messages;
    for (int k = 0; k < MessageCount; ++k)
        messages.append(int(load<quint16>(area, MessagesOffset + 2 * k)));
    object.insert(QStringLiteral("messages"), messages);
}

void writeValveExtras(QJsonObject &object, const quint8 *area)
{
    object.insert(QStringLiteral("serviceTime"),
                  QJsonObject{{QStringLiteral("day"), int(area[18])},
                              {QStringLiteral("minute"), int(load<quint16>(area, 16))}});
    object.insert(
        QStringLiteral("usedDzSensors"),
        QJsonArray{FileNumber::of(load<quint64>(area, 0)), FileNumber::of(load<quint64>(area, 8))});
}

void readOutputs(int type, quint8 *area, const QJsonObject &sensorObject)
{
    const int count = outputCount(type);
    // An output the writer left out was absent on the device.
    for (int index = 0; index < count; ++index) {
        s_OutputModeSett absent;
        std::memset(&absent, 0, sizeof(absent));
        absent.Mode = AbsentOutputMode;
        std::memcpy(area + index * OutputSize, &absent, sizeof(absent));
    }
    const QJsonArray outs = sensorObject.value(QLatin1String("outs")).toArray();
    for (int position = 0; position < outs.size(); ++position) {
        const QJsonObject element = outs.at(position).toObject();
        // Older files may leave out the id: the position stands for it.
        const QJsonValue idValue = element.value(QLatin1String("id"));
        const qint64 index =
            idValue.isUndefined() ? position : SensorFileObject::wholeNumber(idValue);
        if (index < 0 || index >= count)
            continue;
        const s_OutputModeSett output = SensorFileObject::readOutput(element);
        std::memcpy(area + index * OutputSize, &output, sizeof(output));
    }
}

void readValveExtras(quint8 *area, const QJsonObject &sensorObject)
{
    const QJsonObject service = sensorObject.value(QLatin1String("serviceTime")).toObject();
    area[18] = quint8(service.value(QLatin1String("day")).toInt());
    put(area, 16, quint16(service.value(QLatin1String("minute")).toInt()));
    const QJsonArray used = sensorObject.value(QLatin1String("usedDzSensors")).toArray();
    for (int i = 0; i < UsedDzSensorsCount && i < used.size(); ++i)
        put(area, 8 * i, FileNumber::word(used.at(i)));
}

void readMessages(quint8 *area, const QJsonObject &sensorObject)
{
    const QJsonArray messages = sensorObject.value(QLatin1String("messages")).toArray();
    for (int k = 0; k < MessageCount && k < messages.size(); ++k)
        put(area, MessagesOffset + 2 * k, quint16(messages.at(k).toInt()));
}

quint16 versionOrOne(const QJsonValue &value)
{
    const quint16 version = quint16(value.toInt());
    return version == 0 ? 1 : version;
}

void putVersion(quint8 &major, quint8 &minor, quint16 version)
{
    major = quint8(version >> 8);
    minor = quint8(version & 0xFF);
}

// Marks the device out of contact with only its serial known, and seals the report.
void finishReport(s_FullSensorData &report)
{
    report.status.flags = 1u << 6;
    report.status.serialNumber = report.settings.dwSerial;
    const quint32 nameCrc = crc32Stm(report.name, NameFieldSize);
    std::memcpy(report.reserved64, &nameCrc, sizeof(nameCrc));
    report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
}

void putPlainName(quint8 *field, const QString &name)
{
    fillNameField(field, utf8Prefix(name, NameFieldTextBytes), 0);
}
} // namespace

qint64 SensorFileObject::wholeNumber(const QJsonValue &value)
{
    return FileNumber::whole(value);
}

bool SensorFileObject::flag(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    return value.toInt() & 1;
}

void SensorFileObject::putRadioName(quint8 *field, const QString &name)
{
    fillNameField(field, escapedUtf8Prefix(name, NameFieldTextBytes), 0xFF);
}

QJsonObject SensorFileObject::privateSettingsToJson(const Sensor &device,
                                                    const PartitionModel *model)
{
    const int type = device.type();
    const quint8 *area = device.settingsData()->settings.privateSettings.raw;
    QJsonObject object;
    if (type == DeviceType::KeyContactModule) {
        const s_SensorCommonSettings &common = device.settingsData()->settings.common;
        object.insert(QStringLiteral("kcMode"), int(common.ZoneType));
        object.insert(QStringLiteral("kcPartition"), int(common.Partition));
        object.insert(QStringLiteral("inputOperatingMode"), int(common.inputOperatingMode));
        object.insert(QStringLiteral("mainPowerSupply"), int(common.mainPowerSupply));
    }
    writeFields(object, area, fieldsOf(type));
    if (type == 2 && device.firmwareVersion() < QVersionNumber(1, 31)) {
        // Older firmware has no fire class; the file carries the factory values.
        object.insert(QStringLiteral("classFireAlarm"), 0);
        object.insert(QStringLiteral("fireAlarmTemperature"), 60);
    }
    if (type == 65)
        writeMessages(object, area);
    if (type == DeviceType::ValveController)
        writeValveExtras(object, area);
    const QJsonArray outs = outputsToJson(type, area, model);
    if (!outs.isEmpty())
        object.insert(QStringLiteral("outs"), outs);
    return object;
}

void SensorFileObject::readPrivateSettings(int type, u_RFDevPrivateSettings &area,
                                           const QJsonObject &sensorObject)
{
    std::memset(&area, 0, sizeof(area));
    quint8 *bytes = area.raw;
    readFields(bytes, fieldsOf(type), sensorObject);
    if (type == 2 && !sensorObject.contains(QLatin1String("fireAlarmTemperature")))
        bytes[10] = 60;
    if (type == 65)
        readMessages(bytes, sensorObject);
    if (type == DeviceType::ValveController)
        readValveExtras(bytes, sensorObject);
    readOutputs(type, bytes, sensorObject);
}

void SensorFileObject::readCommonSettings(int type, s_SensorCommonSettings &common,
                                          const QJsonObject &sensorObject)
{
    if (type != DeviceType::KeyContactModule)
        return;
    common.ZoneType = quint16(sensorObject.value(QLatin1String("kcMode")).toInt());
    common.Partition = quint16(sensorObject.value(QLatin1String("kcPartition")).toInt());
    common.inputOperatingMode =
        quint8(sensorObject.value(QLatin1String("inputOperatingMode")).toInt());
    common.mainPowerSupply = sensorObject.value(QLatin1String("mainPowerSupply")).toInt() ? 1 : 0;
}

s_OutputModeSett SensorFileObject::readOutput(const QJsonObject &output)
{
    s_OutputModeSett settings;
    std::memset(&settings, 0, sizeof(settings));
    readFields(reinterpret_cast<quint8 *>(&settings), listOf(outputFields), output);
    return settings;
}

bool SensorFileObject::reportFromJson(const QJsonObject &object, s_FullSensorData &report, int &id)
{
    const int type = object.value(QLatin1String("bType")).toInt();
    std::memset(&report, 0, sizeof(report));
    id = int(wholeNumber(object.value(QLatin1String("id"))));
    if (type == 0 || type == DeviceType::Loop)
        return false;
    putRadioName(report.name, object.value(QLatin1String("name")).toString());
    s_SensorSettings &s = report.settings;
    s.common.flags = quint8(
        (flag(object.value(QLatin1String("BellEnable"))) ? SensorSettingFlag::BellEnable : 0) |
        (flag(object.value(QLatin1String("Enable"))) ? SensorSettingFlag::Enable : 0));
    s.common.LedMode = quint16(object.value(QLatin1String("LedMode")).toInt());
    s.common.Partition = quint16(object.value(QLatin1String("Partition")).toInt());
    s.common.ZoneType = quint16(object.value(QLatin1String("ZoneType")).toInt());
    s.bType = quint8(type);
    s.dwSerial = quint32(wholeNumber(object.value(QLatin1String("dwSerial"))));
    s.networkDeviceType = quint8(object.value(QLatin1String("networkDeviceType")).toInt());
    putVersion(s.hardwareMajor, s.hardwareMinor,
               versionOrOne(object.value(QLatin1String("HardwareVersion"))));
    putVersion(s.firmwareMajor, s.firmwareMinor,
               versionOrOne(object.value(QLatin1String("FirmwareVersion"))));
    const QJsonObject sensorObject = object.value(QLatin1String("sensor")).toObject();
    readPrivateSettings(type, s.privateSettings, sensorObject);
    readCommonSettings(type, s.common, sensorObject);
    finishReport(report);
    return true;
}

void SensorFileObject::reportFromJsonV102(const QJsonObject &object, s_FullSensorData &report,
                                          int &id)
{
    std::memset(&report, 0, sizeof(report));
    id = int(wholeNumber(object.value(QLatin1String("Id"))));
    putRadioName(report.name, object.value(QLatin1String("Label")).toString());
    s_SensorSettings &s = report.settings;
    s.common.flags =
        quint8((flag(object.value(QLatin1String("Bell"))) ? SensorSettingFlag::BellEnable : 0) |
               (flag(object.value(QLatin1String("Enabled"))) ? SensorSettingFlag::Enable : 0));
    s.common.LedMode = quint16(object.value(QLatin1String("LED")).toInt());
    s.common.Partition = quint16(object.value(QLatin1String("Partition")).toInt());
    s.common.ZoneType = quint16(object.value(QLatin1String("ZoneType")).toInt());
    const QByteArray extra =
        QByteArray::fromBase64(object.value(QLatin1String("ExtraData")).toString().toLatin1());
    std::memcpy(s.privateSettings.raw, extra.constData(),
                size_t(qMin(extra.size(), int(sizeof(s.privateSettings.raw)))));
    s.bType = quint8(object.value(QLatin1String("CoordDatabType")).toInt());
    s.networkDeviceType = quint8(object.value(QLatin1String("CoordDatanetworkDeviceType")).toInt());
    putVersion(s.hardwareMajor, s.hardwareMinor,
               quint16(object.value(QLatin1String("CoordDatabHWVer")).toInt()));
    putVersion(s.firmwareMajor, s.firmwareMinor,
               quint16(object.value(QLatin1String("CoordDatabSWVer")).toInt()));
    s.dwSerial = quint32(wholeNumber(object.value(QLatin1String("CoordDatabdwSerial"))));
    finishReport(report);
}

s_FullLoopData SensorFileObject::loopReportFromJson(const QJsonObject &object, int formatVersion)
{
    const bool v1 = formatVersion == 1;
    s_FullLoopData report;
    std::memset(&report, 0, sizeof(report));
    s_LoopSettings &s = report.loop.settings;
    s.Partition = quint16(object.value(QLatin1String("Partition")).toInt());
    s.ZoneType = quint16(object.value(QLatin1String("ZoneType")).toInt());
    const bool bell = flag(object.value(QLatin1String(v1 ? "Bell" : "BellEnable")));
    const bool enabled = flag(object.value(QLatin1String(v1 ? "Enabled" : "Enable")));
    s.flags = quint8((bell ? SensorSettingFlag::BellEnable : 0) |
                     (enabled ? SensorSettingFlag::Enable : 0));
    putPlainName(report.name, object.value(QLatin1String(v1 ? "Name" : "name")).toString());
    return report;
}

s_ExtMemDataOutput SensorFileObject::outputBlockFromJson(const QJsonObject &object,
                                                         int formatVersion)
{
    const bool v1 = formatVersion == 1;
    const auto key = [v1](const char *v2Key, const char *v1Key) {
        return QLatin1String(v1 ? v1Key : v2Key);
    };
    s_ExtMemDataOutput block;
    std::memset(&block, 0, sizeof(block));
    putPlainName(block.name, object.value(key("name", "Name")).toString());
    block.nameCrc = crc32Stm(block.name, NameFieldSize);
    s_OutputModeSett &m = block.mode;
    const auto mask = [&object](QLatin1String name) {
        return quint32(wholeNumber(object.value(name)));
    };
    m.TakeOnMask = mask(key("TakeOnMask", "OutMaskTakeOnMask"));
    m.TakeOffMask = mask(key("TakeOffMask", "OutMaskTakeOffMask"));
    m.NotTakeMask = mask(key("NotTakeMask", "OutMaskNotTakeMask"));
    m.FireMask = mask(key("FireMask", "OutMaskFireMask"));
    m.AlarmMask = mask(key("AlarmMask", "OutMaskAlarmMask"));
    m.WaterLeakage = mask(key("WaterLeakage", "OutMaskWaterLeakage"));
    m.EnableEvents = mask(QLatin1String("EnableEvents"));
    m.SelectedPartitions = mask(QLatin1String("SelectedPartitions"));
    if (!v1)
        m.tactic = quint8(object.value(QLatin1String("tactic")).toInt());
    m.journalFlags = flag(object.value(QLatin1String("OutEventsToJournal")))
                         ? OutputFlag::OutEventsToJournal
                         : 0;
    m.Hyst = quint16(object.value(QLatin1String("Hyst")).toInt());
    // The writer names the reference "IntTempRef"; older files call it "Ref".
    const QJsonValue reference = !v1 && object.contains(QLatin1String("IntTempRef"))
                                     ? object.value(QLatin1String("IntTempRef"))
                                     : object.value(QLatin1String("Ref"));
    m.IntTempRef = qint16(reference.toInt());
    m.RefSensAddr = quint16(object.value(QLatin1String("RefSensAddr")).toInt());
    m.FeedbackSensAddr = quint16(object.value(QLatin1String("FeedbackSensAddr")).toInt());
    m.inversionFlags =
        flag(object.value(QLatin1String("InversionOut"))) ? OutputFlag::InversionOut : 0;
    m.EnableMask = mask(key("EnableMask", "Enable"));
    m.DisableMask = mask(key("DisableMask", "Disable"));
    m.OutGroupNumber = quint8(object.value(QLatin1String("OutGroupNumber")).toInt());
    m.controlFlags = quint8(
        (flag(object.value(QLatin1String("AllowSmsControl"))) ? OutputFlag::AllowSmsControl : 0) |
        (flag(object.value(QLatin1String("AllowCallControl"))) ? OutputFlag::AllowCallControl : 0) |
        (flag(object.value(QLatin1String("AllowKeychainControl")))
             ? OutputFlag::AllowKeychainControl
             : 0));
    m.Mode = quint16(object.value(QLatin1String("Mode")).toInt());
    const quint16 version = settingsVersionFromJson(object.value(QLatin1String("settingsVersion")));
    block.compatibleVersion = quint8(version & 0xFF);
    block.criticalVersion = quint8(version >> 8);
    return block;
}
