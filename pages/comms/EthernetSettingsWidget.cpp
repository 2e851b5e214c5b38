#include "pages/comms/EthernetSettingsWidget.h"

#include "app/IpV4Edit.h"
#include "app/IpV6Edit.h"
#include "app/LineCopyWidget.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/HintLabel.h"
#include "pages/users/UserModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int GprsIndex = 2;
const char *const RemoteServiceHost = "Korvel Cloud";
const QString InvalidStyle = QStringLiteral("QLineEdit { background-color: pink }");
const QString ValidStyle = QStringLiteral("QLineEdit { background-color: white }");

Overmind *overmind()
{
    return Overmind::instance();
}

bool isViewing()
{
    return overmind() && overmind()->isViewingMode();
}

const QRegularExpression &ipv4Regex()
{
    static const QString octet =
        QStringLiteral("([0-9]?|[1-9]\\d{1})|(1\\d{2})|(2[0-4]\\d)|(25[0-5])");
    static const QRegularExpression pattern(
        QStringLiteral("^((") + octet + QStringLiteral(")\\.){3}(") + octet + QStringLiteral(")$"));
    return pattern;
}

QLabel *captionLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit *macEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setInputMask(QStringLiteral("HH:HH:HH:HH:HH:HH"));
    edit->setMinimumWidth(168);
    return edit;
}
} // namespace

EthernetSettingsWidget::EthernetSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setupUi();
    m_wifi->hide();
    if (Overmind *controller = overmind())
        connect(controller, &Overmind::setKorvelType, this, &EthernetSettingsWidget::onInitWidget);
    connect(m_save, &QPushButton::clicked, this, &EthernetSettingsWidget::onSaveSettings);
    connect(m_reset, &QPushButton::clicked, this, &EthernetSettingsWidget::onResetSettings);
    connect(m_remote, &QCheckBox::toggled, this, &EthernetSettingsWidget::onRemoteControl);
    for (const AddressField &field : qAsConst(m_addressFields)) {
        QLineEdit *edit = field.edit;
        connect(edit, &QLineEdit::textChanged, this, [edit] {
            if (edit->styleSheet() == InvalidStyle)
                edit->setStyleSheet(ValidStyle);
        });
    }
    connect(m_channel, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &EthernetSettingsWidget::onChannelChanged);
    for (QRadioButton *button : {m_automatic, m_asServer, m_manual})
        connect(button, &QRadioButton::clicked, this, &EthernetSettingsWidget::radioButtonClicked);
    setFocusWidget(m_macLabel);
    setEnabled(false);
}

