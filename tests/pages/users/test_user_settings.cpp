#include "link/Crc.h"
#include "pages/users/UserSettings.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>
#include <QtEndian>

namespace {
const quint8 *bytesOf(const UserSettings &user)
{
    return reinterpret_cast<const quint8 *>(&user.record());
}

QByteArray field(const UserSettings &user, int at, int size)
{
    return QByteArray(reinterpret_cast<const char *>(bytesOf(user)) + at, size);
}

QJsonObject jsonOf(const UserSettings &user)
{
    return user.toJson().toObject();
}
} // namespace

class TestUserSettings : public QObject
{
    Q_OBJECT
private slots:
    void phoneTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("json");
        QTest::newRow("99: none") << "99"
                                  << "" << 0.0;
        QTest::newRow("100: three digits") << "100"
                                           << "100" << 100.0;
        QTest::newRow("12345: plus") << "12345"
                                     << "+12345" << 12345.0;
        QTest::newRow("with plus") << " +79161234567 "
                                   << "+79161234567" << 79161234567.0;
        QTest::newRow("not a number") << "12a"
                                      << "" << 0.0;
    }

    void phoneTexts()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(double, json);
        UserSettings user(nullptr, 1);
        user.setPhone(stored);
        QCOMPARE(user.phoneText(), shown);
        QCOMPARE(jsonOf(user).value("phone").toDouble(), json);
    }

    void smsPasswordForms()
    {
        UserSettings user(nullptr, 1);
        QVERIFY(user.setSmsPassword(QString()));
        QVERIFY(!user.hasSmsPassword());
        QCOMPARE(user.smsPasswordText(), QString());
        QCOMPARE(jsonOf(user).value("userPhonePassword").toString(), QString());

        QVERIFY(user.setSmsPassword("54321"));
        QCOMPARE(user.smsPasswordText(), QString("54321"));
        QVERIFY(!user.setSmsPassword("12x"));
        QCOMPARE(user.smsPasswordText(), QString("54321"));

        // A cleared record keeps 0 when the file's text is no number.
        QJsonObject object{{"id", 1}, {"userPhonePassword", "abc"}};
        user.fromJson(object, 2);
        QVERIFY(user.hasSmsPassword());
        QCOMPARE(user.smsPasswordText(), QString("0"));
    }

    void passwordTravelsAsHexadecimal()
    {
        UserSettings user(nullptr, 2);
        user.setPasswordText("abc");
        const QString hex = jsonOf(user).value("userPassword").toString();
        QCOMPARE(hex.size(), 128);
        QCOMPARE(hex, QString("616263") + QString(122, '0'));

        UserSettings copy(nullptr, 0);
        QVERIFY(copy.setPassword(hex));
        QCOMPARE(field(copy, UserSettings::PasswordAt, 64),
                 field(user, UserSettings::PasswordAt, 64));
        QCOMPARE(copy.password(), QString("abc"));
        QVERIFY(!copy.setPassword("plain"));
        QCOMPARE(copy.password(), QString("plain"));
        copy.setPasswordText(QString());
        QVERIFY(!copy.hasPassword());
        QCOMPARE(jsonOf(copy).value("userPassword").toString(), QString());
    }

    // Texts are cut where a character ends, and the result says that they were cut.
    void textFieldLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("left");
        const QString latin95(95, 'n');
        const QString cyrillic47(47, QChar(0x0436));
        const QString numero21(21, QChar(0x2116));
        QTest::newRow("name 95 bytes") << "name" << latin95 << latin95 << 1;
        QTest::newRow("name 96 bytes") << "name" << latin95 + "x" << latin95 << 0;
        QTest::newRow("name 94 bytes") << "name" << QString(94, 'n') << QString(94, 'n') << 1;
        QTest::newRow("name short") << "name"
                                    << "Ivan"
                                    << "Ivan" << 91;
        QTest::newRow("name 96 Cyrillic bytes")
            << "name" << cyrillic47 + QChar(0x0436) << cyrillic47 << 0;
        QTest::newRow("login 63 bytes") << "login" << QString(63, 'l') << QString(63, 'l') << 1;
        QTest::newRow("login 64 bytes") << "login" << QString(64, 'l') << QString(63, 'l') << 0;
        QTest::newRow("password 63 bytes of numero") << "password" << numero21 << numero21 << 1;
        QTest::newRow("password 66 bytes of numero")
            << "password" << numero21 + QChar(0x2116) << numero21 << 0;
        QTest::newRow("password cut inside a character")
            << "password" << QString(62, 'p') + QChar(0x2116) << QString(62, 'p') << 0;
    }

    void textFieldLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QFETCH(int, left);
        UserSettings user(nullptr, 3);
        int result = -1;
        QString back;
        if (field == "name") {
            result = user.setName(text);
            back = user.name();
        } else if (field == "login") {
            result = user.setLogin(text);
            back = user.login();
        } else {
            result = user.setPasswordText(text);
            back = user.password();
        }
        QCOMPARE(back, stored);
        QCOMPARE(result, left);
        QVERIFY(!back.contains(QChar::ReplacementCharacter));
    }

    void unnamedUserKeepsItsNumberAsName()
    {
        UserSettings user(nullptr, 0);
        QCOMPARE(user.jsonKey(), UserSettings::tr("User #%1").arg(1));
        UserSettings copy(nullptr, 9);
        copy.fromJson(user.toJson(), 2);
        QCOMPARE(copy.id(), quint8(0));
        QCOMPARE(copy.name(), UserSettings::tr("User #%1").arg(1));
    }

    void callControlGroupLimits_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("17 ignored") << 17 << 7;
        QTest::newRow("255") << 255 << 255;
        QTest::newRow("-1 ignored") << -1 << 7;
    }

    void callControlGroupLimits()
    {
        QFETCH(int, group);
        QFETCH(int, stored);
        UserSettings user(nullptr, 1);
        user.setCallControlGroup(7);
        user.setCallControlGroup(group);
        QCOMPARE(int(user.callControlGroup()), stored);
    }

    // The file's own format: every right comes from "settings", the take flags are only
    // written for readers of the file.
    void currentFormatRoundTrip()
    {
        UserSettings user(nullptr, 5);
        user.setName("Мария");
        user.setLogin("maria");
        user.setPasswordText("Secret_1");
        user.setPhone("79031112233");
        user.setSmsPassword("24680");
        user.setAdmin(true);
        user.setCanTakeOff(true);
        user.setQuenor3(true);
        user.setAllowExtraNotifications(true);
        user.setCallControlGroup(4);
        user.setSmsControlGroups(0x8001);
        user.setPartitions(0x0001FFFE);
        const QJsonObject json = jsonOf(user);
        QCOMPARE(json.value("userPartitionTakeOn").toInt(), 0);
        QCOMPARE(json.value("userPartitionTakeOff").toInt(), 1);
        QCOMPARE(json.value("used").toInt(), 1);

        UserSettings copy(nullptr, 0);
        QVERIFY(copy.fromJson(json, 2));
        copy.setSettingsVersion(1);
        QCOMPARE(copy.id(), quint8(5));
        QCOMPARE(field(copy, 0, 506), field(user, 0, 506));

        QJsonObject takeOnOnlyByFlag = json;
        takeOnOnlyByFlag.insert("userPartitionTakeOn", 1);
        copy.fromJson(takeOnOnlyByFlag, 2);
        QVERIFY(!copy.canTakeOn());
    }

    void olderFormatImport()
    {
        const QJsonObject object{{"Id", 7},
                                 {"Name", "Guard"},
                                 {"Login", "guard"},
                                 {"Phone", "+79161234567"},
                                 {"smsPassword", "12345"},
                                 {"Partitions", 6},
                                 {"IsAdmin", true},
                                 {"IsQuenor3", false},
                                 {"TakeOn", true},
                                 {"TakeOff", true},
                                 {"DTMFPasswordRequired", true},
                                 {"operatorMessRedirect", true},
                                 {"extraNotifications", false},
                                 {"smsControlGroups", 0x0102},
                                 {"callControlGroup", 3},
                                 {"allowRemoteControl", true}};
        UserSettings user(nullptr, 0);
        QVERIFY(user.fromJson(object, 1));
        QCOMPARE(user.id(), quint8(7));
        QCOMPARE(user.jsonKey(), QString("Guard"));
        QCOMPARE(user.login(), QString("guard"));
        QCOMPARE(user.phoneText(), QString("+79161234567"));
        QCOMPARE(user.smsPasswordText(), QString("12345"));
        QCOMPARE(user.partitions(), quint32(6));
        QCOMPARE(int(bytesOf(user)[UserSettings::FlagsAt]),
                 0x01 | 0x02 | 0x04 | 0x08 | 0x10 | 0x40);
        QCOMPARE(user.smsControlGroups(), quint16(0x0102));
        QCOMPARE(int(user.callControlGroup()), 3);
        QVERIFY(!user.hasPassword());
    }

    // Values are read by their JSON type only; a value of another type reads as missing.
    void strictJsonTypes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<bool>("admin");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<bool>("smsPassword");
        QTest::newRow("older: flag as number")
            << 1 << QJsonObject{{"IsAdmin", 1}, {"Phone", "12345"}, {"smsPassword", "11111"}}
            << false << "+12345" << true;
        QTest::newRow("older: phone as number")
            << 1 << QJsonObject{{"IsAdmin", true}, {"Phone", 12345}, {"smsPassword", "11111"}}
            << true << "" << false;
        // 64-bit words beyond 53 bits are written as their decimal digits: text is read too.
        QTest::newRow("current: phone as text")
            << 2 << QJsonObject{{"phone", "79161234567"}, {"settings", 1}} << true << "+79161234567"
            << false;
        QTest::newRow("current: settings as text")
            << 2 << QJsonObject{{"phone", 12345}, {"settings", "1"}} << true << "+12345" << false;
        QTest::newRow("current: phone as other text")
            << 2 << QJsonObject{{"phone", "abc"}, {"settings", "x1"}} << false << "" << false;
        QTest::newRow("empty object") << 2 << QJsonObject() << false << "" << false;
    }

    void strictJsonTypes()
    {
        QFETCH(int, format);
        QFETCH(QJsonObject, object);
        QFETCH(bool, admin);
        QFETCH(QString, phone);
        QFETCH(bool, smsPassword);
        UserSettings user(nullptr, 4);
        user.setName("Before");
        user.setAdmin(true);
        user.fromJson(object, format);
        QCOMPARE(user.isAdmin(), admin);
        QCOMPARE(user.phoneText(), phone);
        QCOMPARE(user.hasSmsPassword(), smsPassword);
        QCOMPARE(user.name(), QString());
    }

    // Numbers that do not fit the record read as 0 instead of an undefined conversion.
    void hostileNumbers_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("negative") << QJsonValue(-1.0);
        QTest::newRow("huge") << QJsonValue(1e300);
        QTest::newRow("2^64") << QJsonValue(18446744073709551616.0);
    }

    void hostileNumbers()
    {
        QFETCH(QJsonValue, value);
        UserSettings user(nullptr, 1);
        user.fromJson(QJsonObject{{"settings", value}, {"partitions", value}}, 2);
        QCOMPARE(int(bytesOf(user)[UserSettings::FlagsAt]), 0);
        QCOMPARE(int(user.callControlGroup()), 0);
        QCOMPARE(user.partitions(), quint32(0));
    }

    void unknownFormatChangesNothing()
    {
        UserSettings user(nullptr, 6);
        user.setName("Kept");
        QVERIFY(user.fromJson(QJsonObject{{"id", 1}, {"userName", "Other"}}, 3));
        QCOMPARE(user.id(), quint8(6));
        QCOMPARE(user.name(), QString("Kept"));
    }

    void writeSealsTheRecord()
    {
        s_ExtMemDataUser record = UserSettings::zeroRecord();
        auto *raw = reinterpret_cast<quint8 *>(&record);
        for (int i = 0; i < 512; ++i)
            raw[i] = quint8(i * 7 + 1);
        UserSettings user(nullptr, 3, record);
        user.writeToDevice();
        const quint8 *bytes = bytesOf(user);
        for (int at : {244, 252, 272})
            QCOMPARE(qFromLittleEndian<quint32>(bytes + at), quint32(0));
        QCOMPARE(int(bytes[506]), 1);
        QCOMPARE(int(bytes[507]), 1);
        QCOMPARE(qFromLittleEndian<quint32>(bytes + 508), crc32Stm(bytes, 508));
        // Reserved bytes the device owns travel unchanged.
        QCOMPARE(int(bytes[256]), int(quint8(256 * 7 + 1)));
        QCOMPARE(int(bytes[400]), int(quint8(400 * 7 + 1)));
    }
};

QTEST_MAIN(TestUserSettings)
#include "test_user_settings.moc"
