#include "../../radio/RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "app/StepQueue.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "propertyeditor/ConstrainedEnumPropertyManager.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "propertyeditor/QtVariantProperty.h"
#include "propertyeditor/QtVariantPropertyManager.h"
#include "radio/params/SensorValueRoutines.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

using Node = Sensor::SensorProperty;

namespace {
Sensor::SPtr makeDevice(int type, uchar id = 3, quint32 flags = 0, quint16 millivolts = 3300)
{
    SensorReportFields fields;
    fields.type = type;
    fields.flags = flags;
    fields.supplyMillivolts = millivolts;
    fields.name = "Hall";
    const s_FullSensorData report = makeSensorReport(fields);
    return std::make_shared<Sensor>(id, &report);
}

Node *node(Sensor &device, const QString &tag)
{
    return Sensor::findProperty(device.propertyTree(), tag);
}

QtVariantProperty *variant(SensorPropertiesWidget &view, const QString &tag)
{
    QtProperty *property = view.propertyForTag(tag);
    auto *manager =
        qobject_cast<QtVariantPropertyManager *>(property ? property->propertyManager() : nullptr);
    return manager ? manager->variantProperty(property) : nullptr;
}

QVariant attributeOf(QtVariantProperty *property, const QString &name)
{
    auto *manager = qobject_cast<QtVariantPropertyManager *>(property->propertyManager());
    return manager->attributeValue(property, name);
}

ConstrainedEnumPropertyManager *constrained(QtProperty *property)
{
    return qobject_cast<ConstrainedEnumPropertyManager *>(property->propertyManager());
}

QtBrowserItem *itemOf(SensorPropertiesWidget &view, const QString &tag)
{
    QtProperty *property = view.propertyForTag(tag);
    const QList<QtBrowserItem *> items =
        property ? view.browser()->items(property) : QList<QtBrowserItem *>();
    return items.value(0);
}

// Counts the settings records the device would send, by the line every write logs.
class WriteCounter : public QObject
{
public:
    WriteCounter()
    {
        connect(Logger::instance(), &Logger::message, this,
                [this](const QString &, logLevel_t, const QString &text) {
                    if (text.startsWith(QLatin1String("Writing settings id:")))
                        ++count;
                });
    }
    int count = 0;
};

void addTestGroup(Sensor &device, std::vector<Node> children)
{
    device.propertyTree().children.push_back(
        Node::group(QStringLiteral("test_group"), QStringLiteral("Test"), std::move(children)));
}
} // namespace

class TestSensorPropertiesWidget : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;
    std::unique_ptr<WriteCounter> writes;
    std::unique_ptr<Logger> logger;

