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
    const Protocol::SenderScope scope = refusalsComeHere();
    writeToDevice();
    return true;
}

Protocol::SenderScope Storable::refusalsComeHere(const QString &name)
{
    PendingWrites::Sender sender;
    sender.object = dynamic_cast<QObject *>(this);
    sender.name = name.isEmpty() ? refusalName() : name;
    // Called only while the object lives: the registry checks the guard first.
    sender.onRefused = [this](const WriteRefusal &refusal) { onWriteRefused(refusal); };
    return Protocol::SenderScope(m_protocol, sender);
}

void Storable::resetOnDevice(e_defaultSettResetParam block)
{
    const Protocol::SenderScope scope = refusalsComeHere();
    if (m_protocol)
        m_protocol->resetSettings(block);
}

void Storable::onWriteRefused(const WriteRefusal &refusal)
{
    if (m_protocol)
        m_protocol->readBackRefused(refusal);
}

QString Storable::refusalName() const
{
    return QString();
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
