#include "app/LoggerFilter.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QtConcurrent>

LoggerFilter::LoggerFilter(QObject *parent) : QObject(parent)
{
    if (Logger *logger = Logger::instance())
        connect(logger, &Logger::message, this, &LoggerFilter::onMessage);
    setFilter({}, {LogDebug, LogError, LogInfo, LogTrace, LogWarning});
}

LoggerFilter::~LoggerFilter()
{
    // A rebuild still running reads this object; it must end before we go.
    for (QFuture<void> &rebuild : m_rebuilds)
        rebuild.waitForFinished();
}

void LoggerFilter::setFilter(const QStringList &modules, const QList<logLevel_t> &levels)
{
    QMutexLocker locker(&m_lock);
    m_selectedModules = modules;
    m_levels = levels;
}

int LoggerFilter::entryCount() const
{
    QMutexLocker locker(&m_lock);
    return int(m_entries.size());
}

// "hh:mm:ss.zzz" of the local time. The local time of a second is found once: pages log a
// line per status push and per row, and the full conversion cost more than the line.
QString LoggerFilter::timestamp()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = now / 1000;
    if (second != m_stampSecond || m_stampPrefix.isEmpty()) {
        m_stampSecond = second;
        m_stampPrefix =
            QDateTime::fromMSecsSinceEpoch(second * 1000).toString(QStringLiteral("hh:mm:ss."));
    }
    return m_stampPrefix + QStringLiteral("%1").arg(int(now % 1000), 3, 10, QLatin1Char('0'));
}

void LoggerFilter::onMessage(const QString &name, logLevel_t level, const QString &msg)
{
    const QString time = timestamp();
    LogEntry entry{name, level, QStringLiteral("%1 %2: %3").arg(time, name, msg)};

    if (!m_modules.contains(name)) {
        m_modules.append(name);
        emit newModule(name);
    }

    bool passes = false;
    {
        QMutexLocker locker(&m_lock);
        if (m_entries.size() >= MaxEntries)
            m_entries.pop_front();
        m_entries.push_back(entry);
        passes = m_selectedModules.contains(name) && m_levels.contains(level);
    }
    // Emitted after the lock is released so receivers may log or change the filter.
    if (passes)
        emit message(name, level, entry.line);
    if (level == LogError)
        emit errorReceived(msg);
}

QVector<LoggerFilter::LogEntry> LoggerFilter::filteredEntries() const
{
    QVector<LogEntry> all;
    QStringList modules;
    QList<logLevel_t> levels;
    {
        QMutexLocker locker(&m_lock);
        all.reserve(int(m_entries.size()));
        for (const LogEntry &entry : m_entries)
            all.append(entry);
        modules = m_selectedModules;
        levels = m_levels;
    }
    QVector<LogEntry> kept;
    for (const LogEntry &entry : qAsConst(all)) {
        if (modules.contains(entry.module) && levels.contains(entry.level))
            kept.append(entry);
    }
    return kept;
}

void LoggerFilter::refilter()
{
    forgetFinishedRebuilds();
    m_rebuilds.append(QtConcurrent::run([this] { rebuildText(); }));
}

void LoggerFilter::rebuildText()
{
    const QVector<LogEntry> entries = filteredEntries();
    int length = 0;
    for (const LogEntry &entry : entries)
        length += entry.line.size() + 1;
    QString text;
    text.reserve(length);
    for (const LogEntry &entry : entries) {
        text += entry.line;
        text += QLatin1Char('\n');
    }
    emit textLogReady(text);
}

void LoggerFilter::forgetFinishedRebuilds()
{
    for (auto it = m_rebuilds.begin(); it != m_rebuilds.end();) {
        if (it->isFinished())
            it = m_rebuilds.erase(it);
        else
            ++it;
    }
}
