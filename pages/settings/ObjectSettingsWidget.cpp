#include "pages/settings/ObjectSettingsWidget.h"

#include "app/ContentAwareLineEdit.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/SpinBoxWithValidator.h"
#include "pages/comms/HintLabel.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/SettingsPatterns.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int MinimumDelay = 5;

QCheckBox *makeCheck(QWidget *parent, const char *name, const char *accessible)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(QLatin1String(accessible));
    return box;
}

SpinBoxWithValidator *makeSpin(QWidget *parent, const char *name, const char *accessible, int low,
                               int high, const QValidator *validator)
{
    auto *box = new SpinBoxWithValidator(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(QLatin1String(accessible));
    box->setRange(low, high);
    box->setValidator(validator);
    return box;
}
} // namespace

ObjectSettingsWidget::ObjectSettingsWidget(QWidget *parent)
    : BaseSettingsWidget(parent),
      m_delayValidator(new QRegularExpressionValidator(SettingsPatterns::delayPattern(), this)),
      m_name(new ContentAwareLineEdit(this))
{
    setObjectName(QStringLiteral("ObjectSettingsWidget"));
    setWindowTitle(QStringLiteral("Frame"));
    resize(500, 500);
    m_name->setObjectName(QStringLiteral("leName"));
    m_name->setAccessibleName(QStringLiteral("objSettingsName"));
    m_name->setMaxLength(63);
    m_name->setValidator(new QRegularExpressionValidator(SettingsPatterns::namePattern(), this));
    auto *numberValidator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), this);
    m_number = makeSpin(this, "sbNumber", "objSettingsNumber", 1, 999999, numberValidator);
    m_number->setValue(1);
    m_takeDelay = makeSpin(this, "sbTakeDelay", "objSettingsTakeDelay", MinimumDelay, 65535,
                           m_delayValidator);
    m_alarmDelay = makeSpin(this, "sbAlarmDelay", "objSettingsAlarmDelay", MinimumDelay, 65535,
                            m_delayValidator);
    m_autoTakeDelay = makeSpin(this, "sbAutoTakeDelay", "objSettingsAutoTakeTime", MinimumDelay,
                               65535, m_delayValidator);
    m_alarmOnLost = makeCheck(this, "cbAlarmOnLost", "objSettingsSensorLossAlarm");
    m_takeWithLost = makeCheck(this, "cbTakeWithLost", "objSettingsSensorLossTake");
    m_takeWithAlarm = makeCheck(this, "cbTakeWithAlarm", "objSettingsSensorAlarmTake");
    m_takeWhenFailed = makeCheck(this, "cbTakeWhenFailed", "objSettingsSensorFailedTake");
    m_forceTakeWithAlarm =
        makeCheck(this, "cbForceTakeWithAlarm", "objSettingsSensorAlarmForceTake");

    const QString delayRange = tr("<p>Range: 5 to 65535 seconds.</p>");
    struct Row
    {
        QString caption;
        QWidget *control;
        const char *hintName;
        QString hint;
    };
    const Row rows[] = {
        {tr("Name:"), m_name, "lblNameHint",
         hintText(QStringLiteral("Тестовое обозначение"),
                  QStringLiteral("Текстовое обозначение объекта, используется при отправке "
                                 "событий в виде SMS пользователю."))},
        {tr("№"), m_number, "lblNumberHint",
         hintText(QStringLiteral("Номер объекта"),
                  QStringLiteral("Диапазон: от 1 до 999999.</p><p>Используется при отправке "
                                 "событий по SMS в формате Quenor-3."))},
        {tr("Take delay"), m_takeDelay, "lblTakeDelayHint",
         hintText(QStringLiteral("Время на выход"),
                  QStringLiteral("Диапазон: от 5 до 65535 секунд.</p><p>Задержка перед взятием "
                                 "разделов с включённой задержкой взятия, чтобы покинуть объект "
                                 "после команды на взятие."))},
        {tr("Alarm delay"), m_alarmDelay, "lblAlarmDelayHint",
         hintText(QStringLiteral("Время на вход"),
                  QStringLiteral("Диапазон: от 5 до 65535 секунд.</p><p>Задержка перед тревогой "
                                 "раздела при срабатывании датчика входной зоны, чтобы снять "
                                 "раздел с охраны при входе."))},
        {tr("Auto take time"), m_autoTakeDelay, "lblAutoTakeDelayHint",
         hintText(QStringLiteral("Время автовзятия"),
                  QStringLiteral("Диапазон: от 5 до 65535 секунд.</p><p>Период проверки разделов "
                                 "в тревоге с включённым автовзятием; когда все датчики в норме, "
                                 "раздел берётся под охрану."))},
        {tr("Alarm on sensor loss"), m_alarmOnLost, "lblAlarmHint",
         hintText(QStringLiteral("Тревога при потере датчика"),
                  QStringLiteral("Потеря связи с охранным датчиком в раздела под охраной "
                                 "вызывает тревогу по этому датчику."))},
        {tr("Take with lost sensors"), m_takeWithLost, "lblTakeWithLostHint",
         hintText(QStringLiteral("Взятие раздела с потерянными датчиками"),
                  QStringLiteral("Не учитывается автовзятием. Разрешает взятие разделов с "
                                 "устройствами без радиосвязи."))},
        {tr("Take with alarm sensors"), m_takeWithAlarm, "lblTakeWithAlarmHint",
         hintText(QStringLiteral("Взятие раздела с датчиками в тревоге"),
                  QStringLiteral("Не учитывается автовзятием. Разрешает взятие разделов с "
                                 "охранными датчиками в тревоге."))},
        {tr("Take with failed sensors"), m_takeWhenFailed, "lblTakeWhenFailedHint",
         hintText(QStringLiteral("Взятие раздела с датчиками в неисправности"),
                  QStringLiteral("Не учитывается автовзятием. Разрешает взятие разделов с "
                                 "неисправными охранными датчиками."))},
        {tr("Force take with alarm sensors"), m_forceTakeWithAlarm, "lblForceTakeWithAlarmHint",
         hintText(QStringLiteral("Принудительное взятие раздела"),
                  QStringLiteral("Не учитывается автовзятием. Принудительное взятие разделов с "
                                 "датчиками в тревоге; их дальнейшее состояние не учитывается, "
                                 "даже после возврата в норму. Только для неисправных "
                                 "датчиков."))},
    };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 0);
    auto *grid = new QGridLayout;
    int row = 0;
    for (const Row &entry : rows) {
        auto *caption = new QLabel(entry.caption, this);
        QLabel *hint = makeHintLabel(this, QLatin1String(entry.hintName), entry.hint);
        hint->setAccessibleName(entry.control->accessibleName() + QStringLiteral("Hint"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(entry.control, row, 1);
        grid->addWidget(hint, row, 2);
        if (entry.control == m_takeWithAlarm) {
            caption->hide();
            m_takeWithAlarm->hide();
            hint->hide();
        }
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setAccessibleName(QStringLiteral("objSettingsBtnSave"));
    m_save->setMinimumWidth(200);
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setAccessibleName(QStringLiteral("objSettingsBtnReset"));
    m_reset->setMinimumWidth(200);
    auto *spacer = new QLabel(this);
    spacer->setObjectName(QStringLiteral("lblSpacer"));
    spacer->setFixedSize(16, 16);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addWidget(spacer);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    setFocusWidget(m_name);

    m_name->setChecker([this](const QString &text) {
        QString copy = text;
        while (!copy.isEmpty() && !Overmind::limitUtf8Length(copy, m_name))
            copy.chop(1);
        Overmind *overmind = Overmind::instance();
        const bool viewing = overmind && overmind->isViewingMode();
        m_save->setEnabled(!viewing);
        m_reset->setEnabled(!viewing);
        return true;
    });

    connect(m_save, &QPushButton::clicked, this, &ObjectSettingsWidget::saveSettings);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::disconnected, this, &ObjectSettingsWidget::disconnected);
        connect(overmind, &Overmind::setKorvelType, this, &ObjectSettingsWidget::connected);
    }
}

