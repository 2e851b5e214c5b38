#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <cstdint>
#include <memory>

class QUdpSocket;

// Lets other programs reach a running configurator with short UDP datagrams:
// "close", "message <text>" and the "ping" discovery request.
class UdpListener : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 FirstPort = 13378;
    static constexpr int PortCount = 100;
    static constexpr quint16 DiscoveryAnswerPort = 13377;

    explicit UdpListener(QObject *parent = nullptr);
    ~UdpListener() override;

    // The bound port, or 0 when none of the range was free.
    quint16 port() const;

    static QByteArray discoveryAnswer();

signals:
    void closeApplication();
    void showMessage(QString message);

public slots:
    void processCommand(QByteArray command, QHostAddress sender, uint16_t);

private slots:
    void onReadyRead();

private:
    void bindFirstFreePort();
    void answerPing(const QHostAddress &sender);

    std::unique_ptr<QUdpSocket> m_socket;
};
