#pragma once

#include <QByteArray>

#include <cstdint>

// The two checksums of the communicator's firmware, computed bit for bit as it does.

// Appends the CRC-16 of the message's current bytes, low byte first.
void crc16Append(QByteArray &message);
// CRC-16 (polynomial 0x1021, register 0xFFFF, input bytes reflected, result not).
quint16 crc16Of(const QByteArray &message);
quint16 crc16Of(const char *data, int length);
// CRC-32 of the STM32 CRC unit over little-endian 32-bit words; a tail of 1 to 3
// bytes forms one more word, zero-filled above. Reads nothing past length.
quint32 crc32Stm(const void *data, quint32 length);
