#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Storable.h"
#include "link/DeviceErrorTexts.h"
#include "link/PendingWrites.h"
#include "link/Protocol.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/settings/BeeperSettings.h"
#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DebugSettings.h"
#include "pages/settings/DeviceSettings.h"
#include "pages/settings/IButtonConfig.h"
#include "pages/settings/LedsSettings.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/OutputGroupsSettings.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "sim/SimCommunicator.h"
#include "support/ModalRecorder.h"
#include "support/RadioSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QTest>

#include <functional>
#include <memory>

namespace {
constexpr int Timeout = 60000;

// One refused operation: the object whose values the program shows, and how the
// program sends the write the device refuses.
struct RefusalCase
{
    std::function<Storable *(Overmind *)> shownBy;
    std::function<void(Overmind *, Storable *)> send;
    bool changesBeforeTheAnswer = true;
    const char *field = nullptr; // compare this key of the section alone
};

template <typename T> T *registered(Overmind *overmind, const char *key)
{
    return dynamic_cast<T *>(overmind->registry().value(QString::fromLatin1(key)));
}

template <typename T> RefusalCase section(const char *key, std::function<void(T *)> change)
{
    RefusalCase row;
    row.shownBy = [key](Overmind *overmind) { return registered<T>(overmind, key); };
    row.send = [change](Overmind *, Storable *object) {
        change(dynamic_cast<T *>(object));
        object->store();
    };
    return row;
}

Sensor *device(Overmind *overmind)
{
    return overmind->partitionModel()->sensor(1).get();
}

// Sent without an object that waits for it: the box alone, nothing else changes.
RefusalCase unrouted(std::function<void(Protocol *)> send)
{
    RefusalCase row;
    row.shownBy = [](Overmind *overmind) { return device(overmind); };
    row.send = [send](Overmind *overmind, Storable *) { send(overmind->protocol()); };
    row.changesBeforeTheAnswer = false;
    return row;
}

QHash<QString, RefusalCase> cases()
{
    QHash<QString, RefusalCase> rows;
    rows.insert("reset", [] {
        RefusalCase row = section<BeeperSettings>(
            "Beeper", [](BeeperSettings *beeper) { beeper->resetToDefault(); });
        row.changesBeforeTheAnswer = false;
        return row;
    }());
    rows.insert("arm", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->partitionModel()->partition(2); };
        row.send = [](Overmind *, Storable *object) {
            static_cast<Partition *>(object)->setLocked(true);
        };
        row.changesBeforeTheAnswer = false;
        return row;
    }());
    rows.insert("disarm", [&rows] {
        RefusalCase row = rows.value("arm");
        row.send = [](Overmind *, Storable *object) {
            static_cast<Partition *>(object)->setLocked(false);
        };
        return row;
    }());
    rows.insert("date and time", [] {
        RefusalCase row = section<DateTimeSettings>("DateTime", [](DateTimeSettings *clock) {
            clock->setDateTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC));
        });
        row.changesBeforeTheAnswer = false;
        return row;
    }());
    rows.insert("radio device", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return device(overmind); };
        row.send = [](Overmind *, Storable *object) {
            auto *sensor = dynamic_cast<Sensor *>(object);
            sensor->setName(QStringLiteral("Refused"));
            sensor->writeToDevice();
        };
        return row;
    }());
    rows.insert("partition", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->partitionModel()->partition(2); };
        row.send = [](Overmind *, Storable *object) {
            static_cast<Partition *>(object)->setName(QStringLiteral("Refused"));
            object->store();
        };
        return row;
    }());
    rows.insert("local output", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) {
            return overmind->partitionModel()->localOut(0).get();
        };
        row.send = [](Overmind *, Storable *object) {
            static_cast<LocalOut *>(object)->setName(QStringLiteral("Refused"));
            object->writeToDevice();
        };
        return row;
    }());
    rows.insert("key", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->iButtonModel(); };
        row.send = [](Overmind *overmind, Storable *) {
            IButtonSettings *key = overmind->iButtonModel()->keyAt(0);
            key->setUserId(quint8(key->userId() == 1 ? 2 : 1));
            key->store();
        };
        return row;
    }());
    rows.insert("beeper", section<BeeperSettings>("Beeper", [](BeeperSettings *beeper) {
                    beeper->setBeepEventVolume(beeper->beepEventVolume() == 1 ? 2 : 1);
                }));
    rows.insert("leds", section<LedsSettings>("Leds", [](LedsSettings *leds) {
                    leds->setLedsEnabled(!leds->ledsEnabled());
                }));
    rows.insert("object", [] {
        RefusalCase row = section<ObjectSettings>(
            "Object", [](ObjectSettings *object) { object->setNumber(object->number() + 1); });
        // The device's block may come back with a longer arming delay for energy-saving
        // devices, which the program raises by itself.
        row.field = "num";
        return row;
    }());
    rows.insert("device", section<DeviceSettings>("Device", [](DeviceSettings *device) {
                    device->setDuplicateFireFromSameSensEvt(
                        !device->duplicateFireFromSameSensEvt());
                }));
    rows.insert("wireless", section<WirelessSettings>("Wireless", [](WirelessSettings *radio) {
                    radio->setChannel(quint8(radio->channel() == 1 ? 2 : 1));
                }));
    rows.insert("loop", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->partitionModel()->loop().get(); };
        row.send = [](Overmind *, Storable *object) {
            static_cast<Loop *>(object)->setName(QStringLiteral("Refused"));
            object->writeToDevice();
        };
        return row;
    }());
    rows.insert("gsm", section<GSMSettings>("GSM", [](GSMSettings *gsm) {
                    gsm->setGsmEnabled(!gsm->gsmEnabled());
                }));
    rows.insert("user", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->userModel(); };
        row.send = [](Overmind *overmind, Storable *) {
            UserSettings *user = overmind->userModel()->users().last();
            user->setName(QStringLiteral("Refused"));
            user->store();
        };
        return row;
    }());
    rows.insert("key indication", section<IButtonConfig>("iButtonConfig", [](IButtonConfig *c) {
                    c->setLedInversion(!c->ledInversion());
                }));
    rows.insert("direction", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->directionSettings(); };
        row.send = [](Overmind *, Storable *object) {
            auto *directions = static_cast<DirectionSettings *>(object);
            directions->setDataPointer(0);
            eventFilter_t filter = directions->eventFilter();
            filter.partitions ^= 1u << 3;
            directions->setEventFilter(filter);
            directions->writeToDevice();
        };
        return row;
    }());
    rows.insert("forced radio device", unrouted([](Protocol *link) {
                    link->writeSensorDataForced(1, s_ExtMemDataSensor{});
                }));
    rows.insert("debug", section<DebugSettings>("Debug", [](DebugSettings *debug) {
                    debug->setTestServer(!debug->testServer());
                }));
    rows.insert("output group",
                section<OutputGroupsSettings>("OutputGroups", [](OutputGroupsSettings *groups) {
                    groups->setName(0, QStringLiteral("Refused"));
                }));
    rows.insert("halvor device", unrouted([](Protocol *link) {
                    const QByteArray block(64, '\0');
                    link->sendToDevice(_MenuConfigWriteHalvor, 0,
                                       reinterpret_cast<const quint8 *>(block.constData()),
                                       block.size());
                }));
    rows.insert("key deletion", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->iButtonModel(); };
        row.send = [](Overmind *overmind, Storable *) {
            overmind->iButtonModel()->removeRows(0, 1);
        };
        row.changesBeforeTheAnswer = false;
        return row;
    }());
    rows.insert("radio device deletion", unrouted([](Protocol *link) { link->deleteSensor(1); }));
    rows.insert("user deletion", [] {
        RefusalCase row;
        row.shownBy = [](Overmind *overmind) { return overmind->userModel(); };
        row.send = [](Overmind *overmind, Storable *) {
            UserModel *users = overmind->userModel();
            users->removeUsers({users->index(users->rowCount() - 1, 0)});
        };
        return row;
    }());
    rows.insert("direction deletion", unrouted([](Protocol *link) { link->deleteDirection(5); }));
    return rows;
}

