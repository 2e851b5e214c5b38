#include "app/FileChooser.h"
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "journal/JournalWidget.h"
#include "link/HIDInterface.h"
#include "sim/DmiaWriter.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"
#include "support/RussianScreen.h"
#include "support/TestFolder.h"
#include "update/DMIA.h"
#include "update/OnlineUpdateSetup.h"
#include "update/OnlineUpdateWidget.h"
#include "update/UpdateManager.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>
#include <cstring>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;
constexpr quint16 RepeaterId = 12; // type 30, hardware 1.2, in the simulated configuration

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    OnlineUpdateWidget *page() { return ui()->onlineUpdateWidget; }
    template <typename T> T *child(const char *name)
    {
        return page()->findChild<T *>(QLatin1String(name));
    }
    QString status() { return child<QLabel>("lblStatus")->text(); }
    QString log() { return child<QTextEdit>("teNotify")->toPlainText(); }
    QStandardItemModel *parts() { return page()->partsModel(); }
    QStandardItemModel *devices() { return page()->deviceModel(); }
    bool journalFree()
    {
        // Its own state: a disconnected window disables the whole tab as well.
        return !ui()->journalWidget->findChild<QPushButton *>("pbReadAll")
                    ->testAttribute(Qt::WA_ForceDisabled);
    }
    bool idle()
    {
        return child<QPushButton>("pbStop")->isHidden() &&
               !child<QPushButton>("pbUpdate")->isHidden() &&
               child<QPushButton>("pbOpen")->isEnabled() && !overmind()->isUpdating() &&
               journalFree();
    }

    // Logged in with the update page shown and the parts read.
    bool logInAndLoad(int partRows = 6)
    {
        if (!logIn())
            return false;
        clickTab(ui()->tabUpdate);
        // The readout chain: Core first, then the other parts, all their answers in.
        return QTest::qWaitFor(
            [this, partRows] { return parts()->rowCount() >= partRows && headers().settled(); },
            DeviceTimeout);
    }

    void openFiles(const QStringList &files)
    {
        FileChooser::setHandler([files](const FileChooser::Request &) { return files; });
        child<QPushButton>("pbOpen")->click();
        FileChooser::clearHandler();
    }

    int partRow(const QString &name)
    {
        for (int row = 0; row < parts()->rowCount(); ++row)
            if (parts()->item(row, 1)->text() == name)
                return row;
        return -1;
    }
    void tickPart(const QString &name)
    {
        parts()->item(partRow(name), 0)->setCheckState(Qt::Checked);
    }
    int deviceRow(int id)
    {
        for (int row = 0; row < devices()->rowCount(); ++row)
            if (devices()->item(row, 0)->text().startsWith(QString::number(id + 1) + ". "))
                return row;
        return -1;
    }
    void update() { child<QPushButton>("pbUpdate")->click(); }
    // Until the returned guard goes, the device leaves the first report after each erase
    // unacknowledged, so the upload stalls where Stop can end it.
    std::unique_ptr<QObject> stallUploadAfterErase()
    {
        auto guard = std::make_unique<QObject>();
        SimDevice &device = sim.device();
        QObject::connect(
            &sim.communicator(), &SimCommunicator::commandReceived, guard.get(),
            [&device](const QByteArray &command) {
                if (quint8(command.at(0)) == 0xC2)
                    device.withholdAcks(1);
            },
            Qt::DirectConnection);
        return guard;
    }
};

// The page's texts as the program shows them, translated.
QString pageText(const char *text)
{
    return OnlineUpdateWidget::tr(text);
}

// What a text shows before its first argument.
QString leading(const QString &text)
{
    return text.section(QStringLiteral("%1"), 0, 0);
}

QStringList fittingFiles(const QString &name)
{
    return SimFirmware::writeFittingContainers(TestFolder::path(name));
}

s_fw_info infoOf(const QByteArray &record)
{
    s_fw_info info{};
    std::memcpy(&info, record.constData(), qMin(sizeof(info), size_t(record.size())));
    return info;
}

QByteArray imageOf(const QString &file)
{
    return DMIA::readAll(file, false).first()->image;
}

