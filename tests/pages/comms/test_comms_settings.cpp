#include "CommsLink.h"

#include "link/Protocol.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/WirelessSettings.h"
#include "sim/LogCapture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <memory>

namespace {
constexpr int DeviceTimeout = 30000;

QByteArray patternBlock(int size, int seed)
{
    QByteArray block(size, '\0');
    for (int i = 0; i < size; ++i)
        block[i] = char((i * 7 + seed) & 0xFF);
    return block;
}

QJsonObject jsonObject(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}
} // namespace

// The three communication settings objects: their blocks as the device receives them,
// their accessors and their configuration-file sections.
class TestCommsSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProtocolLink> m_link;
    std::unique_ptr<LogCapture> m_log;

    Protocol *protocol() { return m_link->protocol(); }
    SimCommunicator &device() { return m_link->communicator(); }

    // Writes the object and waits until the device has stored the block it sent.
    template <typename Object> QByteArray written(Object &object, quint8 readOperation)
    {
        device().setRecord(readOperation, 0, QByteArray());
        object.writeToDevice();
        if (!QTest::qWaitFor([&] { return !device().record(readOperation, 0).isEmpty(); },
                             DeviceTimeout))
            return QByteArray();
        return device().record(readOperation, 0);
    }

private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        m_link = std::make_unique<ProtocolLink>();
        QVERIFY(m_link->connect());
    }

    void cleanupTestCase() { m_link.reset(); }

    void init() { m_log = std::make_unique<LogCapture>(); }

    void cleanup() { m_log.reset(); }

    // ---- radio channel ----

    void wirelessWriteClearsReservedBytesAndSeals()
    {
        WirelessSettings settings(nullptr);
        const QByteArray received = patternBlock(256, 3);
        settings.settings(recordOf<s_ExtMemDataWireless>(received));
        WirelessSettings sender(protocol());
        sender.settings(recordOf<s_ExtMemDataWireless>(received));
        const QByteArray block = written(sender, 0x2C);
        QCOMPARE(block.size(), 256);
        QVERIFY(crcIsValid(block));
        for (int i : {0, 31, 38, 53, 56, 75})
            QCOMPARE(quint8(block[i]), quint8(0));
        QCOMPARE(quint8(block[54]), quint8(received[54] & 0xC1));
        QCOMPARE(block.mid(76, 174), received.mid(76, 174));
        QCOMPARE(block.mid(32, 4), received.mid(32, 4));
        QCOMPARE(quint8(block[250]), quint8(1));
        QCOMPARE(quint8(block[251]), quint8(1));
        // The object keeps what it sent.
        QCOMPARE(bytesOf(sender.data()), block);
    }

    void wirelessChannelOutsideTheDeviceReadsAsZero_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("byteAfter");
        QTest::newRow("9") << 9 << 9 << 9;
        QTest::newRow("10") << 10 << 0 << 0;
        QTest::newRow("12 with auto change") << (0x80 | 12) << 0 << 0x80;
        QTest::newRow("3 with auto change") << (0x80 | 3) << 3 << (0x80 | 3);
    }

    void wirelessChannelOutsideTheDeviceReadsAsZero()
    {
        QFETCH(int, stored);
        QFETCH(int, channel);
        QFETCH(int, byteAfter);
        WirelessSettings settings(nullptr);
        QByteArray block(256, '\0');
        block[32] = char(stored);
        settings.settings(recordOf<s_ExtMemDataWireless>(block));
        QCOMPARE(int(settings.channel()), channel);
        QCOMPARE(int(bytesOf(settings.data()).at(32) & 0xFF), byteAfter);
        settings.setChannel(quint8(stored & 0x7F));
        QCOMPARE(int(settings.channel()), channel);
    }

    void wirelessNewBlockAsksForTheStatusOnce()
    {
        // Answers to earlier writes must not reach this object: wait for a later answer.
        protocol()->readGSMStatus();
        QTRY_VERIFY_WITH_TIMEOUT(m_log->contains(QStringLiteral("Error while operation 0x14")),
                                 DeviceTimeout);
        WirelessSettings settings(protocol());
        device().clearCommands();
        emit protocol()->wirelessData(recordOf<s_ExtMemDataWireless>(patternBlock(256, 1)));
        protocol()->readGSMStatus();
        QTRY_VERIFY_WITH_TIMEOUT(!device().commandsOf(0x14).isEmpty(), DeviceTimeout);
        QCOMPARE(device().commandsOf(0x0D).size(), 1);
        QCOMPARE(device().commands().size(), 2);
    }

    void wirelessSectionRoundTrip()
    {
        WirelessSettings source(nullptr);
        source.setChannel(6);
        source.setAutoSwitch(true);
        source.setChannelGroup(2);
        source.setConfigEnableTime(600);
        source.setConnectionInterval(90);
        source.setUseBestChannel(true);
        source.setBestChannel(255);
        const QJsonObject section = source.toJson().toObject();
        QCOMPARE(section.value("bestChannel").toInt(), 255);
        QCOMPARE(section.value("ChannelAutoSwitch").toInt(), 1);
        WirelessSettings copy(protocol());
        QVERIFY(
            copy.fromJson(QJsonDocument::fromJson(QJsonDocument(section).toJson()).object(), 2));
        QTRY_VERIFY_WITH_TIMEOUT(!lastPayload(device(), 0x76).isEmpty(), DeviceTimeout);
        const QByteArray a = bytesOf(source.data());
        const QByteArray b = bytesOf(copy.data());
        QCOMPARE(b.mid(32, 6), a.mid(32, 6));
        QCOMPARE(b.at(54) & 1, a.at(54) & 1);
        QCOMPARE(b.at(55), a.at(55));
    }

    void wirelessVersion1Fixture()
    {
        WirelessSettings settings(nullptr);
        settings.setChannelGroup(3);
        settings.setBestChannel(6);
        settings.setAutoSwitch(true);
        QVERIFY(settings.fromJson(
            jsonObject(R"({"configTime": 300, "wirelessChannel": 7, "workInterval": 120,
                           "useBestChannel": 1, "ChannelsGroup": 1, "bestChannel": 2})"),
            1));
        QCOMPARE(int(settings.configEnableTime()), 300);
        QCOMPARE(int(settings.channel()), 7);
        QCOMPARE(int(settings.connectionInterval()), 120);
        QCOMPARE(settings.useBestChannel(), 1);
        // Not carried by the older format.
        QCOMPARE(int(settings.channelGroup()), 3);
        QCOMPARE(int(settings.bestChannel()), 6);
        QVERIFY(settings.autoSwitch());
    }

    // Values that do not fit are clamped or refused with a warning, never wrapped.
    void wirelessFileValuesThatDoNotFit_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("enableTime");
        QTest::addColumn<int>("interval");
        QTest::newRow("interval 70000")
            << QByteArray(R"({"CC430Channel":2,"ChannelsGroup":0,"ConnectionIntervalSec":70000,
                             "ConfigEnableTimeSec":120})")
            << 2 << 2 << 0 << 120 << 65535;
        QTest::newRow("negative enable time")
            << QByteArray(R"({"CC430Channel":2,"ChannelsGroup":0,"ConfigEnableTimeSec":-5,
                             "ConnectionIntervalSec":60})")
            << 2 << 2 << 0 << 0 << 60;
        QTest::newRow("channel 12")
            << QByteArray(R"({"CC430Channel":12,"ChannelsGroup":1,"ConfigEnableTimeSec":60,
                             "ConnectionIntervalSec":60})")
            << 2 << 4 << 1 << 60 << 60;
        QTest::newRow("group 4")
            << QByteArray(R"({"CC430Channel":1,"ChannelsGroup":4,"ConfigEnableTimeSec":60,
                             "ConnectionIntervalSec":60})")
            << 2 << 1 << 2 << 60 << 60;
        QTest::newRow("old channel 10")
            << QByteArray(R"({"wirelessChannel":10,"configTime":90,"workInterval":100000})") << 1
            << 4 << 2 << 90 << 65535;
    }

    void wirelessFileValuesThatDoNotFit()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, version);
        QFETCH(int, channel);
        QFETCH(int, group);
        QFETCH(int, enableTime);
        QFETCH(int, interval);
        WirelessSettings settings(nullptr);
        settings.setChannel(4);
        settings.setChannelGroup(2);
        QVERIFY(settings.fromJson(QJsonDocument::fromJson(section).object(), version));
        QCOMPARE(int(settings.channel()), channel);
        QCOMPARE(int(settings.channelGroup()), group);
        QCOMPARE(int(settings.configEnableTime()), enableTime);
        QCOMPARE(int(settings.connectionInterval()), interval);
        QCoreApplication::processEvents(); // the log arrives queued
        QVERIFY(m_log->count(QStringLiteral("[W]")) >= 1);
    }

    // ---- Ethernet ----

    void macTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("mixed case") << "00:1a:2B:3c:4D:5e"
                                    << "00:1a:2b:3c:4d:5e";
        QTest::newRow("single digits") << "1:2:3:a:b:c"
                                       << "01:02:03:0a:0b:0c";
        QTest::newRow("trailing blank") << "00:1a:2B:3c:4D:5e "
                                        << "00:00:00:00:00:00";
        QTest::newRow("five numbers") << "00:1a:2B:3c:4D"
                                      << "00:00:00:00:00:00";
        QTest::newRow("three digits") << "100:1a:2B:3c:4D:5e"
                                      << "00:00:00:00:00:00";
        QTest::newRow("empty keeps") << ""
                                     << "11:22:33:44:55:66";
    }

    void macTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        EthernetSettings settings(nullptr);
        settings.setMacAddress(QStringLiteral("11:22:33:44:55:66"));
        settings.setMacAddress(text);
        QCOMPARE(settings.macAddress(), stored);
    }

    void ipv6Texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first of equal runs") << "1:0:0:2:0:0:3:4" << true << "1::2:0:0:3:4";
        QTest::newRow("single zero group") << "1:0:2:3:4:5:6:7" << true << "1:0:2:3:4:5:6:7";
        QTest::newRow("all zero") << "::" << true << "::";
        QTest::newRow("trailing gap") << "1::" << true << "1::";
        QTest::newRow("leading gap") << "::1" << true << "::1";
        QTest::newRow("gap of one group at the end")
            << "1:2:3:4:5:6:7::" << true << "1:2:3:4:5:6:7:0";
        QTest::newRow("gap before the last") << "1:2:3:4:5:6::7" << true << "1:2:3:4:5:6:0:7";
        QTest::newRow("link local") << "FE80::0001" << true << "fe80::1";
        QTest::newRow("longest run wins") << "1:0:2:0:0:0:3:4" << true << "1:0:2::3:4";
        QTest::newRow("three groups") << "1:2:3" << false << "::";
        QTest::newRow("nine groups") << "1:2:3:4:5:6:7:8:9" << false << "::";
        QTest::newRow("group above ffff") << "10000::1" << false << "::";
        QTest::newRow("stray character") << "1:2:x3::4" << false << "::";
        QTest::newRow("two gaps") << "1::2::3" << false << "::";
        QTest::newRow("IPv4 text") << "10.0.0.1" << false << "::";
        QTest::newRow("zone") << "fe80::1%eth0" << false << "::";
        QTest::newRow("empty") << "" << false << "::";
    }

    void ipv6Texts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, shown);
        EthernetSettings settings(nullptr);
        settings.setIpv6GlobalAddress(QStringLiteral("2001:db8::7"));
        QCOMPARE(settings.setIpv6GlobalAddress(text), valid);
        QCOMPARE(EthernetSettings::isIpv6Text(text), valid);
        QCOMPARE(settings.ipv6GlobalAddress(), shown);
    }

    void ipv4Texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("address") << "192.168.1.20"
                                 << "192.168.1.20" << QByteArray::fromHex("c0a80114");
        QTest::newRow("zero") << "0.0.0.0"
                              << "0.0.0.0" << QByteArray(4, '\0');
        QTest::newRow("not an address") << "300.1.1.1"
                                        << "0.0.0.0" << QByteArray(4, '\0');
        QTest::newRow("empty") << ""
                               << "0.0.0.0" << QByteArray(4, '\0');
    }

    void ipv4Texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QByteArray, bytes);
        EthernetSettings settings(nullptr);
        settings.setSubnetMask(text);
        QCOMPARE(settings.subnetMask(), shown);
        QCOMPARE(bytesOf(settings.data()).mid(12, 4), bytes);
    }

    void ethernetWriteClearsReservedBytesAndSeals()
    {
        EthernetSettings settings(protocol());
        const QByteArray received = patternBlock(1024, 9);
        settings.settings(recordOf<s_ExtMemDataEth>(received));
        const QByteArray block = written(settings, 0x3D);
        QCOMPARE(block.size(), 1024);
        QVERIFY(crcIsValid(block));
        QCOMPARE(block.mid(258, 4), QByteArray(4, '\0'));
        QCOMPARE(block.mid(264, 4), QByteArray(4, '\0'));
        QCOMPARE(block.mid(0, 258), received.mid(0, 258));
        QCOMPARE(block.mid(268, 750), received.mid(268, 750));
        QCOMPARE(quint8(block[1018]), quint8(1));
        QCOMPARE(quint8(block[1019]), quint8(1));
    }

    // Texts are cut to their field without splitting a character.
    void ethernetTextFields_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        const QString latin40 = QString(40, QLatin1Char('h'));
        const QString cyrillic = QString(20, QChar(0x044F));
        QTest::newRow("host name of 40") << 0 << latin40 << latin40.left(32);
        QTest::newRow("host name in Cyrillic") << 0 << cyrillic << cyrillic.left(16);
        QTest::newRow("odd cut") << 0 << ("a" + cyrillic) << ("a" + cyrillic.left(15));
        QTest::newRow("network name") << 1 << ("a" + cyrillic) << ("a" + cyrillic.left(15));
        QTest::newRow("pass phrase")
            << 2 << ("b" + QString(40, QChar(0x044F))) << ("b" + QString(31, QChar(0x044F)));
        QTest::newRow("surrogate pair")
            << 0 << (QString(30, 'x') + QString::fromUtf8("😀")) << QString(30, 'x');
    }

    void ethernetTextFields()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        EthernetSettings settings(nullptr);
        QString shown;
        if (field == 0) {
            settings.setHostname(text);
            shown = settings.hostname();
        } else if (field == 1) {
            settings.setWifiName(text);
            shown = settings.wifiName();
        } else {
            settings.setWifiPassword(text);
            shown = settings.wifiPassword();
        }
        QCOMPARE(shown, stored);
    }

    void ethernetFlags_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("flags");
        QTest::newRow("v2 all") << QByteArray(R"({"dhcp_client_en":1,"dhcp_server_en":1,
            "dhcpv6_en":1,"slaac_en":1,"remote_dev":1,"dis_https":1,"data_save_mode":1})")
                                << 2 << 0xBF;
        QTest::newRow("v2 true is not a number") << QByteArray(R"({"remote_dev":true})") << 2 << 0;
        QTest::newRow("v1 all") << QByteArray(R"({"auto_dhcp":true,"use_as_server":true,
            "auto_dhcp_v6":true,"auto_slaac_v6":true,"remote_manage":true,"connect_http":true})")
                                << 1 << (0x3F | 0x80);
        QTest::newRow("v1 number is not a boolean")
            << QByteArray(R"({"auto_dhcp":1})") << 1 << 0x80;
    }

    void ethernetFlags()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, version);
        QFETCH(int, flags);
        EthernetSettings settings(nullptr);
        settings.setDataSaveMode(true); // bit 7: only version 2 carries it
        QVERIFY(settings.fromJson(QJsonDocument::fromJson(section).object(), version));
        QCOMPARE(int(quint8(bytesOf(settings.data()).at(160))), flags);
    }

    void ethernetSectionRoundTrip()
    {
        EthernetSettings source(nullptr);
        source.setHostname(QStringLiteral("korvelhall"));
        source.setLinkChannel(3);
        source.setIpv4Address(QStringLiteral("10.1.2.3"));
        source.setSubnetMask(QStringLiteral("255.255.255.0"));
        source.setDefaultGateway(QStringLiteral("10.1.2.1"));
        source.setPreferredDns(QStringLiteral("8.8.8.8"));
        source.setAlternativeDns(QStringLiteral("1.1.1.1"));
        source.setIpv6LocalAddress(QStringLiteral("fe80::1"));
        source.setIpv6GlobalAddress(QStringLiteral("2001:db8:0:1::20"));
        source.setIpv6PreferredDns(QStringLiteral("2001:4860:4860::8888"));
        source.setIpv6AlternativeDns(QStringLiteral("2606:4700:4700::1111"));
        source.setDhcpServer(true);
        source.setRemoteDev(true);
        source.setDataSaveMode(true);
        const QJsonObject section =
            QJsonDocument::fromJson(QJsonDocument(source.toJson().toObject()).toJson()).object();
        EthernetSettings copy(nullptr);
        QVERIFY(copy.fromJson(section, 2));
        const QByteArray a = bytesOf(source.data());
        const QByteArray b = bytesOf(copy.data());
        QCOMPARE(b.mid(8, 20), a.mid(8, 20));
        QCOMPARE(b.mid(28, 16), a.mid(28, 16));
        QCOMPARE(b.mid(60, 16), a.mid(60, 16));
        QCOMPARE(b.mid(92, 32), a.mid(92, 32));
        QCOMPARE(b.mid(126, 35), a.mid(126, 35));
    }

    void ethernetFileAddressesThatAreNotAddresses()
    {
        EthernetSettings settings(nullptr);
        QVERIFY(settings.fromJson(jsonObject(R"({"ipv6LocAddr":"fe80::zz",
            "ipv6GlobalAddr":"2001:db8::5", "dnsServerList":[{"dnsServerList":"9.9.9.9"}]})"),
                                  2));
        QCOMPARE(settings.ipv6LocalAddress(), QStringLiteral("::"));
        QCOMPARE(settings.ipv6GlobalAddress(), QStringLiteral("2001:db8::5"));
        QCoreApplication::processEvents(); // the log arrives queued
        QVERIFY(m_log->contains(QStringLiteral("fe80::zz")));
        // One DNS entry changes neither server.
        QCOMPARE(settings.preferredDns(), QStringLiteral("0.0.0.0"));
    }

    // ---- GSM ----

    void gsmWriteClearsReservedBitsAndBytes()
    {
        GSMSettings settings(protocol());
        QByteArray received = patternBlock(1024, 5);
        received[480] = char(0xFF);
        settings.settings(recordOf<s_ExtMemDataGSM>(received));
        const QByteArray block = written(settings, 0x2E);
        QCOMPARE(block.size(), 1024);
        QVERIFY(crcIsValid(block));
        QCOMPARE(quint8(block[480]), quint8(0xB7));
        QCOMPARE(block.mid(0, 8), QByteArray(8, '\0'));
        QCOMPARE(block.mid(476, 2), QByteArray(2, '\0'));
        QCOMPARE(quint8(block[481]), quint8(0));
        QCOMPARE(block.mid(512, 4), QByteArray(4, '\0'));
        QCOMPARE(block.mid(8, 468), received.mid(8, 468));
        QCOMPARE(block.mid(482, 30), received.mid(482, 30));
        QCOMPARE(block.mid(516, 502), received.mid(516, 502));
    }

    void gsmTextFits_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::newRow("APN of 50") << int(GSMSettings::Apn) << QString(50, 'a') << true;
        QTest::newRow("APN of 51") << int(GSMSettings::Apn) << QString(51, 'a') << false;
        QTest::newRow("25 Cyrillic letters")
            << int(GSMSettings::Apn) << QString(25, QChar(0x0431)) << true;
        QTest::newRow("17 numero signs")
            << int(GSMSettings::Password) << QString(17, QChar(0x2116)) << false;
        QTest::newRow("16 numero signs")
            << int(GSMSettings::Password) << QString(16, QChar(0x2116)) << true;
        QTest::newRow("PIN of 9") << int(GSMSettings::Pin) << QString(9, '1') << true;
        QTest::newRow("PIN of 10") << int(GSMSettings::Pin) << QString(10, '1') << false;
        QTest::newRow("USSD of 31") << int(GSMSettings::UssdRequest) << QString(31, '#') << true;
    }

    void gsmTextFits()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, fits);
        const auto simField = GSMSettings::SimField(field);
        GSMSettings settings(nullptr);
        settings.setSimText(1, simField, QStringLiteral("1234"));
        QCOMPARE(GSMSettings::fits(simField, text), fits);
        QCOMPARE(settings.setSimText(1, simField, text), fits);
        QCOMPARE(settings.simText(1, simField), fits ? text : QStringLiteral("1234"));
        QCOMPARE(settings.simText(0, simField), QString());
    }

    void gsmSectionRoundTrip()
    {
        GSMSettings source(nullptr);
        source.setGsmEnabled(true);
        source.setGprsEnabled(true);
        source.setReserveSim(true);
        source.setTransmitEnabled(true);
        source.setBalanceThreshold(-5);
        source.setSimText(0, GSMSettings::Apn, QStringLiteral("internet.op.ru"));
        source.setSimText(0, GSMSettings::Pin, QStringLiteral("1234"));
        source.setSimText(0, GSMSettings::UssdRequest, QStringLiteral("*100#"));
        source.setSimText(1, GSMSettings::Username, QStringLiteral("gdata"));
        source.setSimText(1, GSMSettings::Password, QStringLiteral("gd№1"));
        const QJsonObject section =
            QJsonDocument::fromJson(QJsonDocument(source.toJson().toObject()).toJson()).object();
        QCOMPARE(section.value("BalanceBelow").toInt(), -5);
        GSMSettings copy(nullptr);
        QVERIFY(copy.fromJson(section, 2));
        const QByteArray a = bytesOf(source.data());
        const QByteArray b = bytesOf(copy.data());
        QCOMPARE(b.mid(8, 468), a.mid(8, 468));
        QCOMPARE(b.mid(478, 3), a.mid(478, 3));
    }

    void gsmVersion1Fixture()
    {
        GSMSettings settings(nullptr);
        QVERIFY(settings.fromJson(jsonObject(R"({"Enable": true, "GPRS": true,
            "UseReserveSim": false, "RedirectUssd": true, "EnableTransmit": 1,
            "BalanceBelow": 30, "SIM": [{"APN": "a1", "UssdBalanceRequest": "*102#"},
                                        {"PIN": "4321"}]})"),
                                  1));
        QVERIFY(settings.gsmEnabled());
        QVERIFY(settings.gprsEnabled());
        QVERIFY(!settings.reserveSim());
        QVERIFY(settings.ussdEnabled());
        QVERIFY(!settings.transmitEnabled());
        QCOMPARE(settings.balanceThreshold(), qint16(30));
        QCOMPARE(settings.simText(0, GSMSettings::UssdRequest), QStringLiteral("*102#"));
        QCOMPARE(settings.simText(1, GSMSettings::Pin), QStringLiteral("4321"));
    }

    void gsmFileValuesThatDoNotFit_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("warned");
        QTest::newRow("-5") << QByteArray(R"({"BalanceBelow": -5})") << -5 << "keep" << false;
        QTest::newRow("70000") << QByteArray(R"({"BalanceBelow": 70000})") << 32767 << "keep"
                               << true;
        QTest::newRow("-70000") << QByteArray(R"({"BalanceBelow": -70000})") << -32768 << "keep"
                                << true;
        QTest::newRow("over-long password")
            << QByteArray(R"({"sim":[{"Password":"№№№№№№№№№№№№№№№№№"},{}]})") << 0 << "keep"
            << true;
        QTest::newRow("single sim entry")
            << QByteArray(R"({"sim":[{"Password":"other"}]})") << 0 << "keep" << false;
    }

    void gsmFileValuesThatDoNotFit()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, threshold);
        QFETCH(QString, password);
        QFETCH(bool, warned);
        GSMSettings settings(nullptr);
        settings.setSimText(0, GSMSettings::Password, QStringLiteral("keep"));
        QVERIFY(settings.fromJson(QJsonDocument::fromJson(section).object(), 2));
        QCOMPARE(int(settings.balanceThreshold()), threshold);
        QCOMPARE(settings.simText(0, GSMSettings::Password), password);
        QCoreApplication::processEvents(); // the log arrives queued
        QCOMPARE(m_log->count(QStringLiteral("[W]")) > 0, warned);
    }

    // ---- all three ----

    void sectionOfTheWrongShapeChangesNothing_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("array") << QJsonValue(QJsonArray{1, 2});
        QTest::newRow("text") << QJsonValue(QStringLiteral("GSM"));
        QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined);
    }

    void sectionOfTheWrongShapeChangesNothing()
    {
        QFETCH(QJsonValue, value);
        WirelessSettings wireless(protocol());
        GSMSettings gsm(protocol());
        EthernetSettings ethernet(protocol());
        wireless.settings(recordOf<s_ExtMemDataWireless>(patternBlock(256, 2)));
        gsm.settings(recordOf<s_ExtMemDataGSM>(patternBlock(1024, 2)));
        ethernet.settings(recordOf<s_ExtMemDataEth>(patternBlock(1024, 2)));
        QTRY_VERIFY_WITH_TIMEOUT(!device().commandsOf(0x0D).isEmpty(), DeviceTimeout);
        device().clearCommands();
        const QByteArray before =
            bytesOf(wireless.data()) + bytesOf(gsm.data()) + bytesOf(ethernet.data());
        for (int version : {1, 2}) {
            QVERIFY(!wireless.fromJson(value, version));
            QVERIFY(!gsm.fromJson(value, version));
            QVERIFY(!ethernet.fromJson(value, version));
        }
        QCOMPARE(bytesOf(wireless.data()) + bytesOf(gsm.data()) + bytesOf(ethernet.data()), before);
        QCoreApplication::processEvents(); // the log arrives queued
        QCOMPARE(m_log->count(QStringLiteral("is not an object")), 6);
        // Commands arrive in order: once a later marker is in, nothing written came before.
        protocol()->readGSMStatus();
        QTRY_VERIFY_WITH_TIMEOUT(!device().commandsOf(0x14).isEmpty(), DeviceTimeout);
        QVERIFY(device().commandsOf(0x76).isEmpty());
        QVERIFY(device().commandsOf(0x78).isEmpty());
        QVERIFY(device().commandsOf(0x7E).isEmpty());
    }
};

QTEST_MAIN(TestCommsSettings)
#include "test_comms_settings.moc"
