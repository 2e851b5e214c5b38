#include "propertyeditor/QtFontEditWidget.h"

#include "app/ModalAnswerer.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QFontDialog>

QtFontEditWidget::QtFontEditWidget(QWidget *parent) : QtSwatchEditWidget(parent)
{
    setButtonText(tr("..."));
    showFont();
}

void QtFontEditWidget::showFont()
{
    showValue(QtPropertyBrowserUtils::fontPixmap(m_font), QtPropertyBrowserUtils::fontText(m_font));
}

void QtFontEditWidget::setValue(const QFont &value)
{
    if (value == m_font)
        return;
    m_font = value;
    showFont();
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
