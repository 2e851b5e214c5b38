// Builds an output, climate, keypad or key fob device from arbitrary report bytes, reads
// every node of its tree, feeds its setters arbitrary values and its refreshes arbitrary
// records, and lets the user table and output-group names change under it. The first
// byte chooses the device type; the rest is the report, then the values and records.
#include "FuzzSupport.h"

#include "app/DeviceTypeNames.h"
#include "app/Overmind.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
const int types[] = {7, 10, 11, 14, 15, 20, 23, 31, 49, 50, 57, 69, 73};

struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        initDeviceTypeNames();
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        overmind->createSettingsObjects(true);
        overmind->setOutputGroupCount(16);
    }

    Overmind *overmind = nullptr;
};

// Reads the input front to back; past its end every read gives zeros.
struct Input
{
    const uint8_t *data;
    size_t size;
    size_t at = 0;

    void fill(void *target, size_t length)
    {
        auto *out = static_cast<uint8_t *>(target);
        for (size_t i = 0; i < length; ++i)
            out[i] = at < size ? data[at++] : 0;
    }
    int byte()
    {
        uint8_t value = 0;
        fill(&value, 1);
        return value;
    }
    QVariant value()
    {
        switch (byte() % 4) {
        case 0:
            return QVariant(int(qint8(byte())));
        case 1:
            return QVariant(bool(byte() & 1));
        case 2: {
            double real = 0;
            fill(&real, sizeof(real));
            return QVariant(real);
        }
        default:
            return QVariant(QString::number(byte()));
        }
    }
};

void visit(SensorProperty &node, Input &input)
{
    node.value();
    if (node.captionsGetter)
        node.captionsGetter();
    if (node.valuesGetter)
        node.valuesGetter();
    if (node.colourGetter)
        node.colourGetter();
    // Action buttons would open windows; everything else takes a value.
    if (node.kind != SensorProperty::ActionButton && node.setter && (input.byte() & 1))
        node.setter(input.value());
    for (SensorProperty &child : node.children)
        visit(child, input);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    Input input{data + 1, size - 1};
    s_FullSensorData report;
    input.fill(&report, sizeof(report));
    report.settings.bType = quint8(types[data[0] % (sizeof(types) / sizeof(types[0]))]);
    // The model takes a report only with a serial number and its CRC intact.
    if (report.status.serialNumber == 0)
        report.status.serialNumber = 1;
    Fuzz::sealRecord(report);
    PartitionModel *model = harness.overmind->partitionModel();
    const quint16 id = 3;
    model->setFullSensorData(id, report);
    Sensor::SPtr device = model->sensor(id);
    if (!device)
        return 0;
    visit(device->propertyTree(), input);
    s_ExtMemDataSensor record;
    input.fill(&record, sizeof(record));
    record.settings.bType = report.settings.bType;
    device->updateData(&record);
    s_SensorIntData status;
    input.fill(&status, sizeof(status));
    device->updateStatus(&status);
    visit(device->propertyTree(), input);

    UserModel *users = harness.overmind->userModel();
    if (input.byte() & 1)
        users->addUser(new UserSettings(nullptr, 0));
    harness.overmind->setOutputGroupName(input.byte() % 20, QStringLiteral("Group"));
    emit harness.overmind->readyGroupOutputsNames();
    emit harness.overmind->ready();
    visit(device->propertyTree(), input);

    // The device leaves; later signals must not reach it.
    model->removeSensor(device);
    device.reset();
    emit users->signalUpdateSettings();
    emit harness.overmind->readyGroupOutputsNames();
    return 0;
}