void EthernetSettingsWidget::setupUi()
{
    setObjectName(QStringLiteral("EthernetSettingsWidget"));
    setMouseTracking(true);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QWidget(this);
    top->setObjectName(QStringLiteral("wTop"));
    setupTopGrid(top);
    layout->addWidget(top);
    auto *addresses = new QWidget(this);
    addresses->setObjectName(QStringLiteral("wAddresses"));
    setupAddressGrid(addresses);
    layout->addWidget(addresses);
    auto *buttons = new QHBoxLayout();
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    QWidget *order[] = {m_getVerifyCode, m_serverName, m_channel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    QWidget *previous = m_channel;
    for (const AddressField &field : qAsConst(m_addressFields)) {
        setTabOrder(previous, field.edit);
        previous = field.edit;
    }
    setTabOrder(previous, m_save);
    setTabOrder(m_save, m_reset);
}

QLabel *EthernetSettingsWidget::hintIcon(const char *name)
{
    return makeHintLabel(this, QLatin1String(name), QString(), 20);
}

void EthernetSettingsWidget::setupTopGrid(QWidget *parent)
{
    auto *grid = new QGridLayout(parent);
    m_macLabel = captionLabel(parent, "lbMACadr", tr("MAC address"));
    grid->addWidget(m_macLabel, 0, 0);
    m_defaultMac = macEdit(parent, "leDefaultMAC");
    grid->addWidget(m_defaultMac, 0, 1);
    grid->addWidget(hintIcon("lbMACadrHint"), 0, 2);
    m_changedMacLabel = captionLabel(parent, "lbMACadrChanged", tr("Changed to"));
    grid->addWidget(m_changedMacLabel, 0, 3);
    m_changedMac = macEdit(parent, "leChangedMAC");
    grid->addWidget(m_changedMac, 0, 4);
    m_changedMacHint = hintIcon("lbMACadrChangedHint");
    grid->addWidget(m_changedMacHint, 0, 5);

    m_getVerifyCode = new QPushButton(tr("Get verify code"), parent);
    m_getVerifyCode->setObjectName(QStringLiteral("pbGetVerifyCode"));
    grid->addWidget(m_getVerifyCode, 1, 1);
    grid->addWidget(hintIcon("pbGetVerifyCodeHint"), 1, 2);

    grid->addWidget(captionLabel(parent, "lbServerName", tr("Device domain name")), 2, 0);
    m_serverName = new QLineEdit(parent);
    m_serverName->setObjectName(QStringLiteral("leServerName"));
    m_serverName->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[a-zA-Z0-9]{0,32}")), m_serverName));
    grid->addWidget(m_serverName, 2, 1);
    grid->addWidget(hintIcon("lbServerNameHinst"), 2, 2);

    grid->addWidget(
        captionLabel(parent, "lbNetworkConnectionMode", tr("Network connection channel")), 3, 0);
    m_channel = new QComboBox(parent);
    m_channel->setObjectName(QStringLiteral("cbNetworkConnectionChannel"));
    m_channel->addItems({tr("Auto"), tr("Ethernet"), tr("GPRS")});
    grid->addWidget(m_channel, 3, 1);
    grid->addWidget(hintIcon("lbNetworkConnectionChannelHint"), 3, 2);

    m_wifi = new QGroupBox(tr("The most important settings in the world"), parent);
    m_wifi->setObjectName(QStringLiteral("gbWiFi"));
    auto *wifi = new QGridLayout(m_wifi);
    wifi->addWidget(new QLabel(tr("Name"), m_wifi), 0, 0);
    m_wifiName = new QLineEdit(m_wifi);
    m_wifiName->setObjectName(QStringLiteral("leName"));
    wifi->addWidget(m_wifiName, 0, 1);
    wifi->addWidget(new QLabel(tr("The magic word"), m_wifi), 1, 0);
    m_wifiPass = new QLineEdit(m_wifi);
    m_wifiPass->setObjectName(QStringLiteral("lePass"));
    m_wifiPass->setEchoMode(QLineEdit::Password);
    wifi->addWidget(m_wifiPass, 1, 1);
    auto *copyPass = new QPushButton(QIcon(QStringLiteral(":/images/copy.png")), QString(), m_wifi);
    copyPass->setObjectName(QStringLiteral("pbCopyPass"));
    copyPass->setFlat(true);
    connect(copyPass, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_wifiPass->text()); });
    wifi->addWidget(copyPass, 1, 2);
    grid->addWidget(m_wifi, 4, 0, 1, 3);

    grid->addWidget(captionLabel(parent, "lbDataSavingMode", tr("Data saving mode")), 5, 0);
    m_dataSaving = new QCheckBox(parent);
    m_dataSaving->setObjectName(QStringLiteral("cbDataSavingMode"));
    grid->addWidget(m_dataSaving, 5, 1);
    grid->addWidget(hintIcon("lbDataSavingModeHint"), 5, 2);

    grid->addWidget(
        captionLabel(parent, "lbRemoteManag",
                     tr("Connect") + QLatin1Char(' ') + QLatin1String(RemoteServiceHost)),
        6, 0);
    m_remote = new QCheckBox(parent);
    m_remote->setObjectName(QStringLiteral("cbRemoteManag"));
    grid->addWidget(m_remote, 6, 1);
    grid->addWidget(hintIcon("lbRemoteManagHint"), 6, 2);

    grid->addWidget(captionLabel(parent, "lbUseAutomatically", tr("Get settings automatically")), 7,
                    0);
    m_automatic = new QRadioButton(parent);
    m_automatic->setObjectName(QStringLiteral("rbUseAutomatically"));
    grid->addWidget(m_automatic, 7, 1);
    grid->addWidget(hintIcon("lbUseAutomaticallyHint"), 7, 2);
    m_asServerLabel = captionLabel(parent, "lbUseAsServer", tr("Use as a server"));
    grid->addWidget(m_asServerLabel, 8, 0);
    m_asServer = new QRadioButton(parent);
    m_asServer->setObjectName(QStringLiteral("rbUseAsServer"));
    grid->addWidget(m_asServer, 8, 1);
    grid->addWidget(hintIcon("lbUseAsServerHint"), 8, 2);
    grid->addWidget(captionLabel(parent, "lbUseAsManual", tr("Manual setup")), 9, 0);
    m_manual = new QRadioButton(parent);
    m_manual->setObjectName(QStringLiteral("rbUseAsManual"));
    grid->addWidget(m_manual, 9, 1);
    grid->addWidget(hintIcon("lbUseAsManualHint"), 9, 2);
    grid->setColumnStretch(6, 1);
}

