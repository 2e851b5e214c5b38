#include "app/Logger.h"
#include "app/Overmind.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    Logger::registerMetaType();
    QApplication app(argc, argv);
    Logger logger;
    Overmind overmind;
    QMainWindow window;
    overmind.setMainWindow(&window);
    window.show();
    return app.exec();
}
