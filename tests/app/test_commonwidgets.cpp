#include "app/BitfieldWidget.h"
#include "app/ClickCatcher.h"
#include "app/ComboBox.h"
#include "app/ComboBoxDelegate.h"
#include "app/ContentAwareLineEdit.h"
#include "app/FocusOutCatcher.h"
#include "app/LineCopyWidget.h"
#include "app/PasteCatcher.h"
#include "app/SpaceCatcher.h"
#include "app/TabOutCatcher.h"
#include "app/TabOutEmitter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTest>
#include <memory>

namespace {
// Counts the events that get through to it.
class EventCounter : public QWidget
{
public:
    int seen = 0;

protected:
    bool event(QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::FocusOut:
            ++seen;
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }
};

std::unique_ptr<QObject> makeFilter(const QString &name)
{
    if (name == "click")
        return std::make_unique<ClickCatcher>();
    if (name == "space")
        return std::make_unique<SpaceCatcher>();
    if (name == "paste")
        return std::make_unique<PasteCatcher>();
    if (name == "tab")
        return std::make_unique<TabOutCatcher>();
    if (name == "escape")
        return std::make_unique<TabOutEmitter>();
    return std::make_unique<FocusOutCatcher>();
}

std::unique_ptr<QEvent> makeEvent(const QString &name)
{
    if (name == "release")
        return std::make_unique<QMouseEvent>(QEvent::MouseButtonRelease, QPointF(1, 1),
                                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    if (name == "space")
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    if (name == "tab")
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    if (name == "escape")
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    if (name == "ctrl+v")
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    if (name == "key a")
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    return std::make_unique<QFocusEvent>(QEvent::FocusOut);
}

// The one signal a filter class declares itself.
QByteArray ownSignal(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            return "2" + method.methodSignature();
    }
    return {};
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPoint cellCentre(int row, int column)
{
    return QPoint((24 + 2) * column + 12, (24 + 2) * row + 12);
}
} // namespace

class TestCommonWidgets : public QObject
{
    Q_OBJECT
private slots:
    void bitfieldGridArithmetic()
    {
        BitfieldWidget bits;
        QCOMPARE(bits.minimumSize(), QSize(26 * 8 + 2, 28));
        bits.setCount(24);
        QCOMPARE(bits.columnCount(), 24);
        bits.setColumnCount(6);
        QCOMPARE(bits.rowCount(), 4);
        QCOMPARE(bits.minimumSize(), QSize(26 * 6 + 2, 26 * 4 + 2));
        QSignalSpy changed(&bits, &BitfieldWidget::bitsChanged);
        sendMouse(&bits, QEvent::MouseButtonPress, cellCentre(1, 2), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(bits.toUInt64(), quint64(1) << 8);
        sendMouse(&bits, QEvent::MouseButtonRelease, cellCentre(1, 2), Qt::NoButton);
        sendMouse(&bits, QEvent::MouseButtonPress, cellCentre(1, 2), Qt::LeftButton);
        QCOMPARE(bits.toUInt64(), quint64(0));
    }

    void bitfieldDragWritesThePressedValue()
    {
        BitfieldWidget bits;
        bits.setCount(8);
        bits.setFromUInt64(0xFF);
        QSignalSpy changed(&bits, &BitfieldWidget::bitsChanged);
        sendMouse(&bits, QEvent::MouseButtonPress, cellCentre(0, 0), Qt::LeftButton);
        for (int column = 1; column < 5; ++column) {
            sendMouse(&bits, QEvent::MouseMove, cellCentre(0, column), Qt::LeftButton);
            sendMouse(&bits, QEvent::MouseMove, cellCentre(0, column) + QPoint(3, 0),
                      Qt::LeftButton);
        }
        sendMouse(&bits, QEvent::MouseButtonRelease, cellCentre(0, 4), Qt::NoButton);
        sendMouse(&bits, QEvent::MouseMove, cellCentre(0, 6), Qt::NoButton);
        QCOMPARE(bits.toUInt64(), quint64(0xE0));
        QCOMPARE(changed.count(), 5);
    }

    void bitfieldIgnoresPressesOutsideTheBits_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("negative") << QPoint(-5, 3);
        QTest::newRow("right of the grid") << cellCentre(0, 4);
        QTest::newRow("below the grid") << cellCentre(3, 0);
        QTest::newRow("cell past the bit count") << cellCentre(2, 3);
    }
    void bitfieldIgnoresPressesOutsideTheBits()
    {
        QFETCH(QPoint, pos);
        BitfieldWidget bits;
        bits.setCount(10);
        bits.setColumnCount(4); // three rows, two cells of the last one unused
        QSignalSpy changed(&bits, &BitfieldWidget::bitsChanged);
        sendMouse(&bits, QEvent::MouseButtonPress, pos, Qt::LeftButton);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(bits.toUInt64(), quint64(0));
        QCOMPARE(bits.count(), 10);
    }

