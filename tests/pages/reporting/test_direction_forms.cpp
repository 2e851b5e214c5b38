#include "app/BitfieldWidget.h"
#include "app/ContentAwareLineEdit.h"
#include "app/FlowTimeEdit.h"
#include "app/Overmind.h"
#include "app/SpinBoxWithValidator.h"
#include "pages/reporting/ChannelSettings.h"
#include "pages/reporting/ChannelSettingsWidget.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/DirectionSettingsWidget.h"
#include "pages/users/UserModel.h"
#include "sim/SimDirections.h"
#include "support/ModalRecorder.h"
#include "support/RussianScreen.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstring>

namespace {
void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    QVERIFY(widget->grab().save(path, "PNG"));
}

// The controller's view of receivers, for counting connections.
class CountingOvermind : public Overmind
{
public:
    int readyReceivers() const { return receivers(SIGNAL(ready())); }
};

s_channelGSMsett channelOfType(int type)
{
    s_ExtMemDataGSMDirection record = SimDirections::direction(0);
    s_channelGSMsett block = record.settings.channels[0];
    block.type = quint8(type);
    block.userSms.phone = 79161234567ULL;
    block.quenor.phone = 79035550142ULL;
    block.call.phone = 112;
    block.call.dialAttempts = 4;
    return block;
}

template <typename T> T *child(QWidget *form, const char *name)
{
    return form->findChild<T *>(QLatin1String(name));
}

bool shown(QWidget *form, const char *name)
{
    return child<QWidget>(form, name)->isVisibleTo(form);
}
} // namespace

class TestDirectionForms : public QObject
{
    Q_OBJECT

    std::unique_ptr<CountingOvermind> m_overmind;

private slots:
    void init()
    {
        m_overmind = std::make_unique<CountingOvermind>();
        m_overmind->deviceInfo().initForExecution(0, 0, 256, 256);
        m_overmind->createSettingsObjects(true);
        m_overmind->ipChannelCounts().clear();
        DirectionSettingsWidget::setAvailableScreenWidth(1920);
    }
    void cleanup() { m_overmind.reset(); }

