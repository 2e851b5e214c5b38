#include "DeviceFixtures.h"

#include "app/Overmind.h"
#include "pages/radio/SensorItemDelegate.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorListViewItem.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/RadioReports.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
// Byte patches "offset=value,offset=value" of the status record or of the settings record.
void patch(quint8 *record, const QString &patches)
{
    for (const QString &item : patches.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char('='));
        record[parts.at(0).toInt()] = quint8(parts.at(1).toInt());
    }
}

QString colourName(const QVariant &value)
{
    const QColor colour = value.value<QColor>();
    if (!value.isValid() || !colour.isValid())
        return QStringLiteral("none");
    if (colour == Sensor::RedColour)
        return QStringLiteral("red");
    if (colour == Sensor::YellowColour)
        return QStringLiteral("yellow");
    if (colour == Sensor::GreyColour)
        return QStringLiteral("grey");
    return colour.name();
}

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("  <tr>    <td><strong>%1</strong></td>    <td>%2</td>   </tr>")
        .arg(label, value);
}

QString table(const QStringList &rows)
{
    return QStringLiteral("<table style=\"width:100%\">") + rows.join(QString()) +
           QStringLiteral("</table>");
}

QString screenshotPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

QStyleOptionViewItem cardOption(QWidget *view)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.widget = view;
    option.decorationSize = QSize(96, 96);
    option.rect = QRect(10, 20, 360, 130);
    return option;
}
} // namespace

class TestSensorCards : public QObject
{
    Q_OBJECT
private slots:
    void cardColour_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<QString>("live");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("marks"); // list-colour flags set by the parameter tree
        QTest::addColumn<QString>("colour");

