#include "app/ConfigFile.h"

#include "app/DeviceInfo.h"
#include "app/DeviceTexts.h"
#include "app/Overmind.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

int ConfigFile::load(const QString &path)
{
    m_document = QJsonObject();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen;
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return NotJson;
    m_document = parsed.object();
    m_path = path;
    return Loaded;
}

bool ConfigFile::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = QJsonDocument(m_document).toJson(QJsonDocument::Indented);
    // A short write (full disk, size limit) is not an error to QSaveFile: check the count,
    // or a truncated file would replace a good one.
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void ConfigFile::writeHeader()
{
    Overmind *overmind = Overmind::instance();
    m_document = overmind ? overmind->settingsJson() : QJsonObject();
    const DeviceInfo info = overmind ? overmind->deviceInfo() : DeviceInfo();
    const int serialNumber = overmind ? overmind->defaultMacAddress() : 0;
    m_document.insert(QStringLiteral("Version"), QStringLiteral("2.0"));
    m_document.insert(QStringLiteral("Timestamp"),
                      double(QDateTime::currentDateTimeUtc().toSecsSinceEpoch()));
    m_document.insert(QStringLiteral("Execution"), info.execution());
    m_document.insert(QStringLiteral("Modification"), info.modification());
    m_document.insert(QStringLiteral("SerialNumber"), serialNumberText(quint32(serialNumber)));
    if (overmind && overmind->isViewingMode())
        keepHeaderOf(overmind->configDocument());
}

// A viewed file's header names the device the file came from; this program knows no other.
void ConfigFile::keepHeaderOf(const ConfigFile &viewed)
{
    for (const char *key : {"SerialNumber", "Execution", "Modification", "Version"}) {
        const QString name = QLatin1String(key);
        if (viewed.contains(name))
            m_document.insert(name, viewed.m_document.value(name));
    }
}

int ConfigFile::formatVersion() const
{
    if (!m_document.contains(QStringLiteral("Version")))
        return 0;
    const QString version = m_document.value(QStringLiteral("Version")).toString();
    if (version == QLatin1String("2.0"))
        return 2;
    if (version == QLatin1String("1.02"))
        return 1;
    return 0;
}

QJsonValue ConfigFile::value(const QString &key) const
{
    return m_document.contains(key) ? m_document.value(key) : QJsonValue(QJsonObject());
}

bool ConfigFile::contains(const QString &key) const
{
    return m_document.contains(key);
}

void ConfigFile::setIfPresent(const QString &key, const QJsonValue &value)
{
    if (m_document.contains(key))
        m_document.insert(key, value);
}

void ConfigFile::clear()
{
    m_document = QJsonObject();
}

QString ConfigFile::fileName() const
{
    const int slash = m_path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? m_path : m_path.mid(slash + 1);
}
