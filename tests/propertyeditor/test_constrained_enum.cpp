#include "propertyeditor/ConstrainedEnumEditorFactory.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtTreePropertyBrowser.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestConstrainedEnum : public QObject
{
    Q_OBJECT

    ConstrainedEnumPropertyManager *manager = nullptr;
    ConstrainedEnumEditorFactory *factory = nullptr;
    QtTreePropertyBrowser *browser = nullptr;
    QtProperty *mode = nullptr;

    // Sets a property up in the order its owner uses: values, names, then the index.
    void configure(const QVector<int> &values, const QStringList &names, int index)
    {
        manager->setEnumValues(mode, values);
        manager->setEnumNames(mode, names);
        manager->setValue(mode, index);
    }

    QComboBox *openEditor()
    {
        auto *view = browser->findChild<QtPropertyEditorView *>();
        QTreeWidgetItem *row = view->topLevelItem(0);
        const QPoint at(view->header()->sectionViewportPosition(1) + 10,
                        view->visualItemRect(row).center().y());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return view->viewport()->findChild<QComboBox *>();
    }

    static QStringList itemsOf(QComboBox *box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << QStringLiteral("%1=%2").arg(box->itemText(i)).arg(box->itemData(i).toInt());
        return items;
    }

private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }

    void init()
    {
        manager = new ConstrainedEnumPropertyManager;
        factory = new ConstrainedEnumEditorFactory;
        browser = new QtTreePropertyBrowser;
        browser->setFactoryForManager(manager, factory);
        mode = manager->addProperty("Mode");
        browser->addProperty(mode);
        browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(browser));
    }

    void cleanup()
    {
        delete browser;
        delete factory;
        delete manager;
    }

    void offersTheNamesAndCommitsTheIndex()
    {
        configure({0, 10, 20}, {"Off", "Low", "High"}, 1);
        QComboBox *box = openEditor();
        QVERIFY(box);
        QCOMPARE(itemsOf(box), (QStringList{"Off=0", "Low=1", "High=2"}));
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(box->itemData(2, Qt::ToolTipRole).toString(), QStringLiteral("High"));

        QSignalSpy values(manager, &QtEnumPropertyManager::valueChanged);
        box->setCurrentIndex(2);
        QCOMPARE(values.count(), 1);
        QCOMPARE(manager->value(mode), 2);
        QCOMPARE(manager->enumValues(mode).at(2), 20);
    }

    void onlyNamesWithDeviceValuesAreOffered()
    {
        configure({5, 6}, {"A", "B", "C"}, 2);
        QSignalSpy values(manager, &QtEnumPropertyManager::valueChanged);
        QComboBox *box = openEditor();
        QVERIFY(box);
        QCOMPARE(itemsOf(box), (QStringList{"A=0", "B=1"}));
        QCOMPARE(box->currentIndex(), -1); // the stored value is not offered
        QCOMPARE(values.count(), 0);
        QCOMPARE(manager->value(mode), 2);
    }

    void moreValuesThanNamesSkipsTheExtraIndexes()
    {
        configure({1, 2, 3, 4}, {"A", "B"}, 0);
        QComboBox *box = openEditor();
        QCOMPARE(itemsOf(box), (QStringList{"A=0", "B=1"}));
    }

    void outsideValueMovesTheBoxWithoutCommitting()
    {
        configure({0, 1, 2}, {"A", "B", "C"}, 0);
        QComboBox *box = openEditor();
        QSignalSpy values(manager, &QtEnumPropertyManager::valueChanged);
        manager->setValue(mode, 2);
        QCOMPARE(box->currentIndex(), 2);
        QCOMPARE(values.count(), 1); // only the outside change itself
    }

    void rowsWithoutADeviceValueCommitNothing()
    {
        configure({0, 1}, {"A", "B", "C"}, 0);
        QComboBox *box = openEditor();
        // An item that is not a name with a device value, as a stale list could hold.
        box->blockSignals(true);
        box->addItem("C", 2);
        box->blockSignals(false);
        QSignalSpy values(manager, &QtEnumPropertyManager::valueChanged);
        box->setCurrentIndex(2);
        QCOMPARE(values.count(), 0);
        QCOMPARE(manager->value(mode), 0);
        box->setCurrentIndex(-1); // no row at all
        QCOMPARE(values.count(), 0);
    }

    void newNamesRefillTheOpenBox()
    {
        configure({0, 1, 2}, {"A", "B", "C"}, 1);
        QComboBox *box = openEditor();
        QSignalSpy values(manager, &QtEnumPropertyManager::valueChanged);
        manager->setEnumNames(mode, {"X", "Y", "Z"});
        QCOMPARE(itemsOf(box), (QStringList{"X=0", "Y=1", "Z=2"}));
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(values.count(), 1); // the manager's own reset, nothing written back
    }

    void valuesAloneChangeNothingElse()
    {
        configure({0, 1, 2}, {"A", "B", "C"}, 1);
        QSignalSpy changed(manager, &QtAbstractPropertyManager::propertyChanged);
        manager->setEnumValues(mode, {7, 8});
        QCOMPARE(changed.count(), 0);
        QCOMPARE(manager->value(mode), 1);
        QCOMPARE(manager->enumNames(mode).size(), 3);
        QtProperty *fresh = manager->addProperty("fresh");
        QVERIFY(manager->enumValues(fresh).isEmpty());
    }

    void destroyingTheFactoryClosesItsBoxes()
    {
        configure({0, 1}, {"A", "B"}, 0);
        QPointer<QComboBox> box = openEditor();
        QVERIFY(box);
        delete factory;
        factory = nullptr;
        QVERIFY(box.isNull());
    }
};

QTEST_MAIN(TestConstrainedEnum)
#include "test_constrained_enum.moc"
