#include "app/Overmind.h"
#include "link/ProtocolFixture.h"
#include "pages/users/UserModel.h"
#include "sim/LogCapture.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

namespace {
constexpr quint8 OpWriteUser = 0x79;
constexpr quint8 OpDeleteUser = 0x98;

s_ExtMemDataUser sealedRecord(quint8 id, const QString &name)
{
    UserSettings user(nullptr, id);
    user.setName(name);
    user.writeToDevice();
    return user.record();
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

QList<int> modelIds(const UserModel &model)
{
    QList<int> ids;
    for (const UserSettings *user : model.users())
        ids.append(user->id());
    return ids;
}
} // namespace

// A model on a real link to a simulated device, watched by Qt's model tester.
struct ModelFixture
{
    ProtocolFixture link;
    Overmind overmind;
    UserModel model{link.protocol.get()};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    ModelFixture() { overmind.deviceInfo().init(0, 0, 0, 0); }

    void answer(quint8 id, const QString &name) { model.userSettings(id, sealedRecord(id, name)); }
    void fill(const QList<int> &ids)
    {
        for (int id : ids)
            answer(quint8(id), QStringLiteral("User %1").arg(id));
    }
    QList<QByteArray> sent(quint8 operation) { return link.communicator.commandsOf(operation); }
};

class TestUserModel : public QObject
{
    Q_OBJECT
private slots:
    void answersAddReplaceOrAreDropped_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("broken");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxCounts");
        QTest::newRow("new user") << 5 << false << QList<int>{0, 3, 5} << "Fresh" << 1;
        QTest::newRow("known user replaced") << 3 << false << QList<int>{0, 3} << "Fresh" << 1;
        QTest::newRow("broken known") << 3 << true << QList<int>{0, 3} << "User 3" << 1;
        QTest::newRow("broken new") << 9 << true << QList<int>{0, 3} << QString() << 1;
        QTest::newRow("broken last id") << 63 << true << QList<int>{0, 3} << QString() << 2;
        QTest::newRow("new last id") << 63 << false << QList<int>{0, 3, 63} << "Fresh" << 2;
    }

    void answersAddReplaceOrAreDropped()
    {
        QFETCH(int, id);
        QFETCH(bool, broken);
        QFETCH(QList<int>, ids);
        QFETCH(QString, name);
        QFETCH(int, maxCounts);
        ModelFixture f;
        f.fill({0, 3});
        LogCapture log;
        QSignalSpy maxCount(&f.model, &UserModel::maxCount);
        QSignalSpy inserted(&f.model, &QAbstractItemModel::rowsInserted);
        s_ExtMemDataUser record = sealedRecord(quint8(id), "Fresh");
        if (broken)
            record.crc32 ^= 1;
        f.model.userSettings(quint8(id), record);
        QCOMPARE(modelIds(f.model), ids);
        if (UserSettings *user = f.model.userById(quint8(id)))
            QCOMPARE(user->jsonKey(), name);
        QCOMPARE(maxCount.count(), maxCounts);
        QCOMPARE(inserted.count(), ids.size() - 2);
        QTRY_COMPARE(log.count("User settings broken"), broken ? 1 : 0);
    }

    void protocolAnswersReachTheModel()
    {
        ModelFixture f;
        QVERIFY(f.link.activate());
        const s_ExtMemDataUser record = sealedRecord(48, "Far");
        // The low byte of the answer's identifier is the user id.
        f.link.communicator.setRecord(0x2F, 300 + 4,
                                      QByteArray(reinterpret_cast<const char *>(&record), 512));
        f.link.protocol->readUserSettings(300 + 4);
        QTRY_COMPARE(f.model.rowCount(), 1);
        QCOMPARE(f.model.users().first()->id(), quint8(48));
    }

