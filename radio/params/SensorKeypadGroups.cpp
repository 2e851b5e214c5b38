// Groups of the handheld controls: the key fob and the radio keypad, with their managed
// partitions, button second modes, laws, user and silent alarm.
#include "app/DeviceInfo.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "radio/params/SensorControlEnums.h"
#include "radio/params/SensorOptionLists.h"
#include "radio/params/SensorValueRoutines.h"

namespace {
using R = SensorValueRoutines;
using Node = SensorProperty;

constexpr int PartitionsOffset = 120;
constexpr int Button1Offset = 124;
constexpr int Button2Offset = 125;
constexpr int FlagsOffset = 126; // key fob laws; the keypad's silent-alarm gesture
constexpr int UserOffset = 127;
constexpr int FobSilentAlarmOffset = 128;
constexpr quint8 NoUser = 0xFF;
constexpr int OutputGroupCount = 16;
constexpr quint8 LawTakeOn = 1u << 0;
constexpr quint8 LawTakeOff = 1u << 1;
constexpr quint8 PermitSirenOff = 1u << 2;

quint32 settingsLong(const Sensor &device, int offset)
{
    return quint32(R::settingsWord(device, offset)) |
           (quint32(R::settingsWord(device, offset + 2)) << 16);
}

void setSettingsLong(Sensor &device, int offset, quint32 value)
{
    R::setSettingsWord(device, offset, quint16(value & 0xFFFF));
    R::setSettingsWord(device, offset + 2, quint16(value >> 16));
}

bool flag(const Sensor &device, quint8 mask)
{
    return R::settingsByte(device, FlagsOffset) & mask;
}

QStringList onOff()
{
    return {Sensor::tr("Off"), Sensor::tr("On")};
}

QStringList numberedButtonCaptions()
{
    QStringList captions{Sensor::tr("Off")};
    for (int n = 1; n <= OutputGroupCount; ++n)
        captions << QString::number(n);
    return captions;
}

QStringList outputGroupButtonCaptions()
{
    Overmind *overmind = Overmind::instance();
    QStringList captions{Sensor::tr("Off")};
    for (int n = 1; n <= OutputGroupCount; ++n) {
        const QString name = overmind ? overmind->outputGroupName(n - 1) : QString();
        captions << QString::number(n) + QStringLiteral(". ") + name;
    }
    return captions;
}

Node::Setter buttonSetter(Sensor &device, int offset)
{
    Sensor *self = &device;
    return [self, offset](const QVariant &value) {
        // Value 0 is "Off", stored as 0xFF; n is output group n - 1.
        const int choice = value.toInt();
        if (choice < 0 || choice > OutputGroupCount)
            return;
        R::setSettingsByte(*self, offset, quint8(choice - 1));
        self->writeToDevice();
    };
}

Node buttonNode(Sensor &device, const QString &tag, const QString &caption, int offset)
{
    Sensor *self = &device;
    QVector<int> values;
    for (int n = 0; n <= OutputGroupCount; ++n)
        values << n;
    return Node::enumeration(
        tag, caption,
        [self, offset] { return QVariant((R::settingsByte(*self, offset) + 1) % 256); },
        buttonSetter(device, offset), &numberedButtonCaptions, [values] { return values; });
}

Node::Setter fobSilentAlarmSetter(Sensor &device)
{
    Sensor *self = &device;
    return [self](const QVariant &value) {
        R::setSettingsByte(*self, FobSilentAlarmOffset,
                           quint8(enumFromVariant<e_SilentAlarmMode>(value, {0, 1})));
        self->writeToDevice();
    };
}

Node::Setter userSetter(Sensor &device)
{
    Sensor *self = &device;
    return [self](const QVariant &value) {
        // The empty entry (-1) stores "no user".
        const int id = value.toInt();
        if (id < -1 || id > 0xFE)
            return;
        R::setSettingsByte(*self, UserOffset, quint8(id));
        self->writeToDevice();
    };
}

Node::Setter permitSirenOffSetter(Sensor &device)
{
    Sensor *self = &device;
    return [self](const QVariant &value) {
        quint8 flags = R::settingsByte(*self, FlagsOffset);
        flags = value.toBool() ? quint8(flags | PermitSirenOff) : quint8(flags & ~PermitSirenOff);
        R::setSettingsByte(*self, FlagsOffset, flags);
        self->writeToDevice();
    };
}

Node partitionGroup(Sensor &device, const QString &tag)
{
    Sensor *self = &device;
    Overmind *overmind = Overmind::instance();
    PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr;
    const QStringList names = partitions ? partitions->partitionNames(false) : QStringList();
    const int count = overmind ? overmind->deviceInfo().partitionCount() : 0;
    std::vector<Node> children;
    // Bit n of the mask is partition n; bit 0 (the executive devices) is never offered.
    for (int n = 1; n < count && n < 32; ++n) {
        const QString name = n < names.size() ? names.at(n) : QString::number(n);
        const quint32 bit = 1u << n;
        children.push_back(Node::boolean(
            name, name,
            [self, bit] { return QVariant(bool(settingsLong(*self, PartitionsOffset) & bit)); },
            [self, bit](const QVariant &value) {
                quint32 mask = settingsLong(*self, PartitionsOffset);
                mask = value.toBool() ? (mask | bit) : (mask & ~bit);
                setSettingsLong(*self, PartitionsOffset, mask);
                self->writeToDevice();
            },
            onOff()));
    }
    Node group = Node::group(tag, Sensor::tr("Managed partitions"), std::move(children));
    group.expanded = 0;
    return group;
}

void fillUsers(Sensor &device, SensorProperty &node, bool alwaysNone)
{
    Sensor *self = &device;
    QStringList captions;
    QVector<int> values;
    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (users) {
        if (alwaysNone || R::settingsByte(device, UserOffset) == NoUser) {
            captions << QString();
            values << -1;
        }
        const int limit = std::min(overmind->deviceInfo().maxUsers(), 256);
        for (int id = 0; id < limit; ++id) {
            if (UserSettings *user = users->userById(quint8(id))) {
                captions << user->jsonKey();
                values << id;
            }
        }
    }
    node.captionsGetter = [captions] { return captions; };
    node.valuesGetter = [values] { return values; };
    if (alwaysNone)
        node.getter = [values] { return QVariant(R::noUserPosition(values)); };
    else
        node.getter = [self, values] { return QVariant(R::userPosition(*self, values)); };
}
} // namespace

