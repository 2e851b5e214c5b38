#include "app/MainWindow.h"

#include "app/Overmind.h"

#include <QCoreApplication>
#include <QLabel>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QCoreApplication::applicationName());
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    resize(1024, 700);
    auto *placeholder = new QLabel(this);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setText(tr("Connect the device or open a configuration file."));
    setCentralWidget(placeholder);
}
