#include "app/LoginWidget.h"

#include "app/KeyboardLayoutWatcher.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QSpacerItem>

namespace {
const QRegularExpression &loginExpression()
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

QByteArray xorWithKey(const QByteArray &data, const QByteArray &key)
{
    QByteArray out = data;
    for (int i = 0; i < out.size(); ++i)
        out[i] = char(out[i] ^ key[i % key.size()]);
    return out;
}
} // namespace

LoginWidget::LoginWidget(QWidget *parent) : QWidget(parent)
{
    setupUi();
    setWindowModality(Qt::ApplicationModal);
    setEnabled(true);
    m_login->setValidator(new QRegularExpressionValidator(loginExpression(), this));
    m_password->setValidator(new QRegularExpressionValidator(passwordExpression(), this));
    m_watcher = new KeyboardLayoutWatcher(this);
    m_watcher->setWatching(false); // until the dialog shows

    connect(m_login, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_forgotButton->setEnabled(!text.isEmpty()); });
    if (Overmind *overmind = Overmind::instance(); overmind && overmind->protocol())
        connect(overmind->protocol(), &Protocol::loginStatus, this,
                [this](LoginStatus_t status, quint8 userId, userAccessType_t permissions) {
                    onLoginResult(status, userId, permissions);
                });
    connect(m_forgotButton, &QPushButton::clicked, this, &LoginWidget::onForgot);
    connect(m_loginButton, &QPushButton::clicked, this, &LoginWidget::onLogin,
            Qt::UniqueConnection);
    connect(m_login, &QLineEdit::returnPressed, this, &LoginWidget::onLogin, Qt::UniqueConnection);
    connect(m_password, &QLineEdit::returnPressed, this, &LoginWidget::onLogin,
            Qt::UniqueConnection);
    connect(m_watcher, &KeyboardLayoutWatcher::layoutChanged, m_keyboardLayout, &QLabel::setText);
}

void LoginWidget::setupUi()
{
    setObjectName(QStringLiteral("LoginWidget"));
    setFixedSize(440, 140);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    m_loginLabel = new QLabel(this);
    m_loginLabel->setObjectName(QStringLiteral("lblLogin"));
    grid->addWidget(m_loginLabel, 0, 0, 1, 1);
    m_login = new QLineEdit(this);
    m_login->setObjectName(QStringLiteral("leLogin"));
    grid->addWidget(m_login, 0, 1, 1, 4);
    m_passwordLabel = new QLabel(this);
    m_passwordLabel->setObjectName(QStringLiteral("lblPassword"));
    grid->addWidget(m_passwordLabel, 1, 0, 1, 1);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("lePassword"));
    m_password->setEchoMode(QLineEdit::Password);
    grid->addWidget(m_password, 1, 1, 1, 3);
    m_keyboardLayout = new QLabel(this);
    m_keyboardLayout->setObjectName(QStringLiteral("lblKeyboardLayout"));
    m_keyboardLayout->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    m_keyboardLayout->setMinimumWidth(20);
    grid->addWidget(m_keyboardLayout, 1, 4, 1, 1);
    m_remember = new QCheckBox(this);
    m_remember->setObjectName(QStringLiteral("cbRememberPassword"));
    grid->addWidget(m_remember, 2, 1, 1, 4);
    m_loginButton = new QPushButton(this);
    m_loginButton->setObjectName(QStringLiteral("pbLogin"));
    m_loginButton->setMinimumSize(150, 30);
    m_loginButton->setIcon(QIcon(QStringLiteral(":/images/enter.png")));
    m_loginButton->setDefault(true);
    m_loginButton->setAutoDefault(false);
    grid->addWidget(m_loginButton, 3, 1, 1, 1);
    m_forgotButton = new QPushButton(this);
    m_forgotButton->setObjectName(QStringLiteral("pbForgotPassword"));
    m_forgotButton->setMinimumSize(150, 30);
    m_forgotButton->setIcon(QIcon(QStringLiteral(":/images/password_key.png")));
    m_forgotButton->setAutoDefault(false);
    grid->addWidget(m_forgotButton, 3, 2, 1, 3);
    grid->addItem(new QSpacerItem(20, 17, QSizePolicy::Minimum, QSizePolicy::Expanding), 4, 1, 1,
                  1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    setTabOrder(m_login, m_password);
    setTabOrder(m_password, m_remember);
    setTabOrder(m_remember, m_loginButton);
    setTabOrder(m_loginButton, m_forgotButton);
    retranslateUi();
}

