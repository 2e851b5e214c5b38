#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimControlDevices.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimRadioStates.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;
constexpr quint8 OpWriteSensor = 0x6E;
constexpr quint8 OpReadSensor = 0x24;
constexpr quint16 KeyFobId = 8;
constexpr quint16 SocketId = 21;
constexpr quint16 ClimateId = 30;

struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    bool logInAndLoad()
    {
        window()->resize(1280, 900);
        return RadioSession::logInAndLoad();
    }
    QList<QByteArray> writesOf(quint16 id) { return payloadsOf(OpWriteSensor, id); }
};

QTreeWidget *treeOf(SensorPropertiesWidget *view)
{
    return view->browser()->findChild<QTreeWidget *>();
}

// Clicks the value cell of the row that shows the tag and returns the editor it opened.
QWidget *openEditor(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    if (!property || view->browser()->items(property).isEmpty())
        return nullptr;
    QTreeWidget *tree = treeOf(view);
    QTreeWidgetItem *row = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
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
    const QList<QWidget *> editors =
        tree->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors) {
        if (editor->isVisible())
            return editor;
    }
    return nullptr;
}

template <typename W> W *editorOf(QWidget *editor)
{
    if (auto *direct = qobject_cast<W *>(editor))
        return direct;
    return editor ? editor->findChild<W *>() : nullptr;
}

quint8 byteOf(const QByteArray &record, int offset)
{
    return record.size() > offset ? quint8(record.at(offset)) : 0;
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}
} // namespace

