#pragma once

#include <QTimeEdit>

// An hours-and-minutes edit whose minute steps carry into the hours.
class FlowTimeEdit : public QTimeEdit
{
    Q_OBJECT
public:
    explicit FlowTimeEdit(QWidget *parent = nullptr);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    void setTimeIfValid(int hour, int minute);
};
