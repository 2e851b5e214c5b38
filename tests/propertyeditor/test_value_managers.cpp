#include "propertyeditor/ButtonPropertyManager.h"
#include "propertyeditor/QtBoolPropertyManager.h"
#include "propertyeditor/QtDoublePropertyManager.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtStringPropertyManager.h"

#include "propertyeditor/QtBrowserItem.h"
#include <QLocale>

#include <QSignalSpy>
#include <QTest>

namespace {
QString num(double v)
{
    return QString::number(v, 'g', 12);
}

// Logs the signals of an integer or double manager in the order they arrive.
template <class Manager, class Number> QStringList *watchNumbers(Manager *manager)
{
    auto *log = new QStringList;
    QObject::connect(manager, &QtAbstractPropertyManager::propertyChanged,
                     [log](QtProperty *) { *log << QStringLiteral("propertyChanged"); });
    QObject::connect(manager, &Manager::valueChanged, [log](QtProperty *, Number v) {
        *log << QStringLiteral("valueChanged %1").arg(num(v));
    });
    QObject::connect(manager, &Manager::rangeChanged, [log](QtProperty *, Number a, Number b) {
        *log << QStringLiteral("rangeChanged %1 %2").arg(num(a), num(b));
    });
    QObject::connect(manager, &Manager::singleStepChanged, [log](QtProperty *, Number s) {
        *log << QStringLiteral("singleStepChanged %1").arg(num(s));
    });
    QObject::connect(manager, &Manager::readOnlyChanged, [log](QtProperty *, bool r) {
        *log << QStringLiteral("readOnlyChanged %1").arg(r);
    });
    QObject::connect(manager, &Manager::suffixChanged, [log](QtProperty *, const QString &s) {
        *log << QStringLiteral("suffixChanged %1").arg(s);
    });
    return log;
}

// Runs "op arg [arg]" steps against a number manager.
template <class Manager, class Number>
void runSteps(Manager &manager, QtProperty *p, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QStringList w = step.split(QLatin1Char(' '));
        const QString op = w.at(0);
        auto n = [&w](int i) { return static_cast<Number>(w.at(i).toDouble()); };
        if (op == QLatin1String("value"))
            manager.setValue(p, n(1));
        else if (op == QLatin1String("min"))
            manager.setMinimum(p, n(1));
        else if (op == QLatin1String("max"))
            manager.setMaximum(p, n(1));
        else if (op == QLatin1String("range"))
            manager.setRange(p, n(1), n(2));
        else if (op == QLatin1String("step"))
            manager.setSingleStep(p, n(1));
        else if (op == QLatin1String("readonly"))
            manager.setReadOnly(p, w.at(1) == QLatin1String("1"));
        else if (op == QLatin1String("suffix"))
            manager.setSuffix(p, step.mid(7));
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void numberCases()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<double>("value");

    QTest::newRow("value in range") << QStringList() << QStringList{"value 7"}
                                    << QStringList{"propertyChanged", "valueChanged 7"} << 7.0;
    QTest::newRow("same value is silent")
        << QStringList{"value 7"} << QStringList{"value 7"} << QStringList() << 7.0;
    QTest::newRow("above max is clamped")
        << QStringList{"max 10", "value 5"} << QStringList{"value 15"}
        << QStringList{"propertyChanged", "valueChanged 10"} << 10.0;
    QTest::newRow("clamped onto the border it sits on is silent")
        << QStringList{"max 10", "value 10"} << QStringList{"value 15"} << QStringList() << 10.0;
    QTest::newRow("below min is clamped")
        << QStringList{"min -3"} << QStringList{"value -9"}
        << QStringList{"propertyChanged", "valueChanged -3"} << -3.0;
    QTest::newRow("min above max drags max and value")
        << QStringList{"range 0 10", "value 4"} << QStringList{"min 20"}
        << QStringList{"rangeChanged 20 20", "propertyChanged", "valueChanged 20"} << 20.0;
    QTest::newRow("max below value lowers it")
        << QStringList{"value 8"} << QStringList{"max 5"}
        << QStringList{"rangeChanged -2147483647 5", "propertyChanged", "valueChanged 5"} << 5.0;
    QTest::newRow("range not touching the value")
        << QStringList{"value 3"} << QStringList{"range 0 10"} << QStringList{"rangeChanged 0 10"}
        << 3.0;
    QTest::newRow("reversed range is swapped")
        << QStringList() << QStringList{"range 5 1"}
        << QStringList{"rangeChanged 1 5", "propertyChanged", "valueChanged 1"} << 1.0;
    QTest::newRow("same range again is silent")
        << QStringList{"range 1 5"} << QStringList{"range 5 1", "min 1", "max 5"} << QStringList()
        << 1.0;
    QTest::newRow("negative step becomes zero") << QStringList() << QStringList{"step -3", "step 0"}
                                                << QStringList{"singleStepChanged 0"} << 0.0;
    QTest::newRow("read-only is shown")
        << QStringList() << QStringList{"readonly 1", "readonly 1"}
        << QStringList{"propertyChanged", "readOnlyChanged 1"} << 0.0;
    QTest::newRow("suffix alone does not refresh the row")
        << QStringList() << QStringList{"suffix  V", "suffix  V"} << QStringList{"suffixChanged  V"}
        << 0.0;
}
} // namespace

