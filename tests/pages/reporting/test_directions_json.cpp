#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/reporting/DirectionSettings.h"
#include "sim/SimDirections.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

namespace {
template <typename T> void clear(T &field)
{
    std::memset(&field, 0, sizeof(field));
}

// The block as the file carries it: every byte the file does not hold is zero.
s_ExtMemDataGSMDirection carriedOnly(s_ExtMemDataGSMDirection record)
{
    clear(record.unused996);
    clear(record.reserved);
    clear(record.end);
    eventFilter_t &filter = record.settings.filter;
    clear(filter.unused16);
    clear(filter.unused60);
    clear(filter.unused86);
    for (s_channelGSMsett &channel : record.settings.channels) {
        s_channelGSMsett kept;
        clear(kept);
        kept.type = channel.type;
        kept.channelUserId = channel.channelUserId;
        kept.timeoutOnError = channel.timeoutOnError;
        std::memcpy(kept.test.times, channel.test.times, sizeof(kept.test.times));
        kept.test.weekDays = channel.test.weekDays;
        kept.test.interval = channel.test.interval;
        kept.test.testType = channel.test.testType;
        kept.test.testWhen = channel.test.testWhen;
        kept.test.options = channel.test.options & 0x01;
        kept.test.periodMode = channel.test.periodMode;
        switch (channel.type) {
        case 1:
            kept.userSms.phone = channel.userSms.phone;
            kept.userSms.options = channel.userSms.options & 0x07;
            break;
        case 2:
            kept.quenor.phone = channel.quenor.phone;
            break;
        case 3:
            kept.call.phone = channel.call.phone;
            kept.call.dialAttempts = channel.call.dialAttempts;
            break;
        case 4:
        case 5:
            std::memcpy(kept.dc09.address, channel.dc09.address, sizeof(kept.dc09.address));
            kept.dc09.receiver = channel.dc09.receiver;
            kept.dc09.linkChannel = channel.dc09.linkChannel;
            kept.dc09.sendAttempts = channel.dc09.sendAttempts;
            kept.dc09.port = channel.dc09.port;
            kept.dc09.answerTimeout = channel.dc09.answerTimeout;
            kept.dc09.options = channel.dc09.options & 0x0F;
            if (channel.type == 4)
                std::memcpy(kept.dc09.key, channel.dc09.key, sizeof(kept.dc09.key));
            break;
        default:
            break;
        }
        channel = kept;
    }
    record.compatibleVersion = 1;
    record.criticalVersion = 1;
    record.crc32 = crc32Stm(&record, 1532);
    return record;
}

QByteArray bytes(const s_ExtMemDataGSMDirection &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

DirectionSettings::Table largeConfiguration()
{
    DirectionSettings::Table table;
    for (int i = 0; i < SimDirections::Count; ++i)
        table.insert(i, SimDirections::direction(i));
    return table;
}

QJsonObject firstDirection(const QJsonValue &section)
{
    return section.toArray().first().toObject();
}

QJsonObject channelSettings(const QJsonObject &direction, int channel)
{
    return direction["sett"]["channelGSM"].toArray().at(channel)["settings"].toObject();
}

QJsonValue withChannelSettings(QJsonObject direction, int channel, const QJsonObject &settings)
{
    QJsonObject sett = direction["sett"].toObject();
    QJsonArray channels = sett["channelGSM"].toArray();
    QJsonObject object = channels.at(channel).toObject();
    object["settings"] = settings;
    channels[channel] = object;
    sett["channelGSM"] = channels;
    direction["sett"] = sett;
    return direction;
}
} // namespace

class TestDirectionsJson : public QObject
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