// A radio-device container for devices of this type.
QString radioContainer(const QString &name, quint16 type, quint16 hardware, quint16 version,
                       int imageSize = 4 * 1024)
{
    DmiaWriter radio;
    radio.deviceType = type;
    radio.hardwareVersion = hardware;
    radio.firmwareVersion = version;
    radio.deviceLine =
        QStringLiteral("Device: Tarvo, HW: %1.%2").arg(hardware >> 8).arg(hardware & 0xFF);
    radio.blocks = DmiaWriter::image(0x2000, imageSize, 48, 5);
    const QString folder = TestFolder::path(name);
    QDir().mkpath(folder);
    return DmiaWriter::write(folder + QStringLiteral("/radio.dmia"), {radio.container()});
}

QByteArray headerAndLinesOf(const QString &file)
{
    const DMIA::SPtr dmia = DMIA::readAll(file, false).first();
    QByteArray data = dmia->header();
    for (const QByteArray &line : dmia->lines())
        data += line;
    return data;
}
} // namespace

// The update page against the simulated communicator through the real transport.
class TestUpdatePageDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void initTestCase() { Logger::registerMetaType(); }
    void init()
    {
        Intervals::keepAliveMs = 600000;
        QSettings().clear();
        boxes = std::make_unique<ModalRecorder>();
    }
    void cleanup()
    {
        FileChooser::clearHandler();
        boxes.reset();
    }

    void loadsAndUpdatesTheCore();
    void coreWithBootloaderUploadsBothImages();
    void radioDeviceIsUpdatedFromTheHeldFirmware();
    void failuresLeaveThePageIdle();
    void repeaterTakesNewerHardwareFirmwareOnce();
    void heldFirmwareThatNeverFitsEndsTheRun();
    void lteUploadCompletesAfterStop();
    void oversizeImageIsRefusedBeforeTheErase();
    void repeatedFinalReportLeavesTheNextDeviceAlone();
};

void TestUpdatePageDevice::loadsAndUpdatesTheCore()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    // The bootloader answers the login's own readout first, the core is put on top.
    QCOMPARE(session.parts()->item(0, 1)->text(), pageText("Core"));
    QCOMPARE(session.parts()->item(1, 1)->text(), pageText("Bootloader"));
    QCOMPARE(session.parts()->item(0, 2)->text().left(4), QStringLiteral("1.04"));

    const QStringList files = fittingFiles("core");
    session.openFiles(files);
    QCOMPARE(session.status(), pageText("%1 firmwares loaded from file").arg(3));
    const auto coreLoaded = session.parts()->item(0, 4)->data(Qt::UserRole + 1).value<pDMIA>();
    QVERIFY(coreLoaded);
    QCOMPARE(coreLoaded->deviceType(), quint8(SimFirmware::CoreType));
    QCOMPARE(session.parts()->item(1, 4)->data(Qt::UserRole + 1).value<pDMIA>()->deviceType(),
             quint8(SimFirmware::BootloaderType));
    const int vibration = session.deviceRow(SimFirmware::RadioDeviceId);
    QVERIFY(vibration >= 0);
    QVERIFY(session.devices()->item(vibration, 4)->isEnabled());
    QVERIFY(session.devices()
                ->item(vibration, 4)
                ->text()
                .startsWith(pageText("hw %1.%2, ").arg("1", "02") +
                            pageText("fw %1.%2 (%3 %4)").arg("1", "21").section(" (", 0, 0)));
    saveScreenshot(session.page(), "update_page_loaded.png");
    // Build dates name the weekday in the system's language.
    QStringList weekdays;
    for (int day = 1; day <= 7; ++day)
        weekdays << QLocale::system().dayName(day);
    VERIFY_RUSSIAN_ONLY(session.page(), weekdays);

    session.sim.firmware().setInstalledVersion(15, 0x0105);
    session.tickPart(pageText("Core"));
    QVERIFY(session.child<QPushButton>("pbUpdate")->isEnabled());
    session.update();
    QVERIFY(!session.journalFree());
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), pageText("Update complete"), DeviceTimeout);
    QCOMPARE(session.sim.firmware().erases(0), 1);
    QCOMPARE(session.sim.firmware().written(0), imageOf(files.at(0)));
    QCOMPARE(session.sim.firmware().installs(4), 1);
    QTRY_COMPARE_WITH_TIMEOUT(session.parts()->item(0, 2)->text().left(4), QStringLiteral("1.05"),
                              DeviceTimeout);
    QVERIFY(session.idle());

    // A new load without a core container leaves nothing of the earlier one to tick.
    session.openFiles({files.at(2)});
    QVERIFY(!session.parts()->item(0, 4)->data(Qt::UserRole + 1).value<pDMIA>());
    session.child<QPushButton>("pbOnlyDeprecated")->click();
    QCOMPARE(session.parts()->item(0, 0)->checkState(), Qt::Unchecked);
}

