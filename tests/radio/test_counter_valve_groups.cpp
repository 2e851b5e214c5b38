#include "RadioLink.h"
#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/Sensor.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

using Node = Sensor::SensorProperty;

namespace {
using Bytes = QMap<int, QByteArray>;

template <typename T> QByteArray le(T value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), int(sizeof(T)));
}

// A device built from a report: settings bytes by record offset (72 to 311), status bytes
// by status offset.
Sensor::SPtr make(int type, const Bytes &settings = {}, const Bytes &status = {}, quint8 id = 3)
{
    SensorReportFields fields;
    fields.type = type;
    s_FullSensorData data = makeSensorReport(fields);
    data.status.firmwareMajor = 1;
    data.status.firmwareMinor = 30;
    auto *statusBytes = reinterpret_cast<quint8 *>(&data.status);
    for (auto it = status.cbegin(); it != status.cend(); ++it)
        std::memcpy(statusBytes + it.key(), it.value().constData(), size_t(it.value().size()));
    auto *settingsBytes = reinterpret_cast<quint8 *>(&data.settings);
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        std::memcpy(settingsBytes + it.key() - 72, it.value().constData(),
                    size_t(it.value().size()));
    data.crc32 = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    return std::make_shared<Sensor>(id, &data);
}

Node &node(Sensor &device, const QString &tag)
{
    Node *found = Sensor::findProperty(device.propertyTree(), tag);
    if (!found)
        qFatal("no node %s", qPrintable(tag));
    return *found;
}

Node &child(Sensor &device, const QString &group, const QString &tag)
{
    Node &parent = node(device, group);
    for (Node &c : parent.children)
        if (c.tag == tag)
            return c;
    qFatal("no node %s in %s", qPrintable(tag), qPrintable(group));
}

QString shown(const Node &n)
{
    if (n.kind == Node::Enumeration)
        return n.captionsGetter().value(n.getter().toInt());
    return n.getter().toString();
}

QColor colourOf(const Node &n)
{
    return n.colourGetter ? n.colourGetter() : QColor(Qt::transparent);
}

QString buttonText(const Node &n)
{
    return n.buttonTextGetter ? n.buttonTextGetter() : n.captions.value(0);
}

const QColor Alarm(249, 183, 189);
const QColor Warning(255, 234, 173);

void newSettings(Sensor &device, int offset, const QByteArray &bytes)
{
    s_ExtMemDataSensor record = *device.settingsData();
    std::memcpy(reinterpret_cast<char *>(&record) + offset, bytes.constData(),
                size_t(bytes.size()));
    device.updateData(&record);
}

void newStatus(Sensor &device, const Bytes &bytes)
{
    s_SensorIntData status = *device.statusData();
    for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
        std::memcpy(reinterpret_cast<char *>(&status) + it.key(), it.value().constData(),
                    size_t(it.value().size()));
    device.updateStatus(&status);
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
} // namespace

class TestCounterValveGroups : public QObject
{
    Q_OBJECT
    std::unique_ptr<Logger> logger;

private slots:
    void initTestCase()
    {
        initDeviceTypeNames();
        if (!Logger::instance())
            logger = std::make_unique<Logger>();
    }

