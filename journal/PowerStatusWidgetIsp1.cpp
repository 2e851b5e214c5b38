#include "journal/PowerStatusWidgetIsp1.h"

#include "app/EventNames.h"
#include "app/Overmind.h"
#include "journal/PowerPanelTexts.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerSupplyFields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace PowerPanelTexts;
using PowerSupplyFields::codeAt;
using PowerSupplyFields::floatAt;

PowerStatusWidgetIsp1::PowerStatusWidgetIsp1(QWidget *parent) : QWidget(parent)
{
    build();
    if (Overmind *overmind = Overmind::instance())
        connect(overmind, &Overmind::connected, this, &PowerStatusWidgetIsp1::onConnected);
}

void PowerStatusWidgetIsp1::build()
{
    setObjectName(QStringLiteral("PowerStatusWidgetIsp1"));
    resize(500, 198);
    setWindowTitle(tr("Power status"));
    auto *outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    const auto group = [this, outer](const QString &title, const char *name, int row, int column,
                                     int rows) {
        auto *box = new QGroupBox(title, this);
        box->setObjectName(QLatin1String(name));
        auto *grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        outer->addWidget(box, row, column, rows, 1);
        return std::make_pair(box, grid);
    };
    const auto pair = [this](QGroupBox *box, QGridLayout *grid, int row, const QString &caption,
                             const char *name, const QString &initial) {
        m_labels.insert(QLatin1String(name), addPair(box, grid, row, 0, caption, name, initial));
    };
    auto [battery, bg] = group(tr("Battery"), "gbBattery", 0, 0, 3);
    pair(battery, bg, 0, tr("Status:"), "lblBatteryStatus", QStringLiteral("--------------------"));
    pair(battery, bg, 1, tr("Level:"), "lblBatteryChargeLevel", QStringLiteral("0%"));
    pair(battery, bg, 2, tr("Unbalance:"), "lblBatteryUnbalance", QStringLiteral("0%"));
    pair(battery, bg, 3, tr("Resistance:"), "lblBatteryInternalResistance", tr("0 Ohm"));
    pair(battery, bg, 4, tr("Current:"), "lblBatteryCurrent", tr("0 A"));
    pair(battery, bg, 5, tr("Voltage:"), "lblBatteryVoltage", tr("0 V"));
    auto [external, eg] = group(tr("External Battery"), "groupBox", 0, 1, 1);
    pair(external, eg, 0, tr("Status:"), "lblExternalBatteryStatus", QStringLiteral("----------"));
    pair(external, eg, 1, tr("Voltage:"), "lblExternalBatteryVoltage", tr("0 V"));
    auto [power, pg] = group(tr("External Power"), "groupBox_2", 1, 1, 1);
    pair(power, pg, 0, tr("Status:"), "lblExternalPowerStatus", QStringLiteral("----------"));
    pair(power, pg, 1, tr("Voltage:"), "lblExternalPowerVoltage", tr("0 V"));
    auto [other, og] = group(tr("Other"), "groupBox_3", 2, 1, 1);
    QLabel *source = valueLabel(other, "lblMainPowerSource", tr("0 V"));
    m_labels.insert(QStringLiteral("lblMainPowerSource"), source);
    og->addWidget(source, 0, 0, 1, 2);
    pair(other, og, 1, tr("Temperature:"), "lblTemperature", tr("0 C"));
    pair(other, og, 2, tr("Time synchronized:"), "lblTimeSync", QStringLiteral("---"));
}

QLabel *PowerStatusWidgetIsp1::label(const char *name) const
{
    return m_labels.value(QLatin1String(name));
}

void PowerStatusWidgetIsp1::setPowerStatus(PowerStatusIsp1 *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatusIsp1::statusUpdated, this,
                &PowerStatusWidgetIsp1::statusUpdated);
}

PowerStatusIsp1 *PowerStatusWidgetIsp1::powerStatus() const
{
    return m_status;
}

void PowerStatusWidgetIsp1::statusUpdated()
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        onConnected();
        return;
    }
    if (!m_status)
        return;
    const quint8 *battery = m_status->battery().bytes;
    const quint8 *external = m_status->externalBattery().bytes;
    const quint8 *power = m_status->externalPower().bytes;
    float unbalance = floatAt(battery, 4);
    if (!(unbalance > 0.0f))
        unbalance = 0.0f;
    label("lblBatteryChargeLevel")
        ->setText(QStringLiteral("%1%").arg(wholePercent(floatAt(battery, 0))));
    label("lblBatteryCurrent")->setText(tr("%1 mA").arg(fixed(floatAt(battery, 36) * 1000.0, 0)));
    label("lblBatteryUnbalance")->setText(QStringLiteral("%1%").arg(fixed(unbalance, 1)));
    label("lblBatteryVoltage")->setText(tr("%1 V").arg(fixed(floatAt(battery, 40), 2)));
    label("lblBatteryInternalResistance")
        ->setText(tr("%1 mOhm").arg(fixed(floatAt(battery, 8) * 1000.0, 0)));
    label("lblBatteryStatus")->setText(powerEventName(codeAt(battery, 76)));
    label("lblExternalBatteryStatus")->setText(powerEventName(codeAt(external, 82)));
    label("lblExternalBatteryVoltage")->setText(tr("%1 V").arg(fixed(floatAt(external, 52), 2)));
    label("lblExternalPowerStatus")->setText(powerEventName(codeAt(power, 84)));
    label("lblExternalPowerVoltage")->setText(tr("%1 V").arg(fixed(floatAt(power, 48), 2)));
    label("lblMainPowerSource")
        ->setText(mainSourceLine(m_status->mainSourceText(), m_status->mainSourceVoltage()));
    label("lblTemperature")->setText(temperatureText(m_status->temperature(), tr("Invalid")));
    label("lblTimeSync")->setText(timeText(m_status->syncDateTime()));
}

void PowerStatusWidgetIsp1::onConnected()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        return;
    for (auto it = m_labels.cbegin(); it != m_labels.cend(); ++it)
        if (it.key() != QLatin1String("lblTimeSync"))
            it.value()->clear();
}
