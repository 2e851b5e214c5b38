#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Writes firmware container files the way the firmware build does, so tests and the
// simulator program have containers that fit the simulated device.
class DmiaWriter
{
public:
    quint16 deviceType = 8;
    quint16 hardwareVersion = 0x0201;
    quint16 firmwareVersion = 0x0105;
    bool wideAddresses = false;
    quint32 buildTime = 1767225600; // 2026-01-01 00:00 UTC
    QString deviceLine = QStringLiteral("Device: Korvel-GSM R, HW: 2.1");
    // Header bytes after the first 24 (the header sum always ends the header).
    QByteArray headerExtra;
    // (address, data) per data line, in file order; web containers use rawLines instead.
    QList<QPair<quint32, QByteArray>> blocks;
    QList<QByteArray> rawLines; // web: text lines without their line end
    // Plain data records written after the blocks as they are (for malformed records).
    QList<QByteArray> plainRecords;
    // Faults: sums off by one.
    bool breakHeaderSum = false;
    bool breakDataSum = false;

    QByteArray header() const;
    // The data lines as the reader keeps them undescrambled (decoded, still scrambled).
    QList<QByteArray> scrambledLines() const;
    QByteArray container() const;
    // Writes one or several containers into one file; returns the path.
    static QString write(const QString &path, const QList<QByteArray> &containers);

    // A block list of `size` bytes from `address` in lines of `lineSize` data bytes.
    static QList<QPair<quint32, QByteArray>> image(quint32 address, int size, int lineSize = 64,
                                                   int seed = 1);
    static QByteArray scramble(const QByteArray &plain, int &keyIndex);
};
