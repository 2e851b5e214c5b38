#include "support/TestFolder.h"

#include <QTemporaryDir>

namespace TestFolder {
QString path(const QString &name)
{
    static QTemporaryDir folder;
    Q_ASSERT(folder.isValid());
    return folder.filePath(name);
}
} // namespace TestFolder
