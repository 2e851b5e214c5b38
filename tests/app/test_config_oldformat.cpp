#include "app/KorvelConfigWidget.h"
#include "support/TestFolder.h"

#include <QJsonArray>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace {
QString ct(const char *text)
{
    return QCoreApplication::translate("KorvelConfigWidget", text);
}

QJsonObject device(const QString &name, int id, int partition, int type)
{
    return QJsonObject{{"Name", name}, {"Id", id}, {"Partition", partition}, {"Type", type}};
}

// A file of the older format: sections named "...Settings", users and directions inside
// objects, partitions with their radio devices in one object.
QJsonObject oldDocument()
{
    const QJsonObject executive{{"Name", ct("Executive devices")},
                                {"name", ct("Executive devices")},
                                {"num", 0},
                                {"Number", 0},
                                {"id", 0},
                                {"Sensors", QJsonArray{device("Relay", 7, 0, 9)}}};
    return QJsonObject{
        {"Version", "1.02"},
        {"Datetime", "12.03.2019 10:00"},
        {"Execution", 0},
        {"Modification", 1},
        {"SerialNumber", "0"},
        {"ObjectSettings", QJsonObject{{"Name", "Shop"}}},
        {"GSMSettings", QJsonObject{{"Apn", "internet"}}},
        {"iButtonConfigSettings", QJsonObject{{"Mode", 1}}},
        {"DebugSettings", QJsonObject{{"Level", 2}}},
        {"DirectionSettings",
         QJsonObject{{"Directions", QJsonArray{QJsonObject{{"title", "Main"}},
                                               QJsonObject{{"title", "Spare"}}}}}},
        {"UserSettings",
         QJsonObject{{"Users", QJsonArray{QJsonObject{{"Name", "Admin"}, {"IsAdmin", true}},
                                          QJsonObject{{"Name", "Guard"}, {"IsAdmin", false}}}}}},
        {"iButton", QJsonArray{QJsonObject{{"id_hex", "0A"}}}},
        {"Partitions",
         QJsonObject{
             {"Partitions",
              QJsonArray{executive,
                         QJsonObject{{"Name", "1"}, {"num", 1}, {"Number", 1}, {"id", 1}},
                         QJsonObject{{"Name", "10"}, {"num", 10}, {"Number", 10}, {"id", 10}}}},
             {"Sensors", QJsonArray{device("Door", 3, 1, 5), device("Window", 4, 10, 5),
                                    QJsonObject{{"Name", ""},
                                                {"Label", "Dummy"},
                                                {"Id", 5},
                                                {"Partition", 1},
                                                {"Type", 0}}}}}},
    };
}

ConfigFile document(const QJsonObject &object)
{
    ConfigFile file;
    file.setObject(object);
    file.setPath(TestFolder::path(QStringLiteral("old.cfg")));
    return file;
}

QStringList captionsUnder(const QTreeWidgetItem *item)
{
    QStringList captions;
    for (int i = 0; item && i < item->childCount(); ++i)
        captions.append(item->child(i)->text(1));
    return captions;
}

QStringList topLevelKeys(const KorvelConfigWidget &chooser)
{
    QStringList keys;
    for (int i = 0; i < chooser.tree()->topLevelItemCount(); ++i)
        keys.append(chooser.tree()
                        ->topLevelItem(i)
                        ->data(1, KorvelConfigWidget::SectionKeyRole)
                        .toString());
    return keys;
}

QJsonArray writtenPartitions(KorvelConfigWidget &chooser)
{
    chooser.onApply();
    return chooser.configuration()
        .object()
        .value("Partition")
        .toObject()
        .value("Partition")
        .toArray();
}

QStringList names(const QJsonArray &array)
{
    QStringList list;
    for (const QJsonValue &value : array)
        list.append(value.toObject().value("Name").toString());
    return list;
}
} // namespace

