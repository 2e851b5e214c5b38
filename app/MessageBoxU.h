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

    // A box parented to a given window (dialogs that show their own boxes); it still closes
    // when the device goes away and can be answered by tests.
    static int exec(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                    const QString &title, QMessageBox::StandardButtons buttons);

private:
    static int run(QMessageBox::Icon icon, const QString &text, const QString &title,
                   QMessageBox::StandardButtons buttons);
};
