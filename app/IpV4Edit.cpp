#include "app/IpV4Edit.h"

#include "app/AddressPatterns.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {
const QString emptyAddress = QStringLiteral("0.0.0.0");
const QChar dot = QLatin1Char('.');

bool isNavigationKey(int key)
{
    return key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left || key == Qt::Key_Right;
}
} // namespace

IpV4Edit::IpV4Edit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(AddressPatterns::ipv4Edit(), this));
}

void IpV4Edit::setAddress(const QString &text)
{
    setText(text.isEmpty() ? emptyAddress : text);
}

QString IpV4Edit::octetAround(const QString &text, int pos)
{
    const int start = pos > 0 ? text.lastIndexOf(dot, pos - 1) + 1 : 0;
    int end = text.indexOf(dot, pos);
    if (end < 0)
        end = text.size();
    return text.mid(start, end - start);
}

bool IpV4Edit::octetIsFull(const QString &octet, int digit, bool limitAfterTwentyFive)
{
    const int value = octet.toInt();
    if (value > 25 || octet == QLatin1String("00"))
        return true;
    if (octet.size() == 2 && octet.at(0) == QLatin1Char('0'))
        return true;
    return limitAfterTwentyFive && value == 25 && digit > 5;
}

bool IpV4Edit::isDigitKey(const QKeyEvent *event)
{
    return event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9;
}

bool IpV4Edit::allSelected() const
{
    return selectedText().size() == text().size();
}

void IpV4Edit::restoreDots(int selectionStart, int oldCursor)
{
    QString value = text();
    const int cursor = cursorPosition();
    while (value.count(dot) < 3)
        value.insert(qMin(cursor, value.size()), dot);
    setText(value);
    setCursorPosition(qMin(selectionStart, oldCursor) + 1);
}

void IpV4Edit::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly())
        return;
    const QString value = text();
    int pos = cursorPosition();
    const int key = event->key();
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);

    if (allSelected()) {
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            setText(emptyAddress);
            setCursorPosition(0);
        } else if (control) {
            QLineEdit::keyPressEvent(event);
        } else if (isDigitKey(event)) {
            // The digit goes in front of the first dot: "1.0.0.0".
            setText(QStringLiteral(".0.0.0"));
            setCursorPosition(0);
            QLineEdit::keyPressEvent(event);
        } else {
            event->ignore();
        }
        return;
    }

    const bool dotSelected = selectedText().contains(dot);
    if (dotSelected) {
        if (isNavigationKey(key) || control) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        const int selectionStart = this->selectionStart();
        QLineEdit::keyPressEvent(event);
        restoreDots(selectionStart, pos);
        return;
    }

    if (isDigitKey(event) && !hasSelectedText()) {
        if (pos < value.size() && value.at(pos) == QLatin1Char('0')) {
            QString shorter = value;
            shorter.remove(pos, 1);
            setText(shorter.isEmpty() ? emptyAddress : shorter);
            setCursorPosition(pos);
        }
        const QString now = text();
        const QString octet = octetAround(now, pos);
        if (pos < now.size() && now.at(pos) == dot && octetIsFull(octet, key - Qt::Key_0, true)) {
            setCursorPosition(pos + 1);
            keyPressEvent(event);
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }

    if (key == Qt::Key_Backspace && pos >= 2) {
        while (pos > 0 && value.at(pos - 1) == dot)
            --pos;
        setCursorPosition(pos);
    } else if (key == Qt::Key_Delete && pos < value.size()) {
        while (pos < value.size() && value.at(pos) == dot)
            ++pos;
        setCursorPosition(pos);
    }
    QLineEdit::keyPressEvent(event);
}

void IpV4Edit::mousePressEvent(QMouseEvent *event)
{
    if (text() != emptyAddress) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int start = selectionStart();
    const int length = selectedText().size();
    setCursorPosition(0);
    if (length > 0)
        setSelection(start, length);
}
