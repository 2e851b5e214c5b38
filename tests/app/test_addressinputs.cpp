#include "app/AddressPatterns.h"
#include "app/DoubleSpinBoxWithValidator.h"
#include "app/FlowTimeEdit.h"
#include "app/HostEdit.h"
#include "app/IpV4Edit.h"
#include "app/IpV6Edit.h"
#include "app/SpinBoxWithValidator.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTest>

namespace {
// Keys are written as characters; '\b' is Backspace and '\x7f' Delete.
void typeKeys(QWidget *widget, const QString &keys)
{
    for (const QChar c : keys) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(widget, Qt::Key_Backspace);
        else if (c == QChar(0x7f))
            QTest::keyClick(widget, Qt::Key_Delete);
        else
            QTest::keyClick(widget, c.toLatin1());
    }
}

// selectionLength -1 selects all; 0 places the cursor at cursor.
void prepare(QLineEdit *edit, const QString &text, int cursor, int selectionLength)
{
    edit->setText(text);
    if (selectionLength < 0)
        edit->selectAll();
    else if (selectionLength > 0)
        edit->setSelection(cursor, selectionLength);
    else
        edit->setCursorPosition(cursor);
}

void addEditColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor"); // -1: not checked
}
} // namespace

class TestAddressInputs : public QObject
{
    Q_OBJECT
private slots:
    void ipv4Keys_data()
    {
        addEditColumns();
        QTest::newRow("all selected, digit starts a fresh address")
            << "192.168.1.1" << 0 << -1 << "1"
            << "1.0.0.0" << 1;
        QTest::newRow("all selected, Delete gives the neutral address")
            << "192.168.1.1" << 0 << -1 << "\x7f"
            << "0.0.0.0" << 0;
        QTest::newRow("all selected, Backspace gives the neutral address")
            << "192.168.1.1" << 0 << -1 << "\b"
            << "0.0.0.0" << 0;
        QTest::newRow("all selected, letter refused") << "192.168.1.1" << 0 << -1 << "a"
                                                      << "192.168.1.1" << -1;
        QTest::newRow("empty field counts as all selected") << "" << 0 << 0 << "7"
                                                            << "7.0.0.0" << 1;
        QTest::newRow("octet 25 and 7 jumps to the next octet") << "192.25.0.1" << 6 << 0 << "7"
                                                                << "192.25.7.1" << 8;
        QTest::newRow("octet 25 and 3 stays in the octet") << "192.25.0.1" << 6 << 0 << "3"
                                                           << "192.253.0.1" << 7;
        QTest::newRow("digit replaces a zero right of the cursor") << "10.0.0.1" << 3 << 0 << "5"
                                                                   << "10.5.0.1" << 4;
        QTest::newRow("typing flows across octets") << "0.0.0.0" << 0 << -1 << "192168"
                                                    << "192.168.0.0" << 7;
        QTest::newRow("255 then a digit moves on") << "0.0.0.0" << 0 << -1 << "2555"
                                                   << "255.5.0.0" << 5;
        QTest::newRow("full last octet refuses more digits") << "1.2.3.255" << 9 << 0 << "1"
                                                             << "1.2.3.255" << 9;
        QTest::newRow("leading zero octet refuses a digit") << "1.0.3.4" << 3 << 0 << "5"
                                                            << "1.0.3.4" << -1;
        QTest::newRow("selection with dots keeps three dots") << "192.168.1.1" << 4 << 5 << "5"
                                                              << "192.5..1" << 5;
        QTest::newRow("Backspace steps over a dot") << "1.2.3.4" << 2 << 0 << "\b"
                                                    << ".2.3.4" << 0;
        QTest::newRow("Delete steps over a dot") << "1.2.3.4" << 1 << 0 << "\x7f"
                                                 << "1..3.4" << 2;
        QTest::newRow("first octet cannot be zero") << "..." << 0 << 0 << "0"
                                                    << "..." << 0;
    }
    void ipv4Keys()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, selection);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(int, expectedCursor);
        IpV4Edit edit;
        prepare(&edit, text, cursor, selection);
        typeKeys(&edit, keys);
        QCOMPARE(edit.text(), expected);
        if (expectedCursor >= 0)
            QCOMPARE(edit.cursorPosition(), expectedCursor);
    }

    void readOnlyEditsKeepTheirText()
    {
        IpV4Edit ipv4;
        HostEdit host;
        IpV6Edit ipv6;
        ipv4.setAddress("10.1.1.1");
        host.setHost("10.1.1.1");
        ipv6.setAddress("fe80::1");
        for (QLineEdit *edit : {static_cast<QLineEdit *>(&ipv4), static_cast<QLineEdit *>(&host),
                                static_cast<QLineEdit *>(&ipv6)}) {
            const QString before = edit->text();
            edit->setReadOnly(true);
            for (const QString &keys :
                 {QString("\x7f"), QString("\b"), QString("5"), QString("a")}) {
                edit->selectAll();
                typeKeys(edit, keys);
                QCOMPARE(edit->text(), before);
            }
        }
    }

    void ipv4AddressAndMouse()
    {
        IpV4Edit edit;
        edit.setAddress("");
        QCOMPARE(edit.text(), QString("0.0.0.0"));
        edit.resize(200, 30);
        QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(150, 15));
        QCOMPARE(edit.cursorPosition(), 0);
        edit.setAddress("10.0.0.1");
        QCOMPARE(edit.text(), QString("10.0.0.1"));
    }

    void hostKeys_data()
    {
        addEditColumns();
        QTest::addColumn<QString>("hostText"); // given to setHost first; null: the text
        QTest::newRow("minus refused in host-name mode") << "abc.ru" << 3 << 0 << "-"
                                                         << "abc.ru" << 3 << QString();
        QTest::newRow("letters and dots in host-name mode") << "abc.ru" << 6 << 0 << "x."
                                                            << "abc.rux." << 8 << QString();
        QTest::newRow("letter on the neutral address empties it") << "0.0.0.0" << 0 << 0 << "ab"
                                                                  << "ab" << 2 << QString();
        QTest::newRow("all selected, letter starts a host name") << "10.0.0.5" << 0 << -1 << "h"
                                                                 << "h" << 1 << QString();
        QTest::newRow("all selected, digit starts an address")
            << "updates.example.ru" << 0 << -1 << "1"
            << "1.0.0.0" << 1 << QString();
        QTest::newRow("all selected, Delete resets") << "updates.example.ru" << 0 << -1 << "\x7f"
                                                     << "0.0.0.0" << 0 << QString();
        QTest::newRow("all selected, other key refused") << "abc.ru" << 0 << -1 << "-"
                                                         << "abc.ru" << -1 << QString();
        QTest::newRow("fourth dot refused in IP mode") << "10.0.0.5" << 8 << 0 << "."
                                                       << "10.0.0.5" << 8 << QString();
        QTest::newRow("full octet jumps to the next one") << "105.3.0.5" << 3 << 0 << "7"
                                                          << "105.73.0.5" << 5 << QString();
        QTest::newRow("25 and a digit above 5 does not jump") << "25.3.0.5" << 2 << 0 << "7"
                                                              << "25.3.0.5" << 2 << QString();
        QTest::newRow("letter on a dotted skeleton starts a host name") << "..." << 0 << 0 << "a"
                                                                        << "a" << 1 << "10.0.0.5";
    }

    void hostKeys()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, selection);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(int, expectedCursor);
        QFETCH(QString, hostText);
        HostEdit edit;
        edit.setHost(hostText.isNull() ? text : hostText);
        prepare(&edit, text, cursor, selection);
        typeKeys(&edit, keys);
        QCOMPARE(edit.text(), expected);
        if (expectedCursor >= 0)
            QCOMPARE(edit.cursorPosition(), expectedCursor);
    }

    void hostModeFollowsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("mode");
        QTest::newRow("address") << "10.0.0.5"
                                 << "10.0.0.5" << int(HostEdit::IpMode);
        QTest::newRow("host name") << "upd-1.example.ru"
                                   << "upd-1.example.ru" << int(HostEdit::HostNameMode);
        QTest::newRow("empty") << ""
                               << "0.0.0.0" << int(HostEdit::HostNameMode);
        QTest::newRow("neutral") << "0.0.0.0"
                                 << "0.0.0.0" << int(HostEdit::HostNameMode);
        QTest::newRow("octet too big is a host name")
            << "10.0.0.256"
            << "10.0.0.256" << int(HostEdit::HostNameMode);
    }
    void hostModeFollowsText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(int, mode);
        HostEdit edit;
        QCOMPARE(edit.mode(), int(HostEdit::HostNameMode));
        edit.setHost(text);
        QCOMPARE(edit.text(), shown);
        QCOMPARE(edit.mode(), mode);
    }

    // A dot in a host name is a dot, not any character.
    void hostPatternDotIsLiteral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("dotted") << "ab.cd" << int(QValidator::Acceptable);
        QTest::newRow("with scheme") << "http://ab.cd" << int(QValidator::Acceptable);
        QTest::newRow("no dot is unfinished") << "abxcd" << int(QValidator::Intermediate);
        QTest::newRow("other separator") << "ab,cd" << int(QValidator::Invalid);
    }
    void hostPatternDotIsLiteral()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        QRegularExpressionValidator validator(AddressPatterns::host());
        int pos = 0;
        QCOMPARE(int(validator.validate(text, pos)), state);
    }

    void hostPasteChecksTheClipboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected");
        QTest::newRow("host name pasted") << "srv.example.ru"
                                          << "srv.example.ru";
        QTest::newRow("invalid text refused") << "bad host!"
                                              << "";
    }
    void hostPasteChecksTheClipboard()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        QApplication::clipboard()->setText(clipboard);
        HostEdit edit;
        edit.setText("");
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), expected);
    }

    void ipv6Keys_data()
    {
        addEditColumns();
        QTest::newRow("all selected, Delete") << "fe80::1" << 0 << -1 << "\x7f"
                                              << "::" << 0;
        QTest::newRow("all selected, digit goes in front") << "fe80::1" << 0 << -1 << "1"
                                                           << "1::" << 1;
        QTest::newRow("selection over a colon restores two colons") << "1::2" << 0 << 2 << "3"
                                                                    << "3::2" << 1;
        QTest::newRow("more colons are left alone") << "1:2:3::4" << 2 << 2 << "5"
                                                    << "1:53::4" << 3;
        QTest::newRow("Backspace steps over the colons") << "1::" << 3 << 0 << "\b"
                                                         << "::" << 0;
        QTest::newRow("Delete steps over the colons") << "::1" << 0 << 0 << "\x7f"
                                                      << "::" << 2;
    }
    void ipv6Keys()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, selection);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(int, expectedCursor);
        IpV6Edit edit;
        prepare(&edit, text, cursor, selection);
        typeKeys(&edit, keys);
        QCOMPARE(edit.text(), expected);
        if (expectedCursor >= 0)
            QCOMPARE(edit.cursorPosition(), expectedCursor);
    }

    void ipv6EmptyAddress()
    {
        IpV6Edit edit;
        edit.setAddress("");
        QCOMPARE(edit.text(), QString("::"));
    }

    void spinBoxesRefuseTypedText()
    {
        SpinBoxWithValidator spin;
        spin.setRange(0, 10);
        spin.setValue(5);
        DoubleSpinBoxWithValidator doubleSpin;
        doubleSpin.setRange(0, 10);
        doubleSpin.setValue(5);
        for (QAbstractSpinBox *box : {static_cast<QAbstractSpinBox *>(&spin),
                                      static_cast<QAbstractSpinBox *>(&doubleSpin)}) {
            box->selectAll();
            QTest::keyClicks(box, "7");
            QTest::keyClick(box, Qt::Key_Enter);
            QTest::keyClick(box, Qt::Key_Up);
            for (int i = 0; i < 10; ++i)
                QTest::keyClick(box, Qt::Key_Up);
        }
        QCOMPARE(spin.value(), 10);
        QCOMPARE(doubleSpin.value(), 10.0);
        QTest::keyClick(&spin, Qt::Key_Down);
        QCOMPARE(spin.value(), 9);
    }

    void spinBoxUsesTheGivenValidator()
    {
        QIntValidator digits(0, 99);
        SpinBoxWithValidator spin;
        spin.setRange(0, 99);
        spin.setValidator(&digits);
        spin.selectAll();
        QTest::keyClicks(&spin, "42");
        QTest::keyClick(&spin, Qt::Key_Enter);
        QCOMPARE(spin.value(), 42);
    }

    void flowTimeSteps_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QTime>("expected");
        const int minute = QDateTimeEdit::MinuteSection;
        const int hour = QDateTimeEdit::HourSection;
        QTest::newRow("minute up carries") << QTime(1, 59) << minute << 1 << QTime(2, 0);
        QTest::newRow("minute down borrows") << QTime(2, 0) << minute << -1 << QTime(1, 59);
        QTest::newRow("big step is one carry") << QTime(1, 59) << minute << 10 << QTime(2, 0);
        QTest::newRow("ordinary minute step") << QTime(5, 10) << minute << 5 << QTime(5, 15);
        QTest::newRow("hour down from 01:00") << QTime(1, 0) << hour << -1 << QTime(0, 59);
        QTest::newRow("hour down below one hour") << QTime(0, 30) << hour << -1 << QTime(0, 29);
        QTest::newRow("ordinary hour step") << QTime(3, 20) << hour << -1 << QTime(2, 20);
        QTest::newRow("no carry past 23:59") << QTime(23, 59) << minute << 1 << QTime(23, 59);
    }
    void flowTimeSteps()
    {
        QFETCH(QTime, start);
        QFETCH(int, section);
        QFETCH(int, steps);
        QFETCH(QTime, expected);
        FlowTimeEdit edit;
        edit.setDisplayFormat("hh:mm");
        edit.setTime(start);
        edit.setCurrentSection(QDateTimeEdit::Section(section));
        edit.stepBy(steps);
        QCOMPARE(edit.time(), expected);
    }

    void flowTimeArrowsStopAtMidnight()
    {
        FlowTimeEdit edit;
        edit.setDisplayFormat("hh:mm");
        edit.setTime(QTime(0, 0));
        edit.setCurrentSection(QDateTimeEdit::MinuteSection);
        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(edit.time(), QTime(0, 0));
        edit.setTime(QTime(0, 1));
        QTest::keyClick(&edit, Qt::Key_Down);
        QCOMPARE(edit.time(), QTime(0, 0));
    }
};

QTEST_MAIN(TestAddressInputs)
#include "test_addressinputs.moc"
