#include "app/IpV6Edit.h"

#include "app/AddressPatterns.h"
#include "app/IpV4Edit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {
const QString emptyAddress = QStringLiteral("::");
const QChar colon = QLatin1Char(':');
} // namespace

IpV6Edit::IpV6Edit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(AddressPatterns::ipv6Pattern()), this));
}

void IpV6Edit::setAddress(const QString &text)
{
    setText(text.isEmpty() ? emptyAddress : text);
}

void IpV6Edit::restoreColons(int selectionStart)
{
    QString value = text();
    while (value.count(colon) < 2)
        value.insert(qMin(selectionStart + 1, value.size()), colon);
    setText(value);
    setCursorPosition(qMin(selectionStart + 1, value.size()));
}

void IpV6Edit::keyPressEvent(QKeyEvent *event)
{
    // The rules below rewrite the text directly, which a read-only field must not allow.
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString value = text();
    int pos = cursorPosition();
    const int key = event->key();

    if (selectedText().size() == value.size()) {
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            setText(emptyAddress);
            setCursorPosition(0);
            return;
        }
        if (IpV4Edit::isDigitKey(event)) {
            setText(emptyAddress);
            setCursorPosition(0);
        }
        QLineEdit::keyPressEvent(event);
        return;
    }

    const bool colonSelected = selectedText().contains(colon);
    if (colonSelected) {
        const bool navigation = key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left ||
                                key == Qt::Key_Right;
        if (navigation) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        const int selectionStart = this->selectionStart();
        QLineEdit::keyPressEvent(event);
        restoreColons(selectionStart);
        return;
    }

    const bool fewColons = value.count(colon) <= 2;
    if (key == Qt::Key_Backspace && pos >= 2 && value.at(pos - 1) == colon && fewColons) {
        while (pos > 0 && value.at(pos - 1) == colon)
            --pos;
        setCursorPosition(pos);
    } else if (key == Qt::Key_Delete && pos < value.size() && value.at(pos) == colon && fewColons) {
        while (pos < value.size() && value.at(pos) == colon)
            ++pos;
        setCursorPosition(pos);
    }
    QLineEdit::keyPressEvent(event);
}

void IpV6Edit::mousePressEvent(QMouseEvent *event)
{
    if (text() == emptyAddress)
        setCursorPosition(0);
    else
        QLineEdit::mousePressEvent(event);
}
