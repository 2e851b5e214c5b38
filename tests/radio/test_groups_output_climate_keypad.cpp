#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "radio/params/SensorControlEnums.h"
#include "radio/params/SensorValueRoutines.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <memory>

using Node = Sensor::SensorProperty;
using R = SensorValueRoutines;

namespace {
using Bytes = QMap<int, int>;

struct Build
{
    Build(int type = 4) : type(type) {}

    int type;
    quint16 partition = 1;
    quint16 zone = 1;
    QVector<int> firmware{1, 10}; // major, minor
    QVector<int> hardware{1, 2};
    Bytes statusBytes;
    Bytes settingsBytes; // by settings offset, 72 to 311
};

s_FullSensorData report(const Build &build)
{
    SensorReportFields fields;
    fields.type = build.type;
    fields.partition = build.partition;
    fields.zoneType = build.zone;
    s_FullSensorData data = makeSensorReport(fields);
    data.status.firmwareMajor = quint8(build.firmware.at(0));
    data.status.firmwareMinor = quint8(build.firmware.at(1));
    data.status.hardwareMajor = quint8(build.hardware.at(0));
    data.status.hardwareMinor = quint8(build.hardware.at(1));
    auto *status = reinterpret_cast<quint8 *>(&data.status);
    for (auto it = build.statusBytes.cbegin(); it != build.statusBytes.cend(); ++it)
        status[it.key()] = quint8(it.value());
    auto *settings = reinterpret_cast<quint8 *>(&data.settings);
    for (auto it = build.settingsBytes.cbegin(); it != build.settingsBytes.cend(); ++it)
        settings[it.key() - 72] = quint8(it.value());
    data.crc32 = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    return data;
}

// A controller with partitions and an empty user table, as after a login.
struct Controller
{
    Overmind overmind;
    Controller()
    {
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        overmind.setOutputGroupCount(16);
    }
    PartitionModel *model() { return overmind.partitionModel(); }
    // A device enrolled through the model, as the device's report makes it.
    Sensor::SPtr enrol(const Build &build, quint16 id = 5)
    {
        model()->setFullSensorData(id, report(build));
        return model()->sensor(id);
    }
    UserSettings *addUser(quint8 id, const QString &name)
    {
        auto *user = new UserSettings(nullptr, id);
        user->setName(name);
        return overmind.userModel()->addUser(user);
    }
};

Sensor::SPtr make(const Build &build)
{
    const s_FullSensorData data = report(build);
    return std::make_shared<Sensor>(3, &data);
}

Node *find(Sensor &device, const QString &tag)
{
    return Sensor::findProperty(device.propertyTree(), tag);
}

QString shown(const Node &node)
{
    if (node.kind == Node::Enumeration)
        return node.captionsGetter().value(node.getter().toInt());
    return node.getter().toString();
}

// Counts the records a device writes, by the line every write logs.
class WriteCounter : public QObject
{
public:
    WriteCounter()
    {
        connect(Logger::instance(), &Logger::message, this,
                [this](const QString &, logLevel_t, const QString &text) {
                    if (text.startsWith(QLatin1String("Writing settings id:")))
                        ++writes;
                });
    }
    int writes = 0;
};

s_ExtMemDataSensor withBytes(const Sensor &device, const Bytes &bytes)
{
    s_ExtMemDataSensor record = *device.settingsData();
    auto *raw = reinterpret_cast<quint8 *>(&record);
    for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
        raw[it.key()] = quint8(it.value());
    return record;
}
} // namespace

class TestGroupsOutputClimateKeypad : public QObject
{
    Q_OBJECT
    std::unique_ptr<Logger> logger;

private slots:
    void initTestCase()
    {
        initDeviceTypeNames();
        if (!Logger::instance())
            logger = std::make_unique<Logger>();
    }