void Sensor::fillUserProperty(SensorProperty &node)
{
    fillUsers(*this, node, false);
}

void Sensor::fillUserPropertyWithNone(SensorProperty &node)
{
    fillUsers(*this, node, true);
}

Sensor::SensorProperty Sensor::keyboardPartitionGroup()
{
    return partitionGroup(*this, QStringLiteral("Keyboard_Partition_group"));
}

Sensor::SensorProperty Sensor::keychainPartitionGroup()
{
    return partitionGroup(*this, QStringLiteral("Keychain_Partition_group"));
}

Sensor::SensorProperty Sensor::keyboardGroup()
{
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::ready, this, &Sensor::updateKeyboardPropertyData,
                Qt::UniqueConnection);
        // The device is the context: a deleted keypad is never called, and its record is
        // read when the names arrive, not when the tree was built.
        connect(overmind, &Overmind::readyGroupOutputsNames, this, [this] {
            refreshKeyboardProperties(m_root, m_settings);
            emit reloadProperties(); // captions are only taken with a new copy
        });
        if (PartitionModel *partitions = overmind->partitionModel())
            connect(partitions, &PartitionModel::newSensorConnected, this,
                    &Sensor::updateKeyboardPropertyData, Qt::UniqueConnection);
    }
    Sensor *self = this;
    Node silentAlarm = Node::enumeration(
        QStringLiteral("SilentAlarmMode"), tr("Silent alarm mode"),
        [self] {
            return QVariant(R::lastPosition({0, 1}, R::settingsByte(*self, FlagsOffset)));
        },
        [self](const QVariant &value) {
            R::setSettingsByte(*self, FlagsOffset,
                               quint8(enumFromVariant<e_K_QuietAlarmConfig>(value, {0, 1})));
            self->writeToDevice();
        },
        &SensorOptionLists::keypadSilentAlarmModes,
        [] {
            return QVector<int>{0, 1};
        });
    return Node::group(QStringLiteral("Keyboard_group"), tr("Keyboard"),
                       {buttonNode(*this, QStringLiteral("Button1SecondMode"),
                                   tr("Button 1 second mode"), Button1Offset),
                        buttonNode(*this, QStringLiteral("Button2SecondMode"),
                                   tr("Button 2 second mode"), Button2Offset),
                        silentAlarm});
}

