#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "support/ModalRecorder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Pictures for a reviewer to look at; nothing compares their pixels.
QString screenshotPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

void saveScreenshot(QWidget *window, const QString &name)
{
    const QString path = screenshotPath(name);
    QFile::remove(path);
    QVERIFY(window->grab().save(path, "PNG"));
    QVERIFY(QFile::exists(path));
}

QString writeSampleConfig(const QTemporaryDir &dir)
{
    const QJsonObject version{{"compatible", 1}, {"critical", 1}};
    const QJsonObject config{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 0},
        {"Modification", 3},
        {"SerialNumber", "80000001"},
        {"Beeper", QJsonObject{{"settingsVersion", version}}},
        {"Object", QJsonObject{{"settingsVersion", version}}},
        {"Ethernet", QJsonObject{{"settingsVersion", version}}},
        {"Users", QJsonArray()},
    };
    const QString path = dir.filePath("site.cfg");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(config).toJson());
    return path;
}
} // namespace

// The main window as the program shows it.
class TestMainWindowDevice : public QObject
{
    Q_OBJECT
private slots:
    void screenshotWithoutDevice()
    {
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(startUp.begin({}));
        MainWindow *window = startUp.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        saveScreenshot(window, QStringLiteral("mainwindow-no-device.png"));
    }

    void screenshotViewingAFile()
    {
        QTemporaryDir dir;
        ModalRecorder boxes;
        StartUp startUp;
        QVERIFY(startUp.begin({writeSampleConfig(dir)}));
        MainWindow *window = startUp.window();
        Ui_MainWindow *ui = window->form();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->isJournalHidden() && window->isUpdateHidden() && window->isDebugHidden());
        QVERIFY(ui->twMain->isEnabled());
        QVERIFY(ui->settingsList->count() > 0);
        ui->twMain->setCurrentWidget(ui->tabSettings);
        saveScreenshot(window, QStringLiteral("mainwindow-viewing-settings.png"));
        ui->twMain->setCurrentWidget(ui->tabPartitions);
        saveScreenshot(window, QStringLiteral("mainwindow-viewing-devices.png"));
    }
};

QTEST_MAIN(TestMainWindowDevice)
#include "test_mainwindow_device.moc"
