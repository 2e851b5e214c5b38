// Writes the fuzz targets' seed corpora and dictionaries from real data: the messages the
// simulated communicator sends while the program logs in and reads its settings (and the
// journals, status and realtime values it reports), the configuration file the program
// writes of that device, and the containers, settings and datagrams the program reads.
// Usage: fuzz-seeds FUZZ_FOLDER  (writes FUZZ_FOLDER/corpus/NAME/ and FUZZ_FOLDER/dict/)
#include "FuzzSupport.h"

#include "app/ConfigFile.h"
#include "app/FileChooser.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "link/Crc.h"
#include "link/HIDInterface.h"
#include "link/HIDWriter.h"
#include "link/Protocol.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/users/IButtonModel.h"
#include "sim/DmiaWriter.h"
#include "sim/SimCommunicator.h"
#include "sim/SimFirmware.h"
#include "sim/SimJournal.h"
#include "update/OnlineUpdateWidget.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstdio>

namespace {
QString s_root;

void writeSeed(const QString &target, const QByteArray &bytes)
{
    const QString folder = s_root + QStringLiteral("/corpus/") + target;
    QDir().mkpath(folder);
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void writeDictionary(const QString &target, const QSet<QString> &words)
{
    QDir().mkpath(s_root + QStringLiteral("/dict"));
    QStringList lines;
    for (const QString &word : words)
        lines.append(QStringLiteral("\"%1\"").arg(
            QString(word).replace(QLatin1Char('"'), QStringLiteral("\\\""))));
    lines.sort();
    // Tokens of JSON itself, so the fuzzer builds objects and lists around the keys.
    lines << QStringLiteral("\"{\"") << QStringLiteral("\"}\"") << QStringLiteral("\"[\"")
          << QStringLiteral("\"]\"") << QStringLiteral("\":\"") << QStringLiteral("\",\"")
          << QStringLiteral("\"\\\"\"") << QStringLiteral("\"true\"") << QStringLiteral("\"false\"")
          << QStringLiteral("\"null\"");
    QFile file(s_root + QStringLiteral("/dict/") + target + QStringLiteral(".dict"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
}

void collectKeys(const QJsonValue &value, QSet<QString> &keys)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            keys.insert(it.key());
            collectKeys(it.value(), keys);
        }
    } else if (value.isArray()) {
        for (const QJsonValue &element : value.toArray())
            collectKeys(element, keys);
    }
}

QByteArray json(const QJsonValue &value)
{
    if (value.isArray())
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

// The messages the device sends for the program's reads, besides those of the log-in.
QList<QByteArray> recordedMessages(Fuzz::Program &program)
{
    QList<QByteArray> messages = program.startupMessages();
    const QMetaObject::Connection recording =
        QObject::connect(program.overmind()->hidInterface(), &HIDInterface::messageReceived,
                         [&messages](const QByteArray &message) { messages.append(message); });
    Protocol *protocol = program.protocol();
    protocol->readJournalTail();
    protocol->readJournal(0);
    protocol->readJournal(1);
    protocol->readDebugJournal(0);
    protocol->readFirmwareVersion(0);
    protocol->readGSMStatus();
    protocol->readWirelessStatus();
    protocol->sendToDevice(_MenuDataReadSupplyStatus);
    protocol->sendToDevice(_MenuDataReadDeviceStatus);
    QTest::qWait(3000);
    QObject::disconnect(recording);
    // What the device reports on its own.
    messages += SimJournal::realtimeTitles();
    messages.append(SimJournal::realtimeTypes());
    messages.append(SimJournal::realtimeValues(1));
    for (const QByteArray &entry : SimJournal::of(program.device())->debugEntries().mid(0, 4))
        messages.append(SimCommunicator::message(_MenuDataReadDebugJournal, 0, entry));
    // Supported settings versions: version 1 of every block kind, as the program reads them,
    // then the same with one kind the program cannot read.
    s_SettingsVersions versions = {};
    for (auto &kind : versions.versions)
        kind[1] = 1;
    const auto versionsAnswer = [&versions] {
        return SimCommunicator::message(
            _MenuConfigGetSupportedSettingsVersions, 0,
            QByteArray(reinterpret_cast<const char *>(&versions), int(sizeof(versions))));
    };
    messages.append(versionsAnswer());
    versions.versions[3][1] = 2;
    messages.append(versionsAnswer());
    messages.append(SimCommunicator::message(_UsbLogin, 0, QByteArray("\x01\x03", 2)));
    messages.append(SimCommunicator::message(_UsbLogout, 0));
    messages.append(SimCommunicator::message(_MenuConfigDeleteSensor, 3));
    messages.append(SimCommunicator::message(_MenuConfigDeleteIButton, 2));
    messages.append(
        SimCommunicator::errorAnswer(_MenuDataReadJournal, SimJournal::ErrEmptyCell, 7));
    return messages;
}

// Ticks the first row holding a loaded container and runs its update on the page.
void runUpdate(OnlineUpdateWidget *page, QStandardItemModel *model, int waitMs)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem *loaded = model->item(row, OnlineUpdateWidget::LoadedColumn);
        if (!loaded || loaded->text().isEmpty())
            continue;
        model->item(row, 0)->setCheckState(Qt::Checked);
        page->onUpdateClicked();
        QTest::qWait(waitMs);
        return;
    }
}

