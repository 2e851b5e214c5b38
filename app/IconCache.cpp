#include "app/IconCache.h"

#include <QCoreApplication>
#include <QHash>

namespace {
QHash<QString, QIcon> &cache()
{
    static QHash<QString, QIcon> icons;
    return icons;
}

// The images go with the application, before the window system that drew them.
void clearCache()
{
    cache().clear();
}
} // namespace

QIcon IconCache::icon(const QString &path)
{
    QHash<QString, QIcon> &icons = cache();
    auto it = icons.constFind(path);
    if (it != icons.constEnd())
        return it.value();
    if (icons.isEmpty())
        qAddPostRoutine(clearCache);
    return icons.insert(path, QIcon(path)).value();
}
