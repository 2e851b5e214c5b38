#pragma once

#include "journal/PowerStatusPanel.h"

// The power panel of hardware variant 1.
class PowerStatusWidgetIsp1 : public PowerStatusPanel
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp1(QWidget *parent = nullptr);

private:
    void build();
};
