// Reads arbitrary JSON as the "Users" section in either file format, then reads the
// model's own section back into a second model. The first byte chooses the format.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "pages/users/UserModel.h"

#include <QCoreApplication>
#include <QJsonArray>
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
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
    }

    Overmind *overmind = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    const int format = (data[0] & 1) ? 1 : 2;
    const QByteArray text(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QJsonDocument document = QJsonDocument::fromJson(text);
    const QJsonValue section = document.isArray() ? QJsonValue(document.array())
                                                  : document.object().value(QLatin1String("Users"));
    {
        UserModel first(nullptr);
        const bool taken = first.fromJson(section, format);
        if (taken != section.isArray())
            abort();
        if (first.rowCount() > harness.overmind->deviceInfo().maxUsers())
            abort();
        UserModel second(nullptr);
        second.fromJson(first.toJson(), 2);
        if (second.rowCount() != first.rowCount())
            abort();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
