#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>
#include <QStringList>

// One iButton key slot of the communicator: its 256-byte block, written to the device
// and read back, and its object in the "iButton" section of the configuration file.
class IButtonSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    // Byte offsets inside the block.
    enum Field
    {
        IdAt = 0,
        IdSize = 12,
        PartitionsAt = 24,
        AccessLawAt = 36,
        OwnerAt = 46
    };
    static constexpr quint8 NoOwner = 0xFF;
    static constexpr quint16 LawNotSet = 1;
    static constexpr quint16 MaxLaw = 5;

    IButtonSettings(Protocol *protocol, quint8 id, QObject *parent = nullptr);
    ~IButtonSettings() override;

    quint8 id() const { return m_id; }
    QString idHex() const;
    void setIdHex(const QString &idHex);
    quint32 partitionsMask() const;
    void setPartitionsMask(quint32 mask);
    quint16 accessLaw() const;
    void setAccessLaw(quint16 law);
    quint8 userId() const;
    void setUserId(quint8 userId);
    const s_ExtMemDataIButton &record() const { return m_record; }

    QString accessibleText(int column) const;
    void addAccessibleText(const QString &text);

    // The names of the access laws 0..5, translated; law 0 has an empty name.
    static const QStringList &lawNames();
    static void retranslateLawNames();
    static QString lawName(int law);
    // The corrections a block from the device gets: a mask beyond the partitions, a law
    // beyond the table. True when something was corrected.
    static bool correctMask(quint32 &mask, int partitionCount);
    static bool correctLaw(quint16 &law);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("iButton"); }

public slots:
    void setSettings(const s_ExtMemDataIButton &s);

signals:
    void writeSettings(quint8 id, const s_ExtMemDataIButton &s);
    void settingsUpdated(quint8 id);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_record); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_record); }

    quint8 m_id;
    int m_partitionCount;
    s_ExtMemDataIButton m_record;
    QStringList m_accessibleTexts;
};
