#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/radio/OutputSettingsWidget.h"
#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/SensorRelaySettingsWidget.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "radio/PartitionModel.h"
#include "sim/SimControlDevices.h"
#include "sim/SimPanelDevices.h"
#include "sim/SimRadioConfiguration.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>

namespace {
constexpr int DeviceTimeout = 60000;
constexpr quint8 OpWriteSensor = 0x6E;
constexpr quint8 OpSensorBlock = 0x24;
constexpr int PrivateOffset = 120;

struct Session : RadioSession
{
    // The settings block the simulated device holds, empty when its CRC is wrong.
    QByteArray heldBlock(quint16 id)
    {
        const QByteArray block = device().record(OpSensorBlock, id);
        if (block.size() != int(sizeof(s_ExtMemDataSensor)))
            return {};
        s_ExtMemDataSensor record;
        std::memcpy(&record, block.constData(), sizeof(record));
        if (record.crc32 != crc32Stm(&record, s_ExtMemDataSensor::crcOffset))
            return {};
        return block;
    }
    int heldByte(quint16 id, int privateByte)
    {
        const QByteArray block = heldBlock(id);
        return block.isEmpty() ? -1 : quint8(block.at(PrivateOffset + privateByte));
    }
    int writes(quint16 id)
    {
        int count = 0;
        for (const QByteArray &command : device().commandsOf(OpWriteSensor))
            if (command.size() > 3 &&
                quint16(quint8(command.at(1)) | quint8(command.at(2)) << 8) == id)
                ++count;
        return count;
    }
};

struct Dialog
{
    QPointer<SensorSettingsWidget> widget;

    Dialog(Session &session, quint16 id)
    {
        widget = new SensorSettingsWidget(session.startUp.window());
        widget->setSensor(session.overmind()->partitionModel()->sensor(id));
        widget->show();
    }
    ~Dialog() { delete widget; }
    template <typename T> T *find(const char *name) const
    {
        return widget->panel() ? widget->panel()->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    OutputSettingsWidget *editor(int output) const
    {
        return widget->findChild<SensorRelaySettingsWidget *>()->editor(output);
    }
    void pick(const char *name, int index) const
    {
        QComboBox *combo = find<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

using Change = std::function<void(Dialog &)>;
} // namespace

Q_DECLARE_METATYPE(Change)

class TestDevicePanelsDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;
    std::unique_ptr<Session> session;

private slots:
    void initTestCase()
    {
        boxes = std::make_unique<ModalRecorder>();
        session = std::make_unique<Session>();
        SimRadioConfiguration::install(session->device());
        QVERIFY(session->logInAndLoad());
    }
    void cleanupTestCase()
    {
        session.reset();
        boxes.reset();
    }

    // For a device of each panel type: a control changed in the dialog and saved reaches the
    // simulated device as a sealed record.
    void savedThroughTheDevice_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("privateByte");
        QTest::addColumn<int>("expected");
        QTest::newRow("4 sabotage off, legacy kept")
            << 0 << Change([](Dialog &d) { d.find<QCheckBox>("cbSabotage")->setChecked(false); })
            << 0 << 0x02;
        QTest::newRow("6 test mode")
            << 1 << Change([](Dialog &d) { d.find<QCheckBox>("chbTestIK")->setChecked(true); }) << 2
            << 1;
        QTest::newRow("2 event mode")
            << 2 << Change([](Dialog &d) { d.pick("cbEvtMode", 3); }) << 6 << 3;
        QTest::newRow("16 fix on arm")
            << 5 << Change([](Dialog &d) { d.find<QCheckBox>("cbEnableFix")->setChecked(true); })
            << 0 << 0x2F;
        // Mend: the filter, mode and attention bits stay as stored (0x14), not forced on.
        QTest::newRow("21 short range")
            << 6 << Change([](Dialog &d) { d.pick("cbRange", 1); }) << 0 << 0x15;
        QTest::newRow("27 test off")
            << 7 << Change([](Dialog &d) { d.find<QCheckBox>("cbTest")->setChecked(false); }) << 0
            << 0;
        QTest::newRow("11 take on off") << 8 << Change([](Dialog &d) {
            d.find<QCheckBox>("cbTakeOn")->setChecked(false);
            if (d.find<QComboBox>("cbUser")->currentIndex() < 0)
                d.pick("cbUser", 0);
        }) << 6 << 0x04;
        QTest::newRow("13 frequency picked")
            << 9 << Change([](Dialog &d) { d.pick("cbFreq", 0); }) << 16 << 0;
        QTest::newRow("13 stabiliser kept")
            << 9 << Change([](Dialog &d) { d.pick("cbType1", 0); }) << 15 << 1;
        QTest::newRow("14 first output standard")
            << 10 << Change([](Dialog &d) { d.editor(0)->modeCombo()->setCurrentIndex(1); }) << 88
            << 1;
        QTest::newRow("7 sound output off")
            << 11 << Change([](Dialog &d) { d.editor(1)->modeCombo()->setCurrentIndex(0); }) << 184
            << 0;
        QTest::newRow("57 thresholds kept")
            << 21 << Change([](Dialog &d) { d.editor(0)->modeCombo()->setCurrentIndex(1); }) << 97
            << 20;
        QTest::newRow("31 reference") << 30 << Change([](Dialog &d) {
            d.find<QDoubleSpinBox>("dsbSupportingTemp")->setValue(25.0);
        }) << 7 << 0x09; // 2500 = 0x09C4
        QTest::newRow("10 humidity reference") << 33 << Change([](Dialog &d) {
            d.find<QDoubleSpinBox>("dsbSupportingHumidity")->setValue(50.0);
        }) << 14 << 0x88; // 5000 = 0x1388
        QTest::newRow("33 stores nothing") << 19 << Change([](Dialog &) {}) << 0 << 0;
        QTest::newRow("23 second output off")
            << int(SimControlDevices::TwoOutputId)
            << Change([](Dialog &d) { d.editor(1)->modeCombo()->setCurrentIndex(0); }) << 184 << 0;
        QTest::newRow("28 near level max") << SimPanelDevices::DualZoneId << Change([](Dialog &d) {
            d.find<QCheckBox>("cbNearZone")->setChecked(true);
            d.pick("cbNearSensitivity", 0);
        }) << 4 << 1;
        QTest::newRow("50 display off")
            << int(SimControlDevices::Annunciator24Id)
            << Change([](Dialog &d) { d.editor(0)->modeCombo()->setCurrentIndex(0); }) << 88 << 0;
    }
    void savedThroughTheDevice()
    {
        QFETCH(int, id);
        QFETCH(Change, change);
        QFETCH(int, privateByte);
        QFETCH(int, expected);
        const int before = session->writes(quint16(id));
        Dialog dialog(*session, quint16(id));
        QVERIFY(dialog.widget->panel());
        change(dialog);
        QTest::mouseClick(dialog.widget->findChild<QPushButton *>("pbSave"), Qt::LeftButton);
        QTRY_VERIFY(!dialog.widget);
        QTRY_COMPARE_WITH_TIMEOUT(session->writes(quint16(id)), before + 1, DeviceTimeout);
        QTRY_COMPARE(session->heldByte(quint16(id), privateByte), expected);
    }

