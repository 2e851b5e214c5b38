#include "pages/settings/DateTimeSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/comms/HintLabel.h"
#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DeviceSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {
const QChar Minus(0x2212);
constexpr int OffsetRole = Qt::UserRole + 1;

QStringList zoneTexts()
{
    QStringList texts = {
        QStringLiteral("UTC (GMT)"),
        QStringLiteral("UTC+01:00 (CET)"),
        QStringLiteral("UTC+02:00 (Калининградское время)"),
        QStringLiteral("UTC+03:00 (Московское время)"),
        QStringLiteral("UTC+04:00 (Самарское время)"),
        QStringLiteral("UTC+05:00 (Екатеринбургское время)"),
        QStringLiteral("UTC+06:00 (Омское время)"),
        QStringLiteral("UTC+07:00 (Красноярское время)"),
        QStringLiteral("UTC+08:00 (Иркутское время)"),
        QStringLiteral("UTC+09:00 (Якутское время)"),
        QStringLiteral("UTC+10:00 (Владивостокское время)"),
        QStringLiteral("UTC+11:00 (Среднеколымское время)"),
        QStringLiteral("UTC+12:00 (Камчатское время)"),
    };
    for (int hours = 1; hours <= 12; ++hours)
        texts.append(QStringLiteral("UTC%1%2:00").arg(Minus).arg(hours, 2, 10, QLatin1Char('0')));
    return texts;
}

QString offsetText(int offset)
{
    const int magnitude = qAbs(offset);
    return QStringLiteral("UTC%1%2:%3")
        .arg(offset < 0 ? QString(Minus) : QStringLiteral("+"))
        .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
        .arg((magnitude % 3600) / 60, 2, 10, QLatin1Char('0'));
}

QLabel *hint(QWidget *parent, const char *name, const QString &text)
{
    return makeHintLabel(parent, QLatin1String(name), text);
}
} // namespace

