#include "radio/LocalOut.h"

#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "radio/NameField.h"

#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QWidget>
#include <cstring>

namespace {
quint32 jsonMask(const QJsonObject &object, const char *key)
{
    return quint32(object.value(QLatin1String(key)).toInt());
}

int jsonInt(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toInt();
}

quint8 bit(bool on, quint8 flag)
{
    return on ? flag : 0;
}

const QHash<quint16, QString> &eventTexts()
{
    static const QHash<quint16, QString> texts = [] {
        const std::pair<quint16, const char *> rows[] = {
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
    return texts;
}

const char *const faultTexts[] = {
    "Восстановление выхода",    "Перегрузка выхода", "КЗ выхода",
    "Низкое напряжение выхода", "Обрыв выхода",
};
} // namespace

LocalOut::LocalOut(int index, QObject *parent) : Sensor(), m_index(index)
{
    setParent(parent);
    qRegisterMetaType<e_OutMode>("e_OutMode");
    std::memset(&m_output, 0, sizeof(m_output));
    std::memset(&m_outputStatus, 0, sizeof(m_outputStatus));
    buildOutputTree();
}

LocalOut::~LocalOut() = default;

void LocalOut::setData(const s_ExtMemDataOutput *block)
{
    m_output = *block;
    emit dataUpdated();
}

void LocalOut::setStatus(const s_OutputStatus *status)
{
    m_outputStatus = *status;
    emit statusUpdated();
}

QString LocalOut::currentEventText(quint16 code)
{
    if (code == 0)
        return tr("There is no event");
    const auto found = eventTexts().constFind(code);
    if (found != eventTexts().constEnd())
        return found.value();
    return tr("Unknown event: %1").arg(code);
}

QString LocalOut::faultStateText(quint16 code)
{
    if (code == 0)
        return tr("Check...");
    if (code <= 5)
        return QString::fromUtf8(faultTexts[code - 1]);
    return tr("Unknown event: %1").arg(code);
}

QString LocalOut::typeName() const
{
    return tr("LocalOut");
}

QString LocalOut::displayName() const
{
    const QString name = jsonKey();
    return QStringLiteral("%1. %2")
        .arg(m_index + FirstDisplayNumber)
        .arg(name.isEmpty() ? tr("Local out") : name);
}

void LocalOut::storeName(s_ExtMemDataOutput &block, const QString &name)
{
    fillNameField(block.name, utf8Prefix(name, NameFieldTextBytes), 0);
    block.nameCrc = crc32Stm(block.name, NameFieldSize);
}

bool LocalOut::setName(const QString &name)
{
    storeName(m_output, name);
    return true;
}

bool LocalOut::isInTouch() const
{
    return true;
}

bool LocalOut::isEnabled() const
{
    return m_output.mode.Mode != 0;
}

QString LocalOut::toolTip() const
{
    return QString();
}

Sensor::SensorProperty LocalOut::properties() const
{
    return m_outputRoot;
}

void LocalOut::writeToDevice()
{
    logDebug(this, QStringLiteral("Writing settings id: %1").arg(int(m_id)));
    m_output.reserved68 = 0;
    m_output.reserved168 = 0;
    m_output.compatibleVersion = 1;
    m_output.criticalVersion = 1;
    m_output.crc32 = crc32Stm(&m_output, s_ExtMemDataOutput::crcOffset);
    const Protocol::SenderScope scope = refusalsComeHere();
    if (Protocol *link = protocol())
        link->writeOutputData(quint16(m_index), m_output);
}

QJsonValue LocalOut::toJson() const
{
    const s_OutputModeSett &m = m_output.mode;
    const quint16 version = quint16(m_output.compatibleVersion | (m_output.criticalVersion << 8));
    const auto mask = [](quint32 value) { return qint32(value); };
    const auto flag = [](quint8 flags, quint8 bit) { return (flags & bit) ? 1 : 0; };
    return QJsonObject{
        {QStringLiteral("id"), m_index},
        {QStringLiteral("name"), jsonKey()},
        {QStringLiteral("Mode"), int(m.Mode)},
        {QStringLiteral("FireMask"), mask(m.FireMask)},
        {QStringLiteral("AlarmMask"), mask(m.AlarmMask)},
        {QStringLiteral("TakeOnMask"), mask(m.TakeOnMask)},
        {QStringLiteral("NotTakeMask"), mask(m.NotTakeMask)},
        {QStringLiteral("TakeOffMask"), mask(m.TakeOffMask)},
        {QStringLiteral("WaterLeakage"), mask(m.WaterLeakage)},
        {QStringLiteral("OutEventsToJournal"),
         flag(m.journalFlags, OutputFlag::OutEventsToJournal)},
        {QStringLiteral("EnableEvents"), mask(m.EnableEvents)},
        {QStringLiteral("SelectedPartitions"), mask(m.SelectedPartitions)},
        {QStringLiteral("tactic"), int(m.tactic)},
        {QStringLiteral("Hyst"), int(m.Hyst)},
        {QStringLiteral("IntTempRef"), int(m.IntTempRef)},
        {QStringLiteral("RefSensAddr"), int(m.RefSensAddr)},
        {QStringLiteral("InversionOut"), flag(m.inversionFlags, OutputFlag::InversionOut)},
        {QStringLiteral("FeedbackSensAddr"), int(m.FeedbackSensAddr)},
        {QStringLiteral("EnableMask"), mask(m.EnableMask)},
        {QStringLiteral("DisableMask"), mask(m.DisableMask)},
        {QStringLiteral("OutGroupNumber"), int(m.OutGroupNumber)},
        {QStringLiteral("AllowSmsControl"), flag(m.controlFlags, OutputFlag::AllowSmsControl)},
        {QStringLiteral("AllowCallControl"), flag(m.controlFlags, OutputFlag::AllowCallControl)},
        {QStringLiteral("AllowKeychainControl"),
         flag(m.controlFlags, OutputFlag::AllowKeychainControl)},
        {QStringLiteral("WaitKvitanciaMask"), 0},
        {QStringLiteral("ReceiveKvitanciaMask"), 0},
        {QStringLiteral("settingsVersion"), settingsVersionToJson(version)},
    };
}

void LocalOut::readVersion2(const QJsonObject &object, s_ExtMemDataOutput &block)
{
    s_OutputModeSett &m = block.mode;
    m_index = jsonInt(object, "id");
    storeName(block, object.value(QLatin1String("name")).toString());
    m.Mode = quint16(jsonInt(object, "Mode"));
    m.FireMask = jsonMask(object, "FireMask");
    m.AlarmMask = jsonMask(object, "AlarmMask");
    m.TakeOnMask = jsonMask(object, "TakeOnMask");
    m.NotTakeMask = jsonMask(object, "NotTakeMask");
    m.TakeOffMask = jsonMask(object, "TakeOffMask");
    m.WaterLeakage = jsonMask(object, "WaterLeakage");
    m.journalFlags = (m.journalFlags & ~OutputFlag::OutEventsToJournal) |
                     bit(jsonInt(object, "OutEventsToJournal"), OutputFlag::OutEventsToJournal);
    m.EnableEvents = jsonMask(object, "EnableEvents");
    m.SelectedPartitions = jsonMask(object, "SelectedPartitions");
    m.tactic = quint8(jsonInt(object, "tactic"));
    m.Hyst = quint16(jsonInt(object, "Hyst"));
    m.IntTempRef = qint16(jsonInt(object, "IntTempRef"));
    m.RefSensAddr = quint16(jsonInt(object, "RefSensAddr"));
    m.inversionFlags = (m.inversionFlags & ~OutputFlag::InversionOut) |
                       bit(jsonInt(object, "InversionOut"), OutputFlag::InversionOut);
    m.FeedbackSensAddr = quint16(jsonInt(object, "FeedbackSensAddr"));
    m.EnableMask = jsonMask(object, "EnableMask");
    m.DisableMask = jsonMask(object, "DisableMask");
    m.OutGroupNumber = quint8(jsonInt(object, "OutGroupNumber"));
    const quint8 control =
        bit(jsonInt(object, "AllowSmsControl"), OutputFlag::AllowSmsControl) |
        bit(jsonInt(object, "AllowCallControl"), OutputFlag::AllowCallControl) |
        bit(jsonInt(object, "AllowKeychainControl"), OutputFlag::AllowKeychainControl);
    m.controlFlags = quint8((m.controlFlags & ~0x07) | control);
}

bool LocalOut::readVersion1(const QJsonObject &file, s_ExtMemDataOutput &block)
{
    const QJsonValue outs = file.value(QLatin1String("Outs"));
    if (file.size() < 2 || !outs.isArray())
        return false;
    // Each output takes its own element of the list, whatever the order.
    for (const QJsonValue &element : outs.toArray()) {
        const QJsonObject object = element.toObject();
        if (jsonInt(object, "index") != m_index)
            continue;
        s_OutputModeSett &m = block.mode;
        storeName(block, object.value(QLatin1String("Name")).toString());
        m.Mode = quint16(jsonInt(object, "Mode"));
        m.journalFlags = (m.journalFlags & ~OutputFlag::OutEventsToJournal) |
                         bit(jsonInt(object, "OutEventsToJournal"), OutputFlag::OutEventsToJournal);
        m.FireMask = jsonMask(object, "OutMaskFireMask");
        m.AlarmMask = jsonMask(object, "OutMaskAlarmMask");
        m.TakeOnMask = jsonMask(object, "OutMaskTakeOnMask");
        m.NotTakeMask = jsonMask(object, "OutMaskNotTakeMask");
        m.TakeOffMask = jsonMask(object, "OutMaskTakeOffMask");
        m.WaterLeakage = jsonMask(object, "OutMaskWaterLeakage");
        m.EnableEvents = jsonMask(object, "EnableEvents");
        m.SelectedPartitions = jsonMask(object, "SelectedPartitions");
        m.Hyst = quint16(jsonInt(object, "Hyst"));
        m.IntTempRef = qint16(jsonInt(object, "Ref"));
        m.RefSensAddr = quint16(jsonInt(object, "RefSensAddr"));
        m.inversionFlags = (m.inversionFlags & ~OutputFlag::InversionOut) |
                           bit(jsonInt(object, "InversionOut"), OutputFlag::InversionOut);
        m.FeedbackSensAddr = quint16(jsonInt(object, "FeedbackSensAddr"));
        m.EnableMask = jsonMask(object, "Enable");
        m.DisableMask = jsonMask(object, "Disable");
        m.OutGroupNumber = quint8(jsonInt(object, "OutGroupNumber"));
        const quint8 control =
            bit(jsonInt(object, "AllowSmsControl"), OutputFlag::AllowSmsControl) |
            bit(jsonInt(object, "AllowCallControl"), OutputFlag::AllowCallControl) |
            bit(jsonInt(object, "AllowKeychainControl"), OutputFlag::AllowKeychainControl);
        m.controlFlags = quint8((m.controlFlags & ~0x07) | control);
        qDebug() << m_index << displayName() << "LocalOut::fromJSON";
        return true;
    }
    return false;
}

bool LocalOut::fromJson(const QJsonValue &value, int formatVersion)
{
    s_ExtMemDataOutput block = m_output;
    if (formatVersion == 1) {
        if (!readVersion1(value.toObject(), block))
            return false;
    } else {
        readVersion2(value.toObject(), block);
    }
    m_output = block;
    emit dataUpdated();
    qDebug().noquote() << tr("Local out %1 updating from JSON").arg(displayName());
    return true;
}

QString LocalOut::jsonKey() const
{
    return nameFieldText(m_output.name);
}

QStringList LocalOut::modeCaptions()
{
    return {tr("Disable"),      tr("Standard Events Handle"), tr("Ext Control"),
            tr("Temp Control"), tr("Humidity Control"),       tr("CO Control")};
}

void LocalOut::openSettingsDialog()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || overmind->isViewingMode() || !overmind->mainWindow())
        return;
    // The partition page on screen opens the dialog of its selected row, as a double
    // click would.
    const auto pages = overmind->mainWindow()->findChildren<QWidget *>();
    for (QWidget *page : pages) {
        if (page->inherits("PartitionWidget") && page->isVisible()) {
            QMetaObject::invokeMethod(page, "openCurrentSensorSettings");
            return;
        }
    }
}

