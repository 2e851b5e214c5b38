#include "app/KorvelConfigWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "pages/settings/BeeperSettings.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {
QString ot(const char *text)
{
    return QCoreApplication::translate("Overmind", text);
}

QString writeConfig(const QTemporaryDir &dir, const QString &name, const QJsonObject &object)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(object).toJson());
    return path;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QJsonObject site(const QString &name)
{
    const QJsonObject version{{"compatible", 1}, {"critical", 1}};
    return QJsonObject{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 0},
        {"Modification", 3},
        {"SerialNumber", "0"},
        {"Beeper", QJsonObject{{"settingsVersion", version}, {"Volume", 3}}},
        {"Object", QJsonObject{{"settingsVersion", version}, {"Name", name}}},
        {"Ethernet", QJsonObject{{"settingsVersion", version}}},
        {"Users", QJsonArray{QJsonObject{{"userName", "Ann"}, {"settings", 1}, {"id", 0}}}},
    };
}

KorvelConfigWidget *openChooser()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *chooser = qobject_cast<KorvelConfigWidget *>(widget))
            return chooser;
    return nullptr;
}

// The program started without a device, viewing its first file.
struct Viewer
{
    QTemporaryDir dir;
    StartUp startUp;
    QString first;
    QStringList started;

    Viewer()
    {
        startUp.begin({});
        overmind()->setProcessStarter([this](const QString &program, const QStringList &args) {
            started.append(program + " " + args.join(' '));
            return true;
        });
        first = writeConfig(dir, "first.cfg", site("First"));
        overmind()->viewConfigFile({first});
    }
    Overmind *overmind() { return startUp.overmind(); }
    QString startedText(const QString &path) const
    {
        return QCoreApplication::applicationFilePath() + " " + path;
    }
};
} // namespace

class TestConfigViewing : public QObject
{
    Q_OBJECT
private slots:
    void viewingWithoutLoginAppliesTheFile()
    {
        ModalRecorder boxes;
        Viewer viewer;
        Overmind *overmind = viewer.overmind();
        QVERIFY(overmind->isViewingMode());
        QVERIFY(overmind->isLoggedIn());
        QCOMPARE(overmind->configDocument().path(), viewer.first);
        QVERIFY(viewer.startUp.window()->isJournalHidden());
        QVERIFY(viewer.startUp.window()->isUpdateHidden());
        QVERIFY(viewer.startUp.window()->isDebugHidden());
        QVERIFY(!overmind->journal());
        QVERIFY(boxes.seen.isEmpty());
    }

