#include "app/ContentAwareLineEdit.h"
#include "app/Overmind.h"
#include "pages/users/UserAddDialog.h"
#include "pages/users/UserModel.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// QTest types Latin-1 only; other letters go in as key events that carry their text.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}
struct Step
{
    QString control; // object name; a check box takes "1" or "0", "-" empties a line edit
    QString input;
};
using Steps = QList<Step>;

QString dialogText(const char *text)
{
    return UserAddDialog::tr(text);
}

s_ExtMemDataUser sealed(UserSettings &user)
{
    user.writeToDevice();
    return user.record();
}
} // namespace
Q_DECLARE_METATYPE(Steps)

// A controller whose user table holds an administrator 0, "Ivan" (login ivan, phone
// +79031112233) and the user under test, number 5.
struct DialogFixture
{
    Overmind overmind;
    ModalRecorder boxes;
    UserSettings *edited = nullptr;
    QPointer<UserAddDialog> dialog;

    DialogFixture()
    {
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        UserSettings admin(nullptr, 0);
        admin.setName("Administrator");
        admin.setLogin("admin");
        admin.setPasswordText("vorte");
        admin.setPhone("79161234567");
        admin.setAdmin(true);
        users()->userSettings(0, sealed(admin));
        UserSettings ivan(nullptr, 1);
        ivan.setName("Ivan");
        ivan.setLogin("ivan");
        ivan.setPhone("79031112233");
        users()->userSettings(1, sealed(ivan));
    }

    ~DialogFixture() { delete dialog.data(); }

    UserModel *users() { return overmind.userModel(); }

    UserSettings *addStored(UserSettings &user)
    {
        users()->userSettings(user.id(), sealed(user));
        return users()->userById(user.id());
    }

    UserAddDialog *open(UserSettings *user, int mode)
    {
        edited = user;
        dialog = new UserAddDialog(user, mode);
        dialog->show();
        return dialog;
    }

    template <typename T> T *child(const QString &name) { return dialog->findChild<T *>(name); }
    ContentAwareLineEdit *edit(const QString &name) { return child<ContentAwareLineEdit>(name); }
    QPushButton *ok() { return child<QPushButton>("pbOk"); }

    void apply(const Steps &steps)
    {
        for (const Step &step : steps) {
            if (auto *box = child<QCheckBox>(step.control)) {
                box->setChecked(step.input == "1");
                continue;
            }
            ContentAwareLineEdit *line = edit(step.control);
            QVERIFY2(line, qPrintable(step.control));
            line->setFocus();
            if (step.input == "-") {
                line->selectAll();
                QTest::keyClick(line, Qt::Key_Backspace);
            } else {
                typeText(line, step.input);
            }
        }
    }

    void saveShot(const QString &name)
    {
        QDir().mkpath(QStringLiteral("screenshots"));
        dialog->grab().save(QStringLiteral("screenshots/%1.png").arg(name));
    }
};

