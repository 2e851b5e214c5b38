#include "HttpFixture.h"

#include "app/DeviceTypeNames.h"
#include "support/ModalRecorder.h"
#include "support/TestFolder.h"
#include "update/NetworkManager.h"
#include "update/OnlineUpdateWidget.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSettings>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QtTest>
#include <memory>

namespace {
QString statusText(OnlineUpdateWidget &page)
{
    return page.findChild<QLabel *>(QStringLiteral("lblStatus"))->text();
}

QString logText(OnlineUpdateWidget &page)
{
    return page.findChild<QTextEdit *>(QStringLiteral("teNotify"))->toPlainText();
}

QStringList listLines(OnlineUpdateWidget &page)
{
    QStringList lines;
    for (int row = 0; row < page.firmwareListModel()->rowCount(); ++row)
        lines << page.firmwareListModel()->item(row)->text().trimmed();
    return lines;
}
} // namespace

class TestOnlineUpdate : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;
    std::unique_ptr<HttpFixture> service;

private slots:
    void initTestCase() { initDeviceTypeNames(); }
    void init()
    {
        QSettings().clear();
        boxes = std::make_unique<ModalRecorder>();
        service = std::make_unique<HttpFixture>();
        QVERIFY(service->isListening());
        QSettings().setValue(QStringLiteral("server"), service->address());
    }
    void cleanup()
    {
        service.reset();
        boxes.reset();
    }

    void checkDownloadsAndPublishes();
    void failedDownloadsStillComplete();
    void parsingErrors_data();
    void parsingErrors();
    void transportErrors_data();
    void transportErrors();
    void proxySettingsDecideTheRoute();
    void downloadFolderIsTheProgramsOwn();
};

void TestOnlineUpdate::checkDownloadsAndPublishes()
{
    service->setAnswer("/api/firmwares",
                       "[" + HttpFixture::listEntry("fw/a.dmia", "Tarvo-T24") + "," +
                           HttpFixture::listEntry("fw/b.dmia", "Tarvo-T18", "2021-03-04") + "," +
                           HttpFixture::listEntry("fw/c.DMIA", "Tarvo-T19") + "]");
    service->setAnswer("/fw/a.dmia", HttpFixture::radioContainer(24, 0x0115));
    service->setAnswer("/fw/b.dmia", HttpFixture::radioContainer(18, 0x0102));
    service->setAnswer("/fw/c.DMIA", HttpFixture::radioContainer(19, 0x0103));
    OnlineUpdateWidget page;
    page.checkOnline();
    QTRY_COMPARE(statusText(page), QStringLiteral("3 firmwares downloaded from online service"));

    // The request: one POST of the (here empty) device list, then one GET per entry.
    QCOMPARE(service->requests.first().method, QByteArray("POST"));
    QCOMPARE(service->requests.first().path, QByteArray("/api/firmwares"));
    QCOMPARE(service->requests.first().headers.value("content-type"),
             QByteArray("application/json"));
    const QJsonObject body = QJsonDocument::fromJson(service->requests.first().body).object();
    QCOMPARE(body.keys(), QStringList{"firmwares"});
    QVERIFY(body.value("firmwares").toArray().isEmpty());
    QCOMPARE(service->requests.size(), 4);

    QVERIFY(logText(page).contains("3 firmwares downloaded from online service"));
    // The completion publishes the downloaded containers under their device names.
    const QStringList lines = listLines(page);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.first().startsWith(deviceTypeNames[24] + ": hw 1.02, fw 1.21"));
    QVERIFY(QFileInfo::exists(OnlineUpdateWidget::downloadFolder() + "/c.DMIA"));
    QVERIFY(boxes->seen.isEmpty());
}

// A container that fails to read, a file of two containers and a missing file all end the
// check: what arrived is published and the failures are named.
void TestOnlineUpdate::failedDownloadsStillComplete()
{
    service->setAnswer("/api/firmwares",
                       "[" + HttpFixture::listEntry("fw/two.dmia", "Tarvo-T24") + "," +
                           HttpFixture::listEntry("fw/bad.dmia", "Tarvo-T18") + "," +
                           HttpFixture::listEntry("fw/gone.dmia", "Tarvo-T19") + ",7]");
    service->setAnswer("/fw/two.dmia", HttpFixture::radioContainer(24, 0x0115) +
                                           "\n---END_OF_DMIA---\n" +
                                           HttpFixture::radioContainer(24, 0x0116));
    service->setAnswer("/fw/bad.dmia", "Device: x\nAAAA\n");
    OnlineUpdateWidget page;
    page.checkOnline();
    QTRY_COMPARE(statusText(page), QStringLiteral("2 firmwares downloaded from online service"));
    QCOMPARE(boxes->count("critical"), 1);
    const QString failures = boxes->seen.last().text;
    QVERIFY2(failures.contains("bad.dmia: Header crc is broken"), qPrintable(failures));
    QVERIFY2(failures.contains("gone.dmia: "), qPrintable(failures));
    QCOMPARE(listLines(page).size(), 2);
}

