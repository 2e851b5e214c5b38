#include "app/DeviceTexts.h"
#include "app/DeviceTypeNames.h"
#include "app/KorvelConfigWidget.h"
#include "app/Overmind.h"
#include "support/ModalRecorder.h"
#include "support/TestFolder.h"

#include <QJsonArray>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {
QString ct(const char *text)
{
    return QCoreApplication::translate("KorvelConfigWidget", text);
}

// A file of the current format as it is written into the device.
QJsonObject loadingDocument()
{
    return QJsonObject{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 2},
        {"Modification", 3},
        {"SerialNumber", "0"},
        {"Object", QJsonObject{{"Name", "Shop"}}},
        {"Beeper", QJsonObject{{"Volume", 3}}},
        {"Debug", QJsonObject{{"Level", 1}}},
        {"Partition", QJsonArray{QJsonObject{{"name", "Hall"}}, QJsonObject{{"name", "Garage"}},
                                 QJsonObject{{"name", "Old"}, {"used", 0}}}},
        {"Sensors", QJsonArray{QJsonObject{{"name", "Door"}, {"bType", 1}},
                               QJsonObject{{"name", ""}, {"bType", 2}},
                               QJsonObject{{"name", "Gone"}, {"used", 0}},
                               QJsonObject{{"name", "Flag"}, {"used", false}}}},
        {"Loop", QJsonArray{QJsonObject{{"name", "Loop"}}}},
        {"Output", QJsonArray{QJsonObject{{"name", ""}, {"id", 1}},
                              QJsonObject{{"name", "Siren"}, {"id", 0}}}},
        {"Users", QJsonArray{QJsonObject{{"userName", "Ann"}, {"settings", 1}, {"id", 0}},
                             QJsonObject{{"userName", "Bob"}, {"settings", 0}, {"id", 1}},
                             QJsonObject{{"userName", "Bob"}, {"settings", 2}, {"id", 2}}}},
        {"Directions", QJsonArray{QJsonObject{{"directionName", "Main"}},
                                  QJsonObject{{"directionName", "Spare"}}}},
        {"iButton", QJsonArray{QJsonObject{{"id_hex", "01AB"}}}},
    };
}

// The controller's own configuration as it is saved: the partition model's data in one object.
QJsonObject savingDocument()
{
    return QJsonObject{
        {"Version", "2.0"},
        {"Timestamp", 1700000000},
        {"Execution", 0},
        {"Modification", 1},
        {"SerialNumber", "0"},
        {"GSM", QJsonObject{{"Apn", "internet"}}},
        {"Debug", QJsonObject{{"Level", 1}}},
        {"Users", QJsonArray{QJsonObject{{"userName", "Ann"}, {"settings", 1}, {"id", 0}}}},
        {"iButton", QJsonArray()},
        {"Partition",
         QJsonObject{{"Partition", QJsonArray{QJsonObject{{"name", "Hall"}}}},
                     {"Sensors", QJsonArray{QJsonObject{{"name", "Door"}, {"bType", 1}}}},
                     {"Loop", QJsonArray{QJsonObject{{"name", "Loop"}}}}}},
    };
}

QString sitePath()
{
    return TestFolder::path(QStringLiteral("site.cfg"));
}

ConfigFile document(const QJsonObject &object, const QString &path = sitePath())
{
    ConfigFile file;
    file.setObject(object);
    file.setPath(path);
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

QTreeWidgetItem *childCaptioned(QTreeWidgetItem *parent, const QString &caption, int nth = 0)
{
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(1) == caption && nth-- == 0)
            return parent->child(i);
    return nullptr;
}

void uncheck(KorvelConfigWidget &chooser, QTreeWidgetItem *item)
{
    item->setCheckState(0, Qt::Unchecked);
    chooser.onItemClicked(item, 0);
}

QJsonObject apply(KorvelConfigWidget &chooser)
{
    chooser.onApply();
    return chooser.result() == QDialog::Accepted ? chooser.configuration().object() : QJsonObject();
}
} // namespace

