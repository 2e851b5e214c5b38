#include "pages/comms/EthernetSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/RecordBytes.h"
#include "pages/comms/SectionValues.h"
#include "pages/settings/SettingsFields.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {
constexpr int MacOffset = 0;
constexpr int MacSize = 6;
constexpr int Ipv4AddressOffset = 8;
constexpr int SubnetMaskOffset = 12;
constexpr int GatewayOffset = 16;
constexpr int PreferredDnsOffset = 20;
constexpr int AlternativeDnsOffset = 24;
constexpr int Ipv6LocalOffset = 28;
constexpr int Ipv6GlobalOffset = 60;
constexpr int Ipv6RouterOffset = 76;
constexpr int Ipv6PreferredDnsOffset = 92;
constexpr int Ipv6AlternativeDnsOffset = 108;
constexpr int Ipv6Size = 16;
constexpr int LinkChannelOffset = 126;
constexpr int HostnameOffset = 128;
constexpr int HostnameSize = 32;
constexpr int FlagsOffset = 160;
constexpr int WifiNameOffset = 162;
constexpr int WifiNameSize = 32;
constexpr int WifiPasswordOffset = 194;
constexpr int WifiPasswordSize = 64;
constexpr int VersionOffset = 1018;
constexpr int CrcOffset = 1020;

enum FlagBit
{
    DhcpClientBit = 0,
    DhcpServerBit = 1,
    Dhcpv6Bit = 2,
    SlaacBit = 3,
    PlainHttpBit = 4,
    RemoteDevBit = 5,
    DataSaveBit = 7,
};

QString macText(const quint8 *mac)
{
    return QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3],
                             mac[4], mac[5]);
}

int jsonFlag(const QJsonObject &section, const char *key)
{
    return SectionValues::wholeNumber(section.value(QLatin1String(key))) != 0 ? 1 : 0;
}
} // namespace

EthernetSettings::EthernetSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    std::memset(&m_defaultMac, 0, sizeof(m_defaultMac));
    m_data.compatibleVersion = 1;
    m_data.criticalVersion = 1;
    logDebug(this, QStringLiteral("Created"));
    if (protocol) {
        connect(protocol, &Protocol::settingsEthernet, this, &EthernetSettings::settings);
        connect(protocol, &Protocol::defaultMACAddress, this, &EthernetSettings::setDefaultMac);
        connect(protocol, &Protocol::configGetVerifyCode, this,
                &EthernetSettings::configGetVerifyCode);
    }
}

EthernetSettings::~EthernetSettings() = default;

void EthernetSettings::settings(const s_ExtMemDataEth &block)
{
    logTrace(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
    emit macAddressUpdated(macAddress());
}

void EthernetSettings::setDefaultMac(const MacAddr &address)
{
    m_defaultMac = address;
    emit defaultMACupdate();
}

void EthernetSettings::verifyCodeRequest()
{
    if (protocol())
        protocol()->sendToDevice(_MenuConfigGetVerifyCode);
}

void EthernetSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    std::memset(block + 258, 0, 4);
    std::memset(block + 264, 0, 4);
    SettingsFields::seal(block, CrcOffset);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteEthernet, block, int(sizeof(m_data)));
}

void EthernetSettings::resetToDefaults()
{
    logDebug(this, QStringLiteral("Reset Ethernet settings to default"));
    resetOnDevice(ResetEthernet);
}

QString EthernetSettings::macAddress() const
{
    return macText(bytes() + MacOffset);
}

