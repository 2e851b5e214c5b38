#include "app/BaseSettingsWidget.h"
#include "app/MainWindow.h"
#include "app/Ui_MainWindow.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/comms/WirelessSettingsWidget.h"
#include "pages/settings/DebugSettingsWidget.h"
#include "pages/settings/IButtonConfig.h"
#include "pages/settings/IButtonConfigWidget.h"
#include "pages/settings/LedsSettings.h"
#include "pages/settings/LedsSettingsWidget.h"
#include "pages/settings/OutputGroupsSettingsWidget.h"
#include "sim/SimDeviceSettings.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {
constexpr int Timeout = 60000;

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

QByteArray patchedBlock(QByteArray block, const QList<int> &patch)
{
    for (int i = 0; i + 1 < patch.size(); i += 2)
        block[patch.at(i)] = char(patch.at(i + 1));
    return SimCommunicator::sealBlock(block);
}

// The offsets whose bytes differ, the seal left out.
QList<int> differingOffsets(const QByteArray &before, const QByteArray &after)
{
    QList<int> offsets;
    const int sealAt = before.size() - 6;
    for (int i = 0; i < qMin(before.size(), after.size()) && i < sealAt; ++i)
        if (before.at(i) != after.at(i))
            offsets << i;
    return offsets;
}
} // namespace

// Stored values the settings pages cannot show: the page shows them, saves them back as
// they are, and a change of one control changes that field alone.
class TestUnshownSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<RadioSession> m_session;
    std::unique_ptr<ModalRecorder> m_boxes;

    SimCommunicator &device() { return m_session->device(); }
    Ui_MainWindow *ui() { return m_session->window()->form(); }

    BaseSettingsWidget *page(const QString &name)
    {
        if (name == QLatin1String("leds"))
            return ui()->ledsSettingsWidget;
        if (name == QLatin1String("reader"))
            return ui()->ibuttonConfigWidget;
        return ui()->wirelessSettingsWidget;
    }

    // The block the page's settings object holds.
    QByteArray heldBlock(BaseSettingsWidget *widget)
    {
        if (auto *leds = qobject_cast<LedsSettingsWidget *>(widget))
            return bytesOf(leds->settings()->data());
        if (auto *reader = qobject_cast<IButtonConfigWidget *>(widget))
            return bytesOf(reader->settings()->data());
        if (auto *radio = qobject_cast<WirelessSettingsWidget *>(widget))
            return bytesOf(radio->settings()->data());
        return QByteArray();
    }

    // Puts the block into the device and sends it to the program as a read answer would.
    void showBlock(BaseSettingsWidget *widget, quint8 readOperation, const QByteArray &block)
    {
        device().setRecord(readOperation, 0, block);
        device().send(SimCommunicator::message(readOperation, 0, block));
        QTRY_COMPARE_WITH_TIMEOUT(heldBlock(widget).toHex(), block.toHex(), Timeout);
        QVERIFY(!widget->hasChanges());
    }

    void saveAndWait(BaseSettingsWidget *widget, quint8 writeOperation)
    {
        const int writes = device().commandsOf(writeOperation).size();
        widget->saveSettings();
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(writeOperation).size(), writes + 1, Timeout);
    }

