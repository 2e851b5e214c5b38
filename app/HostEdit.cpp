#include "app/HostEdit.h"

#include "app/AddressPatterns.h"
#include "app/IpV4Edit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {
const QString emptyAddress = QStringLiteral("0.0.0.0");
const QChar dot = QLatin1Char('.');

bool isLetterKey(int key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool isAllowedPlainKey(const QKeyEvent *event)
{
    const int key = event->key();
    if (isLetterKey(key) || IpV4Edit::isDigitKey(event))
        return true;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Period:
    case Qt::Key_Slash:
    case Qt::Key_Colon:
        return true;
    default:
        return false;
    }
}
} // namespace

HostEdit::HostEdit(QWidget *parent) : QLineEdit(parent)
{
    setMode(HostNameMode);
}

void HostEdit::setMode(Mode mode)
{
    m_mode = mode;
    const QRegularExpression &pattern =
        mode == IpMode ? AddressPatterns::ipv4Partial() : AddressPatterns::host();
    auto *validator = new QRegularExpressionValidator(pattern, this);
    setValidator(validator);
    delete m_validator;
    m_validator = validator;
}

void HostEdit::setHost(const QString &text)
{
    if (text.isEmpty() || text == emptyAddress) {
        reset();
        return;
    }
    setMode(AddressPatterns::ipv4().match(text).hasMatch() ? IpMode : HostNameMode);
    setText(text);
}

void HostEdit::reset()
{
    setText(emptyAddress);
    setCursorPosition(0);
    setMode(HostNameMode);
}

bool HostEdit::allSelected() const
{
    return selectedText().size() == text().size();
}

void HostEdit::keyPressEvent(QKeyEvent *event)
{
    // The rules below rewrite the text directly, which a read-only field must not allow.
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (allSelected()) {
        handleAllSelected(event);
        return;
    }
    const QString value = text();
    int pos = cursorPosition();
    const int key = event->key();

    if (hasSelectedText()) {
        const bool control = event->modifiers().testFlag(Qt::ControlModifier);
        const bool navigation = key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left ||
                                key == Qt::Key_Right;
        if (m_mode == IpMode && selectedText().contains(dot) && !navigation && !control) {
            const int selectionStart = this->selectionStart();
            QLineEdit::keyPressEvent(event);
            QString restored = text();
            const int cursor = cursorPosition();
            while (restored.count(dot) < 3)
                restored.insert(qMin(cursor, restored.size()), dot);
            setText(restored);
            setCursorPosition(qMin(selectionStart, pos) + 1);
            return;
        }
        finalFilter(event);
        return;
    }

    if (m_mode == IpMode && key == Qt::Key_Period && value.count(dot) >= 3) {
        event->ignore();
        return;
    }
    if (IpV4Edit::isDigitKey(event)) {
        handleDigit(event, pos);
        return;
    }
    if (isLetterKey(key) && !event->modifiers().testFlag(Qt::ControlModifier)) {
        if (value == emptyAddress || value == QLatin1String("...")) {
            // A letter starts a host name; the address rules would refuse it.
            clear();
            setMode(HostNameMode);
        }
        finalFilter(event);
        return;
    }
    if (key == Qt::Key_Backspace) {
        handleBackspace(event, pos);
        return;
    }
    if (key == Qt::Key_Delete && pos < value.size() && m_mode == IpMode) {
        while (pos < value.size() && value.at(pos) == dot)
            ++pos;
        setCursorPosition(pos);
    }
    finalFilter(event);
}

void HostEdit::handleAllSelected(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        reset();
    } else if (event->modifiers().testFlag(Qt::ControlModifier)) {
        finalFilter(event);
    } else if (IpV4Edit::isDigitKey(event)) {
        setText(QStringLiteral(".0.0.0"));
        setCursorPosition(0);
        finalFilter(event);
    } else if (isLetterKey(key)) {
        clear();
        setMode(HostNameMode);
        finalFilter(event);
    } else if (key == Qt::Key_Home || key == Qt::Key_End) {
        finalFilter(event);
    } else {
        event->ignore();
    }
}

void HostEdit::handleDigit(QKeyEvent *event, int pos)
{
    const QString value = text();
    if (pos < value.size() && value.at(pos) == QLatin1Char('0')) {
        QString shorter = value;
        shorter.remove(pos, 1);
        setHost(shorter);
        setCursorPosition(pos);
    }
    const QString now = text();
    if (now.isEmpty())
        setMode(HostNameMode);
    else if (m_mode == HostNameMode && AddressPatterns::ipv4().match(now).hasMatch())
        setMode(IpMode);

    // A "25" followed by a digit above 5 stays: the validator refuses "256".
    if (pos < now.size() && now.at(pos) == dot &&
        IpV4Edit::octetIsFull(IpV4Edit::octetAround(now, pos), event->key() - Qt::Key_0, false)) {
        setCursorPosition(pos + 1);
        keyPressEvent(event);
        return;
    }
    finalFilter(event);
}

void HostEdit::handleBackspace(QKeyEvent *event, int pos)
{
    if (pos >= 2) {
        if (m_mode == IpMode) {
            const QString value = text();
            while (pos > 0 && value.at(pos - 1) == dot)
                --pos;
            setCursorPosition(pos);
            if (pos == 0)
                setMode(HostNameMode);
        }
        finalFilter(event);
        return;
    }
    if (m_mode == IpMode && text().size() <= 3) {
        setMode(HostNameMode);
        QLineEdit::keyPressEvent(event);
        if (text().remove(QLatin1Char('0')).endsWith(QLatin1String("...")))
            reset();
        return;
    }
    finalFilter(event);
}

void HostEdit::finalFilter(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier) {
        if (isAllowedPlainKey(event))
            QLineEdit::keyPressEvent(event);
        else
            event->ignore();
        return;
    }
    if (modifiers.testFlag(Qt::ControlModifier) && event->key() == Qt::Key_V) {
        QString pasted = QApplication::clipboard()->text();
        int pos = 0;
        if (!pasted.isEmpty() && m_validator->validate(pasted, pos) == QValidator::Invalid) {
            event->ignore();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void HostEdit::mousePressEvent(QMouseEvent *event)
{
    if (text() != emptyAddress) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int start = selectionStart();
    const int length = selectedText().size();
    reset();
    if (length > 0)
        setSelection(start, length);
}