void EthernetSettings::setMacAddress(const QString &text)
{
    if (text.isEmpty())
        return;
    static const QRegularExpression pattern(QStringLiteral(
        "^([0-9A-Fa-f]{1,2}):([0-9A-Fa-f]{1,2}):([0-9A-Fa-f]{1,2}):([0-9A-Fa-f]{1,2}):"
        "([0-9A-Fa-f]{1,2}):([0-9A-Fa-f]{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    quint8 *mac = bytes() + MacOffset;
    for (int i = 0; i < MacSize; ++i)
        mac[i] = match.hasMatch() ? quint8(match.captured(i + 1).toUInt(nullptr, 16)) : 0;
}

QString EthernetSettings::defaultMacAddress() const
{
    return macText(m_defaultMac.bytes);
}

quint32 EthernetSettings::defaultMacNumber() const
{
    return quint32(m_defaultMac.bytes[3]) << 16 | quint32(m_defaultMac.bytes[4]) << 8 |
           m_defaultMac.bytes[5];
}

QString EthernetSettings::ipv4At(int offset) const
{
    const quint32 address = qFromBigEndian<quint32>(bytes() + offset);
    return address == 0 ? QStringLiteral("0.0.0.0") : QHostAddress(address).toString();
}

bool EthernetSettings::setIpv4At(int offset, const QString &text)
{
    bool ok = false;
    const quint32 address = QHostAddress(text).toIPv4Address(&ok);
    qToBigEndian<quint32>(ok ? address : 0, bytes() + offset);
    return ok;
}

QString EthernetSettings::ipv4Address() const
{
    return ipv4At(Ipv4AddressOffset);
}
QString EthernetSettings::subnetMask() const
{
    return ipv4At(SubnetMaskOffset);
}
QString EthernetSettings::defaultGateway() const
{
    return ipv4At(GatewayOffset);
}
QString EthernetSettings::preferredDns() const
{
    return ipv4At(PreferredDnsOffset);
}
QString EthernetSettings::alternativeDns() const
{
    return ipv4At(AlternativeDnsOffset);
}
bool EthernetSettings::setIpv4Address(const QString &text)
{
    return setIpv4At(Ipv4AddressOffset, text);
}
bool EthernetSettings::setSubnetMask(const QString &text)
{
    return setIpv4At(SubnetMaskOffset, text);
}
bool EthernetSettings::setDefaultGateway(const QString &text)
{
    return setIpv4At(GatewayOffset, text);
}
bool EthernetSettings::setPreferredDns(const QString &text)
{
    return setIpv4At(PreferredDnsOffset, text);
}
bool EthernetSettings::setAlternativeDns(const QString &text)
{
    return setIpv4At(AlternativeDnsOffset, text);
}

// RFC 5952 form without a dotted IPv4 tail: the first longest run of two or more zero
// groups becomes "::".
QString EthernetSettings::ipv6AddrToString(const quint8 *address)
{
    quint16 groups[8];
    for (int i = 0; i < 8; ++i)
        groups[i] = quint16(address[2 * i] << 8 | address[2 * i + 1]);
    int runStart = -1;
    int runLength = 1;
    for (int start = 0; start < 8; ++start) {
        int length = 0;
        while (start + length < 8 && groups[start + length] == 0)
            ++length;
        if (length > runLength) {
            runStart = start;
            runLength = length;
        }
    }
    QString text;
    for (int i = 0; i < 8; ++i) {
        if (i == runStart) {
            text += QLatin1String(i == 0 ? "::" : ":");
            i += runLength - 1;
            continue;
        }
        text += QString::number(groups[i], 16);
        if (i < 7)
            text += QLatin1Char(':');
    }
    return text;
}

bool EthernetSettings::isIpv6Text(const QString &text)
{
    quint8 address[Ipv6Size];
    return ipv6StringToAddr(text, address);
}

bool EthernetSettings::ipv6StringToAddr(const QString &text, quint8 *address)
{
    std::memset(address, 0, Ipv6Size);
    const QString trimmed = text.trimmed();
    if (trimmed != text || text.contains(QLatin1Char('%')) || !text.contains(QLatin1Char(':')))
        return false;
    QHostAddress parsed;
    if (!parsed.setAddress(text) || parsed.protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    const Q_IPV6ADDR value = parsed.toIPv6Address();
    std::memcpy(address, value.c, Ipv6Size);
    return true;
}

QString EthernetSettings::ipv6At(int offset) const
{
    return ipv6AddrToString(bytes() + offset);
}

bool EthernetSettings::setIpv6At(int offset, const QString &text)
{
    return ipv6StringToAddr(text, bytes() + offset);
}

QString EthernetSettings::ipv6LocalAddress() const
{
    return ipv6At(Ipv6LocalOffset);
}
QString EthernetSettings::ipv6GlobalAddress() const
{
    return ipv6At(Ipv6GlobalOffset);
}
QString EthernetSettings::ipv6PreferredDns() const
{
    return ipv6At(Ipv6PreferredDnsOffset);
}
QString EthernetSettings::ipv6AlternativeDns() const
{
    return ipv6At(Ipv6AlternativeDnsOffset);
}
bool EthernetSettings::setIpv6LocalAddress(const QString &text)
{
    return setIpv6At(Ipv6LocalOffset, text);
}
bool EthernetSettings::setIpv6GlobalAddress(const QString &text)
{
    return setIpv6At(Ipv6GlobalOffset, text);
}
bool EthernetSettings::setIpv6PreferredDns(const QString &text)
{
    return setIpv6At(Ipv6PreferredDnsOffset, text);
}
bool EthernetSettings::setIpv6AlternativeDns(const QString &text)
{
    return setIpv6At(Ipv6AlternativeDnsOffset, text);
}

QString EthernetSettings::hostname() const
{
    return RecordBytes::fieldText(bytes() + HostnameOffset, HostnameSize);
}
void EthernetSettings::setHostname(const QString &text)
{
    RecordBytes::putFieldText(bytes() + HostnameOffset, HostnameSize, text);
}
QString EthernetSettings::wifiName() const
{
    return RecordBytes::fieldText(bytes() + WifiNameOffset, WifiNameSize);
}
void EthernetSettings::setWifiName(const QString &text)
{
    RecordBytes::putFieldText(bytes() + WifiNameOffset, WifiNameSize, text);
}
QString EthernetSettings::wifiPassword() const
{
    return RecordBytes::fieldText(bytes() + WifiPasswordOffset, WifiPasswordSize);
}
void EthernetSettings::setWifiPassword(const QString &text)
{
    RecordBytes::putFieldText(bytes() + WifiPasswordOffset, WifiPasswordSize, text);
}

quint8 EthernetSettings::linkChannel() const
{
    return bytes()[LinkChannelOffset];
}

void EthernetSettings::setLinkChannel(int channel)
{
    RecordBytes::putWord(bytes(), LinkChannelOffset, quint16(channel & 0xFF));
}

bool EthernetSettings::flag(int bitNumber) const
{
    return RecordBytes::bit(bytes()[FlagsOffset], bitNumber);
}
void EthernetSettings::setFlag(int bitNumber, bool on)
{
    RecordBytes::setBit(bytes()[FlagsOffset], bitNumber, on);
}
bool EthernetSettings::dhcpClient() const
{
    return flag(DhcpClientBit);
}
void EthernetSettings::setDhcpClient(bool on)
{
    setFlag(DhcpClientBit, on);
}
bool EthernetSettings::dhcpServer() const
{
    return flag(DhcpServerBit);
}
void EthernetSettings::setDhcpServer(bool on)
{
    setFlag(DhcpServerBit, on);
}
bool EthernetSettings::dhcpv6() const
{
    return flag(Dhcpv6Bit);
}
void EthernetSettings::setDhcpv6(bool on)
{
    setFlag(Dhcpv6Bit, on);
}
bool EthernetSettings::slaac() const
{
    return flag(SlaacBit);
}
void EthernetSettings::setSlaac(bool on)
{
    setFlag(SlaacBit, on);
}
bool EthernetSettings::remoteDev() const
{
    return flag(RemoteDevBit);
}
void EthernetSettings::setRemoteDev(bool on)
{
    setFlag(RemoteDevBit, on);
}
bool EthernetSettings::dataSaveMode() const
{
    return flag(DataSaveBit);
}
void EthernetSettings::setDataSaveMode(bool on)
{
    setFlag(DataSaveBit, on);
}

QJsonValue EthernetSettings::toJson() const
{
    QJsonObject section;
    section.insert(QStringLiteral("macAddr"), macAddress());
    section.insert(QStringLiteral("hostname"), hostname());
    section.insert(QStringLiteral("CycloneLinkChannel"), linkChannel());
    section.insert(QStringLiteral("addr"), ipv4Address());
    section.insert(QStringLiteral("subnetMask"), subnetMask());
    section.insert(QStringLiteral("defaultGateway"), defaultGateway());
    section.insert(QStringLiteral("dnsServerList"),
                   QJsonArray{QJsonObject{{QStringLiteral("dnsServerList"), preferredDns()}},
                              QJsonObject{{QStringLiteral("dnsServerList"), alternativeDns()}}});
    section.insert(QStringLiteral("ipv6LocAddr"), ipv6LocalAddress());
    section.insert(QStringLiteral("ipv6GlobalAddr"), ipv6GlobalAddress());
    section.insert(QStringLiteral("ipv6DefRoutAddr"), ipv6At(Ipv6RouterOffset));
    section.insert(QStringLiteral("ipv6PDNSAddr"), ipv6PreferredDns());
    section.insert(QStringLiteral("ipv6SDNSAddr"), ipv6AlternativeDns());
    section.insert(QStringLiteral("dhcp_client_en"), int(dhcpClient()));
    section.insert(QStringLiteral("dhcp_server_en"), int(dhcpServer()));
    section.insert(QStringLiteral("dhcpv6_en"), int(dhcpv6()));
    section.insert(QStringLiteral("slaac_en"), int(slaac()));
    section.insert(QStringLiteral("remote_dev"), int(remoteDev()));
    section.insert(QStringLiteral("dis_https"), int(flag(PlainHttpBit)));
    section.insert(QStringLiteral("data_save_mode"), int(dataSaveMode()));
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(RecordBytes::word(bytes(), VersionOffset)));
    return section;
}

// The MAC in use is the device's own: a file never carries one over, and a device whose own
// MAC is unknown keeps the one it has. Viewing a file, the file's MAC is the one kept.
void EthernetSettings::takeMac(const QJsonObject &section)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        const QString text = section.value(QStringLiteral("macAddr")).toString();
        if (!text.isEmpty())
            setMacAddress(text);
        return;
    }
    const bool known = std::any_of(std::begin(m_defaultMac.bytes), std::end(m_defaultMac.bytes),
                                   [](quint8 byte) { return byte != 0; });
    if (known)
        setMacAddress(defaultMacAddress());
}

