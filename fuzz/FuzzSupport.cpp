#include "FuzzSupport.h"

#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "link/SettingsBlocks.h"
#include "support/RadioSession.h"

#include <QApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Fuzz {
namespace {
constexpr int HeaderSize = 3;
constexpr int NameSize = 64;

// Where a record keeps its CRCs: the whole record's, and that of its name if it has one.
struct Seal
{
    quint8 operation;
    int size;
    int crcAt;     // -1: the record carries no CRC
    int nameCrcAt; // -1: no name CRC
};

template <typename Block> constexpr Seal block(quint8 operation)
{
    return {operation, int(sizeof(Block)), Block::crcOffset, -1};
}
template <typename Record> constexpr Seal report(quint8 operation)
{
    return {operation, int(sizeof(Record)), int(offsetof(Record, crc32)), -1};
}
template <typename Record> constexpr Seal plain(quint8 operation)
{
    return {operation, int(sizeof(Record)), -1, -1};
}

const Seal Seals[] = {
    {_MenuConfigReadSensor, s_ExtMemDataSensor::size, s_ExtMemDataSensor::crcOffset,
     int(offsetof(s_ExtMemDataSensor, nameCrc))},
    {_MenuConfigReadPartition, s_ExtMemDataPartition::size, s_ExtMemDataPartition::crcOffset,
     int(offsetof(s_ExtMemDataPartition, nameCrc))},
    {_MenuConfigReadOutput, s_ExtMemDataOutput::size, s_ExtMemDataOutput::crcOffset,
     int(offsetof(s_ExtMemDataOutput, nameCrc))},
    {_MenuConfigReadLoop, s_ExtMemDataLoop::size, s_ExtMemDataLoop::crcOffset,
     int(offsetof(s_ExtMemDataLoop, nameCrc))},
    {_MenuConfigReadDirection, s_ExtMemDataGSMDirection::size, s_ExtMemDataGSMDirection::crcOffset,
     int(offsetof(s_ExtMemDataGSMDirection, crc32Name))},
    block<s_ExtMemDataUser>(_MenuConfigReadUser),
    block<s_ExtMemDataIButton>(_MenuConfigReadIButton),
    block<s_ExtMemDataIButtonConfig>(_MenuConfigReadIButtonIndication),
    block<s_ExtMemDataBeeper>(_MenuConfigReadBeeper),
    block<s_ExtMemDataLeds>(_MenuConfigReadLeds),
    block<s_ExtMemDataObject>(_MenuConfigReadObject),
    block<s_ExtMemDataDevice>(_MenuConfigReadDevice),
    block<s_ExtMemDataWireless>(_MenuConfigReadWireless),
    block<s_ExtMemDataDebug>(_MenuConfigReadDebug),
    block<s_ExtMemDataOutGroup>(_MenuConfigReadOutGroup),
    block<s_ExtMemDataGSM>(_MenuConfigReadGSM),
    block<s_ExtMemDataEth>(_MenuConfigReadEthernet),
    report<s_FullSensorData>(_MenuDataReadFullSensorData),
    report<s_FullLoopData>(_MenuDataReadFullLoopData),
    report<s_FullJournalEventIsp2>(_MenuDataReadJournal),
    report<s_FullDebugJournalEvent>(_MenuDataReadDebugJournal),
    plain<s_SensorIntData>(_MenuDataReadSensorStatus),
    plain<s_PartitionStatus>(_MenuDataReadPartitionStatus),
    plain<s_OutputStatus>(_MenuDataReadOutputStatus),
    plain<s_LoopStatus>(_MenuDataReadLoopStatus),
    plain<s_DeviceStatus>(_MenuDataReadDeviceStatus),
    plain<s_fw_info>(_MenuConfigReadFwHeader),
    plain<s_SettingsVersions>(_MenuConfigGetSupportedSettingsVersions),
    plain<s_DeviceLoadProgress>(_MenuConfigReadProgress),
    plain<s_EventsOutMode>(_MenuDataOutputTactic),
    plain<s_FullHalvorDevData>(_MenuDataReadFullHalvorData),
    plain<s_UsbRealtimeDataRead>(_UsbRealtimeData),
    plain<s_UsbTxRtmTitles>(_UsbRealtimeTitles),
    plain<s_UsbTxRtmDataTypesTable>(_UsbRealtimeDataTypesTable),
};

const Seal *sealOf(quint8 operation)
{
    for (const Seal &seal : Seals)
        if (seal.operation == operation)
            return &seal;
    return nullptr;
}

void writeCrc(QByteArray &payload, int at, int covered, int from = 0)
{
    const quint32 crc = crc32Stm(payload.constData() + from, quint32(covered));
    qToLittleEndian(crc, payload.data() + at);
}

int declining(const ModalAnswerer::Request &request)
{
    for (QMessageBox::StandardButton button :
         {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Close, QMessageBox::Ok})
        if (request.standardButtons & button)
            return button;
    return 0;
}

void makeApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
    new QApplication(argc, argv);
    ModalAnswerer::setHandler(declining);
}
} // namespace

