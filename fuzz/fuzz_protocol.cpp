// Feeds arbitrary device messages to the protocol's answer dispatch. The first three
// bytes choose the device layout (version word, execution); the rest is the message.
#include "FuzzSupport.h"

#include "link/Protocol.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        protocol = new Protocol(nullptr);
        protocol->setDeviceLayoutSource([this] { return layout; });
    }

    Protocol *protocol = nullptr;
    DeviceLayout layout;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 3)
        return 0;
    harness.layout.version = quint16(data[0] | (data[1] << 8));
    harness.layout.execution = data[2] % 5;
    // A copy that owns exactly the message's bytes, so any over-read is caught.
    const QByteArray message(reinterpret_cast<const char *>(data + 3), int(size - 3));
    harness.protocol->onMessageReceived(message);
    return 0;
}
