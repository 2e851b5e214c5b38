#include "radio/params/SensorRootTree.h"

#include "app/Overmind.h"
#include "radio/DeviceTypes.h"
#include "radio/NameField.h"
#include "radio/Sensor.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace {
using R = SensorValueRoutines;

bool isOneOf(int type, std::initializer_list<int> types)
{
    for (int candidate : types) {
        if (candidate == type)
            return true;
    }
    return false;
}

// Captions of the zone types 2 to 6.
const char *const zoneCaptions[] = {
    QT_TRANSLATE_NOOP("Sensor", "Security"), QT_TRANSLATE_NOOP("Sensor", "Alarm"),
    QT_TRANSLATE_NOOP("Sensor", "Enter"), QT_TRANSLATE_NOOP("Sensor", "Fire"),
    QT_TRANSLATE_NOOP("Sensor", "Water")};
} // namespace

SensorProperty SensorRootTree::generalGroup(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty name = SensorProperty::string(
        QStringLiteral("name"), Sensor::tr("Name"), [self] { return QVariant(self->jsonKey()); },
        [self](const QVariant &value) {
            self->setName(value.toString());
            self->writeToDevice();
        });
    name.regExp = namePattern(NameFieldTextBytes);
    const SensorProperty::Setter chooseRepeater = [self](const QVariant &) {
        Overmind *overmind = Overmind::instance();
        if (overmind && !overmind->isViewingMode())
            overmind->showRepeaterSelectDialog(self->id());
    };
    return SensorProperty::group(
        QStringLiteral("general"), Sensor::tr("General"),
        {SensorProperty::readOnlyInteger(QStringLiteral("partition"), Sensor::tr("Partition"),
                                         QString(),
                                         [self] { return QVariant(int(self->partition())); }),
         SensorProperty::readOnlyString(QStringLiteral("parent"), Sensor::tr("Parent"),
                                        [self] { return QVariant(self->parentName()); }),
         SensorProperty::actionButton(QStringLiteral("setRetranslator"),
                                      Sensor::tr("Set retranslator"), Sensor::tr("To configure"),
                                      chooseRepeater),
         SensorProperty::readOnlyString(QStringLiteral("serial"), Sensor::tr("Serial"),
                                        [self] { return QVariant(self->serialNumberText()); }),
         SensorProperty::readOnlyString(QStringLiteral("type"), Sensor::tr("Type"),
                                        [self] { return QVariant(self->typeName()); }),
         name, SensorProperty::readOnlyString(QStringLiteral("rssi"), Sensor::tr("RSSI"), [self] {
             return QVariant(self->rssiText());
         })});
}

SensorProperty::Setter SensorRootTree::bellSetter(Sensor &device, quint16 zoneType)
{
    if (zoneType != ZoneSecurity && zoneType != ZoneEnter)
        return nullptr;
    Sensor *self = &device;
    return [self](const QVariant &value) {
        self->setBellEnabled(value.toBool());
        self->writeToDevice();
    };
}

SensorProperty SensorRootTree::mainGroup(Sensor &device)
{
    Sensor *self = &device;
    const int type = device.type();
    SensorProperty enabled = SensorProperty::boolean(
        QStringLiteral("sensorEnabled"), Sensor::tr("Enabled"),
        [self] { return QVariant(self->isEnabled()); },
        [self](const QVariant &value) {
            self->setEnabled(value.toBool());
            self->writeToDevice();
        },
        {Sensor::tr("No"), Sensor::tr("Yes")});
    SensorProperty group =
        SensorProperty::group(QStringLiteral("main"), Sensor::tr("Main"), {enabled});
    std::vector<SensorProperty> &children = group.children;

    QVector<int> zones;
    for (int zone : selectableZoneTypes(type))
        zones << zone;
    if (zones.size() > 1)
        children.push_back(zoneTypeNode(device, zones));
    if (type == 5)
        children.push_back(caseOpenCheckNode(device, 120));
    else if (type == 2)
        children.push_back(caseOpenCheckNode(device, 128));
    if ((type == 20 && device.hardwareVersion() >= QVersionNumber(3, 0)) || type == 69) {
        children.push_back(wallControlNode(device));
        children.push_back(wallCaseNode(device));
    }
    if (!isOneOf(type, {10, 11, 20, 31, 56, 69}))
        children.push_back(hullNode(device));
    if (!isOneOf(type, {10, 11, 20, 31, 56, 69, 66, 32}))
        children.push_back(indicationNode(device));
    const bool bellAllowed =
        isZoneTypeAllowed(type, ZoneSecurity) || isZoneTypeAllowed(type, ZoneEnter);
    if (bellAllowed && type != 32) {
        children.push_back(SensorProperty::boolean(
            QStringLiteral("bell_mode"), Sensor::tr("Bell"),
            [self] { return QVariant(self->bellEnabled()); }, bellSetter(device, device.zoneType()),
            {Sensor::tr("Disabled"), Sensor::tr("Enabled")}));
    }
    return group;
}