class TestValueManagers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Lets signal spies count signals that carry these pointers.
        qRegisterMetaType<QtProperty *>("QtProperty*");
        qRegisterMetaType<QtBrowserItem *>("QtBrowserItem*");
    }

    void integerSignals_data() { numberCases(); }
    void integerSignals()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        QFETCH(double, value);
        QtIntPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("n"));
        QScopedPointer<QStringList> log(watchNumbers<QtIntPropertyManager, int>(&manager));
        runSteps<QtIntPropertyManager, int>(manager, p, setup);
        log->clear();
        runSteps<QtIntPropertyManager, int>(manager, p, steps);
        QCOMPARE(*log, expected);
        QCOMPARE(manager.value(p), int(value));
        QVERIFY(manager.minimum(p) <= manager.value(p));
        QVERIFY(manager.value(p) <= manager.maximum(p));
    }

    void doubleSignals_data() { numberCases(); }
    void doubleSignals()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        QFETCH(double, value);
        QtDoublePropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("d"));
        QScopedPointer<QStringList> log(watchNumbers<QtDoublePropertyManager, double>(&manager));
        runSteps<QtDoublePropertyManager, double>(manager, p, setup);
        log->clear();
        runSteps<QtDoublePropertyManager, double>(manager, p, steps);
        QCOMPARE(*log, expected);
        QCOMPARE(manager.value(p), value);
    }

    void integerDefaultsAndText()
    {
        QtIntPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("n"));
        QCOMPARE(manager.value(p), 0);
        QCOMPARE(manager.minimum(p), -2147483647);
        QCOMPARE(manager.maximum(p), 2147483647);
        QCOMPARE(manager.singleStep(p), 1);
        QVERIFY(!manager.isReadOnly(p));
        QCOMPARE(p->valueText(), QLocale::system().toString(0));

        manager.setValue(p, -12345);
        manager.setSuffix(p, QStringLiteral(" dB"));
        QCOMPARE(p->valueText(), QLocale::system().toString(-12345) + QStringLiteral(" dB"));
    }

    void doubleDecimalsAndText()
    {
        QtDoublePropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("d"));
        QCOMPARE(manager.decimals(p), 2);
        QSignalSpy decimals(&manager, &QtDoublePropertyManager::decimalsChanged);
        QSignalSpy changed(&manager, &QtAbstractPropertyManager::propertyChanged);
        manager.setDecimals(p, 20);
        QCOMPARE(manager.decimals(p), 13);
        manager.setDecimals(p, -1);
        QCOMPARE(manager.decimals(p), 0);
        manager.setDecimals(p, 0);
        QCOMPARE(decimals.count(), 2);
        QCOMPARE(changed.count(), 0); // decimals alone do not refresh the row

        manager.setDecimals(p, 3);
        manager.setSuffix(p, QStringLiteral("%"));
        manager.setValue(p, 1234.56789);
        QCOMPARE(manager.value(p), 1234.56789); // never rounded
        QCOMPARE(p->valueText(), QLocale::system().toString(1234.56789, 'f', 3) + "%");
    }

    void doubleComparesExactly()
    {
        QtDoublePropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("d"));
        QSignalSpy values(&manager, &QtDoublePropertyManager::valueChanged);
        manager.setValue(p, 0.1 + 0.2);
        manager.setValue(p, 0.3);
        QCOMPARE(values.count(), 2);
    }

    void booleanCaptions_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("falseText");
        QTest::addColumn<QString>("trueText");
        QTest::newRow("two") << QStringList{"Off", "On"} << "Off"
                             << "On";
        QTest::newRow("one") << QStringList{"Off"} << "Off"
                             << "True";
        QTest::newRow("none") << QStringList() << "False"
                              << "True";
        QTest::newRow("three") << QStringList{"No", "Yes", "Maybe"} << "No"
                               << "Yes";
    }
    void booleanCaptions()
    {
        QFETCH(QStringList, captions);
        QFETCH(QString, falseText);
        QFETCH(QString, trueText);
        QtBoolPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("b"));
        QSignalSpy captionSpy(&manager, &QtBoolPropertyManager::captionsChanged);
        QSignalSpy changed(&manager, &QtAbstractPropertyManager::propertyChanged);
        manager.setCaptions(p, captions);
        QCOMPARE(captionSpy.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(manager.captions(p), captions); // stored unchanged
        QCOMPARE(p->valueText(), falseText);
        manager.setValue(p, true);
        QCOMPARE(p->valueText(), trueText);
    }

    void booleanSignalsAndIcon()
    {
        QtBoolPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("b"));
        QCOMPARE(manager.captions(p), (QStringList{"False", "True"}));
        QVERIFY(manager.textVisible(p));
        QStringList log;
        connect(&manager, &QtAbstractPropertyManager::propertyChanged,
                [&log](QtProperty *) { log << "propertyChanged"; });
        connect(&manager, &QtBoolPropertyManager::valueChanged,
                [&log](QtProperty *, bool v) { log << QStringLiteral("valueChanged %1").arg(v); });
        connect(&manager, &QtBoolPropertyManager::textVisibleChanged, [&log](QtProperty *, bool v) {
            log << QStringLiteral("textVisibleChanged %1").arg(v);
        });
        const QIcon uncheckedIcon = p->valueIcon();
        manager.setValue(p, true);
        manager.setValue(p, true);
        manager.setTextVisible(p, false);
        QCOMPARE(log, (QStringList{"propertyChanged", "valueChanged 1", "propertyChanged",
                                   "textVisibleChanged 0"}));
        QVERIFY(p->valueText().isEmpty());
        QVERIFY(!p->valueIcon().isNull()); // the check box shows without text too
        QVERIFY(p->valueIcon().cacheKey() != uncheckedIcon.cacheKey());
    }

    void stringPatternAndEcho()
    {
        QtStringPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("s"));
        QSignalSpy values(&manager, &QtStringPropertyManager::valueChanged);
        manager.setValue(p, QStringLiteral("abc"));
        manager.setValue(p, QString());
        QCOMPARE(values.count(), 2); // the initial pattern accepts everything

        manager.setValue(p, QStringLiteral("x1"));
        QSignalSpy patterns(&manager, &QtStringPropertyManager::regExpChanged);
        QSignalSpy changed(&manager, &QtAbstractPropertyManager::propertyChanged);
        manager.setRegExp(p, QRegExp(QStringLiteral("[0-9]*")));
        QCOMPARE(patterns.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(manager.value(p), QStringLiteral("x1")); // not re-checked
        values.clear();
        manager.setValue(p, QStringLiteral("12a"));
        QCOMPARE(values.count(), 0);
        QCOMPARE(manager.value(p), QStringLiteral("x1"));
        manager.setValue(p, QStringLiteral("12"));
        QCOMPARE(values.count(), 1);

        manager.setEchoMode(p, QLineEdit::Password);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(p->valueText(), QStringLiteral("12"));
        QCOMPARE(p->displayText().size(), 2);
        QVERIFY(p->displayText() != QStringLiteral("12"));
        manager.setEchoMode(p, QLineEdit::NoEcho);
        QVERIFY(p->displayText().isEmpty());
    }

    void unknownPropertiesAreIgnored()
    {
        QtIntPropertyManager ints;
        QtDoublePropertyManager doubles;
        QtBoolPropertyManager bools;
        QtStringPropertyManager strings;
        QtGroupPropertyManager groups;
        QtProperty *stranger = groups.addProperty(QStringLiteral("g"));
        QSignalSpy a(&ints, &QtAbstractPropertyManager::propertyChanged);
        QSignalSpy b(&doubles, &QtAbstractPropertyManager::propertyChanged);
        QSignalSpy c(&bools, &QtBoolPropertyManager::captionsChanged);
        QSignalSpy d(&strings, &QtAbstractPropertyManager::propertyChanged);
        ints.setValue(stranger, 5);
        ints.setRange(stranger, 1, 2);
        doubles.setValue(stranger, 5);
        bools.setCaptions(stranger, {"a", "b"});
        strings.setValue(stranger, "x");
        QCOMPARE(a.count() + b.count() + c.count() + d.count(), 0);
        QCOMPARE(ints.maximum(stranger), 0);
        QCOMPARE(doubles.decimals(stranger), 0);
        QVERIFY(!bools.textVisible(stranger));
        QCOMPARE(bools.captions(stranger), (QStringList{"False", "True"}));
        QCOMPARE(strings.regExp(stranger), QRegExp());
    }

    void deletedPropertyLeavesNoRecord()
    {
        QtIntPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("n"));
        manager.setValue(p, 9);
        delete p;
        QtProperty *q = manager.addProperty(QStringLiteral("again"));
        QCOMPARE(manager.value(q), 0); // a new property never inherits an old record
        QCOMPARE(manager.properties().size(), 1);
    }

    void groupAndButtonRows()
    {
        QtGroupPropertyManager groups;
        ButtonPropertyManager buttons;
        QtProperty *g = groups.addProperty(QStringLiteral("g"));
        QtProperty *b = buttons.addProperty(QStringLiteral("b"));
        QVERIFY(!g->hasValue());
        QVERIFY(g->valueText().isEmpty());
        QVERIFY(b->hasValue());
        QVERIFY(b->valueText().isEmpty());
        QVERIFY(b->valueIcon().isNull());
    }
};

QTEST_MAIN(TestValueManagers)
#include "test_value_managers.moc"
