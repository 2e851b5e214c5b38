#include "app/ContentAwareLineEdit.h"
#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "journal/Journal.h"
#include "journal/JournalFixtures.h"
#include "link/Crc.h"
#include "pages/reporting/ChannelSettingsWidget.h"
#include "pages/reporting/DirectionJson.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/DirectionSettingsWidget.h"
#include "pages/reporting/DirectionsWidget.h"
#include "sim/LogCapture.h"
#include "sim/SimDirections.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

namespace {
constexpr int DeviceTimeout = 60000;

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

struct Session : RadioSession
{
    Session() : RadioSession(true) {}

    DirectionsWidget *page() { return window()->findChild<DirectionsWidget *>(); }
    DirectionSettingsWidget *form() { return page()->form(); }
    template <typename T> T *find(const char *name) { return form()->findChild<T *>(name); }

    // Logged in with the channels page shown.
    bool logInAndLoad()
    {
        window()->resize(1400, 820);
        if (!logIn())
            return false;
        window()->form()->twMain->setCurrentWidget(window()->form()->tabChannels);
        return true;
    }

    void pressRow(int row)
    {
        QTableWidget *table = page()->table();
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QByteArray lastWrite()
    {
        const QList<QByteArray> writes = device().commandsOf(0x7C);
        return writes.isEmpty() ? QByteArray() : writes.last();
    }
};

bool ipRowsEnabled(DirectionSettingsWidget *form, int channel)
{
    ChannelSettingsWidget *channelForm = form->channelForm(channel);
    return channelForm->isTypeRowEnabled(4) || channelForm->isTypeRowEnabled(5);
}
} // namespace

class TestDirectionsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        DirectionSettingsWidget::setAvailableScreenWidth(1920);
    }

    // The timer's keep-alives would mix with the one a row press sends.
    void init() { Intervals::keepAliveMs = 600000; }

    // The whole road through the real transport against the simulated communicator.
    void pageAgainstTheDevice()
    {
        ModalRecorder boxes;
        Session session;
        QVERIFY(session.logInAndLoad());
        DirectionsWidget *page = session.page();
        QTableWidget *table = page->table();
        // Ten ordinary directions; the managing user's block is no row of the page.
        QTRY_COMPARE(table->rowCount(), 10);
        for (int row = 0; row < 10; ++row) {
            const QString name = SimDirections::directionName(row);
            QCOMPARE(table->item(row, 0)->text(),
                     name.isEmpty() ? DirectionSettings::tr("Direction #%1").arg(10) : name);
        }
        QVERIFY(session.overmind()->directionSettings()->directions().contains(10));

        // Living lamps and the delivery line.
        SimDirections *delivery = SimDirections::of(session.device());
        delivery->pushStatus();
        delivery->pushStatus();
        QTRY_VERIFY(table->item(0, 1) && !table->item(0, 1)->icon().isNull());
        // The event being sent is shown by its journal line, so nothing until the journal holds it.
        auto *eventLine = page->findChild<QLineEdit *>("leHandeledEvent");
        const quint16 sending = delivery->currentEventIndex();
        QVERIFY(sending != 0xFFFF);
        QCOMPARE(eventLine->text(), QString());
        const quint32 number = delivery->currentEventNumber();
        session.overmind()->journal()->eventLoaded(sending, journaltest::entryOf(number));
        delivery->repeatStatus();
        QTRY_VERIFY(
            eventLine->text().startsWith(QStringLiteral("№%1 [14.03.2026 ").arg(number + 1)));
        QVERIFY(table->item(6, 4));
        QCOMPARE(table->item(6, 4)->text(), QStringLiteral("---"));
        // The direction being served is bold and names the event it delivers.
        int active = -1;
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->font().bold())
                active = row;
        QVERIFY(active >= 0);
        QVERIFY(table->item(active, 4)->text().toUInt() > 0);
        saveScreenshot(session.window(), "directions_page.png");

        // A press on another row shows it and keeps the login alive.
        session.device().clearCommands();
        session.pressRow(1);
        QVERIFY2(boxes.seen.isEmpty(), qPrintable(boxes.seen.value(0).text));
        QCOMPARE(page->currentRow(), 1);
        QTRY_COMPARE(session.device().commandsOf(0x50).size(), 1);
        QCOMPARE(session.find<QLineEdit>("leDirName")->text(), SimDirections::directionName(1));

        // Edit the main receiver and a partition of direction 0, then save.
        session.pressRow(0);
        QCOMPARE(page->currentRow(), 0);
        ChannelSettingsWidget *main = session.form()->channelForm(0);
        main->findChild<QLineEdit *>("leDC09ServerAddress")->setText(QStringLiteral("10.20.30.40"));
        main->findChild<QSpinBox *>("sbDC09ServerPort")->setValue(3070);
        QListWidgetItem *partition3 = session.find<QListWidget>("lwPartitions")->item(3);
        partition3->setCheckState(partition3->checkState() == Qt::Checked ? Qt::Unchecked
                                                                          : Qt::Checked);
        const quint32 expectedPartitions =
            SimDirections::direction(0).settings.filter.partitions ^ (1u << 3);
        session.device().clearCommands();
        QTest::mouseClick(session.find<QPushButton>("pbSaveSettings"), Qt::LeftButton);
        QTRY_VERIFY(!session.lastWrite().isEmpty());
        const QByteArray write = session.lastWrite();
        QCOMPARE(write.mid(1, 2), QByteArray::fromHex("0000"));
        QCOMPARE(write.size(), 3 + 1544);
        s_ExtMemDataGSMDirection sent;
        std::memcpy(&sent, write.constData() + 3, sizeof(sent));
        QCOMPARE(sent.crc32, crc32Stm(&sent, 1532));
        QCOMPARE(int(sent.settings.channels[0].dc09.port), 3070);
        QCOMPARE(
            QByteArray(reinterpret_cast<const char *>(sent.settings.channels[0].dc09.address), 4),
            QByteArray::fromHex("0a141e28"));
        QCOMPARE(sent.settings.filter.partitions, expectedPartitions);
        // Pruned for a DC-09 main channel: partition event 10 has no Contact ID.
        QVERIFY(!(sent.settings.filter.partitionEvents & (quint64(1) << 10)));
        QCOMPARE(int(sent.settings.channels[0].test.testType), 3);
        QTRY_COMPARE(session.device().record(0x31, 0), write.mid(3, 1536));
        QVERIFY(!session.overmind()->directionSettings()->isModified());

        // The device refuses a route (the DC-09 channel limit): logged, shown once with the
        // device's text, and the page shows the route the device kept.
        LogCapture log;
        const int boxesBefore = boxes.seen.size();
        main->findChild<QSpinBox *>("sbDC09ServerPort")->setValue(3071);
        session.device().failNext(0x7C, 97);
        QTest::mouseClick(session.find<QPushButton>("pbSaveSettings"), Qt::LeftButton);
        QTRY_VERIFY(log.contains(QStringLiteral("Error while operation 0x7c")));
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), boxesBefore + 1, 60000);
        QVERIFY(boxes.seen.last().text.contains(Protocol::firmwareUpdateErrorString(97)));
        QTRY_COMPARE_WITH_TIMEOUT(main->findChild<QSpinBox *>("sbDC09ServerPort")->value(), 3070,
                                  60000);
        QCOMPARE(int(session.overmind()
                         ->directionSettings()
                         ->directions()
                         .value(0)
                         .settings.channels[0]
                         .dc09.port),
                 3070);

        // Leaving a changed direction asks; Cancel keeps the row.
        auto *name = qobject_cast<ContentAwareLineEdit *>(session.find<QLineEdit>("leDirName"));
        QTest::keyClicks(name, QStringLiteral(" new"));
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Cancel); };
        session.pressRow(2);
        QCOMPARE(boxes.count("question"), 1);
        QCOMPARE(page->currentRow(), 0);
        QCOMPARE(table->currentRow(), 0);
        // No drops the change and moves on.
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::No); };
        session.pressRow(2);
        QCOMPARE(page->currentRow(), 2);
        QCOMPARE(DirectionSettings::nameOf(
                     session.overmind()->directionSettings()->directions().value(0)),
                 SimDirections::directionName(0));

        // Four IP channels over the directions: no form offers another one.
        for (int row : {0, 1, 5, 8})
            session.pressRow(row);
        QCOMPARE(page->currentRow(), 8);
        session.pressRow(2);
        for (int channel = 0; channel < 3; ++channel)
            QVERIFY2(!ipRowsEnabled(session.form(), channel), qPrintable(QString::number(channel)));
        // A direction holding one of them may keep it.
        session.pressRow(1);
        QVERIFY(session.form()->channelForm(0)->isTypeRowEnabled(5));

        // Reset to defaults: the device answers with the default block.
        session.pressRow(3);
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        session.device().clearCommands();
        QTest::mouseClick(session.find<QPushButton>("pbReset"), Qt::LeftButton);
        QTRY_COMPARE(session.device().commandsOf(0x02).size(), 1);
        QCOMPARE(session.device().commandsOf(0x02).first(), QByteArray::fromHex("020a000300"));
        QTRY_COMPARE(table->item(3, 0)->text(), QStringLiteral("Direction #4"));
        QCOMPARE(session.find<QLineEdit>("leDirName")->text(), QStringLiteral("Direction #4"));

        // Reset translations.
        QTest::mouseClick(page->findChild<QPushButton *>("pbResetTranslations"), Qt::LeftButton);
        QTRY_COMPARE(session.device().commandsOf(0xAC).size(), 1);
    }

    // A viewed file starts from its own directions, and a direction stored from the leave
    // question reaches the file.
    void viewingMode()
    {
        ModalRecorder boxes;
        QTemporaryDir dir;
        QJsonArray directions;
        for (int i = 0; i < 3; ++i)
            directions.append(DirectionJson::toJson(i, SimDirections::direction(i)));
        const QJsonObject document{{"Version", "2.0"},    {"Timestamp", 1700000000},
                                   {"Execution", 0},      {"Modification", 3},
                                   {"SerialNumber", "0"}, {"Directions", directions}};
        const QString path = dir.filePath("site.cfg");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(document).toJson());
        file.close();

        StartUp startUp;
        startUp.begin({});
        Overmind *overmind = startUp.overmind();
        // Directions of a device read before the file was opened.
        overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        overmind->createDirectionSettings();
        overmind->directionSettings()->updateSettings(7, SimDirections::direction(7));
        overmind->viewConfigFile({path});
        QTRY_VERIFY(overmind->isViewingMode() && overmind->isLoggedIn());
        DirectionSettings *settings = overmind->directionSettings();
        QList<int> keys = settings->directions().keys();
        std::sort(keys.begin(), keys.end());
        QCOMPARE(keys, (QList<int>{0, 1, 2}));

        auto *page = startUp.window()->findChild<DirectionsWidget *>();
        // Rows stay while the directions are replaced; the file's fill the first three.
        QTRY_COMPARE(page->table()->item(2, 0)->text(), SimDirections::directionName(2));
        QCOMPARE(page->currentRow(), 0);
        // The form saves nothing itself in viewing mode; the leave question does.
        QVERIFY(!page->form()->findChild<QPushButton *>("pbSaveSettings")->isEnabled());
        QListWidgetItem *partition3 =
            page->form()->findChild<QListWidget *>("lwPartitions")->item(3);
        partition3->setCheckState(partition3->checkState() == Qt::Checked ? Qt::Unchecked
                                                                          : Qt::Checked);
        const quint32 expected = SimDirections::direction(0).settings.filter.partitions ^ (1u << 3);
        boxes.reply = [](const ModalAnswerer::Request &) { return int(QMessageBox::Yes); };
        const QRect cell = page->table()->visualRect(page->table()->model()->index(1, 0));
        QTest::mousePress(page->table()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(boxes.count("question"), 1);
        QCOMPARE(page->currentRow(), 1);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QJsonArray written =
            QJsonDocument::fromJson(saved.readAll()).object().value("Directions").toArray();
        QCOMPARE(written.size(), 3);
        QCOMPARE(quint32(written.at(0)["sett"]["filter"]["eventFilterPartitions"].toInt()),
                 expected);
    }
};

QTEST_MAIN(TestDirectionsPage)
#include "test_directions_page.moc"
