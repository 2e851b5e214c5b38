#include "sim/DmiaWriter.h"
#include "support/TestFolder.h"
#include "update/DMIA.h"

#include <QFile>
#include <QtTest>

namespace {
QList<QPair<quint32, QByteArray>> threeBlocks()
{
    return {qMakePair(0x1000u, QByteArray(16, 'a')), qMakePair(0x1010u, QByteArray(16, 'b')),
            qMakePair(0x1040u, QByteArray(8, 'c'))};
}

QString writeOne(const QString &name, const QByteArray &container)
{
    return DmiaWriter::write(TestFolder::path(name), {container});
}

QString readError(const QString &path, bool all = true)
{
    try {
        if (all)
            DMIA::readAll(path, false);
        else
            DMIA::read(path, false);
    } catch (const dmia_exception &error) {
        return error.message;
    }
    return QString();
}
} // namespace

class TestDmia : public QObject
{
    Q_OBJECT
private slots:
    void rejectsBrokenContainers_data();
    void rejectsBrokenContainers();
    void assemblesImageFromBlocks();
    void blocksOutOfOrderLandAtTheirAddresses();
    void keyRunsOnAcrossLines();
    void webContainerKeepsTextLines();
    void emptyLinesAndNoData();
    void deviceNames_data();
    void deviceNames();
    void severalContainersInOneFile();
    void missingFile();
    void firmwareTypeNames_data();
    void firmwareTypeNames();
    void accessorsReadTheHeader();
};

void TestDmia::rejectsBrokenContainers_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");

    DmiaWriter good;
    good.blocks = threeBlocks();
    DmiaWriter header = good;
    header.breakHeaderSum = true;
    QTest::newRow("header sum") << header.container() << "Header crc is broken";
    DmiaWriter data = good;
    data.breakDataSum = true;
    QTest::newRow("data sum") << data.container()
                              << "CRC Check error for firmware: Device: Korvel-GSM R, HW: 2.1\n";
    QTest::newRow("header shorter than its record")
        << QByteArray("Device: x\n" + QByteArray(10, '\0').toBase64() + "\n")
        << "Header crc is broken";
    QTest::newRow("no header line") << QByteArray("Device: x\n") << "Header crc is broken";

    // Records too short for their address and length byte.
    DmiaWriter shortLine = good;
    shortLine.plainRecords = {QByteArray("\x01\x02", 2)};
    QTest::newRow("line too short for its record") << shortLine.container() << "Block is broken";
    DmiaWriter wideShort = good;
    wideShort.wideAddresses = true;
    wideShort.plainRecords = {QByteArray(4, 'x')};
    QTest::newRow("wide record without length") << wideShort.container() << "Block is broken";

    DmiaWriter huge = good;
    huge.wideAddresses = true;
    huge.blocks = {qMakePair(0x0u, QByteArray(4, 'a')), qMakePair(0x2000000u, QByteArray(4, 'b'))};
    QTest::newRow("image over 32 MiB") << huge.container() << "Block is broken";
}

// Every broken container fails with its own text and returns nothing.
void TestDmia::rejectsBrokenContainers()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QString path = writeOne(QStringLiteral("broken.dmia"), file);
    QCOMPARE(readError(path), message);
}

void TestDmia::assemblesImageFromBlocks()
{
    DmiaWriter writer;
    writer.blocks = threeBlocks();
    const auto containers =
        DMIA::readAll(writeOne(QStringLiteral("three.dmia"), writer.container()), false);
    QCOMPARE(containers.size(), 1);
    const DMIA::SPtr dmia = containers.first();
    QCOMPARE(dmia->lowestAddress(), 0x1000u);
    QCOMPARE(dmia->highestAddress(), 0x1047u);
    QCOMPARE(dmia->image.size(), 72);
    QCOMPARE(dmia->image.mid(0, 16), QByteArray(16, 'a'));
    QCOMPARE(dmia->image.mid(32, 32), QByteArray(32, char(0xFF)));
    QCOMPARE(dmia->image.mid(64, 8), QByteArray(8, 'c'));
    QCOMPARE(dmia->lines(), writer.scrambledLines());
    QCOMPARE(dmia->blocks().size(), 3);
}

