// Feeds arbitrary device answers through Protocol into the communication settings objects,
// their pages, the GSM status panel and the noise chart. The first byte chooses the
// firmware layout (1.x or 2.x); the rest is a stream of messages, each one length byte
// followed by that many bytes ([operation][identifier][payload]).
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/ChannelLoadAnalysis.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/EthernetSettingsWidget.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/comms/GSMStatusWidget.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/comms/WirelessSettingsWidget.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>

namespace {
// Operations of the answers this target aims at; other bytes pick one of them.
const quint8 Operations[] = {0x3D, 0x55, 0xD5, 0x2E, 0xD4, 0x14, 0x16, 0x2C, 0x0D, 0xCC};

struct Harness
{
    Harness()
    {
        static int argc = 1;
        static char name[] = "fuzz_comms_answers";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        app = new QApplication(argc, argv);
        logger = new Logger;
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        protocol = new Protocol(nullptr);
        protocol->setDeviceLayoutSource([this] { return DeviceLayout{version, 0}; });
        wireless = new WirelessSettings(protocol);
        ethernet = new EthernetSettings(protocol);
        gsm = new GSMSettings(protocol);
        wirelessPage = new WirelessSettingsWidget;
        wirelessPage->setSettings(wireless);
        ethernetPage = new EthernetSettingsWidget;
        ethernetPage->setSettings(ethernet);
        gsmPage = new GSMSettingsWidget;
        gsmPage->setSettings(gsm);
        QObject::connect(protocol, &Protocol::gsmStatus, gsmPage,
                         &GSMSettingsWidget::gsmStatusUpdated);
        QObject::connect(protocol, &Protocol::gsmStatusOld, gsmPage,
                         &GSMSettingsWidget::gsmStatusOldUpdated);
        panel = new GSMStatusWidget;
        QObject::connect(protocol, &Protocol::gsmStatus, panel, &GSMStatusWidget::gsmStatus);
        QObject::connect(protocol, &Protocol::gsmStatusOld, panel, &GSMStatusWidget::gsmStatusOld);
        QObject::connect(protocol, &Protocol::updateGSMSimCard, panel,
                         &GSMStatusWidget::updateSimCard);
        QObject::connect(protocol, &Protocol::updateGSMSimCardOld, panel,
                         &GSMStatusWidget::updateSimCardOld);
        chart = new ChannelLoadAnalysis;
        chart->setAttribute(Qt::WA_DeleteOnClose, false);
        QObject::connect(protocol, &Protocol::sensorRadioAnalysis, chart,
                         &ChannelLoadAnalysis::sensorRadioAnalysis);
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
    Overmind *overmind = nullptr;
    Protocol *protocol = nullptr;
    quint16 version = 0x0104;
    WirelessSettings *wireless = nullptr;
    EthernetSettings *ethernet = nullptr;
    GSMSettings *gsm = nullptr;
    WirelessSettingsWidget *wirelessPage = nullptr;
    EthernetSettingsWidget *ethernetPage = nullptr;
    GSMSettingsWidget *gsmPage = nullptr;
    GSMStatusWidget *panel = nullptr;
    ChannelLoadAnalysis *chart = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    harness.version = (data[0] & 1) ? 0x0201 : 0x0104;
    harness.overmind->deviceInfo().setVersion(harness.version);
    size_t at = 1;
    while (at < size) {
        const size_t length = data[at++];
        const size_t available = qMin(length, size - at);
        QByteArray message(reinterpret_cast<const char *>(data + at), int(available));
        at += available;
        if (!message.isEmpty())
            message[0] = char(Operations[quint8(message[0]) % sizeof(Operations)]);
        // Settings blocks are longer than one length byte allows: pad them to their size.
        if (message.size() >= 3 && (message[0] == char(0x3D) || message[0] == char(0x2E)))
            message.append(QByteArray(1027 - qMin(message.size(), 1027), char(message.size())));
        else if (message.size() >= 3 && message[0] == char(0x2C))
            message.append(QByteArray(259 - qMin(message.size(), 259), char(message.size())));
        harness.protocol->onMessageReceived(message);
    }
    harness.gsmPage->hasChanges();
    harness.ethernetPage->hasChanges();
    harness.wirelessPage->hasChanges();
    if (QWidget *dialog = harness.gsmPage->pinDialog())
        dialog->hide();
    // Every verification code opens a window of its own; do not let them pile up.
    qDeleteAll(harness.ethernetPage->findChildren<QWidget *>(QStringLiteral("LineCopyWidget")));
    return 0;
}