// The messages of a whole radio-device update and of a communicator part's upload and
// install, the device's read-back of what it was written and its refusals of each step.
QList<QByteArray> recordedUpdateMessages(Fuzz::Program &program)
{
    QList<QByteArray> messages;
    // The journal read started before goes on meanwhile; its refusals are left out.
    const QMetaObject::Connection recording =
        QObject::connect(program.overmind()->hidInterface(), &HIDInterface::messageReceived,
                         [&messages](const QByteArray &message) {
                             const bool journalRefusal =
                                 quint8(message.at(0)) == _UsbErrorAnswer && message.size() > 3 &&
                                 quint8(message.at(3)) == _MenuDataReadJournal;
                             if (!journalRefusal)
                                 messages.append(message);
                         });
    OnlineUpdateWidget *page = program.window()->form()->onlineUpdateWidget;
    QTemporaryDir folder;
    const QStringList files = SimFirmware::writeFittingContainers(folder.path());
    FileChooser::setHandler([files](const FileChooser::Request &) { return files; });
    page->openFirmwareFile();
    FileChooser::clearHandler();
    // The radio device's check of its version comes a few seconds after its last report.
    runUpdate(page, page->deviceModel(), 9000);
    runUpdate(page, page->partsModel(), 4000);
    QObject::disconnect(recording);
    const QList<QByteArray> writes = program.device().commandsOf(_FwWrite);
    if (!writes.isEmpty())
        messages.append(SimCommunicator::message(_FwRead, 0, writes.first().mid(3, 2048)));
    messages.append(SimCommunicator::errorAnswer(_FwWrite, 27, 0));
    messages.append(SimCommunicator::errorAnswer(_FwWrite, 25, 3));
    messages.append(SimCommunicator::errorAnswer(_FwUpdate, 31, 9));
    messages.append(SimCommunicator::errorAnswer(_FwEraseFlash, 5, 0));
    messages.append(SimCommunicator::errorAnswer(_MenuConfigReadFwHeader, 5, 13));
    return messages;
}

