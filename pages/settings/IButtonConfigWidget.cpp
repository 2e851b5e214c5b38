#include "pages/settings/IButtonConfigWidget.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "pages/comms/HintLabel.h"
#include "pages/radio/UnshownValues.h"
#include "pages/settings/IButtonConfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

IButtonConfigWidget::IButtonConfigWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setObjectName(QStringLiteral("IButtonConfigWidget"));
    setWindowTitle(QStringLiteral("Form"));
    resize(700, 200);
    auto *outer = new QGridLayout(this);
    outer->setObjectName(QStringLiteral("gridLayout"));
    m_group = new QGroupBox(tr("Card reader LEDs"), this);
    m_group->setObjectName(QStringLiteral("groupBox"));
    m_group->setMouseTracking(true);
    outer->addWidget(m_group, 0, 0);
    outer->setColumnStretch(1, 1);
    outer->setRowStretch(1, 1);
    auto *grid = new QGridLayout(m_group);
    grid->setObjectName(QStringLiteral("gridLayout_2"));
    grid->setColumnStretch(1, 1);

    m_mode = new QComboBox(m_group);
    m_mode->setObjectName(QStringLiteral("cbIButtonLedMode"));
    m_mode->setAccessibleName(QStringLiteral("ibuttonSettingsComboLEDmode"));
    m_mode->setMinimumWidth(400);
    m_mode->addItems({tr("1 LED, First touch - status, next - arm/disarm"),
                      tr("1 LED, First touch - status, second - arm/disarm"),
                      tr("2 LED, First touch - status, next - arm/disarm"),
                      tr("2 LED, First touch - status, second - arm/disarm"),
                      tr("2 LEDs, Show status always, on touch - arm/disarm")});
    m_invert = new QCheckBox(m_group);
    m_invert->setObjectName(QStringLiteral("cbInvertIbuttonLed"));
    m_invert->setAccessibleName(QStringLiteral("ibuttonSettingsCheckInvert"));
    m_partitions = new QComboBox(m_group);
    m_partitions->setObjectName(QStringLiteral("cbPartitions"));
    m_partitions->setMaxVisibleItems(20);

    const QString modeHint = hintText(
        QStringLiteral("Режим работы светодиода считывателя iButton"),
        QStringLiteral("<b>Первое касание - статус, последующие управляющие. Один светодиод</b>"
                       "<p>Первое касание ключа показывает состояние разделов, последующие до "
                       "тайм-аута берут или снимают.</p>"
                       "<b>Первое касание - статус, второе - управляющее. Один светодиод</b>"
                       "<p>Первое касание показывает состояние, второе берёт или снимает, третье "
                       "как первое.</p>"
                       "<b>Первое касание - статус, последующие управляющие. Два светодиода</b>"
                       "<p>Первый светодиод отвечает на касание, второй показывает состояние "
                       "разделов.</p>"
                       "<b>Первое касание - статус, второе - управляющее. Два светодиода</b>"
                       "<p>Два светодиода, касания как во втором режиме.</p>"
                       "<b>Любое касание - управляющее. Два светодиода.</b>"
                       "<p>Каждое касание берёт или снимает; второй светодиод всегда показывает "
                       "состояние. Только если у всех пользователей одинаковые права."));
    struct Row
    {
        const char *label;
        QString caption;
        QWidget *control;
        const char *hint;
        const char *accessible;
        QString text;
    };
    const Row rows[] = {
        {"label", tr("Card reader LED Mode"), m_mode, "lblIButtonLedModeHint",
         "ibuttonSettingsComboLEDmodeHint", modeHint},
        {"label_2", tr("Invert card reader led"), m_invert, "lblInvertIbuttonLedHint",
         "ibuttonSettingsCheckInvertHint",
         hintText(QStringLiteral("Инверсия управления светодиодом считывателя iButton"),
                  QStringLiteral(" "))},
        {"label_3", tr("Partitions for displaying status"), m_partitions,
         "lblPartitionsIbuttonLedHint", "ibuttonSettingsComboPartitionsHint",
         hintText(QStringLiteral("Выбор разделов, статус которых будет отображаться на "
                                 "считывателе ключей iButton"),
                  QStringLiteral(" "))},
    };
    int row = 0;
    for (const Row &entry : rows) {
        auto *label = new QLabel(entry.caption, m_group);
        label->setObjectName(QLatin1String(entry.label));
        grid->addWidget(label, row, 0);
        grid->addWidget(entry.control, row, 1, 1, 2);
        QLabel *hint = makeHintLabel(m_group, QLatin1String(entry.hint), entry.text);
        hint->setAccessibleName(QLatin1String(entry.accessible));
        grid->addWidget(hint, row, 3);
        ++row;
    }
    auto *buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("horizontalLayout"));
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), m_group);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setAccessibleName(QStringLiteral("ibuttonSettingsComboPartitionsBtnSave"));
    m_save->setMinimumWidth(200);
    m_reset = new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset"), m_group);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setAccessibleName(QStringLiteral("ibuttonSettingsComboPartitionsBtnReset"));
    m_reset->setMinimumWidth(200);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 2);

    connect(m_save, &QPushButton::clicked, this, &IButtonConfigWidget::saveSettings);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::ready, this, &IButtonConfigWidget::onReady);
        connect(overmind, &Overmind::disconnected, this, [this] { setEnabled(false); });
    }
    setEnabled(false);
}

