// Sends arbitrary datagrams to the running program's UDP command port, from this machine
// or (as the listener sees it) from another one. The first byte chooses the sender; the
// rest is the datagram. Only "close" is kept from ending the run.
#include "FuzzSupport.h"

#include "app/MainWindow.h"
#include "app/UdpListener.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QUdpSocket>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        MainWindow *window = Fuzz::Program::instance().window();
        listener = window->udpListener();
        QObject::disconnect(listener, &UdpListener::closeApplication, nullptr, nullptr);
        sender = new QUdpSocket;
    }
    UdpListener *listener = nullptr;
    QUdpSocket *sender = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    const QByteArray datagram(reinterpret_cast<const char *>(data + 1), int(size - 1));
    switch (data[0] % 3) {
    case 0:
        // Through the socket, as other programs on this machine send.
        if (harness.listener->port() != 0)
            harness.sender->writeDatagram(datagram, QHostAddress::LocalHost,
                                          harness.listener->port());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        break;
    case 1:
        harness.listener->processCommand(datagram, QHostAddress(QHostAddress::LocalHostIPv6), 0);
        break;
    default:
        // A documentation-range address: a foreign sender.
        harness.listener->processCommand(datagram, QHostAddress(QStringLiteral("192.0.2.7")), 0);
        break;
    }
    Fuzz::Program::instance().settle();
    return 0;
}