void LoginWidget::retranslateUi()
{
    setWindowTitle(tr("Authorization required"));
    const QString hint = tr("Only Latin letters and numbers are allowed");
    m_loginLabel->setText(tr("Login:"));
    m_passwordLabel->setText(tr("Password:"));
    for (QWidget *widget :
         {static_cast<QWidget *>(m_loginLabel), static_cast<QWidget *>(m_login),
          static_cast<QWidget *>(m_passwordLabel), static_cast<QWidget *>(m_password)})
        widget->setToolTip(hint);
    m_remember->setText(tr("Remember login and password"));
    m_loginButton->setText(tr("Login"));
    m_forgotButton->setText(tr("Forgot password"));
}

void LoginWidget::centreOver(QWidget *widget, QWidget *other)
{
    if (!widget || !other)
        return;
    widget->move(other->x() + other->width() / 2 - widget->width() / 2,
                 other->y() + other->height() / 2 - widget->height() / 2);
}

void LoginWidget::onLogin()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return;
    overmind->setViewingMode(false);
    if (overmind->hidInterface())
        overmind->hidInterface()->activate();
    if (overmind->protocol())
        overmind->protocol()->login(m_login->text(), m_password->text());
}

void LoginWidget::onForgot()
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->hidInterface())
        overmind->hidInterface()->activate();
    if (overmind && overmind->protocol())
        overmind->protocol()->forgotPassword(m_login->text());
    MessageBoxU::exec(this, QMessageBox::Information,
                      tr("If there is a GSM network, the password will be sent to your phone "
                         "number"),
                      tr("Password reminder"), QMessageBox::Ok);
}

void LoginWidget::onLoginResult(quint8 status, quint8 userId, int permissions)
{
    if (status != 0) {
        m_password->clear();
        m_password->setPlaceholderText(tr("Wrong password"));
        return;
    }
    if (permissions <= 0) {
        MessageBoxU::exec(this, QMessageBox::Warning,
                          tr("Access denied. Please ensure that device case is open."),
                          tr("Access denied"), QMessageBox::NoButton);
        return;
    }
    rememberCredentials();
    m_password->setPlaceholderText(QString());
    m_accessLevel = permissions;
    hide();
    emit loginSuccess(userId);
}

void LoginWidget::rememberCredentials()
{
    QSettings settings;
    settings.setValue(QStringLiteral("rememberpassword"), m_remember->isChecked());
    // Scrambling needs a key: with an empty login no password is remembered.
    if (m_remember->isChecked() && !m_login->text().isEmpty()) {
        settings.setValue(QStringLiteral("lastlogin"), m_login->text());
        settings.setValue(QStringLiteral("password"), encrypt(m_password->text(), m_login->text()));
    } else {
        settings.remove(QStringLiteral("lastlogin"));
        settings.remove(QStringLiteral("password"));
    }
}

void LoginWidget::restoreCredentials()
{
    QSettings settings;
    m_remember->setChecked(settings.value(QStringLiteral("rememberpassword"), false).toBool());
    if (!m_remember->isChecked()) {
        m_login->clear();
        m_password->clear();
        return;
    }
    const QString login = settings.value(QStringLiteral("lastlogin"), defaultLogin()).toString();
    const QString stored = settings.value(QStringLiteral("password"), defaultPassword()).toString();
    m_login->setText(login);
    m_password->setText(stored == defaultPassword() || login.isEmpty() ? stored
                                                                       : decrypt(stored, login));
    m_loginButton->setFocus();
}

QString LoginWidget::encrypt(const QString &source, const QString &key)
{
    const QByteArray keyBytes = key.toUtf8();
    if (keyBytes.isEmpty())
        return QString();
    return QString::fromLatin1(xorWithKey(source.toUtf8(), keyBytes).toBase64());
}

QString LoginWidget::decrypt(const QString &source, const QString &key)
{
    const QByteArray keyBytes = key.toUtf8();
    if (keyBytes.isEmpty())
        return QString();
    return QString::fromUtf8(xorWithKey(QByteArray::fromBase64(source.toLatin1()), keyBytes));
}

void LoginWidget::showEvent(QShowEvent *event)
{
    if (Overmind *overmind = Overmind::instance())
        overmind->hideFactoryResetWidget();
    activateWindow();
    restoreCredentials();
    m_watcher->setWatching(true);
    QWidget::showEvent(event);
}

// The dialog stays alive between log-ins; a hidden one has no layout to show.
void LoginWidget::hideEvent(QHideEvent *event)
{
    m_watcher->setWatching(false);
    QWidget::hideEvent(event);
}

void LoginWidget::closeEvent(QCloseEvent *event)
{
    emit closeDialog();
    QWidget::closeEvent(event);
}

void LoginWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
}
