#include "journal/PowerStatusWidgetIsp1.h"

#include <QGridLayout>
#include <QGroupBox>

PowerStatusWidgetIsp1::PowerStatusWidgetIsp1(QWidget *parent) : PowerStatusPanel(parent)
{
    build();
    setReadings(
        {{"lblBatteryChargeLevel", 0, 0, Shown::WholePercent},
         {"lblBatteryCurrent", 0, 36, Shown::Number, tr("%1 mA"), 1000.0},
         {"lblBatteryUnbalance", 0, 4, Shown::PositiveNumber, QStringLiteral("%1%"), 1.0, 1},
         {"lblBatteryVoltage", 0, 40, Shown::Number, tr("%1 V"), 1.0, 2},
         {"lblBatteryInternalResistance", 0, 8, Shown::Number, tr("%1 mOhm"), 1000.0},
         {"lblBatteryStatus", 0, 76, Shown::Event},
         {"lblExternalBatteryStatus", 1, 82, Shown::Event},
         {"lblExternalBatteryVoltage", 1, 52, Shown::Number, tr("%1 V"), 1.0, 2},
         {"lblExternalPowerStatus", 2, 84, Shown::Event},
         {"lblExternalPowerVoltage", 2, 48, Shown::Number, tr("%1 V"), 1.0, 2}},
        tr("Invalid"));
    setViewingTexts({QStringLiteral("lblTimeSync")});
}

void PowerStatusWidgetIsp1::build()
{
    setObjectName(QStringLiteral("PowerStatusWidgetIsp1"));
    resize(500, 198);
    setWindowTitle(tr("Power status"));
    auto *outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto [battery, bg] = addGroup(this, tr("Battery"), "gbBattery");
    outer->addWidget(battery, 0, 0, 3, 1);
    addPair(battery, bg, 0, 0, tr("Status:"), "lblBatteryStatus",
            QStringLiteral("--------------------"));
    addPair(battery, bg, 1, 0, tr("Level:"), "lblBatteryChargeLevel", QStringLiteral("0%"));
    addPair(battery, bg, 2, 0, tr("Unbalance:"), "lblBatteryUnbalance", QStringLiteral("0%"));
    addPair(battery, bg, 3, 0, tr("Resistance:"), "lblBatteryInternalResistance", tr("0 Ohm"));
    addPair(battery, bg, 4, 0, tr("Current:"), "lblBatteryCurrent", tr("0 A"));
    addPair(battery, bg, 5, 0, tr("Voltage:"), "lblBatteryVoltage", tr("0 V"));
    auto [external, eg] = addGroup(this, tr("External Battery"), "groupBox");
    outer->addWidget(external, 0, 1, 1, 1);
    addPair(external, eg, 0, 0, tr("Status:"), "lblExternalBatteryStatus",
            QStringLiteral("----------"));
    addPair(external, eg, 1, 0, tr("Voltage:"), "lblExternalBatteryVoltage", tr("0 V"));
    auto [power, pg] = addGroup(this, tr("External Power"), "groupBox_2");
    outer->addWidget(power, 1, 1, 1, 1);
    addPair(power, pg, 0, 0, tr("Status:"), "lblExternalPowerStatus", QStringLiteral("----------"));
    addPair(power, pg, 1, 0, tr("Voltage:"), "lblExternalPowerVoltage", tr("0 V"));
    auto [other, og] = addGroup(this, tr("Other"), "groupBox_3");
    outer->addWidget(other, 2, 1, 1, 1);
    addMainSourceLine(other, og, tr("0 V"));
    addPair(other, og, 1, 0, tr("Temperature:"), "lblTemperature", tr("0 C"));
    addPair(other, og, 2, 0, tr("Time synchronized:"), "lblTimeSync", QStringLiteral("---"));
}