SensorProperty SensorRootTree::zoneTypeNode(Sensor &device, const QVector<int> &codes)
{
    Sensor *self = &device;
    return SensorProperty::enumeration(
        QStringLiteral("zone_type"), Sensor::tr("Zone type"),
        [self, codes] { return QVariant(R::lastPosition(codes, self->zoneType())); },
        [self, codes](const QVariant &value) {
            const int position = value.toInt();
            if (position < 0 || position >= codes.size())
                return;
            self->setZoneType(quint16(codes.at(position)));
            self->writeToDevice();
        },
        [codes] {
            QStringList captions;
            for (int code : codes)
                captions << Sensor::tr(zoneCaptions[code - ZoneSecurity]);
            return captions;
        },
        [codes] { return R::positions(codes.size()); });
}

SensorProperty SensorRootTree::caseOpenCheckNode(Sensor &device, int offset)
{
    Sensor *self = &device;
    SensorProperty node = SensorProperty::boolean(
        QStringLiteral("min_case_Open_Check"), Sensor::tr("Case open check"),
        [self, offset] { return QVariant(bool(R::settingsByte(*self, offset) & 1)); },
        [self, offset](const QVariant &value) {
            const quint8 byte = R::settingsByte(*self, offset);
            R::setSettingsByte(*self, offset, value.toBool() ? (byte | 1) : (byte & ~1));
            self->writeToDevice();
        },
        {Sensor::tr("Off"), Sensor::tr("On")});
    node.enabled = device.firmwareVersion() > QVersionNumber(1, 28);
    return node;
}

SensorProperty SensorRootTree::wallControlNode(Sensor &device)
{
    Sensor *self = &device;
    return SensorProperty::boolean(
        QStringLiteral("wallControl"), Sensor::tr("Wall control"),
        [self] { return QVariant(R::settingsByte(*self, 216) != 0); },
        [self](const QVariant &value) {
            R::setSettingsByte(*self, 216, value.toBool() ? 1 : 0);
            self->writeToDevice();
        },
        {Sensor::tr("Off"), Sensor::tr("On")});
}

SensorProperty SensorRootTree::wallCaseNode(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty node = SensorProperty::readOnlyEnumeration(
        QStringLiteral("wallCase_status"), Sensor::tr("Wall and case status"),
        [self] { return QVariant(int(R::statusByte(*self, 21))); },
        [] {
            return QStringList{
                Sensor::tr("Case closed, no detach"), Sensor::tr("Case opened, no detach"),
                Sensor::tr("Wall detached, case closed"), Sensor::tr("Wall detached, case opened")};
        });
    node.colourGetter = [self] {
        return R::noted(*self, R::statusByte(*self, 21) != 0 ? R::WarningColour : R::NoColour);
    };
    return node;
}

SensorProperty SensorRootTree::hullNode(Sensor &device)
{
    Sensor *self = &device;
    SensorProperty node = SensorProperty::readOnlyEnumeration(
        QStringLiteral("Hull_status"), Sensor::tr("Hull status"),
        [self] { return QVariant((R::statusFlags(*self) & SensorFlag::CaseOpen) ? 1 : 0); },
        [] {
            return QStringList{Sensor::tr("Case is close"), Sensor::tr("Case is open")};
        });
    node.colourGetter = [self] { return R::caseColour(*self); };
    return node;
}

SensorProperty SensorRootTree::indicationNode(Sensor &device)
{
    Sensor *self = &device;
    const QVector<int> codes{1, 2, 3};
    return SensorProperty::enumeration(
        QStringLiteral("indication"), Sensor::tr("Indication"),
        [self, codes] { return QVariant(R::lastPosition(codes, self->ledMode())); },
        [self, codes](const QVariant &value) {
            const int position = value.toInt();
            if (position < 0 || position >= codes.size())
                return;
            self->setLedMode(quint16(codes.at(position)));
            self->writeToDevice();
        },
        &SensorOptionLists::indications,
        [] {
            return QVector<int>{0, 1, 2, 3};
        });
}