void EthernetSettingsWidget::setupAddressGrid(QWidget *parent)
{
    auto *grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 20, 0, 20);
    const struct
    {
        const char *label;
        QString caption;
        const char *edit;
        const char *hint;
        int row;
        bool ipv6;
    } fields[] = {
        {"lbIPV4adr", tr("IPv4 address"), "leIPV4adr", "lbIPV4adrHint", 0, false},
        {"lbSubMask", tr("Subnet mask"), "leSubMask", "lbSubMaskHint", 1, false},
        {"lbGateway", tr("Default gateway"), "leGateway", "lbGatewayHint", 2, false},
        {"lbPrefDNS", tr("Preferred DNS server"), "lePrefDNS", "lbPrefDNSHint", 3, false},
        {"lbAltDNS", tr("Alternative DNS server"), "leAltDNS", "lbAltDNSHint", 4, false},
        {"lbLocalIPV6", tr("Local IPv6 server"), "leLocalIPV6", "lbLocalIPV6Hint", 0, true},
        {"lbGlobaIPV6", tr("Global IPv6 server"), "leGlobaIPV6", "lbGlobaIPV6Hint", 1, true},
        {"lbPrefDNSV6", tr("Preferred DNS IPv6"), "lePrefDNSV6", "lbPrefDNSV6Hint", 2, true},
        {"lbAltDNSV6", tr("Alternative DNS IPv6"), "leAltDNSV6", "lbAltDNSV6Hint", 3, true},
    };
    for (const auto &entry : fields) {
        const int column = entry.ipv6 ? 4 : 0;
        QLabel *label = captionLabel(parent, entry.label, entry.caption);
        grid->addWidget(label, entry.row, column);
        QLineEdit *edit = nullptr;
        if (entry.ipv6) {
            edit = new IpV6Edit(parent);
        } else {
            auto *ipv4 = new IpV4Edit(parent);
            ipv4->setAddress(QStringLiteral("0.0.0.0"));
            edit = ipv4;
        }
        edit->setObjectName(QLatin1String(entry.edit));
        grid->addWidget(edit, entry.row, column + 1);
        auto *hint = makeHintLabel(parent, QLatin1String(entry.hint), QString(), 20);
        grid->addWidget(hint, entry.row, column + 3);
        m_addressFields.append({label, edit, entry.ipv6});
    }
    m_ipv4 = static_cast<IpV4Edit *>(m_addressFields.first().edit);
    auto *copy = new QPushButton(QIcon(QStringLiteral(":/images/copy.png")), QString(), parent);
    copy->setObjectName(QStringLiteral("pbCopyIPv4"));
    copy->setFlat(true);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_ipv4->text()); });
    grid->addWidget(copy, 0, 2);
}

