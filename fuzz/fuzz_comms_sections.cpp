// Reads arbitrary JSON as the "Ethernet", "GSM" and "Wireless" sections into fresh settings
// objects, writes them back and reads that again; the same bytes also go through the MAC,
// IPv4 and IPv6 text setters. The first byte chooses the file format and viewing mode.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/WirelessSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
    }

    Overmind *overmind = nullptr;
};

template <typename Object> void roundTrip(const QJsonValue &section, int format)
{
    Object first(nullptr);
    first.fromJson(section, format);
    Object second(nullptr);
    second.fromJson(first.toJson(), 2);
}

void addressTexts(const QString &text)
{
    EthernetSettings settings(nullptr);
    settings.setMacAddress(text);
    settings.setIpv4Address(text);
    settings.setIpv6GlobalAddress(text);
    settings.setHostname(text);
    settings.setWifiPassword(text);
    (void)settings.macAddress();
    (void)settings.ipv6GlobalAddress();
    (void)settings.hostname();
    GSMSettings gsm(nullptr);
    gsm.setSimText(1, GSMSettings::Password, text);
    (void)gsm.simText(1, GSMSettings::Password);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    const int format = (data[0] & 1) ? 1 : 2;
    harness.overmind->setViewingMode(data[0] & 2);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    addressTexts(QString::fromUtf8(bytes));
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject object = document.object();
    const QJsonValue whole = document.isArray() ? QJsonValue(document.array()) : QJsonValue(object);
    roundTrip<EthernetSettings>(object.value(QLatin1String("Ethernet")), format);
    roundTrip<GSMSettings>(object.value(QLatin1String("GSM")), format);
    roundTrip<WirelessSettings>(object.value(QLatin1String("Wireless")), format);
    // The document itself as a section, for inputs that are one section.
    roundTrip<EthernetSettings>(whole, format);
    roundTrip<GSMSettings>(whole, format);
    roundTrip<WirelessSettings>(whole, format);
    return 0;
}
