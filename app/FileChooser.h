#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The file dialogs of the program. Tests set a handler that answers in place of the
// dialog, so no test ever waits for a file to be chosen.
class FileChooser
{
public:
    enum Kind
    {
        OpenFile,
        OpenFiles,
        SaveFile
    };
    struct Request
    {
        Kind kind = OpenFile;
        QString caption;
        QString directory;
        QString filter;
        // Added by the dialog itself, so its overwrite question sees the real name.
        QString defaultSuffix;
    };
    // Returns the chosen paths; an empty list when the dialog was cancelled.
    using Handler = std::function<QStringList(const Request &)>;

    static void setHandler(Handler handler);
    static void clearHandler();

    static QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter);
    static QStringList openFileNames(QWidget *parent, const QString &caption,
                                     const QString &directory, const QString &filter);
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter);
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter, const QString &defaultSuffix);

private:
    static Handler &handler();
    static QStringList answer(Kind kind, const QString &caption, const QString &directory,
                              const QString &filter);
};
