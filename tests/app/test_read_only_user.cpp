#include "app/BaseSettingsWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "pages/reporting/DirectionsWidget.h"
#include "pages/settings/LedsSettingsWidget.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

// A user with access level 1 against the simulated communicator: every settings page is
// shown as stored and read-only, and leaving one asks nothing.
class TestReadOnlyUser : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> m_boxes;
    std::unique_ptr<RadioSession> m_session;

    Ui_MainWindow *ui() { return m_session->window()->form(); }

    void clickTab(QWidget *page)
    {
        QTabBar *bar = ui()->twMain->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->tabRect(ui()->twMain->indexOf(page)).center());
    }

private slots:
    void initTestCase()
    {
        m_boxes = std::make_unique<ModalRecorder>();
        m_session = std::make_unique<RadioSession>();
        m_session->device().setCredentials(SimulatedSetup::Login, SimulatedSetup::Password, 1, 1);
        QVERIFY(m_session->logInAndLoad());
        QVERIFY(!m_session->overmind()->canEdit());
        m_boxes->seen.clear();
    }

    void cleanupTestCase()
    {
        m_session.reset();
        m_boxes.reset();
    }

    void everySettingsPageIsReadOnlyAndLeavingAsksNothing()
    {
        // The stored indication stays shown as it is, not as switched off.
        QTRY_VERIFY(ui()->ledsSettingsWidget->findChild<QGroupBox *>("gbFrontLEDs")->isChecked());

        ui()->twMain->setCurrentWidget(ui()->tabSettings);
        QListWidget *list = ui()->settingsList;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isHidden())
                continue;
            list->setCurrentRow(row);
            QTRY_COMPARE(list->currentRow(), row);
            QWidget *page = ui()->swSettings->currentWidget();
            const QString name = page->objectName();
            const QStringList writing = {"pbSave", "pbReset", "pbResetMac"};
            for (QPushButton *button : page->findChildren<QPushButton *>())
                if (writing.contains(button->objectName()))
                    QVERIFY2(!button->isEnabled(),
                             qPrintable(name + QLatin1Char(' ') + button->objectName()));
            QVERIFY2(m_session->window()->confirmLeave(), qPrintable(name));
        }
        clickTab(ui()->tabStatus);
        QTRY_COMPARE(ui()->twMain->currentWidget(), ui()->tabStatus);

        ui()->twMain->setCurrentWidget(ui()->tabChannels);
        clickTab(ui()->tabJournal);
        QTRY_COMPARE(ui()->twMain->currentWidget(), ui()->tabJournal);
        QVERIFY2(m_boxes->seen.isEmpty(), qPrintable(m_boxes->seen.value(0).text));
    }
};

QTEST_MAIN(TestReadOnlyUser)
#include "test_read_only_user.moc"
