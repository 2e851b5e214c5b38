#include "update/OnlineUpdateSetup.h"

#include "app/ContentAwareLineEdit.h"
#include "app/MessageBoxU.h"
#include "app/SpinBoxWithValidator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>

const QString OnlineUpdateSetup::DefaultServer = QStringLiteral("http://update.example:9000");
const QString OnlineUpdateSetup::DefaultProxyHost = QStringLiteral("proxy.example");

namespace {
// 1 to 65535, nothing else.
const QString PortPattern = QStringLiteral(
    "([1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])");

const QRegularExpression &serverExpression()
{
    static const QRegularExpression expression(
        QStringLiteral("^https?://[a-zA-Z0-9\\-\\.]+(:%1)?/?$").arg(PortPattern));
    return expression;
}

const QRegularExpression &portExpression()
{
    static const QRegularExpression expression(QStringLiteral("^%1$").arg(PortPattern));
    return expression;
}

const QRegularExpression &userExpression()
{
    static const QRegularExpression expression(QStringLiteral("^[0-9a-z]{0,%1}$").arg(63));
    return expression;
}

const QRegularExpression &passwordExpression()
{
    static const QRegularExpression expression(
        QStringLiteral(
            "^[0-9a-zA-Z№_~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,\\.\\?\\-]{0,%1}$")
            .arg(63));
    return expression;
}

const QString &hostPattern()
{
    static const QString pattern = QStringLiteral("^[a-zA-Z0-9\\-\\.\\/]{0,%1}$");
    return pattern;
}
} // namespace

OnlineUpdateSetup::OnlineUpdateSetup(QWidget *parent) : QDialog(parent)
{
    buildForm();
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    QSettings settings;
    if (!settings.contains(QStringLiteral("server")))
        settings.setValue(QStringLiteral("server"), DefaultServer);
    leServer->setMaxLength(ServerLength);
    for (const QString &type : {tr("Defaultp proxy"), tr("Socks5 proxy"), tr("No proxy"),
                                tr("Http proxy"), tr("Http caching proxy"), tr("FtpCaching proxy")})
        cbType->addItem(type, cbType->count());
    loadSettings();
    installValidators();
    connect(pbDefault, &QPushButton::clicked, this, &OnlineUpdateSetup::restoreDefaults);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &OnlineUpdateSetup::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &OnlineUpdateSetup::reject);
}

void OnlineUpdateSetup::buildForm()
{
    setObjectName(QStringLiteral("OnlineUpdateSetup"));
    setWindowTitle(tr("Online update setup"));
    resize(240, 300);
    setMaximumSize(400, 400);
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Server:"), this), 0, 0);
    leServer = new QLineEdit(this);
    leServer->setObjectName(QStringLiteral("leServer"));
    grid->addWidget(leServer, 0, 1);
    gbProxy = new QGroupBox(tr("Proxy"), this);
    gbProxy->setObjectName(QStringLiteral("gbProxy"));
    gbProxy->setCheckable(true);
    gbProxy->setChecked(false);
    grid->addWidget(gbProxy, 1, 0, 1, 2);
    auto *proxyGrid = new QGridLayout(gbProxy);
    cbType = new QComboBox(gbProxy);
    cbType->setObjectName(QStringLiteral("cbType"));
    leHost = new QLineEdit(gbProxy);
    leHost->setObjectName(QStringLiteral("leHost"));
    sbPort = new SpinBoxWithValidator(gbProxy);
    sbPort->setObjectName(QStringLiteral("sbPort"));
    sbPort->setRange(1, 65535);
    leUser = new ContentAwareLineEdit(gbProxy);
    leUser->setObjectName(QStringLiteral("leUser"));
    lePassword = new ContentAwareLineEdit(gbProxy);
    lePassword->setObjectName(QStringLiteral("lePassword"));
    const QList<QPair<QString, QWidget *>> rows = {{tr("Type:"), cbType},
                                                   {tr("Host name:"), leHost},
                                                   {tr("Port:"), sbPort},
                                                   {tr("User:"), leUser},
                                                   {tr("Password:"), lePassword}};
    for (int row = 0; row < rows.size(); ++row) {
        proxyGrid->addWidget(new QLabel(rows.at(row).first, gbProxy), row, 0);
        proxyGrid->addWidget(rows.at(row).second, row, 1);
    }
    pbDefault = new QPushButton(tr("Default"), this);
    pbDefault->setObjectName(QStringLiteral("pbDefault"));
    pbDefault->setMaximumWidth(200);
    grid->addWidget(pbDefault, 2, 1);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 3, 1);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    grid->addWidget(buttonBox, 4, 0, 1, 2);
    setTabOrder(cbType, leHost);
    setTabOrder(leHost, sbPort);
    setTabOrder(sbPort, leUser);
    setTabOrder(leUser, lePassword);
    setTabOrder(lePassword, pbDefault);
    setTabOrder(pbDefault, leServer);
    setTabOrder(leServer, gbProxy);
}

void OnlineUpdateSetup::loadSettings()
{
    QSettings settings;
    leServer->setText(settings.value(QStringLiteral("server")).toString());
    gbProxy->setChecked(settings.value(QStringLiteral("proxy_on")).toInt() == 1);
    cbType->setCurrentIndex(settings.value(QStringLiteral("proxy_type")).toInt());
    leHost->setText(settings.value(QStringLiteral("proxy_host")).toString());
    sbPort->setValue(settings.value(QStringLiteral("proxy_port")).toInt());
    leUser->setText(settings.value(QStringLiteral("proxy_user")).toString());
    lePassword->setText(settings.value(QStringLiteral("proxy_password")).toString());
}

// The server is an http address with its port, as the default is.
void OnlineUpdateSetup::installValidators()
{
    leServer->setValidator(new QRegularExpressionValidator(serverExpression(), leServer));
    leHost->setValidator(
        new QRegularExpressionValidator(QRegularExpression(hostPattern().arg(31)), leHost));
    sbPort->setValidator(new QRegularExpressionValidator(portExpression(), sbPort));
    leUser->setValidator(new QRegularExpressionValidator(userExpression(), leUser));
    lePassword->setValidator(new QRegularExpressionValidator(passwordExpression(), lePassword));
}

void OnlineUpdateSetup::accept()
{
    saveSettings();
    QDialog::accept();
}

void OnlineUpdateSetup::saveSettings()
{
    QSettings settings;
    settings.setValue(QStringLiteral("server"), leServer->text());
    settings.setValue(QStringLiteral("proxy_on"), gbProxy->isChecked() ? 1 : 0);
    settings.setValue(QStringLiteral("proxy_type"), cbType->currentIndex());
    settings.setValue(QStringLiteral("proxy_host"), leHost->text());
    settings.setValue(QStringLiteral("proxy_port"), sbPort->value());
    settings.setValue(QStringLiteral("proxy_user"), leUser->text());
    settings.setValue(QStringLiteral("proxy_password"), lePassword->text());
    settings.sync();
}

void OnlineUpdateSetup::restoreDefaults()
{
    const int answer = MessageBoxU::exec(this, QMessageBox::Question,
                                         tr("Are you sure you want to reset the settings?"),
                                         tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    leServer->setText(DefaultServer);
    gbProxy->setChecked(true);
    cbType->setCurrentIndex(3);
    leHost->setText(DefaultProxyHost);
    sbPort->setValue(DefaultProxyPort);
    leUser->clear();
    lePassword->clear();
    saveSettings();
}
