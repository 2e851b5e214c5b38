// The configurator with a simulated communicator plugged in instead of USB hardware:
// log in as "admin" / "vorte". For trying the program and for end-to-end tests.
#include "app/Logger.h"
#include "app/StartUp.h"
#include "sim/SimDirections.h"
#include "sim/SimJournal.h"
#include "sim/SimKeys.h"
#include "sim/SimPanelDevices.h"
#include "sim/SimPartitions.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimulatedSetup.h"

#include <QApplication>
#include <QDebug>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    Logger::registerMetaType();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    SimulatedSetup simulator;
    SimRadioConfiguration::install(simulator.communicator());
    SimPartitions::installShowcase(simulator.communicator());
    // Firmware files that fit the simulated device, for trying an update.
    QTemporaryDir firmwareFolder;
    if (firmwareFolder.isValid()) {
        SimFirmware::writeFittingContainers(firmwareFolder.path());
        qInfo().noquote() << "Simulated firmware files:" << firmwareFolder.path();
    }
    // Delivery lamps that live while the program runs.
    SimDirections::of(simulator.communicator())->startDelivery(1500);
    SimPanelDevices::startClimateDrift(simulator.communicator(), 5000, &app);
    // A key touched to the reader a few seconds after "Add via reader".
    SimKeys::of(simulator.communicator())->setPresentAfter(4000);
    // Realtime values, supply and device status, as the device sends them on its own.
    SimJournal::of(simulator.communicator())->startDiagnostics(2000);
    StartUp startUp;
    if (!startUp.begin(QCoreApplication::arguments().mid(1)))
        return 1;
    return startUp.run();
}
