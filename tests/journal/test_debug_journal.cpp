#include "JournalFixtures.h"

#include "app/FileChooser.h"
#include "app/Overmind.h"
#include "journal/AssertLogView.h"
#include "pages/settings/DeviceSettings.h"
#include "support/ModalRecorder.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace journaltest;

namespace {
s_FullDebugJournalEvent debugRecord(const QByteArray &bytes)
{
    s_FullDebugJournalEvent entry;
    std::memcpy(&entry, bytes.constData(), sizeof entry);
    return entry;
}

s_FullDebugJournalEvent debugEntry(quint16 number, quint16 fault, quint8 type, quint8 count,
                                   const QByteArray &payload,
                                   const QDateTime &at = utc(2024, 3, 15, 12, 34, 56))
{
    return debugRecord(SimJournal::debugEntry(number, fault, type, count, payload, at));
}

QString repeated(int times, const char *item)
{
    QStringList items;
    for (int i = 0; i < times; ++i)
        items.append(QString::fromLatin1(item));
    return items.join(QStringLiteral(", "));
}

QByteArray floats(std::initializer_list<float> values)
{
    QByteArray bytes;
    for (float value : values)
        bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
    return bytes;
}
} // namespace

class TestDebugJournal : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> overmind;
    std::unique_ptr<ModalRecorder> boxes;
    QTemporaryDir folder;

