#include "pages/reporting/ChannelSettingsWidget.h"

#include "app/BitfieldWidget.h"
#include "app/ContentAwareLineEdit.h"
#include "app/DeviceTexts.h"
#include "app/FlowTimeEdit.h"
#include "app/HostEdit.h"
#include "app/Logger.h"
#include "app/Overmind.h"
#include "app/SpinBoxWithValidator.h"
#include "pages/radio/UnshownValues.h"
#include "pages/reporting/ChannelSettings.h"
#include "pages/users/UserModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QStandardItemModel>

const QString ChannelSettingsWidget::DefaultKey =
    QStringLiteral("3F9A0C7E52D1B846A0E7C3915D2F84B6");

namespace {
const QRegularExpression &phonePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[+]?[0-9]{3,%1}$").arg(15));
    return pattern;
}

// Exactly 1 to 65535, and every prefix of such a number while it is typed.
const QRegularExpression &portPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^([1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}"
                       "|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])$"));
    return pattern;
}

const QTime MinimumTime(0, 5);

Overmind *overmind()
{
    return Overmind::instance();
}

bool freeIpChannel()
{
    return !overmind() || overmind()->hasFreeIpChannel();
}

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *widget = new QLabel(text, parent);
    widget->setObjectName(name);
    return widget;
}

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}
} // namespace

ChannelSettingsWidget::ChannelSettingsWidget(QWidget *parent) : QWidget(parent)
{
    buildWidgets();
    connectFields();
    setChannel(quint8(0xFF), nullptr);
    m_directionIndex = -1;
}

ChannelSettingsWidget::~ChannelSettingsWidget() = default;

QWidget *ChannelSettingsWidget::addSection(const QString &name, int row)
{
    auto *section = new QWidget(this);
    section->setObjectName(name);
    static_cast<QGridLayout *>(layout())->addWidget(section, row, 0);
    return section;
}

