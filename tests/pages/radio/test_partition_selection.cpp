#include "app/Overmind.h"
#include "pages/radio/PartitionSelectionWidget.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <memory>

namespace {
QStandardItem *itemOf(PartitionSelectionWidget &box, int partition)
{
    auto *model = qobject_cast<QStandardItemModel *>(box.combo()->model());
    return model ? model->item(partition - 1) : nullptr;
}
} // namespace

class TestPartitionSelection : public QObject
{
    Q_OBJECT

    std::unique_ptr<Overmind> m_overmind;

private slots:
    void init()
    {
        m_overmind = std::make_unique<Overmind>();
        m_overmind->deviceInfo().init(0, 0, 0, 0);
        m_overmind->createSettingsObjects(true);
        m_overmind->partitionModel()->partition(3)->setName(QStringLiteral("Hall"));
    }
    void cleanup() { m_overmind.reset(); }

    void masksAndTexts_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<quint32>("kept");
        QTest::addColumn<QString>("text");
        QTest::newRow("unnamed 1 and 2") << 0x6u << 0x6u << "01, 02";
        QTest::newRow("named alone") << 0x8u << 0x8u << "Hall";
        QTest::newRow("mixed") << 0x1Cu << 0x1Cu << "02, Hall, 04";
        QTest::newRow("nothing") << 0u << 0u << "Not selected";
        QTest::newRow("bit 0 and bits above N-1 dropped") << 0xFFFF0001u << 0x10000u << "16";
    }
    void masksAndTexts()
    {
        QFETCH(quint32, mask);
        QFETCH(quint32, kept);
        QFETCH(QString, text);
        PartitionSelectionWidget box;
        box.show();
        box.setPartitionsMask(mask);
        QCOMPARE(box.partitionsMask(), kept);
        QCOMPARE(box.combo()->lineEdit()->text(), text);
        QCOMPARE(box.combo()->count(), 16);
        QCOMPARE(itemOf(box, 3)->text(), QStringLiteral("Hall"));
    }

    // Only a box the user has seen reports edits; every mask change reports a change.
    void editedOnlyAfterTheFirstShow()
    {
        PartitionSelectionWidget box;
        QSignalSpy changed(&box, &PartitionSelectionWidget::changed);
        QSignalSpy edited(&box, &PartitionSelectionWidget::edited);
        box.setPartitionsMask(0x2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(edited.count(), 0);
        box.show();
        changed.clear();
        box.setPartitionsMask(0x4);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(edited.count(), 1);
        // A check in the list counts as the user's edit.
        itemOf(box, 5)->setCheckState(Qt::Checked);
        box.onUpdateComboClicked();
        QCOMPARE(box.partitionsMask(), 0x24u);
        QCOMPARE(edited.count(), 2);
    }

    void exclusionAndInclusion()
    {
        PartitionSelectionWidget box;
        box.show();
        box.setPartitionsMask(0x6);
        box.excludePartition(5);
        QStandardItem *own = itemOf(box, 5);
        QVERIFY(!(own->flags() & Qt::ItemIsEnabled));
        QVERIFY(!(own->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(itemOf(box, 4)->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(box.partitionsMask(), 0u);
        box.excludePartition(7);
        box.includePartition(5); // the own partition stays out
        QVERIFY(!(itemOf(box, 5)->flags() & Qt::ItemIsEnabled));
        box.includePartition(7);
        QVERIFY(itemOf(box, 7)->flags() & Qt::ItemIsEnabled);
        // Out-of-range numbers change nothing.
        box.excludePartition(0);
        box.excludePartition(17);
        for (int partition = 1; partition <= 16; ++partition)
            QCOMPARE(bool(itemOf(box, partition)->flags() & Qt::ItemIsEnabled), partition != 5);
        // Deactivated, the box shows nothing checked; active again, the kept mask returns.
        box.setPartitionsMask(0x6);
        box.setSelectionActive(false);
        QCOMPARE(box.partitionsMask(), 0u);
        box.setSelectionActive(true);
        QCOMPARE(box.partitionsMask(), 0x6u);
    }

    // Space opens the list without the focus loss counting as leaving; tabbing away does.
    void spaceAndFocusOut()
    {
        QWidget window;
        auto *box = new PartitionSelectionWidget(&window);
        auto *next = new QLineEdit(&window);
        next->move(0, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy left(box, &PartitionSelectionWidget::focusOuted);
        box->combo()->setFocus();
        QTRY_VERIFY(box->combo()->hasFocus());
        QTest::keyClick(box->combo(), Qt::Key_Space);
        QTRY_VERIFY(box->combo()->view()->isVisible());
        box->combo()->hidePopup();
        QTRY_VERIFY(box->combo()->hasFocus());
        QCOMPARE(left.count(), 0);
        next->setFocus();
        QTRY_COMPARE(left.count(), 1);
    }
};

QTEST_MAIN(TestPartitionSelection)
#include "test_partition_selection.moc"