    void tableColumns()
    {
        ModelFixture f;
        f.overmind.onSuccesfullLogin(3);
        f.fill({0, 3, 10});
        f.model.userById(10)->setName(QString());
        f.model.userById(3)->setLogin("ivan");
        f.model.userById(3)->setPhone("79161234567");
        const QModelIndex loggedIn = f.model.index(1, UserModel::NameColumn);
        QCOMPARE(f.model.index(2, UserModel::IndexColumn).data(), QVariant(11));
        QCOMPARE(f.model.index(2, UserModel::NameColumn).data().toString(),
                 UserSettings::tr("User #%1").arg(11));
        QCOMPARE(f.model.index(1, UserModel::LoginColumn).data().toString(), QString("ivan"));
        QCOMPARE(f.model.index(1, UserModel::PhoneColumn).data().toString(),
                 QString("+79161234567"));
        QVERIFY(loggedIn.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!f.model.index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(loggedIn.data(Qt::UserRole).toBool());
        QVERIFY(f.model.index(0, 1).data(Qt::UserRole).toBool());
        QVERIFY(!f.model.index(2, 1).data(Qt::UserRole).toBool());
        QCOMPARE(f.model.headerData(1, Qt::Horizontal).toString(), UserModel::tr("Username"));
        QCOMPARE(f.model.headerData(2, Qt::Vertical).toInt(), 3);
        QVERIFY(!f.model.insertRows(0, 2));
        QCOMPARE(f.model.rowCount(), 3);
    }

    void addTakesTheFirstFreeId()
    {
        ModelFixture f;
        f.fill({0, 1, 3});
        QCOMPARE(f.model.firstFreeId(), 2);
        QSignalSpy listUpdated(&f.model, &UserModel::signalUpdateUserList);
        auto *user = new UserSettings(nullptr, 40);
        QCOMPARE(f.model.addUser(user), user);
        QCOMPARE(modelIds(f.model), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(listUpdated.count(), 1);
        QVERIFY(f.sent(OpWriteUser).isEmpty());

        QList<int> all;
        for (int id = 4; id < 64; ++id)
            all.append(id);
        f.fill(all);
        QCOMPARE(f.model.firstFreeId(), -1);
        UserSettings spare(nullptr, 0);
        QCOMPARE(f.model.addUser(&spare), nullptr);
        QCOMPARE(f.model.rowCount(), 64);
    }

    void removingRowsDeletesExactlyThoseUsers()
    {
        ModelFixture f;
        QVERIFY(f.link.activate());
        f.fill({0, 5, 6, 7});
        QSignalSpy listUpdated(&f.model, &UserModel::signalUpdateUserList);
        QVERIFY(f.model.removeUsers(
            {f.model.index(3, 0), f.model.index(1, 2), f.model.index(1, 0), f.model.index(3, 5)}));
        QCOMPARE(modelIds(f.model), (QList<int>{0, 6}));
        QCOMPARE(listUpdated.count(), 1);
        QTRY_COMPARE(f.sent(OpDeleteUser).size(), 2);
        QCOMPARE(idsOf(f.sent(OpDeleteUser)), (QList<int>{7, 5}));
    }

    void deleteAllSparesTheLoggedInUserOnTheDevice()
    {
        ModelFixture f;
        QVERIFY(f.link.activate());
        f.overmind.onSuccesfullLogin(2);
        f.fill({0, 1, 2, 3});
        QSignalSpy reset(&f.model, &QAbstractItemModel::modelReset);
        f.model.deleteAllUsers();
        QCOMPARE(f.model.rowCount(), 0);
        QCOMPARE(reset.count(), 1);
        QTRY_COMPARE(f.sent(OpDeleteUser).size(), 3);
        QCOMPARE(idsOf(f.sent(OpDeleteUser)), (QList<int>{3, 1, 0}));
    }

    // The write is paced by a timer: the caller gets control back at once and the
    // event loop runs between users.
    void writeAllSendsUserZeroLast()
    {
        ModelFixture f;
        QVERIFY(f.link.activate());
        f.fill({0, 1, 2});
        QSignalSpy finished(&f.model, &UserModel::writeAllFinished);
        f.model.writeAllToDevice();
        QVERIFY(f.model.isWritingAll());
        QCOMPARE(finished.count(), 0);
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!f.model.isWritingAll());
        QTRY_COMPARE(f.sent(OpWriteUser).size(), 3);
        const QList<QByteArray> writes = f.sent(OpWriteUser);
        QCOMPARE(idsOf(writes), (QList<int>{1, 2, 0}));
        for (const QByteArray &write : writes) {
            QCOMPARE(write.size(), 3 + 520);
            QCOMPARE(qFromLittleEndian<quint32>(write.constData() + 3 + 512), quint32(1));
            QCOMPARE(qFromLittleEndian<quint32>(write.constData() + 3 + 516), quint32(0));
        }
    }

    void writeAllSkipsAUserRemovedMeanwhile()
    {
        ModelFixture f;
        QVERIFY(f.link.activate());
        f.fill({0, 1, 2, 3});
        QSignalSpy finished(&f.model, &UserModel::writeAllFinished);
        f.model.writeAllToDevice();
        f.model.removeUsers({f.model.index(2, 0)});
        QTRY_COMPARE(finished.count(), 1);
        QTRY_COMPARE(f.sent(OpWriteUser).size(), 3);
        QCOMPARE(idsOf(f.sent(OpWriteUser)), (QList<int>{1, 3, 0}));
    }

    void writeAllAtTheLimitReportsTheCount()
    {
        ModelFixture f;
        QList<int> all;
        for (int id = 0; id < 64; ++id)
            all.append(id);
        f.fill(all);
        f.model.writeAllToDevice();
        QSignalSpy maxCount(&f.model, &UserModel::maxCount);
        QSignalSpy finished(&f.model, &UserModel::writeAllFinished);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1, 30000);
        QCOMPARE(maxCount.count(), 1);
    }

