#include "pages/comms/SimPinDialog.h"

#include "app/Overmind.h"
#include "link/Protocol.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstring>

namespace {
constexpr int SimByte = 1;
constexpr int PinOffset = 2;
constexpr int PukOffset = 12;
constexpr int CodeFieldSize = 10;

const QRegularExpression &pinPattern()
{
    static const QRegularExpression pattern(QStringLiteral("[0-9]{4,8}"));
    return pattern;
}

bool holdsPin(const QString &text)
{
    return pinPattern().match(text).hasMatch();
}

QLineEdit *pinEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new QRegularExpressionValidator(pinPattern(), edit));
    return edit;
}

QPushButton *sendButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(SimPinDialog::tr("Send"), parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumSize(150, 30);
    button->setEnabled(false);
    return button;
}

QLabel *textLabel(QWidget *parent, const QString &text, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

void putCode(quint8 *request, int offset, const QString &text)
{
    const QByteArray bytes = text.toUtf8().left(CodeFieldSize);
    std::memcpy(request + offset, bytes.constData(), size_t(bytes.size()));
}
} // namespace

SimPinDialog::SimPinDialog() : QDialog(nullptr)
{
    setupUi();
    connect(m_sendPin, &QPushButton::clicked, this, &SimPinDialog::sendNewPinCode);
    connect(m_setNewPin, &QPushButton::clicked, this, &SimPinDialog::sendChangePinCode);
    connect(m_sendPuk, &QPushButton::clicked, this, &SimPinDialog::sendPukCode);
    connect(m_pin, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_sendPin->setEnabled(holdsPin(text)); });
    const auto followNewPin = [this] {
        m_setNewPin->setEnabled(m_newPinSet->text().size() >= 4 &&
                                m_newPinRepeat->text() == m_newPinSet->text());
    };
    connect(m_newPinSet, &QLineEdit::textEdited, this, followNewPin);
    connect(m_newPinRepeat, &QLineEdit::textEdited, this, followNewPin);
    connect(m_puk, &QLineEdit::textEdited, this, &SimPinDialog::followPukFields);
    connect(m_newPin, &QLineEdit::textEdited, this, &SimPinDialog::followPukFields);
}

void SimPinDialog::setupUi()
{
    setObjectName(QStringLiteral("SimPinDialog"));
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    resize(460, 260);
    QFont dialogFont = font();
    dialogFont.setPointSize(10);
    setFont(dialogFont);
    setWindowTitle(tr("SIM-card PIN-code incorrect"));
    auto *layout = new QVBoxLayout(this);
    m_simLabel = textLabel(this, tr("SIM num"), "lblSimCard");
    m_simLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_simLabel);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("stackedWidget"));
    m_pages->addWidget(makeSuccessPage());
    m_pages->addWidget(makePinPage());
    m_pages->addWidget(makeNewPinPage());
    m_pages->addWidget(makePukPage());
    m_pages->setCurrentIndex(SuccessPage);
    layout->addWidget(m_pages);
}

QWidget *SimPinDialog::makeSuccessPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageSuccess"));
    auto *layout = new QVBoxLayout(page);
    m_successText = textLabel(page, tr("Pin changed successfully"), "lblPinChangeSuccess");
    m_successText->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_successText);
    auto *ok = new QPushButton(tr("Ok"), page);
    ok->setObjectName(QStringLiteral("pbOk"));
    ok->setMinimumSize(150, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    return page;
}

QWidget *SimPinDialog::makePinPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageInputPIN"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(
        textLabel(page, tr("SIM-card PIN-code is incorrect. Please enter new PIN-code")), 0, 0, 1,
        2);
    grid->addWidget(textLabel(page, tr("Tries left:")), 1, 0);
    m_pinTries = textLabel(page, QStringLiteral("TextLabel"), "lblPinTriesLeft");
    grid->addWidget(m_pinTries, 1, 1);
    grid->addWidget(textLabel(page, tr("PIN-Code")), 2, 0);
    m_pin = pinEdit(page, "lePinCode");
    grid->addWidget(m_pin, 2, 1);
    m_sendPin = sendButton(page, "pbSendPin");
    grid->addWidget(m_sendPin, 3, 1);
    return page;
}

