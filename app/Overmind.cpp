#include "app/Overmind.h"

#include <QMainWindow>

namespace {
Overmind *s_overmind = nullptr;
}

Overmind::Overmind(QObject *parent) : QObject(parent)
{
    s_overmind = this;
}

Overmind::~Overmind()
{
    if (s_overmind == this)
        s_overmind = nullptr;
}

Overmind *Overmind::instance()
{
    return s_overmind;
}

void Overmind::setMainWindow(QMainWindow *window)
{
    m_mainWindow = window;
}

void Overmind::registerDialog(QWidget *dialog)
{
    connect(this, &Overmind::disconnected, dialog, &QWidget::close);
}
