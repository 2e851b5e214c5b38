#include "journal/PowerStatusWidgetIsp2.h"

#include "journal/PowerStatusIsp2.h"

PowerStatusWidgetIsp2::PowerStatusWidgetIsp2(QWidget *parent) : QWidget(parent) {}

void PowerStatusWidgetIsp2::setPowerStatus(PowerStatusIsp2 *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatusIsp2::statusUpdated, this, &PowerStatusWidgetIsp2::refresh);
    refresh();
}

PowerStatusIsp2 *PowerStatusWidgetIsp2::powerStatus() const
{
    return m_status;
}

void PowerStatusWidgetIsp2::refresh()
{
    update();
}
