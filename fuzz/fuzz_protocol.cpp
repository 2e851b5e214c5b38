// Feeds arbitrary device messages to the protocol's answer dispatch. The first three
// bytes choose the device layout (version word, execution); the rest is the message.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "link/Protocol.h"

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        static int argc = 1;
        static char name[] = "fuzz_protocol";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        app = new QApplication(argc, argv);
        logger = new Logger;
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
        protocol = new Protocol(nullptr);
        protocol->setDeviceLayoutSource([this] { return layout; });
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
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
