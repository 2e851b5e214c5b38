#include "propertyeditor/QtCharEdit.h"
#include "propertyeditor/QtCharEditorFactory.h"
#include "propertyeditor/QtColorEditWidget.h"
#include "propertyeditor/QtColorEditorFactory.h"
#include "propertyeditor/QtCursorEditorFactory.h"
#include "propertyeditor/QtDateEditFactory.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtFontEditWidget.h"
#include "propertyeditor/QtKeySequenceEdit.h"
#include "propertyeditor/QtKeySequenceEditorFactory.h"
#include "support/ModalRecorder.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
// Opens an editor the way a browser does: through the type-free factory interface.
QWidget *open(QtAbstractEditorFactoryBase &factory, QtProperty *property, QWidget *parent)
{
    return factory.createEditor(property, parent);
}
} // namespace

class TestValueEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }

    void charEditTakesOnePrintableCharacter()
    {
        QtCharEdit edit;
        QList<QChar> seen;
        connect(&edit, &QtCharEdit::valueChanged, [&seen](const QChar &c) { seen << c; });
        QTest::keyClick(&edit, 'a');
        QTest::keyClick(&edit, 'a');
        QTest::keyClick(&edit, Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(seen, QList<QChar>{QChar('a')});
        QCOMPARE(edit.findChild<QLineEdit *>()->text(), QStringLiteral("a"));
        edit.setValue(QChar());
        QVERIFY(edit.findChild<QLineEdit *>()->text().isEmpty());
        QCOMPARE(seen.size(), 1); // setValue never emits
    }

    void charFactoryCommits()
    {
        QtCharPropertyManager manager;
        QtCharEditorFactory factory;
        factory.addPropertyManager(&manager);
        QtProperty *p = manager.addProperty("c");
        QWidget parent;
        auto *edit = qobject_cast<QtCharEdit *>(open(factory, p, &parent));
        QVERIFY(edit);
        QTest::keyClick(edit, 'Z', Qt::ShiftModifier);
        QCOMPARE(manager.value(p), QChar('Z'));
        manager.setValue(p, QChar('q'));
        QCOMPARE(edit->value(), QChar('q'));
    }

    void colourDialogAnsweredOrCancelled()
    {
        ModalRecorder recorder;
        QtColorEditWidget edit;
        edit.setValue(QColor(10, 20, 30));
        QSignalSpy changed(&edit, &QtColorEditWidget::valueChanged);
        auto *button = edit.findChild<QToolButton *>();
        button->click(); // the default answer cancels
        QCOMPARE(changed.count(), 0);
        QCOMPARE(recorder.count("dialog"), 1);

        recorder.reply = [](const ModalAnswerer::Request &) { return int(0xff00ff00u); };
        button->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(edit.value(), QColor(0, 255, 0));
        button->click(); // the same colour again changes nothing
        QCOMPARE(changed.count(), 1);
        const QList<QLabel *> labels = edit.findChildren<QLabel *>();
        bool textShown = false;
        for (QLabel *label : labels)
            textShown = textShown || label->text() == QStringLiteral("[0, 255, 0] (255)");
        QVERIFY(textShown);
    }

    void fontDialogKeepsOtherAttributes()
    {
        ModalRecorder recorder;
        recorder.reply = [](const ModalAnswerer::Request &) { return 17; };
        QtFontEditWidget edit;
        QFont start(QStringLiteral("Sans"), 9);
        start.setUnderline(true);
        start.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        edit.setValue(start);
        QSignalSpy changed(&edit, &QtFontEditWidget::valueChanged);
        edit.findChild<QToolButton *>()->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(edit.value().pointSize(), 17);
        QVERIFY(edit.value().underline());
        QCOMPARE(edit.value().letterSpacing(), 2.0);
        QCOMPARE(recorder.seen.last().title, QStringLiteral("Select Font"));
    }

    void colourFactoryWritesTheChosenColour()
    {
        ModalRecorder recorder;
        recorder.reply = [](const ModalAnswerer::Request &) { return int(0xff0000ffu); };
        QtColorPropertyManager manager;
        QtColorEditorFactory factory;
        factory.addPropertyManager(&manager);
        QtProperty *p = manager.addProperty("c");
        QWidget parent;
        auto *edit = qobject_cast<QtColorEditWidget *>(open(factory, p, &parent));
        QVERIFY(edit);
        edit->findChild<QToolButton *>()->click();
        QCOMPARE(manager.value(p), QColor(0, 0, 255));
    }

    void dateEditorFollowsRangeAndWritesEachStep()
    {
        QtDatePropertyManager manager;
        QtDateEditFactory factory;
        factory.addPropertyManager(&manager);
        QtProperty *p = manager.addProperty("d");
        manager.setValue(p, QDate(2020, 6, 15));
        QWidget parent;
        auto *edit = qobject_cast<QDateEdit *>(open(factory, p, &parent));
        QVERIFY(edit);
        QVERIFY(edit->calendarPopup());
        manager.setRange(p, QDate(2021, 1, 1), QDate(2021, 12, 31));
        QCOMPARE(edit->minimumDate(), QDate(2021, 1, 1));
        QCOMPARE(edit->date(), QDate(2021, 1, 1));
        edit->setDate(QDate(2021, 3, 3));
        QCOMPARE(manager.value(p), QDate(2021, 3, 3));
    }

    void keySequenceFromTheManagerIsNotWrittenBack()
    {
        QtKeySequencePropertyManager manager;
        QtKeySequenceEditorFactory factory;
        factory.addPropertyManager(&manager);
        QtProperty *p = manager.addProperty("k");
        QWidget parent;
        auto *edit = qobject_cast<QtKeySequenceEdit *>(open(factory, p, &parent));
        QVERIFY(edit);
        QSignalSpy values(&manager, &QtKeySequencePropertyManager::valueChanged);
        manager.setValue(p, QKeySequence(Qt::Key_F5));
        QCOMPARE(edit->keySequence(), QKeySequence(Qt::Key_F5));
        QCOMPARE(values.count(), 1);
    }

    void cursorEditorsShareOneChoice()
    {
        QtCursorPropertyManager manager;
        QtCursorEditorFactory factory;
        factory.addPropertyManager(&manager);
        QtProperty *p = manager.addProperty("cursor");
        auto *inner = factory.findChild<QtEnumPropertyManager *>();
        QVERIFY(inner);
        QWidget parent;
        QPointer<QComboBox> first = qobject_cast<QComboBox *>(open(factory, p, &parent));
        QPointer<QComboBox> second = qobject_cast<QComboBox *>(open(factory, p, &parent));
        QVERIFY(first && second);
        QCOMPARE(inner->properties().size(), 1);
        QCOMPARE(first->count(), 19);

        QSignalSpy values(&manager, &QtCursorPropertyManager::valueChanged);
        first->setCurrentIndex(4);
        QCOMPARE(values.count(), 1);
        QCOMPARE(manager.value(p).shape(), Qt::IBeamCursor);
        QCOMPARE(second->currentIndex(), 4);

        manager.setValue(p, QCursor(Qt::CrossCursor));
        QCOMPARE(first->currentIndex(), 2);
        QCOMPARE(values.count(), 2); // moved, nothing written back

        delete first;
        QCOMPARE(inner->properties().size(), 1);
        delete second;
        QVERIFY(inner->properties().isEmpty());
    }
};

QTEST_MAIN(TestValueEditors)
#include "test_value_editors.moc"
