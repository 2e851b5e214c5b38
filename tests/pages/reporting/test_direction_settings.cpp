#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/ProtocolFixture.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/EventSupportTables.h"
#include "sim/SimDirections.h"

#include <QTest>
#include <cstring>
#include <functional>

using Edit = std::function<void(s_ExtMemDataGSMDirection &)>;
Q_DECLARE_METATYPE(Edit)

namespace {
s_ExtMemDataGSMDirection zero()
{
    s_ExtMemDataGSMDirection record;
    std::memset(&record, 0, sizeof(record));
    return record;
}

s_ExtMemDataGSMDirection withTypes(int main, int reserve1, int reserve2)
{
    s_ExtMemDataGSMDirection record = zero();
    record.settings.channels[0].type = quint8(main);
    record.settings.channels[1].type = quint8(reserve1);
    record.settings.channels[2].type = quint8(reserve2);
    return record;
}

s_channelGSMsett &channel(s_ExtMemDataGSMDirection &record, int i)
{
    return record.settings.channels[i];
}
} // namespace

class TestDirectionSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> m_overmind;

private slots:
    void init()
    {
        m_overmind = std::make_unique<Overmind>();
        m_overmind->deviceInfo().initForExecution(0, 0, 256, 256);
    }
    void cleanup() { m_overmind.reset(); }

    void receivedBlocks()
    {
        DirectionSettings settings(nullptr);
        QVERIFY(!settings.channel(0) && !settings.channel(2));
        QVERIFY(!settings.isModified());
        QVERIFY(!settings.setName(QStringLiteral("x")));

        s_ExtMemDataGSMDirection record = SimDirections::direction(10);
        record.compatibleVersion = 7;
        record.criticalVersion = 0;
        settings.updateSettings(10, record);
        settings.updateSettings(11, record);
        QCOMPARE(settings.directions().keys(), QList<int>{10});
        QCOMPARE(int(settings.directions().value(10).compatibleVersion), 1);
        QCOMPARE(int(settings.directions().value(10).criticalVersion), 1);
    }

    void names()
    {
        DirectionSettings settings(nullptr);
        settings.updateSettings(0, zero());
        settings.setDataPointer(0);
        QCOMPARE(settings.currentName(), QStringLiteral("Direction #1"));
        QVERIFY(settings.setName(QString()));
        QCOMPARE(DirectionSettings::nameOf(settings.currentRecord()),
                 QStringLiteral("Direction #01"));
        QCOMPARE(settings.currentRecord().crc32Name, crc32Stm(settings.currentRecord().name, 64));

        // 40 two-byte letters: cut between letters, never inside one.
        const QString longName(40, QChar(0x0416));
        QVERIFY(settings.setName(longName));
        const QString kept = DirectionSettings::nameOf(settings.currentRecord());
        QCOMPARE(kept, QString(31, QChar(0x0416)));
        QCOMPARE(int(settings.currentRecord().name[63]), 0);
    }

    // Every index up to the count is a direction, whatever else the table holds.
    void tableIsKeyedByIndex()
    {
        DirectionSettings settings(nullptr);
        settings.updateSettings(0, SimDirections::direction(0));
        settings.updateSettings(5, SimDirections::direction(5));
        settings.setDataPointer(5);
        QVERIFY(settings.channel(0));
        QCOMPARE(settings.currentName(), SimDirections::directionName(5));
        QCOMPARE(int(settings.channel(0)->type()), 4);
        QCOMPARE(settings.directionName(0), SimDirections::directionName(0));
        QCOMPARE(settings.directionName(3), QStringLiteral("Direction #4"));
        QCOMPARE(settings.directionName(11), QString());

        QVERIFY(settings.setName(QStringLiteral("Renamed")));
        settings.writeToDevice();
        QCOMPARE(DirectionSettings::nameOf(settings.directions().value(5)),
                 QStringLiteral("Renamed"));
        QCOMPARE(settings.directions().size(), 2);
    }

    void validity_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("valid");
        QTest::newRow("disabled") << Edit([](s_ExtMemDataGSMDirection &) {}) << true;
        QTest::newRow("SMS without number, call with one") << Edit([](s_ExtMemDataGSMDirection &r) {
            r = withTypes(1, 3, 0);
            channel(r, 1).call.phone = 79161234567ULL;
        }) << false;
        QTest::newRow("call number in the SMS slot only") << Edit([](s_ExtMemDataGSMDirection &r) {
            r = withTypes(3, 0, 0);
            channel(r, 0).userSms.phone = 79161234567ULL;
        }) << false;
        QTest::newRow("DC-09 needs no number")
            << Edit([](s_ExtMemDataGSMDirection &r) { r = withTypes(4, 5, 0); }) << true;
        QTest::newRow("reserve 2 Quenor with number") << Edit([](s_ExtMemDataGSMDirection &r) {
            r = withTypes(4, 0, 2);
            channel(r, 2).quenor.phone = 112;
        }) << true;
    }
    void validity()
    {
        QFETCH(Edit, edit);
        s_ExtMemDataGSMDirection record = zero();
        edit(record);
        DirectionSettings settings(nullptr);
        settings.updateSettings(2, record);
        settings.setDataPointer(2);
        QTEST(settings.isValid(), "valid");
    }

    void modification_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("modified");
        auto row = [](const char *name, int index, Edit edit, bool modified) {
            QTest::newRow(name) << index << edit << modified;
        };
        row(
            "nothing", 0, [](s_ExtMemDataGSMDirection &) {}, false);
        row(
            "name", 0, [](s_ExtMemDataGSMDirection &r) { r.name[0] = 'X'; }, true);
        row(
            "DC-09 send attempts", 0,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 0).dc09.sendAttempts += 1; }, false);
        row(
            "DC-09 port", 0, [](s_ExtMemDataGSMDirection &r) { channel(r, 0).dc09.port += 1; },
            true);
        row(
            "DC-09 key", 0, [](s_ExtMemDataGSMDirection &r) { channel(r, 0).dc09.key[3] ^= 1; },
            true);
        row(
            "SurGard key is not compared", 1,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 0).dc09.key[3] ^= 1; }, false);
        row(
            "zone filter", 0,
            [](s_ExtMemDataGSMDirection &r) { r.settings.filter.zoneEvents ^= 4; }, true);
        row(
            "partitions", 0, [](s_ExtMemDataGSMDirection &r) { r.settings.filter.partitions ^= 2; },
            true);
        row(
            "output filter is not compared", 0,
            [](s_ExtMemDataGSMDirection &r) { r.settings.filter.outEvents ^= 1; }, false);
        row(
            "filter of a disabled direction", 6,
            [](s_ExtMemDataGSMDirection &r) { r.settings.filter.zoneEvents ^= 4; }, false);
        row(
            "reserve of a disabled direction", 6,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 1).call.phone = 5; }, false);
        row(
            "reserve type", 0, [](s_ExtMemDataGSMDirection &r) { channel(r, 2).type = 3; }, true);
        row(
            "reserve user", 0, [](s_ExtMemDataGSMDirection &r) { channel(r, 1).channelUserId = 4; },
            true);
        row(
            "reserve SMS number", 0,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 1).userSms.phone += 1; }, true);
        row(
            "call bytes of an SMS channel", 0,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 1).call.phone += 1; }, false);
        row(
            "test time while testing", 0,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 0).test.weekDays ^= 0x40; }, true);
        row(
            "test time without testing", 3,
            [](s_ExtMemDataGSMDirection &r) { channel(r, 0).test.weekDays ^= 0x40; }, false);
        row(
            "bytes the device keeps", 0, [](s_ExtMemDataGSMDirection &r) { r.unused996[100] ^= 1; },
            false);
    }
    void modification()
    {
        QFETCH(int, index);
        QFETCH(Edit, edit);
        DirectionSettings settings(nullptr);
        settings.updateSettings(quint8(index), SimDirections::direction(index));
        settings.setDataPointer(quint8(index));
        QVERIFY(!settings.isModified());
        s_ExtMemDataGSMDirection record = settings.currentRecord();
        edit(record);
        s_ExtMemDataGSMDirection &current =
            const_cast<s_ExtMemDataGSMDirection &>(settings.currentRecord());
        current = record;
        QTEST(settings.isModified(), "modified");
        settings.cancelSettings();
        QVERIFY(!settings.isModified());
    }

    void storedPortZeroMatchesAny()
    {
        s_ExtMemDataGSMDirection record = SimDirections::direction(0);
        channel(record, 0).dc09.port = 0;
        DirectionSettings settings(nullptr);
        settings.updateSettings(0, record);
        settings.setDataPointer(0);
        settings.channel(0)->setPort(4000);
        QVERIFY(!settings.isModified());
    }

    void support_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<int>("execution");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("bit");
        QTest::addColumn<bool>("supported");
        const int P = EventSupportTables::PartitionGroup;
        const int Z = EventSupportTables::ZoneGroup;
        const int W = EventSupportTables::PowerGroup;
        const int S = EventSupportTables::SystemGroup;
        const int O = EventSupportTables::OutputGroup;
        auto row = [](const char *name, QList<int> types, int execution, int group, int bit,
                      bool supported) {
            QTest::newRow(name) << types << execution << group << bit << supported;
        };
        row("disabled main takes all", {0, 4, 2}, 0, P, 10, true);
        row("type 7 main takes all", {7, 0, 0}, 0, Z, 0, true);
        row("SMS: any-channel 0", {1, 0, 0}, 0, P, 9, false);
        row("SMS: unlisted bit", {1, 0, 0}, 0, P, 0, false);
        row("SMS: any-channel 1", {1, 0, 0}, 0, P, 6, true);
        row("DC-09: kind 0 despite Quenor code", {4, 0, 0}, 0, P, 10, false);
        row("DC-09: zone kind 0 despite a code", {4, 0, 0}, 0, Z, 10, false);
        row("DC-09: kind set, any-channel 0", {4, 0, 0}, 0, P, 9, false);
        row("SurGard reserve: kind 0", {1, 5, 0}, 0, P, 32, false);
        row("DC-09 reserve: kind 5", {1, 4, 0}, 0, P, 32, true);
        row("Quenor reserve: code 0", {3, 2, 0}, 0, Z, 40, false);
        row("call only: any-channel 1", {3, 0, 0}, 0, Z, 40, true);
        row("power 5, execution 1", {1, 0, 0}, 1, W, 5, true);
        row("power 5, execution 0", {1, 0, 0}, 0, W, 5, false);
        row("power 5, execution 2", {1, 0, 0}, 2, W, 5, false);
        row("power 5, execution 3", {1, 0, 0}, 3, W, 5, true);
        row("system 13 over SMS", {1, 0, 0}, 0, S, 13, true);
        row("system 13 over DC-09", {4, 0, 0}, 0, S, 13, false);
        row("output 3 over DC-09", {4, 0, 0}, 0, O, 3, true);
        row("output 0 over DC-09", {4, 0, 0}, 0, O, 0, false);
        row("output 0 over SurGard reserve", {1, 5, 0}, 0, O, 0, false);
        row("output 0 over Quenor", {2, 1, 3}, 0, O, 0, true);
        row("bit past the table", {1, 0, 0}, 0, P, 42, false);
        row("negative bit", {1, 0, 0}, 0, Z, -1, false);
    }
    void support()
    {
        QFETCH(QList<int>, types);
        QFETCH(int, execution);
        m_overmind->deviceInfo().initForExecution(execution, 0, 256, 256);
        DirectionSettings settings(nullptr);
        settings.updateSettings(1, withTypes(types[0], types[1], types[2]));
        settings.setDataPointer(1);
        QFETCH(int, group);
        QFETCH(int, bit);
        QTEST(settings.isEventSupported(group, bit), "supported");
    }

    void pruning()
    {
        s_ExtMemDataGSMDirection record = withTypes(1, 0, 0);
        eventFilter_t &filter = record.settings.filter;
        filter.partitionEvents = ~quint64(0);
        filter.zoneEvents = ~quint64(0);
        filter.powerEvents = ~quint32(0);
        filter.systemEvents = ~quint32(0);
        filter.outEvents = 0xFFFF;
        filter.partitions = 0x12345678;
        filter.loginEvents = filter.firmwareEvents = filter.gsmEvents = 0xBEEF;
        filter.transmittedEvent = 0x1234;
        DirectionSettings settings(nullptr);
        settings.updateSettings(0, record);
        settings.setDataPointer(0);
        settings.pruneEventFilter();
        const eventFilter_t pruned = settings.eventFilter();
        // User SMS alone: exactly the any-channel entries survive.
        quint64 partitionBits = 0;
        for (int bit : {6, 8, 11, 16, 17, 21, 22, 24, 25, 29, 32, 33})
            partitionBits |= quint64(1) << bit;
        QCOMPARE(pruned.partitionEvents & ((quint64(1) << 42) - 1), partitionBits);
        QCOMPARE(pruned.partitionEvents >> 42, ~quint64(0) >> 42);
        QCOMPARE(pruned.zoneEvents >> 44, ~quint64(0) >> 44);
        QCOMPARE(pruned.powerEvents >> 24, quint32(0xFF));
        QCOMPARE(int(pruned.outEvents), 0xFFFF);
        QCOMPARE(pruned.partitions, quint32(0x12345678));
        QCOMPARE(int(pruned.loginEvents), 0xBEEF);
        QCOMPARE(int(pruned.gsmEvents), 0xBEEF);
        QCOMPARE(int(pruned.transmittedEvent), 0x1234);
        QVERIFY(!(pruned.systemEvents & (1u << 9)));
        QVERIFY(pruned.systemEvents & (1u << 11));

        // A disabled main channel keeps every bit.
        DirectionSettings open(nullptr);
        open.updateSettings(0, withTypes(0, 4, 4));
        open.setDataPointer(0);
        eventFilter_t all = open.eventFilter();
        all.partitionEvents = ~quint64(0);
        open.setEventFilter(all);
        open.pruneEventFilter();
        QCOMPARE(open.eventFilter().partitionEvents, ~quint64(0));
    }

    // The write as the device receives it, through the real transport.
    void writeSendsTheSealedBlock()
    {
        Logger::registerMetaType();
        ProtocolFixture link;
        QVERIFY(link.activate());
        DirectionSettings settings(link.protocol.get());
        s_ExtMemDataGSMDirection record = SimDirections::direction(3);
        record.reserved = 0x11111111;
        record.end = 0x22222222;
        settings.updateSettings(3, record);
        settings.setDataPointer(3);
        settings.writeToDevice();
        QTRY_COMPARE(link.communicator.commandsOf(0x7C).size(), 1);
        const QByteArray command = link.communicator.commandsOf(0x7C).constFirst();
        QCOMPARE(command.size(), 3 + 1544);
        QCOMPARE(command.mid(1, 2), QByteArray::fromHex("0300"));
        const QByteArray payload = command.mid(3);
        QCOMPARE(payload.mid(68, 4), QByteArray(4, '\0'));
        QCOMPARE(payload.mid(992, 4), QByteArray(4, '\0'));
        QCOMPARE(payload.mid(1530, 2), QByteArray::fromHex("0101"));
        const quint32 crc = crc32Stm(payload.constData(), 1532);
        QCOMPARE(payload.mid(1532, 4), QByteArray(reinterpret_cast<const char *>(&crc), 4));
        QCOMPARE(payload.mid(1536, 8), QByteArray(8, '\0'));
        // The device took it as it is.
        QTRY_COMPARE(link.communicator.record(0x31, 3), payload.left(1536));

        // An imported version-2 file marks its writes, and the next save once more.
        DirectionSettings source(nullptr);
        source.updateSettings(3, SimDirections::direction(3));
        QVERIFY(settings.fromJson(source.toJson(), 2));
        settings.writeToDevice();
        settings.writeToDevice();
        QTRY_COMPARE(link.communicator.commandsOf(0x7C).size(), 4);
        QList<char> flags;
        for (const QByteArray &write : link.communicator.commandsOf(0x7C))
            flags.append(write.at(3 + 1536));
        QCOMPARE(flags, (QList<char>{0, 1, 1, 0}));
    }
};

QTEST_MAIN(TestDirectionSettings)
#include "test_direction_settings.moc"
