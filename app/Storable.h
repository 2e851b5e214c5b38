#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "link/Protocol.h"

// Second base of every settings object and model that lives both on the device and in
// the configuration file: one way to save it, turn it into a file section and back.
class Storable
{
public:
    explicit Storable(Protocol *protocol);
    virtual ~Storable();

    virtual void writeToDevice() = 0;
    virtual QJsonValue toJson() const = 0;
    virtual bool fromJson(const QJsonValue &value, int formatVersion) = 0;
    virtual QString jsonKey() const = 0;

    // Saves where the object currently lives: the device, or the viewed file.
    // Returns false when the viewed file could not be written.
    bool store();
    // Puts the section into the open configuration file and rewrites it.
    bool storeToFile();

    Protocol *protocol() const { return m_protocol; }

    // Writes sent while the returned scope lives come back here when the device refuses them.
    // A given name tells the user which record of the object it was about.
    Protocol::SenderScope refusalsComeHere(const QString &name = QString());

protected:
    // Asks the device to reset this object's block to its defaults.
    void resetOnDevice(e_defaultSettResetParam block);
    // The device refused a write of this object: by default ask it again for the block,
    // so the object and its page show what the device holds.
    virtual void onWriteRefused(const WriteRefusal &refusal);
    // How the user knows this object in a refusal's message; empty for a whole block.
    virtual QString refusalName() const;

private:
    Protocol *m_protocol;
};

// The two version bytes ending a settings block, read as one little-endian word.
QJsonObject settingsVersionToJson(quint16 version);
// The word back from its file object; 0 when the file has none.
quint16 settingsVersionFromJson(const QJsonValue &value);
