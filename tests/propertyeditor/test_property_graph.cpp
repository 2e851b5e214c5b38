#include "propertyeditor/QtAbstractPropertyManager.h"
#include "propertyeditor/QtProperty.h"

#include <QTest>

namespace {
// Records every graph signal as text, and the name a property had when its data was made.
class RecordingManager : public QtAbstractPropertyManager
{
public:
    RecordingManager()
    {
        connect(this, &QtAbstractPropertyManager::propertyInserted,
                [this](QtProperty *p, QtProperty *parent, QtProperty *after) {
                    log << QStringLiteral("inserted %1 under %2 after %3")
                               .arg(nameOf(p), nameOf(parent), nameOf(after));
                });
        connect(this, &QtAbstractPropertyManager::propertyChanged,
                [this](QtProperty *p) { log << QStringLiteral("changed %1").arg(nameOf(p)); });
        connect(this, &QtAbstractPropertyManager::propertyRemoved,
                [this](QtProperty *p, QtProperty *parent) {
                    log << QStringLiteral("removed %1 from %2").arg(nameOf(p), nameOf(parent));
                });
        connect(this, &QtAbstractPropertyManager::propertyDestroyed,
                [this](QtProperty *p) { log << QStringLiteral("destroyed %1").arg(nameOf(p)); });
    }
    ~RecordingManager() override { clear(); }

    static QString nameOf(QtProperty *p) { return p ? p->propertyName() : QStringLiteral("-"); }

    QStringList log;
    QStringList initialized;
    QStringList uninitialized;

protected:
    void initializeProperty(QtProperty *p) override { initialized << p->propertyName(); }
    void uninitializeProperty(QtProperty *p) override { uninitialized << p->propertyName(); }
};
} // namespace

class TestPropertyGraph : public QObject
{
    Q_OBJECT
private slots:
    void addPropertyNamesBeforeInitializing()
    {
        RecordingManager manager;
        QtProperty *unnamed = manager.addProperty();
        QVERIFY(unnamed);
        QVERIFY(unnamed->propertyName().isNull());
        QVERIFY(manager.log.isEmpty());

        QtProperty *named = manager.addProperty(QStringLiteral("a"));
        QCOMPARE(manager.log, QStringList{QStringLiteral("changed a")});
        QCOMPARE(manager.initialized, (QStringList{QString(), QStringLiteral("a")}));
        QCOMPARE(named->propertyManager(), &manager);
        QCOMPARE(manager.properties().size(), 2);
    }

