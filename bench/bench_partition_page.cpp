// The partition page with 100 radio devices (the device limit) in partition 1: the
// longest stall of the event loop while a format-2 file is viewed until partition 1's
// page shows, and while every partition's status arrives back to back with a device
// selected.
#include "LongestPause.h"
#include "ViewedFile.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "link/Protocol.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimRadioConfiguration.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstring>

using Bench::longestPause;

namespace {
constexpr int DeviceCount = 100;
const int types[] = {2, 3, 4, 5, 6, 7, 11, 13, 16, 18, 22, 26, 27, 29, 32, 34, 53, 55};

QJsonObject radioSections()
{
    // A model filled the way the device fills it, written out as a file would hold it.
    PartitionModel model(nullptr);
    for (int i = 0; i < SimRadioConfiguration::PartitionCount; ++i) {
        model.setPartitionStatus(quint16(i), SimRadioConfiguration::partitionStatus(i));
        model.setPartitionData(quint16(i), SimRadioConfiguration::partitionBlock(i));
    }
    for (int id = 0; id < DeviceCount; ++id) {
        const SimRadioConfiguration::Device device{
            id, types[id % int(sizeof(types) / sizeof(types[0]))], 1, 2,
            QStringLiteral("Датчик %1").arg(id + 1)};
        model.setFullSensorData(quint16(id), SimRadioConfiguration::sensorReport(device));
    }
    return model.toJson().toObject();
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    Logger::registerMetaType();
    ModalAnswerer::setHandler([](const ModalAnswerer::Request &) { return int(QMessageBox::Ok); });
    QTemporaryDir folder;
    StartUp startUp;
    startUp.begin({});
    startUp.window()->resize(1280, 800);
    startUp.window()->show();

    // The limits a viewed file brings, for the model that writes the file.
    startUp.overmind()->deviceInfo().initForExecution(0, 3, 0, 0x0104);
    const QString path = Bench::writeViewedFile(folder, radioSections());

    PartitionWidget *page = nullptr;
    const double buildPause = longestPause(app, [&startUp, path, &page] {
        startUp.overmind()->viewConfigFile({path});
        MainWindow *window = startUp.window();
        window->form()->twMain->setCurrentWidget(window->form()->tabPartitions);
        page = qobject_cast<PartitionWidget *>(window->partitionPages().value(2));
        if (page)
            page->button()->setChecked(true);
    });
    const int listed = page ? page->sensorModel()->rowCount() : 0;

    if (page && listed > 0)
        page->sensorView()->setCurrentIndex(page->sensorModel()->index(0, 0));
    app.processEvents();

    PartitionModel *model = startUp.overmind()->partitionModel();
    const double statusPause = longestPause(app, [model] {
        if (!model)
            return;
        for (int i = 0; i < model->partitionCount(); ++i) {
            s_PartitionStatus status = SimRadioConfiguration::partitionStatus(i);
            status.mainState = quint16(i % 2 ? 16 : 8);
            model->setPartitionStatus(quint16(i), status);
        }
    });

    QTextStream out(stdout);
    out << "devices on partition 1 page: " << listed << "\n";
    out << "page build longest GUI pause ms: " << buildPause << "\n";
    out << "status refresh longest GUI pause ms: " << statusPause << "\n";
    return 0;
}