    // Bytes the file does not carry come back as zero: the unnamed bytes, the filter's
    // gaps, the parameters of the other channel types and the task type.
    void largeConfigurationRoundTrip()
    {
        DirectionSettings written(nullptr);
        written.setDirections(largeConfiguration());
        const QJsonValue section = written.toJson();
        QCOMPARE(section.toArray().size(), 11);
        QCOMPARE(section.toArray().at(10)["id"].toInt(), 10);
        QCOMPARE(section.toArray().at(9)["directionName"].toString(),
                 QStringLiteral("Direction #10"));
        QCOMPARE(channelSettings(section.toArray().at(1).toObject(), 0)["hostname"].toString(),
                 QStringLiteral("cms.shield-security.net:5001"));

        DirectionSettings read(nullptr);
        QSignalSpy updated(&read, &DirectionSettings::settingsUpdated);
        QVERIFY(read.fromJson(section, 2));
        QCOMPARE(updated.count(), 11);
        for (int i = 0; i < SimDirections::Count; ++i) {
            s_ExtMemDataGSMDirection expected = carriedOnly(SimDirections::direction(i));
            if (i == 9) // written under its default name
                DirectionSettings::putName(expected, QStringLiteral("Direction #10"));
            expected.crc32 = crc32Stm(&expected, 1532);
            QCOMPARE(bytes(read.directions().value(i)), bytes(expected));
        }
    }

    void emptyAndNonArraySections()
    {
        DirectionSettings settings(nullptr);
        settings.setDirections(largeConfiguration());
        QSignalSpy started(&settings, &DirectionSettings::loadingStarted);
        QVERIFY(!settings.fromJson(QJsonArray(), 2));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not an array"));
        QVERIFY(settings.fromJson(QJsonObject{{"id", 1}}, 2));
        QVERIFY(!settings.fromJson(QJsonObject{{"index", 1}}, 1));
        QCOMPARE(started.count(), 0);
        QCOMPARE(settings.directions().size(), 11);
        QCOMPARE(settings.writeFlag(), quint8(0));
    }

    // Directions 0, 1 and 5: each keeps its channels and is written.
    void sparseIndexes()
    {
        DirectionSettings written(nullptr);
        for (int i : {0, 1, 5})
            written.updateSettings(quint8(i), SimDirections::direction(i));
        const QJsonArray section = written.toJson().toArray();
        QCOMPARE(section.size(), 3);
        QCOMPARE(section.at(2)["id"].toInt(), 5);

        DirectionSettings read(nullptr);
        QSignalSpy updated(&read, &DirectionSettings::settingsUpdated);
        QVERIFY(read.fromJson(section, 2));
        QCOMPARE(updated.count(), 3);
        QCOMPARE(updated.at(2).at(0).toInt(), 5);
        QCOMPARE(int(read.directions().value(5).settings.channels[0].type), 4);
        QCOMPARE(DirectionSettings::nameOf(read.directions().value(5)),
                 SimDirections::directionName(5));
    }

    // The form edits the current record: after an import it is the current index's block.
    void currentRecordFollowsTheImport()
    {
        DirectionSettings settings(nullptr);
        settings.setDirections(largeConfiguration());
        settings.setDataPointer(2);
        DirectionSettings other(nullptr);
        other.setDirections(largeConfiguration());
        QVERIFY(settings.fromJson(other.toJson(), 2));
        QCOMPARE(int(settings.currentIndex()), 10);
        QCOMPARE(bytes(settings.currentRecord()), bytes(settings.directions().value(10)));
        QCOMPARE(settings.currentName(), SimDirections::directionName(10));
    }

