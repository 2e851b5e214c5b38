#include "propertyeditor/QtSwatchEditWidget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

namespace {
// Escape, Enter and Return belong to the view's editor handling, not to the button.
bool isEditorKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return true;
    default:
        return false;
    }
}
} // namespace

QtSwatchEditWidget::QtSwatchEditWidget(QWidget *parent)
    : QWidget(parent), m_pixmapLabel(new QLabel), m_label(new QLabel), m_button(new QToolButton)
{
    auto *layout = new QHBoxLayout(this);
    if (QApplication::layoutDirection() == Qt::LeftToRight)
        layout->setContentsMargins(4, 0, 0, 0);
    else
        layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pixmapLabel);
    layout->addWidget(m_label);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Ignored));
    layout->addWidget(m_button);

    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    m_button->setFixedWidth(20);
    setFocusProxy(m_button);
    setFocusPolicy(m_button->focusPolicy());
    m_button->installEventFilter(this);
    connect(m_button, SIGNAL(clicked()), this, SLOT(buttonClicked()));
}

void QtSwatchEditWidget::setButtonText(const QString &text)
{
    m_button->setText(text);
}

void QtSwatchEditWidget::showValue(const QPixmap &picture, const QString &text)
{
    m_pixmapLabel->setPixmap(picture);
    m_label->setText(text);
}

bool QtSwatchEditWidget::eventFilter(QObject *object, QEvent *event)
{
    if (object == m_button && isEditorKey(event)) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(object, event);
}

void QtSwatchEditWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
