#pragma once

#include "radio/LoopRecords.h"
#include "radio/OutputRecords.h"
#include "radio/SensorRecords.h"

#include <QJsonObject>
#include <QJsonValue>

class PartitionModel;
class Sensor;

// The configuration-file objects of the radio model and the records they stand for: a
// device object becomes the full report the communicator would send, a loop object the
// loop's full report, an output object the output's settings block. One key table
// serves the writer and the readers, so what is written reads back the same.
class SensorFileObject
{
public:
    // The per-type "sensor" member of a device object.
    static QJsonObject privateSettingsToJson(const Sensor &device, const PartitionModel *model);

    // A format-2 device object as a sealed full report; false for empty slots and the
    // loop, which are not radio devices.
    static bool reportFromJson(const QJsonObject &object, s_FullSensorData &report, int &id);
    // A format-1 device object ("Type" neither 0 nor 9) as a sealed full report.
    static void reportFromJsonV102(const QJsonObject &object, s_FullSensorData &report, int &id);

    static void readPrivateSettings(int type, u_RFDevPrivateSettings &area,
                                    const QJsonObject &sensorObject);
    static void readCommonSettings(int type, s_SensorCommonSettings &common,
                                   const QJsonObject &sensorObject);
    static s_OutputModeSett readOutput(const QJsonObject &output);

    // Loop report from a loop object of either format.
    static s_FullLoopData loopReportFromJson(const QJsonObject &object, int formatVersion);
    // Output settings block from an output element of either format.
    static s_ExtMemDataOutput outputBlockFromJson(const QJsonObject &object, int formatVersion);

    // Numbers of a file as whole values; anything else, or a value out of range, is 0.
    static qint64 wholeNumber(const QJsonValue &value);
    // A flag that may be written as a boolean or as a number.
    static bool flag(const QJsonValue &value);
    // Radio-device name bytes as the device keeps them: escaped, NUL-ended, 0xFF-filled.
    static void putRadioName(quint8 *field, const QString &name);
};
