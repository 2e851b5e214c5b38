#include "journal/PowerStatusWidgetIsp2.h"

#include "app/EventNames.h"
#include "app/Overmind.h"
#include "journal/PowerPanelTexts.h"
#include "journal/PowerStatusIsp2.h"
#include "journal/PowerSupplyFields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

using namespace PowerPanelTexts;
using PowerSupplyFields::codeAt;
using PowerSupplyFields::floatAt;

PowerStatusWidgetIsp2::PowerStatusWidgetIsp2(QWidget *parent) : QWidget(parent)
{
    build();
    if (Overmind *overmind = Overmind::instance())
        connect(overmind, &Overmind::connected, this, &PowerStatusWidgetIsp2::onConnected);
}

void PowerStatusWidgetIsp2::build()
{
    setObjectName(QStringLiteral("PowerStatusWidgetIsp2"));
    resize(487, 222);
    setWindowTitle(tr("Power status"));
    auto *outer = new QGridLayout(this);
    const auto box = [this](QWidget *parent, const QString &title, const char *name) {
        auto *group = new QGroupBox(title, parent);
        group->setObjectName(QLatin1String(name));
        auto *grid = new QGridLayout(group);
        grid->setVerticalSpacing(2);
        return std::make_pair(group, grid);
    };
    const auto pair = [this](QGroupBox *group, QGridLayout *grid, int row, const QString &caption,
                             const char *name, const QString &initial) {
        m_labels.insert(QLatin1String(name), addPair(group, grid, row, 0, caption, name, initial));
    };
    auto [battery, bg] = box(this, tr("Battery"), "gbBattery");
    outer->addWidget(battery, 0, 0, 2, 1);
    pair(battery, bg, 0, tr("Status:"), "lblBatteryStatus", QStringLiteral("--------------------"));
    pair(battery, bg, 1, tr("Level:"), "lblBatteryChargeLevel", QStringLiteral("0%"));
    pair(battery, bg, 2, tr("Unbalance:"), "lblBatteryUnbalance", tr("0 V"));
    auto [high, hg] = box(battery, tr("Battery 1"), "groupBox");
    pair(high, hg, 0, tr("Resistance:"), "lblHighBatteryInternalResistance", tr("0 Ohm"));
    pair(high, hg, 1, tr("Charge level:"), "lblHighBatteryChargeLvl", QStringLiteral("0 %"));
    pair(high, hg, 2, tr("Voltage:"), "lblHighBatteryVoltage", tr("0 V"));
    auto [low, lg] = box(battery, tr("Battery 2"), "groupBox_4");
    pair(low, lg, 0, tr("Resistance:"), "lblLowBatteryInternalResistance", tr("0 Ohm"));
    pair(low, lg, 1, tr("Charge level:"), "lblLowBatteryChargeLvl", QStringLiteral("0 %"));
    pair(low, lg, 2, tr("Voltage:"), "lblLowBatteryVoltage", tr("0 V"));
    auto *halves = new QHBoxLayout;
    halves->addWidget(high);
    halves->addWidget(low);
    bg->addLayout(halves, 3, 0, 1, 2);
    auto [power, pg] = box(this, tr("Power supply"), "groupBox_2");
    outer->addWidget(power, 0, 1);
    pair(power, pg, 0, tr("Status:"), "lblPowerStatus", QStringLiteral("----------"));
    pair(power, pg, 1, tr("Voltage:"), "lblPowerVoltage", tr("0 V"));
    auto [other, og] = box(this, tr("Other"), "groupBox_3");
    outer->addWidget(other, 1, 1);
    QLabel *source = valueLabel(other, "lblMainPowerSource", tr("0 V"));
    m_labels.insert(QStringLiteral("lblMainPowerSource"), source);
    og->addWidget(source, 0, 0, 1, 2);
    pair(other, og, 1, tr("Temperature:"), "lblTemperature", tr("0 C"));
    pair(other, og, 2, tr("Time synchronized:"), "lblTimeSync", QStringLiteral("---"));
}

QLabel *PowerStatusWidgetIsp2::label(const char *name) const
{
    return m_labels.value(QLatin1String(name));
}

void PowerStatusWidgetIsp2::setPowerStatus(PowerStatusIsp2 *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatusIsp2::statusUpdated, this,
                &PowerStatusWidgetIsp2::statusUpdated);
}

PowerStatusIsp2 *PowerStatusWidgetIsp2::powerStatus() const
{
    return m_status;
}

void PowerStatusWidgetIsp2::statusUpdated()
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
    label("lblBatteryChargeLevel")
        ->setText(QStringLiteral("%1%").arg(wholePercent(floatAt(battery, 0))));
    label("lblBatteryUnbalance")
        ->setText(QStringLiteral("%1%").arg(wholePercent(floatAt(battery, 4))));
    label("lblHighBatteryChargeLvl")->setText(tr("%1 %").arg(fixed(floatAt(battery, 20), 0)));
    label("lblLowBatteryChargeLvl")->setText(tr("%1 %").arg(fixed(floatAt(battery, 32), 0)));
    label("lblHighBatteryVoltage")->setText(tr("%1 V").arg(fixed(floatAt(battery, 12), 2)));
    label("lblLowBatteryVoltage")->setText(tr("%1 V").arg(fixed(floatAt(battery, 24), 2)));
    label("lblHighBatteryInternalResistance")
        ->setText(tr("%1 mOhm").arg(fixed(floatAt(battery, 16) * 1000.0, 0)));
    label("lblLowBatteryInternalResistance")
        ->setText(tr("%1 mOhm").arg(fixed(floatAt(battery, 28) * 1000.0, 0)));
    label("lblPowerVoltage")->setText(tr("%1 V").arg(fixed(floatAt(supply, 44), 2)));
    label("lblPowerStatus")->setText(powerEventName(codeAt(supply, 82)));
    label("lblBatteryStatus")->setText(powerEventName(codeAt(battery, 76)));
    label("lblMainPowerSource")
        ->setText(mainSourceLine(m_status->mainSourceText(), m_status->mainSourceVoltage()));
    label("lblTemperature")->setText(temperatureText(m_status->temperature(), tr("Invalid")));
    label("lblTimeSync")->setText(timeText(m_status->syncDateTime()));
}

void PowerStatusWidgetIsp2::onConnected()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        return;
    for (auto it = m_labels.cbegin(); it != m_labels.cend(); ++it)
        if (it.key() != QLatin1String("lblTimeSync"))
            it.value()->clear();
}
