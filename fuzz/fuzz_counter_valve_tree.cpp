// Builds a pulse counter, water meter or valve controller from arbitrary device records,
// then hands it further arbitrary settings and status records and reads every node of
// its parameter tree after each: values, captions, colours and button texts. The first
// byte chooses the device type; the rest fills the report and the later records.
#include "FuzzSupport.h"

#include "app/DeviceTypeNames.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "radio/Sensor.h"

#include <QMessageBox>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        initDeviceTypeNames();
        // Every question is declined and every dialog cancelled.
        ModalAnswerer::setHandler([](const ModalAnswerer::Request &request) {
            return request.kind == QLatin1String("dialog") ? -1 : int(QMessageBox::Cancel);
        });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
    }

    Overmind *overmind = nullptr;
};

// Takes up to size bytes from the input into the record; the rest stays as it was.
void fill(void *record, std::size_t size, const uint8_t *&data, std::size_t &left)
{
    const std::size_t taken = left < size ? left : size;
    std::memcpy(record, data, taken);
    data += taken;
    left -= taken;
}

void readAll(Sensor::SensorProperty &node)
{
    if (node.getter)
        (void)node.getter();
    if (node.colourGetter)
        (void)node.colourGetter();
    if (node.captionsGetter) {
        const QStringList captions = node.captionsGetter();
        if (node.kind == Sensor::SensorProperty::Enumeration && node.getter)
            (void)captions.value(node.getter().toInt());
    }
    if (node.valuesGetter)
        (void)node.valuesGetter();
    if (node.buttonTextGetter)
        (void)node.buttonTextGetter();
    for (Sensor::SensorProperty &child : node.children)
        readAll(child);
}

// Edits every editable enumeration to each of its values; action buttons are left alone
// since they open dialogs.
void editAll(Sensor::SensorProperty &node)
{
    if (node.kind == Sensor::SensorProperty::Enumeration && node.editable && node.setter &&
        node.valuesGetter)
        for (int value : node.valuesGetter())
            node.setter(value);
    for (Sensor::SensorProperty &child : node.children)
        editAll(child);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    static const int types[] = {13, 19, 56, 66};
    const int type = types[data[0] % 4];
    ++data;
    --size;

    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    fill(&report.settings, sizeof(report.settings), data, size);
    fill(&report.status, sizeof(report.status), data, size);
    report.settings.bType = quint8(type);
    report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
    Sensor device(5, &report);
    readAll(device.propertyTree());

    while (size > 0) {
        s_ExtMemDataSensor settings = *device.settingsData();
        fill(&settings, sizeof(settings), data, size);
        settings.settings.bType = quint8(type);
        device.updateData(&settings);
        readAll(device.propertyTree());
        s_SensorIntData status = *device.statusData();
        fill(&status, sizeof(status), data, size);
        device.updateStatus(&status);
        readAll(device.propertyTree());
    }
    editAll(device.propertyTree());
    readAll(device.propertyTree());
    return 0;
}
