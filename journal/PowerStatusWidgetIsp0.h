#pragma once

#include <QPointer>
#include <QWidget>

class PowerStatusIsp0;

// The power panel of hardware variant 0.
class PowerStatusWidgetIsp0 : public QWidget
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp0(QWidget *parent = nullptr);

    void setPowerStatus(PowerStatusIsp0 *status);
    PowerStatusIsp0 *powerStatus() const;

private:
    void refresh();

    QPointer<PowerStatusIsp0> m_status;
};