void startApplication()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    makeApplication();
    new Logger;
}

Overmind *bareController(bool withModels)
{
    static Overmind *controller = nullptr;
    if (controller)
        return controller;
    startApplication();
    controller = new Overmind;
    controller->deviceInfo().init(0, 0, 0, 0);
    if (withModels)
        controller->createSettingsObjects(true);
    return controller;
}

void Input::fill(void *target, size_t length)
{
    auto *out = static_cast<uint8_t *>(target);
    for (size_t i = 0; i < length; ++i)
        out[i] = m_at < m_size ? m_data[m_at++] : 0;
}

quint8 Input::byte()
{
    quint8 value = 0;
    fill(&value, 1);
    return value;
}

quint16 Input::word()
{
    const quint8 low = byte();
    return quint16(low | (byte() << 8));
}

QByteArray Input::bytes(size_t length)
{
    const size_t available = m_at < m_size ? qMin(length, m_size - m_at) : 0;
    QByteArray taken(reinterpret_cast<const char *>(m_data + m_at), int(available));
    m_at += available;
    return taken;
}

QByteArray Input::rest()
{
    return bytes(m_at < m_size ? m_size - m_at : 0);
}

Program::Program()
{
    makeApplication();
    m_session = new RadioSession(true);
    const QMetaObject::Connection recording =
        QObject::connect(overmind()->hidInterface(), &HIDInterface::messageReceived,
                         [this](const QByteArray &message) { m_startupMessages.append(message); });
    if (!m_session->logInAndLoad()) {
        std::fprintf(stderr, "the program did not log in to the simulated communicator\n");
        std::abort();
    }
    settle();
    QObject::disconnect(recording);
    // The login dialog comes back at once after a logout: a fuzzer cannot wait seconds
    // for each input that ends the login.
    Intervals::reloginDelayMs = 0;
}

Program &Program::instance()
{
    static Program *program = new Program;
    return *program;
}

Overmind *Program::overmind() const
{
    return m_session->overmind();
}

MainWindow *Program::window() const
{
    return m_session->window();
}

Protocol *Program::protocol() const
{
    return m_session->overmind()->protocol();
}

SimCommunicator &Program::device() const
{
    return m_session->device();
}

void Program::feed(const QByteArray &message)
{
    protocol()->onMessageReceived(message);
    settle();
}

void Program::restoreLogin()
{
    // The relogin a logout asked for runs first; it shows the dialog and lets the device go.
    settle();
    settle();
    Overmind *controller = overmind();
    const LoginWidget *dialog = controller->loginWidget();
    if (controller->isLoggedIn() && controller->hidInterface()->isActive() &&
        !(dialog && dialog->isVisible()))
        return;
    if (!m_session->logInAndLoad()) {
        std::fprintf(stderr, "the program did not log in again after a logout\n");
        std::abort();
    }
    settle();
}

void Program::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray message(quint8 operation, quint16 id, const QByteArray &payload)
{
    QByteArray bytes(HeaderSize, '\0');
    bytes[0] = char(operation);
    qToLittleEndian(id, bytes.data() + 1);
    return bytes + payload;
}

