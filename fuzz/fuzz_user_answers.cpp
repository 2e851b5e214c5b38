// Feeds arbitrary device messages, led by the user answer code, through the protocol's
// answer dispatch into a user model.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/users/UserModel.h"

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
        static char name[] = "fuzz_user_answers";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        app = new QApplication(argc, argv);
        logger = new Logger;
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        protocol = new Protocol(nullptr);
        model = new UserModel(protocol);
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
    Overmind *overmind = nullptr;
    Protocol *protocol = nullptr;
    UserModel *model = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    // A copy that owns exactly the message's bytes, so any over-read is caught.
    QByteArray message(1, char(0x2F));
    message.append(reinterpret_cast<const char *>(data), int(size));
    harness.protocol->onMessageReceived(message);
    if (harness.model->rowCount() > 256)
        abort();
    // Keep the table from filling up so later inputs still reach the adding path.
    if (harness.model->rowCount() >= 64)
        harness.model->removeUsers({harness.model->index(0, 0)});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
