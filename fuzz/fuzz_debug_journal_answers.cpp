// Feeds debug journal entries (0x04) and its erase answer (0xAB) through the running
// program's protocol into the debug journal and its page.
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("debug_journal_answers")));
    return 0;
}