QByteArray sealed(const QByteArray &message)
{
    if (message.size() < HeaderSize)
        return message;
    const Seal *seal = sealOf(quint8(message.at(0)));
    if (!seal)
        return message;
    QByteArray payload = message.mid(HeaderSize).leftJustified(seal->size, '\0');
    if (seal->nameCrcAt >= 0)
        writeCrc(payload, seal->nameCrcAt, NameSize);
    if (seal->crcAt >= 0)
        writeCrc(payload, seal->crcAt, seal->crcAt);
    return message.left(HeaderSize) + payload;
}

QList<QByteArray> answers(const uint8_t *data, size_t size, const QVector<quint8> &operations)
{
    QList<QByteArray> messages;
    Input input(data, size);
    while (!input.atEnd()) {
        const quint8 choice = input.byte();
        const quint16 id = input.word();
        const quint16 length = input.word();
        const quint8 operation = operations.at((choice & 0x7F) % operations.size());
        const QByteArray answer = message(operation, id, input.bytes(length));
        messages.append((choice & 0x80) ? answer : sealed(answer));
    }
    return messages;
}

QByteArray encodeAnswer(const QByteArray &message, const QVector<quint8> &operations)
{
    const int choice = operations.indexOf(quint8(message.at(0)));
    QByteArray bytes(5, '\0');
    bytes[0] = char(choice < 0 ? 0 : choice);
    bytes[1] = message.at(1);
    bytes[2] = message.at(2);
    const QByteArray payload = message.mid(HeaderSize, 0xFFFF);
    qToLittleEndian(quint16(payload.size()), bytes.data() + 3);
    return bytes + payload;
}

void feedAnswers(const uint8_t *data, size_t size, const QVector<quint8> &operations)
{
    Program &program = Program::instance();
    for (const QByteArray &answer : answers(data, size, operations))
        program.feed(answer);
}

QJsonValue section(const QJsonDocument &document, const QString &key)
{
    if (document.isArray())
        return document.array();
    const QJsonObject object = document.object();
    return object.contains(key) ? object.value(key) : QJsonValue(object);
}

QJsonDocument document(const uint8_t *data, size_t size)
{
    return QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
}

} // namespace Fuzz

namespace Fuzz {
namespace {
const QHash<QString, QVector<quint8>> &operationTable()
{
    static const QHash<QString, QVector<quint8>> table = {
        {QStringLiteral("comms_answers"),
         {0x3D, 0x55, 0xD5, 0x2E, 0xD4, 0x14, 0x16, 0x2C, 0x0D, 0xCC}},
        {QStringLiteral("device_settings"), {0x2A, 0x2B, 0x10, 0x3E, 0x29, 0x28, 0x3F, 0x41, 0x33}},
        {QStringLiteral("direction_answers"), {0x31, 0x17}},
        {QStringLiteral("journal_answers"), {0x32, 0x35, 0x37, 0x38, 0xAA, 0xF0}},
        {QStringLiteral("debug_journal_answers"), {0x04, 0xAB}},
        {QStringLiteral("key_answers"), {0x27, 0x96}},
        {QStringLiteral("user_answers"), {0x2F}},
        {QStringLiteral("partition_answers"),
         {0x0A, 0x0B, 0x0C, 0x11, 0x12, 0x13, 0x18, 0x24, 0x25, 0x26, 0x2D, 0x97, 0xDA}},
        {QStringLiteral("status_answers"), {0x0E, 0x0F, 0x3A, 0x3B, 0x3C}},
        {QStringLiteral("session_answers"), {0x01, 0x05, 0x34, 0x54, 0x38, 0x39}},
        {QStringLiteral("update_answers"), {0x34, 0xC2, 0xC3, 0xBE, 0xF0}},
    };
    return table;
}
} // namespace

const QVector<quint8> &operationsOf(const QString &target)
{
    return operationTable().find(target).value();
}

QStringList answerTargets()
{
    QStringList names = operationTable().keys();
    names.sort();
    return names;
}
} // namespace Fuzz