class TestConfigOldFormat : public QObject
{
    Q_OBJECT
private slots:
    void keysAreRenamedAndPartitionsFormATree()
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(oldDocument()), KorvelConfigWidget::Loading);
        QCOMPARE(chooser.findChild<QLabel *>("lblDate")->text(), QString("12.03.2019 10:00"));
        // No card-reader, radio-device, output or loop items in this format.
        QCOMPARE(topLevelKeys(chooser),
                 QStringList({"Settings", "Partition", "Directions", "Users", "iButton"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Settings")),
                 QStringList({ct("Object"), ct("GSM")}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Directions")),
                 QStringList({"Main", "Spare"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Users")),
                 QStringList({ct("%1 (admin)*").arg("Admin"), "Guard"}));
        QTreeWidgetItem *partitions = chooser.findSectionItem("Partition");
        QCOMPARE(captionsUnder(partitions),
                 QStringList({ct("Executive devices") + ct(", %1 devices").arg(1),
                              "1" + ct(", %1 devices").arg(2), "10" + ct(", %1 devices").arg(1)}));
        QCOMPARE(captionsUnder(partitions->child(1)), QStringList({"Door", "Dummy"}));
        QCOMPARE(partitions->child(1)->child(0)->data(1, KorvelConfigWidget::DeviceIdRole).toInt(),
                 3);
        QCOMPARE(captionsUnder(partitions->child(2)), QStringList({"Window"}));
    }

    void applyConvertsToTheCurrentSections()
    {
        const QJsonObject source = oldDocument();
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(source), KorvelConfigWidget::Loading);
        chooser.onApply();
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        const QJsonObject result = chooser.configuration().object();
        QCOMPARE(result.keys(), QStringList({"Directions", "Execution", "GSM", "Modification",
                                             "Object", "Partition", "SerialNumber", "Timestamp",
                                             "Users", "Version", "iButton"}));
        QCOMPARE(result.value("Version").toString(), QString("1.02"));
        QCOMPARE(result.value("Timestamp").toDouble(), 0.0); // a date text is no number
        QCOMPARE(result.value("Object"), source.value("ObjectSettings"));
        QCOMPARE(result.value("Directions"),
                 source.value("DirectionSettings").toObject().value("Directions"));
        QCOMPARE(result.value("Users"), source.value("UserSettings").toObject().value("Users"));

        const QJsonArray partitions =
            result.value("Partition").toObject().value("Partition").toArray();
        QCOMPARE(names(partitions), QStringList({ct("Executive devices"), "1", "10"}));
        // The device of type 0 is listed but never written; a partition whose devices sit in
        // the shared list is written with them.
        QCOMPARE(names(partitions.at(1).toObject().value("Sensors").toArray()),
                 QStringList({"Door"}));
        QCOMPARE(names(partitions.at(2).toObject().value("Sensors").toArray()),
                 QStringList({"Window"}));
        QCOMPARE(names(partitions.at(0).toObject().value("Sensors").toArray()),
                 QStringList({"Relay"}));
    }

    void partitionsMatchExactly_data()
    {
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("all") << QList<int>{} << QStringList{ct("Executive devices"), "1", "10"};
        QTest::newRow("without 10") << QList<int>{2} << QStringList{ct("Executive devices"), "1"};
        QTest::newRow("without 1") << QList<int>{1} << QStringList{ct("Executive devices"), "10"};
        QTest::newRow("only 1") << QList<int>{0, 2} << QStringList{"1"};
    }

    void partitionsMatchExactly()
    {
        QFETCH(QList<int>, unchecked);
        QFETCH(QStringList, written);
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(oldDocument()), KorvelConfigWidget::Loading);
        QTreeWidgetItem *partitions = chooser.findSectionItem("Partition");
        for (int index : unchecked) {
            partitions->child(index)->setCheckState(0, Qt::Unchecked);
            chooser.onItemClicked(partitions->child(index), 0);
        }
        QCOMPARE(names(writtenPartitions(chooser)), written);
    }

    void uncheckedDevicesStayOut()
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(oldDocument()), KorvelConfigWidget::Loading);
        QTreeWidgetItem *one = chooser.findSectionItem("Partition")->child(1);
        one->child(0)->setCheckState(0, Qt::Unchecked);
        chooser.onItemClicked(one->child(0), 0);
        QCOMPARE(one->checkState(0), Qt::PartiallyChecked);
        const QJsonArray partitions = writtenPartitions(chooser);
        QCOMPARE(names(partitions), QStringList({ct("Executive devices"), "1", "10"}));
        QVERIFY(partitions.at(1).toObject().value("Sensors").toArray().isEmpty());
    }

    void missingOrMisshapenSectionsWriteNothing()
    {
        QJsonObject source = oldDocument();
        source.remove("Partitions");
        source.insert("iButton", QJsonObject{{"id_hex", "0A"}});
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(source), KorvelConfigWidget::Loading);
        QVERIFY(!chooser.findSectionItem("Partition"));
        QVERIFY(!chooser.findSectionItem("iButton"));
        chooser.onApply();
        const QJsonObject result = chooser.configuration().object();
        QVERIFY(!result.contains("Partition"));
        QVERIFY(!result.contains("iButton"));
        QVERIFY(result.contains("Users"));
    }
};

QTEST_MAIN(TestConfigOldFormat)
#include "test_config_oldformat.moc"