QWidget *SimPinDialog::makeNewPinPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageNewPIN"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(textLabel(page, tr("Set new PIN-Code")), 0, 0, 1, 2);
    grid->addWidget(textLabel(page, tr("New PIN-Code")), 1, 0);
    m_newPinSet = pinEdit(page, "leNewPinCodeSet");
    grid->addWidget(m_newPinSet, 1, 1);
    grid->addWidget(textLabel(page, tr("Repeat:")), 2, 0);
    m_newPinRepeat = pinEdit(page, "leNewPinCodeRepeat");
    grid->addWidget(m_newPinRepeat, 2, 1);
    m_setNewPin = sendButton(page, "pbSetNewPin");
    grid->addWidget(m_setNewPin, 3, 1);
    return page;
}

QWidget *SimPinDialog::makePukPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pagePUK"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(
        textLabel(page, tr("SIM-card is locked. Please enter PUK-code to unlock SIM-card")), 0, 0,
        1, 2);
    grid->addWidget(textLabel(page, tr("Retries left:")), 1, 0);
    m_pukTries = textLabel(page, QStringLiteral("TextLabel"), "lblPukTriesLeft");
    grid->addWidget(m_pukTries, 1, 1);
    grid->addWidget(textLabel(page, tr("PUK-Code")), 2, 0);
    m_puk = new QLineEdit(page);
    m_puk->setObjectName(QStringLiteral("lePukCode"));
    m_puk->setMinimumWidth(300);
    m_puk->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), m_puk));
    grid->addWidget(m_puk, 2, 1);
    grid->addWidget(textLabel(page, tr("New PIN-Code")), 3, 0);
    m_newPin = pinEdit(page, "leNewPinCode");
    grid->addWidget(m_newPin, 3, 1);
    m_sendPuk = sendButton(page, "pbSendPuk");
    grid->addWidget(m_sendPuk, 4, 1);
    return page;
}

// Both fields decide on every edit, so a new PIN cut below four digits disables Send.
void SimPinDialog::followPukFields()
{
    m_sendPuk->setEnabled(holdsPin(m_puk->text()) && holdsPin(m_newPin->text()));
}

bool SimPinDialog::showStatus(const s_SimcardStatus &status)
{
    m_sim = status.data[0];
    m_simLabel->setText(tr("SIM card %1").arg(m_sim + 1));
    const quint8 pinTries = status.data[1];
    const quint8 pukTries = status.data[2];
    switch (status.event) {
    case 6:
    case 7:
        m_pages->setCurrentIndex(SuccessPage);
        m_successText->setText(tr("PIN-code accepted!"));
        return true;
    case 8:
        m_pages->setCurrentIndex(SuccessPage);
        m_successText->setText(tr("PIN-code changed successfully!"));
        return true;
    case 12:
        if (pinTries != 0) {
            m_pages->setCurrentIndex(PinPage);
            m_pinTries->setText(QString::number(pinTries));
        } else {
            m_pages->setCurrentIndex(PukPage);
            m_pukTries->setText(QString::number(pukTries));
        }
        return true;
    case 16:
    case 17:
        m_pukTries->setText(QString::number(pukTries));
        m_pages->setCurrentIndex(PukPage);
        return true;
    case 18:
        setWindowTitle(tr("Set new PIN-Code"));
        m_pages->setCurrentIndex(NewPinPage);
        return true;
    default:
        return false;
    }
}

s_SimcardControl SimPinDialog::request(quint8 command, int sim, const QString &pin,
                                       const QString &puk)
{
    s_SimcardControl control;
    std::memset(&control, 0, sizeof(control));
    auto *bytes = reinterpret_cast<quint8 *>(&control);
    bytes[0] = command;
    bytes[SimByte] = quint8(sim);
    putCode(bytes, PinOffset, pin);
    putCode(bytes, PukOffset, puk);
    return control;
}

void SimPinDialog::send(const s_SimcardControl &control)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        overmind->protocol()->sendSimControl(control);
    close();
}

void SimPinDialog::sendNewPinCode()
{
    send(request(EnterPin, m_sim, m_pin->text()));
}

void SimPinDialog::sendChangePinCode()
{
    send(request(SetNewPin, m_sim, m_newPinSet->text()));
    // The communicator unlocks the card with the PIN of its GSM block: it must follow.
    emit saveNewPinCode(m_sim, m_newPinSet->text());
}

void SimPinDialog::sendPukCode()
{
    send(request(UnlockWithPuk, m_sim, m_newPin->text(), m_puk->text()));
    emit saveNewPinCode(m_sim, m_newPin->text());
}
