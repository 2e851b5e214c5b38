// Reads arbitrary JSON as a "Directions" section of file version 1 or 2 (first byte), then
// writes the directions held and reads that back into a second settings object.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "pages/reporting/DirectionSettings.h"

#include <QJsonDocument>

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
    const QJsonValue section =
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    DirectionSettings first(nullptr);
    first.fromJson(section, format);
    first.setDataPointer(first.currentIndex());
    first.pruneEventFilter();
    (void)first.isModified();
    DirectionSettings second(nullptr);
    second.fromJson(first.toJson(), 2);
    return 0;
}
