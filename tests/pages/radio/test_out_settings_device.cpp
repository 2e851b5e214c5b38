#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutSettingsWidget.h"
#include "pages/radio/OutputSettingsWidget.h"
#include "pages/radio/OutputSettingsWidgetEvents.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "radio/LocalOut.h"
#include "sim/LogCapture.h"
#include "sim/SimOutputs.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;

struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    bool logInAndLoad()
    {
        window()->resize(1280, 800);
        return logIn();
    }

    int outputWindows() const
    {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += qobject_cast<OutSettingsWidget *>(widget) ? 1 : 0;
        return count;
    }

    // Double-clicks the card of local output `index` and returns the window it opens.
    OutSettingsWidget *openOutput(PartitionWidget *page, int index)
    {
        SensorItemModel *model = page->sensorModel();
        QModelIndex row;
        for (int r = 0; r < model->rowCount(); ++r) {
            auto *output = qobject_cast<LocalOut *>(model->sensorAt(r).get());
            if (output && output->index() == index)
                row = model->index(r, 0);
        }
        if (!row.isValid())
            return nullptr;
        openCard(page->sensorView(), row);
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<OutSettingsWidget *>(widget))
                if (window->isVisible())
                    return window;
        return nullptr;
    }
};

QByteArray sentBlock(const QByteArray &command)
{
    return command.mid(3);
}

quint32 wordAt(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, bytes.constData() + offset, sizeof(value));
    return value;
}

QList<quint8> operationsOf(const QList<QByteArray> &commands)
{
    QList<quint8> operations;
    for (const QByteArray &command : commands)
        if (quint8(command.at(0)) == 0x70 || quint8(command.at(0)) == 0xDA)
            operations << quint8(command.at(0));
    return operations;
}
} // namespace