    void outputRowsShowDeviceValues_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Bytes>("settings");
        QTest::addColumn<Bytes>("status");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        const Bytes none;
        QTest::newRow("siren light mode") << 7 << Bytes{{208, 1}} << none << "Light"
                                          << "Standard Events Handle";
        QTest::newRow("siren mode above 3 has no caption")
            << 7 << Bytes{{208, 4}} << none << "Light"
            << "";
        QTest::newRow("siren: any state but 0 is on") << 7 << none << Bytes{{8, 2}} << "outState"
                                                      << "On";
        QTest::newRow("relay: only 1 is on") << 14 << none << Bytes{{8, 2}} << "outState1"
                                             << "Off";
        QTest::newRow("absent output has no mode")
            << 15 << Bytes{{304, 0xFF}, {305, 0xFF}} << none << "mode2"
            << "";
        QTest::newRow("second output shorted") << 23 << none << Bytes{{20, 3}} << "outState2"
                                               << "Fault short circuit";
        QTest::newRow("output fault 0 is no text") << 23 << none << none << "outState"
                                                   << "";
        QTest::newRow("annunciator fault none") << 20 << none << none << "Fault_state"
                                                << "Fault none";
        QTest::newRow("annunciator fault unknown") << 69 << none << Bytes{{4, 6}} << "Fault_state"
                                                   << "Fault unknown";
        QTest::newRow("annunciator event") << 49 << none << Bytes{{0, 8}} << "current_output_event"
                                           << QString::fromUtf8("Раздел снят");
        QTest::newRow("socket voltage")
            << 57 << none << Bytes{{16, 22980 & 0xFF}, {17, 22980 >> 8}} << "voltage"
            << "229.8";
        QTest::newRow("socket current")
            << 57 << none << Bytes{{18, 1234 & 0xFF}, {19, 1234 >> 8}} << "current"
            << "12.34";
        QTest::newRow("socket power")
            << 57 << none << Bytes{{20, 995 & 0xFF}, {21, 995 >> 8}} << "active_power"
            << "99.5";
        QTest::newRow("socket state") << 57 << none << Bytes{{22, 6}} << "rozetka_state"
                                      << QString::fromUtf8("Включена кнопкой");
        QTest::newRow("socket state beyond the list")
            << 57 << none << Bytes{{22, 12}} << "rozetka_state"
            << "Load is disabled";
        QTest::newRow("circuit not active")
            << 14 << Bytes{{113, 1}} << Bytes{{36, 1}} << "kc_status"
            << "Not active";
        QTest::newRow("circuit state")
            << 14 << Bytes{{113, 3}, {96, 1}} << Bytes{{36, 4}} << "kc_status"
            << "High resistnace";
    }
    void outputRowsShowDeviceValues()
    {
        QFETCH(int, type);
        QFETCH(Bytes, settings);
        QFETCH(Bytes, status);
        QFETCH(QString, tag);
        QFETCH(QString, text);
        Build build{type};
        build.settingsBytes = settings;
        build.statusBytes = status;
        Sensor::SPtr device = make(build);
        Node *node = find(*device, tag);
        QVERIFY(node);
        QCOMPARE(shown(*node), text);
    }

    void relayModuleMovesWithItsMode()
    {
        Controller controller;
        Build build{14};
        build.partition = 0;
        build.hardware = {2, 0};
        build.settingsBytes[113] = 1;
        Sensor::SPtr relay = controller.enrol(build);
        QVERIFY(relay);
        WriteCounter counter;
        // Built in button mode: the circuit rows stay disabled whatever the mode becomes.
        for (const char *tag : {"kc_status", "kcPartition", "kcZoneType"})
            QCOMPARE(find(*relay, QLatin1String(tag))->enabled, 0);
        Node *partitionNode = find(*relay, QStringLiteral("kcPartition"));
        Node *zone = find(*relay, QStringLiteral("kcZoneType"));
        partitionNode->setter(3);
        zone->setter(5);
        QCOMPARE(counter.writes, 0);
        QCOMPARE(partitionNode->captionsGetter().first(), QStringLiteral("Executive devices"));

        Node *mode = find(*relay, QStringLiteral("kcMode"));
        mode->setter(1); // the stored mode: nothing to send
        QCOMPARE(counter.writes, 0);
        mode->setter(2);
        QCOMPARE(int(R::settingsByte(*relay, 113)), 3);
        QCOMPARE(int(relay->zoneType()), 2);
        QCOMPARE(int(relay->partition()), 1);
        QCOMPARE(counter.writes, 1);
        QCOMPARE(controller.model()->sensor(5), relay); // moved, not deleted
        QVERIFY(controller.model()->partition(1)->sensors().contains(relay));
        QVERIFY(!controller.model()->partition(0)->sensors().contains(relay));
        QCOMPARE(shown(*mode), QStringLiteral("Kc mode"));
        QCOMPARE(partitionNode->captionsGetter().first(), QStringLiteral("1"));
        QCOMPARE(shown(*partitionNode), QStringLiteral("1"));

        // In circuit mode the partition and zone type are the user's.
        partitionNode->setter(partitionNode->valuesGetter().at(2));
        QCOMPARE(int(relay->partition()), 3);
        zone->setter(zone->valuesGetter().at(3));
        QCOMPARE(int(relay->zoneType()), 5);
        QCOMPARE(counter.writes, 3);

        mode->setter(0);
        QCOMPARE(int(relay->partition()), 0);
        QCOMPARE(int(R::settingsByte(*relay, 113)), 0);
        QCOMPARE(counter.writes, 4);
        QCOMPARE(controller.model()->sensor(5), relay);
    }

    void oldRelayModuleFindsItsPartitionOnce_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("partition");
        QTest::addColumn<int>("movedTo");
        QTest::addColumn<QString>("text");
        QTest::newRow("circuit in partition 0") << 3 << 0 << 1 << "Kc mode";
        QTest::newRow("button mode in a partition") << 1 << 4 << 0 << "Button mode";
        QTest::newRow("unused mode 2") << 2 << 4 << 0 << "Unknown";
    }
    void oldRelayModuleFindsItsPartitionOnce()
    {
        QFETCH(int, mode);
        QFETCH(int, partition);
        QFETCH(int, movedTo);
        QFETCH(QString, text);
        Controller controller;
        Build build{14};
        build.partition = quint16(partition);
        build.settingsBytes[113] = mode;
        Sensor::SPtr relay = controller.enrol(build);
        WriteCounter counter;
        QSignalSpy reloads(relay.get(), &Sensor::reloadProperties);
        // Reading the mode, as the view does, is what moves it.
        QCOMPARE(shown(*find(*relay, QStringLiteral("kcMode"))), text);
        QCOMPARE(int(relay->partition()), movedTo);
        // Mend: the move is one record write, not two.
        const int writes = counter.writes;
        QCOMPARE(writes, 1);
        if (mode == 3)
            QCOMPARE(int(relay->zoneType()), 2);
        QCOMPARE(controller.model()->sensor(5), relay);
        QVERIFY(controller.model()->partition(movedTo)->sensors().contains(relay));
        // Later reads and records leave it where it is.
        shown(*find(*relay, QStringLiteral("kcMode")));
        const s_SensorIntData status = relay->status();
        relay->updateStatus(&status);
        const s_ExtMemDataSensor record = *relay->settingsData();
        relay->updateData(&record);
        QCOMPARE(int(relay->partition()), movedTo);
        QCOMPARE(counter.writes, writes);
        QCOMPARE(reloads.count(), 2);
    }

    void relayPowerRowsFollowTheSupply()
    {
        Build build{14};
        build.settingsBytes[112] = 1;
        build.statusBytes[92] = 0x08; // 2.056 V: no mains
        build.statusBytes[93] = 0x08;
        Sensor::SPtr relay = make(build);
        Node *mainState = find(*relay, QStringLiteral("main_power_stat"));
        Node *reserveState = find(*relay, QStringLiteral("reserve_power_state"));
        const s_ExtMemDataSensor first = *relay->settingsData();
        relay->updateData(&first);
        QCOMPARE(mainState->captionsGetter(), (QStringList{"Fail", "Ok", "Absense"}));
        QCOMPARE(mainState->getter().toInt(), int(relay->mainPowerState()));
        QCOMPARE(reserveState->getter().toInt(), int(relay->reservePowerState()));
        const s_ExtMemDataSensor swapped = withBytes(*relay, {{112, 0}});
        relay->updateData(&swapped);
        QCOMPARE(mainState->captionsGetter(), (QStringList{"Fail", "Not controlled", "Absense"}));
        QCOMPARE(mainState->getter().toInt(), int(relay->reservePowerState()));
        QCOMPARE(reserveState->getter().toInt(), int(relay->mainPowerState()));
    }

    void annunciatorSettingsAreStored()
    {
        Sensor::SPtr board = make({50});
        WriteCounter counter;
        Node *brightness = find(*board, QStringLiteral("Brightness"));
        brightness->setter(brightness->valuesGetter().at(2));
        QCOMPARE(int(R::settingsByte(*board, 217)), 2);
        QCOMPARE(shown(*brightness), QStringLiteral("Max"));
        Node *liftOff = find(*board, QStringLiteral("lift_off_state"));
        liftOff->setter(true);
        QCOMPARE(int(R::settingsByte(*board, 216)), 1);
        liftOff->setter(false);
        QCOMPARE(int(R::settingsByte(*board, 216)), 0);
        QCOMPARE(counter.writes, 3);
    }

    void configureButtonsOpenNothingInViewingMode()
    {
        Controller controller;
        controller.overmind.setViewingMode(true);
        for (int type : {7, 14, 20}) {
            Sensor::SPtr device = make({type});
            Node *button = find(*device, QStringLiteral("output_settings"));
            if (!button)
                button = find(*device, QStringLiteral("output_setting"));
            QVERIFY(button);
            QCOMPARE(button->kind, Node::ActionButton);
            QCOMPARE(button->captions, QStringList{"To configure"});
            button->setter(true); // no window, no dialog, no crash
        }
    }

    void climateBandsNarrow_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("hysteresis");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("humidity band")
            << "vti_humidity_group" << 0x0C << 60 << 40 << 5 << 45.0 << 55.0;
        QTest::newRow("humidity upper raised")
            << "vti_humidity_group" << 0x0C << 12 << 40 << 5 << 45.0 << 11.0;
        QTest::newRow("temperature upper raised")
            << "vti_temperature_group" << 0x03 << -8 << 20 << 3 << 23.0 << -9.0;
        QTest::newRow("temperature lower cut")
            << "vti_temperature_group" << 0x03 << 50 << 54 << 3 << 54.0 << 47.0;
        QTest::newRow("one edge: full range")
            << "vti_temperature_group" << 0x01 << 30 << 20 << 3 << -10.0 << 55.0;
        QTest::newRow("no edge: full range")
            << "vti_humidity_group" << 0x00 << 60 << 40 << 5 << 10.0 << 90.0;
    }
    void climateBandsNarrow()
    {
        QFETCH(QString, group);
        QFETCH(int, flags);
        QFETCH(int, maximum);
        QFETCH(int, minimum);
        QFETCH(int, hysteresis);
        QFETCH(double, lower);
        QFETCH(double, upper);
        const bool humidity = group.contains(QLatin1String("humidity"));
        const int base = humidity ? 128 : 120;
        const QString maxTag = humidity ? "max_humidity_threshold" : "max_temperature_threshold";
        const QString minTag = humidity ? "min_humidity_threshold" : "min_temperature_threshold";
        const QString hystTag = humidity ? "humidityHysteresis" : "tempHysteresis";
        Sensor::SPtr device = make({31});
        // A band narrowed before: the next record decides the limits anew.
        const s_ExtMemDataSensor narrow =
            withBytes(*device, {{142, 0x0F}, {base, 5000 & 0xFF}, {base + 1, 5000 >> 8}});
        device->updateData(&narrow);
        Bytes bytes{{142, flags}};
        for (auto [offset, units] :
             {std::pair<int, int>{base, maximum}, {base + 2, minimum}, {base + 4, hysteresis}}) {
            const quint16 raw = quint16(qint16(units * 100 + 37)); // hundredths are dropped
            bytes[offset] = raw & 0xFF;
            bytes[offset + 1] = raw >> 8;
        }
        QSignalSpy ranges(device.get(), &Sensor::rangesUpdated);
        const s_ExtMemDataSensor record = withBytes(*device, bytes);
        device->updateData(&record);
        QList<QVariant> signal;
        for (const QList<QVariant> &emitted : ranges) {
            if (emitted.at(2).toString() == group)
                signal = emitted;
        }
        QCOMPARE(signal.value(0).toDouble(), lower);
        QCOMPARE(signal.value(1).toDouble(), upper);
        Node *groupNode = find(*device, group);
        Node *maxNode = Sensor::findProperty(*groupNode, maxTag);
        Node *minNode = Sensor::findProperty(*groupNode, minTag);
        QCOMPARE(minNode->maximum, upper);
        QCOMPARE(maxNode->minimum, lower);
        const int maxBit = humidity ? 0x04 : 0x01;
        const int minBit = humidity ? 0x08 : 0x02;
        QCOMPARE(maxNode->enabled, int(bool(flags & maxBit)));
        QCOMPARE(minNode->enabled, int(bool(flags & minBit)));
        QCOMPARE(Sensor::findProperty(*groupNode, hystTag)->enabled, int(flags != 0));
    }

    void climateValuesAreEncoded_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("offset");
        QTest::addColumn<double>("entered");
        QTest::addColumn<int>("stored");
        QTest::newRow("negative reference") << "temperature_reference" << 126 << -5.5 << -550;
        QTest::newRow("reference keeps hundredths") << "humidity_reference" << 134 << 21.3 << 2130;
        QTest::newRow("threshold half rounds up")
            << "max_humidity_threshold" << 128 << 25.5 << 2600;
        QTest::newRow("threshold rounds down") << "max_humidity_threshold" << 128 << 25.4 << 2500;
        QTest::newRow("negative threshold") << "min_temperature_threshold" << 122 << -7.5 << -800;
        QTest::newRow("hysteresis") << "COHysteresis" << 138 << 3.6 << 400;
        QTest::newRow("CO reference") << "co_reference" << 140 << 12.25 << 1225;
    }
    void climateValuesAreEncoded()
    {
        QFETCH(QString, tag);
        QFETCH(int, offset);
        QFETCH(double, entered);
        QFETCH(int, stored);
        Sensor::SPtr device = make({31});
        Node *node = find(*device, tag);
        QVERIFY(node);
        WriteCounter counter;
        node->setter(entered);
        QCOMPARE(int(qint16(R::settingsWord(*device, offset))), stored);
        QCOMPARE(node->getter().toDouble(), stored / 100.0);
        QCOMPARE(counter.writes, 1);
        // A value that is no number is not stored at all.
        node->setter(std::nan(""));
        QCOMPARE(int(qint16(R::settingsWord(*device, offset))), stored);
        QCOMPARE(counter.writes, 1);
    }

    void climateEventsSetTheirBitOnly()
    {
        Build build{10};
        build.settingsBytes[142] = 0xE0;
        Sensor::SPtr device = make(build);
        QVERIFY(!find(*device, QStringLiteral("co")));
        QCOMPARE(find(*device, QStringLiteral("vti_humidity_group"))->expanded, 0);
        QCOMPARE(find(*device, QStringLiteral("max_humidity_threshold"))->enabled, 0);
        find(*device, QStringLiteral("min_humidity_event_enable"))->setter(true);
        QCOMPARE(int(R::settingsByte(*device, 142)), 0xE8);
        // Enabling follows the device's next record, not the edit.
        QCOMPARE(find(*device, QStringLiteral("min_humidity_threshold"))->enabled, 0);
        const s_ExtMemDataSensor record = *device->settingsData();
        device->updateData(&record);
        QCOMPARE(find(*device, QStringLiteral("min_humidity_threshold"))->enabled, 1);
        QCOMPARE(find(*device, QStringLiteral("humidityHysteresis"))->enabled, 1);
        find(*device, QStringLiteral("min_humidity_event_enable"))->setter(false);
        QCOMPARE(int(R::settingsByte(*device, 142)), 0xE0);
    }

    void buttonSecondModesFollowOutputGroupNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("key fob") << 11;
        QTest::newRow("keypad") << 73;
    }
    void buttonSecondModesFollowOutputGroupNames()
    {
        QFETCH(int, type);
        Controller controller;
        Build build{type};
        build.settingsBytes[124] = 0xFF;
        build.settingsBytes[125] = 4;
        build.settingsBytes[127] = 2; // the fob belongs to a user
        Sensor::SPtr device = make(build);
        Node *first = find(*device, QStringLiteral("Button1SecondMode"));
        Node *second = find(*device, QStringLiteral("Button2SecondMode"));
        QCOMPARE(shown(*first), QStringLiteral("Off"));
        QCOMPARE(shown(*second), QStringLiteral("5"));
        QCOMPARE(first->captionsGetter().size(), 17);
        WriteCounter counter;
        first->setter(first->valuesGetter().at(5));
        QCOMPARE(int(R::settingsByte(*device, 124)), 4);
        second->setter(second->valuesGetter().at(0));
        QCOMPARE(int(R::settingsByte(*device, 125)), 0xFF);
        QCOMPARE(counter.writes, 2);

        controller.overmind.setOutputGroupName(4, QStringLiteral("Gate"));
        QSignalSpy reloads(device.get(), &Sensor::reloadProperties);
        emit controller.overmind.readyGroupOutputsNames();
        QCOMPARE(reloads.count(), 1);
        const QStringList captions = first->captionsGetter();
        QCOMPARE(captions.value(5), QStringLiteral("5. Gate"));
        QCOMPARE(captions.value(3), QStringLiteral("3. "));
        QCOMPARE(shown(*first), QStringLiteral("5. Gate"));
        QCOMPARE(second->captionsGetter(), captions);
        first->setter(3);
        QCOMPARE(int(R::settingsByte(*device, 124)), 2);
    }

    void takingOffTheLawClearsThePermissionInOneWrite()
    {
        Build build{11};
        build.settingsBytes[126] = 0x07;
        build.settingsBytes[127] = 0;
        Sensor::SPtr fob = make(build);
        Node *permit = find(*fob, QStringLiteral("PermitDisSirenInUsedPart"));
        QCOMPARE(permit->enabled, 1);
        WriteCounter counter;
        find(*fob, QStringLiteral("LawTakeOff"))->setter(false);
        QCOMPARE(int(R::settingsByte(*fob, 126)), 0x01);
        QCOMPARE(counter.writes, 1);
        // The device's record without the law leaves the permission without a setter.
        const s_ExtMemDataSensor record = *fob->settingsData();
        fob->updateData(&record);
        QVERIFY(!permit->setter);
        find(*fob, QStringLiteral("LawTakeOn"))->setter(false);
        QCOMPARE(int(R::settingsByte(*fob, 126)), 0x00);
        const s_ExtMemDataSensor lawOn = withBytes(*fob, {{126, 0x02}});
        fob->updateData(&lawOn);
        QVERIFY(permit->setter);
        permit->setter(true);
        QCOMPARE(int(R::settingsByte(*fob, 126)), 0x06);
    }

    void keyFobWithoutUserOffersOnlyTheUser()
    {
        Controller controller;
        controller.addUser(0, QStringLiteral("Anna"));
        Build build{11};
        build.settingsBytes[127] = 0xFF;
        Sensor::SPtr fob = make(build);
        Node *group = find(*fob, QStringLiteral("Keychain_group"));
        const auto onlyUserEnabled = [group] {
            for (const Node &child : group->children) {
                if (child.enabled != int(child.tag == QLatin1String("User")))
                    return false;
            }
            return true;
        };
        QVERIFY(onlyUserEnabled());
        Node *user = find(*fob, QStringLiteral("User"));
        QCOMPARE(user->captionsGetter(), QStringList{QString()});
        QVERIFY(user->valuesGetter().isEmpty());
        const s_ExtMemDataSensor record = *fob->settingsData();
        fob->updateData(&record);
        QVERIFY(onlyUserEnabled());
        QCOMPARE(user->captionsGetter(), (QStringList{QString(), "Anna"}));
        QCOMPARE(user->valuesGetter(), (QVector<int>{-1, 0}));
        QCOMPARE(user->getter().toInt(), 0);
        user->setter(0);
        QCOMPARE(int(R::settingsByte(*fob, 127)), 0);
        user->setter(-1);
        QCOMPARE(int(R::settingsByte(*fob, 127)), 0xFF);
    }

    void keyFobUsersFollowTheUserTable()
    {
        Controller controller;
        controller.addUser(0, QStringLiteral("Anna"));
        controller.addUser(1, QString());
        Build build{11};
        build.settingsBytes[127] = 1;
        Sensor::SPtr fob = make(build);
        Node *user = find(*fob, QStringLiteral("User"));
        QSignalSpy reloads(fob.get(), &Sensor::reloadProperties);
        emit controller.overmind.ready();
        QCOMPARE(reloads.count(), 1);
        QCOMPARE(user->captionsGetter(), (QStringList{"Anna", "User #2"}));
        QCOMPARE(shown(*user), QStringLiteral("User #2"));

        controller.addUser(2, QStringLiteral("Boris")); // the table announces the new user
        QCOMPARE(reloads.count(), 2);
        QCOMPARE(user->captionsGetter(), (QStringList{"Anna", "User #2", "Boris"}));
        QCOMPARE(user->valuesGetter(), (QVector<int>{0, 1, 2}));
        QCOMPARE(shown(*user), QStringLiteral("User #2"));

        UserModel *users = controller.overmind.userModel();
        QVERIFY(users->removeUsers({users->index(1, 0)}));
        QVERIFY(!users->userById(1));
        QCOMPARE(reloads.count(), 3);
        QCOMPARE(user->valuesGetter(), (QVector<int>{0, 2}));
        QCOMPARE(shown(*user), QStringLiteral("Anna")); // the stored id is gone: first entry
        QCOMPARE(int(R::settingsByte(*fob, 127)), 1);

        // The keypad has no user to offer.
        Sensor::SPtr keypad = make({73});
        QVERIFY(!find(*keypad, QStringLiteral("User")));
    }

    void keyFobUsersWithoutUserTable()
    {
        Overmind overmind; // no settings objects yet
        Build build{11};
        build.settingsBytes[127] = 0xFF;
        Sensor::SPtr fob = make(build);
        fob->updateKeychainPropertyData();
        Node *user = find(*fob, QStringLiteral("User"));
        QVERIFY(user->captionsGetter().isEmpty());
        QVERIFY(user->valuesGetter().isEmpty());
        QCOMPARE(user->getter().toInt(), 0);
        // Nor does a fob have partitions to manage without a device description.
        QVERIFY(find(*fob, QStringLiteral("Keychain_Partition_group"))->children.empty());
    }

    void silentAlarmSetterFollowsFirmware_data()
    {
        QTest::addColumn<QVector<int>>("firmware");
        QTest::addColumn<bool>("built");
        QTest::addColumn<bool>("fullRefresh");
        QTest::addColumn<bool>("userRefresh");
        // Mend: each gate compares (major, minor) as one version, so 0.1 is below 1.1 and
        // 2.0 is past 1.2.
        QTest::newRow("0.0") << QVector<int>{0, 0} << false << false << false;
        QTest::newRow("0.1") << QVector<int>{0, 1} << false << false << false;
        QTest::newRow("0.9") << QVector<int>{0, 9} << false << false << false;
        QTest::newRow("1.0") << QVector<int>{1, 0} << false << false << false;
        QTest::newRow("1.1") << QVector<int>{1, 1} << false << true << true;
        QTest::newRow("1.2") << QVector<int>{1, 2} << true << true << true;
        QTest::newRow("2.0") << QVector<int>{2, 0} << true << true << true;
        QTest::newRow("2.1") << QVector<int>{2, 1} << true << true << true;
        QTest::newRow("2.2") << QVector<int>{2, 2} << true << true << true;
    }
    void silentAlarmSetterFollowsFirmware()
    {
        QFETCH(QVector<int>, firmware);
        QFETCH(bool, built);
        QFETCH(bool, fullRefresh);
        QFETCH(bool, userRefresh);
        Build build{11};
        build.firmware = firmware;
        build.settingsBytes[127] = 1;
        Sensor::SPtr fob = make(build);
        Node *silent = find(*fob, QStringLiteral("SilentAlarmMode"));
        QCOMPARE(bool(silent->setter), built);
        const s_ExtMemDataSensor record = *fob->settingsData();
        fob->updateData(&record);
        QCOMPARE(bool(silent->setter), fullRefresh);
        silent->setter = nullptr;
        const s_SensorIntData status = fob->status();
        fob->updateStatus(&status);
        QCOMPARE(bool(silent->setter), userRefresh);
        if (silent->setter) {
            silent->setter(QVariant::fromValue(SilentAlarmHold10));
            QCOMPARE(int(R::settingsByte(*fob, 128)), 1);
            silent->setter(QStringLiteral("no number"));
            QCOMPARE(int(R::settingsByte(*fob, 128)), 0);
        }
    }

    void keypadSilentAlarmConverts()
    {
        Build build{73};
        build.settingsBytes[126] = 7; // no known gesture: the first is shown
        Sensor::SPtr keypad = make(build);
        Node *silent = find(*keypad, QStringLiteral("SilentAlarmMode"));
        QCOMPARE(shown(*silent), QStringLiteral("Double click"));
        silent->setter(1);
        QCOMPARE(shown(*silent), QStringLiteral("One click"));
        silent->setter(QVariant::fromValue(QuietAlarmDoubleClick));
        QCOMPARE(int(R::settingsByte(*keypad, 126)), 0);
        silent->setter(9);
        QCOMPARE(int(R::settingsByte(*keypad, 126)), 0);
    }

    void managedPartitionsToggleTheirBit()
    {
        Controller controller;
        Build build{73};
        build.settingsBytes[120] = 0x01; // bit 0 is never touched
        build.settingsBytes[123] = 0x80; // nor are bits above 16
        Sensor::SPtr keypad = make(build);
        Node *group = find(*keypad, QStringLiteral("Keyboard_Partition_group"));
        QCOMPARE(int(group->children.size()), 16);
        QCOMPARE(group->expanded, 0);
        const QStringList names = controller.model()->partitionNames(false);
        Node &seventh = group->children.at(6);
        QCOMPARE(seventh.tag, names.at(7));
        QCOMPARE(seventh.caption, names.at(7));
        QCOMPARE(seventh.getter().toBool(), false);
        seventh.setter(true);
        const auto mask = [&keypad] {
            return quint32(R::settingsWord(*keypad, 120)) | quint32(R::settingsWord(*keypad, 122))
                                                                << 16;
        };
        QCOMPARE(mask(), 0x80000081u);
        QCOMPARE(seventh.getter().toBool(), true);
        seventh.setter(false);
        QCOMPARE(mask(), 0x80000001u);
    }

    void deletedKeyFobIsLeftAlone()
    {
        Controller controller;
        Build build{11};
        build.settingsBytes[127] = 0;
        Sensor::SPtr fob = controller.enrol(build, 7);
        Sensor::SPtr keypad = controller.enrol(Build{73}, 8);
        QVERIFY(fob && keypad);
        controller.model()->removeSensor(fob);
        controller.model()->removeSensor(keypad);
        QVERIFY(!controller.model()->sensor(7));
        fob.reset();
        keypad.reset();
        // Every signal the groups listened to: none may reach the freed devices.
        controller.addUser(2, QStringLiteral("Late"));
        emit controller.overmind.userModel()->signalUpdateSettings();
        emit controller.overmind.ready();
        controller.overmind.setOutputGroupName(0, QStringLiteral("Hall"));
        emit controller.overmind.readyGroupOutputsNames();
        controller.enrol(Build{4}, 9);
        QVERIFY(controller.model()->sensor(9));
    }
};

QTEST_MAIN(TestGroupsOutputClimateKeypad)
#include "test_groups_output_climate_keypad.moc"
