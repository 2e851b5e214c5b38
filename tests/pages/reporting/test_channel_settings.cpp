#include "pages/reporting/ChannelSettings.h"

#include <QTest>
#include <cstring>

namespace {
s_channelGSMsett emptyChannel(quint8 type)
{
    s_channelGSMsett block;
    std::memset(&block, 0, sizeof(block));
    block.type = type;
    return block;
}

QByteArray bytes(const void *data, int size)
{
    return QByteArray(static_cast<const char *>(data), size);
}
} // namespace

class TestChannelSettings : public QObject
{
    Q_OBJECT

private slots:
    void typedPhone_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<quint64>("stored");
        QTest::addColumn<QString>("shown");

        QTest::newRow("national 8")
            << 1 << "89161234567" << true << quint64(79161234567ULL) << "+79161234567";
        QTest::newRow("international 7")
            << 1 << "+79161234567" << true << quint64(79161234567ULL) << "+79161234567";
        QTest::newRow("service number") << 3 << "112" << true << quint64(112) << "112";
        QTest::newRow("China keeps its 86")
            << 3 << "+8613912345678" << true << quint64(8613912345678ULL) << "+8613912345678";
        QTest::newRow("short 8 number") << 2 << "8800" << true << quint64(8800) << "+8800";
        QTest::newRow("blank inside") << 1 << "+7 000" << false << quint64(0) << "";
        QTest::newRow("empty is none") << 1 << "" << true << quint64(0) << "";
        QTest::newRow("leading blank") << 1 << " 79161234567" << false << quint64(0) << "";
    }
    // The national form becomes international; every other number is kept as typed.
    void typedPhone()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        s_channelGSMsett block = emptyChannel(quint8(type));
        ChannelSettings channel(&block);
        QFETCH(bool, accepted);
        QCOMPARE(channel.setPhoneNumber(typed), accepted);
        QFETCH(quint64, stored);
        QCOMPARE(channel.phoneNumberValue(quint8(type)), stored);
        QFETCH(QString, shown);
        QCOMPARE(channel.phoneNumber(quint8(type)), shown);
        QCOMPARE(channel.hasPhoneNumber(), !shown.isEmpty());
        // Each type has its own slot; the others stay empty.
        for (quint8 other : {1, 2, 3, 7})
            if (other != type)
                QCOMPARE(channel.phoneNumberValue(other), quint64(0));
    }

    void phoneOfTypeWithoutSlot()
    {
        s_channelGSMsett block = emptyChannel(4);
        const QByteArray before = bytes(&block, sizeof(block));
        ChannelSettings channel(&block);
        QVERIFY(channel.setPhoneNumberValue(79161234567ULL));
        QCOMPARE(bytes(&block, sizeof(block)), before);
        QCOMPARE(channel.phoneNumber(4), QString());
    }

    void address_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("hostName");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("fileText");

        QTest::newRow("IPv4") << "10.0.0.5" << QByteArray::fromHex("0a000005") << false
                              << "10.0.0.5"
                              << "10.0.0.5";
        QTest::newRow("IPv4 with slashes")
            << "//192.168.1.20" << QByteArray::fromHex("c0a80114") << false << "192.168.1.20"
            << "192.168.1.20";
        QTest::newRow("looks like IPv4, out of range")
            << "300.1.1.1" << QByteArray(4, '\0') << false << "0.0.0.0"
            << "0.0.0.0";
        QTest::newRow("host name holding an address")
            << "rx10.0.0.5.example.com" << QByteArray("rx10.0.0.5.example.com") << true
            << "rx10.0.0.5.example.com"
            << "rx10.0.0.5.example.com:3061";
        QTest::newRow("Cyrillic host name")
            << "пульт.рф" << QStringLiteral("пульт.рф").toUtf8() << true << "пульт.рф"
            << "пульт.рф:3061";
        QTest::newRow("32 characters fill the field")
            << "abcdefghijklmnopqrstuvwxyz012345" << QByteArray("abcdefghijklmnopqrstuvwxyz012345")
            << true << "abcdefghijklmnopqrstuvwxyz012345"
            << "abcdefghijklmnopqrstuvwxyz012345:3061";
    }
    // Only a text that is an IPv4 address as a whole is stored as one; names read back
    // as they were written, so a port edit writes them back unchanged.
    void address()
    {
        QFETCH(QString, typed);
        s_channelGSMsett block = emptyChannel(4);
        std::memset(block.dc09.address, 0x55, sizeof(block.dc09.address));
        ChannelSettings channel(&block);
        channel.setHost(typed, 3061);
        QFETCH(QByteArray, field);
        QByteArray expected = field.left(32);
        expected.append(QByteArray(32 - expected.size(), '\0'));
        QCOMPARE(bytes(block.dc09.address, 32), expected);
        QFETCH(bool, hostName);
        QCOMPARE(channel.useDns(), hostName);
        QCOMPARE(int(block.dc09.port), 3061);
        QFETCH(QString, shown);
        QCOMPARE(channel.host(), shown);
        QFETCH(QString, fileText);
        QCOMPARE(channel.hostText(), fileText);
        QCOMPARE(channel.hostUrl().port(), hostName ? 3061 : -1);

        channel.setHost(channel.host(), 5000);
        QCOMPARE(bytes(block.dc09.address, 32), expected);
        QCOMPARE(channel.host(), shown);
    }

    void testTimes()
    {
        s_channelGSMsett block = emptyChannel(1);
        ChannelSettings channel(&block);
        channel.setTestTimes({QTime(8, 30, 59), QTime(20, 0)});
        QCOMPARE(channel.testTimeMinutes(), (QList<quint16>{510, 1200}));
        quint16 slotsHeld[8];
        std::memcpy(slotsHeld, block.test.times, sizeof(slotsHeld));
        for (int slot = 2; slot < 8; ++slot)
            QCOMPARE(int(slotsHeld[slot]), 0xFFFF);
        QList<QTime> nine;
        for (int hour = 0; hour < 9; ++hour)
            nine.append(QTime(hour, 0));
        channel.setTestTimes(nine);
        QCOMPARE(channel.testTimes(), nine.mid(0, 8));

        channel.setTestInterval(QTime(1, 30));
        QCOMPARE(block.test.interval, quint32(5400));
        block.test.interval = 86400;
        QVERIFY(!channel.testInterval().isValid());
        channel.setTimeoutOnError(QTime());
        QCOMPARE(block.timeoutOnError, quint32(0));
    }

    void smsOptionsOnlyForUserSms()
    {
        s_channelGSMsett block = emptyChannel(3);
        ChannelSettings channel(&block);
        QVERIFY(!channel.setSendDate(true));
        QVERIFY(!channel.setLanguage(true));
        QCOMPARE(int(block.userSms.options), 0);
        block.type = 1;
        QVERIFY(channel.setSendDate(true));
        QVERIFY(channel.setLanguage(true));
        QCOMPARE(int(block.userSms.options), 0x05);
        QVERIFY(channel.setLanguage(false));
        QCOMPARE(int(block.userSms.options), 0x04);
    }

    void dialAttemptsByType()
    {
        s_channelGSMsett block = emptyChannel(3);
        ChannelSettings channel(&block);
        channel.setDialAttempts(300);
        QCOMPARE(int(block.call.dialAttempts), 300);
        block.type = 7;
        channel.setDialAttempts(5);
        QCOMPARE(int(block.voice.dialAttempts), 5);
        block.type = 1;
        QVERIFY(channel.setDialAttempts(9));
        QCOMPARE(channel.dialAttempts(), 0);
        QCOMPARE(int(block.call.dialAttempts), 300);
    }

    void keyIsFittedTo16Bytes()
    {
        s_channelGSMsett block = emptyChannel(4);
        std::memset(block.dc09.key, 0x77, 16);
        ChannelSettings channel(&block);
        channel.setEncryptionKey(QByteArray::fromHex("00112233445566778899"));
        QCOMPARE(channel.encryptionKey(), QByteArray::fromHex("00112233445566778899000000000000"));
        channel.setEncryptionKey(QByteArray(20, '\x01'));
        QCOMPARE(channel.encryptionKey(), QByteArray(16, '\x01'));
        QCOMPARE(int(block.dc09.linkChannel), 0);
    }
};

QTEST_GUILESS_MAIN(TestChannelSettings)
#include "test_channel_settings.moc"
