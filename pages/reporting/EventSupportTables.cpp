#include "pages/reporting/EventSupportTables.h"

#include <array>

namespace {
// One row per bit: Quenor code, DC-09 kind and code, SurGard kind and code, and whether
// any channel may carry it (per execution for the power group, else the first column).
struct Entry
{
    quint16 quenor;
    quint8 dc09Kind;
    quint16 dc09Code;
    quint8 surGardKind;
    quint16 surGardCode;
    std::array<quint8, 3> any;
};

constexpr Entry none{0, 0, 0, 0, 0, {0, 0, 0}};
constexpr quint16 NoCode = 0xFFFF;

constexpr Entry one(quint16 q, quint8 dk, quint16 dc, quint8 sk, quint16 sc, quint8 any)
{
    return {q, dk, dc, sk, sc, {any, any, any}};
}

const std::array<Entry, 42> &partitionTable()
{
    static const std::array<Entry, 42> table = [] {
        std::array<Entry, 42> t;
        t.fill(none);
        t[6] = one(17, 4, 0x1374, 4, 0x1374, 1);
        t[8] = one(242, 6, 0x1402, 6, 0x1400, 1);
        t[9] = one(666, 6, 0x3402, 6, 0x3403, 0);
        t[10] = one(23, 0, 0, 0, 0, 0);
        t[11] = one(241, 6, 0x3402, 6, 0x3456, 1);
        t[16] = one(241, 6, 0x3402, 6, 0x3400, 1);
        t[17] = one(118, 4, 0x1134, 4, 0x1138, 1);
        t[21] = one(3, 4, 0x1130, 4, 0x1130, 1);
        t[22] = one(39, 4, 0x3110, 4, 0x3110, 1);
        t[23] = one(39, 4, 0x3119, 4, 0x3115, 0);
        t[24] = one(37, 4, 0x1110, 4, 0x1110, 1);
        t[25] = one(40, 4, 0x1119, 4, 0x1115, 1);
        t[29] = one(58, 4, 0x1122, 4, 0x1122, 1);
        t[30] = one(128, 0, 0, 0, 0, 0);
        t[31] = one(128, 0, 0, 0, 0, 0);
        t[32] = one(223, 5, 0x1999, 0, 0, 1);
        t[33] = one(79, 4, NoCode, 4, NoCode, 1);
        t[41] = one(128, 0, 0, 0, 0, 0);
        return t;
    }();
    return table;
}

const std::array<Entry, 44> &zoneTable()
{
    static const std::array<Entry, 44> table = [] {
        std::array<Entry, 44> t;
        t.fill(none);
        t[2] = one(158, 3, 0x3333, 0, 0, 1);
        t[3] = one(3, 3, 0x1130, 4, 0x1130, 0);
        t[4] = one(118, 3, 0x1134, 0, 0, 0);
        t[5] = one(58, 3, 0x1122, 4, 0x1120, 0);
        t[6] = one(37, 3, 0x1110, 4, 0x1110, 0);
        t[7] = one(40, 3, 0x1119, 4, 0x1111, 0);
        t[8] = one(214, 3, 0x1372, 4, 0x1372, 1);
        t[9] = one(45, 3, 0x1371, 4, 0x1371, 1);
        t[10] = one(36, 0, 0x1372, 0, 0, 0);
        t[11] = one(38, 0, 0x1371, 0, 0, 0);
        t[12] = one(158, 3, NoCode, 4, NoCode, 1);
        t[13] = one(149, 3, 0x1383, 4, 0x1144, 1);
        t[14] = one(152, 3, 0x3383, 4, 0x3144, 1);
        t[15] = one(187, 3, 0x1333, 4, 0x1381, 1);
        t[16] = one(188, 3, 0x3333, 4, 0x3381, 1);
        t[17] = one(200, 3, 0x3302, 4, 0x3314, 1);
        t[18] = one(211, 3, 0x1302, 4, 0x1314, 1);
        t[19] = one(213, 3, 0x3384, 4, 0x3384, 1);
        t[20] = one(212, 3, 0x1384, 4, 0x1384, 1);
        t[21] = one(135, 3, 0x1393, 4, 0x1393, 1);
        t[22] = one(19, 0, 0, 0, 0, 1);
        t[23] = one(0, 3, NoCode, 0, 0, 1);
        t[24] = one(0, 3, NoCode, 4, NoCode, 0);
        t[26] = one(223, 5, 0x1999, 0, 0, 0);
        t[27] = one(241, 3, 0x3402, 4, 0x3402, 0);
        t[28] = one(242, 3, 0x1402, 4, 0x1402, 0);
        t[29] = one(203, 3, 0x3339, 0, 0, 1);
        t[30] = one(241, 3, 0x3402, 4, 0x3456, 0);
        t[31] = one(78, 3, NoCode, 4, NoCode, 1);
        t[32] = one(72, 3, NoCode, 0, 0, 1);
        t[33] = one(410, 3, NoCode, 4, NoCode, 1);
        t[34] = one(3, 3, 0x1130, 4, 0x1130, 0);
        t[35] = one(119, 0, 0, 0, 0, 1);
        for (int bit = 36; bit <= 43; ++bit)
            t[size_t(bit)] = one(0, 0, 0, 0, 0, 1);
        return t;
    }();
    return table;
}

const std::array<Entry, 24> &powerTable()
{
    static const std::array<Entry, 24> table = [] {
        std::array<Entry, 24> t;
        t.fill(none);
        t[1] = {2, 8, 0x1337, 8, 0x1301, {1, 0, 1}};
        t[2] = {0, 8, 0x1337, 8, 0x1301, {1, 0, 0}};
        t[3] = {0, 8, 0x1337, 0, 0, {1, 0, 0}};
        t[4] = {1, 8, 0x3337, 8, 0x3301, {1, 0, 1}};
        for (int bit : {5, 6, 7})
            t[size_t(bit)] = {198, 0, 0, 0, 0, {0, 1, 0}};
        t[8] = {199, 0, 0, 0, 0, {0, 1, 0}};
        for (int bit : {9, 10})
            t[size_t(bit)] = {212, 0, 0, 0, 0, {0, 1, 0}};
        for (int bit : {11, 12})
            t[size_t(bit)] = {0, 0, 0, 0, 0, {0, 1, 0}};
        t[13] = {213, 0, 0, 0, 0, {0, 1, 0}};
        t[14] = {211, 8, 0x1302, 8, 0x1302, {1, 1, 1}};
        t[15] = {205, 8, 0x1311, 8, 0x1309, {1, 1, 1}};
        t[16] = {202, 8, 0x1311, 4, 0x1311, {1, 1, 1}};
        t[17] = {200, 8, 0x3311, 4, 0x3311, {1, 1, 1}};
        t[18] = {200, 8, 0x3302, 8, 0x3302, {1, 1, 1}};
        t[19] = {200, 8, 0x3311, 4, 0x3311, {1, 1, 1}};
        t[20] = {200, 8, 0x3311, 4, 0x3311, {0, 0, 0}};
        return t;
    }();
    return table;
}

const std::array<Entry, 19> &systemTable()
{
    static const std::array<Entry, 19> table = [] {
        std::array<Entry, 19> t;
        t.fill(none);
        for (int bit = 1; bit <= 8; ++bit)
            t[size_t(bit)] = one(0, 0, 0, 0, 0, 1);
        t[11] = one(149, 4, 0x1383, 4, 0x1144, 1);
        t[12] = one(152, 4, 0x3383, 4, 0x3144, 1);
        t[13] = one(203, 0, 0, 0, 0, 1);
        t[14] = one(0, 0, 0, 0, 0, 1);
        return t;
    }();
    return table;
}

// Output events: no Quenor table; receivers carry only bit 3.
constexpr std::array<quint8, 6> outputReceiver{0, 0, 0, 1, 0, 0};
constexpr std::array<quint8, 6> outputAny{1, 1, 1, 1, 1, 1};

const Entry *entry(int group, int bit)
{
    if (bit < 0 || bit >= EventSupportTables::bitCount(group))
        return nullptr;
    const auto at = size_t(bit);
    switch (group) {
    case EventSupportTables::PartitionGroup:
        return &partitionTable()[at];
    case EventSupportTables::ZoneGroup:
        return &zoneTable()[at];
    case EventSupportTables::PowerGroup:
        return &powerTable()[at];
    case EventSupportTables::SystemGroup:
        return &systemTable()[at];
    default:
        return nullptr;
    }
}

bool insideOutputs(int bit)
{
    return bit >= 0 && bit < int(outputAny.size());
}
} // namespace

