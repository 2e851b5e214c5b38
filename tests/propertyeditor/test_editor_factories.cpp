#include "propertyeditor/ButtonFactory.h"
#include "propertyeditor/QtBoolEdit.h"
#include "propertyeditor/QtCheckBoxFactory.h"
#include "propertyeditor/QtDoubleSpinBoxFactory.h"
#include "propertyeditor/QtEnumEditorFactory.h"
#include "propertyeditor/QtLineEditFactory.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtSpinBoxFactory.h"
#include "propertyeditor/QtTreePropertyBrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QPointer>
#include <QRegExpValidator>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {
// One tree browser with every factory of this kind bound to the shared managers.
struct Pane
{
    QtTreePropertyBrowser browser;
    QtSpinBoxFactory spins;
    QtDoubleSpinBoxFactory doubles;
    QtLineEditFactory lines;
    QtCheckBoxFactory checks;
    QtEnumEditorFactory combos;
    ButtonFactory buttons;

    QtPropertyEditorView *view() const { return browser.findChild<QtPropertyEditorView *>(); }

    // Presses the value cell of the property's row, as a user does.
    void press(QtProperty *property)
    {
        QtPropertyEditorView *tree = view();
        const QList<QTreeWidgetItem *> rows =
            tree->findItems(property->propertyName(), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(rows.size(), 1);
        QHeaderView *header = tree->header();
        const QPoint point(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                           tree->visualItemRect(rows.first()).center().y());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, point);
    }

    template <class Editor> Editor *editor() const
    {
        return view()->viewport()->findChild<Editor *>(QString(), Qt::FindDirectChildrenOnly);
    }
};
} // namespace

class TestEditorFactories : public QObject
{
    Q_OBJECT

    QtIntPropertyManager *ints = nullptr;
    QtDoublePropertyManager *doubles = nullptr;
    QtStringPropertyManager *strings = nullptr;
    QtBoolPropertyManager *bools = nullptr;
    QtEnumPropertyManager *enums = nullptr;
    ButtonPropertyManager *buttons = nullptr;
    QtProperty *count = nullptr;
    QtProperty *ratio = nullptr;
    QtProperty *label = nullptr;
    QtProperty *flag = nullptr;
    QtProperty *mode = nullptr;
    QtProperty *action = nullptr;
    Pane *left = nullptr;
    Pane *right = nullptr;