// The boxes that tell of the refusal; the device's answers may bring others (its clock).
QList<ModalAnswerer::Request> refusalBoxes(const ModalRecorder &boxes, int code)
{
    QList<ModalAnswerer::Request> found;
    for (const ModalAnswerer::Request &box : boxes.seen)
        if (box.text.contains(deviceErrorText(quint16(code))))
            found.append(box);
    return found;
}

QByteArray shown(Storable *object, const char *field)
{
    QJsonValue value = object->toJson();
    if (field)
        value = value.toObject().value(QLatin1String(field));
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
}
} // namespace

// Every write or deletion the device refuses: one box with the device's text and what was
// refused, and the program then shows what the device holds.
class TestWriteRefusals : public QObject
{
    Q_OBJECT

    // One logged-in session for every row: each row refuses one write of its own.
    std::unique_ptr<RadioSession> session;
    std::unique_ptr<ModalRecorder> boxes;

private slots:
    void initTestCase()
    {
        QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis")).clear();
        boxes = std::make_unique<ModalRecorder>();
        session = std::make_unique<RadioSession>(true);
        QVERIFY(session->logInAndLoad());
    }

    void cleanupTestCase()
    {
        session.reset();
        boxes.reset();
    }

    void init() { boxes->seen.clear(); }

