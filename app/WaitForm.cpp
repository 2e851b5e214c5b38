#include "app/WaitForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>

WaitForm::WaitForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WaitForm"));
    setFixedSize(800, 180);
    setWindowTitle(tr("Please wait"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Window);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    auto *up = new QLabel(tr("The configuration is loaded into the device."), this);
    up->setObjectName(QStringLiteral("lblUp"));
    QFont upFont = up->font();
    upFont.setPointSize(16);
    up->setFont(upFont);
    up->setAlignment(Qt::AlignCenter);
    grid->addWidget(up, 0, 0);
    auto *down = new QLabel(tr("Please wait and do not turn off the device."), this);
    down->setObjectName(QStringLiteral("lblDown"));
    QFont downFont = down->font();
    downFont.setPointSize(14);
    down->setFont(downFont);
    down->setAlignment(Qt::AlignCenter);
    grid->addWidget(down, 1, 0);
    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->addStretch();
    auto *gif = new QLabel(this);
    gif->setObjectName(QStringLiteral("lblGIF"));
    gif->setFixedSize(64, 64);
    row->addWidget(gif, 1);
    row->addStretch();
    grid->addLayout(row, 2, 0);
    auto *movie = new QMovie(QStringLiteral(":/images/wait.gif"), QByteArray(), this);
    gif->setMovie(movie);
    movie->start();
}
