#include "JournalFixtures.h"

#include "journal/RealTime22bViewForm.h"
#include "link/Protocol.h"
#include "sim/SimCommunicator.h"

#include <QDir>
#include <QTableWidget>

using namespace journaltest;

namespace {
QString cell(RealTime22bViewForm &view, int row, int column)
{
    return view.findChild<QTableWidget *>(QStringLiteral("twParams"))->item(row, column)->text();
}

void feed(Protocol &protocol, const QByteArray &message)
{
    protocol.onMessageReceived(message);
}

QByteArray title(int index, const QByteArray &text)
{
    QByteArray bytes(33, '\0');
    bytes[0] = char(index);
    bytes.replace(1, qMin(32, text.size()), text.left(32));
    return SimCommunicator::message(0x3B, quint16(index & 0xFF), bytes);
}
} // namespace

class TestRealtimeView : public QObject
{
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("unsigned") << 3.9f << 4 << "3";
        QTest::newRow("hex") << 3.9f << 5 << "0x00000003";
        QTest::newRow("signed") << 3.9f << 6 << "3";
        QTest::newRow("signed negative") << -3.9f << 6 << "-3";
        QTest::newRow("general") << 3.9f << 7 << "3.9";
        QTest::newRow("type 0") << 3.9f << 0 << "";
        QTest::newRow("type 8") << 3.9f << 8 << "";
        // Beyond what the integer holds: shown as it came, never an undefined conversion.
        QTest::newRow("negative unsigned") << -5.0f << 4 << "-5";
        QTest::newRow("negative hex") << -5.0f << 5 << "-5";
        QTest::newRow("huge unsigned") << 1e10f << 4 << "1e+10";
        QTest::newRow("huge signed") << -3e9f << 6 << "-3e+09";
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 6 << "nan";
        QTest::newRow("largest unsigned") << 4294967040.0f << 4 << "4294967040";
    }
    void values()
    {
        QFETCH(float, value);
        QFETCH(int, type);
        QTEST(RealTime22bViewForm::valueText(value, quint8(type)), "text");
    }

    void titlesTypesAndValuesFromTheDevice()
    {
        Protocol protocol(nullptr);
        RealTime22bViewForm view;
        view.setProtocol(&protocol);
        view.setProtocol(&protocol);
        feed(protocol, SimJournal::realtimeValues(0));
        QCOMPARE(cell(view, 0, 1), QString()); // no types yet
        for (const QByteArray &message : SimJournal::realtimeTitles())
            feed(protocol, message);
        feed(protocol, SimJournal::realtimeTypes());
        feed(protocol, SimJournal::realtimeValues(0));
        QCOMPARE(cell(view, 0, 0), QStringLiteral("Uin, V"));
        QCOMPARE(cell(view, 10, 0), QStringLiteral("Такт"));
        QCOMPARE(cell(view, 0, 1), QStringLiteral("12.4"));
        QCOMPARE(cell(view, 7, 1), QStringLiteral("0x0000beef"));
        QCOMPARE(cell(view, 4, 1), QStringLiteral("-71"));
        QCOMPARE(cell(view, 15, 0), QStringLiteral("Load, %"));
        QCOMPARE(cell(view, 0, 2), QStringLiteral("Unknown kind"));
        QCOMPARE(cell(view, 0, 3), QString());

        // Parameter 17; titles outside 0..63 name no cell; a title ends at its first NUL.
        feed(protocol, title(17, QByteArray("Seventeen\0junk", 14)));
        feed(protocol, title(64, "Beyond"));
        feed(protocol, title(200, "Negative"));
        QCOMPARE(cell(view, 1, 2), QStringLiteral("Seventeen"));
        for (int row = 0; row < 16; ++row)
            for (int column = 0; column < 8; column += 2)
                QVERIFY(!cell(view, row, column).contains(QLatin1String("Beyond")) &&
                        !cell(view, row, column).contains(QLatin1String("Negative")));

        QDir().mkpath(QStringLiteral("screenshots"));
        view.resize(865, 418);
        view.show();
        QVERIFY(view.grab().save(QStringLiteral("screenshots/realtime_view.png")));

        // Rebinding moves the connections: the old protocol no longer reaches the view.
        Protocol other(nullptr);
        view.setProtocol(&other);
        feed(protocol, title(0, "Old"));
        QCOMPARE(cell(view, 0, 0), QStringLiteral("Uin, V"));
        feed(other, title(0, "New"));
        QCOMPARE(cell(view, 0, 0), QStringLiteral("New"));
    }
};

JOURNAL_TEST_MAIN(TestRealtimeView)
#include "test_realtime_view.moc"
