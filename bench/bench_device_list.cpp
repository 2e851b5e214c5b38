// The radio device list over 250 devices: building it, sorting it, and how long the event
// loop stalls while a burst of status answers repaints the cards.
#include "app/Logger.h"
#include "link/Protocol.h"
#include "pages/radio/SensorItemDelegate.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "radio/Partition.h"
#include "radio/Sensor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>
#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr int DeviceCount = 250;
const int types[] = {2,  3,  4,  5,  6,  7,  10, 11, 13, 14, 15, 16, 18, 19, 20,
                     22, 26, 27, 29, 30, 32, 34, 53, 55, 57, 66, 67, 12, 21, 33};

Sensor::SPtr makeDevice(int id)
{
    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    const QByteArray name = QStringLiteral("Датчик %1").arg(id).toUtf8();
    std::memset(report.name, 0xFF, sizeof(report.name));
    std::memcpy(report.name, name.constData(), size_t(name.size()));
    report.name[name.size()] = 0;
    report.settings.bType = quint8(types[id % int(sizeof(types) / sizeof(types[0]))]);
    report.settings.common.Partition = 1;
    report.settings.common.ZoneType = 2;
    report.settings.common.flags = 0x02;
    report.settings.dwSerial = quint32(0xA10000 + id);
    report.status.serialNumber = quint32(0xA10000 + id);
    report.status.state = 2;
    report.status.rssi = qint8(-40 - id % 80);
    report.status.supplyVoltage = 3000;
    return std::make_shared<Sensor>(uchar(id), &report);
}

QByteArray statusAnswer(int id, int round)
{
    s_SensorIntData status;
    std::memset(&status, 0, sizeof(status));
    status.serialNumber = quint32(0xA10000 + id);
    status.state = 2;
    status.flags = (id + round) % 7 == 0 ? (1u << 4) : 0;
    status.rssi = qint8(-40 - (id + round) % 80);
    status.supplyVoltage = 3000;
    QByteArray bytes;
    bytes.append(char(0x0A));
    bytes.append(char(id & 0xFF));
    bytes.append(char(id >> 8));
    return bytes + QByteArray(reinterpret_cast<const char *>(&status), int(sizeof(status)));
}

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    Logger logger;
    Protocol protocol(nullptr);

    Partition partition(nullptr, 1, 1, 0);
    std::vector<Sensor::SPtr> devices;
    for (int id = 0; id < DeviceCount; ++id) {
        devices.push_back(makeDevice(id));
        partition.addSensor(devices.back());
    }
    // The controller's role: each status answer goes to its device.
    QObject::connect(&protocol, &Protocol::sensorStatus,
                     [&devices](quint16 id, const s_SensorIntData &status) {
                         if (id < devices.size())
                             devices[id]->updateStatus(&status);
                     });

    SensorListView view;
    view.setViewMode(QListView::IconMode);
    view.setMovement(QListView::Static);
    view.setResizeMode(QListView::Adjust);
    view.setSpacing(20);
    view.setIconSize(QSize(96, 96));
    view.resize(1280, 800);

    QElapsedTimer timer;
    timer.start();
    auto model = std::make_unique<SensorItemModel>(&partition);
    view.setModel(model.get());
    view.setItemDelegate(new SensorItemDelegate(&view));
    view.show();
    view.doItemsLayout();
    view.viewport()->repaint();
    const double buildMs = ms(timer);

    timer.restart();
    model->setSortType(SensorItemModel::ByName);
    model->setSortType(SensorItemModel::ById);
    const double sortMs = ms(timer);
    app.processEvents();

    // A burst of status answers, queued as the reader task delivers them; a zero timer
    // notes every turn of the event loop.
    double longestPause = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer gap;
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [&gap, &longestPause] {
            longestPause = std::max(longestPause, ms(gap));
            gap.restart();
        });
        for (int id = 0; id < DeviceCount; ++id) {
            const QByteArray answer = statusAnswer(id, round);
            QMetaObject::invokeMethod(
                &protocol, [&protocol, answer] { protocol.onMessageReceived(answer); },
                Qt::QueuedConnection);
        }
        gap.start();
        ticker.start();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 200)
            app.processEvents(QEventLoop::AllEvents, 5);
        ticker.stop();
    }

    QTextStream out(stdout);
    out << "devices: " << model->rowCount() << "\n";
    out << "list build ms: " << QString::number(buildMs, 'f', 2) << "\n";
    out << "sort ms: " << QString::number(sortMs, 'f', 2) << "\n";
    out << "status refresh longest GUI pause ms: " << QString::number(longestPause, 'f', 2) << "\n";
    return model->rowCount() == DeviceCount ? 0 : 1;
}
