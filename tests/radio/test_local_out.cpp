#include "RadioReports.h"

#include "link/Crc.h"
#include "radio/LocalOut.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

namespace {
QString nodeText(const LocalOut &out, const QString &tag)
{
    Sensor::SensorProperty tree = out.properties();
    Sensor::SensorProperty *node = Sensor::findProperty(tree, tag);
    return node ? node->value().toString() : QStringLiteral("<missing>");
}

QJsonObject version1Output(int index, const QString &name, int mode)
{
    return QJsonObject{{"index", index},    {"Name", name},
                       {"Mode", mode},      {"OutMaskFireMask", 7},
                       {"Ref", -12},        {"Enable", 3},
                       {"Disable", 4},      {"AllowCallControl", 1},
                       {"InversionOut", 1}, {"OutEventsToJournal", 1}};
}
} // namespace

class TestLocalOut : public QObject
{
    Q_OBJECT
private slots:
    void numbersAndNames()
    {
        LocalOut first(0);
        LocalOut second(1);
        QCOMPARE(second.displayName(), QStringLiteral("159. Local out"));
        QVERIFY(first.setName(QStringLiteral("Siren")));
        QCOMPARE(first.displayName(), QStringLiteral("158. Siren"));
        QCOMPARE(first.typeName(), QStringLiteral("LocalOut"));
        QVERIFY(first.isInTouch());
        QVERIFY(first.toolTip().isEmpty());
        QVERIFY(!first.isEnabled());
        first.outputData()->mode.Mode = 2;
        QVERIFY(first.isEnabled());
    }

    void longNameIsCutAndZeroFilled()
    {
        LocalOut out(0);
        QVERIFY(out.setName(QString(70, QLatin1Char('o'))));
        const s_ExtMemDataOutput *block = out.outputData();
        QCOMPARE(fieldBytes(block->name), QByteArray(63, 'o') + '\0');
        QCOMPARE(block->nameCrc, crc32Stm(block->name, 64));
        QVERIFY(out.setName(QString::fromUtf8("Ё").repeated(40)));
        QCOMPARE(out.jsonKey(), QString::fromUtf8("Ё").repeated(31));
    }

