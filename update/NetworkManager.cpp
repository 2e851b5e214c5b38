#include "update/NetworkManager.h"

#include <QDebug>
#include <QJsonParseError>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QSslError>

namespace {
const char *const TooLargeProperty = "korvelTooLarge";

QNetworkRequest jsonRequest(const QString &url)
{
    QNetworkRequest request{QUrl(url, QUrl::TolerantMode)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    return request;
}
} // namespace

NetworkManager::NetworkManager(QObject *parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    connect(m_manager, &QNetworkAccessManager::finished, this, &NetworkManager::replyFinished);
    connect(m_manager, &QNetworkAccessManager::sslErrors, this, &NetworkManager::onSslErrors);
    connect(m_manager, &QNetworkAccessManager::encrypted, this,
            [] { qDebug() << "SSL/TLS session has successfully completed the initial handshake"; });
}

bool NetworkManager::get(const QString &url)
{
    QNetworkReply *reply = m_manager->get(jsonRequest(url));
    watchSize(reply);
    return reply->isRunning();
}

bool NetworkManager::post(const QString &url, const QJsonDocument &document)
{
    QNetworkReply *reply =
        m_manager->post(jsonRequest(url), document.toJson(QJsonDocument::Indented));
    watchSize(reply);
    return reply->isRunning();
}

// A server that sends without end must not fill the memory.
void NetworkManager::watchSize(QNetworkReply *reply)
{
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > MaxReplySize && !reply->property(TooLargeProperty).toBool()) {
            reply->setProperty(TooLargeProperty, true);
            reply->abort();
        }
    });
}

bool NetworkManager::applyProxy()
{
    QSettings settings;
    QNetworkProxy proxy;
    const bool on = settings.value(QStringLiteral("proxy_on")).toInt() == 1;
    if (on) {
        proxy.setType(
            QNetworkProxy::ProxyType(settings.value(QStringLiteral("proxy_type")).toInt()));
        proxy.setHostName(settings.value(QStringLiteral("proxy_host")).toString());
        proxy.setPort(quint16(settings.value(QStringLiteral("proxy_port")).toInt()));
        proxy.setUser(settings.value(QStringLiteral("proxy_user")).toString());
        proxy.setPassword(settings.value(QStringLiteral("proxy_password")).toString());
    }
    m_manager->setProxy(proxy);
    return on;
}

QString NetworkManager::downloadName(const QUrl &url)
{
    return url.path().section(QLatin1Char('/'), -1);
}

bool NetworkManager::isDownload(const QUrl &url)
{
    return url.toString().right(5).toLower() == QLatin1String(".dmia");
}

void NetworkManager::replyFinished(QNetworkReply *reply)
{
    // Replies are released here; the manager would keep them until it goes.
    reply->deleteLater();
    const QUrl url = reply->url();
    const bool download = isDownload(url);
    if (reply->property(TooLargeProperty).toBool()) {
        const QString text = tr("Reply is too large");
        emit errorReceived(text);
        if (download)
            emit downloadFailed(downloadName(url), text);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        qCritical().noquote() << "Error: " + reply->errorString();
        emit errorReceived(reply->errorString());
        if (download)
            emit downloadFailed(downloadName(url), reply->errorString());
        return;
    }
    handleBody(reply, reply->readAll());
}

void NetworkManager::handleBody(QNetworkReply *reply, const QByteArray &body)
{
    if (isDownload(reply->url())) {
        emit replyReceived(true);
        emit dmiaReceived(downloadName(reply->url()), body);
        return;
    }
    emit replyReceived(false);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        qDebug() << "NetworkManager::replyFinished error.errorString()=" << error.errorString()
                 << "of" << reply->url();
        emit parsingError(3);
    } else if (document.isNull()) {
        emit parsingError(0);
    } else if (!document.isArray()) {
        emit parsingError(1);
    } else if (document.array().isEmpty()) {
        emit parsingError(2);
    } else {
        emit jsonReceived(document.array());
    }
}

void NetworkManager::onSslErrors(QNetworkReply *, const QList<QSslError> &errors)
{
    QString text = QStringLiteral("SSL errors: ");
    for (const QSslError &error : errors)
        text += error.errorString() + QStringLiteral(", ");
    text.chop(2);
    emit errorReceived(text);
}
