#include "app/ContentAwareLineEdit.h"
#include "app/SpinBoxWithValidator.h"
#include "support/ModalRecorder.h"
#include "update/OnlineUpdateSetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>

namespace {
QString typed(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
    return edit->text();
}

QString typed(QSpinBox *box, const QString &text)
{
    QLineEdit *edit = box->findChild<QLineEdit *>();
    edit->clear();
    QTest::keyClicks(box, text);
    return edit->text();
}
} // namespace

class TestOnlineUpdateSetup : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init()
    {
        QSettings().clear();
        boxes = std::make_unique<ModalRecorder>();
    }
    void cleanup() { boxes.reset(); }

    void firstOpeningStoresTheDefaultServer()
    {
        {
            OnlineUpdateSetup dialog;
            QCOMPARE(QSettings().value("server").toString(), OnlineUpdateSetup::DefaultServer);
            QVERIFY(!dialog.gbProxy->isChecked());
            QCOMPARE(dialog.cbType->currentText(), QStringLiteral("Defaultp proxy"));
            QCOMPARE(dialog.cbType->count(), 6);
            dialog.reject();
        }
        QCOMPARE(QSettings().value("server").toString(), OnlineUpdateSetup::DefaultServer);
        QVERIFY(QSettings().value("server").toString().contains(".example:9000"));
    }

    void okSavesEveryField()
    {
        OnlineUpdateSetup dialog;
        dialog.gbProxy->setChecked(true);
        dialog.cbType->setCurrentIndex(3);
        dialog.leHost->setText("proxy.example");
        dialog.sbPort->setValue(8080);
        dialog.leUser->setText("user1");
        dialog.lePassword->setText("p@ss");
        dialog.leServer->setText("http://10.1.2.3:9000");
        dialog.buttonBox->button(QDialogButtonBox::Ok)->click();
        QSettings settings;
        QCOMPARE(settings.value("proxy_on").toInt(), 1);
        QCOMPARE(settings.value("proxy_type").toInt(), 3);
        QCOMPARE(settings.value("proxy_host").toString(), QStringLiteral("proxy.example"));
        QCOMPARE(settings.value("proxy_port").toInt(), 8080);
        QCOMPARE(settings.value("proxy_user").toString(), QStringLiteral("user1"));
        QCOMPARE(settings.value("proxy_password").toString(), QStringLiteral("p@ss"));
        QCOMPARE(settings.value("server").toString(), QStringLiteral("http://10.1.2.3:9000"));

        OnlineUpdateSetup again;
        again.show();
        QVERIFY(again.grab().save(
            QDir(QCoreApplication::applicationDirPath()).filePath("online_update_setup.png"),
            "PNG"));
        QVERIFY(again.gbProxy->isChecked());
        QCOMPARE(again.cbType->currentText(), QStringLiteral("Http proxy"));
        QCOMPARE(again.sbPort->value(), 8080);
    }

    void defaultsAskFirstAndSaveAtOnce()
    {
        OnlineUpdateSetup dialog;
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        dialog.pbDefault->click();
        QCOMPARE(boxes->seen.last().title, QStringLiteral("Reset settings"));
        QVERIFY(!dialog.gbProxy->isChecked());
        QVERIFY(!QSettings().contains("proxy_on"));

        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        dialog.pbDefault->click();
        dialog.reject();
        QSettings settings;
        QCOMPARE(settings.value("proxy_on").toInt(), 1);
        QCOMPARE(settings.value("proxy_type").toInt(), 3);
        QCOMPARE(settings.value("proxy_port").toInt(), 3128);
        QCOMPARE(settings.value("proxy_host").toString(), OnlineUpdateSetup::DefaultProxyHost);
    }

    void inputRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        QTest::newRow("server with port") << "leServer"
                                          << "http://fw.example:9000"
                                          << "http://fw.example:9000";
        QTest::newRow("server port too big") << "leServer"
                                             << "http://fw.example:65536"
                                             << "http://fw.example:6553";
        QTest::newRow("server over 31") << "leServer"
                                        << "http://a234567890123456789012345.example"
                                        << "http://a23456789012345678901234";
        QTest::newRow("host signs") << "leHost"
                                    << "a-b.c/d_e f"
                                    << "a-b.c/def";
        QTest::newRow("user lower case") << "leUser"
                                         << "User9x"
                                         << "ser9x";
        QTest::newRow("port 65535") << "sbPort"
                                    << "65535"
                                    << "65535";
        QTest::newRow("port 65536") << "sbPort"
                                    << "65536"
                                    << "6553";
        QTest::newRow("port 70000") << "sbPort"
                                    << "70000"
                                    << "7000";
        QTest::newRow("port 0") << "sbPort"
                                << "0"
                                << "";
    }

    void inputRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        OnlineUpdateSetup dialog;
        dialog.gbProxy->setChecked(true);
        if (field == "sbPort")
            QCOMPARE(typed(dialog.sbPort, input), kept);
        else
            QCOMPARE(typed(dialog.findChild<QLineEdit *>(field), input), kept);
    }
};

QTEST_MAIN(TestOnlineUpdateSetup)
#include "test_online_update_setup.moc"
