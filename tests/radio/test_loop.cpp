#include "RadioReports.h"

#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/Loop.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
std::unique_ptr<Loop> makeLoop(quint16 zoneType = 2, const QByteArray &name = QByteArray())
{
    const s_FullLoopData report = makeLoopReport(3, zoneType, name);
    return std::make_unique<Loop>(&report);
}

QByteArray zeroFilled(const QByteArray &utf8)
{
    return utf8 + QByteArray(64 - utf8.size(), '\0');
}
} // namespace

class TestLoop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_overmind = std::make_unique<Overmind>();
        m_overmind->deviceInfo().init(0, 0, 0, 0);
    }
    void cleanupTestCase() { m_overmind.reset(); }

    void numbers()
    {
        std::unique_ptr<Loop> loop = makeLoop();
        QCOMPARE(int(loop->id()), 101);
        QCOMPARE(loop->displayName(), QStringLiteral("126. Loop"));
        QCOMPARE(loop->type(), 9);
        QCOMPARE(loop->typeName(), QStringLiteral("Loop"));
        QCOMPARE(loop->partition(), uchar(3));
        QVERIFY(loop->isInTouch());
        QVERIFY(!loop->isFault() && !loop->isFire() && !loop->isWaterLeak());
        const QJsonObject json = loop->toJson().toArray().first().toObject();
        QCOMPARE(json.value("id").toInt(), 125);
        QCOMPARE(json.value("Partition").toInt(), 3);
        QCOMPARE(json.value("ZoneType").toInt(), 2);

        std::unique_ptr<Loop> named = makeLoop(2, "Porch");
        QCOMPARE(named->displayName(), QStringLiteral("126. Porch"));
        QCOMPARE(named->jsonKey(), QStringLiteral("Porch"));
    }

    void idFollowsTheDeviceLimit()
    {
        Overmind overmind;
        overmind.deviceInfo().initForExecution(2, 0, 0, 0);
        QCOMPARE(int(makeLoop()->id()), 51);
    }

    void resistance_data()
    {
        QTest::addColumn<float>("ohms");
        QTest::addColumn<QString>("text");
        QTest::newRow("open") << 50000.5f << QString::fromUtf8("∞");
        QTest::newRow("at the limit") << 50000.0f << "50.00 kOhm";
        QTest::newRow("short") << 0.5f << "0 kOhm";
        QTest::newRow("4.7k") << 4700.0f << "4.70 kOhm";
        QTest::newRow("1 ohm") << 1.0f << "0.00 kOhm";
    }
    void resistance()
    {
        QFETCH(float, ohms);
        QFETCH(QString, text);
        std::unique_ptr<Loop> loop = makeLoop();
        s_LoopStatus status = loop->loopStatus();
        status.resistance = ohms;
        QSignalSpy updated(loop.get(), &Sensor::statusUpdated);
        loop->setStatus(&status);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(loop->resistanceText(), text);
    }

    void stateAndAlarm()
    {
        std::unique_ptr<Loop> loop = makeLoop();
        s_LoopStatus status = loop->loopStatus();
        status.state = 12;
        status.flags = 0x10;
        loop->setStatus(&status);
        QCOMPARE(loop->stateText(), QString::fromUtf8("ШС в норме"));
        QCOMPARE(loop->toolTip(), QString::fromUtf8("\n\n\nШС в норме"));
        QVERIFY(loop->isAlarm());
        status.state = 6; // the loop has no texts of its own for fire
        loop->setStatus(&status);
        QCOMPARE(loop->stateText(), QString::fromUtf8("Пожар!"));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("63 bytes") << QString(63, QLatin1Char('l')) << true;
        QTest::newRow("64 bytes") << QString(64, QLatin1Char('l')) << false;
        QTest::newRow("31 cyrillic, 62 bytes") << QString::fromUtf8("Ш").repeated(31) << true;
        QTest::newRow("32 cyrillic, 64 bytes") << QString::fromUtf8("Ш").repeated(32) << false;
        QTest::newRow("quotes unescaped") << "a\"b" << true;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, taken);
        std::unique_ptr<Loop> loop = makeLoop(2, "Old");
        QCOMPARE(loop->setName(name), taken);
        const s_ExtMemDataLoop &block = loop->loopData();
        const QByteArray expected = zeroFilled(taken ? name.toUtf8() : QByteArray("Old"));
        QCOMPARE(fieldBytes(block.name), expected);
        QCOMPARE(loop->jsonKey(), taken ? name : QStringLiteral("Old"));
        if (taken)
            QCOMPARE(block.nameCrc, crc32Stm(block.name, 64));
    }

    void bellFollowsTheZoneType_data()
    {
        QTest::addColumn<int>("zoneType");
        QTest::addColumn<bool>("editable");
        QTest::newRow("security") << 2 << true;
        QTest::newRow("alarm") << 3 << false;
        QTest::newRow("enter") << 4 << true;
        QTest::newRow("fire") << 5 << false;
    }
    void bellFollowsTheZoneType()
    {
        QFETCH(int, zoneType);
        QFETCH(bool, editable);
        std::unique_ptr<Loop> loop = makeLoop(2);
        s_ExtMemDataLoop block = loop->loopData();
        block.settings.ZoneType = quint16(zoneType);
        block.settings.flags = 0x03;
        QSignalSpy updated(loop.get(), &Sensor::dataUpdated);
        loop->setData(&block);
        QCOMPARE(updated.count(), 1);
        Sensor::SensorProperty tree = loop->properties();
        Sensor::SensorProperty *bell = Sensor::findProperty(tree, QStringLiteral("bell_mode"));
        QVERIFY(bell);
        QCOMPARE(bool(bell->setter), editable);
        QCOMPARE(loop->bellEnabled(), editable);
        QVERIFY(loop->isEnabled());
    }

    void tree()
    {
        std::unique_ptr<Loop> loop = makeLoop(4, "Porch");
        Sensor::SensorProperty tree = loop->properties();
        QCOMPARE(tree.tag, QStringLiteral("root"));
        Sensor::SensorProperty *zone = Sensor::findProperty(tree, QStringLiteral("zone_type"));
        QVERIFY(zone);
        QCOMPARE(zone->captionsGetter(),
                 QStringList({"Security", "Alarm", "Enter", "Fire", "Water"}));
        QCOMPARE(zone->value().toInt(), 2); // "Enter" is the third choice
        QCOMPARE(Sensor::findProperty(tree, QStringLiteral("partition"))->value().toInt(), 3);
        QCOMPARE(Sensor::findProperty(tree, QStringLiteral("type"))->value().toString(),
                 QStringLiteral("Loop"));
        Sensor::SensorProperty *name = Sensor::findProperty(tree, QStringLiteral("name"));
        QCOMPARE(name->value().toString(), QStringLiteral("Porch"));
        QVERIFY(name->regExp.endsWith(QStringLiteral("{0,63}$")));
        QVERIFY(Sensor::findProperty(tree, QStringLiteral("resistance")));
        QVERIFY(!Sensor::findProperty(tree, QStringLiteral("energy_saving")));
    }

    void fromJson_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("partition");
        QTest::addColumn<int>("zoneType");
        QTest::addColumn<bool>("bell");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("format 2") << QJsonValue(QJsonArray{QJsonObject{{"name", "Gate"},
                                                                       {"BellEnable", 1},
                                                                       {"Enable", 0},
                                                                       {"Partition", 5},
                                                                       {"ZoneType", 4}}})
                                  << 2 << true << "Gate" << 5 << 4 << true << false;
        QTest::newRow("format 2 empty")
            << QJsonValue(QJsonArray()) << 2 << false << "Old" << 3 << 2 << false << false;
        QTest::newRow("format 1") << QJsonValue(QJsonObject{{"Name", "Yard"},
                                                            {"Bell", false},
                                                            {"Enabled", true},
                                                            {"Partition", 2},
                                                            {"ZoneType", 3}})
                                  << 1 << true << "Yard" << 2 << 3 << false << true;
        const QString longName = QString::fromUtf8("Ы").repeated(40);
        QTest::newRow("long name from a file is cut at a character")
            << QJsonValue(QJsonArray{QJsonObject{{"name", longName}}}) << 2 << true
            << longName.left(31) << 0 << 0 << false << false;
    }
    void fromJson()
    {
        QFETCH(QJsonValue, value);
        QFETCH(int, format);
        QFETCH(bool, taken);
        QFETCH(QString, name);
        QFETCH(int, partition);
        QFETCH(int, zoneType);
        QFETCH(bool, bell);
        QFETCH(bool, enabled);
        std::unique_ptr<Loop> loop = makeLoop(2, "Old");
        QCOMPARE(loop->fromJson(value, format), taken);
        QCOMPARE(loop->jsonKey(), name);
        QCOMPARE(int(loop->partition()), partition);
        QCOMPARE(int(loop->zoneType()), zoneType);
        QCOMPARE(loop->bellEnabled(), bell);
        QCOMPARE(loop->isEnabled(), enabled);
        QCOMPARE(loop->loopData().nameCrc, taken ? crc32Stm(loop->loopData().name, 64) : 0u);
    }

private:
    std::unique_ptr<Overmind> m_overmind;
};

QTEST_MAIN(TestLoop)
#include "test_loop.moc"
