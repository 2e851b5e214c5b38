#include "app/Intervals.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "link/ProtocolTypes.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/params/SensorValueRoutines.h"
#include "sim/LogCapture.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimRadioStates.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"
#include "support/RussianScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <cstring>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;
constexpr quint8 OpWriteSensor = 0x6E;
constexpr quint8 OpReadSensor = 0x24;
constexpr quint8 OpDeleteSensor = 0x97;
constexpr quint8 OpKeepAlive = _SendRequestExtendLogout;
constexpr quint16 DoorId = 0;        // a magnetic contact in partition 1
constexpr quint16 MainsRelayId = 20; // a type-15 relay among the executive devices

struct Session : RadioSession
{
    QList<QByteArray> writesOf(quint16 id) { return payloadsOf(OpWriteSensor, id); }
    // Every command sent so far has reached the simulated device.
    bool settle()
    {
        const int before = device().commandsOf(OpKeepAlive).size();
        overmind()->protocol()->sendToDevice(_SendRequestExtendLogout, 0);
        return QTest::qWaitFor(
            [this, before] { return device().commandsOf(OpKeepAlive).size() > before; },
            DeviceTimeout);
    }
    // The writes and deletions the device received for the id, oldest first.
    QList<int> writesAndDeletionsOf(quint16 id)
    {
        QList<int> operations;
        for (const QByteArray &command : device().commands()) {
            const int operation = command.isEmpty() ? -1 : quint8(command.at(0));
            if ((operation == OpWriteSensor || operation == OpDeleteSensor) &&
                command.size() >= 3 &&
                quint16(quint8(command.at(1)) | quint8(command.at(2)) << 8) == id)
                operations << operation;
        }
        return operations;
    }
};

QTreeWidget *treeOf(SensorPropertiesWidget *view)
{
    return view->browser()->findChild<QTreeWidget *>();
}

// Clicks the value cell of the row that shows the tag and returns the editor it opened.
QWidget *openEditor(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    QtBrowserItem *item = property ? view->browser()->items(property).value(0) : nullptr;
    if (!item)
        return nullptr;
    QTreeWidget *tree = treeOf(view);
    QTreeWidgetItem *row = nullptr;
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it) {
        if ((*it)->text(0) == property->propertyName()) {
            row = *it;
            break;
        }
    }
    if (!row)
        return nullptr;
    tree->scrollToItem(row);
    const QRect cell = tree->visualItemRect(row);
    const int valueX = tree->header()->sectionViewportPosition(1) + 5;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(valueX, cell.center().y()));
    // The delegate puts the one open editor on the viewport.
    const QList<QWidget *> editors =
        tree->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors) {
        if (editor->isVisible())
            return editor;
    }
    return nullptr;
}

s_ExtMemDataSensor recordOf(const QByteArray &payload)
{
    s_ExtMemDataSensor record;
    std::memset(&record, 0, sizeof(record));
    if (payload.size() == int(sizeof(record)))
        std::memcpy(&record, payload.constData(), sizeof(record));
    return record;
}
} // namespace

