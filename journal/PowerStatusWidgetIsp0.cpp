#include "journal/PowerStatusWidgetIsp0.h"

#include "journal/PowerStatusIsp0.h"

PowerStatusWidgetIsp0::PowerStatusWidgetIsp0(QWidget *parent) : QWidget(parent) {}

void PowerStatusWidgetIsp0::setPowerStatus(PowerStatusIsp0 *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatusIsp0::statusUpdated, this, &PowerStatusWidgetIsp0::refresh);
    refresh();
}

PowerStatusIsp0 *PowerStatusWidgetIsp0::powerStatus() const
{
    return m_status;
}

void PowerStatusWidgetIsp0::refresh()
{
    update();
}
