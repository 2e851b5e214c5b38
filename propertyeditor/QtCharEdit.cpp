#include "propertyeditor/QtCharEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>

QtCharEdit::QtCharEdit(QWidget *parent) : QtKeyCaptureEdit(parent) {}

QString QtCharEdit::clearText() const
{
    return tr("Clear Char");
}

bool QtCharEdit::isEmpty() const
{
    return m_value.isNull();
}

void QtCharEdit::clearValue()
{
    if (m_value.isNull())
        return;
    setValue(QChar());
    emit valueChanged(m_value);
}

void QtCharEdit::handleKeyEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_Super_L:
    case Qt::Key_Return:
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return;
    const QChar c = text.at(0);
    if (!c.isPrint() || c == m_value)
        return;
    m_value = c;
    lineEdit()->setText(QString(c));
    emit valueChanged(m_value);
}

void QtCharEdit::setValue(const QChar &value)
{
    if (value == m_value)
        return;
    m_value = value;
    lineEdit()->setText(value.isNull() ? QString() : QString(value));
}

void QtCharEdit::keyPressEvent(QKeyEvent *event)
{
    handleKeyEvent(event);
    event->accept();
}

void QtCharEdit::keyReleaseEvent(QKeyEvent *event)
{
    lineEdit()->event(event);
}

void QtCharEdit::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
