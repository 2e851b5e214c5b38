#include "pages/settings/DeviceSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/comms/HintLabel.h"
#include "pages/settings/DeviceSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeviceSettingsWidget::DeviceSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setObjectName(QStringLiteral("DeviceSettingsWidget"));
    setWindowTitle(QStringLiteral("GroupBox"));
    resize(550, 810);
    struct Row
    {
        const char *label;
        QString caption;
        const char *box;
        const char *hintName;
        QString hint;
    };
    const Row rows[] = {
        {"label", tr("Enable low power mode"), "cbLowPowerMode", "lblLowPowerModeHint",
         hintText(QStringLiteral("Режим низкого энергопотребления"),
                  QStringLiteral("Без сетевого питания прибор экономит энергию: нет звуковой и "
                                 "световой индикации, только регулярный обмен с радиоустройствами; "
                                 "брелоки и исполнительные устройства подключать нельзя."))},
        {"label_2", tr("Allow configuration with closed case"), "cbAllowConfigWithClosedCase",
         "lblAllowConfigWithClosedCaseHint",
         hintText(QStringLiteral("Разрешение настройки прибора с закрытым корпусом"),
                  QStringLiteral("Флаг разрешает удалённую настройку при закрытом корпусе "
                                 "прибора."))},
        {"label_3", tr("Send repeated alarms for same partition"), "cbRepeatAlarmForPartition",
         "lblRepeatAlarmForPartitionHint",
         hintText(QStringLiteral("Фиксировать повторные тревоги, если раздел уже был в тревоге "
                                 "по любому из датчиков этого раздела"),
                  QStringLiteral("Включено: любой датчик раздела в тревоге отправляет тревогу "
                                 "повторно. Выключено: новой тревоги нет до повторного взятия "
                                 "раздела."))},
        {"label_4", tr("Send repeated alarms for same sensor"), "cbRepeatAlarm",
         "lblRepeatAlarmHint",
         hintText(QStringLiteral("Фиксировать повторные тревоги, если раздел уже был в тревоге "
                                 "по этому датчику"),
                  QStringLiteral("То же для повторного срабатывания того же датчика."))},
        {"label_5", tr("Send repeated fire alarms for same partition"),
         "cbRepeatFireAlarmForPartition", "lblRepeatFireAlarmForPartitionHint",
         hintText(QStringLiteral("Включение дублирования события пожара, если раздел уже был в "
                                 "пожаре по любому из датчиков этого раздела и событие пожара не "
                                 "было сброшено"),
                  QStringLiteral("Включено: новое событие пожара от любого пожарного датчика "
                                 "раздела снова фиксируется и передаётся оповещателям, релейным "
                                 "модулям и выходам. Выключено: только после сброса пожара."))},
        {"label_6", tr("Send repeated fire alarms for same sensor"), "cbRepeatFireAlarm",
         "lblRepeatFireAlarmHint",
         hintText(QStringLiteral("Включение дублирования события пожара, если раздел уже был в "
                                 "пожаре по этому датчику и событие пожара не было сброшено"),
                  QStringLiteral("То же для того же пожарного датчика."))},
        {"label_7", tr("Send repeated event for every take on and take off"), "cbRepeatTakeEvents",
         "lblRepeatTakeEventsHint",
         hintText(QStringLiteral("Фиксировать повторные события взятие/снятие"),
                  QStringLiteral("Включено: каждое повторное взятие или снятие фиксируется "
                                 "независимо от прежнего состояния раздела."))},
        {"label_8", tr("Send repeated event for every take on and take off to outputs"),
         "cbRepeatTakeEventsForOutput", "lblRepeatTakeEventsForOutputHint",
         hintText(QStringLiteral("Управлять выходами при повторном взятии/снятии"),
                  QStringLiteral("Включено: каждое повторное взятие или снятие передаётся "
                                 "оповещателям, релейным модулям и выходам."))},
    };
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(18);
    layout->setContentsMargins(20, 20, 0, 0);
    auto *grid = new QGridLayout;
    int row = 0;
    for (const Row &entry : rows) {
        auto *label = new QLabel(entry.caption, this);
        label->setObjectName(QLatin1String(entry.label));
        auto *check = new QCheckBox(this);
        check->setObjectName(QLatin1String(entry.box));
        QLabel *hint = makeHintLabel(this, QLatin1String(entry.hintName), entry.hint);
        grid->addWidget(label, row, 0);
        grid->addWidget(check, row, 1);
        grid->addWidget(hint, row, 2);
        if (row == 0) {
            label->hide();
            check->hide();
            hint->hide();
        }
        if (row == 7)
            label->setMinimumWidth(400);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
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

    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children) {
        const QString name = child->objectName();
        if (name.startsWith(QLatin1String("cb")))
            child->setAccessibleName(QStringLiteral("deviceSettingsCheck") + name.mid(2));
        else if (name.startsWith(QLatin1String("lbl")))
            child->setAccessibleName(QStringLiteral("deviceSettings") + name.mid(3));
        else if (name.startsWith(QLatin1String("pb")))
            child->setAccessibleName(QStringLiteral("deviceSettingsBtn") + name.mid(2));
    }

    connect(m_reset, &QPushButton::clicked, this, &DeviceSettingsWidget::onResetSettings);
    connect(m_save, &QPushButton::clicked, this, &DeviceSettingsWidget::saveSettings);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::loginSuccessful, this, &DeviceSettingsWidget::connected);
        connect(overmind, &Overmind::disconnected, this, &DeviceSettingsWidget::disconnected);
    }
    // The narrower repetition is only offered on top of the wider one.
    const std::pair<const char *, const char *> governed[] = {
        {"cbRepeatAlarmForPartition", "cbRepeatAlarm"},
        {"cbRepeatFireAlarmForPartition", "cbRepeatFireAlarm"},
        {"cbRepeatTakeEvents", "cbRepeatTakeEventsForOutput"},
    };
    for (const auto &pair : governed) {
        QCheckBox *dependent = box(pair.second);
        connect(box(pair.first), &QCheckBox::toggled, this, [dependent](bool on) {
            dependent->setEnabled(on);
            dependent->setChecked(false);
        });
    }
    setEnabled(false);
    setFocusWidget(box("cbAllowConfigWithClosedCase"));
}

