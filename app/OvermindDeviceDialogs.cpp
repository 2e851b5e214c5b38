#include "app/Overmind.h"

#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/radio/ASRCountersValues.h"
#include "pages/radio/KPCountersValues.h"
#include "pages/radio/SetKPValvesServiceTime.h"
#include "pages/radio/SubscriptionDZtoKPWidget.h"

#include <QPointer>
#include <cstring>

namespace {
void putWord(QByteArray &block, int offset, quint32 value)
{
    std::memcpy(block.data() + offset, &value, sizeof(value));
}

// A serial number as typed: digits only, at most 13 of them, so it fits 64 bits.
quint64 serialNumber(const QString &text)
{
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, 10);
    return ok ? value : 0;
}
} // namespace

QByteArray Overmind::showPulseCountersDialog(int type, quint32 count1, quint32 count2,
                                             quint32 count3, quint32 weight1, quint32 weight2,
                                             quint32 price, quint8 configuration)
{
    QByteArray block(16, '\0');
    ASRCountersValues dialog(type, count1, count2, count3, 0, weight1, weight2, price,
                             configuration);
    bool linkLost = false;
    connect(this, &Overmind::disconnected, &dialog, [&dialog, &linkLost] {
        linkLost = true;
        dialog.reject();
    });
    bool reported = false;
    connect(&dialog, &ASRCountersValues::updateValues, &dialog,
            [&block, &reported](quint32 val1, quint32 val2, quint32 val3) {
                putWord(block, 0, val1);
                putWord(block, 4, val2);
                putWord(block, 8, val3);
                reported = true;
            });
    if (dialog.exec() != QDialog::Accepted || !reported || linkLost)
        putWord(block, 12, 0xFFFFFFFFu);
    return block;
}

QByteArray Overmind::showValveCountersDialog(quint8 sensorId, s_ExtMemDataSensor record,
                                             const QByteArray &block, double weight,
                                             const QString &serial1, const QString &serial2)
{
    QByteArray result = block.left(16);
    result.resize(16);
    quint32 volumes[2] = {};
    std::memcpy(volumes, result.constData(), sizeof(volumes));
    KPCountersValues dialog(volumes[0], volumes[1], 0, 0, weight, serial1, serial2);
    bool linkLost = false;
    connect(this, &Overmind::disconnected, &dialog, [&dialog, &linkLost] {
        linkLost = true;
        dialog.reject();
    });
    bool reported = false;
    connect(&dialog, &KPCountersValues::updateValues, &dialog,
            [&](quint32 val1, quint32 val2, const QString &text1, const QString &text2) {
                auto *bytes = reinterpret_cast<quint8 *>(&record);
                const quint64 serials[2] = {serialNumber(text1), serialNumber(text2)};
                std::memcpy(bytes + 152, &serials[0], sizeof(quint64));
                std::memcpy(bytes + 160, &serials[1], sizeof(quint64));
                record.reserved68 = 0;
                record.reserved312 = 0;
                record.compatibleVersion = 1;
                record.criticalVersion = 1;
                record.crc32 = crc32Stm(&record, s_ExtMemDataSensor::crcOffset);
                result.fill('\0');
                putWord(result, 0, val1);
                putWord(result, 4, val2);
                reported = true;
            });
    const int answer = dialog.exec();
    // A link that went down while the dialog was open takes no record.
    if (answer != QDialog::Accepted || !reported || linkLost || !m_protocol) {
        std::memset(result.data() + 8, 0xFF, 8);
        return result;
    }
    m_protocol->writeSensorData(sensorId, record);
    return result;
}

void Overmind::showValveServiceTimeDialog(Sensor::SPtr device, quint32 serviceTime)
{
    if (m_viewingMode || m_valveServiceTimeDialog || !device)
        return;
    auto *window = new SetKPValvesServiceTime(device, serviceTime);
    registerDialog(window);
    QPointer<Sensor> watched(device.get());
    connect(window, &QObject::destroyed, this, [watched] {
        if (watched)
            emit watched->dataUpdated();
    });
    m_valveServiceTimeDialog = window;
    window->show();
}

void Overmind::showValveSubscriptionDialog(Sensor::SPtr device, const QByteArray &mask)
{
    if (m_viewingMode || m_valveSubscriptionDialog || !device)
        return;
    auto *window = new SubscriptionDZtoKPWidget(device, mask);
    registerDialog(window);
    m_valveSubscriptionDialog = window;
    window->show();
}

void Overmind::readDeviceTime()
{
    if (m_protocol)
        m_protocol->readDateTime();
}