// The image after the core is the Bootloader row's, wherever that row stands.
void TestUpdatePageDevice::coreWithBootloaderUploadsBothImages()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    // The rows in another order: the Bootloader answer arrives last, behind the Radio row.
    session.page()->clear();
    session.page()->onFwVersionUpdated(15, infoOf(session.sim.communicator().record(0x34, 15)));
    QTRY_VERIFY_WITH_TIMEOUT(session.parts()->rowCount() >= 5, DeviceTimeout);
    session.page()->onFwVersionUpdated(16, infoOf(session.sim.communicator().record(0x34, 16)));
    QCOMPARE(session.parts()->item(1, 1)->text(), pageText("Radio"));
    QCOMPARE(session.partRow(pageText("Bootloader")), 5);
    const QStringList files = fittingFiles("both");
    session.openFiles(files);
    session.tickPart(pageText("Core"));
    session.tickPart(pageText("Bootloader"));
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), pageText("Update complete"), DeviceTimeout);
    QCOMPARE(session.sim.firmware().written(0), imageOf(files.at(0)));
    QCOMPARE(session.sim.firmware().written(19), imageOf(files.at(1)));
    QVERIFY(session.sim.firmware().written(2).isEmpty());
    QVERIFY(session.idle());
}

void TestUpdatePageDevice::radioDeviceIsUpdatedFromTheHeldFirmware()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    const QStringList files = fittingFiles("radio");
    const int row = session.deviceRow(SimFirmware::RadioDeviceId);
    // The same container twice: listed once, offered twice in the row's choice.
    session.openFiles({files.at(2), files.at(2)});
    QCOMPARE(session.page()->firmwareListModel()->rowCount(), 1);
    QCOMPARE(session.devices()->item(row, 4)->data(Qt::UserRole).toStringList().size(), 2);
    auto *view = session.child<QTableView>("tvUpdate");
    const QModelIndex choice = session.devices()->index(row, 4);
    view->scrollTo(choice);
    view->edit(choice);
    auto *combo = view->findChild<QComboBox *>();
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    saveScreenshot(session.page(), "update_page_loaded_choice.png");
    QTest::keyClick(combo, Qt::Key_Escape);

    session.openFiles(files);
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    // The device first takes the firmware as identifier 3, then reads it back as 13.
    QTRY_VERIFY_WITH_TIMEOUT(!session.sim.firmware().written(3).isEmpty(), DeviceTimeout);
    QCOMPARE(session.sim.firmware().written(3), headerAndLinesOf(files.at(2)));
    QTRY_VERIFY_WITH_TIMEOUT(
        session.devices()->item(row, 3)->text().startsWith(leading(pageText("Progress: %1%"))),
        DeviceTimeout);
    saveScreenshot(session.page(), "update_page_mid_upload.png");
    QTRY_COMPARE_WITH_TIMEOUT(session.devices()->item(row, 3)->text(),
                              pageText("Update completed successfully"), DeviceTimeout);
    QCOMPARE(session.devices()->item(row, 2)->text(), QStringLiteral("1.21"));
    QCOMPARE(session.devices()->item(row, 0)->background().color(),
             OnlineUpdateWidget::SucceededColor);
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), pageText("Update complete"), DeviceTimeout);
    QVERIFY(session.idle());
    QVERIFY(session.child<QLabel>("lblLoadedFirm")->text().contains("1.21"));
    saveScreenshot(session.page(), "update_page_radio_device_updated.png");
}

