#pragma once

#include "app/Logger.h"

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QVector>
#include <deque>

// The memory of the application log: keeps the newest lines, learns the sender
// names and passes on what the user's module and level filter lets through.
class LoggerFilter : public QObject
{
    Q_OBJECT
public:
    struct LogEntry
    {
        QString module;
        logLevel_t level = LogDebug;
        QString line;
    };

    static constexpr int MaxEntries = 0x20000;

    explicit LoggerFilter(QObject *parent = nullptr);
    ~LoggerFilter() override;

    void setFilter(const QStringList &modules, const QList<logLevel_t> &levels);
    void refilter();
    QVector<LogEntry> filteredEntries() const;

    QStringList modules() const { return m_modules; }
    int entryCount() const;

public slots:
    void onMessage(const QString &name, logLevel_t level, const QString &msg);

signals:
    void message(QString sender, logLevel_t level, QString msg);
    void newModule(QString module);
    void textLogReady(QString in_msg);
    void errorReceived(QString msg);

private:
    QString timestamp();
    void rebuildText();
    void forgetFinishedRebuilds();

    QStringList m_modules; // GUI thread only
    qint64 m_stampSecond = -1;
    QString m_stampPrefix;
    QStringList m_selectedModules;
    QList<logLevel_t> m_levels;
    std::deque<LogEntry> m_entries;
    mutable QMutex m_lock;
    QList<QFuture<void>> m_rebuilds; // waited for on destruction
};
