#pragma once

#include <QDateTime>
#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

// Texts and form pieces shared by the three power panels; numbers do not follow the
// user's locale.
namespace PowerPanelTexts {

// Whole percent; a negative or not-a-number level reads 0.
QString wholePercent(float value);
QString fixed(double value, int decimals);
QString temperatureText(double celsius, const QString &invalid);
QString timeText(const QDateTime &at);
QString mainSourceLine(const QString &sourceText, double volts);
QDateTime deviceDateTime(quint32 dateWord, quint32 timeWord);

// A caption in small type and a bold value label named `name` in the grid's row.
QLabel *addPair(QWidget *owner, QGridLayout *grid, int row, int column, const QString &caption,
                const char *name, const QString &initial);
QLabel *valueLabel(QWidget *owner, const char *name, const QString &initial);

} // namespace PowerPanelTexts
