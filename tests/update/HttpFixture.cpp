#include "HttpFixture.h"

#include "sim/DmiaWriter.h"

#include <QTcpSocket>
#include <QUrl>

HttpFixture::HttpFixture(QObject *parent) : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &HttpFixture::onNewConnection);
    listen(QHostAddress::LocalHost, 0);
}

QString HttpFixture::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

QByteArray HttpFixture::radioContainer(quint16 type, quint16 version)
{
    DmiaWriter writer;
    writer.deviceType = type;
    writer.hardwareVersion = 0x0102;
    writer.firmwareVersion = version;
    writer.blocks = DmiaWriter::image(0x100, 200);
    return writer.container();
}

QByteArray HttpFixture::listEntry(const char *url, const char *type, const char *time)
{
    return QByteArray(R"({"url":")") + url + R"(","type":")" + type +
           R"(","hardware":"1.2","firmware":"1.21","time":")" + time + R"("})";
}

void HttpFixture::setAnswer(const QByteArray &path, const QByteArray &body, int status)
{
    m_answers.insert(path, qMakePair(status, body));
}

void HttpFixture::requireProxyCredentials(const QByteArray &user, const QByteArray &password)
{
    m_proxyAuthorization = "Basic " + (user + ':' + password).toBase64();
}

void HttpFixture::onNewConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, &HttpFixture::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.remove(socket); });
    }
}

void HttpFixture::onReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    m_buffers[socket] += socket->readAll();
    // A TLS handshake on this plain service: hang up, as such a server does.
    if (m_buffers[socket].startsWith('\x16')) {
        socket->disconnectFromHost();
        return;
    }
    while (tryAnswer(socket)) {
    }
}

bool HttpFixture::tryAnswer(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length").toInt();
    if (buffer.size() < headerEnd + 4 + length)
        return false;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.remove(0, headerEnd + 4 + length);
    const bool proxied = request.target.startsWith("http://");
    request.path =
        proxied ? QUrl(QString::fromLatin1(request.target)).path().toLatin1() : request.target;
    requests.append(request);

    QByteArray head;
    QByteArray body;
    if (proxied && !m_proxyAuthorization.isEmpty() &&
        request.headers.value("proxy-authorization") != m_proxyAuthorization) {
        head = "HTTP/1.1 407 Proxy Authentication Required\r\n"
               "Proxy-Authenticate: Basic realm=\"fixture\"\r\n";
    } else {
        const auto answer = m_answers.value(request.path, qMakePair(404, QByteArray()));
        head = "HTTP/1.1 " + QByteArray::number(answer.first) +
               (answer.first == 200 ? " OK\r\n" : " Error\r\n");
        body = answer.second;
    }
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
    socket->write(head + body);
    return true;
}
