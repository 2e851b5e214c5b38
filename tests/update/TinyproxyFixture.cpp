#include "TinyproxyFixture.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

namespace {
constexpr int StartTimeoutMs = 30000;
constexpr int StartAttempts = 3;
} // namespace

TinyproxyFixture::TinyproxyFixture(const QString &folder) : m_folder(folder)
{
    QDir().mkpath(folder);
}

TinyproxyFixture::~TinyproxyFixture()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

void TinyproxyFixture::requireCredentials(const QByteArray &user, const QByteArray &password)
{
    m_user = user;
    m_password = password;
}

quint16 TinyproxyFixture::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool TinyproxyFixture::writeConfiguration()
{
    QFile file(QDir(m_folder).filePath(QStringLiteral("tinyproxy.conf")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray text = "Port " + QByteArray::number(m_port) +
                      "\nListen 127.0.0.1\nTimeout 60\nMaxClients 20\nAllow 127.0.0.1\n"
                      "LogLevel Info\nLogFile \"" +
                      QDir(m_folder).filePath(QStringLiteral("tinyproxy.log")).toUtf8() +
                      "\"\nPidFile \"" +
                      QDir(m_folder).filePath(QStringLiteral("tinyproxy.pid")).toUtf8() + "\"\n";
    if (!m_user.isEmpty())
        text += "BasicAuth " + m_user + ' ' + m_password + '\n';
    return file.write(text) == text.size();
}

bool TinyproxyFixture::start(QString *reason)
{
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
    if (program.isEmpty()) {
        *reason = QStringLiteral("tinyproxy is not installed (scripts/deps.sh installs it)");
        return false;
    }
    // A port found free may be taken again before the proxy binds it: try a few.
    for (int attempt = 1; attempt <= StartAttempts; ++attempt) {
        if (startOnce(program, reason))
            return true;
        *reason = QStringLiteral("attempt %1: %2").arg(attempt).arg(*reason);
    }
    return false;
}

bool TinyproxyFixture::startOnce(const QString &program, QString *reason)
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    QFile::remove(QDir(m_folder).filePath(QStringLiteral("tinyproxy.log")));
    m_port = freePort();
    if (m_port == 0 || !writeConfiguration()) {
        *reason = QStringLiteral("no free port or no configuration in %1").arg(m_folder);
        return false;
    }
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, {QStringLiteral("-d"), QStringLiteral("-c"),
                              QDir(m_folder).filePath(QStringLiteral("tinyproxy.conf"))});
    // Ready once it says so in its log: a probing connection could meet it half set up.
    const bool listening = QTest::qWaitFor(
        [this] {
            return m_process.state() == QProcess::NotRunning ||
                   logText().contains("Accepting connections");
        },
        StartTimeoutMs);
    if (listening && m_process.state() == QProcess::Running)
        return true;
    m_process.waitForFinished(5000);
    *reason =
        QStringLiteral("tinyproxy did not start (exit status %1, code %2): %3 %4")
            .arg(int(m_process.exitStatus()))
            .arg(m_process.exitCode())
            .arg(QString::fromLocal8Bit(m_process.readAll()),
                 QString::fromUtf8(logText()).replace(QLatin1Char('\n'), QLatin1String(" | ")));
    return false;
}

QByteArray TinyproxyFixture::logText() const
{
    QFile log(QDir(m_folder).filePath(QStringLiteral("tinyproxy.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

QStringList TinyproxyFixture::requestLines() const
{
    QStringList lines;
    const QByteArray marker = "): ";
    for (const QByteArray &line : logText().split('\n')) {
        if (!line.contains("Request (file descriptor"))
            continue;
        lines << QString::fromUtf8(line.mid(line.indexOf(marker) + marker.size()).trimmed());
    }
    return lines;
}
