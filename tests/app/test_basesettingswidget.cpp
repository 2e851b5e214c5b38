#include "app/BaseSettingsWidget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A page shaped like the real ones: controls with hints inside a group, a help label.
class Page : public BaseSettingsWidget
{
public:
    explicit Page(bool withHintLabel, QWidget *parent = nullptr) : BaseSettingsWidget(parent)
    {
        setGeometry(0, 0, 300, 200);
        setMinimumSize(300, 200);
        group = new QWidget(this);
        group->setGeometry(0, 0, 300, 100);
        hinted = new QLineEdit(group);
        hinted->setGeometry(10, 10, 100, 20);
        hinted->setProperty("Hint", QStringLiteral("Server address"));
        plain = new QLineEdit(group);
        plain->setGeometry(10, 50, 100, 20);
        if (withHintLabel) {
            help = new QLabel(group);
            help->setObjectName(QStringLiteral("serverHint"));
            help->setGeometry(150, 10, 100, 20);
        }
    }
    QWidget *group = nullptr;
    QLineEdit *hinted = nullptr;
    QLineEdit *plain = nullptr;
    QLabel *help = nullptr;
};

class SavingPage : public BaseSettingsWidget
{
public:
    int saves = 0;
    void saveSettings() override { ++saves; }
};

void moveMouse(QWidget *page, const QPoint &pos, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseMove, pos, page->mapToGlobal(pos), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(page, &event);
}
} // namespace

class TestBaseSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void baseAnswersNoChangesAndNotLocked()
    {
        BaseSettingsWidget page;
        QVERIFY(!page.hasChanges());
        QVERIFY(!page.isLocked());
        page.saveSettings();
        page.updateWidget();
        QVERIFY(page.metaObject()->indexOfSignal("settingHint(QString)") >= 0);
    }

    void saveSettingsIsInvokableByName()
    {
        SavingPage page;
        QVERIFY(QMetaObject::invokeMethod(&page, "saveSettings"));
        QCOMPARE(page.saves, 1);
    }

    void hintFollowsTheMouse_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("hint");
        QTest::newRow("hinted control") << QPoint(20, 15) << "Server address";
        QTest::newRow("control without hint") << QPoint(20, 55) << "";
        QTest::newRow("empty area of the page") << QPoint(200, 150) << "";
    }
    void hintFollowsTheMouse()
    {
        QFETCH(QPoint, pos);
        QFETCH(QString, hint);
        Page page(true);
        QSignalSpy spy(&page, &BaseSettingsWidget::settingHint);
        moveMouse(&page, pos);
        moveMouse(&page, pos); // emitted on every move, even when unchanged
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toString(), hint);
    }

    void showTracksTheMouseAboveHintLabels()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *withLabel = new Page(true);
        layout->addWidget(withLabel);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(withLabel->help->hasMouseTracking());
        QVERIFY(withLabel->group->hasMouseTracking());
        QVERIFY(withLabel->hasMouseTracking());
        QVERIFY(window.hasMouseTracking());
        QSignalSpy spy(withLabel, &BaseSettingsWidget::settingHint);
        moveMouse(withLabel, QPoint(20, 15), Qt::NoButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("Server address"));
    }

    void pageWithoutHintLabelsGetsNoTracking()
    {
        Page page(false);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!page.hasMouseTracking());
        QVERIFY(!page.group->hasMouseTracking());
        QSignalSpy spy(&page, &BaseSettingsWidget::settingHint);
        moveMouse(&page, QPoint(20, 15), Qt::NoButton);
        QCOMPARE(spy.count(), 0);
        moveMouse(&page, QPoint(20, 15), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }

    void focusWidgetGetsFocusOnEveryShow()
    {
        Page page(true);
        page.setFocusWidget(page.plain);
        for (int round = 0; round < 2; ++round) {
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QCOMPARE(page.focusWidget(), static_cast<QWidget *>(page.plain));
            page.hinted->setFocus();
            QCOMPARE(page.focusWidget(), static_cast<QWidget *>(page.hinted));
            page.hide();
        }
    }
};

QTEST_MAIN(TestBaseSettingsWidget)
#include "test_basesettingswidget.moc"
