#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtSpinBoxFactory.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "propertyeditor/QtVariantEditorFactory.h"
#include "propertyeditor/QtVariantPropertyManager.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {
// Records the variant manager's two signals as text.
struct VariantLog
{
    QStringList lines;
    explicit VariantLog(QtVariantPropertyManager *manager)
    {
        QObject::connect(
            manager, &QtVariantPropertyManager::valueChanged,
            [this](QtProperty *p, const QVariant &v) {
                lines << QStringLiteral("value %1 %2").arg(p->propertyName(), v.toString());
            });
        QObject::connect(manager, &QtVariantPropertyManager::attributeChanged,
                         [this](QtProperty *p, const QString &a, const QVariant &v) {
                             lines << QStringLiteral("attr %1 %2 %3")
                                          .arg(p->propertyName(), a,
                                               v.toStringList().isEmpty()
                                                   ? v.toString()
                                                   : v.toStringList().join(','));
                         });
    }
};
} // namespace

class TestVariantManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }

    void integerAttributesByName()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *n = manager.addProperty(QMetaType::Int, "n");
        QVERIFY(n);
        QCOMPARE(n->value(), QVariant(0));
        QCOMPARE(manager.attributes(QMetaType::Int),
                 (QStringList{"maximum", "minimum", "readOnly", "singleStep", "suffix"}));
        QCOMPARE(manager.attributeValue(n, "minimum"), QVariant(-2147483647));
        QCOMPARE(manager.attributeValue(n, "singleStep"), QVariant(1));
        QVERIFY(!manager.attributeValue(n, "captions").isValid());
        QVERIFY(!manager.attributeValue(n, "Minimum").isValid()); // names match exactly
        QVERIFY(!manager.addProperty(QMetaType::QByteArray, "x"));
        QVERIFY(!static_cast<QtAbstractPropertyManager &>(manager).addProperty("plain"));

        VariantLog log(&manager);
        n->setAttribute("minimum", 10);
        QCOMPARE(log.lines,
                 (QStringList{"attr n minimum 10", "attr n maximum 2147483647", "value n 10"}));
        log.lines.clear();
        n->setValue(5);
        QVERIFY(log.lines.isEmpty());
        n->setAttribute("maximum", 20.0); // a double is taken as an int
        QCOMPARE(manager.attributeValue(n, "maximum"), QVariant(20));
        n->setValue(QStringLiteral("12"));
        QCOMPARE(n->value(), QVariant(12));
        log.lines.clear();
        n->setValue(QVariant());
        n->setAttribute("captions", QStringList{"a", "b"});
        QVERIFY(log.lines.isEmpty());
    }

    void readOnlyIsForwardedForTextOnly()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *n = manager.addProperty(QMetaType::Int, "n");
        QtVariantProperty *s = manager.addProperty(QMetaType::QString, "s");
        VariantLog log(&manager);
        n->setAttribute("readOnly", true);
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(manager.attributeValue(n, "readOnly"), QVariant(true));
        s->setAttribute("readOnly", true);
        QCOMPARE(log.lines, QStringList{"attr s readOnly true"});
    }

    void valueTextWithSuffixAndCaptions()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *d = manager.addProperty(QMetaType::Double, "d");
        QSignalSpy changed(&manager, &QtAbstractPropertyManager::propertyChanged);
        VariantLog log(&manager);
        d->setAttribute("suffix", " V");
        QCOMPARE(log.lines, QStringList{"attr d suffix  V"});
        QCOMPARE(changed.count(), 0);
        d->setValue(1.5);
        QVERIFY(d->valueText().endsWith(" V"));

        QtVariantProperty *b = manager.addProperty(QMetaType::Bool, "b");
        QCOMPARE(manager.attributes(QMetaType::Bool), (QStringList{"captions", "textVisible"}));
        log.lines.clear();
        b->setAttribute("captions", QStringList{"Off", "On"});
        QCOMPARE(log.lines, QStringList{"attr b captions Off,On"});
        QCOMPARE(b->valueText(), QStringLiteral("Off"));
        b->setValue(true);
        QCOMPARE(b->valueText(), QStringLiteral("On"));
        b->setAttribute("captions", QStringList{"Off"});
        QCOMPARE(b->valueText(), QStringLiteral("True")); // short list: the default text
    }

    void compoundValuesAreWrapped()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *point = manager.addProperty(QMetaType::QPoint, "pt");
        const QList<QtProperty *> subs = point->subProperties();
        QCOMPARE(subs.size(), 2);
        auto *x = manager.variantProperty(subs.at(0));
        QVERIFY(x);
        QCOMPARE(manager.propertyType(x), int(QMetaType::Int));
        QCOMPARE(x->propertyName(), QStringLiteral("X"));
        VariantLog log(&manager);
        x->setValue(7);
        QCOMPARE(log.lines.size(), 2);
        QCOMPARE(log.lines.at(0), QStringLiteral("value pt ") + QVariant(QPoint(7, 0)).toString());
        QCOMPARE(log.lines.at(1), QStringLiteral("value X 7"));
        QCOMPARE(point->value().toPoint(), QPoint(7, 0));
    }

    void flagWrappersFollowTheNames()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *flags =
            manager.addProperty(QtVariantPropertyManager::flagTypeId(), "flags");
        flags->setAttribute("flagNames", QStringList{"a", "b", "c"});
        QCOMPARE(flags->subProperties().size(), 3);
        QCOMPARE(manager.propertyType(flags->subProperties().at(0)), int(QMetaType::Bool));
        flags->setAttribute("flagNames", QStringList{"x"});
        QCOMPARE(flags->subProperties().size(), 1);
        QCOMPARE(flags->subProperties().at(0)->propertyName(), QStringLiteral("x"));
        QCOMPARE(manager.properties().size(), 2); // the old wrappers are gone
    }

    void groupsAndTypeIds()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *g = manager.addProperty(QtVariantPropertyManager::groupTypeId(), "g");
        QVERIFY(!g->hasValue());
        QVERIFY(!g->value().isValid());
        QVERIFY(manager.attributes(QtVariantPropertyManager::groupTypeId()).isEmpty());
        g->setValue(3);
        QVERIFY(!g->value().isValid());
        const QSet<int> ids{QtVariantPropertyManager::enumTypeId(),
                            QtVariantPropertyManager::flagTypeId(),
                            QtVariantPropertyManager::groupTypeId()};
        QCOMPARE(ids.size(), 3);
        for (int id : ids)
            QVERIFY(id >= QMetaType::User);
        QCOMPARE(QMetaType::type("QtEnumPropertyType"), QtVariantPropertyManager::enumTypeId());
    }

    void deletingAPropertyDeletesWhatItWraps()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *rect = manager.addProperty(QMetaType::QRect, "r");
        QtProperty *wrapped = QtVariantPropertyManager::wrappedProperty(rect);
        QVERIFY(wrapped);
        QtAbstractPropertyManager *typed = wrapped->propertyManager();
        QCOMPARE(typed->properties().size(), 1);
        QCOMPARE(manager.properties().size(), 5);
        delete rect;
        QVERIFY(typed->properties().isEmpty());
        QVERIFY(manager.properties().isEmpty());
    }

    void enumerationAttributes()
    {
        QtVariantPropertyManager manager;
        QtVariantProperty *e = manager.addProperty(QtVariantPropertyManager::enumTypeId(), "e");
        e->setAttribute("enumNames", QStringList{"a", "b"});
        e->setValue(1);
        QCOMPARE(e->valueText(), QStringLiteral("b"));
        QtIconMap icons;
        icons[1] = QIcon();
        e->setAttribute("enumIcons", QVariant::fromValue(icons));
        QCOMPARE(manager.attributeValue(e, "enumIcons").userType(),
                 QtVariantPropertyManager::iconMapTypeId());
    }

    void editorOpenFlagFollowsRealEditors()
    {
        QtVariantPropertyManager manager;
        QtVariantEditorFactory factory;
        QtTreePropertyBrowser browser;
        browser.setFactoryForManager(&manager, &factory);
        QtVariantProperty *n = manager.addProperty(QMetaType::Int, "n");
        n->setAttribute("minimum", 0);
        n->setAttribute("maximum", 100);
        n->setAttribute("suffix", " s");
        QtVariantProperty *locked = manager.addProperty(QMetaType::QString, "locked");
        locked->setAttribute("readOnly", true);
        QtVariantProperty *point = manager.addProperty(QMetaType::QPoint, "pt");
        browser.addProperty(n);
        browser.addProperty(locked);
        browser.addProperty(point);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        auto *view = browser.findChild<QtPropertyEditorView *>();
        auto press = [view](const QString &name) {
            QTreeWidgetItem *row =
                view->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0);
            QVERIFY(row);
            const QPoint at(view->header()->sectionViewportPosition(1) + 10,
                            view->visualItemRect(row).center().y());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        };

        press("locked"); // read-only: no editor, no flag
        QVERIFY(!view->viewport()->findChild<QLineEdit *>());
        QVERIFY(!manager.isEditorOpen());
        press("pt"); // no editor of its own
        QVERIFY(!manager.isEditorOpen());

        press("n");
        QPointer<QSpinBox> box = view->viewport()->findChild<QSpinBox *>();
        QVERIFY(box);
        QCOMPARE(box->maximum(), 100);
        QCOMPARE(box->suffix(), QStringLiteral(" s"));
        QVERIFY(manager.isEditorOpen());
        QSignalSpy values(&manager, &QtVariantPropertyManager::valueChanged);
        box->setValue(42);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(values.count(), 1);
        QCOMPARE(n->value(), QVariant(42));
        QTRY_VERIFY(box.isNull());
        QVERIFY(!manager.isEditorOpen()); // the edit ended: refreshes may go on

        press("n"); // an edit cancelled without a change drops the flag as well
        box = view->viewport()->findChild<QSpinBox *>();
        QVERIFY(box);
        QVERIFY(manager.isEditorOpen());
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(box.isNull());
        QVERIFY(!manager.isEditorOpen());
        QCOMPARE(values.count(), 1);

        press("X"); // a sub-property of the point gets a spin box of its own
        QVERIFY(view->viewport()->findChild<QSpinBox *>());
    }

    void bindingServesEveryTypedManagerOnce()
    {
        QtVariantPropertyManager manager;
        auto *factory = new QtVariantEditorFactory;
        auto *spins = factory->findChild<QtSpinBoxFactory *>();
        QVERIFY(spins);
        {
            QtTreePropertyBrowser browser;
            browser.setFactoryForManager(&manager, factory);
            const QList<QtIntPropertyManager *> ints =
                manager.findChildren<QtIntPropertyManager *>();
            QCOMPARE(spins->propertyManagers().size(), ints.size());
            QVERIFY(ints.size() >= 7);
        }
        QVERIFY(spins->propertyManagers().isEmpty());
        delete factory;
    }
};

QTEST_MAIN(TestVariantManager)
#include "test_variant_manager.moc"
