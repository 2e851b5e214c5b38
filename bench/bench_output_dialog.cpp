// The local output dialog opened from the partition page of a viewed file with 100 radio
// devices (the device limit) and an output in temperature control: the longest stall of
// the event loop from the double click until the window has shown and settled.
#include "LongestPause.h"
#include "ViewedFile.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "pages/radio/OutSettingsWidget.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "radio/LocalOut.h"
#include "radio/PartitionModel.h"
#include "sim/SimOutputs.h"
#include "sim/SimRadioConfiguration.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using Bench::longestPause;

namespace {
constexpr int DeviceCount = 100;
// Temperature and climate devices among the rest, so the feedback list has choices.
const int types[] = {2, 3, 4, 10, 5, 6, 7, 31, 11, 13, 16, 18, 10, 22, 26, 27, 29, 32, 34, 53};

QJsonObject radioSections()
{
    PartitionModel model(nullptr);
    for (int i = 0; i < SimRadioConfiguration::PartitionCount; ++i) {
        model.setPartitionStatus(quint16(i), SimRadioConfiguration::partitionStatus(i));
        model.setPartitionData(quint16(i), SimRadioConfiguration::partitionBlock(i));
    }
    for (int id = 0; id < DeviceCount; ++id) {
        const int type = id == SimOutputs::ClimateFeedbackId
                             ? 10
                             : types[id % int(sizeof(types) / sizeof(types[0]))];
        const SimRadioConfiguration::Device device{id, type, 1 + id % 4, 2,
                                                   QStringLiteral("Датчик %1").arg(id + 1)};
        model.setFullSensorData(quint16(id), SimRadioConfiguration::sensorReport(device));
    }
    for (int index = 0; index < 2; ++index) {
        model.setOutData(quint16(index), SimRadioConfiguration::outputBlock(index));
        model.setOutStatus(quint16(index), SimRadioConfiguration::outputStatus(index));
    }
    return model.toJson().toObject();
}

// The page listing local output 1 and the output's row on it.
QModelIndex temperatureOutputRow(MainWindow *window, PartitionWidget *&page)
{
    for (QWidget *widget : window->partitionPages()) {
        auto *candidate = qobject_cast<PartitionWidget *>(widget);
        if (!candidate || !candidate->sensorModel())
            continue;
        SensorItemModel *model = candidate->sensorModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            auto *output = qobject_cast<LocalOut *>(model->sensorAt(row).get());
            if (output && output->index() == 1) {
                page = candidate;
                return model->index(row, 0);
            }
        }
    }
    return {};
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

    startUp.overmind()->deviceInfo().initForExecution(0, 3, 0, 0x0104);
    const QString path = Bench::writeViewedFile(folder, radioSections());
    startUp.overmind()->viewConfigFile({path});
    MainWindow *window = startUp.window();
    window->form()->twMain->setCurrentWidget(window->form()->tabPartitions);
    app.processEvents();

    PartitionWidget *page = nullptr;
    const QModelIndex row = temperatureOutputRow(window, page);
    if (!page) {
        std::puts("error: no local output listed");
        return 1;
    }
    if (page->button())
        page->button()->setChecked(true);
    // Settle what viewing the file started before measuring.
    longestPause(
        app, [] {}, 1000);

    const double openPause = longestPause(app, [page, row] { page->openSensorSettings(row); });
    OutSettingsWidget *dialog = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *shown = qobject_cast<OutSettingsWidget *>(widget); shown && shown->isVisible())
            dialog = shown;
    QWidget *temperature =
        dialog ? dialog->findChild<QWidget *>(QStringLiteral("TemperatureMode")) : nullptr;

    QTextStream out(stdout);
    out << "devices in file: " << DeviceCount << "\n";
    out << "output dialog shown: " << (dialog ? 1 : 0) << "\n";
    out << "temperature block shown: " << (temperature && temperature->isVisible() ? 1 : 0) << "\n";
    out << "output dialog open longest GUI pause ms: " << openPause << "\n";
    return dialog ? 0 : 1;
}