QSpinBox *ObjectSettingsWidget::takeDelayBox() const
{
    return m_takeDelay;
}

void ObjectSettingsWidget::setSettings(ObjectSettings *settings)
{
    m_settings = settings;
    if (!settings)
        return;
    // The page is the only listener the object may have.
    disconnect(settings, nullptr, nullptr, nullptr);
    connect(settings, &ObjectSettings::settingsUpdated, this,
            &ObjectSettingsWidget::objectSettingsUpdated);
    connect(settings, &ObjectSettings::updateMinimumTakeDelay, this,
            &ObjectSettingsWidget::onMinimumTakeDelayUpdated);
    connect(settings, &ObjectSettings::updateTakeDelay, this, [this](int seconds) {
        m_takeDelay->setValue(seconds);
        logDebug(this, QStringLiteral("Take delay updated = %1 sec").arg(seconds));
    });
    disconnect(m_reset, &QPushButton::clicked, nullptr, nullptr);
    connect(m_reset, &QPushButton::clicked, settings, &ObjectSettings::resetToDefaults);
}

void ObjectSettingsWidget::setWirelessSettings(WirelessSettings *settings)
{
    if (m_wirelessSettings)
        disconnect(m_wirelessSettings, nullptr, this, nullptr);
    m_wirelessSettings = settings;
    if (!settings)
        return;
    connect(settings, &WirelessSettings::takeDelayUpdated, this,
            &ObjectSettingsWidget::onTakeDelayUpdated);
    connect(settings, &WirelessSettings::settingsUpdated, this,
            &ObjectSettingsWidget::wirelessSettingsUpdated);
}

