#pragma once

#include <QStringList>
#include <QTranslator>
#include <memory>

class Logger;
class MainWindow;
class Overmind;

// Brings the application up in its fixed order and holds what lives for the whole run.
// Members are declared so that they are destroyed window first, then the controller,
// the translators and the logger.
class StartUp
{
public:
    StartUp();
    ~StartUp();

    // Everything up to showing the window. False when the command-line file could not be
    // opened: the user has been told, and no window exists.
    bool begin(const QStringList &arguments);
    int run();

    MainWindow *window() const { return m_window.get(); }
    Overmind *overmind() const { return m_overmind.get(); }

    // Joins the arguments after the program name, so a path split at blanks is whole again.
    static QString commandLinePath(const QStringList &arguments);

private:
    void installTranslators();

    std::unique_ptr<Logger> m_logger;
    QTranslator m_qtTranslator;
    QTranslator m_appTranslator;
    std::unique_ptr<Overmind> m_overmind;
    std::unique_ptr<MainWindow> m_window;
};