class TestOutSettingsDevice : public QObject
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

    // The local output's window against the simulated communicator: edit, save, reopen,
    // take a preset, and live through a refused write.
    void localOutputThroughTheDevice()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        PartitionWidget *page = session.showPage(0);
        QVERIFY(page);
        QTRY_VERIFY(page->sensorModel()->rowCount() > 2);
        SimCommunicator &device = session.device();
        const QByteArray before = device.record(0x26, 1);

        OutSettingsWidget *window = session.openOutput(page, 1);
        QVERIFY(window);
        QVERIFY(window->findChild<QPushButton *>("pbSave")->isEnabled());
        OutputSettingsWidget *editor = window->editor();
        QCOMPARE(editor->modeCombo()->currentText(), OutputSettingsWidget::tr("Temp control"));
        editor->modeCombo()->setCurrentIndex(4);
        QWidget *humidity = window->findChild<QWidget *>("HumidityMode");
        auto *sensors = humidity->findChild<QComboBox *>("cbFeedbackSensor");
        sensors->setCurrentIndex(sensors->findData(33));
        humidity->findChild<QDoubleSpinBox *>("sbRefValue")->setValue(55.0);
        humidity->findChild<QDoubleSpinBox *>("sbHysteresis")->setValue(3.5);
        humidity->findChild<QSlider *>("hsTime")->setValue(300); // 76 s
        const quint32 pattern = humidity->findChild<MaskEditWidget *>("maskWidget")->mask();
        QCOMPARE(pattern & 0x3FF, quint32(1 << 8 | 76));
        auto *name = window->findChild<QLineEdit *>("leName");
        name->setText(QString::fromUtf8("Полив"));
        saveShot(window, "output-dialog-device.png");
        QTest::mouseClick(window->findChild<QPushButton *>("pbSave"), Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(device.record(0x26, 1) != before, DeviceTimeout);
        const QByteArray after = device.record(0x26, 1);
        const QByteArray nameBytes = QString::fromUtf8("Полив").toUtf8() + '\0';
        QCOMPARE(after.left(nameBytes.size()), nameBytes);
        QCOMPARE(after.mid(nameBytes.size(), 64 - nameBytes.size()),
                 QByteArray(64 - nameBytes.size(), '\xff'));
        QCOMPARE(wordAt(after, 64), crc32Stm(after.constData(), 64));
        s_OutputModeSett mode;
        std::memcpy(&mode, after.constData() + 72, sizeof(mode));
        QCOMPARE(int(mode.Mode), 4);
        QCOMPARE(int(mode.FeedbackSensAddr), 33);
        QCOMPARE(int(mode.RefSensAddr), 33);
        QCOMPARE(int(mode.Hyst), 350);
        QCOMPARE(int(mode.IntTempRef), 5500);
        QCOMPARE(mode.EnableMask, pattern);
        QCOMPARE(after.mid(1018, 2), QByteArray::fromHex("0101"));
        QCOMPARE(wordAt(after, 1020), crc32Stm(after.constData(), 1020));
        QCOMPARE(after.mid(68, 4) + after.mid(168, 850), before.mid(68, 4) + before.mid(168, 850));

        // Reopened: a preset whose storing the device refuses leaves the window open, and
        // the next record refills the window.
        QTRY_VERIFY(session.outputWindows() == 0);
        QTRY_VERIFY((window = session.openOutput(page, 1)) != nullptr);
        editor = window->editor();
        // The window refills when the device's answer to the save arrives.
        QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLineEdit *>("leName")->text(),
                                  QString::fromUtf8("Полив"), DeviceTimeout);
        LogCapture log;
        device.failNext(0x70, SimCommunicator::ErrCrc);
        editor->modeCombo()->setCurrentIndex(1);
        auto *siren = window->findChild<QPushButton *>("pbTacticsSiren");
        siren->click();
        // The device link logs the refusal of an output write.
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("Error while operation 0x70")),
                                 DeviceTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(siren->isChecked(), DeviceTimeout);
        QVERIFY(window->isVisible());
        s_ExtMemDataOutput fresh;
        std::memcpy(&fresh, device.record(0x26, 1).constData(), sizeof(fresh));
        std::memset(fresh.name, 0xFF, sizeof(fresh.name));
        std::memcpy(fresh.name, "Boiler", 7);
        fresh.nameCrc = crc32Stm(fresh.name, 64);
        fresh.crc32 = crc32Stm(&fresh, 1020);
        device.send(SimCommunicator::message(
            0x26, 1, QByteArray(reinterpret_cast<const char *>(&fresh), int(sizeof(fresh)))));
        QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLineEdit *>("leName")->text(),
                                  QStringLiteral("Boiler"), DeviceTimeout);
        QCOMPARE(editor->modeCombo()->currentIndex(), 4);

        // "Standard control" and "Siren": the output is stored in that mode first, then
        // asked; a second press only asks.
        device.clearCommands();
        editor->modeCombo()->setCurrentIndex(1);
        siren->click();
        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0xDA).size(), 1, DeviceTimeout);
        QCOMPARE(operationsOf(device.commands()), (QList<quint8>{0x70, 0xDA}));
        QCOMPARE(device.commandsOf(0xDA).first(), QByteArray::fromHex("da010001030000"));
        s_OutputModeSett stored;
        std::memcpy(&stored, sentBlock(device.commandsOf(0x70).first()).constData() + 72,
                    sizeof(stored));
        QCOMPARE(int(stored.Mode), 1);
        QTRY_VERIFY_WITH_TIMEOUT(siren->isChecked(), DeviceTimeout);
        siren->click();
        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0xDA).size(), 2, DeviceTimeout);
        QTRY_VERIFY(siren->isChecked());
        QCOMPARE(device.commandsOf(0x70).size(), 1);
        s_OutputModeSett preset;
        const s_EventsOutMode answer = SimOutputs::preset(3);
        std::memcpy(&preset, &answer, sizeof(answer));
        QCOMPARE(editor->eventsForm()->maskEditor()->mask(), preset.TakeOnMask);
        saveShot(window, "output-dialog-siren.png");
        QTest::mouseClick(window->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(device.commandsOf(0x70).size(), 2, DeviceTimeout);
        const QByteArray saved = sentBlock(device.commandsOf(0x70).last());
        const QByteArray presetBytes(reinterpret_cast<const char *>(&answer), 56);
        // Byte 49 carries the window's own journal check box in bit 0.
        QCOMPARE(saved.mid(72, 49), presetBytes.left(49));
        QCOMPARE(saved.mid(72 + 50, 6), presetBytes.mid(50, 6));
        QTRY_COMPARE_WITH_TIMEOUT(device.record(0x26, 1), saved, DeviceTimeout);
        QTRY_VERIFY(session.outputWindows() == 0);
    }

private:
    static void saveShot(QWidget *widget, const char *name)
    {
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        QFile::remove(path);
        widget->grab().save(path, "PNG");
    }
};

QTEST_MAIN(TestOutSettingsDevice)
#include "test_out_settings_device.moc"
