#include "app/ContentAwareLineEdit.h"
#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/SettingsBlocks.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonsWidget.h"
#include "pages/users/UserAddDialog.h"
#include "pages/users/UserModel.h"
#include "pages/users/UsersWidget.h"
#include "sim/LogCapture.h"
#include "sim/SimUsers.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"
#include "support/RussianScreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

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
constexpr int DeviceTimeout = 60000;
constexpr quint8 OpWriteUser = 0x79;
constexpr quint8 OpDeleteUser = 0x98;
constexpr quint8 OpReadUser = 0x2F;

quint16 idOf(const QByteArray &command)
{
    return qFromLittleEndian<quint16>(command.constData() + 1);
}

quint32 writeFlagOf(const QByteArray &command)
{
    return qFromLittleEndian<quint32>(command.constData() + 3 + 512);
}

QString pageText(const char *text)
{
    return UsersWidget::tr(text);
}

s_ExtMemDataUser sealed(quint8 id)
{
    UserSettings user(nullptr, id);
    user.setName(QStringLiteral("Filler %1").arg(id));
    user.writeToDevice();
    return user.record();
}

// The program logged in to the simulated communicator, showing the users page.
struct Session : RadioSession
{
    UsersWidget *page() { return ui()->usersWidget; }
    QTableView *table() { return page()->findChild<QTableView *>("tvUsers"); }
    QPushButton *addButton() { return page()->findChild<QPushButton *>("pbAddUser"); }
    QPushButton *deleteButton() { return page()->findChild<QPushButton *>("pbDeleteSelected"); }
    UserModel *users() { return overmind()->userModel(); }

    // Logged in with the users page shown.
    bool logInAndLoad()
    {
        if (!logIn())
            return false;
        ui()->twMain->setCurrentWidget(ui()->tabUsers);
        return true;
    }

    UserAddDialog *openDialog()
    {
        UserAddDialog *dialog = nullptr;
        (void)QTest::qWaitFor(
            [&dialog] {
                for (QWidget *widget : QApplication::topLevelWidgets())
                    if (auto *found = qobject_cast<UserAddDialog *>(widget))
                        if (found->isVisible())
                            dialog = found;
                return dialog != nullptr;
            },
            5000);
        return dialog;
    }

    int rowOf(int id)
    {
        const QAbstractItemModel *shown = table()->model();
        for (int row = 0; row < shown->rowCount(); ++row)
            if (shown->index(row, 0).data().toInt() == id + 1)
                return row;
        return -1;
    }

    void select(const QList<int> &ids)
    {
        table()->clearSelection();
        for (int id : ids)
            table()->selectionModel()->select(table()->model()->index(rowOf(id), 0),
                                              QItemSelectionModel::Select |
                                                  QItemSelectionModel::Rows);
    }

    void type(UserAddDialog *dialog, const char *field, const QString &text)
    {
        auto *edit = dialog->findChild<ContentAwareLineEdit *>(QLatin1String(field));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        typeText(edit, text);
    }
};

void saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral("screenshots"));
    QVERIFY(widget->grab().save(QStringLiteral("screenshots/%1.png").arg(name)));
}

// The words of the simulated users' names and logins, which are data, not texts of the program.
QStringList simulatedUserWords()
{
    QStringList words;
    for (const SimUsers::User &user : SimUsers::users())
        words << user.name.split(' ') << user.login;
    return words;
}
} // namespace

class TestUsersPageDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init()
    {
        Intervals::keepAliveMs = 600000;
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
    }

    void cleanup() { boxes.reset(); }

    void pageListsTheDeviceUsers()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        const QList<SimUsers::User> &simulated = SimUsers::users();
        QTRY_COMPARE(session.table()->model()->rowCount(), simulated.size());
        for (const SimUsers::User &user : simulated) {
            const int row = session.rowOf(user.id);
            QVERIFY(row >= 0);
            const QString name =
                user.name.isEmpty() ? UserSettings::tr("User #%1").arg(user.id + 1) : user.name;
            QCOMPARE(session.table()->model()->index(row, 1).data().toString(), name);
            QCOMPARE(session.table()->model()->index(row, 2).data().toString(), user.login);
        }
        QVERIFY(session.addButton()->isEnabled());
        saveScreenshot(session.startUp.window(), "users_page");
        VERIFY_RUSSIAN_ONLY(session.startUp.window(), simulatedUserWords());

        // Numbers sort as numbers, names by code unit.
        session.table()->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(session.table()->model()->index(2, 0).data().toInt(), 3);
        QCOMPARE(session.table()->model()->index(10, 0).data().toInt(), 11);
        session.table()->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(session.table()->model()->index(0, 1).data().toString(), QString("Administrator"));

        // A click extends the login; Tab walks the rows.
        session.device().clearCommands();
        const QRect cell = session.table()->visualRect(session.table()->model()->index(1, 1));
        QTest::mouseClick(session.table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_COMPARE(session.device().commandsOf(0x50).size(), 1);
        QCOMPARE(session.table()->currentIndex().row(), 1);
        QTest::keyClick(session.table(), Qt::Key_Tab);
        QCOMPARE(session.table()->currentIndex().row(), 2);

        // The logged-in user (0) cannot be deleted.
        session.select({0});
        QVERIFY(!session.deleteButton()->isEnabled());
        session.select({5});
        QVERIFY(session.deleteButton()->isEnabled());

        session.overmind()->setSettingsLocked(true);
        QVERIFY(!session.page()->isEnabled());
        QCOMPARE(session.page()->findChild<QLabel *>("lblMessage")->text(),
                 pageText("Changing settings is only available when all sections are untaken"));
        session.overmind()->setSettingsLocked(false);
        QVERIFY(session.page()->isEnabled());
    }

    // Add, edit and delete reach the simulated device, which then holds exactly that.
    void addEditAndDeleteReachTheDevice()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QTRY_COMPARE(session.users()->rowCount(), SimUsers::users().size());
        session.device().clearCommands();

        QTest::mouseClick(session.addButton(), Qt::LeftButton);
        UserAddDialog *dialog = session.openDialog();
        QVERIFY(dialog);
        session.type(dialog, "leUsername", "Petr Novikov");
        session.type(dialog, "leLogin", "petr");
        session.type(dialog, "lePassword", "Petr_2025");
        session.type(dialog, "lePasswordRepeat", "Petr_2025");
        session.type(dialog, "lePhoneNumber", "89001234567");
        dialog->findChild<QPushButton *>("pbOk")->click();
        QTRY_COMPARE(session.device().commandsOf(OpWriteUser).size(), 1);
        const QByteArray added = session.device().commandsOf(OpWriteUser).first();
        QCOMPARE(int(idOf(added)), 11);
        QCOMPARE(writeFlagOf(added), quint32(0));
        QVERIFY(session.device().hasRecord(OpReadUser, 11));
        const QByteArray held = session.device().record(OpReadUser, 11);
        QCOMPARE(SimUsers::fieldText(held, 0, 96), QString("Petr Novikov"));
        QCOMPARE(SimUsers::fieldText(held, 96, 64), QString("petr"));
        QCOMPARE(SimUsers::fieldText(held, 160, 64), QString("Petr_2025"));
        QCOMPARE(SimUsers::word64(held, 224), quint64(79001234567ull));
        QCOMPARE(session.table()->currentIndex().data().toInt(), 12);
        QTRY_COMPARE(session.users()->rowCount(), SimUsers::users().size() + 1);

        // Edit Maria's phone.
        session.device().clearCommands();
        session.table()->setCurrentIndex(session.table()->model()->index(session.rowOf(2), 1));
        emit session.table()->activated(session.table()->currentIndex());
        dialog = session.openDialog();
        QVERIFY(dialog);
        session.type(dialog, "lePhoneNumber", "34600000001");
        dialog->findChild<QPushButton *>("pbOk")->click();
        QTRY_COMPARE(session.device().commandsOf(OpWriteUser).size(), 1);
        QCOMPARE(int(idOf(session.device().commandsOf(OpWriteUser).first())), 2);
        QCOMPARE(SimUsers::word64(session.device().record(OpReadUser, 2), 224),
                 quint64(34600000001ull));
        QCOMPARE(SimUsers::fieldText(session.device().record(OpReadUser, 2), 96, 64),
                 QString("maria"));

        // Delete user 6.
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        session.select({6});
        QTest::mouseClick(session.deleteButton(), Qt::LeftButton);
        QTRY_COMPARE(session.device().commandsOf(OpDeleteUser).size(), 1);
        QCOMPARE(int(idOf(session.device().commandsOf(OpDeleteUser).first())), 6);
        QVERIFY(!session.users()->userById(6));
        QTRY_VERIFY(!session.device().hasRecord(OpReadUser, 6));
    }

    void brokenAnswerAndErrorAnswer()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QTRY_COMPARE(session.users()->rowCount(), SimUsers::users().size());
        LogCapture log;
        const QString before = session.users()->userById(2)->jsonKey();
        SimUsers::sendBroken(session.device(), 2);
        QTRY_VERIFY(log.contains("User settings broken"));
        QCOMPARE(session.users()->rowCount(), SimUsers::users().size());
        QCOMPARE(session.users()->userById(2)->jsonKey(), before);

        boxes->seen.clear();
        session.device().failNext(OpWriteUser, SimCommunicator::ErrCrc);
        session.users()->userById(2)->writeToDevice();
        QTRY_COMPARE(boxes->count("warning"), 1);
        QCOMPARE(boxes->count("critical"), 0);
        QVERIFY(boxes->seen.last().text.contains(before));
    }

    void deleteRules()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QTRY_COMPARE(session.users()->rowCount(), SimUsers::users().size());
        session.device().clearCommands();

        // A selection holding the first row does nothing at all.
        session.select({0, 5});
        session.page()->deleteSelected();
        QVERIFY(boxes->seen.isEmpty());

        // Seven names: five shown and the rest counted. Cancel deletes nothing.
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        session.select({1, 2, 3, 4, 5, 7, 9});
        session.page()->deleteSelected();
        QCOMPARE(boxes->seen.size(), 1);
        QVERIFY(boxes->seen.first().text.contains(pageText("\nand %1 more users?\n").arg(2)));
        QCOMPARE(session.users()->rowCount(), SimUsers::users().size());

        // Every administrator selected (user 0 is made an ordinary user for this).
        boxes->seen.clear();
        session.users()->userById(0)->setAdmin(false);
        session.select({6, 8});
        session.page()->deleteSelected();
        QCOMPARE(boxes->seen.size(), 1);
        QCOMPARE(boxes->seen.first().text, pageText("Can not delete all admins"));
        session.users()->userById(0)->setAdmin(true);

        // The user of the last login: Cancel keeps, Yes twice deletes and disconnects.
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"))
            .setValue(QStringLiteral("lastlogin"), QStringLiteral("maria"));
        // The page asks for the disconnection; the device stays so the deletion is seen.
        QObject::disconnect(session.page(), &UsersWidget::forceDisconnect, nullptr, nullptr);
        QSignalSpy forced(session.page(), &UsersWidget::forceDisconnect);
        boxes->seen.clear();
        session.select({2});
        session.page()->deleteSelected();
        QCOMPARE(boxes->seen.size(), 1);
        QVERIFY(session.users()->userById(2));
        QCOMPARE(forced.count(), 0);
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        session.select({2});
        session.page()->deleteSelected();
        QVERIFY(!session.users()->userById(2));
        QCOMPARE(forced.count(), 1);
        QTRY_COMPARE(session.device().commandsOf(OpDeleteUser).size(), 1);
    }

    void addLimit()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QTRY_COMPARE(session.users()->rowCount(), SimUsers::users().size());
        for (int id = 0; id < 64 && session.users()->rowCount() < 63; ++id)
            if (!session.users()->userById(quint8(id)))
                session.users()->userSettings(quint8(id), sealed(quint8(id)));
        QCOMPARE(session.users()->rowCount(), 63);
        QVERIFY(session.addButton()->isEnabled());
        QTest::mouseClick(session.addButton(), Qt::LeftButton);
        UserAddDialog *dialog = session.openDialog();
        QVERIFY(dialog);
        dialog->findChild<QPushButton *>("pbOk")->click();
        QCOMPARE(session.users()->rowCount(), 64);
        QVERIFY(!session.addButton()->isEnabled());
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        session.select({20});
        session.page()->deleteSelected();
        QCOMPARE(session.users()->rowCount(), 63);
        QVERIFY(session.addButton()->isEnabled());
    }

    // A whole file written in: users in list order with flag 1, user 0 last, then the
    // restart; the window keeps running during the paced write.
    void fileWriteInPacesTheUsers()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QTemporaryDir dir;
        QJsonArray users;
        for (int id : {3, 0, 7, 1})
            users.append(QJsonObject{{"id", id},
                                     {"userName", QStringLiteral("File user %1").arg(id)},
                                     {"userLogin", id == 0 ? "admin" : ""},
                                     {"settings", id == 0 ? 1 : 0}});
        const QJsonObject file{{"Version", "2.0"},  {"Timestamp", 1700000000}, {"Execution", 0},
                               {"Modification", 0}, {"SerialNumber", "0"},     {"Users", users}};
        const QString path = dir.filePath("users.cfg");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(file).toJson());
        out.close();
        boxes->reply = [](const ModalAnswerer::Request &request) {
            return request.kind == "chooser" ? 0 : int(QMessageBox::Ok);
        };
        QSignalSpy rebooted(&session.device(), &SimCommunicator::rebooted);
        QSignalSpy finished(session.users(), &UserModel::writeAllFinished);
        // Event-loop turns seen at each user write: they grow between the first and the
        // last write only when the window keeps running during the write.
        int turns = 0;
        QList<int> turnsAtWrites;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&turns] { ++turns; });
        QObject::connect(&session.device(), &SimCommunicator::commandReceived,
                         [&turns, &turnsAtWrites](const QByteArray &command) {
                             if (quint8(command.at(0)) == OpWriteUser)
                                 turnsAtWrites.append(turns);
                         });
        ticker.start(0);
        session.device().clearCommands();
        session.overmind()->onLoadSettings(path);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, DeviceTimeout);
        QTRY_COMPARE(turnsAtWrites.size(), 4);
        QVERIFY(turnsAtWrites.last() > turnsAtWrites.first());
        QTRY_COMPARE_WITH_TIMEOUT(rebooted.count(), 1, DeviceTimeout);

        const QList<QByteArray> commands = session.device().commands();
        QList<int> written;
        int lastWrite = -1;
        int reboot = -1;
        for (int i = 0; i < commands.size(); ++i) {
            const quint8 operation = quint8(commands.at(i).at(0));
            if (operation == OpWriteUser) {
                written.append(idOf(commands.at(i)));
                QCOMPARE(writeFlagOf(commands.at(i)), quint32(1));
                lastWrite = i;
            } else if (operation == 0xD3) {
                reboot = i;
            }
        }
        QCOMPARE(written, (QList<int>{3, 7, 1, 0}));
        QVERIFY(reboot > lastWrite);
    }

    // Mend: below access level 2 the users and keys pages offer nothing that changes them;
    // until now only the device refused.
    void accessLevelOneSeesUsersAndKeysReadOnly()
    {
        RadioSession session;
        session.device().setCredentials(SimulatedSetup::Login, SimulatedSetup::Password, 0, 1);
        QVERIFY(session.logInAndLoad());
        QVERIFY(!session.overmind()->canEdit());
        Ui_MainWindow *ui = session.window()->form();
        ui->twMain->setCurrentWidget(ui->tabUsers);
        UsersWidget *users = ui->usersWidget;
        auto *table = users->findChild<QTableView *>("tvUsers");
        QTRY_VERIFY_WITH_TIMEOUT(table->model()->rowCount() > 1, DeviceTimeout);
        table->selectRow(table->model()->rowCount() - 1);
        QVERIFY(!users->findChild<QPushButton *>("pbAddUser")->isEnabled());
        QVERIFY(!users->findChild<QPushButton *>("pbDeleteSelected")->isEnabled());
        QTest::keyClick(users, Qt::Key_Delete);

        ui->twMain->setCurrentWidget(ui->tabIButtons);
        IButtonsWidget *keys = ui->ibuttonsWidget;
        auto *keyTable = keys->findChild<QTableView *>("tvIButtons");
        QTRY_VERIFY_WITH_TIMEOUT(keyTable->model() && keyTable->model()->rowCount() > 0,
                                 DeviceTimeout);
        keyTable->selectRow(0);
        emit keyTable->clicked(keyTable->model()->index(0, 0));
        for (const char *name : {"pbAllowAddNew", "pbAddNew", "pbDeleteSelected"})
            QVERIFY2(!keys->findChild<QPushButton *>(name)->isEnabled(), name);
        QCOMPARE(keyTable->editTriggers(), QAbstractItemView::NoEditTriggers);
        for (int column = 0; column < IButtonModel::ColumnCount; ++column)
            QVERIFY(!keyTable->itemDelegateForColumn(column));
        const int keyCount = keyTable->model()->rowCount();
        QTest::keyClick(keys, Qt::Key_Delete);
        QVERIFY2(boxes->seen.isEmpty(), qPrintable(boxes->seen.value(0).text));
        QCOMPARE(keyTable->model()->rowCount(), keyCount);
    }
};

QTEST_MAIN(TestUsersPageDevice)
#include "test_users_page_device.moc"
