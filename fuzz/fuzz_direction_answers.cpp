// Feeds arbitrary device messages of the direction block (0x31) and the delivery state
// (0x17) into the Protocol while the directions page is bound to its settings object.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/DirectionsWidget.h"

#include <QApplication>
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
        static char name[] = "fuzz_direction_answers";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        app = new QApplication(argc, argv);
        logger = new Logger;
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        protocol = new Protocol(nullptr);
        settings = new DirectionSettings(protocol);
        page = new DirectionsWidget;
        page->setSettings(settings);
        QObject::connect(protocol, &Protocol::channelStatus, page,
                         &DirectionsWidget::statusUpdated);
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
    Overmind *overmind = nullptr;
    Protocol *protocol = nullptr;
    DirectionSettings *settings = nullptr;
    DirectionsWidget *page = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 2)
        return 0;
    // First byte: the answer, its identifier, and whether a block is sealed so it gets in.
    const bool status = data[0] & 1;
    const quint8 id = quint8(data[1]);
    QByteArray payload(reinterpret_cast<const char *>(data + 2), int(size - 2));
    if (!status && (data[0] & 2) && payload.size() >= 1536)
        *reinterpret_cast<quint32 *>(payload.data() + 1532) = crc32Stm(payload.constData(), 1532);
    QByteArray message;
    message.append(char(status ? 0x17 : 0x31));
    message.append(char(id));
    message.append(char(0));
    message.append(payload);
    harness.protocol->onMessageReceived(message);
    harness.page->confirmLeave(int(id % 12) - 1, 0);
    return 0;
}
