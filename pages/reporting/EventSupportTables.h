#pragma once

#include <QtGlobal>

// Which events each kind of channel can carry, per event group of the direction filter.
// A receiver needs a Contact ID code, a Quenor SMS a Quenor code; some events exist only
// on certain hardware executions.
class EventSupportTables
{
public:
    enum Group
    {
        PartitionGroup = 0,
        ZoneGroup = 1,
        PowerGroup = 2,
        SystemGroup = 3,
        OutputGroup = 4,
    };
    static constexpr int GroupCount = 5;

    // Bits of the group's mask that carry events.
    static int bitCount(int group);
    // Bits outside a group's table are unsupported by every channel.
    static bool quenorSupports(int group, int bit);
    static bool dc09Supports(int group, int bit);
    static bool surGardSupports(int group, int bit);
    // For an execution without its own power table every power event is supported.
    static bool anyChannelSupports(int group, int bit, int execution);
};
