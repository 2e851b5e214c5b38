#include "pages/comms/GSMSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/HintLabel.h"
#include "pages/comms/SimAPNValidator.h"
#include "pages/comms/SimPinDialog.h"

#include <QCheckBox>
#include <QDebug>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <cstring>

namespace {
constexpr int TextLimit = 50;
const QString AcceptedStyle =
    QStringLiteral("QLineEdit { background-color: #ffffff; border: 1px solid green; }");
const QString RefusedStyle =
    QStringLiteral("QLineEdit { background-color: #ffcccc; border: 1px solid red; }");

Overmind *overmind()
{
    return Overmind::instance();
}

bool canEdit()
{
    return overmind() && overmind()->canEdit();
}

bool isViewing()
{
    return overmind() && overmind()->isViewingMode();
}

QLabel *captionLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit *lineEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QString simName(const char *format, int sim)
{
    return QString::fromLatin1(format).arg(sim + 1);
}

QString simSuffix(int sim)
{
    return sim == 0 ? QString() : QStringLiteral("2");
}
} // namespace

GSMSettingsWidget::GSMSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    std::memset(&m_lastOldStatus, 0, sizeof(m_lastOldStatus));
    setupUi();
    setAccessibleNames();
    m_pinDialog = new SimPinDialog();
    connect(m_pinDialog, &SimPinDialog::saveNewPinCode, this, &GSMSettingsWidget::saveNewPinCode);
    for (int sim = 0; sim < 2; ++sim) {
        SimControls &controls = m_sims[sim];
        connect(controls.pin, &QLineEdit::textChanged, this, &GSMSettingsWidget::pinRule);
        QLineEdit *apn = controls.apn;
        connect(apn, &QLineEdit::textChanged, this, [this, apn] { apnRule(apn); });
        QLineEdit *password = controls.password;
        connect(password, &QLineEdit::textChanged, this,
                [this, password] { markFit(password, GSMSettings::Password); });
        connect(controls.togglePin, &QPushButton::clicked, this,
                [this, sim] { onToggleClicked(sim); });
        connect(controls.changePin, &QPushButton::clicked, this,
                [this, sim] { changeSimPin(sim); });
    }
    connect(m_reset, &QPushButton::clicked, this, &GSMSettingsWidget::settingsReset);
    connect(m_save, &QPushButton::clicked, this, &GSMSettingsWidget::onSaveClicked);
    connect(m_enableGsm, &QCheckBox::stateChanged, this, &GSMSettingsWidget::onEnableToggled);
    connect(m_enableReserve, &QCheckBox::stateChanged, this,
            [this] { m_sims[1].group->setEnabled(m_enableReserve->isChecked()); });
    if (Overmind *controller = overmind()) {
        connect(controller, &Overmind::loginSuccessful, this, &GSMSettingsWidget::connected);
        connect(controller, &Overmind::disconnected, this, &GSMSettingsWidget::disconnected);
    }
    setEnabled(false);
    setFocusWidget(m_enableGsm);
}

GSMSettingsWidget::~GSMSettingsWidget()
{
    delete m_pinDialog;
}

