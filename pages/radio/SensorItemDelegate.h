#pragma once

#include <QRect>
#include <QStyledItemDelegate>

class Sensor;
class SensorListView;

// Paints a radio device row as a card: picture, name, state text, signal bar, state
// icon and alarm colour; and, on the drag pixmap, a compact preview of the dragged rows.
class SensorItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Where the parts of one card go.
    struct CardLayout
    {
        QRect picture;
        QRect text;
        QRect name;
        QRect bar;
        // Pixels of the bar filled for the device's signal, drawn from the bar's bottom.
        int barFill = 0;
        QRect stateIcon;
    };
    // Where the drag preview goes on a pixmap of a given size.
    struct PreviewLayout
    {
        QRect box;
        QList<QRect> pictures;
        QString countText;
        QRect countRect;
    };

    explicit SensorItemDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    virtual void paintDragPreview(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const;

    static CardLayout cardLayout(const QStyleOptionViewItem &option, int rssi);
    static PreviewLayout previewLayout(const QStyleOptionViewItem &option, const QPoint &offset,
                                       const QSize &area, int dragged);
    static bool showsSignalBar(const Sensor &device);
    // The icon in the card's corner and its opacity; empty for a device in service.
    static QString stateIconPath(const Sensor &device, qreal *opacity = nullptr);
    static QColor textColour(const Sensor &device);

private:
    static const Sensor *sensorOf(const QModelIndex &index);
    void paintCard(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                   const Sensor &device) const;
    static void paintText(QPainter *painter, const CardLayout &layout, const QRect &card,
                          const QStyleOptionViewItem &option, const Sensor &device);
    static void paintSignalBar(QPainter *painter, const CardLayout &layout, const Sensor &device);
};
