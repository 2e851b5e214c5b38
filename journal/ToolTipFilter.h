#pragma once

#include <QObject>

// Shows a cell's tool tip only when the cell is too narrow for its text.
class ToolTipFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;
};
