#include "CommsLink.h"

#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/comms/ChangeChannelGroup.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/EthernetSettingsWidget.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/comms/GSMStatusWidget.h"
#include "pages/comms/SendSMSDialog.h"
#include "pages/comms/SimAPNValidator.h"
#include "pages/comms/SimPinDialog.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/comms/WirelessSettingsWidget.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtEndian>

#include <memory>

namespace {
constexpr int Timeout = 30000;

template <typename Widget> Widget *visibleTopLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Widget *>(widget))
            if (found->isVisible())
                return found;
    return nullptr;
}

s_SimcardStatus simStatus(quint8 event, quint8 sim, quint8 pinTries = 3, quint8 pukTries = 10)
{
    s_SimcardStatus status;
    std::memset(&status, 0, sizeof(status));
    status.event = event;
    status.data[0] = sim;
    status.data[1] = pinTries;
    status.data[2] = pukTries;
    return status;
}

template <typename Record> Record filled(std::initializer_list<std::pair<int, int>> bytes)
{
    Record record;
    std::memset(&record, 0, sizeof(record));
    for (const auto &entry : bytes)
        record.bytes[entry.first] = quint8(entry.second);
    return record;
}
} // namespace

// The communication pages, dialogs and the status panel of a main window whose controller
// talks to the simulated communicator.
class TestCommsPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<ControllerFixture> m_controller;
    std::unique_ptr<ModalRecorder> m_boxes;

    Ui_MainWindow *ui() { return m_controller->overmind().mainWindow()->form(); }
    Protocol *protocol() { return m_controller->overmind().protocol(); }
    SimCommunicator &device() { return m_controller->communicator(); }

    // Sends a marker and waits for it: every command sent before it has arrived.
    void settle()
    {
        const int markers = device().commandsOf(0x0F).size();
        protocol()->sendToDevice(_MenuDataReadDeviceStatus);
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x0F).size(), markers + 1, Timeout);
    }