    void refusedWriteIsShownOnceAndUndone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("code");
        const QList<QPair<QString, int>> rows = {
            {"reset", 0x02},
            {"arm", 0x51},
            {"disarm", 0x52},
            {"date and time", 0x64},
            {"radio device", 0x6E},
            {"partition", 0x6F},
            {"local output", 0x70},
            {"key", 0x71},
            {"beeper", 0x72},
            {"leds", 0x73},
            {"object", 0x74},
            {"device", 0x75},
            {"wireless", 0x76},
            {"loop", 0x77},
            {"gsm", 0x78},
            {"user", 0x79},
            {"key indication", 0x7A},
            {"direction", 0x7C},
            {"forced radio device", 0x7F},
            {"debug", 0x80},
            {"output group", 0x81},
            {"halvor device", 0x82},
            {"key deletion", 0x96},
            {"radio device deletion", 0x97},
            {"user deletion", 0x98},
            {"direction deletion", 0x9A},
        };
        for (const auto &row : rows)
            QTest::newRow(qPrintable(row.first))
                << row.first << row.second << int(SimCommunicator::ErrParameter);
        QTest::newRow("direction over the DC-09 limit")
            << QStringLiteral("direction") << 0x7C << 97;
        QTest::newRow("arm without the access level") << QStringLiteral("arm") << 0x51 << 77;
    }

    void refusedWriteIsShownOnceAndUndone()
    {
        QFETCH(QString, name);
        QFETCH(int, operation);
        QFETCH(int, code);
        const RefusalCase row = cases().value(name);
        QVERIFY(row.send);

        Overmind *overmind = session->overmind();
        Storable *object = row.shownBy(overmind);
        QVERIFY(object);
        const QByteArray before = shown(object, row.field);
        const int sent = session->device().commandsOf(quint8(operation)).size();

        session->device().failNext(quint8(operation), quint16(code));
        row.send(overmind, object);
        if (row.changesBeforeTheAnswer)
            QVERIFY(shown(object, row.field) != before);
        QTRY_COMPARE_WITH_TIMEOUT(refusalBoxes(*boxes, code).size(), 1, Timeout);
        const ModalAnswerer::Request box = refusalBoxes(*boxes, code).first();
        QVERIFY2(box.text.contains(PendingWrites::describe(quint8(operation))),
                 qPrintable(box.text));
        QTRY_COMPARE_WITH_TIMEOUT(shown(row.shownBy(overmind), row.field), before, Timeout);
        // Nothing sends the refused command again (the program may write the block it
        // corrected by itself, as for the arming delay).
        const QList<QByteArray> commands = session->device().commandsOf(quint8(operation));
        QVERIFY(commands.size() > sent);
        for (int later = sent + 1; later < commands.size(); ++later)
            QVERIFY(commands.at(later) != commands.at(sent));
        QCOMPARE(refusalBoxes(*boxes, code).size(), 1);
    }

    // A refusal that comes after its sender is gone is shown and changes nothing else.
    void refusalForAGoneSenderIsOnlyShown()
    {
        Protocol *link = session->overmind()->protocol();
        bool told = false;
        {
            QObject gone;
            PendingWrites::Sender sender;
            sender.object = &gone;
            sender.onRefused = [&told](const WriteRefusal &) { told = true; };
            const Protocol::SenderScope scope(link, sender);
            session->device().failNext(0x72, SimCommunicator::ErrParameter);
            link->sendToDevice(_MenuConfigWriteBeeper, 0, nullptr, 0);
        }
        const int reads = session->device().commandsOf(0x28).size();
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 1, Timeout);
        QVERIFY(!told);
        QCOMPARE(session->device().commandsOf(0x28).size(), reads);
    }
};

QTEST_MAIN(TestWriteRefusals)
#include "test_write_refusals.moc"
