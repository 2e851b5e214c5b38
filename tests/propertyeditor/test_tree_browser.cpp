#include "propertyeditor/ButtonPropertyManager.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtTreePropertyBrowser.h"

#include <QHeaderView>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {
class SpinFactory : public QtAbstractEditorFactory<QtIntPropertyManager>
{
public:
    int requests = 0;
    QPointer<QSpinBox> lastEditor;

protected:
    void connectPropertyManager(QtIntPropertyManager *) override {}
    void disconnectPropertyManager(QtIntPropertyManager *) override {}
    QWidget *createEditor(QtIntPropertyManager *, QtProperty *, QWidget *parent) override
    {
        ++requests;
        lastEditor = new QSpinBox(parent);
        return lastEditor;
    }
};

// Reports the press and opens nothing, as action rows do.
class PressFactory : public QtAbstractEditorFactory<ButtonPropertyManager>
{
public:
    int requests = 0;

protected:
    void connectPropertyManager(ButtonPropertyManager *) override {}
    void disconnectPropertyManager(ButtonPropertyManager *) override {}
    QWidget *createEditor(ButtonPropertyManager *manager, QtProperty *property, QWidget *) override
    {
        ++requests;
        emit manager->buttonIsClicked(property);
        return nullptr;
    }
};
} // namespace

class TestTreeBrowser : public QObject
{
    Q_OBJECT

    QtTreePropertyBrowser *browser = nullptr;
    QtPropertyEditorView *view = nullptr;
    QtGroupPropertyManager *groups = nullptr;
    QtIntPropertyManager *ints = nullptr;
    ButtonPropertyManager *buttons = nullptr;
    SpinFactory *spinFactory = nullptr;
    PressFactory *pressFactory = nullptr;
    QtProperty *group = nullptr;
    QtProperty *number = nullptr;
    QtProperty *locked = nullptr;
    QtProperty *action = nullptr;

    QTreeWidgetItem *rowOf(QtProperty *property) const
    {
        const QList<QTreeWidgetItem *> rows =
            view->findItems(property->propertyName(), Qt::MatchExactly | Qt::MatchRecursive);
        return rows.size() == 1 ? rows.first() : nullptr;
    }

