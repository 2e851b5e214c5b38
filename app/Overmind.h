#pragma once

#include <QObject>

class QMainWindow;
class QWidget;

// The one controller of the application, reached through Overmind::instance().
class Overmind : public QObject
{
    Q_OBJECT
public:
    explicit Overmind(QObject *parent = nullptr);
    ~Overmind() override;

    static Overmind *instance();

    QMainWindow *mainWindow() const { return m_mainWindow; }
    void setMainWindow(QMainWindow *window);
    void registerDialog(QWidget *dialog);

signals:
    void connected();
    void disconnected();

private:
    QMainWindow *m_mainWindow = nullptr;
};
