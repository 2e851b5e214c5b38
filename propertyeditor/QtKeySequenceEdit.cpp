#include "propertyeditor/QtKeySequenceEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

QtKeySequenceEdit::QtKeySequenceEdit(QWidget *parent) : QtKeyCaptureEdit(parent) {}

QString QtKeySequenceEdit::clearText() const
{
    return tr("Clear Shortcut");
}

bool QtKeySequenceEdit::isEmpty() const
{
    return m_keySequence.isEmpty();
}

void QtKeySequenceEdit::clearValue()
{
    if (m_keySequence.isEmpty())
        return;
    setKeySequence(QKeySequence());
    emit keySequenceChanged(m_keySequence);
}

void QtKeySequenceEdit::appendKeyPress(QKeyEvent *event)
{
    int nextKey = event->key();
    switch (nextKey) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_Super_L:
    case Qt::Key_AltGr:
        return;
    default:
        break;
    }
    nextKey |= translateModifiers(event->modifiers(), event->text());

    int keys[4] = {0, 0, 0, 0};
    for (int i = 0; i < m_num && i < m_keySequence.count(); ++i)
        keys[i] = m_keySequence[static_cast<uint>(i)];
    keys[m_num] = nextKey;
    m_num = (m_num + 1) % 4;

    m_keySequence = QKeySequence(keys[0], keys[1], keys[2], keys[3]);
    lineEdit()->setText(m_keySequence.toString(QKeySequence::NativeText));
    event->accept();
    emit keySequenceChanged(m_keySequence);
}

int QtKeySequenceEdit::translateModifiers(Qt::KeyboardModifiers state, const QString &text)
{
    int result = 0;
    // Shift is part of a shifted punctuation character itself, so it is left out there.
    if (state & Qt::ShiftModifier) {
        const bool plainShift = text.isEmpty() || !text.at(0).isPrint() || text.at(0).isLetter() ||
                                text.at(0).isSpace();
        if (plainShift)
            result |= Qt::SHIFT;
    }
    if (state & Qt::ControlModifier)
        result |= Qt::CTRL;
    if (state & Qt::MetaModifier)
        result |= Qt::META;
    if (state & Qt::AltModifier)
        result |= Qt::ALT;
    return result;
}

void QtKeySequenceEdit::setKeySequence(const QKeySequence &sequence)
{
    if (sequence == m_keySequence)
        return;
    m_num = 0;
    m_keySequence = sequence;
    lineEdit()->setText(m_keySequence.toString(QKeySequence::NativeText));
}

void QtKeySequenceEdit::focusOutEvent(QFocusEvent *event)
{
    m_num = 0;
    QtKeyCaptureEdit::focusOutEvent(event);
}

void QtKeySequenceEdit::keyPressEvent(QKeyEvent *event)
{
    appendKeyPress(event);
}

void QtKeySequenceEdit::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}
