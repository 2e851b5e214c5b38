#include "journal/PowerStatusWidgetIsp0.h"

#include "app/Overmind.h"
#include "journal/PowerPanelTexts.h"
#include "link/Protocol.h"
#include "pages/comms/EthernetSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpacerItem>
#include <QtEndian>

using namespace PowerPanelTexts;

PowerStatusWidgetIsp0::PowerStatusWidgetIsp0(QWidget *parent) : PowerStatusPanel(parent)
{
    build();
    setReadings({{"lblBatteryChargeLevel", 0, 0, Shown::WholePercent},
                 {"lblBatteryCurrent", 0, 8, Shown::Number, tr("%1 mA"), 1000.0},
                 {"lblBatteryVoltage", 0, 12, Shown::Number, tr("%1 V"), 1.0, 2},
                 {"lblPowerVoltage", 1, 16, Shown::Number, tr("%1 V"), 1.0, 2},
                 {"lblPowerStatus", 1, 38, Shown::Event},
                 {"lblBatteryInternalResistance", 0, 4, Shown::Number, tr("%1 mOhm"), 1000.0},
                 {"lblBatteryStatus", 0, 32, Shown::Event},
                 {"lblGridStatus", 2, 36, Shown::Event},
                 {"lblGridVoltage", 2, 20, Shown::Number, tr("%1 V"), 1.0, 2}},
                tr("Invalid"));
    setViewingTexts({QStringLiteral("lblSerialNumber")},
                    {QStringLiteral("lblTimeSync"), QStringLiteral("lblCloudServerStatus"),
                     QStringLiteral("lblEthernetConnectionStatus")},
                    tr("Unknown"));
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::loginSuccessful, this, [this] {
            Overmind *owner = Overmind::instance();
            if (owner && owner->protocol())
                connect(owner->protocol(), &Protocol::deviceStatus, this,
                        &PowerStatusWidgetIsp0::onDeviceStatus, Qt::UniqueConnection);
        });
        connect(overmind, &Overmind::updateDefaultMacAddress, this,
                &PowerStatusWidgetIsp0::setSerialNumber);
    }
}

void PowerStatusWidgetIsp0::build()
{
    setObjectName(QStringLiteral("PowerStatusWidgetIsp0"));
    resize(600, 320);
    setWindowTitle(tr("Power status"));
    auto *outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto [battery, bg] = addGroup(this, tr("Battery"), "gbBattery");
    outer->addWidget(battery, 0, 0, 2, 1);
    addPair(battery, bg, 0, 0, tr("Status:"), "lblBatteryStatus",
            QStringLiteral("--------------------"));
    addPair(battery, bg, 1, 0, tr("Level:"), "lblBatteryChargeLevel", QStringLiteral("0%"));
    addPair(battery, bg, 1, 2, tr("Current:"), "lblBatteryCurrent", tr("0 A"));
    addPair(battery, bg, 2, 0, tr("Resistance:"), "lblBatteryInternalResistance", tr("0 Ohm"));
    addPair(battery, bg, 2, 2, tr("Voltage:"), "lblBatteryVoltage", tr("0 V"));
    auto [grid, gg] = addGroup(this, tr("Grid"), "groupBox");
    outer->addWidget(grid, 0, 1, 1, 1);
    addPair(grid, gg, 0, 0, tr("Status:"), "lblGridStatus", QStringLiteral("----------"));
    addPair(grid, gg, 1, 0, tr("Voltage:"), "lblGridVoltage", tr("0 V"));
    auto [power, pg] = addGroup(this, tr("Power supply"), "groupBox_2");
    outer->addWidget(power, 1, 1, 1, 1);
    addPair(power, pg, 0, 0, tr("Status:"), "lblPowerStatus", QStringLiteral("----------"));
    addPair(power, pg, 1, 0, tr("Voltage:"), "lblPowerVoltage", tr("0 V"));
    auto [device, dg] = addGroup(this, tr("Device status"), "groupBox_4");
    outer->addWidget(device, 2, 0, 2, 2);
    addMainSourceLine(device, dg, tr("0 V"));
    addPair(device, dg, 1, 0, tr("Temperature:"), "lblTemperature", tr("0 C"));
    dg->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2);
    addPair(device, dg, 2, 0, tr("Case:"), "lblCaseValue", QString());
    addPair(device, dg, 3, 0, tr("Time synchronized:"), "lblTimeSync", QStringLiteral("---"));
    addPair(device, dg, 4, 0, tr("Cloud server:"), "lblCloudServerStatus", QStringLiteral("---"));
    addPair(device, dg, 5, 0, tr("Ethernet connection:"), "lblEthernetConnectionStatus",
            QStringLiteral("---"));
    addPair(device, dg, 6, 0, tr("Serial number:"), "lblSerialNumber", QStringLiteral("---"));
    label("lblSerialNumber")->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void PowerStatusWidgetIsp0::onDeviceStatus(const s_DeviceStatus &status)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        onConnected();
        return;
    }
    const quint8 flags = status.modeFlags;
    label("lblCaseValue")->setText(flags & 0x01 ? tr("Opened") : tr("Closed"));
    if (!overmind || !overmind->deviceSettings())
        return;
    label("lblTimeSync")
        ->setText(timeText(deviceDateTime(qFromLittleEndian<quint32>(status.head + 8),
                                          qFromLittleEndian<quint32>(status.head + 4))));
    label("lblEthernetConnectionStatus")
        ->setText(flags & 0x10 ? tr("Connected") : tr("Unconnected"));
    QString cloud = tr("Unconnected");
    if (flags & 0x20) {
        EthernetSettings *ethernet = overmind->ethernetSettings();
        cloud = ethernet && ethernet->remoteDev() ? tr("Connected")
                                                  : tr("Unconnected in the device settings");
    }
    label("lblCloudServerStatus")->setText(cloud);
}

void PowerStatusWidgetIsp0::setSerialNumber(int number)
{
    label("lblSerialNumber")->setText(QString::number(number));
}