void EthernetSettingsWidget::setupHints()
{
    const struct
    {
        const char *name;
        const char *heading;
        const char *body;
    } hints[] = {
        {"lbMACadrHint", "MAC адрес",
         "Уникальный идентификатор, присвоенный прибору при производстве."},
        {"lbMACadrChangedHint", "Изменённый MAC адрес",
         "Настраиваемый MAC адрес, используемый, когда собственный адрес прибора нужно заменить."},
        {"pbGetVerifyCodeHint", "Получить код верификации",
         "Команда запрашивает у прибора его код верификации."},
        {"lbServerNameHinst", "Название сервера",
         "Текстовое имя; корректно работают только латинские буквы и цифры."},
        {"lbRemoteManagHint", "Разрешить удаленное управление",
         "Удалённое управление системой через интернет."},
        {"lbUseAutomaticallyHint", "Получать настройки автоматически",
         "Адреса IPv4 и IPv6 получаются автоматически."},
        {"lbUseAsServerHint", "Использовать как сервер", "Прибор работает как сервер."},
        {"lbUseAsManualHint", "Ручная настройка", "Параметры сети задаются вручную."},
        {"lbIPV4adrHint", "Адрес IPv4", "Текущий адрес."},
        {"lbSubMaskHint", "Маска подсети",
         "Битовая маска, разделяющая в IP-адресе адрес подсети и адрес узла."},
        {"lbGatewayHint", "Основной шлюз",
         "Шлюз, используемый, когда маршрут к сети назначения не задан."},
        {"lbPrefDNSHint", "Предпочтительный DNS сервер",
         "DNS сервер, используемый в первую очередь."},
        {"lbAltDNSHint", "Альтернативный DNS сервер",
         "DNS сервер, используемый при отказе предпочтительного."},
        {"lbLocalIPV6Hint", "Локальный IPv6 адрес", "Текущий адрес IPv6."},
        {"lbGlobaIPV6Hint", "Глобальный IPv6 адрес", "Адрес, доступный из интернета."},
        {"lbPrefDNSV6Hint", "Предпочтительный IPv6 DNS сервер",
         "IPv6 DNS сервер, используемый в первую очередь."},
        {"lbAltDNSV6Hint", "Альтернативный IPv6 DNS сервер",
         "IPv6 DNS сервер, используемый при отказе предпочтительного."},
    };
    for (const auto &hint : hints)
        if (QLabel *label = findChild<QLabel *>(QLatin1String(hint.name)))
            label->setProperty(
                "Hint", hintText(QString::fromUtf8(hint.heading), QString::fromUtf8(hint.body)));
    if (QLabel *label = findChild<QLabel *>(QStringLiteral("lbNetworkConnectionChannelHint")))
        label->setProperty("Hint",
                           hintText(QStringLiteral("Выбор канала связи"),
                                    QStringLiteral("Проводной Ethernet, мобильный GPRS или "
                                                   "автоматический выбор с предпочтением Ethernet, "
                                                   "когда доступны оба."),
                                    QString()));
}

void EthernetSettingsWidget::showEvent(QShowEvent *event)
{
    BaseSettingsWidget::showEvent(event);
    m_defaultMac->setFocus();
}

void EthernetSettingsWidget::setSettings(EthernetSettings *settings)
{
    if (settings == m_settings)
        return;
    if (m_settings) {
        disconnect(m_settings, nullptr, this, nullptr);
        disconnect(m_getVerifyCode, nullptr, m_settings, nullptr);
    }
    m_settings = settings;
    if (!settings) {
        setEnabled(false);
        return;
    }
    connect(settings, &EthernetSettings::settingsUpdated, this,
            &EthernetSettingsWidget::onSettingsUpdate);
    onSettingsUpdate();
    connect(settings, &EthernetSettings::defaultMACupdate, this,
            &EthernetSettingsWidget::onDefaultMACupdate);
    connect(m_getVerifyCode, &QPushButton::clicked, settings, &EthernetSettings::verifyCodeRequest);
    connect(settings, &EthernetSettings::configGetVerifyCode, this,
            &EthernetSettingsWidget::showVerifyCode);
    // After a login the object arrives once the device variant is known.
    if (m_initialised && overmind() && overmind()->isLoggedIn())
        connected();
}

EthernetSettings *EthernetSettingsWidget::settings() const
{
    return m_settings;
}

bool EthernetSettingsWidget::permitted() const
{
    return overmind() && overmind()->canEdit();
}

void EthernetSettingsWidget::onInitWidget()
{
    Overmind *controller = overmind();
    if (!controller || !controller->deviceInfo().hasEthernet()) {
        setEnabled(false);
        return;
    }
    setupHints();
    m_initialised = true;
    connect(controller, &Overmind::loginSuccessful, this, &EthernetSettingsWidget::connected,
            Qt::UniqueConnection);
    connect(controller, &Overmind::disconnected, this, &EthernetSettingsWidget::disconnected,
            Qt::UniqueConnection);
    connected();
}

void EthernetSettingsWidget::connected()
{
    // A device without an Ethernet block (execution 1) leaves the page with nothing to edit.
    if (!m_settings) {
        setEnabled(false);
        return;
    }
    setEnabled(true);
    const bool allowed = permitted();
    m_asServer->setEnabled(allowed);
    m_remote->setEnabled(allowed);
    m_save->setEnabled(allowed && !isViewing());
    m_reset->setEnabled(allowed && !isViewing());
}

void EthernetSettingsWidget::disconnected()
{
    setEnabled(false);
}

void EthernetSettingsWidget::enableManualFields(bool manual)
{
    const bool allowed = permitted();
    for (const AddressField &field : qAsConst(m_addressFields)) {
        const bool enabled = field.edit == m_ipv4 ? allowed : allowed && manual;
        field.label->setEnabled(enabled);
        field.edit->setEnabled(enabled);
    }
}

