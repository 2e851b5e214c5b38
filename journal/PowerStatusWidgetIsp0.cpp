#include "journal/PowerStatusWidgetIsp0.h"

#include "app/EventNames.h"
#include "app/Overmind.h"
#include "journal/PowerPanelTexts.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerSupplyFields.h"
#include "link/Protocol.h"
#include "pages/comms/EthernetSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpacerItem>

using namespace PowerPanelTexts;
using PowerSupplyFields::codeAt;
using PowerSupplyFields::floatAt;

PowerStatusWidgetIsp0::PowerStatusWidgetIsp0(QWidget *parent) : QWidget(parent)
{
    build();
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::connected, this, &PowerStatusWidgetIsp0::onConnected);
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
    const auto group = [this, outer](const QString &title, const char *name, int row, int column,
                                     int rows, int columns) {
        auto *box = new QGroupBox(title, this);
        box->setObjectName(QLatin1String(name));
        auto *grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        outer->addWidget(box, row, column, rows, columns);
        return std::make_pair(box, grid);
    };
    const auto pair = [this](QGroupBox *box, QGridLayout *grid, int row, int column,
                             const QString &caption, const char *name, const QString &initial) {
        m_labels.insert(QLatin1String(name),
                        addPair(box, grid, row, column, caption, name, initial));
    };
    auto [battery, bg] = group(tr("Battery"), "gbBattery", 0, 0, 2, 1);
    pair(battery, bg, 0, 0, tr("Status:"), "lblBatteryStatus",
         QStringLiteral("--------------------"));
    pair(battery, bg, 1, 0, tr("Level:"), "lblBatteryChargeLevel", QStringLiteral("0%"));
    pair(battery, bg, 1, 2, tr("Current:"), "lblBatteryCurrent", tr("0 A"));
    pair(battery, bg, 2, 0, tr("Resistance:"), "lblBatteryInternalResistance", tr("0 Ohm"));
    pair(battery, bg, 2, 2, tr("Voltage:"), "lblBatteryVoltage", tr("0 V"));
    auto [grid, gg] = group(tr("Grid"), "groupBox", 0, 1, 1, 1);
    pair(grid, gg, 0, 0, tr("Status:"), "lblGridStatus", QStringLiteral("----------"));
    pair(grid, gg, 1, 0, tr("Voltage:"), "lblGridVoltage", tr("0 V"));
    auto [power, pg] = group(tr("Power supply"), "groupBox_2", 1, 1, 1, 1);
    pair(power, pg, 0, 0, tr("Status:"), "lblPowerStatus", QStringLiteral("----------"));
    pair(power, pg, 1, 0, tr("Voltage:"), "lblPowerVoltage", tr("0 V"));
    auto [device, dg] = group(tr("Device status"), "groupBox_4", 2, 0, 2, 2);
    QLabel *source = valueLabel(device, "lblMainPowerSource", tr("0 V"));
    m_labels.insert(QStringLiteral("lblMainPowerSource"), source);
    dg->addWidget(source, 0, 0, 1, 2);
    pair(device, dg, 1, 0, tr("Temperature:"), "lblTemperature", tr("0 C"));
    dg->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2);
    pair(device, dg, 2, 0, tr("Case:"), "lblCaseValue", QString());
    pair(device, dg, 3, 0, tr("Time synchronized:"), "lblTimeSync", QStringLiteral("---"));
    pair(device, dg, 4, 0, tr("Cloud server:"), "lblCloudServerStatus", QStringLiteral("---"));
    pair(device, dg, 5, 0, tr("Ethernet connection:"), "lblEthernetConnectionStatus",
         QStringLiteral("---"));
    pair(device, dg, 6, 0, tr("Serial number:"), "lblSerialNumber", QStringLiteral("---"));
    label("lblSerialNumber")->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

QLabel *PowerStatusWidgetIsp0::label(const char *name) const
{
    return m_labels.value(QLatin1String(name));
}

void PowerStatusWidgetIsp0::setPowerStatus(PowerStatusIsp0 *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatusIsp0::statusUpdated, this,
                &PowerStatusWidgetIsp0::statusUpdated);
}

PowerStatusIsp0 *PowerStatusWidgetIsp0::powerStatus() const
{
    return m_status;
}

void PowerStatusWidgetIsp0::statusUpdated()
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        onConnected();
        return;
    }
    if (!m_status)
        return;
    const quint8 *battery = m_status->battery().bytes;
    const quint8 *supply = m_status->supply().bytes;
    const quint8 *mains = m_status->mains().bytes;
    label("lblBatteryChargeLevel")
        ->setText(QStringLiteral("%1%").arg(wholePercent(floatAt(battery, 0))));
    label("lblBatteryCurrent")->setText(tr("%1 mA").arg(fixed(floatAt(battery, 8) * 1000.0, 0)));
    label("lblBatteryVoltage")->setText(tr("%1 V").arg(fixed(floatAt(battery, 12), 2)));
    label("lblPowerVoltage")->setText(tr("%1 V").arg(fixed(floatAt(supply, 16), 2)));
    label("lblPowerStatus")->setText(powerEventName(codeAt(supply, 38)));
    label("lblBatteryInternalResistance")
        ->setText(tr("%1 mOhm").arg(fixed(floatAt(battery, 4) * 1000.0, 0)));
    label("lblBatteryStatus")->setText(powerEventName(codeAt(battery, 32)));
    label("lblGridStatus")->setText(powerEventName(codeAt(mains, 36)));
    label("lblGridVoltage")->setText(tr("%1 V").arg(fixed(floatAt(mains, 20), 2)));
    label("lblMainPowerSource")
        ->setText(mainSourceLine(m_status->mainSourceText(), m_status->mainSourceVoltage()));
    label("lblTemperature")->setText(temperatureText(m_status->temperature(), tr("Invalid")));
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

void PowerStatusWidgetIsp0::onConnected()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        return;
    for (const char *name :
         {"lblBatteryChargeLevel", "lblBatteryCurrent", "lblBatteryVoltage", "lblPowerVoltage",
          "lblPowerStatus", "lblBatteryInternalResistance", "lblBatteryStatus", "lblGridStatus",
          "lblGridVoltage", "lblMainPowerSource", "lblTemperature", "lblCaseValue"})
        label(name)->clear();
    for (const char *name : {"lblTimeSync", "lblCloudServerStatus", "lblEthernetConnectionStatus"})
        label(name)->setText(tr("Unknown"));
}
