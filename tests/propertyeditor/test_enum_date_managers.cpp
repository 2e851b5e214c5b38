#include "propertyeditor/QtCharPropertyManager.h"
#include "propertyeditor/QtDatePropertyManager.h"
#include "propertyeditor/QtDateTimePropertyManager.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtKeySequencePropertyManager.h"
#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtTimePropertyManager.h"

#include "propertyeditor/QtBrowserItem.h"
#include <QLocale>
#include <QPixmap>

#include <QSignalSpy>
#include <QTest>

namespace {
QStringList *watchEnum(QtEnumPropertyManager *manager)
{
    auto *log = new QStringList;
    QObject::connect(manager, &QtAbstractPropertyManager::propertyChanged,
                     [log](QtProperty *) { *log << QStringLiteral("propertyChanged"); });
    QObject::connect(manager, &QtEnumPropertyManager::valueChanged, [log](QtProperty *, int v) {
        *log << QStringLiteral("valueChanged %1").arg(v);
    });
    QObject::connect(manager, &QtEnumPropertyManager::enumNamesChanged,
                     [log](QtProperty *, const QStringList &names) {
                         *log << QStringLiteral("enumNamesChanged %1").arg(names.join(','));
                     });
    QObject::connect(manager, &QtEnumPropertyManager::enumIconsChanged,
                     [log](QtProperty *, const QMap<int, QIcon> &icons) {
                         *log << QStringLiteral("enumIconsChanged %1").arg(icons.size());
                     });
    return log;
}

QIcon swatch(Qt::GlobalColor color)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    return QIcon(pixmap);
}
} // namespace

