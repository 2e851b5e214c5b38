#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

// Help texts of the output forms: HTML with a bold title, shown in a form's hint label while
// the mouse is over the hint icon that holds them.
namespace OutputHints {
QString journal();
QString maskTime();
QString maskBits();
QString endState();
QString modulation();
QString outGroupNumber();
QString allowSmsControl();
QString allowCallControl();
QString allowKeychainControl();
// Inversion, hysteresis, reference, feedback sensor, current value.
QStringList temperature();
QStringList humidity();
QStringList co();

// A 16 x 16 hint icon carrying a help text.
QLabel *makeIcon(QWidget *parent, const QString &objectName, const QString &hint = QString());
} // namespace OutputHints
