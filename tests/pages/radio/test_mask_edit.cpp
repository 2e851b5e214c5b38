#include "app/BitfieldWidget.h"
#include "app/Logger.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutputMaskTimeEdit.h"
#include "sim/LogCapture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

namespace {
struct Editor
{
    MaskEditWidget widget;
    QSlider *time() { return widget.findChild<QSlider *>("hsTime"); }
    QSlider *volume() { return widget.findChild<QSlider *>("hsVolume"); }
    OutputMaskTimeEdit *edit() { return widget.findChild<OutputMaskTimeEdit *>("teTime"); }
    QLineEdit *raw() { return widget.findChild<QLineEdit *>("leRaw"); }
    QCheckBox *endState() { return widget.findChild<QCheckBox *>("cbEndState"); }
    QCheckBox *modulation() { return widget.findChild<QCheckBox *>("cbModulation"); }
    BitfieldWidget *bits() { return widget.findChild<BitfieldWidget *>("bitsWidget"); }
    QString timeText() { return edit()->time().toString("H:mm:ss.zzz"); }
    void typeRaw(const QString &text)
    {
        raw()->setFocus();
        raw()->selectAll();
        raw()->setText(QString());
        QTest::keyClicks(raw(), text);
    }
};
} // namespace

class TestMaskEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Logger::registerMetaType(); }

    // The slider's four ranges, with the pattern bits each position encodes.
    void sliderScale_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0 << "0:00:00.000" << 0 << 0;
        QTest::newRow("1") << 1 << "0:00:00.125" << 0 << 1;
        QTest::newRow("255") << 255 << "0:00:31.875" << 0 << 255;
        QTest::newRow("256") << 256 << "0:00:32.000" << 1 << 32;
        QTest::newRow("257") << 257 << "0:00:33.000" << 1 << 33;
        QTest::newRow("480") << 480 << "0:04:16.000" << 2 << 32;
        QTest::newRow("481") << 481 << "0:04:24.000" << 2 << 33;
        QTest::newRow("704") << 704 << "0:34:08.000" << 3 << 64;
        QTest::newRow("705") << 705 << "0:34:40.000" << 3 << 65;
        QTest::newRow("895") << 895 << "2:16:00.000" << 3 << 255;
    }
    void sliderScale()
    {
        QFETCH(int, position);
        QFETCH(QString, time);
        QFETCH(int, step);
        QFETCH(int, count);
        Editor editor;
        QCOMPARE(editor.time()->maximum(), MaskEditWidget::MaxPosition);
        editor.widget.setMask(0xFFFF0000u);
        editor.time()->setValue(position);
        QCOMPARE(editor.timeText(), time);
        QCOMPARE(editor.widget.mask() & 0x3FFu, quint32(step << 8 | count));
        // Everything else of the pattern stays.
        QCOMPARE(editor.widget.mask() & 0xFFFFFC00u, 0xFFFF0000u);
        QCOMPARE(MaskEditWidget::msToPosition(MaskEditWidget::positionToMs(position)), position);
    }

    // A pattern shows as it is; it is re-encoded only when a control changes.
    void patternsShowAndReencode_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<quint32>("afterVolumeMove");
        QTest::newRow("step 0 count 10")
            << 10u << "0:00:01.250" << 10 << "0x0000000a" << (10u | 1u << 11);
        QTest::newRow("step 1 count 10 becomes step 0 count 80")
            << 266u << "0:00:10.000" << 80 << "0x0000010a" << (80u | 1u << 11);
        QTest::newRow("step 3 count 255")
            << 0x3FFu << "2:16:00.000" << 895 << "0x000003ff" << (0x3FFu | 1u << 11);
        QTest::newRow("only the upper bits")
            << 0xFFFFFC00u << "0:00:00.000" << 0 << "0xfffffc00" << 0xFFFF8C00u;
    }
    void patternsShowAndReencode()
    {
        QFETCH(quint32, mask);
        QFETCH(QString, time);
        QFETCH(int, position);
        QFETCH(QString, raw);
        QFETCH(quint32, afterVolumeMove);
        Editor editor;
        editor.widget.setMask(mask);
        QCOMPARE(editor.widget.mask(), mask);
        QCOMPARE(editor.timeText(), time);
        QCOMPARE(editor.time()->value(), position);
        QCOMPARE(editor.raw()->text(), raw);
        const bool upper = mask & 0x400u;
        QCOMPARE(editor.endState()->isChecked(), upper);
        QCOMPARE(editor.modulation()->isChecked(), upper);
        QCOMPARE(editor.volume()->value(), upper ? 15 : 0);
        QCOMPARE(editor.bits()->toUInt64(), quint64(mask >> 16));
        editor.volume()->setValue(1);
        QCOMPARE(editor.widget.mask(), afterVolumeMove);
    }

    void controlsEncodeTheirBits()
    {
        Editor editor;
        editor.widget.setMask(0);
        editor.endState()->setChecked(true);
        QCOMPARE(editor.widget.mask(), 1u << 10);
        editor.modulation()->setChecked(true);
        editor.volume()->setValue(9);
        QCOMPARE(editor.widget.mask(), 1u << 10 | 1u << 15 | 9u << 11);
        editor.bits()->setFromUInt64(0x8001);
        emit editor.bits()->bitsChanged(editor.bits()->bits());
        QCOMPARE(editor.widget.mask() >> 16, 0x8001u);
        QCOMPARE(editor.raw()->text(), QStringLiteral("0x8001cc00"));
    }

    // Typed text that is a whole number becomes the pattern and stays as typed; anything
    // else keeps the pattern and is logged.
    void rawText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<quint32>("mask");
        QTest::newRow("prefix and short") << "0x0001" << true << 1u;
        QTest::newRow("eight digits") << "0000ffff" << true << 0xFFFFu;
        QTest::newRow("prefixed eight") << "0x8001040a" << true << 0x8001040Au;
        QTest::newRow("empty") << "" << false << 0x55u;
        QTest::newRow("prefix alone") << "0x" << false << 0x55u;
        QTest::newRow("x without zero") << "x12" << false << 0x55u;
    }
    void rawText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(quint32, mask);
        LogCapture log;
        Editor editor;
        editor.widget.setMask(0x55u);
        editor.raw()->setText(typed);
        editor.widget.rawMaskEdited();
        QCOMPARE(editor.widget.mask(), mask);
        QCOMPARE(editor.raw()->text(), typed);
        if (accepted) {
            QCOMPARE(
                editor.timeText(),
                QTime(0, 0).addMSecs(MaskEditWidget::durationMs(mask)).toString("H:mm:ss.zzz"));
        } else {
            QTRY_VERIFY(log.contains(QStringLiteral("Bad mask")));
        }
    }

    void typedRawTextReachesTheControls()
    {
        Editor editor;
        editor.widget.show();
        editor.typeRaw("0x00010001");
        QCOMPARE(editor.widget.mask(), 0x10001u);
        QCOMPARE(editor.timeText(), QStringLiteral("0:00:00.125"));
        QCOMPARE(editor.bits()->toUInt64(), quint64(1));
        QCOMPARE(editor.raw()->text(), QStringLiteral("0x00010001"));
    }

    // Arrows and the wheel move the slider by one position, never the time edit itself.
    void stepsMoveTheSlider()
    {
        Editor editor;
        editor.widget.resize(400, 240);
        editor.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor.widget));
        editor.time()->setValue(256);
        const QPoint centre = editor.edit()->rect().center();
        QWheelEvent up(centre, editor.edit()->mapToGlobal(centre), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor.edit(), &up);
        QCOMPARE(editor.time()->value(), 257);
        QCOMPARE(editor.timeText(), QStringLiteral("0:00:33.000"));
        QWheelEvent down(centre, editor.edit()->mapToGlobal(centre), QPoint(), QPoint(0, -240),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor.edit(), &down);
        QApplication::sendEvent(editor.edit(), &down);
        QCOMPARE(editor.time()->value(), 255);
        QCOMPARE(editor.timeText(), QStringLiteral("0:00:31.875"));
        // At the end of the range nothing moves.
        editor.time()->setValue(MaskEditWidget::MaxPosition);
        QApplication::sendEvent(editor.edit(), &up);
        QCOMPARE(editor.time()->value(), MaskEditWidget::MaxPosition);
        QCOMPARE(editor.timeText(), QStringLiteral("2:16:00.000"));
    }

    void volumeControlsHide()
    {
        Editor editor;
        editor.widget.show();
        editor.widget.setVolumeVisible(false);
        QVERIFY(!editor.volume()->isVisible());
        QVERIFY(!editor.modulation()->isVisible());
        QVERIFY(editor.endState()->isVisible());
        editor.widget.setVolumeVisible(true);
        QVERIFY(editor.volume()->isVisible());
    }
};

QTEST_MAIN(TestMaskEdit)
#include "test_mask_edit.moc"