    void channelTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("disable") << 0 << 0 << "" << false;
        QTest::newRow("user SMS") << 1 << 1 << "userSMSSettings" << true;
        QTest::newRow("Quenor SMS") << 2 << 2 << "quenorSMSSettings" << true;
        QTest::newRow("phone call") << 3 << 3 << "phoneCallSettings" << true;
        QTest::newRow("DC-09") << 4 << 4 << "dc09Settings" << true;
        QTest::newRow("SurGard") << 5 << 5 << "dc09Settings" << true;
        QTest::newRow("voice call has no row") << 7 << -1 << "" << false;
    }
    void channelTypes()
    {
        QFETCH(int, type);
        s_channelGSMsett block = channelOfType(type);
        ChannelSettings channel(&block);
        ChannelSettingsWidget form;
        form.setChannel(0, &channel);
        form.show();
        QTEST(form.typeIndex(), "row");
        QCOMPARE(int(block.type), type);
        QFETCH(QString, section);
        for (const char *name :
             {"userSMSSettings", "quenorSMSSettings", "phoneCallSettings", "dc09Settings"})
            QCOMPARE(shown(&form, name), section == QLatin1String(name));
        QFETCH(bool, enabled);
        QCOMPARE(child<QWidget>(&form, "gbTestingEnabled")->isEnabled(), enabled);
        if (type == 4 || type == 5) {
            QCOMPARE(child<QLabel>(&form, "lblDC09TestType")->text(),
                     QLatin1String(type == 4 ? "DC-09" : "SurGard"));
            QCOMPARE(shown(&form, "gbEncryption"), type == 4);
            // Showing leaves the stored test type; saving sets the receiver's own.
            QCOMPARE(int(block.test.testType), int(channelOfType(type).test.testType));
            QCOMPARE(child<QLineEdit>(&form, "leDC09ServerAddress")->text(),
                     QStringLiteral("192.168.10.20"));
        }
        if (type >= 0 && type <= 5)
            saveScreenshot(&form, QStringLiteral("channel_form_type_%1.png").arg(type));
    }

    // The form never counts on binding, only on type changes.
    void ipChannelLimit()
    {
        QMap<int, int> &counts = m_overmind->ipChannelCounts();
        counts = {{1, 1}, {2, 1}, {3, 1}, {4, 1}};
        s_channelGSMsett sms = channelOfType(1);
        s_channelGSMsett surGard = channelOfType(5);
        ChannelSettings smsChannel(&sms);
        ChannelSettings ipChannel(&surGard);
        ChannelSettingsWidget form;
        QSignalSpy blocked(&form, &ChannelSettingsWidget::blockDC09Items);
        form.setChannel(4, &smsChannel);
        QVERIFY(!form.isTypeRowEnabled(4) && !form.isTypeRowEnabled(5));
        form.setChannel(4, &ipChannel);
        QVERIFY(form.isTypeRowEnabled(4) && form.isTypeRowEnabled(5));
        QCOMPARE(counts.value(4), 1);

        auto *type = child<QComboBox>(&form, "cbType");
        type->setCurrentIndex(3);
        QCOMPARE(int(surGard.type), 3);
        QCOMPARE(counts.value(4), 0);
        QCOMPARE(blocked.count(), 1);
        type->setCurrentIndex(5);
        QCOMPARE(counts.value(4), 1);
        QCOMPARE(blocked.count(), 2);
        counts[1] = 0;
        type->setCurrentIndex(1);
        QCOMPARE(blocked.count(), 3); // a free one again
        type->setCurrentIndex(4);
        QCOMPARE(blocked.count(), 3); // three of four: nothing to block
    }

    void testHoursAndInterval()
    {
        s_channelGSMsett block = channelOfType(1);
        ChannelSettings channel(&block);
        ChannelSettingsWidget form;
        form.setChannel(0, &channel);
        block.test.interval = 0;
        form.setChannel(0, &channel);
        // Shown as the field's minimum; the channel keeps what it holds.
        QCOMPARE(child<FlowTimeEdit>(&form, "teTestingInterval")->time(), QTime(0, 5));
        QCOMPARE(block.test.interval, quint32(0));

        auto *hours = child<BitfieldWidget>(&form, "bfTestHours");
        QBitArray three(24);
        for (int hour : {6, 12, 18})
            three.setBit(hour);
        emit hours->bitsChanged(three);
        QCOMPARE(channel.testTimeMinutes(), (QList<quint16>{360, 720, 1080}));
        QBitArray nine(24);
        for (int hour = 0; hour < 9; ++hour)
            nine.setBit(hour);
        hours->setBits(nine);
        emit hours->bitsChanged(nine);
        QCOMPARE(hours->bits(), three);
        QCOMPARE(channel.testTimeMinutes(), (QList<quint16>{360, 720, 1080}));
    }

    void networkChannelAndPort()
    {
        s_channelGSMsett block = channelOfType(4);
        block.dc09.port = 0;
        ChannelSettings channel(&block);
        ChannelSettingsWidget form;
        auto *port = child<SpinBoxWithValidator>(&form, "sbDC09ServerPort");
        port->setValue(3061);
        form.setChannel(0, &channel);
        QCOMPARE(int(block.dc09.port), 0); // showing keeps a stored 0

        auto *network = child<QComboBox>(&form, "cbNetworkConnectionChannel");
        auto *timeout = child<SpinBoxWithValidator>(&form, "sbDC09AnswerTimeout");
        network->setCurrentIndex(1);
        QCOMPARE(int(block.dc09.linkChannel), 2);
        timeout->setValue(5);
        QCOMPARE(int(block.dc09.answerTimeout), 5);
        network->setCurrentIndex(0);
        QCOMPARE(timeout->value(), 20);
        QCOMPARE(int(block.dc09.answerTimeout), 20);

        // Every port from 1 to 65535 can be typed, and nothing else.
        for (const auto &[text, accepted] : {std::pair<QString, bool>{"60000", true},
                                             {"65535", true},
                                             {"1", true},
                                             {"60999", true},
                                             {"65536", false},
                                             {"0", false},
                                             {"70000", false}}) {
            QString input = text;
            int position = input.size();
            QCOMPARE(port->validate(input, position) == QValidator::Acceptable, accepted);
        }
        // A host name survives a port edit unchanged.
        child<QLineEdit>(&form, "leDC09ServerAddress")->setText(QStringLiteral("пульт.рф"));
        port->setValue(4000);
        QCOMPARE(channel.host(), QStringLiteral("пульт.рф"));
        QCOMPARE(int(block.dc09.port), 4000);
    }

    void phoneTyping()
    {
        auto *owner = new UserSettings(nullptr, 3);
        owner->setName(QStringLiteral("Owner"));
        owner->setPhone(QStringLiteral("+79161234567"));
        m_overmind->userModel()->addUser(owner);
        s_channelGSMsett block = channelOfType(3);
        block.call.phone = 0;
        ChannelSettings channel(&block);
        ChannelSettingsWidget form;
        form.setChannel(0, &channel);
        auto *users = child<QComboBox>(&form, "cbUserList");
        QCOMPARE(users->currentText(), QStringLiteral("None"));
        auto *edit = child<ContentAwareLineEdit>(&form, "lePhoneCallPhoneNumber");
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("89161234567"));
        QCOMPARE(edit->text(), QStringLiteral("+79161234567"));
        QCOMPARE(block.call.phone, quint64(79161234567ULL));
        QCOMPARE(users->currentText(), QStringLiteral("Owner"));
        QCOMPARE(int(block.channelUserId), int(owner->id()));
    }

    void directionForm()
    {
        ModalRecorder boxes;
        const RussianScreen russian;
        QVERIFY(russian.isLoaded());
        // The controller's own directions: the name check asks the controller.
        DirectionSettings &settings = *m_overmind->directionSettings();
        settings.setDirections({{0, SimDirections::direction(0)},
                                {4, SimDirections::direction(4)},
                                {6, SimDirections::direction(6)}});
        const int receiversBefore = m_overmind->readyReceivers();
        DirectionSettingsWidget form;
        emit m_overmind->setKorvelType();
        emit m_overmind->setKorvelType();
        QCOMPARE(m_overmind->readyReceivers(), receiversBefore + 1);
        settings.setDataPointer(0);
        form.setSettings(&settings);
        form.show();
        auto *partitions = child<QListWidget>(&form, "lwPartitions");
        QCOMPARE(partitions->count(), 17);
        // Row 0, the executive devices, is bit 17.
        partitions->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!(settings.eventFilter().partitions & (1u << 17)));
        partitions->item(0)->setCheckState(Qt::Checked);
        QVERIFY(settings.eventFilter().partitions & (1u << 17));
        partitions->item(5)->setCheckState(Qt::Checked);
        QVERIFY(settings.eventFilter().partitions & (1u << 5));
        saveScreenshot(&form, "direction_form.png");
        VERIFY_RUSSIAN_ONLY(&form, SimDirections::directionName(0).split(' '));

        // Events a DC-09 receiver cannot carry are hidden; the group follows its visible ones.
        auto *tree = child<QTreeWidget>(&form, "twEvents");
        QTreeWidgetItem *partitionEvents = tree->topLevelItem(0);
        int hidden = 0;
        for (int i = 0; i < partitionEvents->childCount(); ++i) {
            QTreeWidgetItem *item = partitionEvents->child(i);
            hidden += item->isHidden() ? 1 : 0;
            QCOMPARE(item->isHidden(),
                     !settings.isPartitionEventSupported(item->data(0, Qt::UserRole).toInt()));
        }
        QVERIFY(hidden > 0);
        partitionEvents->setCheckState(0, Qt::Unchecked);
        QCOMPARE(settings.eventFilter().partitionEvents & ((quint64(1) << 42) - 1), quint64(0));
        partitionEvents->setCheckState(0, Qt::Checked);
        QCOMPARE(settings.eventFilter().partitionEvents & ((quint64(1) << 42) - 1),
                 (quint64(1) << 42) - 1);

        // A name another direction has: no save.
        auto *name = child<ContentAwareLineEdit>(&form, "leDirName");
        auto *save = child<QPushButton>(&form, "pbSaveSettings");
        name->setText(QString());
        QTest::keyClicks(name, SimDirections::directionName(4));
        QVERIFY(!save->isEnabled());
        QVERIFY(settings.m_invalid);
        QVERIFY(!form.isSaveable());
        name->setText(QString());
        QTest::keyClicks(name, QStringLiteral("Unique"));
        QVERIFY(save->isEnabled());
        QVERIFY(!settings.m_invalid);

        // Switching the main channel off greys the filter and the reserves out.
        child<QComboBox>(form.channelForm(0), "cbType")->setCurrentIndex(0);
        QVERIFY(!partitions->isEnabled());
        QVERIFY(!tree->isEnabled());
        QCOMPARE(form.channelForm(1)->typeIndex(), 0);
        QCOMPARE(form.channelForm(2)->typeIndex(), 0);
        QVERIFY(!child<QComboBox>(form.channelForm(1), "cbType")->isEnabled());
    }

    // Stored values the forms cannot show or would fill in: showing keeps the record as it
    // is, and a change of one control changes that field alone.
    void showingADirectionChangesNothing_data()
    {
        QTest::addColumn<QString>("oddity");
        QTest::newRow("host of 32 bytes") << "host";
        QTest::newRow("stored port 0") << "port";
        QTest::newRow("link channel 0") << "link";
        QTest::newRow("test interval 0") << "interval";
        QTest::newRow("test type 3 on a phone channel") << "testType";
        QTest::newRow("a number other than the linked user's") << "userPhone";
        QTest::newRow("IP fields of a phone channel") << "ipFields";
        QTest::newRow("reserve 2 DC-09 behind a disabled reserve 1") << "reserves";
    }

    void showingADirectionChangesNothing()
    {
        QFETCH(QString, oddity);
        auto *owner = new UserSettings(nullptr, 3);
        owner->setName(QStringLiteral("Owner"));
        owner->setPhone(QStringLiteral("+79161234567"));
        m_overmind->userModel()->addUser(owner);
        s_ExtMemDataGSMDirection record = SimDirections::direction(5); // DC-09, call, SMS
        s_channelGSMsett &main = record.settings.channels[0];
        s_channelGSMsett &call = record.settings.channels[1];
        if (oddity == QLatin1String("host")) {
            const QByteArray host = "receiver-of-the-central-station1";
            QCOMPARE(host.size(), int(sizeof(main.dc09.address)));
            std::memcpy(main.dc09.address, host.constData(), sizeof(main.dc09.address));
            main.dc09.options |= Dc09Option::HostName;
        } else if (oddity == QLatin1String("port")) {
            main.dc09.port = 0;
        } else if (oddity == QLatin1String("link")) {
            main.dc09.linkChannel = 0;
        } else if (oddity == QLatin1String("interval")) {
            call.test.interval = 0;
        } else if (oddity == QLatin1String("testType")) {
            call.test.testType = 3;
        } else if (oddity == QLatin1String("userPhone")) {
            call.channelUserId = quint8(owner->id());
            call.call.phone = 112;
        } else if (oddity == QLatin1String("ipFields")) {
            call.dc09.port = 5000;
            call.dc09.answerTimeout = 9;
        } else {
            call.type = ChannelDisabled;
            record.settings.channels[2] = main;
        }
        DirectionSettings::seal(record);
        // Shown before: a direction whose second reserve is an IP channel too.
        s_ExtMemDataGSMDirection previous = SimDirections::direction(5);
        previous.settings.channels[2] = previous.settings.channels[0];
        DirectionSettings::putName(previous, QStringLiteral("Previous"));
        DirectionSettings::seal(previous);
        QMap<int, int> &counts = m_overmind->ipChannelCounts();
        DirectionSettings settings(nullptr);
        settings.setDirections({{4, previous}, {5, record}});
        DirectionSettingsWidget form;
        emit m_overmind->setKorvelType();
        settings.setDataPointer(4);
        form.setSettings(&settings);
        QCOMPARE(counts.value(4), 2);
        settings.setDataPointer(5);
        form.setSettings(&settings);
        form.show();

        const auto bytes = [](const s_ExtMemDataGSMDirection &direction) {
            return QByteArray(reinterpret_cast<const char *>(&direction), int(sizeof(direction)));
        };
        QCOMPARE(bytes(settings.currentRecord()).toHex(), bytes(record).toHex());
        QVERIFY(!settings.isModified());
        // The direction shown before keeps its count of IP channels.
        QCOMPARE(counts.value(4), 2);
        QCOMPARE(counts.value(5), oddity == QLatin1String("reserves") ? 2 : 1);

        auto *partitions = child<QListWidget>(&form, "lwPartitions");
        QVERIFY(partitions->count() > 3);
        partitions->item(3)->setCheckState(
            partitions->item(3)->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        QVERIFY(settings.isModified());
        const QByteArray before = bytes(record);
        const QByteArray after = bytes(settings.currentRecord());
        const int filterAt =
            int(reinterpret_cast<const char *>(&record.settings.filter.partitions) -
                reinterpret_cast<const char *>(&record));
        for (int i = 0; i < before.size(); ++i)
            if (before.at(i) != after.at(i))
                QVERIFY2(i >= filterAt && i < filterAt + 4, qPrintable(QString::number(i)));
    }

    // A phone channel without a number stops the save; nothing runs in the middle of it.
    void savingChecksPhones()
    {
        ModalRecorder boxes;
        DirectionSettings settings(nullptr);
        s_ExtMemDataGSMDirection record = SimDirections::direction(5); // DC-09, call, SMS
        record.settings.channels[2].type = 3;
        record.settings.channels[2].call.phone = 0;
        settings.setDirections({{5, record}});
        settings.setDataPointer(5);
        DirectionSettingsWidget form;
        form.setSettings(&settings);
        QSignalSpy written(&settings, &DirectionSettings::settingsUpdated);
        form.saveSettings();
        QCOMPARE(boxes.count("warning"), 1);
        QCOMPARE(boxes.seen.first().text, QStringLiteral("Phone number is empty. (Reserve 2)"));
        QCOMPARE(written.count(), 0);

        settings.channel(2)->setPhoneNumber(QStringLiteral("112"));
        settings.channel(0)->setTestType(0);
        bool queuedRan = false;
        QTimer::singleShot(0, this, [&queuedRan] { queuedRan = true; });
        form.saveSettings();
        QVERIFY(!queuedRan);
        QCOMPARE(written.count(), 1);
        QCOMPARE(int(settings.directions().value(5).settings.channels[0].test.testType), 3);
        QCoreApplication::processEvents();
    }

    void narrowScreen()
    {
        DirectionSettingsWidget::setAvailableScreenWidth(800);
        DirectionSettingsWidget form;
        form.show();
        auto *settingsButton = child<QPushButton>(&form, "pbSettings");
        auto *eventsButton = child<QPushButton>(&form, "pbEvents");
        QVERIFY(shown(&form, "twSettings"));
        QVERIFY(!shown(&form, "gbEventList"));
        saveScreenshot(&form, "direction_form_narrow.png");
        eventsButton->setChecked(true);
        QVERIFY(!settingsButton->isChecked());
        QVERIFY(!shown(&form, "twSettings"));
        QVERIFY(shown(&form, "gbPartitions"));
        settingsButton->setChecked(true);
        QVERIFY(!eventsButton->isChecked());
    }
};

QTEST_MAIN(TestDirectionForms)
#include "test_direction_forms.moc"