bool EthernetSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(
            this,
            tr("The section \"%1\" is not an object; nothing is read from it").arg(jsonKey()));
        return false;
    }
    takeMac(value.toObject());
    if (formatVersion == 2)
        readVersion2(value.toObject());
    else if (formatVersion == 1)
        readVersion1(value.toObject());
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    return true;
}

void EthernetSettings::readIpv6(const QJsonObject &section, const QString &key, int offset)
{
    const QString text = section.value(key).toString();
    if (text.isEmpty()) {
        std::memset(bytes() + offset, 0, Ipv6Size);
        return;
    }
    if (!setIpv6At(offset, text))
        logWarning(
            this,
            tr("\"%1\": \"%2\" is not an IPv6 address; \"::\" is stored instead").arg(key, text));
}

void EthernetSettings::readVersion2(const QJsonObject &section)
{
    setHostname(section.value(QStringLiteral("hostname")).toString());
    setLinkChannel(int(
        SectionValues::wholeNumber(section.value(QStringLiteral("CycloneLinkChannel"))) & 0xFF));
    setIpv4Address(section.value(QStringLiteral("addr")).toString());
    setSubnetMask(section.value(QStringLiteral("subnetMask")).toString());
    setDefaultGateway(section.value(QStringLiteral("defaultGateway")).toString());
    const QJsonArray dns = section.value(QStringLiteral("dnsServerList")).toArray();
    if (dns.size() >= 2) {
        const QString key = QStringLiteral("dnsServerList");
        setPreferredDns(dns.at(0).toObject().value(key).toString());
        setAlternativeDns(dns.at(1).toObject().value(key).toString());
    }
    readIpv6(section, QStringLiteral("ipv6LocAddr"), Ipv6LocalOffset);
    readIpv6(section, QStringLiteral("ipv6GlobalAddr"), Ipv6GlobalOffset);
    readIpv6(section, QStringLiteral("ipv6PDNSAddr"), Ipv6PreferredDnsOffset);
    readIpv6(section, QStringLiteral("ipv6SDNSAddr"), Ipv6AlternativeDnsOffset);
    setDhcpClient(jsonFlag(section, "dhcp_client_en"));
    setDhcpServer(jsonFlag(section, "dhcp_server_en"));
    setDhcpv6(jsonFlag(section, "dhcpv6_en"));
    setSlaac(jsonFlag(section, "slaac_en"));
    setRemoteDev(jsonFlag(section, "remote_dev"));
    setFlag(PlainHttpBit, jsonFlag(section, "dis_https"));
    setDataSaveMode(jsonFlag(section, "data_save_mode"));
}

