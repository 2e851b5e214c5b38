#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QImage>
#include <QPainter>

namespace {
const int swatchSize = 16;
}

QString QtPropertyBrowserUtils::colorText(const QColor &color)
{
    return tr("[%1, %2, %3] (%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QPixmap QtPropertyBrowserUtils::brushPixmap(const QBrush &brush)
{
    QImage image(swatchSize, swatchSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, swatchSize, swatchSize, brush);
    QColor color = brush.color();
    if (color.alpha() != 255) {
        // A translucent colour gets an opaque centre so its hue stays recognisable.
        QBrush opaque = brush;
        color.setAlpha(255);
        opaque.setColor(color);
        painter.fillRect(swatchSize / 4, swatchSize / 4, swatchSize / 2, swatchSize / 2, opaque);
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon QtPropertyBrowserUtils::brushIcon(const QBrush &brush)
{
    return QIcon(brushPixmap(brush));
}

QString QtPropertyBrowserUtils::fontText(const QFont &font)
{
    return tr("[%1, %2]").arg(font.family()).arg(font.pointSize());
}

QPixmap QtPropertyBrowserUtils::fontPixmap(const QFont &font)
{
    QImage image(swatchSize, swatchSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont sample = font;
    sample.setPointSize(13);
    painter.setFont(sample);
    painter.drawText(QRect(0, 0, swatchSize, swatchSize), Qt::AlignCenter, QStringLiteral("A"));
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon QtPropertyBrowserUtils::fontIcon(const QFont &font)
{
    return QIcon(fontPixmap(font));
}
