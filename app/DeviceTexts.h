#pragma once

#include <QString>
#include <QVersionNumber>

// Texts of device numbers, versions and phone numbers shared by the pages.
QString serialNumberText(quint32 deviceNumber);
QString versionText(int major, int minor);
QString versionNumberText(const QVersionNumber &version);
QString normalizePhoneNumber(const QString &text);