void EthernetSettings::readVersion1(const QJsonObject &section)
{
    setHostname(section.value(QStringLiteral("server_name")).toString());
    setLinkChannel(int(
        SectionValues::wholeNumber(section.value(QStringLiteral("CycloneLinkChannel"))) & 0xFF));
    setIpv4Address(section.value(QStringLiteral("ipv4_address")).toString());
    setSubnetMask(section.value(QStringLiteral("sub_mask")).toString());
    setDefaultGateway(section.value(QStringLiteral("gate_way")).toString());
    setPreferredDns(section.value(QStringLiteral("pref_dns")).toString());
    setAlternativeDns(section.value(QStringLiteral("alter_dns")).toString());
    readIpv6(section, QStringLiteral("local_ipv6"), Ipv6LocalOffset);
    readIpv6(section, QStringLiteral("global_ipv6"), Ipv6GlobalOffset);
    readIpv6(section, QStringLiteral("pref_dns_v6"), Ipv6PreferredDnsOffset);
    readIpv6(section, QStringLiteral("alter_dns_v6"), Ipv6AlternativeDnsOffset);
    setDhcpClient(section.value(QStringLiteral("auto_dhcp")).toBool());
    setDhcpServer(section.value(QStringLiteral("use_as_server")).toBool());
    setDhcpv6(section.value(QStringLiteral("auto_dhcp_v6")).toBool());
    setSlaac(section.value(QStringLiteral("auto_slaac_v6")).toBool());
    setRemoteDev(section.value(QStringLiteral("remote_manage")).toBool());
    setFlag(PlainHttpBit, section.value(QStringLiteral("connect_http")).toBool());
    m_radioButtonStatus = int(SectionValues::clamped(
        SectionValues::wholeNumber(section.value(QStringLiteral("radio_button_status"))), 0, 2));
}
