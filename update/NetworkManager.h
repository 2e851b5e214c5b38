#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;
class QSslError;

// The HTTP client of the online firmware service.
class NetworkManager : public QObject
{
    Q_OBJECT
public:
    // A reply body larger than this is cut off and refused.
    static constexpr qint64 MaxReplySize = 32 * 1024 * 1024;

    explicit NetworkManager(QObject *parent = nullptr);

    bool get(const QString &url);
    bool post(const QString &url, const QJsonDocument &document);
    bool applyProxy();
    void replyFinished(QNetworkReply *reply);

    // The file name a download is stored under: the address's last path segment.
    static QString downloadName(const QUrl &url);
    static bool isDownload(const QUrl &url);

signals:
    void replyReceived(bool silent = false);
    void jsonReceived(const QJsonArray &array);
    void errorReceived(const QString &errorString);
    void parsingError(int code);
    void dmiaReceived(const QString &name, const QByteArray &data);
    // A container download ended without a container.
    void downloadFailed(const QString &name, const QString &errorString);

private:
    void onSslErrors(QNetworkReply *reply, const QList<QSslError> &errors);
    void watchSize(QNetworkReply *reply);
    void handleBody(QNetworkReply *reply, const QByteArray &body);

    QNetworkAccessManager *m_manager;
};
