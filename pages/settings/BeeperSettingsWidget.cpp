#include "pages/settings/BeeperSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "app/SpinBoxWithValidator.h"
#include "pages/comms/HintLabel.h"
#include "pages/settings/BeeperSettings.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

namespace {
QSlider *makeVolume(QWidget *parent, const char *name)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(1, 100);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    return slider;
}
} // namespace

BeeperSettingsWidget::BeeperSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setObjectName(QStringLiteral("BeeperSettingsWidget"));
    setWindowTitle(QStringLiteral("GroupBox"));
    resize(500, 448);
    setMouseTracking(true);
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("verticalLayoutWidget"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_body);
    outer->addStretch();
    auto *main = new QVBoxLayout(m_body);
    main->setObjectName(QStringLiteral("mainLayout"));
    main->setContentsMargins(20, 20, 20, 0);

    auto addRow = [this, main](const char *labelName, const QString &caption, QWidget *control,
                               const char *hintName, const QString &hint) {
        auto *row = new QHBoxLayout;
        auto *label = new QLabel(caption, m_body);
        label->setObjectName(QLatin1String(labelName));
        row->addWidget(label);
        row->addWidget(control, 1);
        row->addWidget(makeHintLabel(m_body, QLatin1String(hintName), hint));
        main->addLayout(row);
    };
    m_enable = new QCheckBox(m_body);
    m_enable->setObjectName(QStringLiteral("cbEnableBeeper"));
    addRow("lblEnableBeeper", tr("Enable beeper"), m_enable, "lblEnableBeeperHint",
           hintText(QStringLiteral("Включение звуковой индикации"),
                    QStringLiteral("Включает или выключает всю звуковую индикацию.")));
    m_beepTime = new SpinBoxWithValidator(m_body);
    m_beepTime->setObjectName(QStringLiteral("sbBeepTime"));
    m_beepTime->setRange(10, 65535);
    m_beepTime->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]{0,5}$")), this));
    addRow("lblBeepTime", tr("Beep time (sec)"), m_beepTime, "lblBeepTimeHint",
           hintText(QStringLiteral("Длительность оповещения о тревоге и пожаре"),
                    QStringLiteral("Диапазон: от 10 до 65535 секунд.</p><p>Длительность "
                                   "непрерывного звука событий \"Тревога\" и \"Пожар\".")));
    m_eventVolume = makeVolume(m_body, "hsEventVolume");
    addRow("lblEventVolume", tr("Event volume"), m_eventVolume, "lblEventVolumeHint",
           hintText(QStringLiteral("Громкость уведомлений"),
                    QStringLiteral("Громкость звуковой индикации всех событий, кроме "
                                   "\"Тревога\" и \"Пожар\".")));
    m_alarmVolume = makeVolume(m_body, "hsAlarmVolume");
    addRow("lblAlarmVolume", tr("Alarm volume"), m_alarmVolume, "lblAlarmVolumeHint",
           hintText(QStringLiteral("Громкость оповещений о тревоге и пожаре"),
                    QStringLiteral("Громкость звуковой индикации событий \"Тревога\" и "
                                   "\"Пожар\".")));

    auto *events = new QGroupBox(tr("Linked events"), m_body);
    events->setObjectName(QStringLiteral("gbLinkedEvents"));
    auto *grid = new QGridLayout(events);
    struct Event
    {
        int bit;
        const char *box;
        QString caption;
        const char *hint;
        QString heading;
        QString body;
        int row;
        int column;
    };
    const Event table[] = {
        {11, "cbAlarm", tr("Alarm"), "lblAlarmHint", QStringLiteral("Тревога"),
         QStringLiteral("Звук при тревогах в разделах под охраной."), 0, 0},
        {12, "cbFire", tr("Fire"), "lblFireHint", QStringLiteral("Пожарная тревога"),
         QStringLiteral("Звук при срабатывании пожарных датчиков."), 0, 1},
        {1, "cbPartitionTaken", tr("Partition take"), "lblPartitionTakenHint",
         QStringLiteral("Взятие разделов"), QStringLiteral("Звук при взятии разделов."), 1, 0},
        {2, "cbPartitionTakenOff", tr("Partition take off"), "lblPartitionTakenOffHint",
         QStringLiteral("Снятие разделов"), QStringLiteral("Звук при снятии разделов."), 1, 1},
        {9, "cbTakeDelay", tr("Take delay"), "lblTakeDelayHint",
         QStringLiteral("Задержка взятия разделов"),
         QStringLiteral("Звук во время задержки взятия."), 2, 0},
        {4, "cbTakeFailed", tr("Not taken"), "lblTakeFailedHint",
         QStringLiteral("Невзятие разделов"), QStringLiteral("Звук при невзятии разделов."), 2, 1},
        {7, "cbPartitionsPartlyTaken", tr("Partitions partly taken"),
         "lblPartitionsPartlyTakenHint", QStringLiteral("Частичное взятие разделов"),
         QStringLiteral("Звук при частичном взятии."), 3, 0},
        {5, "cbSensorAdded", tr("Sensor added"), "lblSensorAddedHint",
         QStringLiteral("Подключение РУ"),
         QStringLiteral("Звук при подключении радиоустройств к прибору."), 3, 1},
        {6, "cbBellEvent", tr("Bell event"), "lblBellEventHint",
         QStringLiteral("Режим \"Колокольчик\""),
         QStringLiteral("Звук при срабатывании датчиков в снятых разделах."), 4, 0},
        {3, "cbTicketReceived", tr("Ticket received"), "lblTicketReceivedHint",
         QStringLiteral("Получение квитанции"),
         QStringLiteral("Звук при получении квитанции пульта."), 4, 1},
        {8, "cbTicketWaiting", tr("Ticket waiting"), "lblTicketWaitingHint",
         QStringLiteral("Ожидание квитанции"),
         QStringLiteral("Звук во время ожидания квитанции пульта."), 5, 0},
    };
    for (const Event &event : table) {
        auto *box = new QCheckBox(event.caption, events);
        box->setObjectName(QLatin1String(event.box));
        QLabel *hint =
            makeHintLabel(events, QLatin1String(event.hint), hintText(event.heading, event.body));
        const int column = event.column * 3;
        grid->addWidget(box, event.row, column);
        grid->addWidget(hint, event.row, column + 1);
        if (event.bit == 3 || event.bit == 8) {
            box->hide();
            hint->hide();
        }
        m_events.append({event.bit, box});
    }
    auto *line = new QFrame(events);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::VLine);
    grid->addWidget(line, 0, 2, 5, 1);
    main->addWidget(events);

    auto *buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("horizontalLayout"));
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), m_body);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumWidth(200);
    m_reset = new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"),
                              m_body);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumWidth(200);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    main->addLayout(buttons);

    const std::pair<const char *, const char *> prefixes[] = {{"cb", "beeperSettingsCheck"},
                                                              {"lbl", "beeperSettings"},
                                                              {"pb", "beeperSettingsBtn"},
                                                              {"hs", "beeperSettingsSlider"},
                                                              {"sb", "beeperSettingsSpin"}};
    for (QWidget *child : findChildren<QWidget *>()) {
        const QString name = child->objectName();
        for (const auto &prefix : prefixes) {
            if (name.startsWith(QLatin1String(prefix.first))) {
                child->setAccessibleName(QLatin1String(prefix.second) +
                                         name.mid(int(qstrlen(prefix.first))));
                break;
            }
        }
    }

    connect(m_reset, &QPushButton::clicked, this, &BeeperSettingsWidget::settingsReset);
    connect(m_save, &QPushButton::clicked, this, &BeeperSettingsWidget::saveSettings);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::loginSuccessful, this, &BeeperSettingsWidget::connected);
        connect(overmind, &Overmind::disconnected, this, &BeeperSettingsWidget::disconnected);
    }
    setEnabled(false);
    logDebug(this, QStringLiteral("Created"));
    setFocusWidget(m_enable);
}