void IButtonConfigWidget::setSettings(IButtonConfig *settings)
{
    if (m_settings) {
        disconnect(m_settings, nullptr, this, nullptr);
        disconnect(m_reset, &QPushButton::clicked, m_settings, nullptr);
    }
    m_settings = settings;
    if (!settings)
        return;
    connect(settings, &IButtonConfig::settingsUpdated, this, &IButtonConfigWidget::updateWidget);
    connect(m_reset, &QPushButton::clicked, settings, &IButtonConfig::resetToDefault);
}

IButtonConfig *IButtonConfigWidget::settings() const
{
    return m_settings;
}

void IButtonConfigWidget::onReady()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(edit);
    m_group->setEnabled(edit);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
    // The box gets its items and event filters once; later reads only refill the checks.
    if (overmind && !m_partitionsReady) {
        overmind->initPartitionsCheckCombo(m_partitions);
        m_partitionsReady = true;
    }
    updateWidget();
}

void IButtonConfigWidget::updateWidget()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Setting updated"));
    m_invert->setChecked(m_settings->ledInversion());
    UnshownValues::showIndex(m_mode, m_settings->ledMode());
    if (Overmind *overmind = Overmind::instance())
        overmind->fillPartitionsCombo(m_partitions, m_settings->indicationPartitions());
}

void IButtonConfigWidget::saveSettings()
{
    if (!m_settings)
        return;
    m_settings->setLedMode(quint8(UnshownValues::pickedIndex(m_mode)));
    m_settings->setLedInversion(m_invert->isChecked());
    m_settings->setIndicationPartitions(shownPartitions());
    m_settings->store();
}

bool IButtonConfigWidget::hasChanges()
{
    if (!m_settings)
        return false;
    return UnshownValues::pickedIndex(m_mode) != m_settings->ledMode() ||
           m_invert->isChecked() != m_settings->ledInversion() ||
           shownPartitions() != m_settings->indicationPartitions();
}

// The combo shows only the device's partitions: the other bits of the mask stay as stored.
quint32 IButtonConfigWidget::shownPartitions() const
{
    Overmind *overmind = Overmind::instance();
    const int shown = qMin(qMin(m_partitions->count(), 16),
                           overmind ? overmind->deviceInfo().partitionCount() : 0);
    return UnshownValues::mergedMask(m_settings->indicationPartitions(),
                                     Overmind::checkedMask(m_partitions), shown);
}
