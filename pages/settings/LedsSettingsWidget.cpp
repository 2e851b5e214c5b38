#include "pages/settings/LedsSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/comms/HintLabel.h"
#include "pages/radio/UnshownValues.h"
#include "pages/settings/LedsSettings.h"
#include "radio/PartitionModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LedsSettingsWidget::LedsSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setObjectName(QStringLiteral("LedsSettingsWidget"));
    setWindowTitle(QStringLiteral("GroupBox"));
    resize(500, 450);
    auto *layout = new QVBoxLayout(this);
    m_front = new QGroupBox(tr("Front panel LEDs"), this);
    m_front->setObjectName(QStringLiteral("gbFrontLEDs"));
    m_front->setCheckable(true);
    m_front->setMouseTracking(true);
    m_front->setProperty(
        "Hint", hintText(QStringLiteral("Включение световой индикации"),
                         QStringLiteral("Включает или выключает всю световую индикацию; в режиме "
                                        "энергосбережения индикации нет независимо от флага.")));
    auto *frontGrid = new QGridLayout(m_front);
    QStringList initial = {tr("Disable")};
    for (int part = 1; part <= 8; ++part)
        initial.append(QStringLiteral("Part%1").arg(part));
    initial << tr("Out1") << tr("Out2") << tr("Work");
    for (int led = 0; led < 4; ++led) {
        frontGrid->addWidget(new QLabel(tr("Led %1").arg(led + 1), m_front), led, 0);
        m_leds[led] = new QComboBox(m_front);
        m_leds[led]->setObjectName(QStringLiteral("cbLed%1Mode").arg(led + 1));
        m_leds[led]->addItems(initial);
        frontGrid->addWidget(m_leds[led], led, 1);
        frontGrid->addWidget(
            makeHintLabel(m_front, QStringLiteral("lblLed%1ModeHint").arg(led + 1),
                          hintText(QStringLiteral("Функция индикатора %1").arg(led + 1),
                                   QStringLiteral("Назначает функцию индикатора %1, по умолчанию "
                                                  "состояние раздела %1.")
                                       .arg(led + 1))),
            led, 2);
    }
    frontGrid->setColumnStretch(1, 1);
    layout->addWidget(m_front);

    auto *modes = new QGroupBox(tr("LED Mode"), this);
    modes->setObjectName(QStringLiteral("gbLEDMode"));
    modes->setMouseTracking(true);
    auto *modeGrid = new QGridLayout(modes);
    const QStringList modeItems = {tr("Auto"), tr("Global enable"), tr("Global disable")};
    struct ModeRow
    {
        QString caption;
        const char *combo;
        const char *hint;
        QString heading;
        QString body;
    };
    const ModeRow rows[] = {
        {tr("Alarm sensors led mode:"), "cbGlobalAlarmSensLedMode", "lblGlobalAlarmSensLedModeHint",
         QStringLiteral("Глобальная настройка индикации охранных датчиков"),
         QStringLiteral("Включает или выключает светодиодную индикацию всех охранных датчиков "
                        "сразу; постоянная индикация быстро разряжает их батареи.")},
        {tr("Fire sensors led mode:"), "cbGlobalFireSensLedMode", "lblGlobalFireSensLedModeHint",
         QStringLiteral("Глобальная настройка индикации пожарных датчиков"),
         QStringLiteral("То же для всех пожарных датчиков.")},
        {tr("Technology sensors led mode:"), "cbGlobalTechnologySensLedMode",
         "lblGlobalTechnologySensLedModeHint",
         QStringLiteral("Глобальная настройка индикации технологических датчиков"),
         QStringLiteral("То же для всех технологических датчиков.")},
    };
    QComboBox **targets[] = {&m_alarmMode, &m_fireMode, &m_technologyMode};
    for (int row = 0; row < 3; ++row) {
        modeGrid->addWidget(new QLabel(rows[row].caption, modes), row, 0);
        auto *combo = new QComboBox(modes);
        combo->setObjectName(QLatin1String(rows[row].combo));
        combo->addItems(modeItems);
        modeGrid->addWidget(combo, row, 1);
        modeGrid->addWidget(makeHintLabel(modes, QLatin1String(rows[row].hint),
                                          hintText(rows[row].heading, rows[row].body)),
                            row, 2);
        *targets[row] = combo;
    }
    modeGrid->setColumnStretch(1, 1);
    layout->addWidget(modes);

    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumWidth(200);
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumWidth(200);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    for (QPushButton *button : {m_save, m_reset})
        button->setAccessibleName(QStringLiteral("LEDsettingsBtn") + button->objectName().mid(2));
    for (QGroupBox *group : {m_front, modes})
        for (QComboBox *combo : group->findChildren<QComboBox *>())
            combo->setAccessibleName(QStringLiteral("LEDsettingsCombo") +
                                     combo->objectName().mid(2));
    setFocusWidget(m_front);

    connect(m_reset, &QPushButton::clicked, this, &LedsSettingsWidget::settingsReset);
    connect(m_save, &QPushButton::clicked, this, &LedsSettingsWidget::saveSettings);
    // Only the user's tick is checked against the rights: showing the record must not untick it.
    connect(m_front, &QGroupBox::clicked, this, &LedsSettingsWidget::onEnableChanged);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::ready, this, &LedsSettingsWidget::connected);
        connect(overmind, &Overmind::disconnected, this, &LedsSettingsWidget::disconnected);
    }
    setEnabled(false);
}