Sensor::SensorProperty Sensor::keychainGroup()
{
    if (Overmind *overmind = Overmind::instance()) {
        if (UserModel *users = overmind->userModel()) {
            connect(users, &UserModel::signalUpdateUserList, this,
                    &Sensor::updateKeychainPropertyData, Qt::UniqueConnection);
            connect(users, &UserModel::signalUpdateSettings, this,
                    &Sensor::updateKeychainPropertyData, Qt::UniqueConnection);
        }
        connect(overmind, &Overmind::ready, this, &Sensor::updateKeychainPropertyData,
                Qt::UniqueConnection);
        connect(overmind, &Overmind::readyGroupOutputsNames, this, [this] {
            refreshKeychainProperties(m_root, m_settings);
            emit reloadProperties(); // captions are only taken with a new copy
        });
        if (PartitionModel *partitions = overmind->partitionModel())
            connect(partitions, &PartitionModel::newSensorConnected, this,
                    &Sensor::updateKeychainPropertyData, Qt::UniqueConnection);
    }

    Sensor *self = this;
    const QVersionNumber firmware = firmwareVersion();
    const bool silentAlarmEditable = firmware >= QVersionNumber(1, 2);

    Node permit = Node::boolean(
        QStringLiteral("PermitDisSirenInUsedPart"), tr("Permission to turn off the siren"),
        [self] { return QVariant(flag(*self, PermitSirenOff)); }, permitSirenOffSetter(*this),
        onOff());
    permit.enabled = flag(*this, LawTakeOff);

    Node user = Node::enumeration(
        QStringLiteral("User"), tr("User"), [] { return QVariant(0); }, userSetter(*this),
        [] { return QStringList{QString()}; }, [] { return QVector<int>(); });

    Node takeOff = Node::boolean(
        QStringLiteral("LawTakeOff"), tr("Law take Off"),
        [self] { return QVariant(flag(*self, LawTakeOff)); },
        [self](const QVariant &value) {
            quint8 flags = R::settingsByte(*self, FlagsOffset);
            // Without the take-off law the permission means nothing; both go in one write.
            if (value.toBool())
                flags = quint8(flags | LawTakeOff);
            else
                flags = quint8(flags & ~(LawTakeOff | PermitSirenOff));
            R::setSettingsByte(*self, FlagsOffset, flags);
            self->writeToDevice();
        },
        onOff());
    Node takeOn = Node::boolean(
        QStringLiteral("LawTakeOn"), tr("Law take On"),
        [self] { return QVariant(flag(*self, LawTakeOn)); },
        [self](const QVariant &value) {
            quint8 flags = R::settingsByte(*self, FlagsOffset);
            flags = value.toBool() ? quint8(flags | LawTakeOn) : quint8(flags & ~LawTakeOn);
            R::setSettingsByte(*self, FlagsOffset, flags);
            self->writeToDevice();
        },
        onOff());
    Node silentAlarm = Node::enumeration(
        QStringLiteral("SilentAlarmMode"), tr("Silent alarm mode"),
        [self] {
            return QVariant(R::lastPosition({0, 1}, R::settingsByte(*self, FobSilentAlarmOffset)));
        },
        silentAlarmEditable ? fobSilentAlarmSetter(*this) : Node::Setter(),
        &SensorOptionLists::keyFobSilentAlarmModes,
        [] {
            return QVector<int>{0, 1};
        });

    Node group = Node::group(QStringLiteral("Keychain_group"), tr("Keychain"),
                             {user,
                              buttonNode(*this, QStringLiteral("Button1SecondMode"),
                                         tr("Button 1 second mode"), Button1Offset),
                              buttonNode(*this, QStringLiteral("Button2SecondMode"),
                                         tr("Button 2 second mode"), Button2Offset),
                              takeOff, takeOn, permit, silentAlarm});
    if (R::settingsByte(*this, UserOffset) == NoUser) {
        for (Node &child : group.children)
            child.enabled = child.tag == QLatin1String("User");
    }
    return group;
}

