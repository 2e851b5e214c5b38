#pragma once

#include <QString>

class SimCommunicator;

// The realistic large configuration pushed to the widths of its fields: the maximum counts
// (100 radio devices, 64 users, 64 keys, 11 directions), names of exactly 63 UTF-8 bytes in
// Cyrillic, 32-byte host names, and 64-bit words with their top bits set.
class SimFullWidth
{
public:
    static constexpr int ValveId = 16;
    static constexpr int RadioDeviceCount = 100;
    static constexpr int UserCount = 64;
    static constexpr int KeyCount = 64;
    // Detectors 3, 15, 57 and 63 in the first word, 64 and 127 in the second.
    static constexpr quint64 ValveSubscription[2] = {
        (1ull << 3) | (1ull << 15) | (1ull << 57) | (1ull << 63), 1ull | (1ull << 63)};
    // The user settings word with its reserved top byte set.
    static constexpr quint64 UserSettingsWord = 0xA5000000000000C7ull;

    static void install(SimCommunicator &device);
    // A name of exactly 63 UTF-8 bytes, distinct per number.
    static QString longName(int number);
    static QByteArray hostName(int number);
};
