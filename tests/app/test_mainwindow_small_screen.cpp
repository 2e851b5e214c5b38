#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/SavedGeometry.h"
#include "app/Ui_MainWindow.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDataStream>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// The main window on a laptop screen: it fits, every tab caption can be read and every
// control of every page can be reached, in the Russian the program shows.

namespace {
// 1366 x 768 less a task bar, and 1280 x 720 less a task bar and a title bar.
const QSize Laptop(1366, 728);
const QSize SmallLaptop(1280, 650);

bool isControl(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget);
}

// Inside the window's visible area, or inside the contents of a scroll area that can
// bring it into view.
bool reachable(const QWidget *control, const QWidget *window)
{
    for (const QWidget *up = control->parentWidget(); up && up != window; up = up->parentWidget())
        if (auto *area = qobject_cast<const QScrollArea *>(up))
            if (area->widget() && area->widget()->isAncestorOf(control))
                return QRect(QPoint(), area->widget()->size())
                    .contains(control->rect().translated(control->mapTo(area->widget(), {})));
    return window->rect().contains(control->rect().translated(control->mapTo(window, {})));
}

QStringList unreachableControls(QWidget *page, const QWidget *window)
{
    QStringList names;
    for (QWidget *widget : page->findChildren<QWidget *>())
        if (isControl(widget) && widget->isVisible() && widget->isEnabled() &&
            !qobject_cast<QAbstractScrollArea *>(widget->parentWidget()) &&
            !reachable(widget, window))
            names << widget->objectName() + QLatin1Char('/') + widget->metaObject()->className();
    return names;
}

void saveShot(QWidget *window, const QString &name)
{
    QDir().mkpath(QStringLiteral("screenshots"));
    window->grab().save(QStringLiteral("screenshots/small_screen_%1.png").arg(name));
}
} // namespace

class TestMainWindowSmallScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void init()
    {
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
    }

    void cleanup() { boxes.reset(); }

    void everyPageFitsALaptopScreen_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::newRow("1366 x 768") << Laptop;
        QTest::newRow("1280 x 720") << SmallLaptop;
    }
    void everyPageFitsALaptopScreen()
    {
        QFETCH(QSize, area);
        RadioSession session;
        MainWindow *window = session.window();
        window->show();
        QVERIFY2(window->minimumSizeHint().width() <= area.width() &&
                     window->minimumSizeHint().height() <= area.height(),
                 qPrintable(QStringLiteral("at start %1 x %2")
                                .arg(window->minimumSizeHint().width())
                                .arg(window->minimumSizeHint().height())));
        QVERIFY(session.logInAndLoad());
        window->setWindowState(Qt::WindowNoState);
        window->setGeometry(QRect(QPoint(0, 0), area));
        QTRY_COMPARE(window->size(), area);

        Ui_MainWindow *form = window->form();
        QTabWidget *tabs = form->twMain;
        const QString size = QStringLiteral("%1x%2").arg(area.width()).arg(area.height());
        for (int index = 0; index < tabs->count(); ++index) {
            if (!tabs->isTabEnabled(index) || !tabs->tabBar()->isTabVisible(index))
                continue;
            tabs->setCurrentIndex(index);
            QCoreApplication::processEvents();
            QCOMPARE(window->size(), area);
            QWidget *page = tabs->widget(index);
            // The whole caption shows, and the tab lies within the bar.
            QTabBar *bar = tabs->tabBar();
            const QRect tab = bar->tabRect(index);
            QVERIFY2(bar->rect().contains(tab), qPrintable(tabs->tabText(index)));
            QVERIFY2(tab.width() > bar->fontMetrics().horizontalAdvance(tabs->tabText(index)),
                     qPrintable(tabs->tabText(index)));
            saveShot(window, size + QLatin1Char('_') + page->objectName());
            if (page == form->tabSettings) {
                for (int row = 0; row < form->settingsList->count(); ++row) {
                    if (form->settingsList->item(row)->isHidden())
                        continue;
                    form->settingsList->setCurrentRow(row);
                    QCoreApplication::processEvents();
                    QCOMPARE(window->size(), area);
                    QWidget *shown = form->swSettings->currentWidget();
                    saveShot(window, size + QLatin1Char('_') + shown->objectName());
                    const QStringList lost = unreachableControls(shown, window);
                    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1String(", "))));
                }
            }
            const QStringList lost = unreachableControls(page, window);
            QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1String(", "))));
        }
    }

    // The offscreen screen is 800 x 600: a place saved on a larger screen, or off it, does not
    // fit it.
    void savedPlaceComesBackOnlyWhereItFits_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("fits") << QRect(20, 30, 600, 400) << false;
        QTest::newRow("larger than the screen") << QRect(0, 0, 1584, 855) << true;
        QTest::newRow("beyond the screen") << QRect(1900, 100, 600, 400) << true;
    }
    void savedPlaceComesBackOnlyWhereItFits()
    {
        QFETCH(QRect, saved);
        QFETCH(bool, maximised);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(
            QRect(20, 30, 600, 400)));
        QWidget probe;
        probe.setGeometry(saved);
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"))
            .setValue(QStringLiteral("geometry"), probe.saveGeometry());
        QVERIFY(SavedGeometry(probe.saveGeometry()).isValid());

        RadioSession session;
        MainWindow *window = session.window();
        window->show();
        QTRY_COMPARE(window->isMaximized(), maximised);
        // The window is not made smaller than its contents allow.
        if (!maximised)
            QCOMPARE(window->geometry().topLeft(), saved.topLeft());
    }

    // A maximised window's normal place goes back when the user restores it: a damaged one
    // (here far off every screen and wider than any) is not taken, the window opens maximised all
    // the same.
    void damagedNormalPlaceOfAMaximisedWindow()
    {
        QWidget probe;
        probe.setGeometry(QRect(20, 30, 600, 400));
        QByteArray saved = probe.saveGeometry();
        const int normalAt = 4 + 2 + 2 + 16; // magic, versions, frame
        const QRect damaged(QPoint(-1778253526, 2359296), QPoint(-16777216, 16580608));
        QByteArray normal;
        QDataStream stream(&normal, QIODevice::WriteOnly);
        stream << damaged;
        saved.replace(normalAt, normal.size(), normal);
        saved[normalAt + 16 + 4] = 1; // after the screen number: maximised
        QVERIFY(SavedGeometry(saved).isValid());
        QVERIFY(SavedGeometry(saved).fillsScreen());
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"))
            .setValue(QStringLiteral("geometry"), saved);

        RadioSession session;
        MainWindow *window = session.window();
        window->show();
        QTRY_VERIFY(window->isMaximized());
        QVERIFY(window->normalGeometry().width() < damaged.width());
    }
};

QTEST_MAIN(TestMainWindowSmallScreen)
#include "test_mainwindow_small_screen.moc"
