#include "sim/LogCapture.h"

#include <QCoreApplication>

LogCapture::LogCapture(QObject *parent) : QObject(parent)
{
    Logger::registerMetaType();
    // The logger it starts stays for the whole run: a link's reader thread may still log
    // after this capture is gone.
    if (!Logger::instance())
        new Logger(QCoreApplication::instance());
    connect(Logger::instance(), &Logger::message, this, &LogCapture::onMessage,
            Qt::QueuedConnection);
}

LogCapture::~LogCapture() = default;

int LogCapture::count(const QString &text) const
{
    int found = 0;
    for (const QString &line : m_lines)
        found += line.contains(text) ? 1 : 0;
    return found;
}

void LogCapture::onMessage(const QString &name, logLevel_t, const QString &text)
{
    m_lines.append(name + QStringLiteral(": ") + text);
}