    void bitfieldValueConversions()
    {
        BitfieldWidget bits;
        bits.setCount(24);
        QSignalSpy changed(&bits, &BitfieldWidget::bitsChanged);
        bits.setFromUInt64(0xFFFFFFFFFFAA00AAULL);
        QCOMPARE(bits.count(), 24);
        QCOMPARE(bits.toUInt64(), quint64(0xAA00AA));
        QVERIFY(bits.bits().testBit(1) && bits.bits().testBit(7) && !bits.bits().testBit(0));
        bits.setCount(16);
        QCOMPARE(bits.toUInt64(), quint64(0xAA));
        bits.setBits(QBitArray(16, true));
        QCOMPARE(bits.toUInt64(), quint64(0xFFFF));
        bits.setCount(70);
        bits.setBits(QBitArray(70, true));
        QCOMPARE(bits.toUInt64(), ~quint64(0));
        QCOMPARE(changed.count(), 0);
    }

    void bitfieldPaintsWithLabels()
    {
        BitfieldWidget bits;
        bits.setCount(4);
        bits.setLabels({"a", "b", "c", "d"});
        bits.setCount(6); // more bits than labels must not read past the list
        bits.resize(bits.minimumSize());
        QImage image(bits.size(), QImage::Format_ARGB32);
        bits.render(&image);
        bits.setEnabled(false);
        bits.render(&image);
    }

    void lineEditMarksItsContent()
    {
        ContentAwareLineEdit edit;
        edit.setChecker([](const QString &text) { return !text.isEmpty(); });
        QCOMPARE(edit.mark(), int(ContentAwareLineEdit::NoMark));
        edit.setText("a");
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.mark(), int(ContentAwareLineEdit::IncorrectMark));
        QVERIFY(edit.styleSheet().contains("border-color: red"));
        QTest::keyClick(&edit, Qt::Key_B);
        QCOMPARE(edit.mark(), int(ContentAwareLineEdit::CorrectMark));
        QCOMPARE(edit.styleSheet(), QString("QLineEdit { padding-right: 20px }"));
        QVERIFY(!edit.check(QString()));
        edit.clear();
        QCOMPARE(edit.mark(), int(ContentAwareLineEdit::CorrectMark));
        QVERIFY(edit.text().isEmpty());
        QVERIFY(edit.styleSheet().isEmpty());
    }

    void lineEditRemembersItsFirstText()
    {
        ContentAwareLineEdit edit;
        edit.setText("first");
        QVERIFY(!edit.isChanged());
        edit.setText("second");
        QVERIFY(edit.isChanged());
        edit.setText("first");
        QVERIFY(!edit.isChanged());
        edit.setWarning("too long");
        QCOMPARE(edit.warning(), QString("too long"));
    }

