#include "app/Storable.h"

#include "app/ConfigFile.h"
#include "app/FileNumber.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"

Storable::Storable(Protocol *protocol) : m_protocol(protocol) {}

Storable::~Storable() = default;

bool Storable::store()
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode())
        return storeToFile();
    writeToDevice();
    return true;
}

bool Storable::storeToFile()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return false;
    ConfigFile &document = overmind->configDocument();
    const QJsonValue value = toJson();
    const QJsonObject sections = value.toObject();
    // An object holding its own key stands for several sections, as a saved file holds them.
    if (sections.value(jsonKey()).isArray()) {
        for (auto it = sections.constBegin(); it != sections.constEnd(); ++it)
            document.setIfPresent(it.key(), it.value());
    } else {
        document.setIfPresent(jsonKey(), value);
    }
    if (document.save(document.path()))
        return true;
    MessageBoxU::warning(
        QCoreApplication::translate("Storable", "Could not write the configuration file %1.")
            .arg(document.path()),
        QCoreApplication::translate("MessageBoxU", "Warning"));
    return false;
}

QJsonObject settingsVersionToJson(quint16 version)
{
    return QJsonObject{{QStringLiteral("compatible"), version & 0xFF},
                       {QStringLiteral("critical"), version >> 8}};
}

quint16 settingsVersionFromJson(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const auto byte = [&object](const char *key) {
        return quint16(FileNumber::whole(object.value(QLatin1String(key))) & 0xFF);
    };
    return quint16(byte("compatible") | byte("critical") << 8);
}