private slots:
    void init()
    {
        boxes = std::make_unique<ModalRecorder>();
        overmind = std::make_unique<Overmind>();
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createSettingsObjects(true);
    }
    void cleanup()
    {
        FileChooser::clearHandler();
        overmind.reset();
        boxes.reset();
    }

    void payloads_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes") << 1 << 2 << QByteArray("\x1f\x07", 2) << "0x1f (31), 0x7 (7)";
        QTest::newRow("no bytes") << 1 << 0 << QByteArray("\x1f", 1) << "";
        QTest::newRow("words") << 2 << 2 << QByteArray("\xef\xbe\x00\x02", 4)
                               << "0xbeef (48879), 0x200 (512)";
        QTest::newRow("unsigned 32")
            << 3 << 1 << QByteArray("\xff\xff\xff\xff", 4) << "0xffffffff (4294967295)";
        QTest::newRow("text and values")
            << 4 << 1 << QByteArray("\x0a\0\0\0abc", 7) << "abc:    0xa (10)";
        QTest::newRow("text, no values") << 4 << 0 << QByteArray("abc") << "abc:    ";
        QTest::newRow("floats") << 5 << 2 << floats({1.5f, -0.25f}) << "1.5, -0.25";
        QTest::newRow("code page text") << 0 << 0 << QByteArray::fromHex("d1e1eee9") << "Сбой";
        QTest::newRow("text filling the payload")
            << 0 << 0 << QByteArray(46, 'z') << QString(46, 'z');
        QTest::newRow("type 9") << 9 << 3 << QByteArray("\x01\x02\x03", 3) << "";
        // Counts that claim more than the 46 payload bytes hold show what fits.
        QTest::newRow("255 bytes") << 1 << 255 << QByteArray(46, '\x01') << repeated(46, "0x1 (1)");
        QTest::newRow("255 words")
            << 2 << 255 << QByteArray(46, '\x01') << repeated(23, "0x101 (257)");
        QTest::newRow("255 floats")
            << 5 << 255 << floats({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}) << repeated(11, "2");
        QTest::newRow("255 values before a text")
            << 4 << 255 << QByteArray(46, '\x01')
            << QStringLiteral("\x01\x01:    ") + repeated(11, "0x1010101 (16843009)");
    }
    void payloads()
    {
        QFETCH(int, type);
        QFETCH(int, count);
        QFETCH(QByteArray, payload);
        const auto entry = debugEntry(1, 2, quint8(type), quint8(count), payload);
        QTEST(AssertLogView::payloadText(entry), "text");
    }

    void lines_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("line");
        QTest::newRow("UTC") << 0 << 2
                             << "7. Fri 15 Mar 24 12:34:56 > HARD_FAULT : 0x1f (31), 0x7 (7)";
        QTest::newRow("+3 h, crossing midnight")
            << 12 * 3600 << 138 << "7. Sat 16 Mar 24 00:34:56 > BATTERY_DATA : 0x1f (31), 0x7 (7)";
        QTest::newRow("unknown fault") << 0 << 139
                                       << "7. Fri 15 Mar 24 12:34:56 > Unknown (139) : 0x1f (31), "
                                          "0x7 (7)";
    }
    void lines()
    {
        QFETCH(int, offset);
        QFETCH(int, fault);
        overmind->deviceSettings()->setTzOffset(offset);
        const auto entry = debugEntry(7, quint16(fault), 1, 2, QByteArray("\x1f\x07", 2));
        QTEST(AssertLogView::entryLine(entry), "line");
    }

    // The entry from index 1023 on is the export's last: written, then the file closes.
    void exportEndsAtIndex1023()
    {
        AssertLogView view;
        const QString path = folder.filePath(QStringLiteral("debug"));
        FileChooser::setHandler([&](const FileChooser::Request &request) {
            return QStringList{request.caption.isEmpty() ? QString() : path};
        });
        QCOMPARE(view.saveDebugJournal(), path + ".txt");
        QVERIFY(view.isExporting());
        view.debugEntryReceived(1022, debugEntry(1022, 1, 1, 1, QByteArray("\x05", 1)));
        // Entries are on disk while the export still waits for more.
        QFile early(path + ".txt");
        QVERIFY(early.open(QIODevice::ReadOnly));
        QVERIFY(early.readAll().startsWith("1022. "));
        s_FullDebugJournalEvent broken = debugEntry(5, 1, 1, 1, QByteArray("\x05", 1));
        broken.crc32 ^= 1;
        view.debugEntryReceived(5, broken);
        view.debugEntryReceived(1023, debugEntry(1023, 1, 1, 1, QByteArray("\x06", 1)));
        QVERIFY(!view.isExporting());
        view.debugEntryReceived(1024, debugEntry(1024, 1, 1, 1, QByteArray("\x07", 1)));

        QFile file(path + ".txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.at(0).startsWith("1022. ") && lines.at(0).endsWith("0x5 (5)\r"));
        QVERIFY(lines.at(1).startsWith("1023. ") && lines.at(1).endsWith("0x6 (6)\r"));
        QCOMPARE(lines.at(2), QByteArray());
        const QString pane = view.findChild<QPlainTextEdit *>("ptLog")->toPlainText();
        QCOMPARE(pane.count('\n'), 2);
        QVERIFY(pane.contains(QStringLiteral("1024. ")));
    }

    void exportNames_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::newRow("upper-case suffix") << "log.TXT"
                                           << "log.TXT";
        QTest::newRow("other suffix") << "log.csv"
                                      << "log.csv.txt";
    }
    void exportNames()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        AssertLogView view;
        FileChooser::setHandler(
            [&](const FileChooser::Request &) { return QStringList{folder.filePath(answer)}; });
        QCOMPARE(view.saveDebugJournal(), folder.filePath(written));
        QVERIFY(QFile::exists(folder.filePath(written)));
    }

    // A file that cannot be opened is reported, and no name is given back to announce.
    void exportFailureIsReported()
    {
        AssertLogView view;
        const QString path = folder.filePath(QStringLiteral("no/such/dir/debug.txt"));
        FileChooser::setHandler([&](const FileChooser::Request &) { return QStringList{path}; });
        QCOMPARE(view.saveDebugJournal(), QString());
        QCOMPARE(boxes->count(QStringLiteral("critical")), 1);
        QVERIFY(!view.isExporting());
    }
};

JOURNAL_TEST_MAIN(TestDebugJournal)
#include "test_debug_journal.moc"
