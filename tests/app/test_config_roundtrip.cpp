#include "app/BaseSettingsWidget.h"
#include "app/FileNumber.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Storable.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "pages/reporting/DirectionSettings.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimDirections.h"
#include "sim/SimFullWidth.h"
#include "sim/SimPartitions.h"
#include "sim/SimUsers.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int Timeout = 120000;

using RecordKey = QPair<quint8, quint16>;
using Records = QMap<RecordKey, QByteArray>;

// The settings records a configuration file stands for, by read operation and id count.
const QList<QPair<quint8, int>> &settingsRecords()
{
    static const QList<QPair<quint8, int>> kinds = {
        {0x24, 256},                                                        // radio devices
        {0x25, 17},                                                         // partitions
        {0x26, 2},                                                          // local outputs
        {0x27, 64},                                                         // iButton keys
        {0x28, 1},   {0x29, 1}, {0x2A, 1}, {0x2B, 1}, {0x2C, 1}, {0x2D, 1}, // wired loop
        {0x2E, 1},                                                          // GSM
        {0x2F, 64},                                                         // users
        {0x31, 11},                                                         // directions
        {0x33, 1},   {0x3D, 1}, {0x3E, 1},
    };
    return kinds;
}

Records snapshot(const SimCommunicator &device)
{
    Records records;
    for (const auto &kind : settingsRecords())
        for (int id = 0; id < kind.second; ++id)
            if (!device.record(kind.first, quint16(id)).isEmpty())
                records.insert({kind.first, quint16(id)}, device.record(kind.first, quint16(id)));
    return records;
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

void answerChooserAndDialogs(ModalRecorder &boxes)
{
    // The chooser applies every section; a viewed file opens in the current window.
    boxes.reply = [](const ModalAnswerer::Request &request) {
        if (request.kind == "chooser" || request.kind == "dialog")
            return 0;
        return int(QMessageBox::Ok);
    };
}

// The first place where the two values differ, or an empty text.
QString difference(const QJsonValue &a, const QJsonValue &b, const QString &path)
{
    if (a.type() != b.type())
        return path + QStringLiteral(": type %1 against %2").arg(a.type()).arg(b.type());
    if (a.isObject()) {
        const QJsonObject x = a.toObject();
        const QJsonObject y = b.toObject();
        QStringList keys = x.keys() + y.keys();
        keys.removeDuplicates();
        for (const QString &key : qAsConst(keys)) {
            if (!x.contains(key) || !y.contains(key))
                return path + "/" + key + QStringLiteral(": only in one");
            const QString inner = difference(x.value(key), y.value(key), path + "/" + key);
            if (!inner.isEmpty())
                return inner;
        }
        return QString();
    }
    if (a.isArray()) {
        const QJsonArray x = a.toArray();
        const QJsonArray y = b.toArray();
        if (x.size() != y.size())
            return path + QStringLiteral(": %1 elements against %2").arg(x.size()).arg(y.size());
        for (int i = 0; i < x.size(); ++i) {
            const QString inner = difference(x.at(i), y.at(i), path + QStringLiteral("/%1").arg(i));
            if (!inner.isEmpty())
                return inner;
        }
        return QString();
    }
    if (a != b)
        return path + QStringLiteral(": %1 against %2")
                          .arg(QString::fromUtf8(
                              QJsonDocument(QJsonArray{a}).toJson(QJsonDocument::Compact)))
                          .arg(QString::fromUtf8(
                              QJsonDocument(QJsonArray{b}).toJson(QJsonDocument::Compact)));
    return QString();
}

QString differenceButTimestamp(QJsonObject a, QJsonObject b)
{
    a.remove("Timestamp");
    b.remove("Timestamp");
    return difference(a, b, QString());
}

// A viewed file gone through as a user would: every page saved, every section stored.
void saveEveryPage(RadioSession &session)
{
    for (BaseSettingsWidget *page : session.window()->findChildren<BaseSettingsWidget *>())
        page->saveSettings();
    for (QWidget *page : session.window()->partitionPages()) {
        auto *save = page->findChild<QPushButton *>("pbSave");
        if (save && save->isEnabled())
            save->click();
    }
    const QMap<QString, Storable *> registry = session.overmind()->registry();
    for (Storable *object : registry)
        object->store();
}

bool logInToFullWidth(RadioSession &session)
{
    SimFullWidth::install(session.device());
    return session.logInAndLoad();
}

// What a communicator holds fresh from the factory: default blocks, its administrator, no
// radio devices, users or keys beyond.
void makeFactoryFresh(SimCommunicator &device, const Records &held)
{
    for (auto it = held.cbegin(); it != held.cend(); ++it) {
        const quint8 operation = it.key().first;
        const quint16 id = it.key().second;
        if (operation == 0x24) {
            for (quint8 radio : {quint8(0x24), quint8(0x11), quint8(0x0A)})
                device.removeRecord(radio, id);
        } else if (operation == 0x27 || (operation == 0x2F && id != 0)) {
            device.removeRecord(operation, id);
        } else if (operation == 0x25) {
            device.setRecord(operation, id, SimPartitions::defaultBlock(id));
        } else if (operation == 0x31) {
            device.setRecord(operation, id,
                             SimDirections::bytesOf(SimDirections::defaultDirection(id)));
        } else if (operation == 0x2F) {
            device.setRecord(operation, id,
                             SimUsers::record({0, QString(), "admin", "vorte", 0,
                                               SimUsers::NoSmsPassword, 0x07, 255, 0, 0x1FFFE}));
        } else {
            device.setRecord(operation, id,
                             SimCommunicator::sealBlock(QByteArray(it.value().size(), '\0')));
        }
    }
}

// A file written by the program before 64-bit values were written exactly, from the
// simulated full-width configuration; trimmed to a few devices, users and keys.
QString olderFile()
{
    return QStringLiteral(KORVEL_TEST_DATA "/older-site.cfg");
}

bool isExecutiveCaption(const QString &name)
{
    return name == "Executive devices" || name == QString::fromUtf8("Исполнительные устройства");
}

bool writeJson(const QString &path, const QJsonObject &object)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(object).toJson()) > 0;
}

