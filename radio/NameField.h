#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The 64-byte UTF-8 name fields of the device records.
constexpr int NameFieldSize = 64;
// Longest name text a field holds: one byte stays for the terminating NUL.
constexpr int NameFieldTextBytes = NameFieldSize - 1;

// Puts a backslash before every double quote and backslash.
QString escapeName(const QString &text);
// Undoes escapeName from left to right.
QString unescapeName(const QString &text);

// UTF-8 of the longest leading part of the text, in whole characters, that fits in
// maxBytes.
QByteArray utf8Prefix(const QString &text, int maxBytes);
// Escaped UTF-8 of the longest leading part of the text whose escaped form fits in
// maxBytes; neither a character nor an escape pair is ever split.
QByteArray escapedUtf8Prefix(const QString &text, int maxBytes);

// The text of a field: its UTF-8 up to the first NUL, never beyond the field.
QString nameFieldText(const quint8 *field, int fieldSize = NameFieldSize);
// Fills a field with the filler byte and puts the bytes and a NUL at its start; bytes
// beyond what fits with the NUL are left out.
void fillNameField(quint8 *field, const QByteArray &bytes, quint8 filler,
                   int fieldSize = NameFieldSize);

// Pattern of the name editors: letters, digits and safe punctuation, up to maxCharacters.
QString namePattern(int maxCharacters = NameFieldTextBytes);
