#include "app/DeviceInfo.h"
#include "app/DeviceTexts.h"
#include "app/DeviceTypeNames.h"
#include "app/Overmind.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStandardItemModel>

#include <QTest>

class TestDeviceTexts : public QObject
{
    Q_OBJECT
private slots:
    void deviceTypeNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << QString("Korvel GSM - радиоканальный модуль");
        QTest::newRow("2") << 2 << QString("Tarvo-T02");
        QTest::newRow("8") << 8 << QString("Korvel GSM Р исп. 0 Основной модуль");
        QTest::newRow("17 empty") << 17 << QString();
        QTest::newRow("33 empty") << 33 << QString();
        QTest::newRow("35") << 35 << QString("Korvel GSM Р исп. 1 Основной модуль");
        QTest::newRow("57") << 57 << QString("Tarvo-T57");
        QTest::newRow("60 empty") << 60 << QString();
        QTest::newRow("66") << 66 << QString("Tarvo-T66");
        QTest::newRow("68") << 68 << QString("Korvel LTE исп. 01 Радиоканальный модуль СС1310");
        QTest::newRow("73") << 73 << QString("Tarvo-T73");
    }
    void deviceTypeNames()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        initDeviceTypeNames();
        QCOMPARE(::deviceTypeNames[code], name);
    }

    void serialNumbers_data()
    {
        QTest::addColumn<quint32>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0u << "80000000";
        QTest::newRow("1") << 1u << "80000001";
        QTest::newRow("0x12345") << 0x12345u << "80074565";
        QTest::newRow("top byte ignored") << 0xABFFFFFFu << "96777215";
    }
    void serialNumbers()
    {
        QFETCH(quint32, number);
        QFETCH(QString, text);
        QCOMPARE(serialNumberText(number), text);
    }

    void versions()
    {
        QCOMPARE(versionText(1, 5), QString("1.05"));
        QCOMPARE(versionText(1, 12), QString("1.12"));
        QCOMPARE(versionText(2, 0), QString("2.00"));
        QCOMPARE(versionNumberText(QVersionNumber(1, 3)), QString("1.03"));
        QCOMPARE(versionNumberText(QVersionNumber(2)), QString("2.00"));
    }

    void phoneNumbers_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("8 prefix") << "89161234567"
                                  << "+79161234567";
        QTest::newRow("7 prefix") << "79161234567"
                                  << "+79161234567";
        QTest::newRow("plus stays") << "+7916"
                                    << "+7916";
        QTest::newRow("short") << "1234"
                               << "1234";
    }
    void phoneNumbers()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(normalizePhoneNumber(in), out);
    }

    void utf8BytesLeft_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("left");
        QTest::newRow("empty") << QString() << 63;
        QTest::newRow("62 ascii") << QString(62, 'a') << 1;
        QTest::newRow("63 ascii") << QString(63, 'a') << 1;
        QTest::newRow("64 ascii") << QString(64, 'a') << 0;
        QTest::newRow("21 cyrillic") << QString(21, QChar(0x0416)) << 21;
    }
    void utf8BytesLeft()
    {
        QFETCH(QString, text);
        QFETCH(int, left);
        QCOMPARE(Overmind::utf8BytesLeft(text), left);
    }

    void limitUtf8Length()
    {
        QLineEdit edit("abc");
        edit.setCursorPosition(2);
        QVERIFY(Overmind::limitUtf8Length(edit.text(), &edit));
        QCOMPARE(edit.maxLength(), 64);
        QCOMPARE(edit.cursorPosition(), 2);
        const QString cyrillic(10, QChar(0x0416)); // 20 bytes: 44 more bytes may follow
        QVERIFY(Overmind::limitUtf8Length(cyrillic, &edit));
        QCOMPARE(edit.maxLength(), 10 + 44);
        QVERIFY(!Overmind::limitUtf8Length(QString(64, 'a'), &edit));
        QVERIFY(!Overmind::limitUtf8Length("x", nullptr));
    }

    void checkedMaskAndOutputGroups()
    {
        QComboBox box;
        auto *model = new QStandardItemModel(&box);
        for (int i = 0; i < 16; ++i) {
            auto *item = new QStandardItem(QString::number(i + 1));
            item->setCheckState(i == 0 || i == 2 || i == 15 ? Qt::Checked : Qt::Unchecked);
            model->appendRow(item);
        }
        box.setModel(model);
        QCOMPARE(Overmind::checkedMask(&box), quint16(0x8005));

        Overmind overmind;
        overmind.setOutputGroupCount(16);
        overmind.setOutputGroupName(1, "Gate");
        overmind.setOutputGroupName(16, "ignored");
        QCOMPARE(overmind.outputGroupName(1), QString("Gate"));
        QCOMPARE(overmind.outputGroupName(16), QString());
        QComboBox groups;
        overmind.fillOutputGroupCombo(&groups);
        QCOMPARE(groups.count(), 16);
        QCOMPARE(groups.itemText(1), QString("2. Gate"));
    }

    void ipChannelBudget()
    {
        Overmind overmind;
        overmind.changeIpChannelCount(0, 1);
        overmind.changeIpChannelCount(1, 2);
        QVERIFY(overmind.hasFreeIpChannel());
        overmind.changeIpChannelCount(1, -2);
        overmind.changeIpChannelCount(0, 1);
        overmind.changeIpChannelCount(1, 2);
        QVERIFY(!overmind.hasFreeIpChannel());
    }

    void deviceInfoLimits()
    {
        DeviceInfo info;
        QCOMPARE(info.execution(), 3);
        info.initForExecution(2, 4, 256, 256);
        QCOMPARE(info.maxSensors(), 50);
        QCOMPARE(info.partitionCount(), 17);
        info.initForExecution(5, 1, 256, 256);
        QCOMPARE(info.execution(), 5);
        QCOMPARE(info.maxSensors(), 50); // an unknown execution keeps the limits
        info.init(1, 2, 0x0102, 0x0103);
        QCOMPARE(info.execution(), 0);
        QCOMPARE(info.maxSensors(), 100);
        QVERIFY(DeviceInfo::isPartitionTaken(6));
        QVERIFY(!DeviceInfo::isPartitionTaken(7));
        QCOMPARE(bitNumbers(0x5, quint64(1) << 63), (QList<int>{0, 2, 127}));
    }
};

QTEST_MAIN(TestDeviceTexts)
#include "test_device_texts.moc"
