#include "pages/radio/CustomLineEdit.h"

#include <QEvent>

CustomLineEdit::CustomLineEdit(QWidget *parent) : QLineEdit(parent) {}

void CustomLineEdit::setText(const QString &text)
{
    m_savedText = text;
    QLineEdit::setText(text);
}

bool CustomLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::Enter)
        emit isEnter();
    else if (event->type() == QEvent::Leave)
        emit isLeave();
    QLineEdit::event(event);
    return true;
}