private slots:
    void initTestCase()
    {
        m_boxes = std::make_unique<ModalRecorder>();
        m_session = std::make_unique<RadioSession>();
        QVERIFY(m_session->logInAndLoad());
    }

    void cleanupTestCase()
    {
        m_session.reset();
        m_boxes.reset();
    }

    void untouchedPageWritesTheBlockBack_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("readOperation");
        QTest::addColumn<int>("writeOperation");
        QTest::addColumn<QByteArray>("base");
        QTest::addColumn<QList<int>>("patch");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("changedOffset");
        QTest::addColumn<int>("changedValue");

        const QByteArray leds = SimDeviceSettings::ledsBlock();
        QTest::newRow("led function beyond the list")
            << "leds" << 0x29 << 0x73 << leds << QList<int>{28, 40} << "cbLed1Mode" << 3 << 26 << 3;
        QTest::newRow("alarm sensors mode above 2")
            << "leds" << 0x29 << 0x73 << leds << QList<int>{35, 7} << "cbGlobalFireSensLedMode" << 0
            << 36 << 0;
        QTest::newRow("technology mode 255 picked away")
            << "leds" << 0x29 << 0x73 << leds << QList<int>{37, 255}
            << "cbGlobalTechnologySensLedMode" << 1 << 37 << 1;
        QTest::newRow("indication off")
            << "leds" << 0x29 << 0x73 << leds << QList<int>{24, 0} << "cbLed4Mode" << 0 << 32 << 0;

        const QByteArray reader = SimDeviceSettings::cardReaderBlock();
        QTest::newRow("reader led mode 9") << "reader" << 0x33 << 0x7A << reader << QList<int>{4, 9}
                                           << "cbIButtonLedMode" << 1 << 4 << 1;
        QTest::newRow("reader mask bit 0")
            << "reader" << 0x33 << 0x7A << reader << QList<int>{0, 0x27} << "cbIButtonLedMode" << 3
            << 4 << 3;
        QTest::newRow("reader partitions above the combo")
            << "reader" << 0x33 << 0x7A << reader << QList<int>{2, 0xF3, 3, 0xFF}
            << "cbIButtonLedMode" << 0 << 4 << 0;

        // Only the bytes the page keeps: enrolment time 300 s, no best channel.
        QByteArray radio(256, '\0');
        radio[34] = char(0x2C);
        radio[35] = 1;
        radio[55] = char(0xFF);
        // The first group offers channels 1 to 4; 45 s is none of the listed intervals.
        QTest::newRow("connection interval 45 s")
            << "radio" << 0x2C << 0x76 << radio << QList<int>{33, 0, 32, 1, 36, 45} << "cbInterval"
            << 0 << 36 << 30;
        QTest::newRow("channel outside the group")
            << "radio" << 0x2C << 0x76 << radio << QList<int>{33, 1, 32, 2, 36, 60} << "cbInterval"
            << 2 << 36 << 90;
        QTest::newRow("unknown group")
            << "radio" << 0x2C << 0x76 << radio << QList<int>{33, 6, 32, 3, 36, 60} << "cbInterval"
            << 3 << 36 << 120;
    }

    void untouchedPageWritesTheBlockBack()
    {
        QFETCH(QString, page);
        QFETCH(int, readOperation);
        QFETCH(int, writeOperation);
        QFETCH(QByteArray, base);
        QFETCH(QList<int>, patch);
        QFETCH(QString, control);
        QFETCH(int, pick);
        QFETCH(int, changedOffset);
        QFETCH(int, changedValue);
        QVERIFY(!base.isEmpty());
        BaseSettingsWidget *widget = this->page(page);
        const QByteArray stored = patchedBlock(base, patch);
        showBlock(widget, quint8(readOperation), stored);

        saveAndWait(widget, quint8(writeOperation));
        QCOMPARE(device().record(quint8(readOperation), 0).toHex(), stored.toHex());
        QVERIFY(!widget->hasChanges());

        auto *combo = widget->findChild<QComboBox *>(control);
        QVERIFY(combo);
        combo->setCurrentIndex(pick);
        QVERIFY(widget->hasChanges());
        saveAndWait(widget, quint8(writeOperation));
        const QByteArray written = device().record(quint8(readOperation), 0);
        QCOMPARE(int(quint8(written.at(changedOffset))), changedValue);
        const QList<int> changed = differingOffsets(stored, written);
        QVERIFY2(changed.isEmpty() || changed == QList<int>{changedOffset},
                 qPrintable(QStringLiteral("changed offsets: %1")
                                .arg(QVariant::fromValue(changed).toStringList().join(','))));
    }

    // The one entry the page adds for a stored value names it and goes when a known one comes.
    void ownEntryShowsTheNumberAndGoes()
    {
        BaseSettingsWidget *widget = ui()->ledsSettingsWidget;
        auto *combo = widget->findChild<QComboBox *>("cbGlobalAlarmSensLedMode");
        showBlock(widget, 0x29, patchedBlock(SimDeviceSettings::ledsBlock(), {35, 7}));
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentText(), QStringLiteral("7"));
        showBlock(widget, 0x29, SimDeviceSettings::ledsBlock());
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 0);
    }

    // Showing the record gives the user no change to save, and the first Save after a
    // partial MAC keeps the Ethernet block as it was.
    void debugPageKeepsTheMacUntilAWholeOneIsTyped()
    {
        BaseSettingsWidget *widget = ui()->debugSettingsWidget;
        auto *mac = widget->findChild<QLineEdit *>("leMacAddress");
        QVERIFY(mac);
        const QByteArray ethernet = device().record(0x3D, 0);
        const int ethernetWrites = device().commandsOf(0x7E).size();
        m_boxes->seen.clear();

        mac->setText(QStringLiteral("AB:CD"));
        saveAndWait(widget, 0x80);
        QCOMPARE(m_boxes->count("warning"), 1);
        mac->clear();
        saveAndWait(widget, 0x80);
        QCOMPARE(m_boxes->count("warning"), 2);
        QCOMPARE(device().commandsOf(0x7E).size(), ethernetWrites);
        QCOMPARE(device().record(0x3D, 0), ethernet);

        mac->setText(QStringLiteral("02:11:22:33:44:55"));
        saveAndWait(widget, 0x80);
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x7E).size(), ethernetWrites + 1, Timeout);
        QCOMPARE(m_boxes->count("warning"), 2);
    }

    // Reset writes empty names: the table shows them, so a later Save keeps them empty.
    void outputGroupsShowWhatResetWrote()
    {
        OutputGroupsSettingsWidget *widget = ui()->outputGroupsWidget;
        QTRY_COMPARE_WITH_TIMEOUT(widget->table()->item(15, 2)->text(),
                                  SimDeviceSettings::groupName(15), Timeout);
        m_boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        const int writes = device().commandsOf(0x81).size();
        widget->findChild<QPushButton *>("pbReset")->click();
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x81).size(), writes + 16, Timeout);
        for (int row = 0; row < 16; ++row)
            QCOMPARE(widget->table()->item(row, 2)->text(), QString());
        QVERIFY(!widget->hasChanges());
        widget->saveSettings();
        QTRY_COMPARE_WITH_TIMEOUT(device().commandsOf(0x81).size(), writes + 32, Timeout);
        QCOMPARE(SimDeviceSettings::of(device())->group(3).at(0), '\0');
        m_boxes->reply = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(m_session->window()->isEnabled(), Timeout);
    }
};

QTEST_MAIN(TestUnshownSettings)
#include "test_unshown_settings.moc"