    Pane *makePane()
    {
        auto *pane = new Pane;
        pane->browser.setFactoryForManager(ints, &pane->spins);
        pane->browser.setFactoryForManager(doubles, &pane->doubles);
        pane->browser.setFactoryForManager(strings, &pane->lines);
        pane->browser.setFactoryForManager(bools, &pane->checks);
        pane->browser.setFactoryForManager(enums, &pane->combos);
        pane->browser.setFactoryForManager(buttons, &pane->buttons);
        for (QtProperty *p : {count, ratio, label, flag, mode, action})
            pane->browser.addProperty(p);
        pane->browser.resize(400, 300);
        pane->browser.show();
        return pane;
    }

private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }

    void init()
    {
        ints = new QtIntPropertyManager;
        doubles = new QtDoublePropertyManager;
        strings = new QtStringPropertyManager;
        bools = new QtBoolPropertyManager;
        enums = new QtEnumPropertyManager;
        buttons = new ButtonPropertyManager;
        count = ints->addProperty("Count");
        ints->setRange(count, 0, 100);
        ints->setValue(count, 10);
        ints->setSuffix(count, " pcs");
        ratio = doubles->addProperty("Ratio");
        doubles->setDecimals(ratio, 3);
        doubles->setValue(ratio, 0.125);
        label = strings->addProperty("Label");
        flag = bools->addProperty("Flag");
        bools->setCaptions(flag, {"Off", "On"});
        mode = enums->addProperty("Mode");
        enums->setEnumNames(mode, {"Slow", "Fast", "Auto"});
        action = buttons->addProperty("Action");
        action->setButtonText("Go");
        left = makePane();
        right = makePane();
        QVERIFY(QTest::qWaitForWindowExposed(&left->browser));
        QVERIFY(QTest::qWaitForWindowExposed(&right->browser));
    }

    void cleanup()
    {
        delete left;
        delete right;
        delete ints;
        delete doubles;
        delete strings;
        delete bools;
        delete enums;
        delete buttons;
    }

    void spinBoxCommitsWhenEditingFinishes()
    {
        QSignalSpy values(ints, &QtIntPropertyManager::valueChanged);
        left->press(count);
        auto *box = left->editor<QSpinBox>();
        QVERIFY(box);
        QCOMPARE(box->value(), 10);
        QCOMPARE(box->maximum(), 100);
        QCOMPARE(box->suffix(), QStringLiteral(" pcs"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(box->value(), 15);
        QCOMPARE(values.count(), 0);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(values.count(), 1);
        QCOMPARE(ints->value(count), 15);
    }

    void twoBrowsersMirrorWithoutEcho()
    {
        left->press(count);
        right->press(count);
        auto *mine = left->editor<QSpinBox>();
        auto *theirs = right->editor<QSpinBox>();
        QVERIFY(mine && theirs);
        QSignalSpy values(ints, &QtIntPropertyManager::valueChanged);
        mine->setValue(42);
        QTest::keyClick(mine, Qt::Key_Return);
        QCOMPARE(theirs->value(), 42);
        QCOMPARE(values.count(), 1);
        QCOMPARE(ints->value(count), 42);
    }

    void rangeNarrowsAnOpenEditor()
    {
        left->press(count);
        auto *box = left->editor<QSpinBox>();
        QVERIFY(box);
        QSignalSpy values(ints, &QtIntPropertyManager::valueChanged);
        ints->setRange(count, 0, 5);
        QCOMPARE(box->maximum(), 5);
        QCOMPARE(box->value(), 5);
        QCOMPARE(values.count(), 1); // the manager's own clamp, nothing echoed back
    }

    void readOnlyPropertiesGetNoEditor()
    {
        left->press(count);
        QPointer<QSpinBox> box = left->editor<QSpinBox>();
        QVERIFY(box);
        ints->setReadOnly(count, true);
        QVERIFY(box);
        QVERIFY(box->isReadOnly()); // an open editor stays, read-only
        delete box;

        right->press(count);
        QVERIFY(!right->editor<QSpinBox>());
        strings->setReadOnly(label, true);
        right->press(label);
        QVERIFY(!right->editor<QLineEdit>());
    }

    void doubleOpensWithItsDecimals()
    {
        left->press(ratio);
        auto *box = left->editor<QDoubleSpinBox>();
        QVERIFY(box);
        QCOMPARE(box->decimals(), 3);
        QCOMPARE(box->value(), 0.125);
        doubles->setDecimals(ratio, 1);
        QCOMPARE(box->decimals(), 1);
    }

    void lineEditValidatorFollowsThePattern()
    {
        left->press(label);
        auto *edit = left->editor<QLineEdit>();
        QVERIFY(edit);
        QPointer<const QValidator> first = edit->validator();
        QVERIFY(first); // the initial pattern is valid
        strings->setRegExp(label, QRegExp("[0-9]+"));
        QVERIFY(first.isNull());
        QPointer<const QValidator> digits = edit->validator();
        QVERIFY(digits);
        strings->setRegExp(label, QRegExp("[unclosed"));
        QVERIFY(!edit->validator());
        QVERIFY(digits.isNull());

        edit->setText("abc");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(strings->value(label), QStringLiteral("abc"));
    }

    void checkBoxWritesEachClick()
    {
        left->press(flag);
        auto *edit = left->editor<QtBoolEdit>();
        QVERIFY(edit);
        QSignalSpy values(bools, &QtBoolPropertyManager::valueChanged);
        auto *box = edit->findChild<QCheckBox *>();
        QCOMPARE(box->text(), QStringLiteral("Off"));
        box->click();
        QCOMPARE(values.count(), 1);
        QVERIFY(bools->value(flag));
        QCOMPARE(box->text(), QStringLiteral("On"));
    }

    void comboRebuildsOnNewNamesWithoutWriting()
    {
        enums->setValue(mode, 2);
        left->press(mode);
        auto *combo = left->editor<QComboBox>();
        QVERIFY(combo);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 2);
        QVERIFY(combo->itemIcon(0).isNull());

        QSignalSpy values(enums, &QtEnumPropertyManager::valueChanged);
        enums->setEnumNames(mode, {"A", "B"});
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(values.count(), 1); // only the manager's own reset

        combo->setCurrentIndex(1);
        QCOMPARE(enums->value(mode), 1);
    }

    void buttonReportsEachPressAndOpensNothing()
    {
        QList<QtProperty *> clicked;
        connect(buttons, &ButtonPropertyManager::buttonIsClicked,
                [&clicked](QtProperty *p) { clicked << p; });
        left->press(action);
        left->press(action);
        QCOMPARE(clicked, (QList<QtProperty *>{action, action}));
        action->setEnabled(false);
        left->press(action);
        QCOMPARE(clicked.size(), 2);
    }

    void unservedManagerGetsNoEditor()
    {
        QtIntPropertyManager stranger;
        QtProperty *p = stranger.addProperty("Stranger");
        QtSpinBoxFactory factory;
        QVERIFY(!static_cast<QtAbstractEditorFactoryBase &>(factory).createEditor(p, nullptr));
    }

    void closingOneOfTwoEditorsKeepsTheOther()
    {
        left->press(count);
        right->press(count);
        delete left->editor<QSpinBox>();
        ints->setValue(count, 33);
        QCOMPARE(right->editor<QSpinBox>()->value(), 33);
    }
};

QTEST_MAIN(TestEditorFactories)
#include "test_editor_factories.moc"
