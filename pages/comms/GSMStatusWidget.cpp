#include "pages/comms/GSMStatusWidget.h"

#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/RecordBytes.h"
#include "pages/comms/SendSMSDialog.h"
#include "pages/comms/SimPinDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QtEndian>

namespace {
constexpr int FirstRequestDelayMs = 5000;
const char *const NetworkTexts[] = {QT_TRANSLATE_NOOP("QObject", "No carrier"),
                                    QT_TRANSLATE_NOOP("QObject", "Home network"),
                                    QT_TRANSLATE_NOOP("QObject", "Searching"),
                                    QT_TRANSLATE_NOOP("QObject", "Network registration denied"),
                                    QT_TRANSLATE_NOOP("QObject", "No SIM-card"),
                                    QT_TRANSLATE_NOOP("QObject", "Roaming"),
                                    QT_TRANSLATE_NOOP("QObject", "Unknown")};
const char *const GprsTexts[] = {
    QT_TRANSLATE_NOOP("QObject", "Disconnected"), QT_TRANSLATE_NOOP("QObject", "Connected"),
    QT_TRANSLATE_NOOP("QObject", "Connecting"),   QT_TRANSLATE_NOOP("QObject", "Connection denied"),
    QT_TRANSLATE_NOOP("QObject", "No SIM-card"),  QT_TRANSLATE_NOOP("QObject", "Roaming"),
    QT_TRANSLATE_NOOP("QObject", "Unknown")};
const char *const TechnologyTexts[] = {"",
                                       QT_TRANSLATE_NOOP("QObject", "(GSM)"),
                                       QT_TRANSLATE_NOOP("QObject", "(GPRS)"),
                                       QT_TRANSLATE_NOOP("QObject", "(EDGE)"),
                                       QT_TRANSLATE_NOOP("QObject", "(3G)"),
                                       QT_TRANSLATE_NOOP("QObject", "(LTE)"),
                                       QT_TRANSLATE_NOOP("QObject", "(Unknown)")};

QString stateText(const char *const *texts, int code)
{
    const int index = code < 0 || code > 5 ? 6 : code;
    return index == 0 && texts[0][0] == '\0' ? QString()
                                             : QCoreApplication::translate("QObject", texts[index]);
}

Overmind *overmind()
{
    return Overmind::instance();
}

Protocol *protocol()
{
    return overmind() ? overmind()->protocol() : nullptr;
}

bool isViewing()
{
    return overmind() && overmind()->isViewingMode();
}

QLabel *valueLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}
} // namespace

GSMStatusWidget::GSMStatusWidget(QWidget *parent) : QWidget(parent)
{
    setupUi();
    // One timer, started again by every connection: a second login signal must not add a
    // second round of status requests.
    m_firstRequest = new QTimer(this);
    m_firstRequest->setSingleShot(true);
    m_firstRequest->setInterval(FirstRequestDelayMs);
    connect(m_firstRequest, &QTimer::timeout, this, &GSMStatusWidget::sendRequest);
    connect(m_sims[0].requestBalance, &QPushButton::released, this, [] {
        if (Protocol *link = protocol())
            link->balanceRequest(0);
    });
    connect(m_sims[1].requestBalance, &QPushButton::released, this, [] {
        if (Protocol *link = protocol())
            link->balanceRequest(1);
    });
    connect(m_sims[0].setActive, &QPushButton::clicked, this, [this] { setActiveSim(0); });
    connect(m_sims[1].setActive, &QPushButton::clicked, this, [this] { setActiveSim(1); });
    connect(m_copyImei, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_imei->text()); });
    connect(m_testSms, &QPushButton::clicked, this, &GSMStatusWidget::showTestSMSDialog);
    if (Overmind *controller = overmind()) {
        connect(controller, &Overmind::connected, this, &GSMStatusWidget::onConnect);
        // Asked again once logged in, when the device's record layout is known.
        connect(controller, &Overmind::loginSuccessful, this, &GSMStatusWidget::onConnect);
        connect(controller, &Overmind::disconnected, this, &GSMStatusWidget::onDisconnect);
    }
    for (SimLabels &sim : m_sims)
        sim.group->setEnabled(false);
    m_testSms->setEnabled(false);
}

