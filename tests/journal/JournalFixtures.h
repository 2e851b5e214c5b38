#pragma once

#include "journal/Journal.h"
#include "sim/SimJournal.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QtEndian>

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace journaltest {

inline QDateTime utc(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

// A 127-byte event body built field by field.
struct Body
{
    QByteArray bytes = QByteArray(127, '\0');
    Body &u8(int at, quint8 value)
    {
        bytes[at] = char(value);
        return *this;
    }
    Body &u16(int at, quint16 value)
    {
        qToLittleEndian(value, bytes.data() + at);
        return *this;
    }
    Body &u32(int at, quint32 value)
    {
        qToLittleEndian(value, bytes.data() + at);
        return *this;
    }
    Body &u64(int at, quint64 value)
    {
        qToLittleEndian(value, bytes.data() + at);
        return *this;
    }
    Body &text(int at, const QByteArray &value)
    {
        bytes.replace(at, value.size(), value);
        return *this;
    }
    operator QByteArray() const { return bytes; }
};

inline s_FullJournalEventIsp2 record(const QByteArray &bytes)
{
    s_FullJournalEventIsp2 entry;
    std::memcpy(&entry, bytes.constData(), sizeof entry);
    return entry;
}

inline s_FullJournalEventIsp2 entryOf(quint32 number, quint8 source = 7,
                                      const QByteArray &body = QByteArray(),
                                      const QByteArray &user = QByteArray(),
                                      const QDateTime &at = utc(2026, 3, 14, 9, 26, 53))
{
    return record(SimJournal::entry(number, source, body, at, user));
}

// A transmission report on event `parent`.
inline s_FullJournalEventIsp2 report(quint32 number, quint32 parent, quint16 attempt = 1)
{
    return entryOf(number, 12, Body().u32(0, parent).u16(6, attempt));
}

// Device times must not depend on the machine's zone or language.
inline void fixZoneAndLocale()
{
    qputenv("TZ", "America/New_York");
    tzset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
} // namespace journaltest

#define JOURNAL_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        journaltest::fixZoneAndLocale();                                                           \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
