// Drops arbitrary item-model payloads on a partition button, as another program could
// send them, and entries of live devices as our own card lists do (when the first byte is
// odd). Only devices this process lists may move, and only to the button's partition.
#include "FuzzSupport.h"

#include "app/DeviceTypeNames.h"
#include "app/Overmind.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/SensorItemModel.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimRadioConfiguration.h"

#include <QApplication>
#include <QDataStream>
#include <QDropEvent>
#include <QMimeData>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr int TargetIndex = 2;

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

QByteArray liveEntry(const Sensor::SPtr &device)
{
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    QMap<int, QVariant> roles;
    roles.insert(Qt::UserRole,
                 QVariant::fromValue<quintptr>(SensorItemModel::sensorKey(device.get())));
    stream << 0 << 0 << roles;
    return encoded;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    PartitionModel model(nullptr);
    for (int i = 0; i < SimRadioConfiguration::PartitionCount; ++i) {
        model.setPartitionStatus(quint16(i), SimRadioConfiguration::partitionStatus(i));
        model.setPartitionData(quint16(i), SimRadioConfiguration::partitionBlock(i));
    }
    for (const SimRadioConfiguration::Device &device : SimRadioConfiguration::devices())
        if (device.id < 12)
            model.setFullSensorData(quint16(device.id),
                                    SimRadioConfiguration::sensorReport(device));
    PartitionCommandLinkButton button(model.partition(TargetIndex), &model);
    const QList<Sensor::SPtr> devices = model.sensors();
    QMap<int, int> before;
    for (const Sensor::SPtr &device : devices)
        before.insert(device->id(), device->partition());

    // The bytes as another program would drop them: refused before anything is decoded.
    QMimeData foreign;
    foreign.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"),
                    QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)));
    QDropEvent drop(QPointF(1, 1), Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &drop);
    if (drop.isAccepted())
        std::abort();

    // Entries of our own lists, chosen by the bytes, as a drag from a card list brings them.
    if ((data[0] & 1) && !devices.isEmpty()) {
        QByteArray payload;
        for (size_t i = 1; i < size && i < 8; ++i)
            payload.append(liveEntry(devices.at(data[i] % devices.size())));
        QMimeData own;
        own.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), payload);
        button.dropDevices(&own);
    }
    for (const Sensor::SPtr &device : model.sensors()) {
        const int was = before.value(device->id(), -1);
        if (device->partition() != was && device->partition() != TargetIndex)
            std::abort();
        if (was == 0 && device->partition() != 0)
            std::abort();
    }
    return 0;
}
