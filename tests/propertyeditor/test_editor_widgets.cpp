#include "propertyeditor/QtBoolEdit.h"
#include "propertyeditor/QtCursorDatabase.h"
#include "propertyeditor/QtKeySequenceEdit.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QBitmap>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestEditorWidgets : public QObject
{
    Q_OBJECT
private slots:
    void boolEditShowsTheCaptionOfItsState()
    {
        QtBoolEdit edit;
        auto *box = edit.findChild<QCheckBox *>();
        QVERIFY(box);
        edit.setCaptions({"Off", "On"});
        edit.setChecked(true);
        QCOMPARE(box->text(), QStringLiteral("On"));
        edit.setChecked(false);
        QCOMPARE(box->text(), QStringLiteral("Off"));

        edit.setTextVisible(false);
        QVERIFY(box->text().isEmpty());
        edit.setCaptions({"No", "Yes"});
        QVERIFY(box->text().isEmpty());
        edit.setTextVisible(true);
        QCOMPARE(box->text(), QStringLiteral("No"));
    }

    void boolEditShortCaptionListsFallBack_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("offText");
        QTest::addColumn<QString>("onText");
        QTest::newRow("one") << QStringList{"Off"} << "Off"
                             << "True";
        QTest::newRow("none") << QStringList() << "False"
                              << "True";
    }
    void boolEditShortCaptionListsFallBack()
    {
        QFETCH(QStringList, captions);
        QFETCH(QString, offText);
        QFETCH(QString, onText);
        QtBoolEdit edit;
        auto *box = edit.findChild<QCheckBox *>();
        edit.setCaptions(captions);
        edit.setChecked(false);
        QCOMPARE(box->text(), offText);
        edit.setChecked(true);
        QCOMPARE(box->text(), onText);
    }

    void boolEditTogglesOnAPressAnywhere()
    {
        QtBoolEdit edit;
        edit.resize(200, 24);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QSignalSpy toggled(&edit, &QtBoolEdit::toggled);
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(190, 12)); // right of the box
        QCOMPARE(toggled.count(), 1);
        QVERIFY(edit.isChecked());
        QTest::mousePress(&edit, Qt::RightButton, {}, QPoint(190, 12));
        QCOMPARE(toggled.count(), 1);

        const bool wasBlocked = edit.blockCheckBoxSignals(true);
        QVERIFY(!wasBlocked);
        edit.setChecked(false);
        QCOMPARE(toggled.count(), 1);
        QVERIFY(edit.blockCheckBoxSignals(false));
    }

    void keySequenceRecordsUpToFourKeys()
    {
        QtKeySequenceEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QList<QKeySequence> seen;
        connect(&edit, &QtKeySequenceEdit::keySequenceChanged,
                [&seen](const QKeySequence &s) { seen << s; });
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_B);
        QTest::keyClick(&edit, Qt::Key_C);
        QTest::keyClick(&edit, Qt::Key_D);
        QTest::keyClick(&edit, Qt::Key_E);
        QCOMPARE(seen.size(), 5);
        QCOMPARE(seen.at(0), QKeySequence(Qt::CTRL + Qt::Key_A));
        QCOMPARE(seen.at(3), QKeySequence(Qt::CTRL + Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D));
        QCOMPARE(seen.at(4), QKeySequence(Qt::Key_E));
        QCOMPARE(edit.findChild<QLineEdit *>()->text(),
                 QKeySequence(Qt::Key_E).toString(QKeySequence::NativeText));
    }

    void keySequenceModifiers()
    {
        QtKeySequenceEdit edit;
        QList<QKeySequence> seen;
        connect(&edit, &QtKeySequenceEdit::keySequenceChanged,
                [&seen](const QKeySequence &s) { seen << s; });
        QTest::keyClick(&edit, Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(seen.isEmpty());
        QTest::keyClick(&edit, '!', Qt::ShiftModifier);
        QCOMPARE(seen.last(), QKeySequence(Qt::Key_Exclam)); // shift is in the character
        edit.setKeySequence(QKeySequence());
        QTest::keyClick(&edit, Qt::Key_Q, Qt::ShiftModifier);
        QCOMPARE(seen.last(), QKeySequence(Qt::SHIFT + Qt::Key_Q));
    }

    void keySequenceSetterRestartsAndStaysQuiet()
    {
        QtKeySequenceEdit edit;
        QSignalSpy changed(&edit, &QtKeySequenceEdit::keySequenceChanged);
        QTest::keyClick(&edit, Qt::Key_A);
        edit.setKeySequence(QKeySequence(Qt::Key_F1));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(&edit, Qt::Key_B);
        QCOMPARE(edit.keySequence(), QKeySequence(Qt::Key_B)); // a new sequence
    }

    void utilityTexts()
    {
        QCOMPARE(QtPropertyBrowserUtils::colorText(QColor(255, 0, 0)),
                 QStringLiteral("[255, 0, 0] (255)"));
        QFont font(QStringLiteral("Sans"), 10);
        QCOMPARE(QtPropertyBrowserUtils::fontText(font),
                 QStringLiteral("[%1, 10]").arg(font.family()));
        QCOMPARE(QtPropertyBrowserUtils::fontPixmap(font).size(), QSize(16, 16));
    }

    void translucentSwatchHasOpaqueCentre()
    {
        const QImage image =
            QtPropertyBrowserUtils::brushPixmap(QBrush(QColor(0, 0, 255, 100))).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        QCOMPARE(qAlpha(image.pixel(8, 8)), 255);
        QCOMPARE(qAlpha(image.pixel(1, 1)), 100);
        const QImage opaque = QtPropertyBrowserUtils::brushPixmap(QBrush(Qt::green)).toImage();
        QCOMPARE(qAlpha(opaque.pixel(1, 1)), 255);
    }

    void cursorTable()
    {
        QtCursorDatabase db;
        QCOMPARE(db.shapeNames().size(), 19);
        QCOMPARE(db.shapeNames().at(7), QStringLiteral("Size Backslash"));
        QCOMPARE(db.valueOf(QCursor(Qt::SizeFDiagCursor)), 7);
        QCOMPARE(db.valueOf(QCursor(Qt::BusyCursor)), 18);
        QCOMPARE(db.cursorFor(15).shape(), Qt::OpenHandCursor);
        QCOMPARE(db.cursorFor(99).shape(), Qt::ArrowCursor);
        QVERIFY(db.iconOf(QCursor(Qt::BlankCursor)).isNull());
        for (int value = 0; value < 19; ++value) {
            if (value != 10)
                QVERIFY2(!db.shapeIcons().value(value).pixmap(16).isNull(),
                         qPrintable(db.shapeNames().at(value)));
        }
        QBitmap bits(16, 16);
        bits.clear();
        const QCursor bitmapCursor(bits, bits);
        QCOMPARE(db.valueOf(bitmapCursor), -1);
        QVERIFY(db.nameOf(bitmapCursor).isEmpty());
        QVERIFY(db.iconOf(bitmapCursor).isNull());
    }
};

QTEST_MAIN(TestEditorWidgets)
#include "test_editor_widgets.moc"
