#include "pages/radio/CustomSpinBox.h"

#include <QDebug>
#include <QEvent>
#include <QLineEdit>
#include <QRegularExpression>

CustomSpinBox::CustomSpinBox(QWidget *parent) : QSpinBox(parent) {}

QValidator::State CustomSpinBox::validate(QString &text, int &position) const
{
    Q_UNUSED(position)
    static const QRegularExpression allowed(tr("^(?:[1-9]|[1-9][0-9]){0,1}$"));
    if (text == QLatin1String("17") || !allowed.match(text).hasMatch())
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

bool CustomSpinBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        m_lastValue = value();
        emit isEnter();
        break;
    case QEvent::Leave:
        emit isLeave();
        break;
    case QEvent::FocusIn:
        // Keyboard users reach the field without the mouse: keep what it held then too.
        m_lastValue = value();
        break;
    case QEvent::FocusOut:
        if (lineEdit()->text().isEmpty()) {
            qDebug() << "mLastValue<< " << m_lastValue << event->type();
            setValue(m_lastValue);
            lineEdit()->setText(QString::number(m_lastValue));
        }
        break;
    default:
        break;
    }
    QSpinBox::event(event);
    return true;
}
