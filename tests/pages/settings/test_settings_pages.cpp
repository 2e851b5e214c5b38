#include "SettingsBytes.h"
#include "app/ConfigFile.h"
#include "app/SpinBoxWithValidator.h"
#include "pages/comms/CommsSession.h"
#include "pages/settings/BeeperSettingsWidget.h"
#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DateTimeSettingsWidget.h"
#include "pages/settings/DebugSettingsWidget.h"
#include "pages/settings/DeviceSettings.h"
#include "pages/settings/DeviceSettingsWidget.h"
#include "pages/settings/IButtonConfigWidget.h"
#include "pages/settings/LedsSettingsWidget.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/ObjectSettingsWidget.h"
#include "pages/settings/OutputGroupsSettings.h"
#include "pages/settings/OutputGroupsSettingsWidget.h"
#include "sim/SimDeviceSettings.h"
#include "support/ModalRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

constexpr int DeviceTimeout = 20000;

class TestSettingsPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<CommsSession> m_session;
    std::unique_ptr<ModalRecorder> m_boxes;

    CommsSession &session() { return *m_session; }
    SimCommunicator &device() { return m_session->device(); }
    Ui_MainWindow *ui() { return m_session->ui(); }

    template <typename T> T *child(QWidget *page, const char *name)
    {
        return page->findChild<T *>(QLatin1String(name));
    }

    void click(QWidget *page, const char *button)
    {
        QPushButton *pb = child<QPushButton>(page, button);
        QVERIFY(pb);
        QVERIFY(pb->isEnabled());
        pb->click();
    }