void ChannelSettingsWidget::buildWidgets()
{
    setObjectName(QStringLiteral("ChannelSettingsWidget"));
    setWindowTitle(tr("Form"));
    resize(390, 650);
    setFixedWidth(390);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout_5"));
    grid->setContentsMargins(3, 3, 3, 3);

    m_typeModel = new QStandardItemModel(this);
    for (const QString &text : {tr("Disable"), tr("User SMS"), tr("Quenor SMS"), tr("Phone call"),
                                tr("DC-09"), tr("SurGard")})
        m_typeModel->appendRow(new QStandardItem(text));

    m_top = addSection(QStringLiteral("wTop"), 2);
    auto *top = new QGridLayout(m_top);
    top->setContentsMargins(0, 0, 0, 0);
    m_lblType = label(QStringLiteral("lblType"), tr("Notification type:"), m_top);
    m_lblType->setMinimumWidth(100);
    m_cbType = named(new QComboBox(m_top), QStringLiteral("cbType"));
    m_cbType->setFixedWidth(240);
    m_cbType->setModel(m_typeModel);
    m_cbType->setCurrentIndex(-1);
    m_userLabel = label(QStringLiteral("userLabel"), tr("Current user:"), m_top);
    m_cbUserList = named(new QComboBox(m_top), QStringLiteral("cbUserList"));
    m_cbUserList->setFixedWidth(240);
    m_cbUserList->setMaxVisibleItems(20);
    top->addWidget(m_lblType, 0, 0);
    top->addWidget(m_cbType, 0, 1);
    top->addWidget(m_userLabel, 1, 0);
    top->addWidget(m_cbUserList, 1, 1);

    auto *phoneValidator = new QRegularExpressionValidator(phonePattern(), this);
    auto makePhoneEdit = [&](const QString &name, QWidget *parent) {
        auto *edit = named(new ContentAwareLineEdit(parent), name);
        edit->setMaximumWidth(240);
        edit->setValidator(phoneValidator);
        edit->setChecker(
            [this, edit](const QString &text) { return applyPhoneNumber(text, edit); });
        return edit;
    };

    m_userSms = addSection(QStringLiteral("userSMSSettings"), 3);
    auto *sms = new QGridLayout(m_userSms);
    sms->setContentsMargins(0, 0, 0, 0);
    m_leUserSms = makePhoneEdit(QStringLiteral("leUserSMSPhoneNumber"), m_userSms);
    m_cbLanguage = named(new QComboBox(m_userSms), QStringLiteral("cbUserLanguage"));
    m_cbLanguage->addItems({tr("Russian"), tr("English")});
    m_cbSendTime =
        named(new QCheckBox(tr("Send event time"), m_userSms), QStringLiteral("cbUserSendTime"));
    m_cbSendDate =
        named(new QCheckBox(tr("Send event date"), m_userSms), QStringLiteral("cbUserSendDate"));
    sms->addWidget(label(QStringLiteral("lblUserPhoneNumber"), tr("Phone number:"), m_userSms), 0,
                   0);
    sms->addWidget(m_leUserSms, 0, 1);
    sms->addWidget(label(QStringLiteral("lblUserLanguage"), tr("Language:"), m_userSms), 1, 0);
    sms->addWidget(m_cbLanguage, 1, 1);
    sms->addWidget(m_cbSendTime, 2, 1);
    sms->addWidget(m_cbSendDate, 3, 1);

    m_quenorSms = addSection(QStringLiteral("quenorSMSSettings"), 4);
    auto *quenor = new QGridLayout(m_quenorSms);
    quenor->setContentsMargins(0, 0, 0, 0);
    m_leQuenor = makePhoneEdit(QStringLiteral("leQuenorSMSPhoneNumber"), m_quenorSms);
    quenor->addWidget(
        label(QStringLiteral("lblQuenorSMSPhoneNumber"), tr("Phone number:"), m_quenorSms), 0, 0);
    quenor->addWidget(m_leQuenor, 0, 1);

    m_dc09 = addSection(QStringLiteral("dc09Settings"), 5);
    auto *dc09 = new QGridLayout(m_dc09);
    dc09->setContentsMargins(0, 0, 0, 0);
    m_leAddress = named(new HostEdit(m_dc09), QStringLiteral("leDC09ServerAddress"));
    m_leAddress->setMaxLength(32);
    m_leAddress->setHost(QString());
    m_sbPort = named(new SpinBoxWithValidator(m_dc09), QStringLiteral("sbDC09ServerPort"));
    m_sbPort->setRange(1, 65535);
    m_sbPort->setValidator(new QRegularExpressionValidator(portPattern(), this));
    m_sbPort->setMaximumWidth(195);
    m_cbNetwork = named(new QComboBox(m_dc09), QStringLiteral("cbNetworkConnectionChannel"));
    m_cbNetwork->addItems({tr("Auto"), tr("Ethernet"), tr("GPRS")});
    m_cbNetwork->setMaximumWidth(195);
    m_sbAnswerTimeout =
        named(new SpinBoxWithValidator(m_dc09), QStringLiteral("sbDC09AnswerTimeout"));
    m_sbAnswerTimeout->setRange(20, 99);
    m_sbAnswerTimeout->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[1-9]?[0-9]{1}")), this));
    m_sbAnswerTimeout->setMaximumWidth(195);
    m_gbEncryption = named(new QGroupBox(tr("Encryption"), m_dc09), QStringLiteral("gbEncryption"));
    m_gbEncryption->setCheckable(true);
    m_gbEncryption->setChecked(false);
    auto *encryption = new QHBoxLayout(m_gbEncryption);
    m_leKey = named(new QLineEdit(m_gbEncryption), QStringLiteral("leDC09EncryptionKey"));
    m_leKey->setMaxLength(32);
    m_leKey->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9abcdefABCDEF:]{0,32}$")), this));
    encryption->addWidget(
        label(QStringLiteral("lblDC09EncryptionKey"), tr("Key:"), m_gbEncryption));
    encryption->addWidget(m_leKey);
    auto *addressLabel = label(QStringLiteral("label_6"), tr("Address (IP or URL):"), m_dc09);
    addressLabel->setMinimumWidth(100);
    dc09->addWidget(addressLabel, 0, 0);
    dc09->addWidget(m_leAddress, 0, 1);
    dc09->addWidget(label(QStringLiteral("label_7"), tr("Port:"), m_dc09), 1, 0);
    dc09->addWidget(m_sbPort, 1, 1);
    dc09->addWidget(label(QStringLiteral("lbNetworkConnectionMode"), tr("Channel"), m_dc09), 2, 0);
    dc09->addWidget(m_cbNetwork, 2, 1);
    dc09->addWidget(label(QStringLiteral("lblRetrieCount_3"), tr("Answer timeout, sec:"), m_dc09),
                    3, 0);
    dc09->addWidget(m_sbAnswerTimeout, 3, 1);
    dc09->addWidget(m_gbEncryption, 4, 0, 1, 2);

    m_phoneCall = addSection(QStringLiteral("phoneCallSettings"), 6);
    auto *call = new QGridLayout(m_phoneCall);
    call->setContentsMargins(0, 0, 0, 0);
    m_lePhoneCall = makePhoneEdit(QStringLiteral("lePhoneCallPhoneNumber"), m_phoneCall);
    m_sbRetries = named(new QSpinBox(m_phoneCall), QStringLiteral("sbRetrieCount"));
    m_sbRetries->setRange(1, 99);
    call->addWidget(
        label(QStringLiteral("lblPhoneCallPhoneNumber"), tr("Phone number:"), m_phoneCall), 0, 0);
    call->addWidget(m_lePhoneCall, 0, 1);
    call->addWidget(label(QStringLiteral("lblRetrieCount"), tr("Retries count:"), m_phoneCall), 1,
                    0);
    call->addWidget(m_sbRetries, 1, 1);

    m_timeoutRow = addSection(QStringLiteral("wTimeoutOnError"), 7);
    auto *timeout = new QHBoxLayout(m_timeoutRow);
    timeout->setContentsMargins(0, 0, 0, 0);
    m_teTimeoutOnError = named(new FlowTimeEdit(m_timeoutRow), QStringLiteral("teTimeoutOnError"));
    m_teTimeoutOnError->setDisplayFormat(QStringLiteral("HH:mm"));
    m_teTimeoutOnError->setMinimumTime(MinimumTime);
    timeout->addWidget(
        label(QStringLiteral("lblTimeoutOnError"), tr("Timeout on error (hh:mm):"), m_timeoutRow));
    timeout->addWidget(m_teTimeoutOnError);

    m_gbTesting =
        named(new QGroupBox(tr("Channel testing"), this), QStringLiteral("gbTestingEnabled"));
    m_gbTesting->setCheckable(true);
    grid->addWidget(m_gbTesting, 8, 0);
    auto *testing = new QGridLayout(m_gbTesting);
    m_cbTestWhen = named(new QComboBox(m_gbTesting), QStringLiteral("cbTestWhen"));
    m_cbTestWhen->addItems({tr("Always"), tr("Channel is active")});
    m_cbTestType = named(new QComboBox(m_gbTesting), QStringLiteral("cbTestType"));
    m_cbTestType->addItems({tr("SMS"), tr("Call"), tr("SMS Quenor")});
    m_lblDc09TestType =
        label(QStringLiteral("lblDC09TestType"), QStringLiteral("DC09"), m_gbTesting);
    m_cbTestSchedule = named(new QComboBox(m_gbTesting), QStringLiteral("cbTestSchedule"));
    m_cbTestSchedule->addItems({tr("Interval"), tr("Schedule")});
    m_cbTestSchedule->setCurrentIndex(-1);
    m_lblTestingInterval =
        label(QStringLiteral("lblTestingInterval"), tr("Testing interval (hh:mm):"), m_gbTesting);
    m_teTestingInterval = named(new FlowTimeEdit(m_gbTesting), QStringLiteral("teTestingInterval"));
    m_teTestingInterval->setDisplayFormat(QStringLiteral("HH:mm"));
    m_teTestingInterval->setMinimumTime(MinimumTime);
    m_bfTestDays = named(new BitfieldWidget(m_gbTesting), QStringLiteral("bfTestDays"));
    m_bfTestDays->setCount(7);
    m_bfTestDays->setColumnCount(7);
    m_bfTestDays->setCellWidth(50);
    m_bfTestDays->setCellHeight(20);
    m_bfTestDays->setSpacing(2);
    m_bfTestDays->setOnBrush(Qt::yellow);
    m_bfTestDays->setOffBrush(Qt::darkGray);
    m_bfTestDays->setLabels(
        {tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat"), tr("Sun")});
    m_bfTestHours = named(new BitfieldWidget(m_gbTesting), QStringLiteral("bfTestHours"));
    m_bfTestHours->setCount(24);
    m_bfTestHours->setColumnCount(6);
    m_bfTestHours->setCellWidth(60);
    m_bfTestHours->setCellHeight(20);
    m_bfTestHours->setSpacing(2);
    m_bfTestHours->setOnBrush(QColor(99, 201, 169));
    m_bfTestHours->setOffBrush(QColor(211, 224, 220));
    m_bfTestHours->setPen(QPen(Qt::transparent));
    QStringList hours;
    for (int hour = 0; hour < 24; ++hour)
        hours.append(QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0')));
    m_bfTestHours->setLabels(hours);
    testing->addWidget(label(QStringLiteral("label_2"), tr("Test when:"), m_gbTesting), 0, 0);
    testing->addWidget(m_cbTestWhen, 0, 1);
    testing->addWidget(label(QStringLiteral("label"), tr("Testing mode:"), m_gbTesting), 1, 0);
    testing->addWidget(m_cbTestType, 1, 1);
    testing->addWidget(m_lblDc09TestType, 1, 1);
    testing->addWidget(label(QStringLiteral("label_3"), tr("Test schedule:"), m_gbTesting), 2, 0);
    testing->addWidget(m_cbTestSchedule, 2, 1);
    testing->addWidget(m_lblTestingInterval, 3, 0);
    testing->addWidget(m_teTestingInterval, 3, 1);
    testing->addWidget(m_bfTestDays, 4, 0, 1, 2);
    testing->addWidget(m_bfTestHours, 5, 0, 1, 2);
    grid->setRowStretch(9, 1);
}

void ChannelSettingsWidget::connectFields()
{
    using Self = ChannelSettingsWidget;
    auto bound = [this](auto store) {
        return [this, store](auto value) {
            if (m_channel && !m_showing)
                store(m_channel, value);
        };
    };
    connect(m_cbType, qOverload<int>(&QComboBox::currentIndexChanged), this, &Self::onTypeChanged);
    connect(m_cbUserList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Self::onChangeUserIndex);
    for (ContentAwareLineEdit *edit : {m_leUserSms, m_leQuenor, m_lePhoneCall})
        connect(edit, &QLineEdit::textEdited, this, &Self::onPhoneNumberEdited);
    connect(m_cbLanguage, qOverload<int>(&QComboBox::currentIndexChanged), this,
            bound([](ChannelSettings *c, int row) { c->setLanguage(row == 1); }));
    connect(m_cbSendDate, &QCheckBox::toggled, this,
            bound([](ChannelSettings *c, bool on) { c->setSendDate(on); }));
    connect(m_cbSendTime, &QCheckBox::toggled, this,
            bound([](ChannelSettings *c, bool on) { c->setSendTime(on); }));
    connect(m_leAddress, &QLineEdit::textChanged, this,
            bound([](ChannelSettings *c, const QString &text) { c->setHost(text, c->port()); }));
    connect(m_sbPort, qOverload<int>(&QSpinBox::valueChanged), this,
            bound([](ChannelSettings *c, int port) { c->setHost(c->host(), quint16(port)); }));
    connect(m_cbNetwork, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Self::onNetworkChannelChanged);
    connect(m_sbAnswerTimeout, qOverload<int>(&QSpinBox::valueChanged), this,
            bound([](ChannelSettings *c, int s) { c->setAnswerWaitTimeout(quint8(s)); }));
    connect(m_gbEncryption, &QGroupBox::toggled, this,
            bound([](ChannelSettings *c, bool on) { c->setEncrypt(on); }));
    connect(m_leKey, &QLineEdit::textEdited, this, [this](const QString &) {
        // A hidden key is typed anew in clear rather than edited blind.
        if (m_leKey->echoMode() == QLineEdit::Password) {
            m_leKey->setEchoMode(QLineEdit::Normal);
            m_leKey->clear();
        }
    });
    connect(m_leKey, &QLineEdit::editingFinished, this,
            [this] { m_leKey->setEchoMode(QLineEdit::Password); });
    connect(m_leKey, &QLineEdit::textChanged, this, bound([](ChannelSettings *c, const QString &t) {
                c->setEncryptionKey(QByteArray::fromHex(t.toUtf8()));
            }));
    connect(m_sbRetries, qOverload<int>(&QSpinBox::valueChanged), this,
            bound([](ChannelSettings *c, int n) { c->setDialAttempts(n); }));
    connect(m_teTimeoutOnError, &QTimeEdit::timeChanged, this,
            bound([](ChannelSettings *c, const QTime &t) { c->setTimeoutOnError(t); }));
    connect(m_gbTesting, &QGroupBox::toggled, this,
            bound([](ChannelSettings *c, bool on) { c->setTestEnabled(on); }));
    connect(m_cbTestWhen, qOverload<int>(&QComboBox::currentIndexChanged), this,
            bound([](ChannelSettings *c, int row) { c->setChannelsTestMode(row != 0); }));
    connect(m_cbTestType, qOverload<int>(&QComboBox::currentIndexChanged), this,
            bound([this](ChannelSettings *c, int row) {
                if (row >= 0)
                    c->setTestType(quint8(UnshownValues::pickedIndex(m_cbTestType)));
            }));
    connect(m_cbTestSchedule, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Self::onScheduleChanged);
    connect(m_teTestingInterval, &QTimeEdit::timeChanged, this,
            bound([](ChannelSettings *c, const QTime &t) { c->setTestInterval(t); }));
    connect(m_bfTestHours, &BitfieldWidget::bitsChanged, this, &Self::onTestHoursChanged);
    connect(m_bfTestDays, &BitfieldWidget::bitsChanged, this, [this](const QBitArray &) {
        if (m_channel && !m_showing)
            m_channel->setTestWeekDays(quint8(m_bfTestDays->toUInt64() & 0xFF));
    });
}

int ChannelSettingsWidget::typeIndex() const
{
    return m_cbType->currentIndex();
}

bool ChannelSettingsWidget::isTypeRowEnabled(int row) const
{
    const QStandardItem *item = m_typeModel->item(row);
    return item && item->isEnabled();
}

void ChannelSettingsWidget::setIpRowsEnabled(bool enabled)
{
    for (int row : {int(ChannelDc09), int(ChannelSurGard)})
        if (QStandardItem *item = m_typeModel->item(row))
            item->setEnabled(enabled);
}

void ChannelSettingsWidget::updateIpTypeRows()
{
    setIpRowsEnabled(freeIpChannel());
}

ContentAwareLineEdit *ChannelSettingsWidget::phoneEdit(quint8 type) const
{
    switch (type) {
    case ChannelUserSms:
        return m_leUserSms;
    case ChannelQuenorSms:
        return m_leQuenor;
    case ChannelCall:
        return m_lePhoneCall;
    default:
        return nullptr;
    }
}

void ChannelSettingsWidget::setChannel(quint8 directionIndex, ChannelSettings *channel)
{
    logTrace(this, QStringLiteral("Direction setting updated"));
    // Showing a channel writes nothing into it.
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_directionIndex = directionIndex;
    m_channel = channel;
    if (!m_channel) {
        onTypeChanged(-1);
        m_cbType->setCurrentIndex(-1);
        m_cbType->setEnabled(false);
        logWarning(this, QStringLiteral("Direction is nullptr"));
        return;
    }
    m_cbType->setEnabled(true);
    m_cbTestWhen->setCurrentIndex(m_channel->channelsTestMode() ? 1 : 0);
    const quint8 type = m_channel->type();
    const int row = type < m_typeModel->rowCount() ? type : -1;
    // The sections follow the bound channel even when its row is the one already shown.
    if (m_cbType->currentIndex() == row)
        onTypeChanged(row);
    else
        m_cbType->setCurrentIndex(row);
    m_teTestingInterval->setTime(m_channel->testInterval());
    m_teTimeoutOnError->setTime(m_channel->timeoutOnError());
    m_gbTesting->setChecked(m_channel->testEnabled());
    m_sbRetries->setValue(m_channel->dialAttempts());
    for (quint8 t : {quint8(ChannelUserSms), quint8(ChannelQuenorSms), quint8(ChannelCall)})
        phoneEdit(t)->setText(m_channel->phoneNumber(t));
    m_gbEncryption->setChecked(m_channel->encrypt());
    m_leKey->setText(QString::fromLatin1(m_channel->encryptionKey().toHex()));
    m_leKey->setEchoMode(QLineEdit::Password);
    updateIpTypeRows();
    if (type == ChannelDc09 || type == ChannelSurGard) {
        const quint16 port = m_channel->port();
        const quint8 link = m_channel->linkChannel();
        const quint8 answerTimeout = m_channel->answerWaitTimeout();
        m_leAddress->setHost(m_channel->host());
        m_sbPort->setValue(port);
        m_cbNetwork->setCurrentIndex(qMax(0, int(link) - m_networkBase));
        m_sbAnswerTimeout->setValue(answerTimeout);
        showIpTestLabel(type);
    } else {
        m_lblDc09TestType->hide();
        m_cbTestType->show();
        UnshownValues::showIndex(m_cbTestType, m_channel->testType());
    }
    m_cbTestSchedule->setCurrentIndex(m_channel->testPeriodMode() ? 1 : 0);
    onScheduleChanged(m_cbTestSchedule->currentIndex());
    QBitArray hours(24);
    for (const QTime &time : m_channel->testTimes())
        hours.setBit(time.hour());
    m_bfTestHours->setBits(hours);
    m_bfTestDays->setFromUInt64(m_channel->testWeekDays());
    if (!freeIpChannel())
        setIpRowsEnabled(false);
    switch (type) {
    case ChannelUserSms:
        m_cbLanguage->setCurrentIndex(m_channel->language() ? 1 : 0);
        m_cbSendDate->setChecked(m_channel->sendDate());
        m_cbSendTime->setChecked(m_channel->sendTime());
        Q_FALLTHROUGH();
    case ChannelQuenorSms:
    case ChannelCall:
        onFillUserCombo();
        setSectionsEnabled(true);
        break;
    case ChannelDc09:
    case ChannelSurGard:
        // The channel already holds one of the IP channels.
        m_typeModel->item(ChannelDc09)->setEnabled(true);
        if (!m_surGardHidden && m_typeModel->item(ChannelSurGard))
            m_typeModel->item(ChannelSurGard)->setEnabled(true);
        break;
    default:
        setSectionsEnabled(false);
        break;
    }
}

void ChannelSettingsWidget::showIpTestLabel(quint8 type)
{
    m_cbTestType->hide();
    m_lblDc09TestType->setText(type == ChannelDc09 ? QStringLiteral("DC-09")
                                                   : QStringLiteral("SurGard"));
    m_lblDc09TestType->show();
}

void ChannelSettingsWidget::setTypeEnabled(bool enabled)
{
    m_cbType->setEnabled(enabled);
    m_lblType->setEnabled(enabled);
    if (enabled)
        return;
    if (m_cbType->currentIndex() != 0)
        m_cbType->setCurrentIndex(0);
    else
        onTypeChanged(0);
}

void ChannelSettingsWidget::showTypeEnabled(bool enabled)
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    setTypeEnabled(enabled);
}

void ChannelSettingsWidget::countIpChannel(quint8 oldType, quint8 newType)
{
    Overmind *controller = overmind();
    if (!controller)
        return;
    auto isIp = [](quint8 type) { return type == ChannelDc09 || type == ChannelSurGard; };
    if (isIp(oldType) && !isIp(newType)) {
        controller->ipChannelCounts()[m_directionIndex] -= 1;
        if (controller->hasFreeIpChannel())
            emit blockDC09Items();
    } else if (!isIp(oldType) && isIp(newType)) {
        controller->ipChannelCounts()[m_directionIndex] += 1;
        if (!controller->hasFreeIpChannel())
            emit blockDC09Items();
    }
}

void ChannelSettingsWidget::onTypeChanged(int row)
{
    for (QWidget *section : {m_userSms, m_quenorSms, m_dc09, m_phoneCall})
        section->hide();
    m_lblDc09TestType->hide();
    m_cbTestType->show();
    m_timeoutRow->show();
    m_userLabel->show();
    m_cbUserList->show();
    m_gbTesting->show();
    if (!m_channel) {
        m_userSms->show();
        return;
    }
    const bool noRow = row < 0;
    const quint8 type = noRow ? m_channel->type() : quint8(row);
    if (!noRow && !m_showing)
        storeType(type);
    auto showUserSection = [this](QWidget *section) {
        onFillUserCombo();
        m_userLabel->show();
        m_cbUserList->show();
        section->show();
        setSectionsEnabled(true);
    };
    switch (type) {
    case ChannelDisabled:
        m_timeoutRow->hide();
        m_userLabel->hide();
        m_cbUserList->hide();
        m_gbTesting->hide();
        break;
    case ChannelUserSms:
        showUserSection(m_userSms);
        m_cbSendDate->setChecked(m_channel->sendDate());
        m_cbSendTime->setChecked(m_channel->sendTime());
        break;
    case ChannelQuenorSms:
        showUserSection(m_quenorSms);
        break;
    case ChannelCall:
        showUserSection(m_phoneCall);
        break;
    case ChannelDc09:
    case ChannelSurGard:
        m_userLabel->hide();
        m_cbUserList->hide();
        m_dc09->show();
        setSectionsEnabled(true);
        showIpTestLabel(type);
        m_gbEncryption->setVisible(type == ChannelDc09);
        break;
    default:
        m_userLabel->hide();
        m_cbUserList->hide();
        setSectionsEnabled(false);
        break;
    }
    updateUserInfo(m_channel->userId());
    emit typeChanged(channelGSMType_t(type));
}

// The user's choice of a type brings the fields that type needs into the channel.
void ChannelSettingsWidget::storeType(quint8 type)
{
    const quint8 old = m_channel->type();
    countIpChannel(old, type);
    m_channel->setType(type);
    if (m_channel->linkChannel() == 0)
        m_channel->setLinkChannel(1);
    if (type == ChannelDc09 || type == ChannelSurGard) {
        if (old != ChannelDc09 && old != ChannelSurGard)
            storeIpFields();
        m_channel->setTestType(type == ChannelDc09 ? 3 : 4);
    } else if (m_channel->testType() == 3 || m_channel->testType() == 4) {
        m_channel->setTestType(0);
        const QSignalBlocker blocker(m_cbTestType);
        UnshownValues::showIndex(m_cbTestType, 0);
    }
}

void ChannelSettingsWidget::storeIpFields()
{
    m_channel->setHost(m_leAddress->text(), quint16(m_sbPort->value()));
    m_channel->setLinkChannel(quint8(qMax(0, m_cbNetwork->currentIndex()) + m_networkBase));
    m_channel->setAnswerWaitTimeout(quint8(m_sbAnswerTimeout->value()));
    m_channel->setEncrypt(m_gbEncryption->isChecked());
    m_channel->setEncryptionKey(QByteArray::fromHex(m_leKey->text().toUtf8()));
}

void ChannelSettingsWidget::setSectionsEnabled(bool enabled)
{
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child != m_top)
            child->setEnabled(enabled);
    m_gbTesting->setVisible(enabled);
}

