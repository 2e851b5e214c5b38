#include "app/FlowTimeEdit.h"

FlowTimeEdit::FlowTimeEdit(QWidget *parent) : QTimeEdit(parent) {}

void FlowTimeEdit::setTimeIfValid(int hour, int minute)
{
    // Past 23:59 there is no time to carry into.
    if (hour <= 23)
        setTime(QTime(hour, minute));
}

void FlowTimeEdit::stepBy(int steps)
{
    const int hour = time().hour();
    const int minute = time().minute();
    switch (currentSection()) {
    case HourSection:
        if (steps < 0 && hour == 1 && minute == 0) {
            setTimeIfValid(0, 59);
            return;
        }
        if (steps < 0 && hour == 0 && minute > 0) {
            setTimeIfValid(0, minute - 1);
            return;
        }
        break;
    case MinuteSection:
        if (steps > 0 && minute == 59) {
            setTimeIfValid(hour + 1, 0);
            return;
        }
        if (steps < 0 && minute == 0 && hour > 0) {
            setTimeIfValid(hour - 1, 59);
            return;
        }
        break;
    default:
        break;
    }
    QTimeEdit::stepBy(steps);
}

QAbstractSpinBox::StepEnabled FlowTimeEdit::stepEnabled() const
{
    if (time() > QTime(0, 0))
        return StepUpEnabled | StepDownEnabled;
    return StepNone;
}
