#include "app/BitfieldWidget.h"

#include <QMouseEvent>
#include <QPainter>

BitfieldWidget::BitfieldWidget(QWidget *parent) : QWidget(parent)
{
    updateMinimumSize();
}

void BitfieldWidget::updateMinimumSize()
{
    setMinimumSize((m_cellWidth + m_spacing) * m_columns + m_spacing,
                   (m_cellHeight + m_spacing) * m_rows + m_spacing);
    update();
}

void BitfieldWidget::setCount(int n)
{
    m_bits.resize(qMax(n, 0));
    const int rows = qMax(m_rows, 1);
    m_columns = (m_bits.size() + rows - 1) / rows;
    updateMinimumSize();
}

void BitfieldWidget::setColumnCount(int columns)
{
    if (columns <= 0)
        return;
    m_columns = columns;
    m_rows = (m_bits.size() + columns - 1) / columns;
    updateMinimumSize();
}

void BitfieldWidget::setCellHeight(int height)
{
    m_cellHeight = height;
    updateMinimumSize();
}

void BitfieldWidget::setCellWidth(int width)
{
    m_cellWidth = width;
    updateMinimumSize();
}

void BitfieldWidget::setSpacing(int spacing)
{
    m_spacing = spacing;
    updateMinimumSize();
}

void BitfieldWidget::setBits(const QBitArray &bits)
{
    m_bits = bits;
    update();
}

void BitfieldWidget::setFromUInt64(quint64 value)
{
    for (int i = 0; i < m_bits.size(); ++i)
        m_bits.setBit(i, i < 64 && (value >> i) & 1U);
    update();
}

quint64 BitfieldWidget::toUInt64() const
{
    quint64 value = 0;
    for (int i = 0; i < qMin(m_bits.size(), 64); ++i) {
        if (m_bits.testBit(i))
            value |= quint64(1) << i;
    }
    return value;
}

void BitfieldWidget::setPen(const QPen &pen)
{
    m_pen = pen;
    update();
}

void BitfieldWidget::setOnBrush(const QBrush &brush)
{
    m_onBrush = brush;
    update();
}

void BitfieldWidget::setOffBrush(const QBrush &brush)
{
    m_offBrush = brush;
    update();
}

void BitfieldWidget::setLabels(const QStringList &labels)
{
    m_labelsShown = labels.size() >= m_bits.size();
    m_labels = m_labelsShown ? labels : QStringList();
    update();
}

QRect BitfieldWidget::cellRect(int index) const
{
    const int row = index / m_columns;
    const int column = index % m_columns;
    return QRect((m_cellWidth + m_spacing) * column, (m_cellHeight + m_spacing) * row, m_cellWidth,
                 m_cellHeight);
}

// Cells past the bit count are not part of the value, so they are treated as outside.
int BitfieldWidget::bitIndexAt(const QPoint &pos) const
{
    const int rowPitch = m_cellHeight + m_spacing;
    const int columnPitch = m_cellWidth + m_spacing;
    if (pos.x() < 0 || pos.y() < 0 || rowPitch <= 0 || columnPitch <= 0)
        return -1;
    const int row = pos.y() / rowPitch;
    const int column = pos.x() / columnPitch;
    if (row >= m_rows || column >= m_columns)
        return -1;
    const int index = column + row * m_columns;
    return index < m_bits.size() ? index : -1;
}

void BitfieldWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_pen);
    const QBrush onBrush = isEnabled() ? m_onBrush : QBrush(Qt::lightGray);
    for (const bool set : {true, false}) {
        painter.setBrush(set ? onBrush : m_offBrush);
        for (int i = 0; i < m_bits.size(); ++i) {
            if (m_bits.testBit(i) == set)
                painter.drawRect(cellRect(i));
        }
    }
    if (!m_labelsShown)
        return;
    painter.setPen(Qt::black);
    for (int i = 0; i < qMin(m_bits.size(), m_labels.size()); ++i)
        painter.drawText(cellRect(i), Qt::AlignCenter, m_labels.at(i));
}

void BitfieldWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = bitIndexAt(event->pos());
    if (index < 0)
        return;
    m_bits.toggleBit(index);
    m_dragValue = m_bits.testBit(index);
    emit bitsChanged(m_bits);
    update();
    m_dragging = true;
    m_lastIndex = index;
}

void BitfieldWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const int index = bitIndexAt(event->pos());
    if (index < 0 || index == m_lastIndex)
        return;
    m_bits.setBit(index, m_dragValue);
    m_lastIndex = index;
    emit bitsChanged(m_bits);
    update();
}

void BitfieldWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
