#include "CommsLink.h"
#include "CommsSession.h"

#include "app/FileChooser.h"
#include "app/Intervals.h"
#include "app/LineCopyWidget.h"
#include "link/Protocol.h"
#include "pages/comms/ChannelLoadAnalysis.h"
#include "pages/comms/EthernetSettingsWidget.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/comms/GSMStatusWidget.h"
#include "pages/comms/SendSMSDialog.h"
#include "pages/comms/SimPinDialog.h"
#include "pages/comms/WirelessSettingsWidget.h"
#include "sim/LogCapture.h"
#include "support/ModalRecorder.h"
#include "support/RussianScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtCharts/QLineSeries>

#include <memory>

namespace {
template <typename Widget> Widget *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Widget *>(widget))
            if (found->isVisible())
                return found;
    return nullptr;
}

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}

bool sawTitle(const ModalRecorder &boxes, const QString &title)
{
    for (const auto &request : boxes.seen)
        if (request.title == title)
            return true;
    return false;
}

QByteArray simStatus(quint8 event, quint8 sim, quint8 pinTries, quint8 pukTries)
{
    QByteArray status(8, '\0');
    status[0] = char(event);
    status[1] = char(sim);
    status[2] = char(pinTries);
    status[3] = char(pukTries);
    return SimCommunicator::message(0xD4, 0, status);
}
} // namespace