    void counterGroupsFollowTheConfiguration_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("input3Tags");
        QTest::addColumn<bool>("lowFrequencyEnabled");
        QTest::addColumn<bool>("countersEnabled");
        QTest::newRow("water meters")
            << 1
            << QStringList{"Input 1 (Low frequency)", "Input 2 (Low frequency)",
                           "Input 3 (Disabled)"}
            << QStringList{"Input_3", "Input_3_value"} << true << true;
        QTest::newRow("leak detector")
            << 2
            << QStringList{"Input 1 (Low frequency)", "Input 2 (Low frequency)",
                           "Input 3 (Water leakage sensor)"}
            << QStringList{"Input_3", "Input_3_value"} << true << true;
        QTest::newRow("high frequency")
            << 3
            << QStringList{"Input 1 (Disabled)", "Input 2 (Disabled)", "Input 3 (High Frequency)"}
            << QStringList{"Input_3", "Input_3_value"} << false << false;
        QTest::newRow("unknown stays empty")
            << 7 << QStringList{"Input 1 (Low frequency)", "Input 2 (Low frequency)", "Input 3 "}
            << QStringList{} << true << true;
    }

    void counterGroupsFollowTheConfiguration()
    {
        QFETCH(int, config);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, input3Tags);
        QFETCH(bool, lowFrequencyEnabled);
        QFETCH(bool, countersEnabled);
        // Built with the configuration, and refreshed into it from another one.
        const Sensor::SPtr built = make(13, {{132, le<quint8>(quint8(config))}});
        const Sensor::SPtr refreshed = make(13, {{132, le<quint8>(config == 3 ? 1 : 3)}});
        newSettings(*refreshed, 132, le<quint8>(quint8(config)));
        for (const Sensor::SPtr &device : {built, refreshed}) {
            if (device == refreshed && config == 7)
                continue; // an unknown configuration leaves a refreshed tree as it was
            QCOMPARE(node(*device, "ASR_input_1").caption, captions.at(0));
            QCOMPARE(node(*device, "ASR_input_2").caption, captions.at(1));
            QCOMPARE(node(*device, "ASR_input_3").caption, captions.at(2));
            QCOMPARE(bool(child(*device, "ASR_group", "WaterIn1VolumeLToPulse").enabled),
                     lowFrequencyEnabled);
            QCOMPARE(bool(child(*device, "ASR_group", "Water_sensor_poll_period").enabled),
                     lowFrequencyEnabled);
            QCOMPARE(bool(child(*device, "ASR_group", "highFreqPulsePrice").enabled),
                     !lowFrequencyEnabled);
            QCOMPARE(bool(child(*device, "ASR_input_1", "counter").enabled), countersEnabled);
            QCOMPARE(bool(child(*device, "ASR_input_2", "value").enabled), countersEnabled);
        }
        QStringList tags;
        for (const Node &n : node(*built, "ASR_input_3").children)
            tags << n.tag;
        QCOMPARE(tags, input3Tags);
    }

    void inputThreeFollowsARecordThatChangesTheConfiguration()
    {
        const Sensor::SPtr device = make(13, {{132, le<quint8>(2)}});
        device->statusData()->flags = 1u << 16;
        QCOMPARE(shown(child(*device, "ASR_input_3", "Input_3")), QString("Water leakage"));
        QCOMPARE(colourOf(child(*device, "ASR_input_3", "Input_3")), Alarm);
        newSettings(*device, 132, le<quint8>(3));
        std::memcpy(reinterpret_cast<char *>(device->statusData()) + 32,
                    le<quint32>(250).constData(), 4);
        newSettings(*device, 128, le<quint32>(10));
        Node &third = child(*device, "ASR_input_3", "Input_3");
        QCOMPARE(third.caption, QString("High frequency counter"));
        QCOMPARE(shown(third), QString("250 pulses"));
        QCOMPARE(colourOf(third), QColor(Qt::transparent));
        QCOMPARE(shown(child(*device, "ASR_input_3", "Input_3_value")), QString("2.5"));
        QCOMPARE(shown(child(*device, "ASR_group", "highFreqPulsePrice")), QString("0.01"));
        // A built-empty third input never grows nodes.
        const Sensor::SPtr empty = make(13, {{132, le<quint8>(0)}});
        newSettings(*empty, 132, le<quint8>(2));
        QVERIFY(node(*empty, "ASR_input_3").children.empty());
    }

    void lineStatesFollowTheSensorType_data()
    {
        QTest::addColumn<int>("sensorType");
        QTest::addColumn<bool>("statusEnabled");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("relay") << 0 << false
                               << QStringList{"None", "Short circuit", "Low res", "High res",
                                              "Open circuit"};
        QTest::newRow("namur") << 1 << true
                               << QStringList{"None", "Closed", "Low res", "High res", "Unclosed"};
        QTest::newRow("unknown") << 5 << true << QStringList{};
    }

    void lineStatesFollowTheSensorType()
    {
        QFETCH(int, sensorType);
        QFETCH(bool, statusEnabled);
        QFETCH(QStringList, options);
        const Sensor::SPtr built =
            make(13, {{132, le<quint8>(1)}, {133, le<quint8>(quint8(sensorType))}});
        const Sensor::SPtr refreshed =
            make(13, {{132, le<quint8>(1)}, {133, le<quint8>(1 - qMin(sensorType, 1))}});
        newSettings(*refreshed, 133, le<quint8>(quint8(sensorType)));
        for (const Sensor::SPtr &device : {built, refreshed}) {
            Node &status = child(*device, "ASR_input_1", "status");
            QCOMPARE(status.captionsGetter(), options);
            if (sensorType != 5)
                QCOMPARE(bool(status.enabled), statusEnabled);
        }
    }

    void counterValuesRead()
    {
        const Sensor::SPtr asr = make(13, {{132, le<quint8>(1)}},
                                      {{0, le<quint64>(750)},
                                       {8, le<quint64>(0)},
                                       {24, le<quint32>(17)},
                                       {36, le<quint8>(4)}});
        QCOMPARE(shown(child(*asr, "ASR_input_1", "value")), QString("0.750 m³"));
        QCOMPARE(shown(child(*asr, "ASR_input_2", "value")), QString("0.000 m³"));
        QCOMPARE(child(*asr, "ASR_input_1", "counter").getter().toUInt(), 17u);
        QCOMPARE(shown(child(*asr, "ASR_input_1", "status")), QString("Open circuit"));
        QCOMPARE(colourOf(child(*asr, "ASR_input_1", "status")), Warning);
        QCOMPARE(shown(child(*asr, "ASR_input_3", "Input_3")), QString("No water leakage"));

        const Sensor::SPtr meter = make(56, {}, {{0, le<quint64>(123)}, {12, le<quint32>(750)}});
        QCOMPARE(shown(node(*meter, "CounterNumber")), QString("123"));
        QCOMPARE(node(*meter, "waterCounter").getter().toDouble(), double(750.0f / 1000.0f));
    }

    void singleInputLitresAsFloat_data()
    {
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("caption");
        QTest::newRow("100") << 100.0f << "100 l/pulse";
        QTest::newRow("truncated") << 10.7f << "10 l/pulse";
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "1 l/pulse";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "1 l/pulse";
        QTest::newRow("huge") << 3.0e38f << "1 l/pulse";
        QTest::newRow("negative") << -10.0f << "1 l/pulse";
    }

    // Converting a non-finite or out-of-range float to an integer is undefined.
    void singleInputLitresAsFloat()
    {
        QFETCH(float, stored);
        QFETCH(QString, caption);
        const Sensor::SPtr device = make(19, {{120, le<float>(stored)}}, {{8, le<quint32>(9)}});
        QCOMPARE(shown(node(*device, "WaterIn1VolumeLToPulse")), caption);
        QCOMPARE(node(*device, "input1").getter().toUInt(), 9u);
        QVERIFY(node(*device, "WaterIn1VolumeLToPulse").setValue(10));
        float written = 0;
        std::memcpy(&written, reinterpret_cast<const char *>(device->settingsData()) + 120, 4);
        QCOMPARE(written, 10.0f);
    }

    void sensorsConfigStoresOnlyItsCaptions()
    {
        const Sensor::SPtr device = make(13, {{132, le<quint8>(1)}});
        Node &config = child(*device, "ASR_group", "sensors_config");
        QVERIFY(config.setValue(2));
        QCOMPARE(reinterpret_cast<const quint8 *>(device->settingsData())[132], quint8(3));
        QCOMPARE(config.getter().toInt(), 2);
        config.setValue(3);
        config.setValue(-1);
        QCOMPARE(reinterpret_cast<const quint8 *>(device->settingsData())[132], quint8(3));
    }

    void valvePowerTexts_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::newRow("external 2100") << 92 << 2100 << "mainVoltage"
                                       << "0 V";
        QTest::newRow("external 2101") << 92 << 2101 << "mainVoltage"
                                       << "2.10 V";
        QTest::newRow("power at 2100") << 92 << 2100 << "extPower"
                                       << "Ok";
        QTest::newRow("power at 2000") << 92 << 2000 << "extPower"
                                       << "Absence";
        QTest::newRow("battery 199") << 30 << 199 << "AccVoltage_mV"
                                     << "0 V";
        QTest::newRow("battery 200") << 30 << 200 << "AccVoltage_mV"
                                     << "0.20 V";
    }

    void valvePowerTexts()
    {
        QFETCH(int, offset);
        QFETCH(int, millivolts);
        QFETCH(QString, tag);
        QFETCH(QString, text);
        const Sensor::SPtr device =
            make(66, {}, {{offset, le<quint16>(quint16(millivolts))}, {32, le<quint8>(3)}});
        QCOMPARE(shown(child(*device, "KPPower_group", tag)), text);
        if (tag == "extPower")
            QCOMPARE(colourOf(node(*device, tag)),
                     text == "Ok" ? QColor(Qt::transparent) : Warning);
        // Out of touch shows no voltage at all.
        device->statusData()->flags = 1u << 6;
        if (tag != "extPower")
            QCOMPARE(shown(node(*device, tag)), QString("0 V"));
    }

    void valveButtonsFollowTheReportedState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("actionEnabled");
        QTest::addColumn<QString>("actionText");
        QTest::addColumn<QString>("stateButtonText");
        QTest::newRow("none") << 0 << false << "Open"
                              << "Disable";
        QTest::newRow("closed") << 1 << true << "Open"
                                << "Disable";
        QTest::newRow("open") << 2 << true << "Close"
                              << "Disable";
        QTest::newRow("closing") << 3 << false << "Open"
                                 << "Disable";
        QTest::newRow("opening") << 4 << false << "Open"
                                 << "Disable";
        QTest::newRow("jamming on closing") << 8 << true << "Close"
                                            << "Disable";
        QTest::newRow("disabled") << 9 << false << "..."
                                  << "Enable";
        QTest::newRow("unknown") << 42 << false << "Open"
                                 << "Disable";
    }

    void valveButtonsFollowTheReportedState()
    {
        QFETCH(int, state);
        QFETCH(bool, actionEnabled);
        QFETCH(QString, actionText);
        QFETCH(QString, stateButtonText);
        const Sensor::SPtr device = make(66);
        QSignalSpy texts(device.get(), &Sensor::buttonTextUpdate);
        newStatus(*device, {{28, le<quint8>(quint8(state))}});
        const Node &action = node(*device, "actionValve1");
        QCOMPARE(bool(action.enabled), actionEnabled);
        QCOMPARE(buttonText(action), actionText);
        QCOMPARE(buttonText(node(*device, "setStateToValve1")), stateButtonText);
        bool announced = false;
        for (const QList<QVariant> &args : texts)
            announced |=
                args.at(0).toString() == action.caption && args.at(1).toString() == actionText;
        QVERIFY(announced);
        QCOMPARE(shown(node(*device, "Valve1State")),
                 state <= 9 ? shown(node(*device, "Valve1State")) : QString());
        // Built from the same status, the tree agrees with the refresh.
        const Sensor::SPtr built = make(66, {}, {{28, le<quint8>(quint8(state))}});
        QCOMPARE(bool(node(*built, "actionValve1").enabled), actionEnabled);
        QCOMPARE(buttonText(node(*built, "actionValve1")), actionText);
    }

    void valveCountersAndLinesShow()
    {
        const Sensor::SPtr relay =
            make(66, {{144, le<quint8>(1)}, {152, le<quint64>(42)}},
                 {{24, le<quint8>(1)}, {26, le<quint8>(2)}, {27, le<quint8>(3)}});
        QCOMPARE(shown(node(*relay, "serialCntr1")), QString("0000000000042"));
        QCOMPARE(shown(node(*relay, "serialCntr2")), QString("0000000000000"));
        QVERIFY(!node(*relay, "WaterCounter1State").enabled);
        QCOMPARE(colourOf(node(*relay, "WaterCounter1State")), QColor(Qt::transparent));
        QCOMPARE(colourOf(node(*relay, "WaterLeakageStatusSensor1")), Alarm);
        QCOMPARE(colourOf(node(*relay, "WaterLeakageStatusSensor2")), Warning);
        QVERIFY(node(*relay, "disableAlarm").enabled);

        const Sensor::SPtr namur =
            make(66, {{144, le<quint8>(2)}, {160, le<quint64>(9999999999999ull)}},
                 {{24, le<quint8>(4)}, {25, le<quint8>(5)}, {8, le<quint64>(1234)}});
        QVERIFY(node(*namur, "WaterCounter1State").enabled);
        QCOMPARE(shown(node(*namur, "WaterCounter1State")), QString("BreakCircuit"));
        QCOMPARE(colourOf(node(*namur, "WaterCounter1State")), Warning);
        QCOMPARE(colourOf(node(*namur, "WaterCounter2State")), QColor(Qt::transparent));
        QCOMPARE(shown(node(*namur, "serialCntr2")), QString("9999999999999"));
        QCOMPARE(node(*namur, "waterCounter2Imp").getter().toDouble(), 1.234);
        QVERIFY(!node(*namur, "disableAlarm").enabled);
        newSettings(*namur, 144, le<quint8>(1));
        newStatus(*namur, {});
        QVERIFY(!node(*namur, "WaterCounter1State").enabled);
    }

    void valveCommandsReachTheDevice_data()
    {
        QTest::addColumn<Bytes>("status");
        QTest::addColumn<bool>("refresh");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("close open valve 1")
            << Bytes{{28, le<quint8>(2)}} << false << "actionValve1" << hex("0000000000000000");
        QTest::newRow("open closed valve 1")
            << Bytes{{28, le<quint8>(1)}} << false << "actionValve1" << hex("0000010000000000");
        QTest::newRow("close jammed valve 2")
            << Bytes{{29, le<quint8>(8)}} << false << "actionValve2" << hex("0001000000000000");
        QTest::newRow("silence") << Bytes{{26, le<quint8>(2)}} << false << "disableAlarm"
                                 << hex("0100000000000000");
        QTest::newRow("suspend before refresh")
            << Bytes{{34, le<quint8>(1)}} << false << "disableLeakageControl"
            << hex("0200000000000000");
        QTest::newRow("resume") << Bytes{{34, le<quint8>(1)}} << true << "disableLeakageControl"
                                << hex("0300000000000000");
        QTest::newRow("suspend") << Bytes{{34, le<quint8>(0)}} << true << "disableLeakageControl"
                                 << hex("0200000000000000");
        QTest::newRow("meter 2") << Bytes{} << false << "setKpControlCntr2"
                                 << hex("0402000000000000");
        QTest::newRow("line 1") << Bytes{} << false << "setKpControlSens1"
                                << hex("0403000000000000");
        QTest::newRow("valve 1 state")
            << Bytes{{28, le<quint8>(9)}} << true << "setStateToValve1" << hex("0405000000000000");
    }

    void valveCommandsReachTheDevice()
    {
        QFETCH(Bytes, status);
        QFETCH(bool, refresh);
        QFETCH(QString, tag);
        QFETCH(QByteArray, payload);
        ControllerFixture controller;
        QVERIFY(controller.connect());
        const Sensor::SPtr device = make(66, {}, status, 9);
        if (refresh)
            newStatus(*device, {});
        QVERIFY(node(*device, tag).setValue(true));
        QTRY_COMPARE(controller.communicator().commandsOf(0xD9).size(), 1);
        const SentMessage sent = splitMessage(controller.communicator().commandsOf(0xD9).first());
        QCOMPARE(sent.identifier, quint16(9));
        QCOMPARE(sent.payload, payload);
        if (tag == "setStateToValve1") {
            QVERIFY(!node(*device, tag).enabled);
            newStatus(*device, {});
            QVERIFY(node(*device, tag).enabled);
        }
        // In viewing mode no button sends.
        controller.overmind().setViewingMode(true);
        controller.clear();
        node(*device, tag).setValue(true);
        QTest::qWait(50);
        QVERIFY(controller.communicator().commandsOf(0xD9).isEmpty());
        controller.overmind().setViewingMode(false);
    }

    void litresChangeIsConfirmed_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("writes");
        QTest::addColumn<quint32>("kept");
        QTest::newRow("same value") << 10 << int(QMessageBox::Ok) << 0 << 0 << 10u;
        QTest::newRow("confirmed") << 100 << int(QMessageBox::Ok) << 1 << 1 << 100u;
        QTest::newRow("declined") << 100 << int(QMessageBox::Cancel) << 1 << 0 << 10u;
    }

    void litresChangeIsConfirmed()
    {
        QFETCH(int, chosen);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(int, writes);
        QFETCH(quint32, kept);
        ControllerFixture controller;
        QVERIFY(controller.connect());
        ModalRecorder modal;
        modal.reply = [answer](const ModalAnswerer::Request &) { return answer; };
        const Sensor::SPtr device = make(66, {{140, le<quint32>(10)}}, {}, 4);
        QVERIFY(node(*device, "waterInVolumeLToPulse").setValue(chosen));
        QCOMPARE(modal.count("question"), questions);
        if (questions)
            QVERIFY(modal.sawText("The counter's values will be reset."));
        quint32 stored = 0;
        std::memcpy(&stored, reinterpret_cast<const char *>(device->settingsData()) + 140, 4);
        QCOMPARE(stored, kept);
        if (writes)
            QTRY_COMPARE(controller.communicator().commandsOf(0x6E).size(), writes);
        QTest::qWait(50);
        QCOMPARE(controller.communicator().commandsOf(0x6E).size(), writes);
    }

    void pulseCounterDialogSendsItsBlock()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        ModalRecorder modal;
        modal.reply = [](const ModalAnswerer::Request &request) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == "ASRCountersValues") {
                    const QList<QDoubleSpinBox *> boxes = w->findChildren<QDoubleSpinBox *>();
                    // weight 1000 on every input: one impulse per cubic metre
                    for (QDoubleSpinBox *box : boxes)
                        box->setValue(box->objectName().right(1).toInt() + 4);
                }
            return request.kind == "dialog" ? 1 : int(QMessageBox::Ok);
        };
        const Sensor::SPtr device = make(13,
                                         {{120, le<quint32>(1000)},
                                          {124, le<quint32>(1000)},
                                          {128, le<quint32>(1000)},
                                          {132, le<quint8>(1)}},
                                         {}, 5);
        QVERIFY(node(*device, "setAsrCounter").setValue(true));
        QTRY_COMPARE(controller.communicator().commandsOf(0xD7).size(), 1);
        const SentMessage sent = splitMessage(controller.communicator().commandsOf(0xD7).first());
        QCOMPARE(sent.identifier, quint16(5));
        QCOMPARE(sent.payload, hex("05000000060000000700000000000000"));

        controller.clear();
        modal.reply = nullptr; // cancel
        node(*device, "setAsrCounter").setValue(true);
        controller.overmind().setViewingMode(true);
        const int asked = modal.count("dialog");
        node(*device, "setAsrCounter").setValue(true);
        QCOMPARE(modal.count("dialog"), asked);
        QTest::qWait(50);
        QVERIFY(controller.communicator().commandsOf(0xD7).isEmpty());
        controller.overmind().setViewingMode(false);
    }

    void valveCounterDialogWritesSerialsThenVolumes()
    {
        ControllerFixture controller;
        QVERIFY(controller.connect());
        ModalRecorder modal;
        modal.reply = [](const ModalAnswerer::Request &) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == "KPCountersValues") {
                    w->findChild<QLineEdit *>("leSerial1")->setText("0000000000077");
                    w->findChild<QLineEdit *>("leSerial2")->setText("1234567890123");
                }
            return 1;
        };
        const Sensor::SPtr device = make(66, {{140, le<quint32>(1)}, {152, le<quint64>(5)}},
                                         {{0, le<quint64>(1000)}, {8, le<quint64>(2000)}}, 6);
        const QByteArray before(reinterpret_cast<const char *>(device->settingsData()), 512);
        QVERIFY(node(*device, "setKpCounter").setValue(true));
        QTRY_COMPARE(controller.communicator().commandsOf(0xD8).size(), 1);
        const QList<QByteArray> all = controller.communicator().commands();
        int record = -1;
        int volumes = -1;
        for (int i = 0; i < all.size(); ++i) {
            if (quint8(all.at(i).at(0)) == 0x6E)
                record = i;
            if (quint8(all.at(i).at(0)) == 0xD8)
                volumes = i;
        }
        QVERIFY(record >= 0 && record < volumes);
        const SentMessage written = splitMessage(all.at(record));
        QCOMPARE(written.identifier, quint16(6));
        QCOMPARE(written.payload.mid(152, 8), le<quint64>(77));
        QCOMPARE(written.payload.mid(160, 8), le<quint64>(1234567890123ull));
        QCOMPARE(written.payload.mid(506, 2), hex("0101"));
        quint32 crc = 0;
        std::memcpy(&crc, written.payload.constData() + 508, 4);
        QCOMPARE(crc, crc32Stm(written.payload.constData(), 508));
        QCOMPARE(splitMessage(all.at(volumes)).payload, hex("E8030000D00700000000000000000000"));
        // The device's own record is left to the device's answer.
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(device->settingsData()), 512), before);

        controller.clear();
        modal.reply = nullptr;
        node(*device, "setKpCounter").setValue(true);
        QTest::qWait(50);
        QVERIFY(controller.communicator().commands().isEmpty());
    }

    // Every byte pattern in both records reads, refreshes and shows without a fault.
    void hostileRecordsReadSafely_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("fillByte");
        for (int type : {13, 19, 56, 66})
            for (int fillByte : {0x00, 0x7F, 0x80, 0xFF})
                QTest::addRow("type %d, 0x%02x", type, fillByte) << type << fillByte;
    }

    void hostileRecordsReadSafely()
    {
        QFETCH(int, type);
        QFETCH(int, fillByte);
        const Sensor::SPtr device = make(type);
        s_ExtMemDataSensor settings;
        std::memset(&settings, fillByte, sizeof(settings));
        settings.settings.bType = quint8(type);
        s_SensorIntData status;
        std::memset(&status, fillByte, sizeof(status));
        device->updateData(&settings);
        device->updateStatus(&status);
        std::function<void(Node &)> readAll = [&readAll](Node &n) {
            if (n.getter)
                (void)shown(n);
            if (n.colourGetter)
                (void)n.colourGetter();
            if (n.buttonTextGetter)
                (void)n.buttonTextGetter();
            for (Node &c : n.children)
                readAll(c);
        };
        readAll(device->propertyTree());
        QCOMPARE(device->type(), type);
    }

    // Unplugging while a counter dialog is open rejects it: nothing is sent for the device.
    void counterDialogsSendNothingAfterUnplug_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("tag");
        QTest::newRow("pulse counter") << 13 << "setAsrCounter";
        QTest::newRow("valve controller") << 66 << "setKpCounter";
    }

    void counterDialogsSendNothingAfterUnplug()
    {
        QFETCH(int, type);
        QFETCH(QString, tag);
        ControllerFixture controller;
        QVERIFY(controller.connect());
        Overmind &overmind = controller.overmind();
        ModalRecorder modal;
        modal.reply = [&overmind](const ModalAnswerer::Request &) {
            emit overmind.disconnected();
            return 1;
        };
        const Sensor::SPtr device = make(
            type, {{120, le<quint32>(10)}, {140, le<quint32>(10)}, {132, le<quint8>(1)}}, {}, 7);
        QVERIFY(node(*device, tag).setValue(true));
        QCOMPARE(modal.count("dialog"), 1);
        QTest::qWait(100);
        QVERIFY(controller.communicator().commands().isEmpty());
    }
};

QTEST_MAIN(TestCounterValveGroups)
#include "test_counter_valve_groups.moc"
