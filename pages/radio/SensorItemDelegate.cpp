#include "pages/radio/SensorItemDelegate.h"

#include "app/Overmind.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "radio/Sensor.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int MaxPreviewPictures = 5;
constexpr int PreviewCountWidth = 50;
const QColor SelectionTint(205, 205, 255, 32);
const QColor LostTextColour(63, 63, 63);

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

QPixmap pictureOf(const QModelIndex &index, const QSize &size)
{
    return index.data(Qt::DecorationRole).value<QIcon>().pixmap(size);
}

QString nameWidthSample()
{
    return QStringLiteral("№123, 123, 123, 123, 1") + QString(7, QLatin1Char(' '));
}

QString cardWidthSample()
{
    return QStringLiteral("(апп.: 00.00 прог.: 00.00)") + QString(13, QLatin1Char(' '));
}
} // namespace

SensorItemDelegate::SensorItemDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

const Sensor *SensorItemDelegate::sensorOf(const QModelIndex &index)
{
    const auto *model = qobject_cast<const SensorItemModel *>(index.model());
    return model ? model->sensorAt(index).get() : nullptr;
}

bool SensorItemDelegate::showsSignalBar(const Sensor &device)
{
    return !isViewingMode() && device.type() > 1 && device.type() != 9;
}

SensorItemDelegate::CardLayout SensorItemDelegate::cardLayout(const QStyleOptionViewItem &option,
                                                              int rssi)
{
    const QRect &r = option.rect;
    const QSize picture = option.decorationSize;
    const QFontMetrics metrics(option.font);
    const int line = metrics.lineSpacing();
    CardLayout layout;
    layout.picture = QRect(r.left() + 5, r.top() + r.height() / 2 - picture.height() / 2,
                           picture.width(), picture.height());
    layout.text = QRect(r.left() + picture.width() + 30, int(r.top() + 1.5 * line),
                        r.width() - 30 - picture.width(), r.height() - 2 * line);
    layout.name = QRect(layout.text.left(), r.top() + line / 2,
                        metrics.horizontalAdvance(nameWidthSample()), metrics.height());
    layout.bar = QRect(layout.text.left() - 20, layout.name.top(), 5, r.height() - 40);
    const int level = std::min(rssi + 130, 99);
    layout.barFill = std::max(0, int(layout.bar.height() / 100.0 * level));
    layout.stateIcon = QRect(r.right() - 30, r.bottom() - 30, 25, 25);
    return layout;
}

void SensorItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const Sensor *device = sensorOf(index);
    if (!device)
        return;
    if (painter->device() && painter->device()->devType() == QInternal::Pixmap) {
        paintDragPreview(painter, option, index);
        return;
    }
    painter->save();
    paintCard(painter, option, index, *device);
    painter->restore();
}

void SensorItemDelegate::paintCard(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index, const Sensor &device) const
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setFont(option.font);
    const QRect &r = option.rect;
    const CardLayout layout = cardLayout(option, device.rssi());
    const bool inTouch = device.isInTouch();

    QLinearGradient fill(r.bottomLeft(), r.topLeft());
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QColor>() && background.value<QColor>().isValid()) {
        fill.setColorAt(1, background.value<QColor>());
    } else if (inTouch) {
        fill.setColorAt(0, QColor(4, 107, 174, 0));
        fill.setColorAt(1, QColor(4, 107, 174, 8));
    } else {
        fill.setColorAt(1, QColor(48, 48, 48, 32));
    }
    QPainterPath card;
    card.addRoundedRect(QRectF(r.adjusted(2, 2, -2, -2)), 1.0, 1.0);
    painter->setPen(QPen(Qt::lightGray, 1));
    painter->fillPath(card, fill);
    painter->drawPath(card);

    painter->setPen(QPen(textColour(device), 1));
    paintText(painter, layout, r, option, device);
    painter->drawPixmap(layout.picture.topLeft(), pictureOf(index, option.decorationSize));

    qreal opacity = 1.0;
    const QString icon = stateIconPath(device, &opacity);
    if (!icon.isEmpty()) {
        painter->setOpacity(opacity);
        painter->drawPixmap(layout.stateIcon, QPixmap(icon));
        painter->setOpacity(1.0);
    }

    const QFontMetrics metrics(option.font);
    painter->drawText(
        layout.name, Qt::AlignLeft | Qt::AlignVCenter,
        metrics.elidedText(device.displayName(), Qt::ElideRight, layout.name.width()));

    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(Qt::black, 1.5));
        painter->fillRect(r, SelectionTint);
        painter->drawPath(card);
    }
    if (showsSignalBar(device))
        paintSignalBar(painter, layout, device);
}