void ObjectSettingsWidget::updateWidget()
{
    objectSettingsUpdated();
    wirelessSettingsUpdated();
}

void ObjectSettingsWidget::showFlags()
{
    if (!m_settings)
        return;
    m_alarmOnLost->setChecked(m_settings->alarmOnLostSensor());
    m_takeWithLost->setChecked(m_settings->takeWithLostSensors());
    m_takeWithAlarm->setChecked(m_settings->takeWithAlarmSensors());
    m_takeWhenFailed->setChecked(m_settings->takeWithFailedSensors());
    m_forceTakeWithAlarm->setChecked(m_settings->forceTakeWithAlarmSensors());
}

void ObjectSettingsWidget::objectSettingsUpdated()
{
    if (!m_settings)
        return;
    QString name = m_settings->name();
    if (Overmind::utf8BytesLeft(name) == 0)
        name.chop(1);
    m_name->setText(name);
    m_number->setValue(int(m_settings->number()));
    m_takeDelay->setValue(m_settings->takeDelay());
    m_alarmDelay->setValue(m_settings->alarmDelay());
    m_autoTakeDelay->setValue(m_settings->autoTakeDelay());
    showFlags();
    Overmind *overmind = Overmind::instance();
    if (overmind && !overmind->isViewingMode() && overmind->takeDelay() != m_settings->takeDelay())
        overmind->setTakeDelay(m_settings->takeDelay());
}

void ObjectSettingsWidget::wirelessSettingsUpdated()
{
    showFlags();
}

void ObjectSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    m_settings->setName(m_name->text());
    m_settings->setNumber(quint32(m_number->value()));
    m_settings->setTakeDelay(quint16(m_takeDelay->value()));
    m_settings->setAlarmDelay(quint16(m_alarmDelay->value()));
    m_settings->setAutoTakeDelay(quint16(m_autoTakeDelay->value()));
    m_settings->setTakeWithAlarmSensors(m_takeWithAlarm->isChecked());
    m_settings->setTakeWithLostSensors(m_takeWithLost->isChecked());
    m_settings->setTakeWithFailedSensors(m_takeWhenFailed->isChecked());
    m_settings->setForceTakeWithAlarmSensors(m_forceTakeWithAlarm->isChecked());
    m_settings->setAlarmOnLostSensor(m_alarmOnLost->isChecked());
    m_settings->store();
    if (Overmind *overmind = Overmind::instance())
        overmind->setTakeDelay(m_settings->takeDelay());
}

bool ObjectSettingsWidget::hasChanges()
{
    if (!m_settings || !m_wirelessSettings)
        return false;
    return m_name->text() != m_settings->name() ||
           quint16(m_takeDelay->value()) != m_settings->takeDelay() ||
           quint16(m_alarmDelay->value()) != m_settings->alarmDelay() ||
           quint16(m_autoTakeDelay->value()) != m_settings->autoTakeDelay() ||
           quint32(m_number->value()) != m_settings->number() ||
           m_alarmOnLost->isChecked() != m_settings->alarmOnLostSensor() ||
           m_takeWithLost->isChecked() != m_settings->takeWithLostSensors() ||
           m_takeWithAlarm->isChecked() != m_settings->takeWithAlarmSensors() ||
           m_takeWhenFailed->isChecked() != m_settings->takeWithFailedSensors() ||
           m_forceTakeWithAlarm->isChecked() != m_settings->forceTakeWithAlarmSensors();
}

void ObjectSettingsWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(edit);
    for (QWidget *control :
         {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_number),
          static_cast<QWidget *>(m_alarmDelay), static_cast<QWidget *>(m_autoTakeDelay),
          static_cast<QWidget *>(m_takeDelay)})
        control->setEnabled(edit);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
}

void ObjectSettingsWidget::disconnected()
{
    setEnabled(false);
}

void ObjectSettingsWidget::onTakeDelayUpdated(quint16 seconds)
{
    if (!m_settings)
        return;
    // A delay the record already holds is not written again: every write comes back from
    // the device, and with two writes in flight the page and the controller would hand the
    // two values back and forth for ever.
    const bool changed = m_settings->takeDelay() != seconds;
    m_settings->setTakeDelay(seconds);
    m_takeDelay->setValue(seconds);
    if (changed)
        m_settings->store();
}

void ObjectSettingsWidget::onMinimumTakeDelayUpdated(int seconds)
{
    const int minimum = seconds < 0 ? MinimumDelay : seconds;
    m_takeDelay->setMinimum(minimum);
    logDebug(this, QStringLiteral("Minimum take delay updated: %1 sec").arg(minimum));
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow())
        overmind->mainWindow()->onMessageReceived(
            tr("Minimum take delay updated: %1 sec").arg(minimum));
}

ObjectSettings *ObjectSettingsWidget::settingsObject() const
{
    return m_settings;
}
