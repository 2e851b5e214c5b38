#include "OutputFixtures.h"

#include "RadioLink.h"
#include "app/DoubleSpinBoxWithValidator.h"
#include "app/Overmind.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutputSettingsWidget.h"
#include "pages/radio/OutputSettingsWidgetControlled.h"
#include "pages/radio/OutputSettingsWidgetEvents.h"
#include "pages/radio/OutputSettingsWidgetGeneral.h"
#include "pages/radio/OutputSettingsWidgetTemperature.h"
#include "pages/radio/PartitionSelectionWidget.h"
#include "sim/SimOutputs.h"
#include "support/ModalRecorder.h"
#include "support/RussianScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

namespace {
QStringList entries(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QString checkedPreset(OutputSettingsWidget &editor)
{
    QString checked;
    for (QPushButton *button : editor.findChildren<QPushButton *>())
        if (button->isChecked())
            checked += button->objectName();
    return checked;
}

MaskEditWidget *maskOf(QWidget &owner, const char *form, const char *editor)
{
    QWidget *parent = owner.findChild<QWidget *>(QLatin1String(form));
    return parent ? parent->findChild<MaskEditWidget *>(QLatin1String(editor)) : nullptr;
}

s_EventsOutMode eventsOf(const s_OutputModeSett &block)
{
    s_EventsOutMode events;
    std::memcpy(&events, &block, sizeof(events));
    return events;
}

const QStringList AllModes{"Off",          "Standard control", "Ext control",
                           "Temp control", "Humidity control", "CO control"};
} // namespace

class TestOutputModeEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init() { boxes = std::make_unique<ModalRecorder>(); }
    void cleanup() { boxes.reset(); }

