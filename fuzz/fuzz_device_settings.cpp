// Feeds arbitrary data into the device settings objects and their pages. The first byte
// chooses the path: bit 0 the file format (1 or 2) for sections, bit 1 sections or device
// answers. Sections: the rest is parsed as JSON and every section key is read from it (or
// the whole value is given to each object). Answers: a stream of messages, each one length
// byte followed by that many bytes ([operation][identifier][payload]), padded to a block.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/BeeperSettings.h"
#include "pages/settings/BeeperSettingsWidget.h"
#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DateTimeSettingsWidget.h"
#include "pages/settings/DebugSettings.h"
#include "pages/settings/DebugSettingsWidget.h"
#include "pages/settings/DeviceSettings.h"
#include "pages/settings/DeviceSettingsWidget.h"
#include "pages/settings/IButtonConfig.h"
#include "pages/settings/IButtonConfigWidget.h"
#include "pages/settings/LedsSettings.h"
#include "pages/settings/LedsSettingsWidget.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/ObjectSettingsWidget.h"
#include "pages/settings/OutputGroupsSettings.h"
#include "pages/settings/OutputGroupsSettingsWidget.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>

namespace {
// Answers of the blocks this target aims at; other bytes pick one of them.
const quint8 Operations[] = {0x2A, 0x2B, 0x10, 0x3E, 0x29, 0x28, 0x3F, 0x41, 0x33};

struct Harness
{
    Harness()
    {
        static int argc = 1;
        static char name[] = "fuzz_device_settings";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        app = new QApplication(argc, argv);
        logger = new Logger;
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::No); });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0x0201);
        protocol = new Protocol(nullptr);
        object = new ObjectSettings(protocol);
        device = new DeviceSettings(protocol);
        dateTime = new DateTimeSettings(protocol);
        dateTime->setDeviceData(device->data());
        leds = new LedsSettings(protocol);
        beeper = new BeeperSettings(protocol);
        reader = new IButtonConfig(protocol);
        debug = new DebugSettings(protocol);
        groups = new OutputGroupsSettings(protocol);
        QObject::connect(protocol, &Protocol::dateTimeData, dateTime,
                         [this](const u_DateSTM32F4xx &d, const u_TimeSTM32F4xx &t) {
                             dateTime->updateDateTime(d.value, t.value);
                         });
        objectPage = new ObjectSettingsWidget;
        objectPage->setSettings(object);
        devicePage = new DeviceSettingsWidget;
        devicePage->setSettings(device);
        dateTimePage = new DateTimeSettingsWidget;
        dateTimePage->setDeviceSettings(device);
        dateTimePage->setDateTimeSettings(dateTime);
        ledsPage = new LedsSettingsWidget;
        ledsPage->setSettings(leds);
        beeperPage = new BeeperSettingsWidget;
        beeperPage->setSettings(beeper);
        readerPage = new IButtonConfigWidget;
        readerPage->setSettings(reader);
        debugPage = new DebugSettingsWidget;
        debugPage->setSettings(debug);
        groupsPage = new OutputGroupsSettingsWidget;
        groupsPage->setSettings(groups);
        emit overmind->ready();
    }

    QList<Storable *> storables() const
    {
        return {object, device, dateTime, leds, beeper, reader, debug, groups};
    }

    QApplication *app = nullptr;
    Logger *logger = nullptr;
    Overmind *overmind = nullptr;
    Protocol *protocol = nullptr;
    ObjectSettings *object = nullptr;
    DeviceSettings *device = nullptr;
    DateTimeSettings *dateTime = nullptr;
    LedsSettings *leds = nullptr;
    BeeperSettings *beeper = nullptr;
    IButtonConfig *reader = nullptr;
    DebugSettings *debug = nullptr;
    OutputGroupsSettings *groups = nullptr;
    ObjectSettingsWidget *objectPage = nullptr;
    DeviceSettingsWidget *devicePage = nullptr;
    DateTimeSettingsWidget *dateTimePage = nullptr;
    LedsSettingsWidget *ledsPage = nullptr;
    BeeperSettingsWidget *beeperPage = nullptr;
    IButtonConfigWidget *readerPage = nullptr;
    DebugSettingsWidget *debugPage = nullptr;
    OutputGroupsSettingsWidget *groupsPage = nullptr;
};

int blockSize(quint8 operation)
{
    switch (operation) {
    case 0x10:
        return 8;
    case 0x41:
        return 8;
    default:
        return 256;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    const int version = (data[0] & 1) ? 2 : 1;
    if (data[0] & 2) {
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)));
        const QJsonValue whole =
            document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        for (Storable *storable : harness.storables()) {
            const QJsonValue section =
                document.isObject() && document.object().contains(storable->jsonKey())
                    ? document.object().value(storable->jsonKey())
                    : whole;
            storable->fromJson(section, version);
            storable->toJson();
        }
    } else {
        size_t at = 1;
        while (at < size) {
            const size_t length = data[at++];
            const size_t available = qMin(length, size - at);
            QByteArray message(reinterpret_cast<const char *>(data + at), int(available));
            at += available;
            if (message.isEmpty())
                continue;
            message[0] = char(Operations[quint8(message[0]) % sizeof(Operations)]);
            const int full = 3 + blockSize(quint8(message[0]));
            if (message.size() >= 3 && message.size() < full && (data[0] & 4))
                message.append(QByteArray(full - message.size(), char(message.size())));
            harness.protocol->onMessageReceived(message);
        }
    }
    for (BaseSettingsWidget *page : std::initializer_list<BaseSettingsWidget *>{
             harness.objectPage, harness.devicePage, harness.dateTimePage, harness.ledsPage,
             harness.beeperPage, harness.readerPage, harness.debugPage, harness.groupsPage}) {
        page->updateWidget();
        page->hasChanges();
    }
    return 0;
}
