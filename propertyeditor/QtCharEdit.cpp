#include "propertyeditor/QtCharEdit.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyleOption>

QtCharEdit::QtCharEdit(QWidget *parent) : QWidget(parent), m_lineEdit(new QLineEdit(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_lineEdit);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lineEdit->installEventFilter(this);
    m_lineEdit->setReadOnly(true);
    m_lineEdit->setFocusProxy(this);
    setFocusPolicy(m_lineEdit->focusPolicy());
    setAttribute(Qt::WA_InputMethodEnabled);
}

bool QtCharEdit::eventFilter(QObject *object, QEvent *event)
{
    if (object != m_lineEdit || event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(object, event);

    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    QMenu *menu = m_lineEdit->createStandardContextMenu();
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        action->setShortcut(QKeySequence());
        const QString text = action->text();
        const int tab = text.lastIndexOf(QLatin1Char('\t'));
        if (tab > 0)
            action->setText(text.left(tab));
    }
    QAction *first = actions.isEmpty() ? nullptr : actions.first();
    auto *clearAction = new QAction(tr("Clear Char"), menu);
    menu->insertAction(first, clearAction);
    menu->insertSeparator(first);
    clearAction->setEnabled(!m_value.isNull());
    connect(clearAction, SIGNAL(triggered()), this, SLOT(slotClearChar()));
    menu->exec(menuEvent->globalPos());
    delete menu;
    event->accept();
    return true;
}

void QtCharEdit::slotClearChar()
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
    m_lineEdit->setText(QString(c));
    emit valueChanged(m_value);
}

void QtCharEdit::setValue(const QChar &value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_lineEdit->setText(value.isNull() ? QString() : QString(value));
}

void QtCharEdit::focusInEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    m_lineEdit->selectAll();
    QWidget::focusInEvent(event);
}

void QtCharEdit::focusOutEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    QWidget::focusOutEvent(event);
}

void QtCharEdit::keyPressEvent(QKeyEvent *event)
{
    handleKeyEvent(event);
    event->accept();
}

void QtCharEdit::keyReleaseEvent(QKeyEvent *event)
{
    m_lineEdit->event(event);
}

bool QtCharEdit::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
        event->accept();
        return true;
    default:
        break;
    }
    return QWidget::event(event);
}

void QtCharEdit::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
