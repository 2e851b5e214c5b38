// Writes 64 users through the real transport to the simulated device and reports the
// longest pause of the event loop during the write and how the write keeps its pace.
#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/users/UserModel.h"
#include "sim/SimBus.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int Users = 64;

s_ExtMemDataUser sealedRecord(quint8 id)
{
    UserSettings user(nullptr, id);
    user.setName(QStringLiteral("Bench user %1").arg(id));
    user.setLogin(QStringLiteral("bench%1").arg(id));
    user.setPhone(QString::number(79000000000ull + id));
    user.writeToDevice();
    return user.record();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    Logger logger;
    Logger::registerMetaType();
    SimBus bus;
    SimDevice device(QStringLiteral("00BE0C12"), QStringLiteral("Korvel-GSM R"));
    SimCommunicator communicator(&bus, &device);
    bus.plug(&device);
    HIDInterface hid;
    if (!QTest::qWaitFor([&] { return hid.currentConnection() != nullptr; }, 10000))
        return 1;
    hid.activate();
    if (!hid.isActive())
        return 1;
    Protocol protocol(&hid);
    QObject::connect(&hid, &HIDInterface::messageReceived, &protocol, &Protocol::onMessageReceived);
    Overmind overmind;
    overmind.deviceInfo().init(0, 0, 0, 0);
    UserModel model(&protocol);
    for (int id = 0; id < Users; ++id)
        model.userSettings(quint8(id), sealedRecord(quint8(id)));

    QElapsedTimer clock;
    qint64 lastTurn = 0;
    qint64 longestPause = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestPause = qMax(longestPause, now - lastTurn);
        lastTurn = now;
    });
    bool finished = false;
    QObject::connect(&model, &UserModel::writeAllFinished, [&] { finished = true; });
    communicator.clearCommands();
    clock.start();
    turns.start(0);
    model.writeAllToDevice();
    if (!QTest::qWaitFor([&] { return finished; }, 60000))
        return 1;
    // Until the last user has reached the device.
    if (!QTest::qWaitFor([&] { return communicator.commandsOf(0x79).size() == Users; }, 60000))
        return 1;
    const qint64 elapsed = clock.elapsed();
    std::printf("longest GUI pause ms: %lld\n", static_cast<long long>(longestPause));
    std::printf("pace ratio: %.3f\n", double(elapsed) / (Users * UserModel::WritePaceMs));
    return 0;
}
