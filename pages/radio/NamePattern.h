#pragma once

#include <QString>

// The characters and length (63 at most) a radio device or partition name may have.
extern const QString NamePattern;
