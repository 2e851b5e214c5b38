#pragma once

#include "radio/Sensor.h"

#include <QtGlobal>

// A radio device of a given type built from a full report; nothing is written anywhere.
Sensor::SPtr makeDevice(int id, int type, quint32 serial = 0, int partition = 1, int zoneType = 2);
