#pragma once

#include <QPointer>
#include <QWidget>

class PowerStatusIsp1;

// The power panel of hardware variant 1.
class PowerStatusWidgetIsp1 : public QWidget
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp1(QWidget *parent = nullptr);

    void setPowerStatus(PowerStatusIsp1 *status);
    PowerStatusIsp1 *powerStatus() const;

private:
    void refresh();

    QPointer<PowerStatusIsp1> m_status;
};