void GSMStatusWidget::setupUi()
{
    setObjectName(QStringLiteral("GSMStatusWidget"));
    setWindowTitle(QStringLiteral("Form"));
    resize(880, 218);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(makeModuleGroup());
    layout->addWidget(makeSimGroup(0));
    layout->addWidget(makeSimGroup(1));
}

QGroupBox *GSMStatusWidget::makeModuleGroup()
{
    auto *group = new QGroupBox(tr("GSM module status"), this);
    group->setObjectName(QStringLiteral("groupBox"));
    group->setMaximumSize(220, 200);
    auto *grid = new QGridLayout(group);
    QFont bold = font();
    bold.setBold(true);
    const auto row = [group, grid, &bold](int at, const char *captionName, const QString &caption,
                                          const char *valueName) {
        auto *title = new QLabel(caption, group);
        title->setObjectName(QLatin1String(captionName));
        grid->addWidget(title, at, 0);
        QLabel *value = valueLabel(group, QLatin1String(valueName));
        value->setFont(bold);
        grid->addWidget(value, at, 1);
        return std::make_pair(title, value);
    };
    m_power = row(0, "label", tr("Power:"), "lblPower").second;
    m_active = row(1, "label_2", tr("Active:"), "lblActive").second;
    const auto imei = row(2, "lblIMEITitle", tr("IMEI:"), "lblIMEI");
    m_imeiTitle = imei.first;
    m_imei = imei.second;
    m_copyImei = new QPushButton(QIcon(QStringLiteral(":/images/copy.png")), QString(), group);
    m_copyImei->setObjectName(QStringLiteral("pbCopyIMEI"));
    m_copyImei->setFlat(true);
    m_copyImei->setMaximumWidth(30);
    grid->addWidget(m_copyImei, 2, 2);
    m_testSms = new QPushButton(tr("Test SMS"), group);
    m_testSms->setObjectName(QStringLiteral("pbTestSMS"));
    m_testSms->setMinimumWidth(120);
    grid->addWidget(m_testSms, 3, 0, 1, 3);
    return group;
}

QGroupBox *GSMStatusWidget::makeSimGroup(int index)
{
    SimLabels &sim = m_sims[index];
    const QString number = QString::number(index + 1);
    sim.group = new QGroupBox(tr("SIM %1").arg(index + 1), this);
    sim.group->setObjectName(QStringLiteral("gbSIM") + number);
    sim.group->setFixedHeight(200);
    auto *grid = new QGridLayout(sim.group);
    const auto caption = [&sim, grid](int row, const QString &text) {
        auto *label = new QLabel(text, sim.group);
        grid->addWidget(label, row, 0);
        return label;
    };
    const auto value = [&sim, grid, &number](int row, const char *name) {
        QLabel *label = valueLabel(sim.group, QLatin1String(name) + number);
        grid->addWidget(label, row, 1);
        return label;
    };
    caption(0, tr("Operator:"));
    sim.operatorName = value(0, "lblOperatorSim");
    sim.balanceCaption = caption(1, tr("Balance:"));
    sim.balanceCaption->setObjectName(QStringLiteral("lblBalance") + number);
    sim.balance = value(1, "lblBalanceSim");
    caption(2, tr("Network state:"));
    sim.network = value(2, "lblNetworkSim");
    caption(3, tr("GPRS state:"));
    sim.gprs = value(3, "lblGPRSSim");
    caption(4, tr("Signal level:"));
    sim.signal = value(4, "lblSignalSim");
    sim.level = new QLabel(sim.group);
    sim.level->setObjectName(QStringLiteral("lblLevelSim") + number);
    sim.level->setFixedSize(25, 25);
    sim.level->setScaledContents(true);
    grid->addWidget(sim.level, 3, 2, 2, 1);
    sim.setActive = new QPushButton(tr("Set active"), sim.group);
    sim.setActive->setObjectName(QStringLiteral("pbSim%1SetActive").arg(number));
    sim.setActive->setMinimumWidth(125);
    grid->addWidget(sim.setActive, 5, 0);
    sim.requestBalance = new QPushButton(tr("Request balance"), sim.group);
    sim.requestBalance->setObjectName(QStringLiteral("pbRequstBalance") + number);
    sim.requestBalance->setMinimumWidth(125);
    grid->addWidget(sim.requestBalance, 5, 1, 1, 2);
    return sim.group;
}

