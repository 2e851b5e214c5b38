#include "link/Crc.h"

#include <QTest>

#include <vector>

class TestCrc : public QObject
{
    Q_OBJECT
private slots:
    void crc16_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("crc");
        QTest::newRow("empty") << QByteArray() << 0xFFFFu;
        QTest::newRow("digits 1-9") << QByteArray("123456789") << 0x89F6u;
        QTest::newRow("abc") << QByteArray("abc") << 0x5B86u;
    }
    void crc16()
    {
        QFETCH(QByteArray, input);
        QFETCH(uint, crc);
        QCOMPARE(uint(crc16Of(input)), crc);

        QByteArray framed = input;
        crc16Append(framed);
        QCOMPARE(framed.size(), input.size() + 2);
        QCOMPARE(framed.left(input.size()), input);
        QCOMPARE(quint8(framed.at(input.size())), quint8(crc & 0xFF));
        QCOMPARE(quint8(framed.at(input.size() + 1)), quint8(crc >> 8));
    }

    void crc32_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("crc");
        QTest::newRow("length 0") << QByteArray() << 0xFFFFFFFFu;
        QTest::newRow("zero word") << QByteArray(4, '\0') << 0xC704DD7Bu;
        QTest::newRow("abcd") << QByteArray("abcd") << 0xA62F1C36u;
        QTest::newRow("digits 1-8") << QByteArray("12345678") << 0xFEFC54F9u;
        // The fifth byte is a word of its own: 0x64636261, then 0x00000065.
        QTest::newRow("length 5") << QByteArray("abcde") << 0x16D2D84Bu;
    }
    void crc32()
    {
        QFETCH(QByteArray, input);
        QFETCH(uint, crc);
        // Poison the bytes after the given length: none of them may count.
        std::vector<char> buffer(input.begin(), input.end());
        buffer.insert(buffer.end(), 3, char(0xA5));
        QCOMPARE(uint(crc32Stm(buffer.data(), quint32(input.size()))), crc);
    }

    void crc32SealsARecord()
    {
        QByteArray record(512, '\0');
        for (int i = 0; i < 508; ++i)
            record[i] = char(i * 7 + 3);
        const quint32 crc = crc32Stm(record.constData(), 508);
        for (int i = 0; i < 4; ++i)
            record[508 + i] = char((crc >> (8 * i)) & 0xFF);
        const auto *bytes = reinterpret_cast<const quint8 *>(record.constData());
        const quint32 stored = quint32(bytes[508]) | (quint32(bytes[509]) << 8) |
                               (quint32(bytes[510]) << 16) | (quint32(bytes[511]) << 24);
        QCOMPARE(stored, crc32Stm(record.constData(), 508));
    }
};

QTEST_MAIN(TestCrc)
#include "test_crc.moc"
