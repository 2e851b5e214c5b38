#pragma once

#include "propertyeditor/QtSwatchEditWidget.h"

#include <QFont>

// A font sample and text with a button that opens the font dialog.
class QtFontEditWidget : public QtSwatchEditWidget
{
    Q_OBJECT
public:
    explicit QtFontEditWidget(QWidget *parent = nullptr);

    QFont value() const { return m_font; }

public slots:
    void setValue(const QFont &value);

signals:
    void valueChanged(const QFont &value);

protected slots:
    void buttonClicked() override;

private:
    bool chooseFont(QFont *chosen);
    void showFont();

    QFont m_font;
};
