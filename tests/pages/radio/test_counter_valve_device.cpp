#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SelectRetranslator.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "pages/radio/SetKPValvesServiceTime.h"
#include "pages/radio/SubscriptionDZtoKPWidget.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimCountersValve.h"
#include "sim/SimRadioConfiguration.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
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
constexpr int ValvePartition = 7;
constexpr int CounterPartition = 5;

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    // Operations in the order the device received them.
    QList<quint8> operations()
    {
        QList<quint8> found;
        for (const QByteArray &command : device().commands())
            if (!command.isEmpty() && quint8(command.at(0)) != 0x01)
                found << quint8(command.at(0));
        return found;
    }
};

QString valueOf(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    return property ? property->valueText() : QString();
}

// Both inputs tag their impulse row "counter", so the row is found under its input's group.
QString inputCounter(SensorPropertiesWidget *view, int input)
{
    QtProperty *group = view->propertyForTag(QStringLiteral("ASR_input_%1").arg(input));
    if (!group)
        return QString();
    for (QtProperty *row : group->subProperties())
        if (row->propertyName() == Sensor::tr("Impulses"))
            return row->valueText();
    return QString();
}

void press(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    QVERIFY2(property, qPrintable(tag));
    view->onButtonPropertyChanged(property);
}

QWidget *visibleTopLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

// The device's whole tree in a view of its own, large enough to read.
void saveTree(const Sensor::SPtr &device, const QString &name)
{
    SensorPropertiesWidget view;
    view.setSensor(device);
    view.resize(560, 1200);
    view.show();
    QTest::qWait(50);
    saveScreenshot(&view, name);
}

QWidget *openEditor(SensorPropertiesWidget *view, const QString &tag)
{
    QtProperty *property = view->propertyForTag(tag);
    if (!property)
        return nullptr;
    QTreeWidget *tree = view->browser()->findChild<QTreeWidget *>();
    QTreeWidgetItem *row = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == property->propertyName()) {
            row = *it;
            break;
        }
    if (!row)
        return nullptr;
    tree->scrollToItem(row);
    const QRect cell = tree->visualItemRect(row);
    const int valueX = tree->header()->sectionViewportPosition(1) + 5;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(valueX, cell.center().y()));
    for (QWidget *editor :
         tree->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// Texts of the tree as the running program shows them.
QString sensorText(const char *text, const char *disambiguation)
{
    return QCoreApplication::translate("Sensor", text, disambiguation);
}

void verifySealed(const QByteArray &record)
{
    QCOMPARE(record.size(), 512);
    quint32 crc = 0;
    std::memcpy(&crc, record.constData() + 508, 4);
    QCOMPARE(crc, crc32Stm(record.constData(), 508));
}
} // namespace

