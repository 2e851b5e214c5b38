#include "app/ContentAwareLineEdit.h"

#include <QPainter>
#include <QToolTip>

namespace {
const char *const plainStyle = "QLineEdit { padding-right: 20px }";
const char *const refusedStyle =
    "QLineEdit {padding: 0px;padding-right: 20px;border-style: solid;border-color: red;"
    "border-width: 1px;border-radius: 3px;}";
} // namespace

ContentAwareLineEdit::ContentAwareLineEdit(QWidget *parent)
    : QLineEdit(parent), m_checker([](const QString &) { return true; })
{
    setStyleSheet(QLatin1String(plainStyle));
    connect(this, &QLineEdit::textEdited, this, &ContentAwareLineEdit::onTextEdited);
    connect(this, &QLineEdit::textChanged, this, &ContentAwareLineEdit::onTextChanged);
}

void ContentAwareLineEdit::setChecker(Checker checker)
{
    m_checker = checker ? std::move(checker) : [](const QString &) { return true; };
}

bool ContentAwareLineEdit::check(const QString &text)
{
    const bool accepted = m_checker(text);
    if (accepted) {
        setStyleSheet(QLatin1String(plainStyle));
        QToolTip::hideText();
        m_mark = CorrectMark;
    } else {
        setStyleSheet(QLatin1String(refusedStyle));
        m_mark = IncorrectMark;
    }
    update();
    return accepted;
}

bool ContentAwareLineEdit::check()
{
    return check(text());
}

void ContentAwareLineEdit::clear()
{
    setStyleSheet(QString());
    m_mark = CorrectMark;
    QLineEdit::clear();
}

void ContentAwareLineEdit::onTextEdited(const QString &text)
{
    check(text);
}

void ContentAwareLineEdit::onTextChanged(const QString &text)
{
    if (m_initialTextCaptured)
        return;
    m_initialTextCaptured = true;
    m_initialText = text;
}

bool ContentAwareLineEdit::isChanged() const
{
    return text() != m_initialText;
}

QString ContentAwareLineEdit::warning() const
{
    return property("warning").toString();
}

void ContentAwareLineEdit::setWarning(const QString &warning)
{
    setProperty("warning", warning);
}

void ContentAwareLineEdit::focusInEvent(QFocusEvent *event)
{
    emit focusIn();
    QLineEdit::focusInEvent(event);
}

void ContentAwareLineEdit::focusOutEvent(QFocusEvent *event)
{
    emit focusOut();
    QLineEdit::focusOutEvent(event);
}

void ContentAwareLineEdit::mouseDoubleClickEvent(QMouseEvent *)
{
    selectAll();
}

void ContentAwareLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_mark == NoMark)
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QString image = m_mark == CorrectMark ? QStringLiteral("://images/correct.png")
                                                : QStringLiteral("://images/incorrect.png");
    painter.drawPixmap(QRect(width() - 18, height() / 2 - 7, 14, 14), QPixmap(image));
}
