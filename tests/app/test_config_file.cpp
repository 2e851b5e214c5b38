#include "app/ConfigFile.h"
#include "app/Storable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lowers the file-size limit for this process so the next large write fails, as a full
// disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};
} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT
private slots:
    void loadResults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("keys");
        QTest::newRow("object") << QByteArray(R"({"Version":"2.0","Beeper":{}})") << true << 0 << 2;
        QTest::newRow("array top level") << QByteArray("[1,2,3]") << true << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << true << -2 << 0;
        QTest::newRow("broken json") << QByteArray(R"({"Version":)") << true << -2 << 0;
        QTest::newRow("missing file") << QByteArray() << false << -1 << 0;
    }
    void loadResults()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QFETCH(int, result);
        QFETCH(int, keys);
        QTemporaryDir dir;
        const QString earlier = dir.filePath("earlier.cfg");
        writeFile(earlier, R"({"Old":1})");
        const QString path = dir.filePath("file.cfg");
        if (create)
            writeFile(path, content);

        ConfigFile config;
        QCOMPARE(config.load(earlier), 0);
        QCOMPARE(config.load(path), result);
        QCOMPARE(config.object().size(), keys);
        // A failed load empties the document but keeps the previous path.
        QCOMPARE(config.path(), result == 0 ? path : earlier);
    }

    void formatVersion_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("format");
        QTest::newRow("2.0") << QByteArray(R"({"Version":"2.0"})") << 2;
        QTest::newRow("1.02") << QByteArray(R"({"Version":"1.02"})") << 1;
        QTest::newRow("number") << QByteArray(R"({"Version":2.0})") << 0;
        QTest::newRow("2.00 text") << QByteArray(R"({"Version":"2.00"})") << 0;
        QTest::newRow("none") << QByteArray("{}") << 0;
    }
    void formatVersion()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, format);
        ConfigFile config;
        config.setObject(QJsonDocument::fromJson(json).object());
        QCOMPARE(config.formatVersion(), format);
    }

    void saveThenLoadGivesSameDocumentAndBytes()
    {
        QTemporaryDir dir;
        ConfigFile config;
        config.setObject(QJsonObject{{"Version", "2.0"},
                                     {"Sensors", QJsonArray{QJsonObject{{"id", 3}}}},
                                     {"Beeper", QJsonObject{{"x", 1}}}});
        QVERIFY(config.save(dir.filePath("a.cfg")));
        QVERIFY(config.save(dir.filePath("b.cfg")));
        QCOMPARE(readFile(dir.filePath("a.cfg")), readFile(dir.filePath("b.cfg")));
        ConfigFile loaded;
        QCOMPARE(loaded.load(dir.filePath("a.cfg")), 0);
        QCOMPARE(loaded.object(), config.object());
        QVERIFY(readFile(dir.filePath("a.cfg")).contains("\n    \""));
    }

    void failedSaveKeepsExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("site.cfg");
        const QByteArray original = R"({"Version":"2.0","Object":{"a":1}})";
        writeFile(path, original);

        ConfigFile config;
        QJsonArray large;
        for (int i = 0; i < 2000; ++i)
            large.append(QJsonObject{{"id", i}, {"name", "device"}});
        config.setObject(QJsonObject{{"Sensors", large}});
        {
            FileSizeLimit limit(1024);
            QVERIFY(!config.save(path));
        }
        QCOMPARE(readFile(path), original);
        QVERIFY(!config.save(dir.filePath("missing-folder/x.cfg")));
    }

    void keyAccess()
    {
        ConfigFile config;
        config.setObject(QJsonObject{{"Beeper", QJsonObject{{"a", 1}}}});
        QCOMPARE(config.value("Missing"), QJsonValue(QJsonObject()));
        config.setIfPresent("Missing", 5);
        QVERIFY(!config.contains("Missing"));
        config.setIfPresent("Beeper", 7);
        QCOMPARE(config.value("Beeper").toInt(), 7);
        config.setPath("keep");
        config.clear();
        QVERIFY(config.object().isEmpty());
        QCOMPARE(config.path(), QString("keep"));
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("slashes") << "D:/configs/site.cfg"
                                 << "site.cfg";
        QTest::newRow("bare") << "site.cfg"
                              << "site.cfg";
        QTest::newRow("backslashes") << "D:\\configs\\site.cfg"
                                     << "D:\\configs\\site.cfg";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        ConfigFile config;
        config.setPath(path);
        QCOMPARE(config.fileName(), name);
    }

    void settingsVersion()
    {
        QCOMPARE(settingsVersionToJson(0x0201), (QJsonObject{{"compatible", 1}, {"critical", 2}}));
        QCOMPARE(settingsVersionToJson(0), (QJsonObject{{"compatible", 0}, {"critical", 0}}));
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "test_config_file.moc"
