#include "support/RadioSession.h"

#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimRadioConfiguration.h"
#include "support/ModalRecorder.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {
constexpr int Timeout = 60000;
constexpr int LoginTimeout = 120000;
// The update page reads the firmware parts once the settings are in, one part after the
// other from the core on.
constexpr quint16 FirstPart = 15;
} // namespace

RadioSession::RadioSession(bool realisticRadio)
{
    if (realisticRadio)
        SimRadioConfiguration::install(sim.communicator());
    startUp.begin({});
    m_headers = std::make_unique<FirmwareHeaderWatch>(
        overmind()->protocol(), overmind()->hidInterface(), sim.communicator());
}

RadioSession::~RadioSession() = default;

Ui_MainWindow *RadioSession::ui()
{
    return window()->form();
}

bool RadioSession::logIn()
{
    window()->show();
    // A question nobody answered would hold the login up until the test timed out.
    std::unique_ptr<ModalRecorder> defaults;
    if (!ModalAnswerer::isActive())
        defaults = std::make_unique<ModalRecorder>();
    if (!waitForLoginDialog())
        return false;
    QSignalSpy ready(overmind(), &Overmind::ready);
    enterCredentials(SimulatedSetup::Login, SimulatedSetup::Password);
    if (QTest::qWaitFor([&ready] { return ready.count() > 0; }, LoginTimeout))
        return true;
    qWarning("the device was not ready after the login");
    return false;
}

bool RadioSession::logInAndLoad()
{
    const int readouts = m_headers->asked(FirstPart);
    return logIn() && QTest::qWaitFor(
                          [this, readouts] {
                              return overmind()->isSettingsLoaded() && partsReadOut(readouts);
                          },
                          Timeout);
}

// The readout follows the settings and starts again when it is slow: over before the test
// sends anything, so that the test meets only the commands and rows of its own steps.
bool RadioSession::partsReadOut(int readoutsBefore)
{
    return m_headers->asked(FirstPart) > readoutsBefore && m_headers->settled();
}

bool RadioSession::waitForLoginDialog()
{
    if (QTest::qWaitFor(
            [this] { return overmind()->loginWidget() && overmind()->loginWidget()->isVisible(); },
            Timeout))
        return true;
    qWarning() << "no login dialog; devices found:"
               << overmind()->hidInterface()->deviceList().size()
               << "window title:" << window()->windowTitle();
    return false;
}

void RadioSession::enterCredentials(const QString &login, const QString &password)
{
    LoginWidget *dialog = overmind()->loginWidget();
    dialog->findChild<QLineEdit *>("leLogin")->setText(login);
    dialog->findChild<QLineEdit *>("lePassword")->setText(password);
    QTest::mouseClick(dialog->findChild<QPushButton *>("pbLogin"), Qt::LeftButton);
}

bool RadioSession::settle()
{
    const int before = device().commandsOf(_SendRequestExtendLogout).size();
    overmind()->protocol()->sendToDevice(_SendRequestExtendLogout, 0);
    return QTest::qWaitFor(
        [this, before] { return device().commandsOf(_SendRequestExtendLogout).size() > before; },
        Timeout);
}

void RadioSession::clickTab(QWidget *page)
{
    QTabBar *bar = ui()->twMain->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(ui()->twMain->indexOf(page)).center());
}

PartitionWidget *RadioSession::page(int index)
{
    return qobject_cast<PartitionWidget *>(window()->partitionPages().value(index + 1));
}

PartitionWidget *RadioSession::showPage(int index)
{
    window()->form()->twMain->setCurrentWidget(window()->form()->tabPartitions);
    // Through the all-devices button, which alone hides the page shown at first.
    if (PartitionWidget *all = page(-1))
        all->button()->setChecked(true);
    PartitionWidget *shown = page(index);
    if (shown && shown->button())
        shown->button()->setChecked(true);
    QCoreApplication::processEvents();
    // The view lays its cards out again a moment after a resize; now, for the pictures.
    if (shown)
        shown->sensorView()->doItemsLayout();
    return shown;
}

PartitionWidget *RadioSession::clickDevice(int partition, quint16 id)
{
    window()->form()->twMain->setCurrentWidget(window()->form()->tabPartitions);
    for (QWidget *widget : window()->partitionPages()) {
        auto *page = qobject_cast<PartitionWidget *>(widget);
        if (!page || !page->partition() || page->partition()->index() != partition)
            continue;
        if (page->button())
            QTest::mouseClick(page->button(), Qt::LeftButton);
        if (!QTest::qWaitFor([page] { return page->isVisible(); }, Timeout))
            return nullptr;
        const Sensor::SPtr device = overmind()->partitionModel()->sensor(id);
        const QModelIndex index = page->sensorModel()->indexOf(device.get());
        SensorListView *cards = page->sensorView();
        QTest::mouseClick(cards->viewport(), Qt::LeftButton, {}, cardCentre(cards, index));
        return page;
    }
    return nullptr;
}

SensorPropertiesWidget *RadioSession::pickDevice(int partition, quint16 id)
{
    PartitionWidget *page = clickDevice(partition, id);
    if (!page)
        return nullptr;
    const Sensor::SPtr device = overmind()->partitionModel()->sensor(id);
    SensorPropertiesWidget *view = page->propertiesView();
    if (!QTest::qWaitFor([view, device] { return view->sensor() == device; }, Timeout))
        return nullptr;
    return view;
}

QList<QByteArray> RadioSession::payloadsOf(quint8 operation, quint16 id)
{
    QList<QByteArray> found;
    for (const QByteArray &command : device().commandsOf(operation))
        if (command.size() >= 3 &&
            quint16(quint8(command.at(1)) | quint8(command.at(2)) << 8) == id)
            found << command.mid(3);
    return found;
}

QPoint RadioSession::cardCentre(SensorListView *cards, const QModelIndex &index)
{
    cards->scrollTo(index);
    return cards->visualRect(index).center();
}

void RadioSession::openCard(SensorListView *cards, const QModelIndex &index)
{
    const QPoint centre = cardCentre(cards, index);
    QTest::mouseClick(cards->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(cards->viewport(), Qt::LeftButton, {}, centre);
}
