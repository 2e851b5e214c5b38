#pragma once

#include <hidapi.h>

#include <cstddef>

// The two acknowledged-write calls the communicator's Windows USB library offers and
// hidapi lacks, rebuilt over hidapi: the start call writes the whole report at once
// (hidraw blocks until the kernel has taken it), so the check never has to answer
// "not yet".

// Writes one output report; -1 when the write fails. The context (20 bytes, owned by
// the caller) records the outcome for hid_write_check_ack.
int hid_write_vo_delay(hid_device *device, const unsigned char *data, std::size_t length,
                       unsigned char *context);
// -2 when the report was not written whole, 1 once it was written.
int hid_write_check_ack(hid_device *device, unsigned char *context);
