#include "journal/PowerStatus.h"

#include "app/Overmind.h"
#include "journal/Journal.h"
#include "journal/PowerSupplyFields.h"
#include "pages/settings/DeviceSettings.h"

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
    const QDate date = dateFromRtc(qFromLittleEndian<quint32>(lastBytes() + m_layout.syncDateAt));
    const QTime time = timeFromRtc(qFromLittleEndian<quint32>(lastBytes() + m_layout.syncTimeAt));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    int offset = 0;
    if (Overmind *overmind = Overmind::instance())
        if (DeviceSettings *settings = overmind->deviceSettings())
            offset = settings->tzOffset();
    return QDateTime(date, time, Qt::UTC).toOffsetFromUtc(offset);
}
