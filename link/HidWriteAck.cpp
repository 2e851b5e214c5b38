#include "link/HidWriteAck.h"

namespace {
enum WriteOutcome : unsigned char
{
    NotStarted = 0,
    Written = 1,
    Failed = 2,
};
}

int hid_write_vo_delay(hid_device *device, const unsigned char *data, std::size_t length,
                       unsigned char *context)
{
    context[0] = NotStarted;
    const int written = hid_write(device, data, length);
    if (written < 0)
        return -1;
    // A short write leaves the report incomplete: the device never sees it.
    context[0] = std::size_t(written) == length ? Written : Failed;
    return 0;
}

int hid_write_check_ack(hid_device *, unsigned char *context)
{
    return context[0] == Written ? 1 : -2;
}
