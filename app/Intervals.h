#pragma once

// Timer intervals of the login road. The program never changes them; tests shorten them
// so a three-minute watchdog can be exercised quickly.
struct Intervals
{
    static int loaderDelayMs;      // command 0x23 after the firmware information
    static int loaderWatchdogMs;   // no completion within this: ask to retry
    static int keepAliveMs;        // command 0x50 while logged in
    static int reloginDelayMs;     // login dialog again after the device ended the login
    static int firmwareRetryLimit; // unprogrammed firmware answers asked for again
};
