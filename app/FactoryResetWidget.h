#pragma once

#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;

// Confirms and sends the reset of the communicator to its factory settings, then waits
// with an animation until the login dialog comes back. The device's credentials return
// to their defaults, so the remembered login does too.
class FactoryResetWidget : public QWidget
{
    Q_OBJECT
public:
    // The device's credentials after a reset; the login dialog shows the password as is.
    static constexpr const char *DefaultLogin = "admin";
    static constexpr const char *DefaultPassword = "vorte";

    explicit FactoryResetWidget(QWidget *parent = nullptr);

    bool isRunning() const { return m_running; }

public slots:
    void onConfirm();

signals:
    void accepted();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setupUi();
    void retranslateUi();
    void returnToFirstState();

    QLabel *m_label = nullptr;
    QLabel *m_subtitle = nullptr;
    QPushButton *m_confirm = nullptr;
    QLabel *m_wait = nullptr;
    QPushButton *m_cancel = nullptr;
    QMovie *m_animation = nullptr;
    bool m_running = false;
};