    // Value-control entries are appended as a loaded mode needs them, in mode order, so an
    // entry's index stays its mode value.
    void modeEntriesOnLoad_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("assembled");
        QTest::newRow("off") << 0 << 3 << "" << 0;
        QTest::newRow("standard") << 1 << 3 << "EventsMode" << 1;
        QTest::newRow("external") << 2 << 3 << "ControlledMode" << 2;
        QTest::newRow("temperature") << 3 << 4 << "TemperatureMode" << 3;
        QTest::newRow("humidity without CO") << 4 << 5 << "HumidityMode" << 4;
        QTest::newRow("CO") << 5 << 6 << "COMode" << 5;
        QTest::newRow("no such output") << 0xFFFF << 3 << "" << 0xFFFF;
        QTest::newRow("mode 9") << 9 << 3 << "" << 0xFFFF;
    }
    void modeEntriesOnLoad()
    {
        QFETCH(int, mode);
        QFETCH(int, entries);
        QFETCH(QString, form);
        QFETCH(int, assembled);
        InstalledController controller;
        OutputSettingsWidget editor;
        QCOMPARE(::entries(editor.modeCombo()), AllModes.mid(0, 3));
        editor.setModeSettings(patternedBlock(quint16(mode)));
        QCOMPARE(::entries(editor.modeCombo()), AllModes.mid(0, entries));
        for (const char *name :
             {"EventsMode", "ControlledMode", "TemperatureMode", "HumidityMode", "COMode"})
            QCOMPARE(!editor.findChild<QWidget *>(name)->isHidden(), form == name);
        QCOMPARE(!editor.findChild<QWidget *>("gpPresets")->isHidden(), mode == 1);
        QCOMPARE(int(editor.modeSettings().Mode), assembled);
        // Appending again changes nothing.
        editor.addTempHumidityCOModes();
        editor.addTempMode();
        QCOMPARE(::entries(editor.modeCombo()), AllModes);
    }

    void tacticOnLoadAndAnswer_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tactic");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("warnings");
        QTest::newRow("battery lamp") << 1 << 2 << "pbTacticsBatteryLamp" << 0;
        QTest::newRow("default") << 1 << 0 << "pbTacticsDefault" << 0;
        QTest::newRow("undefined outside the standard mode") << 2 << 7 << "" << 0;
        QTest::newRow("undefined in the standard mode") << 1 << 7 << "" << 1;
    }
    void tacticOnLoadAndAnswer()
    {
        QFETCH(int, mode);
        QFETCH(int, tactic);
        QFETCH(QString, checked);
        QFETCH(int, warnings);
        InstalledController controller;
        OutputSettingsWidget editor;
        s_OutputModeSett block = patternedBlock(quint16(mode));
        block.tactic = quint8(tactic);
        editor.setModeSettings(block);
        QCOMPARE(checkedPreset(editor), checked);
        QCOMPARE(boxes->count("warning"), warnings);
        if (warnings)
            QVERIFY(boxes->sawText("Tactic is not defined"));
        // The rest of the load applies all the same.
        QCOMPARE(editor.modeSettings().tactic, quint8(tactic));

        // An answer of the device: the same rules, and its events replace the edited ones.
        boxes->seen.clear();
        s_OutputModeSett answer = patternedBlock(1);
        answer.tactic = quint8(tactic);
        answer.AlarmMask = 0x0F0F7801;
        editor.setTactic(eventsOf(answer));
        QCOMPARE(checkedPreset(editor), checked);
        QCOMPARE(boxes->count("warning"), tactic < 5 ? 0 : 1);
        QCOMPARE(editor.modeSettings().AlarmMask, 0x0F0F7801u);
    }

    // Rows own their patterns: switching keeps the edit of the row left, the current row's
    // edit goes into the block, and unchecking switches the row and its editor off.
    void eventRows()
    {
        InstalledController controller;
        OutputSettingsWidgetEvents form;
        s_OutputModeSett block = patternedBlock(1);
        block.EnableEvents = 0x3D; // "Take off" not handled
        form.setModeSettings(block);
        QListWidget *rows = form.eventList();
        MaskEditWidget *mask = form.maskEditor();
        QCOMPARE(rows->currentRow(), 0);
        QVERIFY(mask->isEnabled());
        QCOMPARE(rows->item(1)->checkState(), Qt::Unchecked);

        mask->setMask(0x11110001);
        rows->setCurrentRow(3);
        QCOMPARE(mask->mask(), block.FireMask);
        mask->setMask(0x22220002);
        QCOMPARE(form.eventsOutMode().TakeOnMask, 0x11110001u);
        QCOMPARE(form.eventsOutMode().FireMask, 0x22220002u);

        // Checking a row that is not current makes it current; its bit follows.
        rows->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(rows->currentRow(), 1);
        QVERIFY(mask->isEnabled());
        QCOMPARE(form.eventsOutMode().EnableEvents, 0x3Fu);
        // Unchecking the current row switches its editor off and drops its edit.
        mask->setMask(0x33330003);
        rows->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(!mask->isEnabled());
        QCOMPARE(mask->mask(), block.TakeOffMask);
        const s_OutputModeSett edited = form.eventsOutMode();
        QCOMPARE(edited.EnableEvents, 0x3Du);
        QCOMPARE(edited.TakeOffMask, block.TakeOffMask);
        // What no control sets is carried.
        QCOMPARE(bytesOf(edited, 24, 16), bytesOf(block, 24, 16));
        QCOMPARE(bytesOf(edited, 48, 48), bytesOf(block, 48, 48));
    }

    // A tactic answer while another row is open replaces every pattern; the open row's
    // editor pattern never lands in the answer's slots.
    void tacticAnswerOnAnotherRow()
    {
        InstalledController controller;
        OutputSettingsWidgetEvents form;
        form.setModeSettings(patternedBlock(1));
        form.eventList()->setCurrentRow(4);
        form.maskEditor()->setMask(0xDEAD0001);
        const s_EventsOutMode siren = SimOutputs::preset(3);
        form.setEventsOutMode(siren);
        QCOMPARE(form.eventList()->currentRow(), 0);
        s_OutputModeSett expected;
        std::memcpy(&expected, &siren, sizeof(siren));
        QCOMPARE(form.maskEditor()->mask(), expected.TakeOnMask);
        QCOMPARE(bytesOf(form.eventsOutMode(), 0, 56), bytesOf(siren, 0, 56));
        QCOMPARE(form.partitions()->partitionsMask(), expected.SelectedPartitions);
    }

    // The assembled block takes each range from its form: bytes 56..71 from the mode's value
    // form (RefSensAddr following the feedback sensor) or the loaded block, 72..87 from the
    // external form with the value form's pattern in modes 3..5, and zero at 90..95.
    void assembledBlock_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("feedback");
        QTest::addColumn<int>("reference");
        QTest::newRow("off") << 0 << -1 << 0;
        QTest::newRow("standard") << 1 << -1 << 0;
        QTest::newRow("external") << 2 << -1 << 0;
        QTest::newRow("temperature, own sensor") << 3 << 255 << 2150;
        QTest::newRow("humidity, first climate device") << 4 << 30 << 4500;
        QTest::newRow("CO, its reference") << 5 << 30 << 3000;
    }
    void assembledBlock()
    {
        QFETCH(int, mode);
        QFETCH(int, feedback);
        QFETCH(int, reference);
        InstalledController controller;
        OutputSettingsWidget editor;
        const s_OutputModeSett loaded = patternedBlock(quint16(mode));
        editor.setModeSettings(loaded);
        maskOf(editor, "ControlledMode", "EnableMask")->setMask(0xAAAA0001);
        for (const char *form : {"TemperatureMode", "HumidityMode", "COMode"})
            maskOf(editor, form, "maskWidget")->setMask(0x5555000A);
        const s_OutputModeSett block = editor.modeSettings();
        const bool valueMode = mode >= 3;

        QCOMPARE(bytesOf(block, 0, 44), bytesOf(loaded, 0, 44));
        QCOMPARE(block.SelectedPartitions, 0x6u);
        QCOMPARE(bytesOf(block, 48, 8), bytesOf(loaded, 48, 8));
        if (valueMode) {
            QCOMPARE(int(block.FeedbackSensAddr), feedback);
            QCOMPARE(block.RefSensAddr, block.FeedbackSensAddr);
            QCOMPARE(block.Hyst, quint16(150));
            QCOMPARE(int(block.IntTempRef), reference);
            QCOMPARE(bytesOf(block, 64, 8), bytesOf(loaded, 64, 8));
        } else {
            QCOMPARE(bytesOf(block, 56, 16), bytesOf(loaded, 56, 16));
        }
        QCOMPARE(block.EnableMask, valueMode ? 0x5555000Au : 0xAAAA0001u);
        QCOMPARE(block.DisableMask, loaded.DisableMask);
        QCOMPARE(block.OutGroupNumber, quint8(3));
        QCOMPARE(block.controlFlags, quint8(loaded.controlFlags & 0x07));
        QCOMPARE(bytesOf(block, 82, 6), QByteArray(6, '\0'));
        QCOMPARE(int(block.Mode), mode);
        QCOMPARE(bytesOf(block, 90, 6), QByteArray(6, '\0'));
    }

    void journalFlagKeepsTheOtherBits()
    {
        InstalledController controller;
        OutputSettingsWidget editor;
        s_OutputModeSett loaded = patternedBlock(1);
        loaded.journalFlags = 0xA5;
        editor.setModeSettings(loaded);
        auto *journal = editor.findChild<QCheckBox *>("cbLogEventsToJournal");
        QVERIFY(journal->isChecked());
        journal->setChecked(false);
        QCOMPARE(editor.modeSettings().journalFlags, quint8(0xA4));
    }

    // The feedback list offers the devices that measure what the form controls.
    void feedbackLists_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QList<int>>("devices");
        QTest::newRow("temperature") << "TemperatureMode" << QList<int>{255, 2, 30, 33, 42, 93};
        QTest::newRow("humidity") << "HumidityMode" << QList<int>{30, 33};
        QTest::newRow("CO") << "COMode" << QList<int>{30};
    }
    void feedbackLists()
    {
        QFETCH(QString, form);
        QFETCH(QList<int>, devices);
        InstalledController controller;
        OutputSettingsWidget editor;
        editor.setModeSettings(patternedBlock(5));
        auto *combo = editor.findChild<QWidget *>(form)->findChild<QComboBox *>("cbFeedbackSensor");
        QList<int> listed;
        for (int i = 0; i < combo->count(); ++i)
            listed << combo->itemData(i).toInt();
        QCOMPARE(listed, devices);
        QVERIFY(combo->isEnabled());
        if (devices.first() == 255)
            QCOMPARE(combo->itemText(0), QStringLiteral("Korvel GSM R int sens"));
        else
            QCOMPARE(combo->itemText(0), QStringLiteral("31. Climate"));
    }

    void noFittingDeviceDisablesTheValues()
    {
        InstalledController controller(false);
        OutputSettingsWidgetHumidity form;
        form.setModeSettings(patternedBlock(4));
        auto *combo = form.findChild<QComboBox *>("cbFeedbackSensor");
        QCOMPARE(combo->currentText(), QStringLiteral("Please connect Pellan to the system"));
        QVERIFY(!combo->isEnabled());
        QVERIFY(!form.findChild<QWidget *>("sbHysteresis")->isEnabled());
        QVERIFY(!form.findChild<QWidget *>("sbRefValue")->isEnabled());
        QCOMPARE(form.modeSettings().FeedbackSensAddr, quint16(0));
        // The temperature form always has the communicator's own sensor.
        OutputSettingsWidgetTemperature temperature;
        temperature.setModeSettings(patternedBlock(3));
        QVERIFY(temperature.findChild<QComboBox *>("cbFeedbackSensor")->isEnabled());
    }

    // What the value boxes show at load, with the values the device reports, and how stored
    // values outside a box's range come back.
    void valuesAtLoad_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("feedbackDevice");
        QTest::addColumn<int>("hyst");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("selected");
        QTest::addColumn<double>("shownFeedback");
        QTest::addColumn<double>("shownReference");
        QTest::addColumn<int>("collectedHyst");
        QTest::addColumn<int>("collectedReference");
        QTest::newRow("own sensor")
            << "TemperatureMode" << 255 << 150 << -550 << 255 << 0.0 << -5.5 << 150 << -550;
        QTest::newRow("below-zero porch device")
            << "TemperatureMode" << 33 << 150 << 2000 << 33 << -5.5 << 21.5 << 150 << 2150;
        QTest::newRow("T02 gives no reference")
            << "TemperatureMode" << 2 << 150 << 1900 << 2 << 18.5 << 19.0 << 150 << 1900;
        QTest::newRow("missing device")
            << "TemperatureMode" << 300 << 150 << 2000 << 255 << 0.0 << 20.0 << 150 << 2000;
        QTest::newRow("device of another type")
            << "HumidityMode" << 1 << 0 << 5000 << 30 << 0.0 << 50.0 << 100 << 5000;
        QTest::newRow("humidity device")
            << "HumidityMode" << 33 << 2500 << 5000 << 33 << 81.0 << 45.0 << 2000 << 4500;
        QTest::newRow("reference clamped")
            << "TemperatureMode" << 255 << 150 << 9000 << 255 << 0.0 << 55.0 << 150 << 5500;
        QTest::newRow("CO device")
            << "COMode" << 30 << 300 << 100 << 30 << 12.0 << 30.0 << 300 << 3000;
    }
    void valuesAtLoad()
    {
        QFETCH(QString, form);
        QFETCH(int, feedbackDevice);
        QFETCH(int, hyst);
        QFETCH(int, reference);
        QFETCH(int, selected);
        QFETCH(double, shownFeedback);
        QFETCH(double, shownReference);
        QFETCH(int, collectedHyst);
        QFETCH(int, collectedReference);
        InstalledController controller;
        OutputSettingsWidget editor;
        auto *valueForm = editor.findChild<OutputSettingsWidgetTemperature *>(form);
        s_OutputModeSett block = patternedBlock(0);
        block.FeedbackSensAddr = quint16(feedbackDevice);
        block.Hyst = quint16(hyst);
        block.IntTempRef = qint16(reference);
        valueForm->setModeSettings(block);
        OutputSettingsWidgetGeneral *general = valueForm->general();
        QCOMPARE(int(general->feedbackSensor()), selected);
        QCOMPARE(general->findChild<QDoubleSpinBox *>("sbFeedbackValue")->value(), shownFeedback);
        QCOMPARE(general->findChild<QDoubleSpinBox *>("sbRefValue")->value(), shownReference);
        const s_OutputModeSett collected = valueForm->modeSettings();
        QCOMPARE(int(collected.Hyst), collectedHyst);
        QCOMPARE(int(collected.IntTempRef), collectedReference);
        QCOMPARE(int(collected.FeedbackSensAddr), selected);
    }

    // Switching to a value mode shows the device's own reference from its settings; choosing
    // another device reloads the form from its block.
    void liveValuesAndAnotherDevice()
    {
        InstalledController controller;
        OutputSettingsWidget editor;
        s_OutputModeSett block = patternedBlock(4);
        block.FeedbackSensAddr = 33;
        block.Hyst = 250;
        editor.setModeSettings(block);
        auto *humidity = editor.findChild<OutputSettingsWidgetTemperature *>("HumidityMode");
        auto *reference = humidity->findChild<QDoubleSpinBox *>("sbRefValue");
        auto *hysteresis = humidity->findChild<QDoubleSpinBox *>("sbHysteresis");
        QCOMPARE(reference->value(), 45.0); // from the device's settings on the switch
        editor.modeCombo()->setCurrentIndex(1);
        reference->setValue(60.0);
        editor.modeCombo()->setCurrentIndex(4);
        QCOMPARE(reference->value(), 45.0);

        hysteresis->setValue(7.0);
        auto *combo = humidity->findChild<QComboBox *>("cbFeedbackSensor");
        combo->setCurrentIndex(combo->findData(30));
        QCOMPARE(hysteresis->value(), 2.5);
        QCOMPARE(int(humidity->general()->feedbackSensor()), 30);
        QCOMPARE(humidity->findChild<QDoubleSpinBox *>("sbFeedbackValue")->value(), 43.7);
        QCOMPARE(editor.modeSettings().RefSensAddr, quint16(30));
    }

    void externalForm_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("shown");
        QTest::newRow("group 4") << 3 << 3;
        QTest::newRow("group 16") << 15 << 15;
        QTest::newRow("group 41 is not there") << 40 << 0;
    }
    void externalForm()
    {
        QFETCH(int, group);
        QFETCH(int, shown);
        InstalledController controller;
        OutputSettingsWidgetControlled form;
        s_OutputModeSett block = patternedBlock(2);
        block.OutGroupNumber = quint8(group);
        block.controlFlags = 0xFD; // SMS and key fob, and bits no control owns
        form.setModeSettings(block);
        auto *groups = form.findChild<QComboBox *>("cbOutGroupNumber");
        QCOMPARE(groups->count(), 16);
        QCOMPARE(groups->currentIndex(), shown);
        QVERIFY(!form.findChild<QWidget *>("hsVolume")->isVisibleTo(&form));
        const s_OutputModeSett collected = form.modeSettings();
        QCOMPARE(int(collected.OutGroupNumber), shown);
        QCOMPARE(collected.controlFlags, quint8(0x05));
        QCOMPARE(collected.EnableMask, block.EnableMask);
        QCOMPARE(collected.DisableMask, block.DisableMask);
        QCOMPARE(bytesOf(collected, 82, 6), QByteArray(6, '\0'));
        QCOMPARE(bytesOf(collected, 0, 72), QByteArray(72, '\0'));
    }

    // Each mode's form, as users see it: in Russian.
    void formsShowRussian_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("standard") << 1;
        QTest::newRow("external") << 2;
        QTest::newRow("temperature") << 3;
    }
    void formsShowRussian()
    {
        QFETCH(int, mode);
        const RussianScreen russian;
        QVERIFY(russian.isLoaded());
        InstalledController controller;
        OutputSettingsWidget editor;
        editor.setModeSettings(patternedBlock(quint16(mode)));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QString path =
            QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral("output_mode_editor_%1.png").arg(QTest::currentDataTag()));
        QVERIFY(editor.grab().save(path, "PNG"));
        VERIFY_RUSSIAN_ONLY(&editor);
    }

    // A preset asks the device; outside the standard mode the owner stores the output first.
    void presetRequests()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        controller.overmind().deviceInfo().init(0, 0, 0, 0);
        OutputSettingsWidget editor;
        editor.setModeSettings(patternedBlock(2));
        editor.modeCombo()->setCurrentIndex(1);
        editor.setOutputAddress(5, 1);
        QSignalSpy saves(&editor, &OutputSettingsWidget::saveWidgetSettings);
        auto *siren = editor.findChild<QPushButton *>("pbTacticsSiren");
        siren->click();
        QCOMPARE(saves.count(), 1);
        QVERIFY(!siren->isChecked());
        siren->click();
        QCOMPARE(saves.count(), 1);
        SimCommunicator &device = controller.communicator();
        QTRY_COMPARE(device.commandsOf(0xDA).size(), 2);
        for (const QByteArray &command : device.commandsOf(0xDA)) {
            const SentMessage sent = splitMessage(command);
            QCOMPARE(sent.identifier, quint16(1));
            QCOMPARE(sent.payload, QByteArray::fromHex("01030000"));
        }
    }

    void requestAddress_data()
    {
        QTest::addColumn<int>("how"); // 0 never set, 1 radio device output, 2 local output id
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("never set") << 0 << QByteArray::fromHex("00040000");
        QTest::newRow("device 5 output 1") << 1 << QByteArray::fromHex("01040000");
        QTest::newRow("local output 1") << 2 << QByteArray::fromHex("01040000");
    }
    void requestAddress()
    {
        QFETCH(int, how);
        QFETCH(QByteArray, payload);
        ControllerFixture controller;
        QVERIFY(controller.connect());
        OutputSettingsWidget editor;
        editor.setModeSettings(patternedBlock(1));
        if (how == 1)
            editor.setOutputAddress(5, 1);
        else if (how == 2)
            editor.setOutputId(1);
        editor.findChild<QPushButton *>("pbTacticsDiscrete")->click();
        SimCommunicator &device = controller.communicator();
        QTRY_COMPARE(device.commandsOf(0xDA).size(), 1);
        QCOMPARE(splitMessage(device.commandsOf(0xDA).first()).payload, payload);
    }
};

QTEST_MAIN(TestOutputModeEditor)
#include "test_output_mode_editor.moc"