void TestDmia::blocksOutOfOrderLandAtTheirAddresses()
{
    DmiaWriter writer;
    writer.blocks = {qMakePair(0x1040u, QByteArray(8, 'c')),
                     qMakePair(0x1000u, QByteArray(16, 'a')),
                     qMakePair(0x1010u, QByteArray(16, 'b'))};
    const DMIA::SPtr dmia =
        DMIA::readAll(writeOne(QStringLiteral("order.dmia"), writer.container()), false).first();
    QCOMPARE(dmia->image.size(), 72);
    QCOMPARE(dmia->image.mid(0, 16), QByteArray(16, 'a'));
    QCOMPARE(dmia->image.mid(16, 16), QByteArray(16, 'b'));
    QCOMPARE(dmia->image.mid(32, 32), QByteArray(32, char(0xFF)));
    QCOMPARE(dmia->image.mid(64, 8), QByteArray(8, 'c'));
}

void TestDmia::keyRunsOnAcrossLines()
{
    DmiaWriter writer;
    // 3 + 17 = 20 bytes in the first line, so the second starts at key byte 20.
    writer.blocks = {qMakePair(0x10u, QByteArray(17, 'x')), qMakePair(0x21u, QByteArray(40, 'y'))};
    const DMIA::SPtr dmia =
        DMIA::readAll(writeOne(QStringLiteral("key.dmia"), writer.container()), true).first();
    QCOMPARE(dmia->lines().at(1).left(3), QByteArray("\x21\x00\x28", 3));
    QCOMPARE(dmia->image, QByteArray(17, 'x') + QByteArray(40, 'y'));
    // The stored (scrambled) bytes: key byte 20 is 0x5C, and byte 31 overall wraps to key 0x3C.
    const QByteArray scrambled =
        DMIA::readAll(writeOne(QStringLiteral("key2.dmia"), writer.container()), false)
            .first()
            ->lines()
            .at(1);
    QCOMPARE(quint8(scrambled.at(0)), quint8(0x21 ^ 0x5C));
    QCOMPARE(quint8(scrambled.at(11)), quint8('y' ^ 0x3C));
}

void TestDmia::webContainerKeepsTextLines()
{
    DmiaWriter writer;
    writer.deviceType = 59;
    writer.rawLines = {"<html>", "body"};
    writer.breakDataSum = true; // web containers carry no data sum
    const DMIA::SPtr dmia =
        DMIA::readAll(writeOne(QStringLiteral("web.dmia"), writer.container()), false).first();
    QVERIFY(dmia->isWeb());
    QCOMPARE(dmia->lines(), QList<QByteArray>({"<html>\n", "body\n"}));
    QVERIFY(dmia->blocks().isEmpty());
    QVERIFY(dmia->image.isEmpty());

    // 0x013B is not the web type: its low byte is, the whole field is not.
    writer.deviceType = 0x013B;
    writer.breakDataSum = false;
    writer.rawLines.clear();
    const DMIA::SPtr notWeb =
        DMIA::readAll(writeOne(QStringLiteral("notweb.dmia"), writer.container()), false).first();
    QCOMPARE(notWeb->deviceType(), quint8(0x3B));
    QVERIFY(!notWeb->isWeb());
}

void TestDmia::emptyLinesAndNoData()
{
    DmiaWriter writer;
    writer.blocks = threeBlocks();
    QByteArray text = writer.container();
    text.insert(text.indexOf('\n', text.indexOf('\n') + 1) + 1, "\n!!!\n");
    const DMIA::SPtr dmia =
        DMIA::readAll(writeOne(QStringLiteral("blank.dmia"), text), false).first();
    QCOMPARE(dmia->lines().size(), 3);

    DmiaWriter none;
    const DMIA::SPtr empty =
        DMIA::readAll(writeOne(QStringLiteral("none.dmia"), none.container()), false).first();
    QVERIFY(empty->blocks().isEmpty());
    QVERIFY(empty->image.isEmpty());
}

