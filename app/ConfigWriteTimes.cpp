#include "app/ConfigWriteTimes.h"

int ConfigWriteTimes::usersStageMs = 1000;
int ConfigWriteTimes::secondPassMs = 2000;
int ConfigWriteTimes::drainLimitMs = 60000;
int ConfigWriteTimes::transmitLimitMs = 10000;