private slots:
    void init()
    {
        m_boxes = std::make_unique<ModalRecorder>();
        m_session = std::make_unique<CommsSession>();
        QVERIFY(m_session->logInAndLoad());
    }

    void cleanup()
    {
        m_session.reset();
        m_boxes.reset();
    }

    void pagesShowTheSimulatedBlocks()
    {
        QWidget *object = ui()->objectSettingsWidget;
        QTRY_COMPARE(child<QLineEdit>(object, "leName")->text(),
                     QStringLiteral("Склад №3, Заречная 14"));
        QCOMPARE(child<QSpinBox>(object, "sbNumber")->value(), 104217);
        QCOMPARE(child<QSpinBox>(object, "sbTakeDelay")->value(), 45);
        QVERIFY(child<QCheckBox>(ui()->deviceSettingsWidget, "cbRepeatTakeEvents")->isChecked());
        QCOMPARE(child<QLineEdit>(ui()->dateTimeSettingsWidget, "leNTPServerAddress")->text(),
                 QStringLiteral("pool.ntp.org"));
        QCOMPARE(child<QComboBox>(ui()->dateTimeSettingsWidget, "cbTimezone")->currentIndex(), 3);
        QCOMPARE(child<QSlider>(ui()->beeperSettingsWidget, "hsAlarmVolume")->value(), 85);
        QCOMPARE(child<QComboBox>(ui()->ibuttonConfigWidget, "cbIButtonLedMode")->currentIndex(),
                 2);
        QCOMPARE(child<QComboBox>(ui()->ledsSettingsWidget, "cbLed4Mode")->currentText(),
                 QCoreApplication::translate("LedsSettingsWidget", "Work"));
        QTableWidget *table = ui()->outputGroupsWidget->table();
        QTRY_COMPARE(table->item(15, 2)->text(), SimDeviceSettings::groupName(15));
        QCOMPARE(table->item(3, 2)->text(), QStringLiteral("Насос полива"));
        QCOMPARE(session().overmind()->outputGroupName(3), QStringLiteral("Насос полива"));

        const std::pair<QWidget *, const char *> pages[] = {
            {ui()->objectSettingsWidget, "object_settings.png"},
            {ui()->deviceSettingsWidget, "device_settings.png"},
            {ui()->dateTimeSettingsWidget, "date_time_settings.png"},
            {ui()->ledsSettingsWidget, "leds_settings.png"},
            {ui()->beeperSettingsWidget, "beeper_settings.png"},
            {ui()->ibuttonConfigWidget, "card_reader_settings.png"},
            {ui()->debugSettingsWidget, "debug_settings.png"},
            {ui()->outputGroupsWidget, "output_groups.png"},
        };
        for (const auto &page : pages) {
            session().openSettingsPage(page.first);
            QVERIFY(saveScreenshot(page.first, QLatin1String(page.second)));
        }
    }

    // An edit and Save leave the device holding the new, sealed bytes.
    void saveWritesTheDevice_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("readOperation");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::newRow("object number") << "object" << 0x2A << 72 << (777 & 0xFF);
        QTest::newRow("device closed case") << "device" << 0x2B << 77 << 0xB0;
        QTest::newRow("date time server") << "datetime" << 0x2B << 0 << int('t');
        QTest::newRow("leds function") << "leds" << 0x29 << 26 << 3;
        QTest::newRow("beeper volume") << "beeper" << 0x28 << 22 << 60;
        QTest::newRow("card reader mode") << "reader" << 0x33 << 4 << 4;
        QTest::newRow("debug test server") << "debug" << 0x3E << 0 << 1;
    }

    void saveWritesTheDevice()
    {
        QFETCH(QString, page);
        QFETCH(int, readOperation);
        QFETCH(int, offset);
        QFETCH(int, value);
        QWidget *widget = nullptr;
        if (page == "object") {
            widget = ui()->objectSettingsWidget;
            QTRY_VERIFY(!child<QLineEdit>(widget, "leName")->text().isEmpty());
            child<QSpinBox>(widget, "sbNumber")->setValue(777);
        } else if (page == "device") {
            widget = ui()->deviceSettingsWidget;
            child<QCheckBox>(widget, "cbAllowConfigWithClosedCase")->setChecked(false);
        } else if (page == "datetime") {
            widget = ui()->dateTimeSettingsWidget;
            child<QLineEdit>(widget, "leNTPServerAddress")->setText("time.local");
        } else if (page == "leds") {
            widget = ui()->ledsSettingsWidget;
            child<QComboBox>(widget, "cbLed1Mode")->setCurrentIndex(3);
        } else if (page == "beeper") {
            widget = ui()->beeperSettingsWidget;
            child<QSlider>(widget, "hsAlarmVolume")->setValue(60);
        } else if (page == "reader") {
            widget = ui()->ibuttonConfigWidget;
            child<QComboBox>(widget, "cbIButtonLedMode")->setCurrentIndex(4);
        } else {
            widget = ui()->debugSettingsWidget;
            child<QCheckBox>(widget, "cbTestServer")->setChecked(true);
        }
        QVERIFY(static_cast<BaseSettingsWidget *>(widget)->hasChanges());
        click(widget, "pbSave");
        QTRY_COMPARE_WITH_TIMEOUT(quint8(device().record(quint8(readOperation), 0).at(offset)),
                                  quint8(value), DeviceTimeout);
        QVERIFY(sealedAsWritten(device().record(quint8(readOperation), 0)));
        QTRY_VERIFY(!static_cast<BaseSettingsWidget *>(widget)->hasChanges());
    }

    // Reset asks, sends 0x02 with the page's parameter and shows the device's defaults.
    void resetRestoresTheDefaults_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("parameter");
        QTest::newRow("object") << "object" << 1;
        QTest::newRow("date time") << "datetime" << 2;
        QTest::newRow("device") << "device" << 3;
        QTest::newRow("leds") << "leds" << 4;
        QTest::newRow("beeper") << "beeper" << 5;
        QTest::newRow("card reader") << "reader" << 11;
        QTest::newRow("debug") << "debug" << 12;
    }

    void resetRestoresTheDefaults()
    {
        QFETCH(QString, page);
        QFETCH(int, parameter);
        QWidget *widget = page == "object"     ? ui()->objectSettingsWidget
                          : page == "datetime" ? ui()->dateTimeSettingsWidget
                          : page == "device"   ? ui()->deviceSettingsWidget
                          : page == "leds"     ? ui()->ledsSettingsWidget
                          : page == "beeper"   ? ui()->beeperSettingsWidget
                          : page == "reader"   ? ui()->ibuttonConfigWidget
                                               : static_cast<QWidget *>(ui()->debugSettingsWidget);
        // No: nothing is sent.
        m_boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        device().clearCommands();
        click(widget, "pbReset");
        QCOMPARE(m_boxes->count("question"), 1);
        QTest::qWait(200);
        QCOMPARE(device().commandsOf(0x02).size(), 0);

        // The page shows a changed block first, then the defaults the device sends back.
        if (page == "beeper") {
            QByteArray changed = SimDeviceSettings::beeperBlock();
            changed[22] = 5;
            device().send(SimCommunicator::message(0x28, 0, SimCommunicator::sealBlock(changed)));
            QTRY_COMPARE(child<QSlider>(widget, "hsAlarmVolume")->value(), 5);
        }
        m_boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        click(widget, "pbReset");
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x02).size(), 1, DeviceTimeout);
        const QByteArray command = device().commandsOf(0x02).first();
        QCOMPARE(int(quint8(command.at(1)) | quint8(command.at(2)) << 8), parameter);
        if (page == "beeper")
            QTRY_COMPARE(child<QSlider>(widget, "hsAlarmVolume")->value(), 85);
    }

    void deviceErrorsShowInRedOnTheGroupsPage()
    {
        OutputGroupsSettingsWidget *page = ui()->outputGroupsWidget;
        QTRY_COMPARE(page->table()->item(15, 2)->text(), SimDeviceSettings::groupName(15));
        device().failNext(0x81, SimCommunicator::ErrMemoryEmpty);
        click(page, "pbSave");
        QLabel *status = child<QLabel>(page, "lblStatus");
        QTRY_COMPARE_WITH_TIMEOUT(status->styleSheet(), QStringLiteral("color: red"),
                                  DeviceTimeout);
        QVERIFY(!status->text().isEmpty());
    }

    void outputGroupsAreRequestedSavedAndResetLocally()
    {
        OutputGroupsSettingsWidget *page = ui()->outputGroupsWidget;
        QTRY_COMPARE(page->table()->item(15, 2)->text(), SimDeviceSettings::groupName(15));
        const QList<QByteArray> requests = device().commandsOf(0x3F);
        QCOMPARE(requests.size(), 16);
        for (int g = 0; g < 16; ++g) {
            QCOMPARE(int(quint8(requests.at(g).at(1))), g);
            QCOMPARE(requests.at(g).size(), 3 + 256);
        }
        // Firmware 1.x has no group states.
        QCOMPARE(device().commandsOf(0x41).size(), 0);

        // Typing 40 Cyrillic letters keeps 31 of them.
        page->table()->setCurrentCell(4, 2);
        page->onCellDoubleClicked(4, 2);
        auto *editor = qobject_cast<QLineEdit *>(page->table()->cellWidget(4, 2));
        QVERIFY(editor);
        editor->setText(QString(40, QChar(0x0416)));
        QCOMPARE(editor->text(), QString(31, QChar(0x0416)));
        page->onItemSelectionChanged();
        QCOMPARE(page->table()->item(4, 2)->text(), QString(31, QChar(0x0416)));

        device().clearCommands();
        click(page, "pbSave");
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x81).size(), 16, DeviceTimeout);
        for (int g = 0; g < 16; ++g)
            QCOMPARE(int(quint8(device().commandsOf(0x81).at(g).at(1))), g);
        QTRY_COMPARE(SimDeviceSettings::of(device())->group(4).left(62),
                     QString(31, QChar(0x0416)).toUtf8());
        QCOMPARE(child<QLabel>(page, "lblStatus")->text(),
                 QCoreApplication::translate("OutputGroupsSettingsWidget", "Names saved"));

        // Reset: local empty names written, the window locked and given back.
        m_boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        device().clearCommands();
        click(page, "pbReset");
        QVERIFY(!session().window()->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x81).size(), 16, DeviceTimeout);
        QCOMPARE(device().commandsOf(0x02).size(), 0);
        QTRY_COMPARE(SimDeviceSettings::of(device())->group(0).at(0), '\0');
        // The table shows what was written.
        QCOMPARE(page->table()->item(0, 2)->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(session().window()->isEnabled(), 5000);
    }

    void groupStatesOnlyFromFirmwareTwo()
    {
        OutputGroupsSettingsWidget *page = ui()->outputGroupsWidget;
        QTRY_COMPARE(page->table()->item(15, 2)->text(), SimDeviceSettings::groupName(15));
        QCOMPARE(device().commandsOf(0x41).size(), 0);
        QCOMPARE(page->table()->item(2, 1)->text(),
                 QCoreApplication::translate("OutputGroupsSettingsWidget", "Unknown"));
        session().overmind()->deviceInfo().setVersion(0x0200);
        emit session().overmind()->ready();
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x41).size(), 16, DeviceTimeout);
        QTRY_COMPARE(page->table()->item(2, 1)->text(),
                     QCoreApplication::translate("OutputGroupsSettingsWidget", "Disabled"));
        QCOMPARE(page->table()->item(3, 1)->text(),
                 QCoreApplication::translate("OutputGroupsSettingsWidget", "Enabled"));
    }

    // Fault mended: each ready connected the device handlers again, so a second read
    // handled every record twice.
    void aSecondReadHandlesEachRecordOnce()
    {
        OutputGroupsSettingsWidget *page = ui()->outputGroupsWidget;
        QTRY_COMPARE(page->table()->item(15, 2)->text(), SimDeviceSettings::groupName(15));
        QSignalSpy published(session().overmind(), &Overmind::readyGroupOutputsNames);
        device().clearCommands();
        emit session().overmind()->ready();
        QTRY_COMPARE_WITH_TIMEOUT(published.count(), 16, DeviceTimeout);
        QTest::qWait(300);
        QCOMPARE(published.count(), 16);
        QCOMPARE(device().commandsOf(0x3F).size(), 16);
    }

    void minimumTakeDelayHoldsTheBox()
    {
        ObjectSettingsWidget *page = ui()->objectSettingsWidget;
        auto *object = page->settingsObject();
        QTRY_COMPARE(child<QSpinBox>(page, "sbTakeDelay")->value(), 45);
        child<QSpinBox>(page, "sbTakeDelay")->setValue(20);
        object->setMinimumTakeDelay(40);
        QCOMPARE(child<QSpinBox>(page, "sbTakeDelay")->minimum(), 40);
        QCOMPARE(child<QSpinBox>(page, "sbTakeDelay")->value(), 40);
        QCOMPARE(object->takeDelay(), quint16(45));
        QCOMPARE(session().window()->statusBar()->currentMessage(),
                 QCoreApplication::translate("ObjectSettingsWidget",
                                             "Minimum take delay updated: %1 sec")
                     .arg(40));
    }

    // The radio channel's take delay reaches the object page, which stores it at once.
    void takeDelayFromTheControllerIsStored()
    {
        ObjectSettingsWidget *page = ui()->objectSettingsWidget;
        QTRY_COMPARE(child<QSpinBox>(page, "sbTakeDelay")->value(), 45);
        device().clearCommands();
        session().overmind()->setTakeDelay(30);
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x74).size(), 1, DeviceTimeout);
        QCOMPARE(child<QSpinBox>(page, "sbTakeDelay")->value(), 30);
        QTRY_COMPARE(SettingsFieldsWord(device().record(0x2A, 0), 110), 30);
        // The echo of the write settles: no further writes go back and forth.
        QTest::qWait(1000);
        QCOMPARE(device().commandsOf(0x74).size(), 1);
        QCOMPARE(session().overmind()->takeDelay(), quint16(30));
    }

    // Fault mended: 60000..60999 could not be typed though the box takes them.
    void everyDelayOfTheRangeCanBeTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::newRow("60500") << "60500" << true;
        QTest::newRow("60000") << "60000" << true;
        QTest::newRow("61000") << "61000" << true;
        QTest::newRow("65535") << "65535" << true;
        QTest::newRow("3") << "3" << true;
        QTest::newRow("65536") << "65536" << false;
        QTest::newRow("70000") << "70000" << false;
        QTest::newRow("123456") << "123456" << false;
    }

    void everyDelayOfTheRangeCanBeTyped()
    {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        for (const char *name : {"sbTakeDelay", "sbAlarmDelay", "sbAutoTakeDelay"}) {
            auto *box = child<SpinBoxWithValidator>(ui()->objectSettingsWidget, name);
            QString input = text;
            int position = input.size();
            QCOMPARE(box->validate(input, position) != QValidator::Invalid, typed);
        }
    }

    // Fault mended: an offset the list does not know was replaced by the shown entry on save.
    void unknownTimeZoneIsKept()
    {
        DateTimeSettingsWidget *page = ui()->dateTimeSettingsWidget;
        QByteArray block = SimDeviceSettings::deviceBlock();
        qToLittleEndian<qint32>(19800, block.data() + 32);
        block = SimCommunicator::sealBlock(block);
        device().setRecord(0x2B, 0, block);
        device().send(SimCommunicator::message(0x2B, 0, block));
        auto *zones = child<QComboBox>(page, "cbTimezone");
        QTRY_COMPARE(zones->currentText(), QStringLiteral("UTC+05:30"));
        click(page, "pbSave");
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x75).size(), 1, DeviceTimeout);
        QCOMPARE(qFromLittleEndian<qint32>(device().commandsOf(0x75).first().constData() + 3 + 32),
                 19800);
        zones->setCurrentIndex(0);
        device().clearCommands();
        click(page, "pbSave");
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x75).size(), 1, DeviceTimeout);
        QCOMPARE(qFromLittleEndian<qint32>(device().commandsOf(0x75).first().constData() + 3 + 32),
                 0);
    }

    // The device's answer to an earlier write may arrive between Save and the store.
    void saveWritesTheChoiceWhateverArrivesMeanwhile()
    {
        DateTimeSettingsWidget *page = ui()->dateTimeSettingsWidget;
        DeviceSettings *settings = page->deviceSettings();
        QVERIFY(settings);
        const s_ExtMemDataDevice before = settings->record();
        auto *zones = child<QComboBox>(page, "cbTimezone");
        QVERIFY(zones->currentIndex() != 0);
        zones->setCurrentIndex(0);
        device().clearCommands();
        click(page, "pbSave");
        settings->settings(before);
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x75).size(), 1, DeviceTimeout);
        QCOMPARE(qFromLittleEndian<qint32>(device().commandsOf(0x75).first().constData() + 3 + 32),
                 0);
    }

    // Fault mended: the running clock turned 23:59:59 into 00:00:00 of the same day.
    void runningClockTurnsTheDate()
    {
        DateTimeSettingsWidget *page = ui()->dateTimeSettingsWidget;
        auto *current = child<QDateTimeEdit>(page, "dtCurrentDeviceTime");
        current->setDateTime(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59), Qt::UTC));
        page->incTime();
        QCOMPARE(current->dateTime(), QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0), Qt::UTC));
    }

    void manualTimeIsWrittenInUtc_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QDateTime>("wall");
        QTest::addColumn<QDateTime>("utc");
        QTest::newRow("UTC+03:00") << 3 << QDateTime(QDate(2025, 1, 1), QTime(2, 0), Qt::UTC)
                                   << QDateTime(QDate(2024, 12, 31), QTime(23, 0), Qt::UTC);
        QTest::newRow("UTC−05:00") << 17 << QDateTime(QDate(2024, 12, 31), QTime(20, 0), Qt::UTC)
                                   << QDateTime(QDate(2025, 1, 1), QTime(1, 0), Qt::UTC);
    }

    void manualTimeIsWrittenInUtc()
    {
        QFETCH(int, zone);
        QFETCH(QDateTime, wall);
        QFETCH(QDateTime, utc);
        DateTimeSettingsWidget *page = ui()->dateTimeSettingsWidget;
        child<QRadioButton>(page, "rbUseManualDateTime")->setChecked(true);
        child<QComboBox>(page, "cbTimezone")->setCurrentIndex(zone);
        child<QDateTimeEdit>(page, "dtManualDeviceTime")->setDateTime(wall);
        device().clearCommands();
        click(page, "pbSave");
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x64).size(), 1, DeviceTimeout);
        const QByteArray command = device().commandsOf(0x64).first();
        QCOMPARE(qFromLittleEndian<quint32>(command.constData() + 3),
                 DateTimeSettings::encodeDate(utc.date()));
        QCOMPARE(qFromLittleEndian<quint32>(command.constData() + 7),
                 DateTimeSettings::encodeTime(utc.time()));
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x75).size(), 1, DeviceTimeout);
        QCOMPARE(device().record(0x2B, 0).at(76), char(2));
    }

private:
    static int SettingsFieldsWord(const QByteArray &block, int at)
    {
        return qFromLittleEndian<quint16>(block.constData() + at);
    }
};

QTEST_MAIN(TestSettingsPages)
#include "test_settings_pages.moc"
