#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/ProtocolFixture.h"
#include "pages/users/IButtonAddDialog.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/IButtonsWidget.h"
#include "pages/users/UserModel.h"
#include "sim/LogCapture.h"
#include "sim/SimKeys.h"
#include "support/ModalRecorder.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QtEndian>

#include <cstring>

namespace {
constexpr quint8 OpWriteKey = 0x71;
constexpr quint8 OpDeleteKey = 0x96;

s_ExtMemDataIButton blockOf(const SimKeys::Key &key)
{
    const QByteArray bytes = SimKeys::record(key);
    s_ExtMemDataIButton block;
    std::memcpy(&block, bytes.constData(), sizeof(block));
    return block;
}

s_ExtMemDataIButton block(int slot, const QString &id, quint32 mask = 2, quint16 law = 2,
                          quint8 owner = 0xFF)
{
    return blockOf({slot, id, mask, law, owner});
}

quint16 idOf(const QByteArray &command)
{
    return qFromLittleEndian<quint16>(command.constData() + 1);
}

QList<int> idsOf(const QList<QByteArray> &commands)
{
    QList<int> ids;
    for (const QByteArray &command : commands)
        ids.append(idOf(command));
    return ids;
}

QList<int> numbers(const IButtonModel &model)
{
    QList<int> list;
    for (int row = 0; row < model.count(); ++row)
        list.append(model.keyAt(quint8(row))->id());
    return list;
}

QJsonObject keyObject(const QString &id, int law, qint64 mask, int owner)
{
    return {{"id_hex", id}, {"AccessLaw", law}, {"control_p_mask", mask}, {"UserID", owner}};
}
} // namespace

// A model on a real link to a simulated device, watched by Qt's model tester.
struct KeyFixture
{
    ProtocolFixture link;
    Overmind overmind;
    IButtonModel model{link.protocol.get()};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    KeyFixture()
    {
        overmind.deviceInfo().init(0, 0, 0, 0);
        SimKeys::install(link.communicator);
    }
    void fill(const QList<int> &keyNumbers)
    {
        for (int slot : keyNumbers)
            model.onIButtonDataReceived(quint16(slot), block(slot, QString("A%1").arg(slot)));
    }
    QList<QByteArray> sent(quint8 operation) { return link.communicator.commandsOf(operation); }
};

