#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/users/IButtonAddDialog.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonsWidget.h"
#include "pages/users/UserAddDialog.h"
#include "pages/users/UserModel.h"
#include "pages/users/UsersWidget.h"
#include "sim/SimKeys.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWindow>

// Windows and pages whose controls carry the event catchers close by every way while such a
// control holds the focus, and nothing connected to a catcher acts on widgets already gone.
// Run under the sanitizers, a use of a destroyed widget ends the test.

namespace {
constexpr int Timeout = 60000;

template <typename T> T *shownWindow()
{
    T *window = nullptr;
    (void)QTest::qWaitFor(
        [&window] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *found = qobject_cast<T *>(widget))
                    if (found->isVisible())
                        window = found;
            return window != nullptr;
        },
        Timeout);
    return window;
}

int rowOfUser(QTableView *table, int id)
{
    const QAbstractItemModel *shown = table->model();
    for (int row = 0; row < shown->rowCount(); ++row)
        if (shown->index(row, 0).data().toInt() == id + 1)
            return row;
    return -1;
}

void doubleClickRow(QTableView *table, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

bool focusIn(QWidget *widget)
{
    QApplication::setActiveWindow(widget->window());
    if (!QTest::qWaitForWindowActive(widget->window()))
        return false;
    widget->setFocus(Qt::TabFocusReason);
    return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, Timeout);
}

// Ends the window the way the row names; an empty way leaves it as it is.
void closeBy(const QString &way, RadioSession &session, QWidget *window)
{
    if (way == "save by mouse")
        QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
    else if (way == "save by return")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (way == "cancel by mouse")
        QTest::mouseClick(window->findChild<QPushButton *>("pbCancel"), Qt::LeftButton);
    else if (way == "close by mouse")
        QTest::mouseClick(window->findChild<QPushButton *>("pbClose"), Qt::LeftButton);
    else if (way == "escape")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else if (way == "window close")
        window->windowHandle()->close();
    else if (way == "unplug")
        session.sim.unplug();
}
} // namespace

class TestFilteredWindowsClose : public QObject
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

    void newUserDialogClosesByEveryWay_data() { addUserDialogRows({-1}); }
    void newUserDialogClosesByEveryWay() { closeUserDialog(); }

    void storedUserDialogClosesByEveryWay_data() { addUserDialogRows({2}); }
    void storedUserDialogClosesByEveryWay() { closeUserDialog(); }

    // The administrator's own box is disabled: the focus goes to the next one.
    void administratorDialogClosesByEveryWay_data() { addUserDialogRows({0}); }
    void administratorDialogClosesByEveryWay() { closeUserDialog(); }

private:
    // One row per way for each user number; -1 adds a new user.
    static void addUserDialogRows(const QList<int> &users)
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("saves");
        for (int user : users) {
            for (const QString way : {"save by mouse", "save by return"})
                QTest::addRow("user %d, %s", user, qPrintable(way)) << user << way << true;
            for (const QString way :
                 {"cancel by mouse", "escape", "window close", "program ends", "unplug"})
                QTest::addRow("user %d, %s", user, qPrintable(way)) << user << way << false;
        }
    }

    void closeUserDialog()
    {
        QFETCH(int, user);
        QFETCH(QString, way);
        QFETCH(bool, saves);
        auto session = std::make_unique<RadioSession>();
        QVERIFY(session->logInAndLoad());
        Ui_MainWindow *form = session->window()->form();
        form->twMain->setCurrentWidget(form->tabUsers);
        auto *table = form->usersWidget->findChild<QTableView *>("tvUsers");
        QTRY_VERIFY_WITH_TIMEOUT(table->model()->rowCount() > 2, Timeout);
        if (user < 0)
            QTest::mouseClick(form->usersWidget->findChild<QPushButton *>("pbAddUser"),
                              Qt::LeftButton);
        else
            doubleClickRow(table, rowOfUser(table, user));
        QPointer<UserAddDialog> dialog = shownWindow<UserAddDialog>();
        QVERIFY(dialog);
        QSignalSpy accepted(dialog.data(), &UserAddDialog::accepted);
        QSignalSpy cancelled(dialog.data(), &UserAddDialog::cancelled);

        auto *name = dialog->findChild<QLineEdit *>("leUsername");
        QVERIFY(focusIn(name));
        name->selectAll();
        QTest::keyClicks(name, "Night guard");
        if (user < 0) {
            dialog->findChild<QLineEdit *>("lePhoneNumber")->setFocus();
            QTest::keyClicks(QApplication::focusWidget(), "79161112233");
        }
        auto *ok = dialog->findChild<QPushButton *>("pbOk");
        QCOMPARE(ok->isEnabled(), true);

        // While the window is open, the focus leaving Cancel goes to the first box that can
        // take it: backwards from Cancel would otherwise be OK.
        auto *cancel = dialog->findChild<QPushButton *>("pbCancel");
        QVERIFY(focusIn(cancel));
        QTest::keyClick(cancel, Qt::Key_Tab, Qt::ShiftModifier);
        auto *admin = dialog->findChild<QCheckBox *>("cbAdmin");
        QWidget *first = admin->isEnabled() ? admin : dialog->findChild<QCheckBox *>("cbQuenor3");
        QCOMPARE(QApplication::focusWidget(), first);

        if (way == "program ends") {
            // The page and its open dialog go with the main window.
            QVERIFY(focusIn(cancel));
            session.reset();
            QVERIFY(dialog.isNull());
            return;
        }
        // Back to typing, as a user does before leaving the window.
        QVERIFY(focusIn(name));
        QTest::keyClick(name, Qt::Key_A);
        closeBy(way, *session, dialog);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), Timeout);
        QCOMPARE(accepted.count(), saves ? 1 : 0);
        QCOMPARE(cancelled.count(), saves ? 0 : 1);
        // The main window goes last, while it is shown.
    }