// The property view against the simulated communicator, through the real transport.
class TestPropertyViewDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init()
    {
        Intervals::keepAliveMs = 600000;
        Intervals::loaderWatchdogMs = 180000;
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
    }

    void cleanup() { boxes.reset(); }

    void editsReachTheDeviceAndStatusesDoNot()
    {
        Session session;
        SimRadioConfiguration::install(session.device());
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.clickDevice(1, DoorId);
        QVERIFY(page);
        SensorPropertiesWidget *view = page->propertiesView();
        const Sensor::SPtr door = session.overmind()->partitionModel()->sensor(DoorId);
        QTRY_COMPARE(view->sensor(), door);
        QVERIFY(view->grab().save(
            QDir(QCoreApplication::applicationDirPath()).filePath("property_view_door.png"),
            "PNG"));
        VERIFY_RUSSIAN_ONLY(view, door->displayName().split(' '));
        session.device().clearCommands();

        // Name: typed into its line edit.
        auto *line = qobject_cast<QLineEdit *>(openEditor(view, QStringLiteral("name")));
        QVERIFY(line);
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Porch"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(session.writesOf(DoorId).size(), 1);
        s_ExtMemDataSensor sent = recordOf(session.writesOf(DoorId).last());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sent.name), 5), QByteArray("Porch"));
        QCOMPARE(sent.crc32, crc32Stm(&sent, s_ExtMemDataSensor::crcOffset));
        QCOMPARE(sent.reserved68, 0u);
        QCOMPARE(sent.reserved312, 0u);
        QCOMPARE(int(sent.compatibleVersion), 1);
        QCOMPARE(int(sent.criticalVersion), 1);
        QTRY_COMPARE(session.device().record(OpReadSensor, DoorId),
                     session.writesOf(DoorId).last());

        // Enabled: its check box.
        QWidget *enabledEditor = openEditor(view, QStringLiteral("sensorEnabled"));
        QVERIFY(enabledEditor);
        auto *box = enabledEditor->findChild<QCheckBox *>();
        if (!box)
            box = qobject_cast<QCheckBox *>(enabledEditor);
        QVERIFY(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QTRY_COMPARE(session.writesOf(DoorId).size(), 2);
        QVERIFY(!(recordOf(session.writesOf(DoorId).last()).settings.common.flags & 0x02));

        // Zone type and indication: their lists.
        auto *zone = qobject_cast<QComboBox *>(openEditor(view, QStringLiteral("zone_type")));
        QVERIFY(zone);
        QTest::keyClick(zone, Qt::Key_End); // "Enter"
        QTRY_COMPARE(session.writesOf(DoorId).size(), 3);
        QCOMPARE(int(recordOf(session.writesOf(DoorId).last()).settings.common.ZoneType), 4);
        auto *indication =
            qobject_cast<QComboBox *>(openEditor(view, QStringLiteral("indication")));
        QVERIFY(indication);
        QTest::keyClick(indication, Qt::Key_End); // "Off"
        QTRY_COMPARE(session.writesOf(DoorId).size(), 4);
        QCOMPARE(int(recordOf(session.writesOf(DoorId).last()).settings.common.LedMode), 3);
        QVERIFY2(boxes->seen.isEmpty(), qPrintable(boxes->seen.value(0).text));

        // A pushed status changes values and colours and sends nothing back.
        QTRY_VERIFY(!view->isCommitPending());
        session.device().clearCommands();
        s_SensorIntData status = SimRadioStates::heldStatus(session.device(), DoorId);
        status.flags |= SensorFlag::CaseOpen;
        status.rssi = -77;
        SimRadioStates::pushStatus(session.device(), DoorId, status);
        QtProperty *hull = view->propertyForTag(QStringLiteral("Hull_status"));
        QTRY_COMPARE(hull->valueText(), QCoreApplication::translate("Sensor", "Case is open"));
        QCOMPARE(view->browser()->backgroundColor(view->browser()->items(hull).value(0)),
                 QColor(SensorValueRoutines::AlarmColour));
        QVERIFY(door->colourFlags().red);
        QTRY_VERIFY(!view->isCommitPending());
        QVERIFY(session.writesOf(DoorId).isEmpty());

        // The device refuses a record: the refusal is logged as the device's error.
        LogCapture log;
        session.device().failNext(OpWriteSensor, SimCommunicator::ErrParameter);
        line = qobject_cast<QLineEdit *>(openEditor(view, QStringLiteral("name")));
        QVERIFY(line);
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Yard"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(log.contains(QStringLiteral("Error while operation 0x6e")));
        QCOMPARE(session.writesOf(DoorId).size(), 1);
    }

    // Mend: a mains loss pushed while the relay's view is open replaces "Ok"; a state the
    // captions lack is named by its number.
    void mainsLossOnARelayChangesTheCaption()
    {
        Session session;
        SimRadioConfiguration::install(session.device());
        QVERIFY(session.logInAndLoad());
        SensorPropertiesWidget *view = session.pickDevice(0, MainsRelayId);
        QVERIFY(view);
        QCOMPARE(view->sensor()->type(), 15);
        QtProperty *state = view->propertyForTag(QStringLiteral("main_power_stat"));
        QVERIFY(state);
        s_SensorIntData status = SimRadioStates::heldStatus(session.device(), MainsRelayId);
        status.flags &= ~SensorFlag::MainFailed;
        status.supplyVoltage = 12000;
        SimRadioStates::pushStatus(session.device(), MainsRelayId, status);
        QTRY_COMPARE(state->valueText(), Sensor::tr("Ok"));

        status.supplyVoltage = 0;
        SimRadioStates::pushStatus(session.device(), MainsRelayId, status);
        QTRY_COMPARE(state->valueText(), QtEnumPropertyManager::tr("Unknown (%1)").arg(2));

        status.supplyVoltage = 12000;
        status.flags |= SensorFlag::MainFailed;
        SimRadioStates::pushStatus(session.device(), MainsRelayId, status);
        QTRY_COMPARE(state->valueText(), Sensor::tr("Fail"));
    }

    // Mend: an edit still waiting for its commit goes out before the device's deletion, and
    // nothing is written for the device after it (0x6E after 0x97).
    void editJustBeforeDeletionIsNotWrittenAfterIt()
    {
        Session session;
        SimRadioConfiguration::install(session.device());
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.clickDevice(1, DoorId);
        QVERIFY(page);
        SensorPropertiesWidget *view = page->propertiesView();
        const Sensor::SPtr door = session.overmind()->partitionModel()->sensor(DoorId);
        QTRY_COMPARE(view->sensor(), door);
        session.device().clearCommands();
        auto *line = qobject_cast<QLineEdit *>(openEditor(view, QStringLiteral("name")));
        QVERIFY(line);
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Gate"));
        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY(view->isCommitPending());
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        page->deleteSelectedSensors();
        QTRY_VERIFY(!view->isCommitPending());
        door->writeToDevice(); // a late writer still holding the device
        const QList<int> expected{OpWriteSensor, OpDeleteSensor};
        QTRY_COMPARE_WITH_TIMEOUT(session.writesAndDeletionsOf(DoorId), expected, DeviceTimeout);
        QVERIFY(session.settle());
        QCOMPARE(session.writesAndDeletionsOf(DoorId), expected);
        const s_ExtMemDataSensor sent = recordOf(session.writesOf(DoorId).first());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sent.name), 4), QByteArray("Gate"));
    }

    void userWhoIsNotAnAdministratorCommitsNothing()
    {
        Session session;
        SimRadioConfiguration::install(session.device());
        QVERIFY(session.logInAndLoad());
        UserModel *users = session.overmind()->userModel();
        UserSettings *me = users->userById(quint8(session.overmind()->currentUserId()));
        if (!me)
            me = users->addUser(new UserSettings(nullptr, 0));
        QVERIFY(me);
        QCOMPARE(int(me->id()), session.overmind()->currentUserId());
        me->setAdmin(false);
        PartitionWidget *page = session.clickDevice(1, DoorId);
        QVERIFY(page);
        SensorPropertiesWidget *view = page->propertiesView();
        QTRY_VERIFY(view->sensor());
        session.device().clearCommands();
        auto *line = qobject_cast<QLineEdit *>(openEditor(view, QStringLiteral("name")));
        QVERIFY(line);
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Porch"));
        QTest::keyClick(line, Qt::Key_Return);
        // Refused at once: nothing waits for a commit, so nothing can be sent later.
        QVERIFY(!view->isCommitPending());
        QVERIFY(session.writesOf(DoorId).isEmpty());
        QCOMPARE(session.overmind()->partitionModel()->sensor(DoorId)->jsonKey(),
                 SimRadioConfiguration::devices().first().name);
    }
};

QTEST_MAIN(TestPropertyViewDevice)
#include "test_property_view_device.moc"
