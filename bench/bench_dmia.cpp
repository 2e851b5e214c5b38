// Reading speed of the firmware container reader on a 1 MiB container.
#include "sim/DmiaWriter.h"
#include "update/DMIA.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    DmiaWriter writer;
    writer.wideAddresses = true;
    writer.blocks = DmiaWriter::image(0x08000000, 1024 * 1024, 128);
    const QString path =
        DmiaWriter::write(folder.filePath(QStringLiteral("big.dmia")), {writer.container()});
    const double megabytes = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    constexpr int Rounds = 5;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < Rounds; ++round) {
        if (DMIA::readAll(path, false).first()->image.size() != 1024 * 1024)
            return 1;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    QTextStream(stdout) << "MB per second: "
                        << QString::number(megabytes * Rounds / seconds, 'f', 1) << "\n";
    return 0;
}
