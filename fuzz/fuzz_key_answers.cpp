// Feeds arbitrary device messages, each led by the key answer code (0x27) or the deletion
// acknowledgement (0x96), through the protocol's answer dispatch into a key model while
// users are present.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"
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
        static char name[] = "fuzz_key_answers";
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
        // The controller's models: keys look their owners up among its users.
        overmind->createSettingsObjects(false);
        for (int id : {0, 1, 3})
            overmind->userModel()->addUser(new UserSettings(nullptr, quint8(id)));
        protocol = new Protocol(nullptr);
        model = new IButtonModel(protocol);
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
    Overmind *overmind = nullptr;
    Protocol *protocol = nullptr;
    IButtonModel *model = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    // A copy that owns exactly the message's bytes, so any over-read is caught.
    QByteArray message(1, char((data[0] & 1) ? 0x96 : 0x27));
    message.append(reinterpret_cast<const char *>(data + 1), int(size - 1));
    harness.protocol->onMessageReceived(message);
    IButtonModel &model = *harness.model;
    if (model.rowCount() > IButtonModel::maxKeys())
        abort();
    int previous = -1;
    for (int row = 0; row < model.rowCount(); ++row) {
        const IButtonSettings *key = model.keyAt(quint8(row));
        // Ascending, unique numbers within the device's slots; identifiers within the field.
        if (key->id() <= previous || key->id() >= IButtonModel::maxKeys() ||
            key->idHex().size() > 12)
            abort();
        previous = key->id();
        for (int column = 0; column < model.columnCount(); ++column)
            (void)model.index(row, column).data();
    }
    // Keep the table from filling up so later inputs still reach the adding path.
    if (model.rowCount() >= IButtonModel::maxKeys())
        model.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