void ChannelSettingsWidget::onNetworkChannelChanged(int row)
{
    if (m_channel && row >= 0 && !m_showing)
        m_channel->setLinkChannel(quint8(row + m_networkBase));
    const QString text = m_cbNetwork->itemText(row);
    const bool slow = text == tr("Auto") || text == tr("GPRS");
    m_sbAnswerTimeout->setMinimum(slow ? 20 : 5);
}

void ChannelSettingsWidget::onScheduleChanged(int row)
{
    if (m_channel && row >= 0 && !m_showing)
        m_channel->setTestPeriodMode(row != 0);
    const bool schedule = row == 1;
    m_bfTestDays->setVisible(schedule);
    m_bfTestHours->setVisible(schedule);
    m_teTestingInterval->setVisible(!schedule);
    m_lblTestingInterval->setVisible(!schedule);
}

void ChannelSettingsWidget::onTestHoursChanged(const QBitArray &bits)
{
    if (!m_channel || m_showing)
        return;
    if (bits.count(true) > m_channel->maxTestTimes()) {
        QBitArray stored(24);
        for (const QTime &time : m_channel->testTimes())
            stored.setBit(time.hour());
        m_bfTestHours->setBits(stored);
        return;
    }
    QList<QTime> times;
    for (int hour = 0; hour < bits.size(); ++hour)
        if (bits.testBit(hour))
            times.append(QTime(hour, 0));
    m_channel->setTestTimes(times);
}