DateTimeSettingsWidget::DateTimeSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setObjectName(QStringLiteral("DateTimeSettingsWidget"));
    setWindowTitle(QStringLiteral("Form"));
    resize(500, 500);
    setMouseTracking(true);
    auto *grid = new QGridLayout(this);
    auto *label = new QLabel(tr("Current device time:"), this);
    label->setObjectName(QStringLiteral("label"));
    m_current = new QDateTimeEdit(this);
    m_current->setObjectName(QStringLiteral("dtCurrentDeviceTime"));
    m_current->setReadOnly(true);
    m_current->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_current->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    m_current->setTimeSpec(Qt::UTC);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_current, 0, 1, 1, 2);

    m_useGsm = new QRadioButton(tr("Use GSM Network time"), this);
    m_useGsm->setObjectName(QStringLiteral("rbUseGSMDateTime"));
    grid->addWidget(m_useGsm, 1, 0, 1, 3);
    m_networkTz = new QCheckBox(tr("Use GSM network timezone"), this);
    m_networkTz->setObjectName(QStringLiteral("cbUseNetworkTimezone"));
    m_networkTz->setEnabled(false);
    grid->addWidget(m_networkTz, 2, 0, 1, 2);
    grid->addWidget(hint(this, "lblUseNetworkTimezoneHint",
                         hintText(QStringLiteral("Использовать часовой пояс сети"),
                                  QStringLiteral("Часовой пояс синхронизируется с оператором "
                                                 "GSM."))),
                    2, 3);
    m_networkDst = new QCheckBox(tr("Daylight saving time"), this);
    m_networkDst->setObjectName(QStringLiteral("cbUseNetworkDST"));
    m_networkDst->setEnabled(false);
    grid->addWidget(m_networkDst, 3, 0, 1, 2);
    grid->addWidget(hint(this, "lblUseNetworkDSTHint",
                         hintText(QStringLiteral("Использовать летнее время сети"),
                                  QStringLiteral("Данные о летнем времени синхронизируются с "
                                                 "оператором GSM."))),
                    3, 3);
    m_useNtp = new QRadioButton(tr("NTP / HTP synchronization"), this);
    m_useNtp->setObjectName(QStringLiteral("rbUseNTPServer"));
    grid->addWidget(m_useNtp, 4, 0, 1, 3);
    auto *label2 = new QLabel(tr("Server address:"), this);
    label2->setObjectName(QStringLiteral("label_2"));
    m_ntpServer = new QLineEdit(this);
    m_ntpServer->setObjectName(QStringLiteral("leNTPServerAddress"));
    m_ntpServer->setEnabled(false);
    m_ntpServer->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[a-zA-Z0-9.-]{0,") + QString::number(31) +
                           QStringLiteral("}")),
        this));
    grid->addWidget(label2, 5, 0);
    grid->addWidget(m_ntpServer, 5, 1, 1, 2);
    grid->addWidget(hint(this, "lblUseNTPServerHint",
                         hintText(QStringLiteral("Адрес NTP сервера"),
                                  QStringLiteral("Сервер синхронизации времени по стандарту "
                                                 "NTP."))),
                    5, 3);
    m_useManual = new QRadioButton(tr("Manual"), this);
    m_useManual->setObjectName(QStringLiteral("rbUseManualDateTime"));
    grid->addWidget(m_useManual, 6, 0, 1, 3);
    for (QRadioButton *radio : {m_useGsm, m_useNtp, m_useManual})
        radio->setMinimumHeight(38);
    auto *label4 = new QLabel(tr("Date and time:"), this);
    label4->setObjectName(QStringLiteral("label_4"));
    label4->setMaximumWidth(150);
    m_manual = new QDateTimeEdit(this);
    m_manual->setObjectName(QStringLiteral("dtManualDeviceTime"));
    m_manual->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    m_manual->setCalendarPopup(true);
    m_manual->setTimeSpec(Qt::UTC);
    m_manual->setDateTimeRange(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC),
                               QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59), Qt::UTC));
    m_manual->setEnabled(false);
    m_setCurrent = new QToolButton(this);
    m_setCurrent->setObjectName(QStringLiteral("pbSetCurrentTime"));
    m_setCurrent->setText(QStringLiteral("*"));
    m_setCurrent->setMinimumWidth(50);
    m_setCurrent->setEnabled(false);
    grid->addWidget(label4, 7, 0);
    grid->addWidget(m_manual, 7, 1);
    grid->addWidget(m_setCurrent, 7, 2);
    grid->addWidget(hint(this, "lblSetCurrentTimeHint",
                         QStringLiteral("<p>Синхронизировать время и дату с ПК.</p>")),
                    7, 3);
    auto *label3 = new QLabel(tr("Timezone:"), this);
    label3->setObjectName(QStringLiteral("label_3"));
    label3->setMaximumWidth(150);
    m_timezone = new QComboBox(this);
    m_timezone->setObjectName(QStringLiteral("cbTimezone"));
    for (const QString &text : zoneTexts())
        m_timezone->addItem(text, offsetOfText(text));
    m_zoneEntries = m_timezone->count();
    m_timezone->setCurrentIndex(3);
    m_timezone->setEnabled(false);
    grid->addWidget(label3, 8, 0);
    grid->addWidget(m_timezone, 8, 1, 1, 2);
    grid->addWidget(hint(this, "lblTimezoneHint",
                         hintText(QStringLiteral("Часовой пояс прибора"),
                                  QStringLiteral("Выбор часового пояса вручную."))),
                    8, 3);
    grid->setRowStretch(9, 1);
    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumSize(120, 30);
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumSize(120, 30);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    grid->addLayout(buttons, 10, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_current, m_useGsm);
    setTabOrder(m_useGsm, m_networkTz);
    setTabOrder(m_networkTz, m_networkDst);
    setTabOrder(m_networkDst, m_useNtp);
    setTabOrder(m_useNtp, m_ntpServer);
    setTabOrder(m_ntpServer, m_useManual);
    setTabOrder(m_useManual, m_manual);
    setTabOrder(m_manual, m_setCurrent);
    setTabOrder(m_setCurrent, m_timezone);

    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        if (!child->objectName().isEmpty())
            child->setAccessibleName(QStringLiteral("dataTimeSettings") +
                                     child->objectName().mid(2));

    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &DateTimeSettingsWidget::incTime);
    m_clock.start();

    connect(m_save, &QPushButton::clicked, this, &DateTimeSettingsWidget::saveSettings);
    connect(m_reset, &QPushButton::clicked, this, &DateTimeSettingsWidget::settingsReset);
    connect(m_setCurrent, &QToolButton::clicked, this, [this] {
        const QDateTime now = QDateTime::currentDateTime();
        m_manual->setDateTime(QDateTime(now.date(), now.time(), Qt::UTC));
    });
    connect(m_useGsm, &QRadioButton::toggled, this, [this](bool on) {
        m_networkTz->setEnabled(on);
        m_networkDst->setEnabled(on);
        if (on)
            m_timezone->setEnabled(!m_networkTz->isChecked());
    });
    connect(m_networkTz, &QCheckBox::toggled, this, [this](bool on) {
        if (m_useGsm->isChecked())
            m_timezone->setEnabled(!on);
    });
    connect(m_useNtp, &QRadioButton::toggled, this, [this](bool on) {
        m_ntpServer->setEnabled(on);
        m_timezone->setEnabled(on);
    });
    connect(m_useManual, &QRadioButton::toggled, this, [this](bool on) {
        m_manual->setEnabled(on);
        m_setCurrent->setEnabled(on);
        m_timezone->setEnabled(on);
    });
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::loginSuccessful, this, &DateTimeSettingsWidget::connected);
        connect(overmind, &Overmind::disconnected, this, &DateTimeSettingsWidget::disconnected);
    }
    setEnabled(false);
    setFocusWidget(m_useGsm);
}