    void lineEditReportsFocusAndPaintsItsMark()
    {
        ContentAwareLineEdit edit;
        QSignalSpy focusIn(&edit, &ContentAwareLineEdit::focusIn);
        QSignalSpy focusOut(&edit, &ContentAwareLineEdit::focusOut);
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &in);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &out);
        QCOMPARE(focusIn.count(), 1);
        QCOMPARE(focusOut.count(), 1);
        edit.resize(120, 24);
        QImage image(edit.size(), QImage::Format_ARGB32);
        for (const QString &text : {QString("ok"), QString()}) {
            edit.setChecker([](const QString &t) { return !t.isEmpty(); });
            edit.check(text);
            edit.render(&image);
        }
    }

    void lineEditDoubleClickSelectsAll()
    {
        ContentAwareLineEdit edit;
        edit.setText("two words");
        edit.resize(200, 30);
        QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, 15));
        QCOMPARE(edit.selectedText(), QString("two words"));
    }

    void comboBoxKeepsAFreshPopupOpen()
    {
        ComboBox combo;
        combo.addItems({"one", "two"});
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        QSignalSpy shown(&combo, &ComboBox::popupShown);
        QSignalSpy hidden(&combo, &ComboBox::popupHidden);
        const int saved = ComboBox::minimumPopupMs;
        // Longer than any loaded machine takes from the opening to the release.
        ComboBox::minimumPopupMs = 600000;
        combo.showPopup();
        QCOMPARE(shown.count(), 1);
        combo.hidePopup(); // the release of the opening click
        QVERIFY(combo.view()->isVisible());
        QCOMPARE(hidden.count(), 0);
        ComboBox::minimumPopupMs = 0;
        combo.hidePopup();
        ComboBox::minimumPopupMs = saved;
        QVERIFY(!combo.view()->isVisible());
        QVERIFY(hidden.wait());
        QCOMPARE(hidden.count(), 1);
    }

    void comboBoxForwardsClicksAndVisibility()
    {
        ComboBox combo;
        QSignalSpy clicked(&combo, &ComboBox::clicked);
        QSignalSpy showed(&combo, &ComboBox::showed);
        QSignalSpy hided(&combo, &ComboBox::hided);
        emit combo.view()->clicked(QModelIndex());
        combo.show();
        combo.hide();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(showed.count(), 1);
        QCOMPARE(hided.count(), 1);
    }

    void delegateEditsOnlyCellsWithAChoice()
    {
        QStandardItemModel model(1, 2);
        model.setData(model.index(0, 0), QStringList{"only"}, Qt::UserRole);
        model.setData(model.index(0, 1), QStringList{"a", "b", "c"}, Qt::UserRole);
        model.setData(model.index(0, 1), 2, Qt::EditRole);
        ComboBoxDelegate delegate;
        QWidget parent;
        QStyleOptionViewItem option;
        option.rect = QRect(3, 4, 50, 20);
        QVERIFY(!delegate.createEditor(&parent, option, model.index(0, 0)));

        QWidget *editor = delegate.createEditor(&parent, option, model.index(0, 1));
        auto *combo = qobject_cast<QComboBox *>(editor);
        QVERIFY(combo);
        QVERIFY(!combo->hasFrame());
        delegate.setEditorData(editor, model.index(0, 1));
        QCOMPARE(combo->currentText(), QString("c"));
        delegate.updateEditorGeometry(editor, option, model.index(0, 1));
        QCOMPARE(editor->geometry(), option.rect);
        combo->setCurrentIndex(1);
        delegate.setModelData(editor, &model, model.index(0, 1));
        QCOMPARE(model.data(model.index(0, 1), Qt::EditRole).toString(), QString("b"));
        QCOMPARE(model.data(model.index(0, 1), Qt::UserRole).toStringList(),
                 QStringList({"a", "b", "c"}));
    }

    void delegateSelectsFirstForAText()
    {
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), QStringList{"x", "y"}, Qt::UserRole);
        model.setData(model.index(0, 0), "y", Qt::EditRole);
        ComboBoxDelegate delegate;
        QWidget parent;
        QWidget *editor = delegate.createEditor(&parent, {}, model.index(0, 0));
        delegate.setEditorData(editor, model.index(0, 0));
        QCOMPARE(qobject_cast<QComboBox *>(editor)->currentIndex(), 0);
    }

    void lineCopyWidgetCopiesAndCloses()
    {
        QPointer<LineCopyWidget> window = new LineCopyWidget;
        window->setTitle("Serial:");
        window->setText("80001234");
        window->show();
        QCOMPARE(window->findChild<QLabel *>("lblTitle")->text(), QString("Serial:"));
        auto *text = window->findChild<QLineEdit *>("leText");
        QVERIFY(text->isReadOnly());
        QApplication::clipboard()->clear();
        QTest::mouseClick(window->findChild<QPushButton *>("pbCopy"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("80001234"));
        QTest::mouseClick(window->findChild<QPushButton *>("pbOk"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }

    void filtersReportTheirOneEvent_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("emits");
        QTest::addColumn<bool>("reachesWidget");
        QTest::newRow("click: release") << "click"
                                        << "release" << true << false;
        QTest::newRow("click: key passes") << "click"
                                           << "key a" << false << true;
        QTest::newRow("space: space") << "space"
                                      << "space" << true << false;
        QTest::newRow("space: other key passes") << "space"
                                                 << "key a" << false << true;
        QTest::newRow("tab: tab") << "tab"
                                  << "tab" << true << false;
        QTest::newRow("tab: escape passes") << "tab"
                                            << "escape" << false << true;
        QTest::newRow("escape: escape") << "escape"
                                        << "escape" << true << false;
        QTest::newRow("escape: tab passes") << "escape"
                                            << "tab" << false << true;
        QTest::newRow("focus out: focus out") << "focus"
                                              << "focus out" << true << true;
        QTest::newRow("focus out: release passes") << "focus"
                                                   << "release" << false << true;
        QTest::newRow("paste: other key passes") << "paste"
                                                 << "key a" << false << true;
    }
    void filtersReportTheirOneEvent()
    {
        QFETCH(QString, filter);
        QFETCH(QString, event);
        QFETCH(bool, emits);
        QFETCH(bool, reachesWidget);
        EventCounter widget;
        widget.show();
        std::unique_ptr<QObject> catcher = makeFilter(filter);
        widget.installEventFilter(catcher.get());
        QSignalSpy spy(catcher.get(), ownSignal(catcher.get()).constData());
        QVERIFY(spy.isValid());
        std::unique_ptr<QEvent> sent = makeEvent(event);
        widget.seen = 0;
        QApplication::sendEvent(&widget, sent.get());
        QCOMPARE(spy.count(), emits ? 1 : 0);
        QCOMPARE(widget.seen, reachesWidget ? 1 : 0);
    }

    // A closed window's widgets get no reports: whatever is connected would act on a window
    // that is going. The event passes unchanged.
    void filtersStayQuietForAHiddenWindow_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("event");
        QTest::newRow("click") << "click"
                               << "release";
        QTest::newRow("space") << "space"
                               << "space";
        QTest::newRow("tab") << "tab"
                             << "tab";
        QTest::newRow("escape") << "escape"
                                << "escape";
        QTest::newRow("focus out") << "focus"
                                   << "focus out";
    }
    void filtersStayQuietForAHiddenWindow()
    {
        QFETCH(QString, filter);
        QFETCH(QString, event);
        QWidget window;
        auto *widget = new EventCounter;
        widget->setParent(&window);
        window.show();
        window.hide();
        std::unique_ptr<QObject> catcher = makeFilter(filter);
        widget->installEventFilter(catcher.get());
        QSignalSpy spy(catcher.get(), ownSignal(catcher.get()).constData());
        std::unique_ptr<QEvent> sent = makeEvent(event);
        widget->seen = 0;
        QApplication::sendEvent(widget, sent.get());
        QCOMPARE(spy.count(), 0);
        QCOMPARE(widget->seen, 1);
    }

    // A focused widget loses its focus while it is destroyed, in a window that stays; the
    // slot that moves the focus to a sibling must not run then.
    void focusOutCatcherIsQuietWhileItsWidgetIsDestroyed()
    {
        QWidget window;
        auto *watched = new QLineEdit(&window);
        auto *sibling = new QLineEdit(&window);
        sibling->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *catcher = new FocusOutCatcher(watched);
        watched->installEventFilter(catcher);
        int reports = 0;
        connect(catcher, &FocusOutCatcher::focusOuted, sibling, [&reports] { ++reports; });
        watched->setFocus();
        QTRY_VERIFY(watched->hasFocus());
        sibling->setFocus();
        QTRY_COMPARE(reports, 1);
        watched->setFocus();
        QTRY_VERIFY(watched->hasFocus());
        delete watched;
        QCOMPARE(reports, 1);
    }

    // A window destroyed while shown gives up the focus as it hides, after its own
    // destructor has run: what is connected may not act on the window then.
    void focusOutCatcherIsQuietWhileItsWindowIsDestroyed()
    {
        auto *window = new QWidget;
        auto *watched = new QLineEdit(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *catcher = new FocusOutCatcher(watched);
        watched->installEventFilter(catcher);
        int reports = 0;
        connect(catcher, &FocusOutCatcher::focusOuted, [&reports] { ++reports; });
        watched->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), watched);
        delete window;
        QCOMPARE(reports, 0);
    }

    void pasteCatcherJudgesTheClipboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("latin name") << "John Smith_1" << false;
        QTest::newRow("cyrillic name") << QString::fromUtf8("Пётр №2") << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("tab inside") << "John\tSmith" << true;
        QTest::newRow("too long") << QString(96, QLatin1Char('a')) << true;
        QTest::newRow("longest allowed") << QString(95, QLatin1Char('a')) << false;
    }
    void pasteCatcherJudgesTheClipboard()
    {
        QFETCH(QString, clipboard);
        QFETCH(bool, blocked);
        QApplication::clipboard()->setText(clipboard);
        QLineEdit edit;
        edit.show();
        PasteCatcher catcher;
        edit.installEventFilter(&catcher);
        QSignalSpy spy(&catcher, &PasteCatcher::blocked);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(spy.count(), blocked ? 1 : 0);
        // The key always goes on: the edit itself pastes.
        QCOMPARE(edit.text(), clipboard);
    }
};

QTEST_MAIN(TestCommonWidgets)
#include "test_commonwidgets.moc"
