#include "pages/comms/SendSMSDialog.h"

#include "app/ContentAwareLineEdit.h"
#include "app/DeviceTexts.h"
#include "pages/comms/RecordBytes.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QTextCursor>

namespace {
const QString MessageKey = QStringLiteral("lastTestSMSMessage");
const QString NumberKey = QStringLiteral("lastTestSMSNumber");

QSettings applicationSettings()
{
    return QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"));
}

const QRegularExpression &phoneRegex()
{
    static const QRegularExpression pattern(
        QStringLiteral("^[+]?[0-9]{3,%1}$").arg(SendSMSDialog::MaxPhoneDigits));
    return pattern;
}
} // namespace

SendSMSDialog::SendSMSDialog(QWidget *parent) : QWidget(parent)
{
    setupUi();
    m_send->setEnabled(false);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_send, &QPushButton::clicked, this, &SendSMSDialog::onSend);
    const QSettings settings = applicationSettings();
    m_message->setPlainText(settings.value(MessageKey).toString());
    m_phone->setText(settings.value(NumberKey).toString());
    connect(m_message, &QPlainTextEdit::textChanged, this, &SendSMSDialog::checkMessageLength);
    connect(m_phone, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_send->setEnabled(text.size() > 2); });
    m_phone->setValidator(new QRegularExpressionValidator(phoneRegex(), m_phone));
    m_phone->setChecker([this](const QString &text) { return checkPhone(text); });
}

void SendSMSDialog::setupUi()
{
    setObjectName(QStringLiteral("SendSMSDialog"));
    setWindowModality(Qt::ApplicationModal);
    resize(400, 200);
    setWindowTitle(QStringLiteral("Form"));
    auto *grid = new QGridLayout(this);
    auto *phoneLabel = new QLabel(tr("Phone number:"), this);
    phoneLabel->setObjectName(QStringLiteral("label"));
    grid->addWidget(phoneLabel, 0, 0);
    m_phone = new ContentAwareLineEdit(this);
    m_phone->setObjectName(QStringLiteral("lePhoneNumber"));
    grid->addWidget(m_phone, 0, 1, 1, 2);
    auto *messageLabel = new QLabel(tr("Message:"), this);
    messageLabel->setObjectName(QStringLiteral("label_2"));
    grid->addWidget(messageLabel, 1, 0);
    m_message = new QPlainTextEdit(this);
    m_message->setObjectName(QStringLiteral("pteMessage"));
    grid->addWidget(m_message, 1, 1, 1, 2);
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("lblError"));
    grid->addWidget(m_error, 2, 1, 1, 2);
    m_send = new QPushButton(tr("Send"), this);
    m_send->setObjectName(QStringLiteral("pbSend"));
    grid->addWidget(m_send, 3, 1);
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("pbClose"));
    grid->addWidget(m_close, 3, 2);
    setTabOrder(m_phone, m_message);
    setTabOrder(m_message, m_send);
    setTabOrder(m_send, m_close);
}

void SendSMSDialog::checkMessageLength()
{
    const QString text = m_message->toPlainText();
    if (text.toUtf8().size() <= MaxMessageBytes) {
        m_error->clear();
        m_send->setEnabled(!text.isEmpty());
        return;
    }
    // One cut at a character boundary: cutting a code unit per pass would freeze on a large
    // paste and could split a surrogate pair.
    const QString cut = QString::fromUtf8(RecordBytes::utf8Prefix(text, MaxMessageBytes));
    {
        const QSignalBlocker blocker(m_message);
        m_message->setPlainText(cut);
    }
    m_message->moveCursor(QTextCursor::End);
    m_error->setText(tr("Maximum message length reached"));
    m_error->setStyleSheet(QStringLiteral("color: red"));
    m_send->setEnabled(!cut.isEmpty());
}

bool SendSMSDialog::checkPhone(const QString &text)
{
    const QString normalized = normalizePhoneNumber(text);
    if (!phoneRegex().match(normalized).hasMatch()) {
        m_phone->setWarning(tr("Invalid phone number."));
        return false;
    }
    if (normalized != m_phone->text()) {
        const int cursor = m_phone->cursorPosition();
        m_phone->setText(normalized);
        m_phone->setCursorPosition(normalized.size() > text.size() ? normalized.size() : cursor);
    }
    m_phone->setWarning(QString());
    return true;
}

void SendSMSDialog::onSend()
{
    static const QRegularExpression notLetterOrDigit(QStringLiteral("[^a-zA-Z\\d]"));
    const QString number = m_phone->text().remove(notLetterOrDigit);
    const QString message = m_message->toPlainText();
    emit send(number, message);
    QSettings settings = applicationSettings();
    settings.setValue(MessageKey, message);
    settings.setValue(NumberKey, m_phone->text());
}
