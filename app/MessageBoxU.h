#pragma once

#include <QCoreApplication>
#include <QMessageBox>

// The message boxes every page uses: always parented to the main window and
// closed by themselves when the device goes away.
class MessageBoxU
{
    Q_DECLARE_TR_FUNCTIONS(MessageBoxU)
public:
    static void critical(const QString &text, const QString &title);
    static void information(const QString &text, const QString &title);
    static QMessageBox::StandardButton question(const QString &text, const QString &title,
                                                QMessageBox::StandardButtons buttons);
    static void warning(const QString &text, const QString &title);

private:
    static int run(QMessageBox::Icon icon, const QString &kind, const QString &text,
                   const QString &title, QMessageBox::StandardButtons buttons);
};