class TestUserDialog : public QObject
{
    Q_OBJECT
private slots:
    // Inputs typed into a new user's dialog: the warning of one field and the OK button.
    void newUserInputs_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("okEnabled");
        const QString cyrillic47(47, QChar(0x0436));
        const QString numero21(21, QChar(0x2116));
        QTest::newRow("acceptable at once") << Steps{} << "leUsername"
                                            << "User #6"
                                            << "" << true;
        QTest::newRow("empty name")
            << Steps{{"leUsername", "-"}} << "leUsername"
            << "" << dialogText("The Username field must not be empty") << false;
        QTest::newRow("name taken")
            << Steps{{"leUsername", "-"}, {"leUsername", "Ivan"}} << "leUsername"
            << "Ivan" << dialogText("The entered name is already taken.") << false;
        QTest::newRow("name of 96 bytes loses its last letter")
            << Steps{{"leUsername", "-"}, {"leUsername", cyrillic47 + QChar(0x0436)}}
            << "leUsername" << cyrillic47 << "" << true;
        QTest::newRow("login of 3")
            << Steps{{"leLogin", "abc"}} << "leLogin"
            << "abc" << dialogText("Login must be longer than 4 symbols.") << false;
        QTest::newRow("login taken") << Steps{{"leLogin", "ivan"}} << "leLogin"
                                     << "ivan" << dialogText("Login must be unique.") << false;
        QTest::newRow("login of 4 needs a password")
            << Steps{{"leLogin", "anna"}} << "lePassword"
            << "" << dialogText("You must enter a password.") << false;
        QTest::newRow("password of 3")
            << Steps{{"leLogin", "anna"}, {"lePassword", "abc"}, {"lePasswordRepeat", "abc"}}
            << "lePassword"
            << "abc" << dialogText("Password must be longer than 4 symbols.") << false;
        QTest::newRow("password mismatch")
            << Steps{{"leLogin", "anna"}, {"lePassword", "abcd"}, {"lePasswordRepeat", "abce"}}
            << "lePasswordRepeat"
            << "abce" << dialogText("Password mismatch.") << false;
        QTest::newRow("login and password of 4")
            << Steps{{"leLogin", "anna"}, {"lePassword", "abcd"}, {"lePasswordRepeat", "abcd"}}
            << "lePasswordRepeat"
            << "abcd"
            << "" << true;
        QTest::newRow("password keeps within 63 bytes")
            << Steps{{"leLogin", "anna"},
                     {"lePassword", numero21 + QChar(0x2116)},
                     {"lePasswordRepeat", numero21}}
            << "lePassword" << numero21 << "" << true;
        QTest::newRow("phone with 8 becomes +7")
            << Steps{{"lePhoneNumber", "89161112233"}} << "lePhoneNumber"
            << "+79161112233"
            << "" << true;
        QTest::newRow("phone without + gets one")
            << Steps{{"lePhoneNumber", "380501234567"}} << "lePhoneNumber"
            << "+380501234567"
            << "" << true;
        QTest::newRow("phone of another user")
            << Steps{{"lePhoneNumber", "+79031112233"}} << "lePhoneNumber"
            << "+79031112233"
            << dialogText("This phone number is already in use by another user.\nEnter another.")
            << false;
        QTest::newRow("Quenor3 without phone")
            << Steps{{"cbQuenor3", "1"}} << "lePhoneNumber"
            << "" << dialogText("The phone number field is required for the Quenor3.") << false;
        QTest::newRow("redirect without phone")
            << Steps{{"cbOperatorMessageRedirect", "1"}} << "lePhoneNumber"
            << "" << dialogText("The phone number field is required for the selected settings.")
            << false;
        QTest::newRow("admin without login")
            << Steps{{"cbAdmin", "1"}} << "leLogin"
            << ""
            << dialogText("For a user with administrator rights, the login field is required.")
            << false;
        QTest::newRow("SMS password of 4")
            << Steps{{"leSMSPassword", "1234"}} << "leSMSPassword"
            << "1234" << dialogText("SMS password must be longer than 5 symbols.") << false;
        QTest::newRow("SMS password needs a phone")
            << Steps{{"leSMSPassword", "12345"}, {"leSMSPasswordRepeat", "12345"}}
            << "lePhoneNumber"
            << "" << dialogText("The phone number field is required for control through SMS.")
            << false;
        QTest::newRow("SMS password with phone") << Steps{{"lePhoneNumber", "+79990001122"},
                                                          {"leSMSPassword", "12345"},
                                                          {"leSMSPasswordRepeat", "12345"}}
                                                 << "leSMSPasswordRepeat"
                                                 << "12345"
                                                 << "" << true;
    }

    void newUserInputs()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        QFETCH(bool, okEnabled);
        DialogFixture f;
        UserSettings user(nullptr, 5);
        f.open(&user, UserAddDialog::AddMode);
        QCOMPARE(f.child<QComboBox>("cbPartitions")->currentText(), QString("Not selected"));
        f.apply(steps);
        QCOMPARE(f.edit(field)->text(), text);
        QCOMPARE(f.edit(field)->warning(), warning);
        QCOMPARE(f.ok()->isEnabled(), okEnabled);
    }

    // Mend: a pasted number is compared with the other users' after normalising, so 8...
    // and a number without "+" are the +7... number they stand for.
    void pastedPhoneOfAnotherUser_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("with 8") << "89031112233";
        QTest::newRow("without +") << "79031112233";
        QTest::newRow("as shown") << "+79031112233";
    }
    void pastedPhoneOfAnotherUser()
    {
        QFETCH(QString, pasted);
        DialogFixture f;
        UserSettings user(nullptr, 5);
        f.open(&user, UserAddDialog::AddMode);
        ContentAwareLineEdit *phone = f.edit("lePhoneNumber");
        phone->setFocus();
        phone->insert(pasted);
        QCOMPARE(
            phone->warning(),
            dialogText("This phone number is already in use by another user.\nEnter another."));
        QVERIFY(!f.ok()->isEnabled());
    }

    void newUserIsSavedAsTyped()
    {
        DialogFixture f;
        UserSettings user(nullptr, 5);
        f.open(&user, UserAddDialog::AddMode);
        QSignalSpy accepted(f.dialog.data(), &UserAddDialog::accepted);
        QSignalSpy cancelled(f.dialog.data(), &UserAddDialog::cancelled);
        f.apply({{"leUsername", "-"},
                 {"leUsername", "Анна"},
                 {"leLogin", "anna"},
                 {"lePassword", "Pa$s"},
                 {"lePasswordRepeat", "Pa$s"},
                 {"lePhoneNumber", "89161112233"},
                 {"cbCanTakeOn", "1"}});
        f.saveShot("user_dialog_add");
        QVERIFY(f.ok()->isEnabled());
        QTest::keyClick(f.dialog.data(), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(cancelled.count(), 0);
        QTRY_VERIFY(!f.dialog);
        QCOMPARE(user.name(), QString("Анна"));
        QCOMPARE(user.login(), QString("anna"));
        QCOMPARE(user.password(), QString("Pa$s"));
        QCOMPARE(user.phoneText(), QString("+79161112233"));
        QVERIFY(user.canTakeOn());
        QVERIFY(!user.hasSmsPassword());
        // The untouched call control row is group 1.
        QCOMPARE(int(user.callControlGroup()), 0);
        QCOMPARE(user.smsControlGroups(), quint16(0));
    }

    void okRefusesShortTextsAndMissingPhone_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("message");
        QTest::newRow("login of 3")
            << Steps{{"leLogin", "abc"}}
            << dialogText("The %1 cannot be less than 4 characters.").arg(dialogText("username"));
        QTest::newRow("Quenor3 and redirect without phone")
            << Steps{{"cbQuenor3", "1"}, {"cbOperatorMessageRedirect", "1"}}
            << dialogText("Quenor mode can't be enabled.") + "\n" +
                   dialogText("Redirect operator messages can't be enabled.") + "\n" +
                   dialogText("\nYou must enter a phone number.");
    }

    void okRefusesShortTextsAndMissingPhone()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, message);
        DialogFixture f;
        UserSettings user(nullptr, 5);
        f.open(&user, UserAddDialog::AddMode);
        QSignalSpy accepted(f.dialog.data(), &UserAddDialog::accepted);
        f.apply(steps);
        f.dialog->onOkClicked();
        QCOMPARE(f.boxes.seen.size(), 1);
        QCOMPARE(f.boxes.seen.first().text, message);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(f.dialog && f.dialog->isVisible());
        QCOMPARE(user.login(), QString());
    }

    void unchangedEditKeepsOkDisabled()
    {
        DialogFixture f;
        UserSettings stored(nullptr, 5);
        stored.setName("Olga");
        stored.setLogin("olga");
        stored.setPasswordText("secret");
        stored.setPhone("79265554433");
        stored.setCanTakeOn(true);
        stored.setCallControlGroup(16);
        stored.setPartitions(0x00100005);
        UserSettings *user = f.addStored(stored);
        f.open(user, UserAddDialog::EditMode);
        f.saveShot("user_dialog_edit");
        QCOMPARE(f.dialog->windowTitle(), dialogText("Edit user"));
        QCOMPARE(f.edit("lePassword")->text(), QString("********"));
        QCOMPARE(f.child<QComboBox>("cbCallControlGroup")->currentIndex(), 0);
        QCOMPARE(f.child<QComboBox>("cbPartitions")->currentText(), QString("02"));
        QVERIFY(!f.ok()->isEnabled());
        f.apply({{"cbCanTakeOff", "1"}});
        QVERIFY(f.ok()->isEnabled());
        f.apply({{"cbCanTakeOff", "0"}});
        QVERIFY(!f.ok()->isEnabled());

        // Saved: group 16 goes back as "none", partition bits 0 and 20 are dropped.
        f.apply({{"cbAllowRemoteControl", "1"}});
        f.ok()->click();
        QCOMPARE(int(user->callControlGroup()), 255);
        QCOMPARE(user->partitions(), quint32(0x4));
        QCOMPARE(user->password(), QString("secret"));
        QVERIFY(user->allowRemoteControl());
    }

    void removingOnePlaceholderCharacterAsksForNewSecrets()
    {
        DialogFixture f;
        UserSettings stored(nullptr, 5);
        stored.setName("Olga");
        stored.setLogin("olga");
        stored.setPasswordText("secret");
        stored.setPhone("79265554433");
        stored.setSmsPassword("13579");
        UserSettings *user = f.addStored(stored);
        f.open(user, UserAddDialog::EditMode);
        ContentAwareLineEdit *password = f.edit("lePassword");
        password->setFocus();
        password->end(false);
        QTest::keyClick(password, Qt::Key_Backspace);
        QCOMPARE(password->text(), QString());
        QCOMPARE(f.edit("lePasswordRepeat")->text(), QString());
        QCOMPARE(password->warning(), dialogText("You must enter a password."));

        ContentAwareLineEdit *sms = f.edit("leSMSPassword");
        sms->setFocus();
        sms->end(false);
        QTest::keyClick(sms, Qt::Key_Backspace);
        QCOMPARE(sms->text(), QString());
        QCOMPARE(f.edit("leSMSPasswordRepeat")->text(), QString());
    }

    void userZeroKeepsItsAdministratorRight()
    {
        DialogFixture f;
        f.open(f.users()->userById(0), UserAddDialog::EditMode);
        QVERIFY(!f.child<QCheckBox>("cbAdmin")->isEnabled());
        QVERIFY(f.child<QCheckBox>("cbAdmin")->isChecked());
    }

    void viewModeShowsEverythingAndSavesNothing()
    {
        DialogFixture f;
        UserAddDialog *dialog = f.open(f.users()->userById(1), UserAddDialog::ViewMode);
        f.saveShot("user_dialog_view");
        QSignalSpy accepted(dialog, &UserAddDialog::accepted);
        QVERIFY(!f.ok()->isVisible());
        QCOMPARE(f.child<QPushButton>("pbCancel")->text(), dialogText("Close"));
        QCOMPARE(f.edit("leUsername")->text(), QString("Ivan"));
        QCOMPARE(f.edit("lePhoneNumber")->text(), QString("+79031112233"));
        QVERIFY(f.edit("leLogin")->isReadOnly());
        QCheckBox *admin = f.child<QCheckBox>("cbAdmin");
        QTest::mouseClick(admin, Qt::LeftButton);
        QVERIFY(!admin->isChecked());
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(accepted.count(), 0);
    }

    void pastingAnIllegalNameIsReported()
    {
        DialogFixture f;
        UserSettings user(nullptr, 5);
        f.open(&user, UserAddDialog::AddMode);
        ContentAwareLineEdit *name = f.edit("leUsername");
        name->setFocus();
        QApplication::clipboard()->setText("Tab\there");
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.boxes.seen.size(), 1);
        QCOMPARE(f.boxes.seen.first().text, dialogText("Input of illegal characters is blocked."));
        QCOMPARE(name->text(), QString("User #6"));
    }

    void closingWithoutOkCancels()
    {
        DialogFixture f;
        UserSettings user(nullptr, 5);
        f.open(&user, UserAddDialog::AddMode);
        QSignalSpy cancelled(f.dialog.data(), &UserAddDialog::cancelled);
        f.child<QPushButton>("pbCancel")->click();
        QCOMPARE(cancelled.count(), 1);
        QTRY_VERIFY(!f.dialog);
    }
};

QTEST_MAIN(TestUserDialog)
#include "test_user_dialog.moc"
