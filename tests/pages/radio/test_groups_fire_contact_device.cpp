#include "app/Intervals.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimFireContactDevices.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimRadioStates.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstring>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;
constexpr quint8 OpWriteSensor = 0x6E;
constexpr quint8 OpReadSensor = 0x24;
constexpr quint8 OpAcousticTest = 0xDC;

int partitionOf(int id)
{
    for (const SimRadioConfiguration::Device &device : SimRadioConfiguration::devices())
        if (device.id == id)
            return device.partition;
    return -1;
}

struct Session : RadioSession
{
    Session() : RadioSession(true) {}
    // Opens the device's partition page, clicks its card and returns the property view.
    SensorPropertiesWidget *show(quint16 id) { return pickDevice(partitionOf(id), id); }
    QList<QByteArray> writesOf(quint16 id) { return payloadsOf(OpWriteSensor, id); }
};

QTreeWidget *treeOf(SensorPropertiesWidget *view)
{
    return view->browser()->findChild<QTreeWidget *>();
}

// The tree row of the node with the tag; captions are translated, tags are not.
QTreeWidgetItem *rowOf(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    if (!property)
        return nullptr;
    QTreeWidgetItemIterator it(treeOf(view));
    for (; *it; ++it) {
        if ((*it)->text(0) == property->propertyName())
            return *it;
    }
    return nullptr;
}

// Clicks the value cell of the node's row and returns the editor it opened.
QWidget *openEditor(SensorPropertiesWidget *view, const QString &tag)
{
    QTreeWidget *tree = treeOf(view);
    QTreeWidgetItem *row = rowOf(view, tag);
    if (!row)
        return nullptr;
    tree->scrollToItem(row);
    // A view shown a moment ago may not have laid out its rows yet.
    if (!QTest::qWaitFor([tree, row] { return tree->visualItemRect(row).isValid(); }, 5000))
        return nullptr;
    const QRect cell = tree->visualItemRect(row);
    const int valueX = tree->header()->sectionViewportPosition(1) + 5;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(valueX, cell.center().y()));
    QWidget *opened = nullptr;
    const bool found = QTest::qWaitFor(
        [tree, &opened] {
            const QList<QWidget *> editors =
                tree->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget *editor : editors) {
                if (editor->isVisible())
                    opened = editor;
            }
            return opened != nullptr;
        },
        5000);
    return found ? opened : nullptr;
}

template <typename Widget> Widget *editorOf(SensorPropertiesWidget *view, const QString &tag)
{
    QWidget *editor = openEditor(view, tag);
    if (!editor)
        return nullptr;
    if (auto *widget = qobject_cast<Widget *>(editor))
        return widget;
    return editor->findChild<Widget *>();
}

bool clickCheckBox(SensorPropertiesWidget *view, const QString &tag)
{
    auto *box = editorOf<QCheckBox>(view, tag);
    if (!box)
        return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    return true;
}

// A button row acts as soon as its value cell is clicked; it opens no editor.
bool clickButton(SensorPropertiesWidget *view, const QString &tag)
{
    QTreeWidget *tree = treeOf(view);
    QTreeWidgetItem *row = rowOf(view, tag);
    if (!row)
        return false;
    tree->scrollToItem(row);
    const QRect cell = tree->visualItemRect(row);
    const int valueX = tree->header()->sectionViewportPosition(1) + 5;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(valueX, cell.center().y()));
    return true;
}

QString buttonTextOf(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    return property ? property->buttonText() : QString();
}

QByteArray field(const QByteArray &record, int offset, int size)
{
    return record.mid(offset, size);
}

void saveShot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("fire-contact-%1.png").arg(name));
    QFile::remove(path);
    widget->grab().save(path, "PNG");
}
} // namespace