QCheckBox *DeviceSettingsWidget::box(const char *name) const
{
    return findChild<QCheckBox *>(QLatin1String(name));
}

void DeviceSettingsWidget::setSettings(DeviceSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &DeviceSettings::settingsUpdated, this,
                &DeviceSettingsWidget::settingsUpdated);
}

void DeviceSettingsWidget::settingsUpdated()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Updating widget"));
    box("cbAllowConfigWithClosedCase")->setChecked(m_settings->allowConfigWithClosedCase());
    box("cbRepeatTakeEvents")->setChecked(m_settings->duplicateTakeEvt());
    box("cbRepeatTakeEventsForOutput")->setEnabled(m_settings->duplicateTakeEvt());
    box("cbRepeatTakeEventsForOutput")->setChecked(m_settings->duplicateTakeEvtForOutDev());
    box("cbRepeatAlarmForPartition")->setChecked(m_settings->duplicateAlarmFromSamePartEvt());
    box("cbRepeatFireAlarmForPartition")->setChecked(m_settings->duplicateFireFromSamePartEvt());
    box("cbRepeatAlarm")->setChecked(m_settings->duplicateAlarmFromSameSensEvt());
    box("cbRepeatFireAlarm")->setChecked(m_settings->duplicateFireFromSameSensEvt());
    box("cbRepeatAlarm")->setEnabled(m_settings->duplicateAlarmFromSamePartEvt());
    box("cbRepeatFireAlarm")->setEnabled(m_settings->duplicateFireFromSamePartEvt());
}

void DeviceSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Writing settings"));
    m_settings->setAllowConfigWithClosedCase(box("cbAllowConfigWithClosedCase")->isChecked());
    m_settings->setLowPowerMode(false);
    m_settings->setDuplicateAlarmFromSameSensEvt(box("cbRepeatAlarm")->isChecked());
    m_settings->setDuplicateAlarmFromSamePartEvt(box("cbRepeatAlarmForPartition")->isChecked());
    m_settings->setDuplicateFireFromSameSensEvt(box("cbRepeatFireAlarm")->isChecked());
    m_settings->setDuplicateFireFromSamePartEvt(box("cbRepeatFireAlarmForPartition")->isChecked());
    m_settings->setDuplicateTakeEvt(box("cbRepeatTakeEvents")->isChecked());
    m_settings->setDuplicateTakeEvtForOutDev(box("cbRepeatTakeEventsForOutput")->isChecked());
    m_settings->store();
    emit updateSettings();
}

bool DeviceSettingsWidget::hasChanges()
{
    if (!m_settings)
        return false;
    return box("cbAllowConfigWithClosedCase")->isChecked() !=
               m_settings->allowConfigWithClosedCase() ||
           box("cbRepeatAlarm")->isChecked() != m_settings->duplicateAlarmFromSameSensEvt() ||
           box("cbRepeatAlarmForPartition")->isChecked() !=
               m_settings->duplicateAlarmFromSamePartEvt() ||
           box("cbRepeatFireAlarm")->isChecked() != m_settings->duplicateFireFromSameSensEvt() ||
           box("cbRepeatFireAlarmForPartition")->isChecked() !=
               m_settings->duplicateFireFromSamePartEvt() ||
           box("cbRepeatTakeEvents")->isChecked() != m_settings->duplicateTakeEvt() ||
           box("cbRepeatTakeEventsForOutput")->isChecked() !=
               m_settings->duplicateTakeEvtForOutDev();
}

void DeviceSettingsWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(true);
    box("cbAllowConfigWithClosedCase")->setEnabled(edit);
    box("cbRepeatTakeEvents")->setEnabled(edit);
    box("cbRepeatTakeEventsForOutput")->setEnabled(edit);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
}

void DeviceSettingsWidget::disconnected()
{
    setEnabled(false);
}

void DeviceSettingsWidget::onResetSettings()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_settings)
        m_settings->resetToDefault();
}

DeviceSettings *DeviceSettingsWidget::settings() const
{
    return m_settings;
}