private slots:
    void initTestCase()
    {
        initDeviceTypeNames();
        if (!Logger::instance())
            logger = std::make_unique<Logger>();
    }

    void init()
    {
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().init(0, 0, 0, 0);
        overmind->setSettingsLoaded(true);
        writes = std::make_unique<WriteCounter>();
    }

    void cleanup()
    {
        writes.reset();
        overmind.reset();
    }

    void rowsFollowTheNodes()
    {
        Sensor::SPtr device = makeDevice(4);
        node(*device, QStringLiteral("bell_mode"))->setter = nullptr;
        SensorPropertiesWidget view;
        view.setSensor(device);
        QCOMPARE(view.browser()->properties().size(), 4); // general, main, power, contact

        QtVariantProperty *serial = variant(view, QStringLiteral("serial"));
        QCOMPARE(serial->value().toString(), device->serialNumberText());
        QVERIFY(attributeOf(serial, QStringLiteral("readOnly")).toBool());
        QVERIFY(serial->propertyIcon().isNull());
        QCOMPARE(serial->helpText(), QStringLiteral("Serial"));
        QtVariantProperty *name = variant(view, QStringLiteral("name"));
        QCOMPARE(name->value().toString(), QStringLiteral("Hall"));
        QVERIFY(!name->propertyIcon().isNull());
        QVERIFY(name->isEnabled());

        // A boolean without a setter is shown, with its value, disabled.
        QtVariantProperty *bell = variant(view, QStringLiteral("bell_mode"));
        QVERIFY(!bell->isEnabled());
        QCOMPARE(bell->value().toBool(), device->bellEnabled());

        QtProperty *hull = view.propertyForTag(QStringLiteral("Hull_status"));
        QVERIFY(!constrained(hull)); // read-only: no editor factory behind it
        QCOMPARE(hull->valueText(), QStringLiteral("Case is close"));
        QtProperty *zone = view.propertyForTag(QStringLiteral("zone_type"));
        QVERIFY(constrained(zone));
        QCOMPARE(zone->valueText(), QStringLiteral("Security"));

        QtProperty *button = view.propertyForTag(QStringLiteral("setRetranslator"));
        QCOMPARE(button->buttonText(), QStringLiteral("To configure"));
        view.buttonTextUpdate(QStringLiteral("Nothing"), QStringLiteral("X"));
        QCOMPARE(button->buttonText(), QStringLiteral("To configure"));
        emit device->buttonTextUpdate(QStringLiteral("Set retranslator"), QStringLiteral("Busy"));
        QCOMPARE(button->buttonText(), QStringLiteral("Busy"));
    }

    // Pages build their views one per turn of the event loop; a view asked to show a device
    // first builds at once, and a view gone before its turn is skipped.
    void viewsAreBuiltInTurnsOrWhenFirstNeeded()
    {
        auto early = std::make_unique<SensorPropertiesWidget>();
        auto gone = std::make_unique<SensorPropertiesWidget>();
        SensorPropertiesWidget waiting;
        SensorPropertiesWidget shown;
        QVERIFY(!waiting.findChild<QtTreePropertyBrowser *>());
        gone.reset();

        shown.setSensor(makeDevice(4));
        QCOMPARE(shown.findChildren<QtTreePropertyBrowser *>().size(), 1);
        QCOMPARE(shown.browser()->properties().size(), 4);

        QTRY_VERIFY_WITH_TIMEOUT(waiting.findChild<QtTreePropertyBrowser *>(), 10000);
        QVERIFY(early->findChild<QtTreePropertyBrowser *>());
        // Its own turn, coming later, builds nothing a second time.
        QTRY_VERIFY_WITH_TIMEOUT(StepQueue::instance()->isEmpty(), 10000);
        QCOMPARE(shown.findChildren<QtTreePropertyBrowser *>().size(), 1);
        QCOMPARE(shown.browser()->properties().size(), 4);
        waiting.setSensor(makeDevice(4));
        QCOMPARE(waiting.browser()->properties().size(), 4);
    }

    void spinChangesWithinTheDelaySendOneRecord()
    {
        Sensor::SPtr device = makeDevice(4);
        int stored = 0;
        int calls = 0;
        addTestGroup(*device, {Node::integer(
                                  QStringLiteral("level"), QStringLiteral("Level"), QString(),
                                  [&stored] { return QVariant(stored); },
                                  [&stored, &calls, &device](const QVariant &value) {
                                      stored = value.toInt();
                                      ++calls;
                                      device->writeToDevice();
                                  },
                                  0, 100)});
        SensorPropertiesWidget view;
        view.setSensor(device);
        QtVariantProperty *level = variant(view, QStringLiteral("level"));
        for (int value : {10, 20, 30})
            level->setValue(value);
        QVERIFY(view.isCommitPending());
        QTRY_VERIFY(!view.isCommitPending());
        QCOMPARE(calls, 1);
        QCOMPARE(stored, 30);
        QCOMPARE(writes->count, 1);
    }

    // Both edits reach the device, each with its own latest value.
    void editsOfTwoRowsAreBothCommitted()
    {
        Sensor::SPtr device = makeDevice(4);
        SensorPropertiesWidget view;
        view.setSensor(device);
        variant(view, QStringLiteral("name"))->setValue(QStringLiteral("Porch"));
        QtProperty *zone = view.propertyForTag(QStringLiteral("zone_type"));
        constrained(zone)->setValue(zone, 2); // "Enter"
        QTRY_VERIFY(!view.isCommitPending());
        QCOMPARE(device->jsonKey(), QStringLiteral("Porch"));
        QCOMPARE(int(device->zoneType()), 4);
        QCOMPARE(writes->count, 2);
    }

    void pendingEditsSurviveRefreshesAndSwitches()
    {
        Sensor::SPtr device = makeDevice(4);
        Sensor::SPtr other = makeDevice(6, 4);
        SensorPropertiesWidget view;
        view.setSensor(device);
        variant(view, QStringLiteral("name"))->setValue(QStringLiteral("Porch"));
        // The device's own records arrive before the commit: the edit stays shown.
        s_ExtMemDataSensor record = *device->settingsData();
        device->updateData(&record);
        const s_SensorIntData status = device->status();
        device->updateStatus(&status);
        QCOMPARE(variant(view, QStringLiteral("name"))->value().toString(),
                 QStringLiteral("Porch"));
        QCOMPARE(device->jsonKey(), QStringLiteral("Hall"));
        // Switching commits at once.
        view.setSensor(other);
        QCOMPARE(device->jsonKey(), QStringLiteral("Porch"));
        QCOMPARE(writes->count, 1);
        variant(view, QStringLiteral("name"))->setValue(QStringLiteral("Yard"));
        view.clear();
        QCOMPARE(other->jsonKey(), QStringLiteral("Yard"));
        QVERIFY(!view.isCommitPending());
    }

    // Records from the device change the rows and are never sent back.
    void deviceRecordsAreNotEdits()
    {
        Sensor::SPtr device = makeDevice(4);
        SensorPropertiesWidget view;
        view.setSensor(device);
        s_ExtMemDataSensor record = *device->settingsData();
        record.settings.common.ZoneType = 3;
        record.settings.common.flags &= ~0x02;
        record.name[0] = 'W';
        device->updateData(&record);
        QCOMPARE(variant(view, QStringLiteral("name"))->value().toString(), QStringLiteral("Wall"));
        QCOMPARE(view.propertyForTag(QStringLiteral("zone_type"))->valueText(),
                 QStringLiteral("Alarm"));
        QVERIFY(!variant(view, QStringLiteral("sensorEnabled"))->value().toBool());
        QVERIFY(!view.isCommitPending());
        s_SensorIntData status = device->status();
        status.flags |= SensorFlag::CaseOpen;
        device->updateStatus(&status);
        QVERIFY(!view.isCommitPending());
        QCOMPARE(writes->count, 0);
    }

    void editsAreHeldBackWhenNotAllowed_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("userAdmin"); // -1 no user table, 0 not admin, 1 admin, 2 unknown
        QTest::addColumn<bool>("committed");
        QTest::newRow("loaded, no user table") << true << -1 << true;
        QTest::newRow("settings still loading") << false << -1 << false;
        QTest::newRow("not an administrator") << true << 0 << false;
        QTest::newRow("administrator") << true << 1 << true;
        QTest::newRow("user not in the table") << true << 2 << true;
    }
    void editsAreHeldBackWhenNotAllowed()
    {
        QFETCH(bool, loaded);
        QFETCH(int, userAdmin);
        QFETCH(bool, committed);
        overmind->setSettingsLoaded(loaded);
        if (userAdmin >= 0) {
            overmind->createSettingsObjects(false);
            auto *user = new UserSettings(nullptr, 5);
            user->setAdmin(userAdmin == 1);
            UserSettings *added = overmind->userModel()->addUser(user);
            QVERIFY(added);
            overmind->onSuccesfullLogin(quint8(added->id() + (userAdmin == 2 ? 7 : 0)));
        }
        Sensor::SPtr device = makeDevice(4);
        SensorPropertiesWidget view;
        view.setSensor(device);
        variant(view, QStringLiteral("name"))->setValue(QStringLiteral("Porch"));
        QTRY_VERIFY(!view.isCommitPending());
        QCOMPARE(device->jsonKey(), committed ? QStringLiteral("Porch") : QStringLiteral("Hall"));
        QCOMPARE(writes->count, committed ? 1 : 0);
        // The held-back edit stays shown until the next refresh.
        QCOMPARE(variant(view, QStringLiteral("name"))->value().toString(),
                 QStringLiteral("Porch"));
        view.updateProperties();
        QCOMPARE(variant(view, QStringLiteral("name"))->value().toString(), device->jsonKey());
    }

    void enumerationCommitsTheDeviceValue()
    {
        Sensor::SPtr device = makeDevice(4);
        QVariantList received;
        const auto keep = [&received](const QVariant &value) { received << value; };
        addTestGroup(*device,
                     {Node::enumeration(
                          QStringLiteral("coded"), QStringLiteral("Coded"), [] { return 0; }, keep,
                          [] {
                              return QStringList{"a", "b", "c"};
                          },
                          [] {
                              return QVector<int>{10, 20, 30};
                          }),
                      Node::enumeration(
                          QStringLiteral("short"), QStringLiteral("Short"), [] { return 0; }, keep,
                          [] {
                              return QStringList{"a", "b", "c"};
                          },
                          [] { return QVector<int>{7}; })});
        SensorPropertiesWidget view;
        view.setSensor(device);
        QtProperty *coded = view.propertyForTag(QStringLiteral("coded"));
        constrained(coded)->setValue(coded, 2);
        QtProperty *shortList = view.propertyForTag(QStringLiteral("short"));
        constrained(shortList)->setValue(shortList, 2);
        QTRY_VERIFY(!view.isCommitPending());
        // The second has no device value for its third caption, so nothing is sent for it.
        QCOMPARE(received, QVariantList{30});
    }

    void actionButtonsWorkWhileEditsAreHeldBack()
    {
        overmind->setSettingsLoaded(false);
        Sensor::SPtr device = makeDevice(4);
        int presses = 0;
        addTestGroup(*device,
                     {Node::actionButton(QStringLiteral("act"), QStringLiteral("Act"),
                                         QStringLiteral("Go"), [&presses](const QVariant &value) {
                                             presses += value.toBool() ? 1 : 100;
                                         })});
        SensorPropertiesWidget view;
        view.setSensor(device);
        view.onButtonPropertyChanged(view.propertyForTag(QStringLiteral("act")));
        QCOMPARE(presses, 1);
    }

    // A getter that makes the page show another device, or none, runs that request only
    // after the refresh that called it.
    void deviceMovedByItsOwnGetterWhileShown()
    {
        Sensor::SPtr device = makeDevice(4);
        Sensor::SPtr other = makeDevice(6, 4);
        SensorPropertiesWidget view;
        bool move = false;
        Sensor::SPtr next;
        addTestGroup(*device,
                     {Node::readOnlyString(QStringLiteral("mover"), QStringLiteral("Mover"), [&] {
                         if (move)
                             view.setSensor(next);
                         return QVariant(QStringLiteral("x"));
                     })});
        view.setSensor(device);
        QtProperty *rssi = view.propertyForTag(QStringLiteral("rssi"));
        move = true;
        next = nullptr;
        view.updateProperties();
        QCOMPARE(view.sensor(), device);
        QVERIFY(view.propertyForTag(QStringLiteral("rssi")) == rssi);
        QTRY_VERIFY(!view.sensor());

        move = false;
        view.setSensor(device);
        move = true;
        next = other;
        const s_SensorIntData status = device->status();
        device->updateStatus(&status);
        QTRY_COMPARE(view.sensor(), other);
        QVERIFY(view.propertyForTag(QStringLiteral("mover")) == nullptr);
        // A direct request after a deferred one wins.
        move = false;
        view.setSensor(device);
        move = true;
        next = nullptr;
        view.updateProperties();
        view.setSensor(other);
        QCoreApplication::processEvents();
        QCOMPARE(view.sensor(), other);
    }

    void expandedStateAndColoursPersist()
    {
        Sensor::SPtr device = makeDevice(4, 3, SensorFlag::CaseOpen);
        Sensor::SPtr other = makeDevice(6, 4);
        SensorPropertiesWidget view;
        view.setSensor(device);
        // As the page does on a selection: the status refresh paints the colours.
        s_SensorIntData status = device->status();
        device->updateStatus(&status);
        QtTreePropertyBrowser *browser = view.browser();
        QtBrowserItem *main = browser->topLevelItem(view.propertyForTag(QStringLiteral("main")));
        QVERIFY(browser->isExpanded(main));
        QCOMPARE(browser->backgroundColor(itemOf(view, QStringLiteral("Hull_status"))),
                 QColor(SensorValueRoutines::AlarmColour));
        browser->setExpanded(main, false);
        view.setSensor(other);
        view.setSensor(device);
        main = browser->topLevelItem(view.propertyForTag(QStringLiteral("main")));
        QVERIFY(!browser->isExpanded(main));
        QCOMPARE(browser->backgroundColor(itemOf(view, QStringLiteral("Hull_status"))),
                 QColor(SensorValueRoutines::AlarmColour));
        emit device->reloadProperties();
        main = browser->topLevelItem(view.propertyForTag(QStringLiteral("main")));
        QVERIFY(!browser->isExpanded(main));

        // Out of touch the colours stay as last shown.
        status.flags = SensorFlag::Lost;
        device->updateStatus(&status);
        QCOMPARE(browser->backgroundColor(itemOf(view, QStringLiteral("Hull_status"))),
                 QColor(SensorValueRoutines::AlarmColour));
        // A disabled row loses its colour.
        status.flags = SensorFlag::CaseOpen;
        node(*device, QStringLiteral("Hull_status"))->enabled = 0;
        device->updateStatus(&status);
        QCOMPARE(browser->backgroundColor(itemOf(view, QStringLiteral("Hull_status"))),
                 QColor(Qt::transparent));
    }

    void thresholdLimitsFollowTheDevice()
    {
        // A type without climate groups of its own, so the stand-in rows are the only ones.
        Sensor::SPtr device = makeDevice(4);
        const auto zero = [] { return QVariant(0); };
        const auto ignore = [](const QVariant &) {};
        addTestGroup(*device, {Node::integer(QStringLiteral("min_humidity_threshold"), "Min",
                                             QString(), zero, ignore, 0, 100),
                               Node::integer(QStringLiteral("max_humidity_threshold"), "Max",
                                             QString(), zero, ignore, 0, 100)});
        SensorPropertiesWidget view;
        view.setSensor(device);
        emit device->rangesUpdated(20, 70, QStringLiteral("vti_humidity_group"));
        QCOMPARE(attributeOf(variant(view, QStringLiteral("min_humidity_threshold")),
                             QStringLiteral("maximum"))
                     .toInt(),
                 70);
        QCOMPARE(attributeOf(variant(view, QStringLiteral("max_humidity_threshold")),
                             QStringLiteral("minimum"))
                     .toInt(),
                 20);
        emit device->rangesUpdated(50, 60, QStringLiteral("vti_temperature_group"));
        QCOMPARE(attributeOf(variant(view, QStringLiteral("min_humidity_threshold")),
                             QStringLiteral("maximum"))
                     .toInt(),
                 70);
    }

    // Pictures for a reviewer, one per power form.
    void screenshotsOfEachPowerForm_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<int>("millivolts");
        QTest::newRow("default") << 2 << quint32(SensorFlag::ReserveFailed | SensorFlag::CaseOpen)
                                 << 3300;
        QTest::newRow("keyfob") << 11 << 0u << 2050;
        QTest::newRow("relay-module") << 14 << 0u << 3300;
        QTest::newRow("mains-relay") << 15 << quint32(SensorFlag::MainFailed) << 3300;
        QTest::newRow("accumulator") << 49 << 0u << 3300;
        QTest::newRow("repeater") << 30 << 0u << 2000;
    }
    void screenshotsOfEachPowerForm()
    {
        QFETCH(int, type);
        QFETCH(quint32, flags);
        QFETCH(int, millivolts);
        Sensor::SPtr device = makeDevice(type, 3, flags, quint16(millivolts));
        SensorPropertiesWidget view;
        view.resize(420, 640);
        view.setSensor(device);
        const s_SensorIntData status = device->status();
        device->updateStatus(&status);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString path = QDir(QCoreApplication::applicationDirPath())
                                 .filePath(QStringLiteral("property-view-%1.png")
                                               .arg(QString::fromLatin1(QTest::currentDataTag())));
        QFile::remove(path);
        QVERIFY(view.grab().save(path, "PNG"));
    }
};

QTEST_MAIN(TestSensorPropertiesWidget)
#include "test_sensor_properties_widget.moc"
