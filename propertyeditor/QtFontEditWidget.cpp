#include "propertyeditor/QtFontEditWidget.h"

#include "app/ModalAnswerer.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QApplication>
#include <QFontDialog>
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

QtFontEditWidget::QtFontEditWidget(QWidget *parent)
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

    m_pixmapLabel->setPixmap(QtPropertyBrowserUtils::fontPixmap(m_font));
    m_label->setText(QtPropertyBrowserUtils::fontText(m_font));
}

void QtFontEditWidget::setValue(const QFont &value)
{
    if (value == m_font)
        return;
    m_font = value;
    m_pixmapLabel->setPixmap(QtPropertyBrowserUtils::fontPixmap(m_font));
    m_label->setText(QtPropertyBrowserUtils::fontText(m_font));
}

bool QtFontEditWidget::chooseFont(QFont *chosen)
{
    const QString title = tr("Select Font");
    if (ModalAnswerer::isActive()) {
        // Answered with the point size of the chosen font; -1 (or less than 1) cancels.
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("dialog");
        request.title = title;
        request.text = m_font.toString();
        const int answer = ModalAnswerer::answer(request);
        if (answer < 1)
            return false;
        *chosen = m_font;
        chosen->setPointSize(answer);
        return true;
    }
    bool accepted = false;
    *chosen = QFontDialog::getFont(&accepted, m_font, this, title);
    return accepted;
}

void QtFontEditWidget::buttonClicked()
{
    QFont chosen;
    if (!chooseFont(&chosen) || chosen == m_font)
        return;
    // Only the attributes the dialog offers are taken over; the rest stay as they were.
    QFont font = m_font;
    if (chosen.family() != font.family())
        font.setFamily(chosen.family());
    if (chosen.pointSize() != font.pointSize())
        font.setPointSize(chosen.pointSize());
    if (chosen.bold() != font.bold())
        font.setBold(chosen.bold());
    if (chosen.italic() != font.italic())
        font.setItalic(chosen.italic());
    if (chosen.underline() != font.underline())
        font.setUnderline(chosen.underline());
    if (chosen.strikeOut() != font.strikeOut())
        font.setStrikeOut(chosen.strikeOut());
    setValue(font);
    emit valueChanged(m_font);
}

bool QtFontEditWidget::eventFilter(QObject *object, QEvent *event)
{
    if (object == m_button && isEditorKey(event)) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(object, event);
}

void QtFontEditWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