int EventSupportTables::bitCount(int group)
{
    static constexpr std::array<int, GroupCount> counts{42, 44, 24, 19, 6};
    return group >= 0 && group < GroupCount ? counts[size_t(group)] : 0;
}

bool EventSupportTables::quenorSupports(int group, int bit)
{
    if (group == OutputGroup)
        return insideOutputs(bit);
    const Entry *e = entry(group, bit);
    return e && e->quenor != 0;
}

bool EventSupportTables::dc09Supports(int group, int bit)
{
    if (group == OutputGroup)
        return insideOutputs(bit) && outputReceiver[size_t(bit)] != 0;
    const Entry *e = entry(group, bit);
    return e && e->dc09Kind != 0;
}

bool EventSupportTables::surGardSupports(int group, int bit)
{
    if (group == OutputGroup)
        return insideOutputs(bit) && outputReceiver[size_t(bit)] != 0;
    const Entry *e = entry(group, bit);
    return e && e->surGardKind != 0;
}

bool EventSupportTables::anyChannelSupports(int group, int bit, int execution)
{
    if (group == OutputGroup)
        return insideOutputs(bit) && outputAny[size_t(bit)] != 0;
    const Entry *e = entry(group, bit);
    if (!e)
        return false;
    if (group != PowerGroup)
        return e->any[0] != 0;
    if (execution < 0 || execution > 2)
        return true;
    return e->any[size_t(execution)] != 0;
}
