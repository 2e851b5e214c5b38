// Arbitrary private settings and status records of every panel type through the settings
// dialog: binding, reloading on a status push and on new settings, and saving. The first
// byte chooses the device type; then come 512 bytes of settings and 104 of status.
#include "FuzzSupport.h"

#include "app/DeviceTypeNames.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "radio/Sensor.h"

#include <QMessageBox>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {
const int PanelTypes[] = {7,  14, 15, 20, 23, 49, 50, 57, 69, 11, 13, 6, 18,
                          26, 16, 24, 2,  10, 31, 27, 28, 33, 21, 22, 4};

struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        initDeviceTypeNames();
        ModalAnswerer::setHandler(
            [](const ModalAnswerer::Request &) { return int(QMessageBox::No); });
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        overmind->createSettingsObjects(true);
    }

    Overmind *overmind = nullptr;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    constexpr size_t need = 1 + sizeof(s_ExtMemDataSensor) + sizeof(s_SensorIntData);
    if (size < need)
        return 0;
    const int type = PanelTypes[data[0] % (sizeof(PanelTypes) / sizeof(PanelTypes[0]))];
    s_ExtMemDataSensor settings;
    std::memcpy(&settings, data + 1, sizeof(settings));
    settings.settings.bType = quint8(type);
    s_SensorIntData status;
    std::memcpy(&status, data + 1 + sizeof(settings), sizeof(status));

    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    std::memcpy(report.name, settings.name, sizeof(report.name));
    report.settings = settings.settings;
    report.status = status;
    auto device = std::make_shared<Sensor>(uchar(1), &report);
    auto *dialog = new SensorSettingsWidget();
    dialog->setSensor(device);
    device->updateStatus(&status);
    device->updateData(&settings);
    if (SensorPrivateSettingsWidget *panel = dialog->panel())
        panel->saveSettings();
    delete dialog;
    return 0;
}
