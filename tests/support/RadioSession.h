#pragma once

#include "app/StartUp.h"
#include "sim/SimulatedSetup.h"

#include <QByteArray>
#include <QList>

class MainWindow;
class Overmind;
class PartitionWidget;
class SensorPropertiesWidget;
class SimCommunicator;

// The program logged in to the simulated communicator, with the ways to a radio device's
// card and to what the device received.
class RadioSession
{
public:
    // With the realistic radio configuration of every device family, or the plain one.
    explicit RadioSession(bool realisticRadio = false);

    Overmind *overmind() { return startUp.overmind(); }
    MainWindow *window() { return startUp.window(); }
    SimCommunicator &device() { return sim.communicator(); }

    // Logs in and waits until the device is ready; logInAndLoad also waits for the settings.
    bool logIn();
    bool logInAndLoad();
    // The page of partition `index`, or of all devices for -1.
    PartitionWidget *page(int index);
    // That page shown on the Devices tab, its cards laid out.
    PartitionWidget *showPage(int index);
    // Opens the partition's page and clicks the device's card.
    PartitionWidget *clickDevice(int partition, quint16 id);
    // As clickDevice, then waits until the property view shows the device.
    SensorPropertiesWidget *pickDevice(int partition, quint16 id);
    // The payloads of the operation the device received for the id, oldest first.
    QList<QByteArray> payloadsOf(quint8 operation, quint16 id);

    SimulatedSetup sim;
    StartUp startUp;
};
