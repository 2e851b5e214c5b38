// Feeds device answers through the running program's protocol into the communication
// settings objects, their pages, the GSM status panel and the noise chart. The first byte
// chooses the firmware layout (1.x or 2.x); the rest is a stream of answers.
#include "FuzzSupport.h"

#include "app/BaseSettingsWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "pages/comms/EthernetSettingsWidget.h"
#include "pages/comms/GSMSettingsWidget.h"
#include "pages/comms/SimPinDialog.h"
#include "pages/comms/WirelessSettingsWidget.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    if (size < 1)
        return 0;
    DeviceInfo &info = program.overmind()->deviceInfo();
    const int connected = info.version();
    info.setVersion((data[0] & 1) ? 0x0201 : 0x0104);
    Fuzz::feedAnswers(data + 1, size - 1, Fuzz::operationsOf(QStringLiteral("comms_answers")));
    MainWindow *window = program.window();
    for (BaseSettingsWidget *page : window->findChildren<BaseSettingsWidget *>()) {
        if (qobject_cast<GSMSettingsWidget *>(page) ||
            qobject_cast<EthernetSettingsWidget *>(page) ||
            qobject_cast<WirelessSettingsWidget *>(page))
            page->hasChanges();
    }
    for (GSMSettingsWidget *page : window->findChildren<GSMSettingsWidget *>())
        if (SimPinDialog *dialog = page->pinDialog())
            dialog->hide();
    // Every verification code opens a window of its own; do not let them pile up.
    for (QWidget *widget : window->findChildren<QWidget *>(QStringLiteral("LineCopyWidget")))
        widget->deleteLater();
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("LineCopyWidget"))
            widget->deleteLater();
    info.setVersion(connected);
    program.settle();
    return 0;
}
