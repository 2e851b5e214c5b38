#pragma once

#include <QJsonValue>
#include <QtGlobal>

// Whole numbers of configuration-file sections. A JSON number is a double to most readers,
// exact only up to 2^53: a wider value is written as its exact decimal digits instead, so
// every 64-bit field reads back as it was. Both forms are read.
class FileNumber
{
public:
    static constexpr qint64 ExactLimit = Q_INT64_C(1) << 53;

    static QJsonValue of(quint64 value);
    static QJsonValue of(qint64 value);

    // A whole number in the signed 64-bit range; false for anything else.
    static bool read(const QJsonValue &value, qint64 &number);
    // A 64-bit word: older files wrote some words as signed numbers, so a negative number
    // stands for its two's complement, and the rounded 2^64 of an all-ones word for all ones.
    static bool readWord(const QJsonValue &value, quint64 &word);

    // The whole number, or 0 for a missing key, a text that is no number or a fraction.
    static qint64 whole(const QJsonValue &value);
    static quint64 word(const QJsonValue &value);
};