class TestIButtonModel : public QObject
{
    Q_OBJECT
private slots:
    // The identifier field holds up to 12 characters with no terminator when full.
    void identifierField_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("zerosFrom");
        QTest::newRow("12 digits") << "0123456789AB"
                                   << "0123456789AB" << 12;
        QTest::newRow("short") << "AB12"
                               << "AB12" << 4;
        QTest::newRow("13 cut") << "0123456789ABC"
                                << "0123456789AB" << 12;
    }
    void identifierField()
    {
        QFETCH(QString, given);
        QFETCH(QString, stored);
        QFETCH(int, zerosFrom);
        IButtonSettings key(nullptr, 3);
        key.setIdHex(given);
        const quint8 *bytes = reinterpret_cast<const quint8 *>(&key.record());
        for (int i = zerosFrom; i < 12; ++i)
            QCOMPARE(int(bytes[i]), 0);
        // A neighbour byte that is not zero must not join the identifier.
        s_ExtMemDataIButton record = key.record();
        record.body[12] = 'F';
        key.setSettings(record);
        QCOMPARE(key.idHex(), stored);
    }

    void deviceBlockCorrections_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<quint16>("law");
        QTest::addColumn<quint32>("keptMask");
        QTest::addColumn<quint16>("keptLaw");
        QTest::addColumn<QString>("error");
        QTest::newRow("mask at the bound")
            << 0x20000u << quint16(2) << 0x20000u << quint16(2) << QString();
        QTest::newRow("mask above") << 0x20001u << quint16(2) << 0u << quint16(2)
                                    << "Partitions set incorrectly. Dropping to no partitions";
        QTest::newRow("law 6") << 0x2u << quint16(6) << 0x2u << quint16(1)
                               << "Access law set incorrectly. Dropping to KeyLawNotSet";
        QTest::newRow("law 0") << 0x2u << quint16(0) << 0x2u << quint16(0) << QString();
    }
    void deviceBlockCorrections()
    {
        QFETCH(quint32, mask);
        QFETCH(quint16, law);
        QFETCH(quint32, keptMask);
        QFETCH(quint16, keptLaw);
        QFETCH(QString, error);
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        LogCapture log;
        IButtonSettings key(nullptr, 1);
        QSignalSpy updated(&key, &IButtonSettings::settingsUpdated);
        key.setSettings(block(1, "AB", mask, law));
        QCOMPARE(key.partitionsMask(), keptMask);
        QCOMPARE(key.accessLaw(), keptLaw);
        QCOMPARE(updated.count(), 1);
        if (!error.isEmpty())
            QTRY_COMPARE(log.count(error), 1);
    }

    // Reserved bytes 13-15, 28-35, 38-45 and 48-51 go out as zero; the rest as received.
    void writeZeroesReservedBytesAndSeals()
    {
        IButtonSettings key(nullptr, 7);
        s_ExtMemDataIButton received = block(7, "1B4F0C", 0x30, 2, 5);
        quint8 *raw = received.body;
        for (int at : {13, 14, 15, 28, 35, 38, 45, 48, 51, 16, 23, 47, 52, 249})
            raw[at] = 0xEE;
        key.setSettings(received);
        QSignalSpy written(&key, &IButtonSettings::writeSettings);
        key.writeToDevice();
        QCOMPARE(written.count(), 1);
        QCOMPARE(written.first().at(0).value<quint8>(), quint8(7));
        const auto sent = written.first().at(1).value<s_ExtMemDataIButton>();
        const quint8 *bytes = reinterpret_cast<const quint8 *>(&sent);
        for (int at : {13, 14, 15, 28, 35, 38, 45, 48, 51})
            QCOMPARE(int(bytes[at]), 0);
        for (int at : {12, 16, 23, 47, 52, 249})
            QCOMPARE(int(bytes[at]), at == 12 ? 0x01 : 0xEE);
        QCOMPARE(int(bytes[250]), 1);
        QCOMPARE(int(bytes[251]), 1);
        QCOMPARE(qFromLittleEndian<quint32>(bytes + 252), crc32Stm(bytes, 252));
        QCOMPARE(key.idHex(), QString("1B4F0C"));
    }

    void keyObjects()
    {
        IButtonSettings key(nullptr, 4);
        QVERIFY(key.fromJson(QJsonObject{{"id", 40},
                                         {"id_hex", "ab12"},
                                         {"AccessLaw", 3},
                                         {"control_p_mask", 6},
                                         {"UserID", 255}},
                             2));
        QCOMPARE(key.idHex(), QString("AB12"));
        const QJsonObject object = key.toJson().toObject();
        QCOMPARE(object.value("id").toInt(), 4);
        QCOMPARE(object.value("UserID").toInt(), 255);
        QCOMPARE(object.value("used").toInt(), 1);
        QCOMPARE(object.value("AccessLaw").toInt(), 3);
        QCOMPARE(object.value("control_p_mask").toInt(), 6);
        QCOMPARE(object.value("settingsVersion").toObject().value("critical").toInt(), 1);

        IButtonSettings old(nullptr, 0);
        old.fromJson(QJsonObject{{"Id", "00c1"},
                                 {"Partitions", 8},
                                 {"Permissions", 4},
                                 {"UserId", 2},
                                 {"id_hex", "FFFF"}},
                     1);
        QCOMPARE(old.idHex(), QString("00C1"));
        QCOMPARE(old.partitionsMask(), 8u);
        QCOMPARE(old.accessLaw(), quint16(4));
        QCOMPARE(old.userId(), quint8(2));
        // Numbers beyond what a record holds keep their low bits, nonsense reads as 0.
        old.fromJson(QJsonObject{{"Id", 5}, {"Partitions", 1e300}, {"Permissions", 65537}}, 1);
        QCOMPARE(old.idHex(), QString());
        QCOMPARE(old.partitionsMask(), 0u);
        QCOMPARE(old.accessLaw(), quint16(1));
    }

    // Keys 0, 5, 7 arrive; new ones fill the gaps, the list stays in number order.
    void newKeysTakeTheSmallestFreeNumbers()
    {
        KeyFixture f;
        QSignalSpy added(&f.model, &IButtonModel::newIButton);
        f.fill({0, 5, 7});
        QCOMPARE(numbers(f.model), QList<int>({0, 5, 7}));
        QCOMPARE(added.count(), 3);
        QCOMPARE(added.last().first().toInt(), 3);
        for (int expected : {1, 2, 3, 4, 6, 8}) {
            QCOMPARE(f.model.firstFreeIndex(), expected);
            IButtonSettings *key =
                f.model.addKey("B", 2, 2, IButtonModel::Auto, quint8(f.model.firstFreeIndex()));
            QVERIFY(key);
            QCOMPARE(int(key->id()), expected);
        }
        QCOMPARE(numbers(f.model), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
        // An answer for a known key replaces it without a new row.
        f.model.onIButtonDataReceived(5, block(5, "C5"));
        QCOMPARE(f.model.rowCount(), 9);
        QCOMPARE(f.model.index(5, 0).data().toString(), QString("C5"));
    }

    void answersThatMakeNoRow_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("damage"); // 0 none, 1 CRC, 2 empty slot
        QTest::addColumn<int>("rows");
        QTest::newRow("sound") << 3 << 0 << 1;
        QTest::newRow("broken CRC") << 3 << 1 << 0;
        QTest::newRow("empty slot") << 3 << 2 << 0;
        QTest::newRow("zero-filled") << 3 << 3 << 0;
        QTest::newRow("beyond the slots") << 64 << 0 << 0;
        QTest::newRow("identifier wraps") << 256 + 3 << 0 << 1;
    }
    void answersThatMakeNoRow()
    {
        QFETCH(int, slot);
        QFETCH(int, damage);
        QFETCH(int, rows);
        KeyFixture f;
        s_ExtMemDataIButton answer = block(slot & 0xFF, "AB");
        if (damage == 1)
            answer.crc32 ^= 1;
        if (damage == 2) {
            answer.body[0] = 0;
            QByteArray bytes(reinterpret_cast<const char *>(&answer), 256);
            bytes = SimCommunicator::sealBlock(bytes);
            std::memcpy(&answer, bytes.constData(), 256);
        }
        if (damage == 3)
            std::memset(&answer, 0, sizeof(answer));
        f.model.onIButtonDataReceived(quint16(slot), answer);
        QCOMPARE(f.model.rowCount(), rows);
        if (rows)
            QCOMPARE(int(f.model.keyAt(0)->id()), slot & 0xFF);
    }

    void theLastSlotSignalsMaxCount()
    {
        KeyFixture f;
        QSignalSpy full(&f.model, &IButtonModel::maxCount);
        f.fill({62});
        QCOMPARE(full.count(), 0);
        f.fill({63});
        QCOMPARE(full.count(), 1);
        // 64 keys: no room for another.
        for (int slot = 0; slot < 62; ++slot)
            f.fill({slot});
        QCOMPARE(f.model.rowCount(), 64);
        QVERIFY(!f.model.addKey("FF", 1, 0));
    }

    // Only the key at the row is asked for; rows go with the acknowledgement.
    void removeRowsAsksAndTheAcknowledgementRemoves_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("asked");
        QTest::newRow("count 0") << 0 << QList<int>();
        QTest::newRow("count 1") << 1 << QList<int>({5});
        QTest::newRow("count 5") << 5 << QList<int>({5});
    }
    void removeRowsAsksAndTheAcknowledgementRemoves()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, asked);
        KeyFixture f;
        QVERIFY(f.link.activate());
        SimKeys::of(f.link.communicator)->setAcknowledgeDeletes(false);
        f.fill({0, 5, 7});
        QVERIFY(f.model.removeRows(1, count));
        QVERIFY(!f.model.removeRows(3, 1));
        f.link.protocol->sendToDevice(_SendRequestExtendLogout, 0);
        QTRY_VERIFY(!f.link.communicator.commandsOf(0x50).isEmpty());
        QCOMPARE(idsOf(f.sent(OpDeleteKey)), asked);
        QCOMPARE(f.model.rowCount(), 3);
        QSignalSpy full(&f.model, &IButtonModel::maxCount);
        if (!asked.isEmpty()) {
            // Without an answer the row stays; the acknowledgement takes it out.
            f.link.communicator.send(SimCommunicator::message(OpDeleteKey, 5));
            QTRY_COMPARE(f.model.rowCount(), 2);
            QCOMPARE(numbers(f.model), QList<int>({0, 7}));
            QCOMPARE(full.count(), 1);
        }
        f.model.onIButtonDeleteAcknowledge(42);
        QCOMPARE(f.model.rowCount(), asked.isEmpty() ? 3 : 2);
    }

    void clearDeletesTheKeysOfNoOwnerOrUserZero()
    {
        KeyFixture f;
        QVERIFY(f.link.activate());
        f.model.onIButtonDataReceived(0, block(0, "A0", 2, 2, 0));
        f.model.onIButtonDataReceived(1, block(1, "A1", 2, 2, 3));
        f.model.onIButtonDataReceived(2, block(2, "A2", 2, 2, 0xFF));
        f.model.clear();
        QCOMPARE(f.model.rowCount(), 0);
        QTRY_COMPARE(f.sent(OpDeleteKey).size(), 2);
        QCOMPARE(idsOf(f.sent(OpDeleteKey)), QList<int>({2, 0}));
        f.link.protocol->sendToDevice(_SendRequestExtendLogout, 0);
        QTRY_VERIFY(!f.link.communicator.commandsOf(0x50).isEmpty());
        QCOMPARE(f.sent(OpDeleteKey).size(), 2);
    }

    void containsKeyId_data()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("leading zeros") << "AB"
                                       << "0000000000AB" << true;
        QTest::newRow("held with zeros") << "00AB"
                                         << "AB" << true;
        QTest::newRow("zeros only") << "000"
                                    << "0" << true;
        QTest::newRow("case") << "AB"
                              << "ab" << false;
        QTest::newRow("other") << "AB"
                               << "ABC" << false;
    }
    void containsKeyId()
    {
        QFETCH(QString, held);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        KeyFixture f;
        f.model.onIButtonDataReceived(4, block(4, held));
        QCOMPARE(f.model.containsKeyId(asked), found);
        // The key itself does not count when it is the one being edited.
        QVERIFY(!f.model.containsKeyId(asked, 4));
    }

    void displayAndFlags()
    {
        KeyFixture f;
        f.model.onIButtonDataReceived(0, block(0, "AB", 0x4, 3, 0xFF));
        // Bit 0 and bits beyond the partitions are not shown.
        f.model.keyAt(0)->setPartitionsMask(0x1 | 0x4 | 0x100000);
        QCOMPARE(f.model.index(0, 1).data().toString(), QString("Partition # 02"));
        QCOMPARE(f.model.index(0, 2).data().toString(), QString("Take on"));
        QCOMPARE(f.model.index(0, 3).data().toString(), QString("Not set"));
        QCOMPARE(f.model.index(0, 3).data(Qt::UserRole).toInt(), 0xFF);
        QCOMPARE(f.model.index(0, 1).data(Qt::UserRole).toInt(), 0);
        QCOMPARE(f.model.index(0, 0).data(Qt::AccessibleTextRole).toString(), QString("item"));
        QCOMPARE(f.model.headerData(0, Qt::Vertical).toInt(), 1);
        QCOMPARE(f.model.flags(f.model.index(0, 0)), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QVERIFY(f.model.flags(f.model.index(0, 3)) & Qt::ItemIsEditable);
        f.model.keyAt(0)->setPartitionsMask(0);
        QCOMPARE(f.model.index(0, 1).data().toString(), QString("No partitions"));
    }

    // A changed cell is written once; the same value again writes nothing.
    void setDataWritesOnce()
    {
        KeyFixture f;
        QVERIFY(f.link.activate());
        f.fill({2});
        QVERIFY(f.model.setData(f.model.index(0, 2), 5));
        QVERIFY(!f.model.setData(f.model.index(0, 2), 5));
        QVERIFY(f.model.setData(f.model.index(0, 1), 6u));
        QTRY_COMPARE(f.sent(OpWriteKey).size(), 2);
        QCOMPARE(int(idOf(f.sent(OpWriteKey).first())), 2);
        QCOMPARE(f.model.keyAt(0)->accessLaw(), quint16(5));
        QCOMPARE(f.model.keyAt(0)->partitionsMask(), 6u);
    }

    // Saved in format 2 and read into a fresh model: the same keys, numbered from 0.
    void sectionRoundTrip()
    {
        KeyFixture f;
        for (const SimKeys::Key &key : SimKeys::keys())
            f.model.onIButtonDataReceived(quint16(key.slot + 10), blockOf(key));
        const QJsonValue section = f.model.toJson();
        QCOMPARE(section.toArray().size(), SimKeys::keys().size());

        IButtonModel fresh(nullptr);
        QAbstractItemModelTester tester(&fresh,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        fresh.addKey("DEAD", 1, 0);
        QVERIFY(fresh.fromJson(section, 2));
        QCOMPARE(fresh.count(), SimKeys::keys().size());
        for (int row = 0; row < fresh.count(); ++row) {
            const IButtonSettings *was = f.model.keyAt(quint8(row));
            const IButtonSettings *now = fresh.keyAt(quint8(row));
            QCOMPARE(int(now->id()), row);
            QCOMPARE(now->idHex(), was->idHex());
            QCOMPARE(now->partitionsMask(), was->partitionsMask());
            QCOMPARE(now->accessLaw(), was->accessLaw());
            QCOMPARE(now->userId(), was->userId());
        }
    }

    void formatOneSections_data()
    {
        QTest::addColumn<QJsonObject>("section");
        QTest::addColumn<QStringList>("ids");
        const QJsonObject a{{"Id", "0a"}, {"Permissions", 2}, {"Partitions", 2}, {"UserId", 1}};
        const QJsonObject b{{"Id", "0B"}, {"Permissions", 3}, {"Partitions", 4}, {"UserId", 255}};
        QTest::newRow("list") << QJsonObject{{"IButtons", QJsonArray{a, b}}}
                              << QStringList({"HELD", "0A", "0B"});
        QTest::newRow("list over Id") << QJsonObject{{"IButtons", QJsonArray{b}}, {"Id", "CC"}}
                                      << QStringList({"HELD", "0B"});
        QTest::newRow("one key") << a << QStringList({"HELD", "0A"});
        QTest::newRow("nothing") << QJsonObject{{"Other", 1}} << QStringList({"HELD"});
    }
    void formatOneSections()
    {
        QFETCH(QJsonObject, section);
        QFETCH(QStringList, ids);
        KeyFixture f;
        f.model.addKey("HELD", 1, 0);
        QVERIFY(f.model.fromJson(section, 1));
        QStringList read;
        for (int row = 0; row < f.model.count(); ++row)
            read << f.model.keyAt(quint8(row))->idHex();
        QCOMPARE(read, ids);
    }

    // A section of the wrong shape is refused before anything is emptied or deleted.
    void wrongShapeLosesNothing_data()
    {
        QTest::addColumn<QJsonValue>("section");
        QTest::addColumn<int>("format");
        QTest::newRow("format 2 object") << QJsonValue(QJsonObject{{"id_hex", "AA"}}) << 2;
        QTest::newRow("format 2 text") << QJsonValue("keys") << 2;
        QTest::newRow("format 1 array") << QJsonValue(QJsonArray{QJsonObject{{"Id", "AA"}}}) << 1;
        QTest::newRow("format 1 null") << QJsonValue() << 1;
    }
    void wrongShapeLosesNothing()
    {
        QFETCH(QJsonValue, section);
        QFETCH(int, format);
        KeyFixture f;
        QVERIFY(f.link.activate());
        f.model.onIButtonDataReceived(0, block(0, "A0", 2, 2, 0));
        f.model.onIButtonDataReceived(1, block(1, "A1", 2, 2, 0xFF));
        LogCapture log;
        QVERIFY(!f.model.fromJson(section, format));
        QCOMPARE(f.model.rowCount(), 2);
        QTRY_VERIFY(log.contains("The section \"iButton\""));
        f.link.protocol->sendToDevice(_SendRequestExtendLogout, 0);
        QTRY_VERIFY(!f.link.communicator.commandsOf(0x50).isEmpty());
        QVERIFY(f.sent(OpDeleteKey).isEmpty());
        QVERIFY(f.sent(OpWriteKey).isEmpty());
    }

    // Hostile key objects inside a well-shaped section: nothing crashes, the table never
    // holds more than the device's keys.
    void hostileKeyObjects()
    {
        KeyFixture f;
        QJsonArray array;
        array.append(QJsonValue("text"));
        array.append(QJsonArray{1, 2});
        array.append(keyObject(QString(40, QChar(0x416)), -7, -1, 100000));
        array.append(keyObject("ZZ", 99999, qint64(1) << 40, -1));
        for (int i = 0; i < 70; ++i)
            array.append(keyObject(QString::number(i, 16), 2, 2, 0));
        QVERIFY(f.model.fromJson(array, 2));
        QCOMPARE(f.model.rowCount(), 64);
        QVERIFY(f.model.keyAt(2)->idHex().size() <= 12);
        QCOMPARE(f.model.keyAt(3)->partitionsMask(), 0u);
    }
};

// The controller's own key and user models, without a device.
struct LinkFixture
{
    Overmind overmind;
    LinkFixture()
    {
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(false);
    }
    IButtonModel *keys() { return overmind.iButtonModel(); }
    UserModel *users() { return overmind.userModel(); }
    void addUsers(const QList<int> &ids)
    {
        for (int id : ids)
            users()->addUser(new UserSettings(nullptr, quint8(id)));
    }
};

class TestIButtonLinks : public QObject
{
    Q_OBJECT
private slots:
    void usersListTheirKeysAndLoseThemWhenDeleted()
    {
        LinkFixture f;
        f.addUsers({0, 1, 2});
        for (const auto &key : QList<SimKeys::Key>{
                 {0, "A0", 2, 2, 1}, {1, "A1", 2, 2, 2}, {2, "A2", 2, 2, 1}, {3, "A3", 2, 2, 0xFF}})
            f.keys()->onIButtonDataReceived(quint16(key.slot), blockOf(key));
        QCOMPARE(f.users()->userById(1)->keysText(), UserSettings::tr("Keys ##: %1").arg("1, 3"));
        QCOMPARE(f.users()->userById(0)->keysText(), UserSettings::tr("No keys assigned"));
        QCOMPARE(f.users()->index(1, UserModel::KeysColumn).data().toString(),
                 UserSettings::tr("Keys ##: %1").arg("1, 3"));

        QList<QSignalSpy *> writes;
        for (int row = 0; row < 4; ++row)
            writes.append(
                new QSignalSpy(f.keys()->keyAt(quint8(row)), &IButtonSettings::writeSettings));
        QVERIFY(f.users()->removeUsers({f.users()->index(1, 1)}));
        for (int row : {0, 2}) {
            QCOMPARE(f.keys()->keyAt(quint8(row))->userId(), quint8(0xFF));
            QCOMPARE(f.keys()->index(row, 3).data().toString(), IButtonModel::tr("Not set"));
        }
        QCOMPARE(f.keys()->keyAt(1)->userId(), quint8(2));
        for (QSignalSpy *spy : qAsConst(writes))
            QCOMPARE(spy->count(), 0);
        qDeleteAll(writes);
    }

    // A format-1 file whose two users carry two keys each leaves exactly those four keys.
    void formatOneUsersCarryTheirKeys()
    {
        LinkFixture f;
        f.keys()->addKey("OLD1", 2, 2)->setUserId(0);
        f.keys()->addKey("OLD2", 2, 2)->setUserId(7);
        const auto key = [](const char *id, int owner) {
            return QJsonObject{
                {"Id", id}, {"Permissions", 2}, {"Partitions", 6}, {"UserId", owner}};
        };
        const QJsonArray users{
            QJsonObject{
                {"Id", 0}, {"Name", "Boss"}, {"Keys", QJsonArray{key("0a1", 0), key("B2", 0)}}},
            QJsonObject{
                {"Id", 1}, {"Name", "Guard"}, {"Keys", QJsonArray{key("C3", 1), key("D4", 1)}}}};
        QVERIFY(f.users()->fromJson(users, 1));
        QStringList ids;
        for (int row = 0; row < f.keys()->count(); ++row)
            ids << f.keys()->keyAt(quint8(row))->idHex();
        QCOMPARE(ids, QStringList({"0A1", "B2", "C3", "D4"}));
        QCOMPARE(f.keys()->keyAt(3)->userId(), quint8(1));
        QCOMPARE(f.keys()->keyAt(3)->partitionsMask(), 6u);
        QCOMPARE(f.users()->userById(1)->keysText(), UserSettings::tr("Keys ##: %1").arg("3, 4"));
    }

    void pageRefusalsAndQuestion()
    {
        ModalRecorder boxes;
        LinkFixture f;
        IButtonsWidget page;
        page.setModel(f.keys());
        page.onDoubleClicked();
        QVERIFY(boxes.sawText(
            IButtonsWidget::tr("To perform the actions you need to choose a key from the list.")));
        for (int number = 0; number < 64; ++number)
            QVERIFY(f.keys()->addKey(QString::number(number + 1, 16), 1, 0));
        page.addIButtonCliked();
        QVERIFY(boxes.sawText(IButtonsWidget::tr("You cannot create more than 64 keys.")));
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<IButtonAddDialog *>(widget));
        QCOMPARE(IButtonsWidget::deleteQuestion({"AB"}),
                 IButtonsWidget::tr("Are you sure you want to delete key(s): %1").arg("AB"));
        QCOMPARE(
            IButtonsWidget::deleteQuestion({"AB", "CD"}),
            IButtonsWidget::tr("Are you sure you want to delete key(s): %1").arg("\nAB\nCD\n"));
    }

    // Viewing a file: the keys page is read-only.
    void viewingModeIsReadOnly()
    {
        ModalRecorder boxes; // the viewed file has no path to be written to
        LinkFixture f;
        f.overmind.setViewingMode(true);
        f.addUsers({0});
        f.keys()->addKey("AB", 2, 2)->setUserId(0);
        f.keys()->addKey("CD", 2, 2)->setUserId(0);
        IButtonsWidget page;
        page.setModel(f.keys());
        emit f.overmind.loginSuccessful();
        for (const char *name : {"pbAllowAddNew", "pbAddNew", "pbDeleteSelected"})
            QVERIFY(!page.findChild<QPushButton *>(name)->isEnabled());
        for (int column = 0; column < 4; ++column)
            QVERIFY(!(f.keys()->flags(f.keys()->index(0, column)) & Qt::ItemIsEditable));
        auto *table = page.findChild<QTableView *>("tvIButtons");
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        table->selectRow(1);
        page.onDoubleClicked();
        page.deleteSelected();
        QTest::keyClick(&page, Qt::Key_Delete);
        QCOMPARE(f.keys()->rowCount(), 2);
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!widget->isVisible() || widget == &page);
        QCOMPARE(boxes.count("question"), 0);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestIButtonModel model;
        status |= QTest::qExec(&model, argc, argv);
    }
    {
        TestIButtonLinks links;
        status |= QTest::qExec(&links, argc, argv);
    }
    return status;
}
#include "test_ibutton_model.moc"
