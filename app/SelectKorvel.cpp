#include "app/SelectKorvel.h"

#include "app/MainWindow.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {
HIDInterface *transport()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->hidInterface() : nullptr;
}
} // namespace

SelectKorvel::SelectKorvel(QWidget *parent) : QDialog(parent)
{
    setupUi();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    connect(m_connect, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SelectKorvel::setupUi()
{
    setObjectName(QStringLiteral("SelectKorvel"));
    resize(400, 240);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    grid->addWidget(m_label, 0, 0, 1, 3);
    m_devices = new QWidget(this);
    m_devices->setObjectName(QStringLiteral("wDevices"));
    m_deviceLayout = new QVBoxLayout(m_devices);
    m_deviceLayout->setSpacing(0);
    m_deviceLayout->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_devices, 1, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->addItem(new QSpacerItem(67, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 2, 0, 1,
                  1);
    m_connect = new QPushButton(this);
    m_connect->setObjectName(QStringLiteral("pbConnect"));
    m_connect->setMinimumSize(150, 30);
    m_connect->setIcon(QIcon(QStringLiteral(":/images/confirm.png")));
    grid->addWidget(m_connect, 2, 1, 1, 1);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("pbCancel"));
    m_cancel->setMinimumSize(150, 30);
    grid->addWidget(m_cancel, 2, 2, 1, 1);
    retranslateUi();
}

void SelectKorvel::retranslateUi()
{
    setWindowTitle(tr("Multiple devices detected"));
    m_label->setText(tr("Select device:"));
    m_connect->setText(tr("Connect"));
    m_cancel->setText(tr("Cancel"));
}

void SelectKorvel::addDevice(const connect_info &device)
{
    auto *button = new QRadioButton(m_devices);
    button->setText(tr("%1, serial = %2").arg(device.product, device.serial));
    m_deviceLayout->addWidget(button);
    const QList<QRadioButton *> buttons = m_devices->findChildren<QRadioButton *>();
    if (!buttons.isEmpty())
        buttons.first()->setChecked(true);
}

void SelectKorvel::clearDevices()
{
    const QList<QRadioButton *> buttons = m_devices->findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons) {
        m_deviceLayout->removeWidget(button);
        delete button;
    }
    QCoreApplication::processEvents();
}

void SelectKorvel::setDevices(const QList<connect_info> &devices)
{
    clearDevices();
    for (const connect_info &device : devices)
        addDevice(device);
}

void SelectKorvel::showDevices(const QList<connect_info> &devices)
{
    setDevices(devices);
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow())
        connect(overmind->mainWindow(), &MainWindow::sizeChange, this, &SelectKorvel::centre,
                Qt::UniqueConnection);
    centre();
    if (HIDInterface *hid = transport()) {
        connect(hid, &HIDInterface::findAnyDevices, this, &SelectKorvel::onDevicesFound,
                Qt::UniqueConnection);
        connect(hid, &HIDInterface::lostDeviceConnect, this, &SelectKorvel::onDeviceLost,
                Qt::UniqueConnection);
    }
}

QString SelectKorvel::selectedSerial() const
{
    const QList<QRadioButton *> buttons = m_devices->findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons)
        if (button->isChecked())
            return button->text().split(QStringLiteral(" = ")).last();
    return QString();
}

int SelectKorvel::exec()
{
    if (!ModalAnswerer::isActive())
        return QDialog::exec();
    const QList<QRadioButton *> buttons = m_devices->findChildren<QRadioButton *>();
    ModalAnswerer::Request request;
    request.kind = QStringLiteral("dialog");
    request.title = windowTitle();
    request.text = m_label->text();
    for (QRadioButton *button : buttons)
        request.buttons.append(button->text());
    const int answer = ModalAnswerer::answer(request);
    if (answer < 0 || answer >= buttons.size()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    buttons.at(answer)->setChecked(true);
    setResult(QDialog::Accepted);
    return QDialog::Accepted;
}

void SelectKorvel::centre()
{
    Overmind *overmind = Overmind::instance();
    QWidget *window = overmind ? overmind->mainWindow() : nullptr;
    if (!window)
        return;
    move(window->x() + window->width() / 2 - width() / 2,
         window->y() + window->height() / 2 - height() / 2);
}

void SelectKorvel::onDevicesFound()
{
    if (HIDInterface *hid = transport())
        setDevices(hid->deviceList());
}

void SelectKorvel::onDeviceLost(const QString &serial)
{
    Q_UNUSED(serial)
    HIDInterface *hid = transport();
    if (!hid || hid->deviceList().isEmpty())
        reject();
}
