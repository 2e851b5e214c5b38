#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A real HTTP proxy (Debian's tinyproxy) on a free loopback port, configured in a folder of
// the test's own and stopped with the fixture.
class TinyproxyFixture
{
public:
    explicit TinyproxyFixture(const QString &folder);
    ~TinyproxyFixture();

    // Proxy access needs these credentials (basic authentication) when set before start.
    void requireCredentials(const QByteArray &user, const QByteArray &password);
    // Starts the proxy and waits until it accepts connections; false with a reason otherwise.
    bool start(QString *reason);
    quint16 port() const { return m_port; }
    // The request lines the proxy logged, such as "GET http://127.0.0.1:1234/a HTTP/1.1".
    QStringList requestLines() const;

private:
    static quint16 freePort();
    QByteArray logText() const;
    bool writeConfiguration();
    bool startOnce(const QString &program, QString *reason);

    QString m_folder;
    QByteArray m_user;
    QByteArray m_password;
    quint16 m_port = 0;
    QProcess m_process;
};