// The three communication pages against the simulated communicator through the real
// transport: what they show after login, what Save leaves in the device, the errors,
// resets, scans, the noise window, balance, test SMS and a SIM PIN round.
class TestCommsDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init()
    {
        Intervals::keepAliveMs = 600000;
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
    }

    void cleanup()
    {
        FileChooser::clearHandler();
        boxes.reset();
    }

    void radioChannelPageAgainstTheDevice()
    {
        CommsSession session;
        QVERIFY(session.logInAndLoad());
        WirelessSettingsWidget *page = session.ui()->wirelessSettingsWidget;
        session.openSettingsPage(page);
        auto *interval = page->findChild<QComboBox *>("cbInterval");
        QTRY_VERIFY_WITH_TIMEOUT(page->isEnabled(), SessionTimeout);
        QCOMPARE(page->findChild<QComboBox *>("cbChannelsGroup")->currentText(), "1");
        QCOMPARE(page->findChild<QComboBox *>("cbWirelessChannel")->currentText(), "3");
        QCOMPARE(interval->currentText(), "4.5");
        QCOMPARE(page->findChild<QSpinBox *>("sbConfigTime")->value(), 300);
        QTRY_COMPARE_WITH_TIMEOUT(page->findChild<QLabel *>("lblCurrentChannel")->text(), "3",
                                  SessionTimeout);
        QVERIFY(saveScreenshot(session.window(), "comms-radio-page.png"));
        VERIFY_RUSSIAN_ONLY(session.window());

        // Save: the device holds the new interval in a sealed block.
        interval->setCurrentText("6");
        QVERIFY(page->hasChanges());
        QTest::mouseClick(page->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(quint8(session.device().record(0x2C, 0).at(36)), quint8(120),
                                  SessionTimeout);
        QVERIFY(crcIsValid(session.device().record(0x2C, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(!page->hasChanges(), SessionTimeout);

        // A refused save is logged and shown once with the device's text; the page then
        // shows what the device kept.
        LogCapture log;
        const int boxesBefore = boxes->seen.size();
        session.device().failNext(0x76, SimCommunicator::ErrCrc);
        interval->setCurrentText("4.5");
        QVERIFY(page->hasChanges());
        QTest::mouseClick(page->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        const QString refusal = Protocol::firmwareUpdateErrorString(SimCommunicator::ErrCrc);
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("Error while operation 0x76: ") + refusal), SessionTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), boxesBefore + 1, SessionTimeout);
        QVERIFY(boxes->seen.last().text.contains(refusal));
        QTRY_COMPARE_WITH_TIMEOUT(interval->currentText(), QStringLiteral("6"), SessionTimeout);
        QVERIFY(!page->hasChanges());
        QCOMPARE(quint8(session.device().record(0x2C, 0).at(36)), quint8(120));

        // Reset asks and then sends the reset of the radio block.
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        QTest::mouseClick(page->findChild<QPushButton *>("pbReset"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0x02).isEmpty(), SessionTimeout);
        QCOMPARE(idOf(session.device().commandsOf(0x02).last()), quint16(7));

        // A scan ends with the device's block and its best channel.
        session.comms().setScanDelayMs(100);
        QTest::mouseClick(page->findChild<QRadioButton *>("rbBestSelect"), Qt::LeftButton);
        QTest::mouseClick(page->findChild<QPushButton *>("pbChooseBestChannel"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->isScanning(), SessionTimeout);
        QCOMPARE(page->findChild<QLabel *>("lblBestChannel")->text(),
                 WirelessSettingsWidget::tr("Channel Scan :"));
        QTRY_VERIFY_WITH_TIMEOUT(!page->isScanning(), SessionTimeout);
        QCOMPARE(page->findChild<QLabel *>("lblBestChannelNumb")->text(), "4");
        QCOMPARE(session.device().commandsOf(0xD6).size(), 1);
    }

    void noiseWindowRunsAgainstTheDevice()
    {
        CommsSession session;
        QVERIFY(session.logInAndLoad());
        WirelessSettingsWidget *page = session.ui()->wirelessSettingsWidget;
        session.openSettingsPage(page);
        session.comms().setNoiseIntervalMs(20);
        QTRY_VERIFY_WITH_TIMEOUT(
            page->findChild<QPushButton *>("pbLaunchLoadAnalysis")->isEnabled(), SessionTimeout);
        QTest::mouseClick(page->findChild<QPushButton *>("pbLaunchLoadAnalysis"), Qt::LeftButton);
        ChannelLoadAnalysis *window = topLevel<ChannelLoadAnalysis>();
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(session.comms().isMeasuringNoise(), SessionTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(window->series()->count() >= 20, SessionTimeout);
        QVERIFY(saveScreenshot(window, "comms-noise-window.png"));
        window->close();
        QTRY_VERIFY_WITH_TIMEOUT(!session.comms().isMeasuringNoise(), SessionTimeout);
        const QByteArray stop = lastPayload(session.device(), 0xCC);
        QCOMPARE(stop, QByteArray::fromHex("0200"));
    }

    void gsmPageStatusPanelAndPinRound()
    {
        CommsSession session;
        QVERIFY(session.logInAndLoad());
        GSMSettingsWidget *page = session.ui()->gsmSettingsWidget;
        session.openSettingsPage(page);
        QTRY_VERIFY_WITH_TIMEOUT(page->isEnabled(), SessionTimeout);
        auto *apn = page->findChild<QLineEdit *>("leSim1APN");
        QCOMPARE(apn->text(), "internet.northwave.net");
        QCOMPARE(page->findChild<QLineEdit *>("leSim2USSD")->text(), "*102#");
        QVERIFY(page->findChild<QCheckBox *>("cbEnableGSM")->isChecked());
        QVERIFY(saveScreenshot(session.window(), "comms-gsm-page.png"));
        VERIFY_RUSSIAN_ONLY(session.window());

        apn->setText("inet.nw");
        QTest::mouseClick(page->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(session.device().record(0x2E, 0).mid(8, 8),
                                  QByteArray("inet.nw\0", 8), SessionTimeout);
        QVERIFY(crcIsValid(session.device().record(0x2E, 0)));

        // The status panel follows the older records of firmware 1.4.
        GSMStatusWidget *panel = session.ui()->gsmStatusWidget;
        session.ui()->twMain->setCurrentIndex(0);
        // The panel's own request may have gone out before the firmware version was known.
        panel->sendRequest();
        auto *power = panel->findChild<QLabel *>("lblPower");
        QTRY_COMPARE_WITH_TIMEOUT(power->text(), GSMStatusWidget::tr("On"), SessionTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(panel->findChild<QLabel *>("lblOperatorSim1")->text(),
                                  "Northwave", SessionTimeout);
        QCOMPARE(panel->findChild<QLabel *>("lblNetworkSim1")->text(),
                 QCoreApplication::translate("QObject", "Home network") + " " +
                     QCoreApplication::translate("QObject", "(EDGE)"));
        QVERIFY(saveScreenshot(panel, "comms-gsm-status.png"));
        VERIFY_RUSSIAN_ONLY(panel, {QStringLiteral("Northwave")});

        QTest::mouseClick(panel->findChild<QPushButton *>("pbRequstBalance1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(sawTitle(*boxes, Protocol::tr("Balance request answer")),
                                 SessionTimeout);

        // A test SMS reaches the device.
        auto *testSms = panel->findChild<QPushButton *>("pbTestSMS");
        QTRY_VERIFY_WITH_TIMEOUT(testSms->isEnabled(), SessionTimeout);
        QTest::mouseClick(testSms, Qt::LeftButton);
        SendSMSDialog *dialog = topLevel<SendSMSDialog>();
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>("lePhoneNumber")->setText("+79161234567");
        dialog->findChild<QPlainTextEdit *>("pteMessage")->setPlainText("Test");
        QVERIFY(saveScreenshot(dialog, "comms-test-sms.png"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("pbSend"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0xC9).isEmpty(), SessionTimeout);
        QCOMPARE(lastPayload(session.device(), 0xC9),
                 QByteArray("79161234567") + QByteArray(5, '\0') + QByteArray("Test", 5));
        QVERIFY(boxes->sawText(GSMStatusWidget::tr("Test SMS has been send.")));
        dialog->close();

        // PIN protection off, then a wrong PIN three times, the PUK and a new PIN.
        session.openSettingsPage(page);
        auto *toggle = page->findChild<QPushButton *>("pbSim1TogglePIN");
        QTRY_VERIFY_WITH_TIMEOUT(toggle->isEnabled(), SessionTimeout);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(toggle->text(), GSMSettingsWidget::tr("Enable PIN"),
                                  SessionTimeout);
        QVERIFY(!session.comms().pinEnabled(0));

        SimPinDialog *pinDialog = page->pinDialog();
        session.device().send(simStatus(12, 0, 3, 10));
        QTRY_VERIFY_WITH_TIMEOUT(pinDialog->isVisible(), SessionTimeout);
        auto *pages = pinDialog->findChild<QStackedWidget *>();
        auto *pinTries = pinDialog->findChild<QLabel *>("lblPinTriesLeft");
        for (const char *tries : {"3", "2", "1"}) {
            QTRY_COMPARE_WITH_TIMEOUT(pinTries->text(), QString(tries), SessionTimeout);
            QCOMPARE(pages->currentIndex(), int(SimPinDialog::PinPage));
            auto *pin = pinDialog->findChild<QLineEdit *>("lePinCode");
            pin->clear();
            QTest::keyClicks(pin, "0000");
            QTest::mouseClick(pinDialog->findChild<QPushButton *>("pbSendPin"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(pinDialog->isVisible(), SessionTimeout);
        }
        QTRY_COMPARE_WITH_TIMEOUT(pages->currentIndex(), int(SimPinDialog::PukPage),
                                  SessionTimeout);
        QCOMPARE(pinDialog->findChild<QLabel *>("lblPukTriesLeft")->text(), "10");
        QVERIFY(saveScreenshot(pinDialog, "comms-pin-dialog.png"));
        QTest::keyClicks(pinDialog->findChild<QLineEdit *>("lePukCode"), SimComms::Puk);
        QTest::keyClicks(pinDialog->findChild<QLineEdit *>("leNewPinCode"), "4321");
        QTest::mouseClick(pinDialog->findChild<QPushButton *>("pbSendPuk"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(pages->currentIndex(), int(SimPinDialog::SuccessPage),
                                  SessionTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(pinDialog->isVisible(), SessionTimeout);
        QCOMPARE(pinDialog->findChild<QLabel *>("lblPinChangeSuccess")->text(),
                 SimPinDialog::tr("PIN-code accepted!"));
        QCOMPARE(session.comms().pin(0), "4321");
        pinDialog->close();
    }

    void ethernetPageAgainstTheDevice()
    {
        CommsSession session;
        QVERIFY(session.logInAndLoad());
        EthernetSettingsWidget *page = session.ui()->ethernetSettingsWidget;
        session.openSettingsPage(page);
        QTRY_VERIFY_WITH_TIMEOUT(page->isEnabled(), SessionTimeout);
        QCOMPARE(page->findChild<QLineEdit *>("leIPV4adr")->text(), "192.168.1.10");
        QCOMPARE(page->findChild<QLineEdit *>("leServerName")->text(), "korvelhall");
        QCOMPARE(page->findChild<QLineEdit *>("leGlobaIPV6")->text(), "2001:db8:0:1::10");
        QTRY_COMPARE_WITH_TIMEOUT(page->findChild<QLineEdit *>("leDefaultMAC")->text(),
                                  "02:a0:c4:17:1b:2e", SessionTimeout);
        QVERIFY(page->findChild<QRadioButton *>("rbUseAutomatically")->isChecked());
        QVERIFY(saveScreenshot(session.window(), "comms-ethernet-page.png"));
        VERIFY_RUSSIAN_ONLY(session.window());

        page->findChild<QLineEdit *>("leServerName")->setText("korvelbase");
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        QTest::mouseClick(page->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        QVERIFY(boxes->sawText(EthernetSettingsWidget::tr(
            "A reboot is required to apply the settings. Do you want to reload?")));
        QTRY_COMPARE_WITH_TIMEOUT(session.device().record(0x3D, 0).mid(128, 11),
                                  QByteArray("korvelbase\0", 11), SessionTimeout);
        QVERIFY(crcIsValid(session.device().record(0x3D, 0)));

        QTest::mouseClick(page->findChild<QPushButton *>("pbGetVerifyCode"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->findChild<LineCopyWidget *>(), SessionTimeout);
        auto *code = page->findChild<LineCopyWidget *>()->findChild<QLineEdit *>("leText");
        QCOMPARE(code->text(), QString::number(SimComms::VerifyCode));

        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        QTest::mouseClick(page->findChild<QPushButton *>("pbReset"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!session.device().commandsOf(0x02).isEmpty(), SessionTimeout);
        QCOMPARE(idOf(session.device().commandsOf(0x02).last()), quint16(6));
    }
};

QTEST_MAIN(TestCommsDevice)
#include "test_comms_device.moc"
