#pragma once

#include <QWidget>

class KeyboardLayoutWatcher;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window in which the user logs in to the connected communicator. It remembers the
// login and password when asked to, the password scrambled with the login.
class LoginWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LoginWidget(QWidget *parent = nullptr);

    int accessLevel() const { return m_accessLevel; }
    static void centreOver(QWidget *widget, QWidget *other);
    static QString defaultLogin() { return QStringLiteral("admin"); }
    static QString defaultPassword() { return QStringLiteral("vorte"); }

public slots:
    void onLogin();
    void onForgot();
    void onLoginResult(quint8 status, quint8 userId, int permissions);
    static QString encrypt(const QString &source, const QString &key);
    static QString decrypt(const QString &source, const QString &key);

signals:
    void loginSuccess(quint8 userId);
    void closeDialog();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupUi();
    void retranslateUi();
    void rememberCredentials();
    void restoreCredentials();

    QLabel *m_loginLabel = nullptr;
    QLineEdit *m_login = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_keyboardLayout = nullptr;
    QCheckBox *m_remember = nullptr;
    QPushButton *m_loginButton = nullptr;
    QPushButton *m_forgotButton = nullptr;
    KeyboardLayoutWatcher *m_watcher = nullptr;
    int m_accessLevel = 0;
};