void TestDmia::deviceNames_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::newRow("with hw") << "Device: Tarvo-T19, HW: 1.2"
                             << "Tarvo-T19";
    QTest::newRow("without hw") << "Build 7 Device: Tarvo"
                                << "Tarvo\n";
    QTest::newRow("no marker") << "plain"
                               << "plain\n";
}

void TestDmia::deviceNames()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    DmiaWriter writer;
    writer.deviceLine = line;
    const DMIA::SPtr dmia =
        DMIA::readAll(writeOne(QStringLiteral("name.dmia"), writer.container()), false).first();
    QCOMPARE(dmia->name(), name);
}

void TestDmia::severalContainersInOneFile()
{
    DmiaWriter first;
    first.blocks = threeBlocks();
    DmiaWriter second;
    second.deviceType = 19;
    second.blocks = DmiaWriter::image(0x2000, 300);
    const QString path = DmiaWriter::write(TestFolder::path(QStringLiteral("two.dmia")),
                                           {first.container(), second.container()});
    auto containers = DMIA::readAll(path, false);
    QCOMPARE(containers.size(), 2);
    QCOMPARE(containers.at(0)->deviceType(), quint8(8));
    QCOMPARE(containers.at(1)->deviceType(), quint8(19));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray crlf = file.readAll().replace("\n", "\r\n");
    file.close();
    const QString crlfPath = writeOne(QStringLiteral("crlf.dmia"), crlf);
    containers = DMIA::readAll(crlfPath, false);
    QCOMPARE(containers.size(), 2);
    QCOMPARE(containers.at(1)->image.size(), 300);

    const QString emptyPath = writeOne(QStringLiteral("empty.dmia"), QByteArray());
    QVERIFY(DMIA::readAll(emptyPath, false).isEmpty());
    const QString trailing =
        writeOne(QStringLiteral("trailing.dmia"), first.container() + "\n---END_OF_DMIA---\n");
    QCOMPARE(DMIA::readAll(trailing, false).size(), 1);
}

void TestDmia::missingFile()
{
    const QString path = TestFolder::path(QStringLiteral("missing.dmia"));
    QCOMPARE(readError(path, false), QStringLiteral("file does not exists"));
    QCOMPARE(readError(path, true), QStringLiteral("Cannot open file"));
}

void TestDmia::firmwareTypeNames_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("name");
    for (uint invalid : {8u, 9u, 35u, 36u, 60u, 66u, 1000u})
        QTest::addRow("invalid %u", invalid) << invalid << "Invalid type";
    QTest::newRow("0") << 0u << "Tarvo-H1";
    QTest::newRow("2") << 2u << "Tarvo-T02";
    QTest::newRow("30") << 30u << "Tarvo-T30";
    QTest::newRow("51 as 30") << 51u << "Tarvo-T30";
    QTest::newRow("56 as 19") << 56u << "Tarvo-T19";
    QTest::newRow("40") << 40u << "Tarvo-H2";
    QTest::newRow("41") << 41u << "Tarvo-H2";
    QTest::newRow("45") << 45u << "Tarvo-H1-ExtFlash";
    QTest::newRow("65") << 65u << "Tarvo-T65";
}

void TestDmia::firmwareTypeNames()
{
    QFETCH(uint, code);
    QFETCH(QString, name);
    QCOMPARE(firmwareTypeName(code), name);
}

void TestDmia::accessorsReadTheHeader()
{
    DmiaWriter writer;
    writer.firmwareVersion = 0x0105;
    writer.hardwareVersion = 0x020A;
    writer.headerExtra = QByteArray(6, 'z');
    const DMIA::SPtr dmia =
        DMIA::readAll(writeOne(QStringLiteral("versions.dmia"), writer.container()), false).first();
    QCOMPARE(dmia->firmwareVersion(), QVersionNumber(1, 5));
    QCOMPARE(dmia->hardwareVersion(), QVersionNumber(2, 10));
    QCOMPARE(dmia->header().size(), 30);
    QCOMPARE(QDateTime(dmia->buildDate(), dmia->buildTime()).toSecsSinceEpoch(),
             qint64(writer.buildTime));
}

QTEST_GUILESS_MAIN(TestDmia)
#include "test_dmia.moc"