    // Pushed readings change the live values and leave the edited ones alone.
    void climateFollowsPushedStatus()
    {
        Dialog dialog(*session, SimPanelDevices::IndoorClimateId);
        auto *reference = dialog.find<QDoubleSpinBox>("dsbSupportingCO");
        reference->setValue(42.0);
        SimPanelDevices::pushClimate(session->device(), SimPanelDevices::IndoorClimateId, 2345,
                                     5010, 1750);
        QTRY_COMPARE(dialog.find<QLineEdit>("leTemperature")->text(), QStringLiteral("23,5"));
        QCOMPARE(dialog.find<QLineEdit>("leHumidity")->text(), QStringLiteral("50,1"));
        QCOMPARE(dialog.find<QLineEdit>("leCO")->text(), QStringLiteral("17,5"));
        QCOMPARE(reference->value(), 42.0);
        dialog.widget->resize(dialog.widget->sizeHint());
        dialog.widget->grab().save(QStringLiteral("device_panels_climate_31.png"));
    }

    // "Fix now" writes at once with the fix bit and the dialog stays open.
    void fixNowWritesAtOnce()
    {
        const quint16 id = 5;
        const int before = session->writes(id);
        Dialog dialog(*session, id);
        auto *fix = dialog.find<QPushButton>("pbFixNow");
        QVERIFY(fix->isEnabled());
        fix->click();
        QTRY_COMPARE_WITH_TIMEOUT(session->writes(id), before + 1, DeviceTimeout);
        QTRY_VERIFY((session->heldByte(id, 0) & 0x10) != 0);
        QVERIFY(dialog.widget);
        QVERIFY(
            !(session->overmind()->partitionModel()->sensor(id)->privateSettings().raw[0] & 0x10));
    }
};

QTEST_MAIN(TestDevicePanelsDevice)
#include "test_device_panels_device.moc"
