#include "app/KeyboardLayoutWatcher.h"
#include "app/Loader.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "link/Records.h"
#include "pages/settings/DateTimeSettings.h"
#include "support/ModalRecorder.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {
quint32 bcdDate(int year, int month, int day)
{
    auto bcd = [](int v) { return quint32((v / 10) << 4 | (v % 10)); };
    return bcd(year - 2000) << 16 | bcd(month) << 8 | bcd(day);
}

quint32 bcdTime(int hour, int minute, int second)
{
    auto bcd = [](int v) { return quint32((v / 10) << 4 | (v % 10)); };
    return bcd(hour) << 16 | bcd(minute) << 8 | bcd(second);
}
} // namespace

class TestLoginWidget : public QObject
{
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }

    void scrambling_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("login");
        QTest::newRow("key repeats") << "longpassword1"
                                     << "ab";
        QTest::newRow("punctuation") << "p@ss_№1"
                                     << "admin";
        QTest::newRow("empty password") << ""
                                        << "admin";
    }
    void scrambling()
    {
        QFETCH(QString, password);
        QFETCH(QString, login);
        const QString stored = LoginWidget::encrypt(password, login);
        QCOMPARE(QByteArray::fromBase64(stored.toLatin1()).size(), password.toUtf8().size());
        QCOMPARE(LoginWidget::decrypt(stored, login), password);
    }

    void scramblingIsXorWithTheRepeatedLogin()
    {
        // 'a'^'a' = 0, 'b'^'b' = 0, 'c'^'a' = 2
        QCOMPARE(LoginWidget::encrypt("abc", "ab"),
                 QString::fromLatin1(QByteArray("\0\0\2", 3).toBase64()));
    }

    void fieldsRefuseWhatTheDeviceCannotTake()
    {
        LoginWidget dialog;
        auto *login = dialog.findChild<QLineEdit *>("leLogin");
        auto *password = dialog.findChild<QLineEdit *>("lePassword");
        QTest::keyClicks(login, "AdMin");
        QCOMPARE(login->text(), QString("din"));
        QTest::keyClicks(password, "a b/c\\d\"e");
        QCOMPARE(password->text(), QString("abcde"));
        login->clear();
        QTest::keyClicks(login, QString(70, 'x'));
        QCOMPARE(login->text().size(), 63);
    }

    void forgotButtonFollowsTheLogin()
    {
        LoginWidget dialog;
        auto *login = dialog.findChild<QLineEdit *>("leLogin");
        auto *forgot = dialog.findChild<QPushButton *>("pbForgotPassword");
        login->setText("a");
        QVERIFY(forgot->isEnabled());
        login->clear();
        QVERIFY(!forgot->isEnabled());
    }

    void rememberedCredentials()
    {
        Overmind overmind;
        LoginWidget dialog;
        auto *login = dialog.findChild<QLineEdit *>("leLogin");
        auto *password = dialog.findChild<QLineEdit *>("lePassword");
        auto *remember = dialog.findChild<QCheckBox *>("cbRememberPassword");
        dialog.show();
        login->setText("installer");
        password->setText("s3cret!");
        remember->setChecked(true);
        QSignalSpy success(&dialog, &LoginWidget::loginSuccess);
        dialog.onLoginResult(0, 4, 2);
        QCOMPARE(success.count(), 1);
        QCOMPARE(dialog.accessLevel(), 2);
        QVERIFY(!dialog.isVisible());
        QSettings settings;
        QCOMPARE(settings.value("lastlogin").toString(), QString("installer"));
        QCOMPARE(settings.value("password").toString(),
                 LoginWidget::encrypt("s3cret!", "installer"));

        login->clear();
        password->clear();
        dialog.show();
        QCOMPARE(login->text(), QString("installer"));
        QCOMPARE(password->text(), QString("s3cret!"));

        // The factory password is kept in plain text and shown as it is.
        settings.setValue("password", "vorte");
        dialog.hide();
        dialog.show();
        QCOMPARE(password->text(), QString("vorte"));

        remember->setChecked(false);
        dialog.onLoginResult(0, 4, 2);
        QVERIFY(!settings.contains("lastlogin"));
        QVERIFY(!settings.contains("password"));
        dialog.show();
        QVERIFY(login->text().isEmpty());
        QVERIFY(!remember->isChecked());
    }

    void emptyLoginWithRememberStoresNoPassword()
    {
        Overmind overmind;
        LoginWidget dialog;
        dialog.findChild<QLineEdit *>("lePassword")->setText("abc");
        dialog.findChild<QCheckBox *>("cbRememberPassword")->setChecked(true);
        dialog.onLoginResult(0, 0, 2);
        QSettings settings;
        QVERIFY(!settings.contains("password"));
        QVERIFY(settings.value("rememberpassword").toBool());
    }

    void failedAndDeniedLogins()
    {
        Overmind overmind;
        ModalRecorder boxes;
        LoginWidget dialog;
        auto *password = dialog.findChild<QLineEdit *>("lePassword");
        password->setText("bad");
        QSignalSpy success(&dialog, &LoginWidget::loginSuccess);
        dialog.onLoginResult(1, 0, 2);
        QVERIFY(password->text().isEmpty());
        QCOMPARE(password->placeholderText(), LoginWidget::tr("Wrong password"));
        dialog.onLoginResult(0, 0, 0);
        QCOMPARE(boxes.count("warning"), 1);
        QCOMPARE(boxes.seen.at(0).title, LoginWidget::tr("Access denied"));
        QCOMPARE(success.count(), 0);
    }

    void keyboardLayouts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("russian") << "00000419"
                                 << "ru";
        QTest::newRow("russian typewriter") << "00010419"
                                            << "ru";
        QTest::newRow("first two digits ignored") << "F0000409"
                                                  << "us";
        QTest::newRow("dvorak") << "00010409"
                                << "dv";
        QTest::newRow("unknown") << "00000499"
                                 << "unknown";
    }
    void keyboardLayouts()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QCOMPARE(KeyboardLayoutWatcher::layoutCode(name), code);
    }

    void inputLocalesMapToLayoutNames()
    {
        QCOMPARE(KeyboardLayoutWatcher::layoutName(QLocale(QLocale::Russian, QLocale::Russia)),
                 QString("00000419"));
        QCOMPARE(
            KeyboardLayoutWatcher::layoutName(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            QString("00000809"));
        QCOMPARE(
            KeyboardLayoutWatcher::layoutName(QLocale(QLocale::English, QLocale::UnitedStates)),
            QString("00000409"));
    }

    // The dialog stays alive between log-ins and watches the layout only while shown.
    void layoutShownWhileTheDialogIsShown()
    {
        const QString current = KeyboardLayoutWatcher::layoutCode(
            KeyboardLayoutWatcher::layoutName(QGuiApplication::inputMethod()->locale()));
        LoginWidget dialog;
        auto *label = dialog.findChild<QLabel *>("lblKeyboardLayout");
        QVERIFY(label);
        dialog.show();
        QTRY_COMPARE(label->text(), current);
        dialog.hide();
        dialog.show();
        QTRY_COMPARE(label->text(), current);
    }

    void loadPercent_data()
    {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("total");
        QTest::addColumn<unsigned>("percent");
        QTest::newRow("3 of 7") << 3 << 7 << 42u;
        QTest::newRow("7 of 7") << 7 << 7 << 100u;
        QTest::newRow("total 0") << 5 << 0 << 0u;
    }
    void loadPercent()
    {
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(unsigned, percent);
        QCOMPARE(Loader::percent(quint16(done), quint16(total)), percent);
    }

    void settingsVersionWarning()
    {
        Overmind overmind;
        ModalRecorder boxes;
        s_SettingsVersions versions{};
        for (auto &pair : versions.versions)
            pair[1] = 1;
        overmind.checkSettingsVersions(versions);
        QCOMPARE(boxes.seen.size(), 0);
        versions.versions[3][1] = 2; // byte 7: iButton
        overmind.checkSettingsVersions(versions);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.at(0).text,
                 Overmind::tr("Compatibility errors found in:\n%1").arg(Overmind::tr("iButton")));
    }

    void deviceClockCheckUsesWholeDateTimes()
    {
        ModalRecorder boxes;
        Overmind overmind;
        MainWindow window;
        overmind.setMainWindow(&window);
        overmind.createSettingsObjects(true);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        auto check = [&](const QDateTime &device) {
            u_DateSTM32F4xx date{};
            u_TimeSTM32F4xx time{};
            date.value = bcdDate(device.date().year(), device.date().month(), device.date().day());
            time.value =
                bcdTime(device.time().hour(), device.time().minute(), device.time().second());
            overmind.checkDeviceTime(date, time);
        };
        check(now.addSecs(-3));
        QCOMPARE(boxes.seen.size(), 0);
        check(now.addSecs(-3)); // the same words are not compared again
        check(now.addSecs(-130));
        QCOMPARE(boxes.seen.size(), 1);
        check(now.addDays(-1).addSecs(10)); // a day behind is wrong even at the same hour
        QCOMPARE(boxes.seen.size(), 2);
        QVERIFY(DateTimeSettings::decode(bcdDate(2026, 12, 31), bcdTime(23, 59, 50)) ==
                QDateTime(QDate(2026, 12, 31), QTime(23, 59, 50), Qt::UTC));
    }
};

QTEST_MAIN(TestLoginWidget)
#include "test_login_widget.moc"
