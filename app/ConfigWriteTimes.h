#pragma once

// Timing of writing a configuration file into the device. The program never changes
// these; tests shorten the limits to exercise a device that stops answering.
struct ConfigWriteTimes
{
    static int usersStageMs;    // users of an older-format file, after the first stage
    static int secondPassMs;    // keys, directions and network settings
    static int drainLimitMs;    // longest wait for the writer's queue to empty
    static int transmitLimitMs; // longest wait for the restart command to leave
};
