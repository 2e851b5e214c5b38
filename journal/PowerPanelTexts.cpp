#include "journal/PowerPanelTexts.h"

#include "app/Overmind.h"
#include "journal/Journal.h"
#include "pages/settings/DeviceSettings.h"

#include <QGridLayout>
#include <QLabel>

#include <cmath>

QString PowerPanelTexts::wholePercent(float value)
{
    const double number = double(value);
    if (!(number > 0.0))
        return QStringLiteral("0");
    return QString::number(number >= 4294967295.0 ? 4294967295u : quint32(number));
}

QString PowerPanelTexts::fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString PowerPanelTexts::temperatureText(double celsius, const QString &invalid)
{
    if (std::isnan(celsius) || celsius >= 101.0)
        return invalid;
    return QStringLiteral("%1 C").arg(QString::number(celsius, 'g', 6));
}

QString PowerPanelTexts::timeText(const QDateTime &at)
{
    return at.isValid() ? at.toString(QStringLiteral("dd.MM.yyyy   hh:mm:ss"))
                        : QStringLiteral("---");
}

QString PowerPanelTexts::mainSourceLine(const QString &sourceText, double volts)
{
    const QStringList parts = sourceText.split(QStringLiteral("<p>"));
    const QString text = parts.size() > 1 ? parts.at(1) : sourceText;
    return QStringLiteral("%1 (%2 V)").arg(text, fixed(volts, 2));
}

QDateTime PowerPanelTexts::deviceDateTime(quint32 dateWord, quint32 timeWord)
{
    const QDate date = dateFromRtc(dateWord);
    const QTime time = timeFromRtc(timeWord);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    int offset = 0;
    if (Overmind *overmind = Overmind::instance())
        if (DeviceSettings *settings = overmind->deviceSettings())
            offset = settings->tzOffset();
    return QDateTime(date, time, Qt::UTC).toOffsetFromUtc(offset);
}

QLabel *PowerPanelTexts::valueLabel(QWidget *owner, const char *name, const QString &initial)
{
    auto *label = new QLabel(initial, owner);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *PowerPanelTexts::addPair(QWidget *owner, QGridLayout *grid, int row, int column,
                                 const QString &caption, const char *name, const QString &initial)
{
    auto *text = new QLabel(caption, owner);
    QFont font = text->font();
    font.setPointSize(8);
    text->setFont(font);
    grid->addWidget(text, row, column);
    QLabel *value = valueLabel(owner, name, initial);
    grid->addWidget(value, row, column + 1);
    return value;
}