QString GSMStatusWidget::networkStateText(int code)
{
    return stateText(NetworkTexts, code);
}

QString GSMStatusWidget::gprsStateText(int code)
{
    return stateText(GprsTexts, code);
}

QString GSMStatusWidget::technologyText(int code)
{
    return stateText(TechnologyTexts, code);
}

QString GSMStatusWidget::signalPicture(qint8 level)
{
    const QString folder = QStringLiteral(":/connectImages/images/connectImages/");
    if (level == -128)
        return folder + QStringLiteral("no_connection.png");
    if (level < -80)
        return folder + QStringLiteral("low_connect.png");
    if (level <= -71)
        return folder + QStringLiteral("medium_connect.png");
    if (level <= -61)
        return folder + QStringLiteral("good_connect.png");
    return folder + QStringLiteral("high_connect.png");
}

QString GSMStatusWidget::signalText(qint8 level)
{
    return level == -128 ? tr("No signal") : tr("%1 dBm").arg(int(level));
}

int GSMStatusWidget::firmwareVersion()
{
    return overmind() ? overmind()->deviceInfo().version() : 0;
}

bool GSMStatusWidget::isPowered() const
{
    return m_power->text() == tr("On");
}

void GSMStatusWidget::setTestSmsEnabled(bool enabled)
{
    m_testSms->setEnabled(enabled && isPowered());
}

void GSMStatusWidget::onConnect()
{
    if (Protocol *link = protocol()) {
        disconnect(link, &Protocol::gsmStatus, this, &GSMStatusWidget::gsmStatus);
        disconnect(link, &Protocol::gsmStatusOld, this, &GSMStatusWidget::gsmStatusOld);
        disconnect(link, &Protocol::updateGSMSimCard, this, &GSMStatusWidget::updateSimCard);
        disconnect(link, &Protocol::updateGSMSimCardOld, this, &GSMStatusWidget::updateSimCardOld);
        connect(link, &Protocol::gsmStatus, this, &GSMStatusWidget::gsmStatus);
        connect(link, &Protocol::gsmStatusOld, this, &GSMStatusWidget::gsmStatusOld);
        connect(link, &Protocol::updateGSMSimCard, this, &GSMStatusWidget::updateSimCard);
        connect(link, &Protocol::updateGSMSimCardOld, this, &GSMStatusWidget::updateSimCardOld);
    }
    m_testSms->setEnabled(isPowered() && !isViewing());
    if (isViewing()) {
        m_active->clear();
        m_power->clear();
        for (SimLabels &sim : m_sims)
            for (QLabel *label : {sim.network, sim.gprs, sim.signal})
                label->clear();
    } else {
        m_firstRequest->start();
    }
    for (SimLabels &sim : m_sims)
        sim.group->setEnabled(false);
    m_testSms->setEnabled(false);
    const bool imeiShown = (firmwareVersion() >> 8) >= 2;
    m_imeiTitle->setVisible(imeiShown);
    m_imei->setVisible(imeiShown);
    m_copyImei->setVisible(imeiShown);
}

void GSMStatusWidget::onDisconnect()
{
    m_firstRequest->stop();
    for (SimLabels &sim : m_sims)
        sim.group->setEnabled(false);
}

void GSMStatusWidget::sendRequest()
{
    if (Protocol *link = protocol())
        link->readGSMStatus();
}

void GSMStatusWidget::requestSimStatus(int sim)
{
    if (Protocol *link = protocol())
        link->sendToDevice(_MenuDataReadSimCardStatus, quint16(sim));
}

void GSMStatusWidget::showPower(bool on)
{
    m_power->setText(QStringLiteral("%1").arg(on ? tr("On") : tr("Off")));
}

void GSMStatusWidget::showRadioState(SimLabels &sim, int network, int technology, int gprs,
                                     qint8 level)
{
    sim.network->setText(
        QStringLiteral("%1 %2").arg(networkStateText(network), technologyText(technology)));
    sim.gprs->setText(gprsStateText(gprs));
    sim.level->setPixmap(QPixmap(signalPicture(level)));
    sim.signal->setText(signalText(level));
}

