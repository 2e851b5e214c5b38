#pragma once

#include <QRegularExpression>

// The user names the device accepts: digits, Latin and Cyrillic letters, the numero
// sign, blank and common punctuation, at most 95 characters.
const QRegularExpression &userNameExpression();
