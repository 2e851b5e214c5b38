#include "app/ContentAwareLineEdit.h"
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "link/DeviceErrorTexts.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/LogCapture.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimRadioStates.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
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

// The program against the simulated communicator with its large radio configuration.
struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    // The program sized as on a laptop, logged in; the settings may still be arriving.
    bool logInAndLoad()
    {
        window()->resize(1280, 800);
        return logIn();
    }

    int devicesOf(int partition) const
    {
        int count = 0;
        for (const Config::Device &device : Config::devices())
            count += device.partition == partition ? 1 : 0;
        return count;
    }
};

QString colourOf(SensorItemModel *model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->sensorAt(row)->id() != id)
            continue;
        const QColor colour = model->data(model->index(row, 0), Qt::BackgroundRole).value<QColor>();
        if (!colour.isValid())
            return QStringLiteral("none");
        if (colour == Sensor::RedColour)
            return QStringLiteral("red");
        if (colour == Sensor::YellowColour)
            return QStringLiteral("yellow");
        if (colour == Sensor::GreyColour)
            return QStringLiteral("grey");
        return colour.name();
    }
    return QStringLiteral("no row");
}

QModelIndex rowOf(SensorItemModel *model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->sensorAt(row)->id() == id)
            return model->index(row, 0);
    return QModelIndex();
}

SensorSettingsWidget *openDialog(PartitionWidget *page, int id)
{
    RadioSession::openCard(page->sensorView(), rowOf(page->sensorModel(), id));
    return page->findChild<SensorSettingsWidget *>();
}
} // namespace

