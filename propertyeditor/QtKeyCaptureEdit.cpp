#include "propertyeditor/QtKeyCaptureEdit.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>

QtKeyCaptureEdit::QtKeyCaptureEdit(QWidget *parent)
    : QWidget(parent), m_lineEdit(new QLineEdit(this))
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

bool QtKeyCaptureEdit::eventFilter(QObject *object, QEvent *event)
{
    if (object != m_lineEdit || event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(object, event);

    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    QMenu *menu = m_lineEdit->createStandardContextMenu();
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        // The line edit's own shortcuts mean nothing here: keys are taken as the value instead.
        action->setShortcut(QKeySequence());
        const QString text = action->text();
        const int tab = text.lastIndexOf(QLatin1Char('\t'));
        if (tab > 0)
            action->setText(text.left(tab));
    }
    QAction *first = actions.isEmpty() ? nullptr : actions.first();
    auto *clearAction = new QAction(clearText(), menu);
    menu->insertAction(first, clearAction);
    menu->insertSeparator(first);
    clearAction->setEnabled(!isEmpty());
    connect(clearAction, &QAction::triggered, this, [this] { clearValue(); });
    menu->exec(menuEvent->globalPos());
    delete menu;
    event->accept();
    return true;
}

void QtKeyCaptureEdit::focusInEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    m_lineEdit->selectAll();
    QWidget::focusInEvent(event);
}

void QtKeyCaptureEdit::focusOutEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    QWidget::focusOutEvent(event);
}

bool QtKeyCaptureEdit::event(QEvent *event)
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
