#include "sim/SimComms.h"

#include "sim/SimCommunicator.h"

#include <QtEndian>
#include <QtMath>

namespace {
constexpr quint8 OpRadioStatus = 0x0D;
constexpr quint8 OpGsmStatus = 0x14;
constexpr quint8 OpBalance = 0x15;
constexpr quint8 OpSimStatus = 0x16;
constexpr quint8 OpReadAll = 0x23;
constexpr quint8 OpRadioBlock = 0x2C;
constexpr quint8 OpGsmBlock = 0x2E;
constexpr quint8 OpFirmware = 0x34;
constexpr quint8 OpEthernetBlock = 0x3D;
constexpr quint8 OpPopup = 0x4C;
constexpr quint8 OpDefaultMac = 0x55;
constexpr quint8 OpTestSms = 0xC9;
constexpr quint8 OpNoise = 0xCC;
constexpr quint8 OpSimControl = 0xD4;
constexpr quint8 OpVerifyCode = 0xD5;
constexpr quint8 OpBestChannel = 0xD6;

void putText(QByteArray &bytes, int at, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    bytes.replace(at, utf8.size(), utf8);
}

void putWord(QByteArray &bytes, int at, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}

QString codeText(const QByteArray &payload, int at)
{
    const QByteArray field = payload.mid(at, 10);
    const int end = field.indexOf('\0');
    return QString::fromUtf8(end < 0 ? field : field.left(end));
}

const char *const Operators[2] = {"Northwave", "Tellam"};
const char *const Balances[2] = {"152.40", "37.15"};
} // namespace

SimComms *SimComms::install(SimCommunicator &device)
{
    if (SimComms *present = of(device))
        return present;
    return new SimComms(device);
}

SimComms *SimComms::of(SimCommunicator &device)
{
    return device.findChild<SimComms *>(QString(), Qt::FindDirectChildrenOnly);
}

SimComms::SimComms(SimCommunicator &device) : QObject(&device), m_device(device)
{
    device.setRecord(OpGsmBlock, 0, gsmBlock());
    device.setRecord(OpEthernetBlock, 0, ethernetBlock());
    device.setRecord(OpRadioBlock, 0, wirelessBlock());
    refreshRadioStatus();
    refreshGsmStatus();
    m_noise.setInterval(1000);
    connect(&m_noise, &QTimer::timeout, this, &SimComms::sendNoise);
    // Runs before the communicator's own handling, so held statuses are fresh when read.
    connect(&device, &SimCommunicator::commandReceived, this, &SimComms::onCommand);
}

QByteArray SimComms::gsmBlock()
{
    QByteArray block(1024, '\0');
    const int sims[2] = {8, 242};
    putText(block, sims[0], QStringLiteral("internet.northwave.net"));
    putText(block, sims[0] + 64, QStringLiteral("nw"));
    putText(block, sims[0] + 128, QStringLiteral("nw"));
    putText(block, sims[0] + 192, QStringLiteral("*100#"));
    putText(block, sims[0] + 224, QString::fromLatin1(Pin));
    putText(block, sims[1], QStringLiteral("m2m.tellam"));
    putText(block, sims[1] + 192, QStringLiteral("*102#"));
    putText(block, sims[1] + 224, QString::fromLatin1(Pin));
    putWord(block, 478, quint16(qint16(50)), 2);
    block[480] = char(0x01 | 0x02 | 0x10 | 0x20); // GSM, reserve SIM, transmit, GPRS
    return SimCommunicator::sealBlock(block);
}

