// Reads arbitrary JSON into a partition model through the configuration-file section
// readers, then reads the model's own sections back into a second model. The first byte
// chooses viewing or write-in mode and the file format; the rest is the document.
#include "FuzzSupport.h"

#include "app/DeviceTypeNames.h"
#include "app/Overmind.h"
#include "radio/PartitionModel.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        initDeviceTypeNames();
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
    }

    Overmind *overmind = nullptr;
};

void readSections(PartitionModel &model, const QJsonObject &document, int format)
{
    model.fromJson(document.value(QLatin1String("Partition")), format);
    if (format == 1)
        return;
    PartitionModel::jsonHasEnergySaveSensor(document.value(QLatin1String("Sensors")));
    model.loadSensorsFromJson(document.value(QLatin1String("Sensors")));
    model.loadLoopFromJson(document.value(QLatin1String("Loop")));
    model.loadLocalOutsFromJson(document.value(QLatin1String("Output")));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    harness.overmind->setViewingMode(data[0] & 1);
    const int format = (data[0] & 2) ? 1 : 2;
    const QByteArray text(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject())
        return 0;
    PartitionModel first(nullptr);
    readSections(first, document.object(), format);
    // What the model writes must read back without harm.
    PartitionModel second(nullptr);
    readSections(second, first.toJson().toObject(), 2);
    return 0;
}
