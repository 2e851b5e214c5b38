// Hands arbitrary bodies to the running program's client of the online firmware service
// as finished replies: the firmware list asked for at "/api/firmwares", or a container
// download. The first byte chooses which; the rest is the body.
#include "FuzzSupport.h"

#include "app/MainWindow.h"
#include "app/Ui_MainWindow.h"
#include "update/NetworkManager.h"
#include "update/OnlineUpdateWidget.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkReply>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
// A finished reply holding the body, as the network access manager hands one over.
class FinishedReply : public QNetworkReply
{
public:
    FinishedReply(const QUrl &url, const QByteArray &body) : m_body(body)
    {
        setUrl(url);
        setOperation(QNetworkAccessManager::GetOperation);
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        setFinished(true);
    }
    void abort() override {}
    qint64 bytesAvailable() const override
    {
        return m_body.size() - m_read + QIODevice::bytesAvailable();
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = qMin(maxSize, qint64(m_body.size()) - m_read);
        std::memcpy(data, m_body.constData() + m_read, size_t(count));
        m_read += count;
        return count;
    }

private:
    QByteArray m_body;
    qint64 m_read = 0;
};

// Nothing the client asks for afterwards may leave this machine.
const char *const Server = "http://127.0.0.1:9";

bool requestRunning(const NetworkManager *client)
{
    const QList<QNetworkReply *> replies = client->findChildren<QNetworkReply *>();
    return std::any_of(replies.cbegin(), replies.cend(),
                       [](const QNetworkReply *reply) { return reply->isRunning(); });
}

// The downloads a list starts are refused at once by the closed port. They are waited
// for, so neither the next input nor the program's end meets a connection being made on
// the network thread (at the end that thread would outlive the globals it uses).
void waitForRequests(const NetworkManager *client)
{
    QDeadlineTimer deadline(10000);
    QTimer wake;
    wake.start(50);
    while (requestRunning(client) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    if (size < 1)
        return 0;
    QSettings().setValue(QStringLiteral("server"), QLatin1String(Server));
    NetworkManager *client = program.window()->form()->onlineUpdateWidget->networkManager();
    const QByteArray body(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QUrl url(QLatin1String(Server) + ((data[0] & 1) ? QStringLiteral("/files/core.dmia")
                                                          : QStringLiteral("/api/firmwares")));
    client->replyFinished(new FinishedReply(url, body));
    waitForRequests(client);
    program.settle();
    return 0;
}