int DateTimeSettingsWidget::offsetOfText(const QString &text)
{
    const bool negative = text.contains(Minus);
    if (!negative && !text.contains(QLatin1Char('+')))
        return 0;
    const QTime time = QTime::fromString(text.mid(4, 5), QStringLiteral("hh:mm"));
    if (!time.isValid())
        return 0;
    const int seconds = QTime(0, 0).secsTo(time);
    return negative ? -seconds : seconds;
}

void DateTimeSettingsWidget::setDeviceSettings(DeviceSettings *settings)
{
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
    m_device = settings;
    if (settings)
        connect(settings, &DeviceSettings::settingsUpdated, this,
                &DateTimeSettingsWidget::deviceSettingsUpdated);
}

void DateTimeSettingsWidget::setDateTimeSettings(DateTimeSettings *settings)
{
    if (m_dateTime)
        disconnect(m_dateTime, nullptr, this, nullptr);
    m_dateTime = settings;
    if (!settings)
        return;
    connect(settings, &DateTimeSettings::dateTimeUpdated, this,
            &DateTimeSettingsWidget::settingsUpdated);
    if (m_device)
        connect(settings, &DateTimeSettings::updateNtpServer, m_device.data(),
                &DeviceSettings::setNtpServer);
    connect(settings, &DateTimeSettings::updateNtpServer, m_ntpServer, &QLineEdit::setText);
}

void DateTimeSettingsWidget::incTime()
{
    // The whole date-time moves on, so the date turns at midnight.
    m_current->setDateTime(m_current->dateTime().addSecs(1));
}

void DateTimeSettingsWidget::settingsUpdated()
{
    if (!m_dateTime)
        return;
    const QDateTime device = m_dateTime->dateTime();
    logDebug(this,
             QStringLiteral("updated: ") + device.toString(QStringLiteral("dd.MM.yy hh:mm:ss")));
    const int offset = m_device ? m_device->tzOffset() : 0;
    if (device.isValid()) {
        const QDateTime local = device.addSecs(offset);
        m_current->setDateTime(QDateTime(local.date(), local.time(), Qt::UTC));
    }
    deviceSettingsUpdated();
}

void DateTimeSettingsWidget::selectZone(int offset)
{
    for (int i = 0; i < m_timezone->count(); ++i) {
        if (m_timezone->itemData(i, Qt::UserRole).toInt() == offset) {
            m_timezone->setCurrentIndex(i);
            return;
        }
    }
    // A zone the list does not know is kept as an entry of its own, not silently replaced.
    while (m_timezone->count() > m_zoneEntries)
        m_timezone->removeItem(m_timezone->count() - 1);
    m_timezone->addItem(offsetText(offset), offset);
    m_timezone->setItemData(m_timezone->count() - 1, true, OffsetRole);
    m_timezone->setCurrentIndex(m_timezone->count() - 1);
}

