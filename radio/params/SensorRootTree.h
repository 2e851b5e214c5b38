#pragma once

#include "radio/params/SensorProperty.h"
#include <QCoreApplication>

class Sensor;

// The root of a device's tree with its general and main groups.
class SensorRootTree
{
public:
    static SensorProperty generalGroup(Sensor &device);
    static SensorProperty mainGroup(Sensor &device);
    // The bell setter for a zone type: set for security and entry, empty otherwise.
    static SensorProperty::Setter bellSetter(Sensor &device, quint16 zoneType);

private:
    static SensorProperty zoneTypeNode(Sensor &device, const QVector<int> &codes);
    static SensorProperty caseOpenCheckNode(Sensor &device, int offset);
    static SensorProperty wallControlNode(Sensor &device);
    static SensorProperty wallCaseNode(Sensor &device);
    static SensorProperty hullNode(Sensor &device);
    static SensorProperty indicationNode(Sensor &device);
};
