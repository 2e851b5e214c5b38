#pragma once

#include "app/StartUp.h"
#include "sim/SimulatedSetup.h"
#include "support/FirmwareHeaderWatch.h"

#include <QByteArray>
#include <QList>
#include <QPoint>

#include <memory>

class MainWindow;
class Overmind;
class PartitionWidget;
class QModelIndex;
class QWidget;
class SensorListView;
class SensorPropertiesWidget;
class SimCommunicator;
class Ui_MainWindow;

// The program logged in to the simulated communicator, with the ways to a radio device's
// card and to what the device received. Every end-to-end test logs in through here.
class RadioSession
{
public:
    // With the realistic radio configuration of every device family, or the plain one.
    explicit RadioSession(bool realisticRadio = false);
    ~RadioSession();

    Overmind *overmind() { return startUp.overmind(); }
    MainWindow *window() { return startUp.window(); }
    Ui_MainWindow *ui();
    SimCommunicator &device() { return sim.communicator(); }

    // Logs in with the device's credentials and waits until the device is ready;
    // logInAndLoad also waits for the settings and the firmware parts' readout that follows
    // them. Questions the login raises are answered with the boxes' defaults where the test
    // answers none itself.
    bool logIn();
    bool logInAndLoad();
    // The steps of a login for tests of the login itself.
    bool waitForLoginDialog();
    void enterCredentials(const QString &login, const QString &password);

    // Every command sent so far has reached the simulated device.
    bool settle();
    // Clicks the main window's tab that holds the page.
    void clickTab(QWidget *page);

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

    // A long list may hide the card: scrolled into view, its centre on the viewport.
    static QPoint cardCentre(SensorListView *cards, const QModelIndex &index);
    // Clicks the card and double-clicks it, as the user opens a device's window.
    static void openCard(SensorListView *cards, const QModelIndex &index);

    SimulatedSetup sim;
    StartUp startUp;

    // The firmware headers the program asked for, and whether all have come back.
    const FirmwareHeaderWatch &headers() const { return *m_headers; }

private:
    // A readout of the firmware parts begun since `readoutsBefore`, and all its answers in.
    bool partsReadOut(int readoutsBefore);

    std::unique_ptr<FirmwareHeaderWatch> m_headers;
};
