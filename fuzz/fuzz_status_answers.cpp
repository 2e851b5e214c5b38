// Feeds supply status (0x0E), device status (0x0F) and the realtime values, titles and
// display types (0x3A..0x3C) through the running program's protocol into the power
// panels, the controller and the realtime view.
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("status_answers")));
    return 0;
}
