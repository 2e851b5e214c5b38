#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "link/ProtocolTypes.h"
#include "pages/radio/AddSensorsList.h"
#include "pages/radio/DeleteById.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionSelectionWidget.h"
#include "pages/radio/PartitionStatus.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/PartitionsStatusWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/PartitionRecords.h"
#include "radio/SensorRecords.h"
#include "sim/LogCapture.h"
#include "sim/SimCommunicator.h"
#include "sim/SimPartitions.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QtEndian>
#include <cstring>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;
using Config = SimRadioConfiguration;

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

struct Session : RadioSession
{
    Session() : RadioSession(true) {}
    SimPartitions *partitions() { return SimPartitions::of(sim.communicator()); }

    // The program sized as on a laptop, logged in; the settings may still be arriving.
    bool logInAndLoad()
    {
        window()->resize(1280, 800);
        return logIn();
    }

    // Every request sent so far has reached the device and every answer to them the
    // program: a request now follows the others through the link, a device text after it
    // follows their answers.
    bool settle()
    {
        const int targets = device().commandsOf(0x7D).size();
        overmind()->protocol()->setPartitionForNewSensors(quint16(partitions()->target()));
        if (!QTest::qWaitFor([&] { return device().commandsOf(0x7D).size() > targets; },
                             DeviceTimeout))
            return false;
        LogCapture log;
        device().send(SimCommunicator::message(0xC8, 0, QByteArray("settled", 8)));
        return QTest::qWaitFor([&log] { return log.contains("settled"); }, DeviceTimeout);
    }

    int devicesOf(int partition) const
    {
        int count = 0;
        for (const Config::Device &device : Config::devices())
            count += device.partition == partition ? 1 : 0;
        return count;
    }
};

QString trIn(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

QModelIndex rowOf(SensorItemModel *model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->sensorAt(row)->id() == id)
            return model->index(row, 0);
    return QModelIndex();
}

bool lists(PartitionWidget *page, int id)
{
    return rowOf(page->sensorModel(), id).isValid();
}

void select(PartitionWidget *page, const QList<int> &ids)
{
    QItemSelectionModel *selection = page->sensorView()->selectionModel();
    selection->clearSelection();
    for (int id : ids)
        selection->select(rowOf(page->sensorModel(), id), QItemSelectionModel::Select);
}

s_ExtMemDataPartition partitionRecord(SimCommunicator &device, int index)
{
    s_ExtMemDataPartition block;
    std::memset(&block, 0, sizeof(block));
    const QByteArray bytes = device.record(0x25, quint16(index));
    if (bytes.size() == int(sizeof(block)))
        std::memcpy(&block, bytes.constData(), sizeof(block));
    return block;
}

int devicePartitionByte(SimCommunicator &device, int id)
{
    const QByteArray record = device.record(0x24, quint16(id));
    return record.size() == 512 ? quint8(record.at(96)) : -1;
}

QList<int> idsOf(const QList<QByteArray> &commands)
{
    QList<int> ids;
    for (const QByteArray &command : commands)
        ids << qFromLittleEndian<quint16>(command.constData() + 1);
    return ids;
}

PartitionStatus *statusRow(MainWindow *window, int index)
{
    for (PartitionStatus *row : window->findChildren<PartitionStatus *>())
        if (row->partition() && row->partition()->index() == index)
            return row;
    return nullptr;
}
} // namespace

class TestPartitionPageDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void initTestCase() { Logger::registerMetaType(); }

    void init()
    {
        Intervals::keepAliveMs = 600000;
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
    }
    void cleanup() { boxes.reset(); }

    // The form of partition 2 goes to the device as one sealed record; a duplicate name
    // writes nothing.
    void saveWritesThePartitionRecord()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(2);
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(page->findChild<QPushButton *>("pbSave")->isEnabled(),
                                 DeviceTimeout);
        auto *name = page->findChild<QLineEdit *>("leName");
        auto *number = page->findChild<QSpinBox *>("sbNumber");
        QCOMPARE(name->text(), Config::partitionName(2));
        QCOMPARE(session.page(2)->button()->text(),
                 QStringLiteral("2. %1").arg(Config::partitionName(2)));

        // Another slot's name: refused, reloaded, nothing sent.
        session.device().clearCommands();
        name->setText(Config::partitionName(3));
        page->findChild<QPushButton *>("pbSave")->click();
        QVERIFY(boxes->sawText(
            trIn("PartitionWidget", "A section with this index or name already exists.")));
        QCOMPARE(name->text(), Config::partitionName(2));
        QCOMPARE(session.device().commandsOf(0x6F).size(), 0);

        name->setText(QStringLiteral("Склад Б"));
        QCOMPARE(name->property("changed").toBool(), true);
        number->setValue(22);
        auto *alarm = page->findChild<QCheckBox *>("cbAutoTakeFromAlarm");
        alarm->setChecked(!alarm->isChecked());
        const bool alarmOn = alarm->isChecked();
        auto *selector = page->findChild<PartitionSelectionWidget *>("partitions");
        selector->setPartitionsMask(0x10);
        page->findChild<QPushButton *>("pbSave")->click();
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x6F).size(), 1, DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(partitionRecord(session.device(), 2).settings.num, quint16(22),
                                  DeviceTimeout);
        const s_ExtMemDataPartition record = partitionRecord(session.device(), 2);
        const QByteArray utf8 = QStringLiteral("Склад Б").toUtf8();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.name), utf8.size() + 1),
                 utf8 + QByteArray(1, '\0'));
        QCOMPARE(record.nameCrc, crc32Stm(record.name, 64));
        QCOMPARE(bool(record.settings.flags & 0x02), alarmOn);
        QCOMPARE(record.settings.ControlPartitions, quint32(0x10));
        QCOMPARE(record.crc32, crc32Stm(&record, s_ExtMemDataPartition::crcOffset));
        QTRY_COMPARE(session.page(2)->button()->text(), QStringLiteral("22. Склад Б"));
        QCOMPARE(name->property("changed").toBool(), false);
        saveScreenshot(session.window(), QStringLiteral("partition-page.png"));

        // Reset: the device writes its default block, which the page shows.
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        session.device().clearCommands();
        page->findChild<QPushButton *>("pbReset")->click();
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x02).size(), 1, DeviceTimeout);
        const QByteArray reset = session.device().commandsOf(0x02).first();
        QCOMPARE(reset.mid(1, 4), QByteArray::fromHex("09000200"));
        QTRY_COMPARE_WITH_TIMEOUT(number->value(), 2, DeviceTimeout);
        QTRY_COMPARE(name->text(), trIn("Partition", "Partition # %1").arg(QStringLiteral("02")));
    }

    // Arming from the page and from the status panel: lock, icon and tab button follow the
    // device; a refusal toggles the lock back.
    void armingFollowsTheDevice()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(2);
        auto *lock = page->findChild<QPushButton *>("pbLock");
        QTRY_VERIFY_WITH_TIMEOUT(lock->isEnabled(), DeviceTimeout);
        QVERIFY(!lock->isChecked());
        // Partition 1 controls 2 and 3: it cannot be armed on its own.
        QVERIFY(!session.page(1)->findChild<QPushButton *>("pbLock")->isEnabled());

        session.device().clearCommands();
        lock->click();
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x51).size(), 1, DeviceTimeout);
        QCOMPARE(session.device().commandsOf(0x51).first().mid(3, 4),
                 QByteArray::fromHex("04000000"));
        QTRY_COMPARE_WITH_TIMEOUT(page->partition()->state(), quint16(16), DeviceTimeout);
        QVERIFY(lock->isChecked());
        QVERIFY(!page->findChild<QPushButton *>("pbSave")->isEnabled());
        PartitionStatus *row = statusRow(session.window(), 2);
        QVERIFY(row);
        QCOMPARE(row->lockButton()->text(), trIn("PartitionStatus", "Unlock"));
        QVERIFY(!session.page(2)->button()->acceptDrops());

        // The device refuses to disarm (access level): the lock goes back to armed.
        session.partitions()->refuseNextArming(77);
        lock->click();
        QVERIFY(!lock->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(lock->isChecked(), DeviceTimeout);
        QCOMPARE(page->partition()->state(), quint16(16));

        // Disarmed from the status panel.
        row->lockButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(page->partition()->state(), quint16(8), DeviceTimeout);
        QVERIFY(!lock->isChecked());
        QCOMPARE(row->lockButton()->text(), trIn("PartitionStatus", "Lock"));
        QVERIFY(session.page(2)->button()->acceptDrops());
        saveScreenshot(session.window()->form()->partitionStatusWidget,
                       QStringLiteral("partition-status-panel.png"));
        saveScreenshot(session.window()->form()->lwPartitions,
                       QStringLiteral("partition-tab-buttons.png"));
    }

    // A refused arm, whatever the code: one box, the lock shows the partition disarmed as the
    // device reports it, and the next click arms again. A refused user write leaves the lock.
    void refusedArmingLeavesTheLockWithTheDevice_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("access level") << 77;
        QTest::newRow("parameter") << 78;
    }

    void refusedArmingLeavesTheLockWithTheDevice()
    {
        QFETCH(int, code);
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(2);
        auto *lock = page->findChild<QPushButton *>("pbLock");
        QTRY_VERIFY_WITH_TIMEOUT(lock->isEnabled(), DeviceTimeout);
        QVERIFY(!lock->isChecked());
        boxes->seen.clear();

        session.partitions()->refuseNextArming(quint16(code));
        lock->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 1, DeviceTimeout);
        QVERIFY(boxes->seen.first().text.contains(Protocol::firmwareUpdateErrorString(code)));
        QTRY_VERIFY_WITH_TIMEOUT(!lock->isChecked(), DeviceTimeout);
        QCOMPARE(page->partition()->state(), quint16(8));

        // Refused elsewhere: the lock stays as it is.
        UserSettings *user = session.overmind()->userModel()->users().last();
        session.device().failNext(0x79, SimCommunicator::ErrParameter);
        user->store();
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 2, DeviceTimeout);
        QVERIFY(!lock->isChecked());

        session.device().clearCommands();
        lock->click();
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x51).size(), 1, DeviceTimeout);
        QVERIFY(session.device().commandsOf(0x52).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(page->partition()->state(), quint16(16), DeviceTimeout);
        QVERIFY(lock->isChecked());
        QCOMPARE(boxes->seen.size(), 2);
    }

    // Mend: a status push leaves keyboard focus where it was, so a Space typed next does not
    // reach the lock button.
    void spaceAfterAStatusPushDoesNotArm()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(2);
        auto *lock = page->findChild<QPushButton *>("pbLock");
        QTRY_VERIFY_WITH_TIMEOUT(lock->isEnabled(), DeviceTimeout);
        QApplication::setActiveWindow(session.window());
        QWidget *list = page->sensorView();
        list->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QSignalSpy pushed(page->partition(), &Partition::statusUpdated);
        session.partitions()->pushStatus(2, page->partition()->mainState());
        QTRY_VERIFY_WITH_TIMEOUT(pushed.count() > 0, DeviceTimeout);
        QCOMPARE(QApplication::focusWidget(), list);
        session.device().clearCommands();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!lock->isChecked());
        QVERIFY(lock->isEnabled());
    }

    // A user who may arm but not disarm, with partition 11 alone: the panel and the page
    // offer arming there only, and nothing once it is armed.
    void rightsDecideTheLockButtons()
    {
        Session session;
        session.device().setCredentials(QString::fromLatin1(SimulatedSetup::Login),
                                        QString::fromLatin1(SimulatedSetup::Password), 12, 2);
        QVERIFY(session.logInAndLoad());
        QTRY_VERIFY_WITH_TIMEOUT(statusRow(session.window(), 11), DeviceTimeout);
        PartitionStatus *eleven = statusRow(session.window(), 11);
        PartitionStatus *two = statusRow(session.window(), 2);
        QVERIFY(eleven->lockButton()->isEnabled());
        QCOMPARE(eleven->lockButton()->text(), trIn("PartitionStatus", "Lock"));
        QVERIFY(!two->lockButton()->isEnabled());
        QVERIFY(statusRow(session.window(), 0)->lockButton()->isHidden());
        PartitionWidget *page = session.showPage(11);
        auto *lock = page->findChild<QPushButton *>("pbLock");
        QVERIFY(lock->isEnabled());
        QVERIFY(!session.page(2)->findChild<QPushButton *>("pbLock")->isEnabled());
        eleven->lockButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(page->partition()->state(), quint16(16), DeviceTimeout);
        QCOMPARE(eleven->lockButton()->text(), trIn("PartitionStatus", "Unlock"));
        QVERIFY(!eleven->lockButton()->isEnabled());
        QVERIFY(lock->isChecked());
        QVERIFY(!lock->isEnabled());
    }

    // Enrolment: the page points new devices at its partition, the list shows what joins,
    // Stop ends it on the device's word.
    void enrolmentListsNewDevices()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(2);
        QTRY_COMPARE_WITH_TIMEOUT(session.partitions()->target(), 2, DeviceTimeout);
        auto *allow = page->findChild<QPushButton *>("pbAllowAddSensors");
        QTRY_VERIFY_WITH_TIMEOUT(allow->isEnabled(), DeviceTimeout);
        // The stop requests of the pages hidden on the way are answered first.
        QVERIFY(session.settle());
        QVERIFY(!allow->isChecked());
        session.device().clearCommands();
        allow->click();
        QVERIFY(page->enrolmentList()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(session.partitions()->isEnrolling(), DeviceTimeout);
        QCOMPARE(idsOf(session.device().commandsOf(0xB4)), QList<int>{1});
        const int id = session.partitions()->enrolNow();
        QVERIFY(id >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(page->enrolmentList()->rowCount(), 1, DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(lists(page, id), DeviceTimeout);
        QVERIFY(allow->isChecked());
        saveScreenshot(page->enrolmentList(), QStringLiteral("partition-enrolment-list.png"));

        page->enrolmentList()->findChild<QPushButton *>("pbStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!page->enrolmentList()->isVisible(), DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!session.partitions()->isEnrolling(), DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!allow->isChecked(), DeviceTimeout);
        QVERIFY(idsOf(session.device().commandsOf(0xB4)).endsWith(0));
    }

    // Deleting a selection that holds the loop deletes the radio devices only.
    void deletionSkipsTheLoop()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(2);
        QTRY_COMPARE_WITH_TIMEOUT(page->sensorModel()->rowCount(), session.devicesOf(2) + 1,
                                  DeviceTimeout);
        QModelIndex loopRow;
        for (int row = 0; row < page->sensorModel()->rowCount(); ++row)
            if (page->sensorModel()->sensorAt(row)->type() == 9)
                loopRow = page->sensorModel()->index(row, 0);
        QVERIFY(loopRow.isValid());
        select(page, {3, 4});
        page->sensorView()->selectionModel()->select(loopRow, QItemSelectionModel::Select);
        QVERIFY(!page->findChild<QPushButton *>("pbDeleteSelectedSensors")->isEnabled());
        // The loop makes the selection undeletable; the radio devices alone are.
        page->sensorView()->selectionModel()->select(loopRow, QItemSelectionModel::Deselect);
        QVERIFY(page->findChild<QPushButton *>("pbDeleteSelectedSensors")->isEnabled());
        page->sensorView()->selectionModel()->select(loopRow, QItemSelectionModel::Select);
        session.device().clearCommands();
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        page->deleteSelectedSensors();
        QCOMPARE(session.device().commandsOf(0x97).size(), 0);
        page->sensorView()->selectionModel()->select(loopRow, QItemSelectionModel::Deselect);
        page->deleteSelectedSensors();
        QVERIFY(boxes->sawText(
            trIn("PartitionWidget", "Are you sure you want to delete %1 dev.?").arg(2)));
        QTRY_COMPARE_WITH_TIMEOUT(idsOf(session.device().commandsOf(0x97)), (QList<int>{3, 4}),
                                  DeviceTimeout);
        QTRY_VERIFY(!lists(page, 3) && !lists(page, 4));
        QVERIFY(rowOf(page->sensorModel(), 3) == QModelIndex());
    }

    // Moves by the menu and by a drop reach the device record and leave the device listed
    // on its new page only, while connected.
    void movesReachTheDeviceAndTheNewPage()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *garage = session.showPage(2);
        QTRY_COMPARE_WITH_TIMEOUT(garage->sensorModel()->rowCount(), session.devicesOf(2) + 1,
                                  DeviceTimeout);
        select(garage, {3});
        garage->refreshMoveActions();
        QAction *toFour = nullptr;
        for (QAction *action : garage->moveMenu()->actions())
            if (action->property("part_id").toInt() == 4)
                toFour = action;
        QVERIFY(toFour);
        QVERIFY(toFour->isEnabled());
        for (QAction *action : garage->moveMenu()->actions())
            if (action->property("part_id").toInt() == 3)
                QVERIFY(!action->isEnabled()); // armed
        toFour->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(devicePartitionByte(session.device(), 3), 4, DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(lists(session.page(4), 3), DeviceTimeout);
        QVERIFY(!lists(garage, 3));

        // A drag of device 4 onto partition 5's button.
        select(garage, {4});
        std::unique_ptr<QMimeData> payload(garage->sensorModel()->mimeData(
            garage->sensorView()->selectionModel()->selectedIndexes()));
        QVERIFY(payload);
        PartitionCommandLinkButton *five = session.page(5)->button();
        QVERIFY(!session.page(2)->button()->acceptsDragFrom(payload.get(), garage->sensorView()));
        QVERIFY(five->acceptsDragFrom(payload.get(), garage->sensorView()));
        QVERIFY(!session.page(0)->button()->acceptsDragFrom(payload.get(), garage->sensorView()));
        QVERIFY(!session.page(-1)->button()->acceptsDragFrom(payload.get(), garage->sensorView()));
        QCOMPARE(five->dropDevices(payload.get()), 1);
        QTRY_COMPARE_WITH_TIMEOUT(devicePartitionByte(session.device(), 4), 5, DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(lists(session.page(5), 4), DeviceTimeout);
        QVERIFY(!lists(garage, 4));
        QVERIFY(!lists(session.page(4), 4));
        // Still one device each in All devices.
        QVERIFY(lists(session.page(-1), 3));
        QVERIFY(lists(session.page(-1), 4));
    }

    // Yes in the leave question saves as Save does: without take delay the energy-saving
    // devices of the partition are switched to normal mode first.
    void leavingWithYesSwitchesEnergySavingOff()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *office = session.showPage(1);
        QTRY_VERIFY_WITH_TIMEOUT(office->findChild<QPushButton *>("pbSave")->isEnabled(),
                                 DeviceTimeout);
        QVERIFY(quint8(session.device().record(0x24, 1).at(120)) != 0);
        auto *delay = office->findChild<QCheckBox *>("cbTakeDelay");
        QVERIFY(delay->isChecked());
        delay->setChecked(false);
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        QVERIFY(office->confirmLeave());
        QVERIFY(boxes->sawText(trIn("PartitionWidget", "Take delay changed") + ".\n" +
                               trIn("PartitionWidget", "Save changes?")));
        QTRY_COMPARE_WITH_TIMEOUT(int(quint8(session.device().record(0x24, 1).at(120))), 0,
                                  DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(partitionRecord(session.device(), 1).settings.flags & 0x04, 0,
                                  DeviceTimeout);
    }

    // Mend: a save the number check refuses writes nothing, the devices' energy saving
    // included.
    void refusedSaveWritesNothing()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *office = session.showPage(1);
        QTRY_VERIFY_WITH_TIMEOUT(office->findChild<QPushButton *>("pbSave")->isEnabled(),
                                 DeviceTimeout);
        const QByteArray device = session.device().record(0x24, 1);
        QVERIFY(quint8(device.at(120)) != 0);
        const s_ExtMemDataPartition before = partitionRecord(session.device(), 1);
        office->findChild<QCheckBox *>("cbTakeDelay")->setChecked(false);
        office->findChild<QSpinBox *>("sbNumber")->setValue(session.page(2)->partition()->number());
        session.device().clearCommands();
        office->findChild<QPushButton *>("pbSave")->click();
        QVERIFY(boxes->sawText(
            trIn("PartitionWidget", "A section with this index or name already exists.")));
        QVERIFY(session.settle());
        QCOMPARE(session.device().commandsOf(0x6E).size(), 0);
        QCOMPARE(session.device().record(0x24, 1), device);
        const s_ExtMemDataPartition after = partitionRecord(session.device(), 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&after), int(sizeof(after))),
                 QByteArray(reinterpret_cast<const char *>(&before), int(sizeof(before))));
    }

    // Every icon state on the tab buttons; drops follow the state and compare partitions
    // by index, so devices of "B" may go to "Hall. B".
    void tabButtonsInEveryState()
    {
        Session session;
        SimPartitions::installShowcase(session.device());
        QVERIFY(session.logInAndLoad());
        session.showPage(9);
        QTRY_COMPARE_WITH_TIMEOUT(session.page(8)->button()->text(), QStringLiteral("42. Hall. B"),
                                  DeviceTimeout);
        QCOMPARE(session.page(9)->button()->text(), QStringLiteral("9. B"));
        const struct
        {
            int index;
            bool drops;
        } expected[] = {{0, false}, {2, true},  {3, false}, {4, false},
                        {5, false}, {6, false}, {7, false}, {16, true}};
        for (const auto &row : expected)
            QVERIFY2(session.page(row.index)->button()->acceptDrops() == row.drops,
                     qPrintable(QString::number(row.index)));
        QVERIFY(!session.page(-1)->button()->acceptDrops());
        for (int index = 0; index < 17; ++index)
            QVERIFY(!session.page(index)->button()->icon().isNull());

        PartitionWidget *b = session.page(9);
        QTRY_VERIFY_WITH_TIMEOUT(b->sensorModel()->rowCount() > 0, DeviceTimeout);
        b->sensorView()->setCurrentIndex(b->sensorModel()->index(0, 0));
        std::unique_ptr<QMimeData> payload(
            b->sensorModel()->mimeData(b->sensorView()->selectionModel()->selectedIndexes()));
        QVERIFY(session.page(8)->button()->acceptsDragFrom(payload.get(), b->sensorView()));
        QVERIFY(!session.page(9)->button()->acceptsDragFrom(payload.get(), b->sensorView()));
        saveScreenshot(session.window()->form()->lwPartitions,
                       QStringLiteral("partition-tab-buttons-every-state.png"));
    }

    void screenshotsOfTheOtherPages()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *office = session.showPage(1);
        QTRY_COMPARE_WITH_TIMEOUT(office->sensorModel()->rowCount(), session.devicesOf(1),
                                  DeviceTimeout);
        select(office, {1});
        saveScreenshot(session.window(), QStringLiteral("partition-page-office.png"));
        PartitionWidget *executive = session.showPage(0);
        QVERIFY(!executive->findChild<QPushButton *>("pbLock")->isVisible());
        QCOMPARE(session.page(0)->button()->text(), trIn("Partition", "Executive devices"));
        saveScreenshot(session.window(), QStringLiteral("partition-executive-devices.png"));
        session.showPage(-1);
        saveScreenshot(session.window(), QStringLiteral("partition-all-devices.png"));
        DeleteById byNumber;
        byNumber.show();
        saveScreenshot(&byNumber, QStringLiteral("partition-delete-by-number.png"));
    }
};

QTEST_MAIN(TestPartitionPageDevice)
#include "test_partition_page_device.moc"