class TestConfigChooser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initDeviceTypeNames(); }

    void fillsHeaderAndListsEveryElement()
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(loadingDocument()), KorvelConfigWidget::Loading);
        QCOMPARE(chooser.windowTitle(), ct("%1 configuration").arg(ct("Loading")));
        QCOMPARE(chooser.findChild<QLabel *>("lblName")->text(), QString("site.cfg"));
        QCOMPARE(chooser.findChild<QLabel *>("lblVersion")->text(), QString("2.0"));
        QCOMPARE(chooser.findChild<QLabel *>("lblExecutior")->text(), QString("2"));
        QCOMPARE(chooser.findChild<QLabel *>("lblModification")->text(), QString("3"));
        QCOMPARE(chooser.findChild<QLabel *>("lblDate")->text(),
                 QDateTime::fromSecsSinceEpoch(1700000000)
                     .toLocalTime()
                     .toString("hh:mm:ss ddd dd.MM.yyyy"));

        // The debug settings have no item; sections missing from the file lose theirs.
        QCOMPARE(topLevelKeys(chooser), QStringList({"Settings", "Partition", "Sensors", "Output",
                                                     "Loop", "Directions", "Users", "iButton"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Settings")),
                 QStringList({ct("Object"), ct("Beeper")}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Partition")),
                 QStringList({"Hall", "Garage"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Sensors")),
                 QStringList({"Door", deviceTypeNames[2], "Flag"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Output")),
                 QStringList({"159. " + ct("Local out"), "Siren"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Users")),
                 QStringList({ct("%1 (admin)*").arg("Ann"), "Bob", "Bob"}));
        QCOMPARE(captionsUnder(chooser.findSectionItem("Loop")), QStringList());
        QCOMPARE(chooser.findSectionItem("Partition")->text(1), ct("Partition"));
    }

    void applyWithEverythingCheckedWritesEverySectionButDebug()
    {
        const QJsonObject source = loadingDocument();
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(source), KorvelConfigWidget::Loading);
        const QJsonObject result = apply(chooser);
        QStringList expectedKeys = source.keys();
        expectedKeys.removeAll("Debug");
        QCOMPARE(result.keys(), expectedKeys);
        QCOMPARE(result.value("Timestamp").toDouble(), 1700000000.0);
        QCOMPARE(result.value("Version").toString(), QString("2.0"));
        QCOMPARE(result.value("Object"), source.value("Object"));
        QCOMPARE(result.value("Partition").toArray().size(), 2); // the unused one is left out
        const QJsonArray sensors = result.value("Sensors").toArray();
        QCOMPARE(sensors.size(), 3);
        QCOMPARE(sensors.at(2).toObject().value("name").toString(), QString("Flag"));
        QCOMPARE(result.value("Output"), source.value("Output"));
        QCOMPARE(result.value("Loop"), source.value("Loop"));
        QCOMPARE(result.value("Users"), source.value("Users"));
        QCOMPARE(chooser.configuration().path(), sitePath());
    }

    void applyWritesExactlyTheCheckedElements()
    {
        const QJsonObject source = loadingDocument();
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(source), KorvelConfigWidget::Loading);
        uncheck(chooser, childCaptioned(chooser.findSectionItem("Sensors"), "Door"));
        // Two users share a name: the unchecked one stays out.
        uncheck(chooser, childCaptioned(chooser.findSectionItem("Users"), "Bob", 1));
        uncheck(chooser, childCaptioned(chooser.findSectionItem("Settings"), ct("Beeper")));
        uncheck(chooser, chooser.findSectionItem("Directions"));
        uncheck(chooser, chooser.findSectionItem("Loop"));

        const QJsonObject result = apply(chooser);
        QVERIFY(!result.contains("Beeper"));
        QVERIFY(result.contains("Object"));
        QVERIFY(!result.contains("Directions"));
        QVERIFY(!result.contains("Loop"));
        const QJsonArray sensors = result.value("Sensors").toArray();
        QCOMPARE(sensors.size(), 2);
        QCOMPARE(sensors.at(0).toObject().value("bType").toInt(), 2);
        QCOMPARE(sensors.at(1).toObject().value("name").toString(), QString("Flag"));
        const QJsonArray users = result.value("Users").toArray();
        QCOMPARE(users.size(), 2);
        QCOMPARE(users.at(0).toObject().value("id").toInt(), 0);
        QCOMPARE(users.at(1).toObject().value("id").toInt(), 1);
    }

    void applyRefusesAnEmptyChoiceOrNoAdministrator()
    {
        ModalRecorder boxes;
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(loadingDocument()), KorvelConfigWidget::Loading);
        QTest::mouseClick(chooser.findChild<QPushButton *>("pbDeselectAll"), Qt::LeftButton);
        QTest::mouseClick(chooser.findChild<QPushButton *>("pbApply"), Qt::LeftButton);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.last().text,
                 ct("You must select at least one parameter to apply the settings."));
        QVERIFY(chooser.result() != QDialog::Accepted);
        QCOMPARE(chooser.configuration().object(), loadingDocument());

        QTest::mouseClick(chooser.findChild<QPushButton *>("pbSelectAll"), Qt::LeftButton);
        uncheck(chooser,
                childCaptioned(chooser.findSectionItem("Users"), ct("%1 (admin)*").arg("Ann")));
        QCOMPARE(chooser.findSectionItem("Users")->checkState(0), Qt::PartiallyChecked);
        chooser.onApply();
        QCOMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen.last().text,
                 ct("You must select at least one administrator to apply the settings."));
        QVERIFY(chooser.result() != QDialog::Accepted);

        // Without the users section no administrator is needed.
        uncheck(chooser, chooser.findSectionItem("Users"));
        const QJsonObject result = apply(chooser);
        QCOMPARE(boxes.seen.size(), 2);
        QVERIFY(!result.isEmpty());
        QVERIFY(!result.contains("Users"));
    }

    void clickingUpdatesDescendantsAndAncestors()
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(loadingDocument()), KorvelConfigWidget::Loading);
        QTreeWidgetItem *settings = chooser.findSectionItem("Settings");
        uncheck(chooser, settings->child(0));
        QCOMPARE(settings->checkState(0), Qt::PartiallyChecked);
        uncheck(chooser, settings->child(1));
        QCOMPARE(settings->checkState(0), Qt::Unchecked);

        settings->child(0)->setCheckState(0, Qt::Checked);
        chooser.onItemClicked(settings->child(0), 0);
        QCOMPARE(settings->checkState(0), Qt::PartiallyChecked);
        // A partially checked item that is clicked turns Checked with all below it.
        settings->setCheckState(0, Qt::Checked);
        chooser.onItemClicked(settings, 0);
        QCOMPARE(settings->child(1)->checkState(0), Qt::Checked);
    }

    void unknownVersionWarnsAndLeavesTheTree()
    {
        ModalRecorder boxes;
        QJsonObject source = loadingDocument();
        source.insert("Version", "3.1");
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(source), KorvelConfigWidget::Loading);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().text, ct("Unknown format: %1.").arg("3.1"));
        QCOMPARE(chooser.tree()->topLevelItemCount(), 8);
        QCOMPARE(chooser.findSectionItem("Settings")->childCount(), 10);
        QCOMPARE(chooser.findSectionItem("Users")->childCount(), 0);
    }

    void fileFromAnotherDeviceNotesTheRadioDevices_data()
    {
        QTest::addColumn<QJsonValue>("serial");
        QTest::addColumn<bool>("sameDevice");
        QTest::newRow("other device") << QJsonValue("80000099") << false;
        QTest::newRow("this device") << QJsonValue(serialNumberText(0x123456)) << true;
        QTest::newRow("number 0") << QJsonValue(0) << true;
        QTest::newRow("no serial") << QJsonValue(QJsonValue::Undefined) << true;
    }

    void fileFromAnotherDeviceNotesTheRadioDevices()
    {
        QFETCH(QJsonValue, serial);
        QFETCH(bool, sameDevice);
        Overmind overmind;
        overmind.setDefaultMacAddress(0x123456);
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &request) {
            return request.kind == "chooser" ? 0 : int(QMessageBox::Ok);
        };
        QJsonObject source = loadingDocument();
        if (serial.isUndefined())
            source.remove("SerialNumber");
        else
            source.insert("SerialNumber", serial);
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(source), KorvelConfigWidget::Loading);
        QCOMPARE(chooser.exec(), int(QDialog::Accepted));
        const QString note = ct("Note!!! After loading sensors that were connected to another "
                                "device, the sensor settings will be loaded, but in order for "
                                "them to communicate, they will need to be reconnected to the "
                                "device again.");
        QCOMPARE(boxes.sawText(note), !sameDevice);
        QCOMPARE(boxes.count("chooser"), 1);
        QCOMPARE(chooser.findSectionItem("Partition")->text(1),
                 sameDevice ? ct("Partition") : ct("Partitions (Sensors need to be reconnected)"));
        QCOMPARE(chooser.configuration().object().value("Partition").toArray().size(), 2);
    }

    void cancelledChooserKeepsTheDocument()
    {
        ModalRecorder boxes;
        boxes.reply = [](const ModalAnswerer::Request &) { return 1; };
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(loadingDocument()), KorvelConfigWidget::Loading);
        QCOMPARE(chooser.exec(), int(QDialog::Rejected));
        QCOMPARE(chooser.configuration().object(), loadingDocument());
    }

    void savingTakesThePartitionObjectApart()
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document(savingDocument()), KorvelConfigWidget::Saving);
        QCOMPARE(chooser.windowTitle(), ct("%1 configuration").arg(ct("Saving")));
        // No outputs in the model and no keys: both items go.
        QCOMPARE(topLevelKeys(chooser),
                 QStringList({"Settings", "Partition", "Sensors", "Loop", "Users"}));
        const QJsonObject result = apply(chooser);
        QCOMPARE(result.keys(),
                 QStringList({"Execution", "GSM", "Loop", "Modification", "Partition", "Sensors",
                              "SerialNumber", "Timestamp", "Users", "Version"}));
        QCOMPARE(result.value("Partition"),
                 savingDocument().value("Partition").toObject().value("Partition"));
        QCOMPARE(result.value("Loop"),
                 savingDocument().value("Partition").toObject().value("Loop"));
    }

    void savedFileLoadsBackWithTheSameSections()
    {
        KorvelConfigWidget saver;
        saver.setConfiguration(document(savingDocument()), KorvelConfigWidget::Saving);
        const QJsonObject saved = apply(saver);
        QTemporaryDir dir;
        ConfigFile file = document(saved, dir.filePath("round.cfg"));
        QVERIFY(file.save(file.path()));
        ConfigFile loaded;
        QCOMPARE(loaded.load(file.path()), 0);

        KorvelConfigWidget loader;
        loader.setConfiguration(loaded, KorvelConfigWidget::Loading);
        QCOMPARE(topLevelKeys(loader), topLevelKeys(saver));
        for (const QString &key : topLevelKeys(saver))
            QCOMPARE(captionsUnder(loader.findSectionItem(key)),
                     captionsUnder(saver.findSectionItem(key)));
        QCOMPARE(apply(loader), saved);
    }
};

QTEST_MAIN(TestConfigChooser)
#include "test_config_chooser.moc"
