#include "propertyeditor/QtColorEditWidget.h"

#include "app/ModalAnswerer.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QApplication>
#include <QColorDialog>
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

QtColorEditWidget::QtColorEditWidget(QWidget *parent)
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
    m_button->setText(tr("..."));
    setFocusProxy(m_button);
    setFocusPolicy(m_button->focusPolicy());
    m_button->installEventFilter(this);
    connect(m_button, SIGNAL(clicked()), this, SLOT(buttonClicked()));

    m_pixmapLabel->setPixmap(QtPropertyBrowserUtils::brushPixmap(QBrush(m_color)));
    m_label->setText(QtPropertyBrowserUtils::colorText(m_color));
}

void QtColorEditWidget::setValue(const QColor &value)
{
    if (value == m_color)
        return;
    m_color = value;
    m_pixmapLabel->setPixmap(QtPropertyBrowserUtils::brushPixmap(QBrush(m_color)));
    m_label->setText(QtPropertyBrowserUtils::colorText(m_color));
}

QColor QtColorEditWidget::chooseColor()
{
    if (ModalAnswerer::isActive()) {
        // Answered with the chosen colour as an ARGB number; -1 cancels.
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("dialog");
        request.title = QStringLiteral("QColorDialog");
        request.text = m_color.name(QColor::HexArgb);
        const int answer = ModalAnswerer::answer(request);
        return answer == -1 ? QColor() : QColor::fromRgba(static_cast<QRgb>(answer));
    }
    return QColorDialog::getColor(m_color, this, QString());
}

void QtColorEditWidget::buttonClicked()
{
    const QColor chosen = chooseColor();
    if (!chosen.isValid() || chosen == m_color)
        return;
    setValue(chosen);
    emit valueChanged(m_color);
}

bool QtColorEditWidget::eventFilter(QObject *object, QEvent *event)
{
    if (object == m_button && isEditorKey(event)) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(object, event);
}

void QtColorEditWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
