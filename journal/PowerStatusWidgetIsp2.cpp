#include "journal/PowerStatusWidgetIsp2.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

PowerStatusWidgetIsp2::PowerStatusWidgetIsp2(QWidget *parent) : PowerStatusPanel(parent)
{
    build();
    setReadings({{"lblBatteryChargeLevel", 0, 0, Shown::WholePercent},
                 {"lblBatteryUnbalance", 0, 4, Shown::WholePercent},
                 {"lblHighBatteryChargeLvl", 0, 20, Shown::Number, tr("%1 %")},
                 {"lblLowBatteryChargeLvl", 0, 32, Shown::Number, tr("%1 %")},
                 {"lblHighBatteryVoltage", 0, 12, Shown::Number, tr("%1 V"), 1.0, 2},
                 {"lblLowBatteryVoltage", 0, 24, Shown::Number, tr("%1 V"), 1.0, 2},
                 {"lblHighBatteryInternalResistance", 0, 16, Shown::Number, tr("%1 mOhm"), 1000.0},
                 {"lblLowBatteryInternalResistance", 0, 28, Shown::Number, tr("%1 mOhm"), 1000.0},
                 {"lblPowerVoltage", 1, 44, Shown::Number, tr("%1 V"), 1.0, 2},
                 {"lblPowerStatus", 1, 82, Shown::Event},
                 {"lblBatteryStatus", 0, 76, Shown::Event}},
                tr("Invalid"));
    setViewingTexts({QStringLiteral("lblTimeSync")});
}

void PowerStatusWidgetIsp2::build()
{
    setObjectName(QStringLiteral("PowerStatusWidgetIsp2"));
    resize(487, 222);
    setWindowTitle(tr("Power status"));
    auto *outer = new QGridLayout(this);
    auto [battery, bg] = addGroup(this, tr("Battery"), "gbBattery");
    outer->addWidget(battery, 0, 0, 2, 1);
    addPair(battery, bg, 0, 0, tr("Status:"), "lblBatteryStatus",
            QStringLiteral("--------------------"));
    addPair(battery, bg, 1, 0, tr("Level:"), "lblBatteryChargeLevel", QStringLiteral("0%"));
    addPair(battery, bg, 2, 0, tr("Unbalance:"), "lblBatteryUnbalance", tr("0 V"));
    auto [high, hg] = addGroup(battery, tr("Battery 1"), "groupBox");
    addPair(high, hg, 0, 0, tr("Resistance:"), "lblHighBatteryInternalResistance", tr("0 Ohm"));
    addPair(high, hg, 1, 0, tr("Charge level:"), "lblHighBatteryChargeLvl", QStringLiteral("0 %"));
    addPair(high, hg, 2, 0, tr("Voltage:"), "lblHighBatteryVoltage", tr("0 V"));
    auto [low, lg] = addGroup(battery, tr("Battery 2"), "groupBox_4");
    addPair(low, lg, 0, 0, tr("Resistance:"), "lblLowBatteryInternalResistance", tr("0 Ohm"));
    addPair(low, lg, 1, 0, tr("Charge level:"), "lblLowBatteryChargeLvl", QStringLiteral("0 %"));
    addPair(low, lg, 2, 0, tr("Voltage:"), "lblLowBatteryVoltage", tr("0 V"));
    auto *halves = new QHBoxLayout;
    halves->addWidget(high);
    halves->addWidget(low);
    bg->addLayout(halves, 3, 0, 1, 2);
    auto [power, pg] = addGroup(this, tr("Power supply"), "groupBox_2");
    outer->addWidget(power, 0, 1);
    addPair(power, pg, 0, 0, tr("Status:"), "lblPowerStatus", QStringLiteral("----------"));
    addPair(power, pg, 1, 0, tr("Voltage:"), "lblPowerVoltage", tr("0 V"));
    auto [other, og] = addGroup(this, tr("Other"), "groupBox_3");
    outer->addWidget(other, 1, 1);
    addMainSourceLine(other, og, tr("0 V"));
    addPair(other, og, 1, 0, tr("Temperature:"), "lblTemperature", tr("0 C"));
    addPair(other, og, 2, 0, tr("Time synchronized:"), "lblTimeSync", QStringLiteral("---"));
}