// Each way an update can fail ends with the page idle and the journal free, and the next
// update still works.
void TestUpdatePageDevice::failuresLeaveThePageIdle()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    const QStringList files = fittingFiles("faults");
    SimFirmware &firmware = session.sim.firmware();

    // Nothing ticked: nothing is sent and the journal stays free.
    session.page()->onUpdateClicked();
    QCOMPARE(session.status(), pageText("Current firmware not found"));
    QVERIFY(session.idle());

    // A refused erase writes nothing.
    session.openFiles(files);
    firmware.setEraseCode(26);
    session.tickPart(pageText("Core"));
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), pageText("Flash erase failed"), DeviceTimeout);
    QVERIFY(firmware.written(0).isEmpty());
    QVERIFY(session.idle());
    firmware.setEraseCode(0);

    // The device reports the install as failed.
    session.openFiles(files);
    firmware.setInstallFails(true);
    session.tickPart(pageText("Core"));
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count("warning"), 1, DeviceTimeout);
    QCOMPARE(boxes->seen.last().text, pageText("Update failed"));
    QVERIFY(session.idle());
    firmware.setInstallFails(false);

    // The communicator stays busy: three retries, then the device update is aborted.
    session.openFiles(files);
    session.sim.communicator().failNext(0xC0, 31, 4);
    const int row = session.deviceRow(SimFirmware::RadioDeviceId);
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    QTRY_VERIFY_WITH_TIMEOUT(
        session.devices()->item(row, 3)->text().startsWith(leading(pageText("Error occurred: %1"))),
        DeviceTimeout);
    QCOMPARE(session.log().count(leading(UpdateManager::tr("Attempt %1 to start the update"))), 3);
    QTRY_VERIFY_WITH_TIMEOUT(!session.sim.communicator().commandsOf(0xC1).isEmpty(), DeviceTimeout);
    QVERIFY(session.idle());

    // The device stops acknowledging in the middle of the upload; Stop ends the wait.
    session.openFiles(files);
    auto guard = session.stallUploadAfterErase();
    session.tickPart(pageText("Core"));
    session.update();
    QTRY_VERIFY_WITH_TIMEOUT(session.child<QPushButton>("pbStop")->isEnabled(), DeviceTimeout);
    guard.reset();
    session.child<QPushButton>("pbStop")->click();
    QTRY_VERIFY_WITH_TIMEOUT(session.idle(), DeviceTimeout);
    QCOMPARE(session.sim.firmware().installs(4), 1);

    // The next update works.
    session.openFiles(files);
    session.tickPart(pageText("Core"));
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), pageText("Update complete"), DeviceTimeout);
    QVERIFY(session.idle());

    // An unplug in the middle clears the page and its update.
    session.openFiles(files);
    session.tickPart(pageText("Core"));
    session.update();
    session.sim.unplug();
    QTRY_VERIFY_WITH_TIMEOUT(session.parts()->rowCount() == 0, DeviceTimeout);
    QVERIFY(!session.overmind()->isUpdating());
    QVERIFY(session.journalFree());
}

// A repeater of hardware 1.2 or later takes any firmware from 1.3 on: the firmware loaded for
// it is the one it is updated from, not loaded again.
void TestUpdatePageDevice::repeaterTakesNewerHardwareFirmwareOnce()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    const int row = session.deviceRow(RepeaterId);
    QVERIFY(row >= 0);
    session.openFiles({radioContainer("repeater", 30, 0x0200, 0x0104)});
    QVERIFY(session.devices()->item(row, 4)->isEnabled());
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.devices()->item(row, 3)->text(),
                              OnlineUpdateWidget::tr("Update completed successfully"),
                              DeviceTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), OnlineUpdateWidget::tr("Update complete"),
                              DeviceTimeout);
    QCOMPARE(session.sim.firmware().erases(3), 1);
    QCOMPARE(session.sim.firmware().radioUpdates(RepeaterId), 1);
    QVERIFY(session.idle());
}

// The communicator keeps reporting firmware the device cannot take: the device fails once the
// container was loaded for it, and the run ends instead of loading it again.
void TestUpdatePageDevice::heldFirmwareThatNeverFitsEndsTheRun()
{
    Session session;
    session.sim.communicator().setRecord(0x34, 13, SimFirmware::partInfo(4, 0x0102, 0x0100, 1));
    session.sim.firmware().setKeepsHeldFirmware(true);
    QVERIFY(session.logInAndLoad());
    const int row = session.deviceRow(SimFirmware::RadioDeviceId);
    session.openFiles(fittingFiles("stale"));
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), OnlineUpdateWidget::tr("Update complete"),
                              DeviceTimeout);
    QCOMPARE(session.devices()->item(row, 3)->text(), OnlineUpdateWidget::tr("Update failed"));
    QCOMPARE(session.sim.firmware().erases(3), 1);
    QCOMPARE(session.sim.firmware().radioUpdates(SimFirmware::RadioDeviceId), 0);
    QVERIFY(session.idle());
}

