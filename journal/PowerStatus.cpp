#include "journal/PowerStatus.h"

#include "journal/PowerPanelTexts.h"
#include "journal/PowerSupplyFields.h"

using namespace PowerSupplyFields;

PowerStatus::PowerStatus(const Layout &layout, QObject *parent) : QObject(parent), m_layout(layout)
{
}

double PowerStatus::temperature() const
{
    return floatAt(lastBytes(), m_layout.temperatureAt);
}

double PowerStatus::mainSourceVoltage() const
{
    return floatAt(lastBytes(), m_layout.mainVoltageAt);
}

QString PowerStatus::mainSourceText() const
{
    return PowerSupplyFields::mainSourceText(codeAt(lastBytes(), m_layout.mainSourceAt));
}

QDateTime PowerStatus::syncDateTime() const
{
    if (!hasSyncTime())
        return QDateTime();
    return PowerPanelTexts::deviceDateTime(
        qFromLittleEndian<quint32>(lastBytes() + m_layout.syncDateAt),
        qFromLittleEndian<quint32>(lastBytes() + m_layout.syncTimeAt));
}
