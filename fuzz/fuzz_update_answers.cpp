// Feeds the firmware update's device answers through the running program's protocol into the
// update page and the radio-device update: part versions (0x34), flash erase (0xC2), update
// reports (0xC3), the firmware read-back (0xBE) and error answers (0xF0) to the firmware
// operations (0xBF write, 0xC0 install, 0xC1 stop, 0xC2, 0xC3, 0x34). The first byte chooses
// what the page is doing when the answers come: idle, uploading a communicator part, or
// updating a radio device; the rest is a stream of answers.
#include "FuzzSupport.h"

#include "app/FileChooser.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "sim/SimFirmware.h"
#include "update/OnlineUpdateWidget.h"

#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace {
enum Scenario
{
    Idle = 0,
    PartUpload = 1,
    RadioDeviceUpdate = 2,
    ScenarioCount = 3,
};

constexpr quint8 HeaderAnswer = 0x34;
constexpr quint8 ErrorAnswer = 0xF0;
constexpr int IdentifierAt = 1;
constexpr int PayloadAt = 3;
// An error record starts with the operation it refuses.
constexpr int ErrorOperationAt = PayloadAt;
// The main board's header restarts the session's device description (its own target);
// here that identifier reads as the radio-device firmware the communicator holds.
constexpr quint16 BoardHeaderId = 16;
constexpr quint16 HeldFirmwareId = 13;
// The operations whose refusals reach the update.
const quint8 FirmwareOperations[] = {0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0x34};

OnlineUpdateWidget *page()
{
    return Fuzz::Program::instance().window()->form()->onlineUpdateWidget;
}

const QStringList &containerFiles()
{
    static QTemporaryDir folder;
    static const QStringList files = SimFirmware::writeFittingContainers(folder.path());
    return files;
}

bool hasLoadedContainer(QStandardItemModel *model, int row)
{
    const QStandardItem *loaded = model->item(row, OnlineUpdateWidget::LoadedColumn);
    return loaded && !loaded->text().isEmpty();
}

int rowWithContainer(QStandardItemModel *model)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (hasLoadedContainer(model, row))
            return row;
    return -1;
}

// Answers may have cleared or replaced what was published: the containers are opened again.
void openContainers()
{
    OnlineUpdateWidget *updatePage = page();
    if (rowWithContainer(updatePage->partsModel()) >= 0 &&
        rowWithContainer(updatePage->deviceModel()) >= 0)
        return;
    const QStringList files = containerFiles();
    FileChooser::setHandler([files](const FileChooser::Request &) { return files; });
    updatePage->openFirmwareFile();
    FileChooser::clearHandler();
    Fuzz::Program::instance().settle();
}

void startUpdate(QStandardItemModel *model)
{
    const int row = rowWithContainer(model);
    if (row < 0)
        return;
    model->item(row, 0)->setCheckState(Qt::Checked);
    page()->onUpdateClicked();
    Fuzz::Program::instance().settle();
}

void prepare(int scenario)
{
    if (scenario == Idle)
        return;
    openContainers();
    startUpdate(scenario == PartUpload ? page()->partsModel() : page()->deviceModel());
}

// An error answer names the operation it refuses; it is kept to the firmware operations.
QByteArray aimed(QByteArray message)
{
    const quint8 operation = quint8(message.at(0));
    if (operation == HeaderAnswer &&
        qFromLittleEndian<quint16>(message.constData() + IdentifierAt) == BoardHeaderId)
        return Fuzz::message(operation, HeldFirmwareId, message.mid(PayloadAt));
    if (operation == ErrorAnswer && message.size() > ErrorOperationAt) {
        const quint8 choice = quint8(message.at(ErrorOperationAt));
        message[ErrorOperationAt] =
            char(FirmwareOperations[choice % std::size(FirmwareOperations)]);
    }
    return message;
}

// Whatever the answers left running is stopped, so the next input starts from an idle page.
void finish()
{
    OnlineUpdateWidget *updatePage = page();
    if (!updatePage->findChild<QPushButton *>(QStringLiteral("pbStop"))->isHidden())
        updatePage->onStopClicked();
    updatePage->onDeselectAll();
    updatePage->resetUpdateControls();
    Fuzz::Program::instance().settle();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    if (size < 1)
        return 0;
    // The core's header sets the version the answer layouts follow; the next input starts
    // from the connected one.
    DeviceInfo &info = program.overmind()->deviceInfo();
    const int connected = info.version();
    prepare(data[0] % ScenarioCount);
    const QVector<quint8> &operations = Fuzz::operationsOf(QStringLiteral("update_answers"));
    for (const QByteArray &answer : Fuzz::answers(data + 1, size - 1, operations))
        program.feed(aimed(answer));
    finish();
    info.setVersion(connected);
    return 0;
}
