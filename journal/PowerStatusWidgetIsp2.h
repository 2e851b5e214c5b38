#pragma once

#include <QPointer>
#include <QWidget>

class PowerStatusIsp2;

// The power panel of hardware variant 2.
class PowerStatusWidgetIsp2 : public QWidget
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp2(QWidget *parent = nullptr);

    void setPowerStatus(PowerStatusIsp2 *status);
    PowerStatusIsp2 *powerStatus() const;

private:
    void refresh();

    QPointer<PowerStatusIsp2> m_status;
};