    void dialAttemptsKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("as written") << "numberDialAttemptsCALL";
        QTest::newRow("older files") << "numberDialAttempts";
    }
    void dialAttemptsKeys()
    {
        DirectionSettings written(nullptr);
        written.updateSettings(0, SimDirections::direction(4)); // phone call, 3 attempts
        QJsonObject direction = firstDirection(written.toJson());
        QJsonObject settings = channelSettings(direction, 0);
        QCOMPARE(settings["numberDialAttemptsCALL"].toInt(), 3);
        settings.remove("numberDialAttemptsCALL");
        QFETCH(QString, key);
        settings[key] = 7;
        DirectionSettings read(nullptr);
        QVERIFY(read.fromJson(QJsonArray{withChannelSettings(direction, 0, settings)}, 2));
        QCOMPARE(int(read.directions().value(0).settings.channels[0].call.dialAttempts), 7);
    }

    void hostile_data()
    {
        QTest::addColumn<QJsonValue>("direction");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");

        DirectionSettings source(nullptr);
        source.setDirections(largeConfiguration());
        const QJsonArray all = source.toJson().toArray();
        auto edited = [&](int index, const std::function<void(QJsonObject &)> &edit) {
            QJsonObject direction = all.at(index).toObject();
            edit(direction);
            return QJsonValue(direction);
        };
        auto setting = [&](int index, int channel, const char *key, const QJsonValue &value) {
            QJsonObject direction = all.at(index).toObject();
            QJsonObject settings = channelSettings(direction, channel);
            settings[key] = value;
            return withChannelSettings(direction, channel, settings);
        };
        QTest::newRow("port 70000") << setting(0, 0, "port", 70000) << 0 << "port";
        QTest::newRow("negative port") << setting(1, 0, "port", -1) << 1 << "port";
        QTest::newRow("port as text") << setting(1, 0, "port", "3061") << 1 << "port";
        QTest::newRow("host name as number") << setting(1, 0, "hostname", 12) << 1 << "hostname";
        QTest::newRow("user 300") << edited(2, [](QJsonObject &d) {
            QJsonObject sett = d["sett"].toObject();
            QJsonArray channels = sett["channelGSM"].toArray();
            QJsonObject main = channels.at(0).toObject();
            main["channelUserId"] = 300;
            channels[0] = main;
            sett["channelGSM"] = channels;
            d["sett"] = sett;
        }) << 2 << "channelUserId";
        QTest::newRow("type 9") << edited(3, [](QJsonObject &d) {
            QJsonObject sett = d["sett"].toObject();
            QJsonArray channels = sett["channelGSM"].toArray();
            QJsonObject main = channels.at(0).toObject();
            main["channelType"] = 9;
            channels[0] = main;
            sett["channelGSM"] = channels;
            d["sett"] = sett;
        }) << 3 << "channelType";
        QTest::newRow("no settings") << edited(4, [](QJsonObject &d) {
            QJsonObject sett = d["sett"].toObject();
            QJsonArray channels = sett["channelGSM"].toArray();
            QJsonObject reserve = channels.at(1).toObject();
            reserve.remove("settings");
            channels[1] = reserve;
            sett["channelGSM"] = channels;
            d["sett"] = sett;
        }) << 4 << "settings";
        QTest::newRow("no channels")
            << edited(5, [](QJsonObject &d) { d.remove("sett"); }) << 5 << "channelGSM";
        QTest::newRow("huge mask") << edited(7, [](QJsonObject &d) {
            QJsonObject sett = d["sett"].toObject();
            QJsonObject filter = sett["filter"].toObject();
            filter["eventFilterOutMask"] = 1e30;
            sett["filter"] = filter;
            d["sett"] = sett;
        }) << 7 << "eventFilterOutMask";
        QTest::newRow("name as number")
            << edited(8, [](QJsonObject &d) { d["directionName"] = 5; }) << 8 << "directionName";
        QTest::newRow("index 300") << edited(0, [](QJsonObject &d) { d["id"] = 300; }) << -1 << "";
        QTest::newRow("index 11") << edited(0, [](QJsonObject &d) { d["id"] = 11; }) << -1 << "";
    }
    // A refused direction keeps the block held before, is not written, and the import
    // reports the failure; the other directions are read.
    void hostile()
    {
        QFETCH(QJsonValue, direction);
        QFETCH(int, index);
        QFETCH(QString, key);
        DirectionSettings settings(nullptr);
        DirectionSettings::Table held = largeConfiguration();
        for (auto it = held.begin(); it != held.end(); ++it)
            std::memset(it->unused996, 0x5A, 8); // marks what the import must not touch
        settings.setDirections(held);
        QSignalSpy updated(&settings, &DirectionSettings::settingsUpdated);
        if (index >= 0)
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression(
                    QStringLiteral("direction %1: value of \"%2\"").arg(index).arg(key)));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("direction index .* refused"));
        DirectionSettings one(nullptr);
        one.updateSettings(6, SimDirections::direction(6));
        const QJsonValue good = one.toJson().toArray().first();
        QVERIFY(!settings.fromJson(QJsonArray{direction, good}, 2));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.first().at(0).toInt(), 6);
        for (int i = 0; i < SimDirections::Count; ++i)
            if (i != 6)
                QCOMPARE(bytes(settings.directions().value(i)), bytes(held.value(i)));
    }

    void longNameIsCutBetweenLetters()
    {
        DirectionSettings source(nullptr);
        source.updateSettings(0, SimDirections::direction(0));
        QJsonObject direction = firstDirection(source.toJson());
        direction["directionName"] = QString(50, QChar(0x0416)); // 100 bytes
        DirectionSettings read(nullptr);
        QVERIFY(read.fromJson(QJsonArray{direction}, 2));
        QCOMPARE(DirectionSettings::nameOf(read.directions().value(0)), QString(31, QChar(0x0416)));
    }

    void versionOneFile()
    {
        const QJsonObject sms{{"channelType", 1},
                              {"userId", 2},
                              {"phoneNumber", "89161234567"},
                              {"userSmsEnSendEventTime", 1},
                              {"userSmsEnSendEventDate", 0},
                              {"timeoutOnError", 90000},
                              {"testingEnable", 1},
                              {"testWhen", 5},
                              {"testingType", 1},
                              {"testMode", 1},
                              {"testingInterval", 3600},
                              {"testScheduleDays", 0x11},
                              {"testScheduleTimes", "08:00,20:00"},
                              {"lang", 1}};
        const QJsonObject dc09{
            {"channelType", 4},         {"testingEnable", 0},
            {"testingType", 3},         {"testScheduleTimes", "10:00"},
            {"url", "//10.0.0.5:5000"}, {"dc09ConnType", 2},
            {"dc09SendAttempts", 4},    {"dc09Timeout", 25},
            {"dc09Encrypt", true},      {"dc09EncryptionKey", "00112233445566778899aabbccddeeff"}};
        const QJsonObject direction{{"index", 3},
                                    {"title", "Пульт"},
                                    {"version", 1},
                                    {"channels", QJsonArray{sms, dc09}},
                                    {"eventFilterPartitionEventMask", "4398046511103"},
                                    {"eventFilterZoneEventMask", "12"},
                                    {"eventFilterPartitions", 131074},
                                    {"eventFilterPowerMask", 6}};
        DirectionSettings settings(nullptr);
        QVERIFY(settings.fromJson(QJsonArray{direction}, 1));
        QCOMPARE(settings.writeFlag(), quint8(0));
        const s_ExtMemDataGSMDirection record = settings.directions().value(3);
        QCOMPARE(DirectionSettings::nameOf(record), QStringLiteral("Пульт"));
        QCOMPARE(record.settings.filter.partitionEvents, quint64(4398046511103ULL));
        QCOMPARE(record.settings.filter.zoneEvents, quint64(12));
        QCOMPARE(record.settings.filter.partitions, quint32(131074));
        const s_channelGSMsett &first = record.settings.channels[0];
        QCOMPARE(first.userSms.phone, quint64(79161234567ULL));
        QCOMPARE(int(first.channelUserId), 2);
        QCOMPARE(int(first.userSms.options), 0x03);
        QCOMPARE(first.timeoutOnError, quint32(3600));
        s_channelGSMsett firstCopy = first;
        QCOMPARE(ChannelSettings(&firstCopy).testTimeMinutes(), (QList<quint16>{480, 1200}));
        QCOMPARE(int(first.test.testWhen), 1);
        QCOMPARE(int(first.test.weekDays), 0x11);
        const s_channelGSMsett &second = record.settings.channels[1];
        QCOMPARE(int(second.test.testType), 0); // testing off: the test keys are not read
        QCOMPARE(int(second.test.weekDays), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(second.dc09.address), 4),
                 QByteArray::fromHex("0a000005"));
        QCOMPARE(int(second.dc09.port), 5000);
        QCOMPARE(int(second.dc09.linkChannel), 2);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(second.dc09.key), 16),
                 QByteArray::fromHex("00112233445566778899aabbccddeeff"));
        const s_channelGSMsett &third = record.settings.channels[2];
        QCOMPARE(int(third.channelUserId), 255);
        QCOMPARE(int(third.dc09.port), 1);
    }
};

QTEST_MAIN(TestDirectionsJson)
#include "test_directions_json.moc"
