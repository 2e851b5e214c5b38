// Runs a fuzz target without libFuzzer: with no arguments it feeds every file of the
// target's seed corpus once, with arguments it feeds those files (or the files of those
// folders). A crash or a sanitizer report ends the program with a failure.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {
QStringList filesIn(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return {path};
    QStringList files;
    const QDir folder(path);
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
        files.append(folder.filePath(name));
    return files;
}

bool feed(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    // A copy of exactly the input's size, so an over-read is caught as it is under libFuzzer.
    auto *data = new uint8_t[size_t(bytes.size()) + 1];
    std::copy(bytes.cbegin(), bytes.cend(), data);
    LLVMFuzzerTestOneInput(data, size_t(bytes.size()));
    delete[] data;
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i)
        files += filesIn(QString::fromLocal8Bit(argv[i]));
    if (argc == 1)
        files = filesIn(QStringLiteral(KORVEL_FUZZ_SEEDS));
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs to feed\n");
        return 1;
    }
    for (const QString &path : files)
        if (!feed(path))
            return 1;
    std::printf("fed %d inputs\n", int(files.size()));
    return 0;
}