void GSMSettingsWidget::setupUi()
{
    setObjectName(QStringLiteral("GSMSettingsWidget"));
    setWindowTitle(QStringLiteral("Form"));
    resize(1000, 600);
    setMouseTracking(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(makeMainGroup(), 0, 0, 2, 1);
    grid->addWidget(makeSimGroup(0), 0, 1);
    grid->addWidget(makeSimGroup(1), 1, 1);
    auto *buttons = new QHBoxLayout();
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumSize(200, 30);
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumSize(200, 30);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 2);

    QWidget *order[] = {m_enableGsm,
                        m_enableGprs,
                        m_enableReserve,
                        m_redirectUssd,
                        m_threshold,
                        m_transmit,
                        m_sims[0].togglePin,
                        m_sims[0].pin,
                        m_sims[0].changePin,
                        m_sims[0].ussd,
                        m_sims[0].apn,
                        m_sims[0].username,
                        m_sims[0].password,
                        m_sims[1].togglePin,
                        m_sims[1].pin,
                        m_sims[1].changePin,
                        m_sims[1].ussd,
                        m_sims[1].apn,
                        m_sims[1].username,
                        m_sims[1].password,
                        m_save,
                        m_reset};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget *GSMSettingsWidget::makeMainGroup()
{
    m_mainGroup = new QWidget(this);
    m_mainGroup->setObjectName(QStringLiteral("gbMainSettings"));
    m_mainGroup->setMaximumWidth(450);
    auto *grid = new QGridLayout(m_mainGroup);
    grid->setVerticalSpacing(15);
    const auto checkRow = [this, grid](int row, const char *name, const char *labelName,
                                       const QString &caption, const char *hintName,
                                       const QString &hint) {
        grid->addWidget(captionLabel(m_mainGroup, labelName, caption), row, 0);
        auto *box = new QCheckBox(m_mainGroup);
        box->setObjectName(QLatin1String(name));
        grid->addWidget(box, row, 2);
        grid->addWidget(makeHintLabel(m_mainGroup, QLatin1String(hintName), hint), row, 3);
        return box;
    };
    m_enableGsm = checkRow(0, "cbEnableGSM", "lblEnableGSM", tr("Enable GSM"), "lblEnableGSMHint",
                           hintText(QStringLiteral("Включить модуль GSM"),
                                    QStringLiteral("Включает или выключает модуль GSM.")));
    m_enableGprs = checkRow(
        1, "cbEnableGPRS", "lblEnableGPRS", tr("Enable GPRS"), "lblEnableGPRSHint",
        hintText(QStringLiteral("Использовать GPRS"),
                 QStringLiteral("Передача данных через GPRS, 3G, 4G и другие доступные сети.")));
    m_enableReserve = checkRow(
        2, "cbEnableReserve", "lblEnableReserve", tr("Enable reserve SIM-card"),
        "lblEnableReserveHint",
        hintText(QStringLiteral("Использовать слот второй SIM-карты (слот SIM2)"),
                 QStringLiteral("При неполадках с SIM-картой в слоте SIM1 прибор переходит на "
                                "карту в слоте SIM2 и обратно. Если выключено, используется "
                                "только слот SIM1.")));
    m_redirectUssd = checkRow(
        3, "cbRedirectUssd", "lblRedirectUssd", tr("Redirect USSD"), "lblRedirectUssdHint",
        hintText(QStringLiteral("Включить USSD для управляющих SMS"),
                 QStringLiteral("USSD-запросы можно отправлять SMS-командой; результат приходит "
                                "на номер пользователя, отправившего команду.")));
    grid->addWidget(captionLabel(m_mainGroup, "lblBalanceNotificationThreshold",
                                 tr("Balance notification threshold")),
                    8, 0);
    m_threshold = new QSpinBox(m_mainGroup);
    m_threshold->setObjectName(QStringLiteral("sbBalanceNotificationThreshold"));
    m_threshold->setRange(-32768, 32767);
    grid->addWidget(m_threshold, 8, 1, 1, 2);
    grid->addWidget(makeHintLabel(m_mainGroup,
                                  QStringLiteral("lblBalanceNotificationThresholdHint"),
                                  hintText(QStringLiteral("Порог снижения баланса"),
                                           QStringLiteral("Баланс счёта SIM-карты, при котором "
                                                          "прибор отправляет уведомление."),
                                           QString())),
                    8, 3);
    m_transmit = checkRow(
        9, "cbTransmit", "lblEnableTransmit", tr("Enable Transmit"), "lblEnableTransmitHint",
        hintText(QStringLiteral("Разрешить трансляцию событий"),
                 QStringLiteral("Если снять отметку, события не передаются по GSM: систему можно "
                                "настраивать и проверять без расходов на связь.")));
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 10, 0);
    return m_mainGroup;
}