void TestOnlineUpdate::parsingErrors_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty array") << QByteArray("[]") << "Reply parsing error: NO_FIRMWARES";
    QTest::newRow("object") << QByteArray("{}") << "Reply parsing error: NOT_ARRAY";
    QTest::newRow("not json") << QByteArray("<html>") << "Reply error: ERROR_OCURRED";
    QTest::newRow("empty body") << QByteArray() << "Reply error: ERROR_OCURRED";
}

void TestOnlineUpdate::parsingErrors()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, text);
    service->setAnswer("/api/firmwares", reply);
    OnlineUpdateWidget page;
    page.checkOnline();
    QTRY_COMPARE(boxes->count("warning"), 1);
    QCOMPARE(boxes->seen.first().title, QStringLiteral("Parsing error"));
    QCOMPARE(boxes->seen.first().text, text);
    QCOMPARE(statusText(page), text);
}

void TestOnlineUpdate::transportErrors_data()
{
    QTest::addColumn<bool>("secure");
    QTest::newRow("closed port") << false;
    QTest::newRow("https to a plain service") << true;
}

void TestOnlineUpdate::transportErrors()
{
    QFETCH(bool, secure);
    QString server;
    if (secure) {
        server = QStringLiteral("https://127.0.0.1:%1").arg(service->serverPort());
    } else {
        const quint16 port = service->serverPort();
        service.reset(); // nothing listens there any more
        server = QStringLiteral("http://127.0.0.1:%1").arg(port);
    }
    QSettings().setValue(QStringLiteral("server"), server);
    OnlineUpdateWidget page;
    page.checkOnline();
    QTRY_VERIFY(statusText(page).startsWith(QStringLiteral("SSL error: ")));
    QVERIFY(statusText(page).size() > QStringLiteral("SSL error: ").size());
}

void TestOnlineUpdate::proxySettingsDecideTheRoute()
{
    HttpFixture proxy;
    proxy.requireProxyCredentials("user1", "secret");
    proxy.setAnswer("/api/firmwares", "{}");
    service->setAnswer("/api/firmwares", "{}");
    QSettings settings;
    settings.setValue("proxy_on", 1);
    settings.setValue("proxy_type", 3);
    settings.setValue("proxy_host", "127.0.0.1");
    settings.setValue("proxy_port", proxy.serverPort());
    settings.setValue("proxy_user", "user1");
    settings.setValue("proxy_password", "secret");
    {
        OnlineUpdateWidget page;
        page.checkOnline();
        QVERIFY(logText(page).contains("Proxy ON"));
        QTRY_COMPARE(statusText(page), QStringLiteral("Reply parsing error: NOT_ARRAY"));
        QVERIFY(service->requests.isEmpty());
        QVERIFY(proxy.requests.last().target.startsWith("http://127.0.0.1:"));
    }
    settings.setValue("proxy_password", "wrong");
    {
        OnlineUpdateWidget page;
        page.checkOnline();
        QTRY_VERIFY(statusText(page).startsWith(QStringLiteral("SSL error: ")));
        QVERIFY(service->requests.isEmpty());
    }
    settings.setValue("proxy_on", 0);
    {
        const int proxied = proxy.requests.size();
        OnlineUpdateWidget page;
        page.checkOnline();
        QVERIFY(logText(page).contains("No proxy"));
        QTRY_COMPARE(service->requests.size(), 1);
        QCOMPARE(proxy.requests.size(), proxied);
    }
}

// The page removes only the folder it downloads into, never one a setting points elsewhere.
void TestOnlineUpdate::downloadFolderIsTheProgramsOwn()
{
    const QString userFolder = TestFolder::path(QStringLiteral("Downloads/DMIA"));
    QVERIFY(QDir().mkpath(userFolder));
    QSettings().setValue(QStringLiteral("downloadedPath"), userFolder);
    {
        OnlineUpdateWidget page;
    }
    QVERIFY(QFileInfo::exists(userFolder));

    QVERIFY(QDir().mkpath(OnlineUpdateWidget::downloadFolder()));
    QSettings().setValue(QStringLiteral("downloadedPath"), OnlineUpdateWidget::downloadFolder());
    {
        OnlineUpdateWidget page;
    }
    QVERIFY(!QFileInfo::exists(OnlineUpdateWidget::downloadFolder()));
}

QTEST_MAIN(TestOnlineUpdate)
#include "test_online_update.moc"
