#include "app/Logger.h"

#include <QMetaType>

namespace {
Logger *s_instance = nullptr;
}

Logger::Logger(QObject *parent) : QObject(parent)
{
    s_instance = this;
}

Logger::~Logger()
{
    if (s_instance == this)
        s_instance = nullptr;
}

Logger *Logger::instance()
{
    return s_instance;
}

void Logger::registerMetaType()
{
    qRegisterMetaType<logLevel_t>("logLevel_t");
}

void Logger::setLevel(int level)
{
    if (level <= 3)
        m_level = level;
}

void Logger::logError(QObject *sender, const QString &text)
{
    emitLine(sender, LogError, QStringLiteral("[E]: %1").arg(text));
}

void Logger::logWarning(QObject *sender, const QString &text)
{
    emitLine(sender, LogWarning, QStringLiteral("[W]: %1").arg(text));
}

void Logger::logDebug(QObject *sender, const QString &text)
{
    emitLine(sender, LogDebug, text);
}

void Logger::logTrace(QObject *sender, const QString &text)
{
    emitLine(sender, LogTrace, QStringLiteral("[T]: %1").arg(text));
}

void Logger::logInfo(QObject *sender, const QString &text)
{
    emitLine(sender, LogInfo, QStringLiteral("[I]: %1").arg(text));
}

void Logger::emitLine(QObject *sender, logLevel_t level, const QString &text)
{
    const QString name =
        sender ? QString::fromLatin1(sender->metaObject()->className()) : QString();
    emit message(name, level, text);
}

void logError(QObject *sender, const QString &text)
{
    if (Logger *logger = Logger::instance())
        logger->logError(sender, text);
}

void logWarning(QObject *sender, const QString &text)
{
    if (Logger *logger = Logger::instance())
        logger->logWarning(sender, text);
}

void logDebug(QObject *sender, const QString &text)
{
    if (Logger *logger = Logger::instance())
        logger->logDebug(sender, text);
}

void logTrace(QObject *sender, const QString &text)
{
    if (Logger *logger = Logger::instance())
        logger->logTrace(sender, text);
}

void logInfo(QObject *sender, const QString &text)
{
    if (Logger *logger = Logger::instance())
        logger->logInfo(sender, text);
}
