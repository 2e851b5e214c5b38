#include "app/FactoryResetWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/SelectKorvel.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
QSettings appSettings()
{
    return QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"));
}

QStringList buttonTexts(const SelectKorvel &dialog)
{
    QStringList texts;
    for (QRadioButton *button : dialog.findChildren<QRadioButton *>())
        texts << button->text() + (button->isChecked() ? "*" : "");
    return texts;
}

FactoryResetWidget *factoryResetWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<FactoryResetWidget *>(widget))
            return window;
    return nullptr;
}
} // namespace

// The factory reset window and the device chooser, without a device.
class TestMainWindowDialogs : public QObject
{
    Q_OBJECT

    // The main window's start-up offer is answered, not shown.
    ModalRecorder boxes;

private slots:
    void init()
    {
        QSettings settings = appSettings();
        settings.clear();
        settings.setValue("lastlogin", "engineer");
        settings.setValue("password", "c2VjcmV0");
        settings.setValue("rememberpassword", true);
    }

    void cancelBeforeConfirmChangesNothing()
    {
        FactoryResetWidget window;
        QSignalSpy accepted(&window, &FactoryResetWidget::accepted);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton *>("pbCancel"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(appSettings().value("lastlogin").toString(), QString("engineer"));
        QCOMPARE(appSettings().value("password").toString(), QString("c2VjcmV0"));
    }

    void confirmWritesTheDefaultLoginAndRefusesToClose()
    {
        FactoryResetWidget window;
        QSignalSpy accepted(&window, &FactoryResetWidget::accepted);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton *>("pbConfirm"), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(window.isRunning());
        QCOMPARE(appSettings().value("lastlogin").toString(), QString("admin"));
        QCOMPARE(appSettings().value("password").toString(), QString("vorte"));
        QCOMPARE(appSettings().value("rememberpassword").toBool(), true);
        QCOMPARE(window.findChild<QLabel *>("label")->text(),
                 QString("Restoring factory settings. Do not turn off device."));
        QVERIFY(window.findChild<QPushButton *>("pbConfirm")->isHidden());
        QVERIFY(window.findChild<QPushButton *>("pbCancel")->isHidden());
        QVERIFY(window.findChild<QLabel *>("lblWait")->movie());

        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
    }

    void hidingReturnsToTheWarning()
    {
        FactoryResetWidget window;
        window.show();
        window.onConfirm();
        window.hide();
        QVERIFY(!window.isRunning());
        window.show();
        QCOMPARE(window.findChild<QLabel *>("label")->text(),
                 QString("Warning! All settings will be lost!"));
        QVERIFY(!window.findChild<QPushButton *>("pbConfirm")->isHidden());
        QVERIFY(!window.findChild<QPushButton *>("pbCancel")->isHidden());
        QVERIFY(!window.findChild<QLabel *>("lblWait")->movie());
        QVERIFY(window.close());
    }

    void resetActionShowsOneWindowForTheRun()
    {
        Overmind overmind;
        MainWindow main;
        QVERIFY(!factoryResetWindow());
        overmind.showFactoryResetWidget();
        FactoryResetWidget *window = factoryResetWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->isEnabled());
        QVERIFY(!window->parent());
        window->onConfirm();
        // The login dialog's appearance hides it again, back in its first state.
        overmind.hideFactoryResetWidget();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->isRunning());
        overmind.showFactoryResetWidget();
        QCOMPARE(factoryResetWindow(), window);
        QVERIFY(window->isVisible());
        overmind.hideFactoryResetWidget();
        delete window;
    }

    void chooserListsTheDevicesFirstSelected()
    {
        SelectKorvel dialog;
        dialog.setDevices({{"Korvel GSM", "S1"}, {"Korvel LTE", "S2"}});
        QCOMPARE(buttonTexts(dialog),
                 QStringList({"Korvel GSM, serial = S1*", "Korvel LTE, serial = S2"}));
        QCOMPARE(dialog.selectedSerial(), QString("S1"));
        dialog.findChildren<QRadioButton *>().at(1)->setChecked(true);
        QCOMPARE(dialog.selectedSerial(), QString("S2"));
        // A rebuild preselects the first device again.
        dialog.setDevices({{"Korvel GSM", "S1"}, {"Korvel LTE", "S2"}, {"Korvel GSM", "S3"}});
        QCOMPARE(dialog.findChildren<QRadioButton *>().size(), 3);
        QCOMPARE(dialog.selectedSerial(), QString("S1"));
        dialog.setDevices({});
        QCOMPARE(dialog.selectedSerial(), QString());
    }

    void serialIsReadAfterTheLastSeparator()
    {
        SelectKorvel dialog;
        dialog.addDevice({"Odd = name", "80001234"});
        QCOMPARE(dialog.selectedSerial(), QString("80001234"));
    }

    void chooserButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Connect") << "pbConnect" << int(QDialog::Accepted);
        QTest::newRow("Cancel") << "pbCancel" << int(QDialog::Rejected);
    }

    void chooserButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        SelectKorvel dialog;
        QCOMPARE(dialog.windowTitle(), QString("Multiple devices detected"));
        dialog.setDevices({{"Korvel GSM", "S1"}, {"Korvel GSM", "S2"}});
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
    }

    void chooserAnswersThroughTheModalHook()
    {
        SelectKorvel dialog;
        dialog.setDevices({{"Korvel GSM", "S1"}, {"Korvel LTE", "S2"}});
        boxes.reply = [](const ModalAnswerer::Request &) { return 1; };
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedSerial(), QString("S2"));
        QCOMPARE(boxes.seen.last().title, QString("Multiple devices detected"));
        QCOMPARE(boxes.seen.last().buttons,
                 QStringList({"Korvel GSM, serial = S1", "Korvel LTE, serial = S2"}));
        boxes.reply = [](const ModalAnswerer::Request &) { return -1; };
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        boxes.reply = nullptr;
    }

    void chooserFollowsTheMainWindow()
    {
        Overmind overmind;
        MainWindow main;
        overmind.setMainWindow(&main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.move(100, 50);
        SelectKorvel dialog;
        dialog.resize(400, 240);
        dialog.showDevices({{"Korvel GSM", "S1"}});
        QCOMPARE(dialog.pos(), QPoint(100 + main.width() / 2 - 200, 50 + main.height() / 2 - 120));
        main.move(300, 80);
        QTRY_COMPARE(dialog.pos(),
                     QPoint(300 + main.width() / 2 - 200, 80 + main.height() / 2 - 120));
    }
};

QTEST_MAIN(TestMainWindowDialogs)
#include "test_mainwindow_dialogs.moc"
