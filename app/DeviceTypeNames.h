#pragma once

#include <QString>
#include <array>

// Display names of the 8-bit device type code shared by radio devices, the
// communicator's variants and firmware image kinds. Readers keep the index in 0..73.
constexpr int DeviceTypeCount = 74;
extern std::array<QString, DeviceTypeCount> deviceTypeNames;

void initDeviceTypeNames();