// The detectors' groups in the program against the simulated communicator.
class TestGroupsFireContactDevice : public QObject
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

    void editsOfEachFamilyReachTheDevice()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.window()->resize(1200, 900);

        struct Edit
        {
            quint16 id;
            QString shot;
            std::function<bool(SensorPropertiesWidget *)> act;
            int offset;
            QByteArray bytes;
        };
        const QList<Edit> edits{
            {SimFireContactDevices::BoilerHeatId, "heat",
             [](SensorPropertiesWidget *view) {
                 auto *spin = editorOf<QAbstractSpinBox>(view, "max_temperature_threshold");
                 if (!spin)
                     return false;
                 spin->selectAll();
                 QTest::keyClicks(spin, "45");
                 QTest::keyClick(spin, Qt::Key_Return);
                 return true;
             },
             124, QByteArray::fromHex("9411")},
            {24, "flame",
             [](SensorPropertiesWidget *view) { return clickCheckBox(view, "active_mode"); }, 120,
             QByteArray::fromHex("22")},
            {1, "infrared",
             [](SensorPropertiesWidget *view) {
                 auto *box = editorOf<QComboBox>(view, "sensitivity");
                 if (!box)
                     return false;
                 QTest::keyClick(box, Qt::Key_End);
                 return true;
             },
             121, QByteArray::fromHex("04")},
            {SimFireContactDevices::YardPirId, "pir",
             [](SensorPropertiesWidget *view) {
                 auto *box = editorOf<QComboBox>(view, "near_sensitivity");
                 if (!box)
                     return false;
                 QTest::keyClick(box, Qt::Key_End);
                 return true;
             },
             124, QByteArray::fromHex("04")},
            {0, "contact",
             [](SensorPropertiesWidget *view) { return clickCheckBox(view, "sabotage_detection"); },
             120, QByteArray::fromHex("02")},
            {5, "shift",
             [](SensorPropertiesWidget *view) { return clickButton(view, "Fixate_current_state"); },
             120, QByteArray::fromHex("3b")},
            {SimFireContactDevices::DoorShiftId, "reed",
             [](SensorPropertiesWidget *view) { return clickCheckBox(view, "Enable_dry_reed"); },
             120, QByteArray::fromHex("00")},
        };
        for (const Edit &edit : edits) {
            SensorPropertiesWidget *view = session.show(edit.id);
            QVERIFY2(view, qPrintable(edit.shot));
            session.device().clearCommands();
            QVERIFY2(edit.act(view), qPrintable(edit.shot));
            QTRY_COMPARE_WITH_TIMEOUT(session.writesOf(edit.id).size(), 1, DeviceTimeout);
            const QByteArray sent = session.writesOf(edit.id).first();
            QCOMPARE(field(sent, edit.offset, edit.bytes.size()), edit.bytes);
            QTRY_COMPARE(session.device().record(OpReadSensor, edit.id), sent);
            QTRY_VERIFY(!view->isCommitPending());
            QCOMPARE(session.writesOf(edit.id).size(), 1);
        }
        QVERIFY2(boxes->seen.isEmpty(), qPrintable(boxes->seen.value(0).text));

        // The acoustic detector's button: the device waits, then reports test mode on.
        const quint16 acoustic = 35;
        SensorPropertiesWidget *view = session.show(acoustic);
        QVERIFY(view);
        session.device().clearCommands();
        QCOMPARE(buttonTextOf(view, "testModeSwitch"), Sensor::tr("Enable", "St"));
        QVERIFY(clickButton(view, "testModeSwitch"));
        QTRY_COMPARE(session.device().commandsOf(OpAcousticTest).size(), 1);
        QCOMPARE(session.device().commandsOf(OpAcousticTest).first(),
                 QByteArray::fromHex("dc2300"));
        QTRY_COMPARE(buttonTextOf(view, "testModeSwitch"), Sensor::tr("Wait", "St"));
        QTRY_COMPARE(buttonTextOf(view, "testModeSwitch"), Sensor::tr("Disable", "St"));
        QVERIFY(session.writesOf(acoustic).isEmpty());

        // Reporting-only detectors follow the pushed statuses.
        const quint16 smoke = 25;
        view = session.show(smoke);
        QVERIFY(view);
        s_SensorIntData status = SimRadioStates::heldStatus(session.device(), smoke);
        status.flags |= SensorFlag::Fire;
        SimRadioStates::pushStatus(session.device(), smoke, status);
        QTRY_COMPARE(view->propertyForTag("Fire")->valueText(), Sensor::tr("Fire", "dip state"));
        const quint16 callPoint = 26;
        view = session.show(callPoint);
        QVERIFY(view);
        status = SimRadioStates::heldStatus(session.device(), callPoint);
        status.flags |= SensorFlag::ManualFireAlarm;
        SimRadioStates::pushStatus(session.device(), callPoint, status);
        QTRY_COMPARE(view->propertyForTag("button")->valueText(), Sensor::tr("Pressed"));
        QVERIFY(session.writesOf(smoke).isEmpty() && session.writesOf(callPoint).isEmpty());

        // One device of each family as the view shows it, the common groups folded away.
        const QList<QPair<quint16, QString>> shots{{SimFireContactDevices::BoilerHeatId, "heat"},
                                                   {SimFireContactDevices::ArchiveSmokeId, "smoke"},
                                                   {callPoint, "call-point"},
                                                   {24, "flame"},
                                                   {28, "infrared"},
                                                   {SimFireContactDevices::YardPirId, "pir"},
                                                   {acoustic, "acoustic"},
                                                   {0, "contact"},
                                                   {5, "shift"},
                                                   {SimFireContactDevices::DoorShiftId, "reed"},
                                                   {22, "leak"},
                                                   {13, "button"}};
        for (const auto &shot : shots) {
            const Sensor::SPtr device = session.overmind()->partitionModel()->sensor(shot.first);
            QVERIFY(device);
            SensorPropertiesWidget standalone;
            standalone.resize(460, 560);
            standalone.setSensor(device);
            QTRY_COMPARE(standalone.sensor(), device);
            for (const QString &tag : {QStringLiteral("general"), QStringLiteral("main")}) {
                for (QtProperty *top : standalone.browser()->properties()) {
                    QtBrowserItem *item = standalone.browser()->topLevelItem(top);
                    if (item && top->propertyName() ==
                                    Sensor::findProperty(device->propertyTree(), tag)->caption)
                        standalone.browser()->setExpanded(item, false);
                }
            }
            standalone.show();
            QVERIFY(QTest::qWaitForWindowExposed(&standalone));
            saveShot(&standalone, shot.second);
        }
    }

    void viewingModeSendsAndOpensNothing()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QTemporaryDir dir;
        const QString path = dir.filePath("site.cfg");
        PartitionModel *model = session.overmind()->partitionModel();
        // The radio sections of the loaded configuration, at the top level as saved files hold
        // them.
        QJsonObject document = model->toJson().toObject();
        document.insert("Version", "2.0");
        document.insert("Timestamp", 1700000000);
        document.insert("Execution", 0);
        document.insert("Modification", 3);
        document.insert("SerialNumber", "0");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(document).toJson());
        file.close();
        // "In the current window".
        boxes->reply = [](const ModalAnswerer::Request &) { return 0; };
        session.overmind()->viewConfigFile({path});
        QTRY_VERIFY(session.overmind()->isViewingMode());
        boxes->seen.clear();
        session.device().clearCommands();
        // The view's own path of a click, on the devices the file brought.
        SensorPropertiesWidget view;
        for (quint16 id : {quint16(35), quint16(1), quint16(7), quint16(5)}) {
            const Sensor::SPtr device = session.overmind()->partitionModel()->sensor(id);
            QVERIFY(device);
            const s_ExtMemDataSensor before = *device->settingsData();
            view.setSensor(device);
            QTRY_COMPARE(view.sensor(), device);
            QtProperty *button =
                view.propertyForTag(id == 5 ? QStringLiteral("Fixate_current_state")
                                            : QStringLiteral("testModeSwitch"));
            QVERIFY(button);
            view.onButtonPropertyChanged(button);
            QVERIFY(std::memcmp(&before, device->settingsData(), sizeof(before)) == 0);
        }
        QTest::qWait(200);
        QVERIFY(session.device().commandsOf(OpAcousticTest).isEmpty());
        QVERIFY(session.device().commandsOf(OpWriteSensor).isEmpty());
        QVERIFY(boxes->seen.isEmpty());
    }
};

QTEST_MAIN(TestGroupsFireContactDevice)
#include "test_groups_fire_contact_device.moc"
