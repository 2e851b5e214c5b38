#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class Protocol;
struct s_DeviceLoadProgress;

// Drives the one read of the whole configuration after a login: sends the command,
// forwards the progress and guards the read with a watchdog that offers a retry.
class Loader : public QObject
{
    Q_OBJECT
public:
    Loader(int delayMs, Protocol *protocol, QObject *parent = nullptr);
    ~Loader() override;

    // Replaces the current reader, if any, by a new one.
    static Loader *create(int delayMs, Protocol *protocol);
    static Loader *current();

    void stop();
    bool isWatchdogActive() const { return m_watchdog.isActive(); }
    static unsigned percent(quint16 done, quint16 total);

signals:
    void started();
    void progress(unsigned percent);
    void finished();
    void failed();

public slots:
    void readSettings();
    void onLoadingProgress(const s_DeviceLoadProgress &progress);
    void onLoadingComplete();
    void timeout();

private:
    void giveUp();

    QPointer<Protocol> m_protocol; // the connection may go before the delayed start runs
    QTimer m_watchdog;
    bool m_watchdogConnected = false;
};