QJsonArray withoutId(const QJsonArray &array, int id)
{
    QJsonArray kept;
    for (const QJsonValue &element : array)
        if (element.toObject().value("id").toInt() != id)
            kept.append(element);
    return kept;
}

QJsonObject elementWithId(const QJsonArray &array, int id)
{
    for (const QJsonValue &element : array)
        if (element.toObject().value("id").toInt() == id)
            return element.toObject();
    return QJsonObject();
}

// Numbers as the older writer put them and as they are written now compare by value.
QJsonValue byValue(const QJsonValue &value)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            *it = byValue(*it);
        return object;
    }
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i)
            array[i] = byValue(array.at(i));
        return array;
    }
    quint64 word = 0;
    if (value.isDouble() && FileNumber::readWord(value, word))
        return QString::number(word);
    if (value.isString() && !value.toString().isEmpty() && FileNumber::readWord(value, word) &&
        value.toString() == QString::number(word))
        return QString::number(word);
    return value;
}

// The keys of `older` keep their values in `newer`; keys the newer writer adds do not count.
QString lostFrom(const QJsonValue &older, const QJsonValue &newer, const QString &path)
{
    if (older.isObject() && newer.isObject()) {
        const QJsonObject x = older.toObject();
        const QJsonObject y = newer.toObject();
        for (auto it = x.constBegin(); it != x.constEnd(); ++it) {
            if (!y.contains(it.key()))
                return path + "/" + it.key() + QStringLiteral(": missing");
            const QString inner = lostFrom(it.value(), y.value(it.key()), path + "/" + it.key());
            if (!inner.isEmpty())
                return inner;
        }
        return QString();
    }
    if (older.isArray() && newer.isArray() && older.toArray().size() == newer.toArray().size()) {
        for (int i = 0; i < older.toArray().size(); ++i) {
            const QString inner = lostFrom(older.toArray().at(i), newer.toArray().at(i),
                                           path + QStringLiteral("/%1").arg(i));
            if (!inner.isEmpty())
                return inner;
        }
        return QString();
    }
    return difference(older, newer, path);
}

// The program started without a device, viewing one file.
struct Viewer
{
    StartUp startUp;

    explicit Viewer(const QString &path)
    {
        startUp.begin({});
        overmind()->viewConfigFile({path});
    }
    Overmind *overmind() { return startUp.overmind(); }
    PartitionModel *model() { return overmind()->partitionModel(); }
};

struct ByteRange
{
    int from;
    int to; // inclusive
    const char *what;
};