QGroupBox *GSMSettingsWidget::makeSimGroup(int sim)
{
    SimControls &controls = m_sims[sim];
    auto *group = new QGroupBox(tr("SIM %1").arg(sim + 1), this);
    group->setObjectName(simName("gbSim%1", sim));
    controls.group = group;
    auto *grid = new QGridLayout(group);
    const auto hint = [group, sim](const char *format, const QString &heading,
                                   const QString &body) {
        return makeHintLabel(group, simName(format, sim), hintText(heading, body));
    };
    controls.togglePin = new QPushButton(tr("Disable PIN"), group);
    controls.togglePin->setObjectName(simName("pbSim%1TogglePIN", sim));
    grid->addWidget(controls.togglePin, 0, 1);
    grid->addWidget(hint("lblSim%1TogglePINHint",
                         QStringLiteral("Включение/выключение защиты PIN кодом"),
                         QStringLiteral("Кнопка передаёт настройку самой SIM-карте; после этого "
                                        "карта запрашивает PIN и в любом телефоне.")),
                    0, 2);
    grid->addWidget(captionLabel(group, "lblPIN", tr("PIN")), 1, 0);
    controls.pin = lineEdit(group, simName("leSim%1PIN", sim));
    grid->addWidget(controls.pin, 1, 1);
    grid->addWidget(hint("lblSim%1PINHint", QStringLiteral("PIN код"),
                         QStringLiteral("Введите PIN, уже установленный на этой SIM-карте. "
                                        "Чтобы изменить PIN карты, нажмите кнопку изменения.")),
                    1, 2);
    controls.changePin = new QPushButton(tr("Change..."), group);
    controls.changePin->setObjectName(simName("pbSim%1ChangePIN", sim));
    grid->addWidget(controls.changePin, 1, 3);
    grid->addWidget(hint("lblSim%1ChangePINHint", QStringLiteral("Изменение PIN-кода"),
                         QStringLiteral("PIN можно изменить только после включения защиты "
                                        "PIN-кодом.")),
                    1, 4);
    grid->addWidget(captionLabel(group, "lblUSSD", tr("USSD for balance check")), 2, 0);
    controls.ussd = lineEdit(group, simName("leSim%1USSD", sim));
    controls.ussd->setMaxLength(31);
    grid->addWidget(controls.ussd, 2, 1);
    grid->addWidget(hint("lblSim%1USSDHint", QStringLiteral("Код USSD для запроса баланса"),
                         QStringLiteral("Используется, когда прибор запрашивает баланс сам или "
                                        "по SMS-команде, например *100#, *102#, *105#, в "
                                        "зависимости от оператора.")),
                    2, 2);

    controls.advanced = new QGroupBox(tr("Advanced settings"), group);
    controls.advanced->setObjectName(QStringLiteral("gbAdvanced") + simSuffix(sim));
    auto *advanced = new QGridLayout(controls.advanced);
    const QString notNeeded = QStringLiteral("Обычно настройка не требуется. ");
    const struct
    {
        const char *label;
        QString caption;
        const char *edit;
        const char *hint;
        QString heading;
        QString body;
    } rows[] = {
        {"lblAPN", tr("APN"), "leSim%1APN", "lblSim%1APNHint",
         QStringLiteral("Адрес точки доступа"),
         notNeeded + QStringLiteral("Заполните при неполадках или по требованию оператора.")},
        {"lblUsername", tr("Username"), "leSim%1Username", "lblSim%1UsernameHint",
         QStringLiteral("Имя пользователя"),
         notNeeded + QStringLiteral("Некоторым операторам оно нужно для GPRS.")},
        {"lblPassword", tr("Password"), "leSim%1Password", "lblSim%1PasswordHint",
         QStringLiteral("Пароль пользователя"),
         notNeeded + QStringLiteral("Некоторым операторам он нужен для GPRS.")},
    };
    QLineEdit **edits[] = {&controls.apn, &controls.username, &controls.password};
    for (int row = 0; row < 3; ++row) {
        advanced->addWidget(captionLabel(controls.advanced, rows[row].label, rows[row].caption),
                            row, 0);
        *edits[row] = lineEdit(controls.advanced, simName(rows[row].edit, sim));
        advanced->addWidget(*edits[row], row, 1);
        advanced->addWidget(makeHintLabel(controls.advanced, simName(rows[row].hint, sim),
                                          hintText(rows[row].heading, rows[row].body)),
                            row, 2);
    }
    grid->addWidget(controls.advanced, 3, 0, 1, 5);
    setupValidators(controls);
    return group;
}

void GSMSettingsWidget::setupValidators(SimControls &controls)
{
    const auto pattern = [](const QString &text, QObject *parent) {
        return new QRegularExpressionValidator(QRegularExpression(text), parent);
    };
    controls.pin->setValidator(pattern(QStringLiteral("[0-9]{4,8}"), controls.pin));
    controls.apn->setValidator(new SimAPNValidator(controls.apn));
    controls.username->setValidator(
        pattern(QStringLiteral("^[0-9a-zA-Z]{0,%1}$").arg(TextLimit), controls.username));
    controls.password->setValidator(
        pattern(QStringLiteral("^[a-zA-Z0-9№_~!@#\\$%\\^&\\*\\-\\+=\\|\\(\\)\\{\\}\\[\\]:;<>\\,"
                               "\\.\\?]{0,%1}$")
                    .arg(TextLimit),
                controls.password));
    controls.ussd->setValidator(
        pattern(QStringLiteral("^[#*]{1,2}[0-9]{2,4}([*]{1,2}#$)|[#*]{1,2}[0-9]{2,4}(([#*]{1,2}"
                               "[0-9]{1,12}){1,}#$)"),
                controls.ussd));
}