private slots:
    void keyDialogClosesByEveryWay_data()
    {
        QTest::addColumn<QString>("way");
        for (const QString way : {"close by mouse", "window close", "unplug"})
            QTest::newRow(qPrintable(way)) << way;
    }
    void keyDialogClosesByEveryWay()
    {
        QFETCH(QString, way);
        RadioSession session;
        QVERIFY(session.logInAndLoad());
        Ui_MainWindow *form = session.window()->form();
        form->twMain->setCurrentWidget(form->tabIButtons);
        QTRY_COMPARE_WITH_TIMEOUT(session.overmind()->iButtonModel()->rowCount(),
                                  SimKeys::keys().size(), Timeout);
        QTest::mouseClick(form->ibuttonsWidget->findChild<QPushButton *>("pbAddNew"),
                          Qt::LeftButton);
        QPointer<IButtonAddDialog> dialog = shownWindow<IButtonAddDialog>();
        QVERIFY(dialog);
        QVERIFY(focusIn(dialog->findChild<QComboBox *>("cbPartitions")));
        closeBy(way, session, dialog);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), Timeout);
    }

    // Pages stay; they go with the main window, while their filtered control has the focus.
    void pagesGoWithTheWindow_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("way");
        for (const QString page : {"users table", "keys table", "partition selection"}) {
            QTest::addRow("%s, window close", qPrintable(page)) << page << "window close";
            QTest::addRow("%s, unplug", qPrintable(page)) << page << "unplug";
            QTest::addRow("%s, destroyed while shown", qPrintable(page)) << page << "";
        }
    }
    void pagesGoWithTheWindow()
    {
        QFETCH(QString, page);
        QFETCH(QString, way);
        auto session = std::make_unique<RadioSession>();
        QVERIFY(session->logInAndLoad());
        MainWindow *window = session->window();
        Ui_MainWindow *form = window->form();
        QWidget *control = nullptr;
        if (page == "users table") {
            form->twMain->setCurrentWidget(form->tabUsers);
            control = form->usersWidget->findChild<QTableView *>("tvUsers");
        } else if (page == "keys table") {
            form->twMain->setCurrentWidget(form->tabIButtons);
            control = form->ibuttonsWidget->findChild<QTableView *>("tvIButtons");
        } else {
            PartitionWidget *shown = session->showPage(0);
            QVERIFY(shown);
            control = shown->findChild<QComboBox *>("cbPartitions");
        }
        QVERIFY(control);
        QVERIFY(focusIn(control));
        // Tab and Escape reach the catchers of the tables while the window is shown.
        QTest::keyClick(control, Qt::Key_Tab);
        QVERIFY(focusIn(control));

        QSignalSpy disconnected(session->overmind(), &Overmind::disconnected);
        closeBy(way, *session, window);
        if (way == "window close")
            QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), Timeout);
        if (way == "unplug")
            QTRY_VERIFY_WITH_TIMEOUT(disconnected.count() > 0, Timeout);
        session.reset();
    }
};

QTEST_MAIN(TestFilteredWindowsClose)
#include "test_filtered_windows_close.moc"
