#include "app/FileChooser.h"

#include <QFileDialog>

FileChooser::Handler &FileChooser::handler()
{
    static Handler s_handler;
    return s_handler;
}

void FileChooser::setHandler(Handler h)
{
    handler() = std::move(h);
}

void FileChooser::clearHandler()
{
    handler() = nullptr;
}

QStringList FileChooser::answer(Kind kind, const QString &caption, const QString &directory,
                                const QString &filter)
{
    Request request;
    request.kind = kind;
    request.caption = caption;
    request.directory = directory;
    request.filter = filter;
    return handler()(request);
}

QString FileChooser::openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                  const QString &filter)
{
    if (handler())
        return answer(OpenFile, caption, directory, filter).value(0);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QStringList FileChooser::openFileNames(QWidget *parent, const QString &caption,
                                       const QString &directory, const QString &filter)
{
    if (handler())
        return answer(OpenFiles, caption, directory, filter);
    return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
}

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                  const QString &filter)
{
    if (handler())
        return answer(SaveFile, caption, directory, filter).value(0);
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                  const QString &filter, const QString &defaultSuffix)
{
    if (handler()) {
        Request request;
        request.kind = SaveFile;
        request.caption = caption;
        request.directory = directory;
        request.filter = filter;
        request.defaultSuffix = defaultSuffix;
        return handler()(request).value(0);
    }
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