void BeeperSettingsWidget::setSettings(BeeperSettings *settings)
{
    logDebug(this, QStringLiteral("Setting settings object"));
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &BeeperSettings::settingsUpdated, this,
                &BeeperSettingsWidget::settingsUpdated);
    disconnect(m_enable, &QCheckBox::toggled, this, &BeeperSettingsWidget::enableChanged);
    connect(m_enable, &QCheckBox::toggled, this, &BeeperSettingsWidget::enableChanged);
}

BeeperSettings *BeeperSettingsWidget::settings() const
{
    return m_settings;
}

void BeeperSettingsWidget::settingsUpdated()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Updating widget"));
    m_alarmVolume->setValue(m_settings->beepAlarmVolume());
    m_eventVolume->setValue(m_settings->beepEventVolume());
    m_beepTime->setValue(m_settings->alarmEventTimeSec());
    m_enable->setChecked(m_settings->enableIntBeeper());
    const quint32 mask = m_settings->enabledEvents();
    for (const EventBox &event : qAsConst(m_events))
        event.box->setChecked((mask >> event.bit) & 1);
    enableChanged(m_settings->enableIntBeeper());
}

void BeeperSettingsWidget::enableChanged(bool on)
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool usable = on && edit;
    for (QWidget *child : m_body->findChildren<QWidget *>()) {
        if (child == m_enable || child->objectName() == QLatin1String("lblEnableBeeper") ||
            child == m_save || child->isAncestorOf(m_enable))
            continue;
        child->setEnabled(usable);
    }
    const bool viewing = overmind && overmind->isViewingMode();
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
}

void BeeperSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Writing settings"));
    m_settings->setBeepAlarmVolume(quint16(m_alarmVolume->value()));
    m_settings->setAlarmEventTimeSec(quint16(m_beepTime->value()));
    m_settings->setBeepEventVolume(quint16(m_eventVolume->value()));
    m_settings->setEnableIntBeeper(m_enable->isChecked());
    quint32 mask = m_settings->enabledEvents();
    for (const EventBox &event : qAsConst(m_events)) {
        if (event.box->isChecked())
            mask |= 1u << event.bit;
        else
            mask &= ~(1u << event.bit);
    }
    m_settings->setEnabledEvents(mask);
    m_settings->store();
}

bool BeeperSettingsWidget::hasChanges()
{
    if (!m_settings)
        return false;
    bool changed = quint16(m_alarmVolume->value()) != m_settings->beepAlarmVolume() ||
                   quint16(m_beepTime->value()) != m_settings->alarmEventTimeSec() ||
                   quint16(m_eventVolume->value()) != m_settings->beepEventVolume() ||
                   m_enable->isChecked() != m_settings->enableIntBeeper();
    const quint32 mask = m_settings->enabledEvents();
    for (const EventBox &event : qAsConst(m_events))
        changed |= event.box->isChecked() != bool((mask >> event.bit) & 1);
    return changed;
}

void BeeperSettingsWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(true);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
    m_enable->setEnabled(edit);
}

void BeeperSettingsWidget::disconnected()
{
    setEnabled(false);
}

void BeeperSettingsWidget::settingsReset()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_settings)
        m_settings->resetToDefault();
}
