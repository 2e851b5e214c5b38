#include "propertyeditor/QtKeySequenceEdit.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>

QtKeySequenceEdit::QtKeySequenceEdit(QWidget *parent)
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

bool QtKeySequenceEdit::eventFilter(QObject *object, QEvent *event)
{
    if (object != m_lineEdit || event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(object, event);

    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    QMenu *menu = m_lineEdit->createStandardContextMenu();
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        // The line edit's own shortcuts mean nothing here: keys are recorded instead.
        action->setShortcut(QKeySequence());
        const QString text = action->text();
        const int tab = text.lastIndexOf(QLatin1Char('\t'));
        if (tab > 0)
            action->setText(text.left(tab));
    }
    QAction *first = actions.isEmpty() ? nullptr : actions.first();
    auto *clearAction = new QAction(tr("Clear Shortcut"), menu);
    menu->insertAction(first, clearAction);
    menu->insertSeparator(first);
    clearAction->setEnabled(!m_keySequence.isEmpty());
    connect(clearAction, SIGNAL(triggered()), this, SLOT(slotClearShortcut()));
    menu->exec(menuEvent->globalPos());
    delete menu;
    event->accept();
    return true;
}

void QtKeySequenceEdit::slotClearShortcut()
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
    m_lineEdit->setText(m_keySequence.toString(QKeySequence::NativeText));
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
    m_lineEdit->setText(m_keySequence.toString(QKeySequence::NativeText));
}

void QtKeySequenceEdit::focusInEvent(QFocusEvent *event)
{
    m_lineEdit->event(event);
    m_lineEdit->selectAll();
    QWidget::focusInEvent(event);
}

void QtKeySequenceEdit::focusOutEvent(QFocusEvent *event)
{
    m_num = 0;
    m_lineEdit->event(event);
    QWidget::focusOutEvent(event);
}

void QtKeySequenceEdit::keyPressEvent(QKeyEvent *event)
{
    appendKeyPress(event);
}

void QtKeySequenceEdit::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

bool QtKeySequenceEdit::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride ||
        event->type() == QEvent::KeyRelease) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}
