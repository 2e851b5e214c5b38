#include "app/UdpListener.h"

#include "app/Logger.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QUdpSocket>

namespace {
bool isFromThisMachine(const QHostAddress &sender)
{
    bool mapped = false;
    const quint32 ipv4 = sender.toIPv4Address(&mapped);
    if (mapped)
        return QHostAddress(ipv4).isLoopback();
    return sender.isLoopback();
}
} // namespace

UdpListener::UdpListener(QObject *parent) : QObject(parent), m_socket(new QUdpSocket)
{
    bindFirstFreePort();
    connect(m_socket.get(), &QUdpSocket::readyRead, this, &UdpListener::onReadyRead);
}

UdpListener::~UdpListener() = default;

quint16 UdpListener::port() const
{
    return m_socket->state() == QAbstractSocket::BoundState ? m_socket->localPort() : 0;
}

void UdpListener::bindFirstFreePort()
{
    for (int offset = 0; offset < PortCount; ++offset) {
        if (m_socket->bind(QHostAddress::Any, quint16(FirstPort + offset)))
            return;
    }
}

void UdpListener::onReadyRead()
{
    if (!m_socket->hasPendingDatagrams())
        return;
    QByteArray datagram(int(qMax<qint64>(m_socket->pendingDatagramSize(), 0)), '\0');
    QHostAddress sender;
    quint16 senderPort = 0;
    const qint64 read =
        m_socket->readDatagram(datagram.data(), datagram.size(), &sender, &senderPort);
    if (read < 0)
        return;
    datagram.truncate(int(read));
    processCommand(datagram, sender, senderPort);
}

void UdpListener::processCommand(QByteArray command, QHostAddress sender, uint16_t)
{
    if (command.startsWith("close")) {
        // Only a program on this computer may end the configurator.
        if (!isFromThisMachine(sender)) {
            logWarning(this, tr("Ignored \"close\" from %1").arg(sender.toString()));
            return;
        }
        emit closeApplication();
    } else if (command.startsWith("message")) {
        if (!isFromThisMachine(sender)) {
            logWarning(this, tr("Ignored \"message\" from %1").arg(sender.toString()));
            return;
        }
        emit showMessage(QString::fromLocal8Bit(command.mid(7)));
    } else if (command.startsWith("ping")) {
        answerPing(sender);
    }
}

QByteArray UdpListener::discoveryAnswer()
{
    QByteArray answer("pong");
    answer.append('\0');
    answer.append(QCoreApplication::applicationName().toLocal8Bit());
    answer.append('\0');
    answer.append(QHostInfo::localHostName().toUtf8());
    answer.append('\0');
    answer.append(QCoreApplication::applicationFilePath().toLocal8Bit());
    return answer;
}

void UdpListener::answerPing(const QHostAddress &sender)
{
    bool mapped = false;
    const quint32 ipv4 = sender.toIPv4Address(&mapped);
    const QHostAddress target = mapped ? QHostAddress(ipv4) : sender;
    // A socket of its own, so the answer leaves from a port the system picks.
    QUdpSocket answerSocket;
    answerSocket.writeDatagram(discoveryAnswer(), target, DiscoveryAnswerPort);
}
