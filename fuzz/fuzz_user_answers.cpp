// Feeds user blocks (0x2F) through the running program's protocol into its user table.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "pages/users/UserModel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("user_answers")));
    UserModel *model = program.overmind()->userModel();
    if (model->rowCount() > 256)
        abort();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            (void)model->index(row, column).data();
    program.settle();
    return 0;
}
