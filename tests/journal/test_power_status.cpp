#include "JournalFixtures.h"

#include "app/Overmind.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerStatusIsp2.h"
#include "journal/PowerSupplyFields.h"
#include "pages/settings/DeviceSettings.h"

#include <QSignalSpy>

using namespace journaltest;
using PowerSupplyFields::codeAt;
using PowerSupplyFields::floatAt;

namespace {
template <typename Record> struct Builder
{
    Record record{};
    Builder &f(int at, float value)
    {
        std::memcpy(record.bytes + at, &value, sizeof value);
        return *this;
    }
    Builder &u16(int at, quint16 value)
    {
        qToLittleEndian(value, record.bytes + at);
        return *this;
    }
    Builder &u32(int at, quint32 value)
    {
        qToLittleEndian(value, record.bytes + at);
        return *this;
    }
};
using Isp0 = Builder<s_SupplyAndChargerIsp0>;
using Isp1 = Builder<s_SupplyAndChargerIsp1>;
using Isp2 = Builder<s_SupplyAndChargerIsp2>;
} // namespace

class TestPowerStatus : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;

private slots:
    void init()
    {
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(1, 0, 256, 256);
        overmind->createSettingsObjects(true);
    }
    void cleanup() { overmind.reset(); }

    void execution0_data()
    {
        QTest::addColumn<int>("battery");
        QTest::addColumn<int>("mains");
        QTest::addColumn<int>("supply");
        QTest::addColumn<int>("batteryShown");
        QTest::addColumn<float>("chargeShown");
        QTest::addColumn<int>("mainsShown");
        QTest::addColumn<float>("mainsVoltageShown");
        QTest::addColumn<int>("supplyShown");
        QTest::newRow("battery absent") << 16 << 3 << 8 << 16 << 0.0f << 3 << 250.0f << 8;
        QTest::newRow("battery past its group") << 25 << 5 << 9 << 16 << 0.0f << 1 << 0.0f << 5;
        QTest::newRow("top codes stay") << 24 << 4 << 5 << 24 << 80.0f << 4 << 250.0f << 5;
        QTest::newRow("low codes stay") << 14 << 0 << 0 << 14 << 80.0f << 0 << 250.0f << 0;
    }
    void execution0()
    {
        PowerStatusIsp0 model;
        QSignalSpy updated(&model, &PowerStatusIsp0::statusUpdated);
        QFETCH(int, battery);
        QFETCH(int, mains);
        QFETCH(int, supply);
        model.statusReceived(Isp0()
                                 .f(0, 80.0f)
                                 .f(4, 0.2f)
                                 .f(8, 1.1f)
                                 .f(12, 4.1f)
                                 .f(16, 12.6f)
                                 .f(20, 250.0f)
                                 .f(24, 28.5f)
                                 .u16(32, quint16(battery))
                                 .u16(36, quint16(mains))
                                 .u16(38, quint16(supply))
                                 .u16(40, 3)
                                 .record);
        QCOMPARE(updated.count(), 1);
        QTEST(int(codeAt(model.battery().bytes, 32)), "batteryShown");
        QTEST(floatAt(model.battery().bytes, 0), "chargeShown");
        QTEST(int(codeAt(model.mains().bytes, 36)), "mainsShown");
        QTEST(floatAt(model.mains().bytes, 20), "mainsVoltageShown");
        QTEST(int(codeAt(model.supply().bytes, 38)), "supplyShown");
        QCOMPARE(floatAt(model.last().bytes, 0), 80.0f);
        QCOMPARE(model.temperature(), 28.5);
        QCOMPARE(model.mainSourceVoltage(), double(12.6f));
        QCOMPARE(model.mainSourceText(),
                 QStringLiteral("<strong>Внешний источник питания</strong> <p>Устройство "
                                "использует для питания внешний сетевой источник"));
    }

    void execution1And2()
    {
        overmind->deviceSettings()->setTzOffset(3 * 3600);
        PowerStatusIsp1 one;
        one.statusReceived(Isp1()
                               .f(52, 12.9f)
                               .f(48, 13.5f)
                               .u16(82, 14)
                               .u16(84, 8)
                               .u16(86, 7)
                               .u32(64, SimJournal::timeWord(QTime(22, 15, 0)))
                               .u32(68, SimJournal::dateWord(QDate(2026, 2, 28)))
                               .record);
        QCOMPARE(codeAt(one.externalBattery().bytes, 82), quint16(9));
        QCOMPARE(floatAt(one.externalBattery().bytes, 52), 0.0f);
        QCOMPARE(codeAt(one.externalPower().bytes, 84), quint16(8));
        QCOMPARE(floatAt(one.externalPower().bytes, 48), 13.5f);
        QCOMPARE(one.mainSourceText(), QString());
        QCOMPARE(one.syncDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm")),
                 QStringLiteral("01.03.2026 01:15"));

        PowerStatusIsp2 two;
        QVERIFY(!two.syncDateTime().isValid());
        two.statusReceived(Isp2()
                               .f(0, 55.0f)
                               .f(4, 3.5f)
                               .f(8, 1.0f)
                               .f(12, 4.1f)
                               .f(36, 2.0f)
                               .f(40, 2.0f)
                               .u16(76, 16)
                               .u16(84, 1)
                               .record);
        QCOMPARE(floatAt(two.battery().bytes, 0), 0.0f);
        QCOMPARE(floatAt(two.battery().bytes, 8), 0.0f);
        QCOMPARE(floatAt(two.battery().bytes, 36), 0.0f);
        QCOMPARE(floatAt(two.battery().bytes, 40), 0.0f);
        QCOMPARE(floatAt(two.battery().bytes, 4), 3.5f);
        QCOMPARE(floatAt(two.battery().bytes, 12), 4.1f);
        QCOMPARE(two.mainSourceText(), QStringLiteral("<strong>Внутренняя батарея</strong> <p>"
                                                      "Устройство использует для питания "
                                                      "внутренние аккумуляторные батареи"));
    }
};

JOURNAL_TEST_MAIN(TestPowerStatus)
#include "test_power_status.moc"