// The LTE communicator takes 59 payload bytes per report; a stop recreates the writer, which
// keeps that size, so the next upload is counted and completed.
void TestUpdatePageDevice::lteUploadCompletesAfterStop()
{
    Session session;
    QByteArray board = session.sim.communicator().record(0x34, 16);
    board[58] = char(47);
    session.sim.communicator().setRecord(0x34, 16, board);
    session.sim.device().setPayloadSize(59);
    QVERIFY(session.logInAndLoad(3));
    QTRY_COMPARE_WITH_TIMEOUT(session.child<QLabel>("lblType")->text(),
                              OnlineUpdateWidget::tr("Korvel LTE"), DeviceTimeout);
    const int row = session.deviceRow(SimFirmware::RadioDeviceId);
    const QStringList files = fittingFiles("lte");
    session.openFiles(files);

    // The device stops acknowledging in the middle of the upload; Stop ends it.
    SimDevice &device = session.sim.device();
    auto guard = session.stallUploadAfterErase();
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    QTRY_VERIFY_WITH_TIMEOUT(session.child<QPushButton>("pbStop")->isEnabled(), DeviceTimeout);
    guard.reset();
    session.child<QPushButton>("pbStop")->click();
    QTRY_VERIFY_WITH_TIMEOUT(session.idle(), DeviceTimeout);

    device.clearRecords();
    session.openFiles(files);
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.devices()->item(row, 3)->text(),
                              OnlineUpdateWidget::tr("Update completed successfully"),
                              DeviceTimeout);
    QCOMPARE(session.sim.firmware().written(3), headerAndLinesOf(files.at(2)));
    for (const QByteArray &report : device.hostReports())
        QVERIFY(quint8(report.at(4)) <= 59);
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), OnlineUpdateWidget::tr("Update complete"),
                              DeviceTimeout);
    QVERIFY(session.idle());
}

// An image needing more reports than one message may have is refused with a box naming it,
// before the flash is erased.
void TestUpdatePageDevice::oversizeImageIsRefusedBeforeTheErase()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    const int row = session.deviceRow(SimFirmware::RadioDeviceId);
    const QString file = radioContainer("oversize", SimFirmware::RadioDeviceType,
                                        SimFirmware::RadioDeviceHardware, 0x0116, 4 * 1024 * 1024);
    session.openFiles({file});
    session.devices()->item(row, 0)->setCheckState(Qt::Checked);
    session.update();
    QCOMPARE(boxes->count("critical"), 1);
    const QString size = QString::number(headerAndLinesOf(file).size());
    QVERIFY2(boxes->seen.last().text.contains(size), qPrintable(boxes->seen.last().text));
    QCOMPARE(session.status(), boxes->seen.last().text);
    QVERIFY(session.idle());
    QCOMPARE(session.sim.firmware().erases(3), 0);
}

// A device repeating its final report is checked once; the next device is updated normally.
void TestUpdatePageDevice::repeatedFinalReportLeavesTheNextDeviceAlone()
{
    Session session;
    QVERIFY(session.logInAndLoad());
    session.sim.firmware().setRepeatsFinalReport(true);
    // Devices 0 and 29 are both of type 4 with hardware 1.2.
    const int first = session.deviceRow(0);
    const int second = session.deviceRow(29);
    session.openFiles({radioContainer("repeat", 4, 0x0102, 0x0121)});
    session.devices()->item(first, 0)->setCheckState(Qt::Checked);
    session.devices()->item(second, 0)->setCheckState(Qt::Checked);
    session.update();
    QTRY_COMPARE_WITH_TIMEOUT(session.status(), OnlineUpdateWidget::tr("Update complete"),
                              3 * DeviceTimeout);
    QCOMPARE(session.devices()->item(first, 3)->text(),
             OnlineUpdateWidget::tr("Update completed successfully"));
    QCOMPARE(session.devices()->item(second, 3)->text(),
             OnlineUpdateWidget::tr("Update completed successfully"));
    QCOMPARE(session.sim.firmware().radioUpdates(0), 1);
    QCOMPARE(session.sim.firmware().radioUpdates(29), 1);
    QCOMPARE(session.sim.firmware().erases(3), 1);
    QVERIFY(session.idle());
}

QTEST_MAIN(TestUpdatePageDevice)
#include "test_update_page_device.moc"