void ChannelSettingsWidget::resetIpFields()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_leAddress->setHost(QString());
    m_sbPort->setValue(1);
    m_cbNetwork->setCurrentIndex(0);
    m_sbAnswerTimeout->setValue(20);
    m_gbEncryption->setChecked(false);
    m_leKey->setText(DefaultKey);
}

void ChannelSettingsWidget::setSurGardHidden(bool hidden)
{
    m_surGardHidden = hidden;
    const int current = m_cbType->currentIndex();
    if (hidden && m_typeModel->rowCount() > ChannelSurGard) {
        m_typeModel->removeRow(ChannelSurGard);
    } else if (!hidden && m_typeModel->rowCount() == ChannelSurGard) {
        auto *row = new QStandardItem(tr("SurGard"));
        row->setEnabled(isTypeRowEnabled(ChannelDc09));
        m_typeModel->appendRow(row);
    }
    const QSignalBlocker blocker(m_cbType);
    m_cbType->setModel(m_typeModel);
    m_cbType->setCurrentIndex(current < m_typeModel->rowCount() ? current : -1);
}

void ChannelSettingsWidget::onFillUserCombo()
{
    m_cbUserList->clear();
    Overmind *controller = overmind();
    UserModel *users = controller ? controller->userModel() : nullptr;
    if (!users)
        return;
    if (users != m_userModel) {
        m_userModel = users;
        connect(users, &UserModel::signalUpdateUserList, this,
                &ChannelSettingsWidget::onFillUserCombo, Qt::UniqueConnection);
    }
    const QSignalBlocker blocker(m_cbUserList);
    for (UserSettings *user : users->users())
        m_cbUserList->addItem(user->jsonKey(), user->id());
    m_cbUserList->addItem(tr("None"));
    if (!m_channel)
        return;
    const int row = m_cbUserList->findData(m_channel->userId());
    m_cbUserList->setCurrentIndex(row >= 0 ? row : m_cbUserList->count() - 1);
    setPhoneText(m_channel->type(), m_channel->phoneNumber(m_channel->type()));
}

