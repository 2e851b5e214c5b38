#pragma once

#include <QObject>
#include <QStringList>

#include "app/Logger.h"

// Collects the application log in the test's thread. Lines logged by the transport's
// tasks arrive queued, so wait for them with QTRY_*.
class LogCapture : public QObject
{
    Q_OBJECT
public:
    // Uses the running Logger, creating one when there is none.
    explicit LogCapture(QObject *parent = nullptr);
    ~LogCapture() override;

    // Number of lines containing the text.
    int count(const QString &text) const;
    bool contains(const QString &text) const { return count(text) > 0; }
    QStringList lines() const { return m_lines; }
    void clear() { m_lines.clear(); }

private slots:
    void onMessage(const QString &name, logLevel_t level, const QString &text);

private:
    QStringList m_lines;
};
