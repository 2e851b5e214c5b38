#include "HttpFixture.h"
#include "TinyproxyFixture.h"

#include "app/DeviceTypeNames.h"
#include "support/ModalRecorder.h"
#include "support/TestFolder.h"
#include "update/OnlineUpdateWidget.h"

#include <QLabel>
#include <QNetworkProxy>
#include <QSettings>
#include <QtTest>
#include <memory>

namespace {
QString statusText(OnlineUpdateWidget &page)
{
    return page.findChild<QLabel *>(QStringLiteral("lblStatus"))->text();
}
} // namespace

// The online firmware client through a real HTTP proxy to a service on this machine.
class TestOnlineUpdateProxy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initDeviceTypeNames(); }
    void throughTheProxy_data();
    void throughTheProxy();
};

void TestOnlineUpdateProxy::throughTheProxy_data()
{
    QTest::addColumn<bool>("authenticated");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("passes");
    QTest::newRow("open proxy") << false << QString() << true;
    QTest::newRow("credentials accepted") << true << QStringLiteral("secret") << true;
    QTest::newRow("credentials refused") << true << QStringLiteral("wrong") << false;
}

void TestOnlineUpdateProxy::throughTheProxy()
{
    QFETCH(bool, authenticated);
    QFETCH(QString, password);
    QFETCH(bool, passes);
    ModalRecorder boxes;
    HttpFixture service;
    QVERIFY(service.isListening());
    service.setAnswer("/api/firmwares", "[" + HttpFixture::listEntry("fw/a.dmia", "Tarvo-T24") +
                                            "," + HttpFixture::listEntry("fw/b.dmia", "Tarvo-T18") +
                                            "]");
    service.setAnswer("/fw/a.dmia", HttpFixture::radioContainer(24, 0x0115));
    service.setAnswer("/fw/b.dmia", HttpFixture::radioContainer(18, 0x0102));

    TinyproxyFixture proxy(
        TestFolder::path(QStringLiteral("proxy-%1").arg(QTest::currentDataTag())));
    if (authenticated)
        proxy.requireCredentials("user1", "secret");
    QString reason;
    QVERIFY2(proxy.start(&reason), qPrintable(reason));

    QSettings settings;
    settings.clear();
    settings.setValue("server", service.address());
    settings.setValue("proxy_on", 1);
    settings.setValue("proxy_type", int(QNetworkProxy::HttpProxy));
    settings.setValue("proxy_host", "127.0.0.1");
    settings.setValue("proxy_port", proxy.port());
    settings.setValue("proxy_user", authenticated ? "user1" : "");
    settings.setValue("proxy_password", password);

    OnlineUpdateWidget page;
    page.checkOnline();
    if (!passes) {
        QTRY_VERIFY_WITH_TIMEOUT(statusText(page).startsWith(QStringLiteral("SSL error: ")), 30000);
        QVERIFY(service.requests.isEmpty());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(statusText(page),
                              QStringLiteral("2 firmwares downloaded from online service"), 30000);
    // Every request reached the service through the proxy: the list and both downloads.
    QCOMPARE(service.requests.size(), 3);
    for (const HttpFixture::Request &request : qAsConst(service.requests))
        QVERIFY2(request.headers.value("via").contains("tinyproxy"), request.path.constData());
    const QStringList proxied = proxy.requestLines();
    const QString origin = service.address();
    QVERIFY2(proxied.contains("POST " + origin + "/api/firmwares HTTP/1.1"),
             qPrintable(proxied.join('\n')));
    QVERIFY(proxied.contains("GET " + origin + "/fw/a.dmia HTTP/1.1"));
    QVERIFY(proxied.contains("GET " + origin + "/fw/b.dmia HTTP/1.1"));
    QVERIFY(boxes.seen.isEmpty());
}

QTEST_MAIN(TestOnlineUpdateProxy)
#include "test_online_update_proxy.moc"