void LocalOut::buildOutputTree()
{
    SensorProperty nameNode = SensorProperty::string(
        QStringLiteral("name"), tr("Name"), [this] { return QVariant(jsonKey()); },
        [this](const QVariant &value) {
            setName(value.toString());
            writeToDevice();
        });
    nameNode.regExp = namePattern(NameFieldTextBytes);

    const auto modeActive = [this] { return m_output.mode.Mode != 0; };
    m_outputRoot = SensorProperty::group(
        QStringLiteral("root"), QString(),
        {SensorProperty::group(
             QStringLiteral("localOut"), tr("Out"),
             {nameNode,
              SensorProperty::readOnlyEnumeration(
                  QStringLiteral("mode"), tr("Mode"),
                  [this] { return QVariant(int(m_output.mode.Mode)); }, modeCaptions()),
              SensorProperty::readOnlyString(
                  QStringLiteral("outState"), tr("Out state"),
                  [this] { return QVariant(m_outputStatus.outputState ? tr("On") : tr("Off")); }),
              SensorProperty::readOnlyString(
                  QStringLiteral("currentOutputEvent"), tr("Current output event"),
                  [this, modeActive] {
                      return QVariant(modeActive() ? currentEventText(m_outputStatus.currentEvent)
                                                   : QString());
                  }),
              SensorProperty::readOnlyString(QStringLiteral("outFaultState"), tr("Out fault state"),
                                             [this, modeActive] {
                                                 return QVariant(
                                                     modeActive()
                                                         ? faultStateText(m_outputStatus.faultState)
                                                         : QString());
                                             })}),
         SensorProperty::group(
             QStringLiteral("Outputs_settings"), tr("Outputs settings"),
             {SensorProperty::actionButton(QStringLiteral("output_settings"),
                                           tr("Outputs settings"), tr("To configure"),
                                           [this](const QVariant &) { openSettingsDialog(); })})});
}
