#include "app/ComboBox.h"
#include "app/Intervals.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "link/ProtocolTypes.h"
#include "pages/users/IButtonAddDialog.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/IButtonsWidget.h"
#include "pages/users/UserModel.h"
#include "sim/LogCapture.h"
#include "sim/SimKeys.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QtEndian>

namespace {
constexpr int DeviceTimeout = 60000;
constexpr quint8 OpWriteKey = 0x71;
constexpr quint8 OpDeleteKey = 0x96;
constexpr quint8 OpReadKey = 0x27;
constexpr quint8 OpReader = 0xB5;
// Popups ignore a release this soon after they opened (ComboBox, double-click interval).
constexpr int PopupSettleMs = 700;

quint16 idOf(const QByteArray &command)
{
    return qFromLittleEndian<quint16>(command.constData() + 1);
}

QString dialogText(const char *text)
{
    return IButtonAddDialog::tr(text);
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral("screenshots"));
    QVERIFY(widget->grab().save(QStringLiteral("screenshots/%1.png").arg(name)));
}

// The program logged in to the simulated communicator, showing the keys page.
struct Session : RadioSession
{
    // Named partitions, as on a real installation.
    Session() : RadioSession(true) {}

    SimKeys *keys() { return SimKeys::of(device()); }
    IButtonsWidget *page() { return ui()->ibuttonsWidget; }
    QTableView *table() { return page()->findChild<QTableView *>("tvIButtons"); }
    QPushButton *button(const char *name) { return page()->findChild<QPushButton *>(name); }
    IButtonModel *model() { return overmind()->iButtonModel(); }

    // Logged in with the keys page shown and its keys read.
    bool logInAndLoad()
    {
        if (!logIn())
            return false;
        ui()->twMain->setCurrentWidget(ui()->tabIButtons);
        QApplication::setActiveWindow(startUp.window());
        return QTest::qWaitFor([this] { return model()->rowCount() == SimKeys::keys().size(); },
                               DeviceTimeout);
    }

    IButtonAddDialog *openDialog()
    {
        IButtonAddDialog *dialog = nullptr;
        (void)QTest::qWaitFor(
            [&dialog] {
                for (QWidget *widget : QApplication::topLevelWidgets())
                    if (auto *found = qobject_cast<IButtonAddDialog *>(widget))
                        if (found->isVisible())
                            dialog = found;
                return dialog != nullptr;
            },
            5000);
        return dialog;
    }

