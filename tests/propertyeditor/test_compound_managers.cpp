#include "propertyeditor/QtColorPropertyManager.h"
#include "propertyeditor/QtCursorPropertyManager.h"
#include "propertyeditor/QtEnumNameProvider.h"
#include "propertyeditor/QtFlagPropertyManager.h"
#include "propertyeditor/QtFontPropertyManager.h"
#include "propertyeditor/QtLocalePropertyManager.h"
#include "propertyeditor/QtPointFPropertyManager.h"
#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtRectFPropertyManager.h"
#include "propertyeditor/QtRectPropertyManager.h"
#include "propertyeditor/QtSizePolicyPropertyManager.h"
#include "propertyeditor/QtSizePropertyManager.h"

#include <QBitmap>
#include <QSignalSpy>
#include <QTest>

namespace {
QtProperty *sub(QtProperty *property, int index)
{
    return property->subProperties().at(index);
}
} // namespace

class TestCompoundManagers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }

    void rectangleConstraint_data()
    {
        QTest::addColumn<QRect>("constraint");
        QTest::addColumn<QRect>("start");
        QTest::addColumn<QRect>("request");
        QTest::addColumn<QRect>("stored");
        const QRect box(0, 0, 100, 100);
        QTest::newRow("cut to the constraint")
            << box << QRect(0, 0, 10, 10) << QRect(50, 50, 100, 100) << QRect(50, 50, 50, 50);
        QTest::newRow("nothing inside is dropped")
            << box << QRect(0, 0, 10, 10) << QRect(200, 200, 10, 10) << QRect(0, 0, 10, 10);
        QTest::newRow("inside is kept")
            << box << QRect(0, 0, 10, 10) << QRect(5, 6, 7, 8) << QRect(5, 6, 7, 8);
        QTest::newRow("reversed request is normalised")
            << QRect() << QRect() << QRect(QPoint(20, 20), QPoint(10, 10))
            << QRect(QPoint(10, 10), QPoint(20, 20));
    }
    void rectangleConstraint()
    {
        QFETCH(QRect, constraint);
        QFETCH(QRect, start);
        QFETCH(QRect, request);
        QFETCH(QRect, stored);
        QtRectPropertyManager manager;
        QtProperty *p = manager.addProperty("r");
        manager.setConstraint(p, constraint);
        manager.setValue(p, start);
        QSignalSpy values(&manager, &QtRectPropertyManager::valueChanged);
        manager.setValue(p, request);
        QCOMPARE(manager.value(p), stored);
        QCOMPARE(values.count(), stored == start ? 0 : 1);
        QtIntPropertyManager *ints = manager.subIntPropertyManager();
        QCOMPARE(ints->value(sub(p, 0)), stored.x());
        QCOMPARE(ints->value(sub(p, 3)), stored.height());
    }

    void newConstraintFitsTheValue()
    {
        QtRectPropertyManager manager;
        QtProperty *p = manager.addProperty("r");
        manager.setValue(p, QRect(90, 90, 50, 50));
        QStringList log;
        connect(&manager, &QtRectPropertyManager::constraintChanged,
                [&log](QtProperty *, const QRect &) { log << "constraint"; });
        connect(manager.subIntPropertyManager(), &QtIntPropertyManager::valueChanged,
                [&log](QtProperty *, int v) { log << QStringLiteral("part %1").arg(v); });
        connect(&manager, &QtAbstractPropertyManager::propertyChanged,
                [&log](QtProperty *) { log << "changed"; });
        connect(&manager, &QtRectPropertyManager::valueChanged,
                [&log](QtProperty *, const QRect &) { log << "value"; });
        manager.setConstraint(p, QRect(0, 0, 100, 100));
        QCOMPARE(manager.value(p), QRect(50, 50, 50, 50));
        QCOMPARE(log.first(), QStringLiteral("constraint"));
        QVERIFY(log.contains("part 50"));
        QCOMPARE(log.mid(log.size() - 2), (QStringList{"changed", "value"}));
        QCOMPARE(manager.subIntPropertyManager()->maximum(sub(p, 2)), 100);
    }

    void editingAPartReachesTheRectangle()
    {
        QtRectPropertyManager manager;
        QtProperty *p = manager.addProperty("r");
        manager.setConstraint(p, QRect(0, 0, 100, 100));
        manager.setValue(p, QRect(50, 0, 10, 10));
        QSignalSpy values(&manager, &QtRectPropertyManager::valueChanged);
        manager.subIntPropertyManager()->setValue(sub(p, 2), 80); // Width
        QCOMPARE(manager.value(p), QRect(20, 0, 80, 10));
        QCOMPARE(values.count(), 1);
        QCOMPARE(manager.subIntPropertyManager()->value(sub(p, 0)), 20); // X followed
        QCOMPARE(p->valueText(), QStringLiteral("[(20, 0), 80 x 10]"));
    }

    void rectangleFWithoutConstraintTakesNegatives()
    {
        QtRectFPropertyManager manager;
        QtProperty *p = manager.addProperty("r");
        manager.subDoublePropertyManager()->setValue(sub(p, 0), -5.5);
        QCOMPARE(manager.value(p).x(), -5.5);
        manager.subDoublePropertyManager()->setValue(sub(p, 2), -3);
        QCOMPARE(manager.value(p).width(), 0.0);
    }

    void sizeLimits()
    {
        QtSizePropertyManager manager;
        QtProperty *p = manager.addProperty("s");
        QStringList log;
        connect(&manager, &QtSizePropertyManager::rangeChanged,
                [&log](QtProperty *, const QSize &, const QSize &) { log << "range"; });
        connect(&manager, &QtSizePropertyManager::valueChanged,
                [&log](QtProperty *, const QSize &) { log << "value"; });
        manager.setMinimum(p, QSize(5, 5));
        QCOMPARE(manager.value(p), QSize(5, 5));
        QCOMPARE(log, (QStringList{"range", "value"}));
        manager.setRange(p, QSize(10, 50), QSize(20, 5));
        QCOMPARE(manager.minimum(p), QSize(10, 5));
        QCOMPARE(manager.maximum(p), QSize(20, 50));
        QCOMPARE(manager.value(p), QSize(10, 5));
        QCOMPARE(p->valueText(), QStringLiteral("10 x 5"));
    }

    void pointFDecimals()
    {
        QtPointFPropertyManager manager;
        QtProperty *p = manager.addProperty("p");
        manager.setValue(p, QPointF(1.5, 2));
        QCOMPARE(p->valueText(), QStringLiteral("(1.50, 2.00)"));
        QSignalSpy decimals(&manager, &QtPointFPropertyManager::decimalsChanged);
        QSignalSpy values(&manager, &QtPointFPropertyManager::valueChanged);
        manager.setDecimals(p, 20);
        QCOMPARE(manager.decimals(p), 13);
        manager.setDecimals(p, -3);
        QCOMPARE(manager.decimals(p), 0);
        QCOMPARE(decimals.count(), 2);
        QCOMPARE(values.count(), 0);
    }

    void flags()
    {
        QtFlagPropertyManager manager;
        QtProperty *p = manager.addProperty("f");
        QCOMPARE(manager.value(p), -1);
        QVERIFY(p->valueText().isEmpty());
        QStringList log;
        connect(&manager, &QtFlagPropertyManager::flagNamesChanged,
                [&log](QtProperty *, const QStringList &) { log << "names"; });
        connect(&manager, &QtAbstractPropertyManager::propertyChanged,
                [&log](QtProperty *) { log << "changed"; });
        connect(&manager, &QtFlagPropertyManager::valueChanged,
                [&log](QtProperty *, int v) { log << QStringLiteral("value %1").arg(v); });
        manager.setFlagNames(p, {"A", "B", "C"});
        QCOMPARE(log, (QStringList{"names", "changed", "value 0"}));
        QCOMPARE(p->subProperties().size(), 3);
        QCOMPARE(sub(p, 1)->propertyName(), QStringLiteral("B"));

        manager.setValue(p, 5);
        QCOMPARE(p->valueText(), QStringLiteral("A|C"));
        QtBoolPropertyManager *bools = manager.subBoolPropertyManager();
        QVERIFY(bools->value(sub(p, 0)));
        QVERIFY(!bools->value(sub(p, 1)));
        log.clear();
        manager.setValue(p, 8);
        manager.setValue(p, -1);
        QVERIFY(log.isEmpty());
        QCOMPARE(manager.value(p), 5);

        bools->setValue(sub(p, 1), true); // edit of a flag sub-property
        QCOMPARE(manager.value(p), 7);

        // A destroyed flag leaves its bit position empty; the others keep theirs.
        delete sub(p, 0);
        bools->setValue(p->subProperties().at(1), false); // C
        QCOMPARE(manager.value(p), 3);
    }

    void localeChangeOfLanguage()
    {
        QtLocalePropertyManager manager;
        QtProperty *p = manager.addProperty("l");
        const QtEnumNameProvider *names = enumNameProvider();
        int li = -1;
        int ci = -1;
        const QLocale start;
        names->localeToIndexes(start.language(), start.country(), &li, &ci);
        QtEnumPropertyManager *enums = manager.subEnumPropertyManager();
        QCOMPARE(enums->value(sub(p, 0)), li);
        QCOMPARE(enums->value(sub(p, 1)), ci);

        manager.setValue(p, QLocale(QLocale::English, QLocale::UnitedStates));
        const QLocale target(QLocale::German, QLocale::Switzerland);
        names->localeToIndexes(target.language(), target.country(), &li, &ci);
        QVERIFY(ci > 0); // not the first country of the language
        QList<QLocale> seen;
        connect(&manager, &QtLocalePropertyManager::valueChanged,
                [&seen](QtProperty *, const QLocale &l) { seen << l; });
        manager.setValue(p, target);
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen.first().language(), QLocale::German);
        QVERIFY(seen.first().country() != QLocale::Switzerland);
        QCOMPARE(seen.last(), target);
        QCOMPARE(manager.value(p), target);
        QCOMPARE(enums->enumNames(sub(p, 1)), names->countryNames(QLocale::German));
        QCOMPARE(p->valueText(),
                 QStringLiteral("%1, %2").arg(names->languageNames().at(li),
                                              names->countryNames(QLocale::German).at(ci)));
        // Editing the country part builds the locale of the shown language.
        int austria = -1;
        names->localeToIndexes(QLocale::German, QLocale::Austria, nullptr, &austria);
        enums->setValue(sub(p, 1), austria);
        QCOMPARE(manager.value(p), QLocale(QLocale::German, QLocale::Austria));
    }

    void languagesCoverTheQtInUse()
    {
        const QStringList languages = enumNameProvider()->languageNames();
        QVERIFY(languages.size() > 100);
        QVERIFY(languages.contains(QLocale::languageToString(QLocale::NigerianPidgin)) ||
                QLocale(QLocale::LastLanguage).language() != QLocale::LastLanguage);
    }

    void sizePolicyParts()
    {
        QtSizePolicyPropertyManager manager;
        QtProperty *p = manager.addProperty("sp");
        const QStringList policies = enumNameProvider()->policyNames();
        const QString fixed = policies.at(enumNameProvider()->policyToIndex(QSizePolicy::Fixed));
        QCOMPARE(p->valueText(), QStringLiteral("[%1, %1, 0, 0]").arg(fixed));
        manager.subIntPropertyManager()->setValue(sub(p, 2), 3);
        QCOMPARE(manager.value(p).horizontalStretch(), 3);
        manager.subIntPropertyManager()->setValue(sub(p, 3), 999); // bounded to 255
        QCOMPARE(manager.value(p).verticalStretch(), 255);
    }

    void colourParts()
    {
        QtColorPropertyManager manager;
        QtProperty *p = manager.addProperty("c");
        QCOMPARE(p->valueText(), QStringLiteral("[0, 0, 0] (255)"));
        manager.subIntPropertyManager()->setValue(sub(p, 0), 200);
        QCOMPARE(manager.value(p).red(), 200);
        QVERIFY(!p->valueIcon().isNull());
    }

    void fontPartsAndPixelFonts()
    {
        QtFontPropertyManager manager;
        QtProperty *p = manager.addProperty("f");
        QCOMPARE(p->subProperties().size(), 7);
        QFont pixel;
        pixel.setPixelSize(12);
        QSignalSpy values(&manager, &QtFontPropertyManager::valueChanged);
        manager.setValue(p, pixel);
        QCOMPARE(values.count(), 1); // part echoes do not write the font again
        QCOMPARE(manager.subIntPropertyManager()->value(sub(p, 1)), 1);
        QCOMPARE(manager.value(p).pixelSize(), 12);
        manager.subBoolPropertyManager()->setValue(sub(p, 2), true);
        QVERIFY(manager.value(p).bold());

        QFont stranger(QStringLiteral("No Such Family Anywhere"), 9);
        manager.setValue(p, stranger);
        QCOMPARE(manager.subEnumPropertyManager()->value(sub(p, 0)), 0);
        QCOMPARE(manager.value(p).family(), stranger.family());
    }

    void fontRefreshIsCoalesced()
    {
        QtFontPropertyManager manager;
        QtProperty *p = manager.addProperty("f");
        QSignalSpy values(&manager, &QtFontPropertyManager::valueChanged);
        for (int i = 0; i < 3; ++i)
            QMetaObject::invokeMethod(&manager, "slotFontDatabaseChanged");
        QTest::qWait(0);
        QCoreApplication::processEvents();
        QCOMPARE(values.count(), 0); // same family list: nothing to announce
        QVERIFY(p);
    }

    void cursorShapes()
    {
        QtCursorPropertyManager manager;
        QtProperty *p = manager.addProperty("c");
        QSignalSpy values(&manager, &QtCursorPropertyManager::valueChanged);
        manager.setValue(p, QCursor(Qt::ArrowCursor));
        QCOMPARE(values.count(), 0);
        manager.setValue(p, QCursor(Qt::IBeamCursor));
        QCOMPARE(p->valueText(), QStringLiteral("IBeam"));
        QBitmap bits(16, 16);
        bits.clear();
        manager.setValue(p, QCursor(bits, bits));
        manager.setValue(p, QCursor(bits, bits));
        QCOMPARE(values.count(), 3);
        QVERIFY(p->valueText().isEmpty());
    }
};

QTEST_MAIN(TestCompoundManagers)
#include "test_compound_managers.moc"