        const quint32 none = 0;
        const QString t4 = QStringLiteral("4=3,6=1"); // a wired contact at rest
        // Common rules.
        QTest::newRow("quiet") << 6 << none << ""
                               << "" << 3300 << true << ""
                               << "none";
        QTest::newRow("lost") << 6 << quint32(SensorFlag::Lost) << ""
                              << "" << 3300 << true << ""
                              << "grey";
        QTest::newRow("disabled") << 6 << none << ""
                                  << "" << 3300 << false << ""
                                  << "grey";
        QTest::newRow("alarm") << 6 << quint32(SensorFlag::Alarm) << ""
                               << "" << 3300 << true << ""
                               << "red";
        QTest::newRow("fire") << 3 << quint32(SensorFlag::Fire) << ""
                              << "" << 3300 << true << ""
                              << "red";
        QTest::newRow("manual fire") << 12 << quint32(SensorFlag::ManualFireAlarm) << ""
                                     << "" << 3300 << true << ""
                                     << "red";
        QTest::newRow("valve leak") << 66 << quint32(SensorFlag::WaterLeak) << "32=3"
                                    << "" << 3300 << true << ""
                                    << "yellow";
        QTest::newRow("leak flag of a detector") << 6 << quint32(SensorFlag::WaterLeak) << ""
                                                 << "" << 3300 << true << ""
                                                 << "none";
        QTest::newRow("case open, contact")
            << 4 << quint32(SensorFlag::CaseOpen) << t4 << "" << 3300 << true << ""
            << "red";
        QTest::newRow("case open, pet detector") << 18 << quint32(SensorFlag::CaseOpen) << ""
                                                 << "" << 3300 << true << ""
                                                 << "red";
        QTest::newRow("case open, relay") << 7 << quint32(SensorFlag::CaseOpen) << ""
                                          << "" << 3300 << true << ""
                                          << "yellow";
        QTest::newRow("cable broken") << 4 << none << "4=5,6=1"
                                      << "" << 3300 << true << ""
                                      << "red";
        QTest::newRow("fault") << 6 << quint32(SensorFlag::Fault) << ""
                               << "" << 3300 << true << ""
                               << "yellow";
        QTest::newRow("main supply failed") << 6 << quint32(SensorFlag::MainFailed) << ""
                                            << "" << 3300 << true << ""
                                            << "yellow";
        QTest::newRow("main supply absent") << 6 << none << ""
                                            << "" << 2099 << true << ""
                                            << "yellow";
        QTest::newRow("main supply 2.1 V") << 6 << none << ""
                                           << "" << 2100 << true << ""
                                           << "none";
        QTest::newRow("loop without supply") << 9 << none << ""
                                             << "" << 0 << true << ""
                                             << "none";
        QTest::newRow("reserve failed") << 2 << quint32(SensorFlag::ReserveFailed) << ""
                                        << "" << 3300 << true << ""
                                        << "yellow";
        QTest::newRow("reserve flag without reserve")
            << 6 << quint32(SensorFlag::ReserveFailed) << ""
            << "" << 3300 << true << ""
            << "none";
        // Per-type rules.
        QTest::newRow("3 flag 8") << 3 << quint32(1u << 8) << ""
                                  << "" << 3300 << true << ""
                                  << "red";
        QTest::newRow("67 flag 8") << 67 << quint32(1u << 8) << ""
                                   << "" << 3300 << true << ""
                                   << "red";
        QTest::newRow("4 at rest") << 4 << none << t4 << "" << 3300 << true << ""
                                   << "none";
        QTest::newRow("4 mode set, loop not normal") << 4 << none << "4=0,6=1"
                                                     << "122=1" << 3300 << true << ""
                                                     << "red";
        QTest::newRow("4 mode set, loop normal") << 4 << none << t4 << "122=1" << 3300 << true << ""
                                                 << "none";
        QTest::newRow("4 reed 0") << 4 << none << "4=3"
                                  << "" << 3300 << true << ""
                                  << "red";
        QTest::newRow("4 tamper watch, reed 3") << 4 << none << "4=3,6=3"
                                                << "120=1" << 3300 << true << ""
                                                << "red";
        QTest::newRow("4 condition, reed 3") << 4 << quint32(SensorFlag::Condition) << "4=3,6=3"
                                             << "" << 3300 << true << ""
                                             << "red";
        QTest::newRow("4 reed 3 alone") << 4 << none << "4=3,6=3"
                                        << "" << 3300 << true << ""
                                        << "none";
        QTest::newRow("4 loop 1") << 4 << none << "4=1,6=1"
                                  << "" << 3300 << true << ""
                                  << "red";
        QTest::newRow("4 loop 4, lost") << 4 << quint32(SensorFlag::Lost) << "4=4,6=1"
                                        << "" << 3300 << true << ""
                                        << "grey";
        QTest::newRow("5 flag 5") << 5 << quint32(1u << 5) << ""
                                  << "" << 3300 << true << ""
                                  << "red";
        QTest::newRow("6 zone 2") << 6 << none << "2=2"
                                  << "" << 3300 << true << ""
                                  << "red";
        QTest::newRow("26 zone 3") << 26 << none << "2=3"
                                   << "" << 3300 << true << ""
                                   << "yellow";
        QTest::newRow("13 sensor 1") << 13 << none << "36=1"
                                     << "" << 3300 << true << ""
                                     << "yellow";
        QTest::newRow("13 sensor 2") << 13 << none << "37=4"
                                     << "" << 3300 << true << ""
                                     << "yellow";
        QTest::newRow("14 leak zone, input 2") << 14 << none << "36=2"
                                               << "98=6" << 3300 << true << ""
                                               << "red";
        QTest::newRow("14 other zone, input 2") << 14 << none << "36=2"
                                                << "98=1" << 3300 << true << ""
                                                << "none";
        QTest::newRow("16 tilted") << 16 << none << "0=1"
                                   << "" << 3300 << true << ""
                                   << "red";
        QTest::newRow("24 shaken") << 24 << none << "1=3"
                                   << "" << 3300 << true << ""
                                   << "red";
        QTest::newRow("24 byte 1 is 4") << 24 << none << "1=4"
                                        << "" << 3300 << true << ""
                                        << "none";
        QTest::newRow("27 middle field 2") << 27 << none << "1=8"
                                           << "" << 3300 << true << ""
                                           << "red";
        QTest::newRow("28 high field 3") << 28 << none << "1=48"
                                         << "" << 3300 << true << ""
                                         << "yellow";
        QTest::newRow("28 fields 1") << 28 << none << "1=21"
                                     << "" << 3300 << true << ""
                                     << "none";
        QTest::newRow("29 leak") << 29 << quint32(SensorFlag::WaterLeak) << ""
                                 << "" << 3300 << true << ""
                                 << "red";
        QTest::newRow("55 leak") << 55 << quint32(SensorFlag::WaterLeak) << ""
                                 << "" << 3300 << true << ""
                                 << "red";
        QTest::newRow("30 linked") << 30 << none << "4=2,5=1"
                                   << "" << 3300 << true << ""
                                   << "none";
        QTest::newRow("30 unlinked") << 30 << none << "4=2,5=0"
                                     << "" << 3300 << true << ""
                                     << "yellow";
        QTest::newRow("30 state 1") << 30 << none << "4=1,5=1"
                                    << "" << 3300 << true << ""
                                    << "yellow";
        QTest::newRow("66 valve 3") << 66 << none << "32=3"
                                    << "" << 3300 << true << ""
                                    << "none";
        QTest::newRow("66 valve 2") << 66 << none << "32=2"
                                    << "" << 3300 << true << ""
                                    << "yellow";
        // Precedence and the parameter tree's marks.
        QTest::newRow("grey over red") << 5 << quint32(SensorFlag::Lost | SensorFlag::Fire) << ""
                                       << "" << 3300 << true << ""
                                       << "grey";
        QTest::newRow("red over yellow")
            << 6 << quint32(SensorFlag::Alarm | SensorFlag::Fault) << ""
            << "" << 3300 << true << ""
            << "red";
        QTest::newRow("mark red") << 6 << none << ""
                                  << "" << 3300 << true << "r"
                                  << "red";
        QTest::newRow("mark yellow") << 6 << none << ""
                                     << "" << 3300 << true << "y"
                                     << "yellow";
        QTest::newRow("mark grey") << 6 << none << ""
                                   << "" << 3300 << true << "g"
                                   << "grey";
        QTest::newRow("marks red and yellow") << 6 << none << ""
                                              << "" << 3300 << true << "ry"
                                              << "red";
        QTest::newRow("mark grey, alarm") << 6 << quint32(SensorFlag::Alarm) << ""
                                          << "" << 3300 << true << "g"
                                          << "grey";
        QTest::newRow("mark yellow, alarm") << 6 << quint32(SensorFlag::Alarm) << ""
                                            << "" << 3300 << true << "y"
                                            << "red";
    }
    void cardColour()
    {
        QFETCH(int, type);
        QFETCH(quint32, flags);
        QFETCH(QString, live);
        QFETCH(QString, settings);
        QFETCH(int, millivolts);
        QFETCH(bool, enabled);
        QFETCH(QString, marks);
        QFETCH(QString, colour);

        const Sensor::SPtr device = makeDevice(3, type);
        device->setEnabled(enabled);
        patch(reinterpret_cast<quint8 *>(device->settingsData()), settings);
        s_SensorIntData status = device->status();
        status.flags = flags;
        status.supplyVoltage = quint16(millivolts);
        patch(status.privateData.raw, live);
        device->updateStatus(&status);
        // The parameter tree marks its nodes after the status has been taken.
        if (marks.contains('r'))
            device->noteColour(Sensor::RedColour);
        if (marks.contains('y'))
            device->noteColour(Sensor::YellowColour);
        if (marks.contains('g'))
            device->noteColour(Sensor::GreyColour);

        SensorListViewItem item(device);
        QCOMPARE(colourName(item.data(Qt::BackgroundRole)), colour);
        const QColor text = item.data(Qt::ForegroundRole).value<QColor>();
        QCOMPARE(text, device->isInTouch() ? QColor(Qt::black) : QColor(Qt::lightGray));
    }

    void viewingModeCardsAreGrey()
    {
        Overmind overmind;
        overmind.setViewingMode(true);
        for (quint32 flags : {0u, quint32(SensorFlag::Alarm), quint32(SensorFlag::Lost)}) {
            const Sensor::SPtr device = makeDevice(1, 6);
            s_SensorIntData status = device->status();
            status.flags = flags;
            device->updateStatus(&status);
            SensorListViewItem item(device);
            QCOMPARE(colourName(item.data(Qt::BackgroundRole)), QStringLiteral("grey"));
            QCOMPARE(item.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        }
    }

    void localOutputsKeepTheirLookWithoutSupply()
    {
        // Neither reports a supply voltage.
        auto out = std::make_shared<LocalOut>(1);
        out->outputData()->mode.Mode = 1;
        QCOMPARE(out->supplyVoltage(), quint16(0));
        QVERIFY(!SensorListViewItem(out).cardColour().isValid());
        out->outputData()->mode.Mode = 0;
        QCOMPARE(SensorListViewItem(out).cardColour(), Sensor::GreyColour);
    }

    void tooltipOfADetector()
    {
        const Sensor::SPtr device = makeDevice(2, 6);
        s_SensorIntData status = device->status();
        status.firmwareMajor = 1;
        status.firmwareMinor = 3;
        status.hardwareMajor = 2;
        status.hardwareMinor = 1;
        status.rssi = -61;
        device->updateStatus(&status);
        SensorListViewItem item(device);
        const QString expected =
            table({row("Type", device->typeName()), row("Serial", "0000001002"),
                   row("Firmware", "1.03"), row("Hardware", "2.01"), row("RSSI", "-61 dBm"),
                   row("Main bat", "3.30 V"), row("Status", device->stateText())});
        QCOMPARE(item.data(Qt::ToolTipRole).toString(), expected);
        QCOMPARE(item.data(Qt::WhatsThisRole).toString(), expected);
        QCOMPARE(item.data(Qt::DisplayRole).toString(), device->statusToolTip());
        // The text follows the device.
        status.rssi = -70;
        device->updateStatus(&status);
        QVERIFY(item.data(Qt::ToolTipRole).toString().contains(row("RSSI", "-70 dBm")));
    }

    void tooltipRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<bool>("viewing");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QString fw = row("Firmware", "0.00");
        QTest::newRow("reserve good")
            << 2 << 0u << 3300 << false
            << QStringList{row("Reserve bat", "good") + row("Status", "%1")} << QStringList{};
        QTest::newRow("reserve fail") << 29 << quint32(SensorFlag::ReserveFailed) << 3300 << false
                                      << QStringList{row("Reserve bat", "fail")} << QStringList{};
        QTest::newRow("no reserve source")
            << 6 << quint32(SensorFlag::ReserveFailed) << 3300 << false << QStringList{fw}
            << QStringList{"Reserve bat"};
        QTest::newRow("2099 mV") << 6 << 0u << 2099 << false << QStringList{row("Main bat", "0 V")}
                                 << QStringList{};
        QTest::newRow("2100 mV") << 6 << 0u << 2100 << false
                                 << QStringList{row("Main bat", "2.10 V")} << QStringList{};
        QTest::newRow("viewing") << 2 << 0u << 3300 << true
                                 << QStringList{row("Type", "%0"), row("Reserve bat", "good")}
                                 << QStringList{"Firmware", "Hardware"};
    }
    void tooltipRows()
    {
        QFETCH(int, type);
        QFETCH(quint32, flags);
        QFETCH(int, millivolts);
        QFETCH(bool, viewing);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        Overmind overmind;
        overmind.setViewingMode(viewing);
        const Sensor::SPtr device = makeDevice(2, type);
        s_SensorIntData status = device->status();
        status.flags = flags;
        status.supplyVoltage = quint16(millivolts);
        device->updateStatus(&status);
        SensorListViewItem item(device);
        const QString tip = item.data(Qt::ToolTipRole).toString();
        for (QString text : present) {
            text.replace("%0", device->typeName()).replace("%1", device->stateText());
            QVERIFY2(tip.contains(text), qPrintable(tip));
        }
        for (const QString &text : absent)
            QVERIFY2(!tip.contains(text), qPrintable(tip));
        QVERIFY(tip.startsWith("<table style=\"width:100%\">"));
        QVERIFY(tip.endsWith("   </tr></table>"));
    }

    void tooltipOfTheSocket()
    {
        const Sensor::SPtr device = makeDevice(4, 57);
        SensorListViewItem item(device);
        QCOMPARE(item.data(Qt::ToolTipRole).toString(),
                 table({row("Type", device->typeName()), row("Serial", "0000001004"),
                        row("Firmware", "0.00"), row("Hardware", "0.00"), row("RSSI", "0 dBm"),
                        row("Status", device->stateText())}));
    }

    void tooltipOfTheLocalOutputs()
    {
        for (int index : {0, 1}) {
            auto out = std::make_shared<LocalOut>(index);
            SensorListViewItem item(out);
            QCOMPARE(
                item.data(Qt::ToolTipRole).toString(),
                table({row("Type", out->typeName()), row("Number", QString::number(158 + index))}));
            QCOMPARE(item.data(Qt::DecorationRole).value<QIcon>().isNull(), false);
        }
    }

    void tooltipOfTheLoopCentresTheResistance()
    {
        const s_FullLoopData report = makeLoopReport(1, 2, "Porch");
        auto loop = std::make_shared<Loop>(&report);
        s_LoopStatus status = loop->loopStatus();
        status.resistance = 4700.0f;
        loop->setStatus(&status);
        SensorListViewItem item(loop);
        QCOMPARE(item.data(Qt::ToolTipRole).toString(),
                 QStringLiteral("<table style=\"width:100%\">") +
                     row("Status:", loop->stateText()) +
                     QStringLiteral("  <tr>    <td><strong>Resistance:</strong></td>    "
                                    "<td align=\"center\">4.70 kOhm</td>   </tr></table>"));
    }

    void picturePaths_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("path");
        QTest::newRow("5") << 5 << "://images/devices/Tarvo-T02.png";
        QTest::newRow("25") << 25 << "://images/devices/Tarvo-T16.png";
        QTest::newRow("56") << 56 << "://images/devices/Tarvo-T19.png";
        QTest::newRow("67") << 67 << "://images/devices/Tarvo-T67_.png";
        QTest::newRow("21") << 21 << "://images/wireless17.png";
        QTest::newRow("33") << 33 << "://images/wireless17.png";
        QTest::newRow("9") << 9 << "://images/wireless17.png";
    }
    void picturePaths()
    {
        QFETCH(int, type);
        QFETCH(QString, path);
        QCOMPARE(SensorListViewItem::picturePath(type), path);
    }

    // Every type's picture is built in and is a real 96 x 96 picture.
    void everyPictureLoads()
    {
        QStringList paths = {"://images/devices/Tarvo-Korvel.png", ":/images/locked_gray.png",
                             ":/images/rssi.png"};
        for (int type = 0; type < 74; ++type)
            paths << SensorListViewItem::picturePath(type);
        for (const QString &path : paths) {
            const QPixmap picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
        }
        QCOMPARE(QPixmap(SensorListViewItem::picturePath(57)).size(), QSize(96, 96));
    }

    void signalBar_data()
    {
        QTest::addColumn<int>("rssi");
        QTest::addColumn<double>("share");
        QTest::newRow("-30 caps at 99") << -30 << 0.99;
        QTest::newRow("-10 caps at 99") << -10 << 0.99;
        QTest::newRow("-80") << -80 << 0.50;
        QTest::newRow("-130 base line only") << -130 << 0.0;
        QTest::newRow("below -130") << -140 << 0.0;
    }
    void signalBar()
    {
        QFETCH(int, rssi);
        QFETCH(double, share);
        QWidget host;
        const QStyleOptionViewItem option = cardOption(&host);
        const SensorItemDelegate::CardLayout layout = SensorItemDelegate::cardLayout(option, rssi);
        QCOMPARE(layout.bar.height(), 130 - 40);
        QCOMPARE(layout.barFill, int(layout.bar.height() / 100.0 * (share * 100)));
        QCOMPARE(layout.bar.left(), layout.text.left() - 20);
        QCOMPARE(layout.picture, QRect(15, 20 + 65 - 48, 96, 96));
        QCOMPARE(layout.text.left(), 10 + 96 + 30);
        QCOMPARE(layout.stateIcon,
                 QRect(option.rect.right() - 30, option.rect.bottom() - 30, 25, 25));
    }

    void signalBarOnlyForRadioDevicesWhileConnected()
    {
        QVERIFY(SensorItemDelegate::showsSignalBar(*makeDevice(1, 4)));
        for (int type : {0, 1, 9})
            QVERIFY(!SensorItemDelegate::showsSignalBar(*makeDevice(1, type)));
        Overmind overmind;
        overmind.setViewingMode(true);
        QVERIFY(!SensorItemDelegate::showsSignalBar(*makeDevice(1, 4)));
    }

    // A lost card has dark grey text and a grey bar; a disabled one shows the disconnect
    // icon, a device of a locked partition the lock.
    void cardStateMarks()
    {
        Overmind overmind;
        overmind.deviceInfo().init(0, 0, 0, 0);
        overmind.createSettingsObjects(true);
        const Sensor::SPtr device = makeDevice(1, 4, 0, 2);
        QCOMPARE(SensorItemDelegate::textColour(*device), QColor(Qt::black));
        // Partition 2 is not open for configuration until the device says so.
        qreal opacity = 0;
        QCOMPARE(SensorItemDelegate::stateIconPath(*device, &opacity),
                 QStringLiteral(":/images/locked_gray.png"));
        QCOMPARE(opacity, 0.7);
        s_PartitionStatus open;
        std::memset(&open, 0, sizeof(open));
        open.configurationAllowed = 1;
        overmind.partitionModel()->partition(2)->setStatus(&open);
        QVERIFY(SensorItemDelegate::stateIconPath(*device).isEmpty());

        s_SensorIntData status = device->status();
        status.flags = SensorFlag::Lost;
        device->updateStatus(&status);
        QCOMPARE(SensorItemDelegate::textColour(*device), QColor(63, 63, 63));
        device->setEnabled(false);
        QCOMPARE(SensorItemDelegate::stateIconPath(*device, &opacity),
                 QStringLiteral(":/images/disconnect.png"));
        QCOMPARE(opacity, 0.6);
    }

    void previewLayout_data()
    {
        QTest::addColumn<int>("dragged");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QRect>("box");
        QTest::newRow("one") << 1 << QPoint(100, 80) << 1 << "" << QRect(47, 27, 106, 106);
        QTest::newRow("seven") << 7 << QPoint(100, 80) << 5 << "+2" << QRect(47, 27, 560, 106);
        QTest::newRow("near the top left")
            << 2 << QPoint(10, 10) << 2 << "" << QRect(0, 0, 207, 106);
        QTest::newRow("beyond the right")
            << 3 << QPoint(790, 590) << 3 << "" << QRect(800 - 308 - 5, 600 - 106 - 5, 308, 106);
    }
    void previewLayout()
    {
        QFETCH(int, dragged);
        QFETCH(QPoint, offset);
        QFETCH(int, pictures);
        QFETCH(QString, count);
        QFETCH(QRect, box);
        QWidget host;
        const QStyleOptionViewItem option = cardOption(&host);
        const SensorItemDelegate::PreviewLayout layout =
            SensorItemDelegate::previewLayout(option, offset, QSize(800, 600), dragged);
        QCOMPARE(layout.box, box);
        QCOMPARE(layout.pictures.size(), pictures);
        QCOMPARE(layout.countText, count);
        QCOMPARE(layout.pictures.first(), QRect(box.left() + 5, box.top() + 5, 96, 96));
        QCOMPARE(layout.pictures.last().left(), box.left() + 101 * (pictures - 1) + 5);
        if (!count.isEmpty())
            QCOMPARE(layout.countRect, QRect(box.right() + 1 - 50, box.top() + 5, 50, 96));
    }

    // The drag pixmap gets one preview, painted by the first dragged row; cards painted
    // elsewhere are whole cards.
    void dragPreviewIsPaintedOnce()
    {
        Partition partition(nullptr, 1, 1, 0);
        for (int id = 0; id < 7; ++id)
            partition.addSensor(makeDevice(id, QList<int>{4, 6, 2, 7, 11, 57, 66}.at(id)));
        SensorItemModel model(&partition);
        SensorListView view;
        view.setViewMode(QListView::IconMode);
        view.setIconSize(QSize(96, 96));
        view.setModel(&model);
        auto *delegate = new SensorItemDelegate(&view);
        view.setItemDelegate(delegate);
        view.resize(1000, 700);
        QModelIndexList all;
        for (int r = 0; r < model.rowCount(); ++r)
            all << model.index(r, 0);
        view.noteDragStart(QPoint(60, 60), all);

        QStyleOptionViewItem option = cardOption(&view);
        QPixmap drag(900, 300);
        drag.fill(Qt::white);
        {
            QPainter painter(&drag);
            delegate->paint(&painter, option, all.at(0));
            QVERIFY(view.draggedIndexes().isEmpty());
            delegate->paint(&painter, option, all.at(1));
        }
        const QString path = screenshotPath("device-list-drag-preview.png");
        QFile::remove(path);
        QVERIFY(drag.save(path, "PNG"));

        // A card on an image is a card, whatever a drag remembers.
        view.noteDragStart(QPoint(60, 60), all);
        QImage card(400, 160, QImage::Format_ARGB32);
        card.fill(Qt::white);
        {
            QPainter painter(&card);
            option.state |= QStyle::State_Selected;
            delegate->paint(&painter, option, all.at(0));
        }
        QCOMPARE(view.draggedIndexes().size(), 7);
        const QSize hint = delegate->sizeHint(option, all.at(0));
        QVERIFY(hint.height() >= 96 + 20);
        QVERIFY(hint.width() > 96);
    }
};

QTEST_MAIN(TestSensorCards)
#include "test_sensor_cards.moc"
