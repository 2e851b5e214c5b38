#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Lets tests answer modal boxes and dialogs instead of letting them block.
// Every modal the program runs first offers itself here; with no handler set
// it runs normally.
class ModalAnswerer
{
public:
    struct Request
    {
        QString kind; // "critical", "information", "question", "warning", "dialog", ...
        QString title;
        QString text;
        QStringList buttons; // captions, or standard-button names for message boxes
        int standardButtons = 0;
    };
    // The handler returns the answer: a QMessageBox::StandardButton for boxes,
    // a button index for MessageDialog, or what the asking code documents.
    using Handler = std::function<int(const Request &)>;

    static void setHandler(Handler handler);
    static void clearHandler();
    static bool isActive();
    static int answer(const Request &request);

private:
    static Handler &handler();
};