void ChannelSettingsWidget::onChangeUserIndex(int row)
{
    // A shown channel keeps its own number; only the user's pick copies a user's phone.
    if (row < 0 || !m_userModel || !m_channel || m_showing)
        return;
    const QVariant data = m_cbUserList->itemData(row);
    QString number;
    quint8 id = 255;
    if (data.isValid()) {
        id = quint8(data.toUInt());
        const UserSettings *user = m_userModel->userById(id);
        const QString phone = user ? user->phoneText() : QString();
        number = phone.mid(phone.startsWith(QLatin1Char('+')) ? 1 : 0).toULongLong() > 0
                     ? phone
                     : QString();
    } else {
        number = m_channel->phoneNumber(m_channel->type());
    }
    m_channel->setUserId(id);
    setPhoneText(m_channel->type(), number);
    m_channel->setPhoneNumber(number);
}

void ChannelSettingsWidget::updateUserInfo(int userId)
{
    if (!m_userModel || !m_channel || !m_userModel->userById(quint8(userId)))
        return;
    const int row = m_cbUserList->findData(userId);
    if (row >= 0)
        onChangeUserIndex(row);
}

void ChannelSettingsWidget::onPhoneNumberEdited(const QString &text)
{
    auto *edit = qobject_cast<ContentAwareLineEdit *>(sender());
    if (!m_channel)
        return;
    const bool stored = m_channel->setPhoneNumber(text);
    if (edit) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, stored ? QPalette().color(QPalette::Text) : Qt::red);
        edit->setPalette(palette);
    }
    int row = m_cbUserList->count() - 1;
    if (!text.isEmpty() && m_userModel) {
        for (UserSettings *user : m_userModel->users()) {
            if (user->phoneText() == text) {
                row = m_cbUserList->findText(user->jsonKey());
                break;
            }
        }
    }
    const int cursor = edit ? edit->cursorPosition() : 0;
    if (row != m_cbUserList->currentIndex())
        m_cbUserList->setCurrentIndex(row);
    if (edit)
        edit->setCursorPosition(qMin(cursor, edit->text().size()));
}

void ChannelSettingsWidget::setPhoneText(quint8 type, const QString &text)
{
    if (ContentAwareLineEdit *edit = phoneEdit(type)) {
        edit->setText(text);
        edit->check();
    }
}

bool ChannelSettingsWidget::applyPhoneNumber(const QString &text, ContentAwareLineEdit *edit)
{
    if (text.isEmpty())
        return false;
    const QString normal = normalizePhoneNumber(text);
    if (!phonePattern().match(normal).hasMatch())
        return false;
    if (normal != edit->text()) {
        const int cursor = edit->cursorPosition();
        const bool grew = normal.size() > edit->text().size();
        edit->setText(normal);
        edit->setCursorPosition(grew ? normal.size() : cursor);
    }
    return true;
}