int EthernetSettingsWidget::checkedMode() const
{
    if (m_automatic->isChecked())
        return 0;
    return m_asServer->isChecked() ? 1 : 2;
}

void EthernetSettingsWidget::radioButtonClicked()
{
    enableManualFields(checkedMode() == 2);
    m_ipv4->setReadOnly(!m_manual->isChecked());
}

void EthernetSettingsWidget::saveRadioButtonSettings()
{
    if (!m_settings)
        return;
    const int mode = m_settings->radioButtonStatus();
    enableManualFields(mode == 2);
    m_settings->setDhcpClient(mode == 0);
    m_settings->setDhcpv6(mode == 0);
    m_settings->setSlaac(mode == 0);
    m_settings->setDhcpServer(mode == 1);
}

void EthernetSettingsWidget::onChannelChanged(int index)
{
    const bool server = index != GprsIndex;
    m_asServerLabel->setEnabled(server);
    m_asServer->setEnabled(server);
    if (!server && m_asServer->isChecked())
        m_automatic->setChecked(true);
}

void EthernetSettingsWidget::updateWidget()
{
    onSettingsUpdate();
}

void EthernetSettingsWidget::onSettingsUpdate()
{
    if (!m_settings)
        return;
    EthernetSettings &object = *m_settings;
    updateMAC();
    int mode = 1;
    m_asServer->setChecked(object.dhcpServer());
    m_remote->setChecked(object.remoteDev());
    m_dataSaving->setChecked(object.dataSaveMode());
    if (object.dhcpClient() || object.dhcpv6() || object.slaac()) {
        m_automatic->setChecked(true);
        mode = 0;
    } else {
        m_automatic->setChecked(false);
        if (!object.dhcpServer()) {
            m_manual->setChecked(true);
            mode = 2;
        }
    }
    const int channel = object.linkChannel();
    m_channel->setCurrentIndex(channel == 0 ? 0 : channel - m_channelOffset);
    m_serverName->setText(object.hostname());
    const QStringList addresses = {
        object.ipv4Address(),       object.subnetMask(),       object.defaultGateway(),
        object.preferredDns(),      object.alternativeDns(),   object.ipv6LocalAddress(),
        object.ipv6GlobalAddress(), object.ipv6PreferredDns(), object.ipv6AlternativeDns()};
    for (int i = 0; i < m_addressFields.size(); ++i) {
        if (m_addressFields[i].ipv6)
            static_cast<IpV6Edit *>(m_addressFields[i].edit)->setAddress(addresses[i]);
        else
            static_cast<IpV4Edit *>(m_addressFields[i].edit)->setAddress(addresses[i]);
        m_addressFields[i].edit->setStyleSheet(QString());
    }
    object.setRadioButtonStatus(mode);
    (mode == 0 ? m_automatic : (mode == 1 ? m_asServer : m_manual))->setChecked(true);
    saveRadioButtonSettings();
    m_ipv4->setReadOnly(!m_manual->isChecked());
    m_wifiName->setText(object.wifiName());
    m_wifiPass->setText(object.wifiPassword());
}

void EthernetSettingsWidget::updateMAC()
{
    if (!m_settings)
        return;
    m_defaultMac->setText(m_settings->defaultMacAddress());
    const QString inUse = m_settings->macAddress();
    m_changedMac->setText(inUse);
    const bool changed =
        inUse != QLatin1String("00:00:00:00:00:00") && inUse != m_settings->defaultMacAddress();
    m_changedMacLabel->setVisible(changed);
    m_changedMacHint->setVisible(changed);
    m_changedMac->setVisible(changed);
}

void EthernetSettingsWidget::onDefaultMACupdate()
{
    updateMAC();
    if (m_settings && overmind()) {
        overmind()->setDefaultMacText(m_settings->defaultMacAddress());
        overmind()->setDefaultMacAddress(int(m_settings->defaultMacNumber()));
    }
}

void EthernetSettingsWidget::onRemoteControl(bool checked)
{
    Overmind *controller = overmind();
    UserModel *users = controller ? controller->userModel() : nullptr;
    if (!checked || !users || users->users().isEmpty())
        return;
    // Without a user 0 there is no administrator's phone either.
    UserSettings *administrator = users->userById(0);
    if (administrator && !administrator->phoneText().isEmpty())
        return;
    {
        const QSignalBlocker blocker(m_remote);
        m_remote->setChecked(false);
    }
    MessageBoxU::warning(tr("Remote control needs the administrator's contact phone number. "
                            "Please add it to the administrator's profile."),
                         tr("Warning"));
}

