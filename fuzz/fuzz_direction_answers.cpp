// Feeds direction blocks (0x31) and channel status (0x17) through the running program's
// protocol into the direction settings and the directions page, then lets the page leave
// one of its directions. The first byte chooses that direction; the rest is a stream of
// answers.
#include "FuzzSupport.h"

#include "app/MainWindow.h"
#include "pages/reporting/DirectionsWidget.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    if (size < 1)
        return 0;
    Fuzz::feedAnswers(data + 1, size - 1, Fuzz::operationsOf(QStringLiteral("direction_answers")));
    for (DirectionsWidget *page : program.window()->findChildren<DirectionsWidget *>())
        page->confirmLeave(int(data[0] % 12) - 1, 0);
    program.settle();
    return 0;
}
