// Feeds key blocks (0x27) and key deletions (0x96) through the running program's protocol
// into its key table, then checks the table and reads every cell.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("key_answers")));
    IButtonModel &model = *program.overmind()->iButtonModel();
    if (model.rowCount() > IButtonModel::maxKeys())
        abort();
    int previous = -1;
    for (int row = 0; row < model.rowCount(); ++row) {
        const IButtonSettings *key = model.keyAt(quint8(row));
        // Ascending, unique numbers within the device's slots; identifiers within the field.
        if (key->id() <= previous || key->id() >= IButtonModel::maxKeys() ||
            key->idHex().size() > 12)
            abort();
        previous = key->id();
        for (int column = 0; column < model.columnCount(); ++column)
            (void)model.index(row, column).data();
    }
    program.settle();
    return 0;
}
