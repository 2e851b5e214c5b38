#include "app/FileNumber.h"

#include <QString>
#include <QVariant>
#include <cmath>

namespace {
constexpr double TwoTo63 = 9223372036854775808.0;
constexpr double TwoTo64 = 18446744073709551616.0;

bool wholeDouble(const QJsonValue &value, double &number)
{
    if (!value.isDouble())
        return false;
    number = value.toDouble();
    return std::isfinite(number) && std::trunc(number) == number;
}

// The parser keeps integer digits that fit 64 bits exactly; toDouble() would round them.
bool exactInteger(const QJsonValue &value, qint64 &number)
{
    const QVariant variant = value.toVariant();
    if (variant.userType() != QMetaType::LongLong)
        return false;
    number = variant.toLongLong();
    return true;
}
} // namespace

QJsonValue FileNumber::of(quint64 value)
{
    if (value <= quint64(ExactLimit))
        return double(value);
    return QString::number(value);
}

QJsonValue FileNumber::of(qint64 value)
{
    if (value <= ExactLimit && value >= -ExactLimit)
        return double(value);
    return QString::number(value);
}

bool FileNumber::read(const QJsonValue &value, qint64 &number)
{
    if (value.isString()) {
        bool ok = false;
        number = value.toString().trimmed().toLongLong(&ok, 10);
        return ok;
    }
    if (exactInteger(value, number))
        return true;
    double real = 0;
    if (!wholeDouble(value, real) || real < -TwoTo63 || real >= TwoTo63)
        return false;
    number = qint64(real);
    return true;
}

bool FileNumber::readWord(const QJsonValue &value, quint64 &word)
{
    if (value.isString()) {
        const QString text = value.toString().trimmed();
        bool ok = false;
        if (text.startsWith(QLatin1Char('-'))) {
            word = quint64(text.toLongLong(&ok, 10));
            return ok;
        }
        word = text.toULongLong(&ok, 10);
        return ok;
    }
    double real = 0;
    if (!wholeDouble(value, real))
        return false;
    if (real == TwoTo64) {
        word = ~quint64(0);
        return true;
    }
    qint64 exact = 0;
    if (exactInteger(value, exact)) {
        word = quint64(exact);
        return true;
    }
    if (real < -TwoTo63 || real >= TwoTo64)
        return false;
    word = real < 0 ? quint64(qint64(real)) : quint64(real);
    return true;
}

qint64 FileNumber::whole(const QJsonValue &value)
{
    qint64 number = 0;
    return read(value, number) ? number : 0;
}

quint64 FileNumber::word(const QJsonValue &value)
{
    quint64 number = 0;
    return readWord(value, number) ? number : 0;
}
