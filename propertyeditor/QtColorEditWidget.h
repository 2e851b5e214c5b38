#pragma once

#include "propertyeditor/QtSwatchEditWidget.h"

#include <QColor>

// A colour swatch and text with a button that opens the colour dialog.
class QtColorEditWidget : public QtSwatchEditWidget
{
    Q_OBJECT
public:
    explicit QtColorEditWidget(QWidget *parent = nullptr);

    QColor value() const { return m_color; }

public slots:
    void setValue(const QColor &value);

signals:
    void valueChanged(const QColor &value);

protected slots:
    void buttonClicked() override;

private:
    QColor chooseColor();
    void showColor();

    QColor m_color;
};
