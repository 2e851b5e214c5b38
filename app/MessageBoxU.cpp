#include "app/MessageBoxU.h"

#include "app/MainWindow.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"

namespace {
QString kindOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical:
        return QStringLiteral("critical");
    case QMessageBox::Information:
        return QStringLiteral("information");
    case QMessageBox::Question:
        return QStringLiteral("question");
    default:
        return QStringLiteral("warning");
    }
}
} // namespace

int MessageBoxU::run(QMessageBox::Icon icon, const QString &text, const QString &title,
                     QMessageBox::StandardButtons buttons)
{
    Overmind *overmind = Overmind::instance();
    return exec(overmind ? overmind->mainWindow() : nullptr, icon, text, title, buttons);
}

int MessageBoxU::exec(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                      const QString &title, QMessageBox::StandardButtons buttons)
{
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = kindOf(icon);
        request.title = title;
        request.text = text;
        request.standardButtons = int(buttons);
        return ModalAnswerer::answer(request);
    }
    QMessageBox box(icon, title, text, buttons, parent, Qt::Dialog);
    box.setFixedSize(box.sizeHint());
    if (Overmind *overmind = Overmind::instance())
        overmind->registerDialog(&box);
    return box.exec();
}

void MessageBoxU::critical(const QString &text, const QString &title)
{
    run(QMessageBox::Critical, text, title, QMessageBox::NoButton);
}

void MessageBoxU::information(const QString &text, const QString &title)
{
    run(QMessageBox::Information, text, title, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBoxU::question(const QString &text, const QString &title,
                                                  QMessageBox::StandardButtons buttons)
{
    return QMessageBox::StandardButton(run(QMessageBox::Question, text, title, buttons));
}

void MessageBoxU::warning(const QString &text, const QString &title)
{
    run(QMessageBox::Warning, text, title, QMessageBox::NoButton);
}