int DateTimeSettingsWidget::selectedOffset() const
{
    return m_timezone->currentData(Qt::UserRole).toInt();
}

void DateTimeSettingsWidget::deviceSettingsUpdated()
{
    if (!m_device)
        return;
    selectZone(m_device->tzOffset());
    m_ntpServer->setText(m_device->ntpServer());
    const quint8 source = m_device->timeSource();
    if (source == 0)
        m_useGsm->setChecked(true);
    else if (source == 1)
        m_useNtp->setChecked(true);
    else
        m_useManual->setChecked(true);
    if (source == 0)
        m_timezone->setEnabled(!m_device->useNetworkTz());
    else if (m_useManual->isChecked())
        m_timezone->setEnabled(true);
    m_networkDst->setChecked(m_device->useNetworkDaylight());
    m_networkTz->setChecked(m_device->useNetworkTz());
    if (m_dateTime && m_dateTime->dateTime().isValid()) {
        const QDateTime local = m_dateTime->dateTime().addSecs(m_device->tzOffset());
        m_manual->setDateTime(QDateTime(local.date(), local.time(), Qt::UTC));
    }
}

void DateTimeSettingsWidget::saveSettings()
{
    if (!m_device)
        return;
    const int offset = selectedOffset();
    if (m_useManual->isChecked() && m_dateTime) {
        const QDateTime wall = m_manual->dateTime();
        m_dateTime->setDateTime(QDateTime(wall.date(), wall.time(), Qt::UTC).addSecs(-offset));
        m_dateTime->store();
    }
    const TimeChoices chosen = choices();
    chosen.applyTo(*m_device);
    // The device takes the block a moment after the clock; the page is not held meanwhile.
    // A record arriving meanwhile replaces the block, so the choices are applied again.
    QPointer<DeviceSettings> device = m_device;
    QTimer::singleShot(100, this, [device, chosen] {
        if (!device)
            return;
        chosen.applyTo(*device);
        device->store();
    });
}

DateTimeSettingsWidget::TimeChoices DateTimeSettingsWidget::choices() const
{
    TimeChoices chosen;
    chosen.tzOffset = selectedOffset();
    chosen.useNetworkTz = m_networkTz->isChecked();
    chosen.useNetworkDaylight = m_networkDst->isChecked();
    chosen.ntpServer = m_ntpServer->text();
    chosen.useNtp = m_useNtp->isChecked();
    chosen.useGsm = m_useGsm->isChecked();
    chosen.useManual = m_useManual->isChecked();
    return chosen;
}

void DateTimeSettingsWidget::TimeChoices::applyTo(DeviceSettings &device) const
{
    device.setTzOffset(tzOffset);
    device.setUseNetworkTz(useNetworkTz);
    device.setUseNetworkDaylight(useNetworkDaylight);
    device.setNtpServer(ntpServer);
    device.setUseNtpTime(useNtp);
    device.setUseGsmTime(useGsm);
    device.setUseManualTime(useManual);
}

bool DateTimeSettingsWidget::hasChanges()
{
    if (!m_device)
        return false;
    const quint8 source = m_device->timeSource();
    return m_networkTz->isChecked() != m_device->useNetworkTz() ||
           m_networkDst->isChecked() != m_device->useNetworkDaylight() ||
           m_ntpServer->text() != m_device->ntpServer() || m_useGsm->isChecked() != (source == 0) ||
           m_useNtp->isChecked() != (source == 1) ||
           m_useManual->isChecked() != (source != 0 && source != 1);
}

void DateTimeSettingsWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(edit);
    m_manual->setReadOnly(m_useManual->isChecked() && !edit);
    m_setCurrent->setEnabled(m_useManual->isChecked() && edit);
    m_timezone->setEnabled(!m_useGsm->isChecked() && edit);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
}

void DateTimeSettingsWidget::disconnected()
{
    setEnabled(false);
}

void DateTimeSettingsWidget::settingsReset()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_dateTime)
        m_dateTime->resetToDefault();
}

DateTimeSettings *DateTimeSettingsWidget::dateTimeSettings() const
{
    return m_dateTime;
}

DeviceSettings *DateTimeSettingsWidget::deviceSettings() const
{
    return m_device;
}
