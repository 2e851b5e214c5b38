#pragma once

#include <QObject>
#include <QString>

// Log levels as they travel with every line; registered as a meta-type at start-up.
enum logLevel_t : qint32
{
    LogError = 0,
    LogWarning = 1,
    LogDebug = 2,
    LogTrace = 3,
    LogInfo = 4,
};
Q_DECLARE_METATYPE(logLevel_t)

// The one sink of the application log. It keeps nothing: the in-memory log and the
// "Logs" page store and filter what it emits.
class Logger : public QObject
{
    Q_OBJECT
public:
    explicit Logger(QObject *parent = nullptr);
    ~Logger() override;

    static Logger *instance();
    int level() const { return m_level; }

    void logError(QObject *sender, const QString &text);
    void logWarning(QObject *sender, const QString &text);
    void logDebug(QObject *sender, const QString &text);
    void logTrace(QObject *sender, const QString &text);
    void logInfo(QObject *sender, const QString &text);

    static void registerMetaType();

public slots:
    void setLevel(int level);

signals:
    void message(QString name, logLevel_t level, QString text);

private:
    void emitLine(QObject *sender, logLevel_t level, const QString &text);

    qint32 m_level = 3;
};

// Shorthands for the common case of logging from a QObject when a logger exists.
void logError(QObject *sender, const QString &text);
void logWarning(QObject *sender, const QString &text);
void logDebug(QObject *sender, const QString &text);
void logTrace(QObject *sender, const QString &text);
void logInfo(QObject *sender, const QString &text);