bool EthernetSettingsWidget::hasChanges()
{
    if (!m_settings) {
        m_changes = false;
        return false;
    }
    const EthernetSettings &object = *m_settings;
    m_changes = true;
    if (m_asServer->isChecked() != object.dhcpServer() ||
        quint8(m_channel->currentIndex() + m_channelOffset) != object.linkChannel() ||
        m_serverName->text() != object.hostname())
        return true;
    const QStringList addresses = {
        object.ipv4Address(),       object.subnetMask(),       object.defaultGateway(),
        object.preferredDns(),      object.alternativeDns(),   object.ipv6LocalAddress(),
        object.ipv6GlobalAddress(), object.ipv6PreferredDns(), object.ipv6AlternativeDns()};
    for (int i = 0; i < m_addressFields.size(); ++i)
        if (m_addressFields[i].edit->text() != addresses[i])
            return true;
    if (m_remote->isChecked() != object.remoteDev() ||
        m_dataSaving->isChecked() != object.dataSaveMode() ||
        m_wifiName->text() != object.wifiName() || m_wifiPass->text() != object.wifiPassword() ||
        checkedMode() != object.radioButtonStatus())
        return true;
    m_changes = false;
    return false;
}

void EthernetSettingsWidget::markField(QLineEdit *edit, bool valid)
{
    if (!valid)
        edit->setStyleSheet(InvalidStyle);
}

QStringList EthernetSettingsWidget::invalidAddressFields()
{
    QStringList captions;
    for (const AddressField &field : qAsConst(m_addressFields)) {
        const QString text = field.edit->text();
        const bool valid =
            field.ipv6 ? EthernetSettings::isIpv6Text(text) : ipv4Regex().match(text).hasMatch();
        markField(field.edit, valid);
        if (!valid)
            captions << field.label->text() + QLatin1Char('\n');
    }
    return captions;
}

void EthernetSettingsWidget::saveSettings()
{
    onSaveSettings();
}

void EthernetSettingsWidget::onSaveSettings()
{
    if (!m_settings)
        return;
    const QStringList invalid = invalidAddressFields();
    if (!invalid.isEmpty()) {
        MessageBoxU::warning(
            tr("The data is incorrect in this settings:\n%1").arg(invalid.join(QString())),
            tr("Data is not correct"));
        return;
    }
    EthernetSettings &object = *m_settings;
    hasChanges();
    object.setRadioButtonStatus(checkedMode());
    saveRadioButtonSettings();
    object.setDhcpServer(m_asServer->isChecked());
    object.setRemoteDev(m_remote->isChecked());
    object.setDataSaveMode(m_dataSaving->isChecked());
    object.setLinkChannel((m_channel->currentIndex() + m_channelOffset) & 0xFF);
    object.setHostname(m_serverName->text());
    const auto text = [this](int field) { return m_addressFields.at(field).edit->text(); };
    object.setIpv4Address(text(0));
    object.setSubnetMask(text(1));
    object.setDefaultGateway(text(2));
    object.setPreferredDns(text(3));
    object.setAlternativeDns(text(4));
    object.setIpv6LocalAddress(text(5));
    object.setIpv6GlobalAddress(text(6));
    object.setIpv6PreferredDns(text(7));
    object.setIpv6AlternativeDns(text(8));
    object.setWifiName(m_wifiName->text());
    object.setWifiPassword(m_wifiPass->text());
    object.store();
    if (!m_changes)
        return;
    const auto answer = MessageBoxU::question(
        tr("A reboot is required to apply the settings. Do you want to reload?"),
        tr("Settings was modified"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && overmind() && overmind()->mainWindow())
        overmind()->mainWindow()->restartDevice();
}

void EthernetSettingsWidget::onResetSettings()
{
    if (!m_settings)
        return;
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_settings->resetToDefaults();
}

void EthernetSettingsWidget::showVerifyCode(quint32 code)
{
    auto *window = new LineCopyWidget(this);
    window->setWindowFlags(Qt::Window);
    window->setWindowModality(Qt::WindowModal);
    window->setWindowTitle(tr("Verify code"));
    window->setTitle(tr("Verify code"));
    window->setText(QString::number(code));
    if (Overmind *controller = overmind())
        controller->registerDialog(window);
    window->show();
}