    void pressValueCell(QtProperty *property)
    {
        QTreeWidgetItem *row = rowOf(property);
        QVERIFY(row);
        QHeaderView *header = view->header();
        const QPoint point(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                           view->visualItemRect(row).center().y());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    }

private slots:
    void init()
    {
        browser = new QtTreePropertyBrowser;
        browser->resize(480, 320);
        view = browser->findChild<QtPropertyEditorView *>();
        groups = new QtGroupPropertyManager(browser);
        ints = new QtIntPropertyManager(browser);
        buttons = new ButtonPropertyManager(browser);
        spinFactory = new SpinFactory;
        pressFactory = new PressFactory;
        browser->setFactoryForManager(ints, spinFactory);
        browser->setFactoryForManager(buttons, pressFactory);

        group = groups->addProperty("Group");
        number = ints->addProperty("Number");
        locked = ints->addProperty("Locked");
        action = buttons->addProperty("Action");
        number->setHelpText("How many");
        ints->setValue(number, 42);
        locked->setEnabled(false);
        action->setButtonText("Run");
        group->addSubProperty(number);
        group->addSubProperty(locked);
        browser->addProperty(group);
        browser->addProperty(action);
        browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(browser));
    }

    void cleanup()
    {
        delete browser;
        delete spinFactory;
        delete pressFactory;
    }

    void rowsShowColumnsAndSpans()
    {
        QCOMPARE(view->columnCount(), 3);
        QTreeWidgetItem *header = view->headerItem();
        QCOMPARE(header->text(0), QStringLiteral("Property"));
        QCOMPARE(header->text(1), QStringLiteral("Value"));
        QCOMPARE(header->text(2), QStringLiteral("Help"));

        QTreeWidgetItem *groupRow = rowOf(group);
        QTreeWidgetItem *numberRow = rowOf(number);
        QVERIFY(groupRow && numberRow);
        QVERIFY(groupRow->isFirstColumnSpanned());
        QVERIFY(!numberRow->isFirstColumnSpanned());
        QVERIFY(groupRow->isExpanded());
        QCOMPARE(numberRow->parent(), groupRow);

        QCOMPARE(numberRow->text(1), number->valueText());
        QCOMPARE(numberRow->toolTip(0), QStringLiteral("Number"));
        QCOMPARE(numberRow->toolTip(1), number->valueText());
        QVERIFY(!numberRow->icon(2).isNull());
        QCOMPARE(numberRow->toolTip(2), QStringLiteral("How many"));
        QVERIFY(!rowOf(locked)->icon(2).isNull()); // the icon shows even without help text
        QVERIFY(rowOf(locked)->toolTip(2).isEmpty());

        // Help text and suffix are shown at the next refresh of the row.
        ints->setSuffix(number, " pcs");
        number->setHelpText("Count of things");
        QCOMPARE(numberRow->toolTip(2), QStringLiteral("How many"));
        ints->setValue(number, 7);
        QCOMPARE(numberRow->text(1), number->valueText());
        QVERIFY(numberRow->text(1).endsWith(" pcs"));
        QCOMPARE(numberRow->toolTip(2), QStringLiteral("Count of things"));
    }

    void valuelessRowsMarked()
    {
        QTreeWidgetItem *groupRow = rowOf(group);
        QVERIFY(groupRow->icon(0).isNull());
        browser->setRootIsDecorated(false);
        browser->setPropertiesWithoutValueMarked(true);
        QVERIFY(!groupRow->icon(0).isNull()); // the branch mark
        QVERIFY(rowOf(number)->icon(0).isNull());
        browser->setRootIsDecorated(true);
        QVERIFY(groupRow->icon(0).isNull());
    }

    void buttonCellAsksItsFactoryOncePerPress()
    {
        QList<QtProperty *> clicks;
        connect(buttons, &ButtonPropertyManager::buttonIsClicked,
                [&clicks](QtProperty *p) { clicks << p; });
        pressValueCell(action);
        QCOMPARE(pressFactory->requests, 1);
        QCOMPARE(clicks, QList<QtProperty *>{action});
        pressValueCell(action);
        QCOMPARE(pressFactory->requests, 2);
        QVERIFY(!view->viewport()->findChild<QSpinBox *>());

        // The button row never became "the edited row": another row still opens at once.
        pressValueCell(number);
        QCOMPARE(spinFactory->requests, 1);

        action->setEnabled(false);
        pressValueCell(action);
        QCOMPARE(pressFactory->requests, 2);
        QCOMPARE(clicks.count(), 2);
    }

    void onePressOpensOneEditor()
    {
        pressValueCell(number);
        QCOMPARE(spinFactory->requests, 1);
        QVERIFY(spinFactory->lastEditor);
        QVERIFY(spinFactory->lastEditor->isVisible());
        pressValueCell(number); // a press on the row being edited opens nothing more
        QCOMPARE(spinFactory->requests, 1);

        pressValueCell(locked); // disabled row
        QCOMPARE(spinFactory->requests, 1);
    }

    void keyboardOpensEditor()
    {
        view->setFocus();
        view->setCurrentItem(rowOf(number), 0);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(spinFactory->requests, 1);
        QCOMPARE(view->currentColumn(), 1);
    }

    void disablingClosesTheEditorAndCascades()
    {
        pressValueCell(number);
        QPointer<QSpinBox> editor = spinFactory->lastEditor;
        QVERIFY(editor);

        group->setEnabled(false);
        QTRY_VERIFY(editor.isNull());
        QVERIFY(!(rowOf(group)->flags() & Qt::ItemIsEnabled));
        QVERIFY(!(rowOf(number)->flags() & Qt::ItemIsEnabled));
        QVERIFY(!(rowOf(locked)->flags() & Qt::ItemIsEnabled));
        pressValueCell(number);
        QCOMPARE(spinFactory->requests, 1);

        group->setEnabled(true);
        QVERIFY(rowOf(number)->flags() & Qt::ItemIsEnabled);
        QVERIFY(!(rowOf(locked)->flags() & Qt::ItemIsEnabled)); // its own property is off
        pressValueCell(number);
        QCOMPARE(spinFactory->requests, 2);
    }

    void childDisabledWhileParentWasOffStaysOff()
    {
        group->setEnabled(false);
        number->setEnabled(false);
        group->setEnabled(true);
        QVERIFY(!(rowOf(number)->flags() & Qt::ItemIsEnabled));
        number->setEnabled(true);
        QVERIFY(rowOf(number)->flags() & Qt::ItemIsEnabled);
    }

    void removingTheCurrentRowClearsCurrentItem()
    {
        QtBrowserItem *item = browser->topLevelItem(action);
        browser->setCurrentItem(item);
        QCOMPARE(view->currentItem(), rowOf(action));
        QList<QtBrowserItem *> reported;
        connect(browser, &QtAbstractPropertyBrowser::currentItemChanged,
                [&reported](QtBrowserItem *current) { reported << current; });
        browser->removeProperty(action);
        QVERIFY(!browser->currentItem());
        QCOMPARE(reported, QList<QtBrowserItem *>{nullptr});
    }

    void treeSelectionReachesTheBrowser()
    {
        view->setCurrentItem(rowOf(number));
        QVERIFY(browser->currentItem());
        QCOMPARE(browser->currentItem()->property(), number);
    }

    void backgroundColourReachesDescendants()
    {
        QtBrowserItem *groupItem = browser->topLevelItem(group);
        browser->setBackgroundColor(groupItem, QColor(200, 0, 0));
        QCOMPARE(browser->backgroundColor(groupItem), QColor(200, 0, 0));
        QVERIFY(!browser->backgroundColor(groupItem->children().first()).isValid());

        QTreeWidgetItem *numberRow = rowOf(number);
        const QRect rowRect = view->visualItemRect(numberRow);
        const QPoint inNameCell(view->header()->sectionViewportPosition(1) - 6,
                                rowRect.center().y());
        const QImage shot = view->viewport()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(inNameCell)), QColor(200, 0, 0));

        browser->setBackgroundColor(groupItem, QColor());
        QVERIFY(!browser->backgroundColor(groupItem).isValid());
        const QImage plain = view->viewport()->grab().toImage();
        QVERIFY(QColor(plain.pixel(inNameCell)) != QColor(200, 0, 0));
    }

    void resizeModeAndSplitter()
    {
        QCOMPARE(browser->resizeMode(), QtTreePropertyBrowser::Stretch);
        browser->setResizeMode(QtTreePropertyBrowser::Interactive);
        QCOMPARE(view->header()->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(view->header()->sectionResizeMode(2), QHeaderView::Interactive);
        view->header()->setSectionResizeMode(QHeaderView::Fixed);
        browser->setResizeMode(QtTreePropertyBrowser::Interactive); // stored: no effect
        QCOMPARE(view->header()->sectionResizeMode(0), QHeaderView::Fixed);
        browser->setSplitterPosition(120);
        QCOMPARE(browser->splitterPosition(), view->header()->sectionSize(0));
        QCOMPARE(browser->splitterPosition(), 120);
    }
};

QTEST_MAIN(TestTreeBrowser)
#include "test_tree_browser.moc"
