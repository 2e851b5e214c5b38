#pragma once

#include <QLocale>
#include <QObject>
#include <QTimer>

// Polls the desktop's current input language and reports its short layout code, so the
// login dialog can warn about a non-Latin layout before the user types a password.
class KeyboardLayoutWatcher : public QObject
{
    Q_OBJECT
public:
    explicit KeyboardLayoutWatcher(QObject *parent = nullptr);

    QString layout() const { return m_layout; }
    // Polls only while someone looks at the layout; resuming looks at once.
    void setWatching(bool watching);

    // The eight-hex-digit layout name of an input locale, as the desktop names layouts.
    static QString layoutName(const QLocale &locale);
    // The short code of a layout name; "unknown" when the table has no row for it.
    static QString layoutCode(const QString &layoutName);

public slots:
    void onTimer();

signals:
    void layoutChanged(QString layout);

private:
    QTimer m_timer;
    QString m_layout;
};