void Sensor::refreshKeychainProperties(SensorProperty &root, const s_ExtMemDataSensor &record)
{
    SensorProperty *group = findProperty(root, QStringLiteral("Keychain_group"));
    if (!group)
        return;
    SensorProperty *user = findProperty(*group, QStringLiteral("User"));
    SensorProperty *button1 = findProperty(*group, QStringLiteral("Button1SecondMode"));
    SensorProperty *button2 = findProperty(*group, QStringLiteral("Button2SecondMode"));
    if (!user || !button1 || !button2) {
        logWarning(this, QStringLiteral("keychainProperties or userProp or "
                                        "Button1SecondModeProp or Button2SecondModeProp does not "
                                        "exist"));
        return;
    }
    const auto *bytes = reinterpret_cast<const quint8 *>(&record);
    if (bytes[UserOffset] == NoUser) {
        for (SensorProperty &child : group->children)
            child.enabled = 0;
        user->enabled = 1;
        fillUserProperty(*user);
        return;
    }
    for (SensorProperty &child : group->children)
        child.enabled = 1;
    user->setter = userSetter(*this);

    const QStringList captions = outputGroupButtonCaptions();
    button1->captionsGetter = [captions] { return captions; };
    button2->captionsGetter = [captions] { return captions; };
    button1->setter = buttonSetter(*this, Button1Offset);
    button2->setter = buttonSetter(*this, Button2Offset);

    SensorProperty *permit = findProperty(*group, QStringLiteral("PermitDisSirenInUsedPart"));
    if (!permit) {
        logWarning(this, QStringLiteral("permitDisSirenInUsedPartProp does not exist"));
        return;
    }
    if (bytes[FlagsOffset] & LawTakeOff)
        permit->setter = permitSirenOffSetter(*this);
    else
        permit->setter = nullptr;

    if (SensorProperty *silentAlarm = findProperty(*group, QStringLiteral("SilentAlarmMode"))) {
        const QVersionNumber firmware = firmwareVersion();
        if (firmware >= QVersionNumber(1, 1))
            silentAlarm->setter = fobSilentAlarmSetter(*this);
        else
            silentAlarm->setter = nullptr;
    }
    fillUserProperty(*user);
}

void Sensor::refreshKeychainUsers(SensorProperty &root)
{
    SensorProperty *group = findProperty(root, QStringLiteral("Keychain_group"));
    if (!group)
        return;
    SensorProperty *user = findProperty(*group, QStringLiteral("User"));
    if (!user) {
        logWarning(this, QStringLiteral("keychainProperties or userProp does not exist"));
        return;
    }
    fillUserProperty(*user);
    SensorProperty *silentAlarm = findProperty(*group, QStringLiteral("SilentAlarmMode"));
    if (!silentAlarm) {
        logWarning(this, QStringLiteral("SilentAlarmModeProp does not exist"));
        return;
    }
    const QVersionNumber firmware = firmwareVersion();
    if (firmware < QVersionNumber(1, 1))
        silentAlarm->setter = nullptr;
    else if (R::settingsByte(*this, UserOffset) != NoUser)
        silentAlarm->setter = fobSilentAlarmSetter(*this);
}

void Sensor::updateKeychainPropertyData()
{
    refreshKeychainUsers(m_root);
    emit reloadProperties();
}

// The keypad has no user of its own; its refresh only names the output groups.
void Sensor::refreshKeyboardProperties(SensorProperty &root, const s_ExtMemDataSensor &)
{
    SensorProperty *group = findProperty(root, QStringLiteral("Keyboard_group"));
    if (!group)
        return;
    SensorProperty *button1 = findProperty(*group, QStringLiteral("Button1SecondMode"));
    SensorProperty *button2 = findProperty(*group, QStringLiteral("Button2SecondMode"));
    if (!button1 || !button2)
        return;
    const QStringList captions = outputGroupButtonCaptions();
    button1->captionsGetter = [captions] { return captions; };
    button2->captionsGetter = [captions] { return captions; };
    button1->setter = buttonSetter(*this, Button1Offset);
    button2->setter = buttonSetter(*this, Button2Offset);
}

void Sensor::updateKeyboardPropertyData()
{
    emit reloadProperties();
}
