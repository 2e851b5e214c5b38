#include "support/RadioSession.h"

#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimRadioConfiguration.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int Timeout = 60000;
constexpr int LoginTimeout = 120000;
} // namespace

RadioSession::RadioSession(bool realisticRadio)
{
    if (realisticRadio)
        SimRadioConfiguration::install(sim.communicator());
    startUp.begin({});
}

bool RadioSession::logIn()
{
    window()->show();
    if (!QTest::qWaitFor(
            [this] { return overmind()->loginWidget() && overmind()->loginWidget()->isVisible(); },
            Timeout))
        return false;
    LoginWidget *dialog = overmind()->loginWidget();
    dialog->findChild<QLineEdit *>("leLogin")->setText(SimulatedSetup::Login);
    dialog->findChild<QLineEdit *>("lePassword")->setText(SimulatedSetup::Password);
    QSignalSpy ready(overmind(), &Overmind::ready);
    QTest::mouseClick(dialog->findChild<QPushButton *>("pbLogin"), Qt::LeftButton);
    return QTest::qWaitFor([&ready] { return ready.count() > 0; }, LoginTimeout);
}

bool RadioSession::logInAndLoad()
{
    return logIn() && QTest::qWaitFor([this] { return overmind()->isSettingsLoaded(); }, Timeout);
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
        cards->scrollTo(index); // a long partition list may hide the card
        QTest::mouseClick(cards->viewport(), Qt::LeftButton, {}, cards->visualRect(index).center());
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
