#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Every picture or translation the program loads by resource path must be built in.
class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void everyResourcePathInTheSourcesExists()
    {
        const QRegularExpression literal(QStringLiteral("\"(:/+[A-Za-z0-9_./-]+)\""));
        QStringList missing;
        int checked = 0;
        for (const char *folder :
             {"app", "link", "radio", "propertyeditor", "pages", "journal", "update"}) {
            QDirIterator it(QStringLiteral(KORVEL_SOURCE_DIR "/") + QLatin1String(folder),
                            {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                auto matches = literal.globalMatch(text);
                while (matches.hasNext()) {
                    const QString path = matches.next().captured(1);
                    // Prefixes completed at run time (such as a locale name) end in "_".
                    if (path.endsWith('_') || path.endsWith('/'))
                        continue;
                    ++checked;
                    if (!QFile::exists(path))
                        missing << path + QStringLiteral(" in ") + file.fileName();
                }
            }
        }
        QVERIFY(checked > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void translationsAreBuiltIn()
    {
        for (const char *path : {":/tr/translations/velmis.qm", ":/tr/translations/qtbase_en.qm",
                                 ":/tr/translations/qtbase_ru.qm"})
            QVERIFY2(QFile::exists(QLatin1String(path)), path);
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"