// The output, climate, keypad and key fob rows against the simulated communicator.
class TestPropertyViewControlDevices : public QObject
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

    void editsReachTheDeviceAndPushesShow()
    {
        Session session;
        QVERIFY(session.logInAndLoad());

        struct Edit
        {
            int partition;
            quint16 id;
            QString tag;
            std::function<void(QWidget *)> act;
            int offset;
            int expected;
        };
        const auto pick = [](Qt::Key key) {
            return [key](QWidget *editor) {
                auto *box = editorOf<QComboBox>(editor);
                QVERIFY(box);
                QTest::keyClick(box, key);
            };
        };
        const auto click = [](QWidget *editor) {
            auto *box = editorOf<QCheckBox>(editor);
            QVERIFY(box);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        };
        const auto type = [](const QString &text) {
            return [text](QWidget *editor) {
                auto *spin = editorOf<QDoubleSpinBox>(editor);
                QVERIFY(spin);
                spin->selectAll();
                QTest::keyClicks(spin, text);
                QTest::keyClick(spin, Qt::Key_Return);
            };
        };
        const QList<Edit> edits{
            {1, SimControlDevices::CircuitRelayId, "kcZoneType", pick(Qt::Key_End), 98, 6},
            {0, SimControlDevices::Annunciator24Id, "Brightness", pick(Qt::Key_End), 217, 2},
            {2, SimControlDevices::RadioKeypadId, "Button2SecondMode", pick(Qt::Key_Home), 125,
             0xFF},
            {4, KeyFobId, "LawTakeOn", click, 126, 0x04},
            {1, ClimateId, "temperature_reference", type(QStringLiteral("23.4")), 126, 2340 & 0xFF},
        };
        for (const Edit &edit : edits) {
            SensorPropertiesWidget *view = session.pickDevice(edit.partition, edit.id);
            QVERIFY2(view, qPrintable(edit.tag));
            QTRY_VERIFY(!view->isCommitPending());
            session.device().clearCommands();
            QWidget *editor = openEditor(view, edit.tag);
            QVERIFY2(editor, qPrintable(edit.tag));
            edit.act(editor);
            QTRY_VERIFY2(session.writesOf(edit.id).size() == 1, qPrintable(edit.tag));
            QCOMPARE(int(byteOf(session.writesOf(edit.id).last(), edit.offset)), edit.expected);
            QTRY_COMPARE(session.device().record(OpReadSensor, edit.id),
                         session.writesOf(edit.id).last());
        }
        QVERIFY2(boxes->seen.isEmpty(), qPrintable(boxes->seen.value(0).text));

        // The key fob belongs to a simulated user without a name.
        SensorPropertiesWidget *view = session.pickDevice(4, KeyFobId);
        QVERIFY(view);
        UserSettings *owner = session.overmind()->userModel()->userById(4);
        QVERIFY(owner);
        QVERIFY(owner->name().isEmpty());
        QTRY_COMPARE(view->propertyForTag(QStringLiteral("User"))->valueText(), owner->jsonKey());

        // A pushed socket state changes its row and sends nothing back.
        view = session.pickDevice(0, SocketId);
        QVERIFY(view);
        QTRY_VERIFY(!view->isCommitPending());
        session.device().clearCommands();
        s_SensorIntData status = SimRadioStates::heldStatus(session.device(), SocketId);
        reinterpret_cast<quint8 *>(&status)[22] = 7;
        SimRadioStates::pushStatus(session.device(), SocketId, status);
        QTRY_COMPARE(view->propertyForTag(QStringLiteral("rozetka_state"))->valueText(),
                     QString::fromUtf8("Отключена кнопкой"));
        QVERIFY(session.writesOf(SocketId).isEmpty());
    }

    void oldRelayModuleShownMovesOnce()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        PartitionModel *model = overmind.partitionModel();
        s_FullSensorData report;
        std::memset(&report, 0, sizeof(report));
        report.settings.bType = 14;
        report.settings.common.Partition = 0;
        report.settings.common.inputOperatingMode = 3;
        report.status.hardwareMajor = 1;
        report.status.hardwareMinor = 4;
        report.status.serialNumber = 0x00A1F005;
        report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
        model->setFullSensorData(5, report);
        const Sensor::SPtr relay = model->sensor(5);
        QVERIFY(relay);
        QCOMPARE(int(relay->partition()), 0);
        QSignalSpy moves(model->partition(1), &Partition::sensorAdded);

        SensorPropertiesWidget view;
        view.resize(560, 900);
        view.show();
        view.setSensor(relay);
        QTRY_COMPARE(view.sensor(), relay);
        QTRY_VERIFY(view.propertyForTag(QStringLiteral("kcMode")));
        QTRY_COMPARE(int(relay->partition()), 1);
        QCOMPARE(int(relay->zoneType()), 2);
        // Records keep arriving and the view keeps rebuilding; the module stays put.
        for (int i = 0; i < 3; ++i) {
            const s_SensorIntData status = relay->status();
            relay->updateStatus(&status);
            const s_ExtMemDataSensor record = *relay->settingsData();
            relay->updateData(&record);
            QTest::qWait(10);
        }
        QTRY_COMPARE(view.propertyForTag(QStringLiteral("kcMode"))->valueText(),
                     QCoreApplication::translate("Sensor", "Kc mode", "RM_kc"));
        QCOMPARE(moves.count(), 1);
        QCOMPARE(int(relay->partition()), 1);
        QCOMPARE(model->sensor(5), relay);
        QVERIFY(model->partition(1)->sensors().contains(relay));
        QVERIFY(!model->partition(0)->sensors().contains(relay));
    }

    void screenshotsOfEachFamily()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        const struct
        {
            int partition;
            quint16 id;
            const char *file;
        } shots[] = {
            {0, 11, "control_siren.png"},
            {1, SimControlDevices::CircuitRelayId, "control_relay_module.png"},
            {0, SimControlDevices::TwoOutputId, "control_two_outputs.png"},
            {0, SimControlDevices::Annunciator24Id, "control_annunciator.png"},
            {0, SocketId, "control_socket.png"},
            {1, ClimateId, "control_climate.png"},
            {2, SimControlDevices::RadioKeypadId, "control_keypad.png"},
            {4, KeyFobId, "control_key_fob.png"},
        };
        for (const auto &shot : shots) {
            QVERIFY2(session.pickDevice(shot.partition, shot.id), shot.file);
            // The page's own view is narrow; a view of its own shows every row.
            SensorPropertiesWidget view;
            view.resize(560, 980);
            view.setSensor(session.overmind()->partitionModel()->sensor(shot.id));
            view.show();
            QTRY_VERIFY(view.propertyForTag(QStringLiteral("general")));
            treeOf(&view)->expandAll();
            saveScreenshot(&view, QString::fromLatin1(shot.file));
        }
    }
};

QTEST_MAIN(TestPropertyViewControlDevices)
#include "test_property_view_control_devices.moc"