    void currentEvents_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "There is no event";
        QTest::newRow("1") << 1 << "Unknown event: 1";
        QTest::newRow("5") << 5 << QString::fromUtf8("Не используется");
        QTest::newRow("33") << 33 << QString::fromUtf8("Протечка воды");
        QTest::newRow("42") << 42 << QString::fromUtf8("Количество событий по разделу");
        QTest::newRow("43") << 43 << "Unknown event: 43";
    }
    void currentEvents()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(LocalOut::currentEventText(quint16(code)), text);
    }

    void statusNodes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("eventText");
        QTest::addColumn<QString>("faultText");
        QTest::addColumn<QString>("stateText");
        QTest::newRow("disabled shows nothing") << 0 << 16 << 3 << 1 << ""
                                                << ""
                                                << "On";
        QTest::newRow("checking") << 1 << 16 << 0 << 0 << QString::fromUtf8("Раздел взят")
                                  << "Check..."
                                  << "Off";
        QTest::newRow("short circuit")
            << 2 << 0 << 3 << 1 << "There is no event" << QString::fromUtf8("КЗ выхода") << "On";
        QTest::newRow("unknown fault") << 1 << 99 << 6 << 0 << "Unknown event: 99"
                                       << "Unknown event: 6"
                                       << "Off";
    }
    void statusNodes()
    {
        QFETCH(int, mode);
        QFETCH(int, event);
        QFETCH(int, fault);
        QFETCH(int, state);
        QFETCH(QString, eventText);
        QFETCH(QString, faultText);
        QFETCH(QString, stateText);
        LocalOut out(1);
        s_ExtMemDataOutput block = *out.outputData();
        block.mode.Mode = quint16(mode);
        QSignalSpy dataUpdated(&out, &Sensor::dataUpdated);
        out.setData(&block);
        QCOMPARE(dataUpdated.count(), 1);
        s_OutputStatus status;
        std::memset(&status, 0, sizeof(status));
        status.currentEvent = quint16(event);
        status.faultState = quint16(fault);
        status.outputState = quint8(state);
        QSignalSpy statusUpdated(&out, &Sensor::statusUpdated);
        out.setStatus(&status);
        QCOMPARE(statusUpdated.count(), 1);
        QCOMPARE(nodeText(out, QStringLiteral("currentOutputEvent")), eventText);
        QCOMPARE(nodeText(out, QStringLiteral("outFaultState")), faultText);
        QCOMPARE(nodeText(out, QStringLiteral("outState")), stateText);
        Sensor::SensorProperty tree = out.properties();
        QCOMPARE(Sensor::findProperty(tree, QStringLiteral("mode"))->value().toInt(), mode);
    }

    void jsonRoundTrip()
    {
        LocalOut out(1);
        s_OutputModeSett &m = out.outputData()->mode;
        m.Mode = 3;
        m.FireMask = 0x80000001u;
        m.IntTempRef = -5;
        m.Hyst = 2;
        m.controlFlags = 0x05;
        m.journalFlags = 0x01;
        m.SelectedPartitions = 0x0F;
        out.setName(QStringLiteral("Pump"));
        const QJsonObject json = out.toJson().toObject();
        QCOMPARE(json.value("id").toInt(), 1);
        QCOMPARE(json.value("WaitKvitanciaMask").toInt(), 0);
        QCOMPARE(json.value("ReceiveKvitanciaMask").toInt(), 0);
        QCOMPARE(json.value("FireMask").toInt(), int(0x80000001u)); // signed 32-bit
        QCOMPARE(json.value("AllowSmsControl").toInt(), 1);
        QCOMPARE(json.value("AllowCallControl").toInt(), 0);
        QCOMPARE(json.value("AllowKeychainControl").toInt(), 1);

        LocalOut copy(1);
        QSignalSpy updated(&copy, &Sensor::dataUpdated);
        QVERIFY(copy.fromJson(json, 2));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(copy.jsonKey(), QStringLiteral("Pump"));
        QCOMPARE(std::memcmp(&copy.outputData()->mode, &m, sizeof(m)), 0);
    }

    void version1TakesItsOwnElement()
    {
        const QJsonObject file{
            {"Count", 2},
            {"Outs", QJsonArray{version1Output(1, "Second", 2), version1Output(0, "First", 1)}}};
        LocalOut first(0);
        LocalOut second(1);
        QVERIFY(first.fromJson(file, 1));
        QVERIFY(second.fromJson(file, 1));
        QCOMPARE(first.jsonKey(), QStringLiteral("First"));
        QCOMPARE(int(first.outputData()->mode.Mode), 1);
        QCOMPARE(second.jsonKey(), QStringLiteral("Second"));
        QCOMPARE(int(second.outputData()->mode.Mode), 2);
        const s_OutputModeSett &m = first.outputData()->mode;
        QCOMPARE(m.FireMask, 7u);
        QCOMPARE(int(m.IntTempRef), -12);
        QCOMPARE(m.EnableMask, 3u);
        QCOMPARE(m.DisableMask, 4u);
        QCOMPARE(int(m.controlFlags), 0x02);
        QCOMPARE(int(m.inversionFlags), 0x01);
        QCOMPARE(int(m.journalFlags), 0x01);
    }

    void version1Refusals_data()
    {
        QTest::addColumn<QJsonObject>("file");
        QTest::newRow("one key only")
            << QJsonObject{{"Outs", QJsonArray{version1Output(0, "A", 1)}}};
        QTest::newRow("Outs not a list") << QJsonObject{{"Count", 1}, {"Outs", 5}};
        QTest::newRow("no element for this output")
            << QJsonObject{{"Count", 1}, {"Outs", QJsonArray{version1Output(1, "B", 1)}}};
    }
    void version1Refusals()
    {
        QFETCH(QJsonObject, file);
        LocalOut out(0);
        out.setName(QStringLiteral("Kept"));
        QSignalSpy updated(&out, &Sensor::dataUpdated);
        QVERIFY(!out.fromJson(file, 1));
        QCOMPARE(updated.count(), 0);
        QCOMPARE(out.jsonKey(), QStringLiteral("Kept"));
        QCOMPARE(int(out.outputData()->mode.Mode), 0);
    }

    void tree()
    {
        LocalOut out(0);
        Sensor::SensorProperty tree = out.properties();
        QCOMPARE(tree.tag, QStringLiteral("root"));
        Sensor::SensorProperty *button =
            Sensor::findProperty(tree, QStringLiteral("output_settings"));
        QVERIFY(button);
        QCOMPARE(button->kind, Sensor::SensorProperty::ActionButton);
        QCOMPARE(button->captions, QStringList{QStringLiteral("To configure")});
        Sensor::SensorProperty *mode = Sensor::findProperty(tree, QStringLiteral("mode"));
        QCOMPARE(mode->captionsGetter().size(), 6);
        QCOMPARE(mode->editable, 0);
        QCOMPARE(Sensor::findProperty(tree, QStringLiteral("name"))->editable, 1);
    }
};

QTEST_MAIN(TestLocalOut)
#include "test_local_out.moc"
