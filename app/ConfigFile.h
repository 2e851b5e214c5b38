#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The configuration document: one JSON object and the path it came from or goes to.
class ConfigFile
{
public:
    enum LoadResult
    {
        Loaded = 0,
        CannotOpen = -1,
        NotJson = -2
    };

    int load(const QString &path);
    // Writes atomically: a failed save leaves an existing file as it was.
    bool save(const QString &path) const;
    void writeHeader();

    int formatVersion() const;
    QJsonValue value(const QString &key) const;
    bool contains(const QString &key) const;
    void setIfPresent(const QString &key, const QJsonValue &value);
    void clear();

    QJsonObject object() const { return m_document; }
    void setObject(const QJsonObject &object) { m_document = object; }
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    QString fileName() const;

private:
    void keepHeaderOf(const ConfigFile &viewed);

    QJsonObject m_document;
    QString m_path;
};
