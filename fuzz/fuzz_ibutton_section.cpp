// Reads arbitrary JSON as the "iButton" section in either file format, and as format-1
// users carrying "Keys"; then reads the model's own section back into a second model. The
// first byte chooses the form.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/UserModel.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>

namespace {
struct Harness
{
    Harness()
    {
        Fuzz::startApplication();
        overmind = new Overmind;
        overmind->deviceInfo().init(0, 0, 0, 0);
        overmind->createSettingsObjects(false);
    }

    Overmind *overmind = nullptr;
};

void checkTable(const IButtonModel &model)
{
    if (model.rowCount() > IButtonModel::maxKeys())
        abort();
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.keyAt(quint8(row))->id() != row || model.keyAt(quint8(row))->idHex().size() > 12)
            abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    if (size < 1)
        return 0;
    const int form = data[0] % 3;
    const QByteArray text(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QJsonDocument document = QJsonDocument::fromJson(text);
    const QJsonValue section =
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    IButtonModel *keys = harness.overmind->iButtonModel();
    keys->clear();
    if (form == 2) {
        // Format-1 users: the key table is emptied and refilled from their "Keys".
        harness.overmind->userModel()->fromJson(section, 1);
    } else {
        const int format = form == 1 ? 1 : 2;
        if (keys->fromJson(section, format) != IButtonModel::hasSectionShape(section, format))
            abort();
    }
    // Every key was read in file order into the first free numbers.
    checkTable(*keys);
    {
        IButtonModel second(nullptr);
        second.fromJson(keys->toJson(), 2);
        if (second.rowCount() != keys->rowCount())
            abort();
        for (int row = 0; row < second.rowCount(); ++row)
            if (second.keyAt(quint8(row))->idHex() != keys->keyAt(quint8(row))->idHex().toUpper())
                abort();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
