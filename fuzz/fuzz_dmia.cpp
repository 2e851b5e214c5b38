// Feeds arbitrary bytes as a firmware container file to the container reader.
#include "update/DMIA.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        static int argc = 1;
        static char name[] = "fuzz_dmia";
        static char *argv[] = {name, nullptr};
        QStandardPaths::setTestModeEnabled(true);
        app = new QCoreApplication(argc, argv);
        folder = new QTemporaryDir;
    }
    QCoreApplication *app;
    QTemporaryDir *folder;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    const QString path = harness.folder->filePath(QStringLiteral("input.dmia"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    try {
        for (const DMIA::SPtr &container : DMIA::readAll(path, false)) {
            // Everything a reader returns stays inside its own bounds.
            if (!container->image.isEmpty() &&
                quint64(container->image.size()) !=
                    quint64(container->highestAddress()) - container->lowestAddress() + 1)
                __builtin_trap();
        }
    } catch (const dmia_exception &) {
    }
    return 0;
}