void writeAnswerSeeds(const QList<QByteArray> &messages)
{
    for (const QString &target : Fuzz::answerTargets()) {
        const QVector<quint8> &operations = Fuzz::operationsOf(target);
        // Targets whose first byte chooses a mode before the answers.
        const bool led = target == QLatin1String("comms_answers") ||
                         target == QLatin1String("device_settings") ||
                         target == QLatin1String("direction_answers") ||
                         target == QLatin1String("update_answers");
        QByteArray mixed;
        int mixedCount = 0;
        QHash<quint8, int> perOperation;
        for (const QByteArray &message : messages) {
            const quint8 operation = quint8(message.at(0));
            if (!operations.contains(operation))
                continue;
            const QByteArray answer = Fuzz::encodeAnswer(message, operations);
            if (perOperation[operation]++ < 3)
                writeSeed(target, (led ? QByteArray(1, '\0') : QByteArray()) + answer);
            if (mixedCount < 16 && perOperation[operation] <= 2) {
                mixed += answer;
                ++mixedCount;
            }
        }
        if (!mixed.isEmpty())
            writeSeed(target, (led ? QByteArray(1, '\0') : QByteArray()) + mixed);
    }
    // The protocol's own target: layout 1.4, execution 0, then one raw message.
    QSet<quint8> seen;
    for (const QByteArray &message : messages)
        if (!seen.contains(quint8(message.at(0)))) {
            seen.insert(quint8(message.at(0)));
            writeSeed(QStringLiteral("protocol"), QByteArray("\x04\x01\x00", 3) + message);
        }
    // Reassembly: messages cut into reports by the writer, and those reports as they are.
    for (const QByteArray &message : messages.mid(0, 6)) {
        writeSeed(QStringLiteral("reassembly"), QByteArray("\x00\x3b\x01", 3) + message);
        QByteArray framed = message;
        crc16Append(framed);
        QByteArray reports(1, '\x01');
        for (QByteArray report : HIDWriter::split(framed, 1, HIDWriter::MaxPayloadSize)) {
            report.append(QByteArray(HIDWriter::ReportSize - report.size(), '\0'));
            reports += char(report.size()) + report;
        }
        writeSeed(QStringLiteral("reassembly"), reports);
    }
    // Radio device reports, blocks and status for the targets that build a device from them.
    QHash<quint16, QByteArray> blocks;
    QHash<quint16, QByteArray> statuses;
    for (const QByteArray &message : messages) {
        const quint16 id = qFromLittleEndian<quint16>(message.constData() + 1);
        if (quint8(message.at(0)) == _MenuConfigReadSensor)
            blocks.insert(id, message.mid(3));
        else if (quint8(message.at(0)) == _MenuDataReadSensorStatus)
            statuses.insert(id, message.mid(3));
    }
    const int settingsAt = int(offsetof(s_FullSensorData, settings));
    const int settingsAndStatus = int(sizeof(s_SensorSettings) + sizeof(s_SensorIntData));
    int reports = 0;
    for (const QByteArray &message : messages) {
        if (quint8(message.at(0)) != _MenuDataReadFullSensorData || reports >= 8)
            continue;
        ++reports;
        const quint16 id = qFromLittleEndian<quint16>(message.constData() + 1);
        const QByteArray report = message.mid(3);
        const char type = report.at(settingsAt + int(offsetof(s_SensorSettings, bType)));
        writeSeed(QStringLiteral("control_groups"), QByteArray(1, char(reports)) + report);
        writeSeed(QStringLiteral("counter_valve_tree"),
                  QByteArray(1, char(reports)) + report.mid(settingsAt, settingsAndStatus));
        writeSeed(QStringLiteral("parameter_tree"),
                  QByteArray(1, type) + '\0' + report.mid(settingsAt, settingsAndStatus));
        if (blocks.contains(id) && statuses.contains(id))
            writeSeed(QStringLiteral("device_panels"),
                      QByteArray(1, char(reports)) + blocks.value(id) + statuses.value(id));
        writeSeed(QStringLiteral("partition_drop"), QByteArray(1, char(reports)) + char(id));
    }
}

// A whole update's answers in the order they came, for each of the page's starting points.
void writeUpdateSeeds(const QList<QByteArray> &messages)
{
    const QString target = QStringLiteral("update_answers");
    const QVector<quint8> &operations = Fuzz::operationsOf(target);
    QByteArray run;
    for (const QByteArray &message : messages)
        if (operations.contains(quint8(message.at(0))))
            run += Fuzz::encodeAnswer(message, operations);
    for (char scenario : {'\0', '\1', '\2'})
        writeSeed(target, QByteArray(1, scenario) + run);
}

