#include "journal/PowerStatusIsp0.h"

#include "app/Overmind.h"
#include "journal/PowerSupplyFields.h"
#include "link/Protocol.h"

using namespace PowerSupplyFields;

PowerStatusIsp0::PowerStatusIsp0(QObject *parent) : QObject(parent)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        connect(overmind->protocol(), &Protocol::supplyStatusIsp0, this,
                &PowerStatusIsp0::statusReceived);
}

double PowerStatusIsp0::temperature() const
{
    return floatAt(m_last.bytes, 24);
}

double PowerStatusIsp0::mainSourceVoltage() const
{
    return floatAt(m_last.bytes, 16);
}

QString PowerStatusIsp0::mainSourceText() const
{
    return PowerSupplyFields::mainSourceText(codeAt(m_last.bytes, 40));
}

void PowerStatusIsp0::statusReceived(s_SupplyAndChargerIsp0 record)
{
    m_last = record;
    m_battery = m_supply = m_mains = record;
    clearAbsent(m_battery.bytes, 32, 16, 24, {0, 4, 8, 12});
    clearAbsent(m_mains.bytes, 36, 1, 4, {20});
    clearAbsent(m_supply.bytes, 38, 5, 8, {16});
    emit statusUpdated();
}
