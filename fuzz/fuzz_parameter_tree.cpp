// Builds a radio device of any type from arbitrary records, then drives its whole parameter
// tree: every getter, list, colour and button text, every setter with values taken from the
// input, and the refreshes of new settings and status records. The first byte chooses the
// type, the second viewing mode; then come the report's settings and status bytes, the new
// records and the values handed to the setters.
#include "FuzzSupport.h"

#include "app/DeviceTypeNames.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "radio/DeviceTypes.h"
#include "radio/Sensor.h"

#include <QMessageBox>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {
struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        initDeviceTypeNames();
        ModalAnswerer::setHandler([](const ModalAnswerer::Request &request) {
            return request.kind == QLatin1String("dialog") ? -1 : int(QMessageBox::No);
        });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        overmind->storeMinimumTakeDelay(30);
    }

    Overmind *overmind = nullptr;
};

// Hands out the input's bytes in order, zeros once they run out.
class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    void fill(void *target, size_t count)
    {
        auto *bytes = static_cast<uint8_t *>(target);
        for (size_t i = 0; i < count; ++i)
            bytes[i] = next();
    }
    uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }
    int value()
    {
        const uint8_t kind = next();
        int v = 0;
        fill(&v, sizeof(v));
        switch (kind % 4) {
        case 0:
            return kind % 8 - 2; // small, where the lists are
        case 1:
            return v % 256;
        default:
            return v;
        }
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

void readAll(Sensor::SensorProperty &node)
{
    if (node.getter)
        node.getter();
    if (node.captionsGetter)
        node.captionsGetter();
    if (node.valuesGetter)
        node.valuesGetter();
    if (node.colourGetter)
        node.colourGetter();
    if (node.buttonTextGetter)
        node.buttonTextGetter();
    for (Sensor::SensorProperty &child : node.children)
        readAll(child);
}

void writeAll(Sensor::SensorProperty &node, Input &input)
{
    // A copy, as the view holds one: a setter may change the device's own tree.
    Sensor::SensorProperty copy = node;
    if (copy.setter) {
        switch (copy.kind) {
        case Sensor::SensorProperty::Boolean:
        case Sensor::SensorProperty::ActionButton:
            copy.setter(bool(input.next() & 1));
            break;
        case Sensor::SensorProperty::String:
            copy.setter(QString::number(input.value()));
            break;
        case Sensor::SensorProperty::Double:
            copy.setter(double(input.value()) / 7.0);
            break;
        case Sensor::SensorProperty::Enumeration: {
            const QVector<int> values = copy.valuesGetter ? copy.valuesGetter() : QVector<int>();
            const int pick = input.value();
            copy.setter(values.isEmpty() || (pick & 0x100)
                            ? pick
                            : values.at(std::abs(pick % values.size())));
            break;
        }
        default:
            copy.setter(input.value());
            break;
        }
    }
    for (Sensor::SensorProperty &child : copy.children)
        writeAll(child, input);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 2)
        return 0;
    Input input(data, size);
    const int type = input.next() % DeviceType::Count;
    harness.overmind->setViewingMode(input.next() & 1);

    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    input.fill(&report.settings, sizeof(report.settings));
    input.fill(&report.status, sizeof(report.status));
    report.settings.bType = quint8(type);
    auto device = std::make_shared<Sensor>(quint8(input.next() % 100), &report);

    Sensor::SensorProperty tree = device->properties();
    readAll(tree);
    writeAll(tree, input);

    s_ExtMemDataSensor settings = *device->settingsData();
    input.fill(&settings.settings.privateSettings, sizeof(settings.settings.privateSettings));
    settings.settings.common.ZoneType = quint16(input.next() % 8);
    device->updateData(&settings);
    s_SensorIntData status;
    input.fill(&status, sizeof(status));
    device->updateStatus(&status);

    tree = device->properties();
    readAll(tree);
    writeAll(tree, input);
    readAll(device->propertyTree());
    return 0;
}