void GSMSettingsWidget::setAccessibleNames()
{
    const QString prefix = QStringLiteral("GSMsettings");
    const auto nameFor = [&prefix](const QString &name) {
        const QString rest = name.mid(2);
        if (name.startsWith(QLatin1String("rb")))
            return prefix + QStringLiteral("Radio") + rest;
        if (name.startsWith(QLatin1String("pb")))
            return prefix + QStringLiteral("Btn") + rest;
        if (name.startsWith(QLatin1String("sb")))
            return prefix + QStringLiteral("Spin") + rest;
        if (name.startsWith(QLatin1String("le")))
            return prefix + QStringLiteral("Line") + rest;
        if (name.startsWith(QLatin1String("cb")) || name.startsWith(QLatin1String("lb")))
            return prefix + rest;
        return QString();
    };
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        child->setAccessibleName(prefix + QStringLiteral("Btn") + child->objectName().mid(2));
        if (!child->objectName().startsWith(QLatin1String("gb")))
            continue;
        for (QWidget *inner : child->findChildren<QWidget *>()) {
            const QString name = nameFor(inner->objectName());
            if (!name.isEmpty())
                inner->setAccessibleName(name);
        }
    }
}

void GSMSettingsWidget::setSettings(GSMSettings *settings)
{
    logDebug(this, QStringLiteral("Settings binded"));
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (!settings)
        return;
    connect(settings, &GSMSettings::settingsUpdated, this, &GSMSettingsWidget::settingsUpdated);
    connect(settings, &GSMSettings::simPinStatusUpdated, this,
            &GSMSettingsWidget::simPinStatusUpdated);
}

GSMSettings *GSMSettingsWidget::settings() const
{
    return m_settings;
}

void GSMSettingsWidget::pinRule(const QString &text)
{
    m_save->setEnabled(text.size() >= 4 && !isViewing());
}

void GSMSettingsWidget::apnRule(QLineEdit *edit)
{
    SimAPNValidator validator;
    QString text = edit->text();
    int position = 0;
    const bool acceptable = validator.validate(text, position) == QValidator::Acceptable;
    edit->setStyleSheet(acceptable ? AcceptedStyle : RefusedStyle);
    m_save->setEnabled(acceptable);
}

// A text may pass its pattern and still not fit its field (a "№" takes three bytes).
void GSMSettingsWidget::markFit(QLineEdit *edit, GSMSettings::SimField field)
{
    edit->setStyleSheet(GSMSettings::fits(field, edit->text()) ? QString() : RefusedStyle);
}

QLineEdit *GSMSettingsWidget::fieldEdit(int sim, GSMSettings::SimField field) const
{
    const SimControls &controls = m_sims[sim];
    switch (field) {
    case GSMSettings::Apn:
        return controls.apn;
    case GSMSettings::Username:
        return controls.username;
    case GSMSettings::Password:
        return controls.password;
    case GSMSettings::UssdRequest:
        return controls.ussd;
    case GSMSettings::Pin:
        break;
    }
    return controls.pin;
}

QStringList GSMSettingsWidget::overLongFields() const
{
    QStringList fields;
    const struct
    {
        GSMSettings::SimField field;
        QString caption;
    } checked[] = {{GSMSettings::Apn, tr("APN")},
                   {GSMSettings::Password, tr("Password")},
                   {GSMSettings::Pin, tr("PIN")},
                   {GSMSettings::Username, tr("Username")},
                   {GSMSettings::UssdRequest, tr("USSD for balance check")}};
    for (int sim = 0; sim < 2; ++sim)
        for (const auto &entry : checked)
            if (!GSMSettings::fits(entry.field, fieldEdit(sim, entry.field)->text()))
                fields << tr("SIM %1: %2 (at most %3 bytes)")
                              .arg(sim + 1)
                              .arg(entry.caption)
                              .arg(GSMSettings::maxBytes(entry.field));
    return fields;
}

