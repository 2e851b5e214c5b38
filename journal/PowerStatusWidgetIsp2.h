#pragma once

#include "journal/PowerStatusPanel.h"

// The power panel of hardware variant 2.
class PowerStatusWidgetIsp2 : public PowerStatusPanel
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp2(QWidget *parent = nullptr);

private:
    void build();
};
