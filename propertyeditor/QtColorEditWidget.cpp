#include "propertyeditor/QtColorEditWidget.h"

#include "app/ModalAnswerer.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QColorDialog>

QtColorEditWidget::QtColorEditWidget(QWidget *parent) : QtSwatchEditWidget(parent)
{
    setButtonText(tr("..."));
    showColor();
}

void QtColorEditWidget::showColor()
{
    showValue(QtPropertyBrowserUtils::brushPixmap(QBrush(m_color)),
              QtPropertyBrowserUtils::colorText(m_color));
}

void QtColorEditWidget::setValue(const QColor &value)
{
    if (value == m_color)
        return;
    m_color = value;
    showColor();
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