class TestEnumDateManagers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Lets signal spies count signals that carry these pointers.
        qRegisterMetaType<QtProperty *>("QtProperty*");
        qRegisterMetaType<QtBrowserItem *>("QtBrowserItem*");
    }

    void enumerationSignals_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("index");
        const QStringList abc{"a", "b", "c"};
        QTest::newRow("pick") << abc << 0 << "value 2"
                              << QStringList{"propertyChanged", "valueChanged 2"} << 2;
        // A value without a name is taken and named by its number; the old name never stays.
        QTest::newRow("past the names")
            << abc << 0 << "value 3" << QStringList{"propertyChanged", "valueChanged 3"} << 3;
        QTest::newRow("negative with names")
            << abc << 1 << "value -1" << QStringList{"propertyChanged", "valueChanged -1"} << -1;
        QTest::newRow("no names take 0") << QStringList() << -1 << "value 0"
                                         << QStringList{"propertyChanged", "valueChanged 0"} << 0;
        QTest::newRow("no names take negatives as -1")
            << QStringList() << -1 << "value -5" << QStringList() << -1;
        QTest::newRow("new names reset to 0")
            << abc << 2 << "names a,b,c,d,e"
            << QStringList{"enumNamesChanged a,b,c,d,e", "propertyChanged", "valueChanged 0"} << 0;
        QTest::newRow("new names from index 0 still signal")
            << abc << 0 << "names x,y"
            << QStringList{"enumNamesChanged x,y", "propertyChanged", "valueChanged 0"} << 0;
        QTest::newRow("same names are silent") << abc << 2 << "names a,b,c" << QStringList() << 2;
        QTest::newRow("empty names give -1")
            << abc << 1 << "names "
            << QStringList{"enumNamesChanged ", "propertyChanged", "valueChanged -1"} << -1;
        QTest::newRow("icons always signal")
            << abc << 0 << "icons" << QStringList{"enumIconsChanged 0", "propertyChanged"} << 0;
    }
    void enumerationSignals()
    {
        QFETCH(QStringList, names);
        QFETCH(int, start);
        QFETCH(QString, op);
        QFETCH(QStringList, expected);
        QFETCH(int, index);
        QtEnumPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("e"));
        manager.setEnumNames(p, names);
        manager.setValue(p, start);
        QScopedPointer<QStringList> log(watchEnum(&manager));
        if (op.startsWith(QLatin1String("value ")))
            manager.setValue(p, op.mid(6).toInt());
        else if (op.startsWith(QLatin1String("names ")))
            manager.setEnumNames(p, op.mid(6).isEmpty() ? QStringList() : op.mid(6).split(','));
        else
            manager.setEnumIcons(p, QMap<int, QIcon>());
        QCOMPARE(*log, expected);
        QCOMPARE(manager.value(p), index);
        const QStringList now = manager.enumNames(p);
        const QString text = index < 0 ? QString()
                             : index < now.size()
                                 ? now.at(index)
                                 : QtEnumPropertyManager::tr("Unknown (%1)").arg(index);
        QCOMPARE(p->valueText(), text);
    }

    void enumerationIconFollowsIndex()
    {
        QtEnumPropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("e"));
        manager.setEnumNames(p, {"a", "b", "c"});
        QMap<int, QIcon> icons;
        icons[1] = swatch(Qt::red);
        manager.setEnumIcons(p, icons);
        QVERIFY(p->valueIcon().isNull());
        manager.setValue(p, 1);
        QCOMPARE(p->valueIcon().cacheKey(), icons[1].cacheKey());
        QCOMPARE(manager.enumIcons(p).size(), 1);
    }

    void dateRangeAndClamping()
    {
        QtDatePropertyManager manager;
        QtProperty *p = manager.addProperty(QStringLiteral("d"));
        QCOMPARE(manager.value(p), QDate::currentDate());
        QCOMPARE(manager.minimum(p), QDate(1752, 9, 14));
        QCOMPARE(manager.maximum(p), QDate(7999, 12, 31));

        QStringList log;
        connect(&manager, &QtAbstractPropertyManager::propertyChanged,
                [&log](QtProperty *) { log << "propertyChanged"; });
        connect(
            &manager, &QtDatePropertyManager::valueChanged,
            [&log](QtProperty *, const QDate &d) { log << "value " + d.toString(Qt::ISODate); });
        connect(&manager, &QtDatePropertyManager::rangeChanged,
                [&log](QtProperty *, const QDate &a, const QDate &b) {
                    log << "range " + a.toString(Qt::ISODate) + " " + b.toString(Qt::ISODate);
                });

        manager.setValue(p, QDate(1700, 1, 1));
        QCOMPARE(log, (QStringList{"propertyChanged", "value 1752-09-14"}));
        log.clear();
        manager.setValue(p, QDate(2020, 5, 5));
        manager.setValue(p, QDate());
        QCOMPARE(manager.value(p), QDate(1752, 9, 14)); // a null date sorts first
        log.clear();
        manager.setRange(p, QDate(2030, 1, 1), QDate(2000, 1, 1));
        QCOMPARE(log, (QStringList{"range 2000-01-01 2030-01-01", "propertyChanged",
                                   "value 2000-01-01"}));
        log.clear();
        manager.setRange(p, QDate(2000, 1, 1), QDate(2030, 1, 1));
        QVERIFY(log.isEmpty());
        manager.setMaximum(p, QDate(1999, 1, 1));
        QCOMPARE(manager.minimum(p), QDate(1999, 1, 1));
        QCOMPARE(manager.value(p), QDate(1999, 1, 1));
    }

    void formatsAreFixedWhenTheManagerIsMade()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QtDatePropertyManager dates;
        QtTimePropertyManager times;
        QtDateTimePropertyManager stamps;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QLocale german(QLocale::German, QLocale::Germany);

        QtProperty *d = dates.addProperty(QStringLiteral("d"));
        QtProperty *t = times.addProperty(QStringLiteral("t"));
        QtProperty *s = stamps.addProperty(QStringLiteral("s"));
        dates.setValue(d, QDate(2024, 3, 7));
        times.setValue(t, QTime(13, 45));
        stamps.setValue(s, QDateTime(QDate(2024, 3, 7), QTime(13, 45)));
        QCOMPARE(d->valueText(),
                 QDate(2024, 3, 7).toString(german.dateFormat(QLocale::ShortFormat)));
        QCOMPARE(t->valueText(), QTime(13, 45).toString(german.timeFormat(QLocale::ShortFormat)));
        QCOMPARE(s->valueText(), d->valueText() + ' ' + t->valueText());
        QLocale::setDefault(previous);
    }

    void singleValueManagers()
    {
        QtCharPropertyManager chars;
        QtKeySequencePropertyManager keys;
        QtProperty *c = chars.addProperty(QStringLiteral("c"));
        QtProperty *k = keys.addProperty(QStringLiteral("k"));
        QVERIFY(c->valueText().isEmpty());
        QVERIFY(k->valueText().isEmpty());

        QSignalSpy charSpy(&chars, &QtCharPropertyManager::valueChanged);
        chars.setValue(c, QChar());
        QCOMPARE(charSpy.count(), 0);
        chars.setValue(c, QChar('Z'));
        QCOMPARE(charSpy.count(), 1);
        QCOMPARE(c->valueText(), QStringLiteral("Z"));

        const QKeySequence sequence(Qt::CTRL + Qt::Key_S);
        keys.setValue(k, sequence);
        QCOMPARE(k->valueText(), sequence.toString(QKeySequence::NativeText));
    }

    void defaultsForUnknownProperties()
    {
        QtEnumPropertyManager enums;
        QtDatePropertyManager dates;
        QtTimePropertyManager times;
        QtDateTimePropertyManager stamps;
        QtCharPropertyManager chars;
        QtKeySequencePropertyManager keys;
        QtProperty *stranger = enums.addProperty(QStringLiteral("x"));
        QCOMPARE(dates.value(stranger), QDate());
        QCOMPARE(dates.maximum(stranger), QDate());
        QCOMPARE(times.value(stranger), QTime());
        QCOMPARE(stamps.value(stranger), QDateTime());
        QCOMPARE(chars.value(stranger), QChar());
        QCOMPARE(keys.value(stranger), QKeySequence());
        QSignalSpy spy(&dates, &QtAbstractPropertyManager::propertyChanged);
        dates.setValue(stranger, QDate(2000, 1, 1));
        times.setValue(stranger, QTime(1, 1));
        QCOMPARE(spy.count(), 0);
        QtEnumPropertyManager other;
        QCOMPARE(other.value(stranger), -1);
        QVERIFY(other.enumNames(stranger).isEmpty());
    }
};

QTEST_MAIN(TestEnumDateManagers)
#include "test_enum_date_managers.moc"