void GSMSettingsWidget::onEnableToggled()
{
    const bool on = m_enableGsm->isChecked() && canEdit();
    for (QWidget *child : m_mainGroup->findChildren<QWidget *>())
        if (child != m_enableGsm)
            child->setEnabled(on);
    m_sims[0].group->setEnabled(on);
    m_sims[1].group->setEnabled(on && m_enableReserve->isChecked());
}

void GSMSettingsWidget::updateWidget()
{
    settingsUpdated();
}

void GSMSettingsWidget::settingsUpdated()
{
    if (!m_settings)
        return;
    const GSMSettings &object = *m_settings;
    m_enableGsm->setChecked(object.gsmEnabled());
    m_enableGprs->setChecked(object.gprsEnabled());
    m_enableReserve->setChecked(object.reserveSim());
    m_redirectUssd->setChecked(object.ussdEnabled());
    for (int sim = 0; sim < 2; ++sim)
        for (GSMSettings::SimField field :
             {GSMSettings::Apn, GSMSettings::Password, GSMSettings::Pin, GSMSettings::Username,
              GSMSettings::UssdRequest})
            fieldEdit(sim, field)->setText(object.simText(sim, field));
    m_transmit->setChecked(object.transmitEnabled());
    m_threshold->setValue(object.balanceThreshold());
    onEnableToggled();
    if (m_enableGsm->isChecked())
        m_sims[1].group->setEnabled(m_enableReserve->isChecked());
}

void GSMSettingsWidget::connected()
{
    setEnabled(true);
    const bool edit = canEdit();
    m_mainGroup->setEnabled(edit);
    if (m_settings && m_settings->reserveSim()) {
        m_sims[0].group->setEnabled(edit);
        m_sims[1].group->setEnabled(edit);
    }
    m_save->setEnabled(edit && !isViewing());
    m_reset->setEnabled(edit && !isViewing());
    connectStatusSignals();
    if (isViewing())
        for (const SimControls &controls : m_sims) {
            controls.togglePin->setEnabled(false);
            controls.changePin->setEnabled(false);
        }
}

void GSMSettingsWidget::connectStatusSignals()
{
    Overmind *controller = overmind();
    Protocol *link = controller ? controller->protocol() : nullptr;
    if (!link)
        return;
    connect(link, &Protocol::gsmStatus, this, &GSMSettingsWidget::gsmStatusUpdated,
            Qt::UniqueConnection);
    connect(link, &Protocol::gsmStatusOld, this, &GSMSettingsWidget::gsmStatusOldUpdated,
            Qt::UniqueConnection);
}

void GSMSettingsWidget::disconnected()
{
    setEnabled(false);
}

void GSMSettingsWidget::save()
{
    if (!m_settings)
        return;
    GSMSettings &object = *m_settings;
    object.setGsmEnabled(m_enableGsm->isChecked());
    object.setGprsEnabled(m_enableGprs->isChecked());
    object.setReserveSim(m_enableReserve->isChecked());
    object.setUssdEnabled(m_redirectUssd->isChecked());
    for (int sim = 0; sim < 2; ++sim)
        for (GSMSettings::SimField field :
             {GSMSettings::Apn, GSMSettings::Password, GSMSettings::Pin, GSMSettings::Username,
              GSMSettings::UssdRequest})
            object.setSimText(sim, field, fieldEdit(sim, field)->text());
    object.setTransmitEnabled(m_transmit->isChecked());
    object.setBalanceThreshold(qint16(m_threshold->value()));
    object.store();
}

void GSMSettingsWidget::onSaveClicked()
{
    // Saving a text that does not fit would drop it while reporting success.
    const QStringList overLong = overLongFields();
    if (!overLong.isEmpty()) {
        for (int sim = 0; sim < 2; ++sim)
            markFit(m_sims[sim].password, GSMSettings::Password);
        MessageBoxU::warning(tr("These texts are too long and nothing was saved:\n%1")
                                 .arg(overLong.join(QLatin1Char('\n'))),
                             tr("Warning"));
        return;
    }
    save();
}

void GSMSettingsWidget::saveSettings()
{
    if (m_save->isEnabled()) {
        onSaveClicked();
        return;
    }
    if (m_sims[0].pin->text().size() < 4)
        MessageBoxU::exec(this, QMessageBox::Warning, tr("Unable to save PIN with invalid value"),
                          tr("Settings was changed"), QMessageBox::Ok);
}

