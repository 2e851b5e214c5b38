#include "OutputFixtures.h"

#include "RadioLink.h"
#include "app/ContentAwareLineEdit.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutSettingsWidget.h"
#include "pages/radio/OutputSettingsWidget.h"
#include "pages/radio/OutputSettingsWidgetEvents.h"
#include "pages/radio/PartitionSelectionWidget.h"
#include "radio/LocalOut.h"
#include "radio/PartitionModel.h"
#include "sim/SimOutputs.h"
#include "sim/SimRadioConfiguration.h"
#include "support/ModalRecorder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
using Config = SimRadioConfiguration;

// A record whose bytes outside what the window edits are all set, so a changed one shows.
s_ExtMemDataOutput junkRecord(int index)
{
    s_ExtMemDataOutput record = Config::outputBlock(index);
    record.reserved68 = 0xA5A5A5A5;
    record.reserved168 = 0x5A5A5A5A;
    std::memset(record.reserved172, 0x3C, sizeof(record.reserved172));
    return record;
}

QByteArray recordBytes(const s_ExtMemDataOutput &record)
{
    return bytesOf(record, 0, int(sizeof(record)));
}

// Everything the window must carry unchanged: bytes 68..71 and 168..1017.
QByteArray carried(const QByteArray &record)
{
    return record.mid(68, 4) + record.mid(168, 1018 - 168);
}

quint32 wordAt(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, bytes.constData() + offset, sizeof(value));
    return value;
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

// The window as the partition page opens it, with its Save button usable even without a
// logged-in user.
struct Window
{
    QPointer<OutSettingsWidget> widget;
    explicit Window(quint16 id, const s_ExtMemDataOutput &record)
        : widget(new OutSettingsWidget(id))
    {
        widget->setOutputData(record);
        saveButton()->setEnabled(true);
        widget->editor()->setEnabled(true);
    }
    ~Window() { delete widget; }
    QPushButton *saveButton() const { return widget->findChild<QPushButton *>("pbSave"); }
    QLineEdit *name() const { return widget->findChild<QLineEdit *>("leName"); }
    QComboBox *mode() const { return widget->editor()->modeCombo(); }
};

// The controller over a simulated device whose answers reach the model's local outputs.
struct LinkedController : ControllerFixture
{
    bool start()
    {
        if (!connect())
            return false;
        overmind().deviceInfo().init(0, 0, 0, 0);
        overmind().createSettingsObjects(true);
        SimOutputs::attach(communicator());
        return true;
    }
    QList<QByteArray> writes() { return communicator().commandsOf(0x70); }
    QByteArray lastWrite() { return splitMessage(writes().last()).payload; }
};
} // namespace

class TestOutSettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init() { boxes = std::make_unique<ModalRecorder>(); }
    void cleanup() { boxes.reset(); }

    void formAsOpened()
    {
        InstalledController controller;
        OutSettingsWidget window(1);
        QVERIFY(!window.isEnabled());
        QCOMPARE(window.windowTitle(), QStringLiteral("Output settings"));
        QCOMPARE(window.editor()->modeCombo()->count(), 6);
        window.setOutputData(Config::outputBlock(1));
        QVERIFY(window.isEnabled());
        QCOMPARE(window.findChild<QLineEdit *>("leName")->text(), QStringLiteral("Pump"));
        QCOMPARE(window.editor()->modeCombo()->currentIndex(), 3);
        // Local outputs have no volume.
        QVERIFY(!window.findChild<QWidget *>("hsVolume")->isVisibleTo(&window));
    }

    // Save writes the whole block: name, mode block, versions and both CRCs, and carries
    // every other byte of the record it was given.
    void savedRecord()
    {
        LinkedController controller;
        QVERIFY(controller.start());
        const s_ExtMemDataOutput given = junkRecord(0);
        Window window(0, given);
        window.name()->setText(QString(63, QLatin1Char('n')));
        window.mode()->setCurrentIndex(2);
        window.saveButton()->click();
        QTRY_VERIFY(!window.widget); // closed and deleted
        QTRY_COMPARE(controller.writes().size(), 1);
        QCOMPARE(splitMessage(controller.writes().first()).identifier, quint16(0));
        const QByteArray sent = controller.lastWrite();
        QCOMPARE(sent.size(), 1024);
        QCOMPARE(sent.left(64), QByteArray(63, 'n') + '\0');
        QCOMPARE(wordAt(sent, 64), crc32Stm(sent.constData(), 64));
        QCOMPARE(sent.mid(72 + 88, 2), QByteArray::fromHex("0200"));
        QCOMPARE(sent.mid(1018, 2), QByteArray::fromHex("0101"));
        QCOMPARE(wordAt(sent, 1020), crc32Stm(sent.constData(), 1020));
        QCOMPARE(carried(sent), carried(recordBytes(given)));
        // The device took it.
        QTRY_COMPARE(controller.communicator().record(0x26, 0), sent);
    }

    // A name that does not fit its field is never dropped silently: nothing is written and
    // the window stays open with the name as typed.
    void nameTooLong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fits");
        QTest::newRow("63 one-byte characters") << QString(63, QLatin1Char('a')) << true;
        QTest::newRow("31 two-byte characters") << QString::fromUtf8("Ж").repeated(31) << true;
        QTest::newRow("32 two-byte characters") << QString::fromUtf8("Ж").repeated(32) << false;
        QTest::newRow("64 one-byte characters") << QString(64, QLatin1Char('a')) << false;
    }
    void nameTooLong()
    {
        QFETCH(QString, name);
        QFETCH(bool, fits);
        LinkedController controller;
        QVERIFY(controller.start());
        Window window(1, junkRecord(1));
        window.name()->setText(name);
        window.saveButton()->click();
        QTRY_COMPARE(!window.widget, fits);
        QCOMPARE(boxes->count("warning"), fits ? 0 : 1);
        if (fits) {
            QTRY_COMPARE(controller.writes().size(), 1);
            QCOMPARE(controller.lastWrite().left(name.toUtf8().size() + 1), name.toUtf8() + '\0');
            return;
        }
        QVERIFY(boxes->seen.first().text.contains("63"));
        QCOMPARE(window.name()->text(), name);
        // A preset in another mode stores the output first: refused the same way.
        window.mode()->setCurrentIndex(1);
        window.widget->findChild<QPushButton *>("pbTacticsLamp")->click();
        QCOMPARE(boxes->count("warning"), 2);
        QTRY_COMPARE(controller.communicator().commandsOf(0xDA).size(), 1);
        QVERIFY(window.widget);
        QCOMPARE(controller.writes().size(), 0);
    }

    // A tactic answer checks its preset and replaces the patterns; nothing is written.
    void tacticAnswerWritesNothing()
    {
        LinkedController controller;
        QVERIFY(controller.start());
        Window window(0, junkRecord(0));
        window.widget->setTactic(SimOutputs::preset(1));
        QVERIFY(window.widget->findChild<QPushButton *>("pbTacticsLamp")->isChecked());
        QCOMPARE(window.widget->editor()->eventsForm()->maskEditor()->mask(),
                 SimOutputs::pattern(0, 0xFFFF, 0, false, true));
        QTest::qWait(50);
        QCOMPARE(controller.writes().size(), 0);
    }

    // Hostile records open without harm and save by the rules.
    void hostileRecords_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tactic");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("hyst");
        QTest::addColumn<int>("feedback");
        QTest::addColumn<int>("savedMode");
        QTest::addColumn<int>("savedGroup");
        QTest::addColumn<int>("savedHyst");
        QTest::addColumn<int>("savedFeedback");
        QTest::addColumn<int>("warnings");
        QTest::newRow("mode 9") << 9 << 0 << 2 << 150 << 255 << 0xFFFF << 2 << 150 << 255 << 0;
        QTest::newRow("no such output")
            << 0xFFFF << 0 << 2 << 150 << 255 << 0xFFFF << 2 << 150 << 255 << 0;
        QTest::newRow("tactic 7") << 1 << 7 << 2 << 150 << 255 << 1 << 2 << 150 << 255 << 1;
        QTest::newRow("group 41") << 2 << 0 << 40 << 150 << 255 << 2 << 0 << 150 << 255 << 0;
        QTest::newRow("hysteresis 0") << 3 << 0 << 2 << 0 << 255 << 3 << 2 << 100 << 255 << 0;
        QTest::newRow("feedback device 300")
            << 3 << 0 << 2 << 150 << 300 << 3 << 2 << 150 << 255 << 0;
    }
    void hostileRecords()
    {
        QFETCH(int, mode);
        QFETCH(int, tactic);
        QFETCH(int, group);
        QFETCH(int, hyst);
        QFETCH(int, feedback);
        QFETCH(int, savedMode);
        QFETCH(int, savedGroup);
        QFETCH(int, savedHyst);
        QFETCH(int, savedFeedback);
        QFETCH(int, warnings);
        LinkedController controller;
        QVERIFY(controller.start());
        s_ExtMemDataOutput record = junkRecord(1);
        record.mode.Mode = quint16(mode);
        record.mode.tactic = quint8(tactic);
        record.mode.OutGroupNumber = quint8(group);
        record.mode.Hyst = quint16(hyst);
        record.mode.FeedbackSensAddr = quint16(feedback);
        Window window(1, record);
        QCOMPARE(boxes->count("warning"), warnings);
        window.saveButton()->click();
        QTRY_COMPARE(controller.writes().size(), 1);
        s_ExtMemDataOutput saved;
        std::memcpy(&saved, controller.lastWrite().constData(), sizeof(saved));
        QCOMPARE(int(saved.mode.Mode), savedMode);
        QCOMPARE(int(saved.mode.OutGroupNumber), savedGroup);
        QCOMPARE(int(saved.mode.Hyst), savedHyst);
        QCOMPARE(int(saved.mode.FeedbackSensAddr), savedFeedback);
        QCOMPARE(bytesOf(saved.mode, 90, 6), QByteArray(6, '\0'));
        QCOMPARE(carried(controller.lastWrite()), carried(recordBytes(record)));
    }

    // A name field without its NUL shows all 64 bytes; saving asks for a shorter name.
    void nameWithoutNul()
    {
        LinkedController controller;
        QVERIFY(controller.start());
        s_ExtMemDataOutput record = junkRecord(0);
        std::memset(record.name, 'z', sizeof(record.name));
        Window window(0, record);
        QCOMPARE(window.name()->text(), QString(64, QLatin1Char('z')));
        window.saveButton()->click();
        QCOMPARE(boxes->count("warning"), 1);
        QVERIFY(window.widget);
        window.name()->setText(QStringLiteral("Gate"));
        window.saveButton()->click();
        QTRY_COMPARE(controller.writes().size(), 1);
        QCOMPARE(controller.lastWrite().left(6), QByteArray("Gate\0\xff", 6));
    }

    // In every mode a block written through the window comes back byte for byte from a
    // format-2 file.
    void sectionRoundTrip_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 0; mode <= 5; ++mode)
            QTest::newRow(qPrintable(QStringLiteral("mode %1").arg(mode))) << mode;
    }
    void sectionRoundTrip()
    {
        QFETCH(int, mode);
        LinkedController controller;
        QVERIFY(controller.start());
        PartitionModel *model = controller.overmind().partitionModel();
        model->setOutData(1, Config::outputBlock(1));
        const std::shared_ptr<LocalOut> output = model->localOut(1);
        Window window(1, *output->outputData());
        window.name()->setText(QString::fromUtf8("Насос %1").arg(mode));
        window.mode()->setCurrentIndex(mode);
        if (mode == 1)
            window.widget->setTactic(SimOutputs::preset(3));
        window.widget->findChild<MaskEditWidget *>("maskWidget")->setMask(0x0F0F0010);
        window.saveButton()->click();
        QTRY_COMPARE(controller.writes().size(), 1);
        const QByteArray sent = controller.lastWrite();
        QTRY_COMPARE(recordBytes(*output->outputData()), sent);

        const QJsonObject document = model->toJson().toObject();
        controller.overmind().setViewingMode(true);
        PartitionModel viewed(nullptr);
        QVERIFY(viewed.loadLocalOutsFromJson(document.value("Output")));
        const s_ExtMemDataOutput &read = *viewed.localOut(1)->outputData();
        const QByteArray name = QString::fromUtf8("Насос %1").arg(mode).toUtf8() + '\0';
        QCOMPARE(bytesOf(read, 0, name.size()), name);
        QCOMPARE(bytesOf(read.mode, 0, 96), sent.mid(72, 96));
    }

    // A format-1 file's output opens in the viewing mode for reading only.
    void formatOneFileInViewingMode()
    {
        InstalledController controller;
        controller.overmind().setViewingMode(true);
        LocalOut output(1);
        const QJsonObject file{{"Version", "1.02"},
                               {"Outs", QJsonArray{QJsonObject{{"index", 1},
                                                               {"Name", "Boiler"},
                                                               {"Mode", 3},
                                                               {"Hyst", 250},
                                                               {"Ref", 2050},
                                                               {"FeedbackSensAddr", 255},
                                                               {"Enable", 0x00FF0010}}}}};
        QVERIFY(output.fromJson(file, 1));
        OutSettingsWidget window(1);
        window.setOutputData(*output.outputData());
        QCOMPARE(window.findChild<QLineEdit *>("leName")->text(), QStringLiteral("Boiler"));
        QCOMPARE(window.editor()->modeCombo()->currentText(), QStringLiteral("Temp control"));
        QCOMPARE(window.findChild<QWidget *>("TemperatureMode")
                     ->findChild<QDoubleSpinBox *>("sbRefValue")
                     ->value(),
                 20.5);
        QVERIFY(window.editor()->isEnabled());
        QVERIFY(!window.findChild<QPushButton *>("pbSave")->isEnabled());
    }

    void screenshots()
    {
        InstalledController controller;
        OutSettingsWidget window(0);
        window.setOutputData(Config::outputBlock(0));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int mode = 0; mode <= 5; ++mode) {
            window.editor()->modeCombo()->setCurrentIndex(mode);
            saveScreenshot(&window, QStringLiteral("output-dialog-mode-%1.png").arg(mode));
        }
        MaskEditWidget mask;
        mask.setMask(SimOutputs::pattern(180000, 0x0F0F, 15, true));
        mask.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mask));
        saveScreenshot(&mask, QStringLiteral("output-mask-editor.png"));

        PartitionSelectionWidget box;
        box.resize(320, 40);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setPartitionsMask(0x4A);
        box.combo()->showPopup();
        QWidget *popup = box.combo()->view()->window();
        QTRY_VERIFY(popup->isVisible());
        saveScreenshot(popup, QStringLiteral("partition-selection-list.png"));
        box.combo()->hidePopup();
    }
};

QTEST_MAIN(TestOutSettingsDialog)
#include "test_out_settings_dialog.moc"
