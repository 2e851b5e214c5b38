// Shows the parameter trees of output, climate, keypad and key fob devices in the property
// view, switching from one device to the next; prints the mean and longest switch.
#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTest>
#include <cstdio>
#include <cstring>

namespace {
const int types[] = {7, 10, 11, 14, 15, 20, 23, 31, 49, 50, 57, 69, 73};
const int rounds = 5;

s_FullSensorData report(int type)
{
    s_FullSensorData data;
    std::memset(&data, 0, sizeof(data));
    data.settings.bType = quint8(type);
    data.settings.common.Partition = 1;
    data.settings.privateSettings.raw[127 - 120] = 0; // a key fob with a user
    data.status.firmwareMajor = 1;
    data.status.firmwareMinor = 12;
    data.status.hardwareMajor = 2;
    data.status.supplyVoltage = 3000;
    data.status.serialNumber = 0x00B00000u + quint32(type);
    data.crc32 = crc32Stm(&data, offsetof(s_FullSensorData, crc32));
    return data;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    Logger logger;
    initDeviceTypeNames();
    Overmind overmind;
    overmind.deviceInfo().init(0, 0, 0, 0);
    overmind.createSettingsObjects(true);
    overmind.setOutputGroupCount(16);
    PartitionModel *model = overmind.partitionModel();
    QList<Sensor::SPtr> devices;
    int id = 0;
    for (int type : types) {
        model->setFullSensorData(quint16(id), report(type));
        if (Sensor::SPtr device = model->sensor(id++))
            devices << device;
    }

    SensorPropertiesWidget view;
    view.resize(560, 900);
    view.show();
    QElapsedTimer timer;
    qint64 longest = 0;
    qint64 total = 0;
    int switches = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const Sensor::SPtr &device : devices) {
            timer.start();
            view.setSensor(device);
            QCoreApplication::processEvents();
            const qint64 elapsed = timer.nsecsElapsed();
            longest = qMax(longest, elapsed);
            total += elapsed;
            ++switches;
        }
    }
    std::printf("devices: %d\n", int(devices.size()));
    std::printf("mean switch ms: %.3f\n", total / 1e6 / switches);
    std::printf("longest switch ms: %.3f\n", longest / 1e6);
    return 0;
}
