#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionWidget.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "support/ModalRecorder.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {
QJsonObject partition(int id, const QString &name, int number, quint32 control = 0)
{
    return QJsonObject{{"id", id},
                       {"used", 1},
                       {"name", name},
                       {"AutoTakeFromNotTakeEn", 0},
                       {"AutoTakeFromAlarmEn", 1},
                       {"TakeDelayEn", 1},
                       {"ControlPartitions", qint32(control)},
                       {"num", number},
                       {"settingsVersion", QJsonObject{{"compatible", 1}, {"critical", 1}}}};
}

QJsonObject site(const QJsonArray &partitions)
{
    const QJsonObject version{{"compatible", 1}, {"critical", 1}};
    return QJsonObject{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 0},
        {"Modification", 3},
        {"SerialNumber", "0"},
        {"Beeper", QJsonObject{{"settingsVersion", version}, {"Volume", 3}}},
        {"Object", QJsonObject{{"settingsVersion", version}, {"Name", "Site"}}},
        {"Partition", partitions},
        {"Sensors", QJsonArray{}},
    };
}

QJsonObject readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

struct Viewer
{
    QTemporaryDir dir;
    StartUp startUp;
    QString path;

    explicit Viewer(const QJsonObject &document)
    {
        path = dir.filePath("site.cfg");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(document).toJson());
        file.close();
        startUp.begin({});
        startUp.overmind()->viewConfigFile({path});
    }
    PartitionWidget *page(int index)
    {
        return qobject_cast<PartitionWidget *>(startUp.window()->partitionPages().value(index + 1));
    }
};
} // namespace

class TestPartitionPageFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Logger::registerMetaType(); }

    // Viewing a file: a duplicate number is refused as when connected; a good edit
    // rewrites the partition section alone, and a fresh model reads it back.
    void viewingModeSavesThePartitionSectionOnly()
    {
        ModalRecorder boxes;
        const QJsonArray partitions{partition(1, "Office", 1, 0x04), partition(2, "Beeper", 2),
                                    partition(3, "Store", 3)};
        Viewer viewer(site(partitions));
        QVERIFY(viewer.startUp.overmind()->isViewingMode());
        const QJsonObject before = readFile(viewer.path);
        PartitionWidget *page = viewer.page(2);
        QVERIFY(page);
        auto *number = page->findChild<QSpinBox *>("sbNumber");
        auto *name = page->findChild<QLineEdit *>("leName");
        QCOMPARE(name->text(), QStringLiteral("Beeper"));
        QCOMPARE(number->value(), 2);

        number->setValue(3);
        page->onPbSaveClicked();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(number->value(), 2);
        QCOMPARE(readFile(viewer.path), before);

        number->setValue(42);
        page->findChild<QCheckBox *>("cbAutoTakeFromNotTake")->setChecked(true);
        page->onPbSaveClicked();
        const QJsonObject after = readFile(viewer.path);
        for (const QString &key : before.keys())
            if (key != QLatin1String("Partition"))
                QCOMPARE(after.value(key), before.value(key));
        const QJsonArray saved = after.value("Partition").toArray();
        QJsonObject second;
        for (const QJsonValue &entry : saved)
            if (entry.toObject().value("id").toInt() == 2)
                second = entry.toObject();
        QCOMPARE(second.value("num").toInt(), 42);
        QCOMPARE(second.value("name").toString(), QStringLiteral("Beeper"));
        QCOMPARE(second.value("AutoTakeFromNotTakeEn").toInt(), 1);
        QCOMPARE(page->button()->text(), QStringLiteral("42. Beeper"));

        // A fresh model reads the same section back to the same records.
        PartitionModel *shown = viewer.startUp.overmind()->partitionModel();
        PartitionModel fresh(nullptr);
        QVERIFY(fresh.fromJson(after.value("Partition"), 2));
        for (int i = 1; i <= 3; ++i) {
            const QByteArray left(reinterpret_cast<const char *>(&shown->partition(i)->data()),
                                  int(sizeof(s_ExtMemDataPartition)));
            const QByteArray right(reinterpret_cast<const char *>(&fresh.partition(i)->data()),
                                   int(sizeof(s_ExtMemDataPartition)));
            QCOMPARE(right, left);
        }
    }

    // A hostile section: numbers out of range or taken twice, masks with stray bits, a
    // name that fills its field. The pages show sane values.
    void hostileSectionShowsSaneValues()
    {
        ModalRecorder boxes;
        const QJsonArray partitions{partition(1, "One", 0, 0xFFFFFFFF),
                                    partition(2, QString(80, QLatin1Char('n')), 17, 0x04),
                                    partition(3, "Three", 300, 0x08), partition(4, "Four", 3, 0x1)};
        Viewer viewer(site(partitions));
        for (int index = 1; index <= 4; ++index) {
            PartitionWidget *page = viewer.page(index);
            QVERIFY(page);
            const int shown = page->findChild<QSpinBox *>("sbNumber")->value();
            QVERIFY2(shown >= 1 && shown <= 99, qPrintable(QString::number(shown)));
            QVERIFY(page->findChild<QLineEdit *>("leName")->text().toUtf8().size() <= 64);
        }
        QVERIFY(viewer.page(1)->partition()->controlPartitions() < (1u << 17));
    }
};

QTEST_MAIN(TestPartitionPageFile)
#include "test_partition_page_file.moc"
