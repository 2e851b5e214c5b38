#pragma once

#include <QString>

// Texts the device writes in its 8-bit code page (Windows-1251), read up to the first NUL
// and never past `size` bytes.
QString codePageText(const char *bytes, int size);