void GSMStatusWidget::gsmStatus(const GSMStatus_t &status)
{
    if (isViewing()) {
        onConnect();
        return;
    }
    const bool powered = status.bytes[0] & 1;
    showPower(powered);
    const int active = status.bytes[2] == 0 ? 0 : 1;
    m_active->setText(tr("SIM %1").arg(active + 1));
    m_imei->setText(QString::number(qFromLittleEndian<quint64>(status.bytes + 8)));
    for (SimLabels &sim : m_sims)
        sim.group->setEnabled(powered);
    m_testSms->setEnabled(powered);
    m_sims[0].setActive->setEnabled(status.bytes[2] == 1);
    m_sims[1].setActive->setEnabled(status.bytes[2] == 0);
    requestSimStatus(status.bytes[2]);
}

void GSMStatusWidget::gsmStatusOld(const GSMStatusOld_t &status)
{
    if (isViewing()) {
        onConnect();
        return;
    }
    const quint8 flags = status.bytes[0];
    const bool powered = flags & 0x01;
    const int active = (flags & 0x02) ? 1 : 0;
    showPower(powered);
    m_active->setText(tr("SIM %1").arg(active + 1));
    const quint8 network = status.bytes[3];
    showRadioState(m_sims[active], network, status.bytes[7], status.bytes[4],
                   qint8(status.bytes[2]));
    if (network == 1 || network == 5) {
        m_sims[0].group->setEnabled(powered);
        m_sims[1].group->setEnabled(powered && (flags & 0x08));
        m_testSms->setEnabled(powered);
        m_sims[0].setActive->setEnabled(active == 1);
        m_sims[1].setActive->setEnabled(active == 0);
    } else {
        m_sims[0].group->setEnabled(false);
        m_sims[1].group->setEnabled(false);
        m_testSms->setEnabled(false);
    }
    requestSimStatus(active);
}

void GSMStatusWidget::showBalance(SimLabels &sim, bool expenses, const QString &balance,
                                  const QString &operatorName)
{
    sim.balanceCaption->setText(expenses ? tr("Expenses:") : tr("Balance:"));
    sim.balance->setText(balance);
    sim.operatorName->setText(operatorName);
}

void GSMStatusWidget::updateSimCard(int in_index, const s_GSMSimCard &cardStatus)
{
    SimLabels &sim = m_sims[in_index == 0 ? 0 : 1];
    const quint8 *bytes = cardStatus.bytes;
    const QString operatorName = RecordBytes::fieldText(bytes + 8, 40);
    showBalance(sim, bytes[80] != 0, RecordBytes::fieldText(bytes + 48, 32), operatorName);
    sim.requestBalance->setEnabled(!operatorName.isEmpty());
    if (firmwareVersion() >= 0x0200)
        showRadioState(sim, bytes[83], bytes[85], bytes[84], qint8(bytes[82]));
}

void GSMStatusWidget::updateSimCardOld(int cardIndex, const s_GSMSimCardOld &cardStatus)
{
    m_sims[0].requestBalance->setEnabled(cardIndex == 0);
    m_sims[1].requestBalance->setEnabled(cardIndex == 1);
    SimLabels &sim = m_sims[cardIndex == 0 ? 0 : 1];
    const quint8 *bytes = cardStatus.bytes;
    showBalance(sim, bytes[64] != 0, RecordBytes::fieldText(bytes + 32, 32),
                RecordBytes::fieldText(bytes + 16, 16));
}

void GSMStatusWidget::setActiveSim(int index)
{
    if (Protocol *link = protocol())
        link->sendSimControl(SimPinDialog::request(SimPinDialog::MakeActive, index));
}

void GSMStatusWidget::showTestSMSDialog()
{
    auto *dialog = new SendSMSDialog();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &SendSMSDialog::send, this, [](const QString &number, const QString &message) {
        if (Protocol *link = protocol())
            link->sendTestSMS(number, message);
        MessageBoxU::information(tr("Test SMS has been send."), tr("Test SMS"));
    });
    if (Overmind *controller = overmind())
        controller->registerDialog(dialog);
    dialog->show();
}