void SensorItemDelegate::paintText(QPainter *painter, const CardLayout &layout, const QRect &card,
                                   const QStyleOptionViewItem &option, const Sensor &device)
{
    const QString text = device.toolTip();
    if (device.displayName() != QStringLiteral("Выходы прибора")) {
        painter->drawText(QRectF(layout.text), text, QTextOption());
        return;
    }
    // The communicator's own outputs: one line per output.
    const QFontMetrics metrics(option.font);
    const QStringList parts = text.split(QStringLiteral("2:"));
    const int half = (card.height() - 2 * metrics.lineSpacing()) / 2;
    const QRect upper(layout.text.left(), layout.text.top(), layout.text.width(), half);
    const QRect lower = upper.translated(0, half);
    painter->drawText(upper, Qt::AlignLeft,
                      metrics.elidedText(parts.value(0), Qt::ElideRight, upper.width()));
    if (parts.size() > 1)
        painter->drawText(lower, Qt::AlignLeft,
                          metrics.elidedText(QStringLiteral("2:%1").arg(parts.value(1)),
                                             Qt::ElideRight, lower.width()));
}

void SensorItemDelegate::paintSignalBar(QPainter *painter, const CardLayout &layout,
                                        const Sensor &device)
{
    painter->setPen(QPen(Qt::black, 1));
    const QRect &bar = layout.bar;
    QLinearGradient level(bar.topLeft(), bar.bottomRight());
    if (device.isInTouch()) {
        level.setColorAt(0, Qt::green);
        level.setColorAt(0.2, Qt::green);
        level.setColorAt(0.5, Qt::green);
        level.setColorAt(0.65, Qt::yellow);
        level.setColorAt(0.75, Qt::yellow);
        level.setColorAt(1.0, Qt::red);
    } else {
        level.setColorAt(0, Qt::gray);
    }
    painter->fillRect(
        QRect(bar.left(), bar.bottom() - layout.barFill, bar.width(), layout.barFill + 1), level);
    painter->drawRect(bar);
    painter->drawPixmap(bar.left() + bar.width() / 2 - 7, bar.bottom() + 5, 16, 16,
                        QPixmap(QStringLiteral(":/images/rssi.png")));
}

QString SensorItemDelegate::stateIconPath(const Sensor &device, qreal *opacity)
{
    qreal shown = 1.0;
    QString path;
    if (!device.isEnabled()) {
        shown = 0.6;
        path = QStringLiteral(":/images/disconnect.png");
    } else if (device.isReadOnly()) {
        shown = 0.7;
        path = QStringLiteral(":/images/locked_gray.png");
    }
    if (opacity)
        *opacity = shown;
    return path;
}

QColor SensorItemDelegate::textColour(const Sensor &device)
{
    return device.isInTouch() ? QColor(Qt::black) : LostTextColour;
}

QSize SensorItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const QFontMetrics metrics(option.font);
    const QSize picture = option.decorationSize;
    return QSize(picture.width() + metrics.horizontalAdvance(cardWidthSample()),
                 std::max(6 * metrics.lineSpacing(), picture.height() + 20));
}

SensorItemDelegate::PreviewLayout
SensorItemDelegate::previewLayout(const QStyleOptionViewItem &option, const QPoint &offset,
                                  const QSize &area, int dragged)
{
    const QSize picture = option.decorationSize;
    const int shown = std::min(dragged, MaxPreviewPictures);
    const int extra = dragged > MaxPreviewPictures ? PreviewCountWidth : 0;
    const int width = extra + shown * (picture.width() + 5) + 5;
    const int height = picture.height() + 10;
    int x = std::max(offset.x() - picture.width() / 2 - 5, 0);
    if (x + width > area.width())
        x = area.width() - width - 5;
    int y = std::max(offset.y() - picture.height() / 2 - 5, 0);
    if (y + height > area.height())
        y = area.height() - height - 5;
    PreviewLayout layout;
    layout.box = QRect(x, y, width, height);
    for (int i = 0; i < shown; ++i)
        layout.pictures.append(QRect(QPoint(x + (picture.width() + 5) * i + 5, y + 5), picture));
    if (extra > 0) {
        layout.countText = tr("+%1").arg(dragged - MaxPreviewPictures);
        layout.countRect = QRect(x + width - extra, y + 5, extra, picture.height());
    }
    return layout;
}

void SensorItemDelegate::paintDragPreview(QPainter *painter, const QStyleOptionViewItem &option,
                                          const QModelIndex &) const
{
    auto *view = qobject_cast<SensorListView *>(const_cast<QWidget *>(option.widget));
    if (!view)
        return;
    const QModelIndexList dragged = view->draggedIndexes();
    if (dragged.isEmpty())
        return;
    painter->save();
    const QPoint offset = view->dragStartPosition() - view->rectForIndex(dragged.first()).topLeft();
    const QSize area(painter->device()->width(), painter->device()->height());
    const PreviewLayout layout = previewLayout(option, offset, area, dragged.size());

    painter->setOpacity(0.75);
    painter->setBrush(QBrush(Qt::lightGray, Qt::SolidPattern));
    painter->setPen(Qt::DashLine);
    painter->drawRect(layout.box);
    painter->setOpacity(1.0);
    for (int i = 0; i < layout.pictures.size(); ++i)
        painter->drawPixmap(layout.pictures.at(i).topLeft(),
                            pictureOf(dragged.at(i), option.decorationSize));
    if (!layout.countText.isEmpty())
        painter->drawText(layout.countRect, Qt::AlignCenter, layout.countText);
    // The other dragged rows are painted onto the same pixmap: they add nothing.
    view->clearDraggedIndexes();
    painter->restore();
}
