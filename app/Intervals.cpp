#include "app/Intervals.h"

int Intervals::loaderDelayMs = 100;
int Intervals::loaderWatchdogMs = 180000;
int Intervals::keepAliveMs = 10000;
int Intervals::reloginDelayMs = 2000;
int Intervals::firmwareRetryLimit = 5;
