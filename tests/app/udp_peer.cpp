// Sends one UDP datagram to 127.0.0.1 from a process of its own:
//   udp_peer <to-port> <from-port or 0> <payload in hex>
#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QUdpSocket>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const quint16 toPort = quint16(QByteArray(argv[1]).toUInt());
    const quint16 fromPort = quint16(QByteArray(argv[2]).toUInt());
    const QByteArray payload = QByteArray::fromHex(argv[3]);
    QUdpSocket socket;
    if (fromPort != 0 && !socket.bind(QHostAddress::LocalHost, fromPort))
        return 3;
    const qint64 sent = socket.writeDatagram(payload, QHostAddress::LocalHost, toPort);
    return sent == payload.size() ? 0 : 4;
}