class TestCounterValveDevice : public QObject
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

    void cleanup()
    {
        boxes.reset();
        SetKPValvesServiceTime::setClock(nullptr);
    }

    void valveControllerThroughTheView()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        const quint16 id = SimCountersValve::ValveId;
        SensorPropertiesWidget *view = session.pickDevice(ValvePartition, id);
        QVERIFY(view);
        QCOMPARE(view->propertyForTag("actionValve1")->buttonText(),
                 sensorText("Close", "KPButtons"));
        QCOMPARE(valueOf(view, "serviceTime").left(5), QString("03:00"));
        QCOMPARE(valueOf(view, "serialCntr1"), QString("0000001234567"));
        saveTree(view->sensor(), QStringLiteral("valve-controller-view.png"));
        session.device().clearCommands();

        // An edit sends one record holding the field.
        auto *combo = qobject_cast<QComboBox *>(openEditor(view, "dzLoopBreakControl"));
        QVERIFY(combo);
        combo->setCurrentIndex(0);
        QTRY_COMPARE(session.payloadsOf(OpWriteSensor, id).size(), 1);
        QCOMPARE(int(session.payloadsOf(OpWriteSensor, id).first().at(146)), 0);
        QTRY_COMPARE(session.device().record(0x24, id),
                     session.payloadsOf(OpWriteSensor, id).first());

        // The valve closes through "Closing"; the button follows the pushed states.
        session.device().clearCommands();
        press(view, "actionValve1");
        QTRY_COMPARE(session.payloadsOf(0xD9, id).size(), 1);
        QCOMPARE(session.payloadsOf(0xD9, id).first(), QByteArray::fromHex("0000000000000000"));
        QTRY_COMPARE(valueOf(view, "Valve1State"), sensorText("Closed", "KPValveState"));
        QTRY_COMPARE(view->propertyForTag("actionValve1")->buttonText(),
                     sensorText("Open", "KPButtons"));

        // Counter values: serials first, then the volumes.
        session.device().clearCommands();
        boxes->reply = [](const ModalAnswerer::Request &request) {
            if (request.kind != "dialog")
                return int(QMessageBox::Ok);
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == "KPCountersValues") {
                    w->findChild<QDoubleSpinBox *>("sbValue1")->setValue(2.0);
                    w->findChild<QLineEdit *>("leSerial2")->setText("42");
                    w->show();
                    saveScreenshot(w, QStringLiteral("valve-counters-simulated.png"));
                    w->hide();
                }
            return 1;
        };
        press(view, "setKpCounter");
        QTRY_COMPARE(session.payloadsOf(0xD8, id).size(), 1);
        QCOMPARE(session.operations().mid(0, 2), (QList<quint8>{0x6E, 0xD8}));
        const QByteArray serials = session.payloadsOf(OpWriteSensor, id).first();
        verifySealed(serials);
        QCOMPARE(serials.mid(160, 8), QByteArray::fromHex("2a00000000000000"));
        // 2 m³ at 10 litres per impulse
        QCOMPARE(session.payloadsOf(0xD8, id).first(),
                 QByteArray::fromHex("c8000000af0a00000000000000000000"));
        QTRY_COMPARE(valueOf(view, "waterCounter1Imp").left(5), QString("0.200"));

        // Subscription: every offered detector as the window leaves it.
        session.device().clearCommands();
        press(view, "control_dz");
        QWidget *subscription = nullptr;
        QTRY_VERIFY((subscription = visibleTopLevel("SubscriptionDZtoKPWidget")));
        saveScreenshot(subscription, QStringLiteral("valve-subscription-simulated.png"));
        auto *window = qobject_cast<SubscriptionDZtoKPWidget *>(subscription);
        QVERIFY(window && !window->boxes().isEmpty());
        QVERIFY(window->boxes().first()->isChecked());
        window->boxes().first()->setChecked(false);
        QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
        QTRY_COMPARE(session.payloadsOf(OpWriteSensor, id).size(), 1);
        const QByteArray subscribed = session.payloadsOf(OpWriteSensor, id).first();
        verifySealed(subscribed);
        QCOMPARE(quint8(subscribed.at(120 + 3 / 8)) & (1u << 3), 0u);

        // Service time, on a clock of the test's own.
        session.device().clearCommands();
        SetKPValvesServiceTime::setClock([] { return QDateTime(QDate(2026, 3, 1), QTime(10, 0)); });
        press(view, "setServiceTime");
        QWidget *service = nullptr;
        QTRY_VERIFY((service = visibleTopLevel("SetKPValvesServiceTime")));
        saveScreenshot(service, QStringLiteral("valve-service-time-simulated.png"));
        service->findChild<QDateTimeEdit *>("dateTimeEdit")
            ->setDateTime(QDateTime(QDate(2026, 3, 3), QTime(14, 30)));
        QTest::mouseClick(service->findChild<QPushButton *>("pbApply"), Qt::LeftButton);
        QTRY_COMPARE(session.payloadsOf(OpWriteSensor, id).size(), 1);
        QCOMPARE(session.payloadsOf(OpWriteSensor, id).first().mid(136, 4),
                 QByteArray::fromHex("66030300"));
        QVERIFY(session.operations().contains(0x10)); // the clock was asked first
        QCOMPARE(boxes->count("warning"), 0);         // and agrees with this computer's

        // Viewing mode: no action sends or opens anything.
        session.overmind()->setViewingMode(true);
        session.device().clearCommands();
        const int asked = boxes->count("dialog");
        for (const char *tag : {"actionValve1", "actionValve2", "disableAlarm", "setKpCounter",
                                "control_dz", "setServiceTime", "setStateToValve1",
                                "setKpControlCntr1", "setKpControlSens2", "disableLeakageControl"})
            press(view, tag);
        QTest::qWait(200);
        QCOMPARE(session.operations().count(0xD9) + session.operations().count(0xD8) +
                     session.operations().count(0x6E),
                 0);
        QCOMPARE(boxes->count("dialog"), asked);
        QVERIFY(!visibleTopLevel("SubscriptionDZtoKPWidget"));
        QVERIFY(!visibleTopLevel("SetKPValvesServiceTime"));
        session.overmind()->setViewingMode(false);
    }

    void pulseCounterThroughTheView()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        const quint16 id = SimCountersValve::PulseCounterId;
        SensorPropertiesWidget *view = session.pickDevice(CounterPartition, id);
        QVERIFY(view);
        QCOMPARE(inputCounter(view, 1), QLocale().toString(12345));
        QCOMPARE(inputCounter(view, 2), QLocale().toString(1001));
        saveTree(view->sensor(), QStringLiteral("pulse-counter-view.png"));
        const PartitionModel *model = session.overmind()->partitionModel();
        saveTree(model->sensor(SimCountersValve::HighFrequencyCounterId),
                 QStringLiteral("pulse-counter-high-frequency-view.png"));
        saveTree(model->sensor(31), QStringLiteral("single-input-counter-view.png"));
        session.device().clearCommands();

        auto *combo = qobject_cast<QComboBox *>(openEditor(view, "Water_sensor_poll_period"));
        QVERIFY(combo);
        combo->setCurrentIndex(1);
        QTRY_COMPARE(session.payloadsOf(OpWriteSensor, id).size(), 1);
        QCOMPARE(int(session.payloadsOf(OpWriteSensor, id).first().at(136)), 1);

        session.device().clearCommands();
        boxes->reply = [](const ModalAnswerer::Request &request) {
            if (request.kind != "dialog")
                return int(QMessageBox::Ok);
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == "ASRCountersValues") {
                    // weights 10 and 1; the third counter is unused and keeps its count
                    w->findChild<QDoubleSpinBox *>("sbValue1")->setValue(0.05);
                    w->findChild<QDoubleSpinBox *>("sbValue2")->setValue(0.006);
                    w->show();
                    saveScreenshot(w, QStringLiteral("pulse-counters-simulated.png"));
                    w->hide();
                }
            return 1;
        };
        press(view, "setAsrCounter");
        QTRY_COMPARE(session.payloadsOf(0xD7, id).size(), 1);
        QCOMPARE(session.payloadsOf(0xD7, id).first(),
                 QByteArray::fromHex("05000000060000000000000000000000"));
        QTRY_COMPARE(inputCounter(view, 1), QString("5"));

        // Cancel sends nothing.
        session.device().clearCommands();
        boxes->reply = nullptr;
        press(view, "setAsrCounter");
        QTest::qWait(200);
        QVERIFY(session.payloadsOf(0xD7, id).isEmpty());
    }

    void repeaterChoiceThroughTheView()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        SensorPropertiesWidget *view = session.pickDevice(1, 0);
        QVERIFY(view);
        session.device().clearCommands();
        const quint16 targets[] = {255, 254, SimCountersValve::Repeater51Id};
        for (quint16 target : targets) {
            press(view, "setRetranslator");
            QWidget *found = nullptr;
            QTRY_VERIFY((found = visibleTopLevel("SetRetranslatorForDeviceWidget")));
            auto *window = qobject_cast<SelectRetranslator *>(found);
            QVERIFY(window);
            if (target == SimCountersValve::Repeater51Id)
                saveScreenshot(window, QStringLiteral("repeater-selection-simulated.png"));
            window->list()->setCurrentRow(window->targets().indexOf(target));
            QPointer<QWidget> alive(window);
            QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
            QTRY_VERIFY(!alive);
        }
        QTRY_COMPARE(session.payloadsOf(0x53, 0).size(), 3);
        QCOMPARE(session.payloadsOf(0x53, 0).at(0).left(2), QByteArray::fromHex("ff00"));
        QCOMPARE(session.payloadsOf(0x53, 0).at(1).left(2), QByteArray::fromHex("fe00"));
        QCOMPARE(session.payloadsOf(0x53, 0).at(2).left(2), QByteArray::fromHex("5300"));
        // The device's next status names the chosen repeater as its parent.
        const PartitionModel *model = session.overmind()->partitionModel();
        QTRY_COMPARE(valueOf(view, "parent"),
                     model->sensor(SimCountersValve::Repeater51Id)->displayName());
    }
};

QTEST_MAIN(TestCounterValveDevice)
#include "test_counter_valve_device.moc"