QByteArray SimComms::ethernetBlock()
{
    QByteArray block(1024, '\0');
    block.replace(0, 6, QByteArray::fromHex("02a0c4171b2e"));
    // Address, mask, gateway, preferred and alternative DNS in their order.
    block.replace(8, 20, QByteArray::fromHex("c0a8010affffff00c0a801010808080801010101"));
    block.replace(28, 16, QByteArray::fromHex("fe800000000000000200c4fffe171b2e"));
    block.replace(60, 16, QByteArray::fromHex("20010db8000000010000000000000010"));
    block.replace(92, 16, QByteArray::fromHex("20014860486000000000000000008888"));
    block.replace(108, 16, QByteArray::fromHex("26064700470000000000000000001111"));
    block[126] = 1; // automatic channel choice
    putText(block, 128, QStringLiteral("korvelhall"));
    block[160] = char(0x01 | 0x04 | 0x08 | 0x20); // DHCP, DHCPv6, SLAAC, remote management
    return SimCommunicator::sealBlock(block);
}

QByteArray SimComms::wirelessBlock()
{
    QByteArray block(256, '\0');
    block[32] = char(0x80 | 2); // channel 3, automatic change
    block[33] = 0;              // group 1
    putWord(block, 34, 300, 2);
    putWord(block, 36, 90, 2);
    block[55] = char(0xFF);
    return SimCommunicator::sealBlock(block);
}

bool SimComms::newerLayout() const
{
    const QByteArray info = m_device.record(OpFirmware, 16);
    return info.size() < 64 || quint8(info.at(63)) != 1;
}

// The radio works on the best channel in best-channel mode, otherwise on the chosen one.
void SimComms::refreshRadioStatus()
{
    const QByteArray block = m_device.record(OpRadioBlock, 0);
    QByteArray status(36, '\0');
    if (block.size() == 256) {
        const quint8 best = quint8(block.at(55));
        const bool useBest = block.at(54) & 1;
        status[25] = char(useBest && best < 10 ? best : (block.at(32) & 0x7F));
    }
    status[24] = 1;
    m_device.setRecord(OpRadioStatus, 0, status);
}

void SimComms::refreshGsmStatus()
{
    const bool newer = newerLayout();
    QByteArray module(48, '\0');
    if (newer) {
        module[0] = 1;
        module[2] = char(m_activeSim);
        qToLittleEndian<quint64>(Q_UINT64_C(352090110003147),
                                 reinterpret_cast<uchar *>(module.data()) + 8);
    } else {
        module[0] = char(0x01 | (m_activeSim ? 0x02 : 0) | 0x08);
        module[1] = m_sims[m_activeSim].pinEnabled ? 1 : 0;
        module[2] = char(qint8(m_activeSim ? -83 : -67));
        module[3] = 1;
        module[4] = 1;
        module[7] = 3;
    }
    m_device.setRecord(OpGsmStatus, 0, module);
    for (int sim = 0; sim < 2; ++sim) {
        QByteArray card(newer ? 96 : 72, '\0');
        const int operatorAt = newer ? 8 : 16;
        const int balanceAt = newer ? 48 : 32;
        putText(card, operatorAt, QLatin1String(Operators[sim]));
        putText(card, balanceAt, QLatin1String(Balances[sim]));
        if (newer) {
            card[82] = char(qint8(sim ? -83 : -67));
            card[83] = char(sim == m_activeSim ? 1 : 0);
            card[84] = char(sim == m_activeSim ? 1 : 0);
            card[85] = 5;
        }
        m_device.setRecord(OpSimStatus, quint16(sim), card);
    }
}

