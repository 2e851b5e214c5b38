#include "DeviceFixtures.h"

#include "app/ContentAwareLineEdit.h"
#include "app/DeviceInfo.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorKeychainSettingsWidget.h"
#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/SensorRelaySettingsWidget.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "pages/users/UserModel.h"
#include "radio/LocalOut.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "support/ModalRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
QStringList entries(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QStringList tabTexts(QTabWidget *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

// A dialog that the test closes or that closes itself; QPointer tells which.
struct Dialog
{
    QPointer<SensorSettingsWidget> widget = new SensorSettingsWidget();

    ~Dialog() { delete widget; }
    template <typename T> T *find(const char *name) const
    {
        return widget->findChild<T *>(QLatin1String(name));
    }
    QComboBox *zones() const { return find<QComboBox>("cbZoneType"); }
    QCheckBox *bell() const { return find<QCheckBox>("cbBellMode"); }
    SensorRelaySettingsWidget *relay() const
    {
        return widget->findChild<SensorRelaySettingsWidget *>();
    }
};

// A panel that counts what the contract calls on it.
class ProbePanel : public SensorPrivateSettingsWidget
{
public:
    int statusCalls = 0;
    void saveSettings() override {}
    void updateWidget() override {}
    void onSensorStatusUpdated() override { ++statusCalls; }
};
} // namespace

class TestSensorSettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init() { boxes = std::make_unique<ModalRecorder>(); }
    void cleanup() { boxes.reset(); }

    void zoneControls_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("storedZone");
        QTest::addColumn<int>("inputMode");
        QTest::addColumn<QStringList>("zones"); // empty: the zone controls are hidden
        QTest::addColumn<bool>("zoneEnabled");
        QTest::addColumn<bool>("ledShown");
        QTest::addColumn<bool>("bellShown");
        QTest::addColumn<int>("savedZone");
        QTest::addColumn<bool>("savedBell");

        QTest::newRow("2 fire only")
            << 2 << 5 << 0 << QStringList{"Fire"} << false << true << false << 5 << false;
        QTest::newRow("14 input 2")
            << 14 << 6 << 2 << QStringList{} << true << true << false << 1 << false;
        QTest::newRow("14 input 3 keeps the zone")
            << 14 << 6 << 3 << QStringList{} << true << true << false << 6 << false;
        QTest::newRow("66 leak only")
            << 66 << 1 << 0 << QStringList{"Leak"} << false << false << false << 6 << false;
        QTest::newRow("13 no zone")
            << 13 << 6 << 0 << QStringList{} << true << true << false << 1 << false;
        QTest::newRow("19 no zone")
            << 19 << 6 << 0 << QStringList{} << true << true << false << 1 << false;
        QTest::newRow("56 no zone")
            << 56 << 6 << 0 << QStringList{} << true << true << false << 1 << false;
        QTest::newRow("32 bell hidden") << 32 << 2 << 0 << QStringList{"Security", "Alarm"} << true
                                        << true << false << 2 << false;
        QTest::newRow("4 security") << 4 << 2 << 0 << QStringList{"Security", "Alarm", "Enter"}
                                    << true << true << true << 2 << true;
        QTest::newRow("4 disallowed stored zone")
            << 4 << 5 << 0 << QStringList{"Security", "Alarm", "Enter"} << true << true << true << 2
            << true;
        QTest::newRow("12 every zone but leak")
            << 12 << 4 << 0 << QStringList{"Security", "Alarm", "Enter", "Fire"} << true << true
            << true << 4 << true;
        QTest::newRow("9 no led") << 9 << 6 << 0
                                  << QStringList{"Security", "Alarm", "Enter", "Fire", "Leak"}
                                  << true << false << true << 6 << false;
        QTest::newRow("11 no led, not a sensor")
            << 11 << 1 << 0 << QStringList{} << true << false << false << 1 << false;
    }
    void zoneControls()
    {
        QFETCH(int, type);
        QFETCH(int, storedZone);
        QFETCH(int, inputMode);
        QFETCH(QStringList, zones);
        QFETCH(bool, zoneEnabled);
        QFETCH(bool, ledShown);
        QFETCH(bool, bellShown);
        QFETCH(int, savedZone);
        QFETCH(bool, savedBell);

        const Sensor::SPtr device = makeDevice(3, type, 0, 1, storedZone);
        device->settingsData()->settings.common.inputOperatingMode = quint8(inputMode);
        device->setBellEnabled(true);
        device->setLedMode(2);
        Dialog dialog;
        dialog.widget->setSensor(device);
        QCOMPARE(dialog.find<QLabel>("lblSensorType")->text(), device->typeName());
        QCOMPARE(!dialog.zones()->isHidden(), !zones.isEmpty());
        QCOMPARE(!dialog.find<QLabel>("lblZoneType")->isHidden(), !zones.isEmpty());
        if (!zones.isEmpty()) {
            QCOMPARE(entries(dialog.zones()), zones);
            QCOMPARE(dialog.zones()->isEnabled(), zoneEnabled);
        }
        QCOMPARE(!dialog.find<QComboBox>("cbLedMode")->isHidden(), ledShown);
        QCOMPARE(!dialog.find<QLabel>("lblLedMode")->isHidden(), ledShown);
        QCOMPARE(dialog.find<QComboBox>("cbLedMode")->currentIndex(), 1);
        QCOMPARE(!dialog.bell()->isHidden(), bellShown);

        // The key fob's owner is not this test's business.
        if (type == 11)
            dialog.widget->findChild<SensorKeychainSettingsWidget *>()->hide();
        dialog.widget->saveSettings();
        QTRY_VERIFY(!dialog.widget);
        QCOMPARE(int(device->zoneType()), savedZone);
        QCOMPARE(device->bellEnabled(), savedBell);
        QCOMPARE(device->ledMode(), quint16(2));
    }

    void bellFollowsTheZone()
    {
        const Sensor::SPtr device = makeDevice(3, 4, 0, 1, 2);
        device->setBellEnabled(true);
        Dialog dialog;
        dialog.widget->setSensor(device);
        QVERIFY(dialog.bell()->isChecked());
        dialog.bell()->setChecked(false);
        dialog.zones()->setCurrentIndex(dialog.zones()->findText("Alarm"));
        QVERIFY(!dialog.bell()->isChecked());
        QVERIFY(!dialog.bell()->isEnabled());
        // Back on a bell zone the device's own bit shows, not the box's last state.
        dialog.zones()->setCurrentIndex(dialog.zones()->findText("Security"));
        QVERIFY(dialog.bell()->isChecked());
        QVERIFY(dialog.bell()->isEnabled());
        dialog.zones()->setCurrentIndex(dialog.zones()->findText("Alarm"));
        dialog.widget->saveSettings();
        QCOMPARE(int(device->zoneType()), 3);
        QVERIFY(!device->bellEnabled());
    }

    void savedRecord()
    {
        const Sensor::SPtr device = makeDevice(5, 6, 0, 1, 2);
        device->setLedMode(0);
        Dialog dialog;
        dialog.widget->setSensor(device);
        QCOMPARE(dialog.find<QComboBox>("cbLedMode")->currentIndex(), -1);
        dialog.find<QCheckBox>("cbEnabled")->setChecked(false);
        dialog.find<ContentAwareLineEdit>("leName")->setText(QStringLiteral("Прихожая"));
        dialog.widget->saveSettings();
        QCOMPARE(device->jsonKey(), QStringLiteral("Прихожая"));
        QVERIFY(!device->isEnabled());
        // An unselected LED mode is written as 0.
        QCOMPARE(device->ledMode(), quint16(0));
        // Stored: the record is sealed for the device.
        const s_ExtMemDataSensor *record = device->settingsData();
        QCOMPARE(record->crc32, crc32Stm(record, s_ExtMemDataSensor::crcOffset));
        QCOMPARE(record->nameCrc, crc32Stm(record->name, 64));
    }

    void nameEdit()
    {
        Dialog dialog;
        dialog.widget->setSensor(makeDevice(1, 4));
        auto *name = dialog.find<ContentAwareLineEdit>("leName");
        QCOMPARE(name->maxLength(), 63);
        int position = 0;
        QString text = QStringLiteral("Дверь №2 (склад)");
        QCOMPARE(name->validator()->validate(text, position), QValidator::Acceptable);
        text = QStringLiteral("tab\there");
        QCOMPARE(name->validator()->validate(text, position), QValidator::Invalid);
        text = QString(64, QLatin1Char('a'));
        QCOMPARE(name->validator()->validate(text, position), QValidator::Invalid);
        // 32 Cyrillic letters are 64 bytes: too long for the field.
        QVERIFY(name->check(QString(31, QChar(0x0416))));
        QVERIFY(!name->check(QString(32, QChar(0x0416))));
    }

    void panelByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("panel");
        const QList<QPair<int, QString>> cases = {
            {7, "relaySettings"}, {69, "relaySettings"}, {11, "keychainSettings"},
            {13, "asrSettings"},  {26, "ikSettings"},    {24, "shiftSettings"},
            {5, "DipSettings"},   {2, "ipSettings"},     {31, "vtiSettings"},
            {28, "draskWidget"},  {33, "mirelSettings"}, {21, "flarexSettings"},
            {4, "smkSettings"},   {12, QString()},       {0, QString()},
            {73, QString()},
        };
        for (const auto &c : cases)
            QTest::newRow(qPrintable(QString::number(c.first))) << c.first << c.second;
    }
    void panelByType()
    {
        QFETCH(int, type);
        QFETCH(QString, panel);
        const Sensor::SPtr device = makeDevice(1, type);
        Dialog dialog;
        dialog.widget->setSensor(device);
        QStringList shown;
        for (auto *child : dialog.widget->findChildren<SensorPrivateSettingsWidget *>())
            if (!child->isHidden())
                shown << child->objectName();
        QCOMPARE(shown, panel.isEmpty() ? QStringList() : QStringList{panel});
        QCOMPARE(dialog.widget->panel() ? dialog.widget->panel()->objectName() : QString(), panel);
        if (dialog.widget->panel())
            QCOMPARE(dialog.widget->panel()->sensor(), device);
        QCOMPARE(dialog.widget->findChildren<SensorPrivateSettingsWidget *>().size(), 12);
    }

    void relayTabs_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<bool>("volume0");
        QTest::addColumn<bool>("volume1");
        QTest::addColumn<QStringList>("modes0");
        QTest::addColumn<QStringList>("modes1");
        const QStringList all{"Temp control", "Humidity control", "CO control"};
        QTest::newRow("7") << 7 << QStringList{"Light", "Sound"} << false << true << QStringList{}
                           << QStringList{};
        QTest::newRow("14") << 14 << QStringList{"Out 1", "Out 2"} << false << false << all << all;
        QTest::newRow("20") << 20 << QStringList{"Display"} << false << true << QStringList{}
                            << QStringList{};
        QTest::newRow("57") << 57 << QStringList{"Out"} << false << true << all << QStringList{};
    }
    void relayTabs()
    {
        QFETCH(int, type);
        QFETCH(QStringList, tabs);
        QFETCH(bool, volume0);
        QFETCH(bool, volume1);
        QFETCH(QStringList, modes0);
        QFETCH(QStringList, modes1);
        Dialog dialog;
        dialog.widget->setSensor(makeDevice(1, type));
        SensorRelaySettingsWidget *relay = dialog.relay();
        QCOMPARE(tabTexts(relay->tabs()), tabs);
        QCOMPARE(relay->isVolumeVisible(0), volume0);
        QCOMPARE(relay->isVolumeVisible(1), volume1);
        QCOMPARE(relay->addedModes(0), modes0);
        QCOMPARE(relay->addedModes(1), modes1);
        // A tactic goes to the output of the current tab, whatever its id.
        s_EventsOutMode tactic{};
        dialog.widget->onOutputTactic(200, tactic);
        QCOMPARE(relay->lastTacticOutput(), 0);
        if (tabs.size() > 1) {
            relay->tabs()->setCurrentIndex(1);
            dialog.widget->onOutputTactic(1, tactic);
            QCOMPARE(relay->lastTacticOutput(), 1);
        }
    }

    void relayOperationsIgnoreOtherOutputs()
    {
        SensorRelaySettingsWidget relay;
        relay.removeSecondOutput(2);
        QCOMPARE(relay.tabs()->count(), 2);
        relay.addTempMode(2);
        relay.setVolumeVisible(-1, false);
        QVERIFY(relay.addedModes(2).isEmpty());
        relay.addTempMode(1);
        relay.addTempHumidityModes(1);
        QCOMPARE(relay.addedModes(1), QStringList({"Temp control", "Humidity control"}));
    }

    void escapeClosesWithoutSaving()
    {
        const Sensor::SPtr device = makeDevice(1, 4, 0, 1, 2);
        const QByteArray before(reinterpret_cast<const char *>(device->settingsData()), 512);
        Dialog dialog;
        dialog.widget->setSensor(device);
        dialog.widget->show();
        dialog.find<ContentAwareLineEdit>("leName")->setText("Changed");
        QTest::keyClick(dialog.widget, Qt::Key_A);
        QVERIFY(dialog.widget);
        QTest::keyClick(dialog.widget, Qt::Key_Escape);
        QTRY_VERIFY(!dialog.widget);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(device->settingsData()), 512), before);
    }

    void keyFobWithoutOwnerIsNotSaved()
    {
        const Sensor::SPtr device = makeDevice(1, 11, 0, 1, 1);
        const QByteArray before(reinterpret_cast<const char *>(device->settingsData()), 512);
        Dialog dialog;
        dialog.widget->setSensor(device);
        dialog.find<ContentAwareLineEdit>("leName")->setText("Changed");
        QTest::mouseClick(dialog.find<QPushButton>("pbSave"), Qt::LeftButton);
        QCOMPARE(boxes->count("warning"), 1);
        QCOMPARE(boxes->seen.first().title, QStringLiteral("Settings not saved"));
        QCOMPARE(boxes->seen.first().text, QStringLiteral("Please select a user from the list"));
        QVERIFY(dialog.widget);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(device->settingsData()), 512), before);
    }

    // The fob's owner comes from the user list; the panel follows later settings.
    void keyFobOwner()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        UserModel *users = overmind.userModel();
        QVERIFY(users);
        for (int id : {1, 3}) {
            UserSettings user(nullptr, quint8(id));
            user.setName(id == 3 ? QStringLiteral("Иван") : QString());
            user.writeToDevice(); // seals the record; without a link nothing is sent
            users->userSettings(quint8(id), user.record());
        }
        const Sensor::SPtr device = makeDevice(1, 11, 0, 1, 1);
        u_RFDevPrivateSettings settings = device->privateSettings();
        settings.raw[0] = 0x06;
        settings.raw[7] = 3;
        device->setPrivateSettings(settings);
        Dialog dialog;
        dialog.widget->setSensor(device);
        auto *owner = dialog.find<QComboBox>("cbUser");
        QCOMPARE(entries(owner), QStringList({"User #2", "Иван"}));
        QCOMPARE(owner->currentText(), QStringLiteral("Иван"));

        // New settings naming a user that does not exist: nobody is chosen.
        s_ExtMemDataSensor block = *device->settingsData();
        block.settings.privateSettings.raw[7] = 9;
        device->updateData(&block);
        QCOMPARE(owner->currentIndex(), -1);
        dialog.widget->saveSettings();
        QCOMPARE(boxes->count("warning"), 1);
        QVERIFY(dialog.widget);

        owner->setCurrentIndex(0);
        dialog.widget->saveSettings();
        QTRY_VERIFY(!dialog.widget);
        QCOMPARE(int(device->privateSettings().raw[7]), 1);
        QCOMPARE(int(device->privateSettings().raw[0]), 0x06);
    }

    // The page opens the dialog for radio devices of a partition open for configuration;
    // the local outputs are not its business.
    void partitionPageOpensTheDialog()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        Partition *partition = overmind.partitionModel()->partition(2);
        const Sensor::SPtr device = makeDevice(1, 4, 0, 2);
        partition->addSensor(device);
        partition->addSensor(std::make_shared<LocalOut>(0));
        PartitionWidget page(partition, nullptr);
        SensorItemModel *model = page.sensorModel();
        QCOMPARE(model->rowCount(), 2);
        const QModelIndex radio = model->indexOf(device.get());
        const QModelIndex output = model->index(radio.row() == 0 ? 1 : 0, 0);

        page.openSensorSettings(radio);
        QVERIFY(!page.findChild<SensorSettingsWidget *>());
        s_PartitionStatus open;
        std::memset(&open, 0, sizeof(open));
        open.configurationAllowed = 1;
        partition->setStatus(&open);
        page.openSensorSettings(output);
        QVERIFY(!page.findChild<SensorSettingsWidget *>());
        page.openSensorSettings(radio);
        auto *dialog = page.findChild<SensorSettingsWidget *>();
        QVERIFY(dialog);
        QCOMPARE(dialog->sensor(), device);
        QVERIFY(dialog->isWindow());
        // It closes with the device's connection.
        QPointer<SensorSettingsWidget> held(dialog);
        emit overmind.disconnected();
        QTRY_VERIFY(!held);
    }

    void viewingModeCannotSave()
    {
        Overmind overmind;
        overmind.setViewingMode(true);
        const Sensor::SPtr device = makeDevice(1, 4);
        Dialog dialog;
        dialog.widget->setSensor(device);
        auto *save = dialog.find<QPushButton>("pbSave");
        QVERIFY(!save->isEnabled());
        QCOMPARE(dialog.widget->windowModality(), Qt::WindowModal);
        QVERIFY(dialog.widget->testAttribute(Qt::WA_DeleteOnClose));
        QTest::mouseClick(dialog.find<QPushButton>("pbClose"), Qt::LeftButton);
        QTRY_VERIFY(!dialog.widget);
    }

    // A panel follows the status of the device it is bound to, and only of that one.
    void panelFollowsItsBoundDevice()
    {
        const Sensor::SPtr first = makeDevice(1, 4);
        const Sensor::SPtr second = makeDevice(2, 4);
        ProbePanel panel;
        panel.setSensor(first);
        s_SensorIntData status = first->status();
        first->updateStatus(&status);
        QCOMPARE(panel.statusCalls, 1);
        panel.setSensor(second);
        first->updateStatus(&status);
        QCOMPARE(panel.statusCalls, 1);
        second->updateStatus(&status);
        QCOMPARE(panel.statusCalls, 2);
        QCOMPARE(panel.sensor(), second);
        QCOMPARE(first.use_count(), 1L);
    }
};

QTEST_MAIN(TestSensorSettingsDialog)
#include "test_sensor_settings_dialog.moc"