    void selectRows(const QList<int> &rows)
    {
        table()->clearSelection();
        for (int row : rows)
            table()->selectionModel()->select(
                model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    void doubleClickRow(int row)
    {
        const QRect cell = table()->visualRect(model()->index(row, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Presses the cell; its editor opens with its list shown.
    ComboBox *openCellEditor(int row, int column)
    {
        const QRect cell = table()->visualRect(model()->index(row, column));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        ComboBox *editor = nullptr;
        (void)QTest::qWaitFor(
            [this, &editor] {
                for (ComboBox *combo : table()->viewport()->findChildren<ComboBox *>())
                    if (combo->isVisible() && combo->view()->isVisible())
                        editor = combo;
                return editor != nullptr;
            },
            5000);
        QTest::qWait(PopupSettleMs);
        return editor;
    }

    void clickItem(ComboBox *combo, int item)
    {
        QAbstractItemView *view = combo->view();
        const QPoint at = view->visualRect(view->model()->index(item, 0)).center();
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
};
} // namespace

class TestKeysPageDevice : public QObject
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

    void pageListsTheSimulatedKeys()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        for (const SimKeys::Key &key : SimKeys::keys()) {
            const IButtonSettings *held = session.model()->keyAt(quint8(key.slot));
            QVERIFY(held);
            QCOMPARE(int(held->id()), key.slot);
            QCOMPARE(held->idHex(), key.idHex);
            QCOMPARE(held->partitionsMask(), key.partitions);
            QCOMPARE(held->userId(), key.owner);
            const UserSettings *owner = session.overmind()->userModel()->userById(key.owner);
            QCOMPARE(session.model()->index(key.slot, 3).data().toString(),
                     owner ? owner->jsonKey() : IButtonModel::tr("Not set"));
        }
        QCOMPARE(session.model()->index(2, 3).data().toString(), QString("Maria Lopez"));
        QCOMPARE(session.model()->index(0, 2).data().toString(),
                 QCoreApplication::translate("QObject", "Take on&off"));
        QCOMPARE(session.model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                 QString("itemKey 0 0"));
        QVERIFY(session.button("pbAddNew")->isEnabled());
        QVERIFY(session.button("pbAllowAddNew")->isEnabled());
        saveScreenshot(session.startUp.window(), "keys_page");

        // Users list their keys by row.
        const UserModel *users = session.overmind()->userModel();
        QCOMPARE(users->userById(0)->keysText(), UserSettings::tr("Keys ##: %1").arg("1, 14, 19"));
        QCOMPARE(users->userById(8)->keysText(), UserSettings::tr("No keys assigned"));

        // Escape leaves the table, Tab on "Delete" returns to it.
        session.table()->setFocus();
        QTRY_VERIFY(session.table()->hasFocus());
        QTest::keyClick(session.table(), Qt::Key_Escape);
        QVERIFY(!session.table()->hasFocus());
        session.button("pbDeleteSelected")->setFocus();
        QTest::keyClick(session.button("pbDeleteSelected"), Qt::Key_Tab);
        QTRY_VERIFY(session.table()->hasFocus());

        session.overmind()->setSettingsLocked(true);
        QVERIFY(!session.page()->isEnabled());
        QCOMPARE(session.page()->findChild<QLabel *>("lblMessage")->text(),
                 IButtonsWidget::tr("Changing settings is only available when all sections are "
                                    "untaken"));
        session.overmind()->setSettingsLocked(false);
        QVERIFY(session.page()->isEnabled());

        // A broken answer changes nothing.
        const QString before = session.model()->keyAt(3)->idHex();
        session.keys()->sendBroken(3);
        QVERIFY(session.settle());
        QCOMPARE(session.model()->keyAt(3)->idHex(), before);
        QCOMPARE(session.model()->rowCount(), SimKeys::keys().size());
    }

    // "Add manually": the identifier checks, then the first free number on the device.
    void addManually()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        QAbstractItemModelTester tester(session.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        session.device().clearCommands();

        QTest::mouseClick(session.button("pbAddNew"), Qt::LeftButton);
        IButtonAddDialog *dialog = session.openDialog();
        QVERIFY(dialog);
        auto *line = dialog->findChild<QLineEdit *>("leKeyID");
        auto *ok = dialog->findChild<QPushButton *>("pbOk");
        QVERIFY(!ok->isEnabled());
        session.type(line, "ab");
        QCOMPARE(line->text(), QString("AB"));
        QCOMPARE(line->cursorPosition(), 2);
        session.type(line, "0123456789abcd");
        QCOMPARE(line->text(), QString("0123456789AB"));
        session.type(line, "xz-1g");
        QCOMPARE(line->text(), QString("1"));

        // Zeros only, and another key's identifier with leading zeros, are refused.
        session.type(line, "000000000000");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(boxes->sawText(dialogText("You can't create a key with ID 0.")));
        QVERIFY(!ok->isEnabled());
        session.type(line, "00A3F2");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(boxes->sawText(dialogText("A key with this name already exists.")));
        QCOMPARE(boxes->seen.last().title, dialog->windowTitle());
        QVERIFY(!ok->isEnabled());
        session.type(line, "0000000000a0");
        QCOMPARE(line->text(), QString("0000000000A0"));
        auto *users = dialog->findChild<QComboBox *>("cbUsers");
        auto *access = dialog->findChild<QComboBox *>("cbAccess");
        QCOMPARE(users->currentText(), QString("Administrator"));
        users->setCurrentIndex(users->findData(3));
        access->setCurrentIndex(2);
        saveScreenshot(dialog, "key_dialog_add");
        QVERIFY(session.settle());
        QVERIFY(session.device().commandsOf(OpWriteKey).isEmpty());
        QTest::mouseClick(ok, Qt::LeftButton);

        QTRY_COMPARE(session.device().commandsOf(OpWriteKey).size(), 1);
        const QByteArray sent = session.device().commandsOf(OpWriteKey).first();
        QCOMPARE(int(idOf(sent)), 20);
        QTRY_VERIFY(session.device().hasRecord(OpReadKey, 20));
        const QByteArray held = session.device().record(OpReadKey, 20);
        QCOMPARE(held.left(12), QByteArray("0000000000A0"));
        QCOMPARE(int(held.at(46)), 3);
        QCOMPARE(qFromLittleEndian<quint16>(held.constData() + 36), quint16(3));
        for (int at : {13, 14, 15, 28, 35, 38, 45, 48, 51})
            QCOMPARE(int(held.at(at)), 0);
        QCOMPARE(qFromLittleEndian<quint32>(held.constData() + 252),
                 crc32Stm(held.constData(), 252));
        QTRY_COMPARE(session.model()->rowCount(), SimKeys::keys().size() + 1);
        QCOMPARE(session.table()->currentIndex(), session.model()->index(20, 0));

        // The device refuses the next write: one box names the key and gives the device's text.
        boxes->seen.clear();
        session.device().failNext(OpWriteKey, 13);
        QTest::mouseClick(session.button("pbAddNew"), Qt::LeftButton);
        dialog = session.openDialog();
        QVERIFY(dialog);
        session.type(dialog->findChild<QLineEdit *>("leKeyID"), "C0FFEE");
        QTest::mouseClick(dialog->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
        QTRY_COMPARE(boxes->count("warning"), 1);
        QCOMPARE(boxes->count("critical"), 0);
        QVERIFY(boxes->seen.last().text.contains(QString::fromUtf8("iButton")));
        QVERIFY(boxes->seen.last().text.contains(Protocol::firmwareUpdateErrorString(13)));
        QVERIFY(!session.device().hasRecord(OpReadKey, 21));
    }

    // The edit dialog writes once, and checks identifiers with the key's own not counting.
    void editInTheDialog()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();

        // Two rows selected: a double click opens nothing.
        session.selectRows({1, 2});
        emit session.table()->doubleClicked(session.model()->index(1, 0));
        QVERIFY(!session.openDialog());

        session.doubleClickRow(4);
        IButtonAddDialog *dialog = session.openDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), dialogText("Edit key %1 settings").arg(5));
        auto *line = dialog->findChild<QLineEdit *>("leKeyID");
        auto *ok = dialog->findChild<QPushButton *>("pbOk");
        auto *users = dialog->findChild<QComboBox *>("cbUsers");
        QCOMPARE(line->text(), QString("1B4F0C"));
        QCOMPARE(users->currentData().toInt(), 5);
        QCOMPARE(dialog->findChild<QComboBox *>("cbAccess")->currentIndex(), 1);
        QVERIFY(!ok->isEnabled());
        saveScreenshot(dialog, "key_dialog_edit");

        // Another key's identifier and zeros only are refused even when editing.
        session.type(line, "0000A3F2");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(boxes->sawText(dialogText("A key with this name already exists.")));
        session.type(line, "0000");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(boxes->sawText(dialogText("You can't create a key with ID 0.")));
        QVERIFY(session.settle());
        QVERIFY(session.device().commandsOf(OpWriteKey).isEmpty());
        QVERIFY(dialog->isVisible());

        // Its own identifier, with another owner: accepted, one write.
        session.type(line, "001b4f0c");
        users->setCurrentIndex(users->findData(3));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(session.device().commandsOf(OpWriteKey).size(), 1);
        QCOMPARE(int(idOf(session.device().commandsOf(OpWriteKey).first())), 4);
        QTRY_COMPARE(int(quint8(session.device().record(OpReadKey, 4).at(46))), 3);
        QCOMPARE(session.model()->keyAt(4)->idHex(), QString("001B4F0C"));
        QVERIFY(session.settle());
        QCOMPARE(session.device().commandsOf(OpWriteKey).size(), 1);
        QCOMPARE(session.model()->index(4, 3).data().toString(),
                 QString::fromUtf8("Ольга Смирнова"));
    }

    // Each cell editor, by real clicks, writes once.
    void cellEditorsWriteOnce()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();

        // Law of key 2 (Take on) to COP.
        ComboBox *editor = session.openCellEditor(2, 2);
        QVERIFY(editor);
        QCOMPARE(editor->currentIndex(), 2);
        saveScreenshot(editor->view()->window(), "key_editor_permission");
        session.clickItem(editor, 4);
        QTRY_COMPARE(session.device().commandsOf(OpWriteKey).size(), 1);
        QTRY_COMPARE(
            qFromLittleEndian<quint16>(session.device().record(OpReadKey, 2).constData() + 36),
            quint16(5));

        // The owner list of a key without owner, closed without a choice, writes nothing.
        session.table()->setFocus();
        editor = session.openCellEditor(10, 3);
        QVERIFY(editor);
        QCOMPARE(editor->currentIndex(), -1);
        saveScreenshot(editor->view()->window(), "key_editor_user");
        QTest::keyClick(editor->view(), Qt::Key_Escape);
        QTRY_VERIFY(!editor->view()->isVisible());
        QVERIFY(session.settle());
        QCOMPARE(session.device().commandsOf(OpWriteKey).size(), 1);
        QCOMPARE(session.model()->keyAt(10)->userId(), quint8(0xFF));

        // Then a choice: Maria (the third user) owns it.
        editor = session.openCellEditor(10, 3);
        QVERIFY(editor);
        session.clickItem(editor, 2);
        QTRY_COMPARE(session.device().commandsOf(OpWriteKey).size(), 2);
        QTRY_COMPARE(int(quint8(session.device().record(OpReadKey, 10).at(46))), 2);

        // Partitions of key 1 (1 and 2): a double click adds partition 3.
        editor = session.openCellEditor(1, 1);
        QVERIFY(editor);
        QCOMPARE(editor->itemData(1, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(editor->itemData(2, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        const QAbstractItemView *view = editor->view();
        const QPoint third = view->visualRect(view->model()->index(2, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(editor->itemData(2, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(editor->itemData(2, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        saveScreenshot(editor->view()->window(), "key_editor_partitions");
        QTest::keyClick(editor->view(), Qt::Key_Escape);
        QTRY_COMPARE(session.device().commandsOf(OpWriteKey).size(), 3);
        QTRY_COMPARE(
            qFromLittleEndian<quint32>(session.device().record(OpReadKey, 1).constData() + 24),
            0x0Eu);
        session.table()->setFocus();
        QVERIFY(session.settle());
        QCOMPARE(session.device().commandsOf(OpWriteKey).size(), 3);
    }

    void deleteGoesWithTheAcknowledgement()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();

        // Seven keys: five listed, the rest counted; Cancel deletes nothing.
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        session.selectRows({0, 1, 2, 3, 4, 5, 6});
        QTest::mouseClick(session.button("pbDeleteSelected"), Qt::LeftButton);
        QCOMPARE(boxes->seen.size(), 1);
        QVERIFY(
            boxes->seen.first().text.contains(IButtonsWidget::tr("\nand %1 more keys.\n").arg(2)));
        QVERIFY(boxes->seen.first().text.contains("0000183A6B2F\n"));
        QVERIFY(!boxes->seen.first().text.contains("0000195E7D22"));

        // No acknowledgement: the row stays.
        boxes->reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        session.keys()->setAcknowledgeDeletes(false);
        session.selectRows({8});
        QTest::mouseClick(session.button("pbDeleteSelected"), Qt::LeftButton);
        QTRY_COMPARE(session.device().commandsOf(OpDeleteKey).size(), 1);
        QVERIFY(session.settle());
        QCOMPARE(session.model()->rowCount(), SimKeys::keys().size());

        // Acknowledged: the row goes; the Delete key works as well.
        session.keys()->setAcknowledgeDeletes(true);
        session.selectRows({5, 6});
        QTest::keyClick(session.page(), Qt::Key_Delete);
        QTRY_COMPARE(session.device().commandsOf(OpDeleteKey).size(), 3);
        QCOMPARE(int(idOf(session.device().commandsOf(OpDeleteKey).at(1))), 6);
        QCOMPARE(int(idOf(session.device().commandsOf(OpDeleteKey).at(2))), 5);
        QTRY_COMPARE(session.model()->rowCount(), SimKeys::keys().size() - 2);
        QVERIFY(!session.device().hasRecord(OpReadKey, 5));
        // The freed number is the next one given.
        QCOMPARE(session.model()->firstFreeIndex(), 5);
    }

    void addViaReader()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();
        QSignalSpy added(session.model(), &IButtonModel::newIButton);
        QTest::mouseClick(session.button("pbAllowAddNew"), Qt::LeftButton);
        QTRY_COMPARE(session.device().commandsOf(OpReader).size(), 1);
        QCOMPARE(int(idOf(session.device().commandsOf(OpReader).first())), 1);
        QTRY_VERIFY(session.keys()->readerOn());
        QCOMPARE(session.keys()->present("01A2B3C4D5E6"), 20);
        QTRY_COMPARE(added.count(), 1);
        QCOMPARE(added.first().first().toInt(), SimKeys::keys().size() + 1);
        QCOMPARE(session.model()->index(20, 0).data().toString(), QString("01A2B3C4D5E6"));
        QCOMPARE(session.model()->index(20, 0).data(Qt::AccessibleTextRole).toString(),
                 QString("itemKey 20 0"));
        QTest::mouseClick(session.button("pbAllowAddNew"), Qt::LeftButton);
        QTRY_COMPARE(session.device().commandsOf(OpReader).size(), 2);
        QCOMPARE(int(idOf(session.device().commandsOf(OpReader).last())), 0);
        QTRY_VERIFY(!session.keys()->readerOn());
        QCOMPARE(session.keys()->present("0000DEADBEEF"), -1);
    }

    // A deleted user's keys lose their owner in memory only.
    void deletingAUserFreesHisKeys()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();
        UserModel *users = session.overmind()->userModel();
        int row = 0;
        while (users->users().at(row)->id() != 5)
            ++row;
        QVERIFY(users->removeUsers({users->index(row, 1)}));
        for (int slot : {4, 16}) {
            QCOMPARE(session.model()->keyAt(quint8(slot))->userId(), quint8(0xFF));
            QCOMPARE(session.model()->index(slot, 3).data().toString(),
                     IButtonModel::tr("Not set"));
        }
        QVERIFY(session.settle());
        QVERIFY(session.device().commandsOf(OpWriteKey).isEmpty());
    }

    // The write-in refuses a key section of the wrong shape before emptying the table.
    void writeInRefusesAWrongShapedSection()
    {
        Session session;
        QVERIFY(session.logInAndLoad());
        session.device().clearCommands();
        LogCapture log;
        ConfigFile document;
        document.setObject({{"Version", "2.0"}, {"iButton", QJsonObject{{"id_hex", "AB"}}}});
        session.overmind()->writeConfigSecondPass(document);
        QTRY_VERIFY(log.contains("The section \"iButton\""));
        QVERIFY(session.settle());
        QVERIFY(session.device().commandsOf(OpDeleteKey).isEmpty());
        QCOMPARE(session.model()->rowCount(), SimKeys::keys().size());
        QVERIFY(session.device().hasRecord(OpReadKey, 0));
    }
};

QTEST_MAIN(TestKeysPageDevice)
#include "test_keys_page_device.moc"
