#include "app/MessageBoxU.h"

#include "app/MainWindow.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"

#include <QMainWindow>

int MessageBoxU::run(QMessageBox::Icon icon, const QString &kind, const QString &text,
                     const QString &title, QMessageBox::StandardButtons buttons)
{
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = kind;
        request.title = title;
        request.text = text;
        request.standardButtons = int(buttons);
        return ModalAnswerer::answer(request);
    }
    Overmind *overmind = Overmind::instance();
    QWidget *parent = overmind ? overmind->mainWindow() : nullptr;
    QMessageBox box(icon, title, text, buttons, parent, Qt::Dialog);
    box.setFixedSize(box.sizeHint());
    if (overmind)
        overmind->registerDialog(&box);
    return box.exec();
}

void MessageBoxU::critical(const QString &text, const QString &title)
{
    run(QMessageBox::Critical, QStringLiteral("critical"), text, title, QMessageBox::NoButton);
}

void MessageBoxU::information(const QString &text, const QString &title)
{
    run(QMessageBox::Information, QStringLiteral("information"), text, title, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBoxU::question(const QString &text, const QString &title,
                                                  QMessageBox::StandardButtons buttons)
{
    return QMessageBox::StandardButton(
        run(QMessageBox::Question, QStringLiteral("question"), text, title, buttons));
}

void MessageBoxU::warning(const QString &text, const QString &title)
{
    run(QMessageBox::Warning, QStringLiteral("warning"), text, title, QMessageBox::NoButton);
}
