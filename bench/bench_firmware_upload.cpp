// The communicator's core image uploaded from the update page through the real transport to
// the simulated communicator, the link paced at one report per millisecond. Prints the upload
// time against the link floor and the longest pause of the GUI thread during the upload.
#include "app/FileChooser.h"
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Ui_MainWindow.h"
#include "sim/DmiaWriter.h"
#include "sim/SimBus.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"
#include "sim/SimFirmware.h"
#include "sim/SimulatedSetup.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"
#include "update/OnlineUpdateWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cstdio>

namespace {
constexpr int ImageSize = 1024 * 1024;

QString writeCoreContainer(const QString &folder)
{
    DmiaWriter core;
    core.deviceType = SimFirmware::CoreType;
    core.hardwareVersion = SimFirmware::Hardware;
    core.firmwareVersion = 0x0105;
    core.wideAddresses = true;
    core.blocks = DmiaWriter::image(0x08000000, ImageSize, 64, 1);
    return DmiaWriter::write(folder + QStringLiteral("/core.dmia"), {core.container()});
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Logger::registerMetaType();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ModalRecorder boxes;
    Intervals::keepAliveMs = 600000;
    RadioSession session;
    SimulatedSetup &sim = session.sim;
    if (!session.logInAndLoad()) {
        std::puts("error: no login");
        return 1;
    }
    OnlineUpdateWidget *page = session.window()->form()->onlineUpdateWidget;
    if (!QTest::qWaitFor([&] { return page->partsModel()->rowCount() >= 6; }, 60000)) {
        std::puts("error: no firmware readout");
        return 1;
    }
    const QString file = writeCoreContainer(folder.path());
    FileChooser::setHandler([file](const FileChooser::Request &) { return QStringList{file}; });
    page->findChild<QPushButton *>("pbOpen")->click();
    FileChooser::clearHandler();
    page->partsModel()->item(0, 0)->setCheckState(Qt::Checked);

    sim.bus().setReportInterval(std::chrono::milliseconds(1));
    // The upload runs from the erase answer to the device's receipt of the whole message.
    std::atomic<qint64> startNs{-1};
    std::atomic<qint64> endNs{-1};
    std::atomic<int> reportsAtStart{0};
    QElapsedTimer clock;
    clock.start();
    QObject::connect(
        &sim.communicator(), &SimCommunicator::commandReceived, &app,
        [&](const QByteArray &command) {
            const quint8 operation = quint8(command.at(0));
            if (operation == 0xC2) {
                reportsAtStart = sim.device().hostReports().size();
                startNs = clock.nsecsElapsed();
            } else if (operation == 0xBF) {
                endNs = clock.nsecsElapsed();
            }
        },
        Qt::DirectConnection);

    QElapsedTimer gap;
    qint64 longestPause = 0;
    int longPauses = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (startNs < 0 || endNs >= 0)
            return;
        if (gap.isValid()) {
            const qint64 pause = gap.restart();
            longPauses += pause > 16;
            longestPause = qMax(longestPause, pause);
        } else {
            gap.start();
        }
    });
    ticker.start();
    page->findChild<QPushButton *>("pbUpdate")->click();
    if (!QTest::qWaitFor([&] { return endNs >= 0; }, 1200000)) {
        std::puts("error: the upload did not finish");
        return 1;
    }
    ticker.stop();
    const int reports = sim.device().hostReports().size() - reportsAtStart;
    const double elapsedMs = double(endNs - startNs) / 1e6;
    std::printf("image bytes: %d\n", ImageSize);
    std::printf("upload reports: %d\n", reports);
    std::printf("upload ms: %.0f\n", elapsedMs);
    std::printf("floor ratio: %.3f\n", reports > 0 ? elapsedMs / reports : 0.0);
    std::printf("longest GUI pause ms: %lld\n", static_cast<long long>(longestPause));
    std::printf("pauses over 16 ms: %d\n", longPauses);
    return 0;
}
