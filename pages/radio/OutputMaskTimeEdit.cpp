#include "pages/radio/OutputMaskTimeEdit.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

OutputMaskTimeEdit::OutputMaskTimeEdit(QWidget *parent) : QTimeEdit(parent)
{
    lineEdit()->setReadOnly(true);
}

void OutputMaskTimeEdit::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QRect up =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
    const QRect down =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, this);
    if (up.contains(event->pos()))
        emit stepUpPressed();
    else if (down.contains(event->pos()))
        emit stepDownPressed();
}

void OutputMaskTimeEdit::wheelEvent(QWheelEvent *event)
{
    // Ignored, so a scroll area around the editor scrolls as well.
    event->ignore();
    const int delta = event->angleDelta().y();
    if (delta > 0)
        emit stepUpPressed();
    else if (delta < 0)
        emit stepDownPressed();
}
