#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

namespace Bench {

// A format-2 configuration file in `folder` with the given sections, for the program to view.
inline QString writeViewedFile(const QTemporaryDir &folder, const QJsonObject &sections)
{
    QJsonObject document{{"Version", "2.0"},
                         {"Timestamp", 1700000000},
                         {"Execution", 0},
                         {"Modification", 3},
                         {"SerialNumber", "0"}};
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it)
        document.insert(it.key(), it.value());
    const QString path = folder.filePath(QStringLiteral("site.cfg"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(document).toJson());
    return path;
}

} // namespace Bench