    void insertionsThatAreIgnored_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("null") << "null";
        QTest::newRow("self") << "self";
        QTest::newRow("duplicate") << "duplicate";
        QTest::newRow("direct cycle") << "direct cycle";
        QTest::newRow("deep cycle") << "deep cycle";
    }
    void insertionsThatAreIgnored()
    {
        QFETCH(QString, kind);
        RecordingManager manager;
        QtProperty *a = manager.addProperty(QStringLiteral("a"));
        QtProperty *b = manager.addProperty(QStringLiteral("b"));
        QtProperty *c = manager.addProperty(QStringLiteral("c"));
        a->addSubProperty(b);
        b->addSubProperty(c);
        manager.log.clear();

        if (kind == QLatin1String("null"))
            a->addSubProperty(nullptr);
        else if (kind == QLatin1String("self"))
            a->addSubProperty(a);
        else if (kind == QLatin1String("duplicate"))
            a->insertSubProperty(b, nullptr);
        else if (kind == QLatin1String("direct cycle"))
            b->addSubProperty(a);
        else
            c->addSubProperty(a);

        QVERIFY(manager.log.isEmpty());
        QCOMPARE(a->subProperties(), QList<QtProperty *>{b});
        QCOMPARE(b->subProperties(), QList<QtProperty *>{c});
        QVERIFY(c->subProperties().isEmpty());
    }

    void sharedSubTreeIsNoCycle()
    {
        // A diamond (d under b and c, both under a) is legal and must not be mistaken
        // for a cycle, nor stall the cycle check.
        RecordingManager manager;
        QtProperty *a = manager.addProperty(QStringLiteral("a"));
        QtProperty *b = manager.addProperty(QStringLiteral("b"));
        QtProperty *c = manager.addProperty(QStringLiteral("c"));
        QtProperty *d = manager.addProperty(QStringLiteral("d"));
        b->addSubProperty(d);
        c->addSubProperty(d);
        a->addSubProperty(b);
        a->addSubProperty(c);
        QCOMPARE(a->subProperties(), (QList<QtProperty *>{b, c}));
        d->addSubProperty(a); // would close a loop through both branches
        QVERIFY(d->subProperties().isEmpty());
    }

    void insertPositionAndReportedAfter()
    {
        RecordingManager manager;
        QtProperty *parent = manager.addProperty(QStringLiteral("p"));
        QtProperty *x = manager.addProperty(QStringLiteral("x"));
        QtProperty *y = manager.addProperty(QStringLiteral("y"));
        QtProperty *z = manager.addProperty(QStringLiteral("z"));
        QtProperty *stranger = manager.addProperty(QStringLiteral("s"));
        manager.log.clear();

        parent->addSubProperty(x);
        parent->insertSubProperty(y, stranger); // not a sub-property: goes first
        parent->insertSubProperty(z, y);
        QCOMPARE(parent->subProperties(), (QList<QtProperty *>{y, z, x}));
        QCOMPARE(manager.log, (QStringList{QStringLiteral("inserted x under p after -"),
                                           QStringLiteral("inserted y under p after -"),
                                           QStringLiteral("inserted z under p after y")}));
    }

    void insertionIsReportedByTheParentsManager()
    {
        RecordingManager parents;
        RecordingManager children;
        QtProperty *parent = parents.addProperty(QStringLiteral("p"));
        QtProperty *child = children.addProperty(QStringLiteral("c"));
        parents.log.clear();
        children.log.clear();
        parent->addSubProperty(child);
        QCOMPARE(parents.log, QStringList{QStringLiteral("inserted c under p after -")});
        QVERIFY(children.log.isEmpty());
    }

    void destroyingReportsEachParentThroughItsManager()
    {
        RecordingManager first;
        RecordingManager second;
        RecordingManager owner;
        QtProperty *p1 = first.addProperty(QStringLiteral("p1"));
        QtProperty *p2 = second.addProperty(QStringLiteral("p2"));
        QtProperty *child = owner.addProperty(QStringLiteral("c"));
        QtProperty *grandChild = owner.addProperty(QStringLiteral("g"));
        p1->addSubProperty(child);
        p2->addSubProperty(child);
        child->addSubProperty(grandChild);
        first.log.clear();
        second.log.clear();
        owner.log.clear();

        delete child;
        QCOMPARE(first.log, QStringList{QStringLiteral("removed c from p1")});
        QCOMPARE(second.log, QStringList{QStringLiteral("removed c from p2")});
        QCOMPARE(owner.log, QStringList{QStringLiteral("destroyed c")});
        QCOMPARE(owner.uninitialized, QStringList{QStringLiteral("c")});
        QVERIFY(p1->subProperties().isEmpty());
        QVERIFY(p2->subProperties().isEmpty());
        QVERIFY(owner.properties().contains(grandChild)); // sub-properties survive
        // The grandchild lost its dead parent: it can be placed again without trouble.
        p1->addSubProperty(grandChild);
        QCOMPARE(p1->subProperties(), QList<QtProperty *>{grandChild});
    }

    void clearLeavesNothingBehind()
    {
        RecordingManager manager;
        RecordingManager outsider;
        QtProperty *keeper = outsider.addProperty(QStringLiteral("k"));
        QtProperty *a = manager.addProperty(QStringLiteral("a"));
        QtProperty *b = manager.addProperty(QStringLiteral("b"));
        QtProperty *kept = outsider.addProperty(QStringLiteral("kept"));
        a->addSubProperty(b);
        a->addSubProperty(kept);
        keeper->addSubProperty(a);
        keeper->addSubProperty(kept);

        manager.clear();
        QVERIFY(manager.properties().isEmpty());
        QCOMPARE(manager.uninitialized.size(), 2);
        QCOMPARE(keeper->subProperties(), QList<QtProperty *>{kept});
        // "kept" had a (now deleted) parent: deleting it must not touch that parent.
        outsider.log.clear();
        delete kept;
        QCOMPARE(outsider.log, (QStringList{QStringLiteral("removed kept from k"),
                                            QStringLiteral("destroyed kept")}));
        QVERIFY(keeper->subProperties().isEmpty());
    }

    void settersSignalOnlyOnChange()
    {
        RecordingManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("p"));
        manager.log.clear();
        p->setToolTip(QStringLiteral("tip"));
        p->setToolTip(QStringLiteral("tip"));
        p->setStatusTip(QStringLiteral("status"));
        p->setWhatsThis(QStringLiteral("what"));
        p->setButtonText(QStringLiteral("Go"));
        p->setButtonText(QStringLiteral("Go"));
        p->setEnabled(false);
        p->setEnabled(false);
        p->setPropertyName(QStringLiteral("p"));
        QCOMPARE(manager.log.size(), 5);

        manager.log.clear();
        p->setPropertyIcon(QIcon());
        p->setHelpText(QStringLiteral("help"));
        QVERIFY(manager.log.isEmpty());
        p->setHelpText(QString());
        QCOMPARE(p->helpText(), QStringLiteral("help"));
        p->setHelpText(QStringLiteral("other"));
        QCOMPARE(p->helpText(), QStringLiteral("other"));
    }
};

QTEST_MAIN(TestPropertyGraph)
#include "test_property_graph.moc"
