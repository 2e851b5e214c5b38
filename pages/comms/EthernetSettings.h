#pragma once

#include "app/Storable.h"
#include "link/Records.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The communicator's network interface: MAC address, host name, IPv4 and IPv6 addresses,
// connection channel, address-mode flags and remote management, with the device's own
// (default) MAC address and its verification code.
class EthernetSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit EthernetSettings(Protocol *protocol, QObject *parent = nullptr);
    ~EthernetSettings() override;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Ethernet"); }

    void resetToDefaults();

    QString macAddress() const;
    // Six hexadecimal pairs separated by colons; an empty text changes nothing and any
    // other text that does not scan gives the all-zero address.
    void setMacAddress(const QString &text);
    QString defaultMacAddress() const;
    quint32 defaultMacNumber() const;

    QString ipv4Address() const;
    QString subnetMask() const;
    QString defaultGateway() const;
    QString preferredDns() const;
    QString alternativeDns() const;
    // Each returns whether the text was an address; otherwise the field becomes 0.
    bool setIpv4Address(const QString &text);
    bool setSubnetMask(const QString &text);
    bool setDefaultGateway(const QString &text);
    bool setPreferredDns(const QString &text);
    bool setAlternativeDns(const QString &text);

    QString ipv6LocalAddress() const;
    QString ipv6GlobalAddress() const;
    QString ipv6PreferredDns() const;
    QString ipv6AlternativeDns() const;
    // Each returns whether the text was an address; otherwise the field becomes "::".
    bool setIpv6LocalAddress(const QString &text);
    bool setIpv6GlobalAddress(const QString &text);
    bool setIpv6PreferredDns(const QString &text);
    bool setIpv6AlternativeDns(const QString &text);

    QString hostname() const;
    void setHostname(const QString &text);
    QString wifiName() const;
    void setWifiName(const QString &text);
    QString wifiPassword() const;
    void setWifiPassword(const QString &text);

    quint8 linkChannel() const;
    void setLinkChannel(int channel);

    bool dhcpClient() const;
    void setDhcpClient(bool on);
    bool dhcpServer() const;
    void setDhcpServer(bool on);
    bool dhcpv6() const;
    void setDhcpv6(bool on);
    bool slaac() const;
    void setSlaac(bool on);
    bool remoteDev() const;
    void setRemoteDev(bool on);
    bool dataSaveMode() const;
    void setDataSaveMode(bool on);

    // The page's address mode: 0 automatic, 1 DHCP server, 2 manual.
    int radioButtonStatus() const { return m_radioButtonStatus; }
    void setRadioButtonStatus(int status) { m_radioButtonStatus = status; }

    const s_ExtMemDataEth &data() const { return m_data; }

    // Address texts as the block stores them.
    static QString ipv6AddrToString(const quint8 *address);
    // An IPv6 text (no IPv4 text, no zone) to 16 bytes in network order.
    static bool ipv6StringToAddr(const QString &text, quint8 *address);
    static bool isIpv6Text(const QString &text);

signals:
    void readSettings();
    void settingsUpdated();
    void macAddressUpdated(QString address);
    void defaultMACupdate();
    void configGetVerifyCode(quint32 verifyCode);

public slots:
    void verifyCodeRequest();
    void settings(const s_ExtMemDataEth &block);
    void setDefaultMac(const MacAddr &address);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }
    QString ipv4At(int offset) const;
    bool setIpv4At(int offset, const QString &text);
    QString ipv6At(int offset) const;
    bool setIpv6At(int offset, const QString &text);
    bool flag(int bitNumber) const;
    void setFlag(int bitNumber, bool on);
    void takeMac(const QJsonObject &section);
    void readVersion2(const QJsonObject &section);
    void readVersion1(const QJsonObject &section);
    void readIpv6(const QJsonObject &section, const QString &key, int offset);

    s_ExtMemDataEth m_data;
    MacAddr m_defaultMac;
    int m_radioButtonStatus = 0;
};
