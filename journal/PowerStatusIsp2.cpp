#include "journal/PowerStatusIsp2.h"

#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/PowerSupplyFields.h"
#include "link/Protocol.h"
#include "pages/settings/DeviceSettings.h"

using namespace PowerSupplyFields;

PowerStatusIsp2::PowerStatusIsp2(QObject *parent) : QObject(parent)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        connect(overmind->protocol(), &Protocol::supplyStatusIsp2, this,
                &PowerStatusIsp2::statusReceived);
}

double PowerStatusIsp2::temperature() const
{
    return floatAt(m_last.bytes, 56);
}

double PowerStatusIsp2::mainSourceVoltage() const
{
    return floatAt(m_last.bytes, 44);
}

QString PowerStatusIsp2::mainSourceText() const
{
    return PowerSupplyFields::mainSourceText(codeAt(m_last.bytes, 84));
}

QDateTime PowerStatusIsp2::syncDateTime() const
{
    const QDate date = dateFromRtc(qFromLittleEndian<quint32>(m_last.bytes + 68));
    const QTime time = timeFromRtc(qFromLittleEndian<quint32>(m_last.bytes + 64));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    int offset = 0;
    if (Overmind *overmind = Overmind::instance())
        if (DeviceSettings *settings = overmind->deviceSettings())
            offset = settings->tzOffset();
    return QDateTime(date, time, Qt::UTC).toOffsetFromUtc(offset);
}

void PowerStatusIsp2::statusReceived(s_SupplyAndChargerIsp2 record)
{
    m_last = record;
    m_battery = m_supply = record;
    // The unbalance at offset 4 stays: it belongs to the two halves, not the group.
    clearAbsent(m_battery.bytes, 76, 16, 24, {0, 8, 36, 40});
    clearAbsent(m_supply.bytes, 82, 5, 8, {44});
    emit statusUpdated();
}
