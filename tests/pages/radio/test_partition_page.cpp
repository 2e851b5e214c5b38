#include "app/Logger.h"
#include "app/Overmind.h"
#include "pages/radio/AddSensorsList.h"
#include "pages/radio/CustomSpinBox.h"
#include "pages/radio/DeleteById.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "support/ModalRecorder.h"

#include <QDataStream>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <memory>

namespace {
QMimeData *payloadOf(const QList<quintptr> &keys)
{
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    int row = 0;
    for (quintptr key : keys) {
        QMap<int, QVariant> roles;
        roles.insert(Qt::DisplayRole, QStringLiteral("card"));
        roles.insert(Qt::UserRole, QVariant::fromValue<quintptr>(key));
        stream << row++ << 0 << roles;
    }
    auto *data = new QMimeData;
    data->setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), encoded);
    return data;
}

s_PartitionStatus statusOf(quint16 state)
{
    s_PartitionStatus status{};
    status.mainState = state;
    status.configurationAllowed = 1;
    return status;
}
} // namespace

class TestPartitionPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;
    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void initTestCase() { Logger::registerMetaType(); }
    void init()
    {
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(0, 0, 0, 0x0104);
        boxes = std::make_unique<ModalRecorder>();
    }
    void cleanup()
    {
        boxes.reset();
        overmind.reset();
    }

    void numberInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("5") << "5" << true;
        QTest::newRow("99") << "99" << true;
        QTest::newRow("executive 17") << "17" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("leading zero") << "07" << false;
        QTest::newRow("100") << "100" << false;
        QTest::newRow("letters") << "1a" << false;
    }
    void numberInput()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        CustomSpinBox box;
        int position = 0;
        QCOMPARE(box.validate(text, position) == QValidator::Acceptable, accepted);
    }

    void namePattern_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("latin") << "Hall. B" << true;
        QTest::newRow("cyrillic") << QString::fromUtf8("Ёлка №5") << true;
        QTest::newRow("63") << QString(63, QLatin1Char('x')) << true;
        QTest::newRow("64") << QString(64, QLatin1Char('x')) << false;
        QTest::newRow("quote") << "A\"B" << false;
        QTest::newRow("backslash") << "A\\B" << false;
    }
    void namePattern()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(QRegularExpression(PartitionWidget::namePattern()).match(name).hasMatch(),
                 accepted);
    }

    void stateIcons_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("path");
        QTest::newRow("failure") << 6 << ":/images/not_locked.png";
        QTest::newRow("disarmed") << 8 << ":/images/unlocked.png";
        QTest::newRow("armed") << 16 << ":/images/locked.png";
        QTest::newRow("alarm") << 21 << ":/images/alarm.png";
        QTest::newRow("fire") << 24 << ":/images/fire.png";
        QTest::newRow("manual call point") << 25 << ":/images/fire.png";
        QTest::newRow("other") << 5 << ":/images/Clock.png";
    }
    void stateIcons()
    {
        QFETCH(int, state);
        QFETCH(QString, path);
        QCOMPARE(PartitionCommandLinkButton::partitionStateIconPath(quint16(state)), path);
        QVERIFY(!QPixmap(path).isNull());
    }

    void energySaving_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("6") << 6 << 0 << 0x05 << 0x00;
        QTest::newRow("34") << 34 << 0 << 0x01 << 0x00;
        QTest::newRow("27 bit 0 of byte 5") << 27 << 5 << 0x03 << 0x02;
        QTest::newRow("24 bit 3") << 24 << 0 << 0x0F << 0x07;
        QTest::newRow("4 untouched") << 4 << 0 << 0x05 << 0x05;
    }
    void energySaving()
    {
        QFETCH(int, type);
        QFETCH(int, byte);
        QFETCH(int, before);
        QFETCH(int, after);
        quint8 area[192] = {};
        area[byte] = quint8(before);
        PartitionWidget::clearEnergySaving(type, area);
        QCOMPARE(int(area[byte]), after);
    }

    // Only regular disarmed or unused partitions take drops, and only keys of live devices.
    void dropTargetsAndForeignKeys()
    {
        PartitionModel model(nullptr);
        Partition *one = model.partition(1);
        Partition *two = model.partition(2);
        QVERIFY(one && two);
        PartitionCommandLinkButton executive(model.partition(0), &model);
        PartitionCommandLinkButton all(model.allDevicesPartition(), &model);
        PartitionCommandLinkButton target(two, &model);
        model.setPartitionStatus(0, statusOf(8));
        model.setPartitionStatus(2, statusOf(16));
        QVERIFY(!executive.acceptDrops());
        QVERIFY(!target.acceptDrops());
        model.setPartitionStatus(2, statusOf(8));
        QVERIFY(target.acceptDrops());
        emit model.allDevicesPartition()->statusUpdated();
        QVERIFY(!all.acceptDrops());

        // A payload from elsewhere: an unknown key, a null key, garbage after it.
        std::unique_ptr<QMimeData> foreign(payloadOf({quintptr(0xDEADBEEF), 0}));
        QCOMPARE(PartitionCommandLinkButton::droppedDevices(foreign.get(), &model).size(), 0);
        QCOMPARE(target.dropDevices(foreign.get()), 0);
        std::unique_ptr<QMimeData> garbage(new QMimeData);
        garbage->setData(QStringLiteral("application/x-qabstractitemmodeldatalist"),
                         QByteArray("\x00\x00\x00\x01\xff\xff", 6));
        QCOMPARE(target.dropDevices(garbage.get()), 0);
        // Dropped by another program: not decoded at all. This payload's one role holds a
        // variant list claiming 1.9 billion entries, which the decoder would try to allocate.
        std::unique_ptr<QMimeData> hostile(new QMimeData);
        hostile->setData(QStringLiteral("application/x-qabstractitemmodeldatalist"),
                         QByteArray::fromHex("000000000000000000000001000000000000000900"
                                             "73730a00"));
        QDropEvent drop(QPointF(1, 1), Qt::MoveAction, hostile.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        QVERIFY(!drop.isAccepted());
    }

    void enrolmentListRows()
    {
        AddSensorsList list;
        list.setPartitionTitle(QStringLiteral("2. Склад"));
        QCOMPARE(list.findChild<QLabel *>("lblTitle")->text(),
                 QStringLiteral("Add sensors to partition 2. Склад"));
        QCOMPARE(list.rowCount(), 0);
        list.setTitle(QStringLiteral("Add to executable devices"));
        QCOMPARE(list.findChild<QLabel *>("lblTitle")->text(),
                 QStringLiteral("Add to executable devices"));
        QCOMPARE(list.findChild<QLabel *>("lblSensorsCount")->text(), QStringLiteral("0"));

        // Announced in the order 5, 3, then 5 again: two rows, in arrival order.
        for (int id : {5, 3, 5}) {
            s_FullSensorData report{};
            report.settings.bType = 4;
            list.addSensor(std::make_shared<Sensor>(uchar(id), &report));
        }
        auto *table = list.findChild<QTableWidget *>("twList");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("6"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("4"));
        QCOMPARE(list.findChild<QLabel *>("lblSensorsCount")->text(), QStringLiteral("2"));
        list.setPartitionTitle(QStringLiteral("2. Склад"));
        QCOMPARE(table->rowCount(), 0);
    }

    // An emptied number field gets back the value it held when the user came to it.
    void emptiedNumberComesBack()
    {
        CustomSpinBox box;
        box.setRange(1, 99);
        box.setValue(12);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&box, &enter);
        box.setValue(30);
        box.findChild<QLineEdit *>()->clear();
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(&box, &out);
        QCOMPARE(box.value(), 12);
        QCOMPARE(box.text(), QStringLiteral("12"));
    }

    void deleteByNumberRanges()
    {
        DeleteById window;
        auto *one = window.findChild<QRadioButton *>("rbRemoveOne");
        auto *from = window.findChild<QSpinBox *>("sbFrom");
        auto *to = window.findChild<QSpinBox *>("sbTo");
        auto *number = window.findChild<QSpinBox *>("sbNum");
        QVERIFY(one->isChecked());
        QCOMPARE(to->value(), 10);
        QCOMPARE(to->maximum(), overmind->deviceInfo().maxSensors());
        number->setValue(5);
        QVERIFY(one->isChecked());
        from->setValue(12);
        QVERIFY(!one->isChecked());
        QCOMPARE(to->value(), 12);
        to->setValue(3);
        QCOMPARE(from->value(), 12);
    }
};

QTEST_MAIN(TestPartitionPage)
#include "test_partition_page.moc"
