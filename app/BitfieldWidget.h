#pragma once

#include <QBitArray>
#include <QBrush>
#include <QPen>
#include <QStringList>
#include <QWidget>

// A clickable grid of bits; a press toggles one cell and a drag writes the
// pressed cell's new value into every cell it passes.
class BitfieldWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BitfieldWidget(QWidget *parent = nullptr);

    void setCount(int n);
    void setColumnCount(int columns);
    void setCellHeight(int height);
    void setCellWidth(int width);
    void setSpacing(int spacing);
    void setBits(const QBitArray &bits);
    void setFromUInt64(quint64 value);
    quint64 toUInt64() const;
    int count() const { return m_bits.size(); }
    QBitArray bits() const { return m_bits; }
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    void setPen(const QPen &pen);
    void setOnBrush(const QBrush &brush);
    void setOffBrush(const QBrush &brush);
    void setLabels(const QStringList &labels);

signals:
    void bitsChanged(QBitArray bits);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int bitIndexAt(const QPoint &pos) const;
    QRect cellRect(int index) const;
    void updateMinimumSize();

    QPen m_pen{Qt::black};
    QBrush m_onBrush{Qt::green};
    QBrush m_offBrush{Qt::darkGreen};
    QBitArray m_bits;
    int m_cellHeight = 24;
    int m_cellWidth = 24;
    int m_spacing = 2;
    int m_rows = 1;
    int m_columns = 8;
    bool m_dragging = false;
    int m_lastIndex = 0;
    bool m_dragValue = false;
    QStringList m_labels;
    bool m_labelsShown = false;
};
