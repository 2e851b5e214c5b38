#include "journal/PowerStatusIsp1.h"

#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/PowerSupplyFields.h"
#include "link/Protocol.h"
#include "pages/settings/DeviceSettings.h"

using namespace PowerSupplyFields;

PowerStatusIsp1::PowerStatusIsp1(QObject *parent) : QObject(parent)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        connect(overmind->protocol(), &Protocol::supplyStatusIsp1, this,
                &PowerStatusIsp1::statusReceived);
}

double PowerStatusIsp1::temperature() const
{
    return floatAt(m_last.bytes, 56);
}

double PowerStatusIsp1::mainSourceVoltage() const
{
    return floatAt(m_last.bytes, 44);
}

QString PowerStatusIsp1::mainSourceText() const
{
    return PowerSupplyFields::mainSourceText(codeAt(m_last.bytes, 86));
}

QDateTime PowerStatusIsp1::syncDateTime() const
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

void PowerStatusIsp1::statusReceived(s_SupplyAndChargerIsp1 record)
{
    m_last = record;
    m_battery = m_externalBattery = m_externalPower = record;
    clearAbsent(m_battery.bytes, 76, 16, 24, {0, 4, 8, 36, 40});
    clearAbsent(m_externalBattery.bytes, 82, 9, 13, {52});
    clearAbsent(m_externalPower.bytes, 84, 5, 8, {48});
    emit statusUpdated();
}
