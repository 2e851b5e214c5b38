// Stores arbitrary values under the application's settings keys, then lets the running
// program read them back where it does: the main window's geometry, state, log levels and
// command history (a QDataStream in base64), the login dialog's credentials, the proxy
// setup. The input is a stream of [key][type][length, 2 bytes LE][value].
#include "FuzzSupport.h"

#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "update/NetworkManager.h"
#include "update/OnlineUpdateWidget.h"

#include <QSettings>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {
const char *const Keys[] = {"commandHistory",   "geometry",        "windowState",
                            "loglevel",         "logmodules",      "checked",
                            "lastlogin",        "password",        "rememberpassword",
                            "savefiledir",      "proxy_on",        "proxy_type",
                            "proxy_host",       "proxy_port",      "proxy_user",
                            "proxy_password",   "server",          "downloadedPath",
                            "lastFirmwarePath", "lastJournalPath", "lastTestSMSMessage",
                            "lastTestSMSNumber"};

QVariant valueOf(quint8 type, const QByteArray &bytes, const QString &key)
{
    // The command history is stored as base64 text of a QDataStream; the fuzzer writes
    // the stream itself.
    if (key == QLatin1String("commandHistory"))
        return QString::fromLatin1(bytes.toBase64());
    switch (type % 5) {
    case 0:
        return QString::fromUtf8(bytes);
    case 1:
        return bytes;
    case 2:
        return bytes.toInt();
    case 3:
        return QString::fromUtf8(bytes).split(QLatin1Char(','));
    default:
        return bytes.isEmpty() ? 0 : int(qint8(bytes.at(0)));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    QSettings settings;
    settings.clear();
    Fuzz::Input input(data, size);
    while (!input.atEnd()) {
        const QString key = QLatin1String(Keys[input.byte() % std::size(Keys)]);
        const quint8 type = input.byte();
        const QByteArray value = input.bytes(input.word());
        if (key == QLatin1String("checked")) {
            // Stored per log level row, as the window writes it.
            settings.beginWriteArray(QStringLiteral("loglevel"));
            settings.setArrayIndex(type % 8);
            settings.setValue(key, valueOf(type, value, key));
            settings.endArray();
        } else {
            settings.setValue(key, valueOf(type, value, key));
        }
    }
    settings.sync();
    program.window()->restoreWindowSettings();
    {
        // The login dialog reads the credentials as it is shown.
        LoginWidget login;
        login.show();
        login.hide();
    }
    program.window()->form()->onlineUpdateWidget->networkManager()->applyProxy();
    settings.clear();
    program.settle();
    return 0;
}
