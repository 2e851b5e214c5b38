#include "propertyeditor/ButtonFactory.h"
#include "propertyeditor/ConstrainedEnumEditorFactory.h"
#include "propertyeditor/QtBoolEdit.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "propertyeditor/QtVariantEditorFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QTest>

// The shape of a radio device's parameter view: a group holding an integer with a suffix,
// a boolean with captions, a constrained option list and an action button.
class TestParameterViewFixture : public QObject
{
    Q_OBJECT

    QtTreePropertyBrowser *browser = nullptr;
    QtVariantPropertyManager *variants = nullptr;
    QtVariantEditorFactory *variantFactory = nullptr;
    QtGroupPropertyManager *groups = nullptr;
    ConstrainedEnumPropertyManager *options = nullptr;
    ConstrainedEnumEditorFactory *optionFactory = nullptr;
    ButtonPropertyManager *buttons = nullptr;
    ButtonFactory *buttonFactory = nullptr;
    QtProperty *group = nullptr;
    QtVariantProperty *period = nullptr;
    QtVariantProperty *led = nullptr;
    QtProperty *power = nullptr;
    QtProperty *test = nullptr;
    QStringList commits;

    QWidget *press(QtProperty *property)
    {
        auto *view = browser->findChild<QtPropertyEditorView *>();
        QTreeWidgetItem *row =
            view->findItems(property->propertyName(), Qt::MatchExactly | Qt::MatchRecursive)
                .value(0);
        if (!row)
            return nullptr;
        const QPoint at(view->header()->sectionViewportPosition(1) + 10,
                        view->visualItemRect(row).center().y());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return view->viewport()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    }

    void closeEditors()
    {
        auto *view = browser->findChild<QtPropertyEditorView *>();
        const QList<QWidget *> open =
            view->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        qDeleteAll(open);
    }

private slots:
    void init()
    {
        browser = new QtTreePropertyBrowser;
        browser->setHeaderVisible(false);
        browser->setRootIsDecorated(false);
        browser->setPropertiesWithoutValueMarked(true);
        browser->resize(420, 300);
        variants = new QtVariantPropertyManager;
        variantFactory = new QtVariantEditorFactory(browser);
        groups = new QtGroupPropertyManager;
        options = new ConstrainedEnumPropertyManager;
        optionFactory = new ConstrainedEnumEditorFactory(browser);
        buttons = new ButtonPropertyManager;
        buttonFactory = new ButtonFactory(browser);
        browser->setFactoryForManager(variants, variantFactory);
        browser->setFactoryForManager(options, optionFactory);
        browser->setFactoryForManager(buttons, buttonFactory);

        group = groups->addProperty("Settings");
        period = variants->addProperty(QMetaType::Int, "Period");
        period->setAttribute("minimum", 1);
        period->setAttribute("maximum", 3600);
        period->setAttribute("suffix", " s");
        period->setValue(60);
        led = variants->addProperty(QMetaType::Bool, "Indicator");
        led->setAttribute("captions", QStringList{"Off", "On"});
        power = options->addProperty("Power");
        options->setEnumValues(power, {1, 5, 10});
        options->setEnumNames(power, {"Low", "Medium", "High"});
        options->setValue(power, 1);
        test = buttons->addProperty("Test");
        test->setButtonText("Run");
        for (QtProperty *p :
             {static_cast<QtProperty *>(period), static_cast<QtProperty *>(led), power, test})
            group->addSubProperty(p);
        browser->addProperty(group);

        commits.clear();
        connect(variants, &QtVariantPropertyManager::valueChanged,
                [this](QtProperty *p, const QVariant &v) {
                    commits << p->propertyName() + "=" + v.toString();
                });
        connect(options, &QtEnumPropertyManager::valueChanged, [this](QtProperty *p, int index) {
            commits << p->propertyName() + "=" +
                           QString::number(options->enumValues(p).value(index));
        });
        connect(buttons, &ButtonPropertyManager::buttonIsClicked,
                [this](QtProperty *p) { commits << p->propertyName() + " clicked"; });
        browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(browser));
    }

    void cleanup()
    {
        // The view owns its managers and deletes them while the browser still exists.
        delete variants;
        delete groups;
        delete options;
        delete buttons;
        delete browser;
    }

    void eachRowGetsItsEditor()
    {
        QVERIFY(!press(group));
        QVERIFY(qobject_cast<QSpinBox *>(press(period)));
        closeEditors();
        QVERIFY(qobject_cast<QtBoolEdit *>(press(led)));
        closeEditors();
        QVERIFY(qobject_cast<QComboBox *>(press(power)));
        closeEditors();
        QVERIFY(!press(test));
        QCOMPARE(commits, QStringList{"Test clicked"});
    }

    void eachCommitArrivesOnce()
    {
        auto *box = qobject_cast<QSpinBox *>(press(period));
        QVERIFY(box);
        QCOMPARE(box->suffix(), QStringLiteral(" s"));
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Up);
        QVERIFY(commits.isEmpty());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(commits, QStringList{"Period=62"});
        QTRY_VERIFY(!variants->isEditorOpen());

        commits.clear();
        auto *check = qobject_cast<QtBoolEdit *>(press(led));
        QVERIFY(check);
        QCOMPARE(check->findChild<QCheckBox *>()->text(), QStringLiteral("Off"));
        check->findChild<QCheckBox *>()->click();
        QCOMPARE(commits, QStringList{"Indicator=true"});
        QCOMPARE(led->valueText(), QStringLiteral("On"));
        closeEditors();

        commits.clear();
        auto *combo = qobject_cast<QComboBox *>(press(power));
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QStringLiteral("Medium"));
        combo->setCurrentIndex(2);
        QCOMPARE(commits, QStringList{"Power=10"});

        commits.clear();
        press(test);
        QCOMPARE(commits, QStringList{"Test clicked"});
    }

    void outsideChangesReachTheRows()
    {
        auto *view = browser->findChild<QtPropertyEditorView *>();
        period->setValue(120);
        options->setValue(power, 0);
        QTreeWidgetItem *periodRow = view->findItems("Period", Qt::MatchRecursive).value(0);
        QTreeWidgetItem *powerRow = view->findItems("Power", Qt::MatchRecursive).value(0);
        QCOMPARE(periodRow->text(1), period->valueText());
        QVERIFY(periodRow->text(1).endsWith(" s"));
        QCOMPARE(powerRow->text(1), QStringLiteral("Low"));
    }
};

QTEST_MAIN(TestParameterViewFixture)
#include "test_parameter_view_fixture.moc"
