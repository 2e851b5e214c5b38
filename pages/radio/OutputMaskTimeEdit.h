#pragma once

#include <QTimeEdit>

// The duration field of a pattern editor: its arrows and the wheel ask the editor to move
// its slider by one position instead of stepping the time, so the time only takes values
// the slider's scale can hold.
class OutputMaskTimeEdit : public QTimeEdit
{
    Q_OBJECT
public:
    explicit OutputMaskTimeEdit(QWidget *parent = nullptr);

signals:
    void stepUpPressed();
    void stepDownPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
