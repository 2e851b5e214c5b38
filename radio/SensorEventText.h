#pragma once

#include <QString>
#include <QtGlobal>

// Text of a radio device's state code (status word 84) as the journal, the event filter
// and the device list show it.
QString sensorEventText(quint16 code);