void writeFileSeeds(Fuzz::Program &program)
{
    Overmind *overmind = program.overmind();
    ConfigFile file;
    file.setObject(overmind->settingsJson());
    file.writeHeader();
    const QJsonObject document = file.object();
    const QByteArray whole = json(document);

    QSet<QString> allKeys;
    collectKeys(document, allKeys);
    auto sectionKeys = [&document](const QStringList &sections) {
        QSet<QString> keys(sections.cbegin(), sections.cend());
        for (const QString &section : sections)
            collectKeys(document.value(section), keys);
        return keys;
    };

    writeSeed(QStringLiteral("config_file"), QByteArray(1, '\0') + whole);
    writeSeed(QStringLiteral("config_file"), QByteArray(1, '\1') + whole);
    writeDictionary(QStringLiteral("config_file"), allKeys);

    const QStringList radio = {QStringLiteral("Partition"), QStringLiteral("Sensors"),
                               QStringLiteral("Loop"), QStringLiteral("Output")};
    for (char mode : {'\0', '\1'})
        writeSeed(QStringLiteral("partition_sections"), QByteArray(1, mode) + whole);
    writeDictionary(QStringLiteral("partition_sections"), sectionKeys(radio));

    const QStringList comms = {QStringLiteral("Ethernet"), QStringLiteral("GSM"),
                               QStringLiteral("Wireless")};
    writeSeed(QStringLiteral("comms_sections"), QByteArray(1, '\0') + whole);
    writeDictionary(QStringLiteral("comms_sections"), sectionKeys(comms));

    writeSeed(QStringLiteral("users_section"), QByteArray(1, '\0') + whole);
    writeDictionary(QStringLiteral("users_section"), sectionKeys({QStringLiteral("Users")}));

    const QString directions = overmind->directionSettings()->jsonKey();
    writeSeed(QStringLiteral("directions_sections"),
              QByteArray(1, '\0') + json(document.value(directions)));
    writeDictionary(QStringLiteral("directions_sections"), sectionKeys({directions}));

    const QString keys = overmind->iButtonModel()->jsonKey();
    for (char form : {'\0', '\1'})
        writeSeed(QStringLiteral("ibutton_section"),
                  QByteArray(1, form) + json(document.value(keys)));
    writeDictionary(QStringLiteral("ibutton_section"), sectionKeys({keys}));

    writeSeed(QStringLiteral("device_settings"), QByteArray(1, '\2') + whole);
    writeDictionary(QStringLiteral("device_settings"), allKeys);

    // The online firmware service: a firmware list and a container.
    const QByteArray list =
        R"([{"url":"fw/core.dmia","type":"Korvel-GSM R","hardware":"2.1","firmware":"1.5",)"
        R"("time":"2026-01-01T00:00:00"}])";
    writeSeed(QStringLiteral("firmware_service"), QByteArray(1, '\0') + list);
    DmiaWriter container;
    container.blocks = DmiaWriter::image(0x08000000, 512);
    writeSeed(QStringLiteral("firmware_service"), QByteArray(1, '\1') + container.container());
    writeDictionary(QStringLiteral("firmware_service"),
                    {QStringLiteral("url"), QStringLiteral("type"), QStringLiteral("hardware"),
                     QStringLiteral("firmware"), QStringLiteral("time")});
    writeSeed(QStringLiteral("dmia"), container.container());
    writeSeed(QStringLiteral("dmia"),
              container.container() + "\n---END_OF_DMIA---\n" + container.container());
}

QByteArray setting(quint8 key, quint8 type, const QByteArray &value)
{
    QByteArray bytes;
    bytes.append(char(key));
    bytes.append(char(type));
    QByteArray length(2, '\0');
    qToLittleEndian(quint16(value.size()), length.data());
    return bytes + length + value;
}

void writeSettingsSeeds(Fuzz::Program &program)
{
    // Keys as numbered by the target.
    enum
    {
        History = 0,
        Geometry = 1,
        State = 2,
        Level = 3,
        LastLogin = 6,
        Password = 7,
        Remember = 8,
        ProxyOn = 10,
        ProxyHost = 12
    };
    QByteArray history;
    {
        QDataStream stream(&history, QIODevice::WriteOnly);
        stream << QStringList{QStringLiteral("0x23"), QStringLiteral("0x0E 1")};
    }
    MainWindow *window = program.window();
    writeSeed(QStringLiteral("settings_values"), setting(History, 0, history));
    writeSeed(QStringLiteral("settings_values"), setting(Geometry, 1, window->saveGeometry()) +
                                                     setting(State, 1, window->saveState()) +
                                                     setting(Level, 0, "3"));
    writeSeed(
        QStringLiteral("settings_values"),
        setting(Remember, 0, "true") + setting(LastLogin, 0, "admin") +
            setting(
                Password, 0,
                LoginWidget::encrypt(QStringLiteral("secret"), QStringLiteral("admin")).toUtf8()));
    writeSeed(QStringLiteral("settings_values"),
              setting(ProxyOn, 0, "1") + setting(ProxyHost, 0, "127.0.0.1"));

    for (const QByteArray &datagram :
         {QByteArray("\x00ping", 5), QByteArray("\x00message Hello", 14),
          QByteArray("\x01message \xd0\x9f\xd1\x80\xd0\xb8", 14), QByteArray("\x02close", 6),
          QByteArray("\x02ping", 5)})
        writeSeed(QStringLiteral("udp_commands"), datagram);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FUZZ_FOLDER\n", argv[0]);
        return 2;
    }
    s_root = QString::fromLocal8Bit(argv[1]);
    Fuzz::Program &program = Fuzz::Program::instance();
    const QList<QByteArray> messages = recordedMessages(program);
    const QList<QByteArray> updateMessages = recordedUpdateMessages(program);
    writeAnswerSeeds(messages + updateMessages);
    writeUpdateSeeds(updateMessages);
    writeFileSeeds(program);
    writeSettingsSeeds(program);
    std::printf("seeds written to %s\n", argv[1]);
    return 0;
}