bool GSMSettingsWidget::hasChanges()
{
    if (!m_settings)
        return false;
    const GSMSettings &object = *m_settings;
    if (m_enableGsm->isChecked() != object.gsmEnabled() ||
        m_enableGprs->isChecked() != object.gprsEnabled() ||
        m_enableReserve->isChecked() != object.reserveSim() ||
        m_redirectUssd->isChecked() != object.ussdEnabled() ||
        m_transmit->isChecked() != object.transmitEnabled() ||
        m_threshold->value() != object.balanceThreshold())
        return true;
    for (int sim = 0; sim < 2; ++sim)
        for (GSMSettings::SimField field :
             {GSMSettings::Apn, GSMSettings::Password, GSMSettings::Pin, GSMSettings::Username,
              GSMSettings::UssdRequest})
            if (fieldEdit(sim, field)->text() != object.simText(sim, field))
                return true;
    return false;
}

bool GSMSettingsWidget::isLocked()
{
    return !m_save->isEnabled();
}

void GSMSettingsWidget::settingsReset()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_settings)
        m_settings->resetToDefaults();
}

void GSMSettingsWidget::onToggleClicked(int sim)
{
    // Newer devices send no older-format status: their card's last SIM control answer
    // tells whether its PIN protection is on (event 9).
    const bool pinOn = m_hasOldStatus ? m_lastOldStatus.bytes[1] == 1 : m_lastSimEvent[sim] == 9;
    togglePinCode(sim, !pinOn);
}

void GSMSettingsWidget::togglePinCode(int sim, bool on)
{
    Overmind *controller = overmind();
    if (controller && controller->protocol())
        controller->protocol()->sendSimControl(
            SimPinDialog::request(on ? SimPinDialog::EnablePin : SimPinDialog::DisablePin, sim));
}

void GSMSettingsWidget::changeSimPin(int sim)
{
    qDebug() << "changeSimPin s.event =" << 18;
    s_SimcardStatus status;
    std::memset(&status, 0, sizeof(status));
    status.event = 18;
    status.data[0] = quint8(sim == 0 ? 0 : 1);
    if (m_pinDialog->showStatus(status))
        m_pinDialog->show();
}

void GSMSettingsWidget::saveNewPinCode(int sim, const QString &pin)
{
    if (!m_settings)
        return;
    const int card = sim == 0 ? 0 : 1;
    if (!m_settings->setSimText(card, GSMSettings::Pin, pin))
        return;
    // Only the PIN edit follows: other edits on the page stay the user's.
    fieldEdit(card, GSMSettings::Pin)->setText(pin);
    m_settings->store();
}

void GSMSettingsWidget::gsmStatusOldUpdated(const GSMStatusOld_t &status)
{
    const int active = (status.bytes[0] & 0x02) ? 1 : 0;
    const bool pinOn = status.bytes[1] == 1;
    SimControls &current = m_sims[active];
    SimControls &other = m_sims[1 - active];
    current.togglePin->setEnabled(true);
    other.togglePin->setEnabled(false);
    current.togglePin->setText(pinOn ? tr("Disable PIN") : tr("Enable PIN"));
    current.changePin->setEnabled(pinOn);
    other.changePin->setEnabled(false);
    m_lastOldStatus = status;
    m_hasOldStatus = true;
}

void GSMSettingsWidget::gsmStatusUpdated(const GSMStatus_t &status)
{
    const quint8 active = status.bytes[2];
    for (int sim = 0; sim < 2; ++sim) {
        const bool on = active == sim;
        m_sims[sim].togglePin->setEnabled(on);
        m_sims[sim].changePin->setEnabled(on);
    }
}

void GSMSettingsWidget::simPinStatusUpdated(const s_SimcardStatus &status)
{
    logWarning(this, QStringLiteral("Sim control status received. Type: %1 Retries: %2")
                         .arg(status.event)
                         .arg(status.data[1]));
    const int sim = status.data[0] == 0 ? 0 : 1;
    m_lastSimEvent[sim] = status.event;
    const bool pinOn = status.event == 9;
    m_sims[sim].togglePin->setText(pinOn ? tr("Disable PIN") : tr("Enable PIN"));
    m_sims[0].changePin->setEnabled(false);
    m_sims[1].changePin->setEnabled(false);
    m_sims[sim].changePin->setEnabled(pinOn);
    if (m_pinDialog->showStatus(status))
        m_pinDialog->show();
}
