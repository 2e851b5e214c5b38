#include "propertyeditor/EditorFactoryBindings.h"
#include "propertyeditor/QtAbstractPropertyBrowser.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtTreePropertyBrowser.h"

#include "propertyeditor/QtBrowserItem.h"
#include <QPointer>

#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {
QString nameOf(QtBrowserItem *item)
{
    return item ? item->property()->propertyName() : QStringLiteral("-");
}

// Logs what a concrete browser is told, in order.
class RecordingBrowser : public QtAbstractPropertyBrowser
{
public:
    QStringList log;
    QWidget *editorFor(QtProperty *property) { return createEditor(property, this); }

protected:
    void itemInserted(QtBrowserItem *item, QtBrowserItem *after) override
    {
        log << QStringLiteral("insert %1 in %2 after %3")
                   .arg(nameOf(item), nameOf(item->parent()), nameOf(after));
    }
    void itemRemoved(QtBrowserItem *item) override { log << "remove " + nameOf(item); }
    void itemChanged(QtBrowserItem *item) override { log << "change " + nameOf(item); }
};

// Counts how often the framework asks it to connect, disconnect and create.
class CountingFactory : public QtAbstractEditorFactory<QtIntPropertyManager>
{
public:
    explicit CountingFactory(QObject *parent = nullptr) : QtAbstractEditorFactory(parent) {}
    int connects = 0;
    int disconnects = 0;

protected:
    void connectPropertyManager(QtIntPropertyManager *) override { ++connects; }
    void disconnectPropertyManager(QtIntPropertyManager *) override { ++disconnects; }
    QWidget *createEditor(QtIntPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override
    {
        auto *box = new QSpinBox(parent);
        box->setRange(manager->minimum(property), manager->maximum(property));
        box->setValue(manager->value(property));
        return box;
    }
};

class EditingTreeBrowser : public QtTreePropertyBrowser
{
public:
    QWidget *editorFor(QtProperty *property) { return createEditor(property, this); }
};

bool registriesEmpty()
{
    return EditorFactoryBindings::managerToFactoryToBrowsers().isEmpty() &&
           EditorFactoryBindings::browserToManagerToFactory().isEmpty();
}
} // namespace

class TestAbstractBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Lets signal spies count signals that carry these pointers.
        qRegisterMetaType<QtProperty *>("QtProperty*");
        qRegisterMetaType<QtBrowserItem *>("QtBrowserItem*");
    }

    void itemsFollowTheGraph()
    {
        QtGroupPropertyManager manager;
        RecordingBrowser browser;
        QtProperty *top = manager.addProperty("top");
        QtProperty *a = manager.addProperty("a");
        QtProperty *b = manager.addProperty("b");
        top->addSubProperty(a);
        top->addSubProperty(b);

        QVERIFY(browser.addProperty(top));
        QCOMPARE(browser.log, (QStringList{"insert top in - after -", "insert a in top after -",
                                           "insert b in top after a"}));
        QVERIFY(!browser.addProperty(top)); // already shown at the top
        QVERIFY(!browser.insertProperty(nullptr, nullptr));

        browser.log.clear();
        QVERIFY(browser.addProperty(b)); // b now shows twice
        QCOMPARE(browser.items(b).size(), 2);
        browser.log.clear();
        b->setPropertyName("B");
        QCOMPARE(browser.log, (QStringList{"change B", "change B"}));

        browser.log.clear();
        QtProperty *c = manager.addProperty("c");
        b->addSubProperty(c); // one row under each appearance of b
        QCOMPARE(browser.items(c).size(), 2);
        delete c;
        QVERIFY(browser.items(c).isEmpty());
        QCOMPARE(browser.log.filter("remove").size(), 2);
    }

    void clearRemovesLastFirstAndChildrenFirst()
    {
        QtGroupPropertyManager manager;
        RecordingBrowser browser;
        QtProperty *one = manager.addProperty("one");
        QtProperty *two = manager.addProperty("two");
        QtProperty *child = manager.addProperty("child");
        two->addSubProperty(child);
        browser.addProperty(one);
        browser.addProperty(two);
        browser.log.clear();
        browser.clear();
        QCOMPARE(browser.log, (QStringList{"remove child", "remove two", "remove one"}));
        QVERIFY(browser.properties().isEmpty());
    }

    void insertAfterAndOrder()
    {
        QtGroupPropertyManager manager;
        RecordingBrowser browser;
        QtProperty *a = manager.addProperty("a");
        QtProperty *b = manager.addProperty("b");
        QtProperty *c = manager.addProperty("c");
        browser.addProperty(a);
        browser.addProperty(b);
        browser.insertProperty(c, a);
        QCOMPARE(browser.properties(), (QList<QtProperty *>{a, c, b}));
        QCOMPARE(browser.log.last(), QStringLiteral("insert c in - after a"));
    }

    void sharedPropertyStaysAttachedUntilLastParent()
    {
        QtGroupPropertyManager groups;
        QtIntPropertyManager ints;
        RecordingBrowser browser;
        QtProperty *g1 = groups.addProperty("g1");
        QtProperty *g2 = groups.addProperty("g2");
        QtProperty *n = ints.addProperty("n");
        g1->addSubProperty(n);
        g2->addSubProperty(n);
        browser.addProperty(g1);
        browser.addProperty(g2);

        browser.removeProperty(g1);
        browser.log.clear();
        ints.setValue(n, 4);
        QCOMPARE(browser.log, QStringList{"change n"}); // still followed through g2
        browser.removeProperty(g2);
        browser.log.clear();
        ints.setValue(n, 5);
        QVERIFY(browser.log.isEmpty()); // manager disconnected with its last property
    }

    void deletingAManagerRemovesItsRows()
    {
        RecordingBrowser browser;
        auto *groups = new QtGroupPropertyManager;
        QtIntPropertyManager ints;
        QtProperty *g = groups->addProperty("g");
        QtProperty *n = ints.addProperty("n");
        g->addSubProperty(n);
        browser.addProperty(g);
        browser.addProperty(n);
        delete groups;
        QCOMPARE(browser.properties(), QList<QtProperty *>{n});
        QCOMPARE(browser.items(n).size(), 1);
        QCOMPARE(browser.log.filter("remove"), (QStringList{"remove n", "remove g"}));
    }

    void currentItemSignal()
    {
        QtGroupPropertyManager manager;
        RecordingBrowser browser;
        QtBrowserItem *item = browser.addProperty(manager.addProperty("x"));
        QSignalSpy spy(&browser, &QtAbstractPropertyBrowser::currentItemChanged);
        browser.setCurrentItem(item);
        browser.setCurrentItem(item);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(browser.currentItem(), item);
    }

    void factoryBindingRules()
    {
        QtIntPropertyManager manager;
        QtProperty *n = manager.addProperty("n");
        CountingFactory first;
        CountingFactory second;
        {
            RecordingBrowser one;
            RecordingBrowser two;
            one.addProperty(n);
            QVERIFY(!one.editorFor(n)); // nothing bound yet

            one.setFactoryForManager(&manager, &first);
            one.setFactoryForManager(&manager, &first);
            two.setFactoryForManager(&manager, &first);
            QCOMPARE(first.connects, 1);
            QVERIFY(qobject_cast<QSpinBox *>(one.editorFor(n)));

            one.setFactoryForManager(&manager, &second);
            QCOMPARE(second.connects, 1);
            QCOMPARE(first.disconnects, 0); // the second browser still uses it
            two.setFactoryForManager(&manager, &second);
            QCOMPARE(first.disconnects, 1);
            QCOMPARE(second.connects, 1);
            QVERIFY(first.propertyManagers().isEmpty());
        }
        // Both browsers gave their bindings up when they were destroyed.
        QCOMPARE(second.disconnects, 1);
        QVERIFY(registriesEmpty());
    }

    void destroyedFactoryAndManagerLeaveTheRegistries()
    {
        RecordingBrowser browser;
        auto *manager = new QtIntPropertyManager;
        auto *factory = new CountingFactory;
        browser.setFactoryForManager(manager, factory);
        delete factory;
        QVERIFY(registriesEmpty());

        auto *other = new CountingFactory;
        browser.setFactoryForManager(manager, other);
        QCOMPARE(other->connects, 1);
        delete manager;
        QVERIFY(registriesEmpty());
        QVERIFY(other->propertyManagers().isEmpty());
        delete other;
    }

    void repeatedLifetimesKeepWorking()
    {
        // Views are rebuilt over and over; every new trio must bind afresh whatever
        // order the previous one was torn down in.
        for (int cycle = 0; cycle < 200; ++cycle) {
            auto *browser = new EditingTreeBrowser;
            auto *manager = new QtIntPropertyManager;
            auto *factory = new CountingFactory;
            QtProperty *n = manager->addProperty("n");
            manager->setValue(n, cycle);
            browser->addProperty(n);
            browser->setFactoryForManager(manager, factory);
            QCOMPARE(factory->connects, 1);
            QPointer<QWidget> editor = browser->editorFor(n);
            auto *box = qobject_cast<QSpinBox *>(editor.data());
            QVERIFY(box);
            QCOMPARE(box->value(), cycle);

            QObject *trio[3] = {browser, manager, factory};
            const int order = cycle % 6;
            const int first = order / 2;
            const int second = (first + 1 + order % 2) % 3;
            const int third = 3 - first - second;
            delete trio[first];
            delete trio[second];
            delete trio[third];
            QVERIFY(editor.isNull());
            QVERIFY(registriesEmpty());
        }
    }
};

QTEST_MAIN(TestAbstractBrowser)
#include "test_abstract_browser.moc"
