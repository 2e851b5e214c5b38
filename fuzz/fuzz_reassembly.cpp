// Feeds report sequences to a connection's reassembly. Odd first byte: arbitrary
// reports, each prefixed by its length. Even first byte: a message cut by the writer
// must come out whole.
#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <cstdlib>

#include "app/Logger.h"
#include "link/Crc.h"
#include "link/HIDConnection.h"
#include "link/HIDWriter.h"

namespace {

void feedArbitraryReports(const uint8_t *data, size_t size)
{
    HIDConnection connection(HidDeviceInfo{}, 0x5710, 0x0483);
    size_t offset = 0;
    while (offset < size) {
        const size_t length = std::min<size_t>(data[offset] % 72, size - offset - 1);
        ++offset;
        connection.receivedReports().push(
            QByteArray(reinterpret_cast<const char *>(data + offset), int(length)));
        offset += length;
        connection.onDataReceived();
    }
}

void roundTrip(const uint8_t *data, size_t size)
{
    if (size < 2)
        return;
    const int payloadSize = 1 + data[0] % HIDWriter::MaxPayloadSize;
    const quint8 counter = data[1];
    QByteArray message(reinterpret_cast<const char *>(data + 2), int(size - 2));
    QByteArray framed = message;
    crc16Append(framed);

    HIDConnection connection(HidDeviceInfo{}, 0x5710, 0x0483);
    int delivered = 0;
    QObject::connect(&connection, &HIDConnection::messageReceived, [&](const QByteArray &received) {
        if (received != message)
            abort();
        ++delivered;
    });
    for (QByteArray report : HIDWriter::split(framed, counter, payloadSize)) {
        report.append(QByteArray(HIDWriter::ReportSize - report.size(), '\0'));
        connection.receivedReports().push(report);
        connection.onDataReceived();
    }
    if (delivered != 1)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Logger logger;
    if (size == 0)
        return 0;
    if (data[0] & 1)
        feedArbitraryReports(data + 1, size - 1);
    else
        roundTrip(data + 1, size - 1);
    return 0;
}
