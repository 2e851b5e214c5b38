#pragma once

#include <QWidget>

class ContentAwareLineEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Takes a phone number and a message for a test SMS and hands both to its opener.
class SendSMSDialog : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxMessageBytes = 512;
    static constexpr int MaxPhoneDigits = 15;

    explicit SendSMSDialog(QWidget *parent = nullptr);

signals:
    void send(const QString &number, const QString &message);

public slots:
    void onSend();

private:
    void setupUi();
    void checkMessageLength();
    bool checkPhone(const QString &text);

    ContentAwareLineEdit *m_phone = nullptr;
    QPlainTextEdit *m_message = nullptr;
    QLabel *m_error = nullptr;
    QPushButton *m_send = nullptr;
    QPushButton *m_close = nullptr;
};
