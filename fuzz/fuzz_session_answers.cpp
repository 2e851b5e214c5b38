// Feeds the answers of the session through the running program's protocol: login and
// logout (0x01, 0x05), the firmware header (0x34), the supported settings versions (0x54)
// and the loader's progress and end of the settings read (0x39, 0x38). An input that ends
// the login leaves the program logged in again for the next one: otherwise the first
// logout among the seeds would leave every later input a program with no device.
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("session_answers")));
    program.restoreLogin();
    return 0;
}