    void sectionRoundTrip()
    {
        ModelFixture f;
        f.fill({0, 4, 9});
        f.model.userById(4)->setLogin("ivan");
        f.model.userById(4)->setPasswordText("Pa$$word");
        f.model.userById(9)->setPhone("380501234567");
        f.model.userById(9)->setSmsPassword("13579");
        f.model.userById(9)->setPartitions(0x0000A004);
        const QJsonValue section = f.model.toJson();

        UserModel fresh(nullptr);
        QAbstractItemModelTester tester(&fresh,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(fresh.fromJson(section, 2));
        QCOMPARE(modelIds(fresh), (QList<int>{0, 4, 9}));
        for (int i = 0; i < 3; ++i) {
            const auto *a = reinterpret_cast<const char *>(&f.model.users().at(i)->record());
            const auto *b = reinterpret_cast<const char *>(&fresh.users().at(i)->record());
            // The version bytes and the CRC are set again by the next write.
            QCOMPARE(QByteArray(b, 506), QByteArray(a, 506));
        }
    }

    void olderSectionImportsRights()
    {
        ModelFixture f;
        const QJsonArray users{
            QJsonObject{{"Id", 0}, {"Name", "Boss"}, {"IsAdmin", true}, {"Phone", "+79001112233"}},
            QJsonObject{{"Id", 2}, {"Name", "Ann"}, {"TakeOn", true}, {"callControlGroup", 16}},
            QJsonObject{{"Id", 5}, {"Name", "Olga"}, {"IsQuenor3", true}}};
        QVERIFY(f.model.fromJson(users, 1));
        QCOMPARE(modelIds(f.model), (QList<int>{0, 2, 5}));
        QVERIFY(f.model.userById(0)->isAdmin());
        QVERIFY(f.model.userById(2)->canTakeOn());
        QCOMPARE(int(f.model.userById(2)->callControlGroup()), 16);
        QVERIFY(f.model.userById(5)->isQuenor3());
        QCOMPARE(f.model.adminCount(), 1);
    }

    // A section the model cannot take leaves the model and the device alone.
    void sectionThatIsNoListChangesNothing_data()
    {
        QTest::addColumn<QJsonValue>("section");
        QTest::newRow("object") << QJsonValue(QJsonObject{{"id", 1}});
        QTest::newRow("number") << QJsonValue(3);
        QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined);
    }

    void sectionThatIsNoListChangesNothing()
    {
        QFETCH(QJsonValue, section);
        ModelFixture f;
        QVERIFY(f.link.activate());
        f.fill({0, 1});
        QVERIFY(!f.model.fromJson(section, 2));
        QVERIFY(!f.model.fromJson(section, 1));
        QCOMPARE(modelIds(f.model), (QList<int>{0, 1}));
        f.link.protocol->sendToDevice(_SendRequestExtendLogout, 0);
        QTRY_COMPARE(f.link.communicator.commandsOf(0x50).size(), 1);
        QVERIFY(f.sent(OpDeleteUser).isEmpty());
    }

    // Ids outside the device's range, repeated ids and elements beyond the limit are
    // skipped, each with a warning; 256 is not folded onto user 0.
    void sectionIdsAreChecked_data()
    {
        QTest::addColumn<QJsonArray>("section");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("warnings");
        auto user = [](QJsonValue id, const QString &name) {
            return QJsonObject{{"id", id}, {"userName", name}};
        };
        QTest::newRow("in range") << QJsonArray{user(0, "a"), user(63, "b")} << QList<int>{0, 63}
                                  << 0;
        QTest::newRow("256 is not user 0")
            << QJsonArray{user(256, "far"), user(1, "b")} << QList<int>{1} << 1;
        QTest::newRow("64 and negative")
            << QJsonArray{user(64, "x"), user(-1, "y"), user(2, "c")} << QList<int>{2} << 2;
        QTest::newRow("fraction") << QJsonArray{user(2.5, "x")} << QList<int>{} << 1;
        QTest::newRow("repeated") << QJsonArray{user(3, "first"), user(3, "second")}
                                  << QList<int>{3} << 1;
        QJsonArray many;
        QList<int> first64;
        for (int i = 0; i < 300; ++i) {
            many.append(user(i % 70, QString(5000, QChar(0x0416))));
            if (i < 64)
                first64.append(i);
        }
        QTest::newRow("300 elements with huge names") << many << first64 << 300 - 64;
    }

    void sectionIdsAreChecked()
    {
        QFETCH(QJsonArray, section);
        QFETCH(QList<int>, ids);
        QFETCH(int, warnings);
        ModelFixture f;
        LogCapture log;
        QCOMPARE(f.model.acceptedIds(section, 2), ids);
        QVERIFY(f.model.fromJson(section, 2));
        QCOMPARE(modelIds(f.model), ids);
        QTRY_COMPARE(log.count("skipped"), warnings);
        for (const UserSettings *user : f.model.users())
            QVERIFY(user->name().toUtf8().size() <= 95);
    }
};

QTEST_MAIN(TestUserModel)
#include "test_user_model.moc"
