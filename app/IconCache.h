#pragma once

#include <QIcon>
#include <QString>

// Icons of the program's own images, each read once: building an icon from a file
// decodes the image, and pages put the same few pictures on hundreds of rows.
class IconCache
{
public:
    static QIcon icon(const QString &path);
};
