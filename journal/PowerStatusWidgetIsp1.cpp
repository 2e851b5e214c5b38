#include "journal/PowerStatusWidgetIsp1.h"

#include "journal/PowerStatusIsp1.h"

PowerStatusWidgetIsp1::PowerStatusWidgetIsp1(QWidget *parent) : QWidget(parent) {}

void PowerStatusWidgetIsp1::setPowerStatus(PowerStatusIsp1 *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatusIsp1::statusUpdated, this, &PowerStatusWidgetIsp1::refresh);
    refresh();
}

PowerStatusIsp1 *PowerStatusWidgetIsp1::powerStatus() const
{
    return m_status;
}

void PowerStatusWidgetIsp1::refresh()
{
    update();
}