void LedsSettingsWidget::setSettings(LedsSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &LedsSettings::settingsUpdated, this,
                &LedsSettingsWidget::settingsUpdated);
}

LedsSettings *LedsSettingsWidget::settings() const
{
    return m_settings;
}

void LedsSettingsWidget::fillLedFunctions()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->partitionModel())
        return;
    QStringList items = {tr("Disable")};
    items += overmind->partitionModel()->partitionNames(true);
    // Execution 1 has no outputs and no work indicator to show.
    if (overmind->deviceInfo().execution() != 1)
        items << tr("Out1") << tr("Out2") << tr("Work");
    for (QComboBox *combo : m_leds) {
        combo->clear();
        combo->addItems(items);
    }
}

void LedsSettingsWidget::settingsUpdated()
{
    if (!m_settings)
        return;
    fillLedFunctions();
    logDebug(this, QStringLiteral("Setting updated"));
    Overmind *overmind = Overmind::instance();
    const int execution = overmind ? overmind->deviceInfo().execution() : 3;
    if (execution == 0)
        m_front->hide();
    m_front->setChecked(m_settings->ledsEnabled());
    for (int led = 0; led < 4; ++led)
        UnshownValues::showIndex(m_leds[led], m_settings->ledFunction(led + 1));
    UnshownValues::showIndex(m_alarmMode, m_settings->globalAlarmSensorsLedMode());
    UnshownValues::showIndex(m_fireMode, m_settings->globalFireSensorsLedMode());
    UnshownValues::showIndex(m_technologyMode, m_settings->globalTechnologySensorsLedMode());
}

void LedsSettingsWidget::onEnableChanged(bool on)
{
    Overmind *overmind = Overmind::instance();
    const bool allowed = on && overmind && overmind->canEdit();
    if (allowed != on)
        m_front->setChecked(allowed);
}

void LedsSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Saving settings"));
    m_settings->setLedsEnabled(m_front->isChecked());
    for (int led = 0; led < 4; ++led)
        m_settings->setLedFunction(led + 1, quint8(UnshownValues::pickedIndex(m_leds[led])));
    m_settings->setGlobalAlarmSensorsLedMode(quint8(UnshownValues::pickedIndex(m_alarmMode)));
    m_settings->setGlobalFireSensorsLedMode(quint8(UnshownValues::pickedIndex(m_fireMode)));
    m_settings->setGlobalTechnologySensorsLedMode(
        quint8(UnshownValues::pickedIndex(m_technologyMode)));
    m_settings->store();
}

bool LedsSettingsWidget::hasChanges()
{
    if (!m_settings)
        return false;
    bool changed = m_front->isChecked() != m_settings->ledsEnabled();
    for (int led = 0; led < 4; ++led)
        changed |= UnshownValues::pickedIndex(m_leds[led]) != m_settings->ledFunction(led + 1);
    changed |= UnshownValues::pickedIndex(m_alarmMode) != m_settings->globalAlarmSensorsLedMode();
    changed |= UnshownValues::pickedIndex(m_fireMode) != m_settings->globalFireSensorsLedMode();
    changed |= UnshownValues::pickedIndex(m_technologyMode) !=
               m_settings->globalTechnologySensorsLedMode();
    return changed;
}

void LedsSettingsWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(edit);
    m_front->setEnabled(edit);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
}

void LedsSettingsWidget::disconnected()
{
    setEnabled(false);
}

void LedsSettingsWidget::settingsReset()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_settings)
        m_settings->resetToDefaults();
}
