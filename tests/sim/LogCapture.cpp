#include "sim/LogCapture.h"

LogCapture::LogCapture(QObject *parent) : QObject(parent)
{
    Logger::registerMetaType();
    if (!Logger::instance())
        m_ownLogger = new Logger;
    connect(Logger::instance(), &Logger::message, this, &LogCapture::onMessage,
            Qt::QueuedConnection);
}

LogCapture::~LogCapture()
{
    delete m_ownLogger;
}

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