private slots:
    void initTestCase()
    {
        m_controller = std::make_unique<ControllerFixture>();
        QVERIFY(m_controller->connect());
    }

    void cleanupTestCase() { m_controller.reset(); }

    void init()
    {
        m_boxes = std::make_unique<ModalRecorder>();
        m_controller->overmind().deviceInfo().setVersion(0x0104);
        device().clearCommands();
    }

    void cleanup() { m_boxes.reset(); }

    // ---- radio channel page ----

    void intervalTexts_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("30") << 30 << "1.5";
        QTest::newRow("60") << 60 << "3";
        QTest::newRow("90") << 90 << "4.5";
        QTest::newRow("120") << 120 << "6";
        QTest::newRow("300") << 300 << "15";
    }

    void intervalTexts()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::Russian));
        QCOMPARE(WirelessSettingsWidget::intervalText(seconds), text);
        WirelessSettings settings(nullptr);
        settings.setConnectionInterval(quint16(seconds));
        settings.setConfigEnableTime(300);
        WirelessSettingsWidget page;
        page.setSettings(&settings);
        page.settingsUpdated();
        QCOMPARE(page.findChild<QComboBox *>("cbInterval")->currentText(), text);
        QVERIFY(!page.hasChanges());
        page.saveSettings();
        QCOMPARE(int(settings.connectionInterval()), seconds);
        QLocale::setDefault(QLocale::c());
    }

    void groupQuestion_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("channels");
        QTest::newRow("yes") << "pbYes"
                             << "3" << QStringList{"3", "6", "9"};
        QTest::newRow("no") << "pbNo"
                            << "1" << QStringList{"1", "2", "3", "4"};
        QTest::newRow("cancel") << "pbCancel"
                                << "1" << QStringList{"1", "2", "3", "4"};
        QTest::newRow("window closed") << ""
                                       << "1" << QStringList{"1", "2", "3", "4"};
    }

    void groupQuestion()
    {
        QFETCH(QString, button);
        QFETCH(QString, group);
        QFETCH(QStringList, channels);
        WirelessSettings settings(nullptr);
        WirelessSettingsWidget page;
        page.setSettings(&settings);
        page.settingsUpdated();
        auto *groups = page.findChild<QComboBox *>("cbChannelsGroup");
        groups->setCurrentText("3");
        ChangeChannelGroup *question = visibleTopLevel<ChangeChannelGroup>();
        QVERIFY(question);
        if (button == QLatin1String("pbYes"))
            QVERIFY(saveScreenshot(question));
        if (button.isEmpty())
            question->close();
        else
            question->findChild<QPushButton *>(button)->click();
        QCOMPARE(groups->currentText(), group);
        auto *list = page.findChild<QComboBox *>("cbWirelessChannel");
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QCOMPARE(shown, channels);
        QTRY_VERIFY(!visibleTopLevel<ChangeChannelGroup>());
    }

    bool saveScreenshot(QWidget *widget)
    {
        const QString path =
            QDir(QCoreApplication::applicationDirPath()).filePath("comms-group-question.png");
        return widget->grab().save(path, "PNG");
    }

    void bestChannelIsShownOnlyInsideTheGroup_data()
    {
        QTest::addColumn<int>("best");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in the group") << 2 << "3";
        QTest::newRow("outside the group") << 4 << WirelessSettingsWidget::tr("Undefined");
        QTest::newRow("none") << 255 << WirelessSettingsWidget::tr("Undefined");
    }

    void bestChannelIsShownOnlyInsideTheGroup()
    {
        QFETCH(int, best);
        QFETCH(QString, shown);
        WirelessSettings settings(nullptr);
        settings.setBestChannel(quint8(best));
        WirelessSettingsWidget page;
        page.setSettings(&settings);
        page.settingsUpdated();
        QCOMPARE(page.findChild<QLabel *>("lblBestChannelNumb")->text(), shown);
    }

    // Nothing raises the signal yet; the page's answer to it is ready.
    void radioModeQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<int>("useBest");
        QTest::addColumn<int>("best");
        QTest::newRow("start scan") << 0 << true << 1 << 255;
        QTest::newRow("change mode") << 1 << false << 0 << 255;
        QTest::newRow("closed") << -1 << false << 1 << 2;
    }

    void radioModeQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, scanning);
        QFETCH(int, useBest);
        QFETCH(int, best);
        WirelessSettings settings(protocol());
        settings.setUseBestChannel(true);
        settings.setBestChannel(2);
        WirelessSettingsWidget page;
        page.setSettings(&settings);
        m_boxes->reply = [answer](const ModalAnswerer::Request &) { return answer; };
        emit settings.useBestChannelOn();
        QCOMPARE(m_boxes->seen.size(), 1);
        QCOMPARE(m_boxes->seen.first().title, WirelessSettingsWidget::tr("Radio mode"));
        QCOMPARE(page.isScanning(), scanning);
        QCOMPARE(settings.useBestChannel(), useBest);
        QCOMPARE(int(settings.bestChannel()), best);
        settle();
        QCOMPARE(device().commandsOf(0xD6).size(), scanning ? 1 : 0);
        QCOMPARE(device().commandsOf(0x76).size(), answer == 1 ? 1 : 0);
    }

    void saveInBestModeWithoutABestChannelStartsAScan()
    {
        WirelessSettings settings(protocol());
        settings.setUseBestChannel(true);
        settings.setBestChannel(255);
        WirelessSettingsWidget page;
        page.setSettings(&settings);
        page.connected();
        page.settingsUpdated();
        page.saveSettings();
        QTRY_VERIFY_WITH_TIMEOUT(page.isScanning(), Timeout);
        QCOMPARE(page.findChild<QLabel *>("lblBestChannel")->text(),
                 WirelessSettingsWidget::tr("Channel Scan :"));
        QVERIFY(!page.findChild<QPushButton *>("pbChooseBestChannel")->isEnabled());
        page.scanTimer().setInterval(1);
        page.scanTimer().start();
        QTRY_VERIFY(!page.isScanning());
        QCOMPARE(page.findChild<QLabel *>("lblBestChannelNumb")->text(),
                 WirelessSettingsWidget::tr("Undefined"));
        QVERIFY(page.findChild<QPushButton *>("pbChooseBestChannel")->isEnabled());
    }

    // ---- GSM page ----

    void apnValidation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("empty") << "" << int(QValidator::Acceptable);
        QTest::newRow("two words") << "internet.op" << int(QValidator::Acceptable);
        QTest::newRow("with dash") << "m2m-op.ru" << int(QValidator::Acceptable);
        QTest::newRow("trailing dot") << "internet." << int(QValidator::Intermediate);
        QTest::newRow("leading dot") << ".internet" << int(QValidator::Invalid);
        QTest::newRow("two dots") << "a..b" << int(QValidator::Invalid);
        QTest::newRow("dash by dot") << "a-.b" << int(QValidator::Invalid);
        QTest::newRow("51 characters") << QString(51, 'a') << int(QValidator::Invalid);
        QTest::newRow("50 characters") << QString(50, 'a') << int(QValidator::Acceptable);
        QTest::newRow("blank") << "a b" << int(QValidator::Invalid);
        QTest::newRow("Cyrillic") << QString(3, QChar(0x0431)) << int(QValidator::Invalid);
    }

    void apnValidation()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        SimAPNValidator validator;
        int position = 0;
        QCOMPARE(int(validator.validate(text, position)), state);
    }

    void ussdPattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("*100*#") << "*100*#" << int(QValidator::Acceptable);
        QTest::newRow("*100#") << "*100#" << int(QValidator::Intermediate);
        QTest::newRow("*102*1*3#") << "*102*1*3#" << int(QValidator::Acceptable);
        QTest::newRow("letters") << "*10a#" << int(QValidator::Invalid);
    }

    void ussdPattern()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        GSMSettingsWidget page;
        const QValidator *validator = page.findChild<QLineEdit *>("leSim1USSD")->validator();
        int position = 0;
        QCOMPARE(int(validator->validate(text, position)), state);
    }

    void pinDialogFollowsTheAnswers_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("sim");
        QTest::addColumn<int>("pinTries");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("accepted") << 6 << 0 << 3 << true << int(SimPinDialog::SuccessPage)
                                  << SimPinDialog::tr("PIN-code accepted!");
        QTest::newRow("changed") << 8 << 1 << 3 << true << int(SimPinDialog::SuccessPage)
                                 << SimPinDialog::tr("PIN-code changed successfully!");
        QTest::newRow("wrong PIN") << 12 << 0 << 3 << true << int(SimPinDialog::PinPage) << "3";
        QTest::newRow("no PIN tries") << 12 << 1 << 0 << true << int(SimPinDialog::PukPage) << "10";
        QTest::newRow("PUK needed") << 17 << 0 << 0 << true << int(SimPinDialog::PukPage) << "10";
        QTest::newRow("new PIN") << 18 << 0 << 3 << true << int(SimPinDialog::NewPinPage) << "";
        QTest::newRow("PIN on") << 9 << 0 << 3 << false << int(SimPinDialog::SuccessPage) << "";
    }

    void pinDialogFollowsTheAnswers()
    {
        QFETCH(int, event);
        QFETCH(int, sim);
        QFETCH(int, pinTries);
        QFETCH(bool, shown);
        QFETCH(int, page);
        QFETCH(QString, text);
        SimPinDialog dialog;
        QCOMPARE(dialog.showStatus(simStatus(quint8(event), quint8(sim), quint8(pinTries))), shown);
        QCOMPARE(dialog.findChild<QLabel *>("lblSimCard")->text(),
                 SimPinDialog::tr("SIM card %1").arg(sim + 1));
        QCOMPARE(dialog.findChild<QStackedWidget *>()->currentIndex(), page);
        const char *labels[] = {"lblPinChangeSuccess", "lblPinTriesLeft", nullptr,
                                "lblPukTriesLeft"};
        if (!text.isEmpty() && labels[page])
            QCOMPARE(dialog.findChild<QLabel *>(labels[page])->text(), text);
        if (event == 18) {
            QCOMPARE(dialog.windowTitle(), SimPinDialog::tr("Set new PIN-Code"));
            dialog.showStatus(simStatus(6, 0));
            QCOMPARE(dialog.windowTitle(), SimPinDialog::tr("Set new PIN-Code"));
        }
    }

    // Send follows both fields on every edit: a new PIN cut to three digits disables it.
    void pukPageSendFollowsBothFields()
    {
        SimPinDialog dialog;
        dialog.showStatus(simStatus(16, 0, 0, 10));
        auto *send = dialog.findChild<QPushButton *>("pbSendPuk");
        auto *puk = dialog.findChild<QLineEdit *>("lePukCode");
        auto *pin = dialog.findChild<QLineEdit *>("leNewPinCode");
        QTest::keyClicks(pin, "4321");
        QVERIFY(!send->isEnabled());
        QTest::keyClicks(puk, "1234567890");
        QVERIFY(send->isEnabled());
        QTest::keyClick(pin, Qt::Key_Backspace);
        QVERIFY(!send->isEnabled());
        QTest::keyClicks(pin, "9");
        QVERIFY(send->isEnabled());
        QTest::keyClick(puk, Qt::Key_Home);
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(puk, Qt::Key_Delete);
        QVERIFY(!send->isEnabled());
    }

    void simControlRequests_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("puk");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("switch on") << 0 << ""
                                   << "" << (QByteArray::fromHex("0001") + QByteArray(24, 0));
        QTest::newRow("enter PIN")
            << 3 << "1234"
            << "" << (QByteArray::fromHex("0301") + "1234" + QByteArray(20, 0));
        QTest::newRow("ten-digit PUK") << 4 << "5678"
                                       << "1234567890"
                                       << (QByteArray::fromHex("0401") + "5678" + QByteArray(6, 0) +
                                           "1234567890" + QByteArray(4, 0));
    }

    void simControlRequests()
    {
        QFETCH(int, command);
        QFETCH(QString, pin);
        QFETCH(QString, puk);
        QFETCH(QByteArray, bytes);
        QCOMPARE(bytesOf(SimPinDialog::request(quint8(command), 1, pin, puk)), bytes);
    }

    // Without an older-format status the toggle follows the card's last SIM control answer.
    void pinToggleFollowsTheLastAnswerOfNewerDevices()
    {
        GSMSettingsWidget widget;
        GSMSettingsWidget *page = &widget;
        page->setEnabled(true);
        auto *toggle = page->findChild<QPushButton *>("pbSim2TogglePIN");
        page->simPinStatusUpdated(simStatus(9, 1));
        QCOMPARE(toggle->text(), GSMSettingsWidget::tr("Disable PIN"));
        QVERIFY(page->findChild<QPushButton *>("pbSim2ChangePIN")->isEnabled());
        QVERIFY(!page->findChild<QPushButton *>("pbSim1ChangePIN")->isEnabled());
        toggle->click();
        page->simPinStatusUpdated(simStatus(10, 1));
        QCOMPARE(toggle->text(), GSMSettingsWidget::tr("Enable PIN"));
        toggle->click();
        settle();
        const QList<QByteArray> sent = device().commandsOf(0xD4);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0].mid(3, 2), QByteArray::fromHex("0101"));
        QCOMPARE(sent[1].mid(3, 2), QByteArray::fromHex("0001"));
        page->pinDialog()->hide();
    }

    void olderStatusDecidesThePinButtons()
    {
        GSMSettingsWidget page;
        page.gsmStatusOldUpdated(filled<GSMStatusOld_t>({{0, 0x03}, {1, 1}}));
        QVERIFY(page.findChild<QPushButton *>("pbSim2TogglePIN")->isEnabledTo(&page));
        QVERIFY(!page.findChild<QPushButton *>("pbSim1TogglePIN")->isEnabledTo(&page));
        QVERIFY(page.findChild<QPushButton *>("pbSim2ChangePIN")->isEnabledTo(&page));
        QCOMPARE(page.findChild<QPushButton *>("pbSim2TogglePIN")->text(),
                 GSMSettingsWidget::tr("Disable PIN"));
        page.gsmStatusUpdated(filled<GSMStatus_t>({{2, 7}}));
        for (const char *name :
             {"pbSim1TogglePIN", "pbSim2TogglePIN", "pbSim1ChangePIN", "pbSim2ChangePIN"})
            QVERIFY2(!page.findChild<QPushButton *>(name)->isEnabledTo(&page), name);
    }

    void newPinReachesTheGsmBlock_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("sim");
        QTest::addColumn<QString>("button");
        QTest::newRow("changed, SIM 2") << 18 << 1 << "pbSetNewPin";
        QTest::newRow("set with the PUK, SIM 1") << 16 << 0 << "pbSendPuk";
    }

    // The dialog's new PIN is written into the GSM block and shown, so a later Save of the
    // page does not bring the old one back; the page's other edits stay the user's.
    void newPinReachesTheGsmBlock()
    {
        QFETCH(int, event);
        QFETCH(int, sim);
        QFETCH(QString, button);
        GSMSettings settings(protocol());
        settings.setSimText(0, GSMSettings::Pin, QStringLiteral("1111"));
        settings.setSimText(1, GSMSettings::Pin, QStringLiteral("2222"));
        GSMSettingsWidget page;
        page.setSettings(&settings);
        page.setEnabled(true);
        page.settingsUpdated();
        auto *apn = page.findChild<QLineEdit *>("leSim1USSD");
        QVERIFY(apn);
        apn->setText(QStringLiteral("*102#"));
        const int writes = device().commandsOf(0x78).size();

        page.simPinStatusUpdated(simStatus(quint8(event), quint8(sim), 0, 10));
        SimPinDialog *dialog = visibleTopLevel<SimPinDialog>();
        QVERIFY(dialog);
        if (event == 18) {
            QTest::keyClicks(dialog->findChild<QLineEdit *>("leNewPinCodeSet"), "4321");
            QTest::keyClicks(dialog->findChild<QLineEdit *>("leNewPinCodeRepeat"), "4321");
        } else {
            QTest::keyClicks(dialog->findChild<QLineEdit *>("lePukCode"), "12345678");
            QTest::keyClicks(dialog->findChild<QLineEdit *>("leNewPinCode"), "4321");
        }
        dialog->findChild<QPushButton *>(button)->click();

        QCOMPARE(settings.simText(sim, GSMSettings::Pin), QStringLiteral("4321"));
        QCOMPARE(settings.simText(1 - sim, GSMSettings::Pin),
                 sim == 0 ? QStringLiteral("2222") : QStringLiteral("1111"));
        QCOMPARE(page.findChild<QLineEdit *>(sim == 0 ? "leSim1PIN" : "leSim2PIN")->text(),
                 QStringLiteral("4321"));
        QCOMPARE(apn->text(), QStringLiteral("*102#"));
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x78).size(), writes + 1, Timeout);
        page.setSettings(nullptr);
    }

    // A text that passes its pattern but does not fit its field refuses the save.
    void overLongPasswordIsMarkedAndNotSaved()
    {
        GSMSettings settings(protocol());
        settings.setSimText(0, GSMSettings::Password, QStringLiteral("old"));
        GSMSettingsWidget widget;
        GSMSettingsWidget *page = &widget;
        page->setSettings(&settings);
        page->setEnabled(true);
        page->settingsUpdated();
        page->findChild<QLineEdit *>("leSim1PIN")->setText("1234");
        auto *password = page->findChild<QLineEdit *>("leSim1Password");
        password->setText(QString(17, QChar(0x2116)));
        QVERIFY(password->styleSheet().contains("red"));
        page->findChild<QPushButton *>("pbSave")->click();
        QCOMPARE(m_boxes->count("warning"), 1);
        QVERIFY(m_boxes->seen.first().text.contains(GSMSettingsWidget::tr("Password")));
        QCOMPARE(settings.simText(0, GSMSettings::Password), QStringLiteral("old"));
        settle();
        QVERIFY(device().commandsOf(0x78).isEmpty());
        password->setText(QString(16, QChar(0x2116)));
        QVERIFY(!password->styleSheet().contains("red"));
        page->findChild<QPushButton *>("pbSave")->click();
        QCOMPARE(settings.simText(0, GSMSettings::Password), QString(16, QChar(0x2116)));
        page->setSettings(nullptr);
    }

    void enableRuleGreysOutTheGroups()
    {
        GSMSettings settings(nullptr);
        settings.setReserveSim(true);
        GSMSettingsWidget page;
        page.setSettings(&settings);
        m_controller->overmind().setViewingMode(true); // may edit
        page.settingsUpdated();
        auto *sim1 = page.findChild<QGroupBox *>("gbSim1");
        auto *sim2 = page.findChild<QGroupBox *>("gbSim2");
        QVERIFY(!sim1->isEnabledTo(&page));
        page.findChild<QCheckBox *>("cbEnableGSM")->setChecked(true);
        QVERIFY(sim1->isEnabledTo(&page));
        QVERIFY(sim2->isEnabledTo(&page));
        QVERIFY(page.findChild<QCheckBox *>("cbEnableGPRS")->isEnabledTo(&page));
        page.findChild<QCheckBox *>("cbEnableGSM")->setChecked(false);
        QVERIFY(!sim1->isEnabledTo(&page) && !sim2->isEnabledTo(&page));
        QVERIFY(!page.findChild<QCheckBox *>("cbEnableGPRS")->isEnabledTo(&page));
        QVERIFY(page.findChild<QCheckBox *>("cbEnableGSM")->isEnabledTo(&page));
        m_controller->overmind().setViewingMode(false);
    }

    // ---- GSM status panel ----

    void stateTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("gprs");
        QTest::addColumn<QString>("technology");
        QTest::newRow("0") << 0 << "No carrier"
                           << "Disconnected"
                           << "";
        QTest::newRow("1") << 1 << "Home network"
                           << "Connected"
                           << "(GSM)";
        QTest::newRow("3") << 3 << "Network registration denied"
                           << "Connection denied"
                           << "(EDGE)";
        QTest::newRow("5") << 5 << "Roaming"
                           << "Roaming"
                           << "(LTE)";
        QTest::newRow("9") << 9 << "Unknown"
                           << "Unknown"
                           << "(Unknown)";
    }

    void stateTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, network);
        QFETCH(QString, gprs);
        QFETCH(QString, technology);
        QCOMPARE(GSMStatusWidget::networkStateText(code), network);
        QCOMPARE(GSMStatusWidget::gprsStateText(code), gprs);
        QCOMPARE(GSMStatusWidget::technologyText(code), technology);
    }

    void signalPictures_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("text");
        QTest::newRow("-128") << -128 << "no_connection.png" << GSMStatusWidget::tr("No signal");
        QTest::newRow("-81") << -81 << "low_connect.png"
                             << "-81 dBm";
        QTest::newRow("-80") << -80 << "medium_connect.png"
                             << "-80 dBm";
        QTest::newRow("-75") << -75 << "medium_connect.png"
                             << "-75 dBm";
        QTest::newRow("-71") << -71 << "medium_connect.png"
                             << "-71 dBm";
        QTest::newRow("-70") << -70 << "good_connect.png"
                             << "-70 dBm";
        QTest::newRow("-61") << -61 << "good_connect.png"
                             << "-61 dBm";
        QTest::newRow("-60") << -60 << "high_connect.png"
                             << "-60 dBm";
    }

    void signalPictures()
    {
        QFETCH(int, level);
        QFETCH(QString, picture);
        QFETCH(QString, text);
        const QString path = GSMStatusWidget::signalPicture(qint8(level));
        QVERIFY(path.endsWith(picture));
        QVERIFY(QFile::exists(path));
        QCOMPARE(GSMStatusWidget::signalText(qint8(level)), text);
    }

    void newerModuleStatus()
    {
        m_controller->overmind().deviceInfo().setVersion(0x0201);
        GSMStatusWidget panel;
        panel.gsmStatus(filled<GSMStatus_t>({{0, 1}, {2, 1}, {8, 0x39}, {9, 0x30}}));
        QCOMPARE(panel.findChild<QLabel *>("lblActive")->text(),
                 GSMStatusWidget::tr("SIM %1").arg(2));
        QCOMPARE(panel.findChild<QLabel *>("lblIMEI")->text(), "12345");
        QVERIFY(panel.findChild<QPushButton *>("pbSim1SetActive")->isEnabled());
        QVERIFY(!panel.findChild<QPushButton *>("pbSim2SetActive")->isEnabled());
        QVERIFY(panel.findChild<QGroupBox *>("gbSIM2")->isEnabled());
        settle();
        QCOMPARE(device().commandsOf(0x16).size(), 1);
        QCOMPARE(quint8(device().commandsOf(0x16).first().at(1)), quint8(1));

        s_GSMSimCard card = filled<s_GSMSimCard>({{80, 1}, {82, 0xB5}, {83, 5}, {84, 1}, {85, 5}});
        std::memcpy(card.bytes + 8, "Tellam", 6);
        std::memcpy(card.bytes + 48, "12.5", 4);
        panel.updateSimCard(1, card);
        QCOMPARE(panel.findChild<QLabel *>("lblOperatorSim2")->text(), "Tellam");
        QCOMPARE(panel.findChild<QLabel *>("lblBalance2")->text(),
                 GSMStatusWidget::tr("Expenses:"));
        QCOMPARE(panel.findChild<QLabel *>("lblSignalSim2")->text(), "-75 dBm");
        QCOMPARE(panel.findChild<QLabel *>("lblNetworkSim2")->text(),
                 GSMStatusWidget::networkStateText(5) + " " + GSMStatusWidget::technologyText(5));
        QVERIFY(panel.findChild<QPushButton *>("pbRequstBalance2")->isEnabled());
        // An empty operator name leaves nothing to ask the balance of.
        panel.updateSimCard(1, filled<s_GSMSimCard>({}));
        QVERIFY(!panel.findChild<QPushButton *>("pbRequstBalance2")->isEnabled());
        // Firmware below 2.0 carries no radio state in the card record.
        m_controller->overmind().deviceInfo().setVersion(0x0005);
        panel.updateSimCard(0, card);
        QCOMPARE(panel.findChild<QLabel *>("lblOperatorSim1")->text(), "Tellam");
        QCOMPARE(panel.findChild<QLabel *>("lblSignalSim1")->text(), QString());
    }

    void olderModuleStatus_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("network");
        QTest::addColumn<bool>("sim1");
        QTest::addColumn<bool>("sim2");
        QTest::addColumn<bool>("testSms");
        QTest::newRow("searching") << 0x0B << 2 << false << false << false;
        QTest::newRow("roaming, no second card") << 0x01 << 5 << true << false << true;
        QTest::newRow("home, both cards") << 0x09 << 1 << true << true << true;
        QTest::newRow("home, no power") << 0x08 << 1 << false << false << false;
    }

    void olderModuleStatus()
    {
        QFETCH(int, flags);
        QFETCH(int, network);
        QFETCH(bool, sim1);
        QFETCH(bool, sim2);
        QFETCH(bool, testSms);
        GSMStatusWidget panel;
        panel.gsmStatusOld(
            filled<GSMStatusOld_t>({{0, flags}, {2, 0x80}, {3, network}, {4, 1}, {7, 0}}));
        QCOMPARE(panel.findChild<QGroupBox *>("gbSIM1")->isEnabled(), sim1);
        QCOMPARE(panel.findChild<QGroupBox *>("gbSIM2")->isEnabled(), sim2);
        QCOMPARE(panel.findChild<QPushButton *>("pbTestSMS")->isEnabled(), testSms);
        const QString active = (flags & 0x02) ? "2" : "1";
        QCOMPARE(panel.findChild<QLabel *>("lblSignalSim" + active)->text(),
                 GSMStatusWidget::tr("No signal"));
        QCOMPARE(panel.findChild<QLabel *>("lblNetworkSim" + active)->text(),
                 GSMStatusWidget::networkStateText(network) + " ");
    }

    // ---- test SMS dialog ----

    // One cut at a character boundary, however large the paste.
    void overLongMessageIsCutOnce_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("600 Latin") << QString(600, 'a') << QString(512, 'a');
        QTest::newRow("300 Cyrillic") << QString(300, QChar(0x0436)) << QString(256, QChar(0x0436));
        const QString smile = QString::fromUtf8("😀");
        QString smiles;
        for (int i = 0; i < 200; ++i)
            smiles += smile;
        QTest::newRow("surrogate pairs") << smiles << smiles.left(256);
        QTest::newRow("large paste") << QString(200000, 'z') << QString(512, 'z');
    }

    void overLongMessageIsCutOnce()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        SendSMSDialog dialog;
        auto *message = dialog.findChild<QPlainTextEdit *>("pteMessage");
        auto *error = dialog.findChild<QLabel *>("lblError");
        message->setPlainText(pasted);
        QCOMPARE(message->toPlainText(), kept);
        QCOMPARE(error->text(), SendSMSDialog::tr("Maximum message length reached"));
        QVERIFY(error->styleSheet().contains("red"));
        QTest::keyClick(message, Qt::Key_Backspace);
        QCOMPARE(error->text(), QString());
    }

    void phoneNumberAndSending()
    {
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        SendSMSDialog dialog;
        auto *phone = dialog.findChild<QLineEdit *>("lePhoneNumber");
        auto *send = dialog.findChild<QPushButton *>("pbSend");
        QTest::keyClicks(phone, "89");
        QVERIFY(!send->isEnabled());
        QTest::keyClicks(phone, "16");
        QCOMPARE(phone->text(), "8916");
        QVERIFY(send->isEnabled());
        QTest::keyClicks(phone, "1");
        QCOMPARE(phone->text(), "+79161");
        QCOMPARE(phone->cursorPosition(), 6);
        QTest::keyClicks(phone, "- (");
        QCOMPARE(phone->text(), "+79161");
        dialog.findChild<QPlainTextEdit *>("pteMessage")->setPlainText("Ping");
        QSignalSpy sent(&dialog, &SendSMSDialog::send);
        send->click();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().at(0).toString(), "79161");
        QCOMPARE(sent.first().at(1).toString(), "Ping");
        SendSMSDialog next;
        QCOMPARE(next.findChild<QLineEdit *>("lePhoneNumber")->text(), "+79161");
        QCOMPARE(next.findChild<QPlainTextEdit *>("pteMessage")->toPlainText(), "Ping");
    }

    // ---- Ethernet page ----

    // Execution 1 has no Ethernet block: the page offers nothing and touches nothing.
    void ethernetPageWithoutSettingsIsInert()
    {
        EthernetSettingsWidget page;
        page.connected();
        QVERIFY(!page.isEnabled());
        QVERIFY(!page.hasChanges());
        page.saveSettings();
        page.onResetSettings();
        QVERIFY(m_boxes->seen.isEmpty());
        m_controller->overmind().storeMacAddress(QStringLiteral("00:11:22:33:44:55"));
        settle();
        QVERIFY(device().commandsOf(0x7E).isEmpty());
    }

    void addressModes_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("flagsAfter");
        QTest::addColumn<bool>("maskEnabled");
        QTest::newRow("server") << 0x02 << "rbUseAsServer" << 0x02 << false;
        QTest::newRow("DHCP") << 0x01 << "rbUseAutomatically" << 0x0D << false;
        QTest::newRow("SLAAC with server") << 0x0A << "rbUseAutomatically" << 0x0D << false;
        QTest::newRow("manual") << 0x20 << "rbUseAsManual" << 0x20 << true;
    }

    void addressModes()
    {
        QFETCH(int, flags);
        QFETCH(QString, checked);
        QFETCH(int, flagsAfter);
        QFETCH(bool, maskEnabled);
        m_controller->overmind().setViewingMode(true); // may edit
        QByteArray block(1024, '\0');
        block[160] = char(flags);
        EthernetSettings settings(nullptr);
        settings.settings(recordOf<s_ExtMemDataEth>(block));
        EthernetSettingsWidget page;
        page.setSettings(&settings);
        QVERIFY(page.findChild<QRadioButton *>(checked)->isChecked());
        QCOMPARE(int(quint8(bytesOf(settings.data()).at(160))), flagsAfter);
        QCOMPARE(page.findChild<QLineEdit *>("leSubMask")->isEnabledTo(&page), maskEnabled);
        QVERIFY(page.findChild<QLineEdit *>("leIPV4adr")->isEnabledTo(&page));
        m_controller->overmind().setViewingMode(false);
    }

    // Invalid IPv6 text is marked like IPv4 text and nothing is saved.
    void invalidAddressesAreMarkedAndNothingSaved_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("IPv6 of three groups") << "leLocalIPV6"
                                              << "1:2:3";
        QTest::newRow("IPv6 with a stray letter") << "leAltDNSV6"
                                                  << "2001:db8::x1";
        QTest::newRow("IPv4 with a leading zero") << "leGateway"
                                                  << "01.2.3.4";
        QTest::newRow("empty IPv4") << "lePrefDNS"
                                    << "";
    }

    void invalidAddressesAreMarkedAndNothingSaved()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        EthernetSettings settings(protocol());
        settings.setHostname(QStringLiteral("before"));
        EthernetSettingsWidget page;
        page.setSettings(&settings);
        page.findChild<QLineEdit *>("leServerName")->setText("after");
        auto *edit = page.findChild<QLineEdit *>(field);
        edit->setText(text);
        page.onSaveSettings();
        QCOMPARE(m_boxes->count("warning"), 1);
        QCOMPARE(m_boxes->seen.first().title, EthernetSettingsWidget::tr("Data is not correct"));
        QVERIFY(edit->styleSheet().contains("pink"));
        QCOMPARE(settings.hostname(), QStringLiteral("before"));
        settle();
        QVERIFY(device().commandsOf(0x7E).isEmpty());
        edit->setText("::1");
        QVERIFY(edit->styleSheet().contains("white"));
    }

    // Only a known administrator phone allows remote management; no user 0 means none.
    void remoteManagementNeedsTheAdministratorsPhone_data()
    {
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<bool>("kept");
        QTest::newRow("administrator with phone") << 0 << "+79161234567" << true;
        QTest::newRow("administrator without phone") << 0 << "" << false;
        QTest::newRow("no user 0") << 3 << "+79161234567" << false;
    }

    void remoteManagementNeedsTheAdministratorsPhone()
    {
        QFETCH(int, userId);
        QFETCH(QString, phone);
        QFETCH(bool, kept);
        Overmind &overmind = m_controller->overmind();
        overmind.createSettingsObjects(false);
        // The user arrives as the device's record, so it keeps its id.
        UserSettings user(nullptr, quint8(userId));
        user.setPhone(phone);
        s_ExtMemDataUser record = user.record();
        auto *bytes = reinterpret_cast<quint8 *>(&record);
        qToLittleEndian<quint32>(crc32Stm(bytes, UserSettings::CrcAt), bytes + UserSettings::CrcAt);
        overmind.userModel()->userSettings(quint8(userId), record);
        QVERIFY(overmind.userModel()->userById(quint8(userId)));
        EthernetSettingsWidget page;
        auto *remote = page.findChild<QCheckBox *>("cbRemoteManag");
        remote->setChecked(true);
        QCOMPARE(remote->isChecked(), kept);
        QCOMPARE(m_boxes->count("warning"), kept ? 0 : 1);
    }
};

QTEST_MAIN(TestCommsPages)
#include "test_comms_pages.moc"