// Bytes of the records that the configuration file does not carry.
QList<ByteRange> notCarried(const RecordKey &key)
{
    switch (key.first) {
    case 0x25:
        // An empty name has no filler in the file: the executive devices' partition.
        if (key.second == 0)
            return {{1, 63, "filler after an empty partition name"}, {96, 99, "its name CRC"}};
        return {};
    case 0x27:
        return {{12, 23, "reserved after the key id"},
                {28, 35, "reserved"},
                {38, 45, "reserved"},
                {47, 249, "reserved"}};
    case 0x2F:
        return {{244, 247, "reserved top of the settings word, written as zero"}};
    case 0x31:
        return {{996, 1529, "the device's own bytes after the configurator's fields"}};
    case 0x3E:
        return {{0, 251, "the debug settings: the file has no section for them"}};
    default:
        return {};
    }
}

QString recordDifference(const RecordKey &key, const QByteArray &expected, const QByteArray &got)
{
    if (got.size() != expected.size())
        return QStringLiteral("record %1/%2: %3 bytes against %4")
            .arg(key.first, 2, 16)
            .arg(key.second)
            .arg(got.size())
            .arg(expected.size());
    const QList<ByteRange> skipped = notCarried(key);
    const int crcAt = expected.size() - 4;
    for (int i = 0; i < crcAt; ++i) {
        if (got.at(i) == expected.at(i))
            continue;
        bool carried = true;
        for (const ByteRange &range : skipped)
            if (i >= range.from && i <= range.to)
                carried = false;
        if (carried)
            return QStringLiteral("record %1/%2: byte %3 is %4, was %5")
                .arg(key.first, 2, 16)
                .arg(key.second)
                .arg(i)
                .arg(quint8(got.at(i)), 2, 16)
                .arg(quint8(expected.at(i)), 2, 16);
    }
    return QString();
}
} // namespace

class TestConfigRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void olderFileReadsAsBefore()
    {
        ModalRecorder boxes;
        answerChooserAndDialogs(boxes);
        QTemporaryDir dir;
        const QString viewed = dir.filePath("older.cfg");
        QVERIFY(QFile::copy(olderFile(), viewed));
        QFile::setPermissions(viewed, QFile::ReadOwner | QFile::WriteOwner);
        QJsonObject older = readJson(olderFile());
        QVERIFY(!older.isEmpty());
        Viewer viewer(viewed);
        QVERIFY(viewer.overmind()->isViewingMode());
        const QString again = dir.filePath("again.cfg");
        QVERIFY(viewer.overmind()->onSaveSettings(again));

        // The older writer stored the executive devices' caption as that partition's name.
        QJsonArray partitions = older.value("Partition").toArray();
        for (int i = 0; i < partitions.size(); ++i) {
            QJsonObject partition = partitions.at(i).toObject();
            if (isExecutiveCaption(partition.value("name").toString()))
                partition.insert("name", QString());
            partitions[i] = partition;
        }
        older.insert("Partition", partitions);
        // The rights shown beside a user's "settings" are derived from it; the older writer
        // rounded "settings" and lost them there, and the reader takes "settings" only.
        QJsonArray users = older.value("Users").toArray();
        for (int i = 0; i < users.size(); ++i) {
            QJsonObject user = users.at(i).toObject();
            user.remove("userPartitionTakeOn");
            user.remove("userPartitionTakeOff");
            users[i] = user;
        }
        older.insert("Users", users);
        older.remove("Timestamp");
        QCOMPARE(lostFrom(byValue(older), byValue(readJson(again)), QString()), QString());
    }

    void viewingKeepsTheFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("MAC zeroed") << "mac";
        QTest::newRow("serial number replaced") << "serial";
        QTest::newRow("settings versions zeroed") << "versions";
        QTest::newRow("radio device stored as a section") << "device key";
        QTest::newRow("partition page locked") << "partition page";
        QTest::newRow("phantom direction") << "direction";
        QTest::newRow("executive caption stored as a name") << "executive name";
    }

    void viewingKeepsTheFile()
    {
        QFETCH(QString, fault);
        ModalRecorder boxes;
        answerChooserAndDialogs(boxes);
        QTemporaryDir dir;
        QJsonObject file = readJson(olderFile());
        const QJsonObject beeper = file.value("Beeper").toObject();
        QJsonArray sensors = file.value("Sensors").toArray();
        QJsonObject renamed = sensors.at(0).toObject();
        renamed.insert("name", "Beeper");
        sensors[0] = renamed;
        file.insert("Sensors", sensors);
        file.insert("Directions", withoutId(file.value("Directions").toArray(), 1));
        const QString path = dir.filePath("viewed.cfg");
        QVERIFY(writeJson(path, file));
        Viewer viewer(path);
        QVERIFY(viewer.overmind()->isViewingMode());
        QVERIFY(viewer.model());
        Storable *ethernet = viewer.overmind()->registry().value("Ethernet");
        auto *directions =
            dynamic_cast<DirectionSettings *>(viewer.overmind()->registry().value("Directions"));
        QVERIFY(ethernet && directions);

        if (fault == "mac") {
            ethernet->store();
            QCOMPARE(readJson(path).value("Ethernet").toObject().value("macAddr"),
                     file.value("Ethernet").toObject().value("macAddr"));
            QVERIFY(file.value("Ethernet").toObject().value("macAddr") != "00:00:00:00:00:00");
        } else if (fault == "serial") {
            const QString again = dir.filePath("again.cfg");
            QVERIFY(viewer.overmind()->onSaveSettings(again));
            for (const char *key : {"SerialNumber", "Execution", "Modification", "Version"})
                QCOMPARE(readJson(again).value(key), file.value(key));
        } else if (fault == "versions") {
            const QString again = dir.filePath("again.cfg");
            QVERIFY(viewer.overmind()->onSaveSettings(again));
            const QJsonObject saved = readJson(again);
            for (const char *section : {"Partition", "Output", "Users"}) {
                const QJsonArray elements = saved.value(section).toArray();
                QVERIFY(!elements.isEmpty());
                for (const QJsonValue &element : elements)
                    QCOMPARE(element.toObject().value("settingsVersion"),
                             QJsonValue(QJsonObject{{"compatible", 1}, {"critical", 1}}));
            }
        } else if (fault == "device key") {
            const int id = renamed.value("id").toInt();
            Sensor::SPtr device = viewer.model()->sensor(id);
            QVERIFY(device);
            QVERIFY(device->store());
            const QJsonObject saved = readJson(path);
            QCOMPARE(saved.value("Beeper").toObject(), beeper);
            QCOMPARE(saved.keys(), file.keys());
            QCOMPARE(elementWithId(saved.value("Sensors").toArray(), id).value("name"),
                     QJsonValue("Beeper"));
        } else if (fault == "partition page") {
            PartitionWidget *page = nullptr;
            for (QWidget *widget : viewer.startUp.window()->partitionPages()) {
                auto *candidate = qobject_cast<PartitionWidget *>(widget);
                if (candidate &&
                    candidate->findChild<QLineEdit *>("leName")->isVisibleTo(candidate) &&
                    candidate->findChild<QPushButton *>("pbSave")->isVisibleTo(candidate)) {
                    page = candidate;
                    break;
                }
            }
            QVERIFY(page);
            QTRY_VERIFY_WITH_TIMEOUT(page->findChild<QPushButton *>("pbSave")->isEnabled(),
                                     Timeout);
            QVERIFY(page->findChild<QLineEdit *>("leName")->isEnabled());
            QVERIFY(page->findChild<QPushButton *>("pbReset")->isEnabled());
        } else if (fault == "direction") {
            directions->setDataPointer(1);
            directions->setDataPointer(0);
            QVERIFY(directions->store());
            const QJsonArray saved = readJson(path).value("Directions").toArray();
            QCOMPARE(saved.size(), file.value("Directions").toArray().size());
            QVERIFY(elementWithId(saved, 1).isEmpty());
        } else if (fault == "executive name") {
            QVERIFY(isExecutiveCaption(
                elementWithId(file.value("Partition").toArray(), 0).value("name").toString()));
            QVERIFY(viewer.model()->partition(0)->store());
            const QJsonObject executive =
                elementWithId(readJson(path).value("Partition").toArray(), 0);
            QVERIFY(!executive.isEmpty());
            QVERIFY(!isExecutiveCaption(executive.value("name").toString()));
        }
    }

    void viewedFileSavedAgainChangesNothingButTheTimestamp()
    {
        ModalRecorder boxes;
        answerChooserAndDialogs(boxes);
        RadioSession session;
        QTemporaryDir dir;
        QVERIFY(logInToFullWidth(session));
        const QString first = dir.filePath("first.cfg");
        QVERIFY(session.overmind()->onSaveSettings(first));
        const QJsonObject saved = readJson(first);
        QCOMPARE(saved.value("Sensors").toArray().size(), SimFullWidth::RadioDeviceCount);

        const QString viewed = dir.filePath("viewed.cfg");
        QVERIFY(QFile::copy(first, viewed));
        session.overmind()->viewConfigFile({viewed});
        QTRY_VERIFY_WITH_TIMEOUT(session.overmind()->isViewingMode(), Timeout);
        saveEveryPage(session);
        const QString again = dir.filePath("again.cfg");
        QVERIFY(session.overmind()->onSaveSettings(again));

        QCOMPARE(differenceButTimestamp(readJson(again), saved), QString());
        QCOMPARE(differenceButTimestamp(readJson(viewed), saved), QString());
    }

    void refusedValueEndsInTheWriteInSummary()
    {
        ModalRecorder boxes;
        answerChooserAndDialogs(boxes);
        RadioSession session;
        QTemporaryDir dir;
        QVERIFY(session.logInAndLoad());
        QJsonObject direction =
            readJson(olderFile()).value("Directions").toArray().at(0).toObject();
        QJsonObject settings = direction.value("sett").toObject();
        QJsonObject filter = settings.value("filter").toObject();
        filter.insert("eventFilterZoneEventMask", "not a number");
        settings.insert("filter", filter);
        direction.insert("sett", settings);
        const QJsonObject file{{"Version", "2.0"},    {"Timestamp", 1700000000},
                               {"Execution", 0},      {"Modification", 1},
                               {"SerialNumber", "0"}, {"Directions", QJsonArray{direction}}};
        const QString path = dir.filePath("refused.cfg");
        QVERIFY(writeJson(path, file));
        session.device().clearCommands();
        session.overmind()->onLoadSettings(path);
        QTRY_VERIFY_WITH_TIMEOUT(!session.overmind()->isConfigWriteRunning(), Timeout);
        const QString refusal =
            QCoreApplication::translate(
                "DirectionSettings",
                "Direction %1: the value of \"%2\" was refused, the direction was not written.")
                .arg(1)
                .arg("eventFilterZoneEventMask");
        QVERIFY(boxes.sawText(
            QCoreApplication::translate("Overmind",
                                        "The device did not take the whole configuration. It was "
                                        "not restarted; check the settings after the next "
                                        "login.\n\n%1")
                .arg(refusal)));
        QCOMPARE(boxes.count("critical"), 1);
        QCOMPARE(session.device().reboots(), 0);
        QVERIFY(session.device().commandsOf(0x7C).isEmpty());
    }

    void fileWrittenIntoAFreshDeviceHoldsTheFirstDevicesRecords()
    {
        ModalRecorder boxes;
        answerChooserAndDialogs(boxes);
        RadioSession session;
        QTemporaryDir dir;
        QVERIFY(logInToFullWidth(session));
        const QString path = dir.filePath("site.cfg");
        QVERIFY(session.overmind()->onSaveSettings(path));
        const Records first = snapshot(session.device());
        QVERIFY(first.size() > 100 + 64 + 64);

        makeFactoryFresh(session.device(), first);
        boxes.seen.clear();
        session.overmind()->onLoadSettings(path);
        QTRY_VERIFY_WITH_TIMEOUT(session.device().reboots() > 0, Timeout);
        QCOMPARE(boxes.count("critical"), 0);
        QCOMPARE(boxes.count("warning"), 0);

        const Records written = snapshot(session.device());
        QStringList faults;
        for (auto it = first.cbegin(); it != first.cend(); ++it) {
            const QString fault = recordDifference(it.key(), it.value(), written.value(it.key()));
            if (!fault.isEmpty())
                faults.append(fault);
        }
        QCOMPARE(faults.join('\n'), QString());
        // Written radio devices are announced at the next full read.
        for (auto it = first.cbegin(); it != first.cend(); ++it)
            if (it.key().first == 0x24)
                QVERIFY(session.device().hasRecord(0x11, it.key().second));
    }
};

QTEST_MAIN(TestConfigRoundTrip)
#include "test_config_roundtrip.moc"
