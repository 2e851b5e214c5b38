#include "app/AboutDialog.h"
#include "app/MessageBoxU.h"
#include "app/MessageDialog.h"
#include "app/Overmind.h"
#include "support/ModalRecorder.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void messageDialogReturnsButtonPosition_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("second") << 1 << 1;
        QTest::newRow("closed") << -1 << -1;
        QTest::newRow("out of range") << 7 << -1;
    }
    void messageDialogReturnsButtonPosition()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        ModalRecorder boxes;
        boxes.reply = [answer](const ModalAnswerer::Request &) { return answer; };
        MessageDialog dialog;
        dialog.setTitle("Viewing cofiguration file");
        dialog.setText("Continue?");
        dialog.addButton("In the current window");
        dialog.addButton("In a new window");
        dialog.addButton("Cancel");
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(boxes.seen.at(0).buttons,
                 (QStringList{"In the current window", "In a new window", "Cancel"}));
    }

    void questionReturnsPressedButton()
    {
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        QCOMPARE(MessageBoxU::question("Sure?", "Attention", QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
        QCOMPARE(boxes.seen.at(0).title, QString("Attention"));
        QCOMPARE(boxes.seen.at(0).standardButtons, int(QMessageBox::Yes | QMessageBox::No));
    }

    void aboutKeySequences()
    {
        Overmind overmind;
        AboutDialog about;
        QSignalSpy show(&about, &AboutDialog::showDebugTab);
        QSignalSpy hide(&about, &AboutDialog::hideDebugTab);
        QTest::keyClicks(&about, "x71946283");
        QCOMPARE(show.count(), 1);
        QVERIFY(overmind.isDebugMode());
        QTest::keyClicks(&about, "71946283");
        QCOMPARE(show.count(), 2);
        QTest::keyClicks(&about, "7194x6283");
        QCOMPARE(show.count(), 2);
        // A sequence begun in one box may end in the next.
        QTest::keyClicks(&about, "0517");
        AboutDialog second;
        QSignalSpy hideSecond(&second, &AboutDialog::hideDebugTab);
        QTest::keyClicks(&second, "9362");
        QCOMPARE(hideSecond.count(), 1);
        QVERIFY(!overmind.isDebugMode());
        QCOMPARE(hide.count(), 0);
    }

    void aboutTexts()
    {
        QCOMPARE(AboutDialog::buildText(), QString("5265 "));
        QCOMPARE(AboutDialog::buildDateText("Apr  4 2026"), QDate(2026, 4, 4).toString());
        AboutDialog about;
        QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), QString("1.3"));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
