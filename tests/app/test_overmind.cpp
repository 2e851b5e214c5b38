#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "pages/settings/BeeperSettings.h"
#include "pages/settings/ObjectSettings.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QString writeConfig(const QTemporaryDir &dir, const QString &name, const QJsonObject &object)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(object).toJson());
    return path;
}

QJsonObject readConfig(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject sampleConfig(int execution)
{
    const QJsonObject version{{"compatible", 1}, {"critical", 1}};
    return QJsonObject{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", execution},
        {"Modification", 3},
        {"SerialNumber", "80000001"},
        {"Beeper", QJsonObject{{"settingsVersion", version}, {"Volume", 3}}},
        {"Object", QJsonObject{{"settingsVersion", version}, {"Name", "Shop"}}},
        {"Ethernet", QJsonObject{{"settingsVersion", version}}},
        {"Users", QJsonArray()},
    };
}

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestOvermind : public QObject
{
    Q_OBJECT
private slots:
    void commandLinePathJoinsPieces()
    {
        QCOMPARE(StartUp::commandLinePath({"My", "configs", "a.cfg"}), QString("My configs a.cfg"));
        QCOMPARE(StartUp::commandLinePath({"one.cfg"}), QString("one.cfg"));
    }

    void tearingDownOutsideTheEventLoopLeavesNoQuit()
    {
        {
            ModalRecorder boxes;
            StartUp startUp;
            QVERIFY(startUp.begin({}));
        }
        QCoreApplication::processEvents();
        // A quit left behind would make this loop, and every nested one, return at once.
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
        QCOMPARE(loop.exec(), 7);
    }

    void missingCommandLineFileWarnsOnceAndShowsNoWindow()
    {
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(!startUp.begin({"/nonexistent/dir", "site.cfg"}));
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.at(0).kind, QString("warning"));
        // The application translation is always loaded, so compare with the translated text.
        QCOMPARE(boxes.seen.at(0).text,
                 QCoreApplication::translate("Overmind", "Failed to open the file."));
        QVERIFY(!startUp.window());
    }

    void brokenCommandLineFileWarnsAboutJson()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("broken.cfg");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("{\"Version\":");
        file.close();
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(!startUp.begin({path}));
        QVERIFY(boxes.sawText(QCoreApplication::translate(
            "Overmind", "The configuration file contains errors in Json format.")));
        QVERIFY(!startUp.window());
    }

    void validCommandLineFileOpensInViewingMode()
    {
        QTemporaryDir dir;
        const QString path = writeConfig(dir, "site.cfg", sampleConfig(0));
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(startUp.begin({path}));
        Overmind *overmind = startUp.overmind();
        QVERIFY(overmind->isViewingMode());
        QVERIFY(overmind->isLoggedIn());
        QVERIFY(overmind->canEdit());
        QVERIFY(startUp.window()->isJournalHidden());
        QVERIFY(startUp.window()->isUpdateHidden());
        QVERIFY(startUp.window()->isDebugHidden());
        QCOMPARE(overmind->deviceInfo().modification(), 3);
        QCOMPARE(overmind->temperature(), 0.0); // no power models while viewing
        QVERIFY(!overmind->journal());
        QVERIFY(boxes.seen.isEmpty());
    }

    void viewingTwiceReplacesEveryObject()
    {
        QTemporaryDir dir;
        const QString path = writeConfig(dir, "site.cfg", sampleConfig(0));
        StartUp startUp;
        QVERIFY(startUp.begin({path}));
        Overmind *overmind = startUp.overmind();
        const QStringList keys = overmind->registry().keys();
        QVERIFY(keys.contains("Ethernet"));
        QPointer<QObject> oldBeeper = dynamic_cast<QObject *>(overmind->registry().value("Beeper"));
        QVERIFY(oldBeeper);

        overmind->openLoadedConfig();
        QCOMPARE(overmind->registry().keys(), keys);
        runDeferredDeletes();
        QVERIFY(!oldBeeper);
        QVERIFY(dynamic_cast<QObject *>(overmind->registry().value("Beeper")));
        QCOMPARE(startUp.window()->directionSettings(), overmind->directionSettings());
    }

    void executionOneHasNoEthernet()
    {
        QTemporaryDir dir;
        const QString path = writeConfig(dir, "site.cfg", sampleConfig(1));
        StartUp startUp;
        QVERIFY(startUp.begin({path}));
        QVERIFY(!startUp.overmind()->registry().contains("Ethernet"));
    }

    void storeInViewingModeReplacesOnlyItsSection()
    {
        QTemporaryDir dir;
        const QJsonObject original = sampleConfig(0);
        const QString path = writeConfig(dir, "site.cfg", original);
        StartUp startUp;
        QVERIFY(startUp.begin({path}));
        auto *beeper =
            dynamic_cast<BeeperSettings *>(startUp.overmind()->registry().value("Beeper"));
        QVERIFY(beeper);
        QVERIFY(beeper->store());

        const QJsonObject saved = readConfig(path);
        QCOMPARE(saved.keys(), original.keys());
        for (const QString &key : original.keys()) {
            if (key != "Beeper")
                QCOMPARE(saved.value(key), original.value(key));
        }
        QCOMPARE(saved.value("Beeper"), beeper->toJson());
    }

    void failedStoreInViewingModeTellsTheUser()
    {
        QTemporaryDir dir;
        const QString path = writeConfig(dir, "site.cfg", sampleConfig(0));
        StartUp startUp;
        QVERIFY(startUp.begin({path}));
        startUp.overmind()->configDocument().setPath(dir.filePath("gone/site.cfg"));
        ModalRecorder boxes;
        auto *beeper =
            dynamic_cast<BeeperSettings *>(startUp.overmind()->registry().value("Beeper"));
        QVERIFY(!beeper->store());
        QCOMPARE(boxes.count("warning"), 1);
    }

    void minimumTakeDelayWithoutEnergySavingDevices()
    {
        QTemporaryDir dir;
        const QString path = writeConfig(dir, "site.cfg", sampleConfig(0));
        StartUp startUp;
        QVERIFY(startUp.begin({path}));
        QVERIFY(startUp.overmind()->lockCheck()); // viewing a file is never locked
        auto *object =
            dynamic_cast<ObjectSettings *>(startUp.overmind()->registry().value("Object"));
        QSignalSpy minimum(object, &ObjectSettings::updateMinimumTakeDelay);
        startUp.overmind()->resetMinimumTakeDelay();
        QCOMPARE(minimum.count(), 1);
        QCOMPARE(minimum.at(0).at(0).toInt(), 5);
    }

    void settersEmitTheirSignals()
    {
        Overmind overmind;
        QSignalSpy delay(&overmind, &Overmind::takeDelayUpdated);
        QSignalSpy lock(&overmind, &Overmind::lockSettingsChanged);
        overmind.setTakeDelay(30);
        overmind.setSettingsLocked(true);
        QCOMPARE(delay.count(), 1);
        QCOMPARE(delay.at(0).at(0).value<quint16>(), quint16(30));
        QCOMPARE(lock.count(), 1);
        QVERIFY(!overmind.isSettingsUnlocked());
        QVERIFY(!overmind.canEdit()); // no login dialog yet and not viewing
    }
};

QTEST_MAIN(TestOvermind)
#include "test_overmind.moc"
