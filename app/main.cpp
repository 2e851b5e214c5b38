#include "app/Logger.h"
#include "app/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Logger::registerMetaType();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    StartUp startUp;
    // A command-line file that cannot be opened ends the run as a failure.
    if (!startUp.begin(QCoreApplication::arguments().mid(1)))
        return 1;
    return startUp.run();
}
