// Feeds the device settings blocks (object, device, date and time, debug, LEDs, beeper,
// output groups and their status, card-reader indication) through the running program's
// protocol into their settings objects and pages, or, with bit 1 of the first byte set,
// reads the rest as a configuration file into those objects (bit 0: file format 1).
#include "FuzzSupport.h"

#include "app/BaseSettingsWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Storable.h"

#include <cstddef>
#include <cstdint>

namespace {
const char *const SectionOwners[] = {"ObjectSettings", "DeviceSettings",      "DateTimeSettings",
                                     "LedsSettings",   "BeeperSettings",      "IButtonConfig",
                                     "DebugSettings",  "OutputGroupsSettings"};

void readSections(Overmind *overmind, const QJsonDocument &document, int format)
{
    for (Storable *storable : overmind->registry()) {
        const QObject *object = dynamic_cast<QObject *>(storable);
        if (!object)
            continue;
        for (const char *owner : SectionOwners) {
            if (!object->inherits(owner))
                continue;
            storable->fromJson(Fuzz::section(document, storable->jsonKey()), format);
            (void)storable->toJson();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    if (size < 1)
        return 0;
    if (data[0] & 2)
        readSections(program.overmind(), Fuzz::document(data + 1, size - 1), (data[0] & 1) ? 1 : 2);
    else
        Fuzz::feedAnswers(data + 1, size - 1,
                          Fuzz::operationsOf(QStringLiteral("device_settings")));
    for (BaseSettingsWidget *page : program.window()->findChildren<BaseSettingsWidget *>()) {
        page->updateWidget();
        page->hasChanges();
    }
    program.settle();
    return 0;
}
