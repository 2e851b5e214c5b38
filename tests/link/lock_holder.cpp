// Holds the device lock of the serial number given as argument, as another running
// copy of the program would, until its standard input closes.
#include <QCoreApplication>

#include <cstdio>

#include "link/DeviceLock.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    DeviceLock lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.acquire())
        return 1;
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