void SimComms::onCommand(const QByteArray &command)
{
    if (command.size() < 3)
        return;
    const quint8 operation = quint8(command.at(0));
    const QByteArray payload = command.mid(3);
    switch (operation) {
    case OpReadAll:
        m_device.send(
            SimCommunicator::message(OpDefaultMac, 0, QByteArray::fromHex("02a0c4171b2e")));
        break;
    case OpRadioStatus:
        refreshRadioStatus();
        break;
    case OpGsmStatus:
    case OpSimStatus:
        refreshGsmStatus();
        break;
    case OpBalance: {
        QByteArray popup(2, '\0');
        popup += QStringLiteral("SIM %1: баланс %2 р.")
                     .arg(idOf(command) + 1)
                     .arg(QLatin1String(Balances[idOf(command) ? 1 : 0]))
                     .toUtf8();
        popup += '\0';
        m_device.send(SimCommunicator::message(OpPopup, 1, popup));
        break;
    }
    case OpDefaultMac:
        m_device.send(
            SimCommunicator::message(OpDefaultMac, 0, QByteArray::fromHex("02a0c4171b2e")));
        break;
    case OpVerifyCode: {
        QByteArray code(4, '\0');
        putWord(code, 0, VerifyCode, 4);
        m_device.send(SimCommunicator::message(OpVerifyCode, 0, code));
        break;
    }
    case OpBestChannel:
        QTimer::singleShot(m_scanDelayMs, this, &SimComms::finishScan);
        break;
    case OpNoise:
        if (payload.size() >= 2 && quint8(payload.at(0)) == 2 && (payload.at(1) & 1))
            m_noise.start();
        else
            m_noise.stop();
        break;
    case OpSimControl:
        answerSimControl(payload);
        break;
    case OpTestSms:
    default:
        break;
    }
}

void SimComms::finishScan()
{
    QByteArray block = m_device.record(OpRadioBlock, 0);
    if (block.size() != 256)
        return;
    block[55] = char(BestChannel);
    block = SimCommunicator::sealBlock(block);
    m_device.setRecord(OpRadioBlock, 0, block);
    m_device.send(SimCommunicator::message(OpRadioBlock, 0, block));
}

// Noise around -100 dBm with a spike now and then, one answer of 55 samples per tick.
void SimComms::sendNoise()
{
    QByteArray answer(61, '\0');
    answer[0] = 2;
    putWord(answer, 3, 55, 2);
    answer[5] = char(0xFF);
    ++m_noiseTick;
    for (int i = 0; i < 55; ++i) {
        int level = -100 + int(4 * qSin((m_noiseTick * 55 + i) * 0.37));
        if (m_noiseTick % 10 == 0 && i == 27)
            level = -62;
        answer[6 + i] = char(qint8(level));
    }
    m_device.send(SimCommunicator::message(OpNoise, 255, answer));
}

void SimComms::sendSimStatus(quint8 event, int sim)
{
    QByteArray status(8, '\0');
    status[0] = char(event);
    status[1] = char(sim);
    status[2] = char(m_sims[sim].pinTries);
    status[3] = char(m_sims[sim].pukTries);
    m_device.send(SimCommunicator::message(OpSimControl, 0, status));
}

void SimComms::answerSimControl(const QByteArray &payload)
{
    if (payload.size() < 26)
        return;
    const quint8 commandCode = quint8(payload.at(0));
    const int sim = payload.at(1) ? 1 : 0;
    SimCard &card = m_sims[sim];
    const QString pin = codeText(payload, 2);
    const QString puk = codeText(payload, 12);
    switch (commandCode) {
    case 0:
        card.pinEnabled = true;
        sendSimStatus(9, sim);
        break;
    case 1:
        card.pinEnabled = false;
        sendSimStatus(10, sim);
        break;
    case 2:
        card.pin = pin;
        sendSimStatus(8, sim);
        break;
    case 3:
        if (card.pinTries > 0 && pin == card.pin) {
            card.pinTries = 3;
            sendSimStatus(6, sim);
        } else {
            card.pinTries = qMax(0, card.pinTries - 1);
            sendSimStatus(card.pinTries > 0 ? 12 : 16, sim);
        }
        break;
    case 4:
        if (puk == card.puk) {
            card.pin = pin;
            card.pinTries = 3;
            card.pukTries = 10;
            sendSimStatus(7, sim);
        } else {
            card.pukTries = qMax(0, card.pukTries - 1);
            sendSimStatus(17, sim);
        }
        break;
    case 5:
        m_activeSim = sim;
        refreshGsmStatus();
        break;
    default:
        break;
    }
}