class TestDeviceListDevice : public QObject
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

    // After the full read the partition pages list their devices as cards whose colours
    // follow the device's news.
    void cardsFollowTheDevice()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *office = session.showPage(1);
        QVERIFY(office);
        SensorItemModel *model = office->sensorModel();
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), session.devicesOf(1), DeviceTimeout);
        QVERIFY(office->sensorView()->isVisible());
        QCOMPARE(office->sensorView()->objectName(), QStringLiteral("lvDevices"));
        QCOMPARE(colourOf(model, 1), QStringLiteral("none"));
        QCOMPARE(colourOf(model, SimRadioStates::AlarmId), QStringLiteral("red"));
        QCOMPARE(colourOf(model, SimRadioStates::FireId), QStringLiteral("red"));
        QCOMPARE(colourOf(model, SimRadioStates::CaseOpenId), QStringLiteral("red"));
        QCOMPARE(colourOf(model, SimRadioStates::CableBrokenId), QStringLiteral("red"));
        QCOMPARE(colourOf(model, SimRadioStates::LowMainId), QStringLiteral("yellow"));
        QCOMPARE(colourOf(model, SimRadioStates::ReserveFailId), QStringLiteral("yellow"));
        QCOMPARE(colourOf(model, SimRadioStates::LostId), QStringLiteral("grey"));
        QCOMPARE(colourOf(model, SimRadioStates::DisabledId), QStringLiteral("grey"));
        // Dragging is for regular partitions only.
        QVERIFY(office->sensorView()->dragEnabled());
        PartitionWidget *executive = session.showPage(0);
        QVERIFY(!executive->sensorView()->dragEnabled());
        // With the communicator's two wired outputs.
        QTRY_COMPARE(executive->sensorModel()->rowCount(), session.devicesOf(0) + 2);
        QCOMPARE(colourOf(executive->sensorModel(), SimRadioStates::FaultId),
                 QStringLiteral("yellow"));

        office = session.showPage(1);
        saveScreenshot(session.window(), QStringLiteral("device-list-partition.png"));
        QSignalSpy repainted(model, &QAbstractItemModel::dataChanged);
        s_SensorIntData alarm = SimRadioStates::heldStatus(session.device(), 1);
        alarm.flags |= SensorFlag::Alarm;
        SimRadioStates::pushStatus(session.device(), 1, alarm);
        QTRY_COMPARE_WITH_TIMEOUT(colourOf(model, 1), QStringLiteral("red"), DeviceTimeout);
        QVERIFY(repainted.count() >= 1);
        s_SensorIntData lost = SimRadioStates::heldStatus(session.device(), 0);
        lost.flags |= SensorFlag::Lost;
        SimRadioStates::pushStatus(session.device(), 0, lost);
        QTRY_COMPARE_WITH_TIMEOUT(colourOf(model, 0), QStringLiteral("grey"), DeviceTimeout);

        // The sort combo reorders the cards by type.
        auto *sort = office->findChild<QComboBox *>("cbSortType");
        sort->setCurrentIndex(1);
        QCOMPARE(model->sortType(), 1);
        for (int row = 1; row < model->rowCount(); ++row)
            QVERIFY(model->sensorAt(row - 1)->type() <= model->sensorAt(row)->type());

        PartitionWidget *all = session.showPage(-1);
        QTRY_COMPARE(all->sensorModel()->rowCount(), Config::devices().size() + 3);
        saveScreenshot(session.window(), QStringLiteral("device-list-all-devices.png"));
        QVERIFY2(boxes->seen.isEmpty(), qPrintable(boxes->seen.value(0).text));
    }

    // A double click opens the dialog; saving sends the whole record once, which the
    // device keeps; a refused write is shown once and the device's record comes back.
    void dialogWritesTheDevice()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *office = session.showPage(1);
        QTRY_COMPARE_WITH_TIMEOUT(office->sensorModel()->rowCount(), session.devicesOf(1),
                                  DeviceTimeout);
        QPointer<SensorSettingsWidget> dialog = openDialog(office, 1);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        auto *name = dialog->findChild<ContentAwareLineEdit *>("leName");
        QCOMPARE(name->text(), QStringLiteral("Коридор"));
        name->setText(QStringLiteral("Зал №2"));
        auto *zones = dialog->findChild<QComboBox *>("cbZoneType");
        zones->setCurrentIndex(zones->findData(4));
        dialog->findChild<QComboBox *>("cbLedMode")->setCurrentIndex(2);
        auto *bell = dialog->findChild<QCheckBox *>("cbBellMode");
        QVERIFY(bell->isChecked());
        bell->setChecked(false);
        saveScreenshot(dialog, QStringLiteral("device-settings-dialog.png"));

        session.device().clearCommands();
        QTest::mouseClick(dialog->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        QTRY_VERIFY(!dialog);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().commandsOf(0x6E).size(), 1, DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(session.device().record(0x24, 1).mid(98, 2) ==
                                     QByteArray::fromHex("0400"),
                                 DeviceTimeout);
        const QByteArray record = session.device().record(0x24, 1);
        QCOMPARE(record.size(), 512);
        const QByteArray utf8 = QStringLiteral("Зал №2").toUtf8();
        QCOMPARE(record.left(utf8.size() + 1), utf8 + QByteArray(1, '\0'));
        QCOMPARE(qFromLittleEndian<quint32>(record.constData() + 64),
                 crc32Stm(record.constData(), 64));
        QCOMPARE(record.mid(100, 2), QByteArray::fromHex("0300"));
        QCOMPARE(int(quint8(record.at(106)) & 0x03), 0x02);
        QCOMPARE(record.mid(506, 2), QByteArray::fromHex("0101"));
        QCOMPARE(qFromLittleEndian<quint32>(record.constData() + 508),
                 crc32Stm(record.constData(), 508));

        // The device refuses the next write: one box names the device and gives the device's
        // text, and the program shows the name the device kept.
        LogCapture log;
        boxes->seen.clear();
        session.device().failNext(0x6E, SimCommunicator::ErrCrc);
        dialog = openDialog(office, 1);
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<ContentAwareLineEdit *>("leName")->text(),
                 QStringLiteral("Зал №2"));
        dialog->findChild<ContentAwareLineEdit *>("leName")->setText(QStringLiteral("Refused"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        const QString text = deviceErrorText(SimCommunicator::ErrCrc);
        QVERIFY(!text.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(text), DeviceTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 1, DeviceTimeout);
        QVERIFY(boxes->seen.first().text.contains(text));
        QVERIFY(boxes->seen.first().text.contains(QStringLiteral("Refused")));
        QCOMPARE(session.device().record(0x24, 1), record);
        QTRY_COMPARE_WITH_TIMEOUT(session.overmind()->partitionModel()->sensor(1)->jsonKey(),
                                  QStringLiteral("Зал №2"), DeviceTimeout);
        QCOMPARE(boxes->seen.size(), 1);
    }
};

QTEST_MAIN(TestDeviceListDevice)
#include "test_device_list_device.moc"
