#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>

// A small HTTP service on 127.0.0.1 for the online firmware client: fixed answers per path,
// every request kept. Also serves as an HTTP proxy: a request line with a full address is
// answered the same way and remembered as proxied.
class HttpFixture : public QTcpServer
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray target; // as on the request line
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
    };

    explicit HttpFixture(QObject *parent = nullptr);

    QString address() const;
    // What the online firmware service hands out: a radio-device container of the type and
    // firmware version, and one entry of its firmware list.
    static QByteArray radioContainer(quint16 type, quint16 version);
    static QByteArray listEntry(const char *url, const char *type,
                                const char *time = "2021-03-04T10:20:30");
    void setAnswer(const QByteArray &path, const QByteArray &body, int status = 200);
    // Proxy access needs these credentials (basic authentication) when set.
    void requireProxyCredentials(const QByteArray &user, const QByteArray &password);

    QList<Request> requests;

private:
    void onNewConnection();
    void onReadyRead();
    bool tryAnswer(class QTcpSocket *socket);

    QHash<QByteArray, QPair<int, QByteArray>> m_answers;
    QHash<class QTcpSocket *, QByteArray> m_buffers;
    QByteArray m_proxyAuthorization;
};
