#include "RadioReports.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/NameField.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"
#include "support/ModalRecorder.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

using PowerMain = Sensor::MainPowerState;
using PowerReserve = Sensor::ReservePowerState;

namespace {
QByteArray nameField(const QByteArray &text)
{
    QByteArray field = text;
    field.append('\0');
    field.append(QByteArray(64 - field.size(), char(0xFF)));
    return field;
}

Sensor::SPtr device(const SensorReportFields &fields, uchar id = 0)
{
    const s_FullSensorData report = makeSensorReport(fields);
    return std::make_shared<Sensor>(id, &report);
}
} // namespace

class TestSensor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initDeviceTypeNames(); }

    void nameRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("readBack");
        const QString cyrillic40 = QString::fromUtf8("Д").repeated(40);
        const QString fits63 = QString(63, QLatin1Char('n'));
        QTest::newRow("ascii") << "Door" << nameField("Door") << "Door";
        QTest::newRow("empty") << "" << nameField("") << "";
        QTest::newRow("cyrillic") << QString::fromUtf8("Дверь") << nameField(QByteArray("Дверь"))
                                  << QString::fromUtf8("Дверь");
        QTest::newRow("quote escaped") << "a\"b" << nameField("a\\\"b") << "a\"b";
        QTest::newRow("backslash escaped") << "a\\b" << nameField("a\\\\b") << "a\\b";
        QTest::newRow("exactly fits") << fits63 << nameField(fits63.toLatin1()) << fits63;
        QTest::newRow("70 ascii cut to 63")
            << QString(70, QLatin1Char('x')) << nameField(QByteArray(63, 'x'))
            << QString(63, QLatin1Char('x'));
        QTest::newRow("cyrillic cut at a character")
            << cyrillic40 << nameField(cyrillic40.left(31).toUtf8()) << cyrillic40.left(31);
        QTest::newRow("escape pair never split")
            << QString(62, QLatin1Char('q')) + QLatin1Char('"') << nameField(QByteArray(62, 'q'))
            << QString(62, QLatin1Char('q'));
        const QString emoji = QString(61, QLatin1Char('e')) + QString::fromUtf8("😀");
        QTest::newRow("surrogate pair never split")
            << emoji << nameField(QByteArray(61, 'e')) << QString(61, QLatin1Char('e'));
    }
    void nameRule()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        QFETCH(QString, readBack);
        Sensor::SPtr sensor = device({});
        QVERIFY(sensor->setName(name));
        const s_ExtMemDataSensor *block = sensor->settingsData();
        QCOMPARE(fieldBytes(block->name), field);
        QCOMPARE(block->nameCrc, crc32Stm(block->name, 64));
        QCOMPARE(sensor->jsonKey(), readBack);
    }

    void readingNames_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("escapes undone") << nameField("a\\\"b\\\\c") << "a\"b\\c";
        QTest::newRow("lone backslash kept") << nameField("a\\b") << "a\\b";
        QTest::newRow("no NUL: all 64 bytes")
            << QByteArray(64, 'z') << QString(64, QLatin1Char('z'));
    }
    void readingNames()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QCOMPARE(unescapeName(nameFieldText(reinterpret_cast<const quint8 *>(field.constData()))),
                 text);
    }

    void namePattern_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("latin and digits") << "Door 12" << true;
        QTest::newRow("cyrillic and numero") << QString::fromUtf8("Дверь №1, ёлка") << true;
        QTest::newRow("punctuation") << "a_~!@#$%^&*+='|;:()<>{}[],.?/-" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("63 characters") << QString(63, QLatin1Char('w')) << true;
        QTest::newRow("64 characters") << QString(64, QLatin1Char('w')) << false;
        QTest::newRow("double quote") << "a\"b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("other script") << QString::fromUtf8("Ωmega") << false;
    }
    void namePattern()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        const QRegularExpression pattern(::namePattern(63));
        QVERIFY(pattern.isValid());
        QCOMPARE(pattern.match(name).hasMatch(), accepted);
    }

    void flags_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<bool>("leak");
        QTest::addColumn<bool>("inTouch");
        QTest::newRow("29 leak is alarm") << 29 << quint32(0x10000) << true << true << true;
        QTest::newRow("53 leak is alarm") << 53 << quint32(0x10000) << true << true << true;
        QTest::newRow("29 ignores alarm bit") << 29 << quint32(0x10) << false << false << true;
        QTest::newRow("66 leak only") << 66 << quint32(0x10000) << false << true << true;
        QTest::newRow("4 alarm bit") << 4 << quint32(0x10) << true << false << true;
        QTest::newRow("lost") << 4 << quint32(0x40) << false << false << false;
    }
    void flags()
    {
        QFETCH(int, type);
        QFETCH(quint32, flags);
        QFETCH(bool, alarm);
        QFETCH(bool, leak);
        QFETCH(bool, inTouch);
        SensorReportFields fields;
        fields.type = type;
        fields.flags = flags;
        Sensor::SPtr sensor = device(fields);
        QCOMPARE(sensor->isAlarm(), alarm);
        QCOMPARE(sensor->isWaterLeak(), leak);
        QCOMPARE(sensor->isInTouch(), inTouch);
    }

    void otherFlagBits()
    {
        SensorReportFields fields;
        fields.flags = (1u << 3) | (1u << 5) | (1u << 7) | (1u << 8);
        Sensor::SPtr sensor = device(fields);
        QVERIFY(sensor->isCaseOpen());
        QVERIFY(sensor->isFire());
        QVERIFY(sensor->isFault());
        QVERIFY(sensor->isManualFireAlarm());
        QVERIFY(!device({})->isFire());
    }

    void power_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<PowerMain>("main");
        QTest::addColumn<PowerReserve>("reserve");
        QTest::addColumn<QString>("reserveText");
        QTest::newRow("2099 mV absent though flagged")
            << 2 << 2099 << quint32(0x4) << PowerMain::ABSENCE << PowerReserve::OK << "good";
        QTest::newRow("2099 mV absent")
            << 2 << 2099 << quint32(0) << PowerMain::ABSENCE << PowerReserve::OK << "good";
        QTest::newRow("2100 mV good")
            << 2 << 2100 << quint32(0) << PowerMain::OK << PowerReserve::OK << "good";
        QTest::newRow("2100 mV failed")
            << 2 << 2100 << quint32(0x4) << PowerMain::FAIL << PowerReserve::OK << "good";
        QTest::newRow("reserve failed")
            << 2 << 3000 << quint32(0x2) << PowerMain::OK << PowerReserve::FAIL << "fail";
        QTest::newRow("no reserve source") << 4 << 3000 << quint32(0x2) << PowerMain::OK
                                           << PowerReserve::NOT_SUPPORTED << "not supported";
    }
    void power()
    {
        QFETCH(int, type);
        QFETCH(int, millivolts);
        QFETCH(quint32, flags);
        QFETCH(PowerMain, main);
        QFETCH(PowerReserve, reserve);
        QFETCH(QString, reserveText);
        SensorReportFields fields;
        fields.type = type;
        fields.flags = flags;
        fields.supplyMillivolts = quint16(millivolts);
        Sensor::SPtr sensor = device(fields);
        QCOMPARE(sensor->mainPowerState(), main);
        QCOMPARE(sensor->reservePowerState(), reserve);
        QCOMPARE(sensor->reservePowerStateText(), reserveText);
    }

    void typeCodes_data()
    {
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typeName");
        QTest::newRow("80 becomes 12") << 80 << 12 << "Tarvo-T12";
        QTest::newRow("74 becomes 12") << 74 << 12 << "Tarvo-T12";
        QTest::newRow("73 stays") << 73 << 73 << "Tarvo-T73";
        QTest::newRow("17 has no name") << 17 << 17 << "";
    }
    void typeCodes()
    {
        QFETCH(int, reported);
        QFETCH(int, type);
        QFETCH(QString, typeName);
        SensorReportFields fields;
        fields.type = reported;
        Sensor::SPtr sensor = device(fields);
        QCOMPARE(sensor->type(), type);
        QCOMPARE(sensor->settingsData()->settings.bType, quint8(type));
        QCOMPARE(sensor->typeName(), typeName);
    }

    void laterBlockKeepsItsTypeCode()
    {
        Sensor::SPtr sensor = device({});
        s_ExtMemDataSensor block = *sensor->settingsData();
        block.settings.bType = 80;
        QSignalSpy updated(sensor.get(), &Sensor::dataUpdated);
        sensor->updateData(&block);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(sensor->type(), 80);
        QCOMPARE(sensor->typeName(), QStringLiteral("Invalid type"));
    }

    void energySaving_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("byteIndex");
        QTest::addColumn<int>("byteValue");
        QTest::addColumn<int>("mode");
        QTest::newRow("6 whole byte") << 6 << 0 << 2 << 2;
        QTest::newRow("16 bit 3 set") << 16 << 0 << 0x08 << 1;
        QTest::newRow("24 other bits") << 24 << 0 << 0xF7 << 0;
        QTest::newRow("27 bit 0 of byte 5") << 27 << 5 << 0x01 << 1;
        QTest::newRow("28 off") << 28 << 5 << 0xFE << 0;
        QTest::newRow("4 has none") << 4 << 0 << 0xFF << 255;
    }
    void energySaving()
    {
        QFETCH(int, type);
        QFETCH(int, byteIndex);
        QFETCH(int, byteValue);
        QFETCH(int, mode);
        SensorReportFields fields;
        fields.type = type;
        s_FullSensorData report = makeSensorReport(fields);
        report.settings.privateSettings.raw[byteIndex] = quint8(byteValue);
        Sensor sensor(0, &report);
        QCOMPARE(sensor.energySavingMode(), mode);
    }

    void texts()
    {
        SensorReportFields fields;
        fields.type = 30;
        fields.serial = 4321;
        fields.state = 6;
        Sensor::SPtr unnamed = device(fields, 4);
        QCOMPARE(unnamed->displayName(), QStringLiteral("5. Tarvo-T30"));
        QCOMPARE(unnamed->statusToolTip(), QString::fromUtf8("4. Tarvo-T30\nСтатус: Fire!"));
        QCOMPARE(unnamed->serialNumberText(), QStringLiteral("0000004321"));

        fields.name = "Hall";
        fields.state = 2;
        Sensor::SPtr named = device(fields, 4);
        QCOMPARE(named->displayName(), QStringLiteral("5. Hall"));
        QCOMPARE(named->stateText(), QString::fromUtf8("Готов"));
        named->statusData()->rssi = -70;
        QCOMPARE(named->rssiText(), QStringLiteral("-70 dBm"));
        QCOMPARE(named->voltageText(), QStringLiteral("3.30 V"));
    }

    void stateTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("6") << 6 << "Fire!";
        QTest::newRow("7") << 7 << "Fire!";
        QTest::newRow("10") << 10 << "Loop low res.";
        QTest::newRow("11") << 11 << "Loop high res.";
        QTest::newRow("23") << 23 << "Break in the water sensor loop";
        QTest::newRow("24 from the table") << 24 << QString::fromUtf8("Протечка");
        QTest::newRow("44") << 44 << "Unknown";
    }
    void stateTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        SensorReportFields fields;
        fields.state = quint16(code);
        QCOMPARE(device(fields)->stateText(), text);
    }

    void versions()
    {
        Sensor::SPtr sensor = device({});
        s_ExtMemDataSensor *block = sensor->settingsData();
        block->settings.firmwareMajor = 1;
        block->settings.firmwareMinor = 5;
        block->settings.hardwareMajor = 2;
        block->settings.hardwareMinor = 12;
        // In touch but nothing reported: the stored versions are shown.
        QCOMPARE(sensor->firmwareVersion(), QVersionNumber(0, 0));
        QCOMPARE(sensor->firmwareVersionText(), QStringLiteral("1.05"));
        QCOMPARE(sensor->hardwareVersionText(), QStringLiteral("2.12"));
        sensor->statusData()->firmwareMajor = 3;
        sensor->statusData()->firmwareMinor = 1;
        QCOMPARE(sensor->firmwareVersion(), QVersionNumber(3, 1));
        QCOMPARE(sensor->firmwareVersionText(), QStringLiteral("3.01"));
        sensor->statusData()->flags = 0x40; // lost: the stored version again
        QCOMPARE(sensor->firmwareVersion(), QVersionNumber(1, 5));
        QCOMPARE(sensor->toolTip(), QStringLiteral("id: 0000001234\nsw: 1.05  hw: 2.12\n\n") +
                                        QString::fromUtf8("Готов"));
    }

    void cableBroken()
    {
        Sensor::SPtr sensor = device({});
        QVERIFY(!sensor->isCableBroken());
        sensor->statusData()->privateData.raw[4] = 5;
        QVERIFY(sensor->isCableBroken());
    }

    void hierarchyIsLoggedLowestNibbleFirst()
    {
        Logger logger;
        QSignalSpy lines(&logger, &Logger::message);
        SensorReportFields fields;
        fields.hierarchy = 0x12;
        fields.name = "Hall";
        Sensor::SPtr sensor = device(fields, 2);
        QCOMPARE(sensor->parentName(), QStringLiteral("0.KorvelGSMR"));
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.last().at(2).toString(),
                 QStringLiteral("[I]: 3. Hall hierarchy = 21000000"));
    }

    void colourNotes()
    {
        Sensor::SPtr sensor = device({});
        sensor->noteColour(QColor(10, 10, 10));
        QVERIFY(!sensor->colourFlags().red && !sensor->colourFlags().yellow &&
                !sensor->colourFlags().grey);
        sensor->noteColour(Sensor::RedColour);
        sensor->noteColour(Sensor::GreyColour);
        QVERIFY(sensor->colourFlags().red && sensor->colourFlags().grey);
        QVERIFY(!sensor->colourFlags().yellow);
        const s_SensorIntData status = sensor->status();
        sensor->updateStatus(&status);
        QVERIFY(!sensor->colourFlags().red && !sensor->colourFlags().grey);
    }

    void readOnlyFollowsThePartition_data()
    {
        QTest::addColumn<int>("partition");
        QTest::addColumn<int>("configurable");
        QTest::addColumn<bool>("viewing");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("partition locked") << 2 << 0 << false << true;
        QTest::newRow("partition open") << 2 << 1 << false << false;
        QTest::newRow("viewing a file") << 2 << 0 << true << false;
        QTest::newRow("no such partition") << 40 << 0 << false << false;
    }
    void readOnlyFollowsThePartition()
    {
        QFETCH(int, partition);
        QFETCH(int, configurable);
        QFETCH(bool, viewing);
        QFETCH(bool, readOnly);
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        s_PartitionStatus status;
        std::memset(&status, 0, sizeof(status));
        status.configurationAllowed = quint8(configurable);
        overmind.partitionModel()->partition(2)->setStatus(&status);
        overmind.setViewingMode(viewing);
        SensorReportFields fields;
        fields.partition = quint16(partition);
        QCOMPARE(device(fields)->isReadOnly(), readOnly);
    }

    void partitionStatusReachesTheDevice()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        SensorReportFields fields;
        fields.partition = 2;
        Sensor::SPtr sensor = device(fields);
        QSignalSpy updated(sensor.get(), &Sensor::statusUpdated);
        s_PartitionStatus status;
        std::memset(&status, 0, sizeof(status));
        overmind.partitionModel()->partition(2)->setStatus(&status);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(sensor->partition(), uchar(2));

        // A device whose partition is gone goes to the last partition slot.
        fields.partition = 40;
        Sensor::SPtr stray = device(fields);
        QSignalSpy strayUpdated(stray.get(), &Sensor::statusUpdated);
        stray->partitionStatusChange();
        QCOMPARE(stray->partition(), uchar(16));
        QCOMPARE(strayUpdated.count(), 1);
    }

    void energySavingQuestion_data()
    {
        QTest::addColumn<int>("takeDelay");
        QTest::addColumn<bool>("partitionDelayOn");
        QTest::addColumn<int>("partition");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("takeDelayAfter");
        QTest::addColumn<bool>("partitionDelayAfter");
        const QString shortfall =
            QStringLiteral("Take delay less than work interval. For correct device work need "
                           "install take delay bigger or equal work interval.\nDo you really "
                           "want to enable energy saving mode?\n");
        const QString turnOnAndRaise =
            QStringLiteral("Take delay will be turned on and its value will be increased.");
        const int yes = int(QMessageBox::Yes);
        const int no = int(QMessageBox::No);
        QTest::newRow("short delay, partition delay off: yes")
            << 10 << false << 2 << yes << QStringList{shortfall, turnOnAndRaise} << 30 << true;
        QTest::newRow("short delay, partition delay off: no")
            << 10 << false << 2 << no << QStringList{shortfall, turnOnAndRaise} << 10 << false;
        QTest::newRow("delay long enough, partition delay off")
            << 30 << false << 2 << yes
            << QStringList{QStringLiteral("Do you really want to enable energy saving mode?\n"),
                           QStringLiteral("Take delay will be turned on.")}
            << 30 << true;
        QTest::newRow("nothing to ask") << 30 << true << 2 << no << QStringList() << 30 << true;
        QTest::newRow("partition missing: only the delay line")
            << 10 << false << 40 << yes << QStringList{shortfall} << 30 << false;
    }
    void energySavingQuestion()
    {
        QFETCH(int, takeDelay);
        QFETCH(bool, partitionDelayOn);
        QFETCH(int, partition);
        QFETCH(int, answer);
        QFETCH(QStringList, lines);
        QFETCH(int, takeDelayAfter);
        QFETCH(bool, partitionDelayAfter);
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        overmind.storeMinimumTakeDelay(30);
        overmind.setTakeDelay(quint16(takeDelay));
        Partition *current = overmind.partitionModel()->partition(2);
        current->setTakeDelayEnabled(partitionDelayOn);
        SensorReportFields fields;
        fields.type = 6;
        fields.partition = quint16(partition);
        Sensor::SPtr sensor = device(fields);
        sensor->settingsData()->settings.privateSettings.raw[0] = 1; // energy saving on
        ModalRecorder boxes;
        boxes.reply = [answer](const ModalAnswerer::Request &) { return answer; };
        sensor->setPartition(3);
        QCOMPARE(boxes.count(QStringLiteral("question")), lines.isEmpty() ? 0 : 1);
        if (!lines.isEmpty()) {
            QCOMPARE(boxes.seen.first().text, lines.join(QLatin1Char('\n')));
            QCOMPARE(boxes.seen.first().title, QStringLiteral("Take delay"));
        }
        QCOMPARE(int(overmind.takeDelay()), takeDelayAfter);
        QCOMPARE(current->takeDelayEnabled(), partitionDelayAfter);
        QCOMPARE(sensor->partition(), uchar(3));
        QVERIFY(!overmind.isEnergySaveQuestionOpen());
    }

    void keyContactModulePartition_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("partition");
        QTest::addColumn<int>("after");
        QTest::newRow("needs a partition") << 3 << 0 << 1;
        QTest::newRow("has one") << 3 << 5 << 5;
        QTest::newRow("other mode") << 1 << 5 << 0;
    }
    void keyContactModulePartition()
    {
        QFETCH(int, mode);
        QFETCH(int, partition);
        QFETCH(int, after);
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        SensorReportFields fields;
        fields.type = 14;
        fields.partition = quint16(partition);
        s_FullSensorData report = makeSensorReport(fields);
        report.settings.common.inputOperatingMode = quint8(mode);
        Sensor sensor(0, &report);
        sensor.updateKcPartition();
        QCOMPARE(int(sensor.partition()), after);
    }

    void constructionWritesNothingAndMovesNothing()
    {
        // Partition 40 names no partition of the model: still nothing moves or is written.
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        SensorReportFields fields;
        fields.partition = 40;
        fields.type = 6; // energy saving: no question may be asked either
        ModalRecorder boxes;
        Sensor::SPtr sensor = device(fields);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(sensor->partition(), uchar(40));
        QCOMPARE(sensor->settingsData()->crc32, quint32(0));
        QCOMPARE(sensor->settingsData()->nameCrc, quint32(0));
    }

    void missingEnergySavingNodeIsNeverCalled()
    {
        // An energy-saving device whose tree has no "energy_saving" node: the user's "No"
        // leaves the device as it is and nothing crashes.
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.storeMinimumTakeDelay(30);
        overmind.setTakeDelay(10);
        SensorReportFields fields;
        fields.type = 17;
        Sensor::SPtr sensor = device(fields);
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        sensor->setPartition(1);
        QCOMPARE(boxes.count(QStringLiteral("question")), 1);
        QVERIFY(boxes.seen.first().text.startsWith(
            QStringLiteral("Take delay less than work interval.")));
        QCOMPARE(overmind.takeDelay(), quint16(10));
        QVERIFY(!overmind.isEnergySaveQuestionOpen());
    }
};

QTEST_MAIN(TestSensor)
#include "test_sensor.moc"