    void secondFileThatFailsLeavesTheFirst_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("warning");
        const QString outdated = QString(
            "<p>The selected configuration file has an outdated format and cannot be "
            "opened. To view the configuration from this file, install the configurator "
            "version 1.03.4167.</p>"
            "<p>The configurator version 1.03.4167 can be downloaded from the "
            "<a href=\"https://ardanet.example/downloads\">manufacturer's website</a>.</p>");
        QTest::newRow("missing") << QByteArray() << QString("Failed to open the file.");
        QTest::newRow("not json") << QByteArray("{\"Version\": ")
                                  << QString(
                                         "The configuration file contains errors in Json format.");
        QTest::newRow("format 1") << QByteArray("{\"Version\": \"1.02\"}") << outdated;
        QTest::newRow("no version") << QByteArray("{\"Object\": {}}") << outdated;
    }

    void secondFileThatFailsLeavesTheFirst()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, warning);
        Viewer viewer;
        const QByteArray firstBytes = bytesOf(viewer.first);
        const QJsonObject firstObject = viewer.overmind()->configDocument().object();
        const QString second = viewer.dir.filePath("second.cfg");
        if (!contents.isEmpty()) {
            QFile file(second);
            file.open(QIODevice::WriteOnly);
            file.write(contents);
        }
        ModalRecorder boxes;
        viewer.overmind()->viewConfigFile({second});
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().text, ot(qPrintable(warning)));
        QCOMPARE(viewer.overmind()->configDocument().path(), viewer.first);
        QCOMPARE(viewer.overmind()->configDocument().object(), firstObject);
        QCOMPARE(bytesOf(viewer.first), firstBytes);

        // A later save still goes into the first file, changing only its own section.
        auto *beeper =
            dynamic_cast<BeeperSettings *>(viewer.overmind()->registry().value("Beeper"));
        QVERIFY(beeper->store());
        const QJsonObject saved = QJsonDocument::fromJson(bytesOf(viewer.first)).object();
        QJsonObject expected = firstObject;
        expected.insert("Beeper", beeper->toJson());
        QCOMPARE(saved, expected);
        QCOMPARE(bytesOf(second), contents);
    }

    void secondFileWhileLoggedInAsksWhere_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("newProcess");
        QTest::newRow("current window") << 0 << true << false;
        QTest::newRow("new window") << 1 << false << true;
        QTest::newRow("cancel") << 2 << false << false;
        QTest::newRow("closed") << -1 << false << false;
    }

    void secondFileWhileLoggedInAsksWhere()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QFETCH(bool, newProcess);
        Viewer viewer;
        const QByteArray firstBytes = bytesOf(viewer.first);
        const QString second = writeConfig(viewer.dir, "second.cfg", site("Second"));
        ModalRecorder boxes;
        boxes.reply = [answer](const ModalAnswerer::Request &) { return answer; };
        viewer.overmind()->viewConfigFile({second});
        QCOMPARE(boxes.count("dialog"), 1);
        QCOMPARE(boxes.seen.first().title, ot("Viewing cofiguration file"));
        QCOMPARE(boxes.seen.first().buttons,
                 QStringList({ot("In the current window"), ot("In a new window"), ot("Cancel")}));
        QCOMPARE(viewer.overmind()->configDocument().path(), replaced ? second : viewer.first);
        QCOMPARE(viewer.overmind()->configDocument().value("Object").toObject().value("Name"),
                 QJsonValue(replaced ? "Second" : "First"));
        QCOMPARE(viewer.started,
                 newProcess ? QStringList{viewer.startedText(second)} : QStringList());
        QVERIFY(viewer.overmind()->isViewingMode());
        QCOMPARE(bytesOf(viewer.first), firstBytes);
    }

    void severalPathsViewTheFirstAndOpenTheRest()
    {
        QTemporaryDir dir;
        StartUp startUp;
        startUp.begin({});
        QStringList started;
        startUp.overmind()->setProcessStarter([&started](const QString &, const QStringList &args) {
            started.append(args);
            return true;
        });
        const QString a = writeConfig(dir, "a.cfg", site("A"));
        const QString b = writeConfig(dir, "b.cfg", site("B"));
        const QString c = writeConfig(dir, "c.cfg", site("C"));
        startUp.overmind()->viewConfigFile({a, b, c});
        QCOMPARE(startUp.overmind()->configDocument().path(), a);
        QVERIFY(startUp.overmind()->isViewingMode());
        QCOMPARE(started, QStringList({b, c}));
    }

    void commandLineRefusesAnOutdatedFileLikeTheMenu()
    {
        QTemporaryDir dir;
        QJsonObject old = site("Old");
        old.insert("Version", "1.02");
        const QString path = writeConfig(dir, "old.cfg", old);
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(!startUp.begin({path}));
        QCOMPARE(boxes.count("warning"), 1);
        QCOMPARE(boxes.seen.first().title, ot("Configuration loading"));
    }

    void savingWritesExactlyTheChosenSections()
    {
        Viewer viewer;
        const QString target = viewer.dir.filePath("saved.cfg");
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &request) {
            if (request.kind != "chooser")
                return int(QMessageBox::Ok);
            KorvelConfigWidget *chooser = openChooser();
            QTreeWidgetItem *settings = chooser->findSectionItem("Settings");
            for (int i = 0; i < settings->childCount(); ++i) {
                if (settings->child(i)->data(1, KorvelConfigWidget::SectionKeyRole) != "Beeper") {
                    settings->child(i)->setCheckState(0, Qt::Unchecked);
                    chooser->onItemClicked(settings->child(i), 0);
                }
            }
            // The users of this file have no administrator: leave them out.
            QTreeWidgetItem *users = chooser->findSectionItem("Users");
            users->setCheckState(0, Qt::Unchecked);
            chooser->onItemClicked(users, 0);
            return 0;
        };
        QVERIFY(viewer.overmind()->onSaveSettings(target));
        QCOMPARE(boxes.count("chooser"), 1);
        const QJsonObject saved = QJsonDocument::fromJson(bytesOf(target)).object();
        QVERIFY(saved.contains("Beeper"));
        for (const char *key : {"Object", "Ethernet", "Debug", "GSM", "Leds"})
            QVERIFY2(!saved.contains(QLatin1String(key)), key);
        QCOMPARE(saved.value("Version").toString(), QString("2.0"));
    }

    void savingCancelledOrUnwritableWritesNothing()
    {
        Viewer viewer;
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &) { return 1; };
        const QString target = viewer.dir.filePath("cancelled.cfg");
        QVERIFY(!viewer.overmind()->onSaveSettings(target));
        QVERIFY(!QFile::exists(target));

        boxes.reply = [](const ModalAnswerer::Request &request) {
            if (request.kind != "chooser")
                return int(QMessageBox::Ok);
            openChooser()->setAllChecked(Qt::Unchecked);
            openChooser()->findSectionItem("Settings")->setCheckState(0, Qt::Checked);
            return 0;
        };
        QVERIFY(!viewer.overmind()->onSaveSettings(viewer.dir.filePath("no/such/dir.cfg")));
        QCOMPARE(boxes.seen.last().text, ot("Can not write file."));
    }

    void writingInRefusesBadFilesBeforeTheChooser_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("warning");
        QTest::newRow("not json") << QByteArray("[1,")
                                  << QString(
                                         "The configuration file contains errors in Json format.");
        QTest::newRow("unknown format")
            << QByteArray("{\"Version\": \"7\"}")
            << QString("<p>The selected configuration file has an unknown format and cannot be "
                       "downloaded.</p>");
    }

    void writingInRefusesBadFilesBeforeTheChooser()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.cfg");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(contents);
        file.close();
        StartUp startUp;
        startUp.begin({});
        ModalRecorder boxes;
        startUp.overmind()->onLoadSettings(path);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().text, ot(qPrintable(warning)));
        QVERIFY(!startUp.overmind()->isConfigWriteRunning());
    }
};

QTEST_MAIN(TestConfigViewing)
#include "test_config_viewing.moc"
