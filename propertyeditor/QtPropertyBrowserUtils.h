#pragma once

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

// Value texts and small swatches for colours, brushes and fonts.
class QtPropertyBrowserUtils
{
    Q_DECLARE_TR_FUNCTIONS(QtPropertyBrowserUtils)
public:
    static QString colorText(const QColor &color);
    static QPixmap brushPixmap(const QBrush &brush);
    static QIcon brushIcon(const QBrush &brush);
    static QString fontText(const QFont &font);
    static QPixmap fontPixmap(const QFont &font);
    static QIcon fontIcon(const QFont &font);
};
